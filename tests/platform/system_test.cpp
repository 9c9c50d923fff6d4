#include "platform/clock.h"
#include "platform/inspect.h"
#include "platform/sound.h"
#include "platform/sound_qt.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace quenza::platform {

namespace {

class RememberEnd final : public ProgramEnd {
public:
    explicit RememberEnd(QStringList* messages) : messages_(messages) {}
    void end(const QString& message) override { messages_->append(message); }

private:
    QStringList* messages_;
};

} // namespace

// Runs in declaration order: the first cases see the defaults.
class SystemTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theDefaultsArePlayingSoundWithQt() {
        QCOMPARE(sonido(), QStringLiteral("on"));
        QVERIFY(dynamic_cast<QtSoundPlayer*>(&soundPlayer()) != nullptr);
    }

    void theProgramFolderIsBesideTheExecutableOnlyWhenItHoldsTheThemes() {
        const QString beside = QCoreApplication::applicationDirPath();
        const bool hasThemes = QFileInfo::exists(beside + QStringLiteral("/temas.tem"));
        QCOMPARE(folders().program,
                 hasThemes ? beside : QDir::cleanPath(beside + QStringLiteral("/../share/quenza")));
        QVERIFY(!folders().data.isEmpty());
    }

    void soundsPlayOnlyWhileTheSwitchIsExactlyOn() {
        installClock(std::make_unique<VirtualClock>(12000));
        auto recording = std::make_unique<RecordingSoundPlayer>();
        RecordingSoundPlayer* played = recording.get();
        installSoundPlayer(std::move(recording));

        playSound(QStringLiteral("ding"));
        sonido() = QStringLiteral("off");
        playSound(QStringLiteral("silencio"));
        sonido() = QStringLiteral("On");
        playSound(QStringLiteral("sirena"));
        sonido() = QStringLiteral("on");
        static_cast<VirtualClock&>(clock()).advance(500);
        playSound(QStringLiteral("limbo"));

        const auto list = played->take();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].name, QStringLiteral("ding"));
        QCOMPARE(list[0].timeMs, 12000);
        QCOMPARE(list[1].name, QStringLiteral("limbo"));
        QCOMPARE(list[1].timeMs, 12500);
        QVERIFY(played->take().isEmpty());
    }

    void theQtPlayerSkipsAMissingFile() {
        QTemporaryDir program;
        setFolders({program.path(), program.path()});
        QtSoundPlayer player;
        player.play(QStringLiteral("ding"));
        player.play(QStringLiteral("ding"));
        // Nothing to hear; it must neither block nor create anything.
        QVERIFY(QDir(program.path()).isEmpty());
    }

    void foldersCanBeSetAndTheDataFolderCreated() {
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("a/b/data"));
        setFolders({root.path(), data});
        QCOMPARE(folders().program, root.path());
        QCOMPARE(folders().data, data);
        QVERIFY(!QFileInfo::exists(data));
        ensureDataFolder();
        QVERIFY(QFileInfo(data).isDir());
    }

    void theDateCanBeFixed() {
        setFixedDate(QDate(2002, 3, 5));
        QCOMPARE(today(), QDate(2002, 3, 5));
        setFixedDate(QDate());
        QCOMPARE(today(), QDate::currentDate());
    }

    void linksGoToTheInstalledHandler() {
        auto recording = std::make_unique<RecordingDefaultHandler>();
        RecordingDefaultHandler* handler = recording.get();
        installDefaultHandler(std::move(recording));
        defaultHandler().open(QStringLiteral("mailto:quenza@example.org"));
        QCOMPARE(handler->opened, QStringList({QStringLiteral("mailto:quenza@example.org")}));
    }

    void processStateComesFromItsProvider() {
        QVERIFY(processState().isEmpty());
        setStateProvider([] { return QJsonObject{{QStringLiteral("sonido"), sonido()}}; });
        QCOMPARE(processState().value(QStringLiteral("sonido")).toString(), QStringLiteral("on"));
        setStateProvider({});
        QVERIFY(processState().isEmpty());
    }

    void endingTheProgramGoesToTheInstalledEnd() {
        QStringList messages;
        installProgramEnd(std::make_unique<RememberEnd>(&messages));
        endProgram(QStringLiteral("No se encuentra el archivo"));
        endProgram();
        QCOMPARE(messages, QStringList({QStringLiteral("No se encuentra el archivo"), QString()}));
    }

    // Last: once the application has been asked to exit, no event loop runs again.
    void byDefaultEndingLeavesTheEventLoop() {
        installProgramEnd(nullptr);
        endProgram();
        QEventLoop loop;
        // A safety net: only fires when the request to exit was lost.
        QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
    }
};

} // namespace quenza::platform

QTEST_GUILESS_MAIN(quenza::platform::SystemTest)
#include "system_test.moc"
