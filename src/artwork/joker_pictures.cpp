#include "artwork/joker_pictures.h"

#include "artwork/canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>
#include <array>
#include <cmath>

namespace quenza {

namespace {

// Every joker is drawn on a 100 x 100 grid centred on the origin and scaled
// to the picture: a rounded tile of the joker's own colour with one bold
// symbol on it, outlined dark so it still reads on a 33-pixel button.
constexpr qreal kGrid = 100.0;

struct TileColours {
    QColor top;
    QColor bottom;
};

void drawTile(QPainter& painter, const TileColours& colours) {
    const QRectF tile(-48, -48, 96, 96);
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0.0, colours.top);
    shade.setColorAt(1.0, colours.bottom);
    painter.setPen(QPen(colours.bottom.darker(150), 3));
    painter.setBrush(shade);
    painter.drawRoundedRect(tile, 16, 16);
}

// Fills `shape` with `fill`, ringed outside by a dark rim `rim` grid units wide.
void outlined(QPainter& painter, const QPainterPath& shape, const QBrush& fill, const QColor& ink,
              qreal rim) {
    painter.setPen(QPen(ink, 2 * rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& light, const QColor& dark) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, light);
    gradient.setColorAt(1.0, dark);
    return gradient;
}

// `text` in bold, centred on `centre` and no wider than `width` grid units.
QPainterPath fittedText(const QString& text, qreal height, qreal width, QPointF centre) {
    QPainterPath path = canvas::centredText(text, canvas::boldFont(height), {0, 0});
    const qreal scale = std::min(1.0, width / path.boundingRect().width());
    return QTransform::fromTranslate(centre.x(), centre.y()).scale(scale, scale).map(path);
}

const QColor kInk(0x1C, 0x1C, 0x3C);

// Mostrar: an open eye, every word shown.
void drawMostrar(QPainter& painter) {
    drawTile(painter, {QColor(0x6A, 0xB4, 0xFF), QColor(0x1E, 0x60, 0xD0)});
    QPainterPath eye;
    eye.moveTo(-40, 0);
    eye.quadTo(0, -40, 40, 0);
    eye.quadTo(0, 40, -40, 0);
    outlined(painter, eye, Qt::white, kInk, 4);

    QRadialGradient iris(QPointF(-4, -4), 18);
    iris.setColorAt(0.0, QColor(0x8A, 0x5A, 0x2A));
    iris.setColorAt(1.0, QColor(0x4A, 0x28, 0x0A));
    painter.setPen(QPen(kInk, 3));
    painter.setBrush(iris);
    painter.drawEllipse(QPointF(0, 0), 15, 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(0, 0), 7, 7);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(-5, -5), 4, 4);
}

// Mostrar3: the first three letters.
void drawMostrar3(QPainter& painter) {
    drawTile(painter, {QColor(0xFF, 0xC0, 0x60), QColor(0xE0, 0x6A, 0x10)});
    const QPainterPath letters = fittedText(QStringLiteral("ABC"), 46, 84, {0, -4});
    outlined(painter, letters, Qt::white, QColor(0x6A, 0x28, 0x00), 4);
    // The rest of the word stays hidden: three blanks under the letters.
    painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {-26.0, 0.0, 26.0}) {
        painter.drawLine(QPointF(x - 8, 30), QPointF(x + 8, 30));
    }
}

// Eliminar: an eraser rubbing out a streak.
void drawEliminar(QPainter& painter) {
    drawTile(painter, {QColor(0xC0, 0xA8, 0xFF), QColor(0x6A, 0x44, 0xC8)});
    painter.setPen(QPen(QColor(255, 255, 255, 200), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-38, 34), QPointF(6, 34));

    painter.save();
    painter.translate(4, -4);
    painter.rotate(-38);
    const QRectF body(-34, -15, 68, 30);
    QPainterPath rubber;
    rubber.addRoundedRect(QRectF(body.left(), body.top(), 40, body.height()), 5, 5);
    outlined(
        painter, rubber,
        vertical(body.top(), body.bottom(), QColor(0xFF, 0xB0, 0xC8), QColor(0xE8, 0x5A, 0x88)),
        kInk, 3);
    QPainterPath sleeve;
    sleeve.addRoundedRect(QRectF(body.left() + 34, body.top(), 34, body.height()), 5, 5);
    outlined(
        painter, sleeve,
        vertical(body.top(), body.bottom(), QColor(0x7A, 0xC8, 0xFF), QColor(0x20, 0x70, 0xD0)),
        kInk, 3);
    painter.restore();
}

