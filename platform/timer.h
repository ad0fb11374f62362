#pragma once
// Interval timer with the semantics the game relies on:
//  - switching on a running timer changes nothing (its countdown goes on);
//  - switching it off and on again restarts the full interval;
//  - a stopped timer delivers no ticks.
// In the program the ticks come from Qt's event loop. Tests switch the whole
// process to a hand-advanced virtual clock and deliver due ticks in order.
#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr, int intervalMs = 1000);
    ~Timer() override;

    void setInterval(int ms);
    int interval() const { return interval_; }
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    // The handler runs on every tick; an I/O error it raises is reported.
    std::function<void()> onTimer;

    // Virtual-clock bookkeeping (milliseconds since the virtual epoch).
    qint64 dueAt() const { return dueAt_; }

private:
    friend class VirtualClock;
    void fire();
    int interval_;
    bool enabled_ = false;
    qint64 dueAt_ = 0;
    quint64 startSeq_ = 0;
    QTimer real_;
};

// The hand-advanced clock of the tests. While it is active every Timer of the
// process runs on it instead of on the event loop.
class VirtualClock {
public:
    static void activate();   // switch all timers created from now on
    static void deactivate();
    static bool active();
    static qint64 now();
    // Delivers every tick that falls due within the next `ms`, in time order
    // (ties in the order the timers were switched on).
    static void advance(qint64 ms);
};

} // namespace platform
