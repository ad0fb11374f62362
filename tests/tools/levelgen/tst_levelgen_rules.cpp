// The difference rules at their very boundaries, where a threshold moved by a
// little or a tie broken the other way would still pass every whole level.
#include "tools/levelgen/rules.h"

#include <QtTest>

using namespace levelgen;

namespace {
constexpr QRgb kBefore = 0xFF000000, kAfter = 0xFFFFFFFF; // a plainly visible change

// `inside` changed pixels filling the square of `point` row by row, and
// `outside` more in the three columns just right of it (within the spill).
std::vector<Change> changesAround(QPoint point, int inside, int outside)
{
    std::vector<Change> out;
    const QRect square = hitSquare(point);
    for (int i = 0; i < inside; ++i)
        out.push_back({square.topLeft() + QPoint(i % square.width(), i / square.width()), kBefore, kAfter});
    for (int i = 0; i < outside; ++i)
        out.push_back({QPoint(square.right() + 1 + i % kMaxSpill, square.top() + i / kMaxSpill), kBefore, kAfter});
    return out;
}
} // namespace

class LevelgenRulesTest : public QObject {
    Q_OBJECT
private slots:
    // A press lands on the square; a difference whose change mostly lies
    // outside it cannot be found by pressing what changed.
    void clickableFromNineTenthsInside_data()
    {
        QTest::addColumn<int>("inside");
        QTest::addColumn<int>("outside");
        QTest::addColumn<bool>("clickable");
        QTest::newRow("all inside") << 400 << 0 << true;
        QTest::newRow("exactly nine tenths inside") << 180 << 20 << true;
        QTest::newRow("nine tenths of a larger change") << 360 << 40 << true;
        QTest::newRow("one pixel short of nine tenths") << 179 << 21 << false;
        QTest::newRow("85 per cent inside") << 170 << 30 << false;
        QTest::newRow("80 per cent inside") << 160 << 40 << false;
    }
    void clickableFromNineTenthsInside()
    {
        QFETCH(int, inside);
        QFETCH(int, outside);
        QFETCH(bool, clickable);
        const QPoint point(100, 100);
        const DiffCheck d = checkDifference(changesAround(point, inside, outside), point);
        QCOMPARE(d.visible, inside + outside);
        QVERIFY(d.worstSpill <= kMaxSpill); // only the share decides here
        QCOMPARE(d.clickable(), clickable);
    }

    // A changed pixel belongs to the difference whose square is nearest; on
    // a tie, to the later one, whose region lies on top in the game.
    void changedPixelGoesToTheNearestSquareTheLaterOnATie_data()
    {
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("owner");
        // Squares 50..69 and 75..94 across: 70..74 lie between them.
        const QPoint a(60, 100), b(85, 100);
        QTest::newRow("nearer the first") << a << b << QPoint(71, 100) << 0;
        QTest::newRow("as near to both: the later") << a << b << QPoint(72, 100) << 1;
        QTest::newRow("nearer the second") << a << b << QPoint(73, 100) << 1;
        QTest::newRow("as near to both, diagonally: the later") << a << b << QPoint(72, 88) << 1;
        QTest::newRow("inside both squares: the later") << a << QPoint(70, 100) << QPoint(65, 100) << 1;
        QTest::newRow("inside both, listed the other way: the later") << QPoint(70, 100) << a << QPoint(65, 100) << 1;
    }
    void changedPixelGoesToTheNearestSquareTheLaterOnATie()
    {
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QPoint, pixel);
        QFETCH(int, owner);
        QImage left(200, 200, QImage::Format_RGB32);
        left.fill(kBefore);
        QImage right = left;
        right.setPixel(pixel, kAfter);
        const LevelCheck c = checkLevelPictures(left, right, {first, second});
        QCOMPARE(c.strays, 0);
        QCOMPARE(int(c.diffs.size()), 2);
        QCOMPARE(c.diffs[std::size_t(owner)].visible, 1);
        QCOMPARE(c.diffs[std::size_t(1 - owner)].visible, 0);
    }
};

QTEST_MAIN(LevelgenRulesTest)
#include "tst_levelgen_rules.moc"
