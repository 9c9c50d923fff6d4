#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "sound/qt_sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace quenza::platform {

// Runs in declaration order: the first case sees the defaults.
class SystemTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theDefaults() {
        QCOMPARE(sonido(), QStringLiteral("on"));
        // Sounds come from the module built beside the executables.
        const std::unique_ptr<SoundPlayer> module = loadQtSoundPlayer();
        QVERIFY(module != nullptr);
        module->play(QStringLiteral("no such sound"));
        // The program folder is beside the executable only when it holds the themes.
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

        QStringList heard;
        for (const auto& sound : played->take()) {
            heard << sound.name + u'@' + QString::number(sound.timeMs);
        }
        QCOMPARE(heard, QStringList({QStringLiteral("ding@12000"), QStringLiteral("limbo@12500")}));
    }

    void aMissingSoundIsSkippedAndTheDataFolderCreated() {
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("a/b/data"));
        setFolders({root.path(), data});
        sound::QtSoundPlayer player(root.path() + QStringLiteral("/fx"));
        player.play(QStringLiteral("ding"));
        player.play(QStringLiteral("ding")); // nothing to hear: it must neither block nor crash
        QVERIFY(QDir(root.path()).isEmpty());
        ensureDataFolder();
        QVERIFY(QFileInfo(data).isDir());
    }

    // Last: once the application has been asked to exit, no event loop runs again.
    void byDefaultEndingLeavesTheEventLoop() {
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
