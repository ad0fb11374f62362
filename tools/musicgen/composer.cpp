#include "composer.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

using synth::Drum;
using synth::Note;
using synth::Rng;
using synth::Voice;

namespace {

// Major, mixolydian, lydian, dorian, aeolian.
constexpr int kScales[5][7] = {{0, 2, 4, 5, 7, 9, 11}, {0, 2, 4, 5, 7, 9, 10}, {0, 2, 4, 6, 7, 9, 11},
                               {0, 2, 3, 5, 7, 9, 10}, {0, 2, 3, 5, 7, 8, 10}};
bool minorMode(int scale) { return scale >= 3; }

// Chord progressions as scale degrees (0 = tonic), one chord a bar.
const std::vector<std::vector<int>> kMajorProgressions = {
    {0, 4, 5, 3}, {0, 5, 3, 4}, {5, 3, 0, 4}, {0, 3, 1, 4}, {0, 2, 3, 4}, {3, 0, 4, 5}, {0, 3, 0, 4}, {1, 4, 0, 5}};
const std::vector<std::vector<int>> kMinorProgressions = {
    {0, 5, 2, 6}, {0, 3, 6, 2}, {0, 6, 5, 6}, {0, 3, 4, 0}, {5, 6, 0, 0}, {0, 2, 3, 5}, {0, 5, 3, 6}};

constexpr Voice kLeads[] = {Voice::EPiano, Voice::Marimba, Voice::Flute, Voice::Vibes, Voice::Bell, Voice::Pluck};
constexpr int kLeadCount = 6;
constexpr int kLevelGrooves = 5; // Waltz is the title piece's own

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// MIDI pitch of a scale degree (any integer, 7 = the octave) above `tonic`.
int pitchOf(const Style& s, int tonic, int degree)
{
    const int oct = floorDiv(degree, 7);
    return tonic + 12 * oct + kScales[s.scale][degree - 7 * oct];
}

// The pitch class `pc` placed in [low, low + 12).
int placeIn(int pc, int low) { return low + (((pc - low) % 12) + 12) % 12; }

Style titleStyle()
{
    Style s;
    s.key = 2; // D major: bright, open
    s.scale = 0;
    s.bpm = 84;
    s.beatsPerBar = 3;
    s.lead = Voice::Vibes;
    s.answer = Voice::Flute;
    s.compVoice = Voice::Pluck;
    s.comp = Comp::Broken;
    s.bass = Bass::Roots;
    s.groove = Groove::Waltz;
    s.reverb = 0.32f;
    s.seed = 0x7171E;
    return s;
}

Voice compVoiceFor(Comp c, Voice lead, Rng& r)
{
    static constexpr Voice arp[] = {Voice::Pluck, Voice::Marimba, Voice::EPiano};
    static constexpr Voice broken[] = {Voice::Vibes, Voice::Marimba, Voice::Pluck};
    Voice v = Voice::EPiano;
    switch (c) {
    case Comp::Pad: return Voice::Pad;
    case Comp::Arpeggio: v = arp[r.below(3)]; break;
    case Comp::Broken: v = broken[r.below(3)]; break;
    case Comp::Stabs:
    case Comp::Charleston: v = Voice::EPiano; break;
    }
    // The accompaniment should not wear the melody's colour.
    if (v == lead)
        v = (v == Voice::EPiano) ? Voice::Pluck : Voice::EPiano;
    return v;
}

} // namespace

