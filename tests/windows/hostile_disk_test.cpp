#include "board_play.h"
#include "byte_files.h"
#include "game/form1.h"
#include "game/game_state.h"
#include "hand_offs.h"
#include "platform/clock.h"
#include "platform/file_faults.h"
#include "qt_test_registry.h"
#include "rankings/form3.h"
#include "rankings/form5.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QtTest>

using namespace quenza;
using namespace quenza::testing;

namespace {

using Folder = QMap<QString, QByteArray>;

Folder snapshot(const QString& path) {
    Folder files;
    for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(entry.filePath());
        files.insert(entry.fileName(),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
    }
    return files;
}

// The texts of the message boxes on screen; each is closed once read.
QStringList takeMessages() {
    QStringList texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box != nullptr && box->isVisible()) {
            texts << box->text();
            box->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return texts;
}

const QString kSaveFailed = QStringLiteral("No se ha podido guardar la partida.");

} // namespace

// Both modes played to a ranking entry, and a Guardar, on a data folder that
// cannot be written: nothing breaks, nothing on disk changes, and only the
// save the player asked for says it failed.
class HostileDiskTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> fixture;
    std::unique_ptr<Form1> form;
    QStringList handOffs;

    void trigger(const char* entry) const {
        child<QAction>(form.get(), QLatin1String(entry))->trigger();
    }
    static void acceptName(QWidget* dialog) {
        auto* name = child<QLineEdit>(dialog, QStringLiteral("Text1"));
        QVERIFY(!name->isHidden()); // the result qualifies
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(name->isHidden());
        delete dialog;
    }
    void playTraditionalIntoTheRanking() {
        trigger("tradicional");
        for (int slot = 0; slot <= gameState().board.num_palabras; ++slot) {
            findWord(form.get(), slot);
        }
        QCOMPARE(handOffs.last(), QStringLiteral("result"));
        auto* result = new Form3(*form);
        result->show();
        acceptName(result);
        form->show();
    }
    void runOutTheEvolutionClock() {
        const int minutes = child<QLabel>(form.get(), QStringLiteral("minuto"))->text().toInt();
        const int seconds = child<QLabel>(form.get(), QStringLiteral("segundo"))->text().toInt();
        advanceClock(1000LL * (minutes * 60 + seconds));
        QCOMPARE(handOffs.last(), QStringLiteral("game over"));
        auto* over = new Form5(*form);
        over->show();
        acceptName(over);
    }

private Q_SLOTS:
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup() {
        platform::installFileFaults(nullptr);
        form.reset();
        fixture.reset();
    }

    void bothModesAndASaveOnADiskThatCannotBeWritten_data() {
        QTest::addColumn<QString>("disk");
        QTest::newRow("healthy") << QStringLiteral("healthy");
        QTest::newRow("folder is a file") << QStringLiteral("file");
        QTest::newRow("read-only") << QStringLiteral("read-only");
        QTest::newRow("full") << QStringLiteral("full");
    }
    void bothModesAndASaveOnADiskThatCannotBeWritten() {
        QFETCH(QString, disk);
        const QString data = fixture->data.path();
        QVERIFY(writeBytes(fixture->dataFile("file01.sop"), "1\r\n"));
        QVERIFY(writeBytes(fixture->dataFile("file03.sop"), QByteArray("1\r\n").repeated(23)));
        QVERIFY(writeBytes(fixture->dataFile("file04.sop"), "5,300,600,\"Ana\",#2002-01-10#\r\n"));
        QVERIFY(
            writeBytes(fixture->dataFile("file05.sop"), "999,8,\"Ana\",\"Tema\",#2002-01-10#\r\n"));
        if (disk == QLatin1String("file")) {
            QVERIFY(writeBytes(fixture->dataFile("quenza"), "no es una carpeta"));
            platform::setFolders(
                {QCoreApplication::applicationDirPath(), fixture->dataFile("quenza")});
        } else if (disk == QLatin1String("read-only")) {
            platform::installScriptedDisk().readOnly = true;
        } else if (disk == QLatin1String("full")) {
            platform::installScriptedDisk().freeBytes = 0;
        }
        const Folder before = snapshot(data);

        form = loadedMainWindow(handOffs, Shown::Active);
        QVERIFY(form != nullptr);
        playTraditionalIntoTheRanking();
        QCOMPARE(takeMessages(), QStringList());

        trigger("evolution");
        trigger("guardame");
        const bool healthy = disk == QLatin1String("healthy");
        QCOMPARE(takeMessages(), healthy ? QStringList() : QStringList{kSaveFailed});
        runOutTheEvolutionClock();
        QCOMPARE(takeMessages(), QStringList());

        const Folder after = snapshot(data);
        if (healthy) {
            QCOMPARE(after.keys(), before.keys());
            for (const QString& name : before.keys()) {
                QVERIFY2(after[name] != before[name], qPrintable(name));
            }
        } else {
            QCOMPARE(after, before);
        }
    }
};

QUENZA_QT_TEST(HostileDiskTest)
#include "hostile_disk_test.moc"
