// kovra_screenshots <out folder>: pictures of the real windows drawn off
// screen, for the AppStream metainfo (start, players, game) and the manual
// (the rest): the start window, the player window, level 1 with two
// differences found, after a wrong click, with a help used and paused, the
// settings, the rules, the level-completed and the time-is-up windows.
// Level 1 is made by the level generator in a scratch game folder; nothing
// else is read.
#include "app/windows.h"
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
    QTemporaryDir game;
    const QString dir = game.path() + QLatin1Char('/');
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

    app::createWindows();
    startWindow->show();
    bool ok = shoot(startWindow, out + QStringLiteral("/start.png"));
    playerDialog->show();
    playerDialog->reload();
    playerDialog->playerList->setCurrentRow(0); // Anna chosen, OK ready
    playerDialog->selectionChanged();
    ok = ok && shoot(playerDialog, out + QStringLiteral("/players.png"));
    playerDialog->selectedPlayer = 1;
    playerDialog->hide();
    startWindow->hide();
    gameWindow->show();
    settle();
    const auto find = [](int k) {
        platform::Shape* s = gameWindow->regions[size_t(k)][0];
        if (s && s->onMouseDown)
            s->onMouseDown(s, Qt::LeftButton);
    };
    for (int k = 0; k < 2 && gameWindow->regionsBuilt(); ++k)
        find(k);
    ok = ok && shoot(gameWindow, out + QStringLiteral("/game.png"));
    // The manual's pictures from here on.
    gameWindow->pictureClicked(); // a wrong click: the warning by the clock, which blinks
    QElapsedTimer blink;
    blink.start();
    while (!gameWindow->warningSign->isVisible() && blink.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ok = ok && gameWindow->grab().save(out + QStringLiteral("/game-miss.png"));
    runFor(4500); // the warning passes
    gameWindow->useHelp(); // a help token shows a difference
    ok = ok && shoot(gameWindow, out + QStringLiteral("/game-help.png"));
    gameWindow->togglePause(); // the clock clicked: paused
    ok = ok && shoot(gameWindow, out + QStringLiteral("/game-pause.png"));
    gameWindow->togglePause();
    settingsDialog->show();
    ok = ok && shoot(settingsDialog, out + QStringLiteral("/settings.png"));
    settingsDialog->hide();
    rulesDialog->show();
    rulesDialog->showPage(2);
    ok = ok && shoot(rulesDialog, out + QStringLiteral("/rules.png"));
    rulesDialog->hide();
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
    for (int k = 0; k < level::kMaxDiffs && gameWindow->regionsBuilt(); ++k)
        find(k);
    runFor(6000);
    ok = ok && ending.isEmpty();
    gameWindow->show();
    gameWindow->loadLevel(1);
    settle();
    ending = QStringLiteral("time-up.png");
    gameWindow->timeUp();
    ok = ok && ending.isEmpty();
    platform::setModalScript(nullptr);
    gameWindow->hide();
    app::destroyWindows();
    return ok ? 0 : 1;
}
