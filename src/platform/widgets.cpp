#include "platform/widgets.h"

#include "platform/look.h"
#include "platform/zoom.h"

#include <QMouseEvent>
#include <QResizeEvent>

namespace quenza::platform {

Label::Label(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracker_.pressed(ClickTracker::Press::Single);
    Q_EMIT pressed();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool click = tracker_.released(rect().contains(event->position().toPoint()));
    Q_EMIT released();
    if (click) {
        Q_EMIT clicked();
    }
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracker_.pressed(ClickTracker::Press::Double);
    Q_EMIT doubleClicked();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseMoved(event->position().toPoint());
}

void Label::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    const QString id = pictureId(this);
    if (id.isEmpty() || pixmap().isNull() || pixmap().deviceIndependentSize().toSize() == size()) {
        return;
    }
    if (const QPixmap redrawn = renderPicture(id, size()); !redrawn.isNull()) {
        setPixmap(redrawn);
    }
}

} // namespace quenza::platform
