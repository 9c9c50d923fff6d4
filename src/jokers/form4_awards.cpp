// The awards of the level-complete window: the award slots, the blinking stock
// labels and the stock display.
#include "artwork/joker_pictures.h"
#include "form4.h"
#include "form4_accessibility.h"
#include "form4_joker_check.h"
#include "platform/controls.h"
#include "platform/game_random.h"
#include "platform/look.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/widgets.h"

#include <QPushButton>

namespace quenza {

namespace {

constexpr int kSuerteRoutine = static_cast<int>(AwardRoutine::SuerteJoker);
constexpr int kLastRandomRoutine = static_cast<int>(AwardRoutine::RandomJoker3);

void showNumber(QLabel* label, int value) {
    label->setText(QString::number(value));
    platform::fitToText(label);
}

} // namespace

void Form4::runAwardRules() {
    // The flag records the offer standing as the window opens (only a loaded
    // game sets it), before this opening's own offer: an untaken new offer is
    // not carried to the next window.
    if (state_.especial_disponible) {
        offerSpecialJoker();
    }
    state_.especial_disponible = !comodin9->isHidden();
    platform::playSound(QStringLiteral("limbo"));
    const AwardOutcome outcome = applyAwardRules(state_, counters_, platform::random());
    for (const Award& award : outcome.awards) {
        showAward(award);
    }
    if (outcome.offerSpecial) {
        offerSpecialJoker();
    }
    if (outcome.suerteTraded) {
        showNumber(comodin1[kSuerte], 0);
        describeStock(kSuerte);
        Suerte->setEnabled(false);
        blinkTimer_[kSuerteRoutine]->setEnabled(false);
    }
}

// The stock already holds the award; its label catches up at the first blink.
void Form4::showAward(const Award& award) {
    const auto routine = static_cast<size_t>(award.routine);
    comod_[routine] = static_cast<std::int16_t>(award.joker);
    showAward(award.joker, QString::fromStdString(award.message));
    blinkTimer_[routine]->setEnabled(true);
    contador_[routine] = 0;
}

void Form4::showAward(int comoddin, const QString& message) {
    for (platform::Label* slot : Picture1) {
        if (slot->isHidden()) {
            slot->setPixmap(jokerPicture(comoddin, slot->size()));
            platform::setPictureId(slot, jokerPictureId(comoddin));
            slot->setToolTip(message);
            slot->setVisible(true);
            announceAward(slot, comoddin);
            awarded_.push_back(comoddin);
            describeAwards(Label3, awarded_);
            return;
        }
    }
}

// Every 500 ms after an award: the stock label shows the new count, then
// blinks three times; the blink ends 3.5 s after the award.
void Form4::blinkStep(int routine) {
    const auto i = static_cast<size_t>(routine);
    const int step = ++contador_[i];
    const auto joker = static_cast<size_t>(comod_[i]);
    QLabel* stock = comodin1[joker];
    switch (step) {
    case 1:
        showNumber(stock, stock->text().toInt() + 1);
        describeStock(static_cast<int>(joker));
        if (routine <= kLastRandomRoutine && joker != kFinalizar) {
            Check1[joker]->setEnabled(true);
        } else if (routine == kSuerteRoutine) {
            Suerte->setEnabled(true);
        }
        break;
    case 2:
    case 4:
    case 6:
        stock->setVisible(false);
        break;
    case 3:
    case 5:
    case 7:
        stock->setVisible(true);
        break;
    default:
        blinkTimer_[i]->setEnabled(false);
        break;
    }
}

void Form4::showJokerStock() {
    for (int k = 1; k <= kJokerKinds; ++k) {
        showNumber(comodin1[static_cast<size_t>(k)], state_.comodines[static_cast<size_t>(k)]);
    }
    // Finalizar can never be chosen for the next level.
    for (int k = 1; k <= kCheckBoxes; ++k) {
        const bool inStock = state_.comodines[static_cast<size_t>(k)] != 0;
        Check1[static_cast<size_t>(k)]->setEnabled(inStock && k != kFinalizar);
    }
    Suerte->setEnabled(state_.comodines[kSuerte] != 0);
    for (int k = 1; k <= kJokerKinds; ++k) {
        describeStock(k);
    }
}

void Form4::describeStock(int joker) {
    QAbstractButton* control =
        joker == kSuerte ? static_cast<QAbstractButton*>(Suerte)
                         : static_cast<QAbstractButton*>(Check1[static_cast<size_t>(joker)]);
    quenza::describeStock(control, comodin1[static_cast<size_t>(joker)], joker);
}

} // namespace quenza
