// Timer semantics on the virtual clock: the game's penalty window, blink and
// delays all depend on them.
#include "platform/timer.h"

#include <QtTest>

using platform::Timer;
using platform::VirtualClock;

class TimerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { VirtualClock::activate(); }

    void stoppedTimerNeverTicks()
    {
        Timer t(nullptr, 100);
        int ticks = 0;
        t.onTimer = [&] { ++ticks; };
        VirtualClock::advance(1000);
        QCOMPARE(ticks, 0);
    }

    void advanceDeliversExactlyTheDueTicks_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("ticks");
        QTest::newRow("3900 ms of a second clock") << 1000 << 3900 << 3;
        QTest::newRow("exactly on a tick") << 1000 << 4000 << 4;
        QTest::newRow("blink 250 ms for 1 s") << 250 << 1000 << 4;
        QTest::newRow("penalty window not yet due") << 4000 << 3999 << 0;
    }
    void advanceDeliversExactlyTheDueTicks()
    {
        QFETCH(int, interval);
        QFETCH(int, advance);
        QFETCH(int, ticks);
        Timer t(nullptr, interval);
        int n = 0;
        t.onTimer = [&] { ++n; };
        t.setEnabled(true);
        VirtualClock::advance(advance);
        QCOMPARE(n, ticks);
    }

    void switchingOnARunningTimerChangesNothing()
    {
        Timer t(nullptr, 4000);
        int n = 0;
        t.onTimer = [&] { ++n; };
        t.setEnabled(true);
        VirtualClock::advance(3000);
        t.setEnabled(true); // a second miss must not lengthen the window
        VirtualClock::advance(1000);
        QCOMPARE(n, 1);
    }

    void offThenOnRestartsTheFullInterval()
    {
        Timer t(nullptr, 1000);
        int n = 0;
        t.onTimer = [&] { ++n; };
        t.setEnabled(true);
        VirtualClock::advance(900);
        t.setEnabled(false);
        t.setEnabled(true);
        VirtualClock::advance(900);
        QCOMPARE(n, 0);
        VirtualClock::advance(100);
        QCOMPARE(n, 1);
    }

    void ticksOfSeveralTimersComeInTimeOrder()
    {
        Timer a(nullptr, 300), b(nullptr, 200), c(nullptr, 300);
        QStringList order;
        const qint64 base = VirtualClock::now();
        a.onTimer = [&] { order << QStringLiteral("a%1").arg(VirtualClock::now() - base); };
        b.onTimer = [&] { order << QStringLiteral("b%1").arg(VirtualClock::now() - base); };
        c.onTimer = [&] { order << QStringLiteral("c%1").arg(VirtualClock::now() - base); };
        a.setEnabled(true);
        b.setEnabled(true);
        c.setEnabled(true);
        VirtualClock::advance(600);
        auto at = [&](const char* n, int ms) { return QString::fromLatin1(n) + QString::number(ms); };
        QCOMPARE(order, QStringList({at("b", 200), at("a", 300), at("c", 300), at("b", 400),
                                     at("a", 600), at("b", 600), at("c", 600)}));
    }

    void aHandlerCanStopATimerDueAtTheSameMoment()
    {
        Timer first(nullptr, 1000), second(nullptr, 1000);
        int secondTicks = 0;
        first.onTimer = [&] { second.setEnabled(false); };
        second.onTimer = [&] { ++secondTicks; };
        first.setEnabled(true);
        second.setEnabled(true);
        VirtualClock::advance(5000);
        QCOMPARE(secondTicks, 0);
    }

    void destroyedTimerIsForgotten()
    {
        auto* t = new Timer(nullptr, 100);
        t->setEnabled(true);
        delete t;
        VirtualClock::advance(1000); // must not touch the deleted timer
    }
};

QTEST_MAIN(TimerTest)
#include "tst_timer.moc"
