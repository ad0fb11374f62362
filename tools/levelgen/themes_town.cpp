// Scenes of towns and the sea: village street, harbour, night over town.
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/compose.h"

#include <QPainterPath>

namespace levelgen {

namespace {
const QColor kWalls[] = {QColor(235, 215, 170), QColor(225, 170, 140), QColor(200, 215, 220), QColor(240, 230, 210),
                         QColor(215, 195, 225), QColor(190, 215, 170), QColor(245, 200, 120)};
const QColor kRoofs[] = {QColor(170, 70, 50), QColor(110, 60, 50), QColor(80, 85, 100), QColor(150, 90, 60)};

QColor wallColour(Rng& r) { return vary(kWalls[r.next() % 7], r, 0.06); }
QColor roofColour(Rng& r) { return vary(kRoofs[r.next() % 4], r, 0.1); }

void clouds(Scene& s, Rng& r, int n, double maxY, const QColor& c)
{
    for (int i = 0; i < n; ++i)
        scatter(s, r, Cloud, {20, 334, 30, maxY}, r.range(0.6, 1.1), c);
}

void streetClutter(Scene& s, Rng& r, double top, double bottom)
{
    const QColor wood(160, 110, 65);
    for (int i = 0; i < 2; ++i) {
        Obj& l = scatter(s, r, Lamp, {30, 324, top + 20, top + 60}, 1.0, QColor(45, 50, 55));
        l.groundMove = true;
    }
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Barrel, {20, 334, top + 30, bottom - 20}, r.range(1.0, 1.3), vary(wood, r), QColor(70, 70, 75));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Crate, {20, 334, top + 30, bottom - 15}, r.range(1.0, 1.4), vary(QColor(190, 150, 95), r),
            anyOf(r, {QColor(200, 50, 40), QColor(40, 90, 160), QColor(50, 130, 70)}));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Pot, {20, 334, top + 10, bottom - 10}, r.range(1.0, 1.3), QColor(190, 100, 60)).shape = 0;
    scatter(s, r, Cat, {30, 324, top + 40, bottom - 20}, 1.2, anyOf(r, {QColor(230, 150, 60), QColor(60, 60, 65), QColor(200, 200, 200)}));
    scatter(s, r, Ball, {30, 324, top + 40, bottom - 10}, 1.0, QColor(220, 50, 50), QColor(40, 90, 200));
    scatterSpare(s, r, Cat, {30, 324, top + 30, bottom - 20}, 1.1, QColor(90, 80, 75));
    scatterSpare(s, r, Barrel, {20, 334, top + 30, bottom - 20}, 1.1, wood, QColor(70, 70, 75));
    scatterSpare(s, r, Crate, {20, 334, top + 30, bottom - 20}, 1.2, QColor(190, 150, 95), QColor(200, 50, 40));
    scatterSpare(s, r, Pot, {20, 334, top + 20, bottom - 10}, 1.2, QColor(190, 100, 60));
}
} // namespace

