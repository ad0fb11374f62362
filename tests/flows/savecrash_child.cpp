// Saves players.dat and settings.dat through the player and settings stores,
// each with two contents in turn, as fast as it can until it is killed. It
// says "ready" once saving begins.
// Arguments: the game folder; "roster" or "settings", the file saved first in
// each turn; the content (0 or 1) each file starts with, roster then settings.
#include "crashcontents.h"
#include "platform/paths.h"
#include "players/playerstore.h"
#include "players/settingsstore.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 5)
        return 2;
    platform::setExeDir(QString::fromLocal8Bit(argv[1]));
    const bool settingsFirst = std::strcmp(argv[2], "settings") == 0;
    int rosterNext = std::atoi(argv[3]) & 1; // the content each saves next
    int settingsNext = std::atoi(argv[4]) & 1;
    players::PlayerStore roster;
    players::SettingsStore settings;
    const auto saveRoster = [&] {
        roster.roster = crashcontents::roster(rosterNext);
        roster.write();
        rosterNext ^= 1;
    };
    const auto saveSettings = [&] {
        settings.save(crashcontents::settings(settingsNext));
        settingsNext ^= 1;
    };
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        if (settingsFirst) {
            saveSettings();
            saveRoster();
        } else {
            saveRoster();
            saveSettings();
        }
    }
}
