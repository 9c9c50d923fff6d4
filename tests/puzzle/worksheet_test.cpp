#include "fake_random.h"
#include "puzzle/generation.h"
#include "puzzle/played_log.h"
#include "puzzle/theme.h"
#include "puzzle/worksheet.h"

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

TEST(WorksheetBoards, EachSheetHasAnotherPlayableTheme) {
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
}

TEST(WorksheetBoards, AChosenThemeGivesADifferentBoardEachTime) {
    SeededRandom random(5);
    const WorksheetBoards boards = makeWorksheetBoards(kLibrary, {3, 4}, random);
    ASSERT_EQ(boards.problem, WorksheetProblem::None);
    ASSERT_EQ(boards.sheets.size(), 3u);
    for (const WorksheetSheet& sheet : boards.sheets) {
        EXPECT_EQ(sheet.themeLine, 4);
        EXPECT_EQ(sheet.board.titulo, U"Colores");
        EXPECT_EQ(wordsToFind(sheet.board), (std::vector<Word>{U"ROJO", U"AZUL", U"AÑIL"}));
    }
    EXPECT_NE(boards.sheets[0].board.letra, boards.sheets[1].board.letra);
    EXPECT_NE(boards.sheets[1].board.letra, boards.sheets[2].board.letra);
}

TEST(WorksheetBoards, ProblemsGiveNoSheets) {
    const struct {
        std::vector<Word> library;
        WorksheetRequest request;
        WorksheetProblem problem;
    } cases[] = {
        {kLibrary, {5, 0}, WorksheetProblem::TooFewThemes},
        {kLibrary, {1, 7}, WorksheetProblem::ThemeOutOfRange},
        {kLibrary, {1, -1}, WorksheetProblem::ThemeOutOfRange},
        {kLibrary, {1, 3}, WorksheetProblem::ThemeUnplayable},
        {kLibrary, {1, 5}, WorksheetProblem::ThemeUnplayable},
        {{kLibrary[2], kLibrary[4]}, {1, 0}, WorksheetProblem::NoPlayableTheme},
        {{}, {1, 1}, WorksheetProblem::NoPlayableTheme},
    };
    for (const auto& c : cases) {
        SeededRandom random(3);
        const WorksheetBoards boards = makeWorksheetBoards(c.library, c.request, random);
        EXPECT_EQ(boards.problem, c.problem) << c.request.count << " " << c.request.themeLine;
        EXPECT_TRUE(boards.sheets.empty());
    }
}

TEST(WordsToFind, ListsThePlacedWordsInSlotOrder) {
    SeededRandom random(2);
    Board board;
    fillBoard(board, random);
    placeTheme(board, U"1,\"t\",\"3\",\"sol\",\"golondrinas!\",\"mar\"", 0, random);
    EXPECT_EQ(wordsToFind(board), (std::vector<Word>{U"SOL", U"MAR"}));
}

} // namespace
} // namespace quenza
