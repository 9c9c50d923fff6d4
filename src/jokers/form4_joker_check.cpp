#include "form4_joker_check.h"

#include "artwork/picture_catalogue.h"
#include "platform/look.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace quenza {

namespace {
constexpr int kPictureMargin = 3; // pixels between the bevel and the picture
}

JokerCheckBox::JokerCheckBox(const QIcon& picture, QWidget* parent)
    : QCheckBox(parent), picture_(picture) {}

void JokerCheckBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionButton bevel;
    bevel.initFrom(this);
    bevel.state |= isChecked() ? QStyle::State_Sunken | QStyle::State_On : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &bevel, &painter, this);
    const QRect inside =
        rect().adjusted(kPictureMargin, kPictureMargin, -kPictureMargin, -kPictureMargin);
    const QPoint pressedIn = isChecked() ? QPoint(1, 1) : QPoint();
    pictureAt(inside.size())
        .paint(&painter, inside.translated(pressedIn), Qt::AlignCenter,
               isEnabled() ? QIcon::Normal : QIcon::Disabled);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

const QIcon& JokerCheckBox::pictureAt(QSize size) {
    if (picture_.availableSizes().contains(size)) {
        return picture_;
    }
    if (const QIcon redrawn = pictureIcon(platform::pictureId(this), size); !redrawn.isNull()) {
        picture_ = redrawn;
    }
    return picture_;
}

bool JokerCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void JokerCheckBox::focusOutEvent(QFocusEvent* event) {
    QCheckBox::focusOutEvent(event);
    // Another application or a menu taking the focus is not a lost focus:
    // the box keeps its tick until the player moves to another control.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        Q_EMIT focusLost();
    }
}

void JokerCheckBox::keyReleaseEvent(QKeyEvent* event) {
    // The box toggles when the key that pressed it down comes up.
    const bool pressedByKey = isDown() && !event->isAutoRepeat();
    QCheckBox::keyReleaseEvent(event);
    if (pressedByKey && !isDown()) {
        Q_EMIT toggledByKey();
    }
}

} // namespace quenza
