#include "text.h"

#include <cctype>
#include <limits>
#include <optional>

namespace quenza {

namespace {

constexpr Letter kReplacement = U'\uFFFD';

// The length of the sequence a lead byte opens, and the smallest code point
// such a sequence may carry (anything smaller is an overlong form).
struct Lead {
    int extra;
    char32_t bits;
    char32_t minimum;
};

std::optional<Lead> leadOf(unsigned char byte) {
    if (byte < 0x80) {
        return Lead{0, byte, 0};
    }
    if (byte >= 0xC2 && byte <= 0xDF) {
        return Lead{1, byte & 0x1Fu, 0x80};
    }
    if ((byte & 0xF0) == 0xE0) {
        return Lead{2, byte & 0x0Fu, 0x800};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return Lead{3, byte & 0x07u, 0x10000};
    }
    return std::nullopt;
}

bool isScalarValue(char32_t cp) {
    return cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// One character read at `at`: its code point, or none when the bytes there
// are not a well-formed sequence, and how many bytes to move on by.
struct Decoded {
    std::optional<char32_t> letter;
    size_t length;
};

Decoded decodeAt(std::string_view text, size_t at) {
    const auto lead = leadOf(static_cast<unsigned char>(text[at]));
    if (!lead) {
        return {std::nullopt, 1};
    }
    const auto extra = static_cast<size_t>(lead->extra);
    char32_t cp = lead->bits;
    size_t k = 1;
    for (; k <= extra && at + k < text.size(); ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            break;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (k <= extra || cp < lead->minimum || !isScalarValue(cp)) {
        return {std::nullopt, k};
    }
    return {cp, extra + 1};
}

} // namespace

Word fromUtf8(std::string_view text) {
    Word out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const Decoded decoded = decodeAt(text, i);
        out.push_back(decoded.letter.value_or(kReplacement));
        i += decoded.length;
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const Decoded decoded = decodeAt(text, i);
        if (!decoded.letter) {
            return false;
        }
        i += decoded.length;
    }
    return true;
}

namespace {

void appendUtf8(std::string& out, Letter cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string toUtf8(Letter cp) {
    std::string out;
    appendUtf8(out, cp);
    return out;
}

std::string toUtf8(const Word& text) {
    std::string out;
    out.reserve(text.size());
    for (const Letter cp : text) {
        appendUtf8(out, cp);
    }
    return out;
}

Letter upperCase(Letter letter) {
    if (letter >= U'a' && letter <= U'z') {
        return letter - 32;
    }
    // Latin-1 lower-case letters sit 32 above their capitals, except ÷ and ÿ.
    if (letter >= 0xE0 && letter <= 0xFE && letter != 0xF7) {
        return letter - 32;
    }
    if (letter == 0xFF) {
        return 0x178;
    }
    return letter;
}

Word upperCase(Word text) {
    for (Letter& letter : text) {
        letter = upperCase(letter);
    }
    return text;
}

long leadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        if (value < std::numeric_limits<long>::max() / 10 - 10) {
            value = value * 10 + (text[i] - '0');
        }
        ++i;
    }
    return negative ? -value : value;
}

std::int16_t saturate16(long value) {
    if (value > std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    if (value < std::numeric_limits<std::int16_t>::min()) {
        return std::numeric_limits<std::int16_t>::min();
    }
    return static_cast<std::int16_t>(value);
}

} // namespace quenza
