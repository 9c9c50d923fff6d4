#include "puzzle/selection.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace quenza {
namespace {

CellSet cells(std::initializer_list<int> list) {
    CellSet set;
    for (int cell : list) {
        set.set(cell);
    }
    return set;
}

CellSet range(int first, int last) {
    CellSet set;
    for (int cell = first; cell <= last; ++cell) {
        set.set(cell);
    }
    return set;
}

Selection entries(std::initializer_list<int> list) {
    Selection selection{};
    int k = 0;
    for (int cell : list) {
        selection[k++] = static_cast<std::int16_t>(cell);
    }
    return selection;
}

// The player's gesture: click `from`, move the pointer to `to`, click it.
struct Gesture {
    CellSet preview;
    std::string direction;
    ClickResult result = ClickResult::Started;
    Selection selection{};
    SelectionState after;
};

Gesture drag(int from, int to) {
    Gesture g;
    SelectionState state;
    g.selection.fill(99); // whatever an earlier selection left
    EXPECT_EQ(clickCell(state, from, g.selection), ClickResult::Started);
    g.preview = pointerMoved(state, to);
    g.direction = state.direccion_seleccion;
    g.result = clickCell(state, to, g.selection);
    g.after = state;
    return g;
}

void expectBuilt(const Gesture& g, const Selection& expected) {
    EXPECT_EQ(g.result, ClickResult::Built);
    EXPECT_EQ(g.selection, expected);
    EXPECT_EQ(g.after.celda_inicio, 0);
    EXPECT_EQ(g.after.celda_fin, 0);
}

// ---------------------------------------------------------------- straight lines

TEST(Selection, HorizontalAlwaysListsTheCellsLeftToRight) {
    const Gesture right = drag(14, 18);
    EXPECT_EQ(right.direction, "horizontal");
    EXPECT_EQ(right.preview, range(14, 18));
    expectBuilt(right, entries({14, 15, 16, 17, 18}));

    const Gesture left = drag(18, 14);
    EXPECT_EQ(left.direction, "horizontal");
    EXPECT_EQ(left.preview, range(14, 18));
    expectBuilt(left, entries({14, 15, 16, 17, 18}));
}

TEST(Selection, VerticalStartsAtTheFirstClick) {
    const Gesture up = drag(40, 4);
    EXPECT_EQ(up.direction, "vertical");
    EXPECT_EQ(up.preview, cells({40, 28, 16, 4}));
    expectBuilt(up, entries({40, 28, 16, 4}));

    const Gesture down = drag(4, 40);
    EXPECT_EQ(down.preview, cells({4, 16, 28, 40}));
    expectBuilt(down, entries({4, 16, 28, 40}));
}

TEST(Selection, VerticalInTheLastColumn) {
    const Gesture down = drag(12, 48);
    EXPECT_EQ(down.direction, "vertical");
    EXPECT_EQ(down.preview, cells({12, 24, 36, 48}));
    expectBuilt(down, entries({12, 24, 36, 48}));

    const Gesture up = drag(60, 24);
    EXPECT_EQ(up.preview, cells({60, 48, 36, 24}));
    expectBuilt(up, entries({60, 48, 36, 24}));
}

TEST(Selection, DiagonalDownRightAndBack) {
    const Gesture down = drag(1, 40);
    EXPECT_EQ(down.direction, "diagonal");
    EXPECT_EQ(down.preview, cells({1, 14, 27, 40}));
    expectBuilt(down, entries({1, 14, 27, 40}));

    const Gesture up = drag(40, 1);
    EXPECT_EQ(up.direction, "diagonal");
    EXPECT_EQ(up.preview, cells({1, 14, 27, 40}));
    expectBuilt(up, entries({40, 27, 14, 1}));
}

TEST(Selection, DiagonalDownLeftAndBack) {
    const Gesture down = drag(12, 45);
    EXPECT_EQ(down.direction, "diagonal");
    EXPECT_EQ(down.preview, cells({12, 23, 34, 45}));
    expectBuilt(down, entries({12, 23, 34, 45}));

    const Gesture up = drag(45, 12);
    EXPECT_EQ(up.preview, cells({12, 23, 34, 45}));
    expectBuilt(up, entries({45, 34, 23, 12}));
}

TEST(Selection, NoStraightLineBuildsAnEmptySelection) {
    const Gesture g = drag(1, 15);
    EXPECT_EQ(g.direction, "ninguna");
    EXPECT_EQ(g.preview, cells({1}));
    expectBuilt(g, Selection{});
}

// ---------------------------------------------------------------- runs too long for a word

TEST(Selection, RunsOfElevenOrTwelveCellsBuildNothing) {
    expectBuilt(drag(1, 12), Selection{});   // whole row
    expectBuilt(drag(2, 12), Selection{});   // eleven cells
    expectBuilt(drag(1, 133), Selection{});  // whole column
    expectBuilt(drag(13, 133), Selection{}); // eleven rows
    expectBuilt(drag(144, 12), Selection{}); // last column upwards
    expectBuilt(drag(1, 144), Selection{});  // main diagonal
    expectBuilt(drag(14, 144), Selection{}); // eleven diagonal cells
    expectBuilt(drag(12, 133), Selection{}); // other diagonal
    expectBuilt(drag(133, 12), Selection{});
}

TEST(Selection, TenCellsStillFit) {
    expectBuilt(drag(3, 12), entries({3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    expectBuilt(drag(109, 1), entries({109, 97, 85, 73, 61, 49, 37, 25, 13, 1}));
    expectBuilt(drag(1, 118), entries({1, 14, 27, 40, 53, 66, 79, 92, 105, 118}));
}

TEST(Selection, ThePreviewIsNotLimitedToTenCells) {
    EXPECT_EQ(drag(1, 12).preview, range(1, 12));
    EXPECT_EQ(drag(12, 133).preview, cells({12, 23, 34, 45, 56, 67, 78, 89, 100, 111, 122, 133}));
}

// ---------------------------------------------------------------- clicks

TEST(Selection, ClickingTheStartCellAgainCancels) {
    SelectionState state;
    Selection selection = entries({37, 38, 39, 40});
    EXPECT_EQ(clickCell(state, 30, selection), ClickResult::Started);
    EXPECT_EQ(state.celda_inicio, 30);
    EXPECT_EQ(state.celda_fin, 0);
    pointerMoved(state, 30);
    EXPECT_EQ(clickCell(state, 30, selection), ClickResult::Cancelled);
    EXPECT_EQ(state.celda_inicio, 0);
    EXPECT_EQ(state.celda_fin, 0);
    EXPECT_EQ(selection, entries({37, 38, 39, 40})); // only a completed line rebuilds it

    EXPECT_EQ(pointerMoved(state, 31), CellSet{}); // the next move clears the colours
    EXPECT_EQ(clickCell(state, 31, selection), ClickResult::Started);
}

TEST(Selection, PointerOverTheStartCellReadsDiagonal) {
    SelectionState state;
    Selection selection{};
    clickCell(state, 5, selection);
    EXPECT_EQ(pointerMoved(state, 5), cells({5}));
    EXPECT_EQ(state.direccion_seleccion, "diagonal");
    EXPECT_EQ(state.celda_raton, 5);
}

TEST(Selection, PointerIsTrackedOnlyWhileAStartCellIsSet) {
    SelectionState state;
    Selection selection{};
    EXPECT_EQ(pointerMoved(state, 50), CellSet{});
    EXPECT_EQ(state.celda_raton, 0);
    EXPECT_EQ(state.direccion_seleccion, "ninguna");

    clickCell(state, 1, selection);
    EXPECT_EQ(pointerMoved(state, 3), range(1, 3));
    EXPECT_EQ(state.celda_raton, 3);
    EXPECT_EQ(pointerMoved(state, 26), cells({1}));
    EXPECT_EQ(state.direccion_seleccion, "ninguna");
    EXPECT_EQ(state.celda_raton, 26);
}

TEST(Selection, TheLastPointerMoveDecidesTheShape) {
    SelectionState state;
    Selection selection{};
    clickCell(state, 14, selection);
    pointerMoved(state, 18);
    EXPECT_EQ(clickCell(state, 16, selection), ClickResult::Built);
    EXPECT_EQ(selection, entries({14, 15, 16}));
}

TEST(Selection, ADiagonalMustStillHoldAtTheSecondClick) {
    SelectionState state;
    Selection selection = entries({1, 2, 3});
    clickCell(state, 1, selection);
    pointerMoved(state, 40);
    EXPECT_EQ(clickCell(state, 41, selection), ClickResult::Built);
    EXPECT_EQ(selection, Selection{});
}

TEST(Selection, ANewSelectionStartsAfterOneIsBuilt) {
    SelectionState state;
    Selection selection{};
    clickCell(state, 14, selection);
    pointerMoved(state, 16);
    clickCell(state, 16, selection);
    EXPECT_EQ(clickCell(state, 50, selection), ClickResult::Started);
    EXPECT_EQ(state.celda_inicio, 50);
    EXPECT_EQ(selection, entries({14, 15, 16})); // kept until the next line is built
}

} // namespace
} // namespace quenza
