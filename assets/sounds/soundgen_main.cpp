// Writes the twelve sound effects as WAV files under upper-case names:
//   kovra_soundgen <output folder>
#include "effects.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    for (const soundfx::EffectInfo& e : soundfx::effectTable()) {
        const auto wav = soundfx::encodeWav(synth::toPcm16(soundfx::renderEffect(e.name)), 2, soundfx::kRate);
        std::string file = e.name;
        std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return char(std::toupper(c)); });
        const std::string path = dir + "/" + file + ".WAV";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
