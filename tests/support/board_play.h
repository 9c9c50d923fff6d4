#pragma once

#include "game/game_state.h"
#include "window_fixture.h"

#include <QLabel>
#include <utility>
#include <vector>

namespace quenza::testing {

// The cells of word slot `slot` on the current board, in reading order.
inline std::vector<int> wordCells(int slot) {
    const auto& cells = gameState().board.celdas_palabra[static_cast<size_t>(slot)];
    std::vector<int> found;
    for (int p = 0; p < kMaxLetters; ++p) {
        if (cells[static_cast<size_t>(p)] != 0) {
            found.push_back(cells[static_cast<size_t>(p)]);
        }
    }
    if (isReverseDirection(cells[kDirectionPos])) {
        std::reverse(found.begin(), found.end());
    }
    return found;
}

// A player who has spotted word slot `slot` clicks its first and last letter.
inline void findWord(const QObject* window, int slot) {
    const std::vector<int> cells = wordCells(slot);
    auto* first = child<QLabel>(window, cellName(cells.front()));
    auto* last = child<QLabel>(window, cellName(cells.back()));
    clickOn(first);
    moveOver(last);
    clickOn(last);
}

} // namespace quenza::testing
