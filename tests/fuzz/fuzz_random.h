#pragma once

// The generator the fuzz targets hand to the game: repeatable from a seed
// drawn from the input, and cheap enough that a board whose words find no
// room (tens of thousands of draws) does not slow the fuzzer down.

#include "puzzle/random.h"

#include <cstdint>
#include <span>

// The generator's own arithmetic is no coverage worth steering by.
#if defined(__clang__)
#define QUENZA_NO_COVERAGE __attribute__((no_sanitize("coverage")))
#else
#define QUENZA_NO_COVERAGE
#endif

namespace quenza::fuzz {

// splitmix64 as a counter: draw k is a mix of seed + k * gamma, so passing
// over any number of draws is one multiplication. Reseeding keeps the
// sequence going instead of reading a clock.
class FuzzRandom final : public Random {
public:
    explicit FuzzRandom(std::uint64_t seed) : counter_(seed) {}

    QUENZA_NO_COVERAGE double draw() override {
        counter_ += kGamma;
        std::uint64_t x = counter_;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        x ^= x >> 31;
        return static_cast<double>(x >> 11) * 0x1.0p-53; // 53 bits, [0, 1)
    }
    QUENZA_NO_COVERAGE void drawMany(std::span<double> out) override {
        for (double& value : out) {
            value = draw();
        }
    }
    void reseedFromClock() override {}
    QUENZA_NO_COVERAGE void discard(std::int64_t count) override {
        counter_ += kGamma * static_cast<std::uint64_t>(count > 0 ? count : 0);
    }

private:
    static constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ULL;
    std::uint64_t counter_;
};

} // namespace quenza::fuzz
