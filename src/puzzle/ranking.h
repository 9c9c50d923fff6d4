#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quenza {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

// One line of the traditional ranking (file05.sop): shorter time first, then
// more words.
struct TraditionalEntry {
    std::int16_t tiempo = 0;
    std::int16_t total_palabras = 0;
    std::string nombre; // UTF-8
    std::string tema;   // UTF-8
    Date fecha;
    friend bool operator==(const TraditionalEntry&, const TraditionalEntry&) = default;
};

// One line of the evolution ranking (file04.sop): higher level first, then
// higher score.
struct EvolutionEntry {
    std::int16_t nivel = 0;
    std::int16_t puntuacion = 0;
    std::int16_t tiempo = 0;
    std::string nombre; // UTF-8
    Date fecha;
    friend bool operator==(const EvolutionEntry&, const EvolutionEntry&) = default;
};

// Lines without their CR LF.
std::string formatLine(const TraditionalEntry& entry);
std::string formatLine(const EvolutionEntry& entry);
std::optional<TraditionalEntry> parseTraditional(std::string_view line);
std::optional<EvolutionEntry> parseEvolution(std::string_view line);

// Strictly better: an equal result stays behind the older entry.
bool beats(const TraditionalEntry& result, const TraditionalEntry& entry);
bool beats(const EvolutionEntry& result, const EvolutionEntry& entry);

inline constexpr int kNoPlace = 99;
inline constexpr int kShownEntries = 15;

// The 1-based place of the first entry that `result` beats, or 99.
int findPlace(const std::vector<std::string>& lines, const TraditionalEntry& result);
int findPlace(const std::vector<std::string>& lines, const EvolutionEntry& result);

// A result enters when it takes a place below 15 or the ranking has fewer
// than 15 lines.
bool qualifies(int posicion_nueva, int lineCount);

// The ranking's lines with `result` inserted once, before the first entry it
// beats or at the end. Malformed lines are kept as they are and never beaten.
std::vector<std::string> withEntry(const std::vector<std::string>& lines,
                                   const TraditionalEntry& result);
std::vector<std::string> withEntry(const std::vector<std::string>& lines,
                                   const EvolutionEntry& result);

// The first 15 entries that parse, as the viewer lists them.
std::vector<TraditionalEntry> topTraditional(const std::vector<std::string>& lines);
std::vector<EvolutionEntry> topEvolution(const std::vector<std::string>& lines);

} // namespace quenza
