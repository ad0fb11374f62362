// Writes the game's music beside the executable when it is missing or stale:
//   kovra_musicgen --out <game folder> [--jobs N]
#include "musicgen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    musicgen::Options o;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            o.out = argv[++i];
        else if (!std::strcmp(argv[i], "--jobs") && i + 1 < argc)
            o.jobs = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s --out <game folder> [--jobs N]\n", argv[0]);
            return 2;
        }
    }
    if (o.out.empty()) {
        std::fprintf(stderr, "usage: %s --out <game folder> [--jobs N]\n", argv[0]);
        return 2;
    }
    try {
        const musicgen::Summary s = musicgen::generate(o);
        if (s.made == 0)
            std::printf("music: all %d pieces up to date (%.1f MB)\n", s.upToDate, s.bytes / 1e6);
        else
            std::printf("music: %d pieces made in %.1f s, %d up to date, %.1f MB in all\n", s.made, s.seconds,
                        s.upToDate, s.bytes / 1e6);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kovra_musicgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
