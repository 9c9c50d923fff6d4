#include "fake_random.h"
#include "puzzle/board.h"
#include "puzzle/generation.h"
#include "puzzle/text.h"
#include "test_boards.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
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

// ---------------------------------------------------------------- IniCiar

TEST(IniCiar, ReseedsOnceAndDrawsOneFillerPerCellInIndexOrder) {
    std::vector<double> draws;
    for (int cell = 1; cell <= kCells; ++cell) {
        draws.push_back(pick((cell - 1) % 25, 25));
    }
    ScriptedRandom random(draws);
    Board board;
    IniCiar(board, random);

    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.draws, kCells);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_EQ(board.letra[cell], U'A' + static_cast<Letter>((cell - 1) % 25)) << cell;
    }
}

TEST(IniCiar, TheHighestDrawGivesYNeverZ) {
    ScriptedRandom random({}, 0.9999999999);
    Board board;
    IniCiar(board, random);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_EQ(board.letra[cell], U'Y') << cell;
    }
}

TEST(IniCiar, ClearsTheBoardButKeepsDirectionCodes) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(9, U"SOL", 1, 5);
    board.celdas_seleccion = {40, 39, 38, 37, 0, 0, 0, 0, 0, 0};
    board.encontrada[0] = true;
    board.visible[40] = false;
    board.num_palabras = 5;
    board.visor = true;

    ScriptedRandom random;
    IniCiar(board, random);

    for (int slot = 0; slot < kSlots; ++slot) {
        for (int p = 0; p < kMaxLetters; ++p) {
            EXPECT_EQ(board.celdas_palabra[slot][p], 0) << "slot " << slot << " pos " << p;
        }
        EXPECT_FALSE(board.encontrada[slot]) << "slot " << slot;
        EXPECT_EQ(board.celdas_seleccion[slot], 0);
    }
    EXPECT_EQ(board.celdas_palabra[0][kDirectionPos], 2);
    EXPECT_EQ(board.celdas_palabra[9][kDirectionPos], 5);
    EXPECT_EQ(board.celdas_palabra[4][kDirectionPos], 0);
    EXPECT_EQ(board.num_palabras, 0);
    EXPECT_FALSE(board.visor);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_TRUE(board.visible[cell]) << cell;
        EXPECT_TRUE(board.celda_libre[cell]) << cell;
        EXPECT_EQ(board.letra[cell], U'A') << cell;
    }
}

// ---------------------------------------------------------------- IntRodUcir

struct StartCase {
    const char* name;
    Word word;
    int a, b, c, dir, e, f; // the values the six draws come out as
    std::vector<int> cells; // in placement order
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartCell : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartCell, UsesTheSixDrawsInOrder) {
    const StartCase& expected = GetParam();
    const int length = static_cast<int>(expected.word.size());
    ScriptedRandom random(placementDraws(length, expected.a, expected.b, expected.c, expected.dir,
                                         expected.e, expected.f));
    Board board = testing::fillerBoard();
    board.numero = 1;

    ASSERT_TRUE(IntRodUcir(board, expected.word, 6, 0, random));

    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.draws, 6);
    const SlotCells& slot = board.celdas_palabra[6];
    for (int k = 0; k < length; ++k) {
        EXPECT_EQ(slot[k], expected.cells[k]) << "letter " << k;
        EXPECT_EQ(board.letra[expected.cells[k]], expected.word[k]) << "letter " << k;
    }
    for (int p = length; p < kMaxLetters; ++p) {
        EXPECT_EQ(slot[p], 0);
    }
    EXPECT_EQ(slot[kDirectionPos], expected.dir);
    EXPECT_EQ(board.numero, 1);
    for (int cell = 1; cell <= kCells; ++cell) {
        const bool taken = std::count(expected.cells.begin(), expected.cells.end(), cell) > 0;
        EXPECT_EQ(board.celda_libre[cell], !taken) << "cell " << cell;
    }
}

