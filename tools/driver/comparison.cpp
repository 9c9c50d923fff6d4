#include "driver/comparison.h"

#include <QJsonArray>
#include <array>
#include <utility>

namespace quenza::driver {

namespace {

constexpr std::array<std::pair<Op, const char16_t*>, 7> kOps = {{
    {Op::Equal, u"="},
    {Op::NotEqual, u"!="},
    {Op::Less, u"<"},
    {Op::LessOrEqual, u"<="},
    {Op::Greater, u">"},
    {Op::GreaterOrEqual, u">="},
    {Op::Contains, u"~"},
}};

QString typeName(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a truth value");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a text");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

// -1, 0 or 1; nullopt when the two cannot be ordered.
std::optional<int> order(const QJsonValue& a, const QJsonValue& b) {
    if (a.isDouble() && b.isDouble()) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.isString() && b.isString()) {
        const int c = a.toString().compare(b.toString());
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return std::nullopt;
}

} // namespace

std::optional<Op> parseOp(const QString& word) {
    for (const auto& [op, text] : kOps) {
        if (word == QStringView(text)) {
            return op;
        }
    }
    return std::nullopt;
}

QString opText(Op op) {
    for (const auto& [candidate, text] : kOps) {
        if (candidate == op) {
            return QString::fromUtf16(text);
        }
    }
    return {};
}

Verdict compare(const QJsonValue& actual, Op op, const QJsonValue& expected) {
    switch (op) {
    case Op::Equal:
        return {actual == expected, {}};
    case Op::NotEqual:
        return {actual != expected, {}};
    case Op::Contains:
        if (actual.isString() && expected.isString()) {
            return {actual.toString().contains(expected.toString()), {}};
        }
        if (actual.isArray()) {
            return {actual.toArray().contains(expected), {}};
        }
        return {false, QStringLiteral("~ looks for a text in a text or a value in an array, not "
                                      "%1 in %2")
                           .arg(typeName(expected), typeName(actual))};
    case Op::Less:
    case Op::LessOrEqual:
    case Op::Greater:
    case Op::GreaterOrEqual:
        break;
    }
    const std::optional<int> c = order(actual, expected);
    if (!c) {
        return {false, QStringLiteral("%1 cannot be compared with %2 by %3")
                           .arg(typeName(actual), typeName(expected), opText(op))};
    }
    switch (op) {
    case Op::Less:
        return {*c < 0, {}};
    case Op::LessOrEqual:
        return {*c <= 0, {}};
    case Op::Greater:
        return {*c > 0, {}};
    default:
        return {*c >= 0, {}};
    }
}

} // namespace quenza::driver
