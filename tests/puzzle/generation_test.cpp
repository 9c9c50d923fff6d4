#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/text.h"
#include "test_boards.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace quenza {
namespace {

using testing::pick;
using testing::placementDraws;
using testing::ScriptedRandom;
using testing::SeededRandom;

std::vector<int> slotCells(const Board& board, int slot) {
    std::vector<int> cells;
    for (int p = 0; p < kMaxLetters; ++p) {
        if (board.celdas_palabra[slot][p] != 0) {
            cells.push_back(board.celdas_palabra[slot][p]);
        }
    }
    return cells;
}

TEST(fillBoard, ClearsTheBoardKeepsDirectionCodesAndDrawsOneFillerPerCellInOrder) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(9, U"SOL", 1, 5);
    board.celdas_seleccion = {40, 39, 38, 37, 0, 0, 0, 0, 0, 0};
    board.encontrada[0] = true;
    board.visible[40] = false;
    board.num_palabras = 5;
    board.visor = true;
    std::vector<double> draws;
    for (int cell = 1; cell <= kCells; ++cell) {
        draws.push_back(pick((cell - 1) % 25, 25));
    }
    ScriptedRandom random(draws);

    fillBoard(board, random);

    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.draws, kCells);
    for (int slot = 0; slot < kSlots; ++slot) {
        const int code = slot == 0 ? 2 : slot == 9 ? 5 : 0;
        EXPECT_EQ(board.celdas_palabra[slot],
                  (SlotCells{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<std::int16_t>(code)}));
        EXPECT_FALSE(board.encontrada[slot]) << "slot " << slot;
    }
    EXPECT_EQ(board.celdas_seleccion, Selection{});
    EXPECT_EQ(board.num_palabras, 0);
    EXPECT_FALSE(board.visor);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_TRUE(board.visible[cell] && board.celda_libre[cell]) << cell;
        // A..Y in turn: the last of the 25 draws is Y, never Z.
        EXPECT_EQ(board.letra[cell], U'A' + static_cast<Letter>((cell - 1) % 25)) << cell;
    }
}

TEST(placeWord, StartCellComesFromTheSixDrawsInOrder) {
    // GATO (L = 4, D = 8) with a = 2, b = 3, c = 4, e = 9, f = 7: every start-cell
    // formula gives a different cell, so a swapped draw or formula shows.
    const struct {
        Word word;
        int a, b, c, dir, e, f;
        std::vector<int> cells; // in placement order
    } cases[] = {
        {U"GATO", 2, 3, 4, 1, 9, 7, {38, 39, 40, 41}},      // a + 12b
        {U"GATO", 2, 3, 4, 2, 9, 7, {45, 44, 43, 42}},      // e + 12b
        {U"GATO", 2, 3, 4, 3, 9, 7, {27, 39, 51, 63}},      // 12a + b
        {U"GATO", 2, 3, 4, 4, 9, 7, {111, 99, 87, 75}},     // 12e + b
        {U"GATO", 2, 3, 4, 5, 9, 7, {50, 63, 76, 89}},      // a + 12c
        {U"GATO", 2, 3, 4, 6, 9, 7, {93, 80, 67, 54}},      // e + 12f
        {U"GATO", 2, 3, 4, 7, 9, 7, {57, 68, 79, 90}},      // e + 12c
        {U"GATO", 2, 3, 4, 8, 9, 7, {86, 75, 64, 53}},      // a + 12f
        {U"cañón", 1, 0, 1, 1, 11, 11, {1, 2, 3, 4, 5}},    // upper-cased, accents and all
        {U"GATO", 1, 0, 1, 3, 11, 11, {12, 24, 36, 48}},    // down the last column
        {U"GATO", 1, 0, 1, 4, 11, 11, {132, 120, 108, 96}}, // up from the end of a row
        {U"zanahorias", 2, 5, 1, 1, 11, 11, {62, 63, 64, 65, 66, 67, 68, 69, 70, 71}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << toUtf8(c.word) << " dir " << c.dir);
        const int length = static_cast<int>(c.word.size());
        ScriptedRandom random(placementDraws(length, c.a, c.b, c.c, c.dir, c.e, c.f));
        Board board = testing::fillerBoard();
        board.numero = 1;

        ASSERT_TRUE(placeWord(board, c.word, 6, 0, random));

        EXPECT_EQ(random.reseeds, 1);
        EXPECT_EQ(random.draws, 6);
        SlotCells expected{};
        std::copy(c.cells.begin(), c.cells.end(), expected.begin());
        expected[kDirectionPos] = static_cast<std::int16_t>(c.dir);
        EXPECT_EQ(board.celdas_palabra[6], expected);
        for (int k = 0; k < length; ++k) {
            EXPECT_EQ(board.letra[c.cells[k]], upperCase(c.word[k])) << "letter " << k;
        }
        EXPECT_EQ(std::count(board.celda_libre.begin() + 1, board.celda_libre.end(), false),
                  length);
        EXPECT_EQ(board.numero, 1);
    }
}