Style styleFor(int piece)
{
    if (piece <= 0)
        return titleStyle();
    Style prev;
    int prevLead = -1, prevGroove = -1, prevComp = -1;
    for (int i = 1; i <= piece; ++i) {
        Rng r(0x5EED0000ull + std::uint64_t(i) * 7919ull);
        Style s;
        s.seed = r.next();
        static constexpr int keySteps[] = {5, 7, 2, 10, 3, 9};
        s.key = prevLead < 0 ? r.below(12) : (prev.key + keySteps[r.below(6)]) % 12;
        const int modeRoll = r.below(20);
        s.scale = modeRoll < 7 ? 0 : modeRoll < 10 ? 1 : modeRoll < 12 ? 2 : modeRoll < 16 ? 3 : 4;
        if (prevLead < 0) {
            s.bpm = r.range(82, 104);
        } else {
            const double delta = r.range(8, 20) * (r.chance(0.5) ? 1 : -1);
            s.bpm = prev.bpm + delta;
            if (s.bpm < 72 || s.bpm > 116)
                s.bpm = prev.bpm - delta;
        }
        const int lead = prevLead < 0 ? r.below(kLeadCount) : (prevLead + 1 + r.below(kLeadCount - 1)) % kLeadCount;
        const int groove = prevGroove < 0 ? r.below(kLevelGrooves) : (prevGroove + 1 + r.below(kLevelGrooves - 1)) % kLevelGrooves;
        const int comp = prevComp < 0 ? r.below(5) : (prevComp + 1 + r.below(4)) % 5;
        s.lead = kLeads[lead];
        s.groove = Groove(groove);
        s.comp = Comp(comp);
        s.compVoice = compVoiceFor(s.comp, s.lead, r);
        s.bass = Bass(r.below(4));
        s.swing = s.comp == Comp::Charleston || r.chance(0.15);
        s.reverb = float(r.range(0.18, 0.32));
        // The second theme in another colour: a call and its answer.
        s.answer = kLeads[(lead + 1 + r.below(kLeadCount - 1)) % kLeadCount];
        if (s.answer == s.compVoice)
            s.answer = kLeads[(lead + 3) % kLeadCount] == s.compVoice ? kLeads[(lead + 4) % kLeadCount]
                                                                      : kLeads[(lead + 3) % kLeadCount];
        prev = s;
        prevLead = lead;
        prevGroove = groove;
        prevComp = comp;
    }
    return prev;
}

namespace {

enum class Part { Intro, A, A2, B, Break, Outro };

struct Bar {
    Part part;
    int chord;     // scale degree of the chord's root
    int inSection; // 0-based bar number within its section
};

struct MelNote {
    double beat; // within the section
    double len;
    int degree;
    float accent;
};

// Rhythms of one bar as onsets in beats.
const std::vector<std::vector<double>> kRhythms4 = {{0, 1, 2, 3}, {0, 1, 2},       {0, 1.5, 3},      {0, 0.5, 1, 2, 3},
                                                    {0, 1, 1.5, 2}, {0.5, 1, 2, 3}, {0, 2, 2.5, 3}, {0, 1.5, 2, 2.5, 3},
                                                    {0, 2, 3},      {1, 1.5, 2, 3}};
const std::vector<std::vector<double>> kRhythms3 = {{0, 1, 2}, {0, 2}, {0, 1.5, 2}, {0, 0.5, 1, 2}, {0, 1}};

bool chordTone(int degree, int chord)
{
    const int d = ((degree - chord) % 7 + 7) % 7;
    return d == 0 || d == 2 || d == 4;
}

int nearestChordTone(int degree, int chord, int lean)
{
    if (chordTone(degree, chord))
        return degree;
    // Lean in the phrase's direction first.
    const int first = lean >= 0 ? degree + 1 : degree - 1;
    return chordTone(first, chord) ? first : (lean >= 0 ? degree - 1 : degree + 1);
}

// Free melody for one bar: mostly steps, chord tones on the strong beats.
void freeBar(Rng& r, std::vector<MelNote>& out, const std::vector<double>& onsets, double barStart, int beatsPerBar,
             int chord, int lean, int& degree)
{
    for (std::size_t k = 0; k < onsets.size(); ++k) {
        const double beat = onsets[k];
        const double next = k + 1 < onsets.size() ? onsets[k + 1] : beatsPerBar;
        int step = r.below(5) - 2;
        if (step == 0 && r.chance(0.6))
            step = lean;
        int d = degree + step;
        if (std::fmod(beat, 2.0) == 0.0)
            d = nearestChordTone(d, chord, lean);
        if (d > 8 || d < -1) // turn back toward the middle of the range
            d = nearestChordTone(degree - (d > 8 ? 2 : -2), chord, -lean);
        degree = d;
        out.push_back({barStart + beat, (next - beat) * 0.92, d, beat == 0 ? 1.0f : 0.82f});
    }
}

// An eight-bar melody over `chords` (one a bar): a two-bar idea, a bar that
// answers it, a half cadence, the idea again over the new chords, a bar that
// leads home and a long note on `home`.
std::vector<MelNote> makeMelody(Rng& r, const std::vector<int>& chords, int beatsPerBar, int home)
{
    const auto& rhythms = beatsPerBar == 3 ? kRhythms3 : kRhythms4;
    const auto& r1 = rhythms[r.below(int(rhythms.size()))];
    const auto& r2 = rhythms[r.below(int(rhythms.size()))];
    const auto& r3 = rhythms[r.below(int(rhythms.size()))];
    const auto chordAt = [&](int bar) { return chords[std::size_t(bar) % chords.size()]; };
    const double bpb = beatsPerBar;
    std::vector<MelNote> out;
    int degree = 2 + r.below(3);
    freeBar(r, out, r1, 0, beatsPerBar, chordAt(0), 1, degree);
    freeBar(r, out, r2, bpb, beatsPerBar, chordAt(1), 1, degree);
    const std::size_t ideaEnd = out.size();
    freeBar(r, out, r3, 2 * bpb, beatsPerBar, chordAt(2), -1, degree);
    freeBar(r, out, {0, 1}, 3 * bpb, beatsPerBar, chordAt(3), -1, degree);
    // The idea again, moved to fit the chord it now starts on.
    const int first = out.front().degree;
    const int shift = nearestChordTone(first, chordAt(4), 1) - first;
    for (std::size_t i = 0; i < ideaEnd; ++i) {
        MelNote n = out[i];
        n.beat += 4 * bpb;
        n.degree += shift;
        const int bar = int(n.beat / bpb);
        if (std::fmod(n.beat - bar * bpb, 2.0) == 0.0)
            n.degree = nearestChordTone(n.degree, chordAt(bar), 1);
        out.push_back(n);
    }
    degree = out.back().degree;
    freeBar(r, out, r3, 6 * bpb, beatsPerBar, chordAt(6), degree > home ? -1 : 1, degree);
    out.push_back({7 * bpb, bpb * 0.95, home, 1.0f});
    return out;
}

} // namespace

