// Scenes of Hungarian life: the lake shore, the great plain, the market hall,
// the Christmas fair, the cellar row, the paprika porch, the embankment and
// the feast table. Each composition `v` moves the horizon, the light and the
// arrangement, so a theme's three visits look like three places.
#include "tools/levelgen/compose.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

namespace {
const QColor kPaprikaRed(200, 35, 30);
const QColor kWhitewash(240, 236, 225);

// A flat-topped hill across the water, as the lake's northern shore has.
void tableHill(QPainter& p, double x, double base, double w, double h, const QColor& c)
{
    QPainterPath hill;
    hill.moveTo(x - w / 2, base);
    hill.cubicTo(x - w * 0.35, base - h * 0.4, x - w * 0.3, base - h, x - w * 0.18, base - h);
    hill.lineTo(x + w * 0.2, base - h);
    hill.cubicTo(x + w * 0.3, base - h, x + w * 0.35, base - h * 0.4, x + w / 2, base);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(hill);
}
} // namespace

void buildBalaton(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v + 1, r);
    s.finish.tint = d.tint;
    const double horizon = 150 + v * 40 + r.range(-8, 8), shore = horizon + 150 + r.range(0, 30);
    skyAndGround(s, r, d, horizon, QColor(120, 150, 70), QColor(150, 160, 90), 200);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        tableHill(p, r.range(80, 270), horizon + 2, r.range(120, 170), r.range(28, 40), mix(d.haze, QColor(70, 90, 80), 0.4));
    }
    water(s, r, d, horizon + 2, shore, QColor(60, 120, 130));
    {
        QPainter p(&s.base); // a wooden pier into the water
        const double px = v == 1 ? 40 : 230;
        planks(p, QRectF(px, shore - 40, 90, 40), QColor(150, 110, 70), 10, true, r.seed());
    }
    group(s, r, Boat, many(s, 4), {30, 324, horizon + 25, shore - 30}, 0.45, 0.9,
          {QColor(250, 250, 245), QColor(200, 60, 50), QColor(60, 90, 160)}, QColor(250, 248, 240), QColor(40, 90, 160));
    group(s, r, Swan, many(s, 3), {30, 324, horizon + 30, shore - 10}, 0.8, 1.1, {QColor(250, 250, 248)});
    group(s, r, Duck, many(s, 2), {30, 324, horizon + 40, shore - 5}, 0.9, 1.1, {QColor(120, 90, 60), QColor(90, 120, 80)});
    group(s, r, Buoy, many(s, 2), {30, 324, horizon + 30, shore - 15}, 0.8, 1.0, {QColor(240, 120, 30), QColor(230, 230, 230)});
    group(s, r, Reed, many(s, 8), {10, 344, shore - 4, shore + 30}, 0.8, 1.1, {QColor(110, 130, 60)}, QColor(110, 70, 40));
    group(s, r, Bird, many(s, 3), {30, 324, 30, horizon - 40}, 0.9, 1.1, {QColor(245, 245, 245)}, QColor(200, 200, 200));
    for (Obj& o : s.objs)
        if (o.kind == Bird)
            o.shape = 1;
    group(s, r, Flower, many(s, 5), {15, 339, shore + 35, kHeight - 10}, 1.0, 1.3, {QColor(230, 50, 70), QColor(250, 250, 245), QColor(250, 200, 40)});
    group(s, r, Crate, 1, {40, 314, shore + 40, kHeight - 20}, 1.0, 1.2, {QColor(160, 120, 80)}, QColor(60, 120, 80));
    group(s, r, Ball, 1, {40, 314, shore + 40, kHeight - 20}, 1.0, 1.2, {QColor(240, 200, 40), QColor(220, 60, 60)});
    group(s, r, Tent, 1, {60, 294, shore + 60, kHeight - 30}, 1.3, 1.5, {QColor(230, 120, 40), QColor(60, 120, 80)}, QColor(250, 220, 60));
    group(s, r, Snail, 1, {40, 314, shore + 60, kHeight - 10}, 1.0, 1.2, {QColor(200, 150, 80)});
    group(s, r, Gull, many(s, 2), {20, 334, shore + 8, shore + 40}, 1.0, 1.2, {QColor(250, 250, 250)});
    group(s, r, Heron, 1, {10, 344, shore - 2, shore + 22}, 0.9, 1.0, {QColor(170, 175, 185)});
    group(s, r, Parasol, 1, {50, 304, shore + 70, kHeight - 40}, 1.1, 1.2, {QColor(40, 110, 190), QColor(215, 50, 40)}, QColor(250, 248, 240));
    group(s, r, Kite, 1, {40, 314, 50, horizon - 50}, 1.1, 1.2, {QColor(215, 45, 45), QColor(45, 95, 205)}, QColor(250, 220, 60));
    group(s, r, Watermelon, 1, {40, 314, shore + 60, kHeight - 15}, 1.0, 1.1, {QColor(230, 60, 70)});
    group(s, r, FishingNet, 1, {40, 314, shore + 20, shore + 45}, 1.0, 1.1, {QColor(200, 190, 160)}, QColor(235, 110, 40));
    group(s, r, Coot, many(s, 2), {30, 324, horizon + 30, shore - 8}, 1.0, 1.1, {QColor(35, 35, 40)});
    group(s, r, Cormorant, 1, {20, 334, shore + 4, shore + 30}, 1.0, 1.1, {QColor(40, 42, 45)});
    group(s, r, DeckChair, 1, {40, 314, shore + 60, kHeight - 20}, 1.1, 1.2, {QColor(40, 110, 190), QColor(215, 50, 40)}, QColor(250, 248, 240));
    spares(s, r, Swan, 1, {40, 314, horizon + 30, shore - 10}, 0.9, 1.0, {QColor(250, 250, 248)});
    spares(s, r, Flower, 2, {30, 324, shore + 35, kHeight - 10}, 1.0, 1.2, {QColor(230, 50, 70)});
}

