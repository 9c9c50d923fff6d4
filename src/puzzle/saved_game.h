#pragma once

#include "evolution.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenza {

// What a saved game keeps: the progress between levels, not the board. The
// board, the per-level flags, the forced direction, the joker-time window and
// the stock slots outside 1..8 are set again by the level start that follows
// a load, so they are not kept.
struct SavedGame {
    std::int16_t nivel_actual = 1;
    std::array<std::int16_t, 9> comodines{}; // 1..8 used
    AwardCounters counters;                  // extra1, extra2
    std::array<bool, 8> comodin_usado{};     // 1..7 used
    std::int16_t racha_sin_comodines = 0;
    std::int16_t racha_sin_finalizar = 0;
    std::int16_t puntuacion = 0;
    std::int16_t segundos_partida = 0;
    bool especial_disponible = false;
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

inline constexpr int kSavedGameLines = 23;

SavedGame savedGameOf(const EvolutionState& state, const AwardCounters& counters);

// Writes the saved values into the state and the counters; what is not saved
// is left alone.
void restoreSavedGame(const SavedGame& saved, EvolutionState& state, AwardCounters& counters);

// The 23 lines of the save file, without line ends (the file writer adds CR LF).
std::vector<std::string> formatSavedGame(const SavedGame& saved);

// std::nullopt when the lines are not a saved game this program can read.
//
// A damaged or foreign file is refused whole, never half loaded: fewer than 23
// lines, a truth line that is not exactly "#TRUE#" or "#FALSE#" (so "#true#",
// "TRUE" and "#TRUE# " are refused), or a number beyond the 16-bit range. The
// caller then leaves the file where it is, untouched, and tells the player.
// Lines after the 23rd are ignored. An empty or non-numeric number line reads
// as 0, the way the old reader took it, and does not refuse the file.
//
// One trailing CR is stripped from every line first, so a file whose CR LF
// line ends were split on LF alone still loads.
std::optional<SavedGame> parseSavedGame(const std::vector<std::string>& lines);

// A number line as the game reads it: leading blanks (spaces and tabs)
// skipped, an optional sign, then the number taken up to the first character
// that cannot continue it ("." the only decimal point), an empty or
// non-numeric line giving 0, rounded to the nearest integer with ties to the
// even one ("2.5" -> 2, "3.5" -> 4, "-2.5" -> -2, "-0.5" -> 0). There is no
// exponent: "1e3" stops at the "e" and reads 1. std::nullopt when the rounded
// value does not fit 16 bits.
std::optional<std::int16_t> readSavedInteger(std::string_view line);

} // namespace quenza
