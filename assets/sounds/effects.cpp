#include "effects.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace soundfx {

using synth::Drum;
using synth::Note;
using synth::Stereo;
using synth::Voice;

namespace {

Note note(double start, double length, double midi, float gain, Voice v, float pan = 0, double glide = 0)
{
    Note n;
    n.start = start;
    n.length = length;
    n.midi = midi;
    n.gain = gain;
    n.voice = v;
    n.pan = pan;
    n.glide = glide;
    return n;
}

void add(Stereo& b, std::initializer_list<Note> notes)
{
    for (const Note& n : notes)
        synth::addNote(b, n);
}

// Shapes a buffer's loudness by a function of time (used for swells).
void shape(Stereo& b, const std::function<double(double)>& gainAt)
{
    for (std::size_t i = 0; i < b.frames(); ++i) {
        const float g = float(gainAt(double(i) / b.rate));
        b.l[i] *= g;
        b.r[i] *= g;
    }
}

// Every single-event sound: a little room, a fade to true silence, a level.
void finish(Stereo& b, float wet, double fade, float level)
{
    synth::reverb(b, wet);
    synth::fadeOut(b, fade);
    synth::normalise(b, level);
}

// Level start: a rising major arpeggio that opens into a soft chord.
void palyaKezd(Stereo& b)
{
    add(b, {note(0.00, 0.25, 67, 0.30f, Voice::Marimba, -0.3f), note(0.09, 0.25, 72, 0.30f, Voice::Marimba, -0.1f),
            note(0.18, 0.25, 76, 0.30f, Voice::Marimba, 0.1f), note(0.27, 0.6, 79, 0.32f, Voice::Vibes, 0.3f),
            note(0.30, 1.0, 60, 0.10f, Voice::Pad), note(0.30, 1.0, 64, 0.09f, Voice::Pad),
            note(0.30, 1.0, 67, 0.08f, Voice::Pad), note(0.36, 0.3, 84, 0.08f, Voice::Glass, 0.4f),
            note(0.30, 0.8, 48, 0.18f, Voice::Bass)});
    finish(b, 0.30f, 0.9, 0.70f);
}

// A difference found: a warm two-note mallet figure, easy on the ear.
void talalat(Stereo& b)
{
    add(b, {note(0.00, 0.20, 76, 0.32f, Voice::Marimba, -0.15f), note(0.075, 0.45, 81, 0.34f, Voice::Vibes, 0.15f),
            note(0.075, 0.30, 93, 0.05f, Voice::Glass, 0.35f), note(0.00, 0.5, 57, 0.10f, Voice::Marimba)});
    finish(b, 0.28f, 1.6, 0.55f);
}

// The last difference: a chord swells under a climbing arpeggio and breaks
// into a bright full chord in the second half.
void talalat2(Stereo& b)
{
    Stereo swell(b.frames(), b.rate);
    for (double m : {48.0, 55.0, 60.0, 64.0, 67.0, 72.0})
        synth::addNote(swell, note(0.0, 3.6, m, 0.09f, Voice::Pad));
    shape(swell, [](double t) { return t < 3.6 ? 0.15 + 0.85 * (t / 3.6) * (t / 3.6) : 1.0; });
    synth::mixInto(b, swell, 0);

    // The climb starts at once: the click that found the last difference
    // must be answered straight away.
    const double climb[] = {60, 64, 67, 72, 74, 76, 79, 84, 86, 88, 91};
    double t = 0.0;
    for (int i = 0; i < 11; ++i) {
        const float g = 0.10f + 0.022f * float(i);
        synth::addNote(b, note(t, 0.2, climb[i], g, Voice::Marimba, (i % 2 ? 0.35f : -0.35f)));
        t += 0.36 - 0.02 * i; // accelerating toward the arrival
    }
    const double arrive = 3.55;
    for (double m : {72.0, 76.0, 79.0, 84.0})
        synth::addNote(b, note(arrive, 1.2, m, 0.16f, Voice::Bell, float((m - 78) / 12)));
    add(b, {note(arrive, 1.5, 48, 0.34f, Voice::Bass), note(arrive, 1.6, 60, 0.12f, Voice::Pad),
            note(arrive, 1.6, 64, 0.12f, Voice::Pad), note(arrive, 1.6, 67, 0.12f, Voice::Pad),
            note(arrive + 0.05, 0.5, 96, 0.07f, Voice::Glass, 0.5f), note(arrive + 0.12, 0.5, 91, 0.06f, Voice::Glass, -0.5f)});
    synth::addDrum(b, arrive, Drum::Kick, 0.35f, 0, 11);
    synth::addDrum(b, arrive, Drum::Shaker, 0.2f, 0.3f, 12);
    finish(b, 0.32f, 1.3, 0.75f);
}

// Help spent: a sparkling run that climbs and settles.
void help(Stereo& b)
{
    const double run[] = {79, 81, 84, 86, 88, 91, 93, 96};
    for (int i = 0; i < 8; ++i)
        synth::addNote(b, note(0.045 * i, 0.15, run[i], 0.14f, Voice::Glass, -0.6f + 0.17f * float(i)));
    add(b, {note(0.0, 0.6, 72, 0.10f, Voice::Pad), note(0.0, 0.6, 76, 0.08f, Voice::Pad),
            note(0.36, 0.5, 84, 0.22f, Voice::Vibes)});
    finish(b, 0.35f, 0.7, 0.60f);
}

// A penalised miss: two low, falling, hollow notes — clear but not harsh.
void nemjo(Stereo& b)
{
    add(b, {note(0.00, 0.16, 52, 0.32f, Voice::Square, -0.1f, -0.6),
            note(0.21, 0.32, 48, 0.34f, Voice::Square, 0.1f, -1.2),
            note(0.00, 0.16, 40, 0.20f, Voice::Bass), note(0.21, 0.3, 36, 0.22f, Voice::Bass)});
    synth::lowpass(b, 2200);
    finish(b, 0.18f, 1.4, 0.60f);
}

// The last seconds: a quiet, even tick-tock, four a second.
void ketyeg(Stereo& b)
{
    for (int i = 0; i < 16; ++i)
        synth::addDrum(b, 0.004 + 0.25 * i, i % 2 ? Drum::WoodTock : Drum::WoodTick, 0.6f, i % 2 ? 0.15f : -0.15f,
                       100 + std::uint64_t(i));
    synth::reverb(b, 0.06f, 0.4f);
    synth::fadeOut(b, 0.03);
    synth::normalise(b, 0.28f);
}

// Pause and resume: a short blip falling or rising.
void blip(Stereo& b, double from, double to)
{
    add(b, {note(0.00, 0.07, from, 0.32f, Voice::EPiano, -0.1f), note(0.075, 0.10, to, 0.34f, Voice::EPiano, 0.1f)});
    finish(b, 0.12f, 0.16, 0.50f);
}

// The idle reminder: a barely-there double chime.
void helppos(Stereo& b)
{
    add(b, {note(0.00, 0.2, 88, 0.2f, Voice::Glass, -0.2f), note(0.16, 0.3, 84, 0.2f, Voice::Glass, 0.2f)});
    finish(b, 0.30f, 0.8, 0.12f);
}

// Time is up: a gentle falling phrase in minor that sighs at the end.
void palyaFail(Stereo& b)
{
    add(b, {note(0.00, 0.36, 67, 0.28f, Voice::Square, 0), note(0.42, 0.36, 66, 0.28f, Voice::Square, 0),
            note(0.84, 0.36, 65, 0.28f, Voice::Square, 0), note(1.26, 1.1, 64, 0.30f, Voice::Square, 0, -1.0),
            note(0.0, 2.0, 45, 0.12f, Voice::Pad), note(0.0, 2.0, 52, 0.10f, Voice::Pad), note(0.0, 2.0, 57, 0.10f, Voice::Pad),
            note(1.26, 1.0, 33, 0.25f, Voice::Bass)});
    synth::lowpass(b, 2600);
    finish(b, 0.25f, 1.2, 0.62f);
}

// Level completed: a small fanfare landing on a bright major chord.
void palyaOk(Stereo& b)
{
    add(b, {note(0.00, 0.11, 72, 0.28f, Voice::Bell, -0.2f), note(0.13, 0.11, 76, 0.28f, Voice::Bell, 0.0f),
            note(0.26, 0.11, 79, 0.28f, Voice::Bell, 0.2f)});
    const double hit = 0.42;
    for (double m : {72.0, 76.0, 79.0, 84.0})
        synth::addNote(b, note(hit, 1.4, m, 0.13f, Voice::EPiano, float((m - 78) / 14)));
    add(b, {note(hit, 1.8, 60, 0.12f, Voice::Pad), note(hit, 1.8, 67, 0.10f, Voice::Pad), note(hit, 1.6, 36, 0.32f, Voice::Bass),
            note(hit, 0.9, 88, 0.16f, Voice::Vibes, 0.3f), note(hit + 0.3, 0.9, 91, 0.12f, Voice::Vibes, -0.3f),
            note(hit + 0.6, 1.0, 96, 0.06f, Voice::Glass, 0.4f)});
    synth::addDrum(b, hit, Drum::Kick, 0.35f, 0, 21);
    synth::addDrum(b, hit, Drum::Clap, 0.18f, 0, 22);
    finish(b, 0.30f, 1.4, 0.72f);
}

// The game completed: eight bars at 128 beats a minute that repeat seamlessly.
void endgame(Stereo& b)
{
    const double beat = 60.0 / 128.0;
    const std::size_t period = b.frames();
    Stereo long_(period + std::size_t(3.0 * b.rate), b.rate);

    const double roots[] = {48, 45, 41, 43}; // C Am F G
    const double thirds[] = {4, 3, 4, 4};
    for (int bar = 0; bar < 8; ++bar) {
        const double t0 = bar * 4 * beat;
        const double root = roots[bar % 4];
        for (int q = 0; q < 4; ++q) {
            const double t = t0 + q * beat;
            synth::addDrum(long_, t, q % 2 ? Drum::Clap : Drum::Kick, q % 2 ? 0.22f : 0.42f, 0, std::uint64_t(bar * 8 + q));
            synth::addDrum(long_, t + beat / 2, Drum::Hat, 0.16f, 0.3f, std::uint64_t(500 + bar * 8 + q));
            synth::addDrum(long_, t, Drum::Shaker, 0.07f, -0.3f, std::uint64_t(900 + bar * 8 + q));
            // Bass: root on the beat, octave on the off-beat.
            synth::addNote(long_, note(t, beat * 0.45, root, 0.30f, Voice::Bass));
            synth::addNote(long_, note(t + beat / 2, beat * 0.3, root + 12, 0.16f, Voice::Bass));
            // Chord stabs on the off-beats.
            for (double iv : {12.0, 12.0 + thirds[bar % 4], 19.0})
                synth::addNote(long_, note(t + beat / 2, beat * 0.35, root + iv + 12, 0.055f, Voice::EPiano, 0.25f));
        }
        for (double iv : {0.0, thirds[bar % 4], 7.0})
            synth::addNote(long_, note(t0, 4 * beat * 0.95, root + 24 + iv, 0.035f, Voice::Pad));
    }
    struct M { double beat, len, midi; };
    const M melody[] = {{0, 1, 76},    {1, .5, 79},   {1.5, .5, 81}, {2, 1, 79},    {3, 1, 76},    {4, .5, 72},
                        {4.5, .5, 74}, {5, 1, 76},    {6, 1.5, 81},  {7.5, .5, 79}, {8, 1, 77},    {9, .5, 76},
                        {9.5, .5, 77}, {10, 1, 81},   {11, 1, 84},   {12, 1.5, 83}, {13.5, .5, 81}, {14, 2, 79},
                        {16, 1, 76},   {17, .5, 79},  {17.5, .5, 81}, {18, 1, 84},  {19, 1, 83},   {20, 1, 81},
                        {21, .5, 79},  {21.5, .5, 76}, {22, 2, 81},  {24, .5, 77},  {24.5, .5, 79}, {25, 1, 81},
                        {26, 1, 84},   {27, 1, 81},   {28, 1, 79},   {29, 1, 83},   {30, 1, 86},   {31, 1, 84}};
    for (const M& m : melody) {
        synth::addNote(long_, note(m.beat * beat, m.len * beat * 0.9, m.midi, 0.20f, Voice::Bell, -0.15f));
        synth::addNote(long_, note(m.beat * beat, m.len * beat * 0.8, m.midi - 12, 0.10f, Voice::Marimba, 0.2f));
    }
    synth::reverb(long_, 0.22f);
    // Fold the tails that ran past the end back onto the start: the loop is
    // then one continuous signal and its seam cannot click.
    for (std::size_t i = 0; i < long_.frames(); ++i) {
        b.l[i % period] += long_.l[i];
        b.r[i % period] += long_.r[i];
    }
    synth::normalise(b, 0.70f);
}

} // namespace

