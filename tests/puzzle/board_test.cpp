#include "puzzle/board.h"
#include "test_boards.h"

#include <gtest/gtest.h>

namespace quenza {
namespace {

TEST(CellIndex, RowAndColumnOfCornersAndBack) {
    const struct {
        int cell, row, col;
    } corners[] = {{1, 0, 0}, {12, 0, 11}, {13, 1, 0}, {133, 11, 0}, {144, 11, 11}};
    for (const auto& c : corners) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(row0(c.cell), c.row);
        EXPECT_EQ(col0(c.cell), c.col);
    }
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_EQ(cellAt(row0(cell) + 1, col0(cell) + 1), cell) << "cell " << cell;
    }
}

TEST(PlaceWord, WritesLettersAlongTheDirectionInPlacementOrder) {
    Board board = testing::fillerBoard();
    board.celdas_palabra[5][kDirectionPos] = 7; // a stale code alone is no placed word
    board.placeWord(3, U"GATO", 40, 2);

    EXPECT_EQ(board.celdas_palabra[3], (SlotCells{40, 39, 38, 37, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(Word({board.letra[40], board.letra[39], board.letra[38], board.letra[37]}),
              Word(U"GATO"));
    EXPECT_EQ(board.letra[36], U'N'); // the neighbours keep their filler
    EXPECT_EQ(board.letra[41], U'H');
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_EQ(board.celda_libre[cell], cell < 37 || cell > 40) << "cell " << cell;
    }
    EXPECT_TRUE(board.slotPlaced(3));
    EXPECT_FALSE(board.slotPlaced(2));
    EXPECT_FALSE(board.slotPlaced(5));
}

} // namespace
} // namespace quenza
