#include "recipes.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace quenza::sounds {

namespace {

// Timbres. Each returns a voice at `hz`; callers adjust edges and gain.

Voice bell(double hz, double ring) {
    Voice v;
    v.frequency = pitch(hz);
    // Inharmonic ratios of a small struck bell; the higher ones die first.
    v.partials = {{1.0, 1.0, ring},
                  {2.0, 0.55, ring * 0.6},
                  {2.76, 0.35, ring * 0.45},
                  {5.4, 0.18, ring * 0.25},
                  {8.93, 0.08, ring * 0.15}};
    v.attack = 0.002;
    v.release = 0.04;
    return v;
}

Voice brass(double hz, double vibrato = 0.0) {
    Voice v;
    v.frequency = pitch(hz, vibrato, 5.5, 0.25);
    v.partials = {{1.0, 1.0}, {2.0, 0.55}, {3.0, 0.35}, {4.0, 0.2}, {5.0, 0.12}, {6.0, 0.06}};
    v.attack = 0.025;
    v.release = 0.06;
    return v;
}

Voice pluck(double hz, double decay) {
    Voice v;
    v.frequency = pitch(hz);
    v.partials = {{1.0, 1.0, decay},
                  {2.0, 0.45, decay * 0.6},
                  {3.0, 0.22, decay * 0.4},
                  {4.0, 0.1, decay * 0.3}};
    v.attack = 0.004;
    v.release = 0.04;
    return v;
}

Voice marimba(double hz, double decay) {
    Voice v;
    v.frequency = pitch(hz);
    // A tuned bar: the fundamental, a quick fourth partial and a whisper of the tenth.
    v.partials = {{1.0, 1.0, decay}, {4.0, 0.3, decay * 0.25}, {9.9, 0.06, decay * 0.1}};
    v.attack = 0.003;
    v.release = 0.05;
    return v;
}

Voice pad(double hz) {
    Voice v;
    v.frequency = pitch(hz);
    v.partials = {{1.0, 1.0}, {2.0, 0.18}, {3.0, 0.06}};
    return v;
}

Voice reed(std::function<double(double)> frequency) {
    Voice v;
    v.frequency = std::move(frequency);
    // Mostly odd harmonics: a soft, hollow square.
    v.partials = {{1.0, 1.0}, {2.0, 0.15}, {3.0, 0.33}, {5.0, 0.14}, {7.0, 0.05}};
    v.attack = 0.015;
    v.release = 0.08;
    return v;
}

// A bright bell strike on E6 with a softer octave below to give it body.
Signal ding() {
    Signal s;
    addVoice(s, 0.0, 0.4, bell(midiHz(88), 0.16));
    Voice body = bell(midiHz(76), 0.12);
    body.gain = 0.35;
    addVoice(s, 0.0, 0.4, body);
    return s;
}

// Two rises and falls of a wailing tone between 450 and 950 Hz.
Signal sirena() {
    Signal s;
    Voice v;
    v.frequency = [](double t) {
        return 700.0 - 250.0 * std::cos(2.0 * std::numbers::pi * t / 0.72);
    };
    v.partials = {{1.0, 1.0}, {2.0, 0.3}, {3.0, 0.12}};
    v.attack = 0.06;
    v.release = 0.18;
    addVoice(s, 0.0, 1.5, v);
    return s;
}

// "Lost": a hollow tone that steps down a fourth and sags a little further.
Signal sinComodin() {
    Signal s;
    addVoice(s, 0.0, 0.3, reed(pitch(midiHz(67))));
    constexpr double kLength = 0.42;
    addVoice(s, 0.28, kLength, reed([=](double t) {
                 const double semitonesDown = 1.2 * t / kLength;
                 const double wobble = 1.0 + 0.012 * std::sin(2.0 * std::numbers::pi * 6.0 * t);
                 return midiHz(62 - semitonesDown) * wobble;
             }));
    return s;
}

// A rising C major arpeggio on brass that lands on a held chord.
Signal excellent() {
    Signal s;
    const double notes[] = {60, 64, 67};
    for (int i = 0; i < 3; ++i) {
        addVoice(s, 0.12 * i, 0.24, brass(midiHz(notes[i] + 12)));
    }
    const double held = 0.36;
    const double length = 1.5 - held;
    for (const double note : {60.0, 64.0, 67.0}) {
        Voice v = brass(midiHz(note + 12), 0.004);
        v.gain = 0.3;
        v.release = 0.4;
        addVoice(s, held, length, v);
    }
    Voice top = brass(midiHz(84), 0.006);
    top.gain = 0.8;
    top.release = 0.45;
    addVoice(s, held, length, top);
    return s;
}

// A slow, soft Fmaj9 swell with gently detuned pairs.
Signal limbo() {
    Signal s;
    for (const double note : {53.0, 60.0, 64.0, 65.0, 69.0, 72.0, 79.0}) {
        for (const double detune : {-0.06, 0.06}) {
            Voice v = pad(midiHz(note + detune));
            v.attack = 0.7;
            v.release = 0.7;
            v.gain = note == 53.0 ? 0.8 : 0.45;
            addVoice(s, 0.0, 1.5, v);
        }
    }
    return s;
}

// An upward glissando of bell pings over two octaves of the pentatonic scale,
// then a few twinkles falling back.
Signal magia() {
    Signal s;
    const int steps[] = {0, 2, 4, 7, 9};
    int count = 0;
    for (int octave = 0; octave < 2; ++octave) {
        for (const int step : steps) {
            Voice v = bell(midiHz(72 + 12 * octave + step), 0.22);
            v.gain = 0.5 + 0.03 * count;
            addVoice(s, 0.05 * count, 1.2 - 0.05 * count, v);
            ++count;
        }
    }
    const double twinkles[] = {96, 91, 93, 88};
    for (int i = 0; i < 4; ++i) {
        Voice v = bell(midiHz(twinkles[i]), 0.12);
        v.gain = 0.45;
        const double start = 0.58 + 0.11 * i;
        addVoice(s, start, 1.2 - start, v);
    }
    return s;
}

// Ta-ta-ta-taa: I, IV, V, I on brass, the last chord held with vibrato.
Signal especial() {
    Signal s;
    struct Chord {
        double start, length;
        std::vector<double> notes;
    };
    const Chord chords[] = {{0.0, 0.3, {48, 60, 64, 67}},
                            {0.33, 0.3, {53, 60, 65, 69}},
                            {0.66, 0.3, {55, 62, 67, 71}},
                            {0.99, 1.0, {48, 64, 67, 72, 76}}};
    for (const Chord& chord : chords) {
        const bool last = chord.length > 0.5;
        for (const double note : chord.notes) {
            Voice v = brass(midiHz(note), last ? 0.005 : 0.0);
            v.gain = note < 50 ? 0.6 : 0.4;
            v.release = last ? 0.5 : 0.07;
            addVoice(s, chord.start, chord.length, v);
        }
    }
    return s;
}

struct Note {
    double midi;
    double beats;
};

// Plays a melody note after note; returns the time it ends.
double melody(Signal& s, const std::vector<Note>& notes, double beat,
              const std::function<Voice(double)>& timbre, double ring) {
    double t = 0.0;
    for (const Note& note : notes) {
        const double length = note.beats * beat;
        addVoice(s, t, length + ring, timbre(midiHz(note.midi)));
        t += length;
    }
    return t;
}

// A bouncy tune in C major on a plucked string over a walking bass.
Signal wmpaud2() {
    Signal s;
    const double beat = 0.19;
    melody(
        s,
        {{72, 1},
         {76, 1},
         {79, 1},
         {76, 1},
         {77, 1},
         {81, 1},
         {79, 2},
         {76, 1},
         {79, 1},
         {84, 1},
         {83, 1},
         {81, 1},
         {79, 1},
         {84, 3}},
        beat, [](double hz) { return pluck(hz, 0.35); }, 0.12);
    melody(
        s, {{48, 2}, {52, 2}, {53, 2}, {57, 2}, {48, 2}, {52, 2}, {55, 2}, {48, 3}}, beat,
        [](double hz) {
            Voice v = pluck(hz, 0.5);
            v.gain = 0.7;
            return v;
        },
        0.12);
    return s;
}

// A little waltz in D major on a marimba, bass on the first beat of each bar
// and a soft chord on the other two.
Signal wmpaud5() {
    Signal s;
    const double beat = 0.22;
    melody(
        s,
        {{74, 1},
         {78, 1},
         {81, 1},
         {83, 1},
         {81, 1},
         {78, 1},
         {79, 1},
         {83, 1},
         {86, 1},
         {85, 2},
         {81, 1},
         {86, 3}},
        beat, [](double hz) { return marimba(hz, 0.45); }, 0.2);
    const double bass[] = {50, 47, 43, 45, 50};
    const std::vector<std::vector<double>> chords = {
        {66, 69}, {66, 71}, {67, 71}, {67, 73}, {66, 69}};
    for (int bar = 0; bar < 5; ++bar) {
        const double start = 3 * beat * bar;
        Voice low = marimba(midiHz(bass[bar]), 0.6);
        low.gain = 0.8;
        addVoice(s, start, bar == 4 ? 0.6 : 3 * beat, low);
        for (int offbeat = 1; bar < 4 && offbeat < 3; ++offbeat) {
            for (const double note : chords[static_cast<std::size_t>(bar)]) {
                Voice v = marimba(midiHz(note), 0.15);
                v.gain = 0.22;
                addVoice(s, start + offbeat * beat, beat, v);
            }
        }
    }
    return s;
}

Signal silencio() {
    return Signal(static_cast<std::size_t>(kSampleRate / 10), 0.0);
}

} // namespace

std::vector<Recipe> gameSounds() {
    return {{"ding", ding()},           {"sirena", sirena()},   {"sin_comodin", sinComodin()},
            {"excellent", excellent()}, {"limbo", limbo()},     {"magia", magia()},
            {"especial", especial()},   {"wmpaud2", wmpaud2()}, {"wmpaud5", wmpaud5()},
            {"silencio", silencio()}};
}

} // namespace quenza::sounds
