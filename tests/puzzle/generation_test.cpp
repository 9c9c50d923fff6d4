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

using testing::ScriptedRandom;
using testing::SeededRandom;

// The exact draws and cells of seeded boards are pinned by the fingerprints
// in board_fingerprint_test; here, what any board must be.

std::vector<int> slotCells(const Board& board, int slot) {
    std::vector<int> cells;
    for (int p = 0; p < kMaxLetters; ++p) {
        if (board.celdas_palabra[slot][p] != 0) {
            cells.push_back(board.celdas_palabra[slot][p]);
        }
    }
    return cells;
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