// GATO (L = 4, D = 8) with a = 2, b = 3, c = 4, e = 9, f = 7: every start-cell
// formula gives a different cell, so a swapped draw or formula shows.
INSTANTIATE_TEST_SUITE_P(
    IntRodUcir, StartCell,
    ::testing::Values(
        StartCase{"dir1", U"GATO", 2, 3, 4, 1, 9, 7, {38, 39, 40, 41}},  // a + 12b
        StartCase{"dir2", U"GATO", 2, 3, 4, 2, 9, 7, {45, 44, 43, 42}},  // e + 12b
        StartCase{"dir3", U"GATO", 2, 3, 4, 3, 9, 7, {27, 39, 51, 63}},  // 12a + b
        StartCase{"dir4", U"GATO", 2, 3, 4, 4, 9, 7, {111, 99, 87, 75}}, // 12e + b
        StartCase{"dir5", U"GATO", 2, 3, 4, 5, 9, 7, {50, 63, 76, 89}},  // a + 12c
        StartCase{"dir6", U"GATO", 2, 3, 4, 6, 9, 7, {93, 80, 67, 54}},  // e + 12f
        StartCase{"dir7", U"GATO", 2, 3, 4, 7, 9, 7, {57, 68, 79, 90}},  // e + 12c
        StartCase{"dir8", U"GATO", 2, 3, 4, 8, 9, 7, {86, 75, 64, 53}},  // a + 12f
        StartCase{"lowestDrawsStartAtCellOne", U"PERRO", 1, 0, 1, 1, 11, 11, {1, 2, 3, 4, 5}},
        StartCase{"downTheLastColumn", U"GATO", 1, 0, 1, 3, 11, 11, {12, 24, 36, 48}},
        StartCase{"upFromTheEndOfRowE", U"GATO", 1, 0, 1, 4, 11, 11, {132, 120, 108, 96}},
        StartCase{"tenLettersEndInColumnEleven",
                  U"MURCIELAGO",
                  2,
                  5,
                  1,
                  1,
                  11,
                  11,
                  {62, 63, 64, 65, 66, 67, 68, 69, 70, 71}}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

TEST(IntRodUcir, UpperCasesSpanishLettersAndMayWriteZ) {
    ScriptedRandom random(placementDraws(5, 1, 0, 1, 1, 11, 11));
    random.append(placementDraws(5, 1, 1, 1, 1, 11, 11));
    Board board = testing::fillerBoard();
    ASSERT_TRUE(IntRodUcir(board, U"cañón", 0, 0, random));
    ASSERT_TRUE(IntRodUcir(board, U"zorro", 1, 0, random));
    EXPECT_EQ(board.letra[3], U'Ñ');
    EXPECT_EQ(board.letra[4], U'Ó');
    EXPECT_EQ(board.letra[13], U'Z');
}

TEST(IntRodUcir, RetriesWhenTheRunHitsAPlacedLetter) {
    Board board = testing::fillerBoard();
    board.celda_libre[40] = false; // the first run 38..41 crosses it
    ScriptedRandom random(placementDraws(4, 2, 3, 4, 1, 9, 7));
    random.append(placementDraws(4, 2, 3, 4, 3, 9, 7)); // 27, 39, 51, 63 is free
    ASSERT_TRUE(IntRodUcir(board, U"GATO", 0, 0, random));
    EXPECT_EQ(random.draws, 12);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(board.celdas_palabra[0][0], 27);
    EXPECT_EQ(board.celdas_palabra[0][kDirectionPos], 3);
    EXPECT_TRUE(board.celda_libre[38]); // nothing of the rejected run was written
    EXPECT_EQ(board.letra[38], U'E');
}

TEST(IntRodUcir, GivesUpAfter9999TriesAndLowersNumero) {
    Board board = testing::fillerBoard();
    board.celda_libre.fill(false);
    board.celdas_palabra[2][kDirectionPos] = 7; // from an earlier game
    board.numero = 3;
    const Board before = board;
    ScriptedRandom random({}, 0.5);

    EXPECT_FALSE(IntRodUcir(board, U"GATO", 2, 0, random));

    EXPECT_EQ(random.draws, 9999L * 6);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(board.numero, 2);
    EXPECT_FALSE(board.slotPlaced(2));
    EXPECT_EQ(board.celdas_palabra[2], before.celdas_palabra[2]);
    EXPECT_EQ(board.letra, before.letra);
}

TEST(IntRodUcir, ForcedDirectionStillDrawsOne) {
    // The drawn direction would be 8; the forced 3 starts at 12a + b.
    ScriptedRandom random(placementDraws(4, 2, 3, 4, 8, 9, 7));
    Board board = testing::fillerBoard();
    ASSERT_TRUE(IntRodUcir(board, U"GATO", 0, 3, random));
    EXPECT_EQ(random.draws, 6);
    EXPECT_EQ(board.celdas_palabra[0][0], 27);
    EXPECT_EQ(board.celdas_palabra[0][kDirectionPos], 3);
}

TEST(IntRodUcir, ForcedDirectionTakesEFromTheFifthDraw) {
    ScriptedRandom random(placementDraws(4, 2, 3, 4, 1, 9, 7));
    Board board = testing::fillerBoard();
    ASSERT_TRUE(IntRodUcir(board, U"GATO", 0, 4, random));
    EXPECT_EQ(board.celdas_palabra[0][0], 111);
    EXPECT_EQ(board.celdas_palabra[0][kDirectionPos], 4);
}

// ---------------------------------------------------------------- sorting

TEST(OrdEnar_MatriZ, SortsCellsAndKeepsTheDirectionCode) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(4, U"SOL", 93, 6);
    board.placeWord(9, U"PEZ", 14, 1);
    OrdEnar_MatriZ(board);

    const SlotCells gato{0, 0, 0, 0, 0, 0, 37, 38, 39, 40, 2};
    const SlotCells sol{0, 0, 0, 0, 0, 0, 0, 67, 80, 93, 6};
    const SlotCells pez{0, 0, 0, 0, 0, 0, 0, 14, 15, 16, 1};
    EXPECT_EQ(board.celdas_palabra[0], gato);
    EXPECT_EQ(board.celdas_palabra[4], sol);
    EXPECT_EQ(board.celdas_palabra[9], pez);
    EXPECT_EQ(board.celdas_palabra[1], SlotCells{});
}

TEST(OrdEnar_MatriZ, FullTenLetterSlot) {
    Board board = testing::fillerBoard();
    board.placeWord(1, U"MURCIELAGO", 142, 2); // 142 down to 133
    OrdEnar_MatriZ(board);
    for (int p = 0; p < kMaxLetters; ++p) {
        EXPECT_EQ(board.celdas_palabra[1][p], 133 + p);
    }
    EXPECT_EQ(board.celdas_palabra[1][kDirectionPos], 2);
}

TEST(OrdEnar, SortsTheSelectionWithEmptiesFirst) {
    Selection selection{40, 27, 14, 1, 0, 0, 0, 0, 0, 0};
    OrdEnar(selection);
    EXPECT_EQ(selection, (Selection{0, 0, 0, 0, 0, 0, 1, 14, 27, 40}));

    Selection full{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    OrdEnar(full);
    EXPECT_EQ(full, (Selection{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

// ---------------------------------------------------------------- many boards

const std::vector<Word> kThemeWords = {U"abecedario", U"zanahorias", U"murciélago", U"pingüino",
                                       U"cigüeña",    U"ñandú",      U"zorro",      U"oso",
                                       U"pez",        U"yak"};

Board generate(std::uint64_t seed, const std::vector<Word>& words, int direccionUnica,
               int* reseeds = nullptr) {
    SeededRandom random(seed);
    Board board;
    IniCiar(board, random);
    board.numero = static_cast<std::int16_t>(words.size());
    for (std::size_t w = 0; w < words.size(); ++w) {
        IntRodUcir(board, words[w], static_cast<int>(w), direccionUnica, random);
    }
    OrdEnar_MatriZ(board);
    if (reseeds != nullptr) {
        *reseeds = random.reseeds;
    }
    return board;
}

// Row and column change between two cells that follow each other in ascending order.
void expectAscendingNeighbours(int code, int from, int to) {
    const int dRow = row0(to) - row0(from);
    const int dCol = col0(to) - col0(from);
    switch (code) {
    case 1:
    case 2:
        EXPECT_EQ(dRow, 0);
        EXPECT_EQ(dCol, 1);
        break;
    case 3:
    case 4:
        EXPECT_EQ(dRow, 1);
        EXPECT_EQ(dCol, 0);
        break;
    case 5:
    case 6:
        EXPECT_EQ(dRow, 1);
        EXPECT_EQ(dCol, 1);
        break;
    default:
        EXPECT_EQ(dRow, 1);
        EXPECT_EQ(dCol, -1);
        break;
    }
}

void expectConsistentBoard(const Board& board, const std::vector<Word>& words) {
    std::vector<int> owners(kCells + 1, 0);
    int placed = 0;
    for (int slot = 0; slot < static_cast<int>(words.size()); ++slot) {
        const std::vector<int> cells = slotCells(board, slot);
        if (cells.empty()) {
            continue;
        }
        ++placed;
        const int code = board.celdas_palabra[slot][kDirectionPos];
        ASSERT_GE(code, 1);
        ASSERT_LE(code, 8);
        const Word expected = upperCase(words[slot]);
        ASSERT_EQ(cells.size(), expected.size()) << "slot " << slot;

        Word read;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const int cell = isReverseDirection(code) ? cells[cells.size() - 1 - k] : cells[k];
            ASSERT_GE(cell, 1);
            ASSERT_LE(cell, kCells);
            read += board.letra[cell];
            ++owners[cell];
            if (k > 0) {
                expectAscendingNeighbours(code, cells[k - 1], cells[k]);
            }
        }
        EXPECT_EQ(read, expected) << "slot " << slot;

        const bool vertical = code == 3 || code == 4;
        for (int cell : cells) {
            if (col0(cell) == 11) {
                EXPECT_TRUE(vertical) << "column 12 holds code " << code;
            }
            if (row0(cell) == 0 && col0(cell) != 11) {
                EXPECT_TRUE(code == 1 || code == 2) << "row 1 holds code " << code;
            }
        }
    }
    EXPECT_EQ(board.numero, placed);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_LE(owners[cell], 1) << "words overlap on cell " << cell;
        EXPECT_EQ(board.celda_libre[cell], owners[cell] == 0) << "cell " << cell;
        EXPECT_TRUE(board.visible[cell]);
        if (board.celda_libre[cell]) {
            EXPECT_GE(board.letra[cell], U'A') << "filler on cell " << cell;
            EXPECT_LE(board.letra[cell], U'Y') << "filler on cell " << cell;
        }
    }
    EXPECT_TRUE(board.celda_libre[144]);
}

TEST(GeneratedBoards, WordsReadBackAndNeverOverlap) {
    std::set<int> codesSeen;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        int reseeds = 0;
        const Board board = generate(seed, kThemeWords, 0, &reseeds);
        EXPECT_EQ(reseeds, 1 + static_cast<int>(kThemeWords.size()));
        expectConsistentBoard(board, kThemeWords);
        for (int slot = 0; slot < kSlots; ++slot) {
            if (board.slotPlaced(slot)) {
                codesSeen.insert(board.celdas_palabra[slot][kDirectionPos]);
            }
        }
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    EXPECT_EQ(codesSeen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(GeneratedBoards, CellTwelveOnlyFromVerticalWords) {
    int boardsUsingCell12 = 0;
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
        const Board board = generate(seed, kThemeWords, 0);
        for (int slot = 0; slot < kSlots; ++slot) {
            const std::vector<int> cells = slotCells(board, slot);
            if (std::count(cells.begin(), cells.end(), 12) > 0) {
                ++boardsUsingCell12;
                const int code = board.celdas_palabra[slot][kDirectionPos];
                EXPECT_TRUE(code == 3 || code == 4) << "seed " << seed << " code " << code;
            }
        }
    }
    EXPECT_GT(boardsUsingCell12, 0);
}

TEST(GeneratedBoards, TenLettersRightwardsStartInColumnOneOrTwo) {
    std::set<int> startColumns;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const Board board = generate(seed, {U"abecedario", U"zanahorias"}, 1);
        for (int slot = 0; slot < 2; ++slot) {
            const std::vector<int> cells = slotCells(board, slot);
            if (cells.empty()) {
                continue;
            }
            EXPECT_EQ(board.celdas_palabra[slot][kDirectionPos], 1);
            startColumns.insert(col0(cells.front()) + 1);
            EXPECT_GE(col0(cells.back()) + 1, 10);
            EXPECT_LE(col0(cells.back()) + 1, 11);
        }
        EXPECT_TRUE(board.slotPlaced(0)) << "seed " << seed; // the first word always fits
    }
    EXPECT_EQ(startColumns, (std::set<int>{1, 2}));
}

TEST(GeneratedBoards, ForcedDownwardsEveryWordRunsTopToBottom) {
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        const Board board = generate(seed, kThemeWords, 3);
        expectConsistentBoard(board, kThemeWords);
        for (int slot = 0; slot < kSlots; ++slot) {
            if (board.slotPlaced(slot)) {
                EXPECT_EQ(board.celdas_palabra[slot][kDirectionPos], 3);
            }
        }
    }
}

TEST(GeneratedBoards, FillersUseEveryLetterAToY) {
    std::set<Letter> letters;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        Board board;
        IniCiar(board, random);
        for (int cell = 1; cell <= kCells; ++cell) {
            letters.insert(board.letra[cell]);
        }
    }
    EXPECT_EQ(letters.size(), 25u);
    EXPECT_EQ(letters.count(U'Z'), 0u);
}

TEST(GeneratedBoards, TheSeedMatters) {
    const Board one = generate(1, kThemeWords, 0);
    const Board again = generate(1, kThemeWords, 0);
    const Board two = generate(2, kThemeWords, 0);
    EXPECT_EQ(one.letra, again.letra);
    EXPECT_EQ(one.celdas_palabra, again.celdas_palabra);
    EXPECT_NE(one.letra, two.letra);
    EXPECT_NE(one.celdas_palabra, two.celdas_palabra);
}

} // namespace
} // namespace quenza
