// One pointer move over the grid while a selection is open: all 144 cells are
// given their colour again, through the real widgets and events.
#include "game/form1.h"
#include "platform/clock.h"
#include "platform/game_random.h"
#include "platform/sound.h"
#include "platform/system.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace quenza;

void moveOver(QWidget* cell) {
    const QPointF centre(cell->width() / 2.0, cell->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, centre, cell->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &move);
}

void click(QWidget* cell) {
    const QPointF centre(cell->width() / 2.0, cell->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, cell->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, cell->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &press);
    QApplication::sendEvent(cell, &release);
}

void BM_PointerMoveOverGrid(benchmark::State& state) {
    QTemporaryDir data;
    platform::installClock(std::make_unique<platform::VirtualClock>());
    platform::installRandom(3);
    platform::installSoundPlayer(std::make_unique<platform::RecordingSoundPlayer>());
    platform::setFolders({platform::folders().program, data.path()});
    Form1 form;
    Form1::HandOffs nowhere;
    for (auto* handOff :
         {&nowhere.showTraditionalResult, &nowhere.showEvolutionGameOver,
          &nowhere.showLevelComplete, &nowhere.showRankings, &nowhere.showHelp, &nowhere.showAbout,
          &nowhere.helpForTraditional, &nowhere.helpForEvolution}) {
        *handOff = [] {};
    }
    form.wire(std::move(nowhere));
    if (!form.Form_Load()) {
        state.SkipWithError("no theme file next to the benchmark");
        return;
    }
    form.findChild<QAction*>(QStringLiteral("tradicional"))->trigger();
    auto* start = form.findChild<QWidget*>(QStringLiteral("Label1(14)"));
    auto* across = form.findChild<QWidget*>(QStringLiteral("Label1(18)"));
    auto* down = form.findChild<QWidget*>(QStringLiteral("Label1(122)"));
    click(start);
    bool flip = false;
    // Alternating between a row and a column makes every move recolour cells.
    for (auto _ : state) {
        moveOver(flip ? across : down);
        flip = !flip;
    }
}
BENCHMARK(BM_PointerMoveOverGrid)->Unit(benchmark::kMicrosecond);

} // namespace
