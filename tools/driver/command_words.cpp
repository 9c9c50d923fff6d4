#include "driver/command_words.h"

#include <QKeySequence>

namespace quenza::driver {

namespace {

// Reads a quoted word starting at `pos` (on the opening quote); leaves `pos`
// after the closing quote.
std::optional<QString> readQuoted(const QString& line, qsizetype& pos, QString& error) {
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line.at(pos);
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c != u'\\') {
            text.append(c);
            continue;
        }
        if (++pos == line.size()) {
            break;
        }
        switch (line.at(pos).unicode()) {
        case u'n':
            text.append(u'\n');
            break;
        case u't':
            text.append(u'\t');
            break;
        case u'"':
            text.append(u'"');
            break;
        case u'\\':
            text.append(u'\\');
            break;
        default:
            error = QStringLiteral("unknown escape \\%1 in quoted text").arg(line.at(pos));
            return std::nullopt;
        }
    }
    error = QStringLiteral("quoted text without its closing quote");
    return std::nullopt;
}

} // namespace

Words splitWords(const QString& line) {
    Words result;
    qsizetype pos = 0;
    while (true) {
        while (pos < line.size() && line.at(pos).isSpace()) {
            ++pos;
        }
        if (pos == line.size()) {
            return result;
        }
        if (line.at(pos) == u'"') {
            const std::optional<QString> text = readQuoted(line, pos, result.error);
            if (!text) {
                result.words.clear();
                return result;
            }
            if (pos < line.size() && !line.at(pos).isSpace()) {
                result.words.clear();
                result.error = QStringLiteral("a space must follow the closing quote");
                return result;
            }
            result.words.append({*text, true});
            continue;
        }
        const qsizetype start = pos;
        while (pos < line.size() && !line.at(pos).isSpace()) {
            if (line.at(pos) == u'"') {
                result.words.clear();
                result.error = QStringLiteral("a quote inside the word %1")
                                   .arg(line.mid(start).section(u' ', 0, 0));
                return result;
            }
            ++pos;
        }
        result.words.append({line.mid(start, pos - start), false});
    }
}

Head splitHead(const QString& line, int count) {
    Head head;
    qsizetype pos = 0;
    while (head.words.size() < count) {
        while (pos < line.size() && line.at(pos).isSpace()) {
            ++pos;
        }
        if (pos == line.size()) {
            break;
        }
        const qsizetype start = pos;
        while (pos < line.size() && !line.at(pos).isSpace()) {
            ++pos;
        }
        head.words.append(line.mid(start, pos - start));
    }
    head.rest = line.mid(pos).trimmed();
    return head;
}

std::optional<Target> parseTarget(const QString& word) {
    const qsizetype dot = word.indexOf(u'.');
    Target target;
    target.window = dot < 0 ? word : word.left(dot);
    target.control = dot < 0 ? QString() : word.mid(dot + 1);
    if (target.window.isEmpty() || (dot >= 0 && target.control.isEmpty()) ||
        target.control.contains(u'.')) {
        return std::nullopt;
    }
    return target;
}

std::optional<QKeyCombination> parseKeyName(const QString& word) {
    const QKeySequence sequence = QKeySequence::fromString(word, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown) {
        return std::nullopt;
    }
    return sequence[0];
}

std::optional<qint64> parseInteger(const QString& word) {
    bool ok = false;
    const qint64 value = word.toLongLong(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

} // namespace quenza::driver
