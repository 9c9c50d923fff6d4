// The game clock: two labels that count up in the traditional game and down
// in the evolution game.
#include "form1.h"
#include "form1_accessibility.h"
#include "game_state.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "puzzle/clock_text.h"

#include <QLabel>

namespace quenza {

void Form1::Timer1_Timer() {
    if (gameState().modo_juego == GameMode::Traditional) {
        tickClockUp();
    } else if (gameState().modo_juego == GameMode::Evolution) {
        tickCountDown();
    }
}

void Form1::tickClockUp() {
    std::string minutes = minuto->text().toStdString();
    std::string seconds = segundo->text().toStdString();
    quenza::countUp(minutes, seconds);
    minuto->setText(QString::fromStdString(minutes));
    segundo->setText(QString::fromStdString(seconds));
}

void Form1::tickCountDown() {
    std::string minutes = minuto->text().toStdString();
    std::string seconds = segundo->text().toStdString();
    const CountDown state = quenza::countDown(minutes, seconds);
    minuto->setText(QString::fromStdString(minutes));
    segundo->setText(QString::fromStdString(seconds));
    if (state == CountDown::FiveSecondsLeft) {
        announceLastSeconds(this);
        platform::playSound(QStringLiteral("sirena"));
    } else if (state == CountDown::TimeUp) {
        stopLevelJokers();
        // From level 26 on the joker-time window outlasts the count-down; it
        // closes with the level, or its label and sound would carry on after
        // the game.
        segundos60->setEnabled(false);
        hide();
        handOver(handOffs_.showEvolutionGameOver, "the game over");
        Timer1->setEnabled(false);
    }
}

} // namespace quenza
