#pragma once

#include "driver/command_words.h"

#include <QPoint>
#include <QString>
#include <optional>

namespace quenza::driver {

// A person's hands on the game: pointer moves, clicks, keys, menu choices and
// close boxes, delivered as real Qt events to windows a person could reach.
// Every operation answers an empty text once delivered, or why it could not
// be delivered; a refused operation changes nothing. Clicks, presses, keys,
// menu choices and close boxes first activate the target window; a pointer
// move activates nothing. Positions are in twips from the target's top-left;
// without one, the target's centre.
class Input {
public:
    QString move(const Target& target, std::optional<QPoint> twips);
    QString click(const Target& target, std::optional<QPoint> twips);
    QString doubleClick(const Target& target, std::optional<QPoint> twips);
    QString press(const Target& target);
    QString release(const Target& target);
    QString key(const Target& target, const QString& text);
    // Named keys, each pressed and released in turn on the window's focused
    // control; a key bound to a shortcut reaches whatever it is bound to.
    QString keys(const Target& target, const QList<QKeyCombination>& pressed);
    QString replaceText(const Target& target, const QString& text);
    QString chooseMenu(const Target& target);
    QString close(const Target& target);

private:
    Qt::MouseButtons held_ = Qt::NoButton;
};

} // namespace quenza::driver
