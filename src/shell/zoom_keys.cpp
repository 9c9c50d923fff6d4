#include "zoom_keys.h"

#include "platform/zoom.h"
#include "puzzle/zoom_steps.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <optional>

namespace quenza {

namespace {

// The zoom a key asks for, if it is one of the zoom keys. Ctrl+= counts as
// Ctrl+Plus: on most keyboards the plus sign needs Shift.
std::optional<int> zoomAskedBy(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held != Qt::ControlModifier) {
        return std::nullopt;
    }
    const int current = platform::zoomPercent();
    switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return zoomedIn(current);
    case Qt::Key_Minus:
        return zoomedOut(current);
    case Qt::Key_0:
        return kNormalZoom;
    default:
        return std::nullopt;
    }
}

} // namespace

ZoomKeys::ZoomKeys(QObject* parent) : QObject(parent) {}

bool ZoomKeys::eventFilter(QObject* watched, QEvent* event) {
    // Only the press reaching a widget: the same key also passes by the window
    // on its way, and a shortcut override must not zoom twice.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    const std::optional<int> asked = zoomAskedBy(*static_cast<QKeyEvent*>(event));
    if (!asked) {
        return false;
    }
    platform::setZoom(*asked);
    Q_EMIT zoomChosen(*asked);
    return true;
}

} // namespace quenza
