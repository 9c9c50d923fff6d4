#include "puzzle/ranking_view.h"

#include <climits>
#include <gtest/gtest.h>

namespace quenza {
namespace {

TEST(RankingView, TimesOfBothViews) {
    // Seconds, traditional view, evolution view.
    const struct {
        int seconds;
        const char* traditional;
        const char* evolution;
    } cases[] = {{0, "00:00", "00:00"},
                 {59, "00:59", "00:59"},
                 {60, "01:00", "01:00"},
                 {610, "10:10", "10:10"},
                 {3599, "59:59", "59:59"},
                 {3600, "60:00", "1:00:00"},
                 {3661, "61:01", "1:01:01"},
                 {6000, "100:00", "1:40:00"},
                 {32767, "546:07", "9:06:07"},
                 {-65, "-01:05", "-01:05"},
                 {-3661, "-61:01", "-1:01:01"},
                 {INT_MAX, "35791394:07", "596523:14:07"},
                 {INT_MIN, "-35791394:08", "-596523:14:08"}};
    for (const auto& c : cases) {
        EXPECT_EQ(traditionalTimeText(c.seconds), c.traditional) << c.seconds;
        EXPECT_EQ(evolutionTimeText(c.seconds), c.evolution) << c.seconds;
    }
}

TEST(RankingView, DatesAndPlaces) {
    EXPECT_EQ(dateText({2002, 5, 17}), "17-5-2002");
    EXPECT_EQ(dateText({2002, 3, 5}), "5-3-2002");
    EXPECT_EQ(dateText({1999, 12, 31}), "31-12-1999");
    EXPECT_EQ(placeText(1), "       1");
    EXPECT_EQ(placeText(9), "       9");
    EXPECT_EQ(placeText(10), "     10");
    EXPECT_EQ(placeText(15), "     15");
}

TEST(RankingView, RowsFillFromTheTopAndTheRestShowDashes) {
    const RankingRows traditional = traditionalRows({{95, 8, "Player", "Tema", {2002, 3, 5}}});
    EXPECT_EQ(traditional[0], (RankingRow{"       1", "Player", "8", "Tema", "01:35", "5-3-2002"}));
    const EvolutionEntry entry{12, -5, 3605, "Ana, la rápida", {2010, 11, 2}};
    const RankingRows evolution = evolutionRows({entry, entry});
    EXPECT_EQ(evolution[1],
              (RankingRow{"       2", "Ana, la rápida", "12", "-5", "1:00:05", "2-11-2010"}));
    for (std::size_t i = 2; i < evolution.size(); ++i) {
        const std::string place = placeText(static_cast<int>(i) + 1);
        EXPECT_EQ(evolution[i], (RankingRow{place, "-", "-", "-", "-", "-"})) << i;
        EXPECT_EQ(traditional[i], (RankingRow{place, "-", "-", "-", "-", "-"})) << i;
    }
}

} // namespace
} // namespace quenza
