#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace quenza::sounds {

inline constexpr int kSampleRate = 22050;

// A mono signal in floating point, one value per sample, at kSampleRate.
using Signal = std::vector<double>;

// One component of a voice: a multiple of the voice's frequency (not
// necessarily whole, bells are inharmonic) with its own level and decay.
struct Partial {
    double ratio = 1.0;
    double gain = 1.0;
    double decay = 0.0; // seconds to fall to 1/e; 0 holds the level
};

// A note: a frequency that may glide or wobble over time, a timbre made of
// partials, and smooth edges so that it never starts or stops with a click.
struct Voice {
    std::function<double(double)> frequency; // Hz, by seconds since the note began
    std::vector<Partial> partials;           // the timbre; a pure tone is one partial {1, 1, 0}
    double attack = 0.01;                    // seconds of the raised-cosine rise
    double release = 0.05;                   // seconds of the raised-cosine fall that ends the note
    double gain = 1.0;
};

// The frequency of a MIDI note number (69 = A4 = 440 Hz).
double midiHz(double note);

// A constant frequency, optionally with a vibrato of `depth` (fraction of the
// frequency) at `rate` Hz that fades in over the first `delay` seconds.
std::function<double(double)> pitch(double hz, double depth = 0.0, double rate = 5.5,
                                    double delay = 0.2);

// Mixes `voice` into `signal` from `start` for `duration` seconds, growing the
// signal when the note runs past its end.
void addVoice(Signal& signal, double start, double duration, const Voice& voice);

// Scales the signal so that its loudest sample sits at `peakDbfs` and converts
// it to 16-bit PCM. A silent signal stays all zeros.
std::vector<std::int16_t> toPcm(const Signal& signal, double peakDbfs);

} // namespace quenza::sounds
