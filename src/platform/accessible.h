#pragma once

#include <QString>
#include <functional>
#include <vector>

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

// As setAccessibleText, and the description is also spoken at once, for
// changes the player must hear even when the focus is elsewhere.
void announce(QWidget* control, const QString& name, const QString& description);

// Speaks `message` through the screen reader, whatever has the focus: a
// notification of `window` that shows for the moment it is read.
void announce(QWidget* window, const QString& message);

// Texts a reader asks for when it reads the control, rather than texts set
// as the game changes: nothing is sent as they change (the clock's every
// tick, every cell of a new board), and they are never out of date.
void readTextsFrom(QWidget* control, std::function<QString()> name,
                   std::function<QString()> description);

// The labels of `window` say nothing while they are hidden: an evolution
// level's words stay unread until a joker shows them.
void silenceHiddenLabels(QWidget* window);

// Presents `cells` (row by row, `columns` to a row) to readers as one table
// called `name`, in place of the separate controls of `container`. `current`
// gives the cell (0-based) the keyboard's cursor is on, or -1.
void presentAsTable(QWidget* container, const std::vector<QWidget*>& cells, int columns,
                    const QString& name, std::function<int()> current);
// The keyboard's cursor reached cell `index` of the table of `container`:
// the reader's focus follows it and reads the cell.
void focusTableCell(QWidget* container, int index);

// A menu entry's description: what choosing it does. Its name stays its
// caption without the '&'. Describe an entry as it is built, before a screen
// reader first reads it.
void describeMenuEntry(QAction* entry, const QString& description);

} // namespace quenza::platform
