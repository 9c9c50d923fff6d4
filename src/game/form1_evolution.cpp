// The evolution game on the main window: a new game, the start of every
// level with the joker chosen before it, the count-down's companions (game
// time, the 60-second joker window, the blinking "stop" picture) and the end
// of a level.
#include "form1.h"
#include "form1_accessibility.h"
#include "game_state.h"
#include "jokers/joker_frame.h"
#include "platform/controls.h"
#include "platform/game_random.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/clock_text.h"
#include "puzzle/level_time.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>

namespace quenza {

void Form1::evolution_Click() {
    evolution_timer->setEnabled(true);
    newEvolutionGame(gameState());
    startLevel(kNoJoker);
}

void Form1::startLevel(int comodinn) {
    GameState& state = gameState();
    guardame->setEnabled(true);
    state.guardado = platform::fileExists(state.ruta_file03);
    cargame->setEnabled(state.guardado);
    handOver(handOffs_.helpForEvolution, "the evolution help");

    puntuacion1->setVisible(true);
    puntuacion2->setVisible(true);
    // The score as it stood before the cost of this level's joker.
    puntuacion2->setText(QString::number(state.puntuacion));
    platform::fitToText(puntuacion2);
    describeScore(puntuacion2);
    quenza::startLevel(state, comodinn);

    setWindowTitle(QStringLiteral("Quenza Evolution---->Nivel %1").arg(state.nivel_actual));
    describeMainWindow(this);
    state.dentro_seg = 60;
    Label2->setText(QStringLiteral("60"));
    segundos60->setEnabled(true);

    Comodines->startLevel();
    Shape3->setVisible(false);
    evolutionLayout();
    Comodines->setVisible(true);
    Label2->setVisible(true);
    Label3->setVisible(true);

    state.modo_juego = GameMode::Evolution;
    imprimir->setEnabled(false);
    Frame1->setTitle(QStringLiteral("Palabras encontradas"));
    if (!newBoard()) {
        return;
    }
    showWordList();
    showLevelTime(tiempo_nivel(state.nivel_actual, state.board.num_palabras + 1));
    Timer1->setEnabled(true);
    applyJokerBeforeLevel(comodinn);

    ejemplo1->setVisible(true);
    ejemplo2->setText(resultado_[0]->text());
    platform::fitToText(ejemplo2);
    ejemplo2->setVisible(true);
    announceBoard(this, state.board,
                  QStringLiteral("Nivel %1. Tiempo: %2:%3")
                      .arg(state.nivel_actual)
                      .arg(minuto->text(), segundo->text()));
}

void Form1::evolutionLayout() {
    platform::setLeft(stop_pict, 6240);
    platform::setLeft(minuto, 6765);
    platform::setLeft(Label6, 7200);
    platform::setLeft(segundo, 7320);
    platform::setWindowWidth(this, 7965);
}

void Form1::showLevelTime(int seconds) {
    std::string minutes;
    std::string rest;
    showSeconds(seconds, minutes, rest);
    minuto->setText(QString::fromStdString(minutes));
    segundo->setText(QString::fromStdString(rest));
}

void Form1::applyJokerBeforeLevel(int comodinn) {
    Board& board = gameState().board;
    switch (comodinn) {
    case kMostrar:
        for (QLabel* word : resultado_) {
            word->setVisible(true);
        }
        Frame1->setTitle(QStringLiteral("Encuentre las palabras"));
        Comodines->disableButton(kMostrar);
        Comodines->disableButton(kMostrar3);
        break;
    case kMostrar3:
        for (QLabel* start : res3_) {
            start->setVisible(true);
        }
        Comodines->disableButton(kMostrar3);
        break;
    case kEliminar:
        for (const std::int16_t cell : drawEliminarCells(board, platform::random())) {
            if (cell > 0) {
                celdas_[static_cast<size_t>(cell)]->setVisible(false);
            }
        }
        break;
    case kVisor:
        Shape3->setVisible(true);
        Comodines->disableButton(kVisor);
        board.visor = true;
        break;
    case kTiempo:
        showLevelTime(2 * tiempo_nivel(gameState().nivel_actual, board.num_palabras + 1));
        Timer1->setEnabled(true);
        break;
    default:
        // UniDireccion acted at placement; Finalizar cannot be chosen.
        break;
    }
}

// Time is up: the jokers stop with the level, as when a level is finished.
// The Game Over board only pushes the joker frame aside, so a button left
// enabled there would still answer its key, and an effect left running would
// end on the board of a game already over.
void Form1::stopLevelJokers() {
    Comodines->endLevel();
    gameState().board.visor = false;
    Shape3->setVisible(false);
}

void Form1::finishLevel() {
    Shape3->setVisible(false);
    Comodines->endLevel();
    for (QLabel* word : resultado_) {
        word->setVisible(false);
    }
    for (QLabel* start : res3_) {
        start->setVisible(false);
    }
    Frame1->setTitle(QStringLiteral("Palabras encontradas"));
    Timer1->setEnabled(false);
    segundos60->setEnabled(false);
    announceLevelEnd(this, gameState().nivel_actual);
    hide();
    // The game time goes on while the level-complete window is open.
    handOver(handOffs_.showLevelComplete, "the level-complete window");
}

void Form1::evolution_timer_Timer() {
    add16(gameState().segundos_partida, 1);
}

void Form1::segundos60_Timer() {
    GameState& state = gameState();
    add16(state.dentro_seg, -1);
    Label2->setText(QString::fromStdString(withLeadingZero(state.dentro_seg)));
    if (state.dentro_seg <= 0) {
        segundos60->setEnabled(false);
        Label2->setVisible(false);
        Label3->setVisible(false);
        platform::playSound(QStringLiteral("sin_comodin"));
    }
}

// The two "stop" timers hand over to each other, so the picture is hidden
// for half a second and shown for the next half while the clock is held.
// (Both running side by side at the same interval would restart or shadow
// each other and the picture would never blink.)
void Form1::stop1_Timer() {
    stop_pict->setVisible(false);
    stop1->setEnabled(false);
    stop2->setEnabled(true);
}

void Form1::stop2_Timer() {
    stop_pict->setVisible(true);
    stop2->setEnabled(false);
    stop1->setEnabled(true);
}

void Form1::hideStopPicture() {
    stop_pict->setVisible(false);
}

void Form1::pauseForRankings() {
    holdClock();
    setEnabled(false);
}

void Form1::resumeAfterRankings() {
    setEnabled(true);
    releaseClock();
}

void Form1::holdClock() {
    clockWasRunning_ = Timer1->isEnabled();
    jokerWindowWasRunning_ = segundos60->isEnabled();
    Timer1->setEnabled(false);
    segundos60->setEnabled(false);
}

// Only what was held starts again: a clock held by Tiempo, stopped by a game
// over or a joker window already run out stays as it was (else the
// count-down would run on below 00:00 after a game over).
void Form1::releaseClock() {
    const GameMode mode = gameState().modo_juego;
    if (mode != GameMode::None && clockWasRunning_) {
        Timer1->setEnabled(true);
    }
    if (mode == GameMode::Evolution && jokerWindowWasRunning_) {
        segundos60->setEnabled(true);
    }
}

void Form1::stopGameTime() {
    evolution_timer->setEnabled(false);
}

void Form1::showGameOverBoard() {
    setWindowTitle(QStringLiteral(" Game Over "));
    static const char* const kGameOver[kSide] = {"G", "A", "M", "E", "O", "V",
                                                 "E", "R", ".", ".", ".", "."};
    for (int column = 1; column <= kSide; ++column) {
        for (int row = 1; row <= kSide; ++row) {
            celdas_[static_cast<size_t>(cellAt(row, column))]->setText(
                QLatin1String(kGameOver[column - 1]));
        }
    }
    Titulo->setText(QStringLiteral(" Game Over"));
    platform::fitToText(Titulo);
    guardame->setEnabled(false);
    cargame->setEnabled(false);
    traditionalLayout();
    platform::setWindowWidth(this, 6400);
    for (QLabel* label : {ejemplo1, ejemplo2, puntuacion1, puntuacion2}) {
        label->setVisible(false);
    }
    GameState& state = gameState();
    state.racha_sin_comodines = 0;
    state.racha_sin_finalizar = 0;
    Timer1->setEnabled(false);
}

} // namespace quenza
