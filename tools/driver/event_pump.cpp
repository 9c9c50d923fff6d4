#include "driver/event_pump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace quenza::driver {

namespace {

// Counts the events the application delivers, so that a round that delivered
// none tells the program is idle.
class EventCounter final : public QObject {
public:
    using QObject::QObject;
    quint64 count = 0;

protected:
    bool eventFilter(QObject*, QEvent*) override {
        ++count;
        return false;
    }
};

EventCounter& counter() {
    static QPointer<EventCounter> installed;
    if (installed.isNull()) {
        installed = new EventCounter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(installed);
    }
    return *installed;
}

// A program that keeps posting events to itself is never idle; stop there.
constexpr int kMaxRounds = 100;

} // namespace

void processUntilIdle() {
    EventCounter& events = counter();
    for (int round = 0; round < kMaxRounds; ++round) {
        const quint64 before = events.count;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (events.count == before) {
            return;
        }
    }
}

} // namespace quenza::driver
