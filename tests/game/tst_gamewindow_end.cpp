// The end of an attempt: time accounting, awards, saves, result windows and
// the hidden level jump.
#include "support/appwindows.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "menus/leveljumpdialog.h"
#include "menus/startwindow.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/timer.h"
#include "players/records.h"
#include "players/playerdialog.h"
#include "support/gamesession.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using testsupport::GameSession;

namespace {
players::PlayerRecord savedPlayer(const GameSession& s)
{
    QFile f(s.dir.file("players.dat"));
    f.open(QIODevice::ReadOnly);
    const QByteArray b = f.readAll();
    return players::decodeRoster(b.constData()).slot(1);
}
// Plays the running level to its end with `left` seconds on the clock.
void finishWith(GameSession& s, int diffs, int left)
{
    s.advance(1000 * (diffs * 10 - left));
    for (int k = 1; k <= diffs; ++k)
        s.press(k);
    s.advance(3000);
}
} // namespace

class GameWindowEndTest : public QObject {
    Q_OBJECT
private slots:
    void awardsAtMostOneTokenPerLevel_data()
    {
        QTest::addColumn<int>("attempts");  // stored before this load
        QTest::addColumn<int>("diffs");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("helpsAfter");
        QTest::addColumn<int>("bankAfter");
        QTest::addColumn<QString>("message");
        QTest::newRow("first try, 37 left, bank 80") << 0 << 5 << 37 << 0 << 80 << 1 << 80
            << QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!");
        QTest::newRow("second try, 37 left, bank 80") << 1 << 5 << 37 << 0 << 80 << 1 << 17
            << QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!");
        QTest::newRow("second try, 12 left, bank 30") << 1 << 5 << 12 << 2 << 30 << 2 << 42
            << QString::fromUtf8("A következő segítséghez még 58 maradék másodperc kell.");
        // The bank pays out at exactly 100 seconds, not one later.
        QTest::newRow("second try, bank reaches 99") << 1 << 5 << 39 << 0 << 60 << 0 << 99
            << QString::fromUtf8("A következő segítséghez még 1 maradék másodperc kell.");
        QTest::newRow("second try, bank reaches 100") << 1 << 5 << 40 << 0 << 60 << 1 << 0
            << QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!");
        QTest::newRow("second try, bank reaches 101") << 1 << 5 << 41 << 0 << 60 << 1 << 1
            << QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!");
        QTest::newRow("bank beyond a byte stays in it") << 1 << 25 << 250 << 0 << 200 << 1 << 255
            << QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!");
        QTest::newRow("tokens never wrap") << 0 << 5 << 30 << 255 << 0 << 255 << 0
            << QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!");
    }
    void awardsAtMostOneTokenPerLevel()
    {
        QFETCH(int, attempts);
        QFETCH(int, diffs);
        QFETCH(int, left);
        QFETCH(int, helps);
        QFETCH(int, bank);
        QFETCH(int, helpsAfter);
        QFETCH(int, bankAfter);
        QFETCH(QString, message);
        GameSession s;
        s.writeLevel(4, diffs);
        s.writeLevel(5, 2);
        QString shownMessage;
        s.modals.answer = [&](QWidget* w) {
            if (is<LevelDoneDialog>(w))
                shownMessage = levelDoneDialog()->awardLabel->text();
            return int(platform::mrOk);
        };
        s.start({.level = 4, .helps = helps, .secondsBank = bank, .attempts = attempts});
        finishWith(s, diffs, left);
        QCOMPARE(shownMessage, message);
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(int(p.helps), helpsAfter);
        QCOMPARE(int(p.secondsBank), bankAfter);
        QCOMPARE(int(p.level), 5);
        QCOMPARE(int(p.attempts), 0);
        QCOMPARE(p.totalSeconds, diffs * 10 - left);
        QCOMPARE(p.levelSeconds, 0);
        QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("5")); // the next level is on
    }

    void failedTwiceThenCompleted()
    {
        GameSession s;
        s.writeLevel(1, 10);
        QStringList levelDoneShown;
        s.modals.answer = [&](QWidget* w) {
            if (is<LevelDoneDialog>(w))
                levelDoneShown << levelDoneDialog()->usedTimeLabel->text() << levelDoneDialog()->timeLeftLabel->text() << levelDoneDialog()->attemptsLabel->text();
            if (is<TimeUpDialog>(w)) {
                levelDoneShown << timeUpDialog()->missedLabel->text();
                return int(platform::mrOk);
            }
            return int(platform::mrCancel);
        };
        s.start();
        s.advance(100000);
        s.press(1);
        s.advance(100000);
        QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - 1. szint, 3. próbálkozás (Játékos: Anna)"));
        finishWith(s, 10, 60);
        QCOMPARE(levelDoneShown, QStringList({QString::fromUtf8("Még 10 különbséget kellett volna megtalálni."),
                                     QString::fromUtf8("Még 9 különbséget kellett volna megtalálni."),
                                     "04:00", "01:00", "3"}));
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(p.totalSeconds, 240);
        QCOMPARE(p.levelSeconds, 0);
        QCOMPARE(int(p.level), 2);
        QVERIFY(startWindow()->isVisible()); // "Mentés és kilépés"
        QVERIFY(!gameWindow()->isVisible());
    }

    void timeUpSavesTheAttemptAndLeavesOnCancel()
    {
        GameSession s;
        s.writeLevel(3, 3);
        s.start({.level = 3, .attempts = 4});
        s.advance(30000);
        QCOMPARE(s.modals.shown, QStringList{"TimeUpDialog"});
        QCOMPARE(timeUpDialog()->missedLabel->text(), QString::fromUtf8("Még 3 különbséget kellett volna megtalálni."));
        QCOMPARE(s.sounds().mid(s.sounds().size() - 1), QStringList{"palya_fail"});
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(int(p.level), 3);
        QCOMPARE(int(p.attempts), 5);
        QCOMPARE(p.totalSeconds, 30);
        QCOMPARE(p.levelSeconds, 30);
        QVERIFY(!gameWindow()->regionsBuilt());
        QVERIFY(startWindow()->isVisible());
    }

    void completingLevel100LeadsToTheGameCompletedWindow()
    {
        GameSession s;
        s.writeLevel(100, 1);
        QStringList seen;
        s.modals.answer = [&](QWidget* w) {
            if (is<LevelDoneDialog>(w))
                seen << levelDoneDialog()->nextButton->text() << (levelDoneDialog()->saveAndQuitButton->isHidden() ? "hidden" : "shown")
                     << levelDoneDialog()->awardLabel->text();
            if (is<GameCompleteDialog>(w))
                seen << s.sounds().last();
            return int(platform::mrOk);
        };
        s.start({.level = 100, .helps = 0});
        finishWith(s, 1, 5);
        QCOMPARE(seen, QStringList({QString::fromUtf8("Játék befejezése"), "hidden",
                                    QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"),
                                    "endgame (loop)"}));
        QCOMPARE(s.modals.shown, QStringList({"LevelDoneDialog", "GameCompleteDialog"}));
        QCOMPARE(int(savedPlayer(s).level), 101);
        QVERIFY(startWindow()->isVisible());
    }

    void closingMidAttemptCountsOnlyTheLevelTime()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.attempts = 0});
        s.advance(7000);
        QVERIFY(QFile::exists(s.dir.file("BAL.BMP")));
        gameWindow()->close();
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(p.levelSeconds, 7);
        QCOMPARE(p.totalSeconds, 0);
        QCOMPARE(int(p.attempts), 1);
        QVERIFY(!QFile::exists(s.dir.file("BAL.BMP")));
        QVERIFY(!QFile::exists(s.dir.file("JOBB.BMP")));
        QVERIFY(!gameWindow()->round.clockRunning());
        QVERIFY(startWindow()->isVisible());
        startWindow()->hide();
        gameWindow()->show();
        QVERIFY(gameWindow()->windowTitle().contains(QString::fromUtf8("2. próbálkozás")));
    }

    void closingDuringTheFinalDelayCountsOnce()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start();
        s.advance(4000);
        s.press(1);
        s.press(2);
        s.advance(1000);
        gameWindow()->close();
        s.advance(5000);
        QVERIFY(s.modals.shown.isEmpty());
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(p.levelSeconds, 4);
        QCOMPARE(p.totalSeconds, 0);
        QCOMPARE(int(p.level), 1);
    }

    void penalisedMissJustBeforeTheLastHitCountsTheBarsSeconds()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start({.attempts = 1});
        s.advance(3500); // 17 on the bar
        s.clickPicture(5, 470);
        s.clickPicture(5, 470); // 12 left, the bar still says 17
        s.press(1);
        s.press(2);
        s.advance(3000);
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(p.totalSeconds, 3);
        QCOMPARE(int(p.secondsBank), 17);
    }

    void levelJumpNeedsTheRightButtonWithAllThreeModifiers_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("mods");
        QTest::addColumn<bool>("opens");
        const int all = int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QTest::newRow("right with all three") << int(Qt::RightButton) << all << true;
        QTest::newRow("right with shift and ctrl") << int(Qt::RightButton) << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
        QTest::newRow("right with ctrl and alt") << int(Qt::RightButton) << int(Qt::ControlModifier | Qt::AltModifier) << false;
        QTest::newRow("left with all three") << int(Qt::LeftButton) << all << false;
    }
    void levelJumpNeedsTheRightButtonWithAllThreeModifiers()
    {
        QFETCH(int, button);
        QFETCH(int, mods);
        QFETCH(bool, opens);
        GameSession s;
        s.writeLevel(5, 3);
        s.writeLevel(1, 4);
        s.modals.answer = [](QWidget*) { return int(platform::mrOk); };
        s.start({.level = 5});
        QTest::mousePress(gameWindow()->levelNumber, Qt::MouseButton(button), Qt::KeyboardModifiers(mods), QPoint(5, 5));
        QCOMPARE(s.modals.shown, opens ? QStringList{"LevelJumpDialog"} : QStringList{});
        QCOMPARE(gameWindow()->levelNumber->text(), opens ? QStringLiteral("1") : QStringLiteral("5"));
        if (opens) {
            QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - 1. szint, 2. próbálkozás (Játékos: Anna)"));
            QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("4"));
        }
    }

    void jumpGoesToTheFieldsValueWhichIsKept()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.writeLevel(42, 3);
        s.modals.answer = [](QWidget*) { return int(platform::mrOk); };
        s.start();
        levelJumpDialog()->levelBox->setValue(42);
        const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        gameWindow()->levelNumberPressed(Qt::RightButton, all);
        QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("42"));
        gameWindow()->levelNumberPressed(Qt::RightButton, all);
        QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("42"));
        QCOMPARE(levelJumpDialog()->levelBox->value(), 42);
    }

    void timeRunningOutBehindTheJumpDialog()
    {
        GameSession s;
        s.writeLevel(1, 1);
        s.writeLevel(2, 2);
        s.modals.answer = [&](QWidget* w) {
            if (is<LevelJumpDialog>(w))
                s.advance(10000); // the clock runs out while the dialog is open
            return int(is<LevelJumpDialog>(w) ? platform::mrOk : platform::mrCancel);
        };
        s.start();
        levelJumpDialog()->levelBox->setValue(2);
        gameWindow()->levelNumberPressed(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(s.modals.shown, QStringList({"LevelJumpDialog", "TimeUpDialog"}));
        // The player left at the time-is-up window: the jump loads nothing.
        QVERIFY(!gameWindow()->isVisible());
        QVERIFY(!gameWindow()->regionsBuilt());
        QCOMPARE(gameWindow()->levelNumber->text(), QStringLiteral("1"));
        QCOMPARE(savedPlayer(s).levelSeconds, 10);
    }
};

QTEST_MAIN(GameWindowEndTest)
#include "tst_gamewindow_end.moc"
