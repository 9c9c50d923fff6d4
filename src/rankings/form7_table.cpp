#include "rankings/form7_table.h"

#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/twips.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace quenza {

namespace {

constexpr int kHeaderHeight = 285;
constexpr int kFirstRowTop = 240;
constexpr int kRowStep = 240;
constexpr int kCellHeight = 315;
constexpr int kPosicionWidth = 495;
constexpr int kNombreLeft = 480;
constexpr int kNarrowWidth = 735;
constexpr int kWideWidth = 975;
constexpr int kBrightRows = 5;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;

void useTableFont(QWidget* control) {
    platform::setControlFont(control, QStringLiteral("Arial"), 8.25);
}

int rowGroup(int row) {
    if (row == 0) {
        return 0;
    }
    if (row <= 2) {
        return 1;
    }
    if (row <= 4) {
        return 2;
    }
    return row <= 9 ? 3 : 4;
}

int rowTop(int row) {
    return kFirstRowTop + kRowStep * row;
}

QPushButton* makeHeader(QWidget* parent, const char* name, const char* caption, int left,
                        int width) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    platform::setKind(button, platform::Kind::Button);
    useTableFont(button);
    platform::place(button, left, 0, width, kHeaderHeight);
    return button;
}

void placeHeader(QPushButton* button, int left, int width) {
    platform::place(button, left, 0, width, kHeaderHeight);
}

} // namespace

RankingTable::RankingTable(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form7_table"));
    buildCells();
    // Built after the cells so that it lies above the first row it overlaps.
    buildHeader();
    platform::setAccessibleText(this, QStringLiteral("Ranking"),
                                QStringLiteral("Los quince mejores resultados"));
    for (int column = 0; column < kColumns; ++column) {
        platform::describeControl(header(column), QStringLiteral("Encabezado de columna"));
    }
}

