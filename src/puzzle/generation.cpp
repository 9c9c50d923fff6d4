#include "generation.h"

#include "text.h"

#include <algorithm>

namespace quenza {

namespace {

constexpr Letter kFirstFiller = U'A';
constexpr int kFillerLetters = 25; // A..Y: fillers are never Z, accented or Ñ

// Start cell of a run for each direction, from the five draws.
int startCell(int dir, int a, int b, int c, int e, int f) {
    switch (dir) {
    case 1:
        return a + 12 * b;
    case 2:
        return e + 12 * b;
    case 3:
        return 12 * a + b;
    case 4:
        return 12 * e + b;
    case 5:
        return a + 12 * c;
    case 6:
        return e + 12 * f;
    case 7:
        return e + 12 * c;
    default:
        return a + 12 * f;
    }
}

bool runIsFree(const Board& board, int start, int step, int length) {
    for (int k = 0; k < length; ++k) {
        const int cell = start + k * step;
        if (cell < 1 || cell > kCells || !board.celda_libre[static_cast<size_t>(cell)]) {
            return false;
        }
    }
    return true;
}

template <typename Cells> void exchangeSort(Cells& cells, size_t count) {
    for (size_t p = 0; p < count; ++p) {
        for (size_t q = p + 1; q < count; ++q) {
            if (cells[p] > cells[q]) {
                std::swap(cells[p], cells[q]);
            }
        }
    }
}

} // namespace

void IniCiar(Board& board, Random& random) {
    board.visor = false;
    random.reseedFromClock();
    for (auto& slot : board.celdas_palabra) {
        std::fill(slot.begin(), slot.begin() + kMaxLetters, 0);
    }
    board.celdas_seleccion.fill(0);
    board.encontrada.fill(false);
    board.num_palabras = 0;
    for (int i = 1; i <= kCells; ++i) {
        const auto cell = static_cast<size_t>(i);
        board.letra[cell] = kFirstFiller + static_cast<Letter>(drawBelow(random, kFillerLetters));
        board.visible[cell] = true;
        board.celda_libre[cell] = true;
    }
}

bool IntRodUcir(Board& board, const Word& palabro, int num_val, int direccion_unica,
                Random& random) {
    const Word word = upperCase(palabro);
    const int length = static_cast<int>(word.size());
    const int room = kSide - length;
    random.reseedFromClock();
    if (length >= 1 && length <= kMaxLetters && num_val >= 0 && num_val < kSlots) {
        for (int tries = 1; tries < kPlacementTries; ++tries) {
            const int a = drawBelow(random, room) + 1;
            const int b = drawBelow(random, kSide);
            const int c = drawBelow(random, room) + 1;
            int dir = drawBelow(random, 8) + 1;
            if (direccion_unica >= 1 && direccion_unica <= 8) {
                dir = direccion_unica;
            }
            const int e = 11 - drawBelow(random, room);
            const int f = 11 - drawBelow(random, room);
            const int start = startCell(dir, a, b, c, e, f);
            const int step = directionStep(dir);
            if (runIsFree(board, start, step, length)) {
                board.placeWord(num_val, word, start, dir);
                return true;
            }
        }
    }
    board.numero = saturate16(static_cast<long>(board.numero) - 1);
    return false;
}

void OrdEnar_MatriZ(Board& board) {
    for (auto& slot : board.celdas_palabra) {
        exchangeSort(slot, kMaxLetters);
    }
}

void OrdEnar(Selection& celdas_seleccion) {
    exchangeSort(celdas_seleccion, kMaxLetters);
}

} // namespace quenza
