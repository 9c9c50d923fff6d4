#include "platform/widgets.h"

#include <QMouseEvent>

namespace quenza::platform {

namespace {

// Shared by Label and Surface, whose signals have the same names.
template <typename W> void reportPress(W* widget, ClickTracker& tracker, QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracker.pressed(ClickTracker::Press::Single);
    Q_EMIT widget->pressed();
}

template <typename W> void reportRelease(W* widget, ClickTracker& tracker, QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool click = tracker.released(widget->rect().contains(event->position().toPoint()));
    Q_EMIT widget->released();
    if (click) {
        Q_EMIT widget->clicked();
    }
}

template <typename W> void reportDoubleClick(W* widget, ClickTracker& tracker, QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    tracker.pressed(ClickTracker::Press::Double);
    Q_EMIT widget->doubleClicked();
}

template <typename W> void reportMove(W* widget, QMouseEvent* event) {
    event->accept();
    Q_EMIT widget->mouseMoved(event->position().toPoint());
}

} // namespace

Label::Label(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void Label::mousePressEvent(QMouseEvent* event) {
    reportPress(this, tracker_, event);
}
void Label::mouseReleaseEvent(QMouseEvent* event) {
    reportRelease(this, tracker_, event);
}
void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    reportDoubleClick(this, tracker_, event);
}
void Label::mouseMoveEvent(QMouseEvent* event) {
    reportMove(this, event);
}

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void Surface::mousePressEvent(QMouseEvent* event) {
    reportPress(this, tracker_, event);
}
void Surface::mouseReleaseEvent(QMouseEvent* event) {
    reportRelease(this, tracker_, event);
}
void Surface::mouseDoubleClickEvent(QMouseEvent* event) {
    reportDoubleClick(this, tracker_, event);
}
void Surface::mouseMoveEvent(QMouseEvent* event) {
    reportMove(this, event);
}

} // namespace quenza::platform
