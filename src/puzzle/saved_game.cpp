#include "saved_game.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace quenza {

namespace {

constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

// Stock slots 1..8 and used flags 1..7 are the ones the file keeps.
constexpr std::size_t kSavedStockFirst = 1;
constexpr std::size_t kSavedStockLast = 8;
constexpr std::size_t kSavedUsedLast = 7;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    return c - '0';
}

std::string_view withoutTrailingCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string formatBoolean(bool value) {
    return std::string(value ? kTrue : kFalse);
}

std::optional<bool> readBoolean(std::string_view line) {
    if (line == kTrue) {
        return true;
    }
    if (line == kFalse) {
        return false;
    }
    return std::nullopt;
}

// Reads the 23 lines in file order; the first unreadable value marks the
// whole file as refused.
class SavedLineReader {
public:
    explicit SavedLineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    void integer(std::int16_t& target) {
        if (const auto value = readSavedInteger(next())) {
            target = *value;
        } else {
            failed_ = true;
        }
    }

    void boolean(bool& target) {
        if (const auto value = readBoolean(next())) {
            target = *value;
        } else {
            failed_ = true;
        }
    }

    bool failed() const { return failed_; }

private:
    std::string_view next() { return withoutTrailingCr(lines_[index_++]); }

    const std::vector<std::string>& lines_;
    std::size_t index_ = 0;
    bool failed_ = false;
};

// What a saved game keeps of the evolution state, copied either way: the
// saved game names its fields as the state does, so one list serves saving
// and loading alike.
template <typename From, typename To> void copyKeptProgress(const From& from, To& to) {
    to.nivel_actual = from.nivel_actual;
    for (std::size_t k = kSavedStockFirst; k <= kSavedStockLast; ++k) {
        to.comodines[k] = from.comodines[k];
    }
    for (std::size_t k = kSavedStockFirst; k <= kSavedUsedLast; ++k) {
        to.comodin_usado[k] = from.comodin_usado[k];
    }
    to.racha_sin_comodines = from.racha_sin_comodines;
    to.racha_sin_finalizar = from.racha_sin_finalizar;
    to.puntuacion = from.puntuacion;
    to.segundos_partida = from.segundos_partida;
    to.especial_disponible = from.especial_disponible;
}

} // namespace

SavedGame savedGameOf(const EvolutionState& state, const AwardCounters& counters) {
    SavedGame saved;
    copyKeptProgress(state, saved);
    saved.counters = counters;
    return saved;
}

void restoreSavedGame(const SavedGame& saved, EvolutionState& state, AwardCounters& counters) {
    copyKeptProgress(saved, state);
    counters = saved.counters;
}

std::vector<std::string> formatSavedGame(const SavedGame& saved) {
    std::vector<std::string> lines;
    lines.reserve(kSavedGameLines);
    lines.push_back(std::to_string(saved.nivel_actual));
    for (std::size_t k = kSavedStockFirst; k <= kSavedStockLast; ++k) {
        lines.push_back(std::to_string(saved.comodines[k]));
    }
    lines.push_back(std::to_string(saved.counters.extra1));
    lines.push_back(std::to_string(saved.counters.extra2));
    for (std::size_t k = kSavedStockFirst; k <= kSavedUsedLast; ++k) {
        lines.push_back(formatBoolean(saved.comodin_usado[k]));
    }
    lines.push_back(std::to_string(saved.racha_sin_comodines));
    lines.push_back(std::to_string(saved.racha_sin_finalizar));
    lines.push_back(std::to_string(saved.puntuacion));
    lines.push_back(std::to_string(saved.segundos_partida));
    lines.push_back(formatBoolean(saved.especial_disponible));
    return lines;
}

std::optional<SavedGame> parseSavedGame(const std::vector<std::string>& lines) {
    if (lines.size() < static_cast<std::size_t>(kSavedGameLines)) {
        return std::nullopt;
    }
    SavedGame saved;
    SavedLineReader reader(lines);
    reader.integer(saved.nivel_actual);
    for (std::size_t k = kSavedStockFirst; k <= kSavedStockLast; ++k) {
        reader.integer(saved.comodines[k]);
    }
    reader.integer(saved.counters.extra1);
    reader.integer(saved.counters.extra2);
    for (std::size_t k = kSavedStockFirst; k <= kSavedUsedLast; ++k) {
        reader.boolean(saved.comodin_usado[k]);
    }
    reader.integer(saved.racha_sin_comodines);
    reader.integer(saved.racha_sin_finalizar);
    reader.integer(saved.puntuacion);
    reader.integer(saved.segundos_partida);
    reader.boolean(saved.especial_disponible);
    if (reader.failed()) {
        return std::nullopt;
    }
    return saved;
}

std::optional<std::int16_t> readSavedInteger(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < line.size() && (line[pos] == '-' || line[pos] == '+')) {
        negative = line[pos] == '-';
        ++pos;
    }

    // The whole part saturates well beyond the 16-bit range, so a long run of
    // digits is refused instead of overflowing.
    constexpr long kBeyondRange = 1'000'000;
    long whole = 0;
    for (; pos < line.size() && isDigit(line[pos]); ++pos) {
        whole = std::min(whole * 10 + digitValue(line[pos]), kBeyondRange);
    }

    // Rounding is decided on the decimal digits themselves, so "2.5" is an
    // exact tie and never a binary 2.4999...
    int firstDecimal = 0;
    bool moreAfterFirst = false;
    if (pos < line.size() && line[pos] == '.') {
        ++pos;
        if (pos < line.size() && isDigit(line[pos])) {
            firstDecimal = digitValue(line[pos++]);
        }
        for (; pos < line.size() && isDigit(line[pos]); ++pos) {
            moreAfterFirst = moreAfterFirst || line[pos] != '0';
        }
    }
    const bool aboveHalf = firstDecimal > 5 || (firstDecimal == 5 && moreAfterFirst);
    const bool exactHalf = firstDecimal == 5 && !moreAfterFirst;
    if (aboveHalf || (exactHalf && whole % 2 == 1)) {
        ++whole;
    }

    const long value = negative ? -whole : whole;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace quenza