namespace {

struct Writer {
    Score& score;
    const Style& st;
    Rng& r;
    double beatSec;
    int tonic; // MIDI pitch of the tonic around middle C

    double swung(double beat) const
    {
        const double frac = beat - std::floor(beat);
        return st.swing && std::fabs(frac - 0.5) < 1e-9 ? std::floor(beat) + 0.64 : beat;
    }
    double time(double barStart, double beat) const { return (barStart + swung(beat)) * beatSec; }
    // A touch of human looseness so repeated bars are never machine-identical.
    double loose() { return r.range(-0.006, 0.006); }

    void note(double t, double beats, int midi, float gain, Voice v, float pan)
    {
        Note n;
        n.start = std::max(0.0, t + loose());
        n.length = beats * beatSec;
        n.midi = midi;
        n.gain = gain * float(r.range(0.9, 1.05));
        n.voice = v;
        n.pan = pan;
        score.notes.push_back(n);
    }
    void drum(double t, Drum d, float gain, float pan)
    {
        score.drums.push_back({std::max(0.0, t + loose()), d, gain * float(r.range(0.85, 1.05)), pan});
    }

    std::vector<int> voicing(int chord, bool seventh) const
    {
        std::vector<int> v;
        for (int k : {0, 2, 4})
            v.push_back(placeIn(pitchOf(st, tonic, chord + k), 55));
        if (seventh)
            v.push_back(placeIn(pitchOf(st, tonic, chord + 6), 55));
        std::sort(v.begin(), v.end());
        return v;
    }

