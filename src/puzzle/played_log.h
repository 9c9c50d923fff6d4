#pragma once

#include "random.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quenza {

inline constexpr int kPlayedEntries = 1001; // sopas_jugadas(0..1000)
using PlayedThemes = std::array<std::int16_t, kPlayedEntries>;

// The played-theme log file as drawUnplayedTheme needs it.
class PlayedLogFile {
public:
    virtual ~PlayedLogFile() = default;
    virtual void append(int theme) = 0;
    virtual void clear() = 0;
};

// Start-up: loads the log lines into `sopas_jugadas` (first four characters of
// each line, read as a number; lines past 1001 are ignored) and applies the
// reset rule: fewer than ten unplayed themes empties the log. Returns whether
// the log must be emptied.
bool loadPlayedLog(const std::vector<std::string>& logLines, int sopas,
                   PlayedThemes& sopas_jugadas);

// Chooses an unplayed theme 1..themeCount, appends it to the log and to
// `sopas_jugadas`. When every theme has been played, the log is emptied first
// (as start-up does), so the choice always ends. Returns 0 when there are no
// themes at all.
int drawUnplayedTheme(int themeCount, PlayedThemes& sopas_jugadas, PlayedLogFile& log,
                      Random& random);

} // namespace quenza
