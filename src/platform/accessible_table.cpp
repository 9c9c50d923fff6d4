// A group of controls that readers see as one table: the grid of letters.
// The controls stay where they are for the game; only the reader's view of
// them changes: the container lists the table in place of its cells, and
// each cell knows its row, its column and its table.
#include "platform/accessible.h"
#include "platform/accessible_readers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace quenza::platform {

namespace {

struct Table {
    QPointer<QWidget> container;
    std::vector<QWidget*> cells;
    int columns = 1;
    QString name;
    std::function<int()> current;
    QAccessible::Id id = 0;

    int indexOf(const QObject* cell) const {
        const auto found = std::find(cells.begin(), cells.end(), cell);
        return found == cells.end() ? -1 : static_cast<int>(found - cells.begin());
    }
    int rows() const { return static_cast<int>(cells.size()) / columns; }
};

QHash<const QObject*, Table*>& tablesByContainer() {
    static QHash<const QObject*, Table*> tables;
    return tables;
}

QHash<const QObject*, Table*>& tablesByCell() {
    static QHash<const QObject*, Table*> tables;
    return tables;
}

QAccessibleInterface* readerOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The table itself has no control of its own.
class TableReader final : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    explicit TableReader(const Table& table) : table_(table) {}

    bool isValid() const override { return !table_.container.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* parentReader = parent();
        return parentReader != nullptr ? parentReader->window() : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int current = table_.current();
        return current >= 0 ? child(current) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* cell : table_.cells) {
            QAccessibleInterface* reader = readerOf(cell);
            if (reader->rect().contains(x, y)) {
                return reader;
            }
        }
        return nullptr;
    }
    QAccessibleInterface* parent() const override { return readerOf(table_.container); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= static_cast<int>(table_.cells.size())) {
            return nullptr;
        }
        return readerOf(table_.cells[static_cast<size_t>(index)]);
    }
    int childCount() const override { return static_cast<int>(table_.cells.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? table_.indexOf(child->object()) : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? table_.name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QRect all;
        for (QWidget* cell : table_.cells) {
            all |= readerOf(cell)->rect();
        }
        return all;
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = table_.container.isNull() || !table_.container->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }

    // QAccessibleTableInterface: no headers, no selection.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= table_.rows() || column < 0 || column >= table_.columns) {
            return nullptr;
        }
        return child(row * table_.columns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return QStringLiteral("Columna %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return QStringLiteral("Fila %1").arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return table_.columns; }
    int rowCount() const override { return table_.rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const Table& table_;
};

QAccessibleInterface* tableReader(const Table& table) {
    return QAccessible::accessibleInterface(table.id);
}

} // namespace

std::optional<TableCell> tableCellOf(const QObject* cell) {
    const Table* table = tablesByCell().value(cell);
    if (table == nullptr) {
        return std::nullopt;
    }
    const int index = table->indexOf(cell);
    const auto* widget = static_cast<const QWidget*>(cell);
    return TableCell{tableReader(*table), index / table->columns, index % table->columns,
                     index == table->current() && widget->isActiveWindow()};
}

QAccessibleInterface* tableIn(const QObject* container) {
    const Table* table = tablesByContainer().value(container);
    return table != nullptr ? tableReader(*table) : nullptr;
}

bool isTableCell(const QObject* control) {
    return tablesByCell().contains(control);
}

void presentAsTable(QWidget* container, const std::vector<QWidget*>& cells, int columns,
                    const QString& name, std::function<int()> current) {
    installReaders();
    auto* table = new Table{container, cells, columns, name, std::move(current)};
    table->id = QAccessible::registerAccessibleInterface(new TableReader(*table));
    tablesByContainer().insert(container, table);
    for (QWidget* cell : cells) {
        tablesByCell().insert(cell, table);
    }
    QObject::connect(container, &QObject::destroyed, [container] {
        Table* gone = tablesByContainer().take(container);
        for (QWidget* cell : gone->cells) {
            tablesByCell().remove(cell);
        }
        QAccessible::deleteAccessibleInterface(gone->id);
        delete gone;
    });
}

void focusTableCell(QWidget* container, int index) {
    const Table* table = tablesByContainer().value(container);
    if (table == nullptr || index < 0 || index >= static_cast<int>(table->cells.size()) ||
        !QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent event(readerOf(table->cells[static_cast<size_t>(index)]), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace quenza::platform
