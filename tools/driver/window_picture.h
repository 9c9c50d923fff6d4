#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace quenza::driver {

struct WindowPicture {
    QJsonObject size; // {"width": pixels, "height": pixels} of the file written
    QString error;    // why nothing was written; empty on success
};

// Draws window `name`, as it is now, into the PNG file `file`. The picture is
// as big as the window is at `zoomPercent` of its designed size (default: the
// zoom the game shows now, pixel for pixel). Another zoom draws the window's
// type and lines afresh at that scale, as a screen of higher density would;
// its pictures are scaled from the size they have now. Nothing in the game
// changes.
WindowPicture saveWindowPicture(const QString& name, const QString& file,
                                std::optional<qint64> zoomPercent);

// The zooms a picture may be taken at, in percent.
inline constexpr int kSmallestPictureZoom = 25;
inline constexpr int kLargestPictureZoom = 400;

} // namespace quenza::driver
