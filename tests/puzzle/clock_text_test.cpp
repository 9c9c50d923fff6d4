#include "puzzle/clock_text.h"

#include <gtest/gtest.h>
#include <string>

namespace quenza {
namespace {

TEST(LeadingZero, BelowTenGetsAZeroInFront) {
    const std::pair<long, const char*> cases[] = {{0, "00"},  {9, "09"},    {10, "10"},
                                                  {59, "59"}, {100, "100"}, {-1, "0-1"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(withLeadingZero(value), text);
    }
}

// One tick from minuto:segundo, shown afterwards as "mm:ss".
struct Tick {
    std::string minuto, segundo;
    const char* after;
    CountDown result = CountDown::Running;
};

TEST(countUp, CountsSecondsAndCarriesIntoMinutes) {
    const Tick ticks[] = {{"00", "00", "00:01"},  {"00", "09", "00:10"}, {"00", "58", "00:59"},
                          {"00", "59", "01:00"},  {"09", "59", "10:00"}, {"99", "59", "100:00"},
                          {"100", "07", "100:08"}};
    for (Tick t : ticks) {
        countUp(t.minuto, t.segundo);
        EXPECT_EQ(t.minuto + ":" + t.segundo, t.after);
    }
}

TEST(countDown, BorrowsAMinuteWarnsAtFiveSecondsAndEndsAtZero) {
    const Tick ticks[] = {
        {"01", "00", "00:59"},
        {"10", "00", "09:59"},
        {"03", "10", "03:09"},
        {"03", "01", "03:00"},
        {"00", "06", "00:05", CountDown::FiveSecondsLeft},
        {"01", "06", "01:05"},
        {"00", "05", "00:04"},
        {"00", "01", "00:00", CountDown::TimeUp},
    };
    for (Tick t : ticks) {
        SCOPED_TRACE(t.after);
        EXPECT_EQ(countDown(t.minuto, t.segundo), t.result);
        EXPECT_EQ(t.minuto + ":" + t.segundo, t.after);
    }
}

TEST(ShowSeconds, SplitsIntoMinutesAndSeconds) {
    const std::pair<int, const char*> cases[] = {
        {125, "02:05"}, {0, "00:00"}, {59, "00:59"}, {600, "10:00"}, {6001, "100:01"}};
    for (const auto& [seconds, shown] : cases) {
        std::string minuto = "xx";
        std::string segundo = "yy";
        showSeconds(seconds, minuto, segundo);
        EXPECT_EQ(minuto + ":" + segundo, shown);
    }
}

} // namespace
} // namespace quenza
