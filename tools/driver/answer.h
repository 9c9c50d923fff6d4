#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace quenza::driver {

// The one-line answers the driver gives to every command.
QJsonObject okAnswer();
QJsonObject valueAnswer(const QJsonValue& value);
QJsonObject failureAnswer(int line, const QString& error);
QJsonObject endedAnswer(const QString& message);

// Compact JSON on one line, keys in the order the contract shows them ("ok"
// first), so that a reader comparing text sees what it expects.
QByteArray answerLine(const QJsonObject& answer);

// Compact JSON text of any value, scalars included.
QByteArray compactJson(const QJsonValue& value);

} // namespace quenza::driver
