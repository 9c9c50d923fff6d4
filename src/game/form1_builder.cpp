// Builds the controls and menus of the main window at their designed places.
#include "artwork/picture_catalogue.h"
#include "colors.h"
#include "form1.h"
#include "form1_accessibility.h"
#include "game_state.h"
#include "jokers/joker_frame.h"
#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/look.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "platform/zoom.h"
#include "puzzle/board.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>

namespace quenza {

namespace {
constexpr quint32 kCursorBorder = 0x800000; // dark blue
} // namespace

class Form1Builder {
public:
    explicit Form1Builder(Form1& form) : f(form) {}

    void build() {
        f.setObjectName(QStringLiteral("Form1"));
        f.setWindowTitle(QStringLiteral("Quenza -Zaviv oz Udiruv-"));
        f.surface_ = new platform::Surface(&f);
        f.surface_->setObjectName(QStringLiteral("Form1_surface"));
        f.setCentralWidget(f.surface_);
        platform::setWindowWidth(&f, 7875);
        platform::setWindowHeight(&f, 5625);
        outlines();
        grid();
        counters();
        wordList();
        clock();
        evolutionLabels();
        timers();
        jokerFrame();
        menus();
        keyboard();
    }

private:
    QWidget* s() const { return f.surface_; }

    void outlines() {
        // Drawn first, so that the cells lie above them.
        f.Shape2 =
            platform::makeShape(s(), QStringLiteral("Shape2"), {240, 690, 3495, 4710}, 0x000000);
        f.Shape1 =
            platform::makeShape(s(), QStringLiteral("Shape1"), {240, 720, 3375, 4575}, 0x000000);
    }

    void grid() {
        Form1* form = &f;
        for (int i = 1; i <= kCells; ++i) {
            const int left = 480 + 240 * col0(i);
            const int top = 960 + 360 * row0(i);
            auto* cell = platform::makeLabel(s(), platform::indexed("Label1", i), QString(),
                                             {left, top, 255, 255});
            platform::setControlFont(cell, QStringLiteral("Arial"), 12);
            f.celdas_[static_cast<size_t>(i)] = cell;
            QObject::connect(cell, &platform::Label::mouseMoved, &f,
                             [form, i] { form->Label1_MouseMove(i); });
            QObject::connect(cell, &platform::Label::clicked, &f,
                             [form, i] { form->Label1_Click(i); });
        }
        // The visor frame lies above the cells it frames.
        f.Shape3 = platform::makeShape(s(), QStringLiteral("Shape3"), {120, 600, 315, 315},
                                       kVisorBorder, 2);
        f.Shape3->setVisible(false);
        // The keyboard cursor, above the visor frame; shown only while the
        // keyboard is in use.
        f.cursor_ = platform::makeShape(s(), QStringLiteral("cursor"), {450, 930, 315, 315},
                                        kCursorBorder, 2);
        f.cursor_->setVisible(false);
        presentGrid(f.surface_, f.celdas_,
                    [form] { return form->cursor_->isHidden() ? 0 : form->cursorCell_; });
    }

    void counters() {
        f.Titulo = platform::makeAutoSizeLabel(s(), QStringLiteral("Titulo"),
                                               QStringLiteral("Tema"), {240, 240, 480, 240});
        f.quedan = platform::makeAutoSizeLabel(s(), QStringLiteral("quedan"),
                                               QStringLiteral("Quedan"), {4320, 705, 675, 240});
        f.numero = platform::makeLabel(s(), QStringLiteral("numero"), QStringLiteral("XX"),
                                       {5040, 705, 210, 240});
        f.palabras = platform::makeAutoSizeLabel(s(), QStringLiteral("palabras"),
                                                 QStringLiteral("palabras"), {5280, 705, 735, 240});
        // Shown once a theme is loaded.
        for (QLabel* label : {f.Titulo, f.quedan, f.numero, f.palabras}) {
            label->setVisible(false);
        }
    }

