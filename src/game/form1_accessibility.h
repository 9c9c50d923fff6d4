#pragma once

#include "puzzle/board.h"

#include <QString>
#include <array>
#include <functional>

class QLabel;
class QWidget;

namespace quenza::platform {
class Label;
}

namespace quenza {

// What a screen reader reads and hears on the main window. Texts that change
// all the time (the cells, the clock) are worked out when a reader asks for
// them; what the player must hear at once is spoken as an announcement.

// The window: its name is its caption; the description says what to do. Its
// hidden labels (an evolution level's words) say nothing.
void describeMainWindow(QWidget* window);
// The grid as a table of 12 x 12 cells on `surface`, each read as "Fila 3,
// columna 5: K" (or found, or hidden by a joker); `cursorCell` gives the cell
// the keyboard's cursor is on (1..144), or 0 while it is put away.
void presentGrid(QWidget* surface, const std::array<platform::Label*, kCells + 1>& cells,
                 std::function<int()> cursorCell);
// The clock, read as "Tiempo: 02:55".
void presentClock(QLabel* minuto, QLabel* segundo);
// "Quedan 6 palabras".
void describeCounter(QLabel* numero, int remaining);
// The score, read with its title.
void describeScore(QLabel* puntuacion2);

// Spoken on the main window.
void announceBoard(QWidget* window, const Board& board, const QString& levelAndTime);
void announceLineStarted(QWidget* window, int cell);
void announceLineDropped(QWidget* window);
void announceNotAWord(QWidget* window);
void announceWordFound(QWidget* window, const QString& word, int remaining);
void announceLastSeconds(QWidget* window);
void announceLevelEnd(QWidget* window, int level);

} // namespace quenza
