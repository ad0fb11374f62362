// The end of an attempt: level completed, time up, window closed, and the
// hidden level jump.
#include "game/gamewindow.h"

#include "game/levelresult.h"
#include "platform/image.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/quitsignals.h"
#include "platform/timer.h"

#include <QFile>
#include <QLabel>

#include <limits>

int GameWindow::usedSeconds() const { return round.usedSeconds(); }

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
    if (settings_.musicOn())
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
        emit leftToStart();
}

void GameWindow::savePlayerProgress()
{
    players::PlayerRecord& p = players_.currentPlayer();
    p.level = roundState.level;
    p.helps = roundState.helps;
    p.attempts = roundState.attempts;
    p.secondsBank = roundState.secondsBank;
    players_.write();
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
    players::PlayerRecord& p = players_.currentPlayer();
    const int used = usedSeconds();
    addSeconds(p.totalSeconds, used);
    addSeconds(p.levelSeconds, used);
    game::LevelResult result;
    result.levelSeconds = p.levelSeconds;
    result.leftPicture = leftPicture->picture();
    result.rightPicture = rightPicture->picture();
    result.timeLeftText = clockLabel->text();
    ++roundState.level;
    result.more = !levels_.finished(roundState.level);
    result.attempts = roundState.attempts;
    // At most one token per level, for a first try or a bank of 100 seconds.
    result.award = round.award();
    roundState.attempts = 0;
    roundState.helps = std::uint8_t(result.award.helps);
    roundState.secondsBank = std::uint8_t(result.award.secondsBank);
    // A failed save (a full disk) is reported; the player still sees the
    // result and may go on, and the next save tries again.
    platform::guard([this] { savePlayerProgress(); });
    leftPicture->hide();
    rightPicture->hide();
    stopMusic();
    playEffect(QStringLiteral("palya_ok"));
    emit levelCompleted(result);
}

void GameWindow::levelDoneAnswered(bool goOn)
{
    players_.currentPlayer().levelSeconds = 0;
    platform::guard([this] { savePlayerProgress(); });
    if (goOn) {
        if (levels_.finished(roundState.level)) {
            emit gameCompleted();
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
    round.stop();
    idleTimer->setEnabled(false);
    accounted_ = true;
    clearRegions();
    leftPicture->hide();
    rightPicture->hide();
    playEffect(QStringLiteral("palya_fail"));
    players::PlayerRecord& p = players_.currentPlayer();
    const int used = usedSeconds();
    addSeconds(p.totalSeconds, used);
    addSeconds(p.levelSeconds, used);
    platform::guard([this] { savePlayerProgress(); }); // a failed save still offers the retry
    stopMusic();
    emit timeRanOut(remainingLabel->text().toInt());
}

void GameWindow::timeUpAnswered(bool retry)
{
    if (retry)
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
        addSeconds(players_.currentPlayer().levelSeconds, usedSeconds());
    accounted_ = true;
    // A failed save is reported; the rest of the close still runs.
    platform::guard([this] { savePlayerProgress(); });
    clearRegions();
    QFile::remove(platform::writeFile(QStringLiteral("BAL.BMP")));
    QFile::remove(platform::writeFile(QStringLiteral("JOBB.BMP")));
    round.stop();
    idleTimer->setEnabled(false);
    stopMusic();
    showStartWindow();
}

void GameWindow::levelNumberPressed(Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (button != Qt::RightButton || (mods & all) != all)
        return;
    emit levelJumpAsked();
}

void GameWindow::jumpToLevel(int n)
{
    // The clock may have run out behind the dialog and the player may have
    // left the game meanwhile: a hidden window loads nothing.
    if (!isVisible())
        return;
    clearRegions();
    loadLevel(n);
}
