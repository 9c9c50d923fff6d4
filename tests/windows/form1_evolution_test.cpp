#include "board_play.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/clock.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "qt_test_registry.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

// The evolution game on the main window: what a level start does with the
// joker chosen before it, the in-game jokers' guards, and where the main
// window hands over.
class Form1EvolutionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    QLabel* label(const QString& name) const { return child<QLabel>(form.get(), name); }
    QPushButton* button(const char* name) const {
        return child<QPushButton>(form.get(), QLatin1String(name));
    }
    void newGame() { child<QAction>(form.get(), QStringLiteral("evolution"))->trigger(); }
    int hiddenCells() const {
        int hidden = 0;
        for (int i = 1; i <= kCells; ++i) {
            hidden += label(cellName(i))->isHidden() ? 1 : 0;
        }
        return hidden;
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        form->show();
    }
    void cleanup() {
        form.reset();
        fixture.reset();
    }

    void mostrarChosenBeforeALevelShowsTheListForTheWholeLevel() {
        newGame();
        GameState& state = gameState();
        state.comodines[kMostrar] = 2;
        state.comodines[kMostrar3] = 2;
        state.puntuacion = 100;
        form->startLevel(kMostrar);
        QCOMPARE(label(QStringLiteral("puntuacion2"))->text(), QStringLiteral("100"));
        QCOMPARE(state.puntuacion, std::int16_t(80));
        QVERIFY(!state.sin_comodines);
        QVERIFY(!label(QStringLiteral("resultado(0)"))->isHidden());
        QCOMPARE(child<QGroupBox>(form.get(), QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Encuentre las palabras"));
        QVERIFY(!button("mostrar")->isEnabled());
        QVERIFY(!button("mostrar3")->isEnabled());
        QVERIFY(button("borrar")->isEnabled());
    }

    void eliminarChosenBeforeALevelHidesOnlyFillerLetters() {
        newGame();
        form->startLevel(kEliminar);
        const int hidden = hiddenCells();
        QVERIFY(hidden >= 1 && hidden <= kEliminarDraws);
        for (int i = 1; i <= kCells; ++i) {
            if (label(cellName(i))->isHidden()) {
                QVERIFY(gameState().board.celda_libre[static_cast<size_t>(i)]);
            }
        }
    }

    void aJokerWhoseEffectRunsCannotBePressedAgain() {
        newGame();
        gameState().comodines[kEliminar] = 3;
        form->startLevel(kNoJoker);
        QCOMPARE(label(QStringLiteral("comodin3"))->text(), QStringLiteral("3"));
        button("borrar")->click();
        QCOMPARE(label(QStringLiteral("comodin3"))->text(), QStringLiteral("2"));
        QVERIFY(!button("borrar")->isEnabled());
        const int hidden = hiddenCells();
        QVERIFY(hidden >= 1);
        advanceClock(45000);
        QCOMPARE(hiddenCells(), 0);
        QVERIFY(button("borrar")->isEnabled());
        QCOMPARE(gameState().comodines[kEliminar], std::int16_t(2));
    }

    void mostrarHoldsMostrar3BackUntilItsEnd() {
        newGame();
        gameState().comodines[kMostrar3] = 2;
        form->startLevel(kNoJoker);
        button("mostrar")->click();
        QVERIFY(!button("mostrar3")->isEnabled());
        advanceClock(50000);
        QVERIFY(button("mostrar3")->isEnabled());
        QVERIFY(!button("mostrar")->isEnabled()); // its one joker is spent
    }

    void theVisorFramesOnlyLettersOfWords() {
        newGame();
        button("scanner")->click();
        auto* visor = child<QWidget>(form.get(), QStringLiteral("Shape3"));
        QVERIFY(!visor->isHidden());
        const Board& board = gameState().board;
        int filler = 1;
        while (!board.celda_libre[static_cast<size_t>(filler)]) {
            ++filler;
        }
        const QRect before = platform::twipsOf(visor);
        moveOver(label(cellName(filler)));
        QCOMPARE(platform::twipsOf(visor), before);
        const int letter = wordCells(0).front();
        moveOver(label(cellName(letter)));
        const QRect cell = platform::twipsOf(label(cellName(letter)));
        QCOMPARE(platform::twipsOf(visor), QRect(cell.x() - 60, cell.y() - 30, 315, 315));
    }

    void aNewGameInTheMiddleOfALevelStopsEveryEffect() {
        newGame();
        button("tiempo")->click();
        button("borrar")->click();
        advanceClock(500);
        newGame();
        QVERIFY(child<platform::Timer>(form.get(), QStringLiteral("Timer1"))->isEnabled());
        QVERIFY(!child<platform::Timer>(form.get(), QStringLiteral("stop1"))->isEnabled());
        QVERIFY(!child<platform::Timer>(form.get(), QStringLiteral("tcomodin3"))->isEnabled());
        QVERIFY(label(QStringLiteral("c5"))->isHidden());
        QCOMPARE(label(QStringLiteral("c5"))->text(), QStringLiteral("60"));
        QCOMPARE(hiddenCells(), 0);
        QVERIFY(button("tiempo")->isEnabled());
    }
};

QUENZA_QT_TEST(Form1EvolutionTest)
#include "form1_evolution_test.moc"
