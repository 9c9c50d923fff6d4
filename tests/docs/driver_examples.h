#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quenza::docs {

// One command of an example and the answer the page shows for it (empty when
// the page shows none).
struct ExampleLine {
    QString command;
    QString shownAnswer;
};

// A fenced block marked ```drv: a script of its own, with the line of the
// page where it starts.
struct Example {
    int pageLine = 0;
    QString script;             // the block as written, comments included
    QList<ExampleLine> answers; // its commands in order
};

// The ```drv blocks of a page. Inside a block, a comment line "# → ANSWER"
// shows the answer the command before it prints.
QList<Example> driverExamples(const QString& page);

} // namespace quenza::docs
