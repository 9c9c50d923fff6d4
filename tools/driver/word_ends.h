#pragma once

#include <QJsonArray>
#include <QString>

namespace quenza::driver {

// The cells a player clicks to mark a word slot: its first letter, then its
// last, in the word's reading order.
struct WordEnds {
    int first = 0;
    int last = 0;
    QString error; // why the slot holds no word to click; empty when it does
};

// `slots` is the game's `celdas_palabra` as the dump shows it: for every slot,
// ten cell numbers (0 where there is no letter) and the direction code.
WordEnds wordEnds(const QJsonArray& slots, qint64 slot);

} // namespace quenza::driver
