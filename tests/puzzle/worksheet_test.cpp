#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/played_log.h"
#include "puzzle/theme.h"
#include "puzzle/worksheet.h"
#include "puzzle/worksheet_layout.h"

#include <gtest/gtest.h>
#include <set>

namespace quenza {
namespace {

using testing::SeededRandom;

const std::vector<Word> kLibrary = {
    U"1,\"animales\",\"3\",\"perro\",\"gato\",\"vaca\"",
    U"2,\"frutas\",\"2\",\"pera\",\"uva\"",
    U"3,\"nada\",\"0\"",
    U"4,\"colores\",\"3\",\"rojo\",\"azul\",\"añil\"",
    U"5,\"largas\",\"1\",\"electrodomésticos\"",
    U"6,\"meses\",\"2\",\"enero\",\"mayo\"",
};
const std::set<int> kPlayableLines = {1, 2, 4, 6};

class NoLog final : public PlayedLogFile {
public:
    void append(int) override {}
    void clear() override {}
};

// The sheets are the boards a run of traditional games would deal out with
// the same draws: filled, a theme drawn, its words placed in any direction.
TEST(WorksheetBoards, AreTheBoardsTheGameDeals) {
    const std::vector<Word> playable = {kLibrary[0], kLibrary[1], kLibrary[3], kLibrary[5]};
    SeededRandom random(11);
    const WorksheetBoards boards = makeWorksheetBoards(playable, {3, 0}, random);
    ASSERT_EQ(boards.problem, WorksheetProblem::None);
    ASSERT_EQ(boards.sheets.size(), 3u);

    SeededRandom game(11);
    PlayedThemes played{};
    NoLog log;
    for (const WorksheetSheet& sheet : boards.sheets) {
        Board board;
        fillBoard(board, game);
        const int theme = drawUnplayedTheme(4, played, log, game);
        placeTheme(board, playable[static_cast<size_t>(theme - 1)], 0, game);
        EXPECT_EQ(sheet.themeLine, theme);
        EXPECT_EQ(sheet.board.letra, board.letra);
        EXPECT_EQ(sheet.board.celdas_palabra, board.celdas_palabra);
        EXPECT_EQ(sheet.board.titulo, board.titulo);
    }
}

TEST(WorksheetBoards, EachSheetHasAnotherPlayableThemeOrANewBoardOfTheChosenOne) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        SeededRandom random(seed);
        const WorksheetBoards boards = makeWorksheetBoards(kLibrary, {4, 0}, random);
        ASSERT_EQ(boards.problem, WorksheetProblem::None) << seed;
        EXPECT_EQ(boards.playableThemes, 4);
        std::set<int> lines;
        for (const WorksheetSheet& sheet : boards.sheets) {
            EXPECT_GT(sheet.board.numero, 0);
            lines.insert(sheet.themeLine);
        }
        EXPECT_EQ(lines, kPlayableLines) << seed;
    }
    SeededRandom random(5);
    const WorksheetBoards chosen = makeWorksheetBoards(kLibrary, {2, 4}, random);
    ASSERT_EQ(chosen.sheets.size(), 2u);
    for (const WorksheetSheet& sheet : chosen.sheets) {
        EXPECT_EQ(sheet.themeLine, 4);
        EXPECT_EQ(wordsToFind(sheet.board), (std::vector<Word>{U"ROJO", U"AZUL", U"AÑIL"}));
    }
    EXPECT_NE(chosen.sheets[0].board.letra, chosen.sheets[1].board.letra);
}

// The command line's refusals name each problem; here, where each one starts.
TEST(WorksheetBoards, ProblemsGiveNoSheets) {
    const struct {
        std::vector<Word> library;
        WorksheetRequest request;
        WorksheetProblem problem;
    } cases[] = {
        {kLibrary, {4, 6}, WorksheetProblem::None},
        {kLibrary, {5, 0}, WorksheetProblem::TooFewThemes},
        {kLibrary, {1, 7}, WorksheetProblem::ThemeOutOfRange},
        {kLibrary, {1, -1}, WorksheetProblem::ThemeOutOfRange},
        {kLibrary, {1, 5}, WorksheetProblem::ThemeUnplayable},
        {{kLibrary[2], kLibrary[4]}, {1, 0}, WorksheetProblem::NoPlayableTheme},
    };
    for (const auto& c : cases) {
        SeededRandom random(3);
        const WorksheetBoards boards = makeWorksheetBoards(c.library, c.request, random);
        EXPECT_EQ(boards.problem, c.problem) << c.request.count << " " << c.request.themeLine;
        EXPECT_EQ(boards.sheets.size(), c.problem == WorksheetProblem::None ? 4u : 0u);
    }
}

TEST(WordsToFind, ListsThePlacedWordsInSlotOrder) {
    SeededRandom random(2);
    Board board;
    fillBoard(board, random);
    placeTheme(board, U"1,\"t\",\"3\",\"sol\",\"golondrinas!\",\"mar\"", 0, random);
    EXPECT_EQ(wordsToFind(board), (std::vector<Word>{U"SOL", U"MAR"}));
}

// ------------------------------------------------------------ page layout

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
    EXPECT_EQ(worksheetPageCount(6, true), 7);
    EXPECT_EQ(worksheetPageCount(7, true), 9);
    EXPECT_EQ(worksheetPageCount(7, false), 7);
}

} // namespace
} // namespace quenza
