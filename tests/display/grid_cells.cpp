#include "grid_cells.h"

#include <QHash>
#include <algorithm>

namespace quenza::display {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr qsizetype kDirectionEntry = 10;

int rowOf(int cell) {
    return (cell - 1) / kColumns;
}

int columnOf(int cell) {
    return (cell - 1) % kColumns;
}

int pixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

} // namespace

QString cellName(int cell) {
    return QStringLiteral("Label1(%1)").arg(cell);
}

std::optional<PlacedWord> placedWord(const QJsonArray& slot) {
    if (slot.size() <= kDirectionEntry) {
        return std::nullopt;
    }
    PlacedWord word;
    for (qsizetype entry = 0; entry < kDirectionEntry; ++entry) {
        if (const int cell = slot.at(entry).toInt(); cell != 0) {
            word.cells.append(cell);
        }
    }
    const int direction = slot.at(kDirectionEntry).toInt();
    if (word.cells.isEmpty() || direction < 1 || direction > 8) {
        return std::nullopt;
    }
    const auto [lowest, highest] = std::minmax_element(word.cells.begin(), word.cells.end());
    // Odd directions read in ascending cell order, even ones backwards.
    const bool forward = direction % 2 == 1;
    word.first = forward ? *lowest : *highest;
    word.last = forward ? *highest : *lowest;
    return word;
}

QRect twipsOf(const QJsonObject& control) {
    return {control.value(QStringLiteral("left")).toInt(),
            control.value(QStringLiteral("top")).toInt(),
            control.value(QStringLiteral("width")).toInt(),
            control.value(QStringLiteral("height")).toInt()};
}

QRect pixelsOf(const QJsonObject& control) {
    const QRect twips = twipsOf(control);
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

int cellCentredOn(const QJsonObject& controls, const QRect& twips) {
    for (int cell = 1; cell <= kCells; ++cell) {
        const QRect box = twipsOf(controls.value(cellName(cell)).toObject());
        if (!box.isEmpty() && box.center() == twips.center()) {
            return cell;
        }
    }
    return 0;
}

QStringList arrowsBetween(int from, int to) {
    QStringList keys;
    const int down = rowOf(to) - rowOf(from);
    const int right = columnOf(to) - columnOf(from);
    for (int step = 0; step < std::abs(down); ++step) {
        keys.append(down > 0 ? QStringLiteral("Down") : QStringLiteral("Up"));
    }
    for (int step = 0; step < std::abs(right); ++step) {
        keys.append(right > 0 ? QStringLiteral("Right") : QStringLiteral("Left"));
    }
    return keys;
}

QColor colourOf(const QString& text) {
    bool ok = false;
    const uint bgr = text.mid(2).toUInt(&ok, 16);
    if (!text.startsWith(u"0x") || !ok) {
        return {};
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor mostCommonColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xFF000000u];
        }
    }
    QRgb common = 0;
    int most = 0;
    for (auto count = counts.cbegin(); count != counts.cend(); ++count) {
        if (count.value() > most) {
            most = count.value();
            common = count.key();
        }
    }
    return most == 0 ? QColor() : QColor::fromRgb(common);
}

} // namespace quenza::display
