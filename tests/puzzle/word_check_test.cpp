#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/selection.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "puzzle/word_check.h"
#include "test_boards.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace quenza {
namespace {

Selection entries(std::initializer_list<int> list) {
    Selection selection{};
    int k = 0;
    for (int cell : list) {
        selection[k++] = static_cast<std::int16_t>(cell);
    }
    return selection;
}

// GATO right to left on 40..37 in slot 0, SOL left to right on 14..16 in slot 1.
Board gatoAndSol() {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(1, U"SOL", 14, 1);
    OrdEnar_MatriZ(board);
    board.num_palabras = 1;
    board.numero = 2;
    return board;
}

// ---------------------------------------------------------------- matching

TEST(MatchingSlot, AReversedWordIsFoundFromEitherEnd) {
    for (const Selection& selection : {entries({37, 38, 39, 40}), entries({40, 39, 38, 37})}) {
        Board board = gatoAndSol();
        board.celdas_seleccion = selection;
        EXPECT_EQ(matchingSlot(board), 0);

        const FoundWord found = DesaCtivaR(board, 0);
        EXPECT_EQ(found.slot, 0);
        EXPECT_EQ(found.word, Word(U"GATO"));
        EXPECT_EQ(found.cells, (std::vector<int>{40, 39, 38, 37}));
        EXPECT_EQ(found.word, ActuAlizAr(board).resultado[0]);
    }
}

TEST(MatchingSlot, AForwardWordIsFoundFromEitherEnd) {
    for (const Selection& selection : {entries({14, 15, 16}), entries({16, 15, 14})}) {
        Board board = gatoAndSol();
        board.celdas_seleccion = selection;
        ASSERT_EQ(matchingSlot(board), 1);
        const FoundWord found = DesaCtivaR(board, 1);
        EXPECT_EQ(found.word, Word(U"SOL"));
        EXPECT_EQ(found.cells, (std::vector<int>{14, 15, 16}));
    }
}

TEST(MatchingSlot, SortsTheSelection) {
    Board board = gatoAndSol();
    board.celdas_seleccion = entries({40, 39, 38, 37});
    matchingSlot(board);
    EXPECT_EQ(board.celdas_seleccion, (Selection{0, 0, 0, 0, 0, 0, 37, 38, 39, 40}));
}

TEST(MatchingSlot, NearMissesFindNothing) {
    const Selection misses[] = {
        entries({38, 39, 40}),             // three of the four cells
        entries({36, 37, 38, 39, 40}),     // one cell too many
        entries({37, 38, 39, 40, 41}),     // one cell too many on the other side
        entries({38, 39, 40, 41}),         // shifted by one
        entries({25, 26, 27, 28}),         // the row above
        entries({14, 15, 16, 37, 38, 39}), // pieces of two words
        entries({14, 15}),
    };
    for (const Selection& miss : misses) {
        Board board = gatoAndSol();
        board.celdas_seleccion = miss;
        EXPECT_FALSE(matchingSlot(board).has_value()) << ::testing::PrintToString(miss);
        EXPECT_EQ(board.numero, 2);
    }
}

TEST(MatchingSlot, OnlySlotsUpToNumPalabrasTakePart) {
    Board board = gatoAndSol();
    board.placeWord(5, U"PEZ", 100, 3);
    OrdEnar_MatriZ(board);
    board.celdas_seleccion = entries({100, 112, 124});
    EXPECT_FALSE(matchingSlot(board).has_value());
    board.num_palabras = 5;
    board.celdas_seleccion = entries({124, 112, 100});
    EXPECT_EQ(matchingSlot(board), 5);
}

TEST(MatchingSlot, AnEmptySelectionNeverTakesAnUnplacedSlot) {
    Board board = testing::fillerBoard();
    board.placeWord(1, U"SOL", 14, 1); // slot 0 found no room
    OrdEnar_MatriZ(board);
    board.num_palabras = 1;
    board.numero = 1;
    board.celdas_palabra[0][kDirectionPos] = 4; // stale code of an earlier game
    EXPECT_FALSE(matchingSlot(board).has_value());
    EXPECT_EQ(board.numero, 1);
}

TEST(MatchingSlot, AFoundWordNeverMatchesAgain) {
    Board board = gatoAndSol();
    board.celdas_seleccion = entries({37, 38, 39, 40});
    ASSERT_EQ(matchingSlot(board), 0);
    DesaCtivaR(board, 0);
    EXPECT_TRUE(board.encontrada[0]);

    board.celdas_seleccion = entries({37, 38, 39, 40});
    EXPECT_FALSE(matchingSlot(board).has_value());
    board.celdas_seleccion = Selection{}; // the emptied selection of the next click
    EXPECT_FALSE(matchingSlot(board).has_value());
    EXPECT_EQ(board.numero, 1);
}

TEST(MatchingSlot, TwoSlotsWithTheSameWordCountOnce) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"OSO", 1, 1);
    board.placeWord(1, U"OSO", 100, 3);
    OrdEnar_MatriZ(board);
    board.num_palabras = 1;
    board.numero = 2;

    board.celdas_seleccion = entries({124, 112, 100});
    ASSERT_EQ(matchingSlot(board), 1);
    const FoundWord found = DesaCtivaR(board, 1);
    EXPECT_EQ(board.numero, 1);
    const WordList list = ActuAlizAr(board);
    // Both list labels show the found word, so both are toggled by it.
    EXPECT_EQ(list.resultado[0], found.word);
    EXPECT_EQ(list.resultado[1], found.word);
    EXPECT_FALSE(board.encontrada[0]);
    EXPECT_TRUE(board.visible[1]);
}

