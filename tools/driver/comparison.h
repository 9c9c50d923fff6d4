#pragma once

#include <QJsonValue>
#include <QString>
#include <optional>

namespace quenza::driver {

// The operators of `expect`: equality on any JSON value, order on two numbers
// or two texts, and `~`: a text contains a text (or an array holds a value).
enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Contains };

std::optional<Op> parseOp(const QString& word);
QString opText(Op op);

struct Verdict {
    bool holds = false;
    QString error; // set when the two values cannot be compared that way
};

Verdict compare(const QJsonValue& actual, Op op, const QJsonValue& expected);

} // namespace quenza::driver
