// The level-completed window: its blinking thumbnails and its two results.
#include "game/uBoardOK.h"

#include "platform/image.h"
#include "platform/modal.h"
#include "platform/timer.h"
#include "players/windowtest.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using platform::VirtualClock;
using testsupport::Forms;
using testsupport::GameDir;

class TestBoardOK : public QObject {
    Q_OBJECT
private slots:
    void thumbnailsAlternateOnceASecond();
    void showingRestartsTheBlink();
    void buttonsGiveTheResult_data();
    void buttonsGiveTheResult();
    void escapeLeavesTheChoiceToTheButtons();
    void textsFitTheirPlaces();
};

void TestBoardOK::thumbnailsAlternateOnceASecond()
{
    GameDir dir;
    Forms forms;
    Form4->show();
    auto leftShown = [] {
        const bool left = Form4->Image2->isVisibleTo(Form4);
        // Exactly one of the two stacked thumbnails is shown at any time.
        return left != Form4->Image3->isVisibleTo(Form4) ? int(left) : -1;
    };
    QCOMPARE(leftShown(), 1);
    VirtualClock::advance(999);
    QCOMPARE(leftShown(), 1);
    VirtualClock::advance(1);
    QCOMPARE(leftShown(), 0);
    VirtualClock::advance(1000);
    QCOMPARE(leftShown(), 1);
    VirtualClock::advance(3000);
    QCOMPARE(leftShown(), 0);
    Form4->hide();
}

void TestBoardOK::showingRestartsTheBlink()
{
    GameDir dir;
    Forms forms;
    Form4->Timer1->setEnabled(false);
    VirtualClock::advance(5000);
    QVERIFY(Form4->Image2->isVisibleTo(Form4));
    Form4->show();
    QVERIFY(Form4->Timer1->enabled());
    VirtualClock::advance(1000);
    QVERIFY(Form4->Image3->isVisibleTo(Form4));
    Form4->hide();
}

void TestBoardOK::buttonsGiveTheResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Következő pálya") << "Button1" << int(platform::mrOk);
    QTest::newRow("Mentés és kilépés") << "Button2" << int(platform::mrCancel);
    QTest::newRow("Enter") << "" << int(platform::mrOk);
}

void TestBoardOK::buttonsGiveTheResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    GameDir dir;
    Forms forms;
    // The real modal loop, ended by a real click.
    QCOMPARE(windowtest::modalResultOf(Form4, button), result);
    QVERIFY(!Form4->isVisible());
}

void TestBoardOK::escapeLeavesTheChoiceToTheButtons()
{
    GameDir dir;
    Forms forms;
    Form4->Button2->hide(); // as after the last level: only "Játék befejezése"
    Form4->show();
    QTest::keyClick(Form4, Qt::Key_Escape);
    QVERIFY(Form4->isVisible());
    Form4->hide();
}

void TestBoardOK::textsFitTheirPlaces()
{
    GameDir dir;
    Forms forms;
    const QStringList messages = {
        QString::fromUtf8("Szép! Elsőre teljesítetted a pályát, ezért 1 új segítséget kaptál!"),
        QString::fromUtf8("Gratulálunk, maradék másodperceidért 1 új segítséget kaptál!"),
        QString::fromUtf8("A következő segítséghez még 100 maradék másodperc kell."),
        QString::fromUtf8("Végigjátszottad a játékot! Kattints a Játék befejezése gombra!"),
    };
    for (const QString& m : messages)
        QVERIFY2(QFontMetrics(Form4->Label5->font()).horizontalAdvance(m) <= Form4->Label5->width(), qPrintable(m));
    // The values stand clear of their captions.
    for (auto [caption, value] : {std::pair{Form4->Label3, Form4->Label6}, {Form4->Label4, Form4->Label7},
                                  {Form4->Label8, Form4->lblproba}})
        QVERIFY(caption->geometry().right() < value->x());
}

QTEST_MAIN(TestBoardOK)
#include "tst_uBoardOK.moc"