TEST(placeWord, RetriesWhenTheRunHitsAPlacedLetter) {
    Board board = testing::fillerBoard();
    board.celda_libre[40] = false; // the first run 38..41 crosses it
    ScriptedRandom random(placementDraws(4, 2, 3, 4, 1, 9, 7));
    random.append(placementDraws(4, 2, 3, 4, 3, 9, 7)); // 27, 39, 51, 63 is free
    ASSERT_TRUE(placeWord(board, U"GATO", 0, 0, random));
    EXPECT_EQ(random.draws, 12);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(board.celdas_palabra[0][0], 27);
    EXPECT_TRUE(board.celda_libre[38]); // nothing of the rejected run was written
    EXPECT_EQ(board.letra[38], U'E');
}

TEST(placeWord, GivesUpAfter9999TriesAndLowersNumero) {
    Board board = testing::fillerBoard();
    board.celda_libre.fill(false);
    board.celdas_palabra[2][kDirectionPos] = 7; // from an earlier game
    board.numero = 3;
    const Board before = board;
    ScriptedRandom random({}, 0.5);

    EXPECT_FALSE(placeWord(board, U"GATO", 2, 0, random));

    EXPECT_EQ(random.draws, 9999L * 6);
    EXPECT_EQ(board.numero, 2);
    EXPECT_EQ(board.celdas_palabra, before.celdas_palabra);
    EXPECT_EQ(board.letra, before.letra);
}

TEST(placeWord, AForcedDirectionStillDrawsOne) {
    const struct {
        int drawn, forced, start;
    } cases[] = {{8, 3, 27}, {1, 4, 111}}; // 12a + b, and 12e + b from the fifth draw
    for (const auto& c : cases) {
        ScriptedRandom random(placementDraws(4, 2, 3, 4, c.drawn, 9, 7));
        Board board = testing::fillerBoard();
        ASSERT_TRUE(placeWord(board, U"GATO", 0, c.forced, random));
        EXPECT_EQ(random.draws, 6);
        EXPECT_EQ(board.celdas_palabra[0][0], c.start);
        EXPECT_EQ(board.celdas_palabra[0][kDirectionPos], c.forced);
    }
}

TEST(Sorting, EmptiesFirstThenAscendingCellsDirectionCodeUntouched) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(4, U"SOL", 93, 6);
    board.placeWord(1, U"MURCIELAGO", 142, 2);
    sortSlots(board);
    EXPECT_EQ(board.celdas_palabra[0], (SlotCells{0, 0, 0, 0, 0, 0, 37, 38, 39, 40, 2}));
    EXPECT_EQ(board.celdas_palabra[4], (SlotCells{0, 0, 0, 0, 0, 0, 0, 67, 80, 93, 6}));
    EXPECT_EQ(board.celdas_palabra[1],
              (SlotCells{133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 2}));
    EXPECT_EQ(board.celdas_palabra[2], SlotCells{});

    Selection selection{40, 27, 14, 1, 0, 0, 0, 0, 0, 0};
    sortSelection(selection);
    EXPECT_EQ(selection, (Selection{0, 0, 0, 0, 0, 0, 1, 14, 27, 40}));
}

// ---------------------------------------------------------------- many boards

