// The shadow cursor mirrors the pointer; the caption-button guard suspends
// and resumes the game.
#include "support/appwindows.h"
#include "game/gamewindow.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/settingsdialog.h"
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
int pauses() { return gameWindow()->levelMusic.log.count("pause"); }
int plays() { return gameWindow()->levelMusic.log.count("play"); }
} // namespace

class GameWindowPointerTest : public QObject {
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
        moveOver(side == 0 ? gameWindow()->leftPicture : gameWindow()->rightPicture, point);
        QVERIFY(gameWindow()->shadowCursor->isVisible());
        QCOMPARE(gameWindow()->shadowCursor->pos(), ring);
    }

    void ringFollowsOverARegionToo()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{200, 200}});
        s.start();
        Shape* left = s.region(1, 0); // at (266, 249)
        moveOver(left, QPoint(3, 15));
        QCOMPARE(gameWindow()->shadowCursor->pos(), QPoint(266 + 486 + 3 - 10, 249 + 15 - 10));
        moveOver(s.region(1, 1), QPoint(0, 0));
        QCOMPARE(gameWindow()->shadowCursor->pos(), QPoint(752 - 486 - 10, 249 - 10));
    }

    void backgroundHidesTheRingAndPanelsLeaveIt()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start();
        moveOver(gameWindow()->leftPicture, QPoint(10, 10));
        moveOver(gameWindow()->clockPanel, QPoint(5, 5)); // straight onto a panel
        QVERIFY(gameWindow()->shadowCursor->isVisible());
        moveOver(gameWindow()->background, QPoint(20, 20));
        QVERIFY(gameWindow()->shadowCursor->isHidden());
        moveOver(gameWindow()->rightPicture, QPoint(10, 10));
        gameWindow()->clearRegions();
        gameWindow()->loadLevel(1); // every load hides it
        QVERIFY(gameWindow()->shadowCursor->isHidden());
    }

    void withoutTheSettingTheRingNeverMoves()
    {
        GameSession s;
        s.writeLevel(1, 2);
        s.start({.shadow = false});
        moveOver(gameWindow()->leftPicture, QPoint(10, 10));
        QVERIFY(gameWindow()->shadowCursor->isHidden());
        QCOMPARE(gameWindow()->shadowCursor->pos(), QPoint(976, 672));
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
        QCOMPARE(gameWindow()->leftPicture->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(s.region(2, 1)->cursor().shape(), expected);
        gameWindow()->hide();
        gameWindow()->show();
        QCOMPARE(gameWindow()->rightPicture->cursor().shape(), expected);
    }

    void guardSuspendsAndResumes()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.music = true});
        gameWindow()->windowActivated();
        gameWindow()->guardHitTest(GameWindow::PointerOnClose);
        QVERIFY(!gameWindow()->gameLive);
        QVERIFY(!gameWindow()->round.clockRunning());
        QVERIFY(gameWindow()->leftPicture->isHidden() && gameWindow()->rightPicture->isHidden());
        QVERIFY(!s.region(3, 1)->isVisible());
        QCOMPARE(pauses(), 1);
        s.advance(5000);
        QCOMPARE(gameWindow()->round.timeLeft(), 30);
        gameWindow()->guardHitTest(GameWindow::PointerOnCaption); // the title bar itself: nothing
        QVERIFY(!gameWindow()->gameLive);
        const int playsBefore = plays();
        QEnterEvent enter(QPointF(500, 300), QPointF(500, 300), QPointF(500, 300));
        QApplication::sendEvent(gameWindow(), &enter);
        QVERIFY(gameWindow()->gameLive);
        QVERIFY(gameWindow()->round.clockRunning());
        QVERIFY(gameWindow()->leftPicture->isVisible() && s.region(3, 1)->isVisible());
        QCOMPARE(plays(), playsBefore + 1);
    }

    void guardWhilePausedSendsNoPauseAndWaitsForTheResume()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start({.music = true});
        gameWindow()->windowActivated();
        gameWindow()->togglePause();
        const int pausesBefore = pauses();
        gameWindow()->guardHitTest(GameWindow::PointerOnMinimize);
        QCOMPARE(pauses(), pausesBefore);
        QVERIFY(!gameWindow()->gameLive);
        gameWindow()->guardHitTest(GameWindow::PointerInClient);
        QVERIFY(!gameWindow()->gameLive); // still paused: nothing resumes
        gameWindow()->togglePause();
        const int playsBefore = plays();
        moveOver(gameWindow()->leftPicture, QPoint(5, 5));
        QVERIFY(gameWindow()->gameLive);
        QCOMPARE(plays(), playsBefore + 1);
    }

    void afterTheLastFindTheReturnResumesNothing()
    {
        GameSession s;
        s.writeLevel(1, 1);
        s.start();
        gameWindow()->windowActivated();
        s.press(1);
        gameWindow()->guardHitTest(GameWindow::PointerOnClose);
        QVERIFY(gameWindow()->leftPicture->isHidden());
        gameWindow()->guardHitTest(GameWindow::PointerInClient);
        QVERIFY(gameWindow()->leftPicture->isHidden());
        QVERIFY(!gameWindow()->round.clockRunning());
    }

    void activationWhileSuspendedStillResumesWhenThePointerReturns()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start();
        gameWindow()->windowActivated();
        gameWindow()->guardHitTest(GameWindow::PointerOnMinimize);
        gameWindow()->windowActivated(); // restored from the task bar
        gameWindow()->guardHitTest(GameWindow::PointerInClient);
        QVERIFY(gameWindow()->leftPicture->isVisible());
        QVERIFY(gameWindow()->round.clockRunning());
    }

    void guardNeverStartsTheClockAfterAFailedLoad()
    {
        GameSession s;
        s.start(); // no level file
        gameWindow()->windowActivated();
        gameWindow()->guardHitTest(GameWindow::PointerOnClose);
        gameWindow()->guardHitTest(GameWindow::PointerInClient);
        QVERIFY(!gameWindow()->round.clockRunning());
    }
};

QTEST_MAIN(GameWindowPointerTest)
#include "tst_gamewindow_pointer.moc"
