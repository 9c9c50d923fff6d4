#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quenza::sounds {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Partials close to the Nyquist frequency would fold back as harsh noise: they
// fade out over the last kilohertz below this limit.
constexpr double kHighestPartial = 0.45 * kSampleRate;

double raisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double edges(double t, double duration, double attack, double release) {
    double level = 1.0;
    if (attack > 0.0 && t < attack) {
        level *= raisedCosine(t / attack);
    }
    const double releaseStart = duration - release;
    if (release > 0.0 && t > releaseStart) {
        level *= raisedCosine(std::max(0.0, duration - t) / release);
    }
    return level;
}

double aliasGuard(double hz) {
    return std::clamp((kHighestPartial - hz) / 1000.0, 0.0, 1.0);
}

} // namespace

double midiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

std::function<double(double)> pitch(double hz, double depth, double rate, double delay) {
    return [=](double t) {
        const double fadeIn = delay > 0.0 ? std::min(1.0, t / delay) : 1.0;
        return hz * (1.0 + depth * fadeIn * std::sin(kTwoPi * rate * t));
    };
}

void addVoice(Signal& signal, double start, double duration, const Voice& voice) {
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(duration * kSampleRate));
    if (signal.size() < first + count) {
        signal.resize(first + count, 0.0);
    }
    std::vector<double> phases(voice.partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = voice.frequency(t);
        double value = 0.0;
        for (std::size_t k = 0; k < voice.partials.size(); ++k) {
            const Partial& partial = voice.partials[k];
            const double partialHz = hz * partial.ratio;
            double level = partial.gain * aliasGuard(partialHz);
            if (partial.decay > 0.0) {
                level *= std::exp(-t / partial.decay);
            }
            value += level * std::sin(phases[k]);
            phases[k] = std::fmod(phases[k] + kTwoPi * partialHz / kSampleRate, kTwoPi);
        }
        signal[first + i] += voice.gain * edges(t, duration, voice.attack, voice.release) * value;
    }
}

std::vector<std::int16_t> toPcm(const Signal& signal, double peakDbfs) {
    double peak = 0.0;
    for (const double value : signal) {
        peak = std::max(peak, std::abs(value));
    }
    const double target = 32767.0 * std::pow(10.0, peakDbfs / 20.0);
    const double scale = peak > 0.0 ? target / peak : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(signal.size());
    for (const double value : signal) {
        const double scaled = std::clamp(std::round(value * scale), -32767.0, 32767.0);
        pcm.push_back(static_cast<std::int16_t>(scaled));
    }
    return pcm;
}

} // namespace quenza::sounds
