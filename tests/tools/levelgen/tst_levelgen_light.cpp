// Light and sky of the level pictures: shadows fall away from the scene's
// light, longer and softer when it is low; things that fly or float cast
// none; a changed thing's shadow stays within its click square; and no
// scene under an open sky leaves a large square of it empty.
#include "tools/levelgen/differ.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/light.h"
#include "tools/levelgen/rules.h"
#include "tools/levelgen/skyfill.h"
#include "tools/levelgen/themes.h"

#include <QtTest>

using namespace levelgen;

Q_DECLARE_METATYPE(levelgen::Lighting)

namespace {
Lighting lit(Lighting::Source source, QPointF at, double horizon = 200)
{
    Lighting l;
    l.source = source;
    l.at = at;
    l.horizon = horizon;
    return l;
}

// A plain grey field in the given light, things standing on it.
Scene field(const Lighting& light, std::initializer_list<std::pair<K, QPointF>> things)
{
    Scene s;
    s.base = QImage(kWidth, kHeight, QImage::Format_RGB32);
    s.base.fill(QColor(160, 160, 150));
    s.finish.vignette = 0;
    s.finish.grain = 0;
    s.light = light;
    for (const auto& [kind, at] : things) {
        Obj& o = s.add(kind, at, 1.4);
        o.c1 = QColor(150, 90, 50);
        o.c2 = QColor(90, 60, 40);
        o.c3 = QColor(230, 230, 220);
    }
    castShadows(s);
    return s;
}

// The shadow of the scene's first thing as rendered: the darkened pixels
// outside the thing's own box, their middle relative to its foot, and how
// far the furthest lies from the foot.
struct Shadow {
    int pixels = 0;
    QPointF middle;
    double reach = 0;
};
Shadow measure(const Scene& s)
{
    const QImage img = render(s);
    const Obj& o = s.objs.front();
    const QRect own = bounds(o);
    Shadow out;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (own.contains(x, y) || qGray(img.pixel(x, y)) > qGray(s.base.pixel(x, y)) - 8)
                continue;
            const QPointF d = QPointF(x, y) - o.pos;
            ++out.pixels;
            out.middle += d;
            out.reach = std::max(out.reach, std::hypot(d.x(), d.y()));
        }
    if (out.pixels)
        out.middle /= out.pixels;
    return out;
}
} // namespace

class LevelgenLightTest : public QObject {
    Q_OBJECT
private slots:
    void shadowFallsAwayFromTheLight_data()
    {
        QTest::addColumn<Lighting>("light");
        QTest::addColumn<int>("side"); // -1 left of the thing, +1 right, 0 straight below
        QTest::addColumn<bool>("onGround"); // in front of the foot rather than behind the thing
        QTest::newRow("morning sun on the left") << lit(Lighting::Sun, {60, 60}) << 1 << true;
        QTest::newRow("evening sun on the right") << lit(Lighting::Sun, {300, 170}) << -1 << true;
        QTest::newRow("noon sun straight above") << lit(Lighting::Sun, {177, 40}) << 0 << true;
        QTest::newRow("moon on the right") << lit(Lighting::Moon, {310, 60}) << -1 << true;
        QTest::newRow("room lamp on the left") << lit(Lighting::Room, {40, 40}, 0) << 1 << false;
        QTest::newRow("room lamp on the right") << lit(Lighting::Room, {320, 40}, 0) << -1 << false;
    }
    void shadowFallsAwayFromTheLight()
    {
        QFETCH(Lighting, light);
        QFETCH(int, side);
        QFETCH(bool, onGround);
        const Shadow sh = measure(field(light, {{Barrel, {177, 380}}}));
        QVERIFY2(sh.pixels >= 30, qPrintable(QString::number(sh.pixels)));
        if (side)
            QVERIFY2(side * sh.middle.x() > 2, qPrintable(QStringLiteral("middle at %1").arg(sh.middle.x())));
        else
            QVERIFY2(std::abs(sh.middle.x()) < 3, qPrintable(QStringLiteral("middle at %1").arg(sh.middle.x())));
        if (onGround) // the sun is beyond the scene: shadows come towards the eye
            QVERIFY2(sh.middle.y() > 0, qPrintable(QStringLiteral("middle at %1 below the foot").arg(sh.middle.y())));
        else // on the wall behind: beside the thing, not in front of its foot
            QVERIFY2(sh.middle.y() < 0, qPrintable(QStringLiteral("middle at %1 below the foot").arg(sh.middle.y())));
    }

