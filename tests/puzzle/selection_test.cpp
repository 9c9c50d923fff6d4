#include "puzzle/selection.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quenza {
namespace {

CellSet cells(std::initializer_list<int> list) {
    CellSet set;
    for (int cell : list) {
        set.set(cell);
    }
    return set;
}

Selection entries(const std::vector<int>& list) {
    Selection selection{};
    std::copy(list.begin(), list.end(), selection.begin());
    return selection;
}

// The player's gesture: click `from`, move the pointer to `to`, click `to`.
TEST(Selection, ClickMoveClickBuildsTheLineFromTheFirstClick) {
    const struct {
        int from, to;
        const char* direction;
        int run;                 // cells in the previewed line
        std::vector<int> picked; // the selection built
    } cases[] = {
        {14, 18, "horizontal", 5, {14, 15, 16, 17, 18}},
        {18, 14, "horizontal", 5, {14, 15, 16, 17, 18}}, // always left to right
        {40, 4, "vertical", 4, {40, 28, 16, 4}},
        {12, 48, "vertical", 4, {12, 24, 36, 48}}, // the last column
        {1, 40, "diagonal", 4, {1, 14, 27, 40}},   // +13
        {40, 1, "diagonal", 4, {40, 27, 14, 1}},   // -13
        {12, 45, "diagonal", 4, {12, 23, 34, 45}}, // +11
        {45, 12, "diagonal", 4, {45, 34, 23, 12}}, // -11
        {1, 15, "ninguna", 1, {}},                 // a knight's move
        {3, 12, "horizontal", 10, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {109, 1, "vertical", 10, {109, 97, 85, 73, 61, 49, 37, 25, 13, 1}},
        {1, 118, "diagonal", 10, {1, 14, 27, 40, 53, 66, 79, 92, 105, 118}},
        // Eleven or twelve cells can never be a word: nothing is selected.
        {2, 12, "horizontal", 11, {}},
        {13, 133, "vertical", 11, {}},
        {14, 144, "diagonal", 11, {}},
        {133, 12, "diagonal", 12, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from << " to " << c.to);
        SelectionState state;
        Selection selection;
        selection.fill(99); // whatever an earlier selection left
        EXPECT_EQ(clickCell(state, c.from, selection), ClickResult::Started);
        const CellSet preview = pointerMoved(state, c.to);
        EXPECT_EQ(state.direccion_seleccion, c.direction);
        EXPECT_EQ(preview.count(), static_cast<std::size_t>(c.run));
        EXPECT_TRUE(preview.test(c.from));
        EXPECT_EQ(preview.test(c.to), c.run > 1);
        for (int cell : c.picked) {
            EXPECT_TRUE(preview.test(cell)) << "cell " << cell;
        }
        EXPECT_EQ(clickCell(state, c.to, selection), ClickResult::Built);
        EXPECT_EQ(selection, entries(c.picked));
        EXPECT_EQ(state.celda_inicio, 0);
        EXPECT_EQ(state.celda_fin, 0);
    }
}

TEST(Selection, ThePointerIsTrackedOnlyWhileAStartCellIsSet) {
    SelectionState state;
    Selection selection{};
    EXPECT_EQ(pointerMoved(state, 50), CellSet{});
    EXPECT_EQ(state.celda_raton, 0);
    EXPECT_EQ(state.direccion_seleccion, "ninguna");

    clickCell(state, 5, selection);
    EXPECT_EQ(pointerMoved(state, 5), cells({5})); // the start cell alone reads "diagonal"
    EXPECT_EQ(state.direccion_seleccion, "diagonal");
    EXPECT_EQ(state.celda_raton, 5);
    EXPECT_EQ(pointerMoved(state, 7), cells({5, 6, 7}));
    EXPECT_EQ(pointerMoved(state, 30), cells({5})); // no straight line
    EXPECT_EQ(state.direccion_seleccion, "ninguna");
    EXPECT_EQ(state.celda_raton, 30);
}

TEST(Selection, TheLastPointerMoveDecidesTheShape) {
    SelectionState state;
    Selection selection{};
    clickCell(state, 14, selection);
    pointerMoved(state, 18);
    EXPECT_EQ(clickCell(state, 16, selection), ClickResult::Built);
    EXPECT_EQ(selection, entries({14, 15, 16}));

    // A diagonal must still hold at the second click.
    clickCell(state, 1, selection);
    pointerMoved(state, 40);
    EXPECT_EQ(clickCell(state, 41, selection), ClickResult::Built);
    EXPECT_EQ(selection, Selection{});
}

// Clicking the start cell again or cancelling with the keyboard.
TEST(Selection, CancellingDropsTheStartCellButKeepsTheLastLine) {
    SelectionState state;
    Selection selection = entries({37, 38, 39, 40});
    EXPECT_FALSE(cancelSelection(state)); // nothing open
    clickCell(state, 30, selection);
    pointerMoved(state, 30);
    EXPECT_EQ(clickCell(state, 30, selection), ClickResult::Cancelled);
    EXPECT_EQ(state.celda_inicio, 0);
    EXPECT_EQ(pointerMoved(state, 31), CellSet{}); // the next move clears the colours

    clickCell(state, 30, selection);
    pointerMoved(state, 33);
    EXPECT_TRUE(cancelSelection(state));
    EXPECT_EQ(state.celda_inicio, 0);
    EXPECT_EQ(state.celda_fin, 0);
    EXPECT_EQ(selection, entries({37, 38, 39, 40}));
    EXPECT_FALSE(cancelSelection(state));

    // The next click opens a new selection rather than ending the old one.
    EXPECT_EQ(clickCell(state, 33, selection), ClickResult::Started);
    EXPECT_EQ(state.celda_inicio, 33);
}

CellSet allBut(std::initializer_list<int> hidden) {
    CellSet shown;
    shown.set();
    shown.reset(0);
    for (int cell : hidden) {
        shown.reset(static_cast<size_t>(cell));
    }
    return shown;
}

TEST(Selection, TheCursorStepsToTheNextShownCellAndStopsAtTheEdges) {
    const CellSet full = allBut({});
    EXPECT_EQ(cursorStep(14, CursorMove::Left, full), 13);
    EXPECT_EQ(cursorStep(14, CursorMove::Right, full), 15);
    EXPECT_EQ(cursorStep(14, CursorMove::Up, full), 2);
    EXPECT_EQ(cursorStep(14, CursorMove::Down, full), 26);
    // No wrapping onto the next or the previous row, nor round the columns.
    EXPECT_EQ(cursorStep(13, CursorMove::Left, full), 13);
    EXPECT_EQ(cursorStep(12, CursorMove::Right, full), 12);
    EXPECT_EQ(cursorStep(5, CursorMove::Up, full), 5);
    EXPECT_EQ(cursorStep(140, CursorMove::Down, full), 140);

    // Found letters are jumped over, in their row or their column only.
    const CellSet found = allBut({15, 16, 17, 26, 38, 50});
    EXPECT_EQ(cursorStep(14, CursorMove::Right, found), 18);
    EXPECT_EQ(cursorStep(18, CursorMove::Left, found), 14);
    EXPECT_EQ(cursorStep(14, CursorMove::Down, found), 62);
    EXPECT_EQ(cursorStep(62, CursorMove::Up, found), 14);

    // Nothing shown beyond: the cursor stays, even on a hidden cell of its own.
    const CellSet rowEnd = allBut({10, 11, 12, 24, 36, 48, 60, 72, 84, 96, 108, 120, 132, 144});
    EXPECT_EQ(cursorStep(9, CursorMove::Right, rowEnd), 9);
    EXPECT_EQ(cursorStep(11, CursorMove::Right, rowEnd), 11);
    EXPECT_EQ(cursorStep(11, CursorMove::Left, rowEnd), 9);
    EXPECT_EQ(cursorStep(12, CursorMove::Down, rowEnd), 12);
}

TEST(Selection, TheCursorStartsOnTheFirstShownCell) {
    EXPECT_EQ(firstShownCell(allBut({})), 1);
    EXPECT_EQ(firstShownCell(allBut({1, 2, 3})), 4);
    EXPECT_EQ(firstShownCell(CellSet{}), 0);
}

} // namespace
} // namespace quenza
