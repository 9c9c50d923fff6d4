#include "platform/twips.h"

#include "platform/zoom.h"
#include "puzzle/zoom_steps.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace quenza::platform {

namespace {

constexpr char kTwips[] = "quenza.twips";
// The frame, in pixels, that a window's client size was last fitted inside.
constexpr char kFittedFrame[] = "quenza.fittedFrame";
// The client size in twips of a window whose design gives its client area.
constexpr char kClient[] = "quenza.client";
// How far, in pixels, a zoomed window was moved to keep it on its screen.
constexpr char kScreenShift[] = "quenza.screenShift";

double screenScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

// The window's own frame margins are asked for afresh: the widget's copy of
// them can lag behind a frame the window manager has just put around it.
QRect outerPixels(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? window->geometry().marginsAdded(handle->frameMargins())
                             : window->frameGeometry();
}

QSize framePixels(const QWidget* window) {
    return outerPixels(window).size() - window->size();
}

// A window smaller than its frame keeps one pixel of client: Qt unmaps a
// window of no size, and the window would lose the focus it was just given.
QSize clientPixelsInside(const QRect& twips, const QSize& frame) {
    return {qMax(1, twipsToPixels(twips.width()) - frame.width()),
            qMax(1, twipsToPixels(twips.height()) - frame.height())};
}

int keptOrReal(int twips, int pixels, int shift = 0) {
    return twipsToPixels(twips) + shift == pixels ? twips : pixelsToTwips(pixels);
}

// The program's twips stand for as long as the window still is where they put
// it, one coordinate at a time; what the player or the window manager changed
// reads back from the pixels. Comparing when asked, rather than rewriting the
// twips on every move, keeps a window manager's echo of a half-done move and
// resize from replacing the program's exact values.
// A window moved to keep it on screen still stands where the program put it.
QRect windowTwips(const QWidget* window, const QRect& kept, const QRect& outer) {
    const QPoint shift = window->property(kScreenShift).toPoint();
    return {keptOrReal(kept.x(), outer.x(), shift.x()), keptOrReal(kept.y(), outer.y(), shift.y()),
            keptOrReal(kept.width(), outer.width()), keptOrReal(kept.height(), outer.height())};
}

// A window that has been on screen and is hidden again has no frame (the
// window manager lets go of it), so its pixels no longer tell its outer place.
bool hiddenAfterShown(const QWidget* window) {
    return !window->isVisible() && window->windowHandle() != nullptr;
}

void fitInsideFrame(QWidget* window, const QRect& twips);

// Shown again, a window is without its frame until the window manager takes
// it back: until then its pixels tell its client, not its outer place.
bool awaitingFrame(const QWidget* window) {
    const QVariant fitted = window->property(kFittedFrame);
    return window->isVisible() && fitted.isValid() && fitted.toSize() != QSize(0, 0) &&
           framePixels(window) == QSize(0, 0);
}

// The client size the program asked for: given outright, or what its outer
// twips leave inside the frame.
QSize designedClientPixels(const QWidget* window, const QRect& twips, const QSize& frame) {
    const QVariant client = window->property(kClient);
    if (!client.isValid()) {
        return clientPixelsInside(twips, frame);
    }
    return {twipsToPixels(client.toSize().width()), twipsToPixels(client.toSize().height())};
}

// Until a window is first shown it has no frame, so its outer size can only
// be set as a client size. When the frame turns up (or changes), the client is
// fitted again so the outer size is still the one the program asked for, unless
// the player has resized the window in the meantime. On hiding, the window's
// real place becomes its twips, to be reported while it is off screen.
class FrameWatcher : public QObject {
public:
    explicit FrameWatcher(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            refit(window);
            break;
        case QEvent::Hide:
            window->setProperty(kTwips, windowTwips(window, window->property(kTwips).toRect(),
                                                    outerPixels(window)));
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void refit(QWidget* window) {
        const QSize fitted = window->property(kFittedFrame).toSize();
        const QSize frame = framePixels(window);
        // No frame yet: being shown again, the window waits for the window
        // manager to take it back.
        if (!window->isVisible() || frame == fitted || frame == QSize(0, 0)) {
            return;
        }
        const QRect twips = window->property(kTwips).toRect();
        if (window->size() == designedClientPixels(window, twips, fitted)) {
            fitInsideFrame(window, twips);
        } else {
            window->setProperty(kFittedFrame, frame);
        }
    }
};

// A window shown before keeps the frame it had while it is off screen: the
// window manager puts the same one back.
QSize expectedFrame(const QWidget* window) {
    const QSize frame = framePixels(window);
    const QVariant fitted = window->property(kFittedFrame);
    return frame == QSize(0, 0) && fitted.isValid() ? fitted.toSize() : frame;
}

void fitInsideFrame(QWidget* window, const QRect& twips) {
    if (!window->property(kFittedFrame).isValid()) {
        new FrameWatcher(window);
    }
    const QSize frame = expectedFrame(window);
    window->setProperty(kFittedFrame, frame);
    const QSize client = designedClientPixels(window, twips, frame);
    window->resize(client);
    if (window->property(kClient).isValid()) {
        // The outer size is whatever the frame adds to the designed client.
        QRect outer = twips;
        outer.setSize(QSize(pixelsToTwips(client.width() + frame.width()),
                            pixelsToTwips(client.height() + frame.height())));
        window->setProperty(kTwips, outer);
    }
}

// Qt places a window that was never shown by its frame, but one that was by
// its client area, and the widget's copy of the frame can be out of date: the
// client goes inside the frame the window system knows. A hidden window has
// no frame until the window manager takes it back, so the window system is
// asked to put the frame, not the client, where it belongs; its size is
// brought up to date first, or showing the widget would place it again by
// its client area.
void moveWindow(QWidget* window, const QPoint& outer) {
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) {
        window->move(outer);
        return;
    }
    const QMargins frame = handle->frameMargins();
    window->setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window->size()));
    if (!window->isVisible()) {
        handle->resize(window->size());
        handle->setFramePosition(outer);
    }
}

