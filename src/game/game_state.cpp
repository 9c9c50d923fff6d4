#include "game_state.h"

#include "json_arrays.h"
#include "platform/sound.h"
#include "platform/text_file.h"

#include <QDir>
#include <QJsonArray>

namespace quenza {

GameState& gameState() {
    static GameState state;
    return state;
}

void GameState::setDataFolder(const QString& folder) {
    dir_windows = QDir::cleanPath(folder);
    const auto path = [&](int n) { return dir_windows + QStringLiteral("/file0%1.sop").arg(n); };
    ruta_file01 = path(1);
    ruta_file03 = path(3);
    ruta_file04 = path(4);
    ruta_file05 = path(5);
    ruta_file06 = path(6);
    platform::removeFile(ruta_file06);
}

QJsonObject GameState::toJson() const {
    QJsonArray palabra;
    for (const auto& slot : board.celdas_palabra) {
        palabra.append(jsonArray(slot));
    }
    return {
        {QStringLiteral("sonido"), platform::sonido()},
        {QStringLiteral("dir_windows"), dir_windows},
        {QStringLiteral("ruta_file01"), ruta_file01},
        {QStringLiteral("ruta_file03"), ruta_file03},
        {QStringLiteral("ruta_file04"), ruta_file04},
        {QStringLiteral("ruta_file05"), ruta_file05},
        {QStringLiteral("ruta_file06"), ruta_file06},
        {QStringLiteral("celdas_palabra"), palabra},
        {QStringLiteral("celdas_seleccion"), jsonArray(board.celdas_seleccion)},
        {QStringLiteral("direccion_unica"), direccion_unica},
        {QStringLiteral("nivel_actual"), nivel_actual},
        {QStringLiteral("puntuacion"), puntuacion},
        {QStringLiteral("segundos_partida"), segundos_partida},
        {QStringLiteral("comodines"), jsonArray(comodines)},
        {QStringLiteral("comodin_usado"), jsonArray(comodin_usado)},
        {QStringLiteral("sin_comodines"), sin_comodines},
        {QStringLiteral("sin_finalizar"), sin_finalizar},
        {QStringLiteral("racha_sin_comodines"), racha_sin_comodines},
        {QStringLiteral("racha_sin_finalizar"), racha_sin_finalizar},
        {QStringLiteral("especial_disponible"), especial_disponible},
    };
}

} // namespace quenza
