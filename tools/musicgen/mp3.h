#pragma once
#include "synth.h"

#include <cstdint>
#include <vector>

namespace musicgen {

// Encodes with LAME at a constant bit rate, joint stereo, with the LAME tag
// in the first frame so decoders know the exact length.
std::vector<std::uint8_t> encodeMp3(const synth::Stereo& pcm, int kbps);

} // namespace musicgen
