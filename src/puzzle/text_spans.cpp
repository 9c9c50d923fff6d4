#include "text_spans.h"

#include <algorithm>
#include <cstddef>

namespace quenza {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == 0x00A0;
}

bool isLineBreak(char16_t c) {
    return c == u'\n';
}

int length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

// A word is a run of non-blanks with the blanks that follow it, so that the
// words of a text join up end to end, as readers expect; blanks before the
// first word belong to it.
TextSpan wordAt(std::u16string_view text, int offset) {
    const int n = length(text);
    int start = 0;
    while (true) {
        int end = start;
        while (end < n && isBlank(text[static_cast<size_t>(end)])) {
            ++end;
        }
        while (end < n && !isBlank(text[static_cast<size_t>(end)])) {
            ++end;
        }
        while (end < n && isBlank(text[static_cast<size_t>(end)])) {
            ++end;
        }
        if (offset < end || end == n) {
            return {start, end};
        }
        start = end;
    }
}

TextSpan lineAt(std::u16string_view text, int offset) {
    const int n = length(text);
    int start = offset;
    while (start > 0 && !isLineBreak(text[static_cast<size_t>(start - 1)])) {
        --start;
    }
    int end = offset;
    while (end < n && !isLineBreak(text[static_cast<size_t>(end)])) {
        ++end;
    }
    return {start, std::min(n, end + 1)};
}

} // namespace

TextSpan spanAt(std::u16string_view text, int offset, TextUnit unit) {
    const int n = length(text);
    if (n == 0) {
        return {};
    }
    // The end of the text (and anything past it) reads as its last piece.
    offset = std::clamp(offset, 0, n - 1);
    switch (unit) {
    case TextUnit::Character:
        return {offset, offset + 1};
    case TextUnit::Word:
        return wordAt(text, offset);
    case TextUnit::Line:
        return lineAt(text, offset);
    case TextUnit::All:
        break;
    }
    return {0, n};
}

TextSpan spanBefore(std::u16string_view text, int offset, TextUnit unit) {
    const TextSpan here = spanAt(text, offset, unit);
    if (here.start == 0) {
        return {};
    }
    return spanAt(text, here.start - 1, unit);
}

TextSpan spanAfter(std::u16string_view text, int offset, TextUnit unit) {
    const TextSpan here = spanAt(text, offset, unit);
    if (here.end >= length(text) || here.end <= offset) {
        return {};
    }
    return spanAt(text, here.end, unit);
}

} // namespace quenza
