// The main window beyond what the scenarios play: the print entry and the
// ranking resets following the game and the files, the board pointer's edge,
// the keys the grid takes and the cursor against the pointer, and what a
// level start does with the joker chosen before it.
#include "board_play.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "qt_test_registry.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
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
    QWidget* control(const char* name) const { return child(form.get(), QLatin1String(name)); }
    QLabel* cell(int i) const { return child<QLabel>(form.get(), cellName(i)); }
    int hiddenCells() const {
        int hidden = 0;
        for (int i = 1; i <= kCells; ++i) {
            hidden += cell(i)->isHidden() ? 1 : 0;
        }
        return hidden;
    }
    // A key as a person presses it: to whatever has the focus.
    static void press(std::initializer_list<Qt::Key> keys) {
        for (const Qt::Key key : keys) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key);
        }
    }
    // The cell the cursor frames, 2 pixels clear of it all round; 0 when the
    // cursor is put away.
    int cursorCell() const {
        const QRect frame = platform::twipsOf(control("cursor"));
        for (int i = 1; i <= kCells && !control("cursor")->isHidden(); ++i) {
            if (frame == platform::twipsOf(cell(i)).adjusted(-30, -30, 30, 30)) {
                return i;
            }
        }
        return 0;
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs, Shown::Active);
        QVERIFY(form != nullptr && form->isActiveWindow());
    }
    void cleanup() {
        form.reset();
        fixture.reset();
    }

    // A traditional board can be printed; an evolution board hides its words,
    // and between games there is nothing to print.
    void printEntryOnlyWhileATraditionalGameRuns() {
        QAction* imprimir = entry("imprimir");
        QVERIFY(!imprimir->isEnabled());
        entry("tradicional")->trigger();
        QVERIFY(imprimir->isEnabled());
        for (int slot = 0; slot < kSlots; ++slot) {
            if (gameState().board.slotPlaced(slot)) {
                findWord(form.get(), slot);
            }
        }
        QCOMPARE(handOffs.last(), QStringLiteral("result"));
        QVERIFY(!imprimir->isEnabled());
        entry("tradicional")->trigger();
        form->startLevel(kNoJoker);
        QVERIFY(!imprimir->isEnabled());
    }

    void rankingResetEntriesFollowTheFiles() {
        QFile ranking(fixture->dataFile("file05.sop"));
        QVERIFY(ranking.open(QIODevice::WriteOnly));
        ranking.close();
        moveOver(form->centralWidget(), QPoint(5, 5));
        QVERIFY(!entry("reinicio_rank_trad")->isEnabled()); // 0 bytes
        QVERIFY(ranking.open(QIODevice::WriteOnly));
        ranking.write("95,8,\"Player\",\"Tema\",#2002-05-17#\r\n");
        ranking.close();
        moveOver(form->centralWidget(), QPoint(5, 5));
        QVERIFY(entry("reinicio_rank_trad")->isEnabled());
        QVERIFY(!entry("reinicio_rank_evol")->isEnabled());
        entry("reinicio_rank_trad")->trigger();
        QVERIFY(!QFile::exists(fixture->dataFile("file05.sop")));
    }

    void pointerBecomesTheBoardPointerOnlyStrictlyInsideTheOutline() {
        const QRect outline = platform::twipsOf(control("Shape1"));
        const auto pointerAt = [&](int x, int y) {
            moveOver(form->centralWidget(),
                     QPoint(platform::twipsToPixels(x), platform::twipsToPixels(y)));
            return platform::mousePointer(form.get());
        };
        const int left = outline.x();
        const int top = outline.y();
        const int right = left + outline.width();
        const int bottom = top + outline.height();
        QCOMPARE(pointerAt(left + 15, top + 15), 99);
        QCOMPARE(pointerAt(right - 15, bottom - 15), 99);
        for (const QPoint edge : {QPoint(left, top + 75), QPoint(left + 75, top),
                                  QPoint(right, top + 75), QPoint(left + 75, bottom)}) {
            QCOMPARE(pointerAt(edge.x(), edge.y()), 0);
        }
    }

    // Keys the grid does not use go on to the window, unaccepted, where the
    // menus and the joker buttons may take them.
    void onlyTheGridsOwnKeysAreTaken() {
        entry("tradicional")->trigger();
        const auto taken = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QKeyEvent event(QEvent::KeyPress, key, modifiers);
            QCoreApplication::sendEvent(form.get(), &event);
            return event.isAccepted();
        };
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_1, Qt::Key_Z}) {
            QVERIFY(!taken(key));
        }
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Space, Qt::Key_Escape}) {
            QVERIFY(taken(key));
        }
        QVERIFY(!taken(Qt::Key_Left, Qt::ControlModifier));
    }

    // A found letter takes no click from the keys; the pointer puts the cursor
    // away, over any control, and the keys carry on from the letter it last
    // crossed.
    void theCursorSkipsFoundLettersAndGivesWayToThePointer() {
        entry("tradicional")->trigger();
        gameState().selection = {};
        press({Qt::Key_Right, Qt::Key_Right});
        cell(2)->setVisible(false);
        press({Qt::Key_Space});
        QCOMPARE(gameState().selection.celda_inicio, 0);
        press({Qt::Key_Right, Qt::Key_Space});
        QCOMPARE(gameState().selection.celda_inicio, 3);
        press({Qt::Key_Escape}); // the line is dropped: a later game starts without it

        moveOver(cell(30));
        QCOMPARE(cursorCell(), 0);
        press({Qt::Key_Left});
        QCOMPARE(cursorCell(), 30);
        press({Qt::Key_Left});
        QCOMPARE(cursorCell(), 29);
        moveOver(control("Frame1"));
        QCOMPARE(cursorCell(), 0);
    }

    void theVisorFrameFollowsTheCursorOverWordLettersOnly() {
        entry("tradicional")->trigger();
        Board& board = gameState().board;
        board.visor = true;
        QWidget* visor = control("Shape3");
        const QRect before = platform::twipsOf(visor);
        board.celda_libre.fill(true);
        board.celda_libre[26] = false;
        press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right});
        QCOMPARE(cursorCell(), 14);
        QCOMPARE(platform::twipsOf(visor), before); // a filler letter leaves it
        press({Qt::Key_Down});
        const QRect letter = platform::twipsOf(cell(26));
        QCOMPARE(platform::twipsOf(visor),
                 QRect(letter.topLeft() - QPoint(60, 30), QSize(315, 315)));
    }

    void mostrarChosenBeforeALevelShowsTheListForTheWholeLevel() {
        entry("evolution")->trigger();
        gameState().comodines[kMostrar] = 2;
        gameState().comodines[kMostrar3] = 2;
        form->startLevel(kMostrar);
        QVERIFY(!gameState().sin_comodines);
        QVERIFY(!control("resultado(0)")->isHidden());
        QVERIFY(!control("mostrar")->isEnabled());
        QVERIFY(!control("mostrar3")->isEnabled());
        QVERIFY(control("borrar")->isEnabled());
    }

    void eliminarChosenBeforeALevelHidesOnlyFillerLetters() {
        entry("evolution")->trigger();
        form->startLevel(kEliminar);
        QVERIFY(hiddenCells() >= 1 && hiddenCells() <= kEliminarDraws);
        for (int i = 1; i <= kCells; ++i) {
            QVERIFY(!cell(i)->isHidden() || gameState().board.celda_libre[static_cast<size_t>(i)]);
        }
    }

    void aNewGameInTheMiddleOfALevelStopsEveryEffect() {
        entry("evolution")->trigger();
        static_cast<QPushButton*>(control("tiempo"))->click();
        static_cast<QPushButton*>(control("borrar"))->click();
        advanceClock(500);
        entry("evolution")->trigger();
        QVERIFY(child<platform::Timer>(form.get(), QStringLiteral("Timer1"))->isEnabled());
        QVERIFY(!child<platform::Timer>(form.get(), QStringLiteral("stop1"))->isEnabled());
        QVERIFY(!child<platform::Timer>(form.get(), QStringLiteral("tcomodin3"))->isEnabled());
        QVERIFY(control("c5")->isHidden());
        QCOMPARE(child<QLabel>(form.get(), QStringLiteral("c5"))->text(), QStringLiteral("60"));
        QCOMPARE(hiddenCells(), 0);
        QVERIFY(control("tiempo")->isEnabled());
    }
};

QUENZA_QT_TEST(Form1Test)
#include "form1_test.moc"
