// The menu entries that act on the main window itself, and its own surface.
#include "form1.h"
#include "game_state.h"
#include "platform/accessible.h"
#include "platform/look.h"
#include "platform/sound.h"
#include "platform/text_file.h"
#include "platform/twips.h"

#include <QAction>

namespace quenza {

namespace {
constexpr int kDefaultPointer = 0;
constexpr int kBoardPointer = 99;

bool hasEntries(const QString& rankingPath) {
    return platform::fileSize(rankingPath) > 0;
}

// What each menu entry does, for screen readers. The menus are built with the
// window, elsewhere; these are registered as the program loads, so they are in
// place before a screen reader first reads an entry.
[[maybe_unused]] const bool kMenuEntriesDescribed = platform::describeMenuEntries(
    "Form1", {
                 {"jugar", "Partidas: empezar, guardar y cargar"},
                 {"nuevo", "Empieza una partida nueva"},
                 {"tradicional", "Empieza una partida tradicional"},
                 {"evolution", "Empieza una partida Evolution, por niveles y con comodines"},
                 {"guardame", "Guarda la partida Evolution en curso"},
                 {"cargame", "Sigue la partida Evolution guardada"},
                 {"rankings", "Muestra los mejores resultados de cada modo"},
                 {"opciones", "Sonido y rankings"},
                 {"menu_sonido", "Activa o silencia los sonidos del juego"},
                 {"con_sonido", "Activa los sonidos del juego"},
                 {"sin_sonido", "Silencia los sonidos del juego"},
                 {"Reiniciar_rank", "Borra los resultados de un ranking"},
                 {"reinicio_rank_evol", "Borra el ranking del modo Evolution"},
                 {"reinicio_rank_trad", "Borra el ranking del modo Tradicional"},
                 {"ayuda", "Ayuda y datos del juego"},
                 {"contenido", "Muestra cómo se juega y qué hacen los comodines"},
                 {"acerca", "Muestra la versión y los autores del juego"},
             });
} // namespace

void Form1::con_sonido_Click() {
    con_sonido->setChecked(true);
    platform::sonido() = QStringLiteral("on");
    sin_sonido->setChecked(false);
}

void Form1::sin_sonido_Click() {
    sin_sonido->setChecked(true);
    platform::sonido() = QStringLiteral("off");
    con_sonido->setChecked(false);
}

void Form1::reinicio_rank_evol_Click() {
    platform::removeFile(gameState().ruta_file04);
}

void Form1::reinicio_rank_trad_Click() {
    platform::removeFile(gameState().ruta_file05);
}

void Form1::Form_MouseMove(QPoint pixels) {
    const QPoint twips = platform::pixelsToTwips(pixels);
    const int x = twips.x();
    const int y = twips.y();
    const QRect board = platform::twipsOf(Shape1);
    const bool overBoard = board.left() < x && x < board.left() + board.width() &&
                           board.top() < y && y < board.top() + board.height();
    platform::setMousePointer(this, overBoard ? kBoardPointer : kDefaultPointer);

    const GameState& state = gameState();
    reinicio_rank_trad->setEnabled(hasEntries(state.ruta_file05));
    reinicio_rank_evol->setEnabled(hasEntries(state.ruta_file04));
}

} // namespace quenza
