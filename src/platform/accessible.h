#pragma once

#include <QString>

class QAction;
class QWidget;

namespace quenza::platform {

// What a screen reader reads for a control. Setting a text that is already
// there does nothing; a new name or description is announced, so call this
// only where the game's state changes, never per pointer move.
void setAccessibleText(QWidget* control, const QString& name, const QString& description);

// For a control read by its own caption or contents (a label, a button, a
// frame's title): only the description is ours.
void describeControl(QWidget* control, const QString& description);

// As setAccessibleText, and the control also raises an alert, for changes the
// player must hear even when the focus is elsewhere (the last seconds of the
// count-down, the end of a level).
void announce(QWidget* control, const QString& name, const QString& description);

// A cell of the 12 x 12 grid (cells 1..144, row by row). A hidden cell is
// found when its word was found, else held out of sight by a joker.
enum class CellSight { Shown, Found, Erased };
void describeGridCell(QWidget* cell, int index, CellSight sight);

// A menu entry's description: what choosing it does. Its name stays its
// caption without the '&'. Describe an entry as it is built, before a screen
// reader first reads it.
void describeMenuEntry(QAction* entry, const QString& description);

} // namespace quenza::platform
