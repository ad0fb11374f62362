// The shadow cursor mirrors the pointer; the caption-button guard suspends
// and resumes the game.
#include "game/uMain.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/uOptions.h"
#include "support/gamesession.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QtTest>

using platform::Shape;
using testsupport::GameSession;

namespace {
void moveOver(QWidget* w, QPoint local)
{
    QMouseEvent e(QEvent::MouseMove, local, w->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
int pauses() { return Form1->MediaPlayer1.log.count("pause"); }
int plays() { return Form1->MediaPlayer1.log.count("play"); }
} // namespace

class MainPointerTest : public QObject {
    Q_OBJECT
private slots:
    void ringMirrorsThePointerOntoTheOtherPicture_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("ring");
        QTest::newRow("left (0,0)") << 0 << QPoint(0, 0) << QPoint(552, 49);
        QTest::newRow("right (353,481)") << 1 << QPoint(353, 481) << QPoint(419, 530);
        QTest::newRow("left middle") << 0 << QPoint(177, 241) << QPoint(729, 290);
    }
    void ringMirrorsThePointerOntoTheOtherPicture()
    {
        QFETCH(int, side);
        QFETCH(QPoint, point);
        QFETCH(QPoint, ring);
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{200, 200}});
        s.start();
        moveOver(side == 0 ? Form1->balkep : Form1->jobbkep, point);
        QVERIFY(Form1->Jelolo->isVisible());
        QCOMPARE(Form1->Jelolo->pos(), ring);
    }

    void ringFollowsOverARegionToo()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{200, 200}});
        s.start();
        Shape* left = s.region(1, 0); // at (266, 249)
        moveOver(left, QPoint(3, 15));
        QCOMPARE(Form1->Jelolo->pos(), QPoint(266 + 486 + 3 - 10, 249 + 15 - 10));
        moveOver(s.region(1, 1), QPoint(0, 0));
        QCOMPARE(Form1->Jelolo->pos(), QPoint(752 - 486 - 10, 249 - 10));
    }

    void backgroundHidesTheRingAndPanelsLeaveIt()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start();
        moveOver(Form1->balkep, QPoint(10, 10));
        moveOver(Form1->Shape3, QPoint(5, 5)); // straight onto a panel
        QVERIFY(Form1->Jelolo->isVisible());
        moveOver(Form1->Image1, QPoint(20, 20));
        QVERIFY(Form1->Jelolo->isHidden());
        moveOver(Form1->jobbkep, QPoint(10, 10));
        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(1); // every load hides it
        QVERIFY(Form1->Jelolo->isHidden());
    }

    void withoutTheSettingTheRingNeverMoves()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start({.shadow = false});
        moveOver(Form1->balkep, QPoint(10, 10));
        QVERIFY(Form1->Jelolo->isHidden());
        QCOMPARE(Form1->Jelolo->pos(), QPoint(976, 672));
    }

    void pointerShapeFollowsThePreciseSetting_data()
    {
        QTest::addColumn<bool>("precise");
        QTest::newRow("cross") << true;
        QTest::newRow("arrow") << false;
    }
    void pointerShapeFollowsThePreciseSetting()
    {
        QFETCH(bool, precise);
        GameSession s;
        s.writeLevel(1, 2);
        s.start({.precise = precise});
        const Qt::CursorShape expected = precise ? Qt::CrossCursor : Qt::ArrowCursor;
        // The pictures take the box's state before the settings are read again.
        QCOMPARE(Form1->balkep->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(s.region(2, 1)->cursor().shape(), expected);
        Form1->hide();
        Form1->show();
        QCOMPARE(Form1->jobbkep->cursor().shape(), expected);
    }

    void guardSuspendsAndResumes()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.music = true});
        Form1->FormActivate();
        Form1->guardHitTest(TForm1::HTCLOSE);
        QVERIFY(!Form1->gameLive);
        QVERIFY(!Form1->Timer1->enabled());
        QVERIFY(Form1->balkep->isHidden() && Form1->jobbkep->isHidden());
        QVERIFY(!s.region(3, 1)->isVisible());
        QCOMPARE(pauses(), 1);
        s.advance(5000);
        QCOMPARE(int(Form1->rs.timeLeft), 30);
        Form1->guardHitTest(TForm1::HTCAPTION); // the title bar itself: nothing
        QVERIFY(!Form1->gameLive);
        const int playsBefore = plays();
        QEnterEvent enter(QPointF(500, 300), QPointF(500, 300), QPointF(500, 300));
        QApplication::sendEvent(Form1, &enter);
        QVERIFY(Form1->gameLive);
        QVERIFY(Form1->Timer1->enabled());
        QVERIFY(Form1->balkep->isVisible() && s.region(3, 1)->isVisible());
        QCOMPARE(plays(), playsBefore + 1);
    }

    void guardWhilePausedSendsNoPauseAndWaitsForTheResume()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.music = true});
        Form1->FormActivate();
        Form1->Image3Click();
        const int pausesBefore = pauses();
        Form1->guardHitTest(TForm1::HTMINBUTTON);
        QCOMPARE(pauses(), pausesBefore);
        QVERIFY(!Form1->gameLive);
        Form1->guardHitTest(TForm1::HTCLIENT);
        QVERIFY(!Form1->gameLive); // still paused: nothing resumes
        Form1->Image3Click();
        const int playsBefore = plays();
        moveOver(Form1->balkep, QPoint(5, 5));
        QVERIFY(Form1->gameLive);
        QCOMPARE(plays(), playsBefore + 1);
    }

    void afterTheLastFindTheReturnResumesNothing()
    {
        GameSession s;
        s.writeLevel(1, 1);
        s.start();
        Form1->FormActivate();
        s.press(1);
        Form1->guardHitTest(TForm1::HTCLOSE);
        QVERIFY(Form1->balkep->isHidden());
        Form1->guardHitTest(TForm1::HTCLIENT);
        QVERIFY(Form1->balkep->isHidden());
        QVERIFY(!Form1->Timer1->enabled());
    }

    void activationWhileSuspendedStillResumesWhenThePointerReturns()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start();
        Form1->FormActivate();
        Form1->guardHitTest(TForm1::HTMINBUTTON);
        Form1->FormActivate(); // restored from the task bar
        Form1->guardHitTest(TForm1::HTCLIENT);
        QVERIFY(Form1->balkep->isVisible());
        QVERIFY(Form1->Timer1->enabled());
    }

    void guardNeverStartsTheClockAfterAFailedLoad()
    {
        GameSession s;
        s.start(); // no level file
        Form1->FormActivate();
        Form1->guardHitTest(TForm1::HTCLOSE);
        Form1->guardHitTest(TForm1::HTCLIENT);
        QVERIFY(!Form1->Timer1->enabled());
    }
};

QTEST_MAIN(MainPointerTest)
#include "tst_uMain_pointer.moc"
