// One theme line, placed on a fresh board as a game start does, then every
// placed word selected and found as the player would.

#include "fuzz_target.h"
#include "platform/game_random.h"
#include "puzzle/generation.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "puzzle/word_check.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

using quenza::Board;
using quenza::Word;
using quenza::fuzz::require;

std::vector<int> placedCells(const Board& board, int slot) {
    const quenza::SlotCells& slotCells = board.celdas_palabra[static_cast<size_t>(slot)];
    std::vector<int> cells;
    std::copy_if(slotCells.begin(), slotCells.begin() + quenza::kMaxLetters,
                 std::back_inserter(cells), [](int cell) { return cell != 0; });
    return cells;
}

void checkPlacement(const Board& board, const quenza::ThemeLine& theme) {
    require(board.numero >= 0 && board.numero <= theme.count, "numero stays within 0..count");
    std::array<bool, quenza::kCells + 1> taken{};
    int placed = 0;
    for (int slot = 0; slot < quenza::kSlots; ++slot) {
        const std::vector<int> cells = placedCells(board, slot);
        if (cells.empty()) {
            continue;
        }
        ++placed;
        require(slot < theme.count, "only the declared slots hold words");
        const Word expected = quenza::upperCase(theme.words[static_cast<size_t>(slot)]);
        require(cells.size() == expected.size(), "a placed word takes one cell per letter");
        const int direction =
            board.celdas_palabra[static_cast<size_t>(slot)][quenza::kDirectionPos];
        require(direction >= 1 && direction <= 8, "a placed word has a direction 1..8");
        // In ascending order the cells are steps of one direction, never wrapping
        // round an edge of the grid (a step of 1 stays on its row, the others go
        // down one row), and they spell the word, backwards for a reverse direction.
        const int step = std::abs(quenza::directionStep(direction));
        Word spelled;
        for (size_t k = 0; k < cells.size(); ++k) {
            const int cell = cells[k];
            require(cell >= 1 && cell <= quenza::kCells, "a placed word lies inside the grid");
            require(!board.celda_libre[static_cast<size_t>(cell)], "a word's cells are not free");
            require(!taken[static_cast<size_t>(cell)], "two words never share a cell");
            taken[static_cast<size_t>(cell)] = true;
            require(k == 0 ||
                        (cell - cells[k - 1] == step &&
                         quenza::row0(cell) - quenza::row0(cells[k - 1]) == (step == 1 ? 0 : 1)),
                    "a placed word lies in a straight line");
            spelled.push_back(board.letra[static_cast<size_t>(cell)]);
        }
        if (quenza::isReverseDirection(direction)) {
            std::reverse(spelled.begin(), spelled.end());
        }
        require(spelled == expected, "the grid spells the placed word");
    }
    require(board.numero == placed, "the counter equals the words on the board");
}

// Selects every placed word (start and end swapped on odd slots, as a player
// may drag either way) and finds it; the counter must reach zero.
void findEveryWord(Board& board) {
    require(!quenza::matchingSlot(board).has_value(), "an empty selection matches nothing");
    for (int slot = 0; slot < quenza::kSlots; ++slot) {
        std::vector<int> cells = placedCells(board, slot);
        if (cells.empty()) {
            continue;
        }
        if (slot % 2 == 1) {
            std::reverse(cells.begin(), cells.end());
        }
        board.celdas_seleccion.fill(0);
        std::copy(cells.begin(), cells.end(), board.celdas_seleccion.begin());
        const auto match = quenza::matchingSlot(board);
        require(match == slot, "selecting a word's cells finds that word");
        const int before = board.numero;
        const quenza::FoundWord found = quenza::markWordFound(board, slot);
        require(found.cells.size() == cells.size(), "finding a word hides all its cells");
        require(board.numero == before - 1, "finding a word lowers the counter by one");
        std::copy(cells.begin(), cells.end(), board.celdas_seleccion.begin());
        require(!quenza::matchingSlot(board).has_value(), "a found word never matches again");
    }
    require(board.numero == 0, "the counter is zero once every word is found");
}

void playLine(const Word& line, const quenza::ThemeLine& theme, int direccion_unica,
              std::uint64_t seed) {
    quenza::platform::GameRandom random(seed, quenza::platform::GameRandom::Reseeds::FromCountOnly);
    Board board;
    quenza::fillBoard(board, random);
    quenza::placeTheme(board, line, direccion_unica, random);
    checkPlacement(board, theme);
    findEveryWord(board);
}

} // namespace

// A theme is one line of the library, as the game reads it.
void quenza::fuzz::check(const Input& input) {
    const Word line = input.lines.empty() ? Word() : quenza::fromUtf8(input.lines.front());
    const quenza::ThemeLine theme = quenza::parseThemeLine(line);
    playLine(line, theme, 0, input.seed);
    playLine(line, theme, static_cast<int>(input.seed % 8) + 1, input.seed >> 8);
}
