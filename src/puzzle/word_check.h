#pragma once

#include "board.h"

#include <optional>
#include <vector>

namespace quenza {

// Sorts the selection and returns the first slot 0..num_palabras whose cells it
// covers exactly. A slot without a placed word, or one already found, never
// matches, so an empty selection finds nothing and each word counts once.
std::optional<int> matchingSlot(Board& board);

struct FoundWord {
    int slot = 0;
    Word word;              // read off the grid in the word's direction
    std::vector<int> cells; // cells hidden, in reading order
};

// Marks `slot` found: reads its word from the selection, hides the cells,
// empties the selection and lowers `numero`.
FoundWord markWordFound(Board& board, int slot);

// The counter captions for `numero`.
const char* quedanCaption(int numero);   // "Queda" at 1, else "Quedan"
const char* palabrasCaption(int numero); // "palabra" at 1, else "palabras"

} // namespace quenza
