#pragma once

#include <QJsonArray>
#include <QJsonValue>

namespace quenza {

// A fixed array as a JSON array indexed from 0. With `firstUnused`, index 0
// is not used by the game and shows as null.
template <typename Array> QJsonArray jsonArray(const Array& values, bool firstUnused = false) {
    QJsonArray out;
    bool first = true;
    for (const auto& value : values) {
        if (first && firstUnused) {
            out.append(QJsonValue());
        } else {
            out.append(QJsonValue(value));
        }
        first = false;
    }
    return out;
}

} // namespace quenza
