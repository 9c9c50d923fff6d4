#include "driver_process.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace quenza::display {

namespace {

// Generous: an AddressSanitizer build on a busy machine answers slowly.
constexpr int kAnswerMs = 60000;

QJsonObject failure(const QString& why) {
    return {{QStringLiteral("ok"), false}, {QStringLiteral("error"), why}};
}

} // namespace

DriverProcess::~DriverProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(kAnswerMs);
    }
}

QString DriverProcess::start(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& environment) {
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
    if (!process_.waitForStarted(kAnswerMs)) {
        return QStringLiteral("%1 did not start: %2").arg(program, process_.errorString());
    }
    return {};
}

QJsonObject DriverProcess::send(const QString& command) {
    if (process_.state() != QProcess::Running) {
        return failure(QStringLiteral("the driver is not running (%1)").arg(command));
    }
    process_.write(command.toUtf8() + '\n');
    const QDeadlineTimer deadline(kAnswerMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running) {
            return failure(QStringLiteral("no answer to \"%1\"; driver errors: %2")
                               .arg(command, errorOutput()));
        }
        process_.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
    const QByteArray line = process_.readLine().trimmed();
    QJsonParseError parseError;
    const QJsonDocument answer = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !answer.isObject()) {
        return failure(
            QStringLiteral("\"%1\" was answered with %2").arg(command, QString::fromUtf8(line)));
    }
    return answer.object();
}

QJsonValue DriverProcess::get(const QString& path) {
    const QJsonObject answer = send(QStringLiteral("get ") + path);
    return answer.value(QStringLiteral("ok")).toBool() ? answer.value(QStringLiteral("value"))
                                                       : QJsonValue(QJsonValue::Undefined);
}

QJsonValue DriverProcess::awaitValue(const QString& path, const QJsonValue& expected,
                                     const QDeadlineTimer& deadline) {
    QJsonValue value = get(path);
    while (value != expected && !deadline.hasExpired() && process_.state() == QProcess::Running) {
        value = get(path);
    }
    return value;
}

int DriverProcess::quit() {
    send(QStringLiteral("quit"));
    process_.closeWriteChannel();
    if (!process_.waitForFinished(kAnswerMs)) {
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QString DriverProcess::errorOutput() {
    errors_ += process_.readAllStandardError();
    return QString::fromUtf8(errors_);
}

} // namespace quenza::display