    void wordList() {
        f.Frame1 =
            platform::makeFrame(s(), QStringLiteral("Frame1"),
                                QStringLiteral("Palabras a encontrar"), {4080, 1080, 2175, 4215});
        platform::setForeColor(f.Frame1, kWordListFrame);
        for (int i = 0; i < kSlots; ++i) {
            const QRect place{240, 360 + 360 * i, 300, 210};
            auto* word = platform::makeAutoSizeLabel(f.Frame1, platform::indexed("resultado", i),
                                                     QStringLiteral("PAL"), place);
            auto* start = platform::makeAutoSizeLabel(f.Frame1, platform::indexed("res3", i),
                                                      QStringLiteral("PAL"), place);
            platform::setForeColor(word, 0x000000);
            platform::setForeColor(start, kFirstLetters);
            word->setVisible(false);
            start->setVisible(false);
            f.resultado_[static_cast<size_t>(i)] = word;
            f.res3_[static_cast<size_t>(i)] = start;
        }
    }

    void clock() {
        platform::Label* stop =
            platform::makePicture(s(), QStringLiteral("stop_pict"), {6240, 50, 495, 495});
        platform::showPictureWhenSeen(stop, QLatin1String(kStopPicture));
        f.stop_pict = stop;
        f.stop_pict->setVisible(false);
        f.minuto = platform::makeLabel(s(), QStringLiteral("minuto"), QStringLiteral("00"),
                                       {6885, 120, 360, 360});
        f.Label6 = platform::makeLabel(s(), QStringLiteral("Label6"), QStringLiteral(":"),
                                       {7320, 120, 90, 360});
        f.segundo = platform::makeLabel(s(), QStringLiteral("segundo"), QStringLiteral("00"),
                                        {7440, 120, 360, 360});
        for (QLabel* label : {f.minuto, f.Label6, f.segundo}) {
            platform::setControlFont(label, QStringLiteral("Arial"), 14, true);
        }
        presentClock(f.minuto, f.segundo);
    }

    void evolutionLabels() {
        f.ejemplo1 = platform::makeAutoSizeLabel(s(), QStringLiteral("ejemplo1"),
                                                 QStringLiteral("Ejemplo:"), {4440, 120, 585, 210});
        f.ejemplo2 = platform::makeAutoSizeLabel(s(), QStringLiteral("ejemplo2"),
                                                 QStringLiteral("PALABRA1"), {4440, 360, 870, 210});
        f.puntuacion1 =
            platform::makeAutoSizeLabel(s(), QStringLiteral("puntuacion1"),
                                        QStringLiteral("Puntuacion:"), {6360, 5320, 840, 210});
        f.puntuacion2 = platform::makeAutoSizeLabel(s(), QStringLiteral("puntuacion2"),
                                                    QStringLiteral("00"), {7300, 5320, 210, 240});
        f.Label3 =
            platform::makeAutoSizeLabel(s(), QStringLiteral("Label3"),
                                        QStringLiteral("Tiempo Comodín:"), {6240, 550, 1215, 210});
        f.Label2 = platform::makeLabel(s(), QStringLiteral("Label2"), QStringLiteral("60"),
                                       {7500, 530, 210, 240});
        platform::setForeColor(f.ejemplo1, kExampleText);
        platform::setForeColor(f.ejemplo2, kExampleText);
        platform::setForeColor(f.puntuacion1, kScoreTitle);
        platform::setForeColor(f.puntuacion2, 0x000000);
        platform::setForeColor(f.Label3, kJokerTime);
        f.Label3->setToolTip(
            QStringLiteral("Termina antes de 60 segundos y obtendras un comodin extra"));
        // With today's Arial at the window's size the title runs a few pixels
        // into the seconds beside it; a pixel less of type keeps its colon.
        platform::setControlFont(f.Label3, QStringLiteral("Arial"), 7.5);
        platform::fitToText(f.Label3);
        platform::setForeColor(f.Label2, kJokerTime);
        // The traditional layout shows none of the evolution labels.
        for (QLabel* label :
             {f.ejemplo1, f.ejemplo2, f.puntuacion1, f.puntuacion2, f.Label2, f.Label3}) {
            label->setVisible(false);
        }
    }

