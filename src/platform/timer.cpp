#include "platform/timer.h"

#include "platform/clock.h"

#include <QTimer>

namespace quenza::platform {

Timer::Timer(const QString& name, int intervalMs, bool enabled, QObject* parent)
    : QObject(parent), interval_(intervalMs) {
    setObjectName(name);
    setEnabled(enabled);
}

Timer::~Timer() {
    if (enabled_) {
        clock().disarm(this);
    }
}

void Timer::setEnabled(bool enabled) {
    if (enabled) {
        enabled_ = true;
        clock().arm(this);
    } else if (enabled_) {
        enabled_ = false;
        clock().disarm(this);
    }
}

void Timer::setInterval(int ms) {
    // As in the old window system, any assignment while on restarts the
    // interval, even one that keeps the same value.
    interval_ = ms;
    if (enabled_) {
        clock().arm(this);
    }
}

void Timer::fire() {
    Q_EMIT fired();
}

QTimer* Timer::realTimer() {
    if (real_ == nullptr) {
        real_ = new QTimer(this);
        real_->setTimerType(Qt::PreciseTimer);
        connect(real_, &QTimer::timeout, this, &Timer::fire);
    }
    return real_;
}

} // namespace quenza::platform
