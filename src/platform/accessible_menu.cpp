// What a screen reader reads for a menu entry: its caption without the '&'
// and its description.
#include "platform/accessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QWindow>

namespace quenza::platform {

namespace {

const char* const kDescriptionProperty = "quenzaMenuEntryDescription";

// The caption as read aloud: "&Jugar" is "Jugar", "A && B" is "A & B".
QString withoutMnemonic(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

// The menu or menu bar the entry was added to.
QWidget* ownerOf(const QAction* entry) {
    for (QObject* holder : entry->associatedObjects()) {
        if (qobject_cast<QMenu*>(holder) != nullptr || qobject_cast<QMenuBar*>(holder) != nullptr) {
            return static_cast<QWidget*>(holder);
        }
    }
    return nullptr;
}

// The description given to the entry; empty when it has none.
QString menuEntryDescription(const QAction* entry) {
    return entry->property(kDescriptionProperty).toString();
}

// Qt reads no description for a menu entry, so a described entry gets a
// reader of ours; it reads exactly as Qt's own (role, state, place, submenu,
// press), plus the description.
class MenuEntryReader final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntryReader(QWidget* owner, QAction* entry) : owner_(owner), entry_(entry) {}

    bool isValid() const override { return !owner_.isNull() && !entry_.isNull(); }
    QObject* object() const override { return entry_; }

    QWindow* window() const override {
        if (owner_.isNull()) {
            return nullptr;
        }
        if (QWindow* own = owner_->windowHandle()) {
            return own;
        }
        const QWidget* native = owner_->nativeParentWidget();
        return native != nullptr ? native->windowHandle() : nullptr;
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_.data());
    }
    int childCount() const override { return entry_->menu() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0 && entry_->menu() != nullptr) {
            return QAccessible::queryAccessibleInterface(entry_->menu());
        }
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const bool isSubmenu = child != nullptr && child->role() == QAccessible::PopupMenu &&
                               child->object() == entry_->menu();
        return isSubmenu ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* submenu = child(0);
        return submenu != nullptr && submenu->rect().contains(x, y) ? submenu : nullptr;
    }

    QString text(QAccessible::Text which) const override {
        switch (which) {
        case QAccessible::Name:
            return withoutMnemonic(entry_->text());
        case QAccessible::Description:
            return menuEntryDescription(entry_);
        case QAccessible::Accelerator:
            return entry_->shortcut().toString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text /*which*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (const auto* bar = qobject_cast<const QMenuBar*>(owner_.data())) {
            return bar->actionGeometry(entry_).translated(bar->mapToGlobal(QPoint(0, 0)));
        }
        if (const auto* menu = qobject_cast<const QMenu*>(owner_.data())) {
            return menu->actionGeometry(entry_).translated(menu->mapToGlobal(QPoint(0, 0)));
        }
        return {};
    }

    QAccessible::Role role() const override {
        return entry_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !owner_->testAttribute(Qt::WA_WState_Visible) || !entry_->isVisible();
        if (const auto* menu = qobject_cast<const QMenu*>(owner_.data())) {
            state.focused = menu->activeAction() == entry_;
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(owner_.data())) {
            state.focused = bar->activeAction() == entry_;
        }
        state.hotTracked = owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking) != 0;
        state.disabled = entry_->isSeparator() || !entry_->isEnabled();
        state.checkable = entry_->isCheckable();
        state.checked = entry_->isChecked();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (entry_.isNull() || entry_->isSeparator()) {
            return {};
        }
        return {entry_->menu() != nullptr ? showMenuAction() : pressAction()};
    }

    void doAction(const QString& name) override {
        if (!entry_->isEnabled()) {
            return;
        }
        if (name == pressAction()) {
            entry_->trigger();
            return;
        }
        if (name != showMenuAction()) {
            return;
        }
        QMenu* submenu = entry_->menu();
        if (submenu != nullptr && submenu->isVisible()) {
            submenu->hide();
        } else if (auto* bar = qobject_cast<QMenuBar*>(owner_.data())) {
            bar->setActiveAction(entry_);
        } else if (auto* menu = qobject_cast<QMenu*>(owner_.data())) {
            menu->setActiveAction(entry_);
        }
    }

    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    QPointer<QWidget> owner_;
    QPointer<QAction> entry_;
};

QAccessibleInterface* readerFor(const QString& /*className*/, QObject* object) {
    auto* entry = qobject_cast<QAction*>(object);
    if (entry == nullptr) {
        return nullptr;
    }
    QWidget* owner = ownerOf(entry);
    if (owner == nullptr || menuEntryDescription(entry).isEmpty()) {
        return nullptr;
    }
    return new MenuEntryReader(owner, entry);
}

// Ours answers only for described entries; Qt keeps one copy of a factory.
void installReaders() {
    QAccessible::installFactory(&readerFor);
}

} // namespace

void describeMenuEntry(QAction* entry, const QString& description) {
    installReaders();
    if (entry->property(kDescriptionProperty).toString() == description) {
        return;
    }
    entry->setProperty(kDescriptionProperty, description);
    QAccessibleEvent event(entry, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace quenza::platform
