#pragma once

#include "puzzle/board.h"
#include "puzzle/selection.h"

#include <QJsonObject>
#include <QString>
#include <array>
#include <cstdint>

namespace quenza {

// The values every window shares: the board with its word slots and selection,
// the data-file paths and the evolution game's state.
struct GameState {
    Board board;
    SelectionState selection;

    QString dir_windows; // the per-user data folder
    QString ruta_file01;
    QString ruta_file03;
    QString ruta_file04;
    QString ruta_file05;
    QString ruta_file06;

    std::int16_t direccion_unica = 0;

    std::int16_t nivel_actual = 1;
    std::int16_t puntuacion = 0;
    std::int16_t segundos_partida = 0;
    std::array<std::int16_t, 10> comodines{};
    std::array<bool, 10> comodin_usado{};
    bool sin_comodines = true;
    bool sin_finalizar = true;
    std::int16_t racha_sin_comodines = 0;
    std::int16_t racha_sin_finalizar = 0;
    bool especial_disponible = false;

    // Builds the five data-file paths inside `folder`.
    void setDataFolder(const QString& folder);
    QJsonObject toJson() const;
};

GameState& gameState();

} // namespace quenza
