#pragma once

#include "puzzle/random.h"

#include <array>
#include <cstdint>
#include <span>

namespace quenza::platform {

// The process-wide generator. Reseeding mixes the clock's time with a counter
// of reseeds, so two reseeds within the same millisecond never replay the
// same numbers, and a fixed base seed makes a run under the virtual clock
// repeatable. The engine is xoshiro256**: four words of state, so the
// eleven reseeds of a board cost next to nothing.
class GameRandom final : public Random {
public:
    // A worksheet's boards must come out the same for the same seed whenever
    // they are made: there a reseed mixes in the counter alone.
    enum class Reseeds { FromClock, FromCountOnly };
    explicit GameRandom(std::uint64_t baseSeed, Reseeds reseeds = Reseeds::FromClock);
    double draw() override;
    void reseedFromClock() override;
    void drawMany(std::span<double> out) override;
    void discard(std::int64_t count) override;

private:
    std::uint64_t mixedBase_; // the base seed through splitmix64, as every reseed starts
    std::uint64_t reseeds_ = 0;
    Reseeds reseedsFrom_;
    void seed(std::uint64_t seed);
    std::uint64_t next();
    double nextDraw();

    std::array<std::uint64_t, 4> state_{};
};

GameRandom& random();
void installRandom(std::uint64_t baseSeed);

} // namespace quenza::platform
