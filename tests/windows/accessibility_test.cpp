#include "board_play.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/clock.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

// What a screen reader hears on the main window, read through Qt's
// accessibility interface as an AT-SPI client would read it.
class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    static QString read(QWidget* control, QAccessible::Text what) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        if (reader == nullptr) {
            qFatal("no accessibility interface for %s", qPrintable(control->objectName()));
        }
        return reader->text(what);
    }
    static QString nameOf(QWidget* control) { return read(control, QAccessible::Name); }
    static QString descriptionOf(QWidget* control) {
        return read(control, QAccessible::Description);
    }
    QWidget* control(const QString& name) const { return child<QWidget>(form.get(), name); }
    QWidget* cell(int i) const { return control(cellName(i)); }
    static void advance(qint64 ms) {
        static_cast<platform::VirtualClock&>(platform::clock()).advance(ms);
    }
    void trigger(const char* menuEntry) {
        child<QAction>(form.get(), QLatin1String(menuEntry))->trigger();
    }
    int secondsOnTheClock() const {
        return child<QLabel>(form.get(), QStringLiteral("minuto"))->text().toInt() * 60 +
               child<QLabel>(form.get(), QStringLiteral("segundo"))->text().toInt();
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        form->show();
    }
    void cleanup() {
        form.reset();
        fixture.reset();
    }

    void cellsSayTheirRowColumnAndLetter() {
        trigger("tradicional");
        const std::pair<int, const char*> places[] = {{1, "Fila 1, columna 1: "},
                                                      {12, "Fila 1, columna 12: "},
                                                      {13, "Fila 2, columna 1: "},
                                                      {29, "Fila 3, columna 5: "},
                                                      {144, "Fila 12, columna 12: "}};
        for (const auto& [index, place] : places) {
            const QString letter = child<QLabel>(form.get(), cellName(index))->text();
            QVERIFY(!letter.isEmpty());
            QCOMPARE(nameOf(cell(index)), QLatin1String(place) + letter);
            QVERIFY(!descriptionOf(cell(index)).isEmpty());
        }
    }

    void aFoundWordIsHeardOnItsCellsAndTheCounter() {
        trigger("tradicional");
        auto* numero = control(QStringLiteral("numero"));
        const int words = gameState().board.numero;
        QCOMPARE(nameOf(numero), QStringLiteral("Quedan %1 palabras").arg(words));

        const std::vector<int> cells = wordCells(0);
        findWord(form.get(), 0);
        for (const int i : cells) {
            QVERIFY2(nameOf(cell(i)).endsWith(QStringLiteral(": encontrada")),
                     qPrintable(nameOf(cell(i))));
        }
        QCOMPARE(nameOf(numero), QStringLiteral("Quedan %1 palabras").arg(words - 1));

        for (int slot = 1; slot < words - 1; ++slot) {
            findWord(form.get(), slot);
        }
        QCOMPARE(nameOf(numero), QStringLiteral("Queda 1 palabra"));
    }

    void aJokerButtonSaysItsStockAndItsEffect() {
        trigger("evolution");
        gameState().comodines[kEliminar] = 3;
        form->startLevel(kNoJoker);
        auto* borrar = control(QStringLiteral("borrar"));
        QCOMPARE(nameOf(borrar), QStringLiteral("Eliminar: quedan 3"));
        QVERIFY(descriptionOf(borrar).contains(QStringLiteral("Oculta 40 letras")));

        static_cast<QPushButton*>(borrar)->click();
        QCOMPARE(nameOf(borrar), QStringLiteral("Eliminar: quedan 2"));
        QCOMPARE(nameOf(control(QStringLiteral("comodin3"))), QStringLiteral("Eliminar: quedan 2"));
        QCOMPARE(nameOf(control(QStringLiteral("c3"))), QStringLiteral("Eliminar: 45 segundos"));
        advance(1000);
        QCOMPARE(nameOf(control(QStringLiteral("c3"))), QStringLiteral("Eliminar: 44 segundos"));

        const auto erased = [this] {
            int count = 0;
            for (int i = 1; i <= kCells; ++i) {
                const bool hidden = cell(i)->isHidden();
                // A hidden cell says so, a shown one reads its letter.
                const QString name = nameOf(cell(i));
                if (hidden != name.endsWith(QStringLiteral(": oculta"))) {
                    qWarning("cell %d hidden=%d reads %s", i, hidden, qPrintable(name));
                    return -1;
                }
                count += hidden ? 1 : 0;
            }
            return count;
        };
        QVERIFY(erased() >= 1);
        advance(44000);
        QCOMPARE(erased(), 0);
        QCOMPARE(nameOf(control(QStringLiteral("c3"))), QStringLiteral("Eliminar: 45 segundos"));
    }

    void theLastStockIsSingular() {
        trigger("evolution");
        gameState().comodines[kVisor] = 1;
        form->startLevel(kNoJoker);
        QCOMPARE(nameOf(control(QStringLiteral("scanner"))), QStringLiteral("Visor: queda 1"));
    }

    void theWindowIsNamedByItsCaptionAndSaysWhatToDo() {
        trigger("tradicional");
        QCOMPARE(nameOf(form.get()), QStringLiteral("Quenza Tradicional"));
        QVERIFY(!descriptionOf(form.get()).isEmpty());
        trigger("evolution");
        QCOMPARE(nameOf(form.get()), QStringLiteral("Quenza Evolution---->Nivel 1"));
    }

    void theClockIsReadWithItsTime() {
        trigger("tradicional");
        advance(3000);
        QCOMPARE(nameOf(control(QStringLiteral("minuto"))), QStringLiteral("Tiempo: 00:03"));
        QCOMPARE(nameOf(control(QStringLiteral("segundo"))), QStringLiteral("Tiempo: 00:03"));
    }

    void theCountDownWarnsAtFiveSeconds() {
        trigger("evolution");
        auto* minuto = control(QStringLiteral("minuto"));
        const QString calm = descriptionOf(minuto);
        advance(1000LL * (secondsOnTheClock() - 6));
        QCOMPARE(nameOf(minuto), QStringLiteral("Tiempo: 00:06"));
        QCOMPARE(descriptionOf(minuto), calm);
        advance(1000);
        QCOMPARE(nameOf(minuto), QStringLiteral("Tiempo: 00:05"));
        QVERIFY2(descriptionOf(minuto).contains(QStringLiteral("cinco segundos")),
                 qPrintable(descriptionOf(minuto)));
    }

    void theEndOfALevelIsAnnouncedOnTheWindow() {
        trigger("evolution");
        const int words = gameState().board.numero;
        for (int slot = 0; slot < words; ++slot) {
            findWord(form.get(), slot);
        }
        QCOMPARE(handOffs.last(), QStringLiteral("level complete"));
        QCOMPARE(descriptionOf(form.get()), QStringLiteral("Nivel 1 completado"));
        form->show();
        form->startLevel(kNoJoker);
        QVERIFY(descriptionOf(form.get()) != QStringLiteral("Nivel 1 completado"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
