#pragma once

#include "platform/inspect.h"
#include "puzzle/evolution.h"

#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;

namespace quenza {

class JokerCheckBox;
class LevelHost;

namespace platform {
class Label;
class Timer;
} // namespace platform

// "Limbo de Nivel", the window between two evolution levels: it credits the
// finished level, grows open, hands out the awards with their blinking stock
// labels, lets the player tick a joker for the next level, play Suerte or take
// the special joker, and starts the next level with "Continuar".
class Form4 final : public QWidget, public platform::Inspectable {
    Q_OBJECT
public:
    // The award counters live outside the window: they keep their values
    // from one opening to the next for the whole run.
    Form4(LevelHost& host, EvolutionState& state, AwardCounters& counters,
          QWidget* parent = nullptr);
    ~Form4() override;

    QJsonObject fields() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter continues, S plays Suerte, E takes the special joker.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect growth_; // where the opening growth has got to, in twips
    friend class Form4Builder;

    static constexpr int kRoutines = 5;   // RandomJoker1..SuerteJoker
    static constexpr int kAwardSlots = 5; // Picture1(0..4)
    static constexpr int kCheckBoxes = 7; // Check1(1..7)

    void build();
    void Form_Load();
    void Timer1_Timer();

    // Awards (form4_awards.cpp).
    void runAwardRules();
    void showAward(const Award& award);
    void showAward(int comoddin, const QString& message);
    void blinkStep(int routine);
    void showJokerStock();
    // Joker k's check box (Suerte's button) and stock label, for screen readers.
    void describeStock(int joker);

    // The next level's joker and "Continuar".
    void Check1_LostFocus(int index);
    void Comodines_MouseMove();
    void Command2_Click();
    void continueToNextLevel();

    // Suerte and the special joker (form4_luck.cpp).
    void Suerte_Click();
    void magic_Timer();
    void offerSpecialJoker();
    void comodin9_Click();
    void Timer6_Timer();
    // Returns what the sign says to a screen reader: "Mostrar: uno más".
    QString showSign(int joker, bool plus);
    void hideSigns(int last);

    LevelHost& host_;
    EvolutionState& state_;
    AwardCounters& counters_;

    // Indexed by routine: comod0..comod4 and contador0..contador4.
    std::array<std::int16_t, kRoutines> comod_{};
    std::array<std::int16_t, kRoutines> contador_{};
    std::int16_t valor_ = 0;
    std::int16_t movimiento_ = 0;
    std::array<bool, kJokerKinds + 1> sorteado_{};
    bool continued_ = false;
    // The jokers whose pictures the award slots show, in order.
    std::vector<int> awarded_;

    QLabel* Label2 = nullptr;
    QLabel* nivel = nullptr;
    QLabel* Label3 = nullptr;
    std::array<platform::Label*, kAwardSlots> Picture1{};
    QGroupBox* Comodines = nullptr;
    QPushButton* Command2 = nullptr;
    std::array<JokerCheckBox*, kCheckBoxes + 1> Check1{}; // 1..7
    QPushButton* Suerte = nullptr;
    std::array<QLabel*, kJokerKinds + 1> comodin1{}; // 1..8
    std::array<QLabel*, kJokerKinds + 1> signo{};    // 1..8
    QPushButton* comodin9 = nullptr;
    QLabel* comodin9_txt = nullptr;
    QLabel* niveles = nullptr;

    platform::Timer* Timer1 = nullptr;
    // Indexed by routine: Timer7 blinks for RandomJoker1, Timer2..Timer5 for
    // RandomJoker2..SuerteJoker.
    std::array<platform::Timer*, kRoutines> blinkTimer_{};
    platform::Timer* magic = nullptr;
    platform::Timer* Timer6 = nullptr;
};

} // namespace quenza
