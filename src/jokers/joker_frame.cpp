#include "jokers/joker_frame.h"

#include "artwork/joker_pictures.h"
#include "jokers/joker_frame_accessibility.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/game_random.h"
#include "platform/look.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/clock_text.h"
#include "puzzle/text.h"

#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace quenza {

namespace {

struct JokerButton {
    const char* name;
    const char* toolTip;
};

// Buttons of jokers 1..6, top to bottom.
constexpr std::array<JokerButton, kInGameJokers> kButtons{{
    {"mostrar", "Muestra las palabras a encontrar (50segs)"},
    {"mostrar3", "Muestra las 3 primeras letras de cada palabra (60segs)"},
    {"borrar", "Oculta 40 letras (45 segs)"},
    {"scanner", "Visor que te indica que letras estan en alguna palabra (30segs)"},
    {"tiempo", "Para el tiempo durante 60 segs"},
    {"finalizar", "Pasar automaticamente al siguiente nivel"},
}};

// How long the effects of jokers 1..5 last, in seconds.
constexpr std::array<int, kInGameJokers - 1> kEffectSeconds{50, 60, 45, 30, 60};
constexpr std::array<int, kInGameJokers - 1> kCountdownTops{600, 1080, 1680, 2280, 2880};
constexpr int kButtonTwips = 495;

QString numbered(const char* name, int k) {
    return QLatin1String(name) + QString::number(k);
}

} // namespace

JokerFrame::JokerFrame(QWidget* parent, JokerTargets targets)
    : QGroupBox(QStringLiteral("Comodines"), parent), t_(std::move(targets)) {
    setObjectName(QStringLiteral("Comodines"));
    platform::setKind(this, platform::Kind::Frame);
    platform::place(this, 6360, 1080, 1335, 4215);
    build();
}

void JokerFrame::build() {
    const int iconPixels = platform::twipsToPixels(kButtonTwips) - 6;
    for (int k = 1; k <= kInGameJokers; ++k) {
        const JokerButton& design = kButtons[static_cast<size_t>(k - 1)];
        auto* jokerButton = new QPushButton(this);
        jokerButton->setObjectName(QLatin1String(design.name));
        platform::setKind(jokerButton, platform::Kind::Button);
        platform::place(jokerButton, 360, 360 + 600 * (k - 1), kButtonTwips, kButtonTwips);
        // The picture itself is drawn when the frame first shows.
        jokerButton->setIconSize(QSize(iconPixels, iconPixels));
        platform::setPictureId(jokerButton, jokerPictureId(k));
        jokerButton->setToolTip(QString::fromUtf8(design.toolTip));
        connect(jokerButton, &QPushButton::clicked, this, [this, k] { press(k); });
        // Key k presses button k. The shortcut belongs to the button, so it
        // does nothing while the button is disabled or out of sight; the
        // buttons take no focus, which stays with the grid and its keys.
        jokerButton->setFocusPolicy(Qt::NoFocus);
        const auto digit = static_cast<Qt::Key>(Qt::Key_1 + k - 1);
        auto* key = new QShortcut(QKeySequence(QKeyCombination(digit)), jokerButton);
        connect(key, &QShortcut::activated, jokerButton, &QPushButton::click);
        buttons_[static_cast<size_t>(k)] = jokerButton;

        stockLabels_[static_cast<size_t>(k)] =
            platform::makeLabel(this, numbered("comodin", k), QStringLiteral("1"),
                                {120, 480 + 600 * (k - 1), 105, 240});
        describeJokerStock(jokerButton, stockLabels_[static_cast<size_t>(k)], k);
    }
    for (int k = 1; k < kInGameJokers; ++k) {
        const auto i = static_cast<size_t>(k - 1);
        Countdown& countdown = countdowns_[i];
        countdown.seconds = kEffectSeconds[i];
        countdown.label =
            platform::makeLabel(this, numbered("c", k), QString::number(countdown.seconds),
                                {960, kCountdownTops[i], 180, 210});
        countdown.label->setVisible(false);
        describeJokerCountdown(countdown.label, k);
        countdown.tick = new platform::Timer(numbered("t", k), 1000, false, this);
        countdown.end =
            new platform::Timer(numbered("tcomodin", k), countdown.seconds * 1000, false, this);
        connect(countdown.tick, &platform::Timer::fired, this, [this, k] { tick(k); });
        connect(countdown.end, &platform::Timer::fired, this, [this, k] { endEffect(k); });
    }
}

