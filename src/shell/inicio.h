#pragma once

#include "platform/inspect.h"

#include <QWidget>

namespace quenza {

// The splash window: the game's name, logo and version, until the player
// presses a key or clicks the frame.
class Inicio final : public QWidget, public platform::Inspectable {
    Q_OBJECT
public:
    explicit Inicio(QWidget* parent = nullptr);

    QJsonObject fields() const override { return {}; }

Q_SIGNALS:
    // The player has asked to go on: the splash is closing.
    void continued();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void leaveSplash();
    bool done_ = false;
};

} // namespace quenza
