#include "fake_random.h"
#include "puzzle/played_log.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace quenza {
namespace {

using testing::pick;
using testing::ScriptedRandom;
using Events = std::vector<std::string>;

class RecordingLog : public PlayedLogFile {
public:
    void append(int theme) override { events.push_back("append " + std::to_string(theme)); }
    void clear() override { events.push_back("clear"); }
    Events events;
};

PlayedThemes played(std::initializer_list<int> themes) {
    PlayedThemes result{};
    std::copy(themes.begin(), themes.end(), result.begin());
    return result;
}

std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) {
        lines.push_back(std::to_string(k));
    }
    return lines;
}

TEST(LoadPlayedLog, EachLineGivesTheNumberInItsFirstFourCharacters) {
    PlayedThemes entries{};
    entries.fill(77); // whatever the table held before is forgotten
    EXPECT_FALSE(
        loadPlayedLog({"3", "12", "7,x", "", "12345", "  5", "123,4", "x9"}, 1000, entries));
    EXPECT_EQ(entries, played({3, 12, 7, 0, 1234, 5, 123, 0}));
}

TEST(LoadPlayedLog, FewerThanTenUnplayedThemesEmptyTheLog) {
    const struct {
        std::vector<std::string> lines;
        int sopas;
        bool reset;
    } cases[] = {
        {std::vector<std::string>(16, ""), 25, true}, // empty lines count as played
        {std::vector<std::string>(15, ""), 25, false},
        {{}, 10, false},
        {{}, 9, true},
        {{}, 0, true}, // an empty library resets at every start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lines.size() << " of " << c.sopas);
        PlayedThemes entries = played({1, 2});
        EXPECT_EQ(loadPlayedLog(c.lines, c.sopas, entries), c.reset);
        if (c.reset) {
            EXPECT_EQ(entries, PlayedThemes{});
        }
    }
}

TEST(LoadPlayedLog, LinesPastTheTableAreIgnored) {
    PlayedThemes entries{};
    EXPECT_FALSE(loadPlayedLog(numberedLines(1500), 3000, entries));
    EXPECT_EQ(entries[kPlayedEntries - 1], kPlayedEntries);
}

TEST(drawUnplayedTheme, DrawsUntilAnUnplayedThemeThenLogsAndStoresIt) {
    PlayedThemes full{};
    std::iota(full.begin(), full.end(), 1);
    const struct {
        int themes;
        std::vector<double> draws;
        PlayedThemes before, after;
        int theme;
        Events events;
    } cases[] = {
        {9, {pick(2, 9)}, played({5, 0, 7}), played({5, 3, 7}), 3, {"append 3"}},
        {4,
         {pick(0, 4), pick(1, 4), pick(3, 4), pick(1, 4), pick(2, 4)},
         played({1, 2, 4}),
         played({1, 2, 4, 3}),
         3,
         {"append 3"}},
        // Every theme played: the log is emptied first.
        {4, {pick(1, 4)}, played({1, 2, 3, 4, 9}), played({2}), 2, {"clear", "append 2"}},
        {0, {}, played({1}), played({1}), 0, {}}, // no themes at all
        // A full table still chooses and logs, but has no entry to store the theme in.
        {kPlayedEntries + 1,
         {pick(kPlayedEntries, kPlayedEntries + 1)},
         full,
         full,
         1002,
         {"append 1002"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.themes << " themes");
        ScriptedRandom random(c.draws);
        PlayedThemes entries = c.before;
        RecordingLog log;
        EXPECT_EQ(drawUnplayedTheme(c.themes, entries, log, random), c.theme);
        EXPECT_EQ(random.draws, static_cast<long>(c.draws.size()));
        EXPECT_EQ(log.events, c.events);
        EXPECT_EQ(entries, c.after);
    }
}

} // namespace
} // namespace quenza
