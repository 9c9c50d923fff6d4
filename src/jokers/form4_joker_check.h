#pragma once

#include <QCheckBox>
#include <QIcon>

namespace quenza {

// A check box of the level-complete window drawn as its joker's picture: it
// looks pressed in while ticked and greyed while disabled, and the whole box
// takes the click, like the old window system's picture check boxes.
class JokerCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    JokerCheckBox(const QIcon& picture, QWidget* parent);

Q_SIGNALS:
    // The focus moved to another control of the same window.
    void focusLost();
    // Space ticked or unticked the box.
    void toggledByKey();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The picture at the size it is drawn: redrawn when the window is zoomed.
    const QIcon& pictureAt(QSize size);

    QIcon picture_;
};

} // namespace quenza
