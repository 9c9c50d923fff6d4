#pragma once

#include <QJsonObject>
#include <QString>
#include <functional>

namespace quenza::platform {

// A window of the game shows its named variables to the driver and the tests.
class Inspectable {
public:
    virtual ~Inspectable() = default;
    virtual QJsonObject fields() const = 0;
};

// The process-wide values (sound switch, evolution state, word slots, ...),
// gathered by whoever owns them.
void setStateProvider(std::function<QJsonObject()> provider);
QJsonObject processState();

// The fields a window keeps while it is not loaded (the level-complete
// window's award counters), by window name.
void setUnloadedFields(const QString& window, std::function<QJsonObject()> provider);
QJsonObject unloadedFields(const QString& window);

} // namespace quenza::platform
