#include "driver/dump.h"

#include "driver/object_tree.h"
#include "platform/clock.h"
#include "platform/inspect.h"
#include "platform/look.h"
#include "platform/system.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/zoom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace quenza::driver {

namespace {

// The old window system's colours above 0xFFFFFF are system colours: the dump
// shows the colour they stand for.
constexpr quint32 kColourMask = 0xFFFFFF;

quint32 bgrOf(const QColor& colour) {
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

quint32 shownBackColor(const QWidget* widget) {
    const quint32 kept = platform::backColor(widget);
    return kept <= kColourMask ? kept : bgrOf(widget->palette().color(QPalette::Window));
}

quint32 shownForeColor(const QWidget* widget) {
    const quint32 kept = platform::foreColor(widget);
    return kept <= kColourMask ? kept : bgrOf(widget->palette().color(QPalette::WindowText));
}

// A button's caption as shown: "&Salir" reads "Salir", "&&" is one "&".
QString withoutMnemonics(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown.append(caption.at(i));
    }
    return shown;
}

QString widgetText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return withoutMnemonics(button->text());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return withoutMnemonics(frame->title());
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return box->text();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
        return box->toPlainText();
    }
    if (const auto* box = qobject_cast<const QTextEdit*>(widget)) {
        return box->toPlainText();
    }
    return {};
}

// The widget's own flag as the program last set it: a control inside a
// disabled frame keeps "enabled": true.
bool enabledFlag(const QWidget* widget) {
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

bool showsWords(const QString& kind) {
    return kind == u"label" || kind == u"button" || kind == u"textbox" || kind == u"checkbox" ||
           kind == u"frame";
}

// What a screen reader reads for the widget, through Qt's own accessibility
// interface rather than the widget's properties.
void putAccessibleText(QJsonObject& out, const QObject* control) {
    QAccessibleInterface* reader =
        QAccessible::queryAccessibleInterface(const_cast<QObject*>(control));
    if (reader == nullptr) {
        return;
    }
    out.insert(QStringLiteral("accessibleName"), reader->text(QAccessible::Name));
    out.insert(QStringLiteral("accessibleDescription"), reader->text(QAccessible::Description));
}

void putGeometry(QJsonObject& out, const QWidget* widget) {
    const QRect twips = platform::twipsOf(widget);
    out.insert(QStringLiteral("left"), twips.x());
    out.insert(QStringLiteral("top"), twips.y());
    out.insert(QStringLiteral("width"), twips.width());
    out.insert(QStringLiteral("height"), twips.height());
}

QJsonObject dumpWidget(const QWidget* widget, const QString& kind) {
    QJsonObject out{{QStringLiteral("kind"), kind},
                    {QStringLiteral("visible"), !widget->isHidden()},
                    {QStringLiteral("enabled"), enabledFlag(widget)}};
    putGeometry(out, widget);
    if (showsWords(kind)) {
        out.insert(QStringLiteral("text"), widgetText(widget));
        const QFont font = widget->font();
        out.insert(QStringLiteral("fontName"), font.family());
        // The size the program gave, whatever the zoom the player chose.
        out.insert(QStringLiteral("fontSize"), font.pointSizeF() > 0
                                                   ? platform::designedPointSize(widget)
                                                   : double(font.pixelSize()));
        out.insert(QStringLiteral("fontBold"), font.bold());
        putAccessibleText(out, widget);
    }
    if (kind == u"label" || kind == u"textbox") {
        out.insert(QStringLiteral("alignment"), platform::alignment(widget));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
        button && kind == u"checkbox") {
        out.insert(QStringLiteral("checked"), button->isChecked());
    }
    out.insert(QStringLiteral("backColor"), colourText(shownBackColor(widget)));
    out.insert(QStringLiteral("foreColor"), colourText(shownForeColor(widget)));
    out.insert(QStringLiteral("toolTip"), widget->toolTip());
    const QString picture = platform::pictureId(widget);
    out.insert(QStringLiteral("picture"), picture.isEmpty() ? QJsonValue() : QJsonValue(picture));
    return out;
}

QJsonObject dumpMenuEntry(const QAction* entry) {
    QJsonObject out{{QStringLiteral("kind"), QStringLiteral("menu")},
                    {QStringLiteral("text"),
                     entry->isSeparator() ? QStringLiteral("-") : withoutMnemonics(entry->text())},
                    {QStringLiteral("enabled"), entry->isEnabled()},
                    {QStringLiteral("checked"), entry->isChecked()},
                    {QStringLiteral("visible"), entry->isVisible()}};
    if (!entry->isSeparator()) {
        putAccessibleText(out, entry);
    }
    return out;
}

QJsonObject dumpTimer(const platform::Timer* timer) {
    return {{QStringLiteral("kind"), QStringLiteral("timer")},
            {QStringLiteral("enabled"), timer->isEnabled()},
            {QStringLiteral("interval"), timer->interval()}};
}

// The innermost named control holding `widget`, with its window's name.
QString controlPath(QWidget* widget) {
    QWidget* window = widget->window();
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        if (!controlKind(w).isEmpty()) {
            return window->objectName() + u'.' + w->objectName();
        }
    }
    return window->objectName();
}

} // namespace

