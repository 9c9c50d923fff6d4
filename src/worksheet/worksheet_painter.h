#pragma once

#include "puzzle/board.h"

#include <cstdint>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace quenza::worksheet {

// What goes on paper: the puzzles, one to a page, then (if wanted) their
// answer keys, several to a page. The seed, when there is one, is printed in
// every footer so the same set can be made again.
struct Pages {
    std::vector<const Board*> boards;
    bool withKeys = true;
    std::optional<std::uint64_t> seed;
};

// Paints every page on `device` (a PDF writer or a printer), whose paper
// size is already chosen and whose painting starts at the paper's corner.
// False when the device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice& device, const Pages& pages);

} // namespace quenza::worksheet
