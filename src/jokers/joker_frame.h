#pragma once

#include "puzzle/board.h"
#include "puzzle/evolution.h"

#include <QGroupBox>
#include <QJsonObject>
#include <QStringList>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace quenza {

namespace platform {
class Timer;
}

// What the in-game jokers act on: the evolution game, the board and the main
// window's word list, grid, visor frame and clock.
struct JokerTargets {
    EvolutionState* state = nullptr;
    Board* board = nullptr;
    std::array<QLabel*, kSlots> resultado{};
    std::array<QLabel*, kSlots> res3{};
    QGroupBox* Frame1 = nullptr;
    std::array<QWidget*, kCells + 1> cells{};
    QWidget* Shape3 = nullptr;
    QWidget* stop_pict = nullptr;
    platform::Timer* Timer1 = nullptr;
    platform::Timer* stop1 = nullptr;
    platform::Timer* stop2 = nullptr;
    std::function<void()> finishLevel;
};

// The frame `Comodines` at the right of the main window in the evolution
// game: six joker buttons with their stock, five countdowns and the timers
// that end each joker's effect.
class JokerFrame final : public QGroupBox {
    Q_OBJECT
public:
    JokerFrame(QWidget* parent, JokerTargets targets);

    // A level starts: every effect off, each button enabled when its stock
    // is above 0.
    void startLevel();
    // A level ends: running effects are cancelled without their end steps.
    void endLevel();
    // A joker chosen before the level disables a button for the whole level.
    void disableButton(int joker);

    QJsonObject fields() const;

protected:
    // The jokers' pictures are drawn the first time the frame shows: the
    // traditional mode never shows it.
    void showEvent(QShowEvent* event) override;

private:
    struct Countdown {
        QLabel* label = nullptr;
        platform::Timer* tick = nullptr;
        platform::Timer* end = nullptr;
        int seconds = 0;
    };

    void build();
    void press(int joker);
    // The words (Mostrar) or first letters (Mostrar3) in view after a joker.
    QStringList shownWords(int joker) const;
    void tick(int joker);
    void endEffect(int joker);
    void startCountdown(int joker);
    void stopCountdown(int joker);
    void enableAfterEffect(int joker);

    void mostrar_Click();
    void mostrar3_Click();
    void borrar_Click();
    void scanner_Click();
    void tiempo_Click();
    void tcomodin1_Timer();
    void tcomodin2_Timer();
    void tcomodin3_Timer();
    void tcomodin4_Timer();
    void tcomodin5_Timer();
    void toggleWordList();

    bool running(int joker) const;
    int stock(int joker) const;
    QPushButton* button(int joker) const;

    JokerTargets t_;
    std::array<QPushButton*, kInGameJokers + 1> buttons_{};
    std::array<QLabel*, kInGameJokers + 1> stockLabels_{};
    std::array<Countdown, kInGameJokers> countdowns_{}; // 1..5
    std::array<std::int16_t, 50> celdas_borradas_{};
};

} // namespace quenza
