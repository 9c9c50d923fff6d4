#pragma once

#include <QObject>

namespace quenza {

// Ctrl+Plus, Ctrl+Minus and Ctrl+0, in whichever window of the game has the
// keyboard: every window grows, shrinks or goes back to its designed size.
class ZoomKeys final : public QObject {
    Q_OBJECT
public:
    explicit ZoomKeys(QObject* parent = nullptr);

Q_SIGNALS:
    // The player chose this zoom with a key.
    void zoomChosen(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quenza