// Visor: the red frame that tells whether a letter belongs to a word.
void drawVisor(QPainter& painter) {
    drawTile(painter, {QColor(0xFF, 0xFF, 0xFF), QColor(0xC8, 0xCC, 0xDC)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(fittedText(QStringLiteral("A"), 40, 40, {0, 0}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x70, 0x00, 0x00), 13, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(-31, -31, 62, 62));
    painter.setPen(QPen(QColor(0xF0, 0x10, 0x10), 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(-31, -31, 62, 62));
}

// Tiempo: a stopwatch.
void drawTiempo(QPainter& painter) {
    drawTile(painter, {QColor(0xFF, 0xE8, 0x70), QColor(0xE0, 0xA0, 0x00)});
    const QPointF centre(0, 7);
    const qreal radius = 31;
    painter.setPen(QPen(kInk, 5));
    painter.setBrush(QColor(0x50, 0x50, 0x60));
    painter.drawRoundedRect(QRectF(-7, -40, 14, 11), 3, 3);
    painter.drawLine(QPointF(0, -30), QPointF(0, centre.y() - radius));

    QPainterPath face;
    face.addEllipse(centre, radius, radius);
    outlined(painter, face, Qt::white, kInk, 4);
    painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    for (int quarter = 0; quarter < 4; ++quarter) {
        const qreal angle = qDegreesToRadians(90.0 * quarter);
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(centre + direction * (radius - 9), centre + direction * (radius - 3));
    }
    painter.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -20));
    painter.setPen(QPen(QColor(0xE0, 0x10, 0x10), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(16, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(centre, 4, 4);
}

// Finalizar, the "Rayo": a lightning bolt.
void drawFinalizar(QPainter& painter) {
    drawTile(painter, {QColor(0x50, 0x50, 0x78), QColor(0x12, 0x12, 0x2A)});
    const QPolygonF bolt({{2, -44}, {28, -44}, {10, -8}, {28, -8}, {-16, 44}, {-4, 4}, {-24, 4}});
    QPainterPath shape;
    shape.addPolygon(bolt);
    shape.closeSubpath();
    outlined(painter, shape, vertical(-44, 44, QColor(0xFF, 0xF5, 0x90), QColor(0xFF, 0xB0, 0x00)),
             QColor(0x5A, 0x30, 0x00), 3);
}

// UniDireccion: every word in the same direction.
void drawUniDireccion(QPainter& painter) {
    drawTile(painter, {QColor(0x60, 0xE0, 0xD0), QColor(0x0C, 0x84, 0x7C)});
    QPainterPath arrows;
    for (const qreal y : {-27.0, 0.0, 27.0}) {
        QPolygonF arrow({{-36, y - 5},
                         {12, y - 5},
                         {12, y - 11},
                         {36, y},
                         {12, y + 11},
                         {12, y + 5},
                         {-36, y + 5}});
        arrows.addPolygon(arrow);
        arrows.closeSubpath();
    }
    outlined(painter, arrows, Qt::white, QColor(0x04, 0x40, 0x3C), 3);
}

// Suerte: a four-leaf clover.
void drawSuerte(QPainter& painter) {
    drawTile(painter, {QColor(0xF6, 0xFF, 0xE8), QColor(0xC4, 0xE8, 0xA8)});
    const QColor darkGreen(0x0E, 0x50, 0x18);
    // The stem leaves through the gap between the right and the lower leaf.
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.quadTo(30, 14, 34, 40);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(darkGreen, 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);
    painter.setPen(QPen(QColor(0x3A, 0xA8, 0x3A), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(stem);

    // Each leaf is a heart pointing at the centre: two lobes and the point.
    QPainterPath upperLobe;
    upperLobe.addEllipse(QPointF(23, -11), 13, 13);
    QPainterPath lowerLobe;
    lowerLobe.addEllipse(QPointF(23, 11), 13, 13);
    QPainterPath point;
    point.addPolygon(QPolygonF({{3, 0}, {18, -20}, {30, 0}, {18, 20}}));
    const QPainterPath leaf = upperLobe.united(lowerLobe).united(point);
    const QLinearGradient green =
        vertical(-40, 40, QColor(0x5A, 0xD0, 0x5A), QColor(0x1A, 0x8A, 0x2A));
    for (int quarter = 0; quarter < 4; ++quarter) {
        outlined(painter, QTransform().rotate(90.0 * quarter).map(leaf), green, darkGreen, 2.5);
    }
}

// Especial: a gold star.
void drawEspecial(QPainter& painter) {
    drawTile(painter, {QColor(0xFF, 0x6A, 0x80), QColor(0xA8, 0x0C, 0x2C)});
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? 42 : 18;
        const qreal angle = qDegreesToRadians(36.0 * point);
        star << QPointF(radius * std::sin(angle), 4 - radius * std::cos(angle));
    }
    QPainterPath shape;
    shape.addPolygon(star);
    shape.closeSubpath();
    outlined(painter, shape, vertical(-38, 40, QColor(0xFF, 0xF8, 0xA0), QColor(0xFF, 0xA8, 0x00)),
             QColor(0x6A, 0x30, 0x00), 3);
}

struct JokerArt {
    const char* id;
    void (*draw)(QPainter&);
};

// Indexed by joker number - 1; the special joker last.
constexpr std::array<JokerArt, kEspecialPicture> kJokers = {{
    {"comodin_mostrar", drawMostrar},
    {"comodin_mostrar3", drawMostrar3},
    {"comodin_eliminar", drawEliminar},
    {"comodin_visor", drawVisor},
    {"comodin_tiempo", drawTiempo},
    {"comodin_finalizar", drawFinalizar},
    {"comodin_unidireccion", drawUniDireccion},
    {"comodin_suerte", drawSuerte},
    {"comodin_especial", drawEspecial},
}};

const JokerArt* artOf(int joker) {
    if (joker < 1 || joker > kEspecialPicture) {
        return nullptr;
    }
    return &kJokers[static_cast<std::size_t>(joker - 1)];
}

} // namespace

// A number that is no joker has no picture: an empty pixmap and an empty id,
// so a control showing it reports no picture at all.
QPixmap jokerPicture(int joker, QSize size) {
    const JokerArt* art = artOf(joker);
    if (art == nullptr) {
        return {};
    }
    return canvas::drawn(size, [&](QPainter& painter, qreal side, QPointF centre) {
        painter.translate(centre);
        painter.scale(side / kGrid, side / kGrid);
        art->draw(painter);
    });
}

QString jokerPictureId(int joker) {
    const JokerArt* art = artOf(joker);
    return art != nullptr ? QLatin1String(art->id) : QString();
}

} // namespace quenza
