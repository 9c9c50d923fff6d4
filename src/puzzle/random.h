#pragma once

#include <cstdint>
#include <span>

namespace quenza {

// The game's one uniform generator. `draw()` returns a value in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual double draw() = 0;
    virtual void reseedFromClock() = 0;
    // Fills `out` with the next draws in order, as that many calls of draw()
    // would; a board takes its 144 fillers and each try's six draws this way.
    virtual void drawMany(std::span<double> out) {
        for (double& value : out) {
            value = draw();
        }
    }
    // Moves on exactly as `count` calls of draw() would, for draws whose values
    // cannot matter. A generator that can step without making doubles (or jump)
    // does it faster.
    virtual void discard(std::int64_t count) {
        for (; count > 0; --count) {
            draw();
        }
    }
};

// Int(u * n) for a draw u: a whole number 0..n-1. Guards against a draw of
// exactly 1.0 from a careless generator.
constexpr int wholeBelow(double draw, int n) {
    const int value = static_cast<int>(draw * n);
    return value < n ? value : n - 1;
}

// Int(Rnd * n): a whole number 0..n-1 with equal chances.
int drawBelow(Random& random, int n);

} // namespace quenza
