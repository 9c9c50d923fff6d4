// Keyboard play on the main window: a cursor the arrow keys move over the
// grid as the pointer would move, Space or Enter clicking the cell under it,
// Escape dropping a line begun. The cursor is drawn only while the keyboard is
// in use: any pointer move over the window puts it away.
#include "form1.h"
#include "form1_accessibility.h"
#include "game_state.h"
#include "platform/accessible.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/selection.h"

#include <QKeyEvent>
#include <algorithm>
#include <optional>

namespace quenza {

namespace {

// The cursor frames its cell evenly, 2 pixels clear of it all round; the
// Visor frame sits further left of its cell, so the two never coincide.
constexpr int kCursorMargin = 30;
constexpr int kCellSide = 255;
constexpr int kCursorSide = kCellSide + 2 * kCursorMargin;

std::optional<CursorMove> arrowOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return CursorMove::Left;
    case Qt::Key_Right:
        return CursorMove::Right;
    case Qt::Key_Up:
        return CursorMove::Up;
    case Qt::Key_Down:
        return CursorMove::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

void Form1::keyPressEvent(QKeyEvent* event) {
    if (gridKey(*event)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool Form1::gridKey(const QKeyEvent& event) {
    // Keys held with Ctrl, Alt or Shift belong to the menus' shortcuts.
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (const auto move = arrowOf(event.key())) {
        moveCursor(*move);
        return true;
    }
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A key held down clicks once, as a button held down does.
        if (!event.isAutoRepeat()) {
            clickUnderCursor();
        }
        return true;
    case Qt::Key_Escape:
        cancelOpenSelection();
        return true;
    default:
        return false;
    }
}

namespace {

CellSet shownCells(const std::array<platform::Label*, kCells + 1>& cells) {
    CellSet shown;
    for (int i = 1; i <= kCells; ++i) {
        shown.set(static_cast<size_t>(i), !cells[static_cast<size_t>(i)]->isHidden());
    }
    return shown;
}

} // namespace

// While the cursor is put away, the first key only brings it back where it
// was (where the pointer last was over the grid, or the first letter shown),
// so that the player sees where the next key acts.
bool Form1::bringBackCursor() {
    if (!cursor_->isHidden()) {
        return false;
    }
    showCursorAt(cursorCell_ != 0 ? cursorCell_ : firstShownCell(shownCells(celdas_)));
    return true;
}

void Form1::moveCursor(CursorMove move) {
    if (!bringBackCursor()) {
        showCursorAt(cursorStep(cursorCell_, move, shownCells(celdas_)));
    }
}

void Form1::clickUnderCursor() {
    if (bringBackCursor()) {
        return;
    }
    // A found letter takes no click, as it takes none from the mouse.
    platform::Label* label = celdas_[static_cast<size_t>(cursorCell_)];
    if (label->isHidden()) {
        return;
    }
    Label1_Click(cursorCell_);
    // A click leaves the colours to the next pointer move, which a hand on
    // the mouse makes at once; the keyboard's pointer stays still, so it
    // makes that move itself: a line begun shows its first letter, a line
    // ended or dropped clears.
    if (!label->isHidden()) {
        Label1_MouseMove(cursorCell_);
    }
}

void Form1::cancelOpenSelection() {
    if (cancelSelection(gameState().selection)) {
        recolourCells([](int) { return false; });
        announceLineDropped(this);
    }
}

void Form1::showCursorAt(int cell) {
    if (cell < 1 || cell > kCells) {
        return;
    }
    cursorCell_ = cell;
    platform::Label* label = celdas_[static_cast<size_t>(cell)];
    const QRect place = platform::twipsOf(label);
    platform::place(cursor_, place.x() - kCursorMargin, place.y() - kCursorMargin, kCursorSide,
                    kCursorSide);
    cursor_->setVisible(true);
    platform::focusTableCell(surface_, cell - 1);
    // The cursor arriving over a letter is the pointer arriving there: the
    // line being marked and the Visor frame follow it.
    if (!label->isHidden()) {
        Label1_MouseMove(cell);
    }
}

int Form1::cellOf(const QObject* control) const {
    const auto found = std::find(celdas_.begin() + 1, celdas_.end(), control);
    return found == celdas_.end() ? 0 : static_cast<int>(found - celdas_.begin());
}

// Watches the whole application's pointer moves (moves over controls that do
// not track the pointer reach no handler of their own), keeping those over
// this window: the keyboard cursor goes away, and the keyboard carries on
// from the letter the pointer last crossed.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (const int cell = cellOf(watched); cell != 0) {
            cursorCell_ = cell;
        }
        cursor_->setVisible(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quenza
