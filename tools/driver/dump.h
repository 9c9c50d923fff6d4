#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class QObject;
class QWidget;

namespace quenza::driver {

// Everything a person could see, and the game state behind it: time, date,
// active window, focus, every window and the process-wide values.
QJsonObject dumpAll();

// One window by name; a window that is not loaded answers
// {"loaded": false, "shown": false, "fields": {}}.
QJsonObject dumpWindow(const QString& name);
QJsonObject dumpWindow(QWidget* window);

// One control: a tagged widget, a menu entry or a timer.
QJsonObject dumpControl(QObject* control);

// The window and control that hold the keyboard focus ("Form1.Label1(3)";
// the active window alone when none of its controls has it), or null.
QJsonValue focusName();
QJsonValue activeWindowName();

// A window colour 0xBBGGRR as "0xBBGGRR" with six upper-case hex digits.
QString colourText(quint32 bgr);

} // namespace quenza::driver
