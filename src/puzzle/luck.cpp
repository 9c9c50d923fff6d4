#include "evolution.h"

#include <array>
#include <cstddef>

namespace quenza {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

bool hasFreeCell(const Board& board) {
    for (int cell = 1; cell <= kCells; ++cell) {
        if (board.celda_libre[at(cell)]) {
            return true;
        }
    }
    return false;
}

} // namespace

LuckDraw playSuerte(EvolutionState& state, Random& random) {
    random.reseedFromClock();
    LuckDraw luck;
    luck.kinds = drawBelow(random, 4) + 2;
    add16(state.comodines[at(kSuerte)], -1);

    std::array<bool, kJokerKinds + 1> sorteado{};
    for (int drawn = 0; drawn < luck.kinds; ++drawn) {
        int k = 0;
        do {
            k = drawBelow(random, kUniDireccion) + 1;
        } while (sorteado[at(k)]);
        sorteado[at(k)] = true;

        const bool adds = drawBelow(random, 2) + 1 == 1;
        luck.signs[at(k)] = adds ? +1 : -1;
        if (adds) {
            add16(state.comodines[at(k)], 1);
        } else if (state.comodines[at(k)] > 0) {
            add16(state.comodines[at(k)], -1);
        }
    }
    return luck;
}

std::array<std::int16_t, kEliminarDraws> drawEliminarCells(const Board& board, Random& random) {
    std::array<std::int16_t, kEliminarDraws> cells{};
    // A generated board always has filler cells (ten words take at most 100 of
    // the 144); a board with none gets no draws at all and every slot stays 0,
    // which names no cell, instead of redrawing for ever.
    if (!hasFreeCell(board)) {
        return cells;
    }
    for (auto& cell : cells) {
        int r = 0;
        do {
            r = drawBelow(random, kCells) + 1;
        } while (!board.celda_libre[at(r)]);
        cell = static_cast<std::int16_t>(r);
    }
    return cells;
}

} // namespace quenza
