#pragma once
// The twelve sound effects of the game, synthesised from scratch.
#include "synth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace soundfx {

constexpr int kRate = 44100;

struct EffectInfo {
    const char* name;   // the lower-case name the game asks for
    double seconds;     // the exact length of the recording
};

// The twelve effects in the order of the game's sound table.
const std::vector<EffectInfo>& effectTable();
// Sample frames of a recording of the given length (rounded to the nearest).
std::size_t framesFor(double seconds);

// Renders one effect by name at kRate, exactly framesFor(seconds) long.
// Unknown names give an empty buffer.
synth::Stereo renderEffect(const std::string& name);

// A plain 44-byte-header RIFF WAVE file: PCM, 16 bits, interleaved.
std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& interleaved, int channels, int rate);

} // namespace soundfx
