#pragma once

#include <QLabel>
#include <QPoint>
#include <QWidget>
#include <utility>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;
class QShowEvent;

namespace quenza::platform {

// The mouse events of the old window system on a widget: a click is a press
// and a release of the left button on the same widget; a double click replaces
// the second click (press, release, click, double click, release).
class ClickTracker {
public:
    enum class Press { Single, Double };
    void pressed(Press kind) { armed_ = kind == Press::Single; }
    // True when this release completes a click.
    bool released(bool inside) { return std::exchange(armed_, false) && inside; }

private:
    bool armed_ = false;
};

// A label the game's windows handle clicks and pointer moves on.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    // A label that acts as a link: Tab reaches it, Enter or Space clicks it,
    // a focus frame shows where the keyboard is, and readers call it a link.
    void makeKeyboardLink();
    bool isKeyboardLink() const { return keyboardLink_; }

Q_SIGNALS:
    void clicked();
    void doubleClicked();
    void pressed();
    void released();
    void mouseMoved(QPoint posPixels);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A picture is drawn afresh at the label's new size, so it stays sharp.
    void resizeEvent(QResizeEvent* event) override;
    // A picture given only its id (showPictureWhenSeen) is drawn when the
    // label first shows, at the size it has then.
    void showEvent(QShowEvent* event) override;
    // Zoomed, a caption that no longer fits its designed width is drawn a
    // little smaller rather than cut (type does not grow exactly in step).
    void paintEvent(QPaintEvent* event) override;

private:
    void paintCaption(QPaintEvent* event);

    ClickTracker tracker_;
    bool keyboardLink_ = false;
};

// A window's client area, the background its mouse handlers listen on: it
// reports clicks and pointer moves exactly as a label does.
class Surface final : public Label {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr) : Label(parent) {}
};

} // namespace quenza::platform
