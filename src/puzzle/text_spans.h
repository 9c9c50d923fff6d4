#pragma once

#include <string_view>

namespace quenza {

// The pieces of a control's text a screen reader asks for: one character, a
// word (a run of non-blanks), a line, or the whole text. Every answer is
// computed in one pass over the text, whatever the offset asked for: a reader
// may ask for any offset, past the end included.
enum class TextUnit { Character, Word, Line, All };

struct TextSpan {
    int start = 0;
    int end = 0; // one past the last character; start == end is an empty answer
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The piece that holds `offset` (the end of the text holds the last piece).
TextSpan spanAt(std::u16string_view text, int offset, TextUnit unit);
// The piece just before the one that holds `offset`, or an empty span.
TextSpan spanBefore(std::u16string_view text, int offset, TextUnit unit);
// The piece just after the one that holds `offset`, or an empty span.
TextSpan spanAfter(std::u16string_view text, int offset, TextUnit unit);

} // namespace quenza
