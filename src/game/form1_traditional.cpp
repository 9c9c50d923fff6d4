// The traditional game: the word list shown, the clock counting up, the
// result dialog at the end and a new game after it.
#include "form1.h"
#include "form1_accessibility.h"
#include "game_state.h"
#include "jokers/joker_frame.h"
#include "platform/controls.h"
#include "platform/game_random.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "platform/timer.h"
#include "puzzle/generation.h"
#include "puzzle/text.h"
#include "puzzle/theme.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>

namespace quenza {

namespace {

class PlayedLogOnDisk final : public PlayedLogFile {
public:
    explicit PlayedLogOnDisk(QString path) : path_(std::move(path)) {}
    void append(int theme) override {
        platform::ensureFile(path_);
        platform::appendLine(path_, QString::number(theme));
    }
    void clear() override { platform::truncateFile(path_); }

private:
    QString path_;
};

} // namespace

void Form1::tradicional_Click() {
    guardame->setEnabled(false);
    cargame->setEnabled(false);
    traditionalLayout();
    for (QLabel* label : {ejemplo1, ejemplo2, puntuacion1, puntuacion2}) {
        label->setVisible(false);
    }
    GameState& state = gameState();
    state.racha_sin_comodines = 0;
    state.racha_sin_finalizar = 0;
    // An evolution level left for a traditional game takes its jokers' effects
    // and its timers with it.
    Comodines->endLevel();
    evolution_timer->setEnabled(false);
    segundos60->setEnabled(false);
    startTraditionalGame();
}

void Form1::startTraditionalGame() {
    handOver(handOffs_.helpForTraditional, "the traditional help");
    Label2->setVisible(false);
    Label3->setVisible(false);
    setWindowTitle(QStringLiteral("Quenza Tradicional"));
    Frame1->setTitle(QStringLiteral("Encuentre las palabras"));
    Comodines->setVisible(false);
    minuto->setText(QStringLiteral("00"));
    segundo->setText(QStringLiteral("00"));
    Timer1->setEnabled(true);
    gameState().modo_juego = GameMode::Traditional;
    if (newBoard()) {
        imprimir->setEnabled(true);
        showWordList();
        announceBoard(this, gameState().board, QString());
    }
}

bool Form1::newBoard() {
    GameState& state = gameState();
    Board& board = state.board;
    Random& random = platform::random();
    PlayedLogOnDisk log(state.ruta_file01);
    // A damaged line can leave a theme without a single word on the board;
    // such a theme is passed over rather than giving a game that cannot end,
    // and a library where no line gives a word is as good as an empty one.
    const QStringList themes = platform::readLinesOrEmpty(themeFilePath());
    board.numero = 0;
    for (int attempt = 0; attempt <= sopas_ && board.numero == 0; ++attempt) {
        fillBoard(board, random);
        const int theme =
            drawUnplayedTheme(static_cast<int>(themes.size()), state.sopas_jugadas, log, random);
        if (theme == 0) {
            break;
        }
        placeTheme(board, themes.at(theme - 1).toStdU32String(), state.direccion_unica, random);
    }
    if (board.numero == 0) {
        fatal(QStringLiteral("El archivo de temas está vacío:\n%1\n\n"
                             "Quenza no puede funcionar sin temas y se cerrará.")
                  .arg(QDir::toNativeSeparators(themeFilePath())));
        return false;
    }
    showBoard();
    Titulo->setText(QString::fromStdU32String(board.titulo));
    platform::setControlFont(Titulo, Titulo->font().family(), titleFontSize(board.titulo));
    Titulo->setVisible(true);
    platform::fitToText(Titulo);
    numero->setText(QString::number(board.numero));
    describeCounter(numero, board.numero);
    for (QLabel* label : {numero, quedan, palabras}) {
        label->setVisible(true);
    }
    return true;
}

void Form1::endOfTraditionalGame() {
    handOver(handOffs_.showTraditionalResult, "the traditional result");
    hide();
    Timer1->setEnabled(false);
    imprimir->setEnabled(false);
}

} // namespace quenza
