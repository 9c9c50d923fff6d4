#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

class QWidget;

namespace quenza::platform {

// The game lays windows out in twips (1440 per inch, 15 per pixel at 100 %).
// A control keeps the twips it was given; its pixel geometry follows from them
// and from the zoom the player chose.
inline constexpr int kTwipsPerPixel = 15;
int twipsToPixels(int twips);
// A pointer position in pixels, as the game's mouse handlers receive it.
int pixelsToTwips(int pixels);
QPoint pixelsToTwips(const QPoint& pixels);

void place(QWidget* widget, int left, int top, int width, int height);
// A window whose design gives its client area: the client is exactly that
// size, and its outer size (what twipsOf reports) adds the frame round it.
void placeClient(QWidget* window, int left, int top, int clientWidth, int clientHeight);
void setLeft(QWidget* widget, int left);
void setTop(QWidget* widget, int top);
// For windows: the outer size in twips, before or after the window is shown.
void setWindowWidth(QWidget* window, int width);
void setWindowHeight(QWidget* window, int height);
// Left, top, width, height exactly as set; but a window the player or the
// window manager moved or resized reports where it really is, and how big.
QRect twipsOf(const QWidget* widget);
// Whether the program placed the widget in twips.
bool hasTwips(const QWidget* widget);

} // namespace quenza::platform