void buildPuszta(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v + 2, r);
    s.finish.tint = d.tint;
    const double horizon = 180 + v * 18 + r.range(-8, 8), deep = kHeight - horizon;
    skyAndGround(s, r, d, horizon, QColor(150, 150, 70), QColor(185, 175, 110), 500);
    group(s, r, Cloud, 2, {40, 314, 40, horizon - 80}, 0.8, 1.0, {QColor(252, 252, 252)});
    // The farmstead at the back to one side, the well corner to the other;
    // the grey cattle together between them, the flock with its shepherd
    // and puli in front on the farm's side, the herdsmen's pot in the other corner.
    const bool wellLeft = (v + r.between(0, 1)) % 2;
    const double a = wellLeft ? 1 : -1; // from the well's side towards the farm's
    const double houseX = wellLeft ? 282 : 72, wellX = wellLeft ? 70 : 284;
    { // The path from the farm's gate out to the near edge, flowers in clumps by it.
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.moveTo(houseX - a * 8, horizon + 24);
        path.cubicTo(houseX - a * 60, horizon + deep * 0.35, 177 + a * 40, horizon + deep * 0.6, 177 - a * 10, kHeight + 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(170, 150, 105), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(QColor(190, 170, 125), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        for (const double t : {0.42, 0.74}) {
            const QPointF at = path.pointAtPercent(t);
            const double k = 0.9 + 0.5 * (at.y() - horizon) / deep;
            const QColor cols[] = {QColor(150, 80, 200), QColor(250, 200, 40), QColor(230, 50, 70)};
            for (int i = 0; i < 3; ++i)
                put(s, Flower, at.x() + (i - 1) * 11 * k + (t > 0.5 ? 16 : -16) * k, at.y() + (i % 2) * 6 * k, 0.9 * k, cols[(i + int(t * 10)) % 3]).count = 5 + i;
        }
    }
    Obj& hut = put(s, House, houseX, horizon + 22, 0.65, kWhitewash, QColor(190, 160, 90));
    hut.shape = 1;
    put(s, Tree, houseX + a * 46, horizon + 14, 0.6, QColor(90, 130, 60), QColor(90, 130, 60)).count = 0;
    // The horses in their paddock by the farm, its fence before them.
    put(s, Horse, houseX - a * 78, horizon + 36, 0.72, QColor(120, 75, 45), QColor(40, 30, 25)).mirror = wellLeft;
    put(s, Horse, houseX - a * 104, horizon + 42, 0.78, QColor(170, 120, 70), QColor(40, 30, 25)).mirror = !wellLeft;
    put(s, Fence, houseX - a * 92, horizon + 56, 1.0, QColor(120, 90, 60)).count = 6;
    // Two curly mangalica pigs before the farmhouse.
    gear(s, Mangalica, houseX - a * 26, horizon + 62, 0.9, QColor(225, 200, 160), QColor(), wellLeft);
    gear(s, Mangalica, houseX - a * 2, horizon + 70, 0.95, QColor(70, 60, 55), QColor(), !wellLeft);
    put(s, Bustard, 177 - a * 34, horizon + 14, 0.7, QColor(175, 165, 150)).mirror = wellLeft;
    put(s, Bustard, 177 - a * 12, horizon + 18, 0.75, QColor(160, 150, 135)).mirror = !wellLeft;
    // The well corner: the sweep well, its trough, the bucket, the geese.
    const double wellY = horizon + deep * 0.36;
    put(s, SweepWell, wellX, wellY, 1.1, QColor(130, 100, 70)).variant = 3;
    trough(s, {wellX + a * 34, wellY + 6}, 42, QColor(130, 95, 60));
    gear(s, Bucket, wellX - a * 20, wellY + 6, 0.9, QColor(150, 155, 160), QColor(90, 95, 100));
    gear(s, Goose, wellX + a * 26, wellY + 20, 1.05, QColor(250, 250, 245), QColor(), !wellLeft);
    gear(s, Goose, wellX + a * 48, wellY + 24, 1.1, QColor(165, 155, 145), QColor(), wellLeft);
    spares(s, r, Goose, 1, {wellX + a * 60 - 4, wellX + a * 60 + 4, wellY + 14, wellY + 20}, 1.0, 1.05, {QColor(235, 225, 205)});
    gear(s, Buffalo, wellX + a * 80, wellY + 8, 0.9, QColor(55, 50, 48), QColor(), wellLeft); // come to the trough
    // The herd: three grey cattle and a calf, no two alike.
    const double herdX = 177 + a * r.range(-10, 10), herdY = horizon + deep * 0.3;
    gear(s, Cattle, herdX - 42, herdY, 0.85, QColor(205, 205, 200), QColor(), true);
    gear(s, Cattle, herdX + 2, herdY + 12, 0.92, QColor(175, 172, 165), QColor(), false);
    gear(s, Cattle, herdX + 44, herdY + 4, 0.88, QColor(228, 224, 214), QColor(), r.chance(0.5));
    gear(s, Calf, herdX - 14, herdY + 24, 0.95, QColor(200, 160, 110), QColor(), false);
    gear(s, Stork, herdX - a * 86, herdY + 8, 0.9, QColor(248, 248, 245), QColor(), wellLeft); // after the frogs the herd stirs up
    spares(s, r, Calf, 1, {herdX + 18, herdX + 30, herdY + 24, herdY + 30}, 0.9, 0.95, {QColor(215, 205, 190)});
    // The flock, its puli and the shepherd.
    const double flockX = 177 + a * r.range(58, 72), flockY = horizon + deep * 0.66;
    shepherd(s, {flockX + a * 62, flockY + 6}, 1.05, !wellLeft);
    gear(s, Sheep, flockX - 30, flockY, 1.1, QColor(240, 236, 225), QColor(), false);
    gear(s, Sheep, flockX + 2, flockY + 12, 1.2, QColor(225, 210, 180), QColor(), true);
    gear(s, Sheep, flockX + 30, flockY + 3, 1.1, QColor(60, 55, 50), QColor(), false);
    gear(s, Puli, flockX - a * 62, flockY + 16, 1.2, QColor(45, 42, 40), QColor(), wellLeft);
    spares(s, r, Lamb, 1, {flockX - 14, flockX + 14, flockY + 22, flockY + 28}, 1.0, 1.05, {QColor(245, 242, 235)});
    // The herdsmen's pot on its tripod over the fire, a stump to sit on.
    const double potX = wellX + a * r.range(20, 36), potY = kHeight - 30;
    gear(s, Cauldron, potX, potY, 1.15, QColor(45, 42, 40));
    gear(s, Stump, potX + a * 40, potY + 8, 1.1, QColor(120, 85, 55));
    gear(s, Jug, potX + a * 70, potY + 10, 0.8, QColor(190, 110, 60), QColor(), wellLeft);
    group(s, r, Bird, 3, {30, 324, 30, horizon - 50}, 0.9, 1.2, {QColor(250, 250, 250)}, QColor(40, 40, 40));
    for (Obj& o : s.objs)
        if (o.kind == Bird)
            o.shape = 1;
    spares(s, r, Butterfly, 1, {140, 214, horizon + deep * 0.45, horizon + deep * 0.6}, 1.0, 1.1, {QColor(250, 180, 40)}, QColor(40, 30, 30));
    spares(s, r, Bustard, 1, {177 + a * 8, 177 + a * 20, horizon + 16, horizon + 22}, 0.7, 0.75, {QColor(185, 172, 150)});
}

void buildMarketHall(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 246, 232);
    const double counter1 = 190 + v * 18 + r.range(-6, 6), counter2 = counter1 + 130;
    // The floor starts in front of the lower counter; above it is the hall's
    // back wall with its two counters (nothing stands on a counter's front).
    s.surfaces = Surfaces::at(counter2 + 40, true, false, {QRectF(0, counter2, kWidth, 0)});
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, kHeight), {{0, QColor(150, 170, 175)}, {0.4, QColor(200, 190, 170)}, {1, QColor(120, 95, 70)}});
        p.setPen(QPen(QColor(60, 80, 80), 3)); // the iron roof and its arches
        p.setBrush(Qt::NoBrush);
        const double span = 90 + v * 25;
        for (double x = -span / 2 + r.range(0, 20); x < kWidth + span; x += span)
            p.drawArc(QRectF(x - span / 2, 20, span, 120), 0, 180 * 16);
        p.setPen(QPen(QColor(60, 80, 80, 150), 1.5));
        for (double y = 30; y < counter1 - 60; y += 18)
            p.drawLine(QPointF(0, y), QPointF(kWidth, y));
        glow(p, QPointF(177, 60), 200, QColor(255, 250, 230, 90));
    }
    noiseTexture(s.base, QRect(0, 0, kWidth, kHeight), 20, 6, r.seed());
    for (double y : {counter1, counter2})
        shelfBoard(s, y, QColor(140, 95, 60));
    for (int i = 0; i < 5; ++i) { // stall bars with paprika strings hanging from them
        Obj& pap = put(s, Paprika, 20 + i * 75 + r.range(-10, 10), counter1 - 120, 1.0, kPaprikaRed);
        pap.count = r.between(6, 8);
    }
    row(s, r, counter1, 8, 346, {Fruit, Grapes, Jar, Bowl, Bread}, 1.0, 1.25,
        {QColor(220, 50, 40), QColor(240, 190, 40), QColor(120, 170, 60), QColor(130, 60, 120)});
    row(s, r, counter2, 8, 346, {Fruit, Jar, Pumpkin, Bread, Grapes, Pot}, 1.1, 1.4,
        {QColor(230, 120, 30), QColor(220, 50, 40), QColor(110, 160, 60), QColor(240, 210, 90)});
    for (int i = 0; i < 3; ++i) // stall numbers
        put(s, NumberPlate, 50 + i * 120 + r.range(-10, 10), counter1 + 40, 2.4, QColor(40, 80, 160)).count = r.between(1, 9);
    garland(s, r, counter1 - 78, 10, many(s, 6), {QColor(255, 220, 130)});
    group(s, r, Cat, 1, {30, 324, counter2 + 50, kHeight - 10}, 1.2, 1.3, {QColor(60, 60, 65), QColor(220, 150, 80)});
    group(s, r, Crate, many(s, 3), {20, 334, counter2 + 45, kHeight - 5}, 1.2, 1.4, {QColor(170, 130, 80)}, QColor(200, 60, 40));
    group(s, r, Fruit, many(s, 4), {20, 334, counter2 + 45, kHeight - 5}, 1.1, 1.3, {QColor(220, 50, 40), QColor(240, 190, 40)});
    group(s, r, Basket, many(s, 2), {20, 334, counter2 + 45, kHeight - 5}, 1.2, 1.4, {QColor(190, 150, 90)}, QColor(160, 120, 60));
    group(s, r, Watermelon, 1, {20, 334, counter2 + 45, kHeight - 5}, 1.2, 1.3, {QColor(230, 60, 70)});
    for (int i = 0; i < 4; ++i) // sausages between the paprika strings
        put(s, Salami, 57 + i * 75 + r.range(-6, 6), counter1 - 120, 1.0, QColor(150, 70, 60)).count = r.between(2, 3);
    for (int i = 0; i < 3; ++i) // prices stuck among the produce
        put(s, PriceTag, 60 + i * 115 + r.range(-10, 10), counter2, 1.2, QColor(250, 246, 232)).count = r.between(1, 9);
    spares(s, r, Fruit, 2, {30, 324, counter2 + 45, kHeight - 5}, 1.1, 1.2, {QColor(120, 170, 60)});
}

