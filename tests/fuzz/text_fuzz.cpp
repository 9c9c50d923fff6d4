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

constexpr int kMaxCuts = 16;

bool isScalarValue(char32_t letter) {
    return letter <= 0x10FFFF && (letter < 0xD800 || letter > 0xDFFF);
}

void checkDecoding(std::string_view bytes) {
    const Word decoded = quenza::fromUtf8(bytes);
    const std::string encoded = quenza::toUtf8(decoded);
    require(quenza::isValidUtf8(bytes) == (encoded == bytes),
            "valid exactly when decoding and encoding gives the bytes back");
    require(decoded.size() <= bytes.size(), "every character takes at least one byte");
    require(std::all_of(decoded.begin(), decoded.end(), isScalarValue),
            "decoding gives Unicode scalar values only");
    require(quenza::isValidUtf8(encoded), "the game writes valid UTF-8 only");
    require(quenza::fromUtf8(encoded) == decoded, "decoding what was written gives the same text");

    const Word upper = quenza::upperCase(decoded);
    require(upper.size() == decoded.size(), "upper-casing keeps the length");
    require(quenza::upperCase(upper) == upper, "upper-casing twice changes nothing more");
}

// The reader cuts lines before decoding; that is only sound if a line feed
// never belongs to a character, so decoding around it must not depend on
// where the cut falls.
void checkLineCuts(std::string_view bytes) {
    const Word whole = quenza::fromUtf8(bytes);
    const bool valid = quenza::isValidUtf8(bytes);
    int cuts = 0; // a few cuts per input keep a file of blank lines fast
    for (size_t feed = bytes.find('\n'); feed != std::string_view::npos && cuts < kMaxCuts;
         feed = bytes.find('\n', feed + 1), ++cuts) {
        const std::string_view before = bytes.substr(0, feed);
        const std::string_view after = bytes.substr(feed + 1);
        require(whole == quenza::fromUtf8(before) + U"\n" + quenza::fromUtf8(after),
                "a line feed never joins or splits a character");
        require(valid == (quenza::isValidUtf8(before) && quenza::isValidUtf8(after)),
                "a file is valid UTF-8 exactly when every line is");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = quenza::fuzz::bytesOf(data, size);
    checkDecoding(bytes);
    checkLineCuts(bytes);
    for (const std::string& line : quenza::fuzz::splitLines(bytes)) {
        checkDecoding(line);
    }
    return 0;
}
