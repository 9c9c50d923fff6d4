#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/widgets.h"
#include "qt_test_registry.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace quenza::platform {

class WidgetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::primaryScreen()->logicalDotsPerInch() != 96) {
            QSKIP("the pixel sizes below assume a 100 % screen");
        }
    }

    void twipsColoursAndPointerOfAControl() {
        QWidget window;
        QLabel label(&window);
        place(&label, 100, 960, 255, 7);
        setLeft(&label, 480);
        QCOMPARE(twipsOf(&label), QRect(480, 960, 255, 7));
        QCOMPARE(label.geometry(), QRect(32, 64, 17, 0));

        // A window's twips are its outer size.
        place(&window, 1000, 1500, 6480, 6400);
        setTop(&window, 1505);
        setWindowWidth(&window, 3000);
        setWindowHeight(&window, 4515);
        QCOMPARE(twipsOf(&window), QRect(1000, 1505, 3000, 4515));
        QCOMPARE(window.geometry(), QRect(67, 100, 200, 301));

        QLabel unplaced(&window);
        unplaced.setGeometry(10, 20, 30, 40);
        QCOMPARE(twipsOf(&unplaced), QRect(150, 300, 450, 600));

        // Colours are given blue-green-red, as the game's tables hold them.
        setBackColor(&label, 0xFFC0C0);
        setForeColor(&label, 0x00FF00);
        QVERIFY(label.autoFillBackground());
        QCOMPARE(label.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::green));

        // The custom pointer shows while chosen.
        setMousePointer(&window, 99);
        setCustomPointer(&window, QCursor(Qt::PointingHandCursor));
        QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
        setMousePointer(&window, 0);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        setMousePointer(&window, 99);
        QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
    }

    void aMessageBoxIsAnsweredOnceWithOk() {
        QWidget parent;
        int answers = 0;
        showMessage(&parent, QStringLiteral("Quenza"), QStringLiteral("Archivo no encontrado"),
                    [&answers] { ++answers; });
        QPointer box = parent.findChild<QMessageBox*>(QStringLiteral("MsgBox"));
        QVERIFY(box && box->isVisible());
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
        QCOMPARE(answers, 1);
    }

    void aClickIsALeftPressAndReleaseOnTheSameLabel() {
        Surface surface;
        Label label(&surface);
        label.setGeometry(10, 10, 20, 20);
        QSignalSpy clicked(&label, &Label::clicked);
        QSignalSpy doubled(&label, &Label::doubleClicked);
        QSignalSpy released(&label, &Label::released);
        QSignalSpy surfaceClicked(&surface, &Surface::clicked);

        QTest::mouseClick(&label, Qt::LeftButton);
        // A double click replaces the second click.
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5),
                        label.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(&label, &dbl);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(25, 5)); // outside
        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(released.count(), 3);
        QCOMPARE(surfaceClicked.count(), 0);
        QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(surfaceClicked.count(), 1);
    }

    void pointerMovesReachTheControlUnderThePointer() {
        Surface surface;
        surface.resize(100, 100);
        Label label(&surface);
        label.setGeometry(10, 10, 20, 20);
        surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        QSignalSpy labelMoves(&label, &Label::mouseMoved);
        QSignalSpy surfaceMoves(&surface, &Surface::mouseMoved);
        QTest::mouseMove(&surface, QPoint(15, 17));
        QTest::mouseMove(&surface, QPoint(60, 70));
        QCOMPARE(labelMoves.count(), 1);
        QCOMPARE(labelMoves.last().at(0).toPoint(), QPoint(5, 7));
        QCOMPARE(surfaceMoves.count(), 1);
        QCOMPARE(surfaceMoves.last().at(0).toPoint(), QPoint(60, 70));
    }
};

QUENZA_QT_TEST(WidgetsTest)

} // namespace quenza::platform

#include "widgets_test.moc"
