#include "driver/script_reader.h"

#include "driver/answer.h"
#include "driver/driver.h"

namespace quenza::driver {

ExitStatus play(Driver& driver, QTextStream& input, QTextStream& answers, QTextStream& errors,
                bool stopAtFailure, const QString& source) {
    ExitStatus status = kAllSucceeded;
    QString line;
    while (input.readLineInto(&line)) {
        const QJsonObject answer = driver.run(line);
        if (answer.isEmpty()) {
            continue;
        }
        answers << QString::fromUtf8(answerLine(answer)) << '\n';
        answers.flush();
        if (!answer.value(QStringLiteral("ok")).toBool()) {
            status = kCommandFailed;
            errors << source << ':' << driver.lineNumber() << ": " << line.trimmed() << ": "
                   << answer.value(QStringLiteral("error")).toString() << '\n';
            errors.flush();
            if (stopAtFailure) {
                break;
            }
        }
        if (driver.quitRequested()) {
            break;
        }
    }
    return status;
}

} // namespace quenza::driver
