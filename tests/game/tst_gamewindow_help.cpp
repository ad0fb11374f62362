// The help panel's texts and spending a token.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/gamesession.h"

#include <QLabel>
#include <QtTest>

using platform::Shape;
using testsupport::GameSession;

class GameWindowHelpTest : public QObject {
    Q_OBJECT
private slots:
    void panelTexts_data()
    {
        QTest::addColumn<int>("helps");
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        QTest::newRow("2 tokens, 40 banked") << 2 << 40 << QString::fromUtf8("Segítség (2 db)")
                                             << QString::fromUtf8("Kattints a nagyítóra a segítségért!")
                                             << QString::fromUtf8("A következő segítséghez még 60 mp kell.");
        QTest::newRow("none, nothing banked") << 0 << 0 << QString::fromUtf8("Segítség (nincs)")
                                              << QString::fromUtf8("Még 100 másodpercet kell meghagynod")
                                              << QString::fromUtf8("a következő segítség érkezéséig.");
        QTest::newRow("bank over 100 never goes negative") << 0 << 130 << QString::fromUtf8("Segítség (nincs)")
                                                           << QString::fromUtf8("Még 0 másodpercet kell meghagynod")
                                                           << QString::fromUtf8("a következő segítség érkezéséig.");
    }
    void panelTexts()
    {
        QFETCH(int, helps);
        QFETCH(int, bank);
        QFETCH(QString, title);
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = helps, .secondsBank = bank});
        QCOMPARE(gameWindow()->helpTitle->text(), title);
        QCOMPARE(gameWindow()->helpLine1->text(), line1);
        QCOMPARE(gameWindow()->helpLine2->text(), line2);
        const QImage shown = gameWindow()->helpButton->picture().toImage();
        const QImage expected = (helps ? gameWindow()->helpOnPicture : gameWindow()->helpOffPicture)->picture().toImage();
        QCOMPARE(shown, expected);
    }

    void tokenRevealsTheLowestOpenDifferenceAsRoundedSquares()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = 2, .secondsBank = 40});
        s.press(1);
        s.press(3, 1);
        QTest::mouseClick(gameWindow()->helpButton, Qt::LeftButton);
        QCOMPARE(s.region(2, 0)->kind(), Shape::RoundRect);
        QCOMPARE(s.region(2, 1)->kind(), Shape::RoundRect);
        QCOMPARE(s.region(2, 1)->penStyle(), Shape::Solid);
        QCOMPARE(s.region(4, 0)->penStyle(), Shape::Clear);
        QCOMPARE(s.sounds().last(), QStringLiteral("help"));
        QCOMPARE(int(gameWindow()->roundState.helps), 1);
        QCOMPARE(gameWindow()->helpTitle->text(), QString::fromUtf8("Segítség (1 db)"));
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("2"));
    }

    void tokenOnTheLastDifferenceSoundsHelpAndEndsTheLevel()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start({.helps = 1});
        s.press(1);
        QTest::mouseClick(gameWindow()->helpButton, Qt::LeftButton);
        QCOMPARE(s.sounds().last(), QStringLiteral("help"));
        QVERIFY(!s.sounds().contains("talalat2"));
        QVERIFY(gameWindow()->completionDelay->enabled());
        s.advance(3000);
        QCOMPARE(s.modals.shown, QStringList{"LevelDoneDialog"});
    }

    void tokenClosesThePenaltyWindow()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = 1});
        s.clickPicture(5, 470);
        QVERIFY(gameWindow()->round.penaltyWindowOpen());
        gameWindow()->useHelp();
        QVERIFY(!gameWindow()->round.penaltyWindowOpen());
    }

    void noTokenAndPausedAndFailedLoadSpendNothing()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = 0});
        gameWindow()->useHelp();
        QCOMPARE(gameWindow()->round.foundCount(), 0);
        QVERIFY(!s.sounds().contains("help"));

        gameWindow()->roundState.helps = 1;
        gameWindow()->togglePause(); // paused: the button is disabled
        QTest::mouseClick(gameWindow()->helpButton, Qt::LeftButton);
        QCOMPARE(int(gameWindow()->roundState.helps), 1);
        gameWindow()->togglePause();

        gameWindow()->clearRegions();
        gameWindow()->loadLevel(9); // no such level
        gameWindow()->useHelp();
        QCOMPARE(int(gameWindow()->roundState.helps), 1);
    }
};

QTEST_MAIN(GameWindowHelpTest)
#include "tst_gamewindow_help.moc"
