#include "worksheet.h"

#include "generation.h"
#include "played_log.h"
#include "theme.h"

#include <algorithm>

namespace quenza {

namespace {

constexpr int kEveryDirection = 0;
// A playable line whose words all fail to find room this many times running
// is given up: on a freshly filled board the first word always has room.
constexpr int kTriesOfAChosenTheme = 100;

// A worksheet draws its themes afresh: it neither reads nor adds to the
// player's log of played themes.
class ForgetfulLog final : public PlayedLogFile {
public:
    void append(int) override {}
    void clear() override {}
};

bool fitsTheBoard(const Word& word) {
    return !word.empty() && word.size() <= static_cast<size_t>(kMaxLetters);
}

bool playable(const Word& line) {
    const ThemeLine theme = parseThemeLine(line);
    return std::any_of(theme.words.begin(), theme.words.end(), fitsTheBoard);
}

void boardsOfOneTheme(const std::vector<Word>& library, const WorksheetRequest& request,
                      Random& random, WorksheetBoards& result) {
    const Word& line = library[static_cast<size_t>(request.themeLine - 1)];
    if (!playable(line)) {
        result.problem = WorksheetProblem::ThemeUnplayable;
        return;
    }
    for (int sheet = 0; sheet < request.count; ++sheet) {
        WorksheetSheet made{{}, request.themeLine};
        for (int attempt = 0; attempt < kTriesOfAChosenTheme && made.board.numero == 0; ++attempt) {
            fillBoard(made.board, random);
            placeTheme(made.board, line, kEveryDirection, random);
        }
        if (made.board.numero == 0) {
            result.problem = WorksheetProblem::ThemeUnplayable;
            return;
        }
        result.sheets.push_back(std::move(made));
    }
}

void boardsOfDrawnThemes(const std::vector<Word>& library, const WorksheetRequest& request,
                         Random& random, WorksheetBoards& result) {
    const int themes = static_cast<int>(library.size());
    PlayedThemes played{};
    ForgetfulLog log;
    std::vector<bool> used(library.size() + 1, false);
    for (int sheet = 0; sheet < request.count; ++sheet) {
        WorksheetSheet made;
        // Every attempt draws a theme not drawn before, so after as many
        // attempts as there are themes each one has had its turn.
        for (int attempt = 0; attempt < themes && made.themeLine == 0; ++attempt) {
            fillBoard(made.board, random);
            const int theme = drawUnplayedTheme(themes, played, log, random);
            placeTheme(made.board, library[static_cast<size_t>(theme - 1)], kEveryDirection,
                       random);
            if (made.board.numero > 0 && !used[static_cast<size_t>(theme)]) {
                made.themeLine = theme;
            }
        }
        if (made.themeLine == 0) {
            result.problem = WorksheetProblem::TooFewThemes;
            return;
        }
        used[static_cast<size_t>(made.themeLine)] = true;
        result.sheets.push_back(std::move(made));
    }
}

} // namespace

WorksheetBoards makeWorksheetBoards(const std::vector<Word>& library,
                                    const WorksheetRequest& request, Random& random) {
    WorksheetBoards result;
    result.playableThemes =
        static_cast<int>(std::count_if(library.begin(), library.end(), playable));
    if (result.playableThemes == 0) {
        result.problem = WorksheetProblem::NoPlayableTheme;
    } else if (request.themeLine != 0) {
        if (request.themeLine < 1 || request.themeLine > static_cast<int>(library.size())) {
            result.problem = WorksheetProblem::ThemeOutOfRange;
        } else {
            boardsOfOneTheme(library, request, random, result);
        }
    } else if (request.count > result.playableThemes) {
        result.problem = WorksheetProblem::TooFewThemes;
    } else {
        boardsOfDrawnThemes(library, request, random, result);
    }
    if (result.problem != WorksheetProblem::None) {
        result.sheets.clear();
    }
    return result;
}

std::vector<Word> wordsToFind(const Board& board) {
    std::vector<Word> words;
    for (Word& word : readWordList(board).resultado) {
        if (!word.empty()) {
            words.push_back(std::move(word));
        }
    }
    return words;
}

} // namespace quenza
