#pragma once

#include "board.h"

#include <string>
#include <vector>

namespace quenza {

// One problem of a theme library: the 1-based line it is on (0 for the file
// as a whole) and, in Spanish (UTF-8), what is wrong, what the game will do
// about it and what to change.
struct ThemeProblem {
    int line = 0;
    std::string message;
};

struct ThemeCheck {
    std::vector<ThemeProblem> problems; // in line order
    int themes = 0;                     // every line is a theme to the game, blank ones too
    int playable = 0;                   // themes that put at least one word on the board
};

// Checks the lines of a theme library (decoded, without their line ends)
// exactly as the game reads them.
ThemeCheck checkThemeLibrary(const std::vector<Word>& lines);

// The report's line for one problem: "línea 4: ...".
std::string reportLine(const ThemeProblem& problem);
// The report's last line: how many themes were read and how many can be played.
std::string reportSummary(const ThemeCheck& check);

} // namespace quenza
