#include "driver/json_path.h"

#include <QJsonArray>
#include <QStringList>
#include <algorithm>

namespace quenza::driver {

namespace {

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Parses "name" or "name(i,j,...)"; empty name on error.
PathStep parseStep(const QString& text, QString& error) {
    const qsizetype open = text.indexOf(u'(');
    PathStep step;
    step.name = open < 0 ? text : text.left(open);
    if (step.name.isEmpty() || !std::all_of(step.name.begin(), step.name.end(), isNameChar)) {
        error = QStringLiteral("%1 is not a name").arg(text);
        return {};
    }
    if (open < 0) {
        return step;
    }
    if (!text.endsWith(u')')) {
        error = QStringLiteral("%1 lacks its closing parenthesis").arg(text);
        return {};
    }
    const QStringList indices = text.mid(open + 1, text.size() - open - 2).split(u',');
    for (const QString& index : indices) {
        bool ok = false;
        const int value = index.trimmed().toInt(&ok, 10);
        if (!ok || value < 0) {
            error = QStringLiteral("%1 has a bad index").arg(text);
            return {};
        }
        step.indices.append(value);
    }
    return step;
}

Lookup applyIndices(QJsonValue value, QString where, const QList<int>& indices) {
    for (const int index : indices) {
        if (!value.isArray()) {
            return {{}, QStringLiteral("%1 is not an array").arg(where)};
        }
        const QJsonArray array = value.toArray();
        if (index >= array.size()) {
            return {{},
                    QStringLiteral("%1 has no index %2 (0..%3)")
                        .arg(where)
                        .arg(index)
                        .arg(array.size() - 1)};
        }
        value = array.at(index);
        where += QStringLiteral("(%1)").arg(index);
    }
    return {value, {}};
}

} // namespace

QString PathStep::text() const {
    if (indices.isEmpty()) {
        return name;
    }
    QStringList parts;
    for (const int index : indices) {
        parts.append(QString::number(index));
    }
    return name + u'(' + parts.join(u',') + u')';
}

Path parsePath(const QString& text) {
    Path path;
    if (text.isEmpty()) {
        path.error = QStringLiteral("an empty path");
        return path;
    }
    for (const QString& part : text.split(u'.')) {
        PathStep step = parseStep(part, path.error);
        if (!path.error.isEmpty()) {
            path.steps.clear();
            return path;
        }
        path.steps.append(step);
    }
    return path;
}

Lookup follow(const QJsonValue& value, const QString& where, const QList<PathStep>& steps,
              qsizetype first) {
    QJsonValue current = value;
    QString place = where;
    for (qsizetype i = first; i < steps.size(); ++i) {
        const PathStep& step = steps.at(i);
        if (!current.isObject() || !current.toObject().contains(step.name)) {
            return {{}, QStringLiteral("%1 has no %2").arg(place, step.name)};
        }
        Lookup element = applyIndices(current.toObject().value(step.name), place + u'.' + step.name,
                                      step.indices);
        if (!element.error.isEmpty()) {
            return element;
        }
        current = element.value;
        place += u'.' + step.text();
    }
    return {current, {}};
}

Lookup followInWindow(const QJsonObject& window, const QString& windowName,
                      const QList<PathStep>& steps, qsizetype first) {
    if (first >= steps.size()) {
        return {window, {}};
    }
    const PathStep& step = steps.at(first);
    const QJsonObject controls = window.value(QStringLiteral("controls")).toObject();
    const QJsonObject fields = window.value(QStringLiteral("fields")).toObject();
    QJsonValue start;
    QString place = windowName + u'.' + step.text();
    if (window.contains(step.name)) {
        Lookup own =
            applyIndices(window.value(step.name), windowName + u'.' + step.name, step.indices);
        if (!own.error.isEmpty()) {
            return own;
        }
        start = own.value;
    } else if (controls.contains(step.text())) {
        start = controls.value(step.text());
    } else if (fields.contains(step.name)) {
        Lookup field =
            applyIndices(fields.value(step.name), windowName + u'.' + step.name, step.indices);
        if (!field.error.isEmpty()) {
            return field;
        }
        start = field.value;
    } else if (!window.value(QStringLiteral("loaded")).toBool()) {
        return {{}, QStringLiteral("%1 is not loaded").arg(windowName)};
    } else {
        return {{}, QStringLiteral("%1 has no control or field %2").arg(windowName, step.text())};
    }
    return follow(start, place, steps, first + 1);
}

} // namespace quenza::driver
