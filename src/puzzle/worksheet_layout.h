#pragma once

#include "board.h"

#include <vector>

namespace quenza {

// Where everything goes on a printed worksheet, in points (1/72 inch) from
// the top-left corner of the paper.

struct PagePoint {
    double x = 0;
    double y = 0;
};

struct PageBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    PagePoint centre() const { return {x + width / 2, y + height / 2}; }
};

struct PaperSize {
    double width = 0;
    double height = 0;
};
inline constexpr PaperSize kA4Paper{595.276, 841.89};
inline constexpr PaperSize kLetterPaper{612, 792};

// A line of text: its box and its font size in points.
struct TextPlace {
    PageBox box;
    double size = 0;
};

// The 12 x 12 grid: square cells of side `cell`, cell 1 at the top left.
struct GridPlace {
    PageBox box;
    double cell = 0;
    double letterSize = 0;

    PageBox cellBox(int cell) const;
    PagePoint cellCentre(int cell) const;
};

// A highlighter's stroke over a word: from the centre of its first cell to
// the centre of its last, `width` across, with round ends.
struct Band {
    PagePoint from;
    PagePoint to;
    double width = 0;
};
// One band per word placed on the board, in slot order.
std::vector<Band> keyBands(const Board& board, const GridPlace& grid);

struct PuzzlePage {
    TextPlace title;
    GridPlace grid;
    std::vector<TextPlace> words; // the words to find, in columns under the grid
    TextPlace footer;
};
PuzzlePage puzzlePage(PaperSize paper, int wordCount);

// The answer keys go several to a page, in reading order; a key alone on its
// page takes the size of its puzzle.
inline constexpr int kKeyColumns = 2;
inline constexpr int kKeyRows = 3;
inline constexpr int kKeysPerPage = kKeyColumns * kKeyRows;

struct KeyPlace {
    TextPlace title;
    GridPlace grid;
};
struct KeyPage {
    std::vector<KeyPlace> keys;
    TextPlace footer;
};
KeyPage keyPage(PaperSize paper, int keyCount);

// The pages of a worksheet: one per sheet, then the keys if wanted.
int keyPageCount(int sheets);
int worksheetPageCount(int sheets, bool withKeys);

} // namespace quenza
