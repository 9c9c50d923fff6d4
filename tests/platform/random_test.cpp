#include "platform/clock.h"
#include "platform/game_random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <vector>

namespace quenza::platform {
namespace {

std::vector<double> draws(quenza::Random& random, std::size_t n = 8) {
    std::vector<double> values(n);
    std::generate(values.begin(), values.end(), [&random] { return random.draw(); });
    return values;
}

std::vector<double> reseeded(quenza::Random& random) {
    random.reseedFromClock();
    return draws(random);
}

TEST(GameRandom, DrawsStayInTheUnitIntervalAndSpreadOverIt) {
    GameRandom random(1);
    const auto values = draws(random, 100000);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    EXPECT_TRUE(*low >= 0.0 && *low < 0.001) << *low;
    EXPECT_TRUE(*high > 0.999 && *high < 1.0) << *high;
    EXPECT_NEAR(std::accumulate(values.begin(), values.end(), 0.0) / values.size(), 0.5, 0.01);
}

TEST(GameRandom, ReseedsNeverReplayYetARunRepeats) {
    installClock(std::make_unique<VirtualClock>(5000));
    installRandom(42);
    GameRandom other(42), otherBase(43), later(42);
    const auto first = reseeded(random());
    EXPECT_EQ(reseeded(other), first);     // same base seed, time and reseed count
    EXPECT_NE(reseeded(otherBase), first); // the base seed matters
    EXPECT_NE(reseeded(random()), first);  // so does a second reseed at the same instant
    static_cast<VirtualClock&>(clock()).advance(1000);
    EXPECT_NE(reseeded(later), first); // and the time
}

// A board takes its draws in batches and skips the draws of a word that has no
// room: both must leave the sequence exactly where single draws would.
TEST(GameRandom, BatchesAndSkipsFollowTheSequenceOfSingleDraws) {
    installClock(std::make_unique<VirtualClock>(7000));
    GameRandom single(9), batched(9);
    single.reseedFromClock();
    batched.reseedFromClock();
    for (const std::size_t batch :
         {std::size_t{0}, std::size_t{1}, std::size_t{6}, std::size_t{144}}) {
        std::vector<double> values(batch);
        batched.drawMany(values);
        EXPECT_EQ(values, draws(single, batch)) << batch;
        batched.discard(static_cast<std::int64_t>(batch) * 7 + 3);
        draws(single, batch * 7 + 3);
        EXPECT_EQ(batched.draw(), single.draw()) << batch;
    }
    batched.discard(0);
    EXPECT_EQ(draws(batched), draws(single));
}

} // namespace
} // namespace quenza::platform
