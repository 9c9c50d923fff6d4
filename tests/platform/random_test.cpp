#include "platform/clock.h"
#include "platform/game_random.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quenza::platform {
namespace {

class GameRandomTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto virtualClock = std::make_unique<VirtualClock>(5000);
        clock_ = virtualClock.get();
        installClock(std::move(virtualClock));
    }

    static std::vector<double> draws(quenza::Random& random, int n = 8) {
        std::vector<double> values;
        for (int i = 0; i < n; ++i) {
            values.push_back(random.draw());
        }
        return values;
    }

    VirtualClock* clock_ = nullptr;
};

TEST_F(GameRandomTest, DrawsStayInTheUnitIntervalAndSpreadOverIt) {
    GameRandom random(1);
    double low = 1.0;
    double high = 0.0;
    double sum = 0.0;
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
        const double value = random.draw();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        low = std::min(low, value);
        high = std::max(high, value);
        sum += value;
    }
    EXPECT_LT(low, 0.001);
    EXPECT_GT(high, 0.999);
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
}

TEST_F(GameRandomTest, TwoReseedsAtTheSameInstantGiveDifferentNumbers) {
    GameRandom random(42);
    random.reseedFromClock();
    const auto first = draws(random);
    random.reseedFromClock();
    EXPECT_NE(draws(random), first);
}

TEST_F(GameRandomTest, SameBaseSeedAndClockRepeatTheRun) {
    GameRandom one(42);
    GameRandom other(42);
    one.reseedFromClock();
    other.reseedFromClock();
    EXPECT_EQ(draws(one), draws(other));

    clock_->advance(1);
    one.reseedFromClock();
    other.reseedFromClock();
    EXPECT_EQ(draws(one), draws(other));
}

TEST_F(GameRandomTest, TheBaseSeedAndTheTimeBothMatter) {
    GameRandom base(42);
    GameRandom otherBase(43);
    GameRandom later(42);
    base.reseedFromClock();
    otherBase.reseedFromClock();
    const auto expected = draws(base);
    EXPECT_NE(draws(otherBase), expected);

    clock_->advance(1000);
    later.reseedFromClock();
    EXPECT_NE(draws(later), expected);
}

TEST_F(GameRandomTest, AnExplicitSeedReplaysItsSequence) {
    GameRandom random(3);
    random.reseed(99);
    const auto first = draws(random);
    random.reseed(99);
    EXPECT_EQ(draws(random), first);
    random.reseed(100);
    EXPECT_NE(draws(random), first);
}

TEST_F(GameRandomTest, TheInstalledGeneratorUsesItsBaseSeed) {
    installRandom(7);
    GameRandom expected(7);
    random().reseedFromClock();
    expected.reseedFromClock();
    EXPECT_EQ(draws(random()), draws(expected));
}

} // namespace
} // namespace quenza::platform
