#include "driver/input.h"

#include "driver/event_pump.h"
#include "driver/object_tree.h"
#include "driver/reach.h"
#include "platform/timer.h"
#include "platform/twips.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace quenza::driver {

namespace {

struct Aim {
    QPointer<QWidget> window;
    QPointer<QWidget> widget; // the control, or the window's client area
    QString error;
};

Aim aimAt(const Target& target) {
    QWidget* window = findWindow(target.window);
    if (const QString refusal = windowRefusal(target.window, window); !refusal.isEmpty()) {
        return {{}, {}, refusal};
    }
    if (target.control.isEmpty()) {
        return {window, clientArea(window), {}};
    }
    QObject* control = findControl(window, target.control);
    if (control == nullptr) {
        return {{}, {}, QStringLiteral("%1 has no control %2").arg(target.window, target.control)};
    }
    if (qobject_cast<QAction*>(control) != nullptr) {
        return {
            {}, {}, QStringLiteral("%1 is a menu entry: choose it with menu").arg(target.text())};
    }
    if (qobject_cast<platform::Timer*>(control) != nullptr) {
        return {{}, {}, QStringLiteral("%1 is a timer").arg(target.text())};
    }
    auto* widget = qobject_cast<QWidget*>(control);
    if (const QString refusal = widgetRefusal(widget); !refusal.isEmpty()) {
        return {{}, {}, refusal};
    }
    return {window, widget, {}};
}

QPoint pixelsAt(const QWidget* widget, std::optional<QPoint> twips) {
    if (!twips) {
        return widget->rect().center();
    }
    return {platform::twipsToPixels(twips->x()), platform::twipsToPixels(twips->y())};
}

// As a click on the window would: the window comes to the front and takes the
// focus, with the activation and focus events a desktop sends.
void activate(QWidget* window) {
    if (QApplication::activeWindow() == window) {
        return;
    }
    window->raise();
    window->activateWindow();
    processUntilIdle();
    // The offscreen window system still counts a window hidden while it was
    // active (the rankings viewer between its views) as the one with the
    // focus: shown again, it is never made active anew, and asking for it
    // changes nothing. A desktop would activate it; so does the driver.
    if (QApplication::activeWindow() != window && window->isVisible() &&
        QGuiApplication::focusWindow() == window->windowHandle()) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(window);
        QT_WARNING_POP
        processUntilIdle();
    }
}

// Sends the event as the window system would (spontaneous), so that focus on
// click and event propagation to the parents happen as on a desktop.
void deliver(QWidget* receiver, QEvent& event) {
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(receiver, &event);
    processUntilIdle();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    const QPointF local(pos);
    QMouseEvent event(type, local, QPointF(widget->mapTo(widget->window(), pos)),
                      QPointF(widget->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    deliver(widget, event);
}

void sendKey(QWidget* widget, QChar c) {
    Qt::Key key = Qt::Key(c.toUpper().unicode());
    QString text(c);
    if (c == u'\n') {
        key = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else if (c == u'\t') {
        key = Qt::Key_Tab;
    }
    QPointer<QWidget> receiver(widget);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    deliver(receiver, press);
    if (receiver) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        deliver(receiver, release);
    }
}

// A named key pressed and released as the window system delivers them: the
// shortcut map has the first say on the press (as on a desktop, for the
// active window), then the focused control. The release goes where the press
// went, unless the press took that control's window away.
void sendNamedKey(QWidget* widget, QKeyCombination combination) {
    const Qt::Key key = combination.key();
    const Qt::KeyboardModifiers held = combination.keyboardModifiers();
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii != 0 ? QString(QChar::fromLatin1(ascii)) : QString();
    QPointer<QWidget> receiver(widget);
    QKeyEvent press(QEvent::KeyPress, key, held, text);
    if (qt_sendShortcutOverrideEvent(receiver, press.timestamp(), key, held, text)) {
        processUntilIdle();
    } else {
        deliver(receiver, press);
    }
    if (receiver && receiver->isVisible()) {
        QKeyEvent release(QEvent::KeyRelease, key, held, text);
        deliver(receiver, release);
    }
}

// Where typing into a window goes: its focused control, else the window.
QWidget* keyReceiver(QWidget* window) {
    const auto usable = [window](QWidget* focus) {
        return focus != nullptr && focus->window() == window && focus->isVisible() &&
               focus->isEnabled();
    };
    if (QWidget* focus = QApplication::focusWidget(); usable(focus)) {
        return focus;
    }
    if (QWidget* focus = window->focusWidget(); usable(focus)) {
        return focus;
    }
    return window;
}

bool stillShown(const QPointer<QWidget>& window) {
    return window && window->isVisible();
}

} // namespace

QString Input::move(const Target& target, std::optional<QPoint> twips) {
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    sendMouse(aim.widget, QEvent::MouseMove, pixelsAt(aim.widget, twips), Qt::NoButton, held_);
    return {};
}

QString Input::click(const Target& target, std::optional<QPoint> twips) {
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    activate(aim.window);
    QPointer<QWidget> widget = aim.widget;
    if (!widget) {
        return {};
    }
    const QPoint pos = pixelsAt(widget, twips);
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, held_);
    if (!widget) {
        return {};
    }
    held_ |= Qt::LeftButton;
    sendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, held_);
    held_ &= ~Qt::MouseButtons(Qt::LeftButton);
    if (widget) {
        sendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, held_);
    }
    return {};
}

