// The zoom chosen with the keys is the next run's zoom; --zoom overrides it.
#include "platform/zoom.h"
#include "puzzle/zoom_steps.h"
#include "shell/application.h"
#include "shell/zoom_memory.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenza;

class ZoomMemoryTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString settingsFile() const { return folder.filePath(QStringLiteral("quenza.conf")); }

private Q_SLOTS:
    void cleanup() { platform::setZoom(kNormalZoom); }

    void aChosenZoomStartsTheNextRun() {
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            QCOMPARE(startingZoom(settings, std::nullopt), 100);
            Application game;
            rememberZoomChoices(game, settings);
            QWidget window;
            window.show();
            QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(platform::zoomPercent(), 150);
        }
        const QSettings nextRun(settingsFile(), QSettings::IniFormat);
        QCOMPARE(startingZoom(nextRun, std::nullopt), 150);
        QCOMPARE(startingZoom(nextRun, 200), 200);
    }

    void aZoomTheKeysCannotReachIsIgnored() {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("zoom"), 175);
        QCOMPARE(startingZoom(settings, std::nullopt), 100);
    }
};

QTEST_MAIN(ZoomMemoryTest)
#include "zoom_memory_test.moc"