void buildChristmasFair(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = v == 1 ? daylight(3, r) : night(r);
    s.finish.tint = v == 1 ? QColor(255, 235, 220) : QColor(230, 230, 255);
    const double ground = 250 + v * 25 + r.range(-10, 10);
    skyAndGround(s, r, d, ground, QColor(225, 230, 245), QColor(205, 212, 235));
    const double churchX = r.range(80, 274);
    {
        QPainter p(&s.base); // a church front behind the stalls
        p.setRenderHint(QPainter::Antialiasing);
        const double cx = churchX;
        p.setPen(Qt::NoPen);
        p.setBrush(mix(d.haze, QColor(160, 150, 140), 0.5));
        p.drawRect(QRectF(cx - 30, ground - 150, 60, 150));
        QPainterPath spire;
        spire.moveTo(cx - 16, ground - 150);
        spire.lineTo(cx, ground - 200);
        spire.lineTo(cx + 16, ground - 150);
        p.drawPath(spire);
        Rng flakes(r.seed());
        for (int i = 0; i < 150; ++i) {
            p.setBrush(QColor(255, 255, 255, 110 + int(flakes.next() % 120)));
            const double rad = flakes.range(0.5, 1.5);
            p.drawEllipse(QPointF(flakes.range(0, kWidth), flakes.range(0, kHeight)), rad, rad);
        }
    }
    // The church clock, lit from behind, over the fair.
    s.surfaces.walls.emplace_back(churchX - 30, ground - 150, 60, 150);
    put(s, Clock, churchX, ground - 110, 1.0, QColor(235, 205, 120), QColor(60, 50, 40));
    const int stalls = 2 + v % 2;
    for (int i = 0; i < stalls; ++i) {
        const double x = (i + 0.5) * kWidth / stalls + r.range(-10, 10);
        Obj& h = put(s, House, x, ground + 70, 0.95, QColor(150, 105, 65), QColor(235, 240, 250));
        h.shape = 0;
        for (int k = 0; k < 4; ++k)
            put(s, Heart, x - 30 + k * 20, ground + 30, 1.2, QColor(170, 60, 40)).variant = k % 2; // hung from the eaves
    }
    garland(s, r, ground - 52, 14, many(s, 10), {QColor(255, 210, 90), QColor(255, 120, 90), QColor(140, 200, 255)});
    group(s, r, Fir, many(s, 3), {15, 339, ground + 80, kHeight - 60}, 0.8, 1.1, {QColor(40, 90, 70)});
    group(s, r, Cup, many(s, 3), {20, 334, ground + 100, kHeight - 10}, 1.1, 1.3, {QColor(200, 40, 40), QColor(240, 240, 235)});
    group(s, r, Candle, many(s, 3), {20, 334, ground + 100, kHeight - 10}, 1.0, 1.2, {QColor(240, 230, 200), QColor(200, 40, 40)});
    group(s, r, Snowman, 1, {40, 314, ground + 110, kHeight - 10}, 1.3, 1.4, {QColor(40, 40, 45)}, QColor(210, 40, 40));
    group(s, r, Crate, many(s, 2), {20, 334, ground + 90, kHeight - 10}, 1.1, 1.3, {QColor(150, 110, 70)}, QColor(200, 50, 40));
    group(s, r, Star, many(s, 3), {20, 334, 20, ground - 120}, 0.9, 1.2, {QColor(255, 225, 110)});
    group(s, r, GiftBox, many(s, 3), {20, 334, ground + 100, kHeight - 10}, 1.1, 1.3, {QColor(200, 40, 40), QColor(40, 110, 70), QColor(40, 80, 160)}, QColor(240, 210, 80));
    group(s, r, Lantern, many(s, 2), {20, 334, ground + 60, kHeight - 10}, 1.1, 1.2, {QColor(60, 55, 50)});
    group(s, r, Dog, 1, {30, 324, ground + 80, kHeight - 10}, 1.1, 1.2, {QColor(150, 100, 60)});
    group(s, r, PriceTag, 1, {20, 334, ground + 100, kHeight - 10}, 1.4, 1.5, {QColor(250, 246, 232)});
    // The fair's sweets are sold from the crates: a gingerbread man on one,
    // a chimney cake on the other, never lying in the snow.
    int sweets = 0;
    for (std::size_t i = 0, n = s.objs.size(); i < n && sweets < 2; ++i) {
        const Obj crate = s.objs[i];
        if (crate.kind != Crate)
            continue;
        const K kind = sweets++ ? ChimneyCake : GingerbreadMan;
        Obj& o = put(s, kind, crate.pos.x(), crate.pos.y() - 21 * crate.scale, 1.1, kind == ChimneyCake ? QColor(200, 140, 70) : QColor(165, 95, 50),
                     QColor(215, 40, 40));
        o.loose = true;
        o.depthY = crate.pos.y() + 0.01;
        o.deny = Move | Resize | Tilt;
        s.objs[i].deny |= Remove | Move | Resize | Tilt | Mirror;
    }
    group(s, r, AdventWreath, 1, {30, 324, ground + 100, kHeight - 10}, 1.1, 1.2, {QColor(150, 40, 120), QColor(240, 235, 225)});
    group(s, r, Sled, 1, {30, 324, ground + 90, kHeight - 10}, 1.1, 1.2, {QColor(190, 60, 45), QColor(150, 105, 65)});
    spares(s, r, Cup, 1, {30, 324, ground + 100, kHeight - 10}, 1.1, 1.2, {QColor(60, 110, 180)});
    spares(s, r, Heart, 1, {30, 324, ground + 100, kHeight - 20}, 1.1, 1.2, {QColor(170, 60, 40)});
}

