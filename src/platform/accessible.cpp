#include "platform/accessible.h"

#include "puzzle/board.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

namespace quenza::platform {

namespace {

void notify(QWidget* control, QAccessible::Event change) {
    QAccessibleEvent event(control, change);
    QAccessible::updateAccessibility(&event);
}

// Returns whether anything changed.
bool store(QWidget* control, const QString& name, const QString& description) {
    bool changed = false;
    // Qt 6.4 sets both texts without telling anyone: the events are ours.
    if (control->accessibleName() != name) {
        control->setAccessibleName(name);
        notify(control, QAccessible::NameChanged);
        changed = true;
    }
    if (control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
        notify(control, QAccessible::DescriptionChanged);
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
    if (store(control, name, description)) {
        notify(control, QAccessible::Alert);
    }
}

void describeGridCell(QWidget* cell, int index, CellSight sight) {
    const QString place =
        QStringLiteral("Fila %1, columna %2").arg(row0(index) + 1).arg(col0(index) + 1);
    QString content;
    QString description;
    switch (sight) {
    case CellSight::Shown: {
        const auto* label = qobject_cast<const QLabel*>(cell);
        content = label != nullptr ? label->text() : QString();
        description = QStringLiteral("Letra de la sopa de letras");
        break;
    }
    case CellSight::Found:
        content = QStringLiteral("encontrada");
        description = QStringLiteral("Letra de una palabra ya encontrada");
        break;
    case CellSight::Erased:
        content = QStringLiteral("oculta");
        description = QStringLiteral("Letra oculta por el comodín Eliminar");
        break;
    }
    setAccessibleText(cell, place + QStringLiteral(": ") + content, description);
}

} // namespace quenza::platform
