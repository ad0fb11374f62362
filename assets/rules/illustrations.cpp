#include "illustrations.h"

#include "dovescene.h"

#include "app/app.h"
#include "game/gamewindow.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "platform/timer.h"

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

    auto program = std::make_unique<app::App>();
    program->buildAllWindows();
    GameWindow* game = program->gameWindow();
    players::SettingsRecord quiet; // no sound, music, cross or shadow pointer
    quiet.sound = quiet.music = quiet.precise = quiet.shadow = false;
    program->settings().use(quiet);
    players::PlayerRecord anna = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    anna.helps = 1;
    anna.secondsBank = 45; // 55 seconds to the next token
    program->players().roster.playerCount = 1;
    program->players().roster.slot(1) = anna;
    program->players().select(1);
    game->roundState.helps = anna.helps;
    game->roundState.secondsBank = anna.secondsBank;
    game->roundState.attempts = 0;
    game->loadLevel(1);

    // Three differences found, the clock at 01:12.
    for (int k : {Sprig, Poppy, Cloud})
        game->regionPressed(game->regions[size_t(k)][0]);
    platform::VirtualClock::advance((game->round.timeLeft() - 72) * 1000);

    GameShots s;
    s.window = shot(game, game->rect());
    s.timeAndDiffs = shot(game, QRect(QPoint(108, 612), QPoint(669, 692)));
    s.helpPanel = shot(game, QRect(QPoint(668, 612), QPoint(964, 692)));
    // The dove's head with the twig (right picture), and the poppy (left).
    s.crops[0] = shot(game, cropOf(game->rightPicture, scene.points[Sprig] + QPoint(14, -4), 104));
    s.crops[1] = shot(game, cropOf(game->leftPicture, scene.points[Poppy] + QPoint(-6, -6), 104));

    game->togglePause(); // pause
    s.pauseBanner = shot(game, game->pauseBanner->geometry());
    game->togglePause();

    // A wrong click with 20 seconds left: the badge blinks beside the clock.
    platform::VirtualClock::advance((game->round.timeLeft() - 20) * 1000);
    game->pictureClicked();
    game->warningBlink();
    s.timeWarning = shot(game, QRect(QPoint(108, 612), QPoint(332, 692)));

    program.reset();
    platform::setExeDir(QString());
    platform::VirtualClock::deactivate();
    return s;
}

} // namespace rules
