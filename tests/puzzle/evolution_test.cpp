#include "fake_random.h"
#include "puzzle/evolution.h"
#include "test_boards.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace quenza {
namespace {

using testing::pick;
using testing::ScriptedRandom;

// A game some levels in: every counter away from its new-game value.
EvolutionState playedState() {
    EvolutionState state{.nivel_actual = 7,
                         .puntuacion = 340,
                         .segundos_partida = 612,
                         .comodines = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                         .sin_comodines = false,
                         .sin_finalizar = false,
                         .racha_sin_comodines = 4,
                         .racha_sin_finalizar = 9,
                         .especial_disponible = true,
                         .direccion_unica = 3};
    state.comodin_usado.fill(true);
    return state;
}

TEST(Add16, SaturatesAtBothLimitsInsteadOfWrapping) {
    const struct {
        std::int16_t start;
        long delta;
        std::int16_t expected;
    } cases[] = {
        {5, -12, -7},           {32760, 7, 32767},      {32760, 8, 32767},
        {32767, 500, 32767},    {-32760, -8, -32768},   {-32768, -1, -32768},
        {-32768, 65535, 32767}, {100, LONG_MAX, 32767}, {-100, LONG_MIN, -32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " + " << c.delta);
        std::int16_t counter = c.start;
        add16(counter, c.delta);
        EXPECT_EQ(counter, c.expected);
    }
}

// The points of a joker before a level (with the level's flags it sets) and
// during one (with the flags, stock and streaks a press breaks).
TEST(Jokers, CostPointsAndBreakTheLevelsFlagsAndStreaks) {
    const struct {
        int joker;
        int before, during;
    } cases[] = {
        {kNoJoker, 0, 0},    {kMostrar, 20, 20},     {kMostrar3, 20, 20},
        {kEliminar, 20, 20}, {kVisor, 30, 30},       {kTiempo, 10, 10},
        {kFinalizar, 0, 50}, {kUniDireccion, 30, 0}, {kSuerte, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.joker);
        EXPECT_EQ(costBeforeLevel(c.joker), c.before);
        EXPECT_EQ(costDuringLevel(c.joker), c.during);

        EvolutionState state = playedState();
        startLevel(state, c.joker);
        EXPECT_EQ(state.sin_comodines, c.joker == kNoJoker);
        EXPECT_TRUE(state.sin_finalizar);
        EXPECT_EQ(state.puntuacion, 340 - c.before);
        EXPECT_EQ(state.comodines, playedState().comodines); // taken by "Continuar"
        if (c.joker < kMostrar || c.joker > kFinalizar) {
            continue;
        }
        state = EvolutionState{};
        state.puntuacion = 5;
        state.comodines[c.joker] = 2;
        state.racha_sin_comodines = 6;
        state.racha_sin_finalizar = 12;
        pressJoker(state, c.joker);
        const bool finalizar = c.joker == kFinalizar;
        EXPECT_EQ(state.puntuacion, 5 - c.during); // may go below zero
        EXPECT_FALSE(state.sin_comodines);
        EXPECT_EQ(state.sin_finalizar, !finalizar);
        EXPECT_EQ(state.racha_sin_comodines, 0);
        EXPECT_EQ(state.racha_sin_finalizar, finalizar ? 0 : 12);
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(state.comodin_usado[k], k == c.joker) << k;
            EXPECT_EQ(state.comodines[k], k == c.joker ? 1 : 0) << k;
        }
    }
    EvolutionState state;
    state.puntuacion = -32750;
    pressJoker(state, kVisor);
    EXPECT_EQ(state.puntuacion, -32768);
}

TEST(NewEvolutionGame, ResetsLevelScoreTimeAndStockButNotStreaksOrDirection) {
    EvolutionState state = playedState();
    newEvolutionGame(state);
    EXPECT_EQ(state.nivel_actual, 1);
    EXPECT_EQ(state.puntuacion, 0);
    EXPECT_EQ(state.segundos_partida, 0);
    for (int k = 1; k <= kJokerKinds; ++k) {
        EXPECT_EQ(state.comodines[k], 1) << k;
        EXPECT_FALSE(state.comodin_usado[k]) << k;
    }
    // Elements 0 and 9 are no jokers of the game.
    EXPECT_EQ(state.comodines[9], 11);
    EXPECT_EQ(state.racha_sin_comodines, 4);
    EXPECT_EQ(state.racha_sin_finalizar, 9);
    EXPECT_EQ(state.direccion_unica, 3);
    EXPECT_TRUE(state.especial_disponible);
}

