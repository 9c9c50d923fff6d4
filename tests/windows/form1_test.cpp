#include "board_play.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "qt_test_registry.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    QAction* entry(const char* name) const {
        return child<QAction>(form.get(), QLatin1String(name));
    }
    void startTraditional() { entry("tradicional")->trigger(); }

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

    // Ctrl+P prints the board of a traditional game; an evolution board
    // hides its words, and between games there is nothing to print.
    void printEntryOnlyWhileATraditionalGameRuns() {
        QAction* imprimir = entry("imprimir");
        QCOMPARE(imprimir->text(), QStringLiteral("Imprimir…"));
        QCOMPARE(imprimir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(!imprimir->isEnabled());
        startTraditional();
        QVERIFY(imprimir->isEnabled());
        for (int slot = 0; slot < kSlots; ++slot) {
            if (gameState().board.slotPlaced(slot)) {
                findWord(form.get(), slot);
            }
        }
        QVERIFY(handOffs.contains(QStringLiteral("result")));
        QVERIFY(!imprimir->isEnabled());
        startTraditional();
        QVERIFY(imprimir->isEnabled());
        form->startLevel(kNoJoker);
        QVERIFY(!imprimir->isEnabled());
    }

    void pointerBecomesTheBoardPointerOnlyStrictlyInsideTheOutline() {
        QWidget* surface = form->centralWidget();
        const QRect outline = platform::twipsOf(child(form.get(), QStringLiteral("Shape1")));
        const auto pointerAt = [&](int xTwips, int yTwips) {
            moveOver(surface,
                     QPoint(platform::twipsToPixels(xTwips), platform::twipsToPixels(yTwips)));
            return platform::mousePointer(form.get());
        };
        const int left = outline.x();
        const int top = outline.y();
        const int right = left + outline.width();
        const int bottom = top + outline.height();
        QCOMPARE(pointerAt(left + 15, top + 15), 99);
        QCOMPARE(pointerAt(right - 15, bottom - 15), 99);
        // The outline itself is not inside.
        QCOMPARE(pointerAt(left, top + 75), 0);
        QCOMPARE(pointerAt(left + 75, top), 0);
        QCOMPARE(pointerAt(right, top + 75), 0);
        QCOMPARE(pointerAt(left + 75, bottom), 0);
    }

    void rankingResetEntriesFollowTheFiles() {
        QWidget* surface = form->centralWidget();
        QFile ranking(fixture->dataFile("file05.sop"));
        QVERIFY(ranking.open(QIODevice::WriteOnly));
        ranking.close();
        moveOver(surface, QPoint(5, 5));
        QVERIFY(!entry("reinicio_rank_trad")->isEnabled()); // 0 bytes
        QVERIFY(ranking.open(QIODevice::WriteOnly));
        ranking.write("95,8,\"Player\",\"Tema\",#2002-05-17#\r\n");
        ranking.close();
        moveOver(surface, QPoint(5, 5));
        QVERIFY(entry("reinicio_rank_trad")->isEnabled());
        QVERIFY(!entry("reinicio_rank_evol")->isEnabled());
        entry("reinicio_rank_trad")->trigger();
        QVERIFY(!QFile::exists(fixture->dataFile("file05.sop")));
    }
};

QUENZA_QT_TEST(Form1Test)
#include "form1_test.moc"
