#include "ranking.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace quenza {

namespace {

// A field as it stood in the line: a quoted text (quotes removed, doubled
// quotes decoded) or anything else, kept raw for the number and date readers.
struct Field {
    bool quoted = false;
    std::string value;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t skipBlanks(std::string_view line, std::size_t pos) {
    while (pos < line.size() && isBlank(line[pos])) {
        ++pos;
    }
    return pos;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = skipBlanks(text, 0);
    std::size_t last = text.size();
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

// Splits at the commas outside double quotes. A quote inside a quoted field is
// written doubled (""), the classic CSV way; names without quotes read exactly
// as the plain format. A quote anywhere else makes the line malformed. Blanks
// around a field are skipped, as the old reader skipped them (" 12" is 12);
// blanks inside the quotes belong to the text.
std::optional<std::vector<Field>> splitFields(std::string_view line) {
    std::vector<Field> fields;
    std::size_t pos = 0;
    while (true) {
        Field field;
        pos = skipBlanks(line, pos);
        if (pos < line.size() && line[pos] == '"') {
            field.quoted = true;
            std::size_t i = pos + 1;
            while (true) {
                if (i >= line.size()) {
                    return std::nullopt; // unterminated quote
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field.value += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.value += line[i++];
            }
            pos = skipBlanks(line, i);
            if (pos < line.size() && line[pos] != ',') {
                return std::nullopt; // text after the closing quote
            }
        } else {
            const std::size_t comma = std::min(line.find(',', pos), line.size());
            field.value = std::string(trimmed(line.substr(pos, comma - pos)));
            if (field.value.find('"') != std::string::npos) {
                return std::nullopt;
            }
            pos = comma;
        }
        fields.push_back(std::move(field));
        if (pos >= line.size()) {
            return fields;
        }
        ++pos; // the comma
    }
}

std::optional<std::int16_t> readNumber(const Field& field) {
    if (field.quoted || field.value.empty()) {
        return std::nullopt;
    }
    long value = 0;
    const char* first = field.value.data();
    const char* last = first + field.value.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || end != last || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<std::string> readText(const Field& field) {
    if (!field.quoted) {
        return std::nullopt;
    }
    return field.value;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// #YYYY-MM-DD#, a real calendar day.
std::optional<Date> readDate(const Field& field) {
    const std::string& text = field.value;
    if (field.quoted || text.size() != 12 || text.front() != '#' || text.back() != '#' ||
        text[5] != '-' || text[8] != '-') {
        return std::nullopt;
    }
    const auto digits = [&text](std::size_t from, std::size_t count) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto year = digits(1, 4);
    const auto month = digits(6, 2);
    const auto day = digits(9, 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
        *day > daysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return Date{*year, *month, *day};
}

// Line breaks cannot live inside a one-line record: they become blanks.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' || c == '\n') {
            out += ' ';
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string padded(int value, std::size_t width) {
    std::string digits = std::to_string(std::max(value, 0));
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

std::string formatDate(const Date& date) {
    return "#" + padded(date.year, 4) + "-" + padded(date.month, 2) + "-" + padded(date.day, 2) +
           "#";
}

std::optional<TraditionalEntry> parse(std::string_view line, const TraditionalEntry*) {
    return parseTraditional(line);
}

std::optional<EvolutionEntry> parse(std::string_view line, const EvolutionEntry*) {
    return parseEvolution(line);
}

// The index of the line the result goes before (lines.size() for the end)
// and the place it takes there; damaged lines are passed by and not numbered.
struct Slot {
    std::size_t before = 0;
    int place = kNoPlace;
};

template <class Entry> Slot slotOf(const std::vector<std::string>& lines, const Entry& result) {
    int readable = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto entry = parse(lines[i], &result);
        if (!entry) {
            continue;
        }
        ++readable;
        if (beats(result, *entry)) {
            return {i, readable};
        }
    }
    return {lines.size(), kNoPlace};
}

template <class Entry> int entryCount(const std::vector<std::string>& lines) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return parse(line, static_cast<const Entry*>(nullptr)).has_value();
    }));
}

template <class Entry>
Placement placementOf(const std::vector<std::string>& lines, const Entry& result) {
    const int place = slotOf(lines, result).place;
    return {place, qualifies(place, entryCount<Entry>(lines))};
}

template <class Entry>
std::vector<std::string> inserted(const std::vector<std::string>& lines, const Entry& result) {
    const auto before = static_cast<std::ptrdiff_t>(slotOf(lines, result).before);
    std::vector<std::string> out;
    out.reserve(lines.size() + 1);
    out.insert(out.end(), lines.begin(), lines.begin() + before);
    out.push_back(formatLine(result));
    out.insert(out.end(), lines.begin() + before, lines.end());
    return out;
}

template <class Entry> std::vector<Entry> topOf(const std::vector<std::string>& lines) {
    std::vector<Entry> out;
    for (const std::string& line : lines) {
        if (out.size() == static_cast<std::size_t>(kShownEntries)) {
            break;
        }
        if (auto entry = parse(line, static_cast<const Entry*>(nullptr))) {
            out.push_back(std::move(*entry));
        }
    }
    return out;
}

} // namespace

std::string formatLine(const TraditionalEntry& entry) {
    return std::to_string(entry.tiempo) + "," + std::to_string(entry.total_palabras) + "," +
           quoted(entry.nombre) + "," + quoted(entry.tema) + "," + formatDate(entry.fecha);
}

std::string formatLine(const EvolutionEntry& entry) {
    return std::to_string(entry.nivel) + "," + std::to_string(entry.puntuacion) + "," +
           std::to_string(entry.tiempo) + "," + quoted(entry.nombre) + "," +
           formatDate(entry.fecha);
}

std::optional<TraditionalEntry> parseTraditional(std::string_view line) {
    const auto fields = splitFields(line);
    if (!fields || fields->size() != 5) {
        return std::nullopt;
    }
    const auto tiempo = readNumber((*fields)[0]);
    const auto palabras = readNumber((*fields)[1]);
    auto nombre = readText((*fields)[2]);
    auto tema = readText((*fields)[3]);
    const auto fecha = readDate((*fields)[4]);
    if (!tiempo || !palabras || !nombre || !tema || !fecha) {
        return std::nullopt;
    }
    return TraditionalEntry{*tiempo, *palabras, std::move(*nombre), std::move(*tema), *fecha};
}

std::optional<EvolutionEntry> parseEvolution(std::string_view line) {
    const auto fields = splitFields(line);
    if (!fields || fields->size() != 5) {
        return std::nullopt;
    }
    const auto nivel = readNumber((*fields)[0]);
    const auto puntuacion = readNumber((*fields)[1]);
    const auto tiempo = readNumber((*fields)[2]);
    auto nombre = readText((*fields)[3]);
    const auto fecha = readDate((*fields)[4]);
    if (!nivel || !puntuacion || !tiempo || !nombre || !fecha) {
        return std::nullopt;
    }
    return EvolutionEntry{*nivel, *puntuacion, *tiempo, std::move(*nombre), *fecha};
}

bool beats(const TraditionalEntry& result, const TraditionalEntry& entry) {
    return result.tiempo < entry.tiempo ||
           (result.tiempo == entry.tiempo && result.total_palabras > entry.total_palabras);
}

bool beats(const EvolutionEntry& result, const EvolutionEntry& entry) {
    return result.nivel > entry.nivel ||
           (result.nivel == entry.nivel && result.puntuacion > entry.puntuacion);
}

int findPlace(const std::vector<std::string>& lines, const TraditionalEntry& result) {
    return slotOf(lines, result).place;
}

int findPlace(const std::vector<std::string>& lines, const EvolutionEntry& result) {
    return slotOf(lines, result).place;
}

bool qualifies(int posicion_nueva, int entryCount) {
    return posicion_nueva < kShownEntries || entryCount < kShownEntries;
}

Placement placeResult(const std::vector<std::string>& lines, const TraditionalEntry& result) {
    return placementOf(lines, result);
}

Placement placeResult(const std::vector<std::string>& lines, const EvolutionEntry& result) {
    return placementOf(lines, result);
}

std::vector<std::string> withEntry(const std::vector<std::string>& lines,
                                   const TraditionalEntry& result) {
    return inserted(lines, result);
}

std::vector<std::string> withEntry(const std::vector<std::string>& lines,
                                   const EvolutionEntry& result) {
    return inserted(lines, result);
}

std::vector<TraditionalEntry> topTraditional(const std::vector<std::string>& lines) {
    return topOf<TraditionalEntry>(lines);
}

std::vector<EvolutionEntry> topEvolution(const std::vector<std::string>& lines) {
    return topOf<EvolutionEntry>(lines);
}

} // namespace quenza