void buildVillage(Scene& s, Rng& r, int v)
{
    const Daylight d = daylight(v, r);
    s.finish.tint = d.tint;
    // Each composition its own street: three houses in a row under bunting;
    // two larger ones with a lane and a lamp between, seen from close by;
    // or one house to a side and a long stretch of street before it, seen
    // from further off under more sky.
    const int layout = v % 3;
    const double street = layout == 0 ? r.range(300, 330) : layout == 1 ? r.range(262, 280) : r.range(345, 362);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, street);
        hills(p, street - 120, 60, 90, d.haze, shade(d.haze, 0.8), r.seed());
        hills(p, street - 80, 50, 60, QColor(110, 150, 90), QColor(70, 110, 60), r.seed());
        cobbles(p, QRectF(0, street, kWidth, kHeight - street), QColor(165, 155, 145), r.seed());
        p.fillRect(QRectF(0, street - 2, kWidth, 10), QColor(175, 165, 150));
        p.fillRect(QRectF(0, street + 8, kWidth, 3), QColor(110, 100, 95));
    }
    noiseTexture(s.base, QRect(0, int(street), kWidth, kHeight), 6, 10, r.seed());
    clouds(s, r, 3, street - 180, QColor(250, 250, 252));
    std::vector<double> houses;
    double sc = 1;
    if (layout == 0) {
        for (int i = 0; i < 3; ++i)
            put(s, Tree, 20 + i * 150 + r.range(-10, 10), street - 40, r.range(0.7, 0.9), QColor(70, 130, 60), QColor(200, 50, 40));
        sc = r.range(1.15, 1.3);
        for (int i = 0; i < 3; ++i)
            houses.push_back(kWidth / 6.0 + i * kWidth / 3.0 + r.range(-6, 6));
    } else if (layout == 1) {
        sc = r.range(1.38, 1.46);
        houses = {70 + r.range(-4, 4), 284 + r.range(-4, 4)};
        put(s, Tree, kWidth / 2.0 + r.range(-8, 8), street - 30, r.range(0.8, 0.9), QColor(70, 130, 60), QColor(200, 50, 40));
        put(s, Lamp, kWidth / 2.0 + r.range(-12, 12), street + 6, 1.1, QColor(40, 45, 50)).groundMove = true;
    } else {
        sc = r.range(1.4, 1.5);
        const bool left = r.chance(0.5);
        houses = {left ? 82 + r.range(-6, 6) : 272 + r.range(-6, 6)};
        for (int i = 0; i < 2; ++i) // an orchard corner beside it, the far one smaller
            put(s, Tree, (left ? 215 : 40) + i * 95 + r.range(-8, 8), street - 20 - (1 - i) * 25, r.range(0.75, 0.85) + 0.15 * i,
                QColor(70, 130, 60), QColor(200, 50, 40));
    }
    for (double x : houses)
        house(s, r, x, street, sc, wallColour(r), roofColour(r), false);
    const double signed_ = houses[r.next() % houses.size()];
    put(s, Sign, signed_ + (r.chance(0.5) ? 30 : -30) * sc, street - 60 * sc, 1.1, QColor(120, 80, 45), QColor(240, 220, 170)).variant = r.between(0, 3);
    if (layout == 0)
        put(s, Bunting, kWidth / 2.0, street - 112, 1.7, QColor(220, 50, 50), QColor(250, 200, 50), QColor(60, 120, 200));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Bird, {20, 334, 30, street - 180}, 1.0, QColor(70, 70, 80), QColor(200, 200, 190)).shape = 1;
    // One bird on a roof ridge, whichever house it chose.
    put(s, Bird, houses[r.next() % houses.size()] + r.range(-25, 25) * sc, street - 108 * sc - 2, 1.2, QColor(120, 90, 60), QColor(230, 120, 60));
    streetClutter(s, r, street, kHeight);
    put(s, Bush, r.range(20, 334), street + 4, 1.1, QColor(70, 130, 60), QColor(230, 80, 120));
    scatter(s, r, Fence, {40, 314, street + 16, street + 22}, 1.0, QColor(240, 238, 230));
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Bird, {20, 334, street + 30, kHeight - 20}, 1.2, QColor(120, 120, 130), QColor(210, 200, 190));
    scatter(s, r, Flower, {20, 334, street + 20, kHeight - 10}, 1.3, QColor(230, 60, 80));
    scatter(s, r, Bread, {20, 334, street + 30, kHeight - 10}, 1.2, QColor(200, 140, 70));
    group(s, r, Mailbox, 1, {40, 314, street + 20, kHeight - 30}, 1.1, 1.2, {QColor(40, 80, 160), QColor(200, 40, 40), QColor(60, 120, 70)});
    group(s, r, Bench, 1, {40, 314, street + 20, kHeight - 30}, 1.2, 1.3, {QColor(120, 85, 55), QColor(60, 110, 80)});
    group(s, r, Pigeon, many(s, 3), {20, 334, street + 20, kHeight - 10}, 1.0, 1.2, {QColor(150, 155, 165)});
    group(s, r, Dog, 1, {30, 324, street + 30, kHeight - 10}, 1.1, 1.2, {QColor(150, 100, 60), QColor(230, 220, 200)});
    group(s, r, Sparrow, many(s, 3), {20, 334, street + 20, kHeight - 10}, 1.1, 1.3, {QColor(130, 95, 60)});
    scatterSpare(s, r, Bird, {20, 334, 30, 120}, 1.0, QColor(70, 70, 80), QColor(200, 200, 190)).shape = 1;
}

