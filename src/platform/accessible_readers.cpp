// The screen-reader interfaces the game puts in place of Qt's own: labels
// whose texts are worked out when read, labels that say nothing while hidden,
// text boxes that answer every text query at once, and the notification
// that speaks announcements.
#include "platform/accessible_readers.h"

#include "platform/accessible.h"
#include "platform/widgets.h"
#include "puzzle/spoken_spanish.h"
#include "puzzle/text_spans.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace quenza::platform {

namespace {

struct LiveTexts {
    std::function<QString()> name;
    std::function<QString()> description;
};

QHash<const QObject*, LiveTexts>& liveTexts() {
    static QHash<const QObject*, LiveTexts> texts;
    return texts;
}

const char* const kSilenceHidden = "quenzaSilenceHiddenLabels";

// An announcement: a notification that shows while a reader reads it.
// Announcements made in one go (a word found that ends the level) are read
// as one: a reader asks for the text only after the game is idle again, so
// each showing would otherwise read the last text as many times.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        QWidget::setVisible(false);
        window->installEventFilter(this);
    }

    void say(const QString& text) {
        if (inOneGo_) {
            message += (message.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ")) + text;
            return;
        }
        setVisible(false);
        message = text;
        setVisible(true);
        inOneGo_ = true;
        QTimer::singleShot(0, this, [this] { inOneGo_ = false; });
    }
    QString message;

protected:
    // Said once: a window shown again does not say its last words again.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Hide) {
            setVisible(false);
        }
        return false;
    }

private:
    bool inOneGo_ = false;
};

class AnnouncerReader final : public QAccessibleWidget {
public:
    explicit AnnouncerReader(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(widget())->message : QString();
    }
};

QString spoken(const QString& text) {
    return QString::fromStdString(withSpanishAccents(text.toStdString()));
}

bool silencedWhileHidden(const QWidget* control) {
    return control->window()->property(kSilenceHidden).toBool() &&
           !control->isVisibleTo(control->window());
}

