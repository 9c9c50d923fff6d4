#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "jokers/form4.h"
#include "jokers/level_host.h"
#include "platform/text_file.h"
#include "platform/twips.h"
#include "rankings/form3.h"
#include "rankings/form5.h"
#include "rankings/form7.h"
#include "screen_reader.h"
#include "shell/form6.h"
#include "shell/form8.h"
#include "shell/inicio.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

namespace {

void advance(qint64 ms) {
    static_cast<platform::VirtualClock&>(platform::clock()).advance(ms);
}

// The main window as the level-complete window sees it.
class QuietHost final : public LevelHost {
public:
    QWidget main;
    QWidget* mainWindow() override { return &main; }
    std::int16_t num_palabras() const override { return 5; }
    void hideStopPicture() override {}
    void startLevel(int /*comodinn*/) override {}
};

} // namespace

// What a screen reader hears on every window but the main one, and on the
// main window's menus.
class WindowsAccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> main;
    QStringList handOffs;

    template <typename Window> static Window* shown(Window* window) {
        window->show();
        return window;
    }
    static QWidget* control(QWidget* window, const char* name) {
        return child<QWidget>(window, QLatin1String(name));
    }
    static void expectNoFaults(QWidget* window) {
        const QStringList faults = speechFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        main = loadedMainWindow(handOffs);
        QVERIFY(main != nullptr);
    }
    void cleanup() {
        for (const char* name : {"Inicio", "form8", "Form6", "Form3", "Form5", "Form4", "Form7"}) {
            deleteWindows(name);
        }
        main.reset();
        fixture.reset();
    }

    void mainMenuEntriesReadTheirCaptionAndWhatTheyDo() {
        QAccessibleInterface* bar = readerOf(main->menuBar());
        int described = 0;
        forEachElement(bar, [&](QAccessibleInterface* element) {
            auto* entry = qobject_cast<QAction*>(element->object());
            if (entry == nullptr || entry->isSeparator()) {
                return;
            }
            QCOMPARE(element->role(), QAccessible::MenuItem);
            QCOMPARE(element->text(QAccessible::Name), QString(entry->text()).remove(u'&'));
            QVERIFY2(!element->text(QAccessible::Description).isEmpty(),
                     qPrintable(entry->objectName()));
            QVERIFY(!soundsEnglish(element->text(QAccessible::Description)));
            ++described;
        });
        // Jugar, Nueva partida and its two, Guardar, Cargar, Imprimir, Rankings,
        // Opciones, Sonido and its two, Reiniciar and its two, Ayuda and its two.
        QCOMPARE(described, 18);

        auto* tradicional = child<QAction>(main.get(), QStringLiteral("tradicional"));
        QCOMPARE(descriptionOf(tradicional), QStringLiteral("Empieza una partida tradicional"));
        // The entries keep what Qt's own read: their state and their press.
        QVERIFY(readerOf(child<QAction>(main.get(), QStringLiteral("guardame")))->state().disabled);
        QVERIFY(
            readerOf(child<QAction>(main.get(), QStringLiteral("con_sonido")))->state().checked);
        QAccessibleInterface* acerca =
            readerOf(child<QAction>(main.get(), QStringLiteral("acerca")));
        acerca->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(handOffs, QStringList{QStringLiteral("about")});
    }

    void theSplashAndTheAboutWindowSayWhatTheyShow() {
        auto* splash = shown(new Inicio);
        QCOMPARE(nameOf(splash), QStringLiteral("Quenza"));
        expectNoFaults(splash);

        auto* about = shown(new form8(*main));
        QCOMPARE(nameOf(about), QStringLiteral("Acerca de Quenza"));
        QCOMPARE(nameOf(control(about, "horas")), QStringLiteral("Horas empleadas: 110"));
        QCOMPARE(nameOf(control(about, "lblVersion(1)")), QStringLiteral("Horas empleadas: 110"));
        QVERIFY(nameOf(control(about, "num")).startsWith(QStringLiteral("Número de sopas")));
        expectNoFaults(about);
    }

    void theHelpFollowsTheModeItShows() {
        auto* help = shown(new Form6);
        const QString none = descriptionOf(help);
        child<QAction>(help, QStringLiteral("evolution"))->trigger();
        const QString evolution = descriptionOf(help);
        QVERIFY(evolution.contains(QStringLiteral("Evolution")));
        QCOMPARE(nameOf(control(help, "Image1(2)")), QStringLiteral("Comodín UniDirección"));
        QVERIFY(!descriptionOf(control(help, "Label2(2)")).isEmpty());
        expectNoFaults(help);

        child<QAction>(help, QStringLiteral("tradicional"))->trigger();
        QVERIFY(descriptionOf(help) != evolution && descriptionOf(help) != none);
        QVERIFY(!descriptionOf(child<QAction>(help, QStringLiteral("tradicional"))).isEmpty());
        delete help;
    }

    void theTraditionalResultReadsTheTimeAsOneSentence() {
        main->findChild<QAction*>(QStringLiteral("tradicional"))->trigger();
        child<QLabel>(main.get(), QStringLiteral("minuto"))->setText(QStringLiteral("03"));
        child<QLabel>(main.get(), QStringLiteral("segundo"))->setText(QStringLiteral("25"));
        auto* result = shown(new Form3(*main));
        QCOMPARE(nameOf(result), QStringLiteral("Enhorabuena!!!"));
        for (const char* part : {"Label1", "Label2", "Label5"}) {
            QCOMPARE(nameOf(control(result, part)),
                     QStringLiteral("Has tardado: 03 minutos y 25 segundos"));
        }
        // An empty ranking takes any result.
        QVERIFY(descriptionOf(result).endsWith(QStringLiteral("entrar en el ranking!!!")));
        QCOMPARE(nameOf(control(result, "Text1")), QStringLiteral("Nombre para el ranking"));
        expectNoFaults(result);

        clickOn(control(result, "Picture1"));
        QCOMPARE(descriptionOf(result), QStringLiteral("Nombre guardado en el ranking"));
    }

    void theGameOverReadsLevelAndScoreWithTheirCaptions() {
        gameState().nivel_actual = 7;
        gameState().puntuacion = 345;
        auto* over = shown(new Form5(*main));
        QCOMPARE(nameOf(over), QStringLiteral("Game over"));
        QCOMPARE(nameOf(control(over, "Label3")), QStringLiteral("Nivel conseguido: 7"));
        QCOMPARE(nameOf(control(over, "Label6")), QStringLiteral("Puntuación: 345"));
        QVERIFY(descriptionOf(over).contains(QStringLiteral("Nivel conseguido: 7")));
        expectNoFaults(over);
    }

    void theLevelWindowReadsStocksAndAnnouncesAwards() {
        QuietHost host;
        EvolutionState state;
        state.nivel_actual = 3; // a multiple of 3: one award
        state.comodines.fill(1);
        state.sin_comodines = false;
        state.sin_finalizar = false;
        AwardCounters counters;
        QPointer<Form4> limbo = shown(new Form4(host, state, counters));
        QCOMPARE(nameOf(limbo), QStringLiteral("Limbo de Nivel"));
        QCOMPARE(nameOf(control(limbo, "nivel")), QStringLiteral("Has terminado el nivel 3"));
        QCOMPARE(nameOf(control(limbo, "Check1(1)")), QStringLiteral("Mostrar: queda 1"));
        QCOMPARE(nameOf(control(limbo, "comodin1(8)")), QStringLiteral("Suerte: queda 1"));
        QCOMPARE(nameOf(control(limbo, "Label3")), QStringLiteral("Comodines obtenidos: ninguno"));

        for (int step = 0; step < 100 && control(limbo, "Picture1(0)")->isHidden(); ++step) {
            advance(10);
        }
        QWidget* slot = control(limbo, "Picture1(0)");
        QVERIFY(!slot->isHidden());
        QCOMPARE(descriptionOf(slot), QStringLiteral("Comodín que ganas cada 3 niveles"));
        const QString joker = nameOf(slot).section(QStringLiteral(": "), 1);
        QCOMPARE(nameOf(slot), QStringLiteral("Comodín obtenido: ") + joker);
        QCOMPARE(nameOf(control(limbo, "Label3")), QStringLiteral("Comodines obtenidos: ") + joker);

        // The new stock is read once the label shows it.
        const int k = limbo->fields().value(QStringLiteral("comod2")).toInt();
        QWidget* box = control(limbo, qPrintable(indexed("Check1", k)));
        QCOMPARE(nameOf(box), joker + QStringLiteral(": queda 1"));
        advance(500);
        QCOMPARE(nameOf(box), joker + QStringLiteral(": quedan 2"));
        expectNoFaults(limbo);

        // Suerte says what it did, and its stock catches up with the display.
        auto* suerte = static_cast<QAbstractButton*>(control(limbo, "Suerte"));
        suerte->click();
        QVERIFY2(
            descriptionOf(suerte).contains(QRegularExpression(QStringLiteral("uno (más|menos)"))),
            qPrintable(descriptionOf(suerte)));
        advance(1500);
        QCOMPARE(nameOf(suerte), QStringLiteral("Suerte: quedan 0"));
        limbo->close();
    }

    void theRankingsReadEachRowAndFollowTheView() {
        QVERIFY(platform::replaceLines(gameState().ruta_file04,
                                       {QStringLiteral("3,120,125,\"Ana\",#2002-05-17#")}));
        QVERIFY(platform::replaceLines(gameState().ruta_file05,
                                       {QStringLiteral("42,6,\"Bea\",\"Animales\",#2002-03-05#")}));
        auto* viewer = shown(new Form7(*main));
        advance(100);
        QCOMPARE(nameOf(viewer), QStringLiteral("Rankings - Evolution"));
        QWidget* name = control(viewer, "nombre(0)");
        QCOMPARE(nameOf(name), QStringLiteral("Puesto 1, Nombre: Ana"));
        QCOMPARE(descriptionOf(name), QStringLiteral("Puesto 1: Ana, Nivel 3, Puntuación 120, "
                                                     "Tiempo 02:05, Fecha 17-5-2002"));
        QCOMPARE(nameOf(control(viewer, "posicion(0)")), QStringLiteral("Puesto 1"));
        QCOMPARE(descriptionOf(control(viewer, "fecha(1)")),
                 QStringLiteral("Puesto 2: sin entrada"));
        expectNoFaults(viewer);
        const QString evolutionView = descriptionOf(viewer);

        child<QAction>(viewer, QStringLiteral("tradi"))->trigger();
        advance(100);
        QCOMPARE(nameOf(viewer), QStringLiteral("Rankings - Tradicional"));
        QVERIFY(descriptionOf(viewer) != evolutionView);
        QCOMPARE(descriptionOf(name), QStringLiteral("Puesto 1: Bea, Palabras 6, Tema Animales, "
                                                     "Tiempo 00:42, Fecha 5-3-2002"));
        expectNoFaults(viewer);
        viewer->close();
    }
};

QTEST_MAIN(WindowsAccessibilityTest)
#include "windows_accessibility_test.moc"
