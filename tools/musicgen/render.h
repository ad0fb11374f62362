#pragma once
#include "composer.h"

namespace musicgen {

// Plays the score through the synthesiser: notes, drums, room, gentle fades
// at both ends, and a level with headroom for the MP3 encoder.
synth::Stereo render(const Score& score, int rate);

} // namespace musicgen