void JokerFrame::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    for (int k = 1; k <= kInGameJokers; ++k) {
        QPushButton* jokerButton = button(k);
        if (jokerButton->icon().isNull()) {
            jokerButton->setIcon(jokerPicture(k, jokerButton->iconSize()));
        }
    }
}

QPushButton* JokerFrame::button(int joker) const {
    return buttons_[static_cast<size_t>(joker)];
}

int JokerFrame::stock(int joker) const {
    return static_cast<int>(
        leadingNumber(stockLabels_[static_cast<size_t>(joker)]->text().toStdString()));
}

bool JokerFrame::running(int joker) const {
    return countdowns_[static_cast<size_t>(joker - 1)].end->isEnabled();
}

void JokerFrame::startLevel() {
    // A new game can start in the middle of a level: whatever ran there stops
    // without its end steps, as at the end of a level.
    endLevel();
    for (int k = 1; k <= kInGameJokers; ++k) {
        const std::int16_t count = t_.state->comodines[static_cast<size_t>(k)];
        stockLabels_[static_cast<size_t>(k)]->setText(QString::number(count));
        describeJokerStock(button(k), stockLabels_[static_cast<size_t>(k)], k);
        button(k)->setEnabled(count > 0);
    }
}

void JokerFrame::endLevel() {
    for (int k = 1; k < kInGameJokers; ++k) {
        stopCountdown(k);
    }
    t_.stop1->setEnabled(false);
    t_.stop2->setEnabled(false);
    for (QPushButton* jokerButton : buttons_) {
        if (jokerButton != nullptr) {
            jokerButton->setEnabled(false);
        }
    }
}

void JokerFrame::disableButton(int joker) {
    button(joker)->setEnabled(false);
}

void JokerFrame::press(int joker) {
    pressJoker(*t_.state, joker);
    QLabel* stockLabel = stockLabels_[static_cast<size_t>(joker)];
    const long left = leadingNumber(stockLabel->text().toStdString()) - 1;
    stockLabel->setText(QString::number(left));
    describeJokerStock(button(joker), stockLabel, joker);
    if (left == 0) {
        button(joker)->setEnabled(false);
    }
    // A joker whose effect is running cannot be pressed again: its button
    // stays disabled until the effect ends, so no second cost is taken and
    // no effect is stacked on another of its kind.
    if (joker != kFinalizar) {
        button(joker)->setEnabled(false);
    }
    switch (joker) {
    case kMostrar:
        mostrar_Click();
        break;
    case kMostrar3:
        mostrar3_Click();
        break;
    case kEliminar:
        borrar_Click();
        break;
    case kVisor:
        scanner_Click();
        break;
    case kTiempo:
        tiempo_Click();
        break;
    default:
        announceJoker(window(), joker, {});
        t_.finishLevel();
        return;
    }
    announceJoker(window(), joker, shownWords(joker));
}

QStringList JokerFrame::shownWords(int joker) const {
    QStringList shown;
    for (int i = 0; i < kSlots; ++i) {
        const QLabel* word = t_.resultado[static_cast<size_t>(i)];
        const QLabel* start = t_.res3[static_cast<size_t>(i)];
        const QLabel* piece = joker == kMostrar ? word : start;
        if (!piece->isHidden() && !piece->text().trimmed().isEmpty()) {
            shown.push_back(piece->text().trimmed());
        }
    }
    return shown;
}

void JokerFrame::startCountdown(int joker) {
    Countdown& countdown = countdowns_[static_cast<size_t>(joker - 1)];
    countdown.label->setVisible(true);
    countdown.tick->setEnabled(true);
}

void JokerFrame::stopCountdown(int joker) {
    Countdown& countdown = countdowns_[static_cast<size_t>(joker - 1)];
    countdown.end->setEnabled(false);
    countdown.tick->setEnabled(false);
    countdown.label->setVisible(false);
    countdown.label->setText(QString::number(countdown.seconds));
}

