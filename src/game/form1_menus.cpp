// The menu entries that act on the main window itself, and its own surface.
#include "form1.h"
#include "game_state.h"
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