void RankingTable::buildCells() {
    static constexpr const char* kNames[kColumns] = {"posicion", "nombre", "columna3",
                                                     "columna4", "tiempo", "fecha"};
    for (int row = 0; row < kShownEntries; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* box = new QLineEdit(this);
            box->setObjectName(platform::indexed(kNames[column], row));
            platform::setKind(box, platform::Kind::TextBox);
            useTableFont(box);
            // Read-only rather than only dropping typed characters: Delete,
            // Backspace and a paste leave the cell as it is too.
            box->setReadOnly(true);
            platform::setAlignment(box, column == Posicion ? QStringLiteral("left")
                                                           : QStringLiteral("center"));
            // Each row hides the lower edge of the row above it, so the text
            // sits at the top of the box to stay whole.
            box->setAlignment((box->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
            platform::setForeColor(box, row < kBrightRows ? kWhite : kBlack);
            cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = box;
        }
        QLineEdit* posicion = cell(Posicion, row);
        posicion->setText(QString::fromStdString(placeText(row + 1)));
        platform::place(posicion, 0, rowTop(row), kPosicionWidth, kCellHeight);
        platform::place(cell(Nombre, row), kNombreLeft, rowTop(row), kWideWidth, kCellHeight);
        // The other columns are placed by the view.
    }
}

void RankingTable::buildHeader() {
    posicion_com = makeHeader(this, "posicion_com", "Pos.", 0, kPosicionWidth);
    nombre_com = makeHeader(this, "nombre_com", "Nombre", kNombreLeft, kWideWidth);
    columna3_com = makeHeader(this, "columna3_com", "", 0, kWideWidth);
    columna4_com = makeHeader(this, "columna4_com", "", 0, kWideWidth);
    // The views move these two but never caption them: they keep the names
    // of what their columns show in both views.
    tiempo_com = makeHeader(this, "tiempo_com", "Tiempo", 0, kNarrowWidth);
    fecha_com = makeHeader(this, "fecha_com", "Fecha", 0, kWideWidth);
}

QPushButton* RankingTable::header(int column) const {
    const std::array<QPushButton*, kColumns> headers{posicion_com, nombre_com, columna3_com,
                                                     columna4_com, tiempo_com, fecha_com};
    return headers[static_cast<std::size_t>(column)];
}

QLineEdit* RankingTable::cell(Column column, int row) const {
    return cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

void RankingTable::arrange(const TableLayout& layout) {
    columna3_com->setText(QString::fromUtf8(layout.columna3Caption));
    columna4_com->setText(QString::fromUtf8(layout.columna4Caption));
    placeHeader(columna3_com, layout.columna3Left, kWideWidth);
    placeHeader(columna4_com, layout.columna4Left, layout.columna4Width);
    placeHeader(tiempo_com, layout.tiempoHeaderLeft, kNarrowWidth);
    placeHeader(fecha_com, layout.fechaLeft, kWideWidth);
    for (int row = 0; row < kShownEntries; ++row) {
        const int top = rowTop(row);
        platform::place(cell(Columna3, row), layout.columna3Left, top, kWideWidth, kCellHeight);
        platform::place(cell(Columna4, row), layout.columna4Left, top, layout.columna4Width,
                        kCellHeight);
        platform::place(cell(Tiempo, row), layout.tiempoLeft, top, kNarrowWidth, kCellHeight);
        platform::place(cell(Fecha, row), layout.fechaLeft, top, kWideWidth, kCellHeight);
        const quint32 colour = layout.rowGroupColours[static_cast<std::size_t>(rowGroup(row))];
        for (int column = 0; column < kColumns; ++column) {
            platform::setBackColor(cell(static_cast<Column>(column), row), colour);
        }
    }
    orderTabByColumns();
}

std::array<RankingTable::Column, RankingTable::kColumns> RankingTable::columnsLeftToRight() const {
    std::array<Column, kColumns> order{Posicion, Nombre, Columna3, Columna4, Tiempo, Fecha};
    std::stable_sort(order.begin(), order.end(),
                     [this](Column a, Column b) { return cell(a, 0)->x() < cell(b, 0)->x(); });
    return order;
}

// Row by row, each row's cells in the order the view shows them.
void RankingTable::orderTabByColumns() {
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    };
    const auto order = columnsLeftToRight();
    for (Column column : order) {
        chain(header(column));
    }
    for (int row = 0; row < kShownEntries; ++row) {
        for (Column column : order) {
            chain(cell(column, row));
        }
    }
}

void RankingTable::fill(const RankingRows& rows) {
    for (int row = 0; row < kShownEntries; ++row) {
        const RankingRow& texts = rows[static_cast<std::size_t>(row)];
        const std::string* shown[kColumns] = {&texts.posicion, &texts.nombre, &texts.columna3,
                                              &texts.columna4, &texts.tiempo, &texts.fecha};
        for (int column = 0; column < kColumns; ++column) {
            QLineEdit* box = cell(static_cast<Column>(column), row);
            box->setText(QString::fromStdString(*shown[column]));
            // Long names and themes show their beginning, as a text box does.
            box->setCursorPosition(0);
        }
    }
    describeRows(rows);
}

void RankingTable::describeRows(const RankingRows& rows) {
    const auto order = columnsLeftToRight();
    for (int row = 0; row < kShownEntries; ++row) {
        const RankingRow& texts = rows[static_cast<std::size_t>(row)];
        const std::array<const std::string*, kColumns> shown{&texts.posicion, &texts.nombre,
                                                             &texts.columna3, &texts.columna4,
                                                             &texts.tiempo,   &texts.fecha};
        // A row without an entry shows "-" in every data cell.
        const bool empty = std::all_of(shown.begin() + 1, shown.end(),
                                       [](const auto* text) { return *text == "-"; });
        const QString place = QStringLiteral("Puesto %1").arg(row + 1);
        QStringList parts;
        for (Column column : order) {
            if (column >= Columna3) {
                parts.append(header(column)->text() + u' ' +
                             QString::fromStdString(*shown[static_cast<std::size_t>(column)]));
            }
        }
        const QString summary = empty ? place + QStringLiteral(": sin entrada")
                                      : place + QStringLiteral(": ") +
                                            QString::fromStdString(texts.nombre) +
                                            QStringLiteral(", ") + parts.join(QStringLiteral(", "));
        platform::setAccessibleText(cell(Posicion, row), place, summary);
        for (int column = Nombre; column < kColumns; ++column) {
            const QString value =
                empty ? QStringLiteral("sin entrada")
                      : QString::fromStdString(*shown[static_cast<std::size_t>(column)]);
            platform::setAccessibleText(cell(static_cast<Column>(column), row),
                                        place + QStringLiteral(", ") + header(column)->text() +
                                            QStringLiteral(": ") + value,
                                        summary);
        }
    }
}

} // namespace quenza