void JokerFrame::tick(int joker) {
    QLabel* label = countdowns_[static_cast<size_t>(joker - 1)].label;
    const long left = leadingNumber(label->text().toStdString()) - 1;
    label->setText(QString::fromStdString(withLeadingZero(left)));
}

void JokerFrame::toggleWordList() {
    for (QLabel* word : t_.resultado) {
        word->setVisible(word->isHidden());
    }
}

void JokerFrame::mostrar_Click() {
    countdowns_[0].end->setEnabled(true);
    startCountdown(kMostrar);
    toggleWordList();
    t_.Frame1->setTitle(QStringLiteral("Encuentre las palabras"));
    button(kMostrar3)->setEnabled(false);
}

void JokerFrame::mostrar3_Click() {
    countdowns_[1].end->setEnabled(true);
    startCountdown(kMostrar3);
    for (int i = 0; i < kSlots; ++i) {
        if (t_.resultado[static_cast<size_t>(i)]->isHidden()) {
            t_.res3[static_cast<size_t>(i)]->setVisible(true);
        }
    }
}

void JokerFrame::borrar_Click() {
    countdowns_[2].end->setEnabled(true);
    startCountdown(kEliminar);
    Random& random = platform::random();
    random.reseedFromClock();
    const auto drawn = drawEliminarCells(*t_.board, random);
    for (size_t i = 0; i < drawn.size(); ++i) {
        celdas_borradas_[i] = drawn[i];
        if (drawn[i] > 0) {
            t_.cells[static_cast<size_t>(drawn[i])]->setVisible(false);
        }
    }
}

void JokerFrame::scanner_Click() {
    startCountdown(kVisor);
    t_.board->visor = true;
    t_.Shape3->setVisible(true);
    countdowns_[3].end->setEnabled(true);
}

void JokerFrame::tiempo_Click() {
    startCountdown(kTiempo);
    countdowns_[4].end->setEnabled(true);
    t_.Timer1->setEnabled(false);
    t_.stop1->setEnabled(true);
}

void JokerFrame::endEffect(int joker) {
    switch (joker) {
    case kMostrar:
        tcomodin1_Timer();
        break;
    case kMostrar3:
        tcomodin2_Timer();
        break;
    case kEliminar:
        tcomodin3_Timer();
        break;
    case kVisor:
        tcomodin4_Timer();
        break;
    default:
        tcomodin5_Timer();
        break;
    }
    stopCountdown(joker);
    enableAfterEffect(joker);
}

void JokerFrame::enableAfterEffect(int joker) {
    // Mostrar holds Mostrar3 back until its own end.
    const bool heldBack = joker == kMostrar3 && running(kMostrar);
    if (stock(joker) > 0 && !heldBack) {
        button(joker)->setEnabled(true);
    }
}

void JokerFrame::tcomodin1_Timer() {
    toggleWordList();
    t_.Frame1->setTitle(QStringLiteral("Palabras encontradas"));
    if (t_.state->comodines[kMostrar3] > 0 && !running(kMostrar3)) {
        button(kMostrar3)->setEnabled(true);
    }
}

void JokerFrame::tcomodin2_Timer() {
    for (QLabel* start : t_.res3) {
        start->setVisible(false);
    }
}

void JokerFrame::tcomodin3_Timer() {
    for (int i = 0; i < kEliminarDraws; ++i) {
        const std::int16_t cell = celdas_borradas_[static_cast<size_t>(i)];
        if (cell > 0) {
            t_.cells[static_cast<size_t>(cell)]->setVisible(true);
        }
    }
}

void JokerFrame::tcomodin4_Timer() {
    t_.board->visor = false;
    t_.Shape3->setVisible(false);
}

void JokerFrame::tcomodin5_Timer() {
    t_.Timer1->setEnabled(true);
    t_.stop1->setEnabled(false);
    t_.stop2->setEnabled(false);
    t_.stop_pict->setVisible(false);
}

QJsonObject JokerFrame::fields() const {
    QJsonArray hidden;
    for (const std::int16_t cell : celdas_borradas_) {
        hidden.append(cell);
    }
    return {{QStringLiteral("celdas_borradas"), hidden}};
}

} // namespace quenza
