#pragma once
// Composes a piece of light background music from its number: key, tempo,
// instruments and groove come from a seed per piece, and neighbouring pieces
// are kept apart in key, tempo, lead instrument and groove.
#include "synth.h"

#include <cstdint>
#include <vector>

namespace musicgen {

enum class Comp { Pad, Arpeggio, Stabs, Charleston, Broken };
enum class Bass { Roots, RootFifth, Syncopated, Walking };
enum class Groove { Calm, SoftPop, Light, Bossa, HalfTime, Waltz };

struct Style {
    int key = 0;            // tonic pitch class, 0 = C
    int scale = 0;          // index into the mode table (major, mixolydian, ...)
    double bpm = 90;
    int beatsPerBar = 4;
    synth::Voice lead = synth::Voice::EPiano;
    synth::Voice answer = synth::Voice::Vibes; // plays the B sections' melody
    synth::Voice compVoice = synth::Voice::EPiano;
    Comp comp = Comp::Pad;
    Bass bass = Bass::Roots;
    Groove groove = Groove::SoftPop;
    bool swing = false;
    float reverb = 0.25f;
    std::uint64_t seed = 0;
};

struct DrumHit {
    double start;
    synth::Drum drum;
    float gain;
    float pan;
};

struct Score {
    Style style;
    double seconds = 0;     // total length, fades included
    std::vector<synth::Note> notes;
    std::vector<DrumHit> drums;
};

// Piece 0 is the title piece; 1..100 are the level pieces.
Style styleFor(int piece);
// A piece at least `seconds` long, ending on a held chord that fades out.
Score compose(int piece, double seconds);

} // namespace musicgen
