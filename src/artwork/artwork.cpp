#include "artwork/artwork.h"

#include "artwork/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QtMath>
#include <algorithm>
#include <array>

namespace quenza {

namespace {

using canvas::boldFont;
using canvas::centredText;
using canvas::drawn;
using canvas::smooth;

// The board's own blues.
const QColor kLightBlue(0xC0, 0xC0, 0xFF);
const QColor kMediumBlue(0x80, 0x80, 0xFF);
const QColor kDeepBlue(0x40, 0x40, 0xC0);
const QColor kInk(0x2C, 0x2C, 0x7A);

// The logo grid; QUENZA reads down its diagonal.
constexpr int kLogoSide = 6;
constexpr std::array<const char*, kLogoSide> kLogoRows = {"QARTEL", "SUMIRO", "PAECAD",
                                                          "BILNOT", "FOREZS", "MADILA"};
constexpr qreal kLogoTilt = -10.0; // degrees, counter-clockwise

struct ButtonColours {
    QColor light;
    QColor base;
    QColor dark;
};

QPixmap acceptButton(QSize size, const ButtonColours& colours) {
    return drawn(size, [&](QPainter& painter, qreal side, QPointF centre) {
        const qreal radius = side / 2.0 - std::max(1.0, side * 0.04);
        const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

        // Soft shadow below, then the body lit from the top left.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawEllipse(disc.translated(0, side * 0.03));
        QRadialGradient body(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.35);
        body.setColorAt(0.0, colours.light);
        body.setColorAt(0.55, colours.base);
        body.setColorAt(1.0, colours.dark);
        painter.setBrush(body);
        painter.setPen(QPen(colours.dark.darker(130), std::max(1.0, side * 0.04)));
        painter.drawEllipse(disc);

        // The check mark, with a dark rim so it reads on both colours.
        QPainterPath check;
        check.moveTo(centre + QPointF(-0.48, 0.02) * radius);
        check.lineTo(centre + QPointF(-0.14, 0.38) * radius);
        check.lineTo(centre + QPointF(0.5, -0.36) * radius);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.dark.darker(150), radius * 0.36, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(check.translated(0, radius * 0.04));
        painter.setPen(QPen(Qt::white, radius * 0.24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(check);

        // Gloss: a white crescent over the upper half.
        const QRectF glossRect(centre.x() - radius * 0.72, centre.y() - radius * 0.9, radius * 1.44,
                               radius * 0.95);
        QLinearGradient gloss(glossRect.topLeft(), glossRect.bottomLeft());
        gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.drawEllipse(glossRect);
    });
}

} // namespace

QPixmap quenzaLogo(QSize size) {
    return drawn(size, [&](QPainter& painter, qreal side, QPointF) {
        // The tilted plate must fit: a square of side s turned by the tilt needs
        // s * (cos + sin) of room.
        const qreal angle = qDegreesToRadians(std::abs(kLogoTilt));
        const qreal room = side * 0.94;
        const qreal plateSide = room / (std::cos(angle) + std::sin(angle));
        const qreal padding = plateSide * 0.045;
        const qreal gap = plateSide * 0.018;
        const qreal tile = (plateSide - 2 * padding - (kLogoSide - 1) * gap) / kLogoSide;
        const qreal step = tile + gap;

        painter.translate(size.width() / 2.0, size.height() / 2.0);
        painter.rotate(kLogoTilt);
        painter.translate(-plateSide / 2.0, -plateSide / 2.0);

        const QRectF plate(0, 0, plateSide, plateSide);
        const qreal corner = tile * 0.35;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 40, 70));
        painter.drawRoundedRect(plate.translated(plateSide * 0.02, plateSide * 0.025), corner,
                                corner);
        QLinearGradient plateShade(plate.topLeft(), plate.bottomRight());
        plateShade.setColorAt(0.0, kMediumBlue.lighter(108));
        plateShade.setColorAt(1.0, kMediumBlue.darker(135));
        painter.setBrush(plateShade);
        painter.setPen(QPen(kDeepBlue, std::max(1.0, plateSide * 0.008)));
        painter.drawRoundedRect(plate, corner, corner);

        auto tileRect = [&](int row, int col) {
            return QRectF(padding + col * step, padding + row * step, tile, tile);
        };

        const QFont font = boldFont(tile * 0.62);
        const qreal tileCorner = tile * 0.2;
        for (int row = 0; row < kLogoSide; ++row) {
            for (int col = 0; col < kLogoSide; ++col) {
                const QRectF rect = tileRect(row, col);
                const bool marked = row == col;
                QLinearGradient face(rect.topLeft(), rect.bottomLeft());
                if (marked) {
                    face.setColorAt(0.0, kDeepBlue.lighter(125));
                    face.setColorAt(1.0, kDeepBlue);
                } else {
                    face.setColorAt(0.0, kLightBlue.lighter(112));
                    face.setColorAt(1.0, kLightBlue);
                }
                painter.setPen(QPen(marked ? kDeepBlue.darker(130) : kMediumBlue.darker(115),
                                    std::max(0.8, tile * 0.04)));
                painter.setBrush(face);
                painter.drawRoundedRect(rect, tileCorner, tileCorner);

                const QString letter = QString(QLatin1Char(kLogoRows[row][col]));
                painter.setPen(Qt::NoPen);
                painter.setBrush(marked ? QColor(Qt::white) : kInk);
                painter.drawPath(centredText(letter, font, rect.center()));
            }
        }

        // The found word is ringed the way a pencil marks it on paper: a loop
        // around the diagonal, from the first tile to the last.
        const QPointF first = tileRect(0, 0).center();
        const QPointF last = tileRect(kLogoSide - 1, kLogoSide - 1).center();
        const qreal loopWidth = tile * 1.22;
        const qreal loopLength = QLineF(first, last).length() + loopWidth;
        painter.save();
        painter.translate((first + last) / 2.0);
        painter.rotate(45.0);
        const QRectF loop(-loopLength / 2.0, -loopWidth / 2.0, loopLength, loopWidth);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 0, 60, 90), tile * 0.13));
        painter.drawRoundedRect(loop.translated(0, tile * 0.04), loopWidth / 2.0, loopWidth / 2.0);
        painter.setPen(QPen(Qt::white, tile * 0.09));
        painter.drawRoundedRect(loop, loopWidth / 2.0, loopWidth / 2.0);
        painter.restore();
    });
}

