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

// Lines without their CR LF. Blanks around a field are skipped when reading.
std::string formatLine(const TraditionalEntry& entry);
std::string formatLine(const EvolutionEntry& entry);
std::optional<TraditionalEntry> parseTraditional(std::string_view line);
std::optional<EvolutionEntry> parseEvolution(std::string_view line);

// Strictly better: an equal result stays behind the older entry.
bool beats(const TraditionalEntry& result, const TraditionalEntry& entry);
bool beats(const EvolutionEntry& result, const EvolutionEntry& entry);

inline constexpr int kNoPlace = 99;
inline constexpr int kShownEntries = 15;

// Damaged lines. A line that does not read as an entry of the ranking's kind
// is kept in the file where it stands, unchanged, but takes no part in the
// ranking: it has no place, is never beaten, does not count toward the 15
// entries that make a ranking full and is not listed. So places, the
// qualification, the insertion and the listed top all count readable entries
// only, and agree with each other: a result with place p is inserted just
// before the p-th readable entry and listed as the p-th entry.

// The place of the first entry that `result` beats, counting readable entries
// from 1, or 99 when it beats none.
int findPlace(const std::vector<std::string>& lines, const TraditionalEntry& result);
int findPlace(const std::vector<std::string>& lines, const EvolutionEntry& result);

// A result enters when it takes a place below 15 or the ranking holds fewer
// than 15 readable entries.
bool qualifies(int posicion_nueva, int entryCount);

// What the result dialogs need to know about a result: its place and whether
// it enters.
struct Placement {
    int posicion_nueva = kNoPlace;
    bool qualifies = false;
};
Placement placeResult(const std::vector<std::string>& lines, const TraditionalEntry& result);
Placement placeResult(const std::vector<std::string>& lines, const EvolutionEntry& result);

// The ranking's lines with `result` inserted once: just before the first
// entry it beats (damaged lines above that entry stay above it), or at the end.
std::vector<std::string> withEntry(const std::vector<std::string>& lines,
                                   const TraditionalEntry& result);
std::vector<std::string> withEntry(const std::vector<std::string>& lines,
                                   const EvolutionEntry& result);

// The first 15 readable entries, as the viewer lists them.
std::vector<TraditionalEntry> topTraditional(const std::vector<std::string>& lines);
std::vector<EvolutionEntry> topEvolution(const std::vector<std::string>& lines);

} // namespace quenza
