// Building a board and checking a selection: the work behind a new game and
// behind every click on the grid.
#include "platform/game_random.h"
#include "puzzle/generation.h"
#include "puzzle/selection.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"
#include "puzzle/word_check.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quenza;

const Word kTenWords =
    fromUtf8("1,\"animales de granja\",\"10\",\"perro\",\"gato\",\"vaca\",\"oveja\",\"cabra\","
             "\"caballo\",\"gallina\",\"conejo\",\"pato\",\"cerdo\"");

void BM_FullBoard(benchmark::State& state) {
    platform::GameRandom random(7);
    Board board;
    for (auto _ : state) {
        fillBoard(board, random);
        placeTheme(board, kTenWords, 0, random);
        benchmark::DoNotOptimize(board.numero);
    }
}
BENCHMARK(BM_FullBoard);

void BM_SelectionCheck(benchmark::State& state) {
    platform::GameRandom random(7);
    Board board;
    fillBoard(board, random);
    placeTheme(board, kTenWords, 0, random);
    for (auto _ : state) {
        SelectionState selection;
        clickCell(selection, 14, board.celdas_seleccion);
        pointerMoved(selection, 18);
        clickCell(selection, 18, board.celdas_seleccion);
        benchmark::DoNotOptimize(matchingSlot(board));
    }
}
BENCHMARK(BM_SelectionCheck);

} // namespace
