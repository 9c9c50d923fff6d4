#pragma once

#include <QString>
#include <QTextStream>

namespace quenza::driver {

class Driver;

// Exit statuses of quenza-driver.
enum ExitStatus { kAllSucceeded = 0, kCommandFailed = 1, kBadArguments = 2 };

// Plays the lines of `input` through `driver`, writing one answer line per
// command to `answers` (flushed at once, so an interactive player can read
// it) and the failing line with its reason to `errors`. With `stopAtFailure`
// (a script file) the first failure ends the play. Stops after `quit`.
ExitStatus play(Driver& driver, QTextStream& input, QTextStream& answers, QTextStream& errors,
                bool stopAtFailure, const QString& source);

} // namespace quenza::driver
