#pragma once

// Drawing helpers shared by the game's pictures; internal to the artwork library.

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QString>
#include <algorithm>

namespace quenza::canvas {

// A transparent pixmap of `size` logical pixels, sharp on high-density screens.
inline QPixmap blank(QSize size) {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

inline void smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A picture drawn by `draw(painter, side, centre)` on a fresh smooth canvas,
// `side` being its shorter edge; an empty size gives an empty pixmap.
template <typename Draw> QPixmap drawn(QSize size, Draw draw) {
    if (size.isEmpty()) {
        return {};
    }
    QPixmap pixmap = blank(size);
    {
        QPainter painter(&pixmap);
        smooth(painter);
        draw(painter, qreal(std::min(size.width(), size.height())),
             QPointF(size.width() / 2.0, size.height() / 2.0));
    }
    return pixmap;
}

inline QFont boldFont(qreal pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    return font;
}

// The outline of `text`, centred on the ink of its glyphs rather than on the
// font's line box, so single letters sit exactly in their tiles.
inline QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(centre - path.boundingRect().center());
}

} // namespace quenza::canvas
