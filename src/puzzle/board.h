#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quenza {

using Letter = char32_t;
using Word = std::u32string;

inline constexpr int kSide = 12;
inline constexpr int kCells = 144;
inline constexpr int kSlots = 10;      // word slots 0..9
inline constexpr int kMaxLetters = 10; // letter positions 0..9 of a slot
inline constexpr int kDirectionPos = 10;

// Cells are numbered 1..144, row by row from the top-left corner.
constexpr int row0(int cell) {
    return (cell - 1) / kSide;
}
constexpr int col0(int cell) {
    return (cell - 1) % kSide;
}
constexpr int cellAt(int row, int col) {
    return (row - 1) * kSide + col;
} // 1-based row/col

// Direction codes 1..8: odd codes read in ascending cell order, even codes in
// descending order.
inline constexpr std::array<int, 8> kDirectionSteps = {1, -1, 12, -12, 13, -13, 11, -11};
constexpr int directionStep(int code) {
    return code >= 1 && code <= 8 ? kDirectionSteps[static_cast<size_t>(code - 1)] : 0;
}
constexpr bool isReverseDirection(int code) {
    return code == 2 || code == 4 || code == 6 || code == 8;
}

using SlotCells = std::array<std::int16_t, kMaxLetters + 1>; // positions 0..9 + direction code
using Selection = std::array<std::int16_t, kMaxLetters>;

// The state of one word-search board: letters, visibility and free flags of the
// 144 cells (index 0 unused), the word slots and the player's selection.
struct Board {
    std::array<Letter, kCells + 1> letra{};
    std::array<bool, kCells + 1> visible{};
    std::array<bool, kCells + 1> celda_libre{};
    std::array<SlotCells, kSlots> celdas_palabra{};
    Selection celdas_seleccion{};
    // Slots already found in this board: a found slot never matches again.
    std::array<bool, kSlots> encontrada{};
    std::int16_t num_palabras = 0;
    std::int16_t numero = 0; // words still to find, shown in the `numero` label
    Word titulo;
    bool visor = false;

    Board();

    // A board from twelve rows of twelve letters (UTF-8), every cell free and
    // visible, no words placed. Lets tests build exact positions.
    static Board fromRows(const std::array<std::string_view, kSide>& rows);

    // Writes `word` into slot `slot` from cell `first` along `direction`, as a
    // successful placement does (cells taken, direction stored), without sorting.
    void placeWord(int slot, std::u32string_view word, int first, int direction);

    bool slotPlaced(int slot) const;
};

} // namespace quenza