    void lowSunCastsLongerSofterShadows()
    {
        const Scene high = field(lit(Lighting::Sun, {100, 40}), {{Barrel, {177, 380}}});
        const Scene low = field(lit(Lighting::Sun, {100, 175}), {{Barrel, {177, 380}}});
        const double highReach = measure(high).reach, lowReach = measure(low).reach;
        QVERIFY2(lowReach > 1.4 * highReach, qPrintable(QStringLiteral("%1 vs %2").arg(lowReach).arg(highReach)));
        QVERIFY(low.objs.front().castBlur > high.objs.front().castBlur);
        QVERIFY(low.objs.front().castAlpha < high.objs.front().castAlpha);
        const Scene moon = field(lit(Lighting::Moon, {100, 40}), {{Barrel, {177, 380}}});
        QVERIFY(moon.objs.front().castAlpha < 0.5 * high.objs.front().castAlpha);
    }

    void thingsThatFlyFloatOrPerchCastNone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<bool>("perched");
        QTest::addColumn<bool>("casts");
        QTest::newRow("barrel on the ground") << int(Barrel) << QPointF(177, 380) << false << true;
        QTest::newRow("bird in flight") << int(Bird) << QPointF(177, 380) << false << false;
        QTest::newRow("cloud") << int(Cloud) << QPointF(177, 100) << false << false;
        QTest::newRow("boat") << int(Boat) << QPointF(177, 380) << false << false;
        QTest::newRow("barrel beyond the horizon") << int(Barrel) << QPointF(177, 150) << false << false;
        QTest::newRow("barrel floating on water") << int(Barrel) << QPointF(177, 290) << false << false;
        QTest::newRow("cat set on a crate") << int(Cat) << QPointF(177, 380) << true << false;
    }
    void thingsThatFlyFloatOrPerchCastNone()
    {
        QFETCH(int, kind);
        QFETCH(QPointF, at);
        QFETCH(bool, perched);
        QFETCH(bool, casts);
        Lighting l = lit(Lighting::Sun, {80, 60});
        l.water.emplace_back(260, 320);
        Scene s = field(l, {{K(kind), at}});
        s.objs.front().depthY = perched ? at.y() + 20 : 0;
        castShadows(s);
        QCOMPARE(s.objs.front().castAlpha > 0, casts);
        QCOMPARE(castBounds(s.objs.front()).isEmpty(), !casts);
    }

    // Under a low sun a barrel's shadow is longer than its click square: the
    // pictures are drawn with the shadows of changed things shortened, the
    // same on both sides, so every difference stays clickable, nothing
    // changes between the pictures outside the squares, and things left as
    // they were keep their long shadows.
    void changedThingsShadowsStayInTheirSquares()
    {
        std::initializer_list<std::pair<K, QPointF>> barrels = {
            {Barrel, {60, 260}}, {Barrel, {180, 250}}, {Barrel, {290, 270}},
            {Barrel, {70, 400}}, {Barrel, {190, 390}}, {Barrel, {300, 410}}};
        Scene s = field(lit(Lighting::Sun, {177, 185}), barrels);
        int shade = 0;
        for (Obj& o : s.objs) {
            o.scale = 0.7; // the size of a click square, as small things are
            o.deny = Recolour | Shade | Detail; // only changes of outline: removed or resized
            static const QColor coats[] = {QColor(200, 60, 50), QColor(60, 120, 200), QColor(230, 200, 60),
                                           QColor(60, 160, 80), QColor(150, 70, 170), QColor(240, 240, 235)};
            o.c1 = coats[shade++ % 6]; // no two alike: a twin carries no difference
        }
        castShadows(s);
        QVERIFY(measure(s).reach > 2 * kSquareHalf + 2 * kMaxSpill);
        Difficulty d;
        d.count = 3;
        d.minVisible = 40;
        d.maxVisible = 5000;
        d.minContrast = 5;
        d.maxBold = 3;
        const QImage drawn = render(s);
        Rng rng(7);
        const Differences out = makeDifferences(s, drawn, d, rng);
        QCOMPARE(int(out.list.size()), 3);
        std::vector<QPoint> points;
        for (const Difference& diff : out.list) {
            QVERIFY(diff.mod & (Remove | Resize));
            points.push_back(diff.point);
        }
        const LevelCheck check = checkLevelPictures(out.left, out.right, points);
        QCOMPARE(check.strays, 0);
        for (const DiffCheck& c : check.diffs)
            QVERIFY2(c.clickable(), qPrintable(QStringLiteral("%1%% inside, spill %2").arg(100 * c.insideShare()).arg(c.worstSpill)));
        QVERIFY(out.left != drawn); // the changed barrels' shadows were shortened
        int unchangedLong = 0;
        for (std::size_t i = 0; i < s.objs.size(); ++i) {
            bool changed = false;
            for (const Difference& diff : out.list)
                changed = changed || diff.object == int(i);
            const QRect shadow = castBounds(s.objs[i]).intersected(QRect(0, 0, kWidth, kHeight));
            if (!changed)
                unchangedLong += out.left.copy(shadow) == drawn.copy(shadow);
        }
        QCOMPARE(unchangedLong, 3);
    }

    // Every scene under an open sky is filled until no empty square of sky
    // is much wider than a small cloud; low horizons left 150 px and more.
    void noLargeEmptySky()
    {
        int skies = 0;
        for (int level = 1; level <= 100; level += 3) {
            const Scene s = buildScene(level);
            if (s.light.source != Lighting::Sun || s.light.horizon < 170)
                continue;
            ++skies;
            const int side = largestEmptySky(render(s), s.light.horizon, &s.base, &s.light.sky);
            QVERIFY2(side <= (kSkyFill + 1) * kSkyCell, qPrintable(QStringLiteral("level %1: %2 px").arg(level).arg(side)));
        }
        QVERIFY(skies >= 10);
    }

    void emptySkyIsMeasuredOnThePicture()
    {
        QImage sky(kWidth, kHeight, QImage::Format_RGB32);
        {
            QPainter p(&sky);
            QLinearGradient g(0, 0, 0, 300);
            g.setColorAt(0, QColor(60, 120, 210));
            g.setColorAt(1, QColor(200, 225, 250));
            p.fillRect(sky.rect(), g);
        }
        QCOMPARE(largestEmptySky(sky, 300), 18 * kSkyCell); // the whole sky, 18 cells high
        QImage pole = sky;
        QPainter(&pole).fillRect(QRect(150, 0, 8, 300), QColor(40, 40, 40)); // a pole through it
        QCOMPARE(largestEmptySky(pole, 300), 12 * kSkyCell); // the wider side of it
        const QImage plate = sky;
        {
            // Far hills fading out of the haze: no edge, but no sky either.
            QPainter p(&sky);
            QLinearGradient g(0, 150, 0, 300);
            g.setColorAt(0, QColor(plate.pixel(0, 150)));
            g.setColorAt(1, QColor(110, 130, 150));
            p.fillRect(QRect(0, 150, kWidth, 150), g);
        }
        QCOMPARE(largestEmptySky(sky, 300), 18 * kSkyCell); // all sky to the picture alone
        const int aboveHills = largestEmptySky(sky, 300, &sky, &plate);
        QVERIFY2(aboveHills >= 9 * kSkyCell && aboveHills <= 10 * kSkyCell, qPrintable(QString::number(aboveHills)));
        QPainter(&sky).fillRect(QRect(0, 150, kWidth, 150), QColor(110, 130, 150)); // hills with a skyline
        QCOMPARE(largestEmptySky(sky, 300), 9 * kSkyCell);
    }
};

QTEST_MAIN(LevelgenLightTest)
#include "tst_levelgen_light.moc"
