#include "platform/look.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace quenza::platform {

namespace {

class PaletteChanges : public QObject {
public:
    explicit PaletteChanges(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            ++count;
        }
        return false;
    }
};

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::primaryScreen()->logicalDotsPerInch() != 96) {
            QSKIP("the pixel sizes below assume a 100 % screen");
        }
    }

    void controlsKeepTheirTwips() {
        QWidget window;
        QLabel label(&window);
        place(&label, 100, 960, 255, 7);
        QCOMPARE(twipsOf(&label), QRect(100, 960, 255, 7));
        QCOMPARE(label.geometry(), QRect(7, 64, 17, 0));

        setLeft(&label, 480);
        setTop(&label, 30);
        QCOMPARE(twipsOf(&label), QRect(480, 30, 255, 7));
        QCOMPARE(label.pos(), QPoint(32, 2));
        QCOMPARE(label.size(), QSize(17, 0));
    }

    void unplacedWidgetsConvertTheirPixels() {
        QWidget window;
        QLabel label(&window);
        label.setGeometry(10, 20, 30, 40);
        QCOMPARE(twipsOf(&label), QRect(150, 300, 450, 600));
        QCOMPARE(pixelsToTwips(QPoint(3, 4)), QPoint(45, 60));
    }

    void windowsKeepTheirOuterSize() {
        QWidget window;
        place(&window, 1000, 1500, 6480, 6400);
        setWindowWidth(&window, 3000);
        setWindowHeight(&window, 4515);
        QCOMPARE(twipsOf(&window), QRect(1000, 1500, 3000, 4515));
        QCOMPARE(window.size(), QSize(200, 301));
        QCOMPARE(window.pos(), QPoint(67, 100));
    }

    void backColourChangesThePaletteOnlyOnARealChange() {
        QLabel label;
        PaletteChanges changes(&label);
        QVERIFY(!hasBackColor(&label));

        setBackColor(&label, 0xFFC0C0);
        QCOMPARE(changes.count, 1);
        QVERIFY(label.autoFillBackground());
        QCOMPARE(label.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
        QVERIFY(hasBackColor(&label));
        QCOMPARE(backColor(&label), 0xFFC0C0u);

        // The same colour again does not even look at the palette: a palette
        // changed behind its back stays as it is.
        QPalette other = label.palette();
        other.setColor(QPalette::Window, Qt::yellow);
        label.setPalette(other);
        QCOMPARE(changes.count, 2);
        setBackColor(&label, 0xFFC0C0);
        QCOMPARE(changes.count, 2);
        QCOMPARE(label.palette().color(QPalette::Window), QColor(Qt::yellow));

        setBackColor(&label, 0x0000FF);
        QCOMPARE(changes.count, 3);
        QCOMPARE(label.palette().color(QPalette::Window), QColor(Qt::red));
    }

    void foreColourSetsTheTextColour() {
        QLabel label;
        PaletteChanges changes(&label);
        setForeColor(&label, 0x00FF00);
        setForeColor(&label, 0x00FF00);
        QCOMPARE(changes.count, 1);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::green));
        QCOMPARE(foreColor(&label), 0x00FF00u);
        QVERIFY(!hasBackColor(&label));
    }

    void kindAlignmentAndPicture() {
        QLabel label;
        QCOMPARE(kindName(&label), QString());
        setKind(&label, Kind::CheckBox);
        QCOMPARE(kindName(&label), QStringLiteral("checkbox"));

        setAlignment(&label, QStringLiteral("center"));
        QCOMPARE(label.alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(alignment(&label), QStringLiteral("center"));
        setAlignment(&label, QStringLiteral("right"));
        QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignVCenter);

        QLabel other;
        setPictureId(&label, QStringLiteral("stop.bmp"));
        setPictureId(&other, QStringLiteral("stop.bmp"));
        QCOMPARE(pictureId(&label), pictureId(&other));
        setPictureId(&label, QString());
        QCOMPARE(pictureId(&label), QString());
    }

    void mousePointers() {
        QWidget window;
        QCOMPARE(mousePointer(&window), 0);
        setMousePointer(&window, 99);
        QCOMPARE(mousePointer(&window), 99);
        QCOMPARE(window.cursor().shape(), Qt::CrossCursor);

        setCustomPointer(&window, QCursor(Qt::PointingHandCursor));
        QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);

        setMousePointer(&window, 0);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        setMousePointer(&window, 99);
        QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
    }

    void aMessageBoxIsAnsweredWithOk() {
        QWidget parent;
        int closed = 0;
        showMessage(&parent, QStringLiteral("Quenza"), QStringLiteral("Archivo no encontrado"),
                    [&closed] { ++closed; });
        QPointer box = parent.findChild<QMessageBox*>(QStringLiteral("MsgBox"));
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->text(), QStringLiteral("Archivo no encontrado"));

        auto* ok = box->findChild<QPushButton*>(QStringLiteral("OK"));
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(closed, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
        QCOMPARE(closed, 1);
    }

    void closingAMessageBoxCountsAsAnAnswer() {
        int closed = 0;
        showMessage(nullptr, QString(), QStringLiteral("Fin"), [&closed] { ++closed; });
        QPointer box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->objectName(), QStringLiteral("MsgBox"));
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(box.isNull());
        QCOMPARE(closed, 1);
    }

    void aClickIsAPressAndAReleaseOnTheSameLabel() {
        Surface surface;
        Label label(&surface);
        label.setGeometry(10, 10, 20, 20);
        QSignalSpy clicked(&label, &Label::clicked);
        QSignalSpy pressed(&label, &Label::pressed);
        QSignalSpy released(&label, &Label::released);
        QSignalSpy surfaceClicked(&surface, &Surface::clicked);

        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(released.count(), 1);

        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(25, 5)); // outside
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(released.count(), 2);

        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(surfaceClicked.count(), 0);

        QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(surfaceClicked.count(), 1);
    }

    void aDoubleClickReplacesTheSecondClick() {
        Label label;
        label.resize(20, 20);
        QSignalSpy clicked(&label, &Label::clicked);
        QSignalSpy doubled(&label, &Label::doubleClicked);
        QSignalSpy released(&label, &Label::released);

        QTest::mouseClick(&label, Qt::LeftButton);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5),
                        label.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(&label, &dbl);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));

        QCOMPARE(clicked.count(), 1);
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(released.count(), 2);
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
        QCOMPARE(labelMoves.count(), 1);
        QCOMPARE(labelMoves.last().at(0).toPoint(), QPoint(5, 7));
        QCOMPARE(surfaceMoves.count(), 0);

        QTest::mouseMove(&surface, QPoint(60, 70));
        QCOMPARE(surfaceMoves.count(), 1);
        QCOMPARE(surfaceMoves.last().at(0).toPoint(), QPoint(60, 70));
    }
};

} // namespace quenza::platform

QTEST_MAIN(quenza::platform::WidgetsTest)
#include "widgets_test.moc"
