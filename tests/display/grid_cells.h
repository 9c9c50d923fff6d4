#pragma once

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QStringList>
#include <optional>

namespace quenza::display {

inline constexpr int kColumns = 12;
inline constexpr int kCells = 144;

QString cellName(int cell);

// A hidden word as the game's word slots hold it: its cells, and the ends a
// player reads it from and to.
struct PlacedWord {
    QList<int> cells;
    int first = 0;
    int last = 0;
};
std::optional<PlacedWord> placedWord(const QJsonArray& slot);

// A control's twips from the dump, and the pixels they cover at 100 %.
QRect twipsOf(const QJsonObject& control);
QRect pixelsOf(const QJsonObject& control);

// The grid cell whose centre is the centre of `twips`; 0 when none is.
int cellCentredOn(const QJsonObject& controls, const QRect& twips);

// The arrow keys that walk the grid cursor from one cell to another, when no
// found word's hidden letters lie in between.
QStringList arrowsBetween(int from, int to);

// A "0xBBGGRR" colour.
QColor colourOf(const QString& text);
// The colour of most of the area's pixels: a cell's background, whatever
// part of it the letter covers.
QColor mostCommonColour(const QImage& image, const QRect& area);

} // namespace quenza::display
