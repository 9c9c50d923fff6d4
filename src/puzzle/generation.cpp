#include "generation.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quenza {

namespace {

constexpr Letter kFirstFiller = U'A';
constexpr int kFillerLetters = 25; // A..Y: fillers are never Z, accented or Ñ
constexpr int kDrawsPerTry = 6;    // a, b, c, the direction, e and f
// Most words find room within a few tries; only after this many is it worth
// checking whether the word can fit at all.
constexpr int kTriesBeforeRoomCheck = 64;

// The draws a, b, c, e and f of a try.
enum Draw { kA, kB, kC, kE, kF, kDrawCount };
using Draws = std::array<int, kDrawCount>;

// The start cell of a run is one draw plus twelve times another, which two
// depending on the direction: 1 a + 12b, 2 e + 12b, 3 12a + b, 4 12e + b,
// 5 a + 12c, 6 e + 12f, 7 e + 12c, 8 a + 12f.
struct StartFormula {
    Draw units;
    Draw twelves;
};
constexpr StartFormula kStartFormula[8] = {{kA, kB}, {kE, kB}, {kB, kA}, {kB, kE},
                                           {kA, kC}, {kE, kF}, {kE, kC}, {kA, kF}};

// A table rather than a switch: the direction is random, so a switch's jump
// is mispredicted on most tries. A code outside 1..8 takes the formula of 8.
int startCell(int dir, const Draws& value) {
    const StartFormula formula = kStartFormula[(dir >= 1 && dir <= 8 ? dir : 8) - 1];
    return value[formula.units] + kSide * value[formula.twelves];
}

bool runIsFree(const Board& board, int start, int step, int length) {
    for (int k = 0; k < length; ++k) {
        const int cell = start + k * step;
        if (cell < 1 || cell > kCells || !board.celda_libre[static_cast<size_t>(cell)]) {
            return false;
        }
    }
    return true;
}

// Whether any start the draws can give (in the directions a try may take)
// holds a free run of `length` cells.
bool anyRunFits(const Board& board, int length, int direccion_unica) {
    const int room = kSide - length;
    const int lowest[kDrawCount] = {1, 0, 1, kSide - room, kSide - room};
    const int highest[kDrawCount] = {room, kSide - 1, room, kSide - 1, kSide - 1};
    const bool oneDirection = direccion_unica >= 1 && direccion_unica <= 8;
    for (int dir = 1; dir <= 8; ++dir) {
        if (oneDirection && dir != direccion_unica) {
            continue;
        }
        const Draw first = kStartFormula[dir - 1].units;
        const Draw second = kStartFormula[dir - 1].twelves;
        Draws value{};
        for (value[first] = lowest[first]; value[first] <= highest[first]; ++value[first]) {
            for (value[second] = lowest[second]; value[second] <= highest[second];
                 ++value[second]) {
                if (runIsFree(board, startCell(dir, value), directionStep(dir), length)) {
                    return true;
                }
            }
        }
    }
    return false;
}

// Ascending order for the first `count` cells. Ten cells are too few for
// std::sort to pay off: a plain insertion sort moves them in place.
template <typename Cells> void sortAscending(Cells& cells, size_t count) {
    for (size_t k = 1; k < count; ++k) {
        const auto cell = cells[k];
        size_t at = k;
        for (; at > 0 && cells[at - 1] > cell; --at) {
            cells[at] = cells[at - 1];
        }
        cells[at] = cell;
    }
}

// A placed word's cells are followed by zeros and run one way, up or down.
// Such a slot (or an empty one) is put in order directly: zeros first, then
// the cells ascending. Returns false, leaving the slot alone, for any other
// contents.
bool sortPlacedRun(SlotCells& cells) {
    size_t length = 0;
    while (length < kMaxLetters && cells[length] > 0) {
        ++length;
    }
    for (size_t k = length; k < kMaxLetters; ++k) {
        if (cells[k] != 0) {
            return false;
        }
    }
    bool up = true;
    bool down = true;
    for (size_t k = 1; k < length; ++k) {
        up = up && cells[k - 1] < cells[k];
        down = down && cells[k - 1] > cells[k];
    }
    if (!up && !down) {
        return false;
    }
    SlotCells run = cells;
    const size_t zeros = kMaxLetters - length;
    for (size_t k = 0; k < kMaxLetters; ++k) {
        cells[k] = k < zeros ? 0 : run[up ? k - zeros : kMaxLetters - 1 - k];
    }
    return true;
}

} // namespace

void fillBoard(Board& board, Random& random) {
    board.visor = false;
    random.reseedFromClock();
    for (auto& slot : board.celdas_palabra) {
        std::fill(slot.begin(), slot.begin() + kMaxLetters, 0);
    }
    board.celdas_seleccion.fill(0);
    board.encontrada.fill(false);
    board.num_palabras = 0;
    std::array<double, kCells> draws;
    random.drawMany(draws);
    for (int i = 1; i <= kCells; ++i) {
        const auto cell = static_cast<size_t>(i);
        board.letra[cell] =
            kFirstFiller + static_cast<Letter>(wholeBelow(draws[cell - 1], kFillerLetters));
        board.visible[cell] = true;
        board.celda_libre[cell] = true;
    }
}

bool placeWord(Board& board, std::u32string_view palabro, int num_val, int direccion_unica,
               Random& random) {
    const int length = static_cast<int>(palabro.size());
    const int room = kSide - length;
    random.reseedFromClock();
    if (length >= 1 && length <= kMaxLetters && num_val >= 0 && num_val < kSlots) {
        for (int tries = 1; tries < kPlacementTries; ++tries) {
            // A word with no room left anywhere would spend every try: its
            // remaining draws are passed over in one go, so the draws after it
            // are the same as if each try had been made.
            if (tries == kTriesBeforeRoomCheck && !anyRunFits(board, length, direccion_unica)) {
                random.discard(static_cast<std::int64_t>(kDrawsPerTry) * (kPlacementTries - tries));
                break;
            }
            std::array<double, kDrawsPerTry> draws;
            random.drawMany(draws);
            const Draws value = {wholeBelow(draws[0], room) + 1, wholeBelow(draws[1], kSide),
                                 wholeBelow(draws[2], room) + 1, 11 - wholeBelow(draws[4], room),
                                 11 - wholeBelow(draws[5], room)};
            int dir = wholeBelow(draws[3], 8) + 1;
            if (direccion_unica >= 1 && direccion_unica <= 8) {
                dir = direccion_unica;
            }
            const int start = startCell(dir, value);
            const int step = directionStep(dir);
            if (runIsFree(board, start, step, length)) {
                board.placeWord(num_val, palabro, start, dir); // upper-cases as it writes
                return true;
            }
        }
    }
    board.numero = saturate16(static_cast<long>(board.numero) - 1);
    return false;
}

void sortSlots(Board& board) {
    // Whole numbers come out in the same order whatever the sort, so any sort
    // stands in for the exchange sort the game first used.
    for (auto& slot : board.celdas_palabra) {
        if (!sortPlacedRun(slot)) {
            sortAscending(slot, kMaxLetters);
        }
    }
}

void sortSelection(Selection& celdas_seleccion) {
    sortAscending(celdas_seleccion, kMaxLetters);
}

} // namespace quenza
