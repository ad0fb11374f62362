// The help panel's texts and spending a token.
#include "game/uMain.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/gamesession.h"

#include <QLabel>
#include <QtTest>

using platform::Shape;
using testsupport::GameSession;

class MainHelpTest : public QObject {
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
        QCOMPARE(Form1->Label3->text(), title);
        QCOMPARE(Form1->Label7->text(), line1);
        QCOMPARE(Form1->Label8->text(), line2);
        const QImage shown = Form1->Image2->picture().toImage();
        const QImage expected = (helps ? Form1->aktiv_help : Form1->nemaktiv_help)->picture().toImage();
        QCOMPARE(shown, expected);
    }

    void tokenRevealsTheLowestOpenDifferenceAsRoundedSquares()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = 2, .secondsBank = 40});
        s.press(1);
        s.press(3, 1);
        QTest::mouseClick(Form1->Image2, Qt::LeftButton);
        QCOMPARE(s.region(2, 0)->kind(), Shape::RoundRect);
        QCOMPARE(s.region(2, 1)->kind(), Shape::RoundRect);
        QCOMPARE(s.region(2, 1)->penStyle(), Shape::Solid);
        QCOMPARE(s.region(4, 0)->penStyle(), Shape::Clear);
        QCOMPARE(s.sounds().last(), QStringLiteral("help"));
        QCOMPARE(int(Form1->rs.helps), 1);
        QCOMPARE(Form1->Label3->text(), QString::fromUtf8("Segítség (1 db)"));
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("2"));
    }

    void tokenOnTheLastDifferenceSoundsHelpAndEndsTheLevel()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start({.helps = 1});
        s.press(1);
        QTest::mouseClick(Form1->Image2, Qt::LeftButton);
        QCOMPARE(s.sounds().last(), QStringLiteral("help"));
        QVERIFY(!s.sounds().contains("talalat2"));
        QVERIFY(Form1->DelayTimer->enabled());
        s.advance(3000);
        QCOMPARE(s.modals.shown, QStringList{"Form4"});
    }

    void tokenClosesThePenaltyWindow()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = 1});
        s.clickPicture(5, 470);
        QVERIFY(Form1->buntimer->enabled());
        Form1->Image2Click();
        QVERIFY(!Form1->buntimer->enabled());
    }

    void noTokenAndPausedAndFailedLoadSpendNothing()
    {
        GameSession s;
        s.writeLevel(1, 5);
        s.start({.helps = 0});
        Form1->Image2Click();
        QCOMPARE(int(Form1->rs.foundCount), 0);
        QVERIFY(!s.sounds().contains("help"));

        Form1->rs.helps = 1;
        Form1->Image3Click(); // paused: the button is disabled
        QTest::mouseClick(Form1->Image2, Qt::LeftButton);
        QCOMPARE(int(Form1->rs.helps), 1);
        Form1->Image3Click();

        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(9); // no such level
        Form1->Image2Click();
        QCOMPARE(int(Form1->rs.helps), 1);
    }
};

QTEST_MAIN(MainHelpTest)
#include "tst_uMain_help.moc"
