#include "puzzle/saved_game.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quenza {
namespace {

using Lines = std::vector<std::string>;

// Level 4, score -40, a stock of mixed counts and a few jokers used.
EvolutionState levelFourState() {
    EvolutionState state;
    state.nivel_actual = 4;
    state.puntuacion = -40;
    state.segundos_partida = 312;
    state.comodines = {55, 2, 0, 1, 3, 1, 0, 2, 5, 66}; // 0 and 9 are outside the game
    state.comodin_usado = {true, false, true, false, false, true, false, true, true, true};
    state.racha_sin_comodines = 1;
    state.racha_sin_finalizar = 3;
    state.especial_disponible = false;
    return state;
}

// clang-format off
const Lines kLevelFourLines = {
    "4",                                            // level
    "2", "0", "1", "3", "1", "0", "2", "5",         // stock of jokers 1..8
    "2", "3",                                       // award counters
    "#FALSE#", "#TRUE#", "#FALSE#", "#FALSE#", "#TRUE#", "#FALSE#", "#TRUE#", // used 1..7
    "1", "3",                                       // streaks
    "-40",                                          // score
    "312",                                          // game time
    "#FALSE#",                                      // special joker on offer
};
// clang-format on

Lines withLine(Lines lines, std::size_t number, std::string text) {
    lines.at(number - 1) = std::move(text);
    return lines;
}

TEST(SavedGameFile, AKnownGameGivesItsTwentyThreeLines) {
    const SavedGame saved = savedGameOf(levelFourState(), AwardCounters{2, 3});
    EXPECT_EQ(formatSavedGame(saved), kLevelFourLines);
    EXPECT_EQ(parseSavedGame(kLevelFourLines), saved);
}

TEST(SavedGameFile, EveryValueSurvivesASaveAndALoad) {
    // Two states whose truth values are each other's opposite, so every flag
    // is carried both ways.
    for (const bool first : {true, false}) {
        EvolutionState state;
        state.nivel_actual = 17;
        state.puntuacion = -1234;
        state.segundos_partida = 32767;
        state.racha_sin_comodines = -2;
        state.racha_sin_finalizar = 9;
        state.especial_disponible = first;
        for (int k = 1; k <= 8; ++k) {
            state.comodines[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(10 * k - 30);
            state.comodin_usado[static_cast<std::size_t>(k)] = (k % 2 == 1) == first;
        }
        const SavedGame saved = savedGameOf(state, AwardCounters{-32768, 7});
        const std::optional<SavedGame> loaded = parseSavedGame(formatSavedGame(saved));
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(*loaded, saved);

        // What the file does not hold is left as it was.
        EvolutionState restored;
        restored.direccion_unica = 3;
        restored.sin_comodines = false;
        restored.sin_finalizar = false;
        restored.dentro_seg = 42;
        restored.comodines[0] = 11;
        restored.comodines[9] = 99;
        restored.comodin_usado[0] = restored.comodin_usado[8] = true;
        AwardCounters restoredCounters;
        restoreSavedGame(*loaded, restored, restoredCounters);
        EXPECT_EQ(savedGameOf(restored, restoredCounters), saved);
        EXPECT_EQ(restored.direccion_unica, 3);
        EXPECT_FALSE(restored.sin_comodines || restored.sin_finalizar);
        EXPECT_EQ(restored.dentro_seg, 42);
        EXPECT_EQ(restored.comodines[0] + restored.comodines[9], 110);
        EXPECT_TRUE(restored.comodin_usado[0] && restored.comodin_usado[8]);
    }
}

TEST(SavedGameFile, ADamagedOrForeignFileIsRefusedWhole) {
    ASSERT_TRUE(parseSavedGame(kLevelFourLines).has_value());
    const struct {
        const char* what;
        Lines lines;
    } cases[] = {
        {"22 lines", Lines(kLevelFourLines.begin(), kLevelFourLines.end() - 1)},
        {"empty file", Lines{}},
        {"lower-case truth", withLine(kLevelFourLines, 12, "#true#")},
        {"truth without marks", withLine(kLevelFourLines, 13, "TRUE")},
        {"truth with a blank", withLine(kLevelFourLines, 18, "#TRUE# ")},
        {"number in a truth line", withLine(kLevelFourLines, 23, "0")},
        {"empty truth line", withLine(kLevelFourLines, 15, "")},
        {"level beyond 16 bits", withLine(kLevelFourLines, 1, "40000")},
        {"score beyond 16 bits", withLine(kLevelFourLines, 21, "-40000")},
        {"game time beyond 16 bits", withLine(kLevelFourLines, 22, "32768")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseSavedGame(c.lines), std::nullopt) << c.what;
    }
}

TEST(SavedGameFile, ToleratedShapesStillLoad) {
    Lines longer = kLevelFourLines;
    longer.push_back("#garbage#");
    longer.push_back("");
    EXPECT_EQ(parseSavedGame(longer), parseSavedGame(kLevelFourLines));

    Lines withCr = kLevelFourLines;
    for (auto& line : withCr) {
        line += '\r';
    }
    EXPECT_EQ(parseSavedGame(withCr), parseSavedGame(kLevelFourLines));

    // Only one CR is a line end; a second one is damage in a truth line.
    EXPECT_EQ(parseSavedGame(withLine(kLevelFourLines, 12, "#FALSE#\r\r")), std::nullopt);

    const std::optional<SavedGame> blankScore =
        parseSavedGame(withLine(withLine(kLevelFourLines, 21, ""), 1, "nivel"));
    ASSERT_TRUE(blankScore.has_value());
    EXPECT_EQ(blankScore->puntuacion, 0);
    EXPECT_EQ(blankScore->nivel_actual, 0);
    EXPECT_EQ(blankScore->segundos_partida, 312);
}

TEST(ReadSavedInteger, ReadsTheLeadingNumberRoundedHalfToEven) {
    const struct {
        const char* line;
        int value;
    } cases[] = {
        {"2.5", 2},   {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4}, {"0.5", 0},  {"-0.5", 0},
        {".5", 0},    {"1.5", 2}, {"2.50", 2},  {"2.501", 3}, {"2.49", 2}, {"2.6", 3},
        {"-2.6", -3}, {" 7", 7},  {"\t 7", 7},  {"7abc", 7},  {"7 8", 7},  {"", 0},
        {"abc", 0},   {"-", 0},   {".", 0},     {"1e3", 1},   {"1,5", 1},  {"+12", 12},
        {"-40", -40}, {"007", 7}, {"12.", 12},  {"1.2.9", 1}, {"- 3", 0},  {"7\r", 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readSavedInteger(c.line), std::optional<std::int16_t>(c.value))
            << '"' << c.line << '"';
    }
}

TEST(ReadSavedInteger, RefusesWhatRoundsBeyondSixteenBits) {
    EXPECT_EQ(readSavedInteger("32767.49"), std::optional<std::int16_t>(32767));
    EXPECT_EQ(readSavedInteger("-32768.5"), std::optional<std::int16_t>(-32768));
    for (const char* line : {"32768", "32767.5", "-32769", "-40000", "99999999999999999999999"}) {
        EXPECT_EQ(readSavedInteger(line), std::nullopt) << line;
    }
}

} // namespace
} // namespace quenza
