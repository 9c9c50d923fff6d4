#include "platform/clock.h"
#include "platform/timer.h"
#include "qt_test_registry.h"

#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

namespace quenza::platform {

class ClockTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QObject> owner_; // of the timers of one case
    QStringList log_;

    Timer& timer(const char* name, int intervalMs, bool enabled = true) {
        auto* t = new Timer(QString::fromLatin1(name), intervalMs, enabled, owner_.get());
        connect(t, &Timer::fired, this,
                [this, t] { log_ << t->objectName() + u'@' + QString::number(clock().nowMs()); });
        return *t;
    }

    // Lets `ms` pass; the firings meanwhile as "name@time", in order.
    QString advance(qint64 ms) {
        static_cast<VirtualClock&>(clock()).advance(ms);
        return std::exchange(log_, {}).join(u' ');
    }

private Q_SLOTS:
    void init() {
        owner_ = std::make_unique<QObject>();
        installClock(std::make_unique<VirtualClock>());
    }

    void timersDueTogetherFireInSwitchOnOrder() {
        timer("a", 1000);
        timer("b", 1000);
        timer("c", 500);
        Timer& silent = timer("silent", 0); // on, but never due
        // c re-arms after each firing but keeps its place behind a and b.
        QCOMPARE(advance(2000),
                 QStringLiteral("c@500 a@1000 b@1000 c@1000 c@1500 a@2000 b@2000 c@2000"));
        QVERIFY(silent.isEnabled());
        silent.setInterval(300);
        QCOMPARE(advance(300), QStringLiteral("silent@2300"));
    }

    void switchingOnAgainOrSettingTheIntervalRestarts() {
        Timer& a = timer("a", 1000);
        timer("b", 1000);
        Timer& off = timer("off", 400, false);
        a.setEnabled(true); // same instant: only the order changes
        QCOMPARE(advance(1000), QStringLiteral("b@1000 a@1000"));
        advance(300);
        a.setEnabled(true);
        QCOMPARE(advance(1000), QStringLiteral("b@2000 a@2300"));
        advance(200);
        a.setInterval(1000);  // the same value still restarts it
        off.setInterval(100); // a timer that is off stays off
        QCOMPARE(advance(1000), QStringLiteral("b@3000 a@3500"));
        QVERIFY(!off.isEnabled());
    }

    void handlersSwitchTimersOnAndOffWithinAnAdvance() {
        Timer& first = timer("first", 1000);
        Timer& second = timer("second", 1000);
        Timer* third = &timer("third", 1000);
        Timer& late = timer("late", 300, false);
        Timer& once = timer("once", 1000);
        Timer& again = timer("again", 1000);
        connect(&once, &Timer::fired, this, [&] { once.setEnabled(false); });
        connect(&again, &Timer::fired, this, [&] { again.setEnabled(true); });
        connect(&first, &Timer::fired, this, [&] {
            second.setEnabled(false); // both due now, neither fires
            delete std::exchange(third, nullptr);
            if (!late.isEnabled()) {
                late.setEnabled(true);
            }
        });
        QCOMPARE(advance(2000), QStringLiteral("first@1000 once@1000 again@1000 late@1300 "
                                               "late@1600 late@1900 first@2000 again@2000"));
    }

    void afterFireRunsAfterEachFiring() {
        timer("a", 250);
        static_cast<VirtualClock&>(clock()).advance(
            600, [this] { log_.append(QStringLiteral("after@%1").arg(clock().nowMs())); });
        QCOMPARE(advance(0), QStringLiteral("a@250 after@250 a@500 after@500"));
    }

    void theRealClockDrivesAQTimer() {
        installClock(std::make_unique<RealClock>());
        Timer& t = timer("Timer1", 1000);
        QTimer* real = t.realTimer();
        t.setEnabled(false);
        t.setInterval(250);
        QVERIFY(!real->isActive());
        t.setEnabled(true);
        QVERIFY(real->isActive() && real->interval() == 250);
        t.setInterval(0);
        QVERIFY(t.isEnabled() && !real->isActive());
        QVERIFY(QMetaObject::invokeMethod(real, "timeout"));
        QCOMPARE(log_.size(), 1);
    }
};

QUENZA_QT_TEST(ClockTest)

} // namespace quenza::platform

#include "clock_test.moc"
