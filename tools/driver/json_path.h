#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace quenza::driver {

// One step of a value path: a name, with indices when it names an element of
// an array ("celda_libre(12)", "celdas_palabra(2,10)") or of a control array
// ("Label1(14)").
struct PathStep {
    QString name;
    QList<int> indices;

    QString text() const;
};

struct Path {
    QList<PathStep> steps;
    QString error; // set when the text is not a path
};

// "Form1.numero.text", "state.celdas_palabra(2,10)", "Form1".
Path parsePath(const QString& text);

struct Lookup {
    QJsonValue value;
    QString error; // empty when found
};

// Follows steps[first..] from `value`: object members by name, then array
// elements by index. `where` names `value` in error texts.
Lookup follow(const QJsonValue& value, const QString& where, const QList<PathStep>& steps,
              qsizetype first);

// Follows steps[first..] in a window's dump. The first step is looked up among
// the window's own properties, then its controls (by the full name, index
// included), then its fields.
Lookup followInWindow(const QJsonObject& window, const QString& windowName,
                      const QList<PathStep>& steps, qsizetype first);

} // namespace quenza::driver
