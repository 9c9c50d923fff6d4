// The main window's texts for screen readers.
#include "form1_accessibility.h"

#include "game_state.h"
#include "platform/accessible.h"
#include "platform/widgets.h"
#include "puzzle/board.h"
#include "puzzle/word_check.h"

#include <QLabel>

namespace quenza {

namespace {

QString place(int cell) {
    return QStringLiteral("Fila %1, columna %2").arg(row0(cell) + 1).arg(col0(cell) + 1);
}

// A cell hidden while its letter is still on the board was hidden by a
// joker, not found.
QString cellName(const platform::Label* label, int cell) {
    const Board& board = gameState().board;
    if (!board.visible[static_cast<size_t>(cell)]) {
        return place(cell) + QStringLiteral(": encontrada");
    }
    if (label->isHidden()) {
        return place(cell) + QStringLiteral(": oculta");
    }
    return place(cell) + QStringLiteral(": ") + label->text();
}

QString cellDescription(const platform::Label* label, int cell) {
    if (!gameState().board.visible[static_cast<size_t>(cell)]) {
        return QStringLiteral("Letra de una palabra ya encontrada");
    }
    if (label->isHidden()) {
        return QStringLiteral("Letra oculta por el comodín Eliminar");
    }
    return QStringLiteral("Letra de la sopa de letras");
}

QString remainingText(int remaining) {
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(quedanCaption(remaining)))
        .arg(remaining)
        .arg(QLatin1String(palabrasCaption(remaining)));
}

} // namespace

void describeMainWindow(QWidget* window) {
    platform::setAccessibleText(window, QString(),
                                QStringLiteral("Sopa de letras: pulse la primera y la última "
                                               "letra de cada palabra escondida en la cuadrícula"));
    platform::silenceHiddenLabels(window);
}

void presentGrid(QWidget* surface, const std::array<platform::Label*, kCells + 1>& cells,
                 std::function<int()> cursorCell) {
    std::vector<QWidget*> table;
    for (int i = 1; i <= kCells; ++i) {
        const platform::Label* label = cells[static_cast<size_t>(i)];
        table.push_back(cells[static_cast<size_t>(i)]);
        platform::readTextsFrom(
            cells[static_cast<size_t>(i)], [label, i] { return cellName(label, i); },
            [label, i] { return cellDescription(label, i); });
    }
    platform::presentAsTable(surface, table, kSide, QStringLiteral("Sopa de letras"),
                             [cursorCell = std::move(cursorCell)] { return cursorCell() - 1; });
    platform::setAccessibleText(surface, QStringLiteral("Tablero"),
                                QStringLiteral("La sopa de letras, las palabras y el reloj"));
}

void presentClock(QLabel* minuto, QLabel* segundo) {
    const auto name = [minuto, segundo] {
        return QStringLiteral("Tiempo: %1:%2").arg(minuto->text(), segundo->text());
    };
    const auto description = [] { return QStringLiteral("Reloj de la partida"); };
    platform::readTextsFrom(minuto, name, description);
    platform::readTextsFrom(segundo, name, description);
}

void describeCounter(QLabel* numero, int remaining) {
    platform::setAccessibleText(numero, remainingText(remaining),
                                QStringLiteral("Palabras que faltan por encontrar"));
}

void describeScore(QLabel* puntuacion2) {
    platform::setAccessibleText(puntuacion2, QStringLiteral("Puntuación: ") + puntuacion2->text(),
                                QStringLiteral("Puntos de la partida"));
}

void announceBoard(QWidget* window, const Board& board, const QString& levelAndTime) {
    const int words = board.numero;
    QString message =
        QStringLiteral("Tema: %1. %2 %3 %4.")
            .arg(QString::fromStdU32String(board.titulo))
            .arg(words)
            .arg(words == 1 ? QStringLiteral("palabra") : QStringLiteral("palabras"))
            .arg(words == 1 ? QStringLiteral("escondida") : QStringLiteral("escondidas"));
    if (!levelAndTime.isEmpty()) {
        message = levelAndTime + QStringLiteral(". ") + message;
    }
    platform::announce(window, message);
}

void announceLineStarted(QWidget* window, int cell) {
    platform::announce(window,
                       QStringLiteral("Empieza una línea en la %1").arg(place(cell).toLower()));
}

void announceLineDropped(QWidget* window) {
    platform::announce(window, QStringLiteral("Línea anulada"));
}

void announceNotAWord(QWidget* window) {
    platform::announce(window, QStringLiteral("No es una palabra"));
}

void announceWordFound(QWidget* window, const QString& word, int remaining) {
    const QString rest =
        remaining == 0 ? QStringLiteral("No quedan palabras") : remainingText(remaining);
    platform::announce(window, QStringLiteral("%1 encontrada. %2").arg(word, rest));
}

void announceLastSeconds(QWidget* window) {
    platform::announce(window, QStringLiteral("¡Atención! Quedan cinco segundos"));
}

void announceLevelEnd(QWidget* window, int level) {
    platform::announce(window, QStringLiteral("Nivel %1 completado").arg(level));
}

} // namespace quenza