TEST(ContinueWith, TakesTheTickedJokerAndDrawsUniDireccionsDirection) {
    for (int valor = kNoJoker; valor <= kUniDireccion; ++valor) {
        SCOPED_TRACE(valor);
        EvolutionState state = playedState();
        state.comodin_usado = {};
        ScriptedRandom random({pick(2, 4)});
        continueWith(state, valor, random);
        EXPECT_EQ(state.nivel_actual, 8);
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(state.comodines[k], playedState().comodines[k] - (k == valor && k ? 1 : 0));
            EXPECT_EQ(state.comodin_usado[k], k == valor && k) << k;
        }
        EXPECT_EQ(state.racha_sin_comodines, valor == kNoJoker ? 4 : 0);
        EXPECT_EQ(state.racha_sin_finalizar, 9);
        const bool direction = valor == kUniDireccion;
        EXPECT_EQ(state.direccion_unica, direction ? 3 : 0);
        EXPECT_EQ(random.reseeds, direction ? 1 : 0);
        EXPECT_EQ(random.draws, direction ? 1 : 0);
    }
    // Whether an empty stock may still be taken is the window's decision.
    EvolutionState state;
    ScriptedRandom random;
    continueWith(state, kMostrar, random);
    EXPECT_EQ(state.comodines[kMostrar], -1);
}

TEST(LevelPassed, CreditsTenPointsPerWordAndExtendsBothStreaks) {
    EvolutionState state = playedState();
    levelPassed(state, 7);
    EXPECT_EQ(state.puntuacion, 410);
    EXPECT_EQ(state.racha_sin_comodines, 5);
    EXPECT_EQ(state.racha_sin_finalizar, 10);
}

TEST(TakeSpecialJoker, TenLevelsAheadOneOfEveryJokerAndFiveHundredPoints) {
    EvolutionState state = playedState();
    takeSpecialJoker(state);
    EXPECT_EQ(state.nivel_actual, 17);
    EXPECT_EQ(state.puntuacion, 840);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(state.comodines[k], playedState().comodines[k] + (k >= 1 && k <= 8)) << k;
    }
    state.puntuacion = 32500;
    takeSpecialJoker(state);
    EXPECT_EQ(state.puntuacion, 32767);
}

Board boardWithWords() {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"MURCIELAGO", 1, 1); // cells 1..10
    board.placeWord(1, U"ESTRELLA", 13, 3);  // cells 13, 25, ..., 97
    board.placeWord(2, U"GATO", 144, 6);     // cells 144, 131, 118, 105
    return board;
}

TEST(DrawEliminarCells, RedrawsWordCellsAndRecordsEveryDrawInOrder) {
    const Board board = boardWithWords();
    // The first draw lands on word cells twice before a filler cell; the same
    // filler cell may come twice; the rest walk the filler cells from the end.
    std::vector<double> draws{pick(0, 144), pick(24, 144), pick(11, 144), pick(11, 144)};
    std::vector<int> expected{12, 12};
    for (int cell = kCells; expected.size() < kEliminarDraws; --cell) {
        if (board.celda_libre[cell]) {
            draws.push_back(pick(cell - 1, 144));
            expected.push_back(cell);
        }
    }
    ScriptedRandom random(draws);
    const auto cells = drawEliminarCells(board, random);
    EXPECT_EQ(std::vector<int>(cells.begin(), cells.end()), expected);
    EXPECT_EQ(random.draws, kEliminarDraws + 2);
    EXPECT_EQ(random.reseeds, 0);
}

TEST(DrawEliminarCells, ABoardWithoutFillerCellsDrawsNothing) {
    Board board;
    board.celda_libre.fill(false);
    ScriptedRandom random;
    EXPECT_EQ(drawEliminarCells(board, random), (std::array<std::int16_t, kEliminarDraws>{}));
    EXPECT_EQ(random.draws, 0);
}

TEST(PlaySuerte, ScriptedPlayRedrawsATakenKindAndNeverGoesBelowZero) {
    EvolutionState state;
    state.comodines = {0, 1, 0, 2, 0, 1, 1, 1, 1, 0};
    ScriptedRandom random({
        pick(2, 4),             // four kinds
        pick(0, 7), pick(0, 2), // Mostrar +
        pick(0, 7),             // Mostrar again: drawn anew
        pick(1, 7), pick(1, 2), // Mostrar3 - at 0
        pick(2, 7), pick(1, 2), // Eliminar -
        pick(6, 7), pick(0, 2), // UniDireccion +
    });

    const LuckDraw luck = playSuerte(state, random);

    EXPECT_EQ(luck.kinds, 4);
    const std::array<int, kJokerKinds + 1> signs{0, +1, -1, -1, 0, 0, 0, +1, 0};
    EXPECT_EQ(luck.signs, signs);
    const std::array<std::int16_t, 10> stock{0, 2, 0, 1, 0, 1, 1, 2, 0, 0};
    EXPECT_EQ(state.comodines, stock);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.draws, 10);
}

} // namespace
} // namespace quenza
