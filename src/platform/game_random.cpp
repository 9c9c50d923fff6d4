#include "platform/game_random.h"

#include "platform/clock.h"
#include "platform/installed.h"

#include <random>

namespace quenza::platform {

namespace {

std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

constexpr std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

Installed<GameRandom> installed;

std::uint64_t seedFromDevice() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

} // namespace

GameRandom::GameRandom(std::uint64_t baseSeed, Reseeds reseeds)
    : mixedBase_(splitmix64(baseSeed)), reseedsFrom_(reseeds) {
    seed(mixedBase_);
}

// The four words come from a splitmix64 sequence, which never leaves them
// all zero.
void GameRandom::seed(std::uint64_t seed) {
    for (std::uint64_t& word : state_) {
        seed = splitmix64(seed);
        word = seed;
    }
}

inline std::uint64_t GameRandom::next() {
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = rotl(state_[3], 45);
    return result;
}

// The top 53 bits make every double of the form k / 2^53, never 1.
inline double GameRandom::nextDraw() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double GameRandom::draw() {
    return nextDraw();
}

void GameRandom::drawMany(std::span<double> out) {
    for (double& value : out) {
        value = nextDraw();
    }
}

void GameRandom::discard(std::int64_t count) {
    for (; count > 0; --count) {
        next();
    }
}

void GameRandom::reseedFromClock() {
    ++reseeds_;
    std::uint64_t seed = mixedBase_;
    const qint64 now = reseedsFrom_ == Reseeds::FromClock ? clock().nowMs() : 0;
    seed = splitmix64(seed ^ static_cast<std::uint64_t>(now));
    seed = splitmix64(seed ^ reseeds_);
    this->seed(seed);
}

GameRandom& random() {
    return installed.getOr([] { return std::make_unique<GameRandom>(seedFromDevice()); });
}

void installRandom(std::uint64_t baseSeed) {
    installed.install(std::make_unique<GameRandom>(baseSeed));
}

} // namespace quenza::platform
