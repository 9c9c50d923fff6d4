#include "played_log.h"

#include "text.h"

#include <algorithm>

namespace quenza {

namespace {

constexpr int kUnplayedBeforeReset = 10;
constexpr size_t kLogNumberWidth = 4;

bool allPlayed(int themeCount, const PlayedThemes& sopas_jugadas) {
    for (int theme = 1; theme <= themeCount; ++theme) {
        if (std::find(sopas_jugadas.begin(), sopas_jugadas.end(), theme) == sopas_jugadas.end()) {
            return false;
        }
    }
    return true;
}

} // namespace

bool loadPlayedLog(const std::vector<std::string>& logLines, int sopas,
                   PlayedThemes& sopas_jugadas) {
    sopas_jugadas.fill(0);
    // Lines past the last entry are ignored: the reset rule keeps the log far
    // shorter unless the theme file holds over a thousand themes.
    const size_t loaded = std::min(logLines.size(), sopas_jugadas.size());
    for (size_t k = 0; k < loaded; ++k) {
        const std::string_view line(logLines[k]);
        sopas_jugadas[k] = saturate16(leadingNumber(line.substr(0, kLogNumberWidth)));
    }
    const long unplayed = static_cast<long>(sopas) - static_cast<long>(logLines.size());
    if (unplayed < kUnplayedBeforeReset) {
        sopas_jugadas.fill(0);
        return true;
    }
    return false;
}

int drawUnplayedTheme(int themeCount, PlayedThemes& sopas_jugadas, PlayedLogFile& log,
                      Random& random) {
    if (themeCount <= 0) {
        return 0;
    }
    if (allPlayed(themeCount, sopas_jugadas)) {
        // Every theme has come up in this run: start the round again, as
        // start-up does when few themes are left.
        log.clear();
        sopas_jugadas.fill(0);
    }
    int theme = 0;
    do {
        theme = drawBelow(random, themeCount) + 1;
    } while (std::find(sopas_jugadas.begin(), sopas_jugadas.end(), theme) != sopas_jugadas.end());

    log.append(theme);
    const auto empty = std::find(sopas_jugadas.begin(), sopas_jugadas.end(), 0);
    if (empty != sopas_jugadas.end()) {
        *empty = static_cast<std::int16_t>(theme);
    }
    return theme;
}

} // namespace quenza
