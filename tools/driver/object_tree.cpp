#include "driver/object_tree.h"

#include "platform/inspect.h"
#include "platform/look.h"
#include "platform/timer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

namespace quenza::driver {

namespace {

void walk(QObject* object, const std::function<void(QObject*)>& visit) {
    for (QObject* child : object->children()) {
        const auto* widget = qobject_cast<QWidget*>(child);
        // Another window (a dialog parented to this one) is not part of it;
        // a popup menu is.
        if (widget != nullptr && widget->isWindow() &&
            qobject_cast<const QMenu*>(widget) == nullptr) {
            continue;
        }
        visit(child);
        walk(child, visit);
    }
}

bool isGameWindow(const QWidget* widget) {
    return !widget->objectName().isEmpty() &&
           (gameWindowNames().contains(widget->objectName()) ||
            widget->objectName() == messageBoxName() ||
            dynamic_cast<const platform::Inspectable*>(widget) != nullptr);
}

} // namespace

const QStringList& gameWindowNames() {
    static const QStringList names = {QStringLiteral("Inicio"), QStringLiteral("Form1"),
                                      QStringLiteral("Form3"),  QStringLiteral("Form4"),
                                      QStringLiteral("Form5"),  QStringLiteral("Form6"),
                                      QStringLiteral("Form7"),  QStringLiteral("form8")};
    return names;
}

QString messageBoxName() {
    return QStringLiteral("MsgBox");
}

QWidget* findWindow(const QString& name) {
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != name || qobject_cast<QMenu*>(widget) != nullptr) {
            continue;
        }
        // Of two windows under one name (an old one on its way out), the one
        // on screen, and of two message boxes the one in front.
        if (found == nullptr || (!found->isVisible() && widget->isVisible()) ||
            widget == QApplication::activeModalWidget()) {
            found = widget;
        }
    }
    return found;
}

QStringList windowNames() {
    QStringList names = gameWindowNames();
    QStringList others;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (isGameWindow(widget) && !names.contains(widget->objectName()) &&
            !others.contains(widget->objectName())) {
            others.append(widget->objectName());
        }
    }
    others.sort();
    return names + others;
}

QWidget* clientArea(QWidget* window) {
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget()) {
        return main->centralWidget();
    }
    return window;
}

void forEachOwned(QWidget* window, const std::function<void(QObject*)>& visit) {
    walk(window, visit);
}

QString controlKind(const QObject* object) {
    if (object->objectName().isEmpty()) {
        return {};
    }
    if (qobject_cast<const platform::Timer*>(object) != nullptr) {
        return QStringLiteral("timer");
    }
    if (qobject_cast<const QAction*>(object) != nullptr) {
        return QStringLiteral("menu");
    }
    const QString kind = platform::kindName(object);
    if (!kind.isEmpty()) {
        return kind;
    }
    // The buttons of a message box are named but carry no kind.
    if (const auto* button = qobject_cast<const QAbstractButton*>(object);
        button && qobject_cast<const QMessageBox*>(button->window())) {
        return QStringLiteral("button");
    }
    return {};
}

QObject* findControl(QWidget* window, const QString& name) {
    QObject* found = nullptr;
    forEachOwned(window, [&](QObject* object) {
        if (found == nullptr && object->objectName() == name && !controlKind(object).isEmpty()) {
            found = object;
        }
    });
    return found;
}

QAction* parentEntry(const QAction* entry) {
    for (QObject* holder : entry->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(holder);
        if (menu != nullptr && menu->menuAction() != entry) {
            return menu->menuAction();
        }
    }
    return nullptr;
}

void switchOffAllTimers() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (platform::Timer* timer : window->findChildren<platform::Timer*>()) {
            timer->setEnabled(false);
        }
    }
}

} // namespace quenza::driver
