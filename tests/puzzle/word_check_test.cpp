#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/selection.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "puzzle/word_check.h"
#include "test_boards.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quenza {
namespace {

Selection entries(const std::vector<int>& list) {
    Selection selection{};
    std::copy(list.begin(), list.end(), selection.begin());
    return selection;
}

// GATO right to left on 40..37 in slot 0, SOL left to right on 14..16 in slot 1.
Board gatoAndSol() {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"GATO", 40, 2);
    board.placeWord(1, U"SOL", 14, 1);
    sortSlots(board);
    board.num_palabras = 1;
    board.numero = 2;
    return board;
}

TEST(WordCheck, AWordIsFoundFromEitherEndAndReadInItsDirection) {
    const struct {
        Word word;
        int direction;
        std::vector<int> cells; // in reading order
    } cases[] = {
        {U"GATO", 2, {40, 39, 38, 37}},  {U"SOL", 1, {14, 15, 16}},
        {U"LORO", 4, {100, 88, 76, 64}}, {U"LORO", 6, {93, 80, 67, 54}},
        {U"LORO", 8, {53, 42, 31, 20}},  {U"OSO", 7, {20, 31, 42}},
    };
    for (const auto& c : cases) {
        for (const bool backwards : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << toUtf8(c.word) << " dir " << c.direction << " backwards " << backwards);
            Board board = testing::fillerBoard();
            board.placeWord(0, U"PEZ", 133, 1);
            board.placeWord(1, c.word, c.cells.front(), c.direction);
            sortSlots(board);
            board.num_palabras = 1;
            board.numero = 2;
            board.celdas_seleccion =
                entries(backwards ? std::vector<int>(c.cells.rbegin(), c.cells.rend()) : c.cells);

            ASSERT_EQ(matchingSlot(board), 1);
            const FoundWord found = markWordFound(board, 1);
            EXPECT_EQ(found.word, c.word);
            EXPECT_EQ(found.word, readWordList(board).resultado[1]);
            EXPECT_EQ(found.cells, c.cells);
            EXPECT_EQ(board.celdas_seleccion, Selection{});
            EXPECT_EQ(board.numero, 1);
            for (int cell = 1; cell <= kCells; ++cell) {
                const bool hidden = std::count(c.cells.begin(), c.cells.end(), cell) > 0;
                EXPECT_EQ(board.visible[cell], !hidden) << "cell " << cell;
            }
            EXPECT_EQ(board.letra[c.cells.front()], c.word.front()); // hidden, not erased
        }
    }
}

TEST(WordCheck, NearMissesFindNothing) {
    const std::vector<int> misses[] = {
        {38, 39, 40},             // three of the four cells
        {36, 37, 38, 39, 40},     // one cell too many
        {37, 38, 39, 40, 41},     // one cell too many on the other side
        {38, 39, 40, 41},         // shifted by one
        {25, 26, 27, 28},         // the row above
        {14, 15, 16, 37, 38, 39}, // pieces of two words
        {14, 15},
    };
    for (const std::vector<int>& miss : misses) {
        Board board = gatoAndSol();
        board.celdas_seleccion = entries(miss);
        EXPECT_FALSE(matchingSlot(board).has_value()) << ::testing::PrintToString(miss);
        EXPECT_EQ(board.numero, 2);
    }
}

TEST(WordCheck, UnplacedFoundAndOutOfThemeSlotsNeverMatch) {
    Board board = gatoAndSol();
    board.celdas_palabra[2][kDirectionPos] = 4; // slot 2 found no room; stale code
    board.placeWord(5, U"PEZ", 100, 3);         // a slot beyond the theme's words
    sortSlots(board);
    board.num_palabras = 2;
    EXPECT_FALSE(matchingSlot(board).has_value()); // the empty selection of a new board
    board.celdas_seleccion = entries({100, 112, 124});
    EXPECT_FALSE(matchingSlot(board).has_value());
    board.num_palabras = 5;
    board.celdas_seleccion = entries({124, 112, 100});
    EXPECT_EQ(matchingSlot(board), 5);

    board.celdas_seleccion = entries({37, 38, 39, 40});
    ASSERT_EQ(matchingSlot(board), 0);
    markWordFound(board, 0);
    EXPECT_TRUE(board.encontrada[0]);
    board.celdas_seleccion = entries({37, 38, 39, 40}); // the found word once more
    EXPECT_FALSE(matchingSlot(board).has_value());
    EXPECT_EQ(board.numero, 1);
}

TEST(WordCheck, TwoSlotsWithTheSameWordCountOnce) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"OSO", 1, 1);
    board.placeWord(1, U"OSO", 100, 3);
    sortSlots(board);
    board.num_palabras = 1;
    board.numero = 2;

    board.celdas_seleccion = entries({124, 112, 100});
    ASSERT_EQ(matchingSlot(board), 1);
    const FoundWord found = markWordFound(board, 1);
    EXPECT_EQ(board.numero, 1);
    // Both list labels show the found word, so both are toggled by it.
    const WordList list = readWordList(board);
    EXPECT_EQ(list.resultado[0], found.word);
    EXPECT_EQ(list.resultado[1], found.word);
    EXPECT_FALSE(board.encontrada[0]);
    EXPECT_TRUE(board.visible[1]);
}

} // namespace
} // namespace quenza
