#pragma once
// The rules of one round, an attempt at a level, without a window: the clock,
// the miss penalty, finds, help, pause and the award at the end. The clock
// runs on platform::Timer, so tests drive it in virtual time.
#include <QObject>
#include <array>
#include <cstdint>

namespace platform { class Timer; }

namespace game {

// What the end of a completed level gives the player.
struct Award {
    int helps = 0;       // tokens after the award
    int secondsBank = 0; // seconds kept towards the next token
    bool firstTry = false;
    bool fromBank = false; // a token for 100 banked seconds
};

// The award rule: a first try earns a token; a later try banks the seconds
// left and a bank of 100 earns one. At most one token per level; both
// counts stay within their bytes.
Award awardFor(int helps, int secondsBank, bool firstTry, int secondsLeft);

class Round : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxDiffs = 25;
    static constexpr int kSecondsPerDifference = 10;
    static constexpr int kPenaltySeconds = 5;
    static constexpr int kPenaltyWindowMs = 4000;
    static constexpr int kWarningAt = 4; // seconds left when the clock ticks loud

    explicit Round(QObject* parent = nullptr);
    ~Round() override;

    // A new attempt with `diffs` differences (1..25): the clock stands at ten
    // seconds a difference and runs; nothing is found; no penalty is due.
    void start(int diffs, int helps, int secondsBank, bool firstTry);
    // Stops the clock and closes the penalty window (the level ended or was
    // left); nothing is found or spent after it.
    void stop();

    // A press on difference k (1-based). False when it was found already.
    bool find(int k, bool byHelp = false);
    // A press on a picture where no difference is: while the penalty window
    // is open it costs five seconds (or leaves one second), and it opens the
    // window when it is closed. Nothing while the clock stands.
    void miss();
    // Spends a token on the first difference not found yet: its number, or
    // 0 when there is no token, the round is paused or over.
    int help();
    // Pause, and the caption guard's suspension, stop the clock; both must
    // be off for it to run again.
    void setPaused(bool on);
    void setSuspended(bool on);

    int diffCount() const { return diffs_; }
    int foundCount() const { return found_; }
    int remaining() const { return diffs_ - found_; }
    bool isFound(int k) const;
    bool foundByHelp(int k) const;
    bool complete() const { return diffs_ > 0 && found_ == diffs_; }
    bool paused() const { return paused_; }
    bool suspended() const { return suspended_; }
    bool clockRunning() const;
    bool penaltyWindowOpen() const;
    int helps() const { return helps_; }
    int secondsBank() const { return bank_; }
    bool firstTry() const { return firstTry_; }

    // Seconds on the clock: a penalty takes them at once.
    int timeLeft() const { return left_; }
    // Seconds the time bar shows: the last tick's value (a penalty shows at
    // the next tick). The seconds used and the award follow what is shown.
    int secondsShown() const { return shown_; }
    int secondsAtStart() const { return start_; }
    int usedSeconds() const { return start_ - shown_; }
    // The award for a completed level (the round's tokens and bank as they
    // are now, the seconds shown).
    Award award() const;

signals:
    void ticked(int secondsShown);
    void warning();           // kWarningAt seconds left
    void penalised();         // a miss cost five seconds
    void penaltyWindowClosed();
    void found(int k, bool byHelp);
    void completed();         // the last difference was found; the clock stopped
    void timeUp();

private:
    void tick();
    void runClock();
    void closePenaltyWindow();
    platform::Timer* clock_;
    platform::Timer* penalty_;
    std::array<std::uint8_t, kMaxDiffs> state_{}; // 0 not found, 1 found, 2 found by help
    int diffs_ = 0, found_ = 0;
    int start_ = 0, left_ = 0, shown_ = 0;
    int helps_ = 0, bank_ = 0;
    bool firstTry_ = false, paused_ = false, suspended_ = false, running_ = false;
};

} // namespace game
