#pragma once

#include "puzzle/board.h"

#include <array>
#include <string_view>

namespace quenza::testing {

// Twelve rows of filler letters, no word placed; each row is a different shift
// of the alphabet so that a wrong index reads a wrong letter.
inline Board fillerBoard() {
    static constexpr std::array<std::string_view, kSide> rows{
        "ABCDEFGHIJKL", "BCDEFGHIJKLM", "CDEFGHIJKLMN", "DEFGHIJKLMNO",
        "EFGHIJKLMNOP", "FGHIJKLMNOPQ", "GHIJKLMNOPQR", "HIJKLMNOPQRS",
        "IJKLMNOPQRST", "JKLMNOPQRSTU", "KLMNOPQRSTUV", "LMNOPQRSTUVW",
    };
    return Board::fromRows(rows);
}

} // namespace quenza::testing
