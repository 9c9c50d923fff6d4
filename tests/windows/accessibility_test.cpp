#include "board_play.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/clock.h"
#include "puzzle/theme.h"
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

    // What the window's notification last said, or "" when it never spoke.
    QString heard() const {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        for (int i = 0; i < window->childCount(); ++i) {
            if (window->child(i)->role() == QAccessible::Notification) {
                return window->child(i)->text(QAccessible::Name);
            }
        }
        return {};
    }
    QAccessibleInterface* grid() const {
        QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(cell(1)->parent());
        for (int i = 0; i < surface->childCount(); ++i) {
            if (surface->child(i)->role() == QAccessible::Table) {
                return surface->child(i);
            }
        }
        return nullptr;
    }

    void theGridIsATableOfLettersThatTellTheirPlace() {
        trigger("tradicional");
        QAccessibleInterface* table = grid();
        QVERIFY(table != nullptr);
        QCOMPARE(table->childCount(), kCells);
        QAccessibleTableInterface* rows = table->tableInterface();
        QCOMPARE(rows->rowCount(), kSide);
        QCOMPARE(rows->columnCount(), kSide);
        // Row 3, column 5 is cell 29: read with its place and its letter.
        QAccessibleInterface* reader = rows->cellAt(2, 4);
        QCOMPARE(reader->object(), cell(29));
        QCOMPARE(reader->tableCellInterface()->rowIndex(), 2);
        QCOMPARE(reader->tableCellInterface()->columnIndex(), 4);
        QCOMPARE(reader->parent()->role(), QAccessible::Table);
        const QString letter = static_cast<QLabel*>(cell(29))->text();
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Fila 3, columna 5: ") + letter);
        // The cells are the table's, not the board's.
        QAccessibleInterface* surface = table->parent();
        for (int i = 0; i < surface->childCount(); ++i) {
            QVERIFY(surface->child(i)->role() != QAccessible::Cell);
        }
    }

    void theGameIsSpokenAsItIsPlayed() {
        trigger("tradicional");
        const int words = gameState().board.numero;
        QVERIFY2(heard().startsWith(QStringLiteral("Tema: ")), qPrintable(heard()));
        QVERIFY2(heard().endsWith(QStringLiteral(" %1 palabras escondidas.").arg(words)),
                 qPrintable(heard()));

        const std::vector<int> first = wordCells(0);
        clickOn(cell(first.front()));
        QCOMPARE(heard(), QStringLiteral("Empieza una línea en la fila %1, columna %2")
                              .arg(row0(first.front()) + 1)
                              .arg(col0(first.front()) + 1));
        clickOn(cell(first.front()));
        QCOMPARE(heard(), QStringLiteral("Línea anulada"));

        findWord(form.get(), 0);
        const QString word =
            QString::fromStdU32String(readWordList(gameState().board).resultado[0]);
        QCOMPARE(heard(),
                 QStringLiteral("%1 encontrada. Quedan %2 palabras").arg(word).arg(words - 1));
        for (const int i : first) {
            QVERIFY2(nameOf(cell(i)).endsWith(QStringLiteral(": encontrada")),
                     qPrintable(nameOf(cell(i))));
        }
        QCOMPARE(nameOf(control(QStringLiteral("numero"))),
                 QStringLiteral("Quedan %1 palabras").arg(words - 1));
    }

    void anEvolutionLevelsWordsStayUnreadUntilAJokerShowsThem() {
        trigger("evolution");
        QVERIFY2(heard().startsWith(QStringLiteral("Nivel 1. Tiempo: ")), qPrintable(heard()));
        const auto readable = [this] {
            QStringList words;
            for (int i = 0; i < kSlots; ++i) {
                const QString name = nameOf(control(QStringLiteral("resultado(%1)").arg(i)));
                if (!name.isEmpty()) {
                    words << name;
                }
            }
            return words;
        };
        QCOMPARE(readable(), QStringList());
        gameState().comodines[kMostrar] = 1;
        form->startLevel(kNoJoker);
        static_cast<QPushButton*>(control(QStringLiteral("mostrar")))->click();
        QVERIFY(!readable().isEmpty());
        QVERIFY2(heard().startsWith(QStringLiteral("Comodín Mostrar: las palabras son ") +
                                    readable().first()),
                 qPrintable(heard()));
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

    void theCountDownWarnsAtFiveSecondsAndTheLevelsEndIsSpoken() {
        trigger("evolution");
        advance(1000LL * (secondsOnTheClock() - 5));
        QCOMPARE(nameOf(control(QStringLiteral("minuto"))), QStringLiteral("Tiempo: 00:05"));
        QCOMPARE(heard(), QStringLiteral("¡Atención! Quedan cinco segundos"));

        trigger("evolution");
        const int words = gameState().board.numero;
        for (int slot = 0; slot < words; ++slot) {
            findWord(form.get(), slot);
        }
        QCOMPARE(handOffs.last(), QStringLiteral("level complete"));
        QCOMPARE(heard(), QStringLiteral("Nivel 1 completado"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
