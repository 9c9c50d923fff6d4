#pragma once

#include "puzzle/board.h"

#include <array>

class QLabel;
class QWidget;

namespace quenza::platform {
class Label;
}

namespace quenza {

// What a screen reader reads on the main window. Each is called where the
// state it describes changes, never per pointer move.

// The window itself: its name is its caption; the description says what to do.
void describeMainWindow(QWidget* window);
// Every grid cell from the board and its labels' visibility.
void describeCells(const std::array<platform::Label*, kCells + 1>& cells, const Board& board);
// The clock ("Tiempo: 02:55"); the last-seconds warning is announced.
void describeClock(QLabel* minuto, QLabel* segundo, bool lastSeconds);
// "Quedan 6 palabras".
void describeCounter(QLabel* numero, int remaining);
// The score, read with its title.
void describeScore(QLabel* puntuacion2);
// The end of a level is announced on the main window.
void announceLevelEnd(QWidget* window, int level);

} // namespace quenza
