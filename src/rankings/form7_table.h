#pragma once

#include "puzzle/ranking_view.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace quenza {

// Where a view puts the columns that move between the two views, what their
// headers say and how it paints the row groups.
struct TableLayout {
    int columna3Left = 0;
    const char* columna3Caption = "";
    int columna4Left = 0;
    int columna4Width = 0;
    const char* columna4Caption = "";
    int tiempoHeaderLeft = 0;
    int tiempoLeft = 0;
    int fechaLeft = 0;
    // Rows 1, 2-3, 4-5, 6-10 and 11-15.
    std::array<quint32, 5> rowGroupColours{};
};

// The table of the rankings viewer: six header buttons that do nothing and
// six columns of 15 read-only text boxes, `posicion(0)` to `fecha(14)`.
class RankingTable final : public QWidget {
    Q_OBJECT
public:
    explicit RankingTable(QWidget* parent);

    void arrange(const TableLayout& layout);
    void fill(const RankingRows& rows);

private:
    enum Column { Posicion, Nombre, Columna3, Columna4, Tiempo, Fecha, kColumns };

    void buildCells();
    void buildHeader();
    // Each cell is read with its place and column, and describes its row:
    // "Puesto 1: Ana, Nivel 3, Puntuacion 120, Tiempo 02:05, Fecha 17-5-2002".
    void describeRows(const RankingRows& rows);
    // The columns from left to right as the view placed them; Tab and the
    // row descriptions follow it.
    std::array<Column, kColumns> columnsLeftToRight() const;
    void orderTabByColumns();
    QPushButton* header(int column) const;
    QLineEdit* cell(Column column, int row) const;

    std::array<std::array<QLineEdit*, kShownEntries>, kColumns> cells_{};
    QPushButton* posicion_com = nullptr;
    QPushButton* nombre_com = nullptr;
    QPushButton* columna3_com = nullptr;
    QPushButton* columna4_com = nullptr;
    QPushButton* tiempo_com = nullptr;
    QPushButton* fecha_com = nullptr;
};

} // namespace quenza
