#include "platform/accessible.h"

#include "platform/accessible_readers.h"
#include "puzzle/spoken_spanish.h"

#include <QWidget>

namespace quenza::platform {

namespace {

// Qt tells readers of each change itself; returns whether anything changed.
QString spoken(const QString& text) {
    return QString::fromStdString(withSpanishAccents(text.toStdString()));
}

bool store(QWidget* control, const QString& shownName, const QString& shownDescription) {
    installReaders();
    const QString name = spoken(shownName);
    const QString description = spoken(shownDescription);
    bool changed = false;
    if (control->accessibleName() != name) {
        control->setAccessibleName(name);
        changed = true;
    }
    if (control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
        changed = true;
    }
    return changed;
}

} // namespace

void setAccessibleText(QWidget* control, const QString& name, const QString& description) {
    store(control, name, description);
}

void describeControl(QWidget* control, const QString& description) {
    store(control, QString(), description);
}

void announce(QWidget* control, const QString& name, const QString& description) {
    if (store(control, name, description) && !description.isEmpty()) {
        announce(control->window(), description);
    }
}

} // namespace quenza::platform