    void comp(double barStart, int chord, bool lush)
    {
        const int bpb = st.beatsPerBar;
        const auto v = voicing(chord, st.swing || st.comp == Comp::Charleston);
        const Voice cv = st.compVoice;
        if (st.comp != Comp::Pad && lush)
            for (int p : v)
                note(time(barStart, 0), bpb, p, 0.035f, Voice::Pad, 0);
        switch (st.comp) {
        case Comp::Pad:
            for (std::size_t i = 0; i < v.size(); ++i)
                note(time(barStart, 0), bpb, v[i], 0.075f, Voice::Pad, 0);
            note(time(barStart, 0), 0.5, v.back() + 12, 0.05f, Voice::Pluck, 0.3f);
            break;
        case Comp::Arpeggio: {
            static constexpr int order[] = {0, 1, 2, 3, 2, 1, 0, 1};
            for (int e = 0; e < bpb * 2; ++e) {
                const int idx = order[e % 8];
                const int p = idx < int(v.size()) ? v[idx] : v[0] + 12;
                note(time(barStart, e * 0.5), 0.6, p + 12, 0.10f, cv, e % 2 ? 0.35f : -0.35f);
            }
            break;
        }
        case Comp::Stabs:
            for (int b = 0; b < bpb; ++b)
                for (int p : v)
                    note(time(barStart, b + 0.5), 0.3, p, 0.06f, cv, 0.2f);
            break;
        case Comp::Charleston:
            for (int p : v) {
                note(time(barStart, 0), 1.0, p, 0.07f, cv, -0.15f);
                note(time(barStart, 1.5), 0.5, p, 0.055f, cv, -0.15f);
            }
            break;
        case Comp::Broken: {
            if (bpb == 3) { // waltz: the chord on two and three
                for (int b = 1; b < 3; ++b)
                    for (int p : v)
                        note(time(barStart, b), 0.8, p + 12, 0.055f, cv, b == 1 ? -0.3f : 0.3f);
                break;
            }
            static constexpr int order[] = {0, 2, 1, 2};
            for (int b = 0; b < bpb; ++b)
                note(time(barStart, b), 0.9, v[order[b % 4]] + 12, 0.11f, cv, b % 2 ? 0.3f : -0.3f);
            break;
        }
        }
    }

    void bass(double barStart, int chord, int nextChord)
    {
        const int root = placeIn(pitchOf(st, tonic, chord), 36);
        const int fifth = placeIn(pitchOf(st, tonic, chord + 4), 36 + 5);
        const int third = placeIn(pitchOf(st, tonic, chord + 2), root);
        const float g = 0.30f;
        const Voice b = Voice::Bass;
        if (st.beatsPerBar == 3) {
            note(time(barStart, 0), 0.95, root, g, b, 0);
            return;
        }
        switch (st.bass) {
        case Bass::Roots:
            note(time(barStart, 0), 1.8, root, g, b, 0);
            note(time(barStart, 2), 1.8, root, g * 0.85f, b, 0);
            break;
        case Bass::RootFifth:
            note(time(barStart, 0), 1.8, root, g, b, 0);
            note(time(barStart, 2), 1.8, fifth, g * 0.85f, b, 0);
            break;
        case Bass::Syncopated:
            note(time(barStart, 0), 1.2, root, g, b, 0);
            note(time(barStart, 1.5), 0.4, root + 12, g * 0.6f, b, 0);
            note(time(barStart, 2), 0.9, root, g * 0.85f, b, 0);
            note(time(barStart, 3.5), 0.4, fifth, g * 0.7f, b, 0);
            break;
        case Bass::Walking: {
            const int next = placeIn(pitchOf(st, tonic, nextChord), 36);
            const int approach = next > root ? next - 1 : next + 1;
            const int line[] = {root, third, fifth, approach};
            for (int q = 0; q < 4; ++q)
                note(time(barStart, q), 0.85, line[q], q ? g * 0.8f : g, b, 0);
            break;
        }
        }
    }

