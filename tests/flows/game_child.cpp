// The game as the program runs it (the same start-up, lock, signal handling
// and windows), with its boxes written to stdout instead of shown, so a test
// can start it, watch it and end it with a signal. Modes:
//   locate          the folder found from the executable; opens the player
//                   window once (creating players.dat), says "dir <folder>"
//                   and closes all windows
//   hold <folder>   says "ready" once the start window stands; runs on
//   unanswered <folder>  the same, its boxes shown for real (and left open)
//   saves <folder> <tag> <count>
//                   saves the roster through the player window <count>
//                   times, each a whole roster of players named <tag><n>,
//                   without the game's lock (two of these write at once)
//   play <folder>   chooses the first player and says "playing" once the game
//                   window stands; runs on the virtual clock, which each line
//                   "advance <ms>" on stdin moves on ("advanced" follows);
//                   "find all" finds every difference ("found" follows) and
//                   the level-completed window, once it opens ("level done"),
//                   waits for an answer that only a close gives
// Every box shown prints "box: <text>". The first line, "signals", says the
// signal handlers stand (before them the kernel's default would kill it).
#include "support/appwindows.h"
#include "support/testsupport.h"
#include "app/rungame.h"
#include "game/leveldonedialog.h"
#include "game/gamewindow.h"
#include "menus/startwindow.h"
#include "platform/ioerror.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/timer.h"
#include "players/playerdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void followStdin()
{
    // The application owns it: a notifier left alive at exit is a leak to
    // LeakSanitizer, and the child's exit code then says so.
    auto* n = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    QObject::connect(n, &QSocketNotifier::activated, [n] {
        static QByteArray pending;
        char buf[256];
        const ssize_t got = ::read(STDIN_FILENO, buf, sizeof buf);
        if (got <= 0) {
            n->setEnabled(false);
            return;
        }
        pending.append(buf, got);
        for (int nl; (nl = pending.indexOf('\n')) >= 0;) {
            const QByteArray line = pending.left(nl);
            pending.remove(0, nl + 1);
            if (line.startsWith("advance ")) {
                platform::VirtualClock::advance(line.mid(8).toLongLong());
                say("advanced");
            } else if (line == "find all") {
                for (const auto& pair : gameWindow()->regions)
                    if (pair[0] && gameWindow()->regionsBuilt())
                        gameWindow()->regionPressed(pair[0]);
                say("found");
            }
        }
    });
}
} // namespace

// Rosters of one to ten players, all named after the writer.
int saveRosters(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 5)
        return 2;
    platform::setExeDir(QString::fromLocal8Bit(argv[2]));
    const QByteArray tag(argv[3]);
    const int count = std::atoi(argv[4]);
    players::PlayerStore store;
    for (int i = 0; i < count; ++i) {
        players::RosterRecord r;
        r.playerCount = quint8(1 + i % players::kMaxPlayers);
        for (int k = 1; k <= r.playerCount; ++k) {
            r.slot(k).name = tag + QByteArray::number(i);
            r.slot(k).level = 1;
        }
        store.roster = r;
        try {
            store.write();
        } catch (const platform::RuntimeError& e) {
            say("box: " + e.message().toUtf8());
            return 1;
        }
    }
    return 0;
}

// The start window opens its title music and reads (on a first run writes)
// the settings after its first paint; a player cannot click before that.
void waitForTheStartWindowsShowing()
{
    QElapsedTimer waited;
    waited.start();
    while (!startWindow()->showSequenceDone() && !app::closingAllWindows() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

int main(int argc, char** argv)
{
    app::prepareSignals();
    say("signals"); // from here on a signal ends the game as a close would
    if (argc < 2)
        return 2;
    const QByteArray mode(argv[1]);
    if (mode == "saves")
        return saveRosters(argc, argv);
    if (argc > 2)
        platform::setExeDir(QString::fromLocal8Bit(argv[2]));
    // "unanswered": the boxes are real and wait for a player who never comes.
    if (mode != "unanswered")
        platform::setMessageScript([](const platform::MessageRecord& m) { say("box: " + m.text.toUtf8()); });
    std::function<void(app::App&)> started;
    if (mode == "locate") {
        started = [](app::App& game) {
            testsupport::useApp(&game);
            platform::setModalScript([](QWidget*) { return int(platform::mrCancel); });
            waitForTheStartWindowsShowing();
            platform::showModal(playerDialog());
            say("dir " + QFile::encodeName(platform::exeDir()));
            app::closeAllWindows(&game);
        };
    } else if (mode == "hold" || mode == "unanswered") {
        started = [](app::App&) { say("ready"); };
    } else if (mode == "play") {
        platform::VirtualClock::activate();
        started = [](app::App& game) {
            testsupport::useApp(&game);
            if (app::closingAllWindows())
                return; // a signal came first
            waitForTheStartWindowsShowing();
            if (app::closingAllWindows())
                return; // a signal came while it was showing
            say("ready");
            followStdin();
            platform::setModalScript([](QWidget* w) {
                if (is<LevelDoneDialog>(w)) {
                    QEventLoop open;
                    QObject::connect(levelDoneDialog(), &QDialog::finished, &open, &QEventLoop::quit);
                    say("level done");
                    open.exec();
                    return levelDoneDialog()->result() == QDialog::Accepted ? int(platform::mrOk) : int(platform::mrCancel);
                }
                if (!is<PlayerDialog>(w) || playerDialog()->playerList->count() == 0)
                    return int(platform::mrCancel);
                playerDialog()->playerList->setCurrentRow(0);
                playerDialog()->selectionChanged();
                playerDialog()->okClicked();
                return int(platform::mrOk);
            });
            startWindow()->startButton->click(); // "Játék indítása"
            if (gameWindow()->isVisible())
                say("playing");
        };
    } else {
        return 2;
    }
    return app::runGame(argc, argv, started);
}
