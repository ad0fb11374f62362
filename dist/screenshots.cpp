// kovra_screenshots <out folder>: pictures of the real windows drawn off
// screen, for the AppStream metainfo (start, players, game) and the manual
// (the rest): the start window, the player window, level 1 with two
// differences found, after a wrong click, with a help used and paused, the
// settings, the rules, the level-completed and the time-is-up windows.
// Level 1 is made by the level generator in a scratch game folder; nothing
// else is read.
#include "app/app.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamewindow.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "platform/image.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "players/records.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "tools/levelgen/pack.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <cstdio>

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Lets the windows lay out and paint, on a clock that really runs.
void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool shoot(QWidget* w, const QString& path)
{
    settle();
    return w->grab().save(path);
}

// Runs the event loop for `ms` milliseconds of real time (the game's timers
// and the modal windows they open run meanwhile).
void runFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovra_screenshots <out folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir folder;
    const QString dir = folder.path() + QLatin1Char('/');
    QDir().mkpath(dir + QStringLiteral("DATA"));
    if (!levelgen::writeLevels(dir + QStringLiteral("DATA"), {1}, 1, [](int, int) {}))
        return 1;
    // Anna at level 1, music off (the scratch folder has none).
    players::RosterRecord roster;
    roster.playerCount = 1;
    roster.slot(1) = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    roster.slot(1).helps = 2; // so the help picture has one to use
    if (!writeBytes(dir + QStringLiteral("players.dat"), players::encodeRoster(roster))
        || !writeBytes(dir + QStringLiteral("settings.dat"), QByteArray("\x01\x01\x00\x01", 4)))
        return 1;
    platform::setExeDir(dir);
    // The scratch folder has no music: the title piece's box is expected.
    platform::setMessageScript([](const platform::MessageRecord&) {});

    auto program = std::make_unique<app::App>();
    program->buildAllWindows();
    GameWindow* game = program->gameWindow();
    program->startWindow()->show();
    bool ok = shoot(program->startWindow(), out + QStringLiteral("/start.png"));
    program->playerDialog()->show();
    program->playerDialog()->reload();
    program->playerDialog()->playerList->setCurrentRow(0); // Anna chosen, OK ready
    program->playerDialog()->selectionChanged();
    ok = ok && shoot(program->playerDialog(), out + QStringLiteral("/players.png"));
    program->players().select(1);
    program->playerDialog()->hide();
    program->startWindow()->hide();
    game->show();
    settle();
    const auto find = [&](int k) {
        platform::Shape* s = game->regions[size_t(k)][0];
        if (s && s->onMouseDown)
            s->onMouseDown(s, Qt::LeftButton);
    };
    for (int k = 0; k < 2 && game->regionsBuilt(); ++k)
        find(k);
    ok = ok && shoot(game, out + QStringLiteral("/game.png"));
    // The manual's pictures from here on.
    game->pictureClicked(); // a wrong click: the warning by the clock, which blinks
    QElapsedTimer blink;
    blink.start();
    while (!game->warningSign->isVisible() && blink.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ok = ok && game->grab().save(out + QStringLiteral("/game-miss.png"));
    runFor(4500); // the warning passes
    game->useHelp(); // a help token shows a difference
    ok = ok && shoot(game, out + QStringLiteral("/game-help.png"));
    game->togglePause(); // the clock clicked: paused
    ok = ok && shoot(game, out + QStringLiteral("/game-pause.png"));
    game->togglePause();
    program->settingsDialog()->show();
    ok = ok && shoot(program->settingsDialog(), out + QStringLiteral("/settings.png"));
    program->settingsDialog()->hide();
    program->rulesDialog()->show();
    program->rulesDialog()->showPage(2);
    ok = ok && shoot(program->rulesDialog(), out + QStringLiteral("/rules.png"));
    program->rulesDialog()->hide();
    // The end windows come as modal windows: pictured while they are shown,
    // then left with "Mentés és kilépés".
    QString ending;
    platform::setModalScript([&](QWidget* w) {
        if (!ending.isEmpty())
            ok = shoot(w, out + QLatin1Char('/') + ending) && ok;
        ending.clear();
        return int(platform::mrCancel);
    });
    ending = QStringLiteral("level-completed.png");
    for (int k = 0; k < level::kMaxDiffs && game->regionsBuilt(); ++k)
        find(k);
    runFor(6000);
    ok = ok && ending.isEmpty();
    game->show();
    game->loadLevel(1);
    settle();
    ending = QStringLiteral("time-up.png");
    game->timeUp();
    ok = ok && ending.isEmpty();
    platform::setModalScript(nullptr);
    game->hide();
    program.reset();
    return ok ? 0 : 1;
}
