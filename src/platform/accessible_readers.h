#pragma once

// What the platform's own screen-reader interfaces share.
#include <QString>
#include <optional>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace quenza::platform {

// The texts readTextsFrom gave a control; false when it gave none.
bool liveName(const QObject* control, QString& name);
bool liveDescription(const QObject* control, QString& description);

// Where a control stands in a table presented to readers, if it is a cell.
struct TableCell {
    QAccessibleInterface* table = nullptr;
    int row = 0;
    int column = 0;
    bool focused = false; // the keyboard's cursor is on it
};
std::optional<TableCell> tableCellOf(const QObject* cell);
bool isTableCell(const QObject* control);
// The table a container presents in place of its cells, or nullptr.
QAccessibleInterface* tableIn(const QObject* container);

// Makes sure the game's readers answer for the controls they know, and
// that readers are not flooded with events.
void installReaders();
void installEventGate();

} // namespace quenza::platform
