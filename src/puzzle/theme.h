#pragma once

#include "board.h"
#include "random.h"

#include <cstdint>
#include <vector>

namespace quenza {

// One comma-separated field of a theme line, cut as the game cuts it.
struct ThemeField {
    Word raw;     // everything between its comma and the next one (or the end)
    Word content; // `raw` less one delimiter character at each end; empty when too short
};

// One line of the theme library, parsed the way the game reads it.
struct ThemeLine {
    Word title;              // first character already upper-cased
    std::int16_t count = 0;  // words the board asks for, 0..10
    std::vector<Word> words; // exactly `count` entries; an empty word is a slot left empty

    // What a library check needs to explain a line; play never looks at it.
    long declared = 0;              // the count as written, before it is clamped
    std::vector<ThemeField> fields; // every field, the unread first one included
    // For each word, the index in `fields` it was read from; -1 when the line
    // has no field left for it.
    std::vector<int> wordFields;
};

// Parses a theme line: every field after the first loses one delimiter at each
// end; a declared count above the word fields repeats the last word, a smaller
// one ignores the extra words.
// Lines beyond the limits never corrupt the board: the count is clamped to
// 0..10, and a word over 10 letters (or an empty one) is left out of its slot
// as if it found no room on the grid.
ThemeLine parseThemeLine(const Word& line);

// Shows the theme and places its words on a board that fillBoard has just filled.
void placeTheme(Board& board, const Word& line, int direccion_unica, Random& random);

// The title as the `Titulo` label shows it, and the font size it takes.
int titleFontSize(const Word& title);

// The word-list captions: the word of each slot as read from the grid
// (`resultado`) and its first three letters (`res3`).
struct WordList {
    std::array<Word, kSlots> resultado;
    std::array<Word, kSlots> res3;
};
WordList readWordList(const Board& board);

} // namespace quenza
