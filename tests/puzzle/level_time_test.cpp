#include "puzzle/level_time.h"

#include <gtest/gtest.h>

namespace quenza {
namespace {

TEST(LevelTime, FirstTwentyLevelsGrantSecondsPerWord) {
    struct Band {
        int first;
        int last;
        int perWord;
    };
    for (const Band band : {Band{1, 5, 25}, Band{6, 10, 20}, Band{11, 15, 15}, Band{16, 20, 10}}) {
        for (const int words : {1, 7, 10}) {
            EXPECT_EQ(tiempo_nivel(band.first, words), band.perWord * words) << band.first;
            EXPECT_EQ(tiempo_nivel(band.last, words), band.perWord * words) << band.last;
        }
    }
}

TEST(LevelTime, FromLevelTwentyOneTheWordsNoLongerCount) {
    struct Band {
        int first;
        int last;
        int seconds;
    };
    for (const Band band : {Band{21, 25, 60}, Band{26, 30, 55}, Band{31, 35, 50}, Band{36, 40, 45},
                            Band{41, 45, 40}, Band{46, 50, 35}}) {
        for (const int words : {1, 10}) {
            EXPECT_EQ(tiempo_nivel(band.first, words), band.seconds) << band.first;
            EXPECT_EQ(tiempo_nivel(band.last, words), band.seconds) << band.last;
        }
    }
}

TEST(LevelTime, LevelsOutsideTheTableGetThirtySeconds) {
    for (const int nivel : {51, 52, 100, 32767, 0, -1, -32768}) {
        EXPECT_EQ(tiempo_nivel(nivel, 10), 30) << nivel;
    }
}

TEST(LevelTime, HugeWordCountsSaturate) {
    EXPECT_EQ(tiempo_nivel(1, 100000), 32767);
    EXPECT_EQ(tiempo_nivel(1, -100000), -32768);
}

} // namespace
} // namespace quenza
