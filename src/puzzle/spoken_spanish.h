#pragma once

#include <string>
#include <string_view>

namespace quenza {

// What a screen reader reads, in correct Spanish: the game's captions keep
// their own spelling on screen ("Puntuacion", "Comodin que te dara..."), but a
// voice reading them needs their accents to say them right. Whole words only,
// the first letter's case kept; UTF-8 in and out.
std::string withSpanishAccents(std::string_view text);

} // namespace quenza
