#pragma once

#include <QObject>
#include <QString>

class QTimer;

namespace quenza::platform {

// A named interval timer of a window (`Timer1`, `tcomodin3`, `magic`): an
// interval, an enabled flag and a `fired` signal each time the interval ends.
// It runs on the process-wide clock.
class Timer final : public QObject {
    Q_OBJECT
public:
    Timer(const QString& name, int intervalMs, bool enabled, QObject* parent);
    ~Timer() override;

    bool isEnabled() const { return enabled_; }
    int interval() const { return interval_; }
    // Switching on (even when already on) restarts the interval.
    void setEnabled(bool enabled);
    // Changing the interval of a running timer restarts it.
    void setInterval(int ms);

    // Used by the clocks.
    void fire();
    QTimer* realTimer();

Q_SIGNALS:
    void fired();

private:
    int interval_;
    bool enabled_ = false;
    QTimer* real_ = nullptr;
};

} // namespace quenza::platform
