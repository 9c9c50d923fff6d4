#include "puzzle/ranking_view.h"

#include <cstdlib>

namespace quenza {

namespace {

constexpr const char* kEmptyCell = "-";

std::string twoDigits(long long value) {
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

// The game only ever writes times of zero or more seconds. A negative one can
// only come from a hand-edited file; it is shown as what it reads, a minus
// sign before the time of its size, rather than as a time with two signs.
std::string signOf(int seconds) {
    return seconds < 0 ? "-" : "";
}

long long sizeOf(int seconds) {
    return std::llabs(static_cast<long long>(seconds));
}

std::string minutesAndSeconds(long long seconds) {
    return twoDigits(seconds / 60) + ":" + twoDigits(seconds % 60);
}

RankingRow emptyRow(int place) {
    return {placeText(place), kEmptyCell, kEmptyCell, kEmptyCell, kEmptyCell, kEmptyCell};
}

template <class Entry, class Fill>
RankingRows rowsOf(const std::vector<Entry>& top, const Fill& fill) {
    RankingRows rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int place = static_cast<int>(i) + 1;
        rows[i] = i < top.size() ? fill(place, top[i]) : emptyRow(place);
    }
    return rows;
}

} // namespace

std::string placeText(int place) {
    const std::string digits = std::to_string(place);
    return std::string(digits.size() == 1 ? 7 : 5, ' ') + digits;
}

std::string traditionalTimeText(int seconds) {
    return signOf(seconds) + minutesAndSeconds(sizeOf(seconds));
}

std::string evolutionTimeText(int seconds) {
    const long long size = sizeOf(seconds);
    if (size < 3600) {
        return signOf(seconds) + minutesAndSeconds(size);
    }
    return signOf(seconds) + std::to_string(size / 3600) + ":" + minutesAndSeconds(size % 3600);
}

std::string dateText(const Date& date) {
    return std::to_string(date.day) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.year);
}

RankingRows evolutionRows(const std::vector<EvolutionEntry>& top) {
    return rowsOf(top, [](int place, const EvolutionEntry& entry) {
        return RankingRow{placeText(place),
                          entry.nombre,
                          std::to_string(entry.nivel),
                          std::to_string(entry.puntuacion),
                          evolutionTimeText(entry.tiempo),
                          dateText(entry.fecha)};
    });
}

RankingRows traditionalRows(const std::vector<TraditionalEntry>& top) {
    return rowsOf(top, [](int place, const TraditionalEntry& entry) {
        return RankingRow{placeText(place),
                          entry.nombre,
                          std::to_string(entry.total_palabras),
                          entry.tema,
                          traditionalTimeText(entry.tiempo),
                          dateText(entry.fecha)};
    });
}

} // namespace quenza
