#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QObject;
class QWidget;

namespace quenza::driver {

// The game's windows as the dump lists them, whether loaded or not.
const QStringList& gameWindowNames();
// The name a message box of the game answers to.
QString messageBoxName();

// A loaded window by name, or null. A window that is not loaded does not exist.
QWidget* findWindow(const QString& name);
// The game's windows plus the other named windows present now (a message box,
// any other window that shows its fields), in a stable order.
QStringList windowNames();

// Where a window's own mouse handlers listen: a main window's central widget,
// else the window itself.
QWidget* clientArea(QWidget* window);

// Visits every object that belongs to `window`: its widgets, menus, menu
// entries and timers, but nothing of another window it owns.
void forEachOwned(QWidget* window, const std::function<void(QObject*)>& visit);

// What the dump calls an object: "label", "button", ..., "menu", "timer";
// empty for objects that are not the game's controls.
QString controlKind(const QObject* object);

// The control of `window` with that name (widgets, menu entries and timers).
QObject* findControl(QWidget* window, const QString& name);

// The entry that holds a menu entry (its submenu's entry), or null for an
// entry of the menu bar.
QAction* parentEntry(const QAction* entry);

// Switches off every timer of every window (the program has ended).
void switchOffAllTimers();

} // namespace quenza::driver
