#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace synth {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kTableBits = 12;
constexpr int kTableSize = 1 << kTableBits;

const std::array<float, kTableSize + 1>& sineTable()
{
    static const auto table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i)
            t[i] = float(std::sin(kTwoPi * i / kTableSize));
        return t;
    }();
    return table;
}

// Equal-power pan gains.
void panGains(float pan, float& gl, float& gr)
{
    const double a = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * 0.25 * 3.141592653589793;
    gl = float(std::cos(a));
    gr = float(std::sin(a));
}

// Per-sample multiplier for an exponential decay with time constant `tau`.
double decayFactor(double tau, int rate) { return tau > 0 ? std::exp(-1.0 / (tau * rate)) : 0.0; }

struct Shape {
    double attack;    // seconds, linear rise
    double decayTau;  // seconds, from 1 toward sustain
    double sustain;   // level held while the key is down
    double releaseTau;
};

Shape shapeOf(Voice v, double freq)
{
    // Low notes ring longer on struck instruments, as on real ones.
    const double lowBoost = std::clamp(std::sqrt(440.0 / freq), 0.6, 2.0);
    switch (v) {
    case Voice::Bell: return {0.002, 0.9 * lowBoost, 0.0, 0.35};
    case Voice::EPiano: return {0.003, 0.9 * lowBoost, 0.08, 0.15};
    case Voice::Marimba: return {0.001, 0.28 * lowBoost, 0.0, 0.08};
    case Voice::Flute: return {0.07, 0.6, 0.75, 0.12};
    case Voice::Pluck: return {0.002, 0.45 * lowBoost, 0.0, 0.09};
    case Voice::Pad: return {0.6, 2.0, 0.85, 0.4};
    case Voice::Bass: return {0.006, 0.5, 0.45, 0.07};
    case Voice::Vibes: return {0.002, 1.4 * lowBoost, 0.0, 0.3};
    case Voice::Glass: return {0.002, 0.35, 0.0, 0.12};
    case Voice::Square: return {0.008, 0.3, 0.55, 0.09};
    }
    return {0.01, 0.5, 0.0, 0.1};
}

} // namespace

