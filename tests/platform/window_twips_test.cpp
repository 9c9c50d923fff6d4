#include "platform/twips.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace quenza::platform {

namespace {

QRect pixelsOf(const QRect& twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

} // namespace

// The offscreen platform draws a thin frame round its windows, so these cases
// also see a frame that only exists once a window is shown.
class WindowTwipsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWindowShownWhereTheProgramPutItKeepsItsTwips() {
        // None of these is a whole number of pixels.
        const QRect twips(1000, 1505, 6481, 6400);
        QWidget window;
        place(&window, twips.x(), twips.y(), 6000, 5000);
        setWindowWidth(&window, twips.width());
        setWindowHeight(&window, twips.height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The outer size is the one set before the frame was known.
        QTRY_COMPARE(window.frameGeometry(), pixelsOf(twips));
        QCOMPARE(twipsOf(&window), twips);

        // Hidden and shown again, nothing moves.
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.frameGeometry(), pixelsOf(twips));
        QCOMPARE(twipsOf(&window), twips);

        // Set on screen, too.
        setWindowHeight(&window, 4000);
        QTRY_COMPARE(window.frameGeometry().height(), twipsToPixels(4000));
        QCOMPARE(twipsOf(&window), QRect(1000, 1505, 6481, 4000));

        // Placed while hidden, it opens where it was put.
        window.hide();
        const QRect elsewhere(3000, 2400, 4000, 2500);
        place(&window, elsewhere.x(), elsewhere.y(), elsewhere.width(), elsewhere.height());
        QCOMPARE(twipsOf(&window), elsewhere);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.windowHandle()->frameGeometry(), pixelsOf(elsewhere));
        QCOMPARE(twipsOf(&window), elsewhere);
    }

    void aWindowPlacedByItsClientAreaKeepsThatClientUnderItsFrame() {
        QWidget window;
        placeClient(&window, 1500, 1200, 3660, 2040);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.frameGeometry().size() != window.size());
        QCOMPARE(window.size(), QSize(twipsToPixels(3660), twipsToPixels(2040)));
        const QRect outer = twipsOf(&window);
        QCOMPARE(outer.topLeft(), QPoint(1500, 1200));
        QCOMPARE(outer.size(), QSize(pixelsToTwips(window.frameGeometry().width()),
                                     pixelsToTwips(window.frameGeometry().height())));
        // Moved by the program, the client keeps its size.
        setLeft(&window, 3000);
        QCOMPARE(window.size(), QSize(twipsToPixels(3660), twipsToPixels(2040)));
        QCOMPARE(twipsOf(&window).x(), 3000);
    }

    void aWindowThePlayerMovedReportsWhereItIs() {
        QWidget main;
        place(&main, 1500, 1500, 6480, 6400);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        // Dragged by its title bar: only the place changes.
        main.move(203, 121);
        QTRY_COMPARE(main.frameGeometry().topLeft(), QPoint(203, 121));
        QCOMPARE(twipsOf(&main), QRect(pixelsToTwips(203), pixelsToTwips(121), 6480, 6400));

        // A dialog placed from the main window opens over the real one.
        QWidget dialog;
        const QRect mainPlace = twipsOf(&main);
        place(&dialog, mainPlace.x(), mainPlace.y(), 3660, 2040);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE(dialog.frameGeometry().topLeft(), main.frameGeometry().topLeft());

        // What the program sets again is exact; the rest stays where the
        // player left it.
        setTop(&main, 1005);
        QTRY_COMPARE(main.frameGeometry().topLeft(), QPoint(203, twipsToPixels(1005)));
        QCOMPARE(twipsOf(&main), QRect(pixelsToTwips(203), 1005, 6480, 6400));

        // Resized by its border: the size follows the outer frame.
        const QSize frame = main.frameGeometry().size() - main.size();
        main.resize(300, 200);
        QTRY_COMPARE(main.size(), QSize(300, 200));
        QCOMPARE(twipsOf(&main).size(),
                 QSize(pixelsToTwips(300 + frame.width()), pixelsToTwips(200 + frame.height())));
        // ...and is not undone by the next move.
        main.move(10, 10);
        QTRY_COMPARE(main.frameGeometry().topLeft(), QPoint(10, 10));
        QCOMPARE(main.size(), QSize(300, 200));
    }

    void aWindowMovedBeforeItIsShownReportsWhereItIs() {
        QWidget window;
        place(&window, 1500, 1500, 3000, 3000);
        window.move(40, 50);
        QCOMPARE(twipsOf(&window), QRect(pixelsToTwips(40), pixelsToTwips(50), 3000, 3000));
        // A control inside keeps its own twips whatever happens to the window.
        QWidget control(&window);
        place(&control, 100, 100, 7, 7);
        window.move(60, 50);
        QCOMPARE(twipsOf(&control), QRect(100, 100, 7, 7));
    }
};

} // namespace quenza::platform

QTEST_MAIN(quenza::platform::WindowTwipsTest)
#include "window_twips_test.moc"
