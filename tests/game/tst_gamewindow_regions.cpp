// Difference regions: built at their points, found by any button on either
// picture, counted once, dots filling from the right.
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

class GameWindowRegionsTest : public QObject {
    Q_OBJECT
private slots:
    void regionsAreNamedAndPlacedAroundTheirPoints()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{0, 0}, {353, 481}, {100, 200}});
        s.start();
        QCOMPARE(s.region(1, 0)->objectName(), QStringLiteral("a001"));
        QCOMPARE(s.region(3, 1)->objectName(), QStringLiteral("b003"));
        QCOMPARE(s.region(1, 0)->geometry(), QRect(66, 49, 20, 20));
        QCOMPARE(s.region(1, 1)->geometry(), QRect(552, 49, 20, 20));
        QCOMPARE(s.region(2, 1)->geometry(), QRect(353 + 552, 481 + 49, 20, 20));
        QCOMPARE(s.region(3, 0)->penStyle(), Shape::Clear);
        QCOMPARE(s.region(3, 0)->penWidth(), 3);
        QCOMPARE(s.region(3, 0)->penColor(), QColor(0xFF, 0x80, 0x00));
        QCOMPARE(s.region(3, 0)->cursor().shape(), Qt::CrossCursor);
    }

    void anyButtonOnEitherPictureFindsBothRings_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("button");
        QTest::newRow("left, left button") << 0 << int(Qt::LeftButton);
        QTest::newRow("right picture, right button") << 1 << int(Qt::RightButton);
        QTest::newRow("middle button") << 0 << int(Qt::MiddleButton);
    }
    void anyButtonOnEitherPictureFindsBothRings()
    {
        QFETCH(int, side);
        QFETCH(int, button);
        GameSession s;
        s.writeLevel(1, 5);
        s.start();
        s.press(3, side, Qt::MouseButton(button));
        QCOMPARE(s.region(3, 0)->penStyle(), Shape::Solid);
        QCOMPARE(s.region(3, 1)->penStyle(), Shape::Solid);
        QCOMPARE(s.region(3, 0)->kind(), Shape::Circle);
        QCOMPARE(s.region(2, 0)->penStyle(), Shape::Clear);
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("4"));
        QCOMPARE(gameWindow()->round.foundCount(), 1);
        QCOMPARE(s.sounds().last(), QStringLiteral("talalat"));
    }

    void cornerOfTheSquareFindsButOnePixelOutsideMisses()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}, {300, 300}});
        s.start();
        s.clickPicture(110, 91); // just outside the square's right edge (x + 9)
        QVERIFY(gameWindow()->round.penaltyWindowOpen());
        QCOMPARE(gameWindow()->round.foundCount(), 0);
        s.clickPicture(90, 90); // top-left corner, outside the drawn circle
        QCOMPARE(gameWindow()->round.foundCount(), 1);
        s.clickPicture(309, 309); // bottom-right corner of the second square
        QCOMPARE(gameWindow()->round.foundCount(), 2);
    }

    void higherNumberTakesThePressWhereSquaresOverlap()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}, {110, 100}, {300, 300}});
        s.start();
        s.clickPicture(105, 100);
        QCOMPARE(s.region(2, 0)->penStyle(), Shape::Solid);
        QCOMPARE(s.region(1, 0)->penStyle(), Shape::Clear);
        s.clickPicture(105, 100, 1);
        QCOMPARE(gameWindow()->round.foundCount(), 1); // the same region again
    }

    void secondPressOnAFoundRegionChangesNothing()
    {
        GameSession s;
        s.writeLevel(1, 4);
        s.start();
        s.press(2);
        const int soundsBefore = s.sounds().size();
        s.press(2, 1);
        QCOMPARE(s.sounds().size(), soundsBefore);
        QCOMPARE(gameWindow()->round.foundCount(), 1);
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("3"));
    }

    void dotsFillFromTheRightEnd()
    {
        GameSession s;
        s.writeLevel(1, 10);
        s.start();
        for (int k : {4, 1, 9})
            s.press(k);
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("7"));
        for (int k = 1; k <= 10; ++k) {
            Shape* dot = gameWindow()->progressDots[size_t(k - 1)];
            const bool filled = k >= 8;
            QCOMPARE(dot->brushColor(), filled ? QColor(192, 162, 143) : QColor(Qt::white));
            QCOMPARE(dot->penColor(), filled ? QColor(176, 145, 126) : QColor(192, 162, 143));
        }
    }

    void dotsShareTheStripEvenly_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("step");
        QTest::newRow("5") << 5 << 66;
        QTest::newRow("10") << 10 << 33;
        QTest::newRow("25 overlap") << 25 << 13;
    }
    void dotsShareTheStripEvenly()
    {
        QFETCH(int, n);
        QFETCH(int, step);
        GameSession s;
        s.writeLevel(1, n);
        s.start();
        for (int k = 1; k <= n; ++k)
            QCOMPARE(gameWindow()->progressDots[size_t(k - 1)]->geometry(),
                     QRect(327 + step * (k - 1) + step / 2, 618, 18, 18));
    }

    void lastFindStopsTheClockAndStartsTheDelay()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start();
        s.press(1);
        s.press(3);
        s.press(2);
        QCOMPARE(s.sounds().mid(s.sounds().size() - 3), QStringList({"talalat", "talalat", "talalat2"}));
        QVERIFY(!gameWindow()->round.clockRunning());
        QVERIFY(!gameWindow()->idleTimer->enabled());
        QVERIFY(!gameWindow()->helpButton->isEnabled());
        QVERIFY(!gameWindow()->pauseButton->isEnabled());
        QVERIFY(gameWindow()->completionDelay->enabled());
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("0"));
    }

    // The regions sit on one layer over the window: a press must reach a
    // square where one is, and the picture or the window everywhere else.
    void pressesReachWhatLiesUnderThem_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QPoint>("at"); // on the left picture
        QTest::addColumn<QString>("reaches");
        QTest::newRow("square's centre") << "playing" << QPoint(100, 100) << "a001";
        QTest::newRow("square's corner") << "playing" << QPoint(90, 90) << "a001";
        QTest::newRow("beside the square") << "playing" << QPoint(111, 100) << "leftPicture";
        QTest::newRow("far from any square") << "playing" << QPoint(30, 400) << "leftPicture";
        QTest::newRow("after the teardown") << "torn down" << QPoint(100, 100) << "leftPicture";
        QTest::newRow("second square") << "playing" << QPoint(200, 300) << "a002";
        QTest::newRow("paused") << "paused" << QPoint(100, 100) << "window";
        QTest::newRow("a new level's square") << "next level" << QPoint(50, 60) << "a001";
        QTest::newRow("the old level's square") << "next level" << QPoint(100, 100) << "leftPicture";
    }
    void pressesReachWhatLiesUnderThem()
    {
        QFETCH(QString, when);
        QFETCH(QPoint, at);
        QFETCH(QString, reaches);
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}, {200, 300}});
        s.writeLevel(2, QVector<QPoint>{{50, 60}, {250, 70}, {300, 450}});
        s.start();
        if (when == QLatin1String("torn down"))
            gameWindow()->clearRegions();
        if (when == QLatin1String("paused"))
            gameWindow()->togglePause();
        if (when == QLatin1String("next level")) {
            gameWindow()->clearRegions();
            gameWindow()->loadLevel(2);
        }
        QWidget* under = gameWindow()->childAt(at + QPoint(76, 59));
        const QString name = !under ? QStringLiteral("window")
                             : qobject_cast<Shape*>(under) || under == gameWindow()->leftPicture ? under->objectName()
                                                                                      : QStringLiteral("window");
        QCOMPARE(name, reaches);
    }

    void hiddenRegionsCannotBePressedWhilePaused()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}, {200, 200}});
        s.start();
        gameWindow()->togglePause();
        QVERIFY(!s.region(1, 0)->isVisible());
        QWidget* under = gameWindow()->childAt(76 + 100, 59 + 100);
        QVERIFY(under != s.region(1, 0));
        QVERIFY(under != gameWindow()->leftPicture);
    }

    void tearDownHidesEveryRegionAndDot()
    {
        GameSession s;
        s.writeLevel(1, 6);
        s.start();
        const int controls = gameWindow()->findChildren<Shape*>().size();
        const int shown = visibleShapes();
        gameWindow()->clearRegions();
        gameWindow()->clearRegions(); // nothing left to tear down
        QCOMPARE(visibleShapes(), shown - 18);
        QCOMPARE(gameWindow()->findChildren<Shape*>().size(), controls); // kept for the next level
        QVERIFY(!gameWindow()->findChild<Shape*>(QStringLiteral("a001")));
        for (const auto& pair : gameWindow()->regions)
            QVERIFY(!pair[0] && !pair[1]);
        for (Shape* dot : gameWindow()->progressDots)
            QVERIFY(!dot);
    }

    void levelsWithOtherCountsReuseTheRegionControls()
    {
        GameSession s;
        s.writeLevel(1, 6);
        s.writeLevel(2, 10);
        const QVector<QPoint> third{{300, 400}, {10, 10}, {150, 150}};
        s.writeLevel(3, third);
        s.start({.helps = 1});
        gameWindow()->useHelp(); // difference 1 revealed by help: a solid rounded rectangle
        QCOMPARE(s.region(1, 1)->kind(), Shape::RoundRect);
        s.press(2);
        std::vector<Shape*> firstLeft, firstDots;
        for (int k = 1; k <= 6; ++k) {
            firstLeft.push_back(s.region(k, 0));
            firstDots.push_back(gameWindow()->progressDots[size_t(k - 1)]);
        }
        const int controls = gameWindow()->findChildren<Shape*>().size();

        // More differences: the six are reused, four rows are added.
        gameWindow()->clearRegions();
        gameWindow()->loadLevel(2);
        QCOMPARE(gameWindow()->findChildren<Shape*>().size(), controls + 4 * 3);
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(s.region(k, 0), firstLeft[size_t(k - 1)]);
            QCOMPARE(gameWindow()->progressDots[size_t(k - 1)], firstDots[size_t(k - 1)]);
        }
        const int shownAt10 = visibleShapes();
        for (int k = 1; k <= 10; ++k) {
            for (int side = 0; side < 2; ++side) {
                Shape* r = s.region(k, side);
                QCOMPARE(r->kind(), Shape::Circle);
                QCOMPARE(r->penStyle(), Shape::Clear);
                QVERIFY(r->isVisible());
                QCOMPARE(r->objectName(), QStringLiteral("%1%2").arg(side ? 'b' : 'a').arg(k, 3, 10, QLatin1Char('0')));
            }
            QCOMPARE(gameWindow()->progressDots[size_t(k - 1)]->brushColor(), QColor(Qt::white));
            QCOMPARE(gameWindow()->progressDots[size_t(k - 1)]->penColor(), QColor(192, 162, 143));
        }

        // Fewer: nothing new is made, the spare rows are hidden and nameless.
        gameWindow()->clearRegions();
        gameWindow()->loadLevel(3);
        QCOMPARE(gameWindow()->findChildren<Shape*>().size(), controls + 4 * 3);
        QCOMPARE(visibleShapes(), shownAt10 - 7 * 3);
        QVERIFY(!gameWindow()->findChild<Shape*>(QStringLiteral("a004")));
        QCOMPARE(s.region(1, 0)->geometry(), QRect(300 + 66, 400 + 49, 20, 20));
        QCOMPARE(s.region(2, 1)->geometry(), QRect(10 + 552, 10 + 49, 20, 20));
        const int step = 330 / 3;
        QCOMPARE(gameWindow()->progressDots[2]->geometry(), QRect(327 + step * 2 + step / 2, 618, 18, 18));
        // Stacked as a fresh build stacks them: each above the ones built
        // before it, all of them above the rest of the window.
        QWidget* layer = s.region(1, 0)->parentWidget();
        const QObjectList order = layer->children();
        for (int k = 1; k < 3; ++k)
            QVERIFY(order.indexOf(s.region(k + 1, 0)) > order.indexOf(s.region(k, 0)));
        QVERIFY(order.indexOf(s.region(1, 1)) > order.indexOf(s.region(3, 0)));
        QVERIFY(order.indexOf(gameWindow()->progressDots[0]) > order.indexOf(s.region(3, 1)));
        QCOMPARE(gameWindow()->children().last(), layer);

        // And they play: a find on the right marks both sides, once.
        s.press(3, 1);
        QCOMPARE(s.region(3, 0)->penStyle(), Shape::Solid);
        QCOMPARE(gameWindow()->round.foundCount(), 1);
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("2"));
    }

private:
    static int visibleShapes()
    {
        int n = 0;
        for (Shape* sh : gameWindow()->findChildren<Shape*>())
            n += sh->isVisibleTo(gameWindow()) ? 1 : 0;
        return n;
    }
};

QTEST_MAIN(GameWindowRegionsTest)
#include "tst_gamewindow_regions.moc"
