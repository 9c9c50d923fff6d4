#pragma once

#include "board.h"
#include "random.h"

#include <vector>

namespace quenza {

inline constexpr int kMostWorksheetSheets = 200;

// One puzzle of a worksheet: a board made as the traditional game makes it,
// and the 1-based line of the library it came from.
struct WorksheetSheet {
    Board board;
    int themeLine = 0;
};

struct WorksheetRequest {
    int count = 1;     // 1..kMostWorksheetSheets
    int themeLine = 0; // 0: a different theme for each sheet, drawn as a game draws it
};

enum class WorksheetProblem {
    None,
    NoPlayableTheme, // no line of the library puts a word on the board
    ThemeOutOfRange, // the chosen line is not in the library
    ThemeUnplayable, // the chosen line puts no word on the board
    TooFewThemes,    // more sheets asked for than playable themes to draw
};

struct WorksheetBoards {
    std::vector<WorksheetSheet> sheets;
    WorksheetProblem problem = WorksheetProblem::None;
    int playableThemes = 0; // lines with at least one word that fits the board
};

// The boards of a worksheet from the lines of a theme library. Each board is
// filled, given a theme drawn among those not yet used and has the theme's
// words placed in all eight directions, exactly as a traditional game does;
// a theme that puts no word on the board is passed over, as the game passes
// it over. With a chosen line, every sheet is a new board of that theme.
WorksheetBoards makeWorksheetBoards(const std::vector<Word>& library,
                                    const WorksheetRequest& request, Random& random);

// The words a player must find on `board`, in slot order, as read from the grid.
std::vector<Word> wordsToFind(const Board& board);

} // namespace quenza