    void drums(double barStart, bool lastOfSection, float level)
    {
        if (level <= 0)
            return;
        const auto d = [&](double beat, Drum dr, float g, float pan = 0) { drum(time(barStart, beat), dr, g * level, pan); };
        switch (st.groove) {
        case Groove::Calm:
            for (int e = 0; e < 8; ++e)
                d(e * 0.5, Drum::Shaker, e % 2 ? 0.05f : 0.07f, 0.3f);
            d(0, Drum::Kick, 0.2f);
            break;
        case Groove::SoftPop:
            d(0, Drum::Kick, 0.34f);
            d(2, Drum::Kick, 0.28f);
            d(1, Drum::Brush, 0.2f, -0.1f);
            d(3, Drum::Brush, 0.2f, -0.1f);
            for (int e = 0; e < 8; ++e)
                d(e * 0.5, Drum::Hat, e % 2 ? 0.08f : 0.055f, 0.35f);
            break;
        case Groove::Light:
            d(0, Drum::Kick, 0.32f);
            d(1.5, Drum::Kick, 0.18f);
            d(2, Drum::Kick, 0.28f);
            d(1, Drum::Rim, 0.12f, -0.2f);
            d(3, Drum::Rim, 0.12f, -0.2f);
            for (int e = 0; e < 8; ++e)
                d(e * 0.5, Drum::Hat, e % 2 ? 0.075f : 0.05f, 0.3f);
            for (int s = 0; s < 16; ++s)
                d(s * 0.25, Drum::Shaker, 0.025f, -0.4f);
            break;
        case Groove::Bossa:
            for (double b : {0.0, 1.5, 2.0, 3.5})
                d(b, Drum::Kick, b == 0 || b == 2 ? 0.26f : 0.15f);
            for (double b : {0.0, 1.5, 3.0})
                d(b, Drum::Rim, 0.1f, -0.25f);
            for (int e = 0; e < 8; ++e)
                d(e * 0.5, Drum::Shaker, e % 2 ? 0.06f : 0.04f, 0.3f);
            break;
        case Groove::HalfTime:
            d(0, Drum::Kick, 0.34f);
            d(2.5, Drum::Kick, 0.16f);
            d(2, Drum::Snare, 0.14f, -0.1f);
            for (int e = 0; e < 8; ++e)
                d(e * 0.5, Drum::Hat, e % 2 ? 0.07f : 0.05f, 0.35f);
            break;
        case Groove::Waltz:
            d(0, Drum::Kick, 0.16f);
            d(1, Drum::Shaker, 0.05f, 0.3f);
            d(2, Drum::Shaker, 0.05f, 0.3f);
            break;
        }
        // A soft brush pick-up leads into the next section.
        if (lastOfSection && st.beatsPerBar == 4 && st.groove != Groove::Calm) {
            d(3.0, Drum::Brush, 0.12f, 0.2f);
            d(3.5, Drum::Brush, 0.16f, 0.2f);
        }
    }

    void melody(double sectionStart, const std::vector<MelNote>& mel, Voice v, float gain, int octave, bool doubled)
    {
        const int melTonic = tonic + 12 * octave;
        for (const MelNote& m : mel) {
            const int p = pitchOf(st, melTonic, m.degree);
            note(time(sectionStart, m.beat), m.len, p, gain * m.accent, v, -0.1f);
            if (doubled)
                note(time(sectionStart, m.beat), m.len, p + 12, gain * 0.25f * m.accent, Voice::Bell, 0.3f);
        }
    }
};

float leadGain(Voice v)
{
    switch (v) {
    case Voice::Flute: return 0.20f;
    case Voice::Bell: return 0.16f;
    case Voice::Marimba: return 0.26f;
    case Voice::Pluck: return 0.22f;
    case Voice::Vibes: return 0.22f;
    default: return 0.20f;
    }
}

} // namespace