std::uint64_t Rng::next()
{
    // splitmix64
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

int Rng::below(int n) { return n <= 1 ? 0 : int(next() % std::uint64_t(n)); }

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

float sine(double cycles)
{
    const auto& t = sineTable();
    double x = (cycles - std::floor(cycles)) * kTableSize;
    const int i = int(x);
    const float f = float(x - i);
    return t[i] + (t[i + 1] - t[i]) * f;
}

double releaseTail(Voice v)
{
    const Shape s = shapeOf(v, 220.0);
    // Struck voices die on their own; held ones fade with the release.
    const double decayEnd = s.sustain == 0.0 ? s.decayTau * 7.0 : 0.0;
    return std::max(s.releaseTau * 7.0, decayEnd);
}

namespace {

// Phases are 32-bit fixed-point fractions of a cycle: cheap to advance and
// they wrap by themselves.
using Phase = std::uint32_t;
constexpr double kPhaseScale = 4294967296.0;

inline float sineAt(Phase p)
{
    const auto& t = sineTable();
    const std::uint32_t i = p >> (32 - kTableBits);
    const float f = float(p & ((1u << (32 - kTableBits)) - 1)) * (1.0f / float(1u << (32 - kTableBits)));
    return t[i] + (t[i + 1] - t[i]) * f;
}

// A phase offset of `cycles` (may be negative) for frequency modulation.
inline Phase offset(double cycles) { return Phase(std::int64_t(cycles * kPhaseScale)); }

} // namespace

namespace {

// Everything a note's loop needs besides its oscillators.
struct NoteRun {
    std::size_t begin, end, held, attack;
    Shape shape;
    double decayK, releaseK, fastK, glideStep, f0, toInc, floor;
    float gain, gl, gr;
};

// The envelope loop, specialised per voice: `osc(inc, fast, k, l, r)` makes
// one sample of the voice's oscillators at phase increment `inc`.
template <typename Osc>
void runNote(Stereo& out, const NoteRun& run, Osc&& osc)
{
    const Shape& s = run.shape;
    double freq = run.f0;
    double decay = 1.0;   // 1 -> 0 after the attack
    double release = 1.0; // 1 until the key is let go
    double fast = 1.0;    // fast-dying partials and FM index
    const double invAttack = 1.0 / double(run.attack);
    for (std::size_t i = run.begin; i < run.end; ++i) {
        const std::size_t k = i - run.begin;
        double env = k < run.attack ? double(k) * invAttack : 1.0;
        env *= s.sustain + (1.0 - s.sustain) * decay;
        if (k >= run.held) {
            env *= release;
            release *= run.releaseK;
        }
        if (k >= run.attack) {
            decay *= run.decayK;
            if (env < run.floor) // far below hearing: the note is over
                break;
        }
        float l, r;
        osc(freq * run.toInc, fast, k, l, r);
        fast *= run.fastK;
        if (k < run.held)
            freq *= run.glideStep;
        const float e = float(env) * run.gain;
        out.l[i] += e * run.gl * l;
        out.r[i] += e * run.gr * r;
    }
}

} // namespace

void addNote(Stereo& out, const Note& n)
{
    const int rate = out.rate;
    NoteRun run;
    run.f0 = midiToHz(n.midi);
    run.shape = shapeOf(n.voice, run.f0);
    run.begin = std::size_t(std::max(0.0, n.start) * rate);
    run.held = std::size_t(std::max(0.0, n.length) * rate);
    run.end = std::min(out.frames(), run.begin + run.held + std::size_t(releaseTail(n.voice) * rate));
    if (run.begin >= run.end || n.gain <= 0)
        return;
    panGains(n.pan, run.gl, run.gr);
    run.attack = std::max<std::size_t>(1, std::size_t(run.shape.attack * rate));
    run.decayK = decayFactor(run.shape.decayTau, rate);
    run.releaseK = decayFactor(run.shape.releaseTau, rate);
    run.glideStep = (n.glide != 0.0 && run.held > 0) ? std::pow(2.0, n.glide / 12.0 / double(run.held)) : 1.0;
    run.fastK = decayFactor(n.voice == Voice::Pluck ? 0.07 : 0.12, rate);
    run.toInc = kPhaseScale / rate;
    run.floor = 3e-5 / n.gain; // about -90 dB of full scale
    run.gain = n.gain;
    const double inv = 1.0 / rate;
    constexpr double kInvTwoPi = 1.0 / kTwoPi;
    Phase p1 = 0, p2 = 0, p3 = 0, p4 = 0;

    switch (n.voice) {
    case Voice::Bell:
        runNote(out, run, [&](double inc, double fast, std::size_t, float& l, float& r) {
            l = r = sineAt(p1 + offset((2.2 * fast + 0.35) * sineAt(p2) * kInvTwoPi)) * 0.8f + 0.2f * float(fast) * sineAt(p3);
            p1 += Phase(inc);
            p2 += Phase(inc * 3.5);
            p3 += Phase(inc * 2.76);
        });
        break;
    case Voice::EPiano:
        runNote(out, run, [&](double inc, double fast, std::size_t, float& l, float& r) {
            l = r = sineAt(p1 + offset((1.3 * fast + 0.25) * sineAt(p2) * kInvTwoPi)) + 0.12f * float(fast * fast) * sineAt(p3);
            p1 += Phase(inc);
            p2 += Phase(inc);
            p3 += Phase(inc * 14.0);
        });
        break;
    case Voice::Marimba:
        runNote(out, run, [&](double inc, double fast, std::size_t, float& l, float& r) {
            const double f2 = fast * fast, f4 = f2 * f2;
            l = r = sineAt(p1) + 0.35f * float(f2) * sineAt(p2) + 0.1f * float(f4 * f4) * sineAt(p3);
            p1 += Phase(inc);
            p2 += Phase(inc * 3.93);
            p3 += Phase(inc * 9.8);
        });
        break;
    case Voice::Flute:
        runNote(out, run, [&](double inc, double, std::size_t k, float& l, float& r) {
            // A slow vibrato that grows in after a quarter of a second.
            const double t = double(k) * inv;
            const double vib = t > 0.25 ? 0.0025 * std::min(1.0, (t - 0.25) * 2.0) * sineAt(offset(t * 5.1)) : 0.0;
            const double vinc = inc * (1.0 + vib);
            l = r = sineAt(p1) + 0.18f * sineAt(p2) + 0.05f * sineAt(p3);
            p1 += Phase(vinc);
            p2 += Phase(vinc * 2.0);
            p3 += Phase(vinc * 3.0);
        });
        break;
    case Voice::Pluck:
        runNote(out, run, [&](double inc, double fast, std::size_t, float& l, float& r) {
            l = r = sineAt(p1 + offset((2.4 * fast + 0.15) * sineAt(p2) * kInvTwoPi));
            p1 += Phase(inc);
            p2 += Phase(inc);
        });
        break;
    case Voice::Pad:
        runNote(out, run, [&](double inc, double, std::size_t, float& l, float& r) {
            const float a = sineAt(p1), b = sineAt(p2), c = sineAt(p3), d = sineAt(p4);
            // The detuned copies lean to opposite sides for width.
            l = 0.5f * a + 0.42f * b + 0.22f * c + 0.16f * d;
            r = 0.5f * a + 0.22f * b + 0.42f * c + 0.16f * d;
            p1 += Phase(inc);
            p2 += Phase(inc * 1.0041);
            p3 += Phase(inc * 0.9962);
            p4 += Phase(inc * 2.0023);
        });
        break;
    case Voice::Bass:
        runNote(out, run, [&](double inc, double fast, std::size_t, float& l, float& r) {
            l = r = sineAt(p1 + offset((0.9 * fast + 0.1) * sineAt(p2) * kInvTwoPi)) + 0.18f * sineAt(p3);
            p1 += Phase(inc);
            p2 += Phase(inc);
            p3 += Phase(inc * 2.0);
        });
        break;
    case Voice::Vibes:
        runNote(out, run, [&](double inc, double fast, std::size_t k, float& l, float& r) {
            const float tremolo = float(1.0 - 0.22 * (0.5 + 0.5 * sineAt(offset(double(k) * inv * 5.5))));
            l = r = (sineAt(p1) + 0.25f * float(fast) * sineAt(p2)) * tremolo;
            p1 += Phase(inc);
            p2 += Phase(inc * 4.0);
        });
        break;
    case Voice::Glass:
        runNote(out, run, [&](double inc, double fast, std::size_t, float& l, float& r) {
            l = r = sineAt(p1) + 0.3f * sineAt(p2) + 0.12f * float(fast) * sineAt(p3);
            p1 += Phase(inc);
            p2 += Phase(inc * 1.5);
            p3 += Phase(inc * 3.0);
        });
        break;
    case Voice::Square:
        runNote(out, run, [&](double inc, double, std::size_t, float& l, float& r) {
            l = r = sineAt(p1) + 0.3f * sineAt(p2) + 0.16f * sineAt(p3) + 0.08f * sineAt(p4);
            p1 += Phase(inc);
            p2 += Phase(inc * 3.0);
            p3 += Phase(inc * 5.0);
            p4 += Phase(inc * 7.0);
        });
        break;
    }
}

void addDrum(Stereo& out, double start, Drum d, float gain, float pan, std::uint64_t seed)
{
    const int rate = out.rate;
    const std::size_t begin = std::size_t(std::max(0.0, start) * rate);
    const double lengths[] = {0.6, 0.35, 0.3, 0.12, 0.15, 0.08, 0.09, 0.09, 0.3};
    const std::size_t end = std::min(out.frames(), begin + std::size_t(lengths[int(d)] * rate));
    if (begin >= end)
        return;
    float gl, gr;
    panGains(pan, gl, gr);
    Rng rng(seed);
    const double inv = 1.0 / rate;
    const double toInc = kPhaseScale / rate;
    Phase p1 = 0, p2 = 0;
    // State-variable filter for the noise of snares, brushes and claps.
    double low = 0, band = 0, prevNoise = 0, hp = 0;
    const double bandHz = d == Drum::Snare ? 2200 : d == Drum::Clap ? 1300 : d == Drum::Brush ? 3500 : 2000;
    const double fcoef = 2.0 * std::sin(3.141592653589793 * bandHz / rate);
    const double hpCoef = std::exp(-kTwoPi * (d == Drum::Hat ? 7000.0 : 4500.0) / rate);
    // Decays as per-sample factors: a (body), b (second part), c (click).
    double a = 1, b = 1, c = 1;
    double ka = 1, kb = 1, kc = 1;
    double sweep = 1, ksweep = 1;
    switch (d) {
    case Drum::Kick: ka = decayFactor(0.22, rate); kc = decayFactor(0.003, rate); ksweep = decayFactor(0.035, rate); break;
    case Drum::Snare: ka = decayFactor(0.11, rate); kb = decayFactor(0.045, rate); break;
    case Drum::Brush: ka = decayFactor(0.08, rate); break;
    case Drum::Hat: ka = decayFactor(0.028, rate); break;
    case Drum::Shaker: ka = decayFactor(0.035, rate); break;
    case Drum::Rim: ka = decayFactor(0.012, rate); kc = decayFactor(0.004, rate); break;
    case Drum::WoodTick:
    case Drum::WoodTock: ka = decayFactor(0.011, rate); kc = decayFactor(0.003, rate); break;
    case Drum::Clap: ka = decayFactor(0.004, rate); kb = decayFactor(0.07, rate); break;
    }
    const double tone = d == Drum::Rim ? 1750.0 : d == Drum::WoodTick ? 2300.0 : d == Drum::WoodTock ? 1750.0 : 185.0;

    for (std::size_t i = begin; i < end; ++i) {
        const double t = double(i - begin) * inv;
        const double noise = rng.noise();
        low += fcoef * band;
        const double high = noise - low - 0.7 * band;
        band += fcoef * high;
        hp = hpCoef * (hp + noise - prevNoise);
        prevNoise = noise;
        double v = 0;
        switch (d) {
        case Drum::Kick:
            p1 += Phase((48.0 + 95.0 * sweep) * toInc);
            sweep *= ksweep;
            v = sineAt(p1) * a * std::min(1.0, t / 0.002) + 0.15 * noise * c;
            break;
        case Drum::Snare:
            p1 += Phase(tone * toInc);
            v = 0.7 * band * a + 0.45 * sineAt(p1) * b;
            break;
        case Drum::Brush:
            v = 0.8 * band * std::min(1.0, t / 0.012) * a;
            break;
        case Drum::Hat:
            v = 0.9 * hp * a;
            break;
        case Drum::Shaker:
            v = 0.8 * hp * std::min(1.0, t / 0.01) * a;
            break;
        case Drum::Rim:
            p1 += Phase(tone * toInc);
            p2 += Phase(820.0 * toInc);
            v = (0.6 * sineAt(p1) + 0.5 * sineAt(p2)) * a + 0.2 * band * c;
            break;
        case Drum::WoodTick:
        case Drum::WoodTock:
            p1 += Phase(tone * toInc);
            p2 += Phase(tone * 0.57 * toInc);
            v = (0.6 * sineAt(p1) + 0.4 * sineAt(p2)) * a * std::min(1.0, t / 0.0008) + 0.15 * band * c;
            break;
        case Drum::Clap: {
            // Three quick slaps, then the room's short tail.
            if (t < 0.033) {
                if (std::fmod(t, 0.011) < inv)
                    a = 1;
                v = 0.9 * band * a;
            } else {
                v = 0.9 * band * b * 1.6; // 1.6 = e^(0.033/0.07): the tail starts at full level
            }
            break;
        }
        }
        a *= ka;
        b *= kb;
        c *= kc;
        out.l[i] += float(v) * gain * gl;
        out.r[i] += float(v) * gain * gr;
    }
}

namespace {

struct Comb {
    std::vector<float> buf;
    std::size_t pos = 0;
    float store = 0;
    float process(float in, float feedback, float damp)
    {
        const float out = buf[pos];
        store = out * (1 - damp) + store * damp;
        buf[pos] = in + store * feedback;
        if (++pos == buf.size())
            pos = 0;
        return out;
    }
};

struct Allpass {
    std::vector<float> buf;
    std::size_t pos = 0;
    float process(float in)
    {
        const float b = buf[pos];
        const float out = b - in;
        buf[pos] = in + b * 0.5f;
        if (++pos == buf.size())
            pos = 0;
        return out;
    }
};

} // namespace

void reverb(Stereo& buf, float wet, float roomSize, float damping)
{
    // Freeverb's tunings, four combs and two all-passes a side, scaled to the rate.
    const int combs[] = {1116, 1277, 1422, 1557};
    const int passes[] = {556, 441};
    const double scale = buf.rate / 44100.0;
    Comb cl[4], cr[4];
    Allpass al[2], ar[2];
    for (int i = 0; i < 4; ++i) {
        cl[i].buf.assign(std::size_t(combs[i] * scale), 0.0f);
        cr[i].buf.assign(std::size_t((combs[i] + 23) * scale), 0.0f);
    }
    for (int i = 0; i < 2; ++i) {
        al[i].buf.assign(std::size_t(passes[i] * scale), 0.0f);
        ar[i].buf.assign(std::size_t((passes[i] + 23) * scale), 0.0f);
    }
    const float feedback = roomSize * 0.28f + 0.7f;
    const float damp = damping * 0.4f;
    for (std::size_t i = 0; i < buf.frames(); ++i) {
        const float in = (buf.l[i] + buf.r[i]) * 0.03f;
        float l = 0, r = 0;
        for (int c = 0; c < 4; ++c) {
            l += cl[c].process(in, feedback, damp);
            r += cr[c].process(in, feedback, damp);
        }
        for (int a = 0; a < 2; ++a) {
            l = al[a].process(l);
            r = ar[a].process(r);
        }
        buf.l[i] += wet * l;
        buf.r[i] += wet * r;
    }
}

void lowpass(Stereo& buf, double cutoffHz)
{
    const float a = float(1.0 - std::exp(-kTwoPi * cutoffHz / buf.rate));
    float zl = 0, zr = 0;
    for (std::size_t i = 0; i < buf.frames(); ++i) {
        zl += a * (buf.l[i] - zl);
        zr += a * (buf.r[i] - zr);
        buf.l[i] = zl;
        buf.r[i] = zr;
    }
}

void fadeIn(Stereo& buf, double seconds)
{
    const std::size_t n = std::min(buf.frames(), std::size_t(seconds * buf.rate));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = float(i) / float(n);
        buf.l[i] *= g;
        buf.r[i] *= g;
    }
}

