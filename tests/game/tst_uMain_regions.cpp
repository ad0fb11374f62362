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

    void tearDownDestroysEveryRegionAndDotOnce()
    {
        GameSession s;
        s.writeLevel(1, 6);
        s.start();
        const int before = Form1->findChildren<Shape*>().size();
        Form1->AlakzatLebontas();
        Form1->AlakzatLebontas(); // nothing left to destroy
        QCOMPARE(Form1->findChildren<Shape*>().size(), before - 18);
        for (const auto& pair : Form1->diffShapes)
            QVERIFY(!pair[0] && !pair[1]);
    }
};

QTEST_MAIN(MainRegionsTest)
#include "tst_uMain_regions.moc"