    void jokerFrame() {
        JokerTargets targets;
        targets.state = &gameState();
        targets.board = &gameState().board;
        targets.resultado = f.resultado_;
        targets.res3 = f.res3_;
        targets.Frame1 = f.Frame1;
        std::copy(f.celdas_.begin(), f.celdas_.end(), targets.cells.begin());
        targets.Shape3 = f.Shape3;
        targets.stop_pict = f.stop_pict;
        targets.Timer1 = f.Timer1;
        targets.stop1 = f.stop1;
        targets.stop2 = f.stop2;
        Form1* form = &f;
        targets.finishLevel = [form] { form->finishLevel(); };
        f.Comodines = new JokerFrame(s(), std::move(targets));
        f.Comodines->setVisible(false);
    }

    void timers() {
        f.Timer1 = new platform::Timer(QStringLiteral("Timer1"), 1000, true, &f);
        f.evolution_timer = new platform::Timer(QStringLiteral("evolution_timer"), 1000, false, &f);
        f.segundos60 = new platform::Timer(QStringLiteral("segundos60"), 1000, false, &f);
        f.stop1 = new platform::Timer(QStringLiteral("stop1"), 500, false, &f);
        f.stop2 = new platform::Timer(QStringLiteral("stop2"), 500, false, &f);
        Form1* form = &f;
        const auto every = [form](platform::Timer* timer, void (Form1::*handler)()) {
            QObject::connect(timer, &platform::Timer::fired, form,
                             [form, handler] { (form->*handler)(); });
        };
        every(f.Timer1, &Form1::Timer1_Timer);
        every(f.evolution_timer, &Form1::evolution_timer_Timer);
        every(f.segundos60, &Form1::segundos60_Timer);
        every(f.stop1, &Form1::stop1_Timer);
        every(f.stop2, &Form1::stop2_Timer);
    }

