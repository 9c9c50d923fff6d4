#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>

namespace quenza {

// The game's pictures, drawn in code so they stay sharp at any scale.

// The splash window's logo: a tilted grid of letter tiles with QUENZA marked on
// its diagonal, in the board's blues.
QPixmap quenzaLogo(QSize size);

// The accept button of the result dialogs: a round glossy button with a check
// mark, red at rest and green under the pointer.
QPixmap acceptButtonRed(QSize size);
QPixmap acceptButtonGreen(QSize size);

// The blinking picture beside the clock while the count-down is held: a red
// octagonal STOP sign.
QPixmap stopPicture(QSize size);

// The pointer over the board: a 32 x 32 magnifying glass whose hot spot is the
// centre of the lens.
QCursor boardCursor();

} // namespace quenza
