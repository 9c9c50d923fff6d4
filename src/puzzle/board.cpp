#include "board.h"

#include "text.h"

#include <algorithm>

namespace quenza {

Board::Board() {
    visible.fill(true);
    celda_libre.fill(true);
}

Board Board::fromRows(const std::array<std::string_view, kSide>& rows) {
    Board board;
    for (int r = 0; r < kSide; ++r) {
        const Word letters = fromUtf8(rows[static_cast<size_t>(r)]);
        for (int c = 0; c < kSide && c < static_cast<int>(letters.size()); ++c) {
            board.letra[static_cast<size_t>(cellAt(r + 1, c + 1))] =
                letters[static_cast<size_t>(c)];
        }
    }
    return board;
}

void Board::placeWord(int slot, std::u32string_view word, int first, int direction) {
    const int step = directionStep(direction);
    for (size_t k = 0; k < word.size() && k < kMaxLetters; ++k) {
        const int cell = first + static_cast<int>(k) * step;
        letra[static_cast<size_t>(cell)] = upperCase(word[k]);
        celda_libre[static_cast<size_t>(cell)] = false;
        celdas_palabra[static_cast<size_t>(slot)][k] = static_cast<std::int16_t>(cell);
    }
    celdas_palabra[static_cast<size_t>(slot)][kDirectionPos] = static_cast<std::int16_t>(direction);
}

bool Board::slotPlaced(int slot) const {
    const auto& cells = celdas_palabra[static_cast<size_t>(slot)];
    return std::any_of(cells.begin(), cells.begin() + kMaxLetters,
                       [](std::int16_t c) { return c != 0; });
}

} // namespace quenza
