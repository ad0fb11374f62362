// Difference regions: built at their points, found by any button on either
// picture, counted once, dots filling from the right.
#include "game/uMain.h"
#include "platform/image.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "support/gamesession.h"

#include <QLabel>
#include <QtTest>

using platform::Shape;
using testsupport::GameSession;

class MainRegionsTest : public QObject {
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
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("4"));
        QCOMPARE(int(Form1->rs.foundCount), 1);
        QCOMPARE(s.sounds().last(), QStringLiteral("talalat"));
    }

    void cornerOfTheSquareFindsButOnePixelOutsideMisses()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}, {300, 300}});
        s.start();
        s.clickPicture(110, 91); // just outside the square's right edge (x + 9)
        QVERIFY(Form1->buntimer->enabled());
        QCOMPARE(int(Form1->rs.foundCount), 0);
        s.clickPicture(90, 90); // top-left corner, outside the drawn circle
        QCOMPARE(int(Form1->rs.foundCount), 1);
        s.clickPicture(309, 309); // bottom-right corner of the second square
        QCOMPARE(int(Form1->rs.foundCount), 2);
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
        QCOMPARE(int(Form1->rs.foundCount), 1); // the same region again
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
        QCOMPARE(int(Form1->rs.foundCount), 1);
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("3"));
    }

    void dotsFillFromTheRightEnd()
    {
        GameSession s;
        s.writeLevel(1, 10);
        s.start();
        for (int k : {4, 1, 9})
            s.press(k);
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("7"));
        for (int k = 1; k <= 10; ++k) {
            Shape* dot = Form1->progressDots[size_t(k - 1)];
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
            QCOMPARE(Form1->progressDots[size_t(k - 1)]->geometry(),
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
        QVERIFY(!Form1->Timer1->enabled());
        QVERIFY(!Form1->inActTimer->enabled());
        QVERIFY(!Form1->Image2->isEnabled());
        QVERIFY(!Form1->Image3->isEnabled());
        QVERIFY(Form1->DelayTimer->enabled());
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("0"));
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
        QTest::newRow("beside the square") << "playing" << QPoint(111, 100) << "balkep";
        QTest::newRow("far from any square") << "playing" << QPoint(30, 400) << "balkep";
        QTest::newRow("after the teardown") << "torn down" << QPoint(100, 100) << "balkep";
        QTest::newRow("second square") << "playing" << QPoint(200, 300) << "a002";
        QTest::newRow("paused") << "paused" << QPoint(100, 100) << "window";
        QTest::newRow("a new level's square") << "next level" << QPoint(50, 60) << "a001";
        QTest::newRow("the old level's square") << "next level" << QPoint(100, 100) << "balkep";
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
            Form1->AlakzatLebontas();
        if (when == QLatin1String("paused"))
            Form1->Image3Click();
        if (when == QLatin1String("next level")) {
            Form1->AlakzatLebontas();
            Form1->SzintFeltolt(2);
        }
        QWidget* under = Form1->childAt(at + QPoint(76, 59));
        const QString name = !under ? QStringLiteral("window")
                             : qobject_cast<Shape*>(under) || under == Form1->balkep ? under->objectName()
                                                                                      : QStringLiteral("window");
        QCOMPARE(name, reaches);
    }

    void hiddenRegionsCannotBePressedWhilePaused()
    {
        GameSession s;
        s.writeLevel(1, QVector<QPoint>{{100, 100}, {200, 200}});
        s.start();
        Form1->Image3Click();
        QVERIFY(!s.region(1, 0)->isVisible());
        QWidget* under = Form1->childAt(76 + 100, 59 + 100);
        QVERIFY(under != s.region(1, 0));
        QVERIFY(under != Form1->balkep);
    }

    void tearDownHidesEveryRegionAndDot()
    {
        GameSession s;
        s.writeLevel(1, 6);
        s.start();
        const int controls = Form1->findChildren<Shape*>().size();
        const int shown = visibleShapes();
        Form1->AlakzatLebontas();
        Form1->AlakzatLebontas(); // nothing left to tear down
        QCOMPARE(visibleShapes(), shown - 18);
        QCOMPARE(Form1->findChildren<Shape*>().size(), controls); // kept for the next level
        QVERIFY(!Form1->findChild<Shape*>(QStringLiteral("a001")));
        for (const auto& pair : Form1->diffShapes)
            QVERIFY(!pair[0] && !pair[1]);
        for (Shape* dot : Form1->progressDots)
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
        Form1->Image2Click(); // difference 1 revealed by help: a solid rounded rectangle
        QCOMPARE(s.region(1, 1)->kind(), Shape::RoundRect);
        s.press(2);
        std::vector<Shape*> firstLeft, firstDots;
        for (int k = 1; k <= 6; ++k) {
            firstLeft.push_back(s.region(k, 0));
            firstDots.push_back(Form1->progressDots[size_t(k - 1)]);
        }
        const int controls = Form1->findChildren<Shape*>().size();

        // More differences: the six are reused, four rows are added.
        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(2);
        QCOMPARE(Form1->findChildren<Shape*>().size(), controls + 4 * 3);
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(s.region(k, 0), firstLeft[size_t(k - 1)]);
            QCOMPARE(Form1->progressDots[size_t(k - 1)], firstDots[size_t(k - 1)]);
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
            QCOMPARE(Form1->progressDots[size_t(k - 1)]->brushColor(), QColor(Qt::white));
            QCOMPARE(Form1->progressDots[size_t(k - 1)]->penColor(), QColor(192, 162, 143));
        }

        // Fewer: nothing new is made, the spare rows are hidden and nameless.
        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(3);
        QCOMPARE(Form1->findChildren<Shape*>().size(), controls + 4 * 3);
        QCOMPARE(visibleShapes(), shownAt10 - 7 * 3);
        QVERIFY(!Form1->findChild<Shape*>(QStringLiteral("a004")));
        QCOMPARE(s.region(1, 0)->geometry(), QRect(300 + 66, 400 + 49, 20, 20));
        QCOMPARE(s.region(2, 1)->geometry(), QRect(10 + 552, 10 + 49, 20, 20));
        const int step = 330 / 3;
        QCOMPARE(Form1->progressDots[2]->geometry(), QRect(327 + step * 2 + step / 2, 618, 18, 18));
        // Stacked as a fresh build stacks them: each above the ones built
        // before it, all of them above the rest of the window.
        QWidget* layer = s.region(1, 0)->parentWidget();
        const QObjectList order = layer->children();
        for (int k = 1; k < 3; ++k)
            QVERIFY(order.indexOf(s.region(k + 1, 0)) > order.indexOf(s.region(k, 0)));
        QVERIFY(order.indexOf(s.region(1, 1)) > order.indexOf(s.region(3, 0)));
        QVERIFY(order.indexOf(Form1->progressDots[0]) > order.indexOf(s.region(3, 1)));
        QCOMPARE(Form1->children().last(), layer);

        // And they play: a find on the right marks both sides, once.
        s.press(3, 1);
        QCOMPARE(s.region(3, 0)->penStyle(), Shape::Solid);
        QCOMPARE(Form1->rs.foundCount, std::uint8_t(1));
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("2"));
    }

private:
    static int visibleShapes()
    {
        int n = 0;
        for (Shape* sh : Form1->findChildren<Shape*>())
            n += sh->isVisibleTo(Form1) ? 1 : 0;
        return n;
    }
};

QTEST_MAIN(MainRegionsTest)
#include "tst_uMain_regions.moc"
