#include "app/rungame.h"

#include "app/app.h"
#include "app/cli.h"
#include "menus/startwindow.h"
#include "platform/appearance.h"
#include "platform/gamelock.h"
#include "platform/modal.h"
#include "platform/paths.h"
#include "platform/quitsignals.h"

#include <QApplication>
#include <QTimer>

namespace app {

void prepareSignals() { platform::installQuitSignals(); }

const char* noFolderText() { return "A Kovra 2 nem találja a saját mappáját, ezért nem indul el."; }

const char* noOwnLevelsText()
{
    return "Még nincs saját pályád. A Kovra 2 pályakészítőjében egy fényképből készíthetsz: "
           "a „Mentés pályaként” a saját pályáid közé teszi.";
}

int runGame(int argc, char** argv, const std::function<void(App&)>& started)
{
    prepareSignals();
    QApplication app(argc, argv);
    platform::fitWindowsToScreen(argv);
    QApplication::setApplicationName(QStringLiteral("Kovra 2"));
    // A signal also ends a box waiting below, before any window exists.
    platform::onQuitSignal([](int) { closeAllWindows(nullptr); });
    // Guessing a folder (the root, the current one) would scatter the
    // player's files where they do not belong.
    if (!platform::locateExeDir(argc > 0 ? argv[0] : nullptr)) {
        platform::messageBox(nullptr, QString::fromUtf8(noFolderText()), QStringLiteral("Kovra 2"),
                             platform::MsgIcon::Error);
        return 1;
    }
    // The player's folder may not exist yet (a first start when installed):
    // writeDir() makes it, owner-only, so the very first game holds the lock too.
    platform::GameLock lock(platform::writeDir());
    if (lock.acquire() == platform::GameLock::HeldByAnother) {
        platform::messageBox(nullptr, platform::alreadyRunningText(), QStringLiteral("Kovra 2"),
                             platform::MsgIcon::Information);
        return 1;
    }
    const game::LevelSet levels = wantsOwnLevels(argc, argv) ? game::LevelSet::own() : game::LevelSet::shipped();
    if (levels.isOwn() && levels.levelCount() == 0) {
        platform::messageBox(nullptr, QString::fromUtf8(noOwnLevelsText()), QStringLiteral("Kovra 2"),
                             platform::MsgIcon::Information);
        return 0;
    }
    App game(levels);
    platform::onQuitSignal([&game](int) { closeAllWindows(&game); });
    game.start();
    // A signal handled in a box of the first showing closed everything
    // before the event loop ran: there is nothing left to run it for.
    int rc = 0;
    if (!closingAllWindows()) {
        if (started)
            QTimer::singleShot(0, [&] { started(game); });
        rc = app.exec();
    }
    // Handlers that were waiting in a box went on as the loops unwound; the
    // scratch pictures go whatever they did.
    if (closingAllWindows())
        game.startWindow()->removeScratchPictures();
    platform::onQuitSignal([](int) { closeAllWindows(nullptr); }); // `game` is going
    return rc;
}

bool closingAllWindows() { return platform::shuttingDown(); }

void closeAllWindows(App* game)
{
    if (platform::shuttingDown())
        return;
    platform::beginShutdown();
    // Nobody answers boxes now: a message is dropped, and a modal window a
    // closing handler opens is answered as its close box would answer it.
    platform::setMessageScript([](const platform::MessageRecord&) {});
    platform::setModalScript([](QWidget*) { return int(platform::mrCancel); });
    if (game)
        game->closeAll();
    else // before the windows: a box may be waiting
        App::rejectOpenDialogs();
    QCoreApplication::exit(0);
}

} // namespace app
