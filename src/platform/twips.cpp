#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace quenza::platform {

namespace {

constexpr char kTwips[] = "quenza.twips";

double screenScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

QSize framePixels(const QWidget* window) {
    return window->frameGeometry().size() - window->geometry().size();
}

void resizeWindow(QWidget* window, const QRect& twips) {
    const QSize frame = framePixels(window);
    window->resize(qMax(0, twipsToPixels(twips.width()) - frame.width()),
                   qMax(0, twipsToPixels(twips.height()) - frame.height()));
}

void apply(QWidget* widget, const QRect& twips) {
    widget->setProperty(kTwips, twips);
    if (widget->isWindow()) {
        // A window's twips are its outer frame.
        widget->move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
        resizeWindow(widget, twips);
    } else {
        widget->setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                            twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    }
}

} // namespace

int twipsToPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel) * screenScale());
}

int pixelsToTwips(int pixels) {
    return qRound(pixels * double(kTwipsPerPixel) / screenScale());
}

QPoint pixelsToTwips(const QPoint& pixels) {
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y())};
}

void place(QWidget* widget, int left, int top, int width, int height) {
    apply(widget, QRect(left, top, width, height));
}

void setLeft(QWidget* widget, int left) {
    QRect twips = twipsOf(widget);
    twips.moveLeft(left);
    apply(widget, twips);
}

void setTop(QWidget* widget, int top) {
    QRect twips = twipsOf(widget);
    twips.moveTop(top);
    apply(widget, twips);
}

void setWindowWidth(QWidget* window, int width) {
    QRect twips = twipsOf(window);
    twips.setWidth(width);
    window->setProperty(kTwips, twips);
    resizeWindow(window, twips);
}

void setWindowHeight(QWidget* window, int height) {
    QRect twips = twipsOf(window);
    twips.setHeight(height);
    window->setProperty(kTwips, twips);
    resizeWindow(window, twips);
}

QRect twipsOf(const QWidget* widget) {
    const QVariant kept = widget->property(kTwips);
    if (kept.isValid()) {
        return kept.toRect();
    }
    const QRect pixels = widget->isWindow() ? widget->frameGeometry() : widget->geometry();
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

} // namespace quenza::platform
