// A traditional game played on a real X server under a window manager: one
// word found with the keys, one with the real pointer, and the line the
// pointer previews checked on the screen's own pixels.
#include "x_game.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>

namespace quenza::display {

namespace {

// The real server answers in its own time: what should happen is awaited up
// to this long, then counts as not happening.
constexpr int kWaitMs = 20000;
// Below the client area's top edge, the menu bar; the grid starts well
// within this many pixels of where the twips alone would put it.
constexpr int kMenuBarAtMost = 60;
constexpr int kSkipped = 77;
// The seeded board places every word of the fixture's themes.
constexpr int kKeyboardSlot = 0;
constexpr int kPointerSlot = 1;
constexpr int kSlots = 10;

const QString kSplashTitle = QStringLiteral("Quenza");
const QString kGameTitle = QStringLiteral("Quenza Tradicional");

QString answerText(const QJsonObject& answer) {
    return QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact));
}

QString colourText(const QColor& colour) {
    return colour.isValid() ? colour.name() : QStringLiteral("none");
}

} // namespace

class RealDisplayTest : public QObject {
    Q_OBJECT

public:
    explicit RealDisplayTest(const QString& display) : tools_(display) {}

private Q_SLOTS:
    void initTestCase() {
        const QStringList missing = XTools::missing();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("needs %1 (scripts/install-deps.sh "
                                                              "installs them)")
                                                   .arg(missing.join(QStringLiteral(", ")))));
        // Out of the way, so no window opens under it and sees it move.
        QVERIFY2(tools_.movePointer({0, 0}), qPrintable(tools_.problem()));

        QProcessEnvironment environment = tools_.environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const QString started =
            driver_.start(QStringLiteral(QUENZA_DRIVER),
                          {QStringLiteral("--program-dir"), QStringLiteral(QUENZA_PROGRAM_DIR),
                           QStringLiteral("--seed"), QStringLiteral("9"), QStringLiteral("--date"),
                           QStringLiteral("2002-03-05")},
                          environment);
        QVERIFY2(started.isEmpty(), qPrintable(started));
        QCOMPARE(failed(QStringLiteral("start")), QString());
        QVERIFY2(
            awaitWindow(kSplashTitle).has_value(),
            qPrintable(QStringLiteral("the splash window never appeared: ") + tools_.problem()));
        QCOMPARE(failed(QStringLiteral("keys Inicio Return")), QString());
        QCOMPARE(failed(QStringLiteral("menu Form1.tradicional")), QString());
        const std::optional<QPoint> client = awaitWindow(kGameTitle);
        QVERIFY2(client.has_value(),
                 qPrintable(QStringLiteral("the game window never appeared: ") + tools_.problem()));
        QCOMPARE(driver_.get(QStringLiteral("Form1.shown")), QJsonValue(true));
        const QJsonObject dump = driver_.send(QStringLiteral("dump")).value(u"value").toObject();
        QCOMPARE(dump.value(u"zoom").toInt(), 100);

        findControlsOnScreen(*client);
    }

    void aWordIsFoundWithTheKeys() {
        const std::optional<PlacedWord> word = wordInSlot(kKeyboardSlot);
        QVERIFY(word.has_value());
        wordsLeft_ = driver_.get(QStringLiteral("Form1.numero.text")).toString().toInt();
        QVERIFY(wordsLeft_ >= 2);
        // The first arrow only shows the cursor where it stands.
        QCOMPARE(failed(QStringLiteral("keys Form1 Right")), QString());
        const QJsonObject cursor = controls().value(u"cursor").toObject();
        QCOMPARE(cursor.value(u"visible"), QJsonValue(true));
        const int cursorCell = cellCentredOn(controls(), twipsOf(cursor));
        QVERIFY2(cursorCell != 0, "the cursor is on no cell");

        QCOMPARE(
            failed(QStringLiteral("keys Form1 ") +
                   (arrowsBetween(cursorCell, word->first) << QStringLiteral("Return")).join(u' ')),
            QString());
        QCOMPARE(driver_.get(QStringLiteral("Form1.celda_inicio")), QJsonValue(word->first));
        QCOMPARE(
            failed(QStringLiteral("keys Form1 ") +
                   (arrowsBetween(word->first, word->last) << QStringLiteral("Return")).join(u' ')),
            QString());
        QCOMPARE(driver_.get(QStringLiteral("Form1.resultado(%1).visible").arg(kKeyboardSlot)),
                 QJsonValue(false));
        QCOMPARE(driver_.get(QStringLiteral("Form1.numero.text")),
                 QJsonValue(QString::number(wordsLeft_ - 1)));
    }

    void aWordIsFoundWithThePointerOverThePreviewDrawn() {
        // Words never cross, so none of its letters went with the first word.
        const std::optional<PlacedWord> word = wordInSlot(kPointerSlot);
        QVERIFY(word.has_value());

        // Where the pointer went is read back from the game (the cell
        // clicked, then the cell the line is previewed to), which proves
        // where each cell is on the screen before its pixels are trusted.
        pointAt(word->first);
        QVERIFY2(tools_.clickLeftButton(), qPrintable(tools_.problem()));
        QCOMPARE(awaitValue(QStringLiteral("Form1.celda_inicio"), word->first),
                 QJsonValue(word->first));
        pointAt(word->last);
        QCOMPARE(awaitValue(QStringLiteral("Form1.celda_raton"), word->last),
                 QJsonValue(word->last));
        QVERIFY(driver_.get(QStringLiteral("Form1.direccion_seleccion")) !=
                QJsonValue(QStringLiteral("ninguna")));

        const QJsonObject shown = controls();
        const QColor preview = colourOf(backColor(shown, word->first));
        for (const int cell : word->cells) {
            QCOMPARE(colourOf(backColor(shown, cell)), preview);
        }
        const int outside = visibleNeighbourOffTheLine(shown, *word);
        QVERIFY2(outside != 0, "every cell round the word is hidden");
        const QColor plain = colourOf(backColor(shown, outside));
        QVERIFY2(plain.isValid() && plain != preview,
                 "the cell off the line has the preview colour in the dump");

        expectOnScreen(*word, preview, outside, plain);
        if (QTest::currentTestFailed()) {
            return;
        }

        QVERIFY2(tools_.clickLeftButton(), qPrintable(tools_.problem()));
        QCOMPARE(awaitValue(QStringLiteral("Form1.resultado(%1).visible").arg(kPointerSlot), false),
                 QJsonValue(false));
    }

    void bothWordsReadAsFound() {
        const QJsonObject shown = controls();
        for (const int slot : {kKeyboardSlot, kPointerSlot}) {
            const std::optional<PlacedWord> word = wordInSlot(slot);
            QVERIFY(word.has_value());
            QCOMPARE(
                shown.value(QStringLiteral("resultado(%1)").arg(slot)).toObject().value(u"visible"),
                QJsonValue(false));
            for (const int cell : word->cells) {
                QCOMPARE(shown.value(cellName(cell)).toObject().value(u"visible"),
                         QJsonValue(false));
            }
        }
        QCOMPARE(driver_.get(QStringLiteral("Form1.numero.text")),
                 QJsonValue(QString::number(wordsLeft_ - 2)));
        QCOMPARE(driver_.get(QStringLiteral("Form1.celda_inicio")), QJsonValue(0));
    }

    // The level-complete window opens as a dot and grows: it keeps the focus
    // it is given, so its keys and tool tips work at once.
    void theLevelCompleteWindowTakesTheKeys() {
        QCOMPARE(failed(QStringLiteral("menu Form1.evolution")), QString());
        QCOMPARE(failed(QStringLiteral("wait 4000")), QString());
        for (int slot = 0; slot < kSlots && driver_.get(QStringLiteral("Form4.shown")) != true;
             ++slot) {
            if (wordInSlot(slot).has_value()) {
                QCOMPARE(failed(QStringLiteral("clickword %1").arg(slot)), QString());
            }
        }
        QCOMPARE(driver_.get(QStringLiteral("Form4.shown")), QJsonValue(true));
        const QString levelWindow = QStringLiteral("Limbo de Nivel");
        QString focused;
        awaitScreen([&] { return (focused = tools_.focusedWindowTitle()) == levelWindow; });
        QCOMPARE(focused, levelWindow);
        // Once grown too, and Qt agrees.
        QCOMPARE(failed(QStringLiteral("wait 1000")), QString());
        QCOMPARE(awaitValue(QStringLiteral("active"), QStringLiteral("Form4")),
                 QJsonValue(QStringLiteral("Form4")));
        QCOMPARE(tools_.focusedWindowTitle(), levelWindow);
    }

    void cleanupTestCase() {
        const int status = driver_.quit();
        QVERIFY2(status == 0, qPrintable(QStringLiteral("the driver ended with %1: %2")
                                             .arg(status)
                                             .arg(driver_.errorOutput())));
    }

