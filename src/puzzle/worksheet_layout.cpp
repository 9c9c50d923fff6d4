#include "worksheet_layout.h"

#include <algorithm>

namespace quenza {

namespace {

constexpr double kMargin = 48;
constexpr double kGap = 18;
constexpr double kFooterRise = 48; // from the bottom edge of the paper to the footer's top
constexpr double kFooterSize = 9;

constexpr double kTitleHeight = 30;
constexpr double kTitleSize = 22;
constexpr double kLargestCell = 36;
constexpr double kLetterShare = 0.55; // of a cell, for the letters of a puzzle
constexpr int kWordColumns = 3;
constexpr double kWordLine = 22;
constexpr double kWordSize = 14;

constexpr double kKeyTitleHeight = 16;
constexpr double kKeyTitleSize = 11;
constexpr double kKeyLetterShare = 0.5;
// Wide enough to hold a letter, narrow enough to keep off the letters of the
// rows and diagonals next to it.
constexpr double kBandShare = 0.76;

TextPlace footerOf(PaperSize paper) {
    return {{kMargin, paper.height - kFooterRise, paper.width - 2 * kMargin, kFooterSize + 3},
            kFooterSize};
}

GridPlace gridIn(double left, double top, double width, double cell, double letterShare) {
    const double side = cell * kSide;
    return {{left + (width - side) / 2, top, side, side}, cell, cell * letterShare};
}

} // namespace

PageBox GridPlace::cellBox(int index) const {
    return {box.x + col0(index) * cell, box.y + row0(index) * cell, cell, cell};
}

PagePoint GridPlace::cellCentre(int index) const {
    return cellBox(index).centre();
}

std::vector<Band> keyBands(const Board& board, const GridPlace& grid) {
    std::vector<Band> bands;
    for (const SlotCells& slot : board.celdas_palabra) {
        // A slot's cells run along one line, so its lowest and highest cells
        // are the two ends of the word whichever way it reads.
        int first = kCells + 1;
        int last = 0;
        for (int k = 0; k < kMaxLetters; ++k) {
            const int cell = slot[static_cast<size_t>(k)];
            if (cell >= 1 && cell <= kCells) {
                first = std::min(first, cell);
                last = std::max(last, cell);
            }
        }
        if (last != 0) {
            bands.push_back(
                {grid.cellCentre(first), grid.cellCentre(last), grid.cell * kBandShare});
        }
    }
    return bands;
}

PuzzlePage puzzlePage(PaperSize paper, int wordCount) {
    PuzzlePage page;
    const double width = paper.width - 2 * kMargin;
    page.title = {{kMargin, kMargin, width, kTitleHeight}, kTitleSize};

    const int rows = (std::max(wordCount, 0) + kWordColumns - 1) / kWordColumns;
    const double gridTop = page.title.box.bottom() + kGap;
    const double wordsHeight = kGap + rows * kWordLine;
    const double room = paper.height - kFooterRise - kGap - wordsHeight - gridTop;
    const double cell = std::min({kLargestCell, width / kSide, room / kSide});
    page.grid = gridIn(kMargin, gridTop, width, cell, kLetterShare);

    const double columnWidth = page.grid.box.width / kWordColumns;
    for (int w = 0; w < wordCount; ++w) {
        const int column = w / rows;
        const int row = w % rows;
        page.words.push_back(
            {{page.grid.box.x + column * columnWidth,
              page.grid.box.bottom() + kGap + row * kWordLine, columnWidth, kWordLine},
             kWordSize});
    }
    page.footer = footerOf(paper);
    return page;
}

KeyPage keyPage(PaperSize paper, int keyCount) {
    KeyPage page;
    page.footer = footerOf(paper);
    if (keyCount == 1) {
        // A key alone on its page (a single printed board) is as large as
        // its puzzle.
        const PuzzlePage puzzle = puzzlePage(paper, 0);
        page.keys.push_back({puzzle.title, puzzle.grid});
        return page;
    }
    const double width = paper.width - 2 * kMargin;
    const double height = paper.height - kFooterRise - kGap - kMargin;
    const double placeWidth = (width - (kKeyColumns - 1) * kGap) / kKeyColumns;
    const double placeHeight = (height - (kKeyRows - 1) * kGap) / kKeyRows;
    const double cell = std::min(placeWidth, placeHeight - kKeyTitleHeight - kGap / 4) / kSide;
    for (int k = 0; k < std::min(keyCount, kKeysPerPage); ++k) {
        const double left = kMargin + (k % kKeyColumns) * (placeWidth + kGap);
        const double top = kMargin + (k / kKeyColumns) * (placeHeight + kGap);
        KeyPlace key;
        key.title = {{left, top, placeWidth, kKeyTitleHeight}, kKeyTitleSize};
        key.grid =
            gridIn(left, top + kKeyTitleHeight + kGap / 4, placeWidth, cell, kKeyLetterShare);
        page.keys.push_back(key);
    }
    return page;
}

int keyPageCount(int sheets) {
    return (sheets + kKeysPerPage - 1) / kKeysPerPage;
}

int worksheetPageCount(int sheets, bool withKeys) {
    return sheets + (withKeys ? keyPageCount(sheets) : 0);
}

} // namespace quenza
