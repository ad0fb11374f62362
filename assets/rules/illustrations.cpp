#include "illustrations.h"

#include "dovescene.h"

#include "app/windows.h"
#include "game/gamewindow.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"

#include <QCheckBox>
#include <QDir>

namespace rules {

namespace {

// The grab at the screen's pixel ratio; the caller scales it to the page.
QImage shot(QWidget* w, const QRect& r) { return w->grab(r).toImage(); }

// A square of `size` window pixels around a point of a level picture.
QRect cropOf(const QWidget* picture, QPoint centre, int size)
{
    const QPoint c = picture->geometry().topLeft() + centre;
    return QRect(c - QPoint(size / 2, size / 2), QSize(size, size));
}

} // namespace

GameShots takeGameShots(const QString& scratchDir)
{
    platform::VirtualClock::activate(); // nothing ticks while we pose the game
    platform::setExeDir(scratchDir);
    const LevelScene scene = doveScene();
    QDir(scratchDir).mkpath(QStringLiteral("DATA"));
    level::writeLevelFile(platform::exeDir() + QStringLiteral("DATA/001.DAT"), scene.left, scene.right,
                          scene.points, scene.marker);

    app::createWindows();
    for (QCheckBox* box : {settingsDialog->soundBox, settingsDialog->musicBox, settingsDialog->preciseBox, settingsDialog->shadowBox})
        box->setChecked(false);
    players::PlayerRecord anna = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    anna.helps = 1;
    anna.secondsBank = 45; // 55 seconds to the next token
    playerDialog->roster.playerCount = 1;
    playerDialog->roster.slot(1) = anna;
    playerDialog->selectedPlayer = 1;
    gameWindow->roundState.helps = anna.helps;
    gameWindow->roundState.secondsBank = anna.secondsBank;
    gameWindow->roundState.attempts = 0;
    gameWindow->loadLevel(1);

    // Three differences found, the clock at 01:12.
    for (int k : {Sprig, Poppy, Cloud})
        gameWindow->regionPressed(gameWindow->regions[size_t(k)][0]);
    gameWindow->roundState.timeLeft = 73;
    gameWindow->clockTick();

    GameShots s;
    s.window = shot(gameWindow, gameWindow->rect());
    s.timeAndDiffs = shot(gameWindow, QRect(QPoint(108, 612), QPoint(669, 692)));
    s.helpPanel = shot(gameWindow, QRect(QPoint(668, 612), QPoint(964, 692)));
    // The dove's head with the twig (right picture), and the poppy (left).
    s.crops[0] = shot(gameWindow, cropOf(gameWindow->rightPicture, scene.points[Sprig] + QPoint(14, -4), 104));
    s.crops[1] = shot(gameWindow, cropOf(gameWindow->leftPicture, scene.points[Poppy] + QPoint(-6, -6), 104));

    gameWindow->togglePause(); // pause
    s.pauseBanner = shot(gameWindow, gameWindow->pauseBanner->geometry());
    gameWindow->togglePause();

    // A wrong click with 20 seconds left: the badge blinks beside the clock.
    gameWindow->roundState.timeLeft = 21;
    gameWindow->clockTick();
    gameWindow->pictureClicked();
    gameWindow->warningBlink();
    s.timeWarning = shot(gameWindow, QRect(QPoint(108, 612), QPoint(332, 692)));

    app::destroyWindows();
    platform::setExeDir(QString());
    platform::VirtualClock::deactivate();
    return s;
}

} // namespace rules
