#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

namespace quenza::platform {

class Label;

// How big every window of the game is drawn, in percent (100 as designed).
// The twips the game sets never change with it; their pixels do.
int zoomPercent();
qreal zoomFactor();
// Scales every window at once: places and sizes from their twips, fonts from
// their designed sizes, pictures drawn afresh at their new size, each shown
// window kept on its screen. Windows built later are built at this zoom.
void setZoom(int percent);

// The font every control without one of its own uses, at 100 %.
void setDesignedApplicationFont(const QFont& font);
// A control's own font at 100 %; what it shows is scaled by the zoom.
void setDesignedFont(QWidget* control, const QFont& font);
// The point size a control's font was designed with, whatever the zoom.
qreal designedPointSize(const QWidget* control);

// Draws the picture with identifier `id` (see setPictureId) at `pixels`;
// an empty pixmap for an identifier it does not know.
using PictureRenderer = std::function<QPixmap(const QString& id, QSize pixels)>;
void setPictureRenderer(PictureRenderer renderer);
QPixmap renderPicture(const QString& id, QSize pixels);
// Shows picture `id` on `label`, drawn at the label's size, and redrawn
// whenever that size changes.
void showPicture(QLabel* label, const QString& id);
// As showPicture, but a label not yet on screen draws the picture only when
// it first shows (platform::Label), so a picture never seen is never drawn.
void showPictureWhenSeen(Label* label, const QString& id);

} // namespace quenza::platform
