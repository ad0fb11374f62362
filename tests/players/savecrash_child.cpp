// Saves two different rosters in turn as fast as it can, printing one line
// after every completed save, until it is killed.
#include "platform/paths.h"
#include "players/playerdialog.h"
#include "players/savecrash.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    platform::setExeDir(QString::fromLocal8Bit(argv[1]));
    PlayerDialog form;
    const players::RosterRecord rosters[2] = {savecrash::first(), savecrash::second()};
    for (unsigned long long i = 0;; ++i) {
        form.roster = rosters[i % 2];
        form.writeRoster();
        std::printf("%llu\n", i);
        std::fflush(stdout);
    }
}
