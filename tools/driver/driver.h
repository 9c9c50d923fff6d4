#pragma once

#include "driver/input.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>

namespace quenza::driver {

class RunServices;
struct Words;

// The command interpreter of quenza-driver: one line in, one answer out.
// `start` launches the program (the game's Application in the executable, a
// small window in the driver's own tests); the windows are found by name
// among the application's top-level widgets.
class Driver {
public:
    Driver(RunServices& services, std::function<void()> start);

    // Runs one line of a script. Blank lines and comments answer an empty
    // object; every other line gets {"ok": ...}. Lines are numbered from 1 in
    // the order they are given.
    QJsonObject run(const QString& line);

    bool quitRequested() const { return quit_; }
    int lineNumber() const { return line_; }

private:
    // The result of one command: an error text, or success with maybe a value.
    struct Outcome {
        QString error;
        QJsonValue value = QJsonValue::Undefined;
    };

    Outcome execute(const QString& line);
    Outcome start();
    Outcome pointer(const QString& command, const Words& args);
    Outcome keys(const Words& args);
    Outcome namedKeys(const Words& args);
    Outcome replaceText(const Words& args);
    Outcome wait(const Words& args);
    Outcome clickWord(const Words& args);
    Outcome dump(const Words& args);
    Outcome get(const Words& args);
    Outcome expect(const QString& line);
    Outcome shot(const Words& args);
    Outcome sounds();
    Outcome opened();

    // The value at a path: "Form1.numero.text", "state.puntuacion", "time".
    Outcome valueAt(const QString& path) const;

    RunServices& services_;
    std::function<void()> start_;
    Input input_;
    int line_ = 0;
    bool started_ = false;
    bool quit_ = false;
};

} // namespace quenza::driver