void buildCellarRow(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v + 2, r);
    s.finish.tint = d.tint;
    const double top = 140 + v * 30 + r.range(-10, 10);
    // Summer green, then the vintage's gold, then late autumn.
    const QColor nearGround[3] = {QColor(110, 140, 60), QColor(175, 140, 60), QColor(150, 100, 60)};
    skyAndGround(s, r, d, top, nearGround[v], mix(nearGround[v], QColor(200, 190, 120), 0.3), 300);
    const double slope = v == 2 ? -0.12 : 0.12; // the hillside climbs to one side
    {
        QPainter p(&s.base); // vine rows on the hill
        p.setRenderHint(QPainter::Antialiasing);
        for (double y = top + 8; y < top + 70; y += 9) {
            p.setPen(QPen(QColor(70, 100, 40, 200), 2.2, Qt::DotLine));
            p.drawLine(QPointF(0, y + 177 * slope), QPointF(kWidth, y - 177 * slope));
        }
    }
    const int cellars = 3;
    for (int i = 0; i < cellars; ++i) { // whitewashed press houses with their doors
        const double x = 60 + i * 118 + r.range(-8, 8), y = top + 150 - (x - 177) * slope;
        Obj& h = put(s, House, x, y, 0.85, kWhitewash, anyOf(r, {QColor(170, 80, 50), QColor(120, 90, 70)}));
        h.shape = 1;
        Obj& door = put(s, Door, x, y, 1.2, QColor(110, 70, 40));
        door.variant = r.between(0, 3);
        // A house number at house-number size, beside the door's head.
        put(s, NumberPlate, x + 24, y - 36, 1.5, QColor(40, 80, 160)).count = r.between(1, 9);
        put(s, Grapes, x - 30, y - 52, 1.2, QColor(110, 50, 110)).count = r.between(3, 5);
        put(s, Grapes, x + 30, y - 52, 1.2, QColor(170, 190, 80)).count = r.between(3, 5);
    }
    group(s, r, Barrel, many(s, 4), {20, 334, top + 170, kHeight - 80}, 1.0, 1.3, {QColor(140, 95, 55)}, QColor(60, 60, 65));
    {
        QPainter p(&s.base); // a table in front
        const double ty = kHeight - 70;
        planks(p, QRectF(40, ty, 274, 22), QColor(150, 105, 65), 12, false, r.seed());
        p.fillRect(QRectF(40, ty + 22, 274, 3), QColor(60, 40, 30, 120));
    }
    row(s, r, kHeight - 62, 50, 304, {Jug, Glass, Glass, Bread, Grapes}, 1.1, 1.3,
        {QColor(200, 60, 40), QColor(120, 40, 60), QColor(220, 200, 120)});
    group(s, r, Bird, many(s, 2), {30, 324, 30, top - 40}, 0.9, 1.1, {QColor(50, 50, 60)}, QColor(120, 120, 130));
    for (Obj& o : s.objs)
        if (o.kind == Bird) // in the sky: flying, never perched on nothing
            o.shape = 1;
    group(s, r, Flower, many(s, 4), {15, 339, top + 160, kHeight - 90}, 1.0, 1.2, {QColor(230, 50, 70), QColor(250, 250, 245)});
    group(s, r, Cat, 1, {40, 314, top + 170, kHeight - 90}, 1.1, 1.2, {QColor(220, 150, 80)});
    group(s, r, Bottle, many(s, 3), {30, 324, top + 170, kHeight - 90}, 1.1, 1.2, {QColor(60, 90, 50), QColor(110, 40, 50)});
    group(s, r, Basket, 1, {30, 324, top + 170, kHeight - 90}, 1.1, 1.2, {QColor(190, 150, 90)}, QColor(160, 120, 60));
    group(s, r, Crow, many(s, 2), {30, 324, top + 160, kHeight - 90}, 1.0, 1.1, {QColor(30, 30, 38)});
    group(s, r, Goblet, many(s, 2), {30, 324, top + 170, kHeight - 90}, 1.2, 1.3, {QColor(200, 170, 70)});
    group(s, r, Demijohn, many(s, 2), {30, 324, top + 170, kHeight - 90}, 1.1, 1.2, {QColor(180, 140, 85)});
    group(s, r, Wheelbarrow, 1, {30, 324, top + 170, kHeight - 90}, 1.1, 1.2, {QColor(120, 130, 140)}, QColor(110, 50, 110));
    spares(s, r, Barrel, 1, {30, 324, top + 170, kHeight - 90}, 1.0, 1.1, {QColor(140, 95, 55)}, QColor(60, 60, 65));
}

