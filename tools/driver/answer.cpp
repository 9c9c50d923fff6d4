#include "driver/answer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

namespace quenza::driver {

namespace {

const QStringList& keyOrder() {
    static const QStringList order = {QStringLiteral("ok"),      QStringLiteral("ended"),
                                      QStringLiteral("message"), QStringLiteral("value"),
                                      QStringLiteral("line"),    QStringLiteral("error")};
    return order;
}

QByteArray member(const QString& key, const QJsonValue& value) {
    return compactJson(key) + ':' + compactJson(value);
}

} // namespace

QJsonObject okAnswer() {
    return {{QStringLiteral("ok"), true}};
}

QJsonObject valueAnswer(const QJsonValue& value) {
    return {{QStringLiteral("ok"), true}, {QStringLiteral("value"), value}};
}

QJsonObject failureAnswer(int line, const QString& error) {
    return {{QStringLiteral("ok"), false},
            {QStringLiteral("line"), line},
            {QStringLiteral("error"), error}};
}

QJsonObject endedAnswer(const QString& message) {
    return {{QStringLiteral("ok"), true},
            {QStringLiteral("ended"), true},
            {QStringLiteral("message"), message}};
}

QByteArray answerLine(const QJsonObject& answer) {
    QByteArrayList members;
    for (const QString& key : keyOrder()) {
        if (answer.contains(key)) {
            members.append(member(key, answer.value(key)));
        }
    }
    for (auto it = answer.begin(); it != answer.end(); ++it) {
        if (!keyOrder().contains(it.key())) {
            members.append(member(it.key(), it.value()));
        }
    }
    return '{' + members.join(',') + '}';
}

QByteArray compactJson(const QJsonValue& value) {
    // QJsonDocument only writes objects and arrays: wrap the value and unwrap
    // the text.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

} // namespace quenza::driver
