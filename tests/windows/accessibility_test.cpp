// What a screen reader hears that neither the Orca session nor the AT-SPI
// tree walk reaches: jokers, a level's end, the menus and the other windows,
// read through Qt's accessibility interface as an AT-SPI client reads them.
#include "board_play.h"
#include "game/form1.h"
#include "hand_offs.h"
#include "jokers/form4.h"
#include "jokers/level_host.h"
#include "platform/text_file.h"
#include "rankings/form3.h"
#include "rankings/form5.h"
#include "rankings/form7.h"
#include "shell/form6.h"
#include "shell/form8.h"
#include "shell/inicio.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

using namespace quenza;
using namespace quenza::testing;
using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* readerOf(QObject* control) {
    return QAccessible::queryAccessibleInterface(control);
}
QString nameOf(QObject* control, QAccessible::Text text = QAccessible::Name) {
    return readerOf(control)->text(text);
}
QString descriptionOf(QObject* control) {
    return nameOf(control, QAccessible::Description);
}

void forEachElement(QAccessibleInterface* root,
                    const std::function<void(QAccessibleInterface*)>& visit) {
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* element = root->child(i)) {
            visit(element);
            forEachElement(element, visit);
        }
    }
}

// Words that give away a text left in English (or a Qt default).
bool soundsEnglish(const QString& text) {
    static const QRegularExpression english(
        QStringLiteral("\\b(the|and|of|button|label|window|click|check ?box|picture|image|"
                       "frame|menu|edit|text|field|level|score|jokers?|ranking list)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return english.match(text).hasMatch();
}

// Every element of `window` a player reaches that shows words or a picture
// has a name, and nothing says English: one line per fault.
QStringList speechFaults(QWidget* window) {
    static const QList<QAccessible::Role> speaking{
        QAccessible::StaticText, QAccessible::Graphic,      QAccessible::PushButton,
        QAccessible::CheckBox,   QAccessible::EditableText, QAccessible::Grouping};
    QStringList faults;
    const auto check = [&](QAccessibleInterface* element) {
        const QString who = element->object() ? element->object()->objectName() : QString();
        const QString name = element->text(QAccessible::Name);
        if (soundsEnglish(name) || soundsEnglish(element->text(QAccessible::Description))) {
            faults << who + QStringLiteral(" speaks English");
        }
        if (!element->state().invisible && speaking.contains(element->role()) &&
            name.trimmed().isEmpty()) {
            faults << who + QStringLiteral(" has no name");
        }
    };
    QAccessibleInterface* top = readerOf(window);
    if (top->text(QAccessible::Description).isEmpty()) {
        faults << window->objectName() + QStringLiteral(" has no description");
    }
    check(top);
    forEachElement(top, check);
    return faults;
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

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    QWidget* control(const QString& name) const { return child<QWidget>(form.get(), name); }
    void trigger(const char* menuEntry) {
        child<QAction>(form.get(), QLatin1String(menuEntry))->trigger();
    }
    // What the main window's notification last said.
    QString heard() const {
        QAccessibleInterface* window = readerOf(form.get());
        for (int i = 0; i < window->childCount(); ++i) {
            if (window->child(i)->role() == QAccessible::Notification) {
                return window->child(i)->text(QAccessible::Name);
            }
        }
        return {};
    }
    // Each named control of `window` (the window itself for "") reads its text.
    template <typename Window>
    static void expectNames(Window* window, const QList<std::pair<const char*, QString>>& names) {
        window->show();
        for (const auto& [name, text] : names) {
            QObject* target = *name == '\0' ? static_cast<QObject*>(window)
                                            : child<QObject>(window, QLatin1String(name));
            QCOMPARE(nameOf(target), text);
        }
        const QStringList faults = speechFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs, Shown::Active);
        QVERIFY(form != nullptr);
    }
    void cleanup() {
        for (const char* name : {"Inicio", "form8", "Form6", "Form3", "Form5", "Form4", "Form7"}) {
            deleteWindows(name);
        }
        form.reset();
        fixture.reset();
    }

    void jokersSayWhatTheyShowAndHideAndTheLevelsEndIsSpoken() {
        trigger("evolution");
        QWidget* firstWord = control(QStringLiteral("resultado(0)"));
        QCOMPARE(nameOf(firstWord), QString()); // the list is hidden
        gameState().comodines[kMostrar] = 1;
        gameState().comodines[kEliminar] = 3;
        form->startLevel(kNoJoker);
        static_cast<QPushButton*>(control(QStringLiteral("mostrar")))->click();
        QVERIFY(!nameOf(firstWord).isEmpty());
        // Said in one go with the level's start: both are read, in order.
        QVERIFY2(heard().contains(QStringLiteral(". Comodín Mostrar: las palabras son ") +
                                  nameOf(firstWord)),
                 qPrintable(heard()));

        auto* borrar = static_cast<QPushButton*>(control(QStringLiteral("borrar")));
        QCOMPARE(nameOf(borrar), QStringLiteral("Eliminar: quedan 3"));
        QVERIFY(descriptionOf(borrar).contains(QStringLiteral("Oculta 40 letras")));
        borrar->click();
        QCOMPARE(nameOf(control(QStringLiteral("c3"))), QStringLiteral("Eliminar: 45 segundos"));
        int hidden = 0;
        for (int i = 1; i <= kCells; ++i) { // a hidden cell says so, a shown one its letter
            const bool gone = control(cellName(i))->isHidden();
            QCOMPARE(nameOf(control(cellName(i))).endsWith(QStringLiteral(": oculta")), gone);
            hidden += gone ? 1 : 0;
        }
        QVERIFY(hidden >= 1);

        for (int slot = 0, words = gameState().board.numero; slot < words; ++slot) {
            findWord(form.get(), slot);
        }
        QCOMPARE(handOffs.last(), QStringLiteral("level complete"));
        QVERIFY2(heard().endsWith(QStringLiteral("No quedan palabras. Nivel 1 completado")),
                 qPrintable(heard()));
    }

    void menuEntriesReadTheirCaptionWhatTheyDoAndTheirState() {
        int described = 0;
        forEachElement(readerOf(form->menuBar()), [&](QAccessibleInterface* element) {
            auto* entry = qobject_cast<QAction*>(element->object());
            if (entry == nullptr || entry->isSeparator()) {
                return;
            }
            QCOMPARE(element->text(QAccessible::Name), QString(entry->text()).remove(u'&'));
            const QString description = element->text(QAccessible::Description);
            QVERIFY2(!description.isEmpty() && !soundsEnglish(description),
                     qPrintable(entry->objectName()));
            ++described;
        });
        QCOMPARE(described, 18);
        QCOMPARE(descriptionOf(child<QAction>(form.get(), QStringLiteral("tradicional"))),
                 QStringLiteral("Empieza una partida tradicional"));
        QVERIFY(readerOf(child<QAction>(form.get(), QStringLiteral("guardame")))->state().disabled);
        QVERIFY(
            readerOf(child<QAction>(form.get(), QStringLiteral("con_sonido")))->state().checked);
        readerOf(child<QAction>(form.get(), QStringLiteral("acerca")))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(handOffs, QStringList{QStringLiteral("about")});
    }

    void theOtherWindowsReadTheirCaptionsWithWhatTheyShow() {
        expectNames(new Inicio, {{"", QStringLiteral("Quenza")}});
        expectNames(new form8(*form), {{"", QStringLiteral("Acerca de Quenza")},
                                       {"lblVersion(1)", QStringLiteral("Horas empleadas: 110")}});

        auto* help = new Form6;
        const QString none = descriptionOf(help);
        child<QAction>(help, QStringLiteral("evolution"))->trigger();
        expectNames(help, {{"Image1(2)", QStringLiteral("Comodín UniDirección")}});
        QVERIFY(descriptionOf(help).contains(QStringLiteral("Evolution")));
        child<QAction>(help, QStringLiteral("tradicional"))->trigger();
        QVERIFY(descriptionOf(help) != none && !descriptionOf(help).contains(u"Evolution"_s));

        gameState().nivel_actual = 7;
        gameState().puntuacion = 345;
        expectNames(new Form5(*form), {{"", QStringLiteral("Game over")},
                                       {"Label3", QStringLiteral("Nivel conseguido: 7")},
                                       {"Label6", QStringLiteral("Puntuación: 345")}});

        trigger("tradicional");
        child<QLabel>(form.get(), QStringLiteral("minuto"))->setText(QStringLiteral("03"));
        child<QLabel>(form.get(), QStringLiteral("segundo"))->setText(QStringLiteral("25"));
        auto* result = new Form3(*form);
        expectNames(result, {{"Label2", QStringLiteral("Has tardado: 03 minutos y 25 segundos")},
                             {"Text1", QStringLiteral("Nombre para el ranking")}});
        clickOn(child<QWidget>(result, QStringLiteral("Picture1")));
        QCOMPARE(descriptionOf(result), QStringLiteral("Nombre guardado en el ranking"));
    }

    void theLevelWindowReadsStocksAndAnnouncesAwards() {
        QuietHost host;
        EvolutionState state;
        state.nivel_actual = 3; // a multiple of 3: one award
        state.comodines.fill(1);
        state.sin_comodines = false;
        state.sin_finalizar = false;
        AwardCounters counters;
        auto* limbo = new Form4(host, state, counters);
        expectNames(limbo, {{"nivel", QStringLiteral("Has terminado el nivel 3")},
                            {"Check1(1)", QStringLiteral("Mostrar: queda 1")},
                            {"Label3", QStringLiteral("Comodines obtenidos: ninguno")}});
        advanceClock(300); // the growth ends with the award
        const QString joker = nameOf(child<QWidget>(limbo, QStringLiteral("Picture1(0)")))
                                  .section(QStringLiteral("Comodín obtenido: "), 1);
        QVERIFY(!joker.isEmpty());
        QCOMPARE(nameOf(child<QWidget>(limbo, QStringLiteral("Label3"))),
                 QStringLiteral("Comodines obtenidos: ") + joker);
        const int k = limbo->fields().value(QStringLiteral("comod2")).toInt();
        advanceClock(500); // the new stock is read once its label shows it
        QCOMPARE(nameOf(child<QWidget>(limbo, indexed("Check1", k))), joker + u": quedan 2"_s);
        auto* suerte = child<QPushButton>(limbo, QStringLiteral("Suerte"));
        suerte->click();
        QVERIFY(descriptionOf(suerte).contains(QRegularExpression(u"uno (más|menos)"_s)));
        advanceClock(1500);
        QCOMPARE(nameOf(suerte), QStringLiteral("Suerte: quedan 0"));
    }

    void theRankingsReadEachRowAndFollowTheView() {
        QVERIFY(platform::replaceLines(gameState().ruta_file04,
                                       {QStringLiteral("3,120,125,\"Ana\",#2002-05-17#")}));
        QVERIFY(platform::replaceLines(gameState().ruta_file05,
                                       {QStringLiteral("42,6,\"Bea\",\"Animales\",#2002-03-05#")}));
        auto* viewer = new Form7(*form);
        viewer->show();
        advanceClock(100);
        QWidget* first = child<QWidget>(viewer, QStringLiteral("nombre(0)"));
        expectNames(viewer, {{"", QStringLiteral("Rankings - Evolution")},
                             {"nombre(0)", QStringLiteral("Puesto 1, Nombre: Ana")}});
        QCOMPARE(descriptionOf(first), QStringLiteral("Puesto 1: Ana, Nivel 3, Puntuación 120, "
                                                      "Tiempo 02:05, Fecha 17-5-2002"));
        QCOMPARE(descriptionOf(child<QWidget>(viewer, QStringLiteral("fecha(1)"))),
                 QStringLiteral("Puesto 2: sin entrada"));
        child<QAction>(viewer, QStringLiteral("tradi"))->trigger();
        advanceClock(100);
        expectNames(viewer, {{"", QStringLiteral("Rankings - Tradicional")}});
        QCOMPARE(descriptionOf(first), QStringLiteral("Puesto 1: Bea, Tiempo 00:42, Palabras 6, "
                                                      "Tema Animales, Fecha 5-3-2002"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
