#pragma once

#include "puzzle/board.h"
#include "puzzle/evolution.h"
#include "puzzle/played_log.h"
#include "puzzle/selection.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <cstdint>

namespace quenza {

enum class GameMode : std::int16_t { None = 0, Traditional = 1, Evolution = 2 };

// The values every window shares: the board with its word slots and selection,
// the data-file paths, the mode being played and the evolution game's state.
struct GameState : EvolutionState {
    Board board;
    SelectionState selection;

    QString dir_windows; // the per-user data folder
    QString ruta_file01;
    QString ruta_file03;
    QString ruta_file04;
    QString ruta_file05;
    QString ruta_file06;

    // The dump reports it as its number: 0, 1, 2.
    GameMode modo_juego = GameMode::None;
    // Whether a saved game was on disk when it was last looked for.
    bool guardado = false;
    PlayedThemes sopas_jugadas{};
    // The level-complete window's award counters, kept for the whole run.
    AwardCounters award_counters;

    // Builds the five data-file paths inside `folder` (once, at start-up) and
    // removes the scratch file of a ranking rewrite that was cut short, so no
    // stale file lies there until the next rewrite.
    void setDataFolder(const QString& folder);
    QJsonObject toJson() const;
};

GameState& gameState();

} // namespace quenza