QPixmap acceptButtonRed(QSize size) {
    return acceptButton(
        size, {QColor(0xFF, 0x8A, 0x7A), QColor(0xE0, 0x28, 0x20), QColor(0x8C, 0x0C, 0x0C)});
}

QPixmap acceptButtonGreen(QSize size) {
    return acceptButton(
        size, {QColor(0x9A, 0xF0, 0x8A), QColor(0x2E, 0xB8, 0x3A), QColor(0x10, 0x6A, 0x1A)});
}

QPixmap stopPicture(QSize size) {
    return drawn(size, [&](QPainter& painter, qreal side, QPointF centre) {
        auto octagon = [&](qreal radius) {
            QPolygonF shape;
            for (int i = 0; i < 8; ++i) {
                const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
                shape << centre + QPointF(std::cos(a), std::sin(a)) * radius;
            }
            return shape;
        };

        // The outer radius reaches the flat sides' midpoints at cos(22.5°) of it.
        const qreal outer = side / 2.0 / std::cos(qDegreesToRadians(22.5)) * 0.97;
        painter.setPen(QPen(QColor(0x60, 0x00, 0x00), std::max(1.0, side * 0.03)));
        painter.setBrush(Qt::white);
        painter.drawPolygon(octagon(outer));
        QLinearGradient red(centre.x(), centre.y() - side / 2, centre.x(), centre.y() + side / 2);
        red.setColorAt(0.0, QColor(0xF0, 0x30, 0x28));
        red.setColorAt(1.0, QColor(0xB0, 0x08, 0x08));
        painter.setPen(Qt::NoPen);
        painter.setBrush(red);
        painter.drawPolygon(octagon(outer * 0.86));

        const QString word = QStringLiteral("STOP");
        QFont font = boldFont(side * 0.34);
        font.setStretch(QFont::SemiCondensed);
        const qreal room = side * 0.74;
        while (font.pixelSize() > 4 && QFontMetricsF(font).horizontalAdvance(word) > room) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        painter.setBrush(Qt::white);
        painter.drawPath(centredText(word, font, centre));
    });
}

QCursor boardCursor() {
    constexpr int kSide = 32;
    const QPointF lens(kSide / 2.0, kSide / 2.0);
    constexpr qreal kLensRadius = 8.0;

    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    smooth(painter);

    // The handle points to the lower right; a white halo keeps glass and
    // handle visible over the dark blue of a selection.
    const QPointF handleStart = lens + QPointF(1, 1) * (kLensRadius + 1.0) / std::sqrt(2.0);
    const QPointF handleEnd(29.5, 29.5);
    painter.setPen(QPen(Qt::white, 7.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleEnd);
    painter.setPen(QPen(QColor(0x50, 0x30, 0x18), 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handleStart, handleEnd);

    painter.setPen(QPen(Qt::white, 5.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(lens, kLensRadius, kLensRadius);
    QRadialGradient glass(lens - QPointF(3, 3), kLensRadius * 1.4);
    glass.setColorAt(0.0, QColor(255, 255, 255, 110));
    glass.setColorAt(1.0, QColor(0xC0, 0xC0, 0xFF, 40));
    painter.setPen(QPen(kInk, 2.5));
    painter.setBrush(glass);
    painter.drawEllipse(lens, kLensRadius, kLensRadius);

    // A glint on the glass and a dot on the hot spot.
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(lens.x() - 5, lens.y() - 5, 10, 10), 100 * 16, 60 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(lens, 1.2, 1.2);
    painter.end();

    return QCursor(pixmap, kSide / 2, kSide / 2);
}

} // namespace quenza
