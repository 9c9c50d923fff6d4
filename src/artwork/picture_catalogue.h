#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace quenza {

// Every picture of the game by the identifier its controls carry, drawn at
// `size`; an empty pixmap for an identifier that names no picture. Windows
// are redrawn from here when the player zooms.
QPixmap pictureById(const QString& id, QSize size);

// The identifiers of the pictures that are not jokers.
inline constexpr char kLogoPicture[] = "logo";
inline constexpr char kAcceptGreenPicture[] = "boton_verde";
inline constexpr char kAcceptRedPicture[] = "boton_rojo";
inline constexpr char kStopPicture[] = "stop";

} // namespace quenza
