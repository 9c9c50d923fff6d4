#pragma once

#include <QString>

class QAction;
class QWidget;

namespace quenza::driver {

// Why a person could not put input there; empty when they could.

// A window: it must be loaded, on screen, enabled and not behind a modal one.
QString windowRefusal(const QString& name, const QWidget* window);
// A widget of an open window: it and every container up to the window must
// be visible and enabled.
QString widgetRefusal(const QWidget* widget);
// A menu entry: it and every entry holding it must be visible and enabled.
QString menuRefusal(const QAction* entry);

} // namespace quenza::driver
