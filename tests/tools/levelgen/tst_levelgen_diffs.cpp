// The rules a level's differences keep on the right picture: each catches
// the change it is there for, made on purpose on a small field, and lets the
// sound change pass; generated levels keep them all.
#include "tools/levelgen/diffrules.h"
#include "tools/levelgen/groundspares.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/pack.h"
#include "tools/levelgen/themekit.h"

#include <QtTest>
#include <set>

using namespace levelgen;

Q_DECLARE_METATYPE(levelgen::SceneRule)

namespace {
// A field under an open sky (the ground from y = 200), a fence with a bench
// by it and a barrel on a side table; the sky as painted is known.
Scene field()
{
    Scene s;
    s.base = QImage(kWidth, kHeight, QImage::Format_RGB32);
    s.base.fill(QColor(110, 160, 70));
    s.light.sky = QImage(kWidth, kHeight, QImage::Format_RGB32);
    s.light.sky.fill(QColor(120, 170, 230));
    QPainter(&s.base).fillRect(0, 0, kWidth, 200, QColor(120, 170, 230));
    s.surfaces.ground = 200;
    put(s, Fence, 80, 300, 1.0, QColor(150, 110, 70));
    put(s, Bench, 80, 325, 1.0, QColor(120, 80, 50));
    put(s, Table, 260, 330, 1.0, QColor(150, 100, 60));
    put(s, Jug, 260, 312, 1.0, QColor(200, 120, 70)).depthY = 330.01;
    return s;
}

// A thing hidden on the left that a difference may show on the right.
int spare(Scene& s, K kind, double x, double y, QColor c)
{
    Obj& o = put(s, kind, x, y, 1.0, c);
    o.spare = true;
    o.visible = false;
    return int(s.objs.size()) - 1;
}

Difference change(const Scene& s, int object, unsigned mod)
{
    Difference d;
    d.object = object;
    d.mod = mod;
    d.after = s.objs[std::size_t(object)];
    d.point = bounds(d.after).center();
    if (mod == Add)
        d.after.visible = true;
    if (mod == Remove)
        d.after.visible = false;
    return d;
}

bool breaks(const std::vector<Breach>& list, SceneRule rule)
{
    return std::any_of(list.begin(), list.end(), [rule](const Breach& b) { return b.rule == rule; });
}

QString listed(const std::vector<Breach>& list)
{
    QStringList out;
    for (const Breach& b : list)
        out << QString::fromLatin1(sceneRuleName(b.rule)) + QStringLiteral(": ") + b.text;
    return out.join(QStringLiteral("; "));
}
} // namespace

class DifferenceRulesTest : public QObject {
    Q_OBJECT
private slots:
    void soundChangesPass()
    {
        Scene s = field();
        const int cat = spare(s, Cat, 112, 330, QColor(215, 145, 75)); // beside the bench, by the fence
        s.objs[std::size_t(cat)].scale = 0.5;
        put(s, Bird, 200, 80, 1.0, QColor(110, 90, 70)).shape = 1; // on the wing
        const int flyer = int(s.objs.size()) - 1;
        std::vector<Difference> diffs = {change(s, cat, Add), change(s, 2, Recolour), change(s, flyer, Mirror)};
        diffs[1].after.c1 = QColor(90, 60, 40);
        diffs[2].after.mirror = true;
        const std::vector<Breach> b = changeBreaches(s, diffs);
        QVERIFY2(b.empty(), qPrintable(listed(b)));
    }

