#include "platform/clock.h"

#include "platform/installed.h"
#include "platform/timer.h"

#include <QTimer>
#include <chrono>
#include <vector>

namespace quenza::platform {

namespace {

// Never destroyed: timers of windows that outlive main() still disarm safely.
Installed<Clock> installed;

qint64 steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

Clock& clock() {
    return installed.getOr([] { return std::make_unique<RealClock>(); });
}

void installClock(std::unique_ptr<Clock> clock) {
    installed.install(std::move(clock));
}

RealClock::RealClock() : origin_(steadyMs()) {}

qint64 RealClock::nowMs() const {
    return steadyMs() - origin_;
}

void RealClock::arm(Timer* timer) {
    QTimer* real = timer->realTimer();
    if (timer->interval() > 0) {
        real->start(timer->interval());
    } else {
        real->stop();
    }
}

void RealClock::disarm(Timer* timer) {
    timer->realTimer()->stop();
}

struct VirtualClock::Impl {
    struct Armed {
        Timer* timer;
        qint64 due;
        quint64 order; // switch-on order among timers due at the same instant
    };

    qint64 now;
    quint64 nextOrder = 0;
    std::vector<Armed> armed;

    void remove(Timer* timer) {
        std::erase_if(armed, [timer](const Armed& a) { return a.timer == timer; });
    }

    // The next timer due no later than `limit`, or nullptr.
    Armed* next(qint64 limit) {
        Armed* best = nullptr;
        for (Armed& a : armed) {
            if (a.due > limit) {
                continue;
            }
            if (best == nullptr || a.due < best->due ||
                (a.due == best->due && a.order < best->order)) {
                best = &a;
            }
        }
        return best;
    }
};

VirtualClock::VirtualClock(qint64 startMs) : d(std::make_unique<Impl>()) {
    d->now = startMs;
}

VirtualClock::~VirtualClock() = default;

qint64 VirtualClock::nowMs() const {
    return d->now;
}

void VirtualClock::arm(Timer* timer) {
    d->remove(timer);
    // An interval of 0 leaves the timer switched on but silent.
    if (timer->interval() > 0) {
        d->armed.push_back({timer, d->now + timer->interval(), d->nextOrder++});
    }
}

void VirtualClock::disarm(Timer* timer) {
    d->remove(timer);
}

void VirtualClock::advance(qint64 ms, const std::function<void()>& afterFire) {
    const qint64 end = d->now + qMax<qint64>(ms, 0);
    while (Impl::Armed* due = d->next(end)) {
        Timer* timer = due->timer;
        d->now = due->due;
        // Re-armed before firing, so that the handler may switch it off or on.
        due->due += timer->interval();
        timer->fire();
        if (afterFire) {
            afterFire();
        }
    }
    d->now = qMax(d->now, end);
}

} // namespace quenza::platform
