#include "render.h"

#include <cmath>

namespace musicgen {

synth::Stereo render(const Score& score, int rate)
{
    synth::Stereo out(std::size_t(std::ceil(score.seconds * rate)), rate);
    for (const synth::Note& n : score.notes)
        synth::addNote(out, n);
    std::uint64_t seed = score.style.seed;
    for (const DrumHit& d : score.drums)
        synth::addDrum(out, d.start, d.drum, d.gain, d.pan, ++seed);
    synth::reverb(out, score.style.reverb);
    synth::fadeIn(out, 0.4);
    synth::fadeOut(out, 5.0);
    // Below full scale: MP3 decoding overshoots the peaks a little.
    synth::normalise(out, 0.85f);
    return out;
}

} // namespace musicgen
