// The main window's texts for screen readers.
#include "form1_accessibility.h"

#include "platform/accessible.h"
#include "platform/widgets.h"
#include "puzzle/board.h"
#include "puzzle/word_check.h"

#include <QLabel>

namespace quenza {

void describeMainWindow(QWidget* window) {
    platform::setAccessibleText(window, QString(),
                                QStringLiteral("Sopa de letras: pulse la primera y la última "
                                               "letra de cada palabra escondida en la cuadrícula"));
}

void describeCells(const std::array<platform::Label*, kCells + 1>& cells, const Board& board) {
    for (int i = 1; i <= kCells; ++i) {
        const auto cell = static_cast<size_t>(i);
        // A cell hidden while its letter is still on the board was hidden by
        // a joker, not found.
        const platform::CellSight sight = !board.visible[cell]      ? platform::CellSight::Found
                                          : cells[cell]->isHidden() ? platform::CellSight::Erased
                                                                    : platform::CellSight::Shown;
        platform::describeGridCell(cells[cell], i, sight);
    }
}

void describeClock(QLabel* minuto, QLabel* segundo, bool lastSeconds) {
    const QString name = QStringLiteral("Tiempo: %1:%2").arg(minuto->text(), segundo->text());
    if (lastSeconds) {
        const QString warning = QStringLiteral("¡Atención! Quedan cinco segundos");
        platform::announce(minuto, name, warning);
        platform::announce(segundo, name, warning);
        return;
    }
    const QString description = QStringLiteral("Reloj de la partida");
    platform::setAccessibleText(minuto, name, description);
    platform::setAccessibleText(segundo, name, description);
}

void describeCounter(QLabel* numero, int remaining) {
    platform::setAccessibleText(numero,
                                QStringLiteral("%1 %2 %3")
                                    .arg(QLatin1String(quedanCaption(remaining)))
                                    .arg(remaining)
                                    .arg(QLatin1String(palabrasCaption(remaining))),
                                QStringLiteral("Palabras que faltan por encontrar"));
}

void describeScore(QLabel* puntuacion2) {
    platform::setAccessibleText(puntuacion2, QStringLiteral("Puntuación: ") + puntuacion2->text(),
                                QStringLiteral("Puntos de la partida"));
}

void announceLevelEnd(QWidget* window, int level) {
    platform::announce(window, QString(), QStringLiteral("Nivel %1 completado").arg(level));
}

} // namespace quenza
