#include "driver_examples.h"

namespace quenza::docs {

namespace {

const QString kFenceOpen = QStringLiteral("```drv");
const QString kFence = QStringLiteral("```");
const QString kShownAnswer = QStringLiteral("# → ");

} // namespace

QList<Example> driverExamples(const QString& page) {
    QList<Example> examples;
    const QStringList lines = page.split(u'\n');
    Example* open = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (open == nullptr) {
            if (line == kFenceOpen) {
                examples.append({int(i) + 1, {}, {}});
                open = &examples.last();
            }
            continue;
        }
        if (line == kFence) {
            open = nullptr;
            continue;
        }
        open->script += line + u'\n';
        if (line.startsWith(kShownAnswer) && !open->answers.isEmpty()) {
            open->answers.last().shownAnswer = line.mid(kShownAnswer.size());
        } else if (!line.isEmpty() && !line.startsWith(u'#')) {
            open->answers.append({line, {}});
        }
    }
    return examples;
}

} // namespace quenza::docs
