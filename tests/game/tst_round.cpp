// The rules of a round without a window, in virtual time: the clock, the
// miss penalty, finds, help, pause and the award.
#include "game/round.h"
#include "platform/timer.h"

#include <QSignalSpy>
#include <QtTest>

using game::Round;
using platform::VirtualClock;

class RoundTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { VirtualClock::activate(); }

    void clockTicksOnceASecondFromTenPerDifference_data()
    {
        QTest::addColumn<int>("diffs");
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<int>("shown");
        QTest::newRow("10 differences, before the first tick") << 10 << 999 << 100;
        QTest::newRow("10 differences, the first tick") << 10 << 1000 << 99;
        QTest::newRow("10 differences, 35 s") << 10 << 35000 << 65;
        QTest::newRow("1 difference, 9.9 s") << 1 << 9900 << 1;
        QTest::newRow("25 differences, 4 min") << 25 << 240000 << 10;
    }
    void clockTicksOnceASecondFromTenPerDifference()
    {
        QFETCH(int, diffs);
        QFETCH(int, afterMs);
        QFETCH(int, shown);
        Round r;
        r.start(diffs, 0, 0, true);
        QCOMPARE(r.secondsAtStart(), diffs * 10);
        VirtualClock::advance(afterMs);
        QCOMPARE(r.secondsShown(), shown);
        QCOMPARE(r.timeLeft(), shown);
        QCOMPARE(r.usedSeconds(), diffs * 10 - shown);
        r.stop();
    }

    void warningAtFourSecondsAndTimeUpAtZero()
    {
        Round r;
        QSignalSpy warned(&r, &Round::warning), up(&r, &Round::timeUp);
        r.start(1, 0, 0, true);
        VirtualClock::advance(5000);
        QCOMPARE(warned.count(), 0);
        VirtualClock::advance(1000);
        QCOMPARE(warned.count(), 1);
        VirtualClock::advance(3999);
        QCOMPARE(up.count(), 0);
        VirtualClock::advance(1);
        QCOMPARE(up.count(), 1);
        QVERIFY(!r.clockRunning());
        VirtualClock::advance(5000); // stopped: no more ticks
        QCOMPARE(r.secondsShown(), 0);
        QVERIFY(!r.find(1)); // nothing is found after the end
    }

    void penaltyDependsOnTheGapBetweenMisses_data()
    {
        QTest::addColumn<QList<int>>("missTimes"); // ms after the first miss
        QTest::addColumn<int>("lost");
        QTest::newRow("3.9 s apart costs 5") << QList<int>{0, 3900} << 5;
        QTest::newRow("4.1 s apart costs nothing") << QList<int>{0, 4100} << 0;
        QTest::newRow("0, 2 and 4.5 s: only the second costs") << QList<int>{0, 2000, 4500} << 5;
        QTest::newRow("three quick misses cost 10") << QList<int>{0, 500, 1000} << 10;
    }
    void penaltyDependsOnTheGapBetweenMisses()
    {
        QFETCH(QList<int>, missTimes);
        QFETCH(int, lost);
        Round r;
        QSignalSpy penalised(&r, &Round::penalised);
        r.start(10, 0, 0, true);
        VirtualClock::advance(100); // between ticks
        const int before = r.timeLeft();
        int at = 0;
        for (int t : missTimes) {
            VirtualClock::advance(t - at);
            at = t;
            r.miss();
        }
        const int ticks = (100 + at) / 1000;
        QCOMPARE(r.timeLeft(), before - ticks - lost);
        QCOMPARE(penalised.count(), lost / 5);
        r.stop();
    }

    void penaltyTakesTheSecondsAtOnceTheBarAtTheNextTick()
    {
        Round r;
        r.start(10, 0, 0, false);
        VirtualClock::advance(2500);
        r.miss();
        r.miss();
        QCOMPARE(r.timeLeft(), 93);
        QCOMPARE(r.secondsShown(), 98); // what the bar shows until the next tick
        QCOMPARE(r.usedSeconds(), 2);
        VirtualClock::advance(500);
        QCOMPARE(r.secondsShown(), 92);
        QCOMPARE(r.usedSeconds(), 8);
        r.stop();
    }

    void missWithFiveOrLessLeftLeavesOneSecond_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("after");
        QTest::newRow("6 left") << 6 << 1;
        QTest::newRow("5 left") << 5 << 1;
        QTest::newRow("2 left") << 2 << 1;
    }
    void missWithFiveOrLessLeftLeavesOneSecond()
    {
        QFETCH(int, left);
        QFETCH(int, after);
        Round r;
        QSignalSpy penalised(&r, &Round::penalised);
        r.start(1, 0, 0, true);
        VirtualClock::advance(qint64(10 - left) * 1000);
        QCOMPARE(r.timeLeft(), left);
        r.miss();
        r.miss();
        QCOMPARE(r.timeLeft(), left > 5 ? left - 5 : after);
        QCOMPARE(penalised.count(), left > 5 ? 1 : 0);
        r.stop();
    }

    void aFindClosesThePenaltyWindow()
    {
        Round r;
        QSignalSpy closed(&r, &Round::penaltyWindowClosed);
        r.start(3, 0, 0, true);
        r.miss();
        QVERIFY(r.penaltyWindowOpen());
        QVERIFY(r.find(2));
        QVERIFY(!r.penaltyWindowOpen());
        QCOMPARE(closed.count(), 1);
        r.miss(); // opens it again, costs nothing
        QCOMPARE(r.timeLeft(), 30);
        r.stop();
    }

    void stoppingClosesAnOpenPenaltyWindow()
    {
        Round r;
        QSignalSpy closed(&r, &Round::penaltyWindowClosed);
        r.start(2, 0, 0, true);
        r.stop();
        QCOMPARE(closed.count(), 0); // none was open
        r.start(2, 0, 0, true);
        r.miss();
        r.stop(); // time up, or the level left, with the warning on
        QVERIFY(!r.penaltyWindowOpen());
        QCOMPARE(closed.count(), 1);
    }

    void findsCountOnceAndTheLastCompletes()
    {
        Round r;
        QSignalSpy done(&r, &Round::completed);
        r.start(3, 0, 0, true);
        QVERIFY(r.find(1));
        QVERIFY(!r.find(1)); // a second press changes nothing
        QVERIFY(!r.find(4)); // no such difference
        QCOMPARE(r.remaining(), 2);
        QVERIFY(r.find(3));
        QVERIFY(r.find(2));
        QVERIFY(r.complete());
        QCOMPARE(done.count(), 1);
        QVERIFY(!r.clockRunning());
        VirtualClock::advance(5000);
        QCOMPARE(r.secondsShown(), 30);
    }

    void helpSpendsATokenOnTheFirstDifferenceLeft_data()
    {
        QTest::addColumn<int>("helps");
        QTest::addColumn<QList<int>>("foundBefore");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("shown"); // the difference help finds, 0 for none
        QTest::newRow("none found") << 2 << QList<int>{} << false << 1;
        QTest::newRow("first two found") << 2 << QList<int>{1, 2} << false << 3;
        QTest::newRow("no token") << 0 << QList<int>{} << false << 0;
        QTest::newRow("paused") << 2 << QList<int>{} << true << 0;
    }
    void helpSpendsATokenOnTheFirstDifferenceLeft()
    {
        QFETCH(int, helps);
        QFETCH(QList<int>, foundBefore);
        QFETCH(bool, paused);
        QFETCH(int, shown);
        Round r;
        r.start(4, helps, 0, true);
        for (int k : foundBefore)
            r.find(k);
        r.setPaused(paused);
        QCOMPARE(r.help(), shown);
        QCOMPARE(r.helps(), shown ? helps - 1 : helps);
        if (shown) {
            QVERIFY(r.foundByHelp(shown));
            QCOMPARE(r.foundCount(), int(foundBefore.size()) + 1);
        }
        r.stop();
    }

    void pauseAndSuspensionStopTheClockTogether()
    {
        Round r;
        r.start(10, 0, 0, true);
        VirtualClock::advance(1500);
        r.setPaused(true);
        VirtualClock::advance(60000);
        QCOMPARE(r.secondsShown(), 99);
        r.setSuspended(true);
        r.setPaused(false); // still suspended
        VirtualClock::advance(10000);
        QCOMPARE(r.secondsShown(), 99);
        r.setSuspended(false); // the interval starts anew
        VirtualClock::advance(999);
        QCOMPARE(r.secondsShown(), 99);
        VirtualClock::advance(1);
        QCOMPARE(r.secondsShown(), 98);
        r.setPaused(true);
        r.miss(); // the clock stands: no penalty window
        QVERIFY(!r.penaltyWindowOpen());
        r.stop();
    }

    void awardsAtMostOneTokenPerLevel_data()
    {
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("bank");
        QTest::addColumn<bool>("firstTry");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("helpsAfter");
        QTest::addColumn<int>("bankAfter");
        QTest::addColumn<bool>("fromBank");
        QTest::newRow("first try, 37 left, bank 80") << 0 << 80 << true << 37 << 1 << 80 << false;
        QTest::newRow("second try, 37 left, bank 80") << 0 << 80 << false << 37 << 1 << 17 << true;
        QTest::newRow("second try, 12 left, bank 30") << 2 << 30 << false << 12 << 2 << 42 << false;
        QTest::newRow("bank reaches 99") << 0 << 60 << false << 39 << 0 << 99 << false;
        QTest::newRow("bank reaches 100") << 0 << 60 << false << 40 << 1 << 0 << true;
        QTest::newRow("bank reaches 101") << 0 << 60 << false << 41 << 1 << 1 << true;
        QTest::newRow("bank beyond a byte stays in it") << 0 << 200 << false << 250 << 1 << 255 << true;
        QTest::newRow("tokens never wrap") << 255 << 0 << true << 30 << 255 << 0 << false;
        QTest::newRow("tokens never wrap from the bank") << 255 << 90 << false << 30 << 255 << 20 << true;
    }
    void awardsAtMostOneTokenPerLevel()
    {
        QFETCH(int, helps);
        QFETCH(int, bank);
        QFETCH(bool, firstTry);
        QFETCH(int, left);
        QFETCH(int, helpsAfter);
        QFETCH(int, bankAfter);
        QFETCH(bool, fromBank);
        const game::Award a = game::awardFor(helps, bank, firstTry, left);
        QCOMPARE(a.helps, helpsAfter);
        QCOMPARE(a.secondsBank, bankAfter);
        QCOMPARE(a.fromBank, fromBank);
        QCOMPARE(a.firstTry, firstTry);
    }

    // The award follows the seconds shown, not those left after a penalty.
    void roundAwardFollowsWhatIsShown()
    {
        Round r;
        r.start(5, 0, 58, false);
        VirtualClock::advance(7500); // 43 shown
        r.miss();
        r.miss(); // 38 left, 43 still shown
        for (int k = 1; k <= 5; ++k)
            r.find(k);
        QCOMPARE(r.timeLeft(), 38);
        QCOMPARE(r.secondsShown(), 43);
        const game::Award a = r.award();
        QCOMPARE(a.helps, 1);
        QCOMPARE(a.secondsBank, 1);
        QCOMPARE(r.usedSeconds(), 7);
    }
};

QTEST_MAIN(RoundTest)
#include "tst_round.moc"
