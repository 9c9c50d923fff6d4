// Keyboard play on the main window: the cursor's walk over the grid, the keys
// standing in for the pointer and its clicks, and the mouse taking over again.
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "window_fixture.h"

#include <QLabel>
#include <QtTest>
#include <algorithm>

using namespace quenza;
using namespace quenza::testing;

class Form1KeyboardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    QWidget* cursor() const { return child(form.get(), QStringLiteral("cursor")); }
    QLabel* cell(int i) const { return child<QLabel>(form.get(), cellName(i)); }

    // A key as a person presses it: to whatever has the focus, else the window.
    static void press(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key);
    }
    void press(std::initializer_list<Qt::Key> keys) {
        for (const Qt::Key key : keys) {
            press(key);
        }
    }

    // The cell the cursor frames, 2 pixels clear of it all round; 0 when the
    // cursor is put away or frames no cell.
    int cursorCell() const {
        if (cursor()->isHidden()) {
            return 0;
        }
        const QRect frame = platform::twipsOf(cursor());
        for (int i = 1; i <= kCells; ++i) {
            const QRect place = platform::twipsOf(cell(i));
            if (frame == place.adjusted(-30, -30, 30, 30)) {
                return i;
            }
        }
        return 0;
    }

    std::vector<int> darkCells() const {
        std::vector<int> dark;
        for (int i = 1; i <= kCells; ++i) {
            if (platform::backColor(cell(i)) == 0xFF8080u) {
                dark.push_back(i);
            }
        }
        return dark;
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        form->show();
        form->activateWindow();
        QCoreApplication::processEvents();
        QVERIFY(form->isActiveWindow());
        child<QAction>(form.get(), QStringLiteral("tradicional"))->trigger();
        gameState().selection = {};
    }
    void cleanup() {
        form.reset();
        fixture.reset();
    }

    // No click first: the window gives the grid the keys as soon as it is
    // active, and the first key only shows where the cursor stands.
    void theFirstKeyShowsTheCursorOnTheFirstLetter() {
        QVERIFY(cursor()->isHidden());
        QCOMPARE(cursorCell(), 0);
        QCOMPARE(QApplication::focusWidget(), form->centralWidget());
        press(Qt::Key_Down);
        QCOMPARE(cursorCell(), 1);
        press(Qt::Key_Down);
        QCOMPARE(cursorCell(), 13);
    }

    void theCursorSkipsFoundLettersAndStopsAtTheEdges() {
        for (const int found : {1, 2, 3, 24, 36}) {
            cell(found)->setVisible(false);
        }
        press(Qt::Key_Right);
        QCOMPARE(cursorCell(), 4); // the first letter still shown
        press(Qt::Key_Left);
        QCOMPARE(cursorCell(), 4); // nothing shown to its left
        press(Qt::Key_Up);
        QCOMPARE(cursorCell(), 4);
        for (int step = 0; step < 8; ++step) {
            press(Qt::Key_Right);
        }
        QCOMPARE(cursorCell(), 12);
        press(Qt::Key_Right);
        QCOMPARE(cursorCell(), 12); // no wrapping onto the next row
        press(Qt::Key_Down);
        QCOMPARE(cursorCell(), 48);
        for (int step = 0; step < 12; ++step) {
            press(Qt::Key_Down);
        }
        QCOMPARE(cursorCell(), 144);
        press(Qt::Key_Up);
        QCOMPARE(cursorCell(), 132);
    }

    // Space opens a line where the cursor is, the arrows preview it as the
    // pointer does, Escape drops it and Enter completes one.
    void theKeysMarkALineAsThePointerAndClicksDo() {
        press({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
        QCOMPARE(cursorCell(), 3);
        press(Qt::Key_Space);
        QCOMPARE(gameState().selection.celda_inicio, 3);
        QCOMPARE(darkCells(), std::vector<int>{3}); // shown at once, the cursor still
        press({Qt::Key_Right, Qt::Key_Right});
        QCOMPARE(gameState().selection.celda_raton, 5);
        QCOMPARE(darkCells(), (std::vector<int>{3, 4, 5}));

        press(Qt::Key_Escape);
        QCOMPARE(gameState().selection.celda_inicio, 0);
        QCOMPARE(darkCells(), std::vector<int>{});
        press(Qt::Key_Right);
        QCOMPARE(darkCells(), std::vector<int>{}); // no line open any more

        press({Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left});
        QCOMPARE(gameState().selection.celda_inicio, 6);
        QCOMPARE(gameState().selection.direccion_seleccion, std::string("diagonal"));
        QCOMPARE(darkCells(), (std::vector<int>{6, 17, 28}));
        press(Qt::Key_Return);
        QCOMPARE(gameState().selection.celda_inicio, 0);
        QCOMPARE(darkCells(), std::vector<int>{});
        std::vector<int> built;
        for (const int entry : gameState().board.celdas_seleccion) {
            if (entry != 0) {
                built.push_back(entry);
            }
        }
        std::sort(built.begin(), built.end());
        QCOMPARE(built, (std::vector<int>{6, 17, 28}));
    }

    void aFoundLetterTakesNoClickFromTheKeys() {
        press({Qt::Key_Right, Qt::Key_Right});
        cell(2)->setVisible(false);
        press(Qt::Key_Space);
        QCOMPARE(gameState().selection.celda_inicio, 0);
        press({Qt::Key_Right, Qt::Key_Space});
        QCOMPARE(gameState().selection.celda_inicio, 3);
    }

    void theVisorFrameFollowsTheCursorOverWordLetters() {
        Board& board = gameState().board;
        board.visor = true;
        QWidget* visor = child(form.get(), QStringLiteral("Shape3"));
        const QRect before = platform::twipsOf(visor);
        board.celda_libre.fill(true);
        board.celda_libre[26] = false;
        press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right});
        QCOMPARE(cursorCell(), 14);
        QCOMPARE(platform::twipsOf(visor), before); // a filler letter leaves it
        press(Qt::Key_Down);
        const QRect letter = platform::twipsOf(cell(26));
        QCOMPARE(platform::twipsOf(visor).topLeft(), letter.topLeft() - QPoint(60, 30));
        QVERIFY(platform::twipsOf(cursor()) != platform::twipsOf(visor));
    }

    // Any pointer move over the window puts the cursor away, over controls
    // that do not follow the pointer too; the keys carry on from the letter
    // the pointer last crossed.
    void aPointerMoveHidesTheCursor() {
        press(Qt::Key_Right);
        moveOver(cell(30));
        QCOMPARE(cursorCell(), 0);
        press(Qt::Key_Left);
        QCOMPARE(cursorCell(), 30);
        press(Qt::Key_Left);
        QCOMPARE(cursorCell(), 29);

        moveOver(form->centralWidget(), {5, 5});
        QVERIFY(cursor()->isHidden());
        press(Qt::Key_Up);
        QCOMPARE(cursorCell(), 29);
        moveOver(child(form.get(), QStringLiteral("Frame1")));
        QVERIFY(cursor()->isHidden());
    }
};

QTEST_MAIN(Form1KeyboardTest)
#include "form1_keyboard_test.moc"
