// A ranking file as found on disk, damaged lines and all: every entry read,
// a new result placed and inserted, and the file read back, for both the
// traditional and the evolution format.
//
// Input: the first line is the new result's name (and theme), the other
// lines are the ranking file; the result's numbers and date come from the
// input's hash, so every input ranks a different result.

#include "fuzz_target.h"
#include "puzzle/ranking.h"

#include <algorithm>

namespace {

using quenza::fuzz::require;

// A name or theme is kept byte for byte, but a line break cannot live inside
// a one-line record and is written as a blank.
std::string asWritten(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

quenza::TraditionalEntry written(quenza::TraditionalEntry entry) {
    entry.tema = asWritten(std::move(entry.tema));
    entry.nombre = asWritten(std::move(entry.nombre));
    return entry;
}

quenza::EvolutionEntry written(quenza::EvolutionEntry entry) {
    entry.nombre = asWritten(std::move(entry.nombre));
    return entry;
}

// Any calendar day, the 29th of February of a leap year and the 31st included.
quenza::Date dateOf(std::uint64_t bits) {
    const int year = static_cast<int>(bits % 10000);
    const int month = static_cast<int>((bits >> 16) % 12) + 1;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = month == 2 ? (leap ? 29 : 28) : 30 + (month + month / 8) % 2;
    return {year, month, static_cast<int>((bits >> 24) % static_cast<unsigned>(days)) + 1};
}

template <class Entry>
void checkRanking(const std::vector<std::string>& lines, const Entry& result,
                  std::optional<Entry> (*parse)(std::string_view),
                  std::vector<Entry> (*top)(const std::vector<std::string>&)) {
    std::vector<Entry> readable;
    // How many readable entries stand before each line, the end included.
    std::vector<size_t> readableBefore;
    readableBefore.reserve(lines.size() + 1);
    for (const std::string& line : lines) {
        readableBefore.push_back(readable.size());
        if (auto entry = parse(line)) {
            require(parse(quenza::formatLine(*entry)) == written(*entry),
                    "a readable entry is written back as it was read");
            readable.push_back(std::move(*entry));
        }
    }
    readableBefore.push_back(readable.size());

    const int place = quenza::findPlace(lines, result);
    const quenza::Placement placement = quenza::placeResult(lines, result);
    require(placement.posicion_nueva == place, "the dialog's place is the ranking's place");
    require(place == quenza::kNoPlace || (place >= 1 && place <= static_cast<int>(readable.size())),
            "a place is a readable entry's number, or 99");
    require(placement.qualifies == quenza::qualifies(place, static_cast<int>(readable.size())),
            "only readable entries count toward a full ranking");
    const auto ahead = static_cast<size_t>(place == quenza::kNoPlace ? readable.size() : place - 1);
    for (size_t k = 0; k < ahead; ++k) {
        require(!quenza::beats(result, readable[k]), "the result beats no entry above it");
    }
    if (ahead < readable.size()) {
        require(quenza::beats(result, readable[ahead]), "the result beats the entry it displaces");
    }

    const std::vector<std::string> after = quenza::withEntry(lines, result);
    require(after.size() == lines.size() + 1, "an insertion adds exactly one line");
    size_t at = 0;
    while (at < lines.size() && after[at] == lines[at]) {
        ++at;
    }
    // The new line may equal the one it lands before: the first difference
    // is then one line later, which keeps the same file.
    require(std::equal(lines.begin() + static_cast<std::ptrdiff_t>(at), lines.end(),
                       after.begin() + static_cast<std::ptrdiff_t>(at) + 1),
            "every other line is kept, in order");
    // The lines above the new one are the file's own first `at` lines.
    require(readableBefore[at] == ahead, "the result goes just before the entry it displaces");
    const auto insertedLine = parse(after[at]);
    require(insertedLine.has_value() && *insertedLine == written(result),
            "the inserted entry reads back equal");

    const std::vector<Entry> shown = top(after);
    require(shown.size() ==
                std::min(readable.size() + 1, static_cast<size_t>(quenza::kShownEntries)),
            "the viewer lists up to 15 readable entries");
    if (ahead < shown.size()) {
        require(shown[ahead] == written(result), "the viewer lists the result at its place");
    }
}

} // namespace

void quenza::fuzz::check(const Input& input) {
    std::vector<std::string> lines = input.lines;
    const std::string name = lines.empty() ? std::string() : lines.front();
    if (!lines.empty()) {
        lines.erase(lines.begin());
    }
    const std::uint64_t bits = input.seed;
    // A tie with an entry already in the file is the interesting case, so the
    // numbers sometimes come from a line of the file itself.
    const std::string& sample = lines.empty() ? name : lines[bits % lines.size()];

    quenza::TraditionalEntry traditional{static_cast<std::int16_t>(bits),
                                         static_cast<std::int16_t>(bits >> 16), name,
                                         name.substr(name.size() / 2), dateOf(bits >> 32)};
    if (const auto entry = quenza::parseTraditional(sample); entry && (bits & 1)) {
        traditional.tiempo = entry->tiempo;
        traditional.total_palabras = entry->total_palabras;
    }
    checkRanking(lines, traditional, quenza::parseTraditional, quenza::topTraditional);

    quenza::EvolutionEntry evolution{
        static_cast<std::int16_t>(bits >> 8), static_cast<std::int16_t>(bits >> 24),
        static_cast<std::int16_t>(bits >> 40), name, dateOf(bits >> 20)};
    if (const auto entry = quenza::parseEvolution(sample); entry && (bits & 1)) {
        evolution.nivel = entry->nivel;
        evolution.puntuacion = entry->puntuacion;
    }
    checkRanking(lines, evolution, quenza::parseEvolution, quenza::topEvolution);
}
