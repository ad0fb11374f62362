// The end of an attempt: time accounting, awards, saves, result windows and
// the hidden level jump.
#include "game/uBoardFail.h"
#include "game/uBoardOK.h"
#include "game/uGratula.h"
#include "game/uMain.h"
#include "menus/uCheat.h"
#include "menus/uStarter.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/timer.h"
#include "players/records.h"
#include "players/uPlayerSelect.h"
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

class MainEndTest : public QObject {
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
            if (w == Form4)
                shownMessage = Form4->Label5->text();
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
        QCOMPARE(Form1->Label10->text(), QStringLiteral("5")); // the next level is on
    }

    void failedTwiceThenCompleted()
    {
        GameSession s;
        s.writeLevel(1, 10);
        QStringList form4;
        s.modals.answer = [&](QWidget* w) {
            if (w == Form4)
                form4 << Form4->Label6->text() << Form4->Label7->text() << Form4->lblproba->text();
            if (w == Form5) {
                form4 << Form5->Label2->text();
                return int(platform::mrOk);
            }
            return int(platform::mrCancel);
        };
        s.start();
        s.advance(100000);
        s.press(1);
        s.advance(100000);
        QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - 1. szint, 3. próbálkozás (Játékos: Anna)"));
        finishWith(s, 10, 60);
        QCOMPARE(form4, QStringList({QString::fromUtf8("Még 10 különbséget kellett volna megtalálni."),
                                     QString::fromUtf8("Még 9 különbséget kellett volna megtalálni."),
                                     "04:00", "01:00", "3"}));
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(p.totalSeconds, 240);
        QCOMPARE(p.levelSeconds, 0);
        QCOMPARE(int(p.level), 2);
        QVERIFY(Form2->isVisible()); // "Mentés és kilépés"
        QVERIFY(!Form1->isVisible());
    }

    void timeUpSavesTheAttemptAndLeavesOnCancel()
    {
        GameSession s;
        s.writeLevel(3, 3);
        s.start({.level = 3, .attempts = 4});
        s.advance(30000);
        QCOMPARE(s.modals.shown, QStringList{"Form5"});
        QCOMPARE(Form5->Label2->text(), QString::fromUtf8("Még 3 különbséget kellett volna megtalálni."));
        QCOMPARE(s.sounds().mid(s.sounds().size() - 1), QStringList{"palya_fail"});
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(int(p.level), 3);
        QCOMPARE(int(p.attempts), 5);
        QCOMPARE(p.totalSeconds, 30);
        QCOMPARE(p.levelSeconds, 30);
        QVERIFY(!Form1->regionsBuilt());
        QVERIFY(Form2->isVisible());
    }

    void completingLevel100LeadsToTheGameCompletedWindow()
    {
        GameSession s;
        s.writeLevel(100, 1);
        QStringList seen;
        s.modals.answer = [&](QWidget* w) {
            if (w == Form4)
                seen << Form4->Button1->text() << (Form4->Button2->isHidden() ? "hidden" : "shown")
                     << Form4->Label5->text();
            if (w == Form6)
                seen << s.sounds().last();
            return int(platform::mrOk);
        };
        s.start({.level = 100, .helps = 0});
        finishWith(s, 1, 5);
        QCOMPARE(seen, QStringList({QString::fromUtf8("Játék befejezése"), "hidden",
                                    QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"),
                                    "endgame (loop)"}));
        QCOMPARE(s.modals.shown, QStringList({"Form4", "Form6"}));
        QCOMPARE(int(savedPlayer(s).level), 101);
        QVERIFY(Form2->isVisible());
    }

    void closingMidAttemptCountsOnlyTheLevelTime()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.attempts = 0});
        s.advance(7000);
        QVERIFY(QFile::exists(s.dir.file("BAL.BMP")));
        Form1->close();
        const players::PlayerRecord p = savedPlayer(s);
        QCOMPARE(p.levelSeconds, 7);
        QCOMPARE(p.totalSeconds, 0);
        QCOMPARE(int(p.attempts), 1);
        QVERIFY(!QFile::exists(s.dir.file("BAL.BMP")));
        QVERIFY(!QFile::exists(s.dir.file("JOBB.BMP")));
        QVERIFY(!Form1->Timer1->enabled());
        QVERIFY(Form2->isVisible());
        Form2->hide();
        Form1->show();
        QVERIFY(Form1->windowTitle().contains(QString::fromUtf8("2. próbálkozás")));
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
        Form1->close();
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
        QTest::mousePress(Form1->Label10, Qt::MouseButton(button), Qt::KeyboardModifiers(mods), QPoint(5, 5));
        QCOMPARE(s.modals.shown, opens ? QStringList{"Form7"} : QStringList{});
        QCOMPARE(Form1->Label10->text(), opens ? QStringLiteral("1") : QStringLiteral("5"));
        if (opens) {
            QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - 1. szint, 2. próbálkozás (Játékos: Anna)"));
            QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("4"));
        }
    }

    void jumpGoesToTheFieldsValueWhichIsKept()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.writeLevel(42, 3);
        s.modals.answer = [](QWidget*) { return int(platform::mrOk); };
        s.start();
        Form7->SpinEdit1->setValue(42);
        const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        Form1->Label10MouseDown(Qt::RightButton, all);
        QCOMPARE(Form1->Label10->text(), QStringLiteral("42"));
        Form1->Label10MouseDown(Qt::RightButton, all);
        QCOMPARE(Form1->Label10->text(), QStringLiteral("42"));
        QCOMPARE(Form7->SpinEdit1->value(), 42);
    }

    void timeRunningOutBehindTheJumpDialog()
    {
        GameSession s;
        s.writeLevel(1, 1);
        s.writeLevel(2, 2);
        s.modals.answer = [&](QWidget* w) {
            if (w == Form7)
                s.advance(10000); // the clock runs out while the dialog is open
            return int(w == Form7 ? platform::mrOk : platform::mrCancel);
        };
        s.start();
        Form7->SpinEdit1->setValue(2);
        Form1->Label10MouseDown(Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(s.modals.shown, QStringList({"Form7", "Form5"}));
        // The player left at the time-is-up window: the jump loads nothing.
        QVERIFY(!Form1->isVisible());
        QVERIFY(!Form1->regionsBuilt());
        QCOMPARE(Form1->Label10->text(), QStringLiteral("1"));
        QCOMPARE(savedPlayer(s).levelSeconds, 10);
    }
};

QTEST_MAIN(MainEndTest)
#include "tst_uMain_end.moc"
