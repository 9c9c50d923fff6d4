#include "word_check.h"

#include "generation.h"
#include "text.h"

namespace quenza {

std::optional<int> matchingSlot(Board& board) {
    sortSelection(board.celdas_seleccion);
    for (int w = 0; w <= board.num_palabras && w < kSlots; ++w) {
        // A slot whose word found no room is all zeros, like an empty
        // selection: it must never count as found.
        if (!board.slotPlaced(w) || board.encontrada[static_cast<size_t>(w)]) {
            continue;
        }
        const auto& cells = board.celdas_palabra[static_cast<size_t>(w)];
        bool same = true;
        for (int p = 0; p < kMaxLetters; ++p) {
            if (cells[static_cast<size_t>(p)] != board.celdas_seleccion[static_cast<size_t>(p)]) {
                same = false;
                break;
            }
        }
        if (same) {
            return w;
        }
    }
    return std::nullopt;
}

FoundWord markWordFound(Board& board, int slot) {
    FoundWord found;
    found.slot = slot;
    const bool reverse =
        isReverseDirection(board.celdas_palabra[static_cast<size_t>(slot)][kDirectionPos]);
    for (int k = 0; k < kMaxLetters; ++k) {
        const auto entry = static_cast<size_t>(reverse ? kMaxLetters - 1 - k : k);
        const int cell = board.celdas_seleccion[entry];
        if (cell == 0) {
            continue;
        }
        found.word.push_back(board.letra[static_cast<size_t>(cell)]);
        board.visible[static_cast<size_t>(cell)] = false;
        found.cells.push_back(cell);
        board.celdas_seleccion[entry] = 0;
    }
    board.encontrada[static_cast<size_t>(slot)] = true;
    board.numero = saturate16(static_cast<long>(board.numero) - 1);
    return found;
}

const char* quedanCaption(int numero) {
    return numero == 1 ? "Queda" : "Quedan";
}
const char* palabrasCaption(int numero) {
    return numero == 1 ? "palabra" : "palabras";
}

} // namespace quenza
