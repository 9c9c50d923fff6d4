#pragma once

#include "puzzle/random.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace quenza::testing {

// The draw u that makes Int(u * n) come out as `value` (0..n-1).
constexpr double pick(int value, int n) {
    return (value + 0.5) / n;
}

// Hands out a fixed list of draws, then `fallback` for ever; counts what it was asked.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::vector<double> draws = {}, double fallback = 0.0)
        : script_(std::move(draws)), fallback_(fallback) {}

    double draw() override {
        ++draws;
        if (next_ < script_.size()) {
            return script_[next_++];
        }
        return fallback_;
    }
    void reseedFromClock() override { ++reseeds; }

    void append(const std::vector<double>& more) {
        script_.insert(script_.end(), more.begin(), more.end());
    }

    long draws = 0;
    int reseeds = 0;

private:
    std::vector<double> script_;
    std::size_t next_ = 0;
    double fallback_;
};

// A repeatable generator for loops over many boards: reseeding keeps the
// sequence going instead of reading the clock.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

    double draw() override {
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53; // 53 bits, [0, 1)
    }
    void reseedFromClock() override {}

private:
    std::mt19937_64 engine_;
};

} // namespace quenza::testing
