#pragma once

#include "platform/clock.h"
#include "platform/game_random.h"
#include "platform/sound.h"
#include "platform/system.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace quenza::testing {

// Virtual time, a fixed seed, recorded sounds and a fresh data folder; the
// themes and sounds are the ones copied beside the test executable.
struct WindowFixture {
    QTemporaryDir data;
    platform::RecordingSoundPlayer* sounds = nullptr;

    WindowFixture() {
        platform::installClock(std::make_unique<platform::VirtualClock>());
        platform::installRandom(11);
        auto player = std::make_unique<platform::RecordingSoundPlayer>();
        sounds = player.get();
        platform::installSoundPlayer(std::move(player));
        platform::setFolders({QCoreApplication::applicationDirPath(), data.path()});
        platform::setFixedDate(QDate(2002, 3, 5));
        platform::sonido() = QStringLiteral("on");
    }
    QString dataFile(const char* name) const { return data.filePath(QLatin1String(name)); }
};

template <typename T = QWidget> T* child(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

// A control of a control array by its name: "Label1(14)".
inline QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Lets `ms` of virtual time pass: every timer due meanwhile fires.
inline void advanceClock(qint64 ms) {
    static_cast<platform::VirtualClock&>(platform::clock()).advance(ms);
}

inline QString cellName(int i) {
    return indexed("Label1", i);
}

// Deletes every open top-level window called `name`: the ones a test opened
// and left behind.
inline void deleteWindows(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name)) {
            delete window;
        }
    }
}

inline void moveOver(QWidget* widget, QPoint at = {-1, -1}) {
    const QPointF pos = at.x() < 0 ? QPointF(widget->rect().center()) : QPointF(at);
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

inline void clickOn(QWidget* widget) {
    moveOver(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace quenza::testing
