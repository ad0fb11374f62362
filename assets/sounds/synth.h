#pragma once
// Small additive/FM synthesiser shared by the sound effects and the music
// composer. Plain C++ so the generators build without Qt.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

// A stereo float buffer; full scale is +-1.
struct Stereo {
    explicit Stereo(std::size_t frames = 0, int rate = 44100) : l(frames), r(frames), rate(rate) {}
    std::size_t frames() const { return l.size(); }
    double seconds() const { return double(frames()) / rate; }
    std::vector<float> l, r;
    int rate;
};

// Deterministic random numbers (the same bytes on every build and platform).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    std::uint64_t next();
    double uniform();                 // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n);                 // [0, n)
    bool chance(double p) { return uniform() < p; }
    float noise() { return float(uniform() * 2.0 - 1.0); }
private:
    std::uint64_t s_;
};

double midiToHz(double midi);
float sine(double cycles); // table sine of a phase given in cycles

// How a note sounds. Every voice is a few sines (FM or additive) under an
// attack / exponential decay / release envelope, so voices stay cheap.
enum class Voice {
    Bell,      // FM bell: bright strike, long ring
    EPiano,    // soft FM electric piano
    Marimba,   // wooden mallet: fundamental and a fast-dying fourth
    Flute,     // breathy sine lead with a slow vibrato
    Pluck,     // plucked string, bright then dull
    Pad,       // slow detuned chorus of sines
    Bass,      // round bass with a little bite
    Vibes,     // vibraphone with tremolo
    Glass,     // thin high sine with a fifth above: sparkles
    Square,    // hollow odd-harmonic tone, used by the "wrong" sound
};

struct Note {
    double start = 0;   // seconds
    double length = 0;  // seconds the key is held
    double midi = 60;   // pitch (fractional for glides)
    float gain = 0.5f;
    float pan = 0;      // -1 left .. +1 right
    Voice voice = Voice::EPiano;
    double glide = 0;   // semitones reached by the end of the note (pitch bends)
};

// Adds one note into the buffer; its tail may run past `length`.
void addNote(Stereo& out, const Note& n);
// Seconds after the key is released until a voice is silent enough to stop.
double releaseTail(Voice v);

enum class Drum { Kick, Snare, Brush, Hat, Shaker, Rim, WoodTick, WoodTock, Clap };
void addDrum(Stereo& out, double start, Drum d, float gain, float pan, std::uint64_t seed);

// Room reverb applied in place with a wet mix.
void reverb(Stereo& buf, float wet, float roomSize = 0.8f, float damping = 0.35f);
// One-pole low-pass over the whole buffer.
void lowpass(Stereo& buf, double cutoffHz);
// Linear fades at the ends.
void fadeIn(Stereo& buf, double seconds);
void fadeOut(Stereo& buf, double seconds);
// Scales to the given peak (0..1) with a soft knee above `knee` so nothing clips.
void normalise(Stereo& buf, float peak);
float peak(const Stereo& buf);
// Mixes `src` into `dst` starting at frame `at`, scaled by `gain`.
void mixInto(Stereo& dst, const Stereo& src, std::size_t at, float gain = 1.0f);

// 16-bit interleaved samples with rounding and a hard clamp.
std::vector<std::int16_t> toPcm16(const Stereo& buf);

} // namespace synth
