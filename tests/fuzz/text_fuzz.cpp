// Text as the file reader decodes it: each line on its own, as UTF-8 when it
// is valid UTF-8 and as Windows-1252 otherwise.
//
// The invariant on validity: isValidUtf8(x) holds exactly when decoding x and
// encoding the result again gives x back byte for byte. (An invalid sequence
// decodes as U+FFFD, whose encoding EF BF BD is itself valid, so it can never
// stand where the invalid bytes stood.)

#include "fuzz_target.h"
#include "puzzle/text.h"

#include <algorithm>

namespace {

using quenza::Word;
using quenza::fuzz::require;

void checkDecoding(std::string_view bytes) {
    const Word decoded = quenza::fromUtf8(bytes);
    const std::string encoded = quenza::toUtf8(decoded);
    require(quenza::isValidUtf8(bytes) == (encoded == bytes),
            "valid exactly when decoding and encoding gives the bytes back");
    require(decoded.size() <= bytes.size(), "every character takes at least one byte");
    require(std::all_of(decoded.begin(), decoded.end(),
                        [](char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }),
            "decoding gives Unicode scalar values only");
    require(quenza::isValidUtf8(encoded), "the game writes valid UTF-8 only");
    require(quenza::fromUtf8(encoded) == decoded, "decoding what was written gives the same text");

    const Word upper = quenza::upperCase(decoded);
    require(upper.size() == decoded.size(), "upper-casing keeps the length");
    require(quenza::upperCase(upper) == upper, "upper-casing twice changes nothing more");
}

// The game's reader: a file that is valid UTF-8 reads as that text, line for
// line; any other line reads as Windows-1252, one character a byte, never as
// a replacement character.
void checkReader(std::string_view bytes, const std::vector<std::string>& lines) {
    Word joined;
    for (size_t k = 0; k < lines.size(); ++k) {
        checkDecoding(lines[k]);
        joined += (k == 0 ? Word() : Word(U"\n")) + quenza::fromUtf8(lines[k]);
    }
    if (bytes.starts_with("\xEF\xBB\xBF") || bytes.find('\r') != std::string_view::npos) {
        return;
    }
    const std::string_view text = bytes.ends_with('\n') ? bytes.substr(0, bytes.size() - 1) : bytes;
    if (quenza::isValidUtf8(bytes)) {
        require(joined == quenza::fromUtf8(text), "a UTF-8 file reads as its text");
    } else if (text.find('\n') == std::string_view::npos) {
        require(lines.size() == 1 && joined.size() == text.size() &&
                    joined.find(U'\uFFFD') == Word::npos,
                "a Windows-1252 line reads one character a byte");
    }
}

} // namespace

void quenza::fuzz::check(const Input& input) {
    checkDecoding(input.bytes);
    checkReader(input.bytes, input.lines);
}