    void eachBrokenChangeIsCaught_data()
    {
        QTest::addColumn<int>("broken");
        QTest::addColumn<SceneRule>("rule");
        QTest::newRow("added twin beside its copy") << 0 << SceneRule::Copies;
        QTest::newRow("added look-alike beside one of its kind") << 1 << SceneRule::Copies;
        QTest::newRow("added look-alike a little further off") << 9 << SceneRule::Copies;
        QTest::newRow("added in the middle of nothing") << 2 << SceneRule::Anchor;
        QTest::newRow("added through another thing") << 3 << SceneRule::Overlap;
        QTest::newRow("table taken from under its jug") << 4 << SceneRule::Support;
        QTest::newRow("table moved from under its jug") << 5 << SceneRule::Support;
        QTest::newRow("fence taken from beside its bench") << 6 << SceneRule::Anchor;
        QTest::newRow("moved onto the water") << 7 << SceneRule::Support;
        QTest::newRow("two differences in the open sky") << 8 << SceneRule::Spread;
    }
    void eachBrokenChangeIsCaught()
    {
        QFETCH(int, broken);
        QFETCH(SceneRule, rule);
        Scene s = field();
        std::vector<Difference> diffs;
        switch (broken) {
        case 0:
            put(s, Cat, 110, 340, 1.0, QColor(215, 145, 75));
            diffs.push_back(change(s, spare(s, Cat, 150, 345, QColor(215, 145, 75)), Add));
            break;
        case 1: // another size and colour, but a second dog right beside the first
            put(s, Dog, 110, 340, 1.0, QColor(150, 100, 60));
            diffs.push_back(change(s, spare(s, Dog, 150, 342, QColor(55, 50, 50)), Add));
            s.objs.back().scale = 0.7;
            diffs.back().after.scale = 0.7;
            break;
        case 2:
            diffs.push_back(change(s, spare(s, Snail, 180, 440, QColor(200, 160, 100)), Add));
            break;
        case 3:
            diffs.push_back(change(s, spare(s, Crate, 86, 326, QColor(170, 120, 70)), Add));
            break;
        case 4:
            diffs.push_back(change(s, 2, Remove));
            break;
        case 5:
            diffs.push_back(change(s, 2, Move));
            diffs.back().after.pos += QPointF(6, 0);
            break;
        case 6:
            diffs.push_back(change(s, 0, Remove));
            break;
        case 7: {
            s.light.water.push_back({380, 482});
            const int crate = int(s.objs.size());
            put(s, Crate, 300, 372, 1.0, QColor(170, 120, 70));
            diffs.push_back(change(s, crate, Move));
            diffs.back().after.pos += QPointF(0, 30);
            break;
        }
        case 9: // smaller, and not beside the first, but the same ginger cat at a glance
            put(s, Cat, 190, 330, 0.5, QColor(215, 145, 75));
            diffs.push_back(change(s, spare(s, Cat, 112, 330, QColor(240, 170, 95)), Add));
            s.objs.back().scale = diffs.back().after.scale = 0.35;
            break;
        case 8:
            for (int x : {80, 200}) {
                Obj& b = put(s, Bird, x, 90, 1.0, QColor(110, 90, 70));
                b.shape = 1;
                diffs.push_back(change(s, int(s.objs.size()) - 1, Mirror));
                diffs.back().after.mirror = true;
            }
            break;
        }
        const std::vector<Breach> b = changeBreaches(s, diffs);
        QVERIFY2(breaks(b, rule), qPrintable(listed(b)));
    }

    // In space, the sky is the picture: its differences may all be up there.
    // A bird against a house's front is not in the open sky.
    void theSkyIsOpenOnlyWhereItShows()
    {
        Scene s = field();
        Obj& bird = put(s, Bird, 100, 90, 1.0, QColor(110, 90, 70));
        bird.shape = 1;
        QVERIFY(inOpenSky(s, s.objs.back()));
        put(s, House, 100, 199, 1.6, QColor(220, 200, 170));
        QVERIFY(!inOpenSky(s, s.objs[s.objs.size() - 2]));
        Scene space = field();
        put(space, Planet, 250, 60, 1.0, QColor(200, 150, 90));
        for (int x : {60, 150})
            put(space, Bird, x, 90, 1.0, QColor(110, 90, 70)).shape = 1;
        std::vector<Difference> diffs = {change(space, int(space.objs.size()) - 1, Remove), change(space, int(space.objs.size()) - 2, Remove)};
        QVERIFY(skyIsTheSubject(space));
        QVERIFY2(skyBreaches(space, diffs).empty(), qPrintable(listed(skyBreaches(space, diffs))));
    }

