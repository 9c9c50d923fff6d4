#include "theme.h"

#include "generation.h"
#include "text.h"

#include <algorithm>

namespace quenza {

namespace {

constexpr int kSmallTitleAbove = 30;

// The content of the field that starts at the comma at `comma` (0-based) and
// ends at `end` (the next comma, or the end of the line): one delimiter
// character is dropped at each end. A field too short for its delimiters is
// empty.
Word fieldAfter(const Word& line, size_t comma, size_t end) {
    const size_t between = end - comma - 1;
    if (between < 2) {
        return {};
    }
    return line.substr(comma + 2, between - 2);
}

size_t nextComma(const Word& line, size_t from) {
    const size_t pos = line.find(U',', from);
    return pos == Word::npos ? line.size() : pos;
}

// Every field of the line, cut at each comma as the reads below cut them.
std::vector<ThemeField> cutFields(const Word& line) {
    std::vector<ThemeField> fields;
    const size_t first = nextComma(line, 0);
    fields.push_back({line.substr(0, first), {}});
    for (size_t comma = first; comma < line.size();) {
        const size_t next = nextComma(line, comma + 1);
        fields.push_back({line.substr(comma + 1, next - comma - 1), fieldAfter(line, comma, next)});
        comma = next;
    }
    return fields;
}

std::string narrow(const Word& text) {
    std::string out;
    for (const Letter cp : text) {
        out.push_back(cp < 0x80 ? static_cast<char>(cp) : '?');
    }
    return out;
}

} // namespace

ThemeLine parseThemeLine(const Word& line) {
    ThemeLine theme;
    theme.fields = cutFields(line);
    const size_t c1 = line.find(U',');
    if (c1 == Word::npos) {
        return theme;
    }
    const size_t c2 = nextComma(line, c1 + 1);
    const Word title = fieldAfter(line, c1, c2);
    if (!title.empty()) {
        theme.title = Word(1, upperCase(title.front())) + title.substr(1);
    }
    if (c2 >= line.size()) {
        return theme;
    }
    const size_t c3 = nextComma(line, c2 + 1);
    const long declared = leadingNumber(narrow(fieldAfter(line, c2, c3)));
    theme.declared = declared;
    theme.count = static_cast<std::int16_t>(std::clamp<long>(declared, 0, kSlots));

    // A count above the word fields keeps reading the last field again, since
    // the scan position stays at the last comma.
    size_t p = c3;
    int field = 3; // the field that starts after the comma at p
    for (int w = 0; w < theme.count; ++w) {
        Word word;
        theme.wordFields.push_back(p < line.size() ? field : -1);
        if (p < line.size()) {
            const size_t q = nextComma(line, p + 1);
            word = fieldAfter(line, p, q);
            if (q < line.size()) {
                p = q;
                ++field;
            }
        }
        theme.words.push_back(word);
    }
    return theme;
}

int titleFontSize(const Word& title) {
    return title.size() > kSmallTitleAbove ? 8 : 10;
}

void cargar(Board& board, const Word& line, int direccion_unica, Random& random) {
    const ThemeLine theme = parseThemeLine(line);
    board.titulo = theme.title;
    board.numero = theme.count;
    board.num_palabras = static_cast<std::int16_t>(theme.count - 1);
    for (int w = 0; w < theme.count; ++w) {
        // Words beyond ten letters (or empty fields) cannot take a slot: they
        // are dropped like a word that found no room, so `numero` stays equal
        // to the words really on the board.
        IntRodUcir(board, theme.words[static_cast<size_t>(w)], w, direccion_unica, random);
    }
    OrdEnar_MatriZ(board);
}

WordList ActuAlizAr(const Board& board) {
    WordList list;
    for (int w = 0; w < kSlots; ++w) {
        const auto& cells = board.celdas_palabra[static_cast<size_t>(w)];
        Word word;
        const bool reverse = isReverseDirection(cells[kDirectionPos]);
        for (int k = 0; k < kMaxLetters; ++k) {
            const int p = reverse ? kMaxLetters - 1 - k : k;
            const int cell = cells[static_cast<size_t>(p)];
            if (cell != 0) {
                word.push_back(board.letra[static_cast<size_t>(cell)]);
            }
        }
        list.res3[static_cast<size_t>(w)] = word.substr(0, 3);
        list.resultado[static_cast<size_t>(w)] = std::move(word);
    }
    return list;
}

} // namespace quenza
