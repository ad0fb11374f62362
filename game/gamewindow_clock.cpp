// The clock, the miss penalty, pause, the idle reminder and help.
#include "game/gamewindow.h"

#include "game/timetext.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/settingsdialog.h"
#include "sound/soundchannel.h"

#include <QCheckBox>
#include <QLabel>

using platform::Shape;

void GameWindow::playEffect(const QString& name)
{
    if (settings::current().sound)
        sound::SoundChannel::instance().play(name);
}

void GameWindow::clockTick()
{
    --roundState.timeLeft;
    if (roundState.timeLeft == 4)
        playEffect(QStringLiteral("ketyeg"));
    timeBar->setProgress(roundState.timeLeft);
    clockLabel->setText(timetext::mmss(roundState.timeLeft));
    if (roundState.timeLeft == 0)
        timeUp();
}

void GameWindow::pictureClicked()
{
    idleTimer->setEnabled(false);
    idleTimer->setEnabled(true);
    if (!clockTimer->enabled())
        return;
    if (penaltyTimer->enabled()) {
        if (roundState.timeLeft > 5) {
            roundState.timeLeft -= 5;
            if (settings::current().music) {
                levelMusic.seek(levelMusic.position() + 5000);
                levelMusic.play();
            }
            playEffect(QStringLiteral("nemjo"));
        } else {
            roundState.timeLeft = 1;
        }
    }
    penaltyTimer->setEnabled(true);
    warningBlinkTimer->setEnabled(true);
}

void GameWindow::penaltyOver()
{
    warningBlinkTimer->setEnabled(false);
    penaltyTimer->setEnabled(false);
    warningSign->hide();
}

void GameWindow::warningBlink() { warningSign->setVisible(!warningSign->isVisible()); }

void GameWindow::togglePause()
{
    // After a failed load there is nothing to pause: the clock must stay
    // stopped and no region exists to hide or show.
    if (!regionsBuilt())
        return;
    roundState.paused ^= 1;
    if (roundState.paused) {
        playEffect(QStringLiteral("pause"));
        if (settings::current().music)
            levelMusic.pause();
    } else {
        playEffect(QStringLiteral("pause_vege"));
        if (settings::current().music)
            levelMusic.play();
    }
    applyPause();
}

void GameWindow::applyPause()
{
    const bool v = !roundState.paused;
    leftPicture->setVisible(v);
    rightPicture->setVisible(v);
    // A failed load leaves the clock stopped; only a built level runs it.
    clockTimer->setEnabled(v && regionsBuilt());
    helpButton->setEnabled(v);
    pauseBanner->setVisible(roundState.paused);
    setRegionsVisible(v);
}

void GameWindow::idleReminder()
{
    if (roundState.helps > 0 && roundState.timeLeft >= 5 && roundState.paused == 0) {
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
    if (roundState.helps > 0 && regionsBuilt() && roundState.foundCount < diffCount()) {
        --roundState.helps;
        for (int k = 1; k <= diffCount(); ++k) {
            Shape* left = regions[k - 1][0];
            if (left->penStyle() != Shape::Solid) {
                left->setKind(Shape::RoundRect);
                regionPressed(left);
                break;
            }
        }
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
