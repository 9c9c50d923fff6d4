#include "platform/twips.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace quenza::platform {

namespace {

// A real server answers in its own time: wait for what should happen, up to this.
constexpr int kWaitMs = 10000;

QRect pixelsOf(const QRect& twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

// Where the window system has the frame, independent of the widget's own
// idea of it (which Qt only refreshes when the client area moves).
QRect frameOnScreen(const QWidget* window) {
    return window->windowHandle()->frameGeometry();
}

int titleBarHeight(const QWidget* window) {
    return window->windowHandle() != nullptr ? window->windowHandle()->frameMargins().top() : 0;
}

void showFramed(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY_WITH_TIMEOUT(titleBarHeight(window) > 5, kWaitMs);
}

// Off screen the window manager lets go of the frame.
void hideUnframed(QWidget* window) {
    window->hide();
    QTRY_COMPARE_WITH_TIMEOUT(titleBarHeight(window), 0, kWaitMs);
}

// The frame is where the twips put it, and the window reports those twips.
void expectFrameAt(const QWidget* window, const QRect& twips) {
    QTRY_COMPARE_WITH_TIMEOUT(frameOnScreen(window), pixelsOf(twips), kWaitMs);
    QCOMPARE(twipsOf(window), twips);
}

} // namespace

// Windows under a window manager that frames them once they are shown.
class WindowFrameTest : public QObject {
    Q_OBJECT

public:
    explicit WindowFrameTest(QString problem) : problem_(std::move(problem)) {}

private Q_SLOTS:
    void initTestCase() {
        if (!problem_.isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("no X server with a window manager: ") + problem_));
        }
    }

    void theOuterSizeSetBeforeTheFrameStaysTheOuterSize() {
        const QRect twips(1500, 1200, 6480, 6400);
        QWidget main;
        place(&main, twips.x(), twips.y(), 5000, 5000);
        setWindowHeight(&main, twips.height());
        setWindowWidth(&main, twips.width());
        showFramed(&main);
        expectFrameAt(&main, twips);
        QCOMPARE(main.height(), pixelsOf(twips).height() -
                                    (frameOnScreen(&main).height() - main.geometry().height()));
    }

    void aWindowShownAgainKeepsItsPlaceOrTakesItsNewOne() {
        const QRect twips(1500, 1200, 3660, 2040);
        QWidget dialog;
        place(&dialog, twips.x(), twips.y(), twips.width(), twips.height());
        showFramed(&dialog);
        expectFrameAt(&dialog, twips);

        // Hidden, it keeps its twips, and shown again its place.
        hideUnframed(&dialog);
        QCOMPARE(twipsOf(&dialog), twips);
        showFramed(&dialog);
        expectFrameAt(&dialog, twips);

        // Placed while hidden, it opens where it was put.
        hideUnframed(&dialog);
        const QRect elsewhere(3000, 2400, 4000, 2500);
        place(&dialog, elsewhere.x(), elsewhere.y(), elsewhere.width(), elsewhere.height());
        QCOMPARE(twipsOf(&dialog), elsewhere);
        showFramed(&dialog);
        expectFrameAt(&dialog, elsewhere);

        // And moved on screen again, it goes exactly there.
        setTop(&dialog, 1500);
        expectFrameAt(&dialog, elsewhere.translated(0, -900));
    }

    // The main window comes back from behind a dialog and at once takes
    // another width: its height must not lose the frame it has yet to get.
    void aWindowResizedAsItIsShownAgainKeepsItsOuterSize() {
        QWidget main;
        place(&main, 1500, 1200, 7965, 6400);
        showFramed(&main);
        for (const int width : {6480, 7965, 6400}) {
            hideUnframed(&main);
            main.show();
            setWindowWidth(&main, width);
            showFramed(&main);
            expectFrameAt(&main, QRect(1500, 1200, width, 6400));
        }
    }

    void aWindowMovedFromOutsideReportsWhereItIs() {
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty()) {
            QSKIP("moving a window from outside the program needs xdotool");
        }
        QWidget main;
        place(&main, 1500, 1200, 6480, 6400);
        showFramed(&main);
        expectFrameAt(&main, QRect(1500, 1200, 6480, 6400));

        // Another client asks the window manager to move the frame, as the
        // player's drag of the title bar has it moved. (A drag simulated with
        // pointer events is taken up by the window manager only now and then.)
        const QRect before = frameOnScreen(&main);
        QProcess mover;
        mover.start(xdotool, {QStringLiteral("windowmove"), QString::number(main.winId()),
                              QStringLiteral("253"), QStringLiteral("187")});
        QVERIFY(mover.waitForFinished(kWaitMs));
        // Whether the frame or the client lands there depends on the gravity
        // the window manager was last given; either way the window has moved.
        QTRY_VERIFY_WITH_TIMEOUT(frameOnScreen(&main).topLeft() != before.topLeft(), kWaitMs);
        const QRect outer = frameOnScreen(&main);
        const QRect mainPlace(pixelsToTwips(outer.x()), pixelsToTwips(outer.y()), 6480, 6400);
        QCOMPARE(twipsOf(&main), mainPlace);

        // A dialog placed from the main window opens over where it is now.
        QWidget dialog;
        place(&dialog, mainPlace.x(), mainPlace.y(), 3660, 2040);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_COMPARE_WITH_TIMEOUT(frameOnScreen(&dialog),
                                  QRect(outer.topLeft(), pixelsOf(QRect(0, 0, 3660, 2040)).size()),
                                  kWaitMs);
        QCOMPARE(twipsOf(&dialog), QRect(mainPlace.x(), mainPlace.y(), 3660, 2040));

        // Moved by the program, the window is exactly where it was put again.
        setLeft(&main, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(frameOnScreen(&main).x(), twipsToPixels(3000), kWaitMs);
        QCOMPARE(twipsOf(&main), QRect(3000, mainPlace.y(), 6480, 6400));
    }

private:
    QString problem_;
};

} // namespace quenza::platform

// Run by tests/screen_reader/session.py, which starts the X server and the
// window manager and names them in DISPLAY.
int main(int argc, char** argv) {
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
    qputenv("QT_QPA_PLATFORM", display ? "xcb" : "offscreen");
    QApplication app(argc, argv);
    quenza::platform::WindowFrameTest test(display ? QString() : QStringLiteral("no DISPLAY"));
    return QTest::qExec(&test, argc, argv);
}

#include "window_frame_test.moc"
