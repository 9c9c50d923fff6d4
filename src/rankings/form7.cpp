#include "rankings/form7.h"

#include "game/form1.h"
#include "game/game_state.h"
#include "platform/accessible.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "puzzle/ranking.h"
#include "puzzle/ranking_view.h"
#include "rankings/form7_table.h"
#include "rankings/ranking_store.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

namespace quenza {

namespace {

constexpr int kEvolutionWidth = 5610;
constexpr int kTraditionalWidth = 6690;
// The design gives no height. This one holds the caption, the menu bar and
// the 15 rows under the usual window frames.
constexpr int kWindowHeight = 4875;
constexpr int kTuneRepeatMs = 3880;
constexpr int kShowAgainMs = 50;

constexpr TableLayout kEvolutionTable{
    .columna3Left = 1440,
    .columna3Caption = "Nivel",
    .columna4Left = 2400,
    .columna4Width = 1425,
    .columna4Caption = "Puntuacion",
    .tiempoHeaderLeft = 3840,
    .tiempoLeft = 3830,
    .fechaLeft = 4560,
    .rowGroupColours = {0x000080, 0x0000C0, 0x0000FF, 0x8080FF, 0xC0C0FF},
};

constexpr TableLayout kTraditionalTable{
    .columna3Left = 2160,
    .columna3Caption = "Palabras",
    .columna4Left = 3120,
    .columna4Width = 2535,
    .columna4Caption = "Tema",
    .tiempoHeaderLeft = 1440,
    .tiempoLeft = 1440,
    .fechaLeft = 5640,
    .rowGroupColours = {0x400000, 0x800000, 0xC00000, 0xFF8080, 0xFFC0C0},
};

std::vector<std::string> rankingLines(const QString& path) {
    const QStringList lines = RankingStore(path, gameState().ruta_file06).lines();
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        out.push_back(line.toStdString());
    }
    return out;
}

bool soundOn() {
    return platform::sonido() == QLatin1String("on");
}

} // namespace

Form7::Form7(Form1& main, QWidget* parent) : QMainWindow(parent), main_(main) {
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    Form_Load();
}

Form7::~Form7() = default;

void Form7::build() {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Rankings"));
    table_ = new RankingTable(this);
    setCentralWidget(table_);

    evol = menuBar()->addAction(QStringLiteral("Evolution"));
    evol->setObjectName(QStringLiteral("evol"));
    tradi = menuBar()->addAction(QStringLiteral("Tradicional"));
    tradi->setObjectName(QStringLiteral("tradi"));
    connect(evol, &QAction::triggered, this, [this] { showEvolutionRanking(); });
    connect(tradi, &QAction::triggered, this, [this] { tradi_Click(); });
    platform::describeMenuEntry(evol, QStringLiteral("Muestra el ranking del modo Evolution"));
    platform::describeMenuEntry(tradi, QStringLiteral("Muestra el ranking del modo Tradicional"));

    t = new platform::Timer(QStringLiteral("t"), 1, false, this);
    E = new platform::Timer(QStringLiteral("E"), 1, false, this);
    Timer1 = new platform::Timer(QStringLiteral("Timer1"), kShowAgainMs, false, this);
    connect(t, &platform::Timer::fired, this, [this] { t_Timer(); });
    connect(E, &platform::Timer::fired, this, [this] { E_Timer(); });
    connect(Timer1, &platform::Timer::fired, this, [this] { Timer1_Timer(); });

    // The read-only cells would take the arrows for their own text cursor;
    // the menu bar keeps its own keys.
    installEventFilter(this);
    table_->installEventFilter(this);
    for (QWidget* control : table_->findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

void Form7::Form_Load() {
    main_.pauseForRankings();
    const QRect mainPlace = platform::twipsOf(&main_);
    platform::place(this, mainPlace.x(), mainPlace.y(), kEvolutionWidth, kWindowHeight);
    showEvolutionRanking();
}

void Form7::startView(platform::Timer* music, const QString& caption, int width,
                      const TableLayout& layout) {
    music->setInterval(1);
    music->setEnabled(true);
    Timer1->setEnabled(true);
    hide();
    setWindowTitle(caption);
    platform::setWindowWidth(this, width);
    table_->arrange(layout);
}

void Form7::showEvolutionRanking() {
    startView(E, QStringLiteral("Rankings - Evolution"), kEvolutionWidth, kEvolutionTable);
    table_->fill(evolutionRows(topEvolution(rankingLines(gameState().ruta_file04))));
    platform::describeControl(this, QStringLiteral("Los mejores resultados del modo Evolution. "
                                                   "Flecha derecha: ranking Tradicional"));
}

void Form7::tradi_Click() {
    startView(t, QStringLiteral("Rankings - Tradicional"), kTraditionalWidth, kTraditionalTable);
    table_->fill(traditionalRows(topTraditional(rankingLines(gameState().ruta_file05))));
    platform::describeControl(this, QStringLiteral("Los mejores resultados del modo Tradicional. "
                                                   "Flecha izquierda: ranking Evolution"));
}

// With the sound off a tick changes nothing, not even the timers: the tune
// that would have started keeps its 1 ms interval and the other one runs on.
void Form7::t_Timer() {
    if (!soundOn()) {
        return;
    }
    platform::playSound(QStringLiteral("wmpaud2"));
    t->setInterval(kTuneRepeatMs);
    E->setEnabled(false);
}

void Form7::E_Timer() {
    if (!soundOn()) {
        return;
    }
    platform::playSound(QStringLiteral("wmpaud5"));
    E->setInterval(kTuneRepeatMs);
    t->setEnabled(false);
}

void Form7::Timer1_Timer() {
    show();
    Timer1->setEnabled(false);
}

bool Form7::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return QMainWindow::eventFilter(watched, event);
    }
    switch (key->key()) {
    case Qt::Key_Left:
        evol->trigger();
        return true;
    case Qt::Key_Right:
        tradi->trigger();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void Form7::closeEvent(QCloseEvent* event) {
    main_.resumeAfterRankings();
    t->setEnabled(false);
    E->setEnabled(false);
    platform::playSound(QStringLiteral("silencio"));
    event->accept();
}

} // namespace quenza
