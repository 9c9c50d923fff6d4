#include "driver/reach.h"

#include "driver/object_tree.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace quenza::driver {

namespace {

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QStringLiteral("an unnamed container")
                                          : widget->objectName();
}

// The modal window that keeps input away from `window`, or null.
const QWidget* blockerOf(const QWidget* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == window) {
        return nullptr;
    }
    if (modal->windowModality() == Qt::ApplicationModal) {
        return modal;
    }
    // Window-modal: only the windows it belongs to are blocked.
    for (const QWidget* owner = modal->parentWidget(); owner != nullptr;
         owner = owner->parentWidget()) {
        if (owner->window() == window) {
            return modal;
        }
    }
    return nullptr;
}

} // namespace

QString windowRefusal(const QString& name, const QWidget* window) {
    if (window == nullptr) {
        return QStringLiteral("%1 is not loaded").arg(name);
    }
    if (!window->isVisible()) {
        return QStringLiteral("%1 is not shown").arg(name);
    }
    if (!window->isEnabled()) {
        return QStringLiteral("%1 is disabled").arg(name);
    }
    if (const QWidget* blocker = blockerOf(window)) {
        return QStringLiteral("%1 is behind %2").arg(name, nameOf(blocker));
    }
    return {};
}

QString widgetRefusal(const QWidget* widget) {
    const QWidget* window = widget->window();
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        if (w->isHidden()) {
            return w == widget ? QStringLiteral("%1 is hidden").arg(nameOf(widget))
                               : QStringLiteral("%1 is inside the hidden %2")
                                     .arg(nameOf(widget), nameOf(w));
        }
    }
    for (const QWidget* w = widget; w != window; w = w->parentWidget()) {
        // Qt marks the children of a disabled widget disabled too; the
        // widget the program switched off is the one with the forced flag.
        if (w->testAttribute(Qt::WA_ForceDisabled)) {
            return w == widget ? QStringLiteral("%1 is disabled").arg(nameOf(widget))
                               : QStringLiteral("%1 is inside the disabled %2")
                                     .arg(nameOf(widget), nameOf(w));
        }
    }
    return {};
}

QString menuRefusal(const QAction* entry) {
    const QString name = entry->objectName();
    if (entry->isSeparator()) {
        return QStringLiteral("menu entry %1 is a separator").arg(name);
    }
    for (const QAction* e = entry; e != nullptr; e = parentEntry(e)) {
        if (!e->isVisible()) {
            return e == entry ? QStringLiteral("menu entry %1 is hidden").arg(name)
                              : QStringLiteral("menu entry %1 is inside the hidden menu %2")
                                    .arg(name, e->objectName());
        }
    }
    for (const QAction* e = entry; e != nullptr; e = parentEntry(e)) {
        if (!e->isEnabled()) {
            return e == entry ? QStringLiteral("menu entry %1 is disabled").arg(name)
                              : QStringLiteral("menu entry %1 is inside the disabled menu %2")
                                    .arg(name, e->objectName());
        }
    }
    return {};
}

} // namespace quenza::driver
