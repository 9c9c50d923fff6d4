#include "level_time.h"

#include <algorithm>
#include <limits>

namespace quenza {

std::int16_t tiempo_nivel(int nivel, int words) {
    long long seconds = 30;
    if (nivel >= 1 && nivel <= 20) {
        // Levels 1 to 20 grant seconds per word: 25, 20, 15, then 10.
        const long long perWord = 25 - 5 * ((nivel - 1) / 5);
        seconds = perWord * words;
    } else if (nivel >= 21 && nivel <= 50) {
        // From level 21 a fixed time: 60 s, five less every five levels.
        seconds = 60 - 5 * ((nivel - 21) / 5);
    }
    constexpr long long lowest = std::numeric_limits<std::int16_t>::min();
    constexpr long long highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(seconds, lowest, highest));
}

} // namespace quenza
