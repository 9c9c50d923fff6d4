#include "driver/word_ends.h"

namespace quenza::driver {

WordEnds wordEnds(const QJsonArray& slots, qint64 slot) {
    if (slot < 0 || slot >= slots.size()) {
        return {0, 0, QStringLiteral("there is no word slot %1").arg(slot)};
    }
    const QJsonArray positions = slots.at(slot).toArray();
    constexpr qsizetype kDirection = 10;
    int lowest = 0;
    int highest = 0;
    for (qsizetype p = 0; p < qMin(kDirection, positions.size()); ++p) {
        const int cell = positions.at(p).toInt();
        if (cell != 0) {
            lowest = lowest == 0 ? cell : qMin(lowest, cell);
            highest = qMax(highest, cell);
        }
    }
    if (lowest == 0) {
        return {0, 0, QStringLiteral("word slot %1 holds no placed word").arg(slot)};
    }
    // Forward words (codes 1, 3, 5, 7) read in ascending cell order, reverse
    // ones (2, 4, 6, 8) in descending order.
    const int direction = positions.at(kDirection).toInt();
    if (direction < 1 || direction > 8) {
        return {0, 0,
                QStringLiteral("word slot %1 has no direction (%2)").arg(slot).arg(direction)};
    }
    const bool forward = direction % 2 == 1;
    return {forward ? lowest : highest, forward ? highest : lowest, {}};
}

} // namespace quenza::driver