// Scaled up, a window may no longer fit where the program put it: it moves
// just enough to stay on its screen (at its designed size it stays put).
QPoint keptOnScreen(const QWidget* window, const QPoint& outer) {
    const QScreen* screen = window->screen();
    if (zoomPercent() == kNormalZoom || screen == nullptr) {
        return outer;
    }
    const QRect room = screen->availableGeometry();
    const QSize size = window->size() + expectedFrame(window);
    return {qBound(room.left(), outer.x(), qMax(room.left(), room.right() + 1 - size.width())),
            qBound(room.top(), outer.y(), qMax(room.top(), room.bottom() + 1 - size.height()))};
}

void apply(QWidget* widget, const QRect& twips) {
    widget->setProperty(kTwips, twips);
    if (widget->isWindow()) {
        // A window's twips are its outer frame.
        fitInsideFrame(widget, twips);
        const QPoint designed(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
        const QPoint onScreen = keptOnScreen(widget, designed);
        widget->setProperty(kScreenShift, onScreen - designed);
        moveWindow(widget, onScreen);
    } else {
        widget->setGeometry(twipsToPixels(twips.x()), twipsToPixels(twips.y()),
                            twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    }
}

void setWindowSize(QWidget* window, const QRect& twips) {
    window->setProperty(kTwips, twips);
    fitInsideFrame(window, twips);
}

QRect twipsOfPixels(const QRect& pixels) {
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

} // namespace

int twipsToPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel) * screenScale() * zoomFactor());
}

int pixelsToTwips(int pixels) {
    return qRound(pixels * double(kTwipsPerPixel) / (screenScale() * zoomFactor()));
}

QPoint pixelsToTwips(const QPoint& pixels) {
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y())};
}

void place(QWidget* widget, int left, int top, int width, int height) {
    apply(widget, QRect(left, top, width, height));
}

void placeClient(QWidget* window, int left, int top, int clientWidth, int clientHeight) {
    window->setProperty(kClient, QSize(clientWidth, clientHeight));
    apply(window, QRect(left, top, clientWidth, clientHeight));
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
    setWindowSize(window, twips);
}

void setWindowHeight(QWidget* window, int height) {
    QRect twips = twipsOf(window);
    twips.setHeight(height);
    setWindowSize(window, twips);
}

bool hasTwips(const QWidget* widget) {
    return widget->property(kTwips).isValid();
}

QRect twipsOf(const QWidget* widget) {
    const QVariant kept = widget->property(kTwips);
    if (!kept.isValid()) {
        return twipsOfPixels(widget->isWindow() ? outerPixels(widget) : widget->geometry());
    }
    if (!widget->isWindow() || hiddenAfterShown(widget) || awaitingFrame(widget)) {
        return kept.toRect();
    }
    return windowTwips(widget, kept.toRect(), outerPixels(widget));
}

} // namespace quenza::platform