void buildHarbour(Scene& s, Rng& r, int v)
{
    const Daylight d = daylight(v + 1, r);
    s.finish.tint = d.tint;
    // Each composition its own waterline: a high quay seen from the water, a low one, between.
    const double horizon = r.range(190, 215) - (v % 3 == 1 ? 60 : 0), quay = r.range(360, 380) - (v % 3 == 2 ? 60 : 0);
    s.surfaces.ground = quay;
    s.light.water.emplace_back(horizon, quay);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, horizon);
        hills(p, horizon, 35, 70, d.haze, shade(d.haze, 0.9), r.seed(), horizon + 2);
        verticalGradient(p, QRectF(0, horizon, kWidth, quay - horizon),
                         {{0, mix(d.sky.back().second, QColor(40, 110, 150), 0.5)}, {1, QColor(20, 70, 110)}});
        waterGlints(p, QRectF(0, horizon + 2, kWidth, quay - horizon), shade(d.sun, 1.2), 160, r.seed());
        planks(p, QRectF(0, quay, kWidth, kHeight - quay), QColor(150, 110, 70), 34, true, r.seed());
        p.fillRect(QRectF(0, quay, kWidth, 6), QColor(90, 80, 75));
    }
    noiseTexture(s.base, QRect(0, int(quay) + 6, kWidth, kHeight), 5, 12, r.seed(), 6);
    clouds(s, r, 3, horizon - 80, QColor(252, 250, 250));
    const bool lighthouseLeft = r.chance(0.5);
    put(s, Lighthouse, lighthouseLeft ? 45 : 309, horizon + 8, 1.0, QColor(200, 40, 40)).count = 3;
    // Boats on alternate sides, far to near, so the water is held across
    // its width; a wide harbour has room for one more.
    const bool leftFirst = r.chance(0.5);
    const int boats = quay - horizon > 170 ? 4 : 3;
    for (int i = 0; i < boats; ++i) {
        const double y = horizon + 35 + i * (quay - horizon - 60) / double(boats - 1);
        const bool left = (i % 2 == 0) == leftFirst;
        Obj& b = put(s, Boat, left ? r.range(55, 150) : r.range(204, 299), y, 0.75 + i * 0.5 / (boats - 1), anyOf(r, {QColor(40, 70, 130), QColor(180, 50, 40), QColor(240, 240, 235), QColor(50, 110, 80)}),
                     anyOf(r, {QColor(250, 245, 230), QColor(240, 200, 120), QColor(220, 90, 80)}), QColor(230, 180, 40));
        b.groundMove = true;
    }
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Buoy, {20, 334, horizon + 40, quay - 10}, 1.0, QColor(220, 60, 40));
    for (int i = 0; i < 4; ++i)
        scatter(s, r, Bird, {20, 334, 30, horizon - 20}, r.range(0.8, 1.2), QColor(250, 250, 250), QColor(220, 220, 225)).shape = 1;
    deckGear(s, r, quay, d.night);
    scatterSpare(s, r, Buoy, {30, 324, horizon + 40, quay - 10}, 1.0, QColor(240, 200, 40));
    scatterSpare(s, r, Bird, {30, 324, 30, horizon - 30}, 1.0, QColor(250, 250, 250), QColor(220, 220, 225)).shape = 1;
}

