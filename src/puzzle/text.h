#pragma once

#include "board.h"

#include <string>
#include <string_view>

namespace quenza {

// UTF-8 <-> UTF-32. Invalid UTF-8 bytes decode as U+FFFD.
Word fromUtf8(std::string_view text);
std::string toUtf8(const Word& text);
std::string toUtf8(Letter letter);
// True when every byte belongs to a well-formed sequence: no overlong forms,
// no surrogates, nothing beyond U+10FFFF, no sequence cut short.
bool isValidUtf8(std::string_view text);

// Upper case for the letters a Spanish theme uses: ASCII and Latin-1 (á, é,
// í, ó, ú, ü, ñ, ç, ...). Other characters are returned unchanged.
Letter upperCase(Letter letter);
Word upperCase(Word text);

// The numeric value of the leading number of `text`, as the old Val() read it:
// leading blanks skipped, an optional sign, then digits; 0 when there are none.
long leadingNumber(std::string_view text);

// Saturating conversion to the 16-bit counters the game keeps.
std::int16_t saturate16(long value);

} // namespace quenza
