#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/look.h"
#include "platform/text_file.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "rankings/form7.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

namespace {

void advance(qint64 ms) {
    static_cast<platform::VirtualClock&>(platform::clock()).advance(ms);
}

const char* const kColumns[] = {"posicion", "nombre", "columna3", "columna4", "tiempo", "fecha"};

struct ViewDesign {
    const char* caption;
    int width;
    const char* captions[2]; // columna3_com, columna4_com
    int headerLefts[4];      // columna3_com .. fecha_com
    int cellLefts[6];        // in the order of kColumns
    int cellWidths[6];
    quint32 groupColours[5]; // rows 1, 2-3, 4-5, 6-10, 11-15
};

const ViewDesign kEvolution{"Rankings - Evolution",
                            5610,
                            {"Nivel", "Puntuacion"},
                            {1440, 2400, 3840, 4560},
                            {0, 480, 1440, 2400, 3830, 4560},
                            {495, 975, 975, 1425, 735, 975},
                            {0x000080, 0x0000C0, 0x0000FF, 0x8080FF, 0xC0C0FF}};
const ViewDesign kTraditional{"Rankings - Tradicional",
                              6690,
                              {"Palabras", "Tema"},
                              {2160, 3120, 1440, 5640},
                              {0, 480, 2160, 3120, 1440, 5640},
                              {495, 975, 975, 2535, 735, 975},
                              {0x400000, 0x800000, 0xC00000, 0xFF8080, 0xFFC0C0}};

int groupOf(int row) {
    return row == 0 ? 0 : row < 3 ? 1 : row < 5 ? 2 : row < 10 ? 3 : 4;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class Form7Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> main;
    QStringList handOffs;

    QPointer<Form7> open() {
        auto* viewer = new Form7(*main);
        viewer->show();
        return viewer;
    }
    static QLineEdit* cell(QWidget* viewer, const char* column, int row) {
        return child<QLineEdit>(viewer, indexed(column, row));
    }
    static QStringList row(QWidget* viewer, int index) {
        QStringList texts;
        for (const char* column : kColumns) {
            texts << cell(viewer, column, index)->text();
        }
        return texts;
    }
    static platform::Timer* timer(QObject* window, const char* name) {
        return child<platform::Timer>(window, QLatin1String(name));
    }
    static void choose(QWidget* viewer, const char* view) {
        child<QAction>(viewer, QLatin1String(view))->trigger();
    }
    QStringList sounds() {
        QStringList names;
        for (const auto& played : fixture->sounds->take()) {
            names << QStringLiteral("%1@%2").arg(played.name).arg(played.timeMs);
        }
        return names;
    }

    static void checkView(QWidget* viewer, const ViewDesign& view) {
        QCOMPARE(viewer->windowTitle(), QLatin1String(view.caption));
        QCOMPARE(platform::twipsOf(viewer).width(), view.width);
        const char* headers[] = {"posicion_com", "nombre_com", "columna3_com",
                                 "columna4_com", "tiempo_com", "fecha_com"};
        const int headerLefts[] = {0,
                                   480,
                                   view.headerLefts[0],
                                   view.headerLefts[1],
                                   view.headerLefts[2],
                                   view.headerLefts[3]};
        for (int c = 0; c < 6; ++c) {
            auto* header = child<QAbstractButton>(viewer, QLatin1String(headers[c]));
            QCOMPARE(platform::twipsOf(header), QRect(headerLefts[c], 0, view.cellWidths[c], 285));
        }
        QCOMPARE(child<QAbstractButton>(viewer, QStringLiteral("columna3_com"))->text(),
                 QLatin1String(view.captions[0]));
        QCOMPARE(child<QAbstractButton>(viewer, QStringLiteral("columna4_com"))->text(),
                 QLatin1String(view.captions[1]));
        for (int r = 0; r < 15; ++r) {
            for (int c = 0; c < 6; ++c) {
                QLineEdit* box = cell(viewer, kColumns[c], r);
                QCOMPARE(platform::twipsOf(box),
                         QRect(view.cellLefts[c], 240 + 240 * r, view.cellWidths[c], 315));
                QCOMPARE(platform::backColor(box), view.groupColours[groupOf(r)]);
                QCOMPARE(platform::foreColor(box), r < 5 ? 0xFFFFFFu : 0x000000u);
                QCOMPARE(platform::alignment(box),
                         c == 0 ? QStringLiteral("left") : QStringLiteral("center"));
            }
        }
    }

private Q_SLOTS:
    void init() {
        fixture = std::make_unique<WindowFixture>();
        main = loadedMainWindow(handOffs);
        QVERIFY(main != nullptr);
    }
    void cleanup() {
        deleteWindows("Form7");
        main.reset();
        fixture.reset();
    }

    void bothViewsShowTheFirstFifteenOfTwentyEntries() {
        QStringList evolution, traditional;
        for (int n = 1; n <= 20; ++n) {
            evolution << QStringLiteral("%1,-%1,%2,\"E%1\",#2002-05-17#").arg(n).arg(3590 + n);
            traditional << QStringLiteral("%1,8,\"T%2\",\"Tema\",#2002-03-05#").arg(90 + n).arg(n);
        }
        QVERIFY(platform::replaceLines(gameState().ruta_file04, evolution));
        QVERIFY(platform::replaceLines(gameState().ruta_file05, traditional));
        platform::place(main.get(), 1230, 945, 7875, 5625);
        QPointer<Form7> viewer = open();
        QCOMPARE(platform::twipsOf(viewer).topLeft(), QPoint(1230, 945));
        checkView(viewer, kEvolution);
        QCOMPARE(row(viewer, 8),
                 (QStringList{QStringLiteral("       9"), QStringLiteral("E9"), QStringLiteral("9"),
                              QStringLiteral("-9"), QStringLiteral("59:59"),
                              QStringLiteral("17-5-2002")}));
        QCOMPARE(row(viewer, 14).mid(1, 5),
                 (QStringList{QStringLiteral("E15"), QStringLiteral("15"), QStringLiteral("-15"),
                              QStringLiteral("1:00:05"), QStringLiteral("17-5-2002")}));
        choose(viewer, "tradi");
        checkView(viewer, kTraditional);
        QCOMPARE(row(viewer, 4),
                 (QStringList{QStringLiteral("       5"), QStringLiteral("T5"), QStringLiteral("8"),
                              QStringLiteral("Tema"), QStringLiteral("01:35"),
                              QStringLiteral("5-3-2002")}));
        QCOMPARE(row(viewer, 14).at(0), QStringLiteral("     15"));
        QCOMPARE(row(viewer, 14).at(1), QStringLiteral("T15"));
    }

    void emptyOrDamagedRankingsShowWhatCanBeRead() {
        const QString damaged = gameState().ruta_file05;
        QVERIFY(platform::replaceLines(
            damaged,
            {QStringLiteral("95,8,\"Uno\",\"Tema\",#2002-03-05#"), QStringLiteral("8,\"sin cerrar"),
             QStringLiteral("99999,8,\"x\",\"y\",#z#"), QStringLiteral(",,,,,,"),
             QStringLiteral(""), QStringLiteral("96,7,\"Dos\",\"T\",#2002-03-06#")}));
        const QByteArray before = fileBytes(damaged);
        QPointer<Form7> viewer = open();
        QVERIFY(QFile::exists(gameState().ruta_file04)); // a missing ranking is created empty
        for (int r = 0; r < 15; ++r) {
            QCOMPARE(row(viewer, r).mid(1), QStringList(5, QStringLiteral("-")));
        }
        choose(viewer, "tradi");
        QCOMPARE(row(viewer, 0).at(1), QStringLiteral("Uno"));
        QCOMPARE(row(viewer, 1).at(1), QStringLiteral("Dos"));
        QCOMPARE(row(viewer, 2).mid(1), QStringList(5, QStringLiteral("-")));
        QCOMPARE(fileBytes(damaged), before); // only read, never repaired
    }

    void typingIntoACellChangesNothing() {
        QPointer<Form7> viewer = open();
        for (const char* column : kColumns) {
            QLineEdit* box = cell(viewer, column, 3);
            const QString before = box->text();
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("xyz"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_Delete);
            QCOMPARE(box->text(), before);
        }
    }

    void switchingViewRebuildsHiddenAndMovesTheTune() {
        const qint64 start = platform::clock().nowMs();
        const auto at = [start](const char* name, qint64 ms) {
            return QStringLiteral("%1@%2").arg(QLatin1String(name)).arg(start + ms);
        };
        QPointer<Form7> viewer = open();
        QVERIFY(viewer->isVisible());
        advance(50);
        QVERIFY(!timer(viewer, "Timer1")->isEnabled());
        advance(3831);
        QCOMPARE(sounds(), (QStringList{at("wmpaud5", 1), at("wmpaud5", 3881)}));

        choose(viewer, "tradi");
        QVERIFY(viewer->isHidden());
        QVERIFY(timer(viewer, "E")->isEnabled()); // until the first tick of t
        advance(1);
        QVERIFY(!timer(viewer, "E")->isEnabled());
        advance(48);
        QVERIFY(viewer->isHidden());
        advance(1);
        QVERIFY(viewer->isVisible());
        advance(3880 * 2 - 49);
        QCOMPARE(sounds(),
                 (QStringList{at("wmpaud2", 3882), at("wmpaud2", 7762), at("wmpaud2", 11642)}));
        choose(viewer, "evol");
        advance(1);
        QVERIFY(!timer(viewer, "t")->isEnabled());
        QCOMPARE(sounds(), QStringList{at("wmpaud5", 11643)});
    }

    void withTheSoundOffNothingPlays() {
        platform::sonido() = QStringLiteral("off");
        QPointer<Form7> viewer = open();
        choose(viewer, "tradi");
        advance(4000);
        viewer->close();
        QVERIFY(sounds().isEmpty());
    }

    void mainWindowIsPausedWhileOpen_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("clockAfter");
        QTest::addColumn<bool>("jokerTimeAfter");
        QTest::newRow("no game") << QString() << false << false;
        QTest::newRow("traditional") << QStringLiteral("tradicional") << true << false;
        QTest::newRow("evolution") << QStringLiteral("evolution") << true << true;
    }
    void mainWindowIsPausedWhileOpen() {
        QFETCH(QString, game);
        QFETCH(bool, clockAfter);
        QFETCH(bool, jokerTimeAfter);
        if (!game.isEmpty()) {
            child<QAction>(main.get(), game)->trigger();
        }
        auto* segundo = child<QLabel>(main.get(), QStringLiteral("segundo"));
        const QString clockShown = segundo->text();
        const int gameSeconds = gameState().segundos_partida;
        QPointer<Form7> viewer = open();
        QVERIFY(!main->isEnabled());
        QVERIFY(viewer->isEnabled());
        advance(5000);
        QCOMPARE(segundo->text(), clockShown);
        QVERIFY(!timer(main.get(), "segundos60")->isEnabled());
        if (game == QLatin1String("evolution")) {
            QCOMPARE(gameState().segundos_partida, gameSeconds + 5); // the game time goes on
        }
        sounds();
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
        QVERIFY(main->isEnabled());
        QCOMPARE(timer(main.get(), "Timer1")->isEnabled(), clockAfter);
        QCOMPARE(timer(main.get(), "segundos60")->isEnabled(), jokerTimeAfter);
        QCOMPARE(sounds().join(u' '), QStringLiteral("silencio@%1").arg(platform::clock().nowMs()));
    }
};

QTEST_MAIN(Form7Test)
#include "form7_test.moc"
