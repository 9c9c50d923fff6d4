#include "puzzle/clock_text.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace quenza {
namespace {

using Clock = std::pair<std::string, std::string>; // minuto, segundo

Clock forward(Clock clock) {
    CroNo_aDelante(clock.first, clock.second);
    return clock;
}

Clock back(Clock clock, CountDown* result = nullptr) {
    const CountDown r = CroNo_atras(clock.first, clock.second);
    if (result != nullptr) {
        *result = r;
    }
    return clock;
}

TEST(LeadingZero, BelowTenGetsAZeroInFront) {
    EXPECT_EQ(withLeadingZero(0), "00");
    EXPECT_EQ(withLeadingZero(5), "05");
    EXPECT_EQ(withLeadingZero(9), "09");
    EXPECT_EQ(withLeadingZero(10), "10");
    EXPECT_EQ(withLeadingZero(59), "59");
    EXPECT_EQ(withLeadingZero(100), "100");
    EXPECT_EQ(withLeadingZero(-1), "0-1");
}

TEST(CroNo_aDelante, CountsSecondsAndCarriesIntoMinutes) {
    EXPECT_EQ(forward({"00", "00"}), Clock("00", "01"));
    EXPECT_EQ(forward({"00", "09"}), Clock("00", "10"));
    EXPECT_EQ(forward({"00", "58"}), Clock("00", "59"));
    EXPECT_EQ(forward({"00", "59"}), Clock("01", "00"));
    EXPECT_EQ(forward({"09", "59"}), Clock("10", "00"));
    EXPECT_EQ(forward({"99", "59"}), Clock("100", "00"));
    EXPECT_EQ(forward({"100", "07"}), Clock("100", "08"));
}

TEST(CroNo_aDelante, AnHourOfTicks) {
    Clock clock{"00", "00"};
    for (int tick = 0; tick < 3600; ++tick) {
        clock = forward(clock);
    }
    EXPECT_EQ(clock, Clock("60", "00"));
}

TEST(CroNo_atras, BorrowsAMinuteBelowZero) {
    CountDown result = CountDown::TimeUp;
    EXPECT_EQ(back({"01", "00"}, &result), Clock("00", "59"));
    EXPECT_EQ(result, CountDown::Running);
    EXPECT_EQ(back({"10", "00"}, &result), Clock("09", "59"));
    EXPECT_EQ(result, CountDown::Running);
    EXPECT_EQ(back({"03", "10"}, &result), Clock("03", "09"));
    EXPECT_EQ(back({"03", "01"}, &result), Clock("03", "00"));
    EXPECT_EQ(result, CountDown::Running);
}

TEST(CroNo_atras, WarnsAtFiveSecondsLeft) {
    CountDown result = CountDown::Running;
    EXPECT_EQ(back({"00", "06"}, &result), Clock("00", "05"));
    EXPECT_EQ(result, CountDown::FiveSecondsLeft);

    EXPECT_EQ(back({"01", "06"}, &result), Clock("01", "05"));
    EXPECT_EQ(result, CountDown::Running);
}

TEST(CroNo_atras, TimeIsUpAtZero) {
    CountDown result = CountDown::Running;
    EXPECT_EQ(back({"00", "01"}, &result), Clock("00", "00"));
    EXPECT_EQ(result, CountDown::TimeUp);
}

TEST(CroNo_atras, ALevelCountedToTheEnd) {
    Clock clock{"01", "10"};
    int warnings = 0;
    int ticks = 0;
    CountDown result = CountDown::Running;
    while (result != CountDown::TimeUp && ticks < 1000) {
        clock = back(clock, &result);
        ++ticks;
        if (result == CountDown::FiveSecondsLeft) {
            ++warnings;
            EXPECT_EQ(clock, Clock("00", "05"));
        }
    }
    EXPECT_EQ(ticks, 70);
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(clock, Clock("00", "00"));
}

TEST(ShowSeconds, SplitsIntoMinutesAndSeconds) {
    std::string minuto = "xx";
    std::string segundo = "yy";
    showSeconds(125, minuto, segundo);
    EXPECT_EQ(minuto, "02");
    EXPECT_EQ(segundo, "05");

    showSeconds(0, minuto, segundo);
    EXPECT_EQ(minuto, "00");
    EXPECT_EQ(segundo, "00");

    showSeconds(59, minuto, segundo);
    EXPECT_EQ(minuto, "00");
    EXPECT_EQ(segundo, "59");

    showSeconds(600, minuto, segundo);
    EXPECT_EQ(minuto, "10");
    EXPECT_EQ(segundo, "00");

    showSeconds(6001, minuto, segundo);
    EXPECT_EQ(minuto, "100");
    EXPECT_EQ(segundo, "01");
}

} // namespace
} // namespace quenza