    // One kind of change must not crowd a level: never more than three of
    // one change on one kind of thing (each detail apart; any light or
    // number alike), nor one change on more than half. A generator aims
    // lower, and at no more than two changes of any sort on one kind.
    void oneChangeDoesNotCrowdALevel_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<unsigned>>("mods");
        QTest::addColumn<QList<int>>("bits"); // the detail bit each Detail switches (bit 0 when not given)
        QTest::addColumn<bool>("crowded");
        QTest::addColumn<int>("beyondAim"); // repeats a generator avoids where it can
        const unsigned det = Detail, rem = Remove, mov = Move, tilt = Tilt, cnt = Count, lit = Light, dig = Digit;
        QTest::newRow("varied") << QList<int>{Rock, Rock, Cat, Bench, Jug} << QList<unsigned>{det, rem, mov, tilt, cnt} << QList<int>{} << false << 0;
        QTest::newRow("three rocks break a piece off, of nine") << QList<int>{Rock, Rock, Rock, Cat, Bench, Jug, Fence, Tree, Rock}
                                                              << QList<unsigned>{det, det, det, cnt, tilt, cnt, mov, rem, rem} << QList<int>{} << false << 3;
        QTest::newRow("four rocks break a piece off, of nine") << QList<int>{Rock, Rock, Rock, Rock, Bench, Jug, Cat, Fence, Rock}
                                                             << QList<unsigned>{det, det, det, det, tilt, cnt, mov, rem, rem} << QList<int>{} << true << 5;
        QTest::newRow("curtains on two windows, shutters on two") << QList<int>{Window, Window, Window, Window, Rock, Cat, Jug, Bench, Fence, Tree}
                                                                  << QList<unsigned>{det, det, det, det, rem, mov, tilt, cnt, cnt, rem}
                                                                  << QList<int>{0, 0, 3, 3} << false << 4;
        QTest::newRow("curtains on four windows") << QList<int>{Window, Window, Window, Window, Rock, Cat, Jug, Bench, Fence, Tree}
                                                  << QList<unsigned>{det, det, det, det, rem, mov, tilt, cnt, cnt, rem}
                                                  << QList<int>{0, 0, 0, 0} << true << 4;
        QTest::newRow("three windows and a lamp lit") << QList<int>{Window, Window, Window, Lamp, Rock, Cat, Jug, Bench, Fence, Tree}
                                                      << QList<unsigned>{lit, lit, lit, lit, rem, mov, tilt, cnt, cnt, rem} << QList<int>{} << true << 3;
        QTest::newRow("two lights, a house number, a mailbox's") << QList<int>{Window, Lamp, NumberPlate, Mailbox, Rock, Cat, Jug, Bench, Fence, Tree}
                                                                 << QList<unsigned>{lit, lit, dig, dig, rem, mov, tilt, cnt, cnt, rem} << QList<int>{} << false << 0;
        QTest::newRow("five of ten moved, each its own kind") << QList<int>{Rock, Cat, Jug, Bench, Fence, Barrel, Crate, Bird, Tree, Bush}
                                                              << QList<unsigned>{mov, mov, mov, mov, mov, tilt, cnt, cnt, rem, rem} << QList<int>{} << false << 1;
        QTest::newRow("six of ten moved, each its own kind") << QList<int>{Rock, Cat, Jug, Bench, Fence, Barrel, Crate, Bird, Tree, Bush}
                                                             << QList<unsigned>{mov, mov, mov, mov, mov, mov, cnt, cnt, rem, rem} << QList<int>{} << true << 2;
        QTest::newRow("three ducks changed, each its own way") << QList<int>{Duck, Duck, Duck, Cat, Jug, Bench}
                                                               << QList<unsigned>{rem, mov, tilt, cnt, det, rem} << QList<int>{} << false << 1;
        QTest::newRow("four of five taken away") << QList<int>{Rock, Cat, Jug, Bench, Fence} << QList<unsigned>{rem, rem, rem, rem, mov} << QList<int>{} << true << 2;
    }
    void oneChangeDoesNotCrowdALevel()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(QList<unsigned>, mods);
        QFETCH(QList<int>, bits);
        QFETCH(bool, crowded);
        QFETCH(int, beyondAim);
        Scene s = field();
        std::vector<Difference> diffs;
        for (int k = 0; k < kinds.size(); ++k) {
            Obj& o = put(s, K(kinds[k]), 20 + 30 * k, 260 + 20 * k, 1.0, QColor(120, 110, 100));
            o.variant = 0;
            Difference d;
            d.object = int(s.objs.size()) - 1;
            d.mod = mods[k];
            d.after = o;
            if (d.mod == Detail)
                d.after.variant ^= 1 << (k < bits.size() ? bits[k] : 0);
            diffs.push_back(d);
        }
        const std::vector<Breach> b = varietyBreaches(s, diffs);
        QVERIFY2(b.empty() != crowded, qPrintable(listed(b)));
        QVERIFY(std::all_of(b.begin(), b.end(), [](const Breach& x) { return x.rule == SceneRule::Spread; }));
        QCOMPARE(repeatsBeyondAim(s, diffs), beyondAim);
    }

    // A detail that only switches a light, or a pattern, is that change: a
    // window lit by a "detail" counts among the lights.
    void aDetailIsCountedAsTheChangeItMakes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<unsigned>("mod");
        QTest::addColumn<int>("bits"); // the variant bits switched
        QTest::addColumn<unsigned>("made");
        QTest::newRow("a window lit") << int(Window) << unsigned(Detail) << 2 << unsigned(Light);
        QTest::newRow("a window's curtains") << int(Window) << unsigned(Detail) << 1 << unsigned(Detail);
        QTest::newRow("a lamp lit") << int(Lamp) << unsigned(Detail) << 1 << unsigned(Light);
        QTest::newRow("a basket's band turned to dots") << int(Basket) << unsigned(Detail) << 1 << unsigned(Pattern);
        QTest::newRow("a basket filled") << int(Basket) << unsigned(Detail) << 2 << unsigned(Detail);
        QTest::newRow("a rock's moss") << int(Rock) << unsigned(Detail) << 1 << unsigned(Detail);
        QTest::newRow("a window recoloured") << int(Window) << unsigned(Recolour) << 0 << unsigned(Recolour);
    }
    void aDetailIsCountedAsTheChangeItMakes()
    {
        QFETCH(int, kind);
        QFETCH(unsigned, mod);
        QFETCH(int, bits);
        QFETCH(unsigned, made);
        Obj before;
        before.kind = kind;
        before.variant = 0;
        Obj after = before;
        after.variant ^= bits;
        QCOMPARE(changeMade(mod, before, after), made);
    }

    // With six or more differences, no third of the width holds more than two thirds.
    void differencesSpreadAcross_data()
    {
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<bool>("crowded");
        QTest::newRow("five in the left third: too few to judge") << QList<int>{20, 40, 60, 80, 100} << false;
        QTest::newRow("four of six on the left") << QList<int>{20, 60, 100, 110, 200, 300} << false;
        QTest::newRow("five of six on the left") << QList<int>{20, 60, 100, 110, 80, 300} << true;
        QTest::newRow("six of nine in the middle") << QList<int>{20, 130, 140, 150, 160, 170, 180, 300, 320} << false;
        QTest::newRow("seven of ten in the middle") << QList<int>{20, 130, 140, 150, 160, 170, 180, 190, 320, 60} << true;
        QTest::newRow("even") << QList<int>{20, 60, 100, 130, 170, 210, 250, 290, 330} << false;
    }
    void differencesSpreadAcross()
    {
        QFETCH(QList<int>, xs);
        QFETCH(bool, crowded);
        Scene s = field();
        std::vector<Difference> diffs;
        std::vector<QPoint> points;
        for (int k = 0; k < xs.size(); ++k) {
            Difference d;
            d.point = QPoint(xs[k], 40 + 40 * k); // spread down the height
            d.mod = std::initializer_list<unsigned>{Remove, Tilt, Move, Detail, Count}.begin()[k % 5]; // varied
            diffs.push_back(d);
            points.push_back(d.point);
        }
        QCOMPARE(crowdedAcross(points, int(points.size())), crowded);
        QCOMPARE(breaks(changeBreaches(s, diffs), SceneRule::Spread), crowded);
    }

    // A scene gets hidden things of kinds it does not show yet, each of a
    // kind that belongs by what it stands beside, sized like its neighbours:
    // adding one is a fair difference that breaks no rule.
    void sparesAreNewKindsThatBelong()
    {
        Scene s = field();
        put(s, Barrel, 200, 330, 1.0, QColor(140, 90, 50));
        Rng r(seedOf({5, 17}));
        const std::size_t before = s.objs.size();
        const int added = addGroundSpares(s, r, 3);
        QVERIFY(added >= 1);
        QCOMPARE(s.objs.size(), before + std::size_t(added));
        std::set<int> kinds;
        for (const Obj& o : s.objs)
            if (!o.spare)
                kinds.insert(o.kind);
        // Beside the fence, the bench, the barrel and the jug on its table.
        const std::set<int> belong = {Cat, Dog, Pigeon, Basket, Chicken, Bucket, MilkCan, Goose, Crow, Jug, Kettle};
        int newKinds = 0;
        for (int i = 0; i < int(s.objs.size()); ++i) {
            const Obj& o = s.objs[std::size_t(i)];
            if (!o.spare)
                continue;
            if (!kinds.count(o.kind)) {
                QVERIFY2(belong.count(o.kind), kindOf(o.kind).name);
                ++newKinds;
            }
            QVERIFY(!o.visible);
            const std::vector<Breach> b = changeBreaches(s, {change(s, i, Add)});
            QVERIFY2(b.empty(), qPrintable(listed(b)));
        }
        QVERIFY(newKinds >= 1);
    }

    // One more of a thing is added where its kind stands: a cup from the
    // shelf on the shelf, never set down on the floor, and never a second
    // globe or teddy, which reads as a copying mistake.
    void sparesStayWhereTheirKindStands_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed : {1, 2, 3, 4, 5})
            QTest::newRow(qPrintable(QStringLiteral("draw %1").arg(seed))) << seed;
    }
    void sparesStayWhereTheirKindStands()
    {
        QFETCH(int, seed);
        Scene s;
        s.base = QImage(kWidth, kHeight, QImage::Format_RGB32);
        s.base.fill(QColor(200, 190, 170));
        s.surfaces = Surfaces::at(300, true, false, {QRectF(10, 160, 334, 0)});
        put(s, Cup, 60, 160, 1.0, QColor(240, 240, 235));
        put(s, Globe, 150, 160, 1.0, QColor(60, 110, 180));
        put(s, Jar, 250, 160, 1.0, QColor(200, 120, 60));
        put(s, Teddy, 90, 400, 1.0, QColor(170, 120, 70));
        put(s, Basket, 200, 420, 1.0, QColor(190, 150, 90));
        put(s, Cat, 290, 380, 1.0, QColor(230, 150, 60));
        Rng r(seedOf({std::uint64_t(seed), 41}));
        addGroundSpares(s, r, 6, false);
        for (const Obj& o : s.objs) {
            if (!o.spare)
                continue;
            QVERIFY2(o.kind != Globe && o.kind != Teddy, kindOf(o.kind).name);
            if (o.kind == Cup || o.kind == Jar)
                QVERIFY2(onShelf(s, o), qPrintable(QStringLiteral("a %1 set down at (%2, %3)").arg(kindOf(o.kind).name).arg(o.pos.x()).arg(o.pos.y())));
        }
    }

    // A level's draws come from a stream of its own for each version and
    // draw: neighbouring seeds must not give the same stream one step on.
    void eachVersionDrawsAfresh_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {1, 10, 50, 100})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void eachVersionDrawsAfresh()
    {
        QFETCH(int, n);
        auto stream = [](std::uint64_t seed) {
            Rng r(seed);
            std::set<std::uint64_t> out;
            for (int i = 0; i < 2000; ++i)
                out.insert(r.next());
            return out;
        };
        const std::set<std::uint64_t> now = stream(seedOf({std::uint64_t(n), 17, 0}));
        for (const std::uint64_t other : {seedOf({std::uint64_t(n), 16, 0}), seedOf({std::uint64_t(n), 18, 0}),
                                          seedOf({std::uint64_t(n), 17, 1}), seedOf({std::uint64_t(n) + 1, 17, 0})}) {
            const std::set<std::uint64_t> then = stream(other);
            QVERIFY(std::none_of(then.begin(), then.end(), [&](std::uint64_t v) { return now.count(v) > 0; }));
        }
    }

    void generatedLevelsKeepTheRightPictureStanding_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {3, 54, 61})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void generatedLevelsKeepTheRightPictureStanding()
    {
        QFETCH(int, n);
        const Level lv = generateLevel(n);
        QCOMPARE(int(lv.diffs.size()), difficultyFor(n).count);
        std::vector<Breach> held;
        for (const Breach& b : lv.breaches)
            if (b.rule != SceneRule::EmptyBand)
                held.push_back(b);
        QVERIFY2(held.empty(), qPrintable(listed(held)));
        const int colourOnly = int(std::count_if(lv.diffs.begin(), lv.diffs.end(), [](const Difference& d) { return (d.mod & kColourOnlyMods) != 0; }));
        QVERIFY2(colourOnly <= maxColourOnly(int(lv.diffs.size())), qPrintable(QString::number(colourOnly)));
    }
};

QTEST_MAIN(DifferenceRulesTest)
#include "tst_levelgen_diffs.moc"
