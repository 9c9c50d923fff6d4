#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/clock.h"
#include "platform/look.h"
#include "platform/text_file.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "rankings/form5.h"
#include "window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

class Form5Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> main;
    QStringList handOffs;

    // The count-down ran out with this level, score and game time.
    QPointer<Form5> gameOverAt(int nivel, int puntuacion, int segundos = 0) {
        GameState& state = gameState();
        state.nivel_actual = static_cast<std::int16_t>(nivel);
        state.puntuacion = static_cast<std::int16_t>(puntuacion);
        state.segundos_partida = static_cast<std::int16_t>(segundos);
        main->hide();
        auto* dialog = new Form5(*main);
        dialog->show();
        return dialog;
    }
    static QLabel* label(QWidget* window, const char* name) {
        return child<QLabel>(window, QLatin1String(name));
    }
    static QLineEdit* nameBox(QWidget* dialog) {
        return child<QLineEdit>(dialog, QStringLiteral("Text1"));
    }
    QStringList ranking() const {
        return platform::readLinesOrEmpty(fixture->dataFile("file04.sop"));
    }
    // Fifteen results, each line a level below the one before, from 20 down to 6.
    void fillRanking() const {
        QStringList lines;
        for (int level = 20; level >= 6; --level) {
            lines << QStringLiteral("%1,100,600,\"Nivel %1\",#2002-01-01#").arg(level);
        }
        QVERIFY(platform::replaceLines(fixture->dataFile("file04.sop"), lines));
    }
    static void advance(qint64 ms) {
        static_cast<platform::VirtualClock&>(platform::clock()).advance(ms);
    }
    static void closeAndDelete(QWidget* window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        main = loadedMainWindow(handOffs);
        QVERIFY(main != nullptr);
    }
    void cleanup() {
        deleteWindows("Form5");
        main.reset();
        fixture.reset();
    }

    void labelsShowTheirTextsColoursAndFonts() {
        QPointer<Form5> dialog = gameOverAt(12, 345);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Game over"));
        // The design gives the client area; the frame comes on top of it.
        QCOMPARE(dialog->size(),
                 QSize(platform::twipsToPixels(4680), platform::twipsToPixels(2175)));
        struct Look {
            const char* name;
            const char* text;
            QRect twips;
            quint32 colour;
        };
        const Look looks[] = {
            {"Label1", "Te has quedado sin tiempo.", {480, 240, 2775, 255}, 0xFF0000},
            {"Label2", "Nivel conseguido:", {480, 600, 1455, 210}, 0xC00000},
            {"Label3", "12", {2040, 600, 210, 210}, 0xFF0000},
            {"Label7", "Puntuacion:", {480, 960, 960, 210}, 0xC00000},
            {"Label6", "345", {1680, 960, 210, 210}, 0xFF0000},
            {"Label4", "Has conseguido entrar en el ranking!!!", {480, 1320, 3255, 210}, 0x800000},
        };
        for (const Look& look : looks) {
            QLabel* shown = label(dialog, look.name);
            QCOMPARE(shown->text(), QString::fromUtf8(look.text));
            QCOMPARE(platform::twipsOf(shown), look.twips);
            QCOMPARE(platform::foreColor(shown), look.colour);
            QCOMPARE(shown->font().family(), QStringLiteral("Arial"));
            QCOMPARE(shown->font().pointSizeF(), 8.25);
            QVERIFY2(shown->font().bold(), look.name);
            QVERIFY2(!shown->isHidden(), look.name);
        }
        QLabel* prompt = label(dialog, "Label5");
        QCOMPARE(prompt->text(), QStringLiteral("Introduce el nombre:"));
        QVERIFY(!prompt->font().bold());
        QVERIFY(!platform::hasForeColor(prompt));
        QCOMPARE(platform::backColor(nameBox(dialog)), 0xFFC0C0u);
        QCOMPARE(platform::twipsOf(nameBox(dialog)), QRect(2280, 1680, 1095, 285));
        QCOMPARE(platform::twipsOf(label(dialog, "Picture1")), QRect(3600, 1560, 480, 480));
        QVERIFY(label(dialog, "verde")->isHidden());
        QVERIFY(label(dialog, "rojo")->isHidden());
    }

    void opensWithItsCornerAtTheCentreOfTheMainWindow() {
        platform::place(main.get(), 600, 300, 6480, 6400);
        QPointer<Form5> first = gameOverAt(1, 0);
        QCOMPARE(platform::twipsOf(first).topLeft(), QPoint(600 + 3240, 300 + 3200));
        closeAndDelete(first);

        // The player moved and narrowed the main window meanwhile.
        platform::place(main.get(), 1515, 915, 6400, 5000);
        QPointer<Form5> second = gameOverAt(1, 0);
        QCOMPARE(platform::twipsOf(second).topLeft(), QPoint(1515 + 3200, 915 + 2500));
    }

    void anEmptyRankingAdmitsEvenTheWorstResult() {
        QPointer<Form5> dialog = gameOverAt(1, -500);
        QCOMPARE(label(dialog, "Label4")->text(),
                 QStringLiteral("Has conseguido entrar en el ranking!!!"));
        QVERIFY(!label(dialog, "Label5")->isHidden());
        QVERIFY(!nameBox(dialog)->isHidden());
        QCOMPARE(nameBox(dialog)->text(), QStringLiteral("Player"));
        QVERIFY(!label(dialog, "Picture1")->isHidden());
        QCOMPARE(fixture->sounds->take().last().name, QStringLiteral("excellent"));
        // Looking was enough to create the ranking, empty.
        QVERIFY(QFile::exists(fixture->dataFile("file04.sop")));
        QVERIFY(ranking().isEmpty());
    }

    void aFullRankingAdmitsOnlyAPlaceAbove15() {
        fillRanking();
        fixture->sounds->take();
        // Level 7 with fewer points than the 14th entry would only be 15th.
        QPointer<Form5> refused = gameOverAt(7, 50);
        QCOMPARE(label(refused, "Label4")->text(),
                 QStringLiteral("No has conseguido entrar en el ranking"));
        QVERIFY(label(refused, "Label5")->isHidden());
        QVERIFY(nameBox(refused)->isHidden());
        QVERIFY(label(refused, "Picture1")->isHidden());
        QCOMPARE(refused->fields().value(QStringLiteral("posicion_nueva")).toInt(), 15);
        QVERIFY(fixture->sounds->take().isEmpty());
        closeAndDelete(refused);

        // More points than the 14th entry: 14th place, admitted.
        QPointer<Form5> admitted = gameOverAt(7, 150);
        QCOMPARE(admitted->fields().value(QStringLiteral("posicion_nueva")).toInt(), 14);
        QVERIFY(!label(admitted, "Picture1")->isHidden());
    }

    void aNegativeScoreIsShownAndStoredWithItsSign() {
        QPointer<Form5> dialog = gameOverAt(2, -40, 321);
        QCOMPARE(label(dialog, "Label6")->text(), QStringLiteral("-40"));
        clickOn(label(dialog, "Picture1"));
        QCOMPARE(ranking(), QStringList{QStringLiteral("2,-40,321,\"Player\",#2002-03-05#")});
        QVERIFY(label(dialog, "Picture1")->isHidden());
        QVERIFY(nameBox(dialog)->isHidden());
        QVERIFY(label(dialog, "Label5")->isHidden());
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFile::exists(fixture->dataFile("file06.sop")));
    }

    void acceptButtonTurnsGreenUnderThePointerAndRedOutsideIt() {
        QPointer<Form5> dialog = gameOverAt(3, 30);
        auto* button = label(dialog, "Picture1");
        const QString red = platform::pictureId(label(dialog, "rojo"));
        const QString green = platform::pictureId(label(dialog, "verde"));
        QVERIFY(red != green);
        QCOMPARE(platform::pictureId(button), red);
        moveOver(button);
        QCOMPARE(platform::pictureId(button), green);
        // The right edge itself still counts as the button; one pixel beyond does not.
        const int rightEdge = platform::twipsToPixels(3600 + 480);
        const int middle = platform::twipsToPixels(1560 + 240);
        moveOver(dialog, QPoint(rightEdge, middle));
        QCOMPARE(platform::pictureId(button), green);
        moveOver(dialog, QPoint(rightEdge + 1, middle));
        QCOMPARE(platform::pictureId(button), red);
    }

    void enterInTheNameBoxAcceptsOnce() {
        QPointer<Form5> dialog = gameOverAt(4, 80, 95);
        QLineEdit* name = nameBox(dialog);
        name->setText(QStringLiteral("Ana, la rápida"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(ranking(), QStringList{QStringLiteral("4,80,95,\"Ana, la rápida\",#2002-03-05#")});
        QVERIFY(name->isHidden());
        // Neither a second Enter nor a stray click on the hidden button stores it again.
        QTest::keyClick(name, Qt::Key_Return);
        QTest::mouseClick(label(dialog, "Picture1"), Qt::LeftButton);
        QCOMPARE(ranking().size(), 1);
    }

    void closingLeavesTheGameOverBoardAndStoresNothing() {
        QPointer<Form5> dialog = gameOverAt(5, 10);
        fixture->sounds->take();
        closeAndDelete(dialog);
        QVERIFY(dialog.isNull());
        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral(" Game Over "));
        QString firstRow;
        for (int column = 1; column <= 12; ++column) {
            firstRow += child<QLabel>(main.get(), cellName(column))->text();
        }
        QCOMPARE(firstRow, QStringLiteral("GAMEOVER...."));
        QVERIFY(fixture->sounds->take().isEmpty());
        QVERIFY(ranking().isEmpty());
    }

    void theGameTimeStopsWhenTheCountDownRunsOut() {
        child<QAction>(main.get(), QStringLiteral("evolution"))->trigger();
        main->show();
        const int minutes = label(main.get(), "minuto")->text().toInt();
        const int seconds = label(main.get(), "segundo")->text().toInt();
        advance(1000LL * (minutes * 60 + seconds));
        QCOMPARE(handOffs.last(), QStringLiteral("game over"));
        auto* gameTime = child<platform::Timer>(main.get(), QStringLiteral("evolution_timer"));
        QVERIFY(gameTime->isEnabled());

        auto* dialog = new Form5(*main);
        dialog->show();
        QCOMPARE(label(dialog, "Label3")->text(), QStringLiteral("1"));
        QVERIFY(!gameTime->isEnabled());
        const std::int16_t played = gameState().segundos_partida;
        advance(5000);
        QCOMPARE(gameState().segundos_partida, played);
    }
};

QTEST_MAIN(Form5Test)
#include "form5_test.moc"