QString Input::doubleClick(const Target& target, std::optional<QPoint> twips) {
    if (QString refused = click(target, twips); !refused.isEmpty()) {
        return refused;
    }
    // The window system turns the second press of a double click into a
    // double-click event; the release follows as usual.
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return {};
    }
    QPointer<QWidget> widget = aim.widget;
    const QPoint pos = pixelsAt(widget, twips);
    held_ |= Qt::LeftButton;
    sendMouse(widget, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, held_);
    held_ &= ~Qt::MouseButtons(Qt::LeftButton);
    if (widget) {
        sendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, held_);
    }
    return {};
}

QString Input::press(const Target& target) {
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    activate(aim.window);
    if (aim.widget) {
        held_ |= Qt::LeftButton;
        sendMouse(aim.widget, QEvent::MouseButtonPress, aim.widget->rect().center(), Qt::LeftButton,
                  held_);
    }
    return {};
}

QString Input::release(const Target& target) {
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    held_ &= ~Qt::MouseButtons(Qt::LeftButton);
    sendMouse(aim.widget, QEvent::MouseButtonRelease, aim.widget->rect().center(), Qt::LeftButton,
              held_);
    return {};
}

QString Input::key(const Target& target, const QString& text) {
    if (!target.control.isEmpty()) {
        if (QString refused = click(target, std::nullopt); !refused.isEmpty()) {
            return refused;
        }
        // Typed into the control that was clicked, as long as it is there.
        QPointer<QWidget> window = findWindow(target.window);
        QPointer<QWidget> control =
            window ? qobject_cast<QWidget*>(findControl(window, target.control)) : nullptr;
        for (const QChar c : text) {
            if (!stillShown(window) || !control) {
                break;
            }
            sendKey(control, c);
        }
        return {};
    }
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    activate(aim.window);
    QPointer<QWidget> window = aim.window;
    // Keys a person types after the window has gone (the splash closes on
    // the first key) are not delivered anywhere.
    for (const QChar c : text) {
        if (!stillShown(window)) {
            break;
        }
        sendKey(keyReceiver(window), c);
    }
    return {};
}

QString Input::keys(const Target& target, const QList<QKeyCombination>& pressed) {
    if (!target.control.isEmpty()) {
        return QStringLiteral("keys needs a window, not %1").arg(target.text());
    }
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    activate(aim.window);
    QPointer<QWidget> window = aim.window;
    // Keys after the one that took the window away, disabled it or put a
    // message box in front of it reach nothing.
    for (const QKeyCombination key : pressed) {
        if (!windowRefusal(target.window, window).isEmpty()) {
            break;
        }
        sendNamedKey(keyReceiver(window), key);
    }
    return {};
}

QString Input::replaceText(const Target& target, const QString& text) {
    if (target.control.isEmpty()) {
        return QStringLiteral("text needs a text box: W.C");
    }
    const Aim aim = aimAt(target);
    if (!aim.error.isEmpty()) {
        return aim.error;
    }
    QPointer<QLineEdit> box = qobject_cast<QLineEdit*>(aim.widget);
    if (!box) {
        return QStringLiteral("%1 is not a text box").arg(target.text());
    }
    activate(aim.window);
    if (!box) {
        return {};
    }
    box->setFocus(Qt::MouseFocusReason);
    processUntilIdle();
    if (!box) {
        return {};
    }
    box->selectAll();
    if (text.isEmpty()) {
        QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        deliver(box, erase);
        return {};
    }
    for (const QChar c : text) {
        if (!box) {
            break;
        }
        sendKey(box, c);
    }
    return {};
}

QString Input::chooseMenu(const Target& target) {
    if (target.control.isEmpty()) {
        return QStringLiteral("menu needs an entry: W.ENTRY");
    }
    QWidget* window = findWindow(target.window);
    if (const QString refusal = windowRefusal(target.window, window); !refusal.isEmpty()) {
        return refusal;
    }
    QPointer<QAction> entry = qobject_cast<QAction*>(findControl(window, target.control));
    if (!entry) {
        return QStringLiteral("%1 has no menu entry %2").arg(target.window, target.control);
    }
    if (const QString refusal = menuRefusal(entry); !refusal.isEmpty()) {
        return refusal;
    }
    activate(window);
    // Open the menus from the menu bar down, as a person does: each one shows
    // (and tells its handlers it is about to show), then all close before the
    // entry acts.
    QList<QAction*> chain;
    for (QAction* e = entry; e != nullptr; e = parentEntry(e)) {
        chain.prepend(e);
    }
    QList<QPointer<QMenu>> opened;
    for (QAction* e : chain) {
        if (QMenu* menu = e->menu()) {
            menu->popup(window->mapToGlobal(QPoint(0, 0)));
            opened.append(menu);
            processUntilIdle();
        }
    }
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) {
        if (*it) {
            (*it)->hide();
        }
    }
    processUntilIdle();
    if (entry) {
        entry->trigger();
        processUntilIdle();
    }
    return {};
}

QString Input::close(const Target& target) {
    if (!target.control.isEmpty()) {
        return QStringLiteral("close needs a window, not %1").arg(target.text());
    }
    QPointer<QWidget> window = findWindow(target.window);
    if (const QString refusal = windowRefusal(target.window, window); !refusal.isEmpty()) {
        return refusal;
    }
    activate(window);
    if (window) {
        window->close();
        processUntilIdle();
    }
    return {};
}

} // namespace quenza::driver
