#include "driver/window_picture.h"

#include "driver/object_tree.h"
#include "platform/zoom.h"

#include <QImage>
#include <QWidget>
#include <QtMath>

namespace quenza::driver {

WindowPicture saveWindowPicture(const QString& name, const QString& file,
                                std::optional<qint64> zoomPercent) {
    if (!file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return {{}, QStringLiteral("%1 is not a .png file").arg(file)};
    }
    if (zoomPercent &&
        (*zoomPercent < kSmallestPictureZoom || *zoomPercent > kLargestPictureZoom)) {
        return {{},
                QStringLiteral("the zoom goes from %1 to %2")
                    .arg(kSmallestPictureZoom)
                    .arg(kLargestPictureZoom)};
    }
    QWidget* window = findWindow(name);
    if (window == nullptr) {
        return {{}, QStringLiteral("%1 is not loaded").arg(name)};
    }
    if (!window->isVisible()) {
        return {{}, QStringLiteral("%1 is not shown").arg(name)};
    }
    const qreal scale = zoomPercent ? *zoomPercent / qreal(platform::zoomPercent()) : 1.0;
    QImage image(QSize(qCeil(window->width() * scale), qCeil(window->height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    window->render(&image);
    // The file holds pixels; a viewer should not shrink it back.
    image.setDevicePixelRatio(1.0);
    if (!image.save(file, "PNG")) {
        return {{}, QStringLiteral("cannot write %1").arg(file)};
    }
    return {{{QStringLiteral("width"), image.width()}, {QStringLiteral("height"), image.height()}},
            {}};
}

} // namespace quenza::driver
