#include "form4.h"

#include "form4_accessibility.h"
#include "form4_joker_check.h"
#include "jokers/level_host.h"
#include "platform/controls.h"
#include "platform/game_random.h"
#include "platform/timer.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace quenza {

namespace {

// The growth ends once the window passes its designed outer size.
constexpr int kDesignWidth = 4815;
constexpr int kDesignHeight = 5085;
constexpr int kOpeningSize = 100;

} // namespace

Form4::Form4(LevelHost& host, EvolutionState& state, AwardCounters& counters, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), state_(state), counters_(counters) {
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Form_Load();
}

Form4::~Form4() = default;

void Form4::Form_Load() {
    levelPassed(state_, host_.num_palabras() + 1);
    host_.hideStopPicture();
    comod_.fill(0);
    hideSigns(kCheckBoxes);
    sorteado_.fill(false);
    valor_ = 0;
    // The window opens as a dot at the main window's centre and grows from there.
    const QRect main = platform::twipsOf(host_.mainWindow());
    growth_ = QRect(main.x() + main.width() / 2, main.y() + main.height() / 2, kOpeningSize,
                    kOpeningSize);
    platform::place(this, growth_.x(), growth_.y(), growth_.width(), growth_.height());
    showJokerStock();
    nivel->setText(QString::number(state_.nivel_actual));
    platform::fitToText(nivel);
    describeLevelWindow(this, Label2, nivel, Comodines, Command2);
    describeAwards(Label3, awarded_);
}

// From 100 x 100 the height passes its designed size first, when the width
// is still short of its own (4100 x 5100 twips): the last step settles the
// window at its designed size about the same centre, so the fifth award slot
// and the frame's right edge are never cut off.
void Form4::Timer1_Timer() {
    // The growth follows its own steps, not the window's reported place: a
    // window manager still busy with the last step (or one that placed the
    // new window by its own rule) must not throw it off its centre.
    const QRect& now = growth_;
    const QRect grown(now.x() - 100, now.y() - 125, now.width() + 200, now.height() + 250);
    growth_ = grown;
    if (grown.height() <= kDesignHeight && grown.width() <= kDesignWidth) {
        platform::place(this, grown.x(), grown.y(), grown.width(), grown.height());
        return;
    }
    const QPoint centre(grown.x() + grown.width() / 2, grown.y() + grown.height() / 2);
    platform::place(this, centre.x() - kDesignWidth / 2, centre.y() - kDesignHeight / 2,
                    kDesignWidth, kDesignHeight);
    Timer1->setEnabled(false);
    runAwardRules();
}

void Form4::Check1_LostFocus(int index) {
    Check1[static_cast<size_t>(index)]->setChecked(false);
}

void Form4::Comodines_MouseMove() {
    valor_ = 0;
    for (int k = 1; k <= kCheckBoxes; ++k) {
        if (Check1[static_cast<size_t>(k)]->isChecked()) {
            valor_ = static_cast<std::int16_t>(k);
        }
    }
}

void Form4::Command2_Click() {
    continueToNextLevel();
    close();
}

// Choices of this window:
// - A joker recorded in `valor` whose stock Suerte has since taken to 0 is
//   not used: the next level starts with no joker instead of a stock of -1.
// - The close box does what "Continuar" does, so closing this window can
//   never leave the game without a level running.
void Form4::continueToNextLevel() {
    if (continued_) {
        return;
    }
    continued_ = true;
    // Nothing of this window may run once the next level has started, not even
    // a growth interrupted by the close box.
    for (platform::Timer* timer : findChildren<platform::Timer*>()) {
        timer->setEnabled(false);
    }
    int chosen = valor_;
    if (chosen >= 1 && chosen <= kCheckBoxes &&
        state_.comodines[static_cast<size_t>(chosen)] <= 0) {
        chosen = kNoJoker;
    }
    continueWith(state_, chosen, platform::random());
    host_.mainWindow()->show();
    host_.startLevel(chosen);
}

void Form4::closeEvent(QCloseEvent* event) {
    continueToNextLevel();
    event->accept();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Comodines && event->type() == QEvent::MouseMove) {
        Comodines_MouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

// The keys act as clicks on their buttons, and only where a click could: on a
// button shown and enabled. The check boxes take Tab, the arrows and Space
// themselves; a box ticked with Space is the next level's joker at once, as
// if the pointer had crossed the frame.
void Form4::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    QPushButton* target = nullptr;
    if (held == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            target = Command2;
            break;
        case Qt::Key_S:
            target = Suerte;
            break;
        case Qt::Key_E:
            target = comodin9;
            break;
        default:
            break;
        }
    }
    if (target == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (target->isVisible() && target->isEnabled() && !event->isAutoRepeat()) {
        target->click();
    }
}

QJsonObject Form4::fields() const {
    QJsonObject out;
    for (int routine = 0; routine < kRoutines; ++routine) {
        const auto i = static_cast<size_t>(routine);
        out.insert(QStringLiteral("comod%1").arg(routine), comod_[i]);
        out.insert(QStringLiteral("contador%1").arg(routine), contador_[i]);
    }
    out.insert(QStringLiteral("extra1"), counters_.extra1);
    out.insert(QStringLiteral("extra2"), counters_.extra2);
    out.insert(QStringLiteral("valor"), valor_);
    out.insert(QStringLiteral("movimiento"), movimiento_);
    // 1 for a kind the last Suerte play drew; only 1..7 are used.
    QJsonArray drawn;
    for (int k = 0; k <= kJokerKinds; ++k) {
        const bool used = k >= 1 && k <= kCheckBoxes;
        drawn.append(used ? QJsonValue(sorteado_[static_cast<size_t>(k)] ? 1 : 0) : QJsonValue());
    }
    out.insert(QStringLiteral("sorteado"), drawn);
    return out;
}

} // namespace quenza
