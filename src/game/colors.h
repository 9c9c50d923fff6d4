#pragma once

#include <QtGlobal>

namespace quenza {

// Window colour values, 0xBBGGRR.
inline constexpr quint32 color_celda = 0xFFC0C0;     // light blue: a cell in play
inline constexpr quint32 color_seleccion = 0xFF8080; // medium blue: the line being marked
inline constexpr quint32 kWordListFrame = 0x0080FF;  // orange
inline constexpr quint32 kFirstLetters = 0x00C000;   // green
inline constexpr quint32 kExampleText = 0xFF0000;    // blue
inline constexpr quint32 kScoreTitle = 0x404040;     // dark grey
inline constexpr quint32 kJokerTime = 0x00C000;      // green
inline constexpr quint32 kVisorBorder = 0x0000FF;    // red

} // namespace quenza
