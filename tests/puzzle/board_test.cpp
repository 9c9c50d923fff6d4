#include "puzzle/board.h"
#include "puzzle/text.h"
#include "test_boards.h"

#include <gtest/gtest.h>

namespace quenza {
namespace {

TEST(CellIndex, RowAndColumnOfCorners) {
    EXPECT_EQ(row0(1), 0);
    EXPECT_EQ(col0(1), 0);
    EXPECT_EQ(row0(12), 0);
    EXPECT_EQ(col0(12), 11);
    EXPECT_EQ(row0(13), 1);
    EXPECT_EQ(col0(13), 0);
    EXPECT_EQ(row0(133), 11);
    EXPECT_EQ(col0(133), 0);
    EXPECT_EQ(row0(144), 11);
    EXPECT_EQ(col0(144), 11);
}

TEST(CellIndex, CellAtIsTheInverseOfRowAndColumn) {
    EXPECT_EQ(cellAt(1, 12), 12);
    EXPECT_EQ(cellAt(2, 1), 13);
    EXPECT_EQ(cellAt(4, 4), 40);
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_EQ(cellAt(row0(cell) + 1, col0(cell) + 1), cell) << "cell " << cell;
    }
}

TEST(Direction, StepsAndReadingOrder) {
    const int steps[] = {0, +1, -1, +12, -12, +13, -13, +11, -11};
    for (int code = 1; code <= 8; ++code) {
        EXPECT_EQ(directionStep(code), steps[code]) << "code " << code;
        EXPECT_EQ(isReverseDirection(code), code % 2 == 0) << "code " << code;
    }
}

TEST(Direction, DiagonalStepsMoveOneRowAndOneColumn) {
    const int from = cellAt(6, 6);
    const struct {
        int code, dRow, dCol;
    } moves[] = {{5, 1, 1}, {6, -1, -1}, {7, 1, -1}, {8, -1, 1}};
    for (const auto& m : moves) {
        const int to = from + directionStep(m.code);
        EXPECT_EQ(row0(to) - row0(from), m.dRow) << "code " << m.code;
        EXPECT_EQ(col0(to) - col0(from), m.dCol) << "code " << m.code;
    }
}

TEST(BoardFromRows, ReadsTheLettersRowByRow) {
    std::array<std::string_view, kSide> rows{};
    rows.fill("ABCDEFGHIJKL");
    rows[1] = "ÑBCDEFGHIJKÁ";
    const Board board = Board::fromRows(rows);
    EXPECT_EQ(board.letra[1], U'A');
    EXPECT_EQ(board.letra[12], U'L');
    EXPECT_EQ(board.letra[13], U'Ñ');
    EXPECT_EQ(board.letra[24], U'Á');
    EXPECT_EQ(board.letra[144], U'L');
    for (int cell = 1; cell <= kCells; ++cell) {
        EXPECT_TRUE(board.visible[cell]) << "cell " << cell;
        EXPECT_TRUE(board.celda_libre[cell]) << "cell " << cell;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        EXPECT_FALSE(board.slotPlaced(slot)) << "slot " << slot;
    }
}

TEST(PlaceWord, WritesLettersAlongTheDirectionInPlacementOrder) {
    Board board = testing::fillerBoard();
    board.placeWord(3, U"GATO", 40, 2);

    const SlotCells& slot = board.celdas_palabra[3];
    EXPECT_EQ(slot[0], 40);
    EXPECT_EQ(slot[1], 39);
    EXPECT_EQ(slot[2], 38);
    EXPECT_EQ(slot[3], 37);
    for (int p = 4; p < kMaxLetters; ++p) {
        EXPECT_EQ(slot[p], 0) << "position " << p;
    }
    EXPECT_EQ(slot[kDirectionPos], 2);
    EXPECT_EQ(toUtf8(Word{board.letra[40], board.letra[39], board.letra[38], board.letra[37]}),
              "GATO");
    EXPECT_TRUE(board.slotPlaced(3));
    EXPECT_FALSE(board.slotPlaced(2));

    for (int cell = 1; cell <= kCells; ++cell) {
        const bool taken = cell >= 37 && cell <= 40;
        EXPECT_EQ(board.celda_libre[cell], !taken) << "cell " << cell;
    }
    EXPECT_EQ(board.letra[36], U'N'); // the neighbours keep their filler
    EXPECT_EQ(board.letra[41], U'H');
}

TEST(PlaceWord, VerticalWordInTheLastColumn) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"SOL", 12, 3);
    EXPECT_EQ(board.letra[12], U'S');
    EXPECT_EQ(board.letra[24], U'O');
    EXPECT_EQ(board.letra[36], U'L');
    EXPECT_EQ(board.celdas_palabra[0][kDirectionPos], 3);
}

TEST(PlaceWord, AStaleDirectionCodeAloneIsNoPlacedWord) {
    Board board = testing::fillerBoard();
    board.celdas_palabra[5][kDirectionPos] = 7;
    EXPECT_FALSE(board.slotPlaced(5));
}

} // namespace
} // namespace quenza
