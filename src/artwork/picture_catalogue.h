#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace quenza {

// Every picture of the game by the identifier its controls carry, drawn at
// `size`; an empty pixmap for an identifier that names no picture. Windows
// are redrawn from here when the player zooms.
QPixmap pictureById(const QString& id, QSize size);

// The same picture as an icon, made once per identifier and size and kept:
// Qt caches what it derives from an icon (its greyed look, its scaled
// copies) under the icon's own pixmaps, so a fresh icon for every window
// opened would fill that cache with copies nobody asks for again.
QIcon pictureIcon(const QString& id, QSize size);

// The identifiers of the pictures that are not jokers.
inline constexpr char kLogoPicture[] = "logo";
inline constexpr char kAcceptGreenPicture[] = "boton_verde";
inline constexpr char kAcceptRedPicture[] = "boton_rojo";
inline constexpr char kStopPicture[] = "stop";

} // namespace quenza