void fadeOut(Stereo& buf, double seconds)
{
    const std::size_t total = buf.frames();
    const std::size_t n = std::min(total, std::size_t(seconds * buf.rate));
    for (std::size_t i = 0; i < n; ++i) {
        // Squared ramp: sounds even to the ear and lands softly on zero.
        const float x = float(i) / float(n);
        const float g = x * x;
        buf.l[total - 1 - i] *= g;
        buf.r[total - 1 - i] *= g;
    }
}

float peak(const Stereo& buf)
{
    float p = 0;
    for (std::size_t i = 0; i < buf.frames(); ++i)
        p = std::max({p, std::fabs(buf.l[i]), std::fabs(buf.r[i])});
    return p;
}

void normalise(Stereo& buf, float target)
{
    const float p = peak(buf);
    if (p <= 0)
        return;
    const float g = target / p;
    for (std::size_t i = 0; i < buf.frames(); ++i) {
        buf.l[i] *= g;
        buf.r[i] *= g;
    }
}

void mixInto(Stereo& dst, const Stereo& src, std::size_t at, float gain)
{
    for (std::size_t i = 0; i < src.frames() && at + i < dst.frames(); ++i) {
        dst.l[at + i] += src.l[i] * gain;
        dst.r[at + i] += src.r[i] * gain;
    }
}

std::vector<std::int16_t> toPcm16(const Stereo& buf)
{
    std::vector<std::int16_t> pcm(buf.frames() * 2);
    auto conv = [](float x) {
        const long v = std::lround(double(x) * 32767.0);
        return std::int16_t(std::clamp(v, -32767L, 32767L));
    };
    for (std::size_t i = 0; i < buf.frames(); ++i) {
        pcm[2 * i] = conv(buf.l[i]);
        pcm[2 * i + 1] = conv(buf.r[i]);
    }
    return pcm;
}

} // namespace synth