void buildPaprikaPorch(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = v == 2 ? QColor(255, 235, 210) : QColor(255, 250, 240);
    // A porch floor deep enough to sit on: the wall no taller than it needs.
    const double floorY = 300 + v * 18 + r.range(-8, 8), beam = 70 + r.range(0, 20);
    s.surfaces = Surfaces::at(floorY, true, false);
    s.surfaces.ceiling = beam;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, floorY), {{0, shade(kWhitewash, 0.82)}, {1, kWhitewash}});
        planks(p, QRectF(0, floorY, kWidth, kHeight - floorY), QColor(160, 110, 70), 30, false, r.seed());
        p.fillRect(QRectF(0, floorY, kWidth, 3), QColor(60, 40, 30, 120));
        // Under the porch roof: its ceiling boards, seen from below, darker towards the eaves.
        planks(p, QRectF(0, 0, kWidth, beam - 10), QColor(150, 105, 70), 16, true, r.seed());
        verticalGradient(p, QRectF(0, 0, kWidth, beam - 10), {{0, QColor(40, 25, 15, 150)}, {1, QColor(40, 25, 15, 30)}});
        p.fillRect(QRectF(0, beam - 10, kWidth, 10), litGradient(QRectF(0, beam - 10, kWidth, 10), QColor(120, 80, 50)));
        const int columns = 3 + v % 2;
        for (int i = 0; i <= columns; ++i) { // the porch's whitewashed columns
            const double x = i * kWidth / double(columns);
            QLinearGradient g(QPointF(x - 9, 0), QPointF(x + 9, 0));
            g.setColorAt(0, QColor(250, 248, 240));
            g.setColorAt(1, QColor(205, 200, 188));
            p.fillRect(QRectF(x - 9, beam, 18, floorY - beam), g);
        }
        p.setPen(QPen(QColor(150, 60, 40), 2)); // a painted border under the beam
        for (double x = 4; x < kWidth; x += 12)
            p.drawLine(QPointF(x, beam + 4), QPointF(x + 6, beam + 8));
        // The house wall behind the columns: its door in one bay, a shuttered
        // window in each of the others, and a painted plinth along the floor.
        const double bay = kWidth / double(columns);
        const int doorBay = (v + 1) % columns;
        const QColor shutter = anyOf(r, {QColor(60, 110, 70), QColor(50, 90, 150), QColor(130, 60, 45)});
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(0, floorY - 22, kWidth, 22), QColor(150, 70, 50, 150));
        for (int i = 0; i < columns; ++i) {
            const double cx = (i + 0.5) * bay;
            if (i == doorBay) {
                const QRectF door(cx - 22, floorY - 118, 44, 118);
                p.fillRect(door.adjusted(-5, -5, 5, 0), QColor(235, 232, 222));
                p.fillRect(door, litGradient(door, shade(shutter, 0.9), 0.25));
                p.setPen(QPen(shade(shutter, 0.55), 1));
                for (double y = door.top() + 10; y < door.bottom() - 6; y += 26) {
                    p.drawRect(QRectF(door.left() + 5, y, 15, 20));
                    p.drawRect(QRectF(door.right() - 20, y, 15, 20));
                }
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(210, 180, 90));
                p.drawEllipse(QPointF(door.right() - 7, door.center().y() + 6), 2.2, 2.2); // the latch
                s.surfaces.glass.push_back(door.adjusted(-5, -5, 5, 0)); // nothing hangs over the door
                continue;
            }
            const double top = std::max(floorY - 170, beam + 98); // below the hanging paprika strings
            const QRectF pane(cx - 18, top, 36, 48);
            p.fillRect(pane.adjusted(-4, -4, 4, 4), QColor(238, 235, 226));
            p.fillRect(pane, QColor(70, 95, 120));
            p.fillRect(QRectF(pane.left(), pane.top(), pane.width(), pane.height() * 0.4), QColor(120, 150, 175, 140)); // the sky's reflection
            p.fillRect(QRectF(cx - 1, top, 2, 48), QColor(238, 235, 226));
            p.fillRect(QRectF(pane.left(), top + 22, 36, 2), QColor(238, 235, 226));
            p.fillRect(QRectF(pane.left() - 22, top - 2, 16, 52), litGradient(QRectF(pane.left() - 22, top, 16, 52), shutter, 0.25));
            p.fillRect(QRectF(pane.right() + 6, top - 2, 16, 52), litGradient(QRectF(pane.right() + 6, top, 16, 52), shutter, 0.25));
            p.fillRect(QRectF(pane.left() - 8, pane.bottom() + 4, 52, 4), QColor(150, 110, 80)); // the sill
            s.surfaces.glass.push_back(QRectF(pane.left() - 22, top - 4, 80, 62)); // nor over a window and its shutters
        }
    }
    noiseTexture(s.base, QRect(0, 0, kWidth, kHeight), 12, 6, r.seed());
    for (int i = 0; i < many(s, 7); ++i) {
        Obj& pap = put(s, Paprika, 25 + i * (304.0 / many(s, 7)) + r.range(-5, 5), beam, 1.3, vary(kPaprikaRed, r, 0.08));
        pap.count = r.between(5, 8);
    }
    for (int i = 0; i < 3; ++i) { // three: a fourth would be one too many of a kind
        const double x = 40 + i * (274.0 / 3) + r.range(-8, 8);
        // A geranium growing out of its pot: set on the pot's rim, drawn just
        // after it, and staying with it.
        // Sized as a pot is beside the churn and the geese, so the size rule keeps it.
        Obj& pot = put(s, Pot, x, floorY + 10, 0.7, QColor(190, 100, 60));
        pot.deny |= Remove | Move | Resize | Tilt | Mirror;
        Obj& flower = put(s, Flower, x, floorY + 10 - 22 * 0.7, 0.75, anyOf(r, {QColor(215, 35, 45), QColor(235, 90, 120)}));
        flower.count = 6;
        flower.depthY = floorY + 10.01;
        flower.deny = Move | Resize | Tilt;
    }
    // A corner to sit in: a table and its chair at a chair's own size beside
    // the geese (too big for a recolour to stay in its click square).
    const double corner = v == 1 ? 80 : v == 0 ? 175 : 270, side = v == 2 ? -1 : 1;
    Obj& table = put(s, Table, corner, floorY + 80, 1.9, QColor(150, 105, 65), QColor(240, 236, 225));
    Obj& chair = put(s, Chair, corner + side * 48, floorY + 84, 2.1, anyOf(r, {QColor(150, 100, 60), QColor(90, 120, 70)}));
    chair.mirror = side < 0;
    for (Obj* o : {&table, &chair})
        o->deny |= Recolour | Move | Mirror | Resize | Tilt;
    group(s, r, Cat, 1, {40, 314, floorY + 60, kHeight - 10}, 1.3, 1.4, {QColor(60, 60, 65), QColor(240, 240, 235)});
    group(s, r, Jug, many(s, 2), {30, 324, floorY + 60, kHeight - 10}, 1.3, 1.5, {QColor(240, 235, 220), QColor(60, 90, 150)}, QColor(200, 40, 40));
    group(s, r, Pumpkin, many(s, 3), {30, 324, floorY + 60, kHeight - 10}, 1.0, 1.3, {QColor(235, 130, 30)});
    group(s, r, Chicken, 2, {30, 324, floorY + 60, kHeight - 10}, 1.1, 1.3, {QColor(250, 250, 245), QColor(170, 100, 50)}, QColor(200, 40, 40));
    group(s, r, Butterfly, 1, {30, 324, beam + 60, floorY - 40}, 1.1, 1.2, {QColor(250, 200, 40)}, QColor(40, 30, 30));
    group(s, r, Basket, many(s, 2), {20, 334, floorY + 30, kHeight - 10}, 1.2, 1.3, {QColor(190, 150, 90)}, QColor(160, 120, 60));
    group(s, r, MilkCan, 1, {20, 334, floorY + 30, kHeight - 10}, 1.1, 1.2, {QColor(190, 195, 200)}, QColor(200, 40, 40));
    group(s, r, Churn, 1, {20, 334, floorY + 30, kHeight - 10}, 1.1, 1.2, {QColor(170, 120, 75)});
    group(s, r, Duckling, many(s, 3), {20, 334, floorY + 40, kHeight - 10}, 1.0, 1.1, {QColor(240, 205, 60)});
    spares(s, r, Jug, 1, {30, 324, floorY + 60, kHeight - 10}, 1.3, 1.4, {QColor(240, 235, 220)}, QColor(200, 40, 40));
    spares(s, r, Pumpkin, 1, {30, 324, floorY + 60, kHeight - 10}, 1.0, 1.2, {QColor(235, 130, 30)});
}

