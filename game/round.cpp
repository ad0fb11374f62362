#include "game/round.h"

#include "platform/timer.h"

#include <algorithm>

namespace game {

Award awardFor(int helps, int secondsBank, bool firstTry, int secondsLeft)
{
    Award a{helps, secondsBank, firstTry, false};
    if (firstTry) {
        a.helps = std::min(255, helps + 1);
        return a;
    }
    int bank = secondsBank + secondsLeft; // summed wide, kept in its byte
    if (bank >= 100) {
        a.helps = std::min(255, helps + 1);
        bank -= 100;
        a.fromBank = true;
    }
    a.secondsBank = std::min(255, bank);
    return a;
}

Round::Round(QObject* parent)
    : QObject(parent), clock_(new platform::Timer(this, 1000)), penalty_(new platform::Timer(this, kPenaltyWindowMs))
{
    clock_->onTimer = [this] { tick(); };
    penalty_->onTimer = [this] { closePenaltyWindow(); };
}

Round::~Round() = default;

void Round::start(int diffs, int helps, int secondsBank, bool firstTry)
{
    stop();
    diffs_ = std::clamp(diffs, 1, kMaxDiffs);
    found_ = 0;
    state_.fill(0);
    start_ = left_ = shown_ = diffs_ * kSecondsPerDifference;
    helps_ = helps;
    bank_ = secondsBank;
    firstTry_ = firstTry;
    paused_ = suspended_ = false;
    running_ = true;
    runClock();
}

void Round::stop()
{
    running_ = false;
    clock_->setEnabled(false);
    if (penalty_->enabled()) // the miss warning goes with the round
        closePenaltyWindow();
}

bool Round::clockRunning() const { return clock_->enabled(); }
bool Round::penaltyWindowOpen() const { return penalty_->enabled(); }
bool Round::isFound(int k) const { return k >= 1 && k <= diffs_ && state_[size_t(k - 1)] != 0; }
bool Round::foundByHelp(int k) const { return k >= 1 && k <= diffs_ && state_[size_t(k - 1)] == 2; }

void Round::runClock()
{
    // Switching on a running timer leaves its countdown alone.
    clock_->setEnabled(running_ && !paused_ && !suspended_);
}

void Round::tick()
{
    --left_;
    shown_ = left_;
    if (left_ == kWarningAt)
        emit warning();
    emit ticked(shown_);
    if (left_ == 0) {
        stop();
        emit timeUp();
    }
}

void Round::miss()
{
    if (!clockRunning())
        return;
    if (penaltyWindowOpen()) {
        if (left_ > kPenaltySeconds) {
            left_ -= kPenaltySeconds;
            emit penalised();
        } else {
            left_ = 1; // the last second is left to run out
        }
    }
    // The window runs from the miss that opened it; later misses do not
    // lengthen it.
    penalty_->setEnabled(true);
}

void Round::closePenaltyWindow()
{
    penalty_->setEnabled(false);
    emit penaltyWindowClosed();
}

bool Round::find(int k, bool byHelp)
{
    if (!running_ || k < 1 || k > diffs_ || state_[size_t(k - 1)] != 0)
        return false;
    state_[size_t(k - 1)] = byHelp ? 2 : 1;
    ++found_;
    closePenaltyWindow(); // a find forgives the miss before it
    emit found(k, byHelp);
    if (complete()) {
        stop();
        emit completed();
    }
    return true;
}

int Round::help()
{
    if (!running_ || paused_ || helps_ <= 0)
        return 0;
    const int k = int(std::find(state_.begin(), state_.begin() + diffs_, 0) - state_.begin()) + 1;
    --helps_;
    find(k, true);
    return k;
}

void Round::setPaused(bool on)
{
    paused_ = on;
    runClock();
}

void Round::setSuspended(bool on)
{
    suspended_ = on;
    runClock();
}

Award Round::award() const { return awardFor(helps_, bank_, firstTry_, shown_); }

} // namespace game
