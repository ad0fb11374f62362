// Saves two different rosters in turn as fast as it can, printing one line
// after every completed save, until it is killed.
#include "platform/paths.h"
#include "players/playerstore.h"
#include "players/savecrash.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    platform::setExeDir(QString::fromLocal8Bit(argv[1]));
    players::PlayerStore store;
    const players::RosterRecord rosters[2] = {savecrash::first(), savecrash::second()};
    for (unsigned long long i = 0;; ++i) {
        store.roster = rosters[i % 2];
        store.write();
        std::printf("%llu\n", i);
        std::fflush(stdout);
    }
}
