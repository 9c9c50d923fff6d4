#pragma once

#include "board.h"

#include <bitset>
#include <cstdint>
#include <string>

namespace quenza {

// The click state of the grid and the shape the last pointer move left.
struct SelectionState {
    std::int16_t celda_inicio = 0;
    std::int16_t celda_fin = 0;
    std::int16_t celda_raton = 0;
    std::string direccion_seleccion = "ninguna";
};

// Cells drawn in the selection colour; every other cell takes the normal colour.
using CellSet = std::bitset<kCells + 1>;

// The pointer moved over `cell`: tracks it while a start cell is set, works out
// the direction and returns the cells to colour.
CellSet pointerMoved(SelectionState& state, int cell);

enum class ClickResult { Started, Cancelled, Built };

// A click on `cell`: opens, cancels or completes a selection. On completion the
// selection is rebuilt from the direction the last pointer move left. A straight
// run longer than ten cells cannot be a word and builds an empty selection.
ClickResult clickCell(SelectionState& state, int cell, Selection& celdas_seleccion);

// Drops an open selection as clicking its start cell again would, without the
// click's word check. False when no selection was open.
bool cancelSelection(SelectionState& state);

enum class CursorMove { Left, Right, Up, Down };

// Where the keyboard cursor goes from `cell` with one arrow key: the nearest
// cell of `shown` that way along the row or column, or `cell` itself when
// there is none before the edge of the grid.
int cursorStep(int cell, CursorMove move, const CellSet& shown);

// The first cell of `shown` in reading order, or 0 when every cell is hidden.
int firstShownCell(const CellSet& shown);

} // namespace quenza
