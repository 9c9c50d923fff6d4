#include "fake_random.h"
#include "puzzle/played_log.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace quenza {
namespace {

using testing::pick;
using testing::ScriptedRandom;
using testing::SeededRandom;

class RecordingLog : public PlayedLogFile {
public:
    void append(int theme) override { events.push_back("append " + std::to_string(theme)); }
    void clear() override { events.push_back("clear"); }
    std::vector<std::string> events;
};

PlayedThemes played(std::initializer_list<int> themes) {
    PlayedThemes result{};
    int k = 0;
    for (int theme : themes) {
        result[k++] = static_cast<std::int16_t>(theme);
    }
    return result;
}

std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) {
        lines.push_back(std::to_string(k));
    }
    return lines;
}

// ---------------------------------------------------------------- start-up

TEST(LoadPlayedLog, EachLineGivesTheNumberAtItsStart) {
    PlayedThemes entries{};
    const bool reset =
        loadPlayedLog({"3", "12", "7,x", "", "12345", "  5", "123,4", "x9"}, 1000, entries);
    EXPECT_FALSE(reset);
    EXPECT_EQ(entries[0], 3);
    EXPECT_EQ(entries[1], 12);
    EXPECT_EQ(entries[2], 7);
    EXPECT_EQ(entries[3], 0);
    EXPECT_EQ(entries[4], 1234);
    EXPECT_EQ(entries[5], 5);
    EXPECT_EQ(entries[6], 123);
    EXPECT_EQ(entries[7], 0);
    EXPECT_EQ(entries[8], 0);
}

TEST(LoadPlayedLog, ForgetsWhatTheTableHeldBefore) {
    PlayedThemes entries{};
    entries.fill(77);
    loadPlayedLog({"4", "9"}, 100, entries);
    EXPECT_EQ(entries[0], 4);
    EXPECT_EQ(entries[1], 9);
    for (int k = 2; k < kPlayedEntries; ++k) {
        ASSERT_EQ(entries[k], 0) << "entry " << k;
    }
}

TEST(LoadPlayedLog, FewerThanTenUnplayedThemesEmptyTheLog) {
    PlayedThemes entries{};
    EXPECT_TRUE(loadPlayedLog(numberedLines(16), 25, entries));
    EXPECT_EQ(entries, PlayedThemes{});

    EXPECT_FALSE(loadPlayedLog(numberedLines(15), 25, entries));
    EXPECT_EQ(entries[0], 1);
    EXPECT_EQ(entries[14], 15);
    EXPECT_EQ(entries[15], 0);
}

TEST(LoadPlayedLog, EmptyLinesCountTowardsTheReset) {
    PlayedThemes entries{};
    EXPECT_TRUE(loadPlayedLog(std::vector<std::string>(16, ""), 25, entries));
    EXPECT_FALSE(loadPlayedLog(std::vector<std::string>(15, ""), 25, entries));
}

TEST(LoadPlayedLog, SmallLibraries) {
    PlayedThemes entries{};
    EXPECT_FALSE(loadPlayedLog({}, 10, entries));
    EXPECT_TRUE(loadPlayedLog({}, 9, entries));
    EXPECT_TRUE(loadPlayedLog({}, 0, entries)); // an empty library resets at every start
}

TEST(LoadPlayedLog, LinesPastTheTableAreIgnored) {
    PlayedThemes entries{};
    EXPECT_FALSE(loadPlayedLog(numberedLines(1500), 3000, entries));
    EXPECT_EQ(entries[0], 1);
    EXPECT_EQ(entries[kPlayedEntries - 1], kPlayedEntries);
}

// ---------------------------------------------------------------- LeEr

TEST(LeEr, DrawsAThemeNumberFromOneToN) {
    ScriptedRandom random({pick(4, 7)});
    PlayedThemes entries{};
    RecordingLog log;
    EXPECT_EQ(LeEr(7, entries, log, random), 5);
    EXPECT_EQ(random.draws, 1);
    EXPECT_EQ(log.events, std::vector<std::string>{"append 5"});
    EXPECT_EQ(entries[0], 5);
    EXPECT_EQ(entries[1], 0);
}

TEST(LeEr, DrawsAgainAfterEveryPlayedTheme) {
    ScriptedRandom random({pick(0, 4), pick(1, 4), pick(3, 4), pick(1, 4), pick(2, 4)});
    PlayedThemes entries = played({1, 2, 4});
    RecordingLog log;
    EXPECT_EQ(LeEr(4, entries, log, random), 3);
    EXPECT_EQ(random.draws, 5);
    EXPECT_EQ(log.events, std::vector<std::string>{"append 3"});
    EXPECT_EQ(entries, played({1, 2, 4, 3}));
}

TEST(LeEr, OnlyTheUnplayedThemeCanCome) {
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        SeededRandom random(seed);
        PlayedThemes entries = played({1, 2, 4});
        RecordingLog log;
        ASSERT_EQ(LeEr(4, entries, log, random), 3) << "seed " << seed;
        ASSERT_EQ(log.events.back(), "append 3");
    }
}

TEST(LeEr, StoresTheThemeInTheFirstEmptyEntry) {
    ScriptedRandom random({pick(2, 9)});
    PlayedThemes entries = played({5, 0, 7});
    RecordingLog log;
    EXPECT_EQ(LeEr(9, entries, log, random), 3);
    EXPECT_EQ(entries, played({5, 3, 7}));
}

TEST(LeEr, AFullTableStillChoosesAndLogs) {
    PlayedThemes entries{};
    for (int k = 0; k < kPlayedEntries; ++k) {
        entries[k] = static_cast<std::int16_t>(k + 1);
    }
    const PlayedThemes before = entries;
    SeededRandom random(3);
    RecordingLog log;
    EXPECT_EQ(LeEr(kPlayedEntries + 1, entries, log, random), kPlayedEntries + 1);
    EXPECT_EQ(log.events, std::vector<std::string>{"append 1002"});
    EXPECT_EQ(entries, before);
}

TEST(LeEr, EveryThemePlayedEmptiesTheLogFirst) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        PlayedThemes entries = played({1, 2, 3, 4, 9});
        RecordingLog log;
        const int theme = LeEr(4, entries, log, random);
        ASSERT_GE(theme, 1);
        ASSERT_LE(theme, 4);
        EXPECT_EQ(log.events,
                  (std::vector<std::string>{"clear", "append " + std::to_string(theme)}));
        EXPECT_EQ(entries, played({theme}));
    }
}

TEST(LeEr, ARunGoesThroughEveryThemeBeforeRepeating) {
    SeededRandom random(42);
    PlayedThemes entries{};
    RecordingLog log;
    std::set<int> seen;
    for (int game = 0; game < 6; ++game) {
        seen.insert(LeEr(6, entries, log, random));
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(log.events.size(), 6u);

    LeEr(6, entries, log, random);
    ASSERT_EQ(log.events.size(), 8u);
    EXPECT_EQ(log.events[6], "clear");
}

TEST(LeEr, NoThemesGivesZero) {
    ScriptedRandom random;
    PlayedThemes entries = played({1});
    RecordingLog log;
    EXPECT_EQ(LeEr(0, entries, log, random), 0);
    EXPECT_TRUE(log.events.empty() || log.events == std::vector<std::string>{"clear"});
}

TEST(LeEr, TheSeedMatters) {
    std::set<int> themes;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SeededRandom random(seed);
        PlayedThemes entries{};
        RecordingLog log;
        themes.insert(LeEr(10, entries, log, random));
    }
    EXPECT_EQ(themes.size(), 10u);
}

} // namespace
} // namespace quenza