void buildEmbankment(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = v == 2 ? night(r) : daylight(v * 2 + 1, r);
    s.finish.tint = d.tint;
    const double far = 150 + v * 20 + r.range(-8, 8), quay = far + 150 + r.range(0, 20);
    skyAndGround(s, r, d, far, QColor(140, 135, 125), QColor(120, 120, 115));
    {
        QPainter p(&s.base); // the far bank's houses
        p.setRenderHint(QPainter::Antialiasing);
        Rng b(r.seed());
        for (double x = 0; x < kWidth; x += b.range(18, 30)) {
            const double h = b.range(20, 45);
            p.fillRect(QRectF(x, far - h, 26, h + 2), mix(d.haze, QColor(200, 180, 150), 0.35));
            for (double wy = far - h + 5; wy < far - 4; wy += 8)
                p.fillRect(QRectF(x + 5, wy, 3, 4), d.night ? QColor(255, 220, 140) : QColor(90, 90, 110));
        }
    }
    water(s, r, d, far + 2, quay, QColor(60, 90, 100));
    {
        QPainter p(&s.base); // the suspension bridge: two towers and their chains
        p.setRenderHint(QPainter::Antialiasing);
        const double deck = far + 40, t1 = v == 1 ? 60 : 110, t2 = t1 + 180;
        p.fillRect(QRectF(0, deck, kWidth, 6), QColor(90, 95, 90));
        for (double tx : {t1, t2}) {
            p.fillRect(QRectF(tx - 12, deck - 75, 24, 90), litGradient(QRectF(tx - 12, deck - 75, 24, 90), QColor(185, 175, 150)));
            p.fillRect(QRectF(tx - 5, deck - 55, 10, 40), QColor(90, 85, 75));
        }
        p.setPen(QPen(QColor(60, 70, 65), 2));
        p.setBrush(Qt::NoBrush);
        QPainterPath chain;
        chain.moveTo(-40, deck - 70);
        chain.quadTo((-40 + t1) / 2, deck - 20, t1, deck - 70);
        chain.quadTo((t1 + t2) / 2, deck + 10, t2, deck - 70);
        chain.quadTo((t2 + kWidth + 60) / 2, deck - 20, kWidth + 60, deck - 70);
        p.drawPath(chain);
        p.setPen(QPen(QColor(60, 70, 65), 0.8));
        for (double x = t1 + 10; x < t2 - 5; x += 10) {
            const double t = (x - t1) / (t2 - t1), cy = (1 - t) * (1 - t) * (deck - 70) + 2 * t * (1 - t) * (deck + 10) + t * t * (deck - 70);
            p.drawLine(QPointF(x, cy), QPointF(x, deck));
        }
        verticalGradient(p, QRectF(0, quay, kWidth, kHeight - quay), {{0, QColor(170, 165, 155)}, {1, QColor(120, 115, 110)}});
        cobbles(p, QRectF(0, quay + 40, kWidth, kHeight - quay - 40), QColor(150, 145, 140), r.seed());
        p.setPen(QPen(QColor(60, 60, 60), 1.5)); // tram rails
        p.drawLine(QPointF(0, quay + 32), QPointF(kWidth, quay + 32));
        p.drawLine(QPointF(0, quay + 37), QPointF(kWidth, quay + 37));
    }
    const int trams = 1 + v % 2;
    for (int i = 0; i < trams; ++i)
        put(s, Tram, 90 + i * 170 + r.range(-20, 20), quay + 36, 1.5, QColor(245, 200, 30)).variant = r.between(0, 3);
    group(s, r, Boat, many(s, 3), {30, 324, far + 50, quay - 20}, 0.5, 0.8, {QColor(250, 250, 245), QColor(200, 60, 50)}, QColor(245, 240, 230), QColor(40, 90, 160));
    group(s, r, Duck, many(s, 2), {30, 324, far + 60, quay - 5}, 0.9, 1.0, {QColor(120, 90, 60)});
    for (int i = 0; i < many(s, 4); ++i)
        put(s, Lamp, 20 + i * (314.0 / many(s, 4)), quay + 12, 0.9, QColor(40, 45, 50)).variant = d.night ? 1 : 0;
    group(s, r, Bird, many(s, 4), {20, 334, 20, far - 60}, 0.9, 1.1, {QColor(245, 245, 245)}, QColor(200, 200, 200));
    for (Obj& o : s.objs)
        if (o.kind == Bird)
            o.shape = 1;
    group(s, r, Tree, 2, {20, 334, quay + 90, kHeight - 30}, 0.8, 0.9, {QColor(70, 130, 60)}, QColor(70, 130, 60));
    group(s, r, Bird, many(s, 3), {30, 324, quay + 60, kHeight - 10}, 1.1, 1.3, {QColor(130, 130, 140)}, QColor(90, 90, 100));
    group(s, r, Ball, 1, {30, 324, quay + 60, kHeight - 10}, 1.0, 1.1, {QColor(220, 60, 60)});
    group(s, r, Flower, many(s, 3), {15, 339, quay + 70, kHeight - 10}, 1.0, 1.2, {QColor(230, 50, 70), QColor(250, 200, 40)});
    group(s, r, Bench, 1, {40, 314, quay + 30, quay + 60}, 1.1, 1.2, {QColor(90, 110, 70), QColor(120, 85, 55)});
    group(s, r, Pigeon, many(s, 4), {20, 334, quay + 30, kHeight - 10}, 1.1, 1.3, {QColor(150, 155, 165), QColor(120, 125, 135)});
    group(s, r, Flag, 1, {30, 324, quay + 20, quay + 50}, 1.0, 1.1, {QColor(205, 40, 45)}, QColor(245, 245, 240));
    group(s, r, Gull, many(s, 2), {20, 334, quay + 42, kHeight - 10}, 1.0, 1.1, {QColor(250, 250, 250)});
    group(s, r, Sparrow, many(s, 2), {20, 334, quay + 30, kHeight - 10}, 1.1, 1.3, {QColor(130, 95, 60)});
    group(s, r, Bicycle, many(s, 2), {20, 334, quay + 50, kHeight - 10}, 1.1, 1.2, {QColor(40, 90, 60), QColor(170, 40, 40), QColor(40, 60, 120)});
    group(s, r, TramStop, 1, {30, 324, quay + 44, quay + 56}, 1.2, 1.3, {QColor(30, 80, 160)}); // this side of the rails
    spares(s, r, Bird, 1, {30, 324, quay + 60, kHeight - 10}, 1.1, 1.2, {QColor(130, 130, 140)}, QColor(90, 90, 100));
}

