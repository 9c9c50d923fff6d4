// Keyboard play on the main window: the cursor's walk over the grid, the keys
// standing in for the pointer and its clicks, and the mouse taking over again.
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/twips.h"
#include "qt_test_registry.h"
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

    // Keys the grid does not use go on to the window, unaccepted, where the
    // menus and the joker buttons may take them.
    void onlyTheGridsOwnKeysAreTaken() {
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_1, Qt::Key_Z}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(form.get(), &event);
            QVERIFY2(!event.isAccepted(), qPrintable(QString::number(key, 16)));
        }
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Space, Qt::Key_Escape}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(form.get(), &event);
            QVERIFY2(event.isAccepted(), qPrintable(QString::number(key, 16)));
        }
        QKeyEvent withCtrl(QEvent::KeyPress, Qt::Key_Left, Qt::ControlModifier);
        QCoreApplication::sendEvent(form.get(), &withCtrl);
        QVERIFY(!withCtrl.isAccepted());
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

QUENZA_QT_TEST(Form1KeyboardTest)
#include "form1_keyboard_test.moc"
