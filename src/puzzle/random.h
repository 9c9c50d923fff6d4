#pragma once

namespace quenza {

// The game's one uniform generator. `draw()` returns a value in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual double draw() = 0;
    virtual void reseedFromClock() = 0;
};

// Int(Rnd * n): a whole number 0..n-1 with equal chances.
int drawBelow(Random& random, int n);

} // namespace quenza
