#pragma once

#include <QDeadlineTimer>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quenza::display {

// quenza-driver played interactively: one command in, one JSON answer out.
class DriverProcess {
public:
    DriverProcess() = default;
    ~DriverProcess();
    DriverProcess(const DriverProcess&) = delete;
    DriverProcess& operator=(const DriverProcess&) = delete;

    // Empty when the driver runs, otherwise why it does not.
    QString start(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment);

    // The answer to one command; a driver that does not answer in time, or
    // has gone, gives an answer with "ok": false saying so.
    QJsonObject send(const QString& command);
    // The value a `get` answers; undefined when the command failed.
    QJsonValue get(const QString& path);
    // Asks for PATH until it reads `expected` or the deadline passes, and
    // answers the last value read. The real display delivers pointer events
    // in its own time: the driver only sees them once they have arrived.
    QJsonValue awaitValue(const QString& path, const QJsonValue& expected,
                          const QDeadlineTimer& deadline);

    // Quits the driver and answers its exit status (-1 if it would not end).
    int quit();
    QString errorOutput();

private:
    QProcess process_;
    QByteArray errors_;
};

} // namespace quenza::display
