#pragma once

#include "board.h"
#include "random.h"

#include <string_view>

namespace quenza {

inline constexpr int kPlacementTries = 10000; // tries 1..9,999 look for a run

// Clears the word slots (direction codes stay), the selection and the found
// flags, and fills all 144 cells with filler letters A..Y.
void fillBoard(Board& board, Random& random);

// Places `palabro` (upper-cased) in slot `num_val` on a free straight run, or
// gives up after 9,999 tries and lowers `numero`. `direccion_unica` 0 lets every
// word draw its direction. Returns whether the word was placed.
bool placeWord(Board& board, std::u32string_view palabro, int num_val, int direccion_unica,
               Random& random);

// Sorts positions 0..9 of every slot ascending (direction code untouched).
void sortSlots(Board& board);
// Sorts the selection ascending.
void sortSelection(Selection& celdas_seleccion);

} // namespace quenza
