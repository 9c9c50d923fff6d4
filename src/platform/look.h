#pragma once

#include <QString>
#include <QtGlobal>

class QCursor;
class QColor;
class QObject;
class QWidget;

namespace quenza::platform {

// What a control is, as the game's windows know them. Every control the game
// builds is tagged with its kind; the driver lists exactly the tagged ones.
enum class Kind { Label, Button, TextBox, CheckBox, Frame, Picture, Image, Shape, Line };
void setKind(QObject* control, Kind kind);
QString kindName(const QObject* control); // empty for untagged objects

// Colours are window colour values 0xBBGGRR. Setting the colour a control
// already has changes nothing (the grid relies on that to stay fast).
void setBackColor(QWidget* control, quint32 bgr);
void setForeColor(QWidget* control, quint32 bgr);
quint32 backColor(const QWidget* control);
// The colour a window colour value stands for.
QColor colourOf(quint32 bgr);
quint32 foreColor(const QWidget* control);
bool hasBackColor(const QWidget* control);
bool hasForeColor(const QWidget* control);

// Text alignment of a label: "left", "center" or "right".
void setAlignment(QWidget* label, const QString& alignment);
QString alignment(const QWidget* label);

// The image a picture, image or button shows, by identifier; two controls
// showing the same image carry the same identifier. Empty clears it.
void setPictureId(QWidget* control, const QString& id);
QString pictureId(const QWidget* control);

// The mouse pointer code of a window: 0 default, 99 the window's own.
void setMousePointer(QWidget* window, int code);
int mousePointer(const QWidget* window);
// The window's own pointer image, shown while its pointer code is 99.
void setCustomPointer(QWidget* window, const QCursor& cursor);

} // namespace quenza::platform
