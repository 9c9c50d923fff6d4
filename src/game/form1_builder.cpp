// Builds the controls and menus of the main window at their designed places.
#include "colors.h"
#include "controls.h"
#include "form1.h"
#include "platform/look.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "puzzle/board.h"

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>

namespace quenza {

namespace {
QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}
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
        jokerFrame();
        timers();
        menus();
    }

private:
    QWidget* s() const { return f.surface_; }

    void outlines() {
        // Drawn first, so that the cells lie above them.
        f.Shape2 = makeShape(s(), QStringLiteral("Shape2"), {240, 690, 3495, 4710}, 0x000000);
        f.Shape1 = makeShape(s(), QStringLiteral("Shape1"), {240, 720, 3375, 4575}, 0x000000);
    }

    void grid() {
        Form1* form = &f;
        for (int i = 1; i <= kCells; ++i) {
            const int left = 480 + 240 * col0(i);
            const int top = 960 + 360 * row0(i);
            auto* cell = makeLabel(s(), indexed("Label1", i), QString(), {left, top, 255, 255});
            setControlFont(cell, QStringLiteral("Arial"), 12);
            f.celdas_[static_cast<size_t>(i)] = cell;
            QObject::connect(cell, &platform::Label::mouseMoved, &f,
                             [form, i] { form->Label1_MouseMove(i); });
            QObject::connect(cell, &platform::Label::clicked, &f,
                             [form, i] { form->Label1_Click(i); });
        }
        // The visor frame lies above the cells it frames.
        f.Shape3 = makeShape(s(), QStringLiteral("Shape3"), {120, 600, 315, 315}, kVisorBorder, 2);
        f.Shape3->setVisible(false);
    }

    void counters() {
        f.Titulo = makeAutoSizeLabel(s(), QStringLiteral("Titulo"), QStringLiteral("Tema"),
                                     {240, 240, 480, 240});
        f.quedan = makeAutoSizeLabel(s(), QStringLiteral("quedan"), QStringLiteral("Quedan"),
                                     {4320, 705, 675, 240});
        f.numero =
            makeLabel(s(), QStringLiteral("numero"), QStringLiteral("XX"), {5040, 705, 210, 240});
        f.palabras = makeAutoSizeLabel(s(), QStringLiteral("palabras"), QStringLiteral("palabras"),
                                       {5280, 705, 735, 240});
        // Shown once a theme is loaded.
        for (QLabel* label : {f.Titulo, f.quedan, f.numero, f.palabras}) {
            label->setVisible(false);
        }
    }

    void wordList() {
        f.Frame1 = makeFrame(s(), QStringLiteral("Frame1"), QStringLiteral("Palabras a encontrar"),
                             {4080, 1080, 2175, 4215});
        platform::setForeColor(f.Frame1, kWordListFrame);
        for (int i = 0; i < kSlots; ++i) {
            const QRect place{240, 360 + 360 * i, 300, 210};
            auto* word =
                makeAutoSizeLabel(f.Frame1, indexed("resultado", i), QStringLiteral("PAL"), place);
            auto* start =
                makeAutoSizeLabel(f.Frame1, indexed("res3", i), QStringLiteral("PAL"), place);
            platform::setForeColor(word, 0x000000);
            platform::setForeColor(start, kFirstLetters);
            word->setVisible(false);
            start->setVisible(false);
            f.resultado_[static_cast<size_t>(i)] = word;
            f.res3_[static_cast<size_t>(i)] = start;
        }
    }

    void clock() {
        f.stop_pict = makePicture(s(), QStringLiteral("stop_pict"), {6240, 50, 495, 495});
        f.stop_pict->setVisible(false);
        f.minuto =
            makeLabel(s(), QStringLiteral("minuto"), QStringLiteral("00"), {6885, 120, 360, 360});
        f.Label6 =
            makeLabel(s(), QStringLiteral("Label6"), QStringLiteral(":"), {7320, 120, 90, 360});
        f.segundo =
            makeLabel(s(), QStringLiteral("segundo"), QStringLiteral("00"), {7440, 120, 360, 360});
        for (QLabel* label : {f.minuto, f.Label6, f.segundo}) {
            setControlFont(label, QStringLiteral("Arial"), 14, true);
        }
    }

    void evolutionLabels() {
        f.ejemplo1 = makeAutoSizeLabel(s(), QStringLiteral("ejemplo1"), QStringLiteral("Ejemplo:"),
                                       {4440, 120, 585, 210});
        f.ejemplo2 = makeAutoSizeLabel(s(), QStringLiteral("ejemplo2"), QStringLiteral("PALABRA1"),
                                       {4440, 360, 870, 210});
        f.puntuacion1 = makeAutoSizeLabel(s(), QStringLiteral("puntuacion1"),
                                          QStringLiteral("Puntuacion:"), {6360, 5320, 840, 210});
        f.puntuacion2 = makeAutoSizeLabel(s(), QStringLiteral("puntuacion2"), QStringLiteral("00"),
                                          {7300, 5320, 210, 240});
        f.Label3 = makeAutoSizeLabel(s(), QStringLiteral("Label3"),
                                     QStringLiteral("Tiempo Comodín:"), {6240, 550, 1215, 210});
        f.Label2 =
            makeLabel(s(), QStringLiteral("Label2"), QStringLiteral("60"), {7500, 530, 210, 240});
        platform::setForeColor(f.ejemplo1, kExampleText);
        platform::setForeColor(f.ejemplo2, kExampleText);
        platform::setForeColor(f.puntuacion1, kScoreTitle);
        platform::setForeColor(f.puntuacion2, 0x000000);
        platform::setForeColor(f.Label3, kJokerTime);
        platform::setForeColor(f.Label2, kJokerTime);
        // The traditional layout shows none of the evolution labels.
        for (QLabel* label :
             {f.ejemplo1, f.ejemplo2, f.puntuacion1, f.puntuacion2, f.Label2, f.Label3}) {
            label->setVisible(false);
        }
    }

    void jokerFrame() {
        f.Comodines = makeFrame(s(), QStringLiteral("Comodines"), QStringLiteral("Comodines"),
                                {6360, 1080, 1335, 4215});
        f.Comodines->setVisible(false);
    }

    void timers() {
        f.Timer1 = new platform::Timer(QStringLiteral("Timer1"), 1000, true, &f);
        f.evolution_timer = new platform::Timer(QStringLiteral("evolution_timer"), 1000, false, &f);
        f.segundos60 = new platform::Timer(QStringLiteral("segundos60"), 1000, false, &f);
        f.stop1 = new platform::Timer(QStringLiteral("stop1"), 500, false, &f);
        f.stop2 = new platform::Timer(QStringLiteral("stop2"), 500, false, &f);
        Form1* form = &f;
        QObject::connect(f.Timer1, &platform::Timer::fired, &f, [form] { form->Timer1_Timer(); });
    }

    void menus() {
        QMenuBar* bar = f.menuBar();
        QMenu* jugar = bar->addMenu(QStringLiteral("Jugar"));
        jugar->setObjectName(QStringLiteral("jugar_menu"));
        jugar->menuAction()->setObjectName(QStringLiteral("jugar"));
        QMenu* nuevo = makeSubmenu(jugar, QStringLiteral("nuevo"), QStringLiteral("Nueva partida"));
        f.tradicional =
            makeMenuEntry(nuevo, QStringLiteral("tradicional"), QStringLiteral("Tradicional"));
        makeSeparator(nuevo, QStringLiteral("n"));
        f.evolution =
            makeMenuEntry(nuevo, QStringLiteral("evolution"), QStringLiteral("Evolution"));
        f.guardame = makeMenuEntry(jugar, QStringLiteral("guardame"), QStringLiteral("Guardar"));
        f.guardame->setEnabled(false);
        f.cargame = makeMenuEntry(jugar, QStringLiteral("cargame"), QStringLiteral("Cargar"));

        f.rankings = bar->addAction(QStringLiteral("Rankings"));
        f.rankings->setObjectName(QStringLiteral("rankings"));

        QMenu* opciones = bar->addMenu(QStringLiteral("Opciones"));
        opciones->setObjectName(QStringLiteral("opciones_menu"));
        opciones->menuAction()->setObjectName(QStringLiteral("opciones"));
        QMenu* sonido =
            makeSubmenu(opciones, QStringLiteral("menu_sonido"), QStringLiteral("Sonido"));
        f.con_sonido = makeMenuEntry(sonido, QStringLiteral("con_sonido"), QStringLiteral("ON"));
        f.sin_sonido = makeMenuEntry(sonido, QStringLiteral("sin_sonido"), QStringLiteral("OFF"));
        for (QAction* entry : {f.con_sonido, f.sin_sonido}) {
            entry->setCheckable(true);
        }
        f.con_sonido->setChecked(true);
        makeSeparator(opciones, QStringLiteral("nn"));
        QMenu* reiniciar = makeSubmenu(opciones, QStringLiteral("Reiniciar_rank"),
                                       QStringLiteral("Reiniciar Rankings"));
        f.reinicio_rank_evol = makeMenuEntry(reiniciar, QStringLiteral("reinicio_rank_evol"),
                                             QStringLiteral("Evolution"));
        f.reinicio_rank_trad = makeMenuEntry(reiniciar, QStringLiteral("reinicio_rank_trad"),
                                             QStringLiteral("Tradicional"));
        f.reinicio_rank_evol->setEnabled(false);
        f.reinicio_rank_trad->setEnabled(false);

        QMenu* ayuda = bar->addMenu(QStringLiteral("Ayuda"));
        ayuda->setObjectName(QStringLiteral("ayuda_menu"));
        ayuda->menuAction()->setObjectName(QStringLiteral("ayuda"));
        f.contenido =
            makeMenuEntry(ayuda, QStringLiteral("contenido"), QStringLiteral("Contenido"));
        f.acerca =
            makeMenuEntry(ayuda, QStringLiteral("acerca"), QStringLiteral("Acerca de Quenza"));

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
        const auto hand = [form](QAction* entry, std::function<void()> Form1::*handOff) {
            QObject::connect(entry, &QAction::triggered, form, [form, handOff] {
                if (form->*handOff) {
                    (form->*handOff)();
                }
            });
        };
        hand(f.rankings, &Form1::showRankings);
        hand(f.contenido, &Form1::showHelp);
        hand(f.acerca, &Form1::showAbout);
        QObject::connect(f.surface_, &platform::Surface::mouseMoved, form,
                         [form](QPoint pixels) { form->Form_MouseMove(pixels); });
    }

    Form1& f;
};

void buildForm1(Form1& form) {
    Form1Builder(form).build();
}

} // namespace quenza