void buildFeastTable(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = v == 1 ? QColor(255, 238, 215) : QColor(255, 250, 240);
    const double edge = 90 + v * 25 + r.range(-8, 8);
    s.surfaces = Surfaces::at(edge, true, false);
    s.surfaces.tableTop = true;
    const QColor stitch = anyOf(r, {QColor(190, 30, 40), QColor(40, 70, 150), QColor(30, 110, 60)});
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        wallpaper(p, QRectF(0, 0, kWidth, edge), QColor(120, 80, 55), QColor(105, 70, 48), v);
        verticalGradient(p, QRectF(0, edge, kWidth, kHeight - edge), {{0, QColor(236, 230, 215)}, {1, QColor(250, 247, 238)}});
        p.setPen(Qt::NoPen);
        p.setBrush(stitch); // the embroidered border: tulips and leaves in cross-stitch rows
        for (double y : {edge + 14.0, kHeight - 22.0})
            for (double x = 8; x < kWidth; x += 22) {
                QPainterPath t;
                t.moveTo(x, y + 6);
                t.cubicTo(x - 6, y + 3, x - 5, y - 5, x - 3, y - 5);
                t.lineTo(x, y - 1);
                t.lineTo(x + 3, y - 5);
                t.cubicTo(x + 5, y - 5, x + 6, y + 3, x, y + 6);
                p.drawPath(t);
                p.drawEllipse(QPointF(x + 11, y), 2, 1.2);
            }
        p.setPen(QPen(stitch, 1, Qt::DashLine));
        p.drawLine(QPointF(0, edge + 26), QPointF(kWidth, edge + 26));
        p.drawLine(QPointF(0, kHeight - 34), QPointF(kWidth, kHeight - 34));
    }
    noiseTexture(s.base, QRect(0, int(edge), kWidth, kHeight - int(edge)), 3, 5, r.seed(), 2);
    // Laid as a table is laid: a place at each seat along the far and the
    // near side, each a plate with its glass; the dishes in the middle.
    const std::vector<QColor> crockery{stitch, QColor(150, 30, 50)};
    const double far = edge + 75, near = kHeight - 50, middle = (far + near) / 2 + 5;
    const int farPlaces = 3 + (v != 1);
    for (int i = 0; i < farPlaces; ++i)
        setOut(s, r, (i + 0.5) * kWidth / farPlaces + r.range(-6, 6), far, {Plate, i % 2 ? Goblet : Glass}, 1.5, crockery);
    const int nearPlaces = v == 1 ? 2 : 3;
    for (int i = 0; i < nearPlaces; ++i)
        setOut(s, r, (i + 0.5) * kWidth / nearPlaces + r.range(-6, 6), near, {i % 2 ? Goblet : Glass, Plate}, 1.9, crockery);
    const std::vector<std::vector<K>> centres{{Bread, Tureen, Cake}, {Candle, Bowl, Jug, Candle}, {Cheese, Cake, Bottle}};
    setOut(s, r, (v == 1 ? 215 : 177) + r.range(-15, 15), middle, centres[std::size_t(v)], 1.8,
           {QColor(220, 170, 110), QColor(245, 242, 235), QColor(200, 40, 40), QColor(240, 200, 60)});
    setOut(s, r, 60 + r.range(-8, 8), middle + 45, {Bottle, Grapes}, 1.6, {QColor(60, 90, 50), QColor(110, 50, 110)});
    setOut(s, r, 294 + r.range(-8, 8), middle + 45, {Pretzel, SaltShaker}, 1.6, {QColor(170, 100, 45), QColor(240, 240, 235)});
    for (Obj& o : s.objs) {
        if (o.kind == Plate)
            o.c1 = stitch, o.c2 = shade(stitch, 0.7), o.c3 = QColor(250, 250, 245);
        if (o.kind == Glass)
            o.variant = r.between(0, 1), o.c1 = QColor(150, 30, 50);
        if (o.kind == Cake)
            o.c2 = QColor(110, 60, 35);
        if (o.kind == Tureen)
            o.c2 = stitch;
    }
    group(s, r, Fruit, many(s, 3), {110, 244, middle + 30, middle + 60}, 1.0, 1.2, {QColor(220, 50, 40), QColor(240, 190, 40), QColor(120, 170, 60)});
    // Between the places and the middle: flowers and candles on one side,
    // a board of cheese and grapes on the other (sides swapped by variant).
    const double side = v == 1 ? -1 : 1, between = (far + middle) / 2 + 8;
    setOut(s, r, 177 - side * 95, between, {Candle, Vase, Candle}, 1.6, {QColor(240, 230, 200), QColor(240, 236, 225)});
    setOut(s, r, 177 + side * 90, between + (v == 2 ? 10 : 0), {Grapes, Cheese}, 1.6, {QColor(170, 190, 80), QColor(240, 200, 90)});
    setOut(s, r, 177 + side * 20, (middle + near) / 2 + 12, {Jug, Bowl}, 1.6, {QColor(60, 110, 180), stitch});
    spares(s, r, Fruit, 2, {110, 244, middle + 30, middle + 60}, 1.1, 1.3, {QColor(220, 50, 40), QColor(240, 190, 40)});
    spares(s, r, Glass, 1, {20, 334, far - 5, far + 5}, 1.2, 1.3, {QColor(150, 30, 50)});
}

} // namespace levelgen
