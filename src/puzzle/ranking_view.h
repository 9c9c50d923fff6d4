#pragma once

#include "puzzle/ranking.h"

#include <array>
#include <string>
#include <vector>

namespace quenza {

// The texts of one row of the rankings viewer, cell by cell. `columna3` and
// `columna4` are the level and the score in the evolution view, the word count
// and the theme in the traditional one.
struct RankingRow {
    std::string posicion;
    std::string nombre;
    std::string columna3;
    std::string columna4;
    std::string tiempo;
    std::string fecha;
    friend bool operator==(const RankingRow&, const RankingRow&) = default;
};

// Always 15 rows: a row without an entry shows "-" in its five data cells.
using RankingRows = std::array<RankingRow, kShownEntries>;

// Entries after the 15th are left out.
RankingRows evolutionRows(const std::vector<EvolutionEntry>& top);
RankingRows traditionalRows(const std::vector<TraditionalEntry>& top);

// The place number right-justified by blanks: "       7", "     12".
std::string placeText(int place);
// MM:SS, the minutes never capped (6000 s is "100:00").
std::string traditionalTimeText(int seconds);
// MM:SS below an hour, H:MM:SS from an hour on (3725 s is "1:02:05").
std::string evolutionTimeText(int seconds);
// Day-month-year without leading zeros: 17 May 2002 is "17-5-2002".
std::string dateText(const Date& date);

} // namespace quenza
