// The clock, the miss penalty, pause, the idle reminder and help.
#include "game/gamewindow.h"

#include "game/timetext.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "sound/soundchannel.h"

#include <QLabel>

using platform::Shape;

void GameWindow::playEffect(const QString& name)
{
    if (settings_.current().sound)
        sound::SoundChannel::instance().play(name);
}

// The bar and the clock show the last tick: a penalty shows at the next.
void GameWindow::showClock(int seconds)
{
    timeBar->setProgress(seconds);
    clockLabel->setText(timetext::mmss(seconds));
}

void GameWindow::pictureClicked()
{
    idleTimer->setEnabled(false);
    idleTimer->setEnabled(true);
    if (!round.clockRunning())
        return;
    round.miss();
    warningBlinkTimer->setEnabled(true);
}

// The music keeps pace with the clock: five seconds on.
void GameWindow::penalised()
{
    if (settings_.current().music) {
        levelMusic.seek(levelMusic.position() + 5000);
        levelMusic.play();
    }
    playEffect(QStringLiteral("nemjo"));
}

void GameWindow::penaltyOver()
{
    warningBlinkTimer->setEnabled(false);
    warningSign->hide();
}

void GameWindow::warningBlink() { warningSign->setVisible(!warningSign->isVisible()); }

void GameWindow::togglePause()
{
    // After a failed load there is nothing to pause: the clock must stay
    // stopped and no region exists to hide or show.
    if (!regionsBuilt())
        return;
    round.setPaused(!round.paused());
    if (round.paused()) {
        playEffect(QStringLiteral("pause"));
        if (settings_.current().music)
            levelMusic.pause();
    } else {
        playEffect(QStringLiteral("pause_vege"));
        if (settings_.current().music)
            levelMusic.play();
    }
    applyPause();
}

void GameWindow::applyPause()
{
    const bool v = !round.paused();
    leftPicture->setVisible(v);
    rightPicture->setVisible(v);
    // Pausing or going on ends a suspension by the caption guard; a failed
    // load has stopped the round, whose clock then stays stopped.
    round.setSuspended(false);
    helpButton->setEnabled(v);
    pauseBanner->setVisible(round.paused());
    setRegionsVisible(v);
}

void GameWindow::idleReminder()
{
    if (roundState.helps > 0 && round.timeLeft() >= 5 && !round.paused()) {
        helpPanel->setPenWidth(4);
        helpPanel->setPenColor(Qt::white);
        idleFlashTimer->setEnabled(true);
        playEffect(QStringLiteral("helppos"));
    }
}

void GameWindow::idleFlashOver()
{
    helpPanel->setPenWidth(1);
    helpPanel->setPenColor(Qt::black);
    idleFlashTimer->setEnabled(false);
    idleTimer->setEnabled(true);
}

void GameWindow::useHelp()
{
    // After a failed load no region exists: spend nothing, search nothing.
    if (roundState.helps > 0 && regionsBuilt() && !round.complete()) {
        idleTimer->setEnabled(false);
        idleTimer->setEnabled(true);
        if (round.help() > 0)
            roundState.helps = std::uint8_t(round.helps());
    }
    showHelpStatus();
}

void GameWindow::showHelpStatus()
{
    // A bank of 100 or more needs nothing more, never a negative number.
    const int needed = qMax(0, 100 - int(roundState.secondsBank));
    if (roundState.helps > 0) {
        helpButton->setPicture(helpOnPicture->picture());
        helpTitle->setText(QString::fromUtf8("Segítség (%1 db)").arg(roundState.helps));
        helpLine1->setText(QString::fromUtf8("Kattints a nagyítóra a segítségért!"));
        helpLine2->setText(QString::fromUtf8("A következő segítséghez még %1 mp kell.").arg(needed));
    } else {
        helpButton->setPicture(helpOffPicture->picture());
        helpTitle->setText(QString::fromUtf8("Segítség (nincs)"));
        helpLine1->setText(QString::fromUtf8("Még %1 másodpercet kell meghagynod").arg(needed));
        helpLine2->setText(QString::fromUtf8("a következő segítség érkezéséig."));
    }
}