// Every label of the game. What it is to a reader is worked out at each
// question, so that it never depends on when a reader first asked: a cell of
// a table, a container that lists a table in place of its cells, a label
// whose texts are live, or one hidden and silent.
class LabelReader final : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit LabelReader(QLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        if (isTableCell(object())) {
            return QAccessible::Cell;
        }
        if (!label()->pixmap().isNull()) {
            return QAccessible::Graphic;
        }
        if (isLink()) {
            return QAccessible::Link;
        }
        // A label with nothing to show is only an area of its window.
        return label()->text().isEmpty() && label()->accessibleName().isEmpty()
                   ? QAccessible::Client
                   : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto cell = tableCellOf(object())) {
            s.focusable = true;
            s.focused = cell->focused;
            s.readOnly = true;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && isTableCell(object())) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessibleInterface* parent() const override {
        if (const auto cell = tableCellOf(object())) {
            return cell->table;
        }
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto list = children();
        return index >= 0 && index < static_cast<int>(list.size())
                   ? list[static_cast<size_t>(index)]
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto list = children();
        const auto found = std::find(list.begin(), list.end(), child);
        return found == list.end() ? -1 : static_cast<int>(found - list.begin());
    }

    QString text(QAccessible::Text t) const override {
        if (!isTableCell(object()) && silencedWhileHidden(label())) {
            return {};
        }
        QString live;
        if (t == QAccessible::Name) {
            if (liveName(object(), live)) {
                return live;
            }
            if (!label()->accessibleName().isEmpty()) {
                return label()->accessibleName();
            }
            return spoken(plainText());
        }
        if (t == QAccessible::Description && liveDescription(object(), live)) {
            return live;
        }
        // A description left to Qt falls back on the tool tip's own spelling.
        return t == QAccessible::Description ? spoken(QAccessibleWidget::text(t))
                                             : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return isLink() ? QStringList{pressAction()} + QAccessibleWidget::actionNames()
                        : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (isLink() && action == pressAction()) {
            Q_EMIT static_cast<Label*>(label())->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return tableCellOf(object()).value_or(TableCell{}).column; }
    int rowIndex() const override { return tableCellOf(object()).value_or(TableCell{}).row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return tableCellOf(object()).value_or(TableCell{}).table;
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    bool isLink() const {
        const auto* link = qobject_cast<const Label*>(label());
        return link != nullptr && link->isKeyboardLink();
    }

    QString plainText() const {
        if (!label()->pixmap().isNull()) {
            return {};
        }
        const QString text = label()->text();
        if (label()->textFormat() == Qt::RichText ||
            (label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setHtml(text);
            return document.toPlainText();
        }
        return label()->buddy() != nullptr ? QString(text).remove(u'&') : text;
    }

    // A container lists its table where its first cell stood, and no cell.
    std::vector<QAccessibleInterface*> children() const {
        std::vector<QAccessibleInterface*> list;
        QAccessibleInterface* table = tableIn(object());
        const int all = QAccessibleWidget::childCount();
        for (int i = 0; i < all; ++i) {
            QAccessibleInterface* reader = QAccessibleWidget::child(i);
            if (table != nullptr && reader != nullptr && isTableCell(reader->object())) {
                if (std::find(list.begin(), list.end(), table) == list.end()) {
                    list.push_back(table);
                }
                continue;
            }
            list.push_back(reader);
        }
        return list;
    }
};

TextUnit textUnit(QAccessible::TextBoundaryType type) {
    switch (type) {
    case QAccessible::CharBoundary:
        return TextUnit::Character;
    case QAccessible::WordBoundary:
        return TextUnit::Word;
    case QAccessible::NoBoundary:
        return TextUnit::All;
    default:
        return TextUnit::Line; // sentences, paragraphs and lines: a box holds one line
    }
}

// A text box read by a reader: every query is answered in one pass over its
// text (Qt's own reader can spin forever on some texts).
class LineEditReader final : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    explicit LineEditReader(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly()) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return box()->accessibleName();
        case QAccessible::Description:
            return box()->accessibleDescription();
        case QAccessible::Value:
            return box()->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value && !box()->isReadOnly()) {
            box()->setText(text);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = box()->isReadOnly();
        s.editable = !box()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + static_cast<int>(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { box()->deselect(); }
    void setSelection(int /*index*/, int start, int end) override {
        box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        const QString all = box()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return answer(spanBefore(view(), offset, textUnit(type)), start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return answer(spanAfter(view(), offset, textUnit(type)), start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return answer(spanAt(view(), offset, textUnit(type)), start, end);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString all = box()->text();
        const QFontMetrics metrics(box()->font());
        const int left = metrics.horizontalAdvance(all.left(offset));
        const int width = metrics.horizontalAdvance(all.mid(offset, 1));
        const QRect inside = box()->contentsRect();
        return {box()->mapToGlobal(QPoint(inside.left() + left, inside.top())),
                QSize(width, inside.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        QString all = box()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        box()->setText(all.replace(start, end - start, text));
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    std::u16string_view view() const {
        text_ = box()->text();
        return {reinterpret_cast<const char16_t*>(text_.utf16()),
                static_cast<size_t>(text_.size())};
    }
    QString answer(TextSpan span, int* start, int* end) const {
        *start = span.start;
        *end = span.end;
        return text_.mid(span.start, span.end - span.start);
    }
    mutable QString text_;
};

QAccessibleInterface* readerFor(const QString& /*className*/, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new AnnouncerReader(announcer);
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        return new LabelReader(label);
    }
    if (auto* box = qobject_cast<QLineEdit*>(object)) {
        return new LineEditReader(box);
    }
    return nullptr;
}

Announcer* announcerOf(QWidget* window) {
    for (QObject* child : window->children()) {
        if (auto* announcer = dynamic_cast<Announcer*>(child)) {
            return announcer;
        }
    }
    return new Announcer(window);
}

} // namespace

namespace {

bool readLive(const QObject* control, std::function<QString()> LiveTexts::*which, QString& text) {
    const auto found = liveTexts().constFind(control);
    if (found == liveTexts().cend() || !((*found).*which)) {
        return false;
    }
    text = ((*found).*which)();
    return true;
}

} // namespace

bool liveName(const QObject* control, QString& name) {
    return readLive(control, &LiveTexts::name, name);
}

bool liveDescription(const QObject* control, QString& description) {
    return readLive(control, &LiveTexts::description, description);
}

void installReaders() {
    static const bool installed = [] {
        QAccessible::installFactory(&readerFor);
        installEventGate();
        return true;
    }();
    (void)installed;
}

void readTextsFrom(QWidget* control, std::function<QString()> name,
                   std::function<QString()> description) {
    installReaders();
    if (!liveTexts().contains(control)) {
        QObject::connect(control, &QObject::destroyed, [control] { liveTexts().remove(control); });
    }
    liveTexts().insert(control, {std::move(name), std::move(description)});
    // A label with a name of its own sends nothing when its text changes.
    if (control->accessibleName().isEmpty()) {
        control->setAccessibleName(QStringLiteral("-"));
    }
}

void silenceHiddenLabels(QWidget* window) {
    installReaders();
    window->setProperty(kSilenceHidden, true);
}

void announce(QWidget* window, const QString& message) {
    announcerOf(window)->say(spoken(message));
}

} // namespace quenza::platform
