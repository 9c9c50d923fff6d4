#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

namespace quenza::platform {

class Timer;

// The time every timer of the game runs on: real (QTimer) in the game, virtual
// (advanced by hand) under the driver and in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    // A timer was switched on or had its interval changed while on: its
    // interval starts afresh now.
    virtual void arm(Timer* timer) = 0;
    virtual void disarm(Timer* timer) = 0;
};

// Process-wide clock. Until one is installed, a real clock is used.
Clock& clock();
void installClock(std::unique_ptr<Clock> clock);

class RealClock final : public Clock {
public:
    RealClock();
    qint64 nowMs() const override;
    void arm(Timer* timer) override;
    void disarm(Timer* timer) override;

private:
    qint64 origin_;
};

// Time passes only through advance(). Timers due at the same instant fire in
// the order in which they were switched on (or last had their interval
// changed); a timer switched off before its turn does not fire.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(qint64 startMs = 0);
    ~VirtualClock() override;
    qint64 nowMs() const override;
    void arm(Timer* timer) override;
    void disarm(Timer* timer) override;

    // Lets `ms` pass, firing every due timer at its own instant. `afterFire`
    // runs after each firing (the driver processes pending events there).
    void advance(qint64 ms, const std::function<void()>& afterFire = {});

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace quenza::platform
