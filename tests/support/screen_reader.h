#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace quenza::testing {

// Reads controls as a screen reader does: through Qt's accessibility
// interface, never through the widgets' own properties.
inline QAccessibleInterface* readerOf(QObject* control) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    if (reader == nullptr) {
        qFatal("no accessibility interface for %s", qPrintable(control->objectName()));
    }
    return reader;
}
inline QString nameOf(QObject* control) {
    return readerOf(control)->text(QAccessible::Name);
}
inline QString descriptionOf(QObject* control) {
    return readerOf(control)->text(QAccessible::Description);
}

// Every element below `root` in the accessibility tree, depth first.
inline void forEachElement(QAccessibleInterface* root,
                           const std::function<void(QAccessibleInterface*)>& visit) {
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* element = root->child(i)) {
            visit(element);
            forEachElement(element, visit);
        }
    }
}

// Words that give away a text left in English (or a Qt default).
inline bool soundsEnglish(const QString& text) {
    static const QRegularExpression english(
        QStringLiteral("\\b(the|and|of|button|label|window|click|check ?box|picture|image|"
                       "frame|menu|edit|text|field|level|score|jokers?|ranking list)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return english.match(text).hasMatch();
}

// The elements a player can reach that carry words or a picture: their names
// must not be empty, and nothing they say may be in English. Returns one line
// per fault, naming the element.
inline QStringList speechFaults(QWidget* window) {
    static const QList<QAccessible::Role> speaking{QAccessible::StaticText,   QAccessible::Graphic,
                                                   QAccessible::PushButton,   QAccessible::CheckBox,
                                                   QAccessible::EditableText, QAccessible::Grouping,
                                                   QAccessible::MenuItem,     QAccessible::Link};
    QStringList faults;
    const auto check = [&](QAccessibleInterface* element) {
        const QString who =
            element->object() != nullptr ? element->object()->objectName() : QStringLiteral("?");
        const QString name = element->text(QAccessible::Name);
        const QString description = element->text(QAccessible::Description);
        if (soundsEnglish(name) || soundsEnglish(description)) {
            faults << who + QStringLiteral(" speaks English: ") + name + u'/' + description;
        }
        if (element->state().invisible || !speaking.contains(element->role())) {
            return;
        }
        if (name.trimmed().isEmpty()) {
            faults << who + QStringLiteral(" has no name");
        }
    };
    QAccessibleInterface* top = readerOf(window);
    if (top->text(QAccessible::Name).isEmpty() || top->text(QAccessible::Description).isEmpty()) {
        faults << window->objectName() + QStringLiteral(" has no name or description");
    }
    check(top);
    forEachElement(top, check);
    return faults;
}

} // namespace quenza::testing