// ---------------------------------------------------------------- DesaCtivaR

TEST(DesaCtivaR, HidesTheCellsAndEmptiesTheSelection) {
    Board board = gatoAndSol();
    board.celdas_seleccion = entries({38, 40, 37, 39});
    ASSERT_EQ(matchingSlot(board), 0);
    DesaCtivaR(board, 0);

    EXPECT_EQ(board.celdas_seleccion, Selection{});
    for (int cell = 1; cell <= kCells; ++cell) {
        const bool hidden = cell >= 37 && cell <= 40;
        EXPECT_EQ(board.visible[cell], !hidden) << "cell " << cell;
    }
    EXPECT_EQ(board.celdas_palabra[0], (SlotCells{0, 0, 0, 0, 0, 0, 37, 38, 39, 40, 2}));
    EXPECT_EQ(board.letra[40], U'G'); // the letters stay, only hidden
}

TEST(DesaCtivaR, ReadsEveryReverseDirectionFromTheTop) {
    struct Case {
        int first, direction;
    } cases[] = {{100, 4}, {93, 6}, {53, 8}, {40, 2}};
    for (const Case& c : cases) {
        Board board = testing::fillerBoard();
        board.placeWord(0, U"LORO", c.first, c.direction);
        OrdEnar_MatriZ(board);
        board.numero = 1;
        const int step = directionStep(c.direction);
        board.celdas_seleccion =
            entries({c.first, c.first + step, c.first + 2 * step, c.first + 3 * step});
        ASSERT_EQ(matchingSlot(board), 0) << "direction " << c.direction;
        const FoundWord found = DesaCtivaR(board, 0);
        EXPECT_EQ(found.word, Word(U"LORO")) << "direction " << c.direction;
        EXPECT_EQ(found.cells.front(), c.first);
    }
}

TEST(DesaCtivaR, TheCountDownOfTheCounter) {
    Board board = gatoAndSol();
    board.celdas_seleccion = entries({14, 15, 16});
    ASSERT_EQ(matchingSlot(board), 1);
    DesaCtivaR(board, 1);
    EXPECT_EQ(board.numero, 1);
    EXPECT_STREQ(quedanCaption(board.numero), "Queda");
    EXPECT_STREQ(palabrasCaption(board.numero), "palabra");

    board.celdas_seleccion = entries({37, 38, 39, 40});
    ASSERT_EQ(matchingSlot(board), 0);
    DesaCtivaR(board, 0);
    EXPECT_EQ(board.numero, 0);
    EXPECT_STREQ(quedanCaption(board.numero), "Quedan");
    EXPECT_STREQ(palabrasCaption(board.numero), "palabras");
}

TEST(Captions, OneWordIsSingular) {
    EXPECT_STREQ(quedanCaption(2), "Quedan");
    EXPECT_STREQ(palabrasCaption(2), "palabras");
    EXPECT_STREQ(quedanCaption(1), "Queda");
    EXPECT_STREQ(palabrasCaption(1), "palabra");
    EXPECT_STREQ(quedanCaption(0), "Quedan");
    EXPECT_STREQ(palabrasCaption(0), "palabras");
    EXPECT_STREQ(quedanCaption(10), "Quedan");
}

// ---------------------------------------------------------------- whole boards

// Plays generated boards with the pointer: every placed word is found by
// clicking its two ends (alternately first-to-last and last-to-first), and the
// game ends with the counter at zero.
TEST(PlayedBoards, EveryWordIsFoundByClickingItsEnds) {
    const Word line = U"1,\"t\",\"10\",\"abecedario\",\"zanahorias\",\"pingüino\",\"cigüeña\","
                      U"\"ñandú\",\"zorro\",\"oso\",\"pez\",\"yak\",\"ratón\"";
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        testing::SeededRandom random(seed);
        Board board;
        IniCiar(board, random);
        cargar(board, line, 0, random);
        const WordList list = ActuAlizAr(board);
        SelectionState state;

        for (int slot = 0; slot < kSlots; ++slot) {
            if (!board.slotPlaced(slot)) {
                continue;
            }
            std::vector<int> cells;
            for (int p = 0; p < kMaxLetters; ++p) {
                if (board.celdas_palabra[slot][p] != 0) {
                    cells.push_back(board.celdas_palabra[slot][p]);
                }
            }
            const bool backwards = (seed + slot) % 2 == 0;
            const int from = backwards ? cells.back() : cells.front();
            const int to = backwards ? cells.front() : cells.back();
            const int numeroBefore = board.numero;

            clickCell(state, from, board.celdas_seleccion);
            EXPECT_FALSE(matchingSlot(board).has_value()); // the first click finds nothing
            pointerMoved(state, to);
            ASSERT_EQ(clickCell(state, to, board.celdas_seleccion), ClickResult::Built);
            const std::optional<int> match = matchingSlot(board);
            ASSERT_EQ(match, slot);
            const FoundWord found = DesaCtivaR(board, slot);
            EXPECT_EQ(found.word, list.resultado[slot]);
            EXPECT_EQ(board.numero, numeroBefore - 1);
            EXPECT_FALSE(matchingSlot(board).has_value()); // the emptied selection
        }
        EXPECT_EQ(board.numero, 0);
    }
}

} // namespace
} // namespace quenza