void buildNightTown(Scene& s, Rng& r, int v)
{
    s.finish.tint = QColor(235, 240, 255);
    s.finish.vignette = 0.3;
    const double street = 300 + v % 3 * 30 + r.range(0, 15);
    s.surfaces.ground = street;
    const QPointF moonAt(r.range(60, 294), r.range(50, 110));
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        // Three nights: clear and blue, deep teal, and a purple dusk.
        const QColor tops[3][3] = {{QColor(20, 16, 50), QColor(40, 50, 100), QColor(80, 70, 120)},
                                   {QColor(6, 30, 45), QColor(20, 70, 90), QColor(60, 110, 120)},
                                   {QColor(60, 30, 80), QColor(140, 70, 110), QColor(230, 130, 110)}};
        const auto& sky = tops[v % 3];
        verticalGradient(p, QRectF(0, 0, kWidth, street), {{0, sky[0]}, {0.7, sky[1]}, {1, sky[2]}});
        starfield(p, QRectF(0, 0, kWidth, street - 120), 260, r.seed());
        glow(p, moonAt, 90, QColor(200, 210, 255, 60));
        hills(p, street - 100, 50, 80, QColor(25, 30, 60), QColor(20, 25, 50), r.seed());
        cobbles(p, QRectF(0, street, kWidth, kHeight - street), QColor(70, 72, 95), r.seed());
        glow(p, QPointF(kWidth / 2.0, street + 60), 160, QColor(255, 200, 120, 35));
    }
    noiseTexture(s.base, QRect(0, int(street), kWidth, kHeight), 6, 8, r.seed());
    put(s, Moon, moonAt.x(), moonAt.y(), 1.6, QColor(245, 240, 210)).shape = r.between(0, 1);
    for (int i = 0; i < 9; ++i)
        scatter(s, r, Star, {15, 339, 15, street - 170}, r.range(0.8, 1.3), anyOf(r, {QColor(255, 245, 200), QColor(200, 220, 255)}));
    scatter(s, r, Cloud, {40, 314, 60, 130}, 0.9, QColor(90, 90, 130));
    // Three houses across the square; seen from the railing, two tall ones
    // either side of the lane between them.
    const int houses = v % 3 == 1 ? 2 : 3;
    const double sc = houses == 2 ? r.range(1.45, 1.55) : r.range(1.1, 1.25), gap = houses == 2 ? 246.0 : kWidth / 3.0;
    for (int i = 0; i < houses; ++i)
        house(s, r, (houses == 2 ? 54 : gap / 2) + i * gap + r.range(-6, 6), street, sc, shade(wallColour(r), 0.45), shade(roofColour(r), 0.5), true);
    put(s, Cat, r.range(40, 314), street - 103 * sc, 1.1, QColor(30, 30, 35)).variant = 0;
    // One night the square is seen from behind the iron railing along its
    // near side, the lamps standing at the railing, a lime tree at its end.
    const bool railing = v % 3 == 1;
    const double railY = kHeight - 40 - r.range(0, 10);
    if (railing) {
        const bool treeLeft = r.chance(0.5);
        for (int i = 0; i < 4; ++i)
            put(s, Fence, (treeLeft ? 100 : 38) + i * 72, railY, 1.15, QColor(45, 48, 58)).count = 7;
        put(s, Tree, treeLeft ? 36 : 318, railY + 6, 1.0, QColor(40, 75, 55), QColor(40, 75, 55)).count = 0;
    }
    for (int i = 0; i < 3; ++i) {
        Obj& l = scatter(s, r, Lamp, railing ? Area{40, 314, railY - 4, railY + 4} : Area{25, 329, street + 20, street + 70}, railing ? 1.25 : 1.05,
                         QColor(35, 38, 45));
        l.variant = 1;
        l.groundMove = true;
    }
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Barrel, {20, 334, street + 40, kHeight - 20}, 1.2, QColor(100, 75, 55), QColor(50, 50, 55));
    scatter(s, r, Crate, {20, 334, street + 40, kHeight - 20}, 1.3, QColor(120, 100, 75), QColor(130, 40, 40));
    scatter(s, r, Bird, {40, 314, street - 250, street - 180}, 1.2, QColor(60, 55, 70), QColor(120, 110, 120)).shape = 1;
    put(s, Sign, (houses == 2 ? 54 + gap : gap * 2) + r.range(-8, 8), street - 60 * sc, 1.1, QColor(90, 65, 45), QColor(230, 200, 120));
    group(s, r, Lantern, many(s, 2), {20, 334, street + 20, kHeight - 10}, 1.1, 1.3, {QColor(60, 55, 50)});
    group(s, r, Bench, 1, {40, 314, street + 20, kHeight - 30}, 1.2, 1.3, {QColor(60, 60, 65)});
    group(s, r, Mailbox, 1, {40, 314, street + 20, kHeight - 30}, 1.1, 1.2, {QColor(40, 80, 160), QColor(200, 40, 40)});
    scatterSpare(s, r, Star, {20, 334, 20, street - 180}, 1.0, QColor(255, 240, 190));
    scatterSpare(s, r, Cat, {30, 324, street + 40, kHeight - 20}, 1.2, QColor(60, 60, 70));
    scatterSpare(s, r, Barrel, {30, 324, street + 40, kHeight - 20}, 1.1, QColor(100, 75, 55), QColor(50, 50, 55));
}

} // namespace levelgen
