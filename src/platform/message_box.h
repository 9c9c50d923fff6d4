#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quenza::platform {

// A message box the player answers with OK. It is not modal to the event loop
// (the driver answers it like any window, under the name "MsgBox");
// `onClosed` runs once it is dismissed.
void showMessage(QWidget* parent, const QString& title, const QString& text,
                 std::function<void()> onClosed = {});

} // namespace quenza::platform
