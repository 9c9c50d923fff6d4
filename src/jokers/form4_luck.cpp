// Suerte and the special joker, both played on the level-complete window.
#include "form4.h"
#include "form4_accessibility.h"
#include "platform/game_random.h"
#include "platform/look.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace quenza {

namespace {

constexpr quint32 kPlusColour = 0x00C000;  // green
constexpr quint32 kMinusColour = 0x0000FF; // red
// The "+10 niveles" label turns when it passes these tops.
constexpr int kBounceTop = 180;
constexpr int kBounceBottom = 2600;
constexpr int kBounceStep = 50;

} // namespace

// A press while the signs of the last play are still shown is refused: the
// button only takes presses it can show, and a fast second press can never
// spend a Suerte joker the stock no longer has.
void Form4::Suerte_Click() {
    if (magic->isEnabled()) {
        return;
    }
    platform::playSound(QStringLiteral("magia"));
    const LuckDraw draw = playSuerte(state_, platform::random());
    hideSigns(kCheckBoxes);
    QStringList changes;
    for (int k = 1; k <= kCheckBoxes; ++k) {
        const int sign = draw.signs[static_cast<size_t>(k)];
        sorteado_[static_cast<size_t>(k)] = sign != 0;
        if (sign != 0) {
            changes.append(showSign(k, sign > 0));
        }
    }
    announceLuck(Suerte, changes);
    // The stock labels keep their old values until the display ends.
    magic->setEnabled(true);
}

void Form4::magic_Timer() {
    showJokerStock();
    magic->setEnabled(false);
    hideSigns(kJokerKinds);
}

void Form4::offerSpecialJoker() {
    comodin9->setVisible(true);
    comodin9_txt->setVisible(true);
}

void Form4::comodin9_Click() {
    takeSpecialJoker(state_);
    // A special joker taken is no longer on offer: an offer carried in by a
    // loaded game would otherwise come back at every later window.
    state_.especial_disponible = false;
    platform::playSound(QStringLiteral("especial"));
    for (int k = 1; k <= kJokerKinds; ++k) {
        showSign(k, true);
    }
    magic->setEnabled(true);
    movimiento_ = 1;
    Timer6->setEnabled(true);
    niveles->setVisible(true);
    announceSpecialJokerTaken(niveles);
    comodin9->setVisible(false);
    comodin9_txt->setVisible(false);
}

// "+10 niveles" bounces up and down the frame until the window closes.
void Form4::Timer6_Timer() {
    if (movimiento_ == 1) {
        const int top = platform::twipsOf(niveles).y() - kBounceStep;
        platform::setTop(niveles, top);
        if (top < kBounceTop) {
            movimiento_ = 2;
        }
    } else if (movimiento_ == 2) {
        const int top = platform::twipsOf(niveles).y() + kBounceStep;
        platform::setTop(niveles, top);
        if (top > kBounceBottom) {
            movimiento_ = 1;
        }
    }
}

QString Form4::showSign(int joker, bool plus) {
    QLabel* sign = signo[static_cast<size_t>(joker)];
    sign->setText(plus ? QStringLiteral("+") : QStringLiteral("-"));
    platform::setForeColor(sign, plus ? kPlusColour : kMinusColour);
    sign->setVisible(true);
    return describeSign(sign, joker);
}

void Form4::hideSigns(int last) {
    for (int k = 1; k <= last; ++k) {
        signo[static_cast<size_t>(k)]->setVisible(false);
    }
}

} // namespace quenza