const std::vector<Word> kThemeWords = {U"abecedario", U"zanahorias", U"murciélago", U"pingüino",
                                       U"cigüeña",    U"ñandú",      U"zorro",      U"oso",
                                       U"pez",        U"yak"};

Board generate(std::uint64_t seed, const std::vector<Word>& words, int direccionUnica) {
    SeededRandom random(seed);
    Board board;
    fillBoard(board, random);
    board.numero = static_cast<std::int16_t>(words.size());
    for (std::size_t w = 0; w < words.size(); ++w) {
        placeWord(board, words[w], static_cast<int>(w), direccionUnica, random);
    }
    sortSlots(board);
    return board;
}

// Every placed word reads back in its direction inside the grid, words never
// share a cell, fillers are A..Y, and the edges hold only what they may.
void expectConsistentBoard(const Board& board, const std::vector<Word>& words) {
    // Row and column change between two ascending cells of a word, by direction code.
    const int rowStep[] = {0, 0, 0, 1, 1, 1, 1, 1, 1};
    const int colStep[] = {0, 1, 1, 0, 0, 1, 1, -1, -1};
    std::vector<int> owners(kCells + 1, 0);
    int placed = 0;
    for (int slot = 0; slot < static_cast<int>(words.size()); ++slot) {
        const std::vector<int> cells = slotCells(board, slot);
        if (cells.empty()) {
            continue;
        }
        ++placed;
        const int code = board.celdas_palabra[slot][kDirectionPos];
        ASSERT_TRUE(code >= 1 && code <= 8) << "slot " << slot;
        Word read;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const int cell = isReverseDirection(code) ? cells[cells.size() - 1 - k] : cells[k];
            ASSERT_TRUE(cell >= 1 && cell <= kCells) << "slot " << slot;
            read += board.letra[cell];
            ++owners[cell];
            if (k > 0) {
                EXPECT_EQ(row0(cells[k]) - row0(cells[k - 1]), rowStep[code]) << "code " << code;
                EXPECT_EQ(col0(cells[k]) - col0(cells[k - 1]), colStep[code]) << "code " << code;
            }
            if (col0(cell) == 11) {
                EXPECT_TRUE(code == 3 || code == 4) << "column 12 holds code " << code;
            }
            if (row0(cell) == 0 && col0(cell) != 11) {
                EXPECT_TRUE(code == 1 || code == 2) << "row 1 holds code " << code;
            }
        }
        EXPECT_EQ(read, upperCase(words[slot])) << "slot " << slot;
    }
    EXPECT_EQ(board.numero, placed);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_LE(owners[cell], 1) << "words overlap on cell " << cell;
        EXPECT_EQ(board.celda_libre[cell], owners[cell] == 0) << "cell " << cell;
        if (board.celda_libre[cell]) {
            EXPECT_TRUE(board.letra[cell] >= U'A' && board.letra[cell] <= U'Y') << cell;
        }
    }
    EXPECT_TRUE(board.celda_libre[144]);
}

// With a forced direction (3: top to bottom) every word takes it.
TEST(GeneratedBoards, WordsReadBackNeverOverlapAndKeepOffTheEdges) {
    for (const int forced : {0, 3}) {
        std::set<int> codesSeen;
        int boardsUsingCell12 = 0;
        for (std::uint64_t seed = 1; seed <= 300 && !::testing::Test::HasFailure(); ++seed) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " forced " << forced);
            const Board board = generate(seed, kThemeWords, forced);
            expectConsistentBoard(board, kThemeWords);
            boardsUsingCell12 += board.celda_libre[12] ? 0 : 1;
            for (int slot = 0; slot < kSlots; ++slot) {
                if (board.slotPlaced(slot)) {
                    codesSeen.insert(board.celdas_palabra[slot][kDirectionPos]);
                }
            }
        }
        const std::set<int> expected =
            forced == 0 ? std::set<int>{1, 2, 3, 4, 5, 6, 7, 8} : std::set<int>{3};
        EXPECT_EQ(codesSeen, expected);
        EXPECT_GT(boardsUsingCell12, 0);
    }
}

} // namespace
} // namespace quenza
