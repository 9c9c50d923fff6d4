#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/text_file.h"
#include "rankings/form3.h"
#include "rankings/form5.h"
#include "rankings/form7.h"
#include "window_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every line ended by CR LF, and no byte left of the old single-byte encoding.
void checkRewritten(const QByteArray& bytes, int lines) {
    QCOMPARE(bytes.count("\r\n"), lines);
    QCOMPARE(bytes.count('\n'), lines);
    QVERIFY(!bytes.contains('\xF1'));
}

void acceptName(QWidget* dialog) {
    QTest::keyClick(child<QLineEdit>(dialog, QStringLiteral("Text1")), Qt::Key_Return);
    delete dialog;
}

} // namespace

// Files written by an older Windows install of the game: names in
// Windows-1252 ("ñ" is the byte F1) and lines ended by CR LF.
class OldWindowsFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    QString cellText(QWidget* viewer, const char* column, int row) const {
        return child<QLineEdit>(viewer, indexed(column, row))->text();
    }

private Q_SLOTS:
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() {
        form.reset();
        fixture.reset();
    }

    void rankingsLoadShowAndTakeANewEntryWithTheirNamesWhole() {
        const QString traditional = fixture->dataFile("file05.sop");
        const QString evolution = fixture->dataFile("file04.sop");
        writeBytes(traditional, "60,8,\"Pe\xF1"
                                "a\",\"Oto\xF1o\",#2002-01-10#\r\n"
                                "120,8,\"Mu\xF1oz\",\"Tema\",#2002-01-11#\r\n");
        writeBytes(evolution, "5,300,600,\"Pe\xF1"
                              "a\",#2002-01-10#\r\n");
        // What a rewrite cut short left behind; start-up clears it.
        writeBytes(fixture->dataFile("file06.sop"), "7,7,\"Cortada\",\"T\",#2002-01-01#\r\n");
        form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        QVERIFY(!QFile::exists(fixture->dataFile("file06.sop")));

        auto* viewer = new Form7(*form);
        viewer->show();
        QCOMPARE(cellText(viewer, "nombre", 0), QStringLiteral("Peña"));
        child<QAction>(viewer, QStringLiteral("tradi"))->trigger();
        QCOMPARE(cellText(viewer, "nombre", 0), QStringLiteral("Peña"));
        QCOMPARE(cellText(viewer, "columna4", 0), QStringLiteral("Otoño"));
        QCOMPARE(cellText(viewer, "nombre", 1), QStringLiteral("Muñoz"));
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // 90 seconds: between the two old entries.
        child<QAction>(form.get(), QStringLiteral("tradicional"))->trigger();
        child<QLabel>(form.get(), QStringLiteral("minuto"))->setText(QStringLiteral("01"));
        child<QLabel>(form.get(), QStringLiteral("segundo"))->setText(QStringLiteral("30"));
        acceptName(new Form3(*form));
        const QStringList ranked = platform::readLinesOrEmpty(traditional);
        QCOMPARE(ranked.size(), 3);
        QCOMPARE(ranked[0], QStringLiteral("60,8,\"Peña\",\"Otoño\",#2002-01-10#"));
        QVERIFY2(ranked[1].startsWith(QStringLiteral("90,")), qPrintable(ranked[1]));
        QCOMPARE(ranked[2], QStringLiteral("120,8,\"Muñoz\",\"Tema\",#2002-01-11#"));
        checkRewritten(bytesOf(traditional), 3);

        GameState& state = gameState();
        state.nivel_actual = 6;
        state.puntuacion = 10;
        state.segundos_partida = 700;
        form->hide();
        acceptName(new Form5(*form));
        QCOMPARE(platform::readLinesOrEmpty(evolution),
                 (QStringList{QStringLiteral("6,10,700,\"Player\",#2002-03-05#"),
                              QStringLiteral("5,300,600,\"Peña\",#2002-01-10#")}));
        checkRewritten(bytesOf(evolution), 2);
    }

    void aSavedGameLoadsAndIsSavedAgainByteForByte() {
        const QByteArray saved = "4\r\n3\r\n0\r\n2\r\n1\r\n5\r\n1\r\n0\r\n2\r\n2\r\n1\r\n"
                                 "#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n#FALSE#\r\n"
                                 "#FALSE#\r\n#FALSE#\r\n3\r\n2\r\n-40\r\n500\r\n#FALSE#\r\n";
        const QString file = fixture->dataFile("file03.sop");
        writeBytes(file, saved);
        form = loadedMainWindow(handOffs);
        QVERIFY(form != nullptr);
        child<QAction>(form.get(), QStringLiteral("cargame"))->trigger();
        QCOMPARE(form->windowTitle(), QStringLiteral("Quenza Evolution---->Nivel 4"));
        QCOMPARE(child<QLabel>(form.get(), QStringLiteral("puntuacion2"))->text(),
                 QStringLiteral("-40"));
        QVERIFY(!QFile::exists(file));
        child<QAction>(form.get(), QStringLiteral("guardame"))->trigger();
        QCOMPARE(bytesOf(file), saved);
    }
};

QTEST_MAIN(OldWindowsFilesTest)
#include "old_windows_files_test.moc"
