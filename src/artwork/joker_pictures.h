#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace quenza {

// One picture per joker, the same wherever that joker is shown (the in-game
// buttons, the check boxes and award slots of the level-complete window, the
// help window). `joker` is the joker number 1..8 (Mostrar, Mostrar3,
// Eliminar, Visor, Tiempo, Finalizar, UniDireccion, Suerte) or 9 for the
// special joker.
inline constexpr int kEspecialPicture = 9;
QPixmap jokerPicture(int joker, QSize size);
// The picture identifier the driver reports for that picture: equal exactly
// for the same joker.
QString jokerPictureId(int joker);

} // namespace quenza
