// What the game lets through to screen readers. Qt tells readers of every
// control that shows or hides, one by one, and of every change in windows
// nobody can see yet: a window of a hundred controls opening, or a new board
// laid out, would send hundreds of events, and a reader flooded like that
// drops them all and says nothing. Readers ask for what they need when they
// read a window, so those events carry nothing a reader misses.
#include "platform/accessible_readers.h"

#include <QAccessible>
#include <QWidget>

namespace quenza::platform {

namespace {

bool isNotification(const QAccessibleInterface* reader) {
    return reader->role() == QAccessible::Notification;
}

bool letThrough(QAccessibleEvent* event) {
    // Asking for the reader of a control still being built would fix it
    // before the game has said how the control is read.
    if (!QAccessible::isActive()) {
        return false;
    }
    QAccessibleInterface* reader = event->accessibleInterface();
    if (reader == nullptr) {
        return false;
    }
    const auto* control = qobject_cast<const QWidget*>(event->object());
    if (isNotification(reader)) {
        // Only its showing is spoken; its hiding would be read as saying
        // again whatever it says by then.
        return event->type() != QAccessible::ObjectHide;
    }
    if (control == nullptr || control->isWindow()) {
        return true;
    }
    if (!control->window()->isVisible()) {
        return false;
    }
    switch (event->type()) {
    case QAccessible::StateChanged:
        // A window disabled or enabled as a whole (the game paused under the
        // rankings) changes every control in it: only the focused one counts.
        if (static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().disabled) {
            return control->hasFocus();
        }
        return true;
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
        return false;
    default:
        return true;
    }
}

void gate(QAccessibleEvent* event) {
    if (!letThrough(event)) {
        return;
    }
    // Without a handler Qt hands the event to the platform's reader bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&gate);
}

} // namespace

void installEventGate() {
    QAccessible::installUpdateHandler(&gate);
}

} // namespace quenza::platform
