// Jugar > Guardar and Cargar: the evolution game's progress between levels,
// kept in one file.
#include "form1.h"
#include "game_state.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/timer.h"
#include "puzzle/saved_game.h"

#include <QAction>

namespace quenza {

void Form1::guardame_Click() {
    GameState& state = gameState();
    QStringList lines;
    for (const std::string& line : formatSavedGame(savedGameOf(state, state.award_counters))) {
        lines.append(QString::fromStdString(line));
    }
    // Written whole or not at all: a failed write leaves the old save as it was.
    if (!platform::replaceLines(state.ruta_file03, lines)) {
        // The one write failure the player hears about: they asked for this
        // save and would otherwise believe it made. One line, in the game's
        // plain tone; the level's clock waits while it is read.
        holdClock();
        platform::showMessage(this, QStringLiteral("Quenza"),
                              QStringLiteral("No se ha podido guardar la partida."),
                              [this] { releaseClock(); });
    }
}

void Form1::cargame_Click() {
    GameState& state = gameState();
    std::vector<std::string> lines;
    for (const QString& line : platform::readLinesOrEmpty(state.ruta_file03)) {
        lines.push_back(line.toStdString());
    }
    const auto saved = parseSavedGame(lines);
    if (!saved) {
        // A damaged or foreign file is refused and kept as it is, so nothing
        // the player saved is ever thrown away; the game goes on unchanged,
        // its clock waiting while the message is read.
        holdClock();
        platform::showMessage(this, QStringLiteral("Quenza"),
                              QStringLiteral("No se puede leer la partida guardada."),
                              [this] { releaseClock(); });
        return;
    }
    restoreSavedGame(*saved, state, state.award_counters);
    // A save that cannot be removed (a read-only folder) still loads: the
    // player asked for it, and it stays on disk as it was.
    platform::removeFile(state.ruta_file03);
    evolution_timer->setEnabled(true);
    startLevel(kNoJoker);
}

} // namespace quenza
