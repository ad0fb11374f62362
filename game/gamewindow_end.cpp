// The end of an attempt: level completed, time up, window closed, and the
// hidden level jump.
#include "game/gamewindow.h"

#include "game/timetext.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/startwindow.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/quitsignals.h"
#include "platform/timer.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <limits>

int GameWindow::usedSeconds() const { return timeBar->maxValue() - timeBar->progress(); }

namespace {
// Adds an attempt's seconds to a stored time; a damaged record near the top
// of the range stays there instead of wrapping to a negative time.
void addSeconds(std::int32_t& stored, int used)
{
    stored = std::int32_t(qMin<qint64>(qint64(stored) + used, std::numeric_limits<std::int32_t>::max()));
}
} // namespace

void GameWindow::stopMusic()
{
    if (settings::current().music)
        levelMusic.stop();
}

void GameWindow::leaveToStart()
{
    hide();
    showStartWindow();
}

void GameWindow::showStartWindow()
{
    // At the program's end the start window would only open its music and
    // read the settings for nothing.
    if (!platform::shuttingDown())
        startWindow->show();
}

void GameWindow::savePlayerProgress()
{
    players::PlayerRecord& p = playerDialog->currentPlayer();
    p.level = roundState.level;
    p.helps = roundState.helps;
    p.attempts = roundState.attempts;
    p.secondsBank = roundState.secondsBank;
    playerDialog->writeRoster();
}

void GameWindow::completeLevel()
{
    completionDelay->setEnabled(false);
    helpButton->setEnabled(true);
    pauseButton->setEnabled(true);
    if (accounted_) // the window was closed during the wait: already counted
        return;
    accounted_ = true;
    clearRegions();
    players::PlayerRecord& p = playerDialog->currentPlayer();
    const int used = usedSeconds();
    addSeconds(p.totalSeconds, used);
    addSeconds(p.levelSeconds, used);
    levelDoneDialog->usedTimeLabel->setText(timetext::mmss(p.levelSeconds));
    levelDoneDialog->usedTimeLabel->adjustSize();
    levelDoneDialog->leftThumbnail->setPicture(leftPicture->picture());
    levelDoneDialog->rightThumbnail->setPicture(rightPicture->picture());
    levelDoneDialog->timeLeftLabel->setText(clockLabel->text());
    levelDoneDialog->timeLeftLabel->adjustSize();
    ++roundState.level;
    const bool more = roundState.level <= 100;
    levelDoneDialog->nextButton->setText(QString::fromUtf8(more ? "Következő pálya" : "Játék befejezése"));
    levelDoneDialog->saveAndQuitButton->setVisible(more);
    levelDoneDialog->attemptsLabel->setText(QString::number(roundState.attempts));
    levelDoneDialog->attemptsLabel->adjustSize();
    const bool firstTry = roundState.attempts == 1;
    roundState.attempts = 0;
    // At most one token per level; the bank is summed wide and kept in its byte.
    bool bankAward = false;
    if (firstTry) {
        roundState.helps = std::uint8_t(qMin(255, roundState.helps + 1));
    } else {
        int bank = roundState.secondsBank + timeBar->progress();
        if (bank >= 100) {
            roundState.helps = std::uint8_t(qMin(255, roundState.helps + 1));
            bank -= 100;
            bankAward = true;
        }
        roundState.secondsBank = std::uint8_t(qMin(255, bank));
    }
    // A failed save (a full disk) is reported; the player still sees the
    // result and may go on, and the next save tries again.
    platform::guard([this] { savePlayerProgress(); });
    if (firstTry)
        levelDoneDialog->awardLabel->setText(QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!"));
    else if (bankAward)
        levelDoneDialog->awardLabel->setText(QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!"));
    else
        levelDoneDialog->awardLabel->setText(QString::fromUtf8("A következő segítséghez még %1 maradék másodperc kell.")
                                   .arg(qMax(0, 100 - int(roundState.secondsBank))));
    if (!more)
        levelDoneDialog->awardLabel->setText(QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"));
    leftPicture->hide();
    rightPicture->hide();
    stopMusic();
    playEffect(QStringLiteral("palya_ok"));
    const int result = platform::showModal(levelDoneDialog);
    p.levelSeconds = 0;
    platform::guard([this] { savePlayerProgress(); });
    if (result == platform::mrOk) {
        if (roundState.level == 101) {
            platform::showModal(gameCompleteDialog);
            leaveToStart();
        } else {
            loadLevel(roundState.level);
        }
    } else {
        stopMusic();
        leaveToStart();
    }
}

void GameWindow::timeUp()
{
    clockTimer->setEnabled(false);
    idleTimer->setEnabled(false);
    accounted_ = true;
    clearRegions();
    timeUpDialog->missedLabel->setText(QString::fromUtf8("Még %1 különbséget kellett volna megtalálni.").arg(remainingLabel->text()));
    leftPicture->hide();
    rightPicture->hide();
    playEffect(QStringLiteral("palya_fail"));
    players::PlayerRecord& p = playerDialog->currentPlayer();
    const int used = usedSeconds();
    addSeconds(p.totalSeconds, used);
    addSeconds(p.levelSeconds, used);
    platform::guard([this] { savePlayerProgress(); }); // a failed save still offers the retry
    stopMusic();
    if (platform::showModal(timeUpDialog) == platform::mrOk)
        loadLevel(roundState.level);
    else
        leaveToStart();
}

void GameWindow::closeGame()
{
    completionDelay->setEnabled(false); // a completion still waiting is abandoned
    // A level that failed to load has no clock: the time bar still shows
    // an earlier level's (or its initial) state, which is no time played.
    if (!accounted_ && regionsBuilt())
        addSeconds(playerDialog->currentPlayer().levelSeconds, usedSeconds());
    accounted_ = true;
    // A failed save is reported; the rest of the close still runs.
    platform::guard([this] { savePlayerProgress(); });
    clearRegions();
    QFile::remove(platform::writeFile(QStringLiteral("BAL.BMP")));
    QFile::remove(platform::writeFile(QStringLiteral("JOBB.BMP")));
    clockTimer->setEnabled(false);
    idleTimer->setEnabled(false);
    stopMusic();
    showStartWindow();
}

void GameWindow::levelNumberPressed(Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (button != Qt::RightButton || (mods & all) != all)
        return;
    if (platform::showModal(levelJumpDialog) != platform::mrOk)
        return;
    // The clock may have run out behind the dialog and the player may have
    // left the game meanwhile: a hidden window loads nothing.
    if (!isVisible())
        return;
    clearRegions();
    loadLevel(roundState.jumpLevel);
}