private:
    // Plays one command: empty when it succeeded, else what went wrong.
    QString failed(const QString& command) {
        const QJsonObject answer = driver_.send(command);
        return answer.value(u"ok").toBool() ? QString()
                                            : command + QStringLiteral(": ") + answerText(answer);
    }

    // Asks until done() answers true or the wait runs out. The real server
    // delivers in its own time, and each question to the driver lets it
    // handle what came in meanwhile.
    template <typename Done> bool awaitScreen(const Done& done) {
        const QDeadlineTimer deadline(kWaitMs);
        while (!done()) {
            if (deadline.hasExpired()) {
                return false;
            }
            driver_.get(QStringLiteral("time"));
        }
        return true;
    }

    // The last value read of PATH, once it is `expected` or the wait ran out.
    QJsonValue awaitValue(const QString& path, const QJsonValue& expected) {
        QJsonValue value;
        awaitScreen([&] { return (value = driver_.get(path)) == expected; });
        return value;
    }

    std::optional<QPoint> awaitWindow(const QString& title) {
        std::optional<QPoint> origin;
        awaitScreen([&] { return (origin = tools_.clientOrigin(title)).has_value(); });
        return origin;
    }

    QJsonObject controls() {
        return driver_.get(QStringLiteral("Form1")).toObject().value(u"controls").toObject();
    }

    std::optional<PlacedWord> wordInSlot(int slot) {
        return placedWord(
            driver_.get(QStringLiteral("state.celdas_palabra(%1)").arg(slot)).toArray());
    }

    static QString backColor(const QJsonObject& controls, int cell) {
        return controls.value(cellName(cell)).toObject().value(u"backColor").toString();
    }

    // The menu bar sits between the client area's top and the controls, and
    // its height is the style's: it is measured on the screen, down the
    // middle of the first cell.
    void findControlsOnScreen(const QPoint& client) {
        const QJsonObject first = controls().value(cellName(1)).toObject();
        const QColor colour = colourOf(first.value(u"backColor").toString());
        const QRect cell = pixelsOf(first);
        const int x = client.x() + cell.center().x();
        const bool found = awaitScreen([&] {
            const QImage screen = tools_.screenshot();
            for (int below = 0; below <= kMenuBarAtMost; ++below) {
                const int y = client.y() + cell.top() + below;
                if (screen.valid(x, y) && QColor(screen.pixel(x, y)) == colour) {
                    controlsOrigin_ = QPoint(client.x(), client.y() + below);
                    return true;
                }
            }
            return false;
        });
        QVERIFY2(found, qPrintable(QStringLiteral("the first cell's colour never showed below the "
                                                  "game window's top ") +
                                   tools_.problem()));
    }

    QRect cellOnScreen(int cell) {
        return pixelsOf(controls().value(cellName(cell)).toObject()).translated(controlsOrigin_);
    }

    // Clear of the edge that the next cell of the row overlaps.
    QRect cellInsideOnScreen(int cell) { return cellOnScreen(cell).adjusted(2, 2, -2, -2); }

    void pointAt(int cell) {
        QVERIFY2(tools_.movePointer(cellOnScreen(cell).center()), qPrintable(tools_.problem()));
    }

    // A shown cell touching the word but not on it, to check the preview
    // stops where the line does.
    static int visibleNeighbourOffTheLine(const QJsonObject& controls, const PlacedWord& word) {
        for (const int step : {-kColumns, kColumns, -1, 1, -kColumns - 1, -kColumns + 1,
                               kColumns - 1, kColumns + 1}) {
            for (const int cell : word.cells) {
                const int beside = cell + step;
                const bool noWrapAround =
                    std::abs((beside - 1) % kColumns - (cell - 1) % kColumns) <= 1;
                if (beside >= 1 && beside <= kCells && noWrapAround &&
                    !word.cells.contains(beside) &&
                    controls.value(cellName(beside)).toObject().value(u"visible").toBool()) {
                    return beside;
                }
            }
        }
        return 0;
    }

    // The screen catches up with the game when the driver has painted and
    // the server has drawn: screenshots are taken until the pixels agree or
    // the wait runs out.
    void expectOnScreen(const PlacedWord& word, const QColor& preview, int outside,
                        const QColor& plain) {
        QString disagreement;
        const bool agrees = awaitScreen([&] {
            const QImage screen = tools_.screenshot();
            disagreement = screen.isNull() ? tools_.problem() : QString();
            for (const int cell : word.cells) {
                const QColor seen = mostCommonColour(screen, cellInsideOnScreen(cell));
                if (seen != preview) {
                    disagreement += QStringLiteral(" cell %1 is %2, not the preview's %3;")
                                        .arg(cell)
                                        .arg(colourText(seen), colourText(preview));
                }
            }
            const QColor seen = mostCommonColour(screen, cellInsideOnScreen(outside));
            if (seen != plain) {
                disagreement += QStringLiteral(" cell %1 off the line is %2, not %3;")
                                    .arg(outside)
                                    .arg(colourText(seen), colourText(plain));
            }
            return disagreement.isEmpty();
        });
        QVERIFY2(agrees,
                 qPrintable(QStringLiteral("the screen disagrees with the game:") + disagreement));
    }

    XTools tools_;
    DriverProcess driver_;
    QPoint controlsOrigin_;
    int wordsLeft_ = 0;
};

} // namespace quenza::display

// Run by tests/screen_reader/session.py, which starts the X server and the
// window manager and names them in DISPLAY.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        std::puts("skipped: no X server (run me through tests/screen_reader/session.py)");
        return quenza::display::kSkipped;
    }
    quenza::display::RealDisplayTest test(display);
    return QTest::qExec(&test, argc, argv);
}

#include "real_display_test.moc"
