// The clock, the miss penalty, pause and the idle reminder, in virtual time.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/gamesession.h"

#include <QLabel>
#include <QtTest>

using testsupport::GameSession;

namespace {
// A level of 10 differences well apart; misses land at (5, 470).
void startTen(GameSession& s, testsupport::SessionOptions o = {})
{
    s.writeLevel(1, 10);
    s.start(o);
}
void miss(GameSession& s) { s.clickPicture(5, 470); }
} // namespace

class GameWindowClockTest : public QObject {
    Q_OBJECT
private slots:
    void firstTickShows0139AndTheBarFollows()
    {
        GameSession s;
        startTen(s);
        s.advance(999);
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("00:00"));
        s.advance(1);
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("01:39"));
        QCOMPARE(gameWindow()->timeBar->progress(), 99);
        s.advance(34000);
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("01:05"));
    }

    void penaltyDependsOnTheGapBetweenMisses_data()
    {
        QTest::addColumn<QList<int>>("missTimes"); // ms after the first second
        QTest::addColumn<int>("lost");
        QTest::addColumn<int>("nemjo");
        QTest::newRow("3.9 s apart costs 5") << QList<int>{0, 3900} << 5 << 1;
        QTest::newRow("4.1 s apart costs nothing") << QList<int>{0, 4100} << 0 << 0;
        QTest::newRow("0, 2 and 4.5 s: only the second costs") << QList<int>{0, 2000, 4500} << 5 << 1;
        QTest::newRow("three quick misses cost 10") << QList<int>{0, 500, 1000} << 10 << 2;
    }
    void penaltyDependsOnTheGapBetweenMisses()
    {
        QFETCH(QList<int>, missTimes);
        QFETCH(int, lost);
        QFETCH(int, nemjo);
        GameSession s;
        startTen(s);
        s.advance(100); // between ticks
        int at = 0;
        for (int t : missTimes) {
            s.advance(t - at);
            at = t;
            miss(s);
        }
        const int ticks = (100 + at) / 1000;
        QCOMPARE(gameWindow()->round.timeLeft(), 100 - ticks - lost);
        QCOMPARE(s.sounds().count("nemjo"), nemjo);
    }

    void laterMissNeverLengthensTheWindow()
    {
        GameSession s;
        startTen(s);
        miss(s);
        s.advance(3000);
        miss(s); // penalised, but the window still closes at 4 s
        s.advance(1001);
        QVERIFY(!gameWindow()->round.penaltyWindowOpen());
        QVERIFY(!gameWindow()->warningBlinkTimer->enabled());
        QVERIFY(gameWindow()->warningSign->isHidden());
    }

    void warningBlinksEvery250msWhileTheWindowIsOpen()
    {
        GameSession s;
        startTen(s);
        miss(s);
        QList<bool> states;
        for (int i = 0; i < 4; ++i) {
            s.advance(250);
            states << gameWindow()->warningSign->isVisible();
        }
        QCOMPARE(states, QList<bool>({true, false, true, false}));
    }

    void hitClosesThePenaltyWindow()
    {
        GameSession s;
        startTen(s);
        miss(s);
        s.press(1);
        QVERIFY(!gameWindow()->round.penaltyWindowOpen());
        QVERIFY(gameWindow()->warningSign->isHidden());
        miss(s);
        QCOMPARE(gameWindow()->round.timeLeft(), 100);
    }

    void penaltyNearTheEndLeavesOneSecond_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("nemjo");
        QTest::newRow("6 left") << 6 << 1 << true;
        QTest::newRow("5 left") << 5 << 1 << false;
        QTest::newRow("2 left") << 2 << 1 << false;
        QTest::newRow("8 left") << 8 << 3 << true;
    }
    void penaltyNearTheEndLeavesOneSecond()
    {
        QFETCH(int, left);
        QFETCH(int, after);
        QFETCH(bool, nemjo);
        GameSession s;
        s.writeLevel(1, 1);
        s.start();
        s.advance(1000 * (10 - left));
        QCOMPARE(gameWindow()->round.timeLeft(), left);
        const int ketyegBefore = s.sounds().count("ketyeg");
        miss(s);
        miss(s);
        QCOMPARE(gameWindow()->round.timeLeft(), after);
        QCOMPARE(s.sounds().count("nemjo"), nemjo ? 1 : 0);
        // A penalty past 4 plays no ticking; time up comes from a tick.
        s.advance(1000 * after - 1);
        QVERIFY(gameWindow()->round.clockRunning());
        QCOMPARE(s.sounds().count("ketyeg"), ketyegBefore + (after > 4 ? 1 : 0));
        s.advance(1);
        QVERIFY(!gameWindow()->round.clockRunning());
        QCOMPARE(s.modals.shown.last(), QStringLiteral("TimeUpDialog"));
    }

    void ketyegOnTheTickThatLandsOnFour()
    {
        GameSession s;
        s.writeLevel(1, 1);
        s.start();
        s.advance(5000);
        QCOMPARE(s.sounds().count("ketyeg"), 0);
        s.advance(1000);
        QCOMPARE(s.sounds().count("ketyeg"), 1);
    }

    void missesWhileTheClockIsStoppedOnlyRestartTheReminder()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}});
        s.start();
        s.press(1); // level complete, clock stopped
        miss(s);
        miss(s);
        QVERIFY(!gameWindow()->round.penaltyWindowOpen());
        QVERIFY(gameWindow()->idleTimer->enabled());
        QCOMPARE(gameWindow()->round.timeLeft(), 10);
    }

    void pauseHidesEverythingAndStopsTheClock()
    {
        GameSession s;
        startTen(s);
        gameWindow()->togglePause();
        QCOMPARE(int(gameWindow()->round.paused()), 1);
        QVERIFY(gameWindow()->leftPicture->isHidden());
        QVERIFY(gameWindow()->rightPicture->isHidden());
        QVERIFY(gameWindow()->pauseBanner->isVisible());
        QVERIFY(!gameWindow()->helpButton->isEnabled());
        QVERIFY(!s.region(4, 1)->isVisible());
        QCOMPARE(s.sounds().last(), QStringLiteral("pause"));
        s.advance(10000);
        QCOMPARE(gameWindow()->round.timeLeft(), 100);
        QTest::mouseClick(gameWindow()->pauseBanner, Qt::LeftButton); // the banner resumes
        QCOMPARE(int(gameWindow()->round.paused()), 0);
        QVERIFY(gameWindow()->leftPicture->isVisible());
        QVERIFY(s.region(4, 1)->isVisible());
        QCOMPARE(s.sounds().last(), QStringLiteral("pause_vege"));
    }

    void pausingJustBeforeEveryTickFreezesTheClock()
    {
        GameSession s;
        startTen(s);
        for (int i = 0; i < 5; ++i) {
            s.advance(999);
            gameWindow()->togglePause();
            gameWindow()->togglePause();
        }
        QCOMPARE(gameWindow()->round.timeLeft(), 100);
        s.advance(1000);
        QCOMPARE(gameWindow()->round.timeLeft(), 99);
    }

    void reminderFlashesOnlyWhenItCanHelp_data()
    {
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("secondsLeftAt14");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<bool>("flash");
        QTest::newRow("tokens, time, playing") << 1 << 86 << false << true;
        QTest::newRow("no tokens") << 0 << 86 << false << false;
        QTest::newRow("paused") << 2 << 100 << true << false;
    }
    void reminderFlashesOnlyWhenItCanHelp()
    {
        QFETCH(int, helps);
        QFETCH(int, secondsLeftAt14);
        QFETCH(bool, paused);
        QFETCH(bool, flash);
        GameSession s;
        startTen(s, {.helps = helps});
        if (paused)
            gameWindow()->togglePause();
        s.advance(14000);
        QCOMPARE(gameWindow()->round.timeLeft(), secondsLeftAt14);
        QCOMPARE(gameWindow()->helpPanel->penWidth(), flash ? 4 : 1);
        QCOMPARE(gameWindow()->helpPanel->penColor(), flash ? QColor(Qt::white) : QColor(Qt::black));
        QCOMPARE(s.sounds().count("helppos"), flash ? 1 : 0);
        s.advance(600);
        QCOMPARE(gameWindow()->helpPanel->penWidth(), 1);
    }

    void reminderRepeatsWithoutClicksAndWaitsAfterAClick()
    {
        GameSession s;
        s.writeLevel(1, 25);
        s.start({.helps = 3});
        s.advance(28000);
        QCOMPARE(s.sounds().count("helppos"), 2);
        s.advance(10000);
        miss(s); // restarts the 14 s
        s.advance(13999);
        QCOMPARE(s.sounds().count("helppos"), 2);
        s.advance(1);
        QCOMPARE(s.sounds().count("helppos"), 3);
    }

    void reminderNeedsAtLeastFiveSecondsLeft_data()
    {
        QTest::addColumn<int>("misses");
        QTest::addColumn<bool>("flash");
        QTest::newRow("one miss: 6 s left at the reminder") << 1 << true;
        QTest::newRow("penalised: 1 s left at the reminder") << 2 << false;
    }
    void reminderNeedsAtLeastFiveSecondsLeft()
    {
        QFETCH(int, misses);
        QFETCH(bool, flash);
        GameSession s;
        s.writeLevel(1, 2); // 20 seconds
        s.start({.helps = 1});
        s.advance(500);
        for (int i = 0; i < misses; ++i) {
            s.advance(100);
            miss(s);
        }
        s.advance(14000); // the reminder is due 14 s after the last miss
        QCOMPARE(gameWindow()->round.timeLeft(), flash ? 6 : 1);
        QCOMPARE(s.sounds().count("helppos"), flash ? 1 : 0);
    }

    void pauseAfterAFailedLoadDoesNothing()
    {
        GameSession s;
        s.start(); // no level file
        gameWindow()->togglePause();
        QCOMPARE(int(gameWindow()->round.paused()), 0);
        QVERIFY(!gameWindow()->round.clockRunning());
        QVERIFY(!s.sounds().contains("pause"));
    }
};

QTEST_MAIN(GameWindowClockTest)
#include "tst_gamewindow_clock.moc"