const std::vector<EffectInfo>& effectTable()
{
    static const std::vector<EffectInfo> table = {
        {"palya_kezd", 2.500}, {"talalat", 3.429}, {"talalat2", 6.000},  {"help", 1.750},
        {"nemjo", 2.250},      {"ketyeg", 4.000},  {"pause", 0.375},     {"pause_vege", 0.375},
        {"helppos", 1.500},    {"palya_fail", 3.375}, {"palya_ok", 4.000}, {"endgame", 15.000},
    };
    return table;
}

std::size_t framesFor(double seconds) { return std::size_t(std::llround(seconds * kRate)); }

Stereo renderEffect(const std::string& name)
{
    static const std::map<std::string, std::function<void(Stereo&)>> recipes = {
        {"palya_kezd", palyaKezd},
        {"talalat", talalat},
        {"talalat2", talalat2},
        {"help", help},
        {"nemjo", nemjo},
        {"ketyeg", ketyeg},
        {"pause", [](Stereo& b) { blip(b, 79, 72); }},
        {"pause_vege", [](Stereo& b) { blip(b, 72, 79); }},
        {"helppos", helppos},
        {"palya_fail", palyaFail},
        {"palya_ok", palyaOk},
        {"endgame", endgame},
    };
    for (const EffectInfo& e : effectTable()) {
        if (name == e.name) {
            Stereo b(framesFor(e.seconds), kRate);
            recipes.at(name)(b);
            return b;
        }
    }
    return Stereo(0, kRate);
}

} // namespace soundfx