QString colourText(quint32 bgr) {
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(bgr & kColourMask, 6, 16, QChar(u'0')).toUpper();
}

QJsonObject dumpControl(QObject* control) {
    if (const auto* timer = qobject_cast<const platform::Timer*>(control)) {
        return dumpTimer(timer);
    }
    if (const auto* entry = qobject_cast<const QAction*>(control)) {
        return dumpMenuEntry(entry);
    }
    if (const auto* widget = qobject_cast<const QWidget*>(control)) {
        return dumpWidget(widget, controlKind(widget));
    }
    return {};
}

QJsonObject dumpWindow(QWidget* window) {
    QJsonObject out{{QStringLiteral("loaded"), true},
                    {QStringLiteral("shown"), window->isVisible()},
                    {QStringLiteral("enabled"), enabledFlag(window)},
                    {QStringLiteral("caption"), window->windowTitle()},
                    {QStringLiteral("mousePointer"), platform::mousePointer(window)}};
    putGeometry(out, window);
    putAccessibleText(out, window);
    if (const auto* box = qobject_cast<const QMessageBox*>(window)) {
        out.insert(QStringLiteral("text"), box->text());
    }
    QJsonObject controls;
    forEachOwned(window, [&](QObject* object) {
        if (!controlKind(object).isEmpty()) {
            controls.insert(object->objectName(), dumpControl(object));
        }
    });
    out.insert(QStringLiteral("controls"), controls);
    const auto* inspectable = dynamic_cast<const platform::Inspectable*>(window);
    out.insert(QStringLiteral("fields"), inspectable ? inspectable->fields() : QJsonObject());
    return out;
}

QJsonObject dumpWindow(const QString& name) {
    if (QWidget* window = findWindow(name)) {
        return dumpWindow(window);
    }
    return {{QStringLiteral("loaded"), false},
            {QStringLiteral("shown"), false},
            {QStringLiteral("fields"), platform::unloadedFields(name)}};
}

QJsonValue focusName() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        // Nothing in the active window takes the focus: keys go to the window.
        return activeWindowName();
    }
    if (focus->window()->objectName().isEmpty()) {
        return QJsonValue::Null;
    }
    return controlPath(focus);
}

QJsonValue activeWindowName() {
    const QWidget* active = QApplication::activeWindow();
    if (active == nullptr || active->objectName().isEmpty()) {
        return QJsonValue::Null;
    }
    return active->objectName();
}

QJsonObject dumpAll() {
    QJsonObject windows;
    for (const QString& name : windowNames()) {
        windows.insert(name, dumpWindow(name));
    }
    return {{QStringLiteral("time"), platform::clock().nowMs()},
            {QStringLiteral("date"), platform::today().toString(Qt::ISODate)},
            {QStringLiteral("zoom"), platform::zoomPercent()},
            {QStringLiteral("active"), activeWindowName()},
            {QStringLiteral("focus"), focusName()},
            {QStringLiteral("windows"), windows},
            {QStringLiteral("state"), platform::processState()}};
}

} // namespace quenza::driver
