#include "puzzle/generation.h"
#include "puzzle/worksheet_layout.h"
#include "test_boards.h"

#include <gtest/gtest.h>

namespace quenza {
namespace {

constexpr PaperSize kPapers[] = {kA4Paper, kLetterPaper};
constexpr double kLeastMargin = 36; // half an inch: what any printer can reach

bool inside(const PageBox& inner, const PageBox& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool overlap(const PageBox& a, const PageBox& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

PageBox printable(PaperSize paper) {
    return {kLeastMargin, kLeastMargin, paper.width - 2 * kLeastMargin,
            paper.height - 2 * kLeastMargin};
}

TEST(PuzzlePage, LargeEvenGridThenWordsThenFooterWithinTheMargins) {
    for (const PaperSize paper : kPapers) {
        for (int words = 0; words <= kSlots; ++words) {
            const PuzzlePage page = puzzlePage(paper, words);
            const PageBox area = printable(paper);
            EXPECT_GE(page.grid.letterSize, 14);
            EXPECT_LT(page.grid.letterSize, page.grid.cell * 0.7);
            EXPECT_DOUBLE_EQ(page.grid.box.width, kSide * page.grid.cell);
            EXPECT_DOUBLE_EQ(page.grid.box.height, kSide * page.grid.cell);
            // Cells tile the grid: the last one ends at its corner.
            const PageBox last = page.grid.cellBox(kCells);
            EXPECT_DOUBLE_EQ(last.right(), page.grid.box.right());
            EXPECT_DOUBLE_EQ(last.bottom(), page.grid.box.bottom());
            EXPECT_DOUBLE_EQ(page.grid.cellBox(13).y - page.grid.cellBox(1).y, page.grid.cell);

            for (const PageBox& box : {page.title.box, page.grid.box, page.footer.box}) {
                EXPECT_TRUE(inside(box, area));
            }
            EXPECT_LE(page.title.box.bottom(), page.grid.box.y);
            ASSERT_EQ(page.words.size(), static_cast<size_t>(words));
            for (size_t w = 0; w < page.words.size(); ++w) {
                const PageBox& box = page.words[w].box;
                EXPECT_TRUE(inside(box, area));
                EXPECT_GE(page.words[w].size, 14);
                EXPECT_GE(box.y, page.grid.box.bottom());
                EXPECT_LE(box.bottom(), page.footer.box.y);
                for (size_t other = 0; other < w; ++other) {
                    EXPECT_FALSE(overlap(box, page.words[other].box)) << w << " " << other;
                }
            }
        }
    }
}

TEST(KeyPage, UpToSixKeysSideBySideAboveTheFooterOrOneAsLargeAsItsPuzzle) {
    for (const PaperSize paper : kPapers) {
        EXPECT_EQ(keyPage(paper, 2).keys.size(), 2u);
        const KeyPage alone = keyPage(paper, 1);
        ASSERT_EQ(alone.keys.size(), 1u);
        EXPECT_DOUBLE_EQ(alone.keys[0].grid.cell, puzzlePage(paper, kSlots).grid.cell);
        const KeyPage page = keyPage(paper, kKeysPerPage + 3);
        ASSERT_EQ(page.keys.size(), static_cast<size_t>(kKeysPerPage));
        for (size_t k = 0; k < page.keys.size(); ++k) {
            const KeyPlace& key = page.keys[k];
            EXPECT_TRUE(inside(key.title.box, printable(paper)));
            EXPECT_TRUE(inside(key.grid.box, printable(paper)));
            EXPECT_LE(key.title.box.bottom(), key.grid.box.y);
            EXPECT_LE(key.grid.box.bottom(), page.footer.box.y);
            for (size_t other = 0; other < k; ++other) {
                EXPECT_FALSE(overlap(key.grid.box, page.keys[other].grid.box));
                EXPECT_FALSE(overlap(key.title.box, page.keys[other].grid.box));
            }
        }
        // Reading order: the second key sits right of the first, the third under it.
        EXPECT_GT(page.keys[1].grid.box.x, page.keys[0].grid.box.right());
        EXPECT_GT(page.keys[2].grid.box.y, page.keys[0].grid.box.bottom());
    }
}

TEST(KeyBands, RunFromEndToEndOfEachPlacedWord) {
    Board board = testing::fillerBoard();
    board.placeWord(0, U"SOL", cellAt(2, 5), 2);  // right to left, row 2
    board.placeWord(1, U"MAR", cellAt(4, 4), 3);  // downwards, column 4
    board.placeWord(2, U"RÍO", cellAt(12, 1), 4); // upwards, column 1
    board.placeWord(3, U"PAZ", cellAt(9, 2), 8);  // up and to the right
    board.placeWord(5, U"A", cellAt(11, 11), 7);
    sortSlots(board);
    const GridPlace grid = keyPage(kA4Paper, 1).keys[0].grid;
    const std::vector<Band> bands = keyBands(board, grid);
    ASSERT_EQ(bands.size(), 5u);

    const auto centre = [&grid](int row, int col) { return grid.cellCentre(cellAt(row, col)); };
    const struct {
        PagePoint from, to;
    } expected[] = {
        {centre(2, 3), centre(2, 5)},     {centre(4, 4), centre(6, 4)},
        {centre(10, 1), centre(12, 1)},   {centre(7, 4), centre(9, 2)},
        {centre(11, 11), centre(11, 11)},
    };
    for (size_t b = 0; b < bands.size(); ++b) {
        EXPECT_DOUBLE_EQ(bands[b].from.x, expected[b].from.x) << b;
        EXPECT_DOUBLE_EQ(bands[b].from.y, expected[b].from.y) << b;
        EXPECT_DOUBLE_EQ(bands[b].to.x, expected[b].to.x) << b;
        EXPECT_DOUBLE_EQ(bands[b].to.y, expected[b].to.y) << b;
        // Round ends keep within the word's own cells; the band holds a letter.
        EXPECT_LT(bands[b].width, grid.cell);
        EXPECT_GT(bands[b].width, grid.letterSize);
    }
}

TEST(WorksheetPages, OnePerSheetThenSixKeysAPage) {
    EXPECT_EQ(worksheetPageCount(1, true), 2);
    EXPECT_EQ(worksheetPageCount(6, true), 7);
    EXPECT_EQ(worksheetPageCount(7, true), 9);
    EXPECT_EQ(worksheetPageCount(100, true), 117);
    EXPECT_EQ(worksheetPageCount(7, false), 7);
}

} // namespace
} // namespace quenza
