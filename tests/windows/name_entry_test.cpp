#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/text_file.h"
#include "platform/twips.h"
#include "qt_test_registry.h"
#include "rankings/form5.h"
#include "window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

// The name box and accept button both ranking dialogs share, on the game-over
// dialog; the flows through both dialogs are played by the scenarios.
class NameEntryTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> main;
    QStringList handOffs;

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
    QStringList ranking() const {
        return platform::readLinesOrEmpty(fixture->dataFile("file04.sop"));
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

    // A negative score is shown and stored with its sign; neither a second
    // Enter nor a stray click on the hidden button stores the name again.
    void enterInTheNameBoxAcceptsOnce() {
        QPointer<Form5> dialog = gameOverAt(4, -40, 95);
        QCOMPARE(label(dialog, "Label6")->text(), QStringLiteral("-40"));
        auto* name = child<QLineEdit>(dialog, QStringLiteral("Text1"));
        name->setText(QStringLiteral("Ana, la rápida"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(ranking(),
                 QStringList{QStringLiteral("4,-40,95,\"Ana, la rápida\",#2002-03-05#")});
        QVERIFY(name->isHidden() && label(dialog, "Label5")->isHidden());
        QTest::keyClick(name, Qt::Key_Return);
        QTest::mouseClick(label(dialog, "Picture1"), Qt::LeftButton);
        QCOMPARE(ranking().size(), 1);
        QVERIFY(!QFile::exists(fixture->dataFile("file06.sop")));
    }
};

QUENZA_QT_TEST(NameEntryTest)
#include "name_entry_test.moc"
