#include "selection.h"

#include <cstdlib>

namespace quenza {

namespace {

// Step from `from` towards `to` along a diagonal, by the signs of the column
// and row differences; 0 when both cells are the same.
int diagonalStep(int from, int to) {
    const int dc = col0(to) - col0(from);
    const int dr = row0(to) - row0(from);
    if (dc < 0 && dr < 0) {
        return -13;
    }
    if (dc < 0 && dr > 0) {
        return 11;
    }
    if (dc > 0 && dr > 0) {
        return 13;
    }
    if (dc > 0 && dr < 0) {
        return -11;
    }
    return 0;
}

bool sameDiagonal(int a, int b) {
    return std::abs(row0(a) - row0(b)) == std::abs(col0(a) - col0(b));
}

// Cells from `s` to `m` of a vertical line, one per row, starting at `s`.
template <typename Visit> void verticalRun(int s, int m, Visit visit) {
    const int count = s <= m ? m / 12 - s / 12 + 1 : s / 12 - m / 12 + 1;
    const int step = s <= m ? 12 : -12;
    for (int k = 0; k < count; ++k) {
        visit(k, s + k * step);
    }
}

template <typename Visit> void diagonalRun(int s, int m, Visit visit) {
    const int step = diagonalStep(s, m);
    const int count = std::abs(col0(m) - col0(s)) + 1;
    for (int k = 0; k < count; ++k) {
        visit(k, s + k * step);
    }
}

void colour(CellSet& cells, int cell) {
    if (cell >= 1 && cell <= kCells) {
        cells.set(static_cast<size_t>(cell));
    }
}

} // namespace

CellSet pointerMoved(SelectionState& state, int cell) {
    if (state.celda_inicio != 0) {
        state.celda_raton = static_cast<std::int16_t>(cell);
    }
    CellSet coloured;
    const int s = state.celda_inicio;
    const int m = state.celda_raton;
    if (s != 0) {
        colour(coloured, s);
    }
    state.direccion_seleccion = "ninguna";
    if (s == 0 || m == 0) {
        return coloured;
    }
    // The three tests run in turn; a later one that holds overrides the
    // direction of an earlier one (the start cell alone ends as "diagonal").
    if (row0(s) == row0(m)) {
        state.direccion_seleccion = "horizontal";
        for (int i = std::min(s, m); i <= std::max(s, m); ++i) {
            colour(coloured, i);
        }
    }
    if (col0(s) == col0(m)) {
        state.direccion_seleccion = "vertical";
        verticalRun(s, m, [&](int, int c) { colour(coloured, c); });
    }
    if (sameDiagonal(s, m)) {
        state.direccion_seleccion = "diagonal";
        diagonalRun(s, m, [&](int, int c) { colour(coloured, c); });
    }
    return coloured;
}

ClickResult clickCell(SelectionState& state, int cell, Selection& celdas_seleccion) {
    if (state.celda_inicio != 0) {
        state.celda_fin = static_cast<std::int16_t>(cell);
    } else {
        state.celda_inicio = static_cast<std::int16_t>(cell);
    }
    if (state.celda_fin == state.celda_inicio) {
        state.celda_inicio = 0;
        state.celda_fin = 0;
        return ClickResult::Cancelled;
    }
    if (state.celda_inicio == 0 || state.celda_fin == 0) {
        return ClickResult::Started;
    }

    celdas_seleccion.fill(0);
    const int s = state.celda_inicio;
    const int e = state.celda_fin;
    Selection built{};
    bool tooLong = false;
    auto put = [&](int k, int c) {
        if (k < kMaxLetters) {
            built[static_cast<size_t>(k)] = static_cast<std::int16_t>(c);
        } else {
            tooLong = true;
        }
    };
    const std::string& shape = state.direccion_seleccion;
    if (shape == "horizontal") {
        const int lo = std::min(s, e);
        const int hi = std::max(s, e);
        for (int c = lo; c <= hi; ++c) {
            put(c - lo, c);
        }
    } else if (shape == "vertical") {
        verticalRun(s, e, put);
    } else if (shape == "diagonal" && sameDiagonal(s, e) && state.celda_raton != 0) {
        diagonalRun(s, e, put);
    }
    // More than ten cells can never be a word: such a run selects nothing.
    if (!tooLong) {
        celdas_seleccion = built;
    }
    state.celda_inicio = 0;
    state.celda_fin = 0;
    return ClickResult::Built;
}

bool cancelSelection(SelectionState& state) {
    if (state.celda_inicio == 0) {
        return false;
    }
    state.celda_inicio = 0;
    state.celda_fin = 0;
    return true;
}

int cursorStep(int cell, CursorMove move, const CellSet& shown) {
    if (cell < 1 || cell > kCells) {
        return cell;
    }
    int dRow = 0;
    int dCol = 0;
    switch (move) {
    case CursorMove::Left:
        dCol = -1;
        break;
    case CursorMove::Right:
        dCol = 1;
        break;
    case CursorMove::Up:
        dRow = -1;
        break;
    case CursorMove::Down:
        dRow = 1;
        break;
    }
    int row = row0(cell) + dRow;
    int col = col0(cell) + dCol;
    for (; row >= 0 && row < kSide && col >= 0 && col < kSide; row += dRow, col += dCol) {
        const int next = row * kSide + col + 1;
        if (shown.test(static_cast<size_t>(next))) {
            return next;
        }
    }
    return cell;
}

int firstShownCell(const CellSet& shown) {
    for (int cell = 1; cell <= kCells; ++cell) {
        if (shown.test(static_cast<size_t>(cell))) {
            return cell;
        }
    }
    return 0;
}

} // namespace quenza
