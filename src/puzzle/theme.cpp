#include "theme.h"

#include "generation.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quenza {

namespace {

constexpr int kSmallTitleAbove = 30;

// The content of the field that starts at the comma at `comma` (0-based) and
// ends at `end` (the next comma, or the end of the line): one delimiter
// character is dropped at each end. A field too short for its delimiters is
// empty.
std::u32string_view fieldAfter(std::u32string_view line, size_t comma, size_t end) {
    const size_t between = end - comma - 1;
    if (between < 2) {
        return {};
    }
    return line.substr(comma + 2, between - 2);
}

size_t nextComma(std::u32string_view line, size_t from) {
    const size_t pos = line.find(U',', from);
    return pos == std::u32string_view::npos ? line.size() : pos;
}

// Every field of the line, cut at each comma as the reads below cut them.
std::vector<ThemeField> cutFields(const Word& line) {
    std::vector<ThemeField> fields;
    const size_t first = nextComma(line, 0);
    fields.push_back({line.substr(0, first), {}});
    for (size_t comma = first; comma < line.size();) {
        const size_t next = nextComma(line, comma + 1);
        fields.push_back(
            {line.substr(comma + 1, next - comma - 1), Word(fieldAfter(line, comma, next))});
        comma = next;
    }
    return fields;
}

std::string narrow(std::u32string_view text) {
    std::string out;
    for (const Letter cp : text) {
        out.push_back(cp < 0x80 ? static_cast<char>(cp) : '?');
    }
    return out;
}

// What a theme line gives the board, read in place: the texts are views into
// the line.
struct Reading {
    std::u32string_view title; // as written
    long declared = 0;
    std::int16_t count = 0;
    std::array<std::u32string_view, kSlots> words{};
    std::array<int, kSlots> wordFields{};
};

Reading readLine(std::u32string_view line) {
    Reading reading;
    const size_t c1 = line.find(U',');
    if (c1 == std::u32string_view::npos) {
        return reading;
    }
    const size_t c2 = nextComma(line, c1 + 1);
    reading.title = fieldAfter(line, c1, c2);
    if (c2 >= line.size()) {
        return reading;
    }
    const size_t c3 = nextComma(line, c2 + 1);
    reading.declared = leadingNumber(narrow(fieldAfter(line, c2, c3)));
    reading.count = static_cast<std::int16_t>(std::clamp<long>(reading.declared, 0, kSlots));

    // A count above the word fields keeps reading the last field again, since
    // the scan position stays at the last comma.
    size_t p = c3;
    int field = 3; // the field that starts after the comma at p
    for (size_t w = 0; w < static_cast<size_t>(reading.count); ++w) {
        reading.wordFields[w] = p < line.size() ? field : -1;
        if (p < line.size()) {
            const size_t q = nextComma(line, p + 1);
            reading.words[w] = fieldAfter(line, p, q);
            if (q < line.size()) {
                p = q;
                ++field;
            }
        }
    }
    return reading;
}

// The title with its first character upper-cased, written into `out` (whose
// room a reused board keeps).
void assignTitle(Word& out, std::u32string_view title) {
    out.assign(title);
    if (!out.empty()) {
        out.front() = upperCase(out.front());
    }
}

} // namespace

ThemeLine parseThemeLine(const Word& line) {
    ThemeLine theme;
    theme.fields = cutFields(line);
    const Reading reading = readLine(line);
    assignTitle(theme.title, reading.title);
    theme.declared = reading.declared;
    theme.count = reading.count;
    for (size_t w = 0; w < static_cast<size_t>(reading.count); ++w) {
        theme.words.emplace_back(reading.words[w]);
        theme.wordFields.push_back(reading.wordFields[w]);
    }
    return theme;
}

int titleFontSize(const Word& title) {
    return title.size() > kSmallTitleAbove ? 8 : 10;
}

void placeTheme(Board& board, const Word& line, int direccion_unica, Random& random) {
    // Read in place rather than through parseThemeLine: a new game need not
    // copy every field of the line.
    const Reading theme = readLine(line);
    assignTitle(board.titulo, theme.title);
    board.numero = theme.count;
    board.num_palabras = static_cast<std::int16_t>(theme.count - 1);
    for (int w = 0; w < theme.count; ++w) {
        // Words beyond ten letters (or empty fields) cannot take a slot: they
        // are dropped like a word that found no room, so `numero` stays equal
        // to the words really on the board.
        placeWord(board, theme.words[static_cast<size_t>(w)], w, direccion_unica, random);
    }
    sortSlots(board);
}

WordList readWordList(const Board& board) {
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