Score compose(int piece, double seconds)
{
    Score sc;
    sc.style = styleFor(piece);
    const Style& st = sc.style;
    Rng r(st.seed);
    const int bpb = st.beatsPerBar;
    const double beatSec = 60.0 / st.bpm;
    const double barSec = beatSec * bpb;
    const int tonic = placeIn(st.key, 55);
    Writer w{sc, st, r, beatSec, tonic};

    const auto& progs = minorMode(st.scale) ? kMinorProgressions : kMajorProgressions;
    std::vector<int> progA, progB;
    if (piece == 0) {
        progA = {0, 5, 3, 4};
        progB = {3, 4, 2, 5};
    } else {
        const int a = r.below(int(progs.size()));
        const int b = (a + 1 + r.below(int(progs.size()) - 1)) % int(progs.size());
        progA = progs[a];
        progB = progs[b];
    }
    const auto eight = [](const std::vector<int>& p) {
        std::vector<int> e;
        for (int i = 0; i < 8; ++i)
            e.push_back(p[std::size_t(i) % p.size()]);
        return e;
    };
    const std::vector<int> chordsA = eight(progA), chordsB = eight(progB);
    const std::vector<MelNote> melA = makeMelody(r, chordsA, bpb, 7);
    const std::vector<MelNote> melB = makeMelody(r, chordsB, bpb, 2 + 2 * r.below(2));

    // Form: a short intro, then A A B A, a quieter break, B A ... cut to
    // length at a four-bar boundary, then two bars of ending and a held chord.
    const int introBars = 4;
    const int endBars = 2;
    const double ring = 3.5;
    const int bodyBars = std::max(8, int(std::ceil((seconds - ring) / barSec)) - introBars - endBars);
    const int sections = (bodyBars + 3) / 4; // in half sections
    static constexpr Part form[] = {Part::A, Part::A2, Part::B, Part::A, Part::Break, Part::B, Part::A2, Part::B};
    std::vector<Bar> bars;
    for (int i = 0; i < introBars; ++i)
        bars.push_back({Part::Intro, chordsA[std::size_t(i)], i});
    for (int h = 0; h < sections; ++h) {
        const Part p = form[(h / 2) % 8];
        const auto& ch = (p == Part::B || p == Part::Break) ? chordsB : chordsA;
        for (int i = 0; i < 4; ++i)
            bars.push_back({p, ch[std::size_t((h % 2) * 4 + i)], (h % 2) * 4 + i});
    }
    // The ending: the dominant's pull, then home.
    bars.push_back({Part::Outro, 4, 0});
    bars.push_back({Part::Outro, 0, 1});

    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& b = bars[i];
        const double barStart = double(i) * bpb;
        const int next = i + 1 < bars.size() ? bars[i + 1].chord : 0;
        const bool brk = b.part == Part::Break;
        if (brk && st.comp != Comp::Pad) { // the break thins to a pad
            for (int p : w.voicing(b.chord, false))
                w.note(w.time(barStart, 0), bpb, p, 0.07f, Voice::Pad, 0);
        } else {
            w.comp(barStart, b.chord, b.part != Part::Intro);
        }
        if (!brk || b.inSection >= 4)
            w.bass(barStart, b.chord, next);
        float level = 1.0f;
        if (b.part == Part::Intro)
            level = b.inSection >= 2 ? 0.6f : 0.0f;
        if (brk)
            level = 0.0f;
        if (b.part == Part::Outro)
            level = b.inSection == 0 ? 0.8f : 0.0f;
        const bool sectionEnd = i + 1 < bars.size() && bars[i + 1].part != b.part && bars[i + 1].inSection == 0;
        w.drums(barStart, sectionEnd, level);
        if (b.inSection == 0 && b.part != Part::Intro && b.part != Part::Outro) {
            // Melodies are placed a whole section at a time; a half section
            // left at the end takes only its first four bars.
            const bool half = i + 8 > bars.size() - endBars;
            std::vector<MelNote> mel = (b.part == Part::B || b.part == Part::Break) ? melB : melA;
            if (half)
                mel.erase(std::remove_if(mel.begin(), mel.end(), [&](const MelNote& m) { return m.beat >= 4 * bpb; }), mel.end());
            Voice v = b.part == Part::B ? st.answer : st.lead;
            if (brk) // the break's quieter colour
                v = st.lead == Voice::Flute ? Voice::Vibes : Voice::Flute;
            w.melody(barStart, mel, v, leadGain(v) * (brk ? 0.8f : 1.0f), 1, b.part == Part::A2 || piece == 0);
        }
    }
    // Final chord, held while the piece fades.
    const double endBeat = double(bars.size()) * bpb;
    for (int p : w.voicing(0, false))
        w.note(w.time(endBeat, 0), 6.0, p, 0.07f, Voice::Pad, 0);
    w.note(w.time(endBeat, 0), 4.0, pitchOf(st, tonic + 12, 7), leadGain(st.lead) * 0.9f, st.lead, 0);
    w.note(w.time(endBeat, 0), 4.0, placeIn(st.key, 36), 0.28f, Voice::Bass, 0);
    // Over the last bar the melody holds the fifth that the final tonic resolves.
    w.note(w.time(endBeat - bpb, 0), bpb, pitchOf(st, tonic + 12, 4), leadGain(st.lead) * 0.7f, st.lead, 0);
    sc.seconds = std::max(seconds, endBeat * beatSec + ring);
    return sc;
}

} // namespace musicgen
