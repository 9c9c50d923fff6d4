#include "form1.h"

#include "colors.h"
#include "form1_accessibility.h"
#include "form1_builder.h"
#include "game_state.h"
#include "jokers/joker_frame.h"
#include "json_arrays.h"
#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/text.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QJsonArray>

namespace quenza {

namespace {

std::vector<std::string> toStdLines(const QStringList& lines) {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) {
        out.push_back(line.toStdString());
    }
    return out;
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    buildForm1(*this);
    describeMainWindow(this);
}

Form1::~Form1() = default;

QString Form1::themeFilePath() const {
    return platform::themesFile();
}

bool Form1::Form_Load() {
    GameState& state = gameState();
    for (int i = 1; i <= kCells; ++i) {
        platform::setAlignment(celdas_[static_cast<size_t>(i)], QStringLiteral("center"));
    }
    state.especial_disponible = false;
    platform::sonido() = QStringLiteral("on");
    platform::setWindowHeight(this, 6400);

    platform::ensureDataFolder();
    state.setDataFolder(platform::folders().data);
    gameState().guardado = platform::fileExists(state.ruta_file03);
    cargame->setEnabled(gameState().guardado);
    state.puntuacion = 0;
    for (int i = 1; i <= kCells; ++i) {
        platform::setBackColor(celdas_[static_cast<size_t>(i)], color_celda);
    }

    const auto themes = platform::readLines(themeFilePath());
    if (!themes) {
        fatal(QStringLiteral("No se encuentra el archivo de temas:\n%1\n\n"
                             "Quenza no puede funcionar sin él y se cerrará.")
                  .arg(QDir::toNativeSeparators(themeFilePath())));
        return false;
    }
    sopas_ = saturate16(themes->size());

    platform::ensureFile(state.ruta_file01);
    const QStringList log = platform::readLinesOrEmpty(state.ruta_file01);
    if (loadPlayedLog(toStdLines(log), sopas_, gameState().sopas_jugadas)) {
        platform::truncateFile(state.ruta_file01);
    }

    traditionalLayout();
    return true;
}

void Form1::wire(HandOffs handOffs) {
    const std::pair<const std::function<void()>*, const char*> required[] = {
        {&handOffs.showTraditionalResult, "the traditional result"},
        {&handOffs.showEvolutionGameOver, "the game over"},
        {&handOffs.showLevelComplete, "the level-complete window"},
        {&handOffs.showRankings, "the rankings"},
        {&handOffs.showHelp, "the help"},
        {&handOffs.showAbout, "the about window"},
        {&handOffs.helpForTraditional, "the traditional help"},
        {&handOffs.helpForEvolution, "the evolution help"},
    };
    for (const auto& [handOff, what] : required) {
        if (!*handOff) {
            qFatal("The main window was wired without %s", what);
        }
    }
    handOffs_ = std::move(handOffs);
}

void Form1::handOver(const std::function<void()>& to, const char* what) {
    if (!to) {
        qFatal("The main window hands over to %s, which was never wired", what);
    }
    to();
}

void Form1::fatal(const QString& message) {
    platform::showMessage(this, QStringLiteral("Quenza"), message,
                          [message] { platform::endProgram(message); });
}

void Form1::traditionalLayout() {
    platform::setLeft(stop_pict, 4680);
    platform::setLeft(minuto, 5325);
    platform::setLeft(Label6, 5760);
    platform::setLeft(segundo, 5880);
    platform::setWindowWidth(this, 6480);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the game; nothing is saved on the way out.
    event->accept();
    platform::endProgram();
}

QString Form1::minutoText() const {
    return minuto->text();
}
QString Form1::segundoText() const {
    return segundo->text();
}
QString Form1::tituloText() const {
    return Titulo->text();
}
std::int16_t Form1::num_palabras() const {
    return gameState().board.num_palabras;
}

QJsonObject Form1::fields() const {
    const GameState& state = gameState();
    const Board& board = state.board;
    QJsonObject out{
        {QStringLiteral("modo_juego"), static_cast<int>(gameState().modo_juego)},
        {QStringLiteral("num_palabras"), board.num_palabras},
        {QStringLiteral("sopas"), sopas_},
        {QStringLiteral("visor"), board.visor},
        {QStringLiteral("guardado"), gameState().guardado},
        {QStringLiteral("dentro_seg"), gameState().dentro_seg},
        {QStringLiteral("direccion_seleccion"),
         QString::fromStdString(state.selection.direccion_seleccion)},
        {QStringLiteral("celda_inicio"), state.selection.celda_inicio},
        {QStringLiteral("celda_fin"), state.selection.celda_fin},
        {QStringLiteral("celda_raton"), state.selection.celda_raton},
        {QStringLiteral("celda_libre"), jsonArray(board.celda_libre, true)},
        {QStringLiteral("sopas_jugadas"), jsonArray(gameState().sopas_jugadas)},
    };
    const QJsonObject jokers = Comodines->fields();
    for (auto it = jokers.begin(); it != jokers.end(); ++it) {
        out.insert(it.key(), it.value());
    }
    return out;
}

} // namespace quenza