    // Every entry is described for screen readers as it is made: what
    // choosing it does.
    static QAction* described(QAction* entry, const char* description) {
        platform::describeMenuEntry(entry, QString::fromUtf8(description));
        return entry;
    }
    static QMenu* described(QMenu* menu, const char* description) {
        described(menu->menuAction(), description);
        return menu;
    }
    static QMenu* barMenu(QMenuBar* bar, const char* name, const QString& caption,
                          const char* description) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(name) + QStringLiteral("_menu"));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return described(menu, description);
    }

    void menus() {
        QMenuBar* bar = f.menuBar();
        QMenu* jugar =
            barMenu(bar, "jugar", QStringLiteral("Jugar"), "Partidas: empezar, guardar y cargar");
        QMenu* nuevo = described(
            platform::makeSubmenu(jugar, QStringLiteral("nuevo"), QStringLiteral("Nueva partida")),
            "Empieza una partida nueva");
        f.tradicional = described(platform::makeMenuEntry(nuevo, QStringLiteral("tradicional"),
                                                          QStringLiteral("Tradicional")),
                                  "Empieza una partida tradicional");
        platform::makeSeparator(nuevo, QStringLiteral("n"));
        f.evolution = described(platform::makeMenuEntry(nuevo, QStringLiteral("evolution"),
                                                        QStringLiteral("Evolution")),
                                "Empieza una partida Evolution, por niveles y con comodines");
        f.guardame = described(
            platform::makeMenuEntry(jugar, QStringLiteral("guardame"), QStringLiteral("Guardar")),
            "Guarda la partida Evolution en curso");
        f.guardame->setEnabled(false);
        f.cargame = described(
            platform::makeMenuEntry(jugar, QStringLiteral("cargame"), QStringLiteral("Cargar")),
            "Sigue la partida Evolution guardada");
        f.addPrintEntry(jugar);

        f.rankings = bar->addAction(QStringLiteral("Rankings"));
        f.rankings->setObjectName(QStringLiteral("rankings"));
        described(f.rankings, "Muestra los mejores resultados de cada modo");

        QMenu* opciones = barMenu(bar, "opciones", QStringLiteral("Opciones"), "Sonido y rankings");
        QMenu* sonido = described(platform::makeSubmenu(opciones, QStringLiteral("menu_sonido"),
                                                        QStringLiteral("Sonido")),
                                  "Activa o silencia los sonidos del juego");
        f.con_sonido = described(
            platform::makeMenuEntry(sonido, QStringLiteral("con_sonido"), QStringLiteral("ON")),
            "Activa los sonidos del juego");
        f.sin_sonido = described(
            platform::makeMenuEntry(sonido, QStringLiteral("sin_sonido"), QStringLiteral("OFF")),
            "Silencia los sonidos del juego");
        for (QAction* entry : {f.con_sonido, f.sin_sonido}) {
            entry->setCheckable(true);
        }
        f.con_sonido->setChecked(true);
        platform::makeSeparator(opciones, QStringLiteral("nn"));
        QMenu* reiniciar =
            described(platform::makeSubmenu(opciones, QStringLiteral("Reiniciar_rank"),
                                            QStringLiteral("Reiniciar Rankings")),
                      "Borra los resultados de un ranking");
        f.reinicio_rank_evol =
            described(platform::makeMenuEntry(reiniciar, QStringLiteral("reinicio_rank_evol"),
                                              QStringLiteral("Evolution")),
                      "Borra el ranking del modo Evolution");
        f.reinicio_rank_trad =
            described(platform::makeMenuEntry(reiniciar, QStringLiteral("reinicio_rank_trad"),
                                              QStringLiteral("Tradicional")),
                      "Borra el ranking del modo Tradicional");
        f.reinicio_rank_evol->setEnabled(false);
        f.reinicio_rank_trad->setEnabled(false);

        QMenu* ayuda = barMenu(bar, "ayuda", QStringLiteral("Ayuda"), "Ayuda y datos del juego");
        f.contenido = described(platform::makeMenuEntry(ayuda, QStringLiteral("contenido"),
                                                        QStringLiteral("Contenido")),
                                "Muestra cómo se juega y qué hacen los comodines");
        f.acerca = described(platform::makeMenuEntry(ayuda, QStringLiteral("acerca"),
                                                     QStringLiteral("Acerca de Quenza")),
                             "Muestra la versión y los autores del juego");

        connectMenus();
    }

    // The connections capture the window, never this short-lived builder.
    void connectMenus() {
        Form1* form = &f;
        const auto on = [form](QAction* entry, void (Form1::*handler)()) {
            QObject::connect(entry, &QAction::triggered, form,
                             [form, handler] { (form->*handler)(); });
        };
        on(f.tradicional, &Form1::tradicional_Click);
        on(f.con_sonido, &Form1::con_sonido_Click);
        on(f.sin_sonido, &Form1::sin_sonido_Click);
        on(f.reinicio_rank_evol, &Form1::reinicio_rank_evol_Click);
        on(f.reinicio_rank_trad, &Form1::reinicio_rank_trad_Click);
        on(f.evolution, &Form1::evolution_Click);
        on(f.guardame, &Form1::guardame_Click);
        on(f.cargame, &Form1::cargame_Click);
        const auto hand = [form](QAction* entry, std::function<void()> Form1::HandOffs::*handOff,
                                 const char* what) {
            QObject::connect(entry, &QAction::triggered, form, [form, handOff, what] {
                Form1::handOver(form->handOffs_.*handOff, what);
            });
        };
        hand(f.rankings, &Form1::HandOffs::showRankings, "the rankings");
        hand(f.contenido, &Form1::HandOffs::showHelp, "the help");
        hand(f.acerca, &Form1::HandOffs::showAbout, "the about window");
        QObject::connect(f.surface_, &platform::Surface::mouseMoved, form,
                         [form](QPoint pixels) { form->Form_MouseMove(pixels); });
    }

    // The surface holds the focus, so the grid hears the keys without a click
    // first; the joker buttons never take it (keys 1 to 6 press them).
    void keyboard() {
        f.surface_->setFocusPolicy(Qt::StrongFocus);
        f.surface_->setFocus();
        QApplication::instance()->installEventFilter(&f);

        // Shown beside the entries; an entry that is disabled ignores its key.
        f.tradicional->setShortcut(QKeySequence(Qt::Key_F2));
        f.evolution->setShortcut(QKeySequence(Qt::Key_F3));
        f.guardame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        f.cargame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
        f.contenido->setShortcut(QKeySequence(Qt::Key_F1));
        f.rankings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
        // Ctrl+Q ends the game as the close box does; the game has no entry for it.
        auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &f);
        Form1* form = &f;
        QObject::connect(quit, &QShortcut::activated, form, [form] { form->close(); });
    }

    Form1& f;
};

void buildForm1(Form1& form) {
    Form1Builder(form).build();
}

} // namespace quenza
