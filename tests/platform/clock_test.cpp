#include "platform/clock.h"
#include "platform/timer.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <memory>
#include <utility>

namespace quenza::platform {

namespace {

// Every firing as "name@time".
class FiringLog {
public:
    void watch(Timer& timer) {
        QObject::connect(&timer, &Timer::fired, &timer, [this, &timer] {
            entries.append(timer.objectName() + u'@' + QString::number(clock().nowMs()));
        });
    }
    QStringList entries;
};

QStringList firings(std::initializer_list<const char*> entries) {
    QStringList list;
    for (const char* entry : entries) {
        list.append(QString::fromLatin1(entry));
    }
    return list;
}

} // namespace

class ClockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installClock(std::make_unique<VirtualClock>()); }

    void timersDueTogetherFireInSwitchOnOrder() {
        Timer a(QStringLiteral("a"), 1000, true, nullptr);
        Timer b(QStringLiteral("b"), 1000, true, nullptr);
        Timer c(QStringLiteral("c"), 500, true, nullptr);
        FiringLog log;
        log.watch(a);
        log.watch(b);
        log.watch(c);

        virtualClock().advance(2000);

        // c re-arms after each firing but keeps its place behind a and b.
        QCOMPARE(log.entries, firings({"c@500", "a@1000", "b@1000", "c@1000", "c@1500", "a@2000",
                                       "b@2000", "c@2000"}));
        QCOMPARE(clock().nowMs(), 2000);
    }

    void switchingOnAgainRestartsAndMovesToTheBack() {
        Timer a(QStringLiteral("a"), 1000, true, nullptr);
        Timer b(QStringLiteral("b"), 1000, true, nullptr);
        FiringLog log;
        log.watch(a);
        log.watch(b);

        a.setEnabled(true); // same instant: only the order changes
        virtualClock().advance(1000);
        QCOMPARE(log.entries, firings({"b@1000", "a@1000"}));

        log.entries.clear();
        virtualClock().advance(300);
        a.setEnabled(true);
        virtualClock().advance(1000);
        QCOMPARE(log.entries, firings({"b@2000", "a@2300"}));
    }

    void changingTheIntervalRestartsARunningTimer() {
        Timer a(QStringLiteral("a"), 1000, true, nullptr);
        Timer b(QStringLiteral("b"), 400, false, nullptr);
        FiringLog log;
        log.watch(a);
        log.watch(b);

        virtualClock().advance(600);
        a.setInterval(1000);
        b.setInterval(100); // a timer that is off stays off
        virtualClock().advance(1000);
        QCOMPARE(log.entries, firings({"a@1600"}));
        QVERIFY(!b.isEnabled());

        log.entries.clear();
        virtualClock().advance(200);
        a.setInterval(300);
        virtualClock().advance(700);
        QCOMPARE(log.entries, firings({"a@2100", "a@2400"}));
    }

    void aTimerSwitchedOffOrDeletedBeforeItsTurnDoesNotFire() {
        Timer first(QStringLiteral("first"), 1000, true, nullptr);
        Timer second(QStringLiteral("second"), 1000, true, nullptr);
        auto* third = new Timer(QStringLiteral("third"), 1000, true, nullptr);
        FiringLog log;
        log.watch(first);
        log.watch(second);
        log.watch(*third);
        connect(&first, &Timer::fired, this, [&] {
            second.setEnabled(false);
            delete std::exchange(third, nullptr);
        });

        virtualClock().advance(2500);
        QCOMPARE(log.entries, firings({"first@1000", "first@2000"}));
    }

    void aTimerSwitchedOnDuringAdvanceFiresWithinIt() {
        Timer starter(QStringLiteral("starter"), 1000, true, nullptr);
        Timer late(QStringLiteral("late"), 300, false, nullptr);
        FiringLog log;
        log.watch(starter);
        log.watch(late);
        connect(&starter, &Timer::fired, this, [&] {
            if (!late.isEnabled()) {
                late.setEnabled(true);
            }
        });

        virtualClock().advance(2000);
        QCOMPARE(log.entries,
                 firings({"starter@1000", "late@1300", "late@1600", "late@1900", "starter@2000"}));
    }

    void aHandlerMaySwitchItsOwnTimerOffAndOn() {
        Timer once(QStringLiteral("once"), 100, true, nullptr);
        Timer again(QStringLiteral("again"), 100, true, nullptr);
        FiringLog log;
        log.watch(once);
        log.watch(again);
        connect(&once, &Timer::fired, this, [&] { once.setEnabled(false); });
        connect(&again, &Timer::fired, this, [&] { again.setEnabled(true); });

        virtualClock().advance(300);
        QCOMPARE(log.entries, firings({"once@100", "again@100", "again@200", "again@300"}));
    }

    void anIntervalOfZeroNeverFires() {
        Timer silent(QStringLiteral("silent"), 0, true, nullptr);
        QSignalSpy fired(&silent, &Timer::fired);
        virtualClock().advance(10000);
        QCOMPARE(fired.count(), 0);
        QVERIFY(silent.isEnabled());

        silent.setInterval(2000);
        virtualClock().advance(2000);
        QCOMPARE(fired.count(), 1);
    }

    void afterFireRunsAfterEachFiring() {
        Timer a(QStringLiteral("a"), 250, true, nullptr);
        QStringList order;
        connect(&a, &Timer::fired, this, [&] { order.append(QStringLiteral("fire")); });
        virtualClock().advance(
            600, [&] { order.append(QStringLiteral("after@%1").arg(clock().nowMs())); });
        QCOMPARE(order, firings({"fire", "after@250", "fire", "after@500"}));
        QCOMPARE(clock().nowMs(), 600);
    }

    void aDeletedTimerLeavesTheClock() {
        auto a = std::make_unique<Timer>(QStringLiteral("a"), 100, true, nullptr);
        a.reset();
        virtualClock().advance(1000); // would touch freed memory if still armed
        QCOMPARE(clock().nowMs(), 1000);
    }

    void theRealClockDrivesAQTimer() {
        installClock(std::make_unique<RealClock>());
        Timer t(QStringLiteral("Timer1"), 1000, true, nullptr);
        QCOMPARE(t.objectName(), QStringLiteral("Timer1"));
        QTimer* real = t.realTimer();
        QVERIFY(real->isActive());
        QCOMPARE(real->interval(), 1000);

        t.setEnabled(false);
        QVERIFY(!real->isActive());
        t.setInterval(250);
        QVERIFY(!real->isActive());
        t.setEnabled(true);
        QVERIFY(real->isActive());
        QCOMPARE(real->interval(), 250);

        t.setInterval(0);
        QVERIFY(t.isEnabled());
        QVERIFY(!real->isActive());

        t.setInterval(50);
        QSignalSpy fired(&t, &Timer::fired);
        QVERIFY(QMetaObject::invokeMethod(real, "timeout"));
        QCOMPARE(fired.count(), 1);
    }

private:
    static VirtualClock& virtualClock() { return static_cast<VirtualClock&>(clock()); }
};

} // namespace quenza::platform

QTEST_GUILESS_MAIN(quenza::platform::ClockTest)
#include "clock_test.moc"
