#include "platform/timer.h"

#include "platform/ioerror.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {
struct VirtualState {
    bool active = false;
    qint64 now = 0;
    quint64 seq = 0;
    std::vector<Timer*> timers;
};
VirtualState& vs()
{
    static VirtualState s;
    return s;
}
} // namespace

Timer::Timer(QObject* parent, int intervalMs) : QObject(parent), interval_(intervalMs)
{
    real_.setTimerType(Qt::PreciseTimer);
    real_.setInterval(intervalMs);
    connect(&real_, &QTimer::timeout, this, &Timer::fire);
    vs().timers.push_back(this);
}

Timer::~Timer()
{
    auto& t = vs().timers;
    t.erase(std::remove(t.begin(), t.end(), this), t.end());
}

void Timer::setInterval(int ms)
{
    interval_ = ms;
    real_.setInterval(ms);
    if (enabled_) { // a new interval restarts the countdown
        dueAt_ = vs().now + ms;
        if (!vs().active)
            real_.start();
    }
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return; // switching on a running timer changes nothing
    enabled_ = on;
    if (on) {
        dueAt_ = vs().now + interval_;
        startSeq_ = ++vs().seq;
        if (!vs().active)
            real_.start();
    } else {
        real_.stop();
    }
}

void Timer::fire()
{
    if (!enabled_)
        return;
    if (onTimer)
        guard(onTimer);
}

void VirtualClock::activate()
{
    vs().active = true;
    for (Timer* t : vs().timers)
        t->real_.stop();
}

void VirtualClock::deactivate() { vs().active = false; }
bool VirtualClock::active() { return vs().active; }
qint64 VirtualClock::now() { return vs().now; }

void VirtualClock::advance(qint64 ms)
{
    auto& s = vs();
    const qint64 target = s.now + ms;
    for (;;) {
        Timer* next = nullptr;
        for (Timer* t : s.timers) {
            if (!t->enabled_ || t->dueAt_ > target)
                continue;
            if (!next || t->dueAt_ < next->dueAt_
                || (t->dueAt_ == next->dueAt_ && t->startSeq_ < next->startSeq_))
                next = t;
        }
        if (!next)
            break;
        s.now = next->dueAt_;
        next->dueAt_ += next->interval_;
        next->fire();
    }
    s.now = target;
}

} // namespace platform
