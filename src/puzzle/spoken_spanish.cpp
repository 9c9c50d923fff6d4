#include "spoken_spanish.h"

#include <array>
#include <cctype>
#include <utility>

namespace quenza {

namespace {

// Lower-case spelling on screen, and as it is said.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kWords{{
    {"puntuacion", "puntuación"},
    {"version", "versión"},
    {"numero", "número"},
    {"comodin", "comodín"},
    {"direccion", "dirección"},
    {"unidireccion", "unidirección"},
    {"colocara", "colocará"},
    {"dara", "dará"},
    {"quitara", "quitará"},
    {"mostrara", "mostrará"},
    {"ocultara", "ocultará"},
    {"parara", "parará"},
    {"podras", "podrás"},
    {"tendras", "tendrás"},
    {"tambien", "también"},
    {"ultimo", "último"},
    {"ultimos", "últimos"},
}};

bool isWordByte(unsigned char c) {
    return std::isalnum(c) != 0 || c >= 0x80;
}

std::string lowered(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

std::string spoken(std::string_view word, bool startsText) {
    const std::string lower = lowered(word);
    std::string_view said;
    for (const auto& [screen, voice] : kWords) {
        if (lower == screen) {
            said = voice;
        }
    }
    // "Como se juega", "Como conseguirlos": a heading that asks how.
    if (startsText && lower == "como") {
        said = "cómo";
    }
    if (said.empty()) {
        return std::string(word);
    }
    // Capitals stay where they were ("UniDireccion"), up to the first accent.
    std::string result(said);
    for (size_t k = 0; k < word.size() && k < result.size(); ++k) {
        const auto c = static_cast<unsigned char>(result[k]);
        if (c >= 0x80) {
            break;
        }
        if (std::isupper(static_cast<unsigned char>(word[k])) != 0) {
            result[k] = static_cast<char>(std::toupper(c));
        }
    }
    return result;
}

} // namespace

std::string withSpanishAccents(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 8);
    size_t i = 0;
    while (i < text.size()) {
        if (!isWordByte(static_cast<unsigned char>(text[i]))) {
            result += text[i++];
            continue;
        }
        const size_t start = i;
        while (i < text.size() && isWordByte(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        result += spoken(text.substr(start, i - start), start == 0);
    }
    return result;
}

} // namespace quenza
