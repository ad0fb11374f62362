// Scenes of Hungarian life: the lake shore, the great plain, the market hall,
// the Christmas fair, the cellar row, the paprika porch, the embankment and
// the feast table. Each composition `v` moves the horizon, the light and the
// arrangement, so a theme's three visits look like three places.
#include "tools/levelgen/compose.h"
#include "tools/levelgen/furniture.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <algorithm>
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
    const double horizon = 210 + v * 35 + r.range(-10, 10);
    skyAndGround(s, r, d, horizon, QColor(150, 150, 70), QColor(185, 175, 110), 500);
    group(s, r, Cloud, 2, {40, 314, 40, horizon - 80}, 0.8, 1.0, {QColor(252, 252, 252)});
    const bool wellLeft = (v + r.between(0, 1)) % 2;
    put(s, SweepWell, wellLeft ? 95 : 245, horizon + 60, 1.2, QColor(130, 100, 70)).variant = 3;
    Obj& hut = put(s, House, wellLeft ? 280 : 70, horizon + 22, 0.65, kWhitewash, QColor(190, 160, 90));
    hut.shape = 1;
    put(s, Tree, wellLeft ? 200 : 150, horizon + 8, 0.6, QColor(90, 130, 60), QColor(90, 130, 60)).count = 0;
    group(s, r, Cattle, many(s, 7), {20, 334, horizon + 30, kHeight - 20}, 0.6, 1.2, {QColor(205, 205, 200), QColor(185, 185, 180)});
    group(s, r, Haybale, many(s, 2), {30, 324, horizon + 20, horizon + 80}, 0.7, 0.9, {QColor(215, 185, 100)});
    group(s, r, Chicken, many(s, 4), {20, 334, horizon + 60, kHeight - 10}, 1.0, 1.2, {QColor(250, 250, 245)}, QColor(235, 140, 40)); // geese
    group(s, r, Pumpkin, many(s, 2), {20, 334, horizon + 70, kHeight - 10}, 1.0, 1.2, {QColor(235, 130, 30), QColor(120, 150, 60)});
    put(s, Fence, wellLeft ? 250 : 100, horizon + 110, 1.2, QColor(120, 90, 60)).count = 6;
    group(s, r, Bird, many(s, 3), {30, 324, 30, horizon - 50}, 0.9, 1.2, {QColor(250, 250, 250)}, QColor(40, 40, 40));
    for (Obj& o : s.objs)
        if (o.kind == Bird)
            o.shape = 1;
    group(s, r, Flower, many(s, 8), {15, 339, horizon + 50, kHeight - 10}, 0.9, 1.3, {QColor(150, 80, 200), QColor(250, 200, 40), QColor(230, 50, 70)});
    group(s, r, Butterfly, many(s, 2), {20, 334, horizon + 20, kHeight - 40}, 1.0, 1.2, {QColor(250, 180, 40), QColor(90, 150, 240)}, QColor(40, 30, 30));
    group(s, r, Rock, 2, {20, 334, horizon + 60, kHeight - 10}, 0.8, 1.0, {QColor(150, 140, 130)});
    group(s, r, Horse, many(s, 2), {20, 334, horizon + 25, horizon + 90}, 0.8, 1.0, {QColor(120, 75, 45), QColor(60, 45, 35), QColor(170, 120, 70)}, QColor(40, 30, 25));
    group(s, r, Sheep, many(s, 3), {20, 334, horizon + 40, kHeight - 20}, 0.9, 1.1, {QColor(240, 236, 225), QColor(60, 55, 50)});
    group(s, r, Puli, 1, {30, 324, horizon + 70, kHeight - 10}, 1.1, 1.2, {QColor(45, 42, 40)});
    group(s, r, Goose, many(s, 3), {20, 334, horizon + 70, kHeight - 10}, 1.0, 1.2, {QColor(250, 250, 245)});
    group(s, r, Stork, 1, {30, 324, horizon + 30, horizon + 100}, 0.9, 1.0, {QColor(248, 248, 245)});
    group(s, r, Cauldron, 1, {40, 314, horizon + 80, kHeight - 30}, 1.2, 1.3, {QColor(45, 42, 40)});
    group(s, r, Milestone, 1, {30, 324, horizon + 40, horizon + 90}, 1.0, 1.1, {QColor(225, 220, 205)});
    group(s, r, Bustard, many(s, 2), {20, 334, horizon + 25, horizon + 110}, 0.9, 1.1, {QColor(175, 165, 150)});
    group(s, r, Buffalo, 1, {20, 334, horizon + 25, horizon + 100}, 0.8, 1.0, {QColor(55, 50, 48)});
    group(s, r, Mangalica, many(s, 2), {20, 334, horizon + 60, kHeight - 20}, 1.0, 1.1, {QColor(225, 200, 160), QColor(70, 60, 55)});
    spares(s, r, Cattle, 1, {30, 324, horizon + 40, kHeight - 30}, 0.8, 1.0, {QColor(205, 205, 200)});
    spares(s, r, Flower, 2, {30, 324, horizon + 50, kHeight - 10}, 1.0, 1.2, {QColor(230, 50, 70)});
}

void buildMarketHall(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 246, 232);
    const double counter1 = 212 + v * 12 + r.range(-6, 6), counter2 = counter1 + 130;
    // The floor starts in front of the lower counter; above it is the hall's
    // back wall with its two counters (nothing stands on a counter's front).
    s.surfaces = Surfaces::at(counter2 + 40, true, false, {});
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
    // The upper stalls' board against the back wall; the near counter a
    // panelled stall front down to the floor, the produce on its top.
    shelfBoard(s, counter1, QColor(140, 95, 60));
    paintCounter(s, r, -4, kWidth + 4, counter2 - 8, 12, counter2 + 62, QColor(140, 95, 60));
    s.surfaces.stands.emplace_back(0, counter2, kWidth, 0);
    for (int i = 0; i < 5; ++i) { // stall bars with paprika strings hanging from them
        Obj& pap = put(s, Paprika, 20 + i * 75 + r.range(-10, 10), counter1 - 120, 1.0, kPaprikaRed);
        pap.count = r.between(6, 8);
    }
    row(s, r, counter1, 8, 346, {Fruit, Grapes, Jar, Bowl, Bread}, 1.0, 1.25,
        {QColor(220, 50, 40), QColor(240, 190, 40), QColor(120, 170, 60), QColor(130, 60, 120)});
    const std::size_t near = s.objs.size();
    row(s, r, counter2, 8, 346, {Fruit, Jar, Pumpkin, Bread, Grapes, Pot}, 1.1, 1.4,
        {QColor(230, 120, 30), QColor(220, 50, 40), QColor(110, 160, 60), QColor(240, 210, 90)});
    hideOne(s, r, near);
    // Along the stall's foot the crates and baskets it is stocked from, at
    // their own size beside it, and the market's cat.
    const double foot = counter2 + 62;
    const double shift = v * 40 + r.range(-8, 8);
    for (const double x : {34.0, 132.0, 262.0})
        put(s, Crate, std::fmod(x + shift, 300.0) + 28, foot + r.range(16, 24), 1.7, vary(QColor(170, 130, 80), r, 0.1), QColor(200, 60, 40));
    put(s, Basket, std::fmod(84 + shift, 300.0) + 28, foot + 26, 1.6, QColor(190, 150, 90), QColor(160, 120, 60));
    put(s, Basket, std::fmod(206 + shift, 300.0) + 28, foot + 22, 1.5, QColor(160, 120, 70), QColor(220, 60, 50));
    put(s, Cat, std::fmod(170 + shift, 300.0) + 28, foot + 44, 1.3, anyOf(r, {QColor(220, 150, 80), QColor(240, 240, 235)}));
    for (int i = 0; i < 4; ++i) // sausages between the paprika strings
        put(s, Salami, 57 + i * 75 + r.range(-6, 6), counter1 - 120, 1.0, QColor(150, 70, 60)).count = r.between(2, 3);
    // A watermelon set down by the stall, for a difference to add.
    spare(s, Watermelon, std::fmod(300 + shift, 300.0) + 28, foot + 30, 1.3, QColor(230, 60, 70));
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
    // A bench along the house wall, in the bays beside the door, holds the
    // jugs, a pumpkin and a basket; a small table with its cloth stands out
    // on the porch with its chair; the churn, the milk can, the cat and the
    // hens keep to the floor.
    const double bay = kWidth / double(3 + v % 2);
    const int doorBay = (v + 1) % (3 + v % 2);
    const bool benchRight = doorBay * bay < kWidth / 2.0;
    TableLook bench;
    bench.x0 = benchRight ? (doorBay + 1) * bay + 12 : 10;
    bench.x1 = benchRight ? kWidth - 10 : doorBay * bay - 12;
    bench.back = floorY + 2, bench.front = floorY + 14, bench.feet = floorY + 50;
    bench.wood = QColor(140, 95, 60);
    // The geraniums keep to the stretch of wall the bench leaves free.
    s.objs.erase(std::remove_if(s.objs.begin(), s.objs.end(),
                                [&](const Obj& o) { return (o.kind == Pot || o.kind == Flower) && o.pos.x() > bench.x0 - 24 && o.pos.x() < bench.x1 + 24; }),
                 s.objs.end());
    paintTable(s, r, bench);
    const std::size_t onBench = s.objs.size();
    setOut(s, r, (bench.x0 + bench.x1) / 2, bench.back + 8, {Jug, Pumpkin, Basket, Jug}, 1.2,
           {QColor(240, 235, 220), QColor(235, 130, 30), QColor(190, 150, 90), QColor(60, 90, 150)});
    hideOne(s, r, onBench);
    for (std::size_t i = onBench; i < s.objs.size(); ++i)
        if (s.objs[i].kind == Jug)
            s.objs[i].c2 = QColor(200, 40, 40);
    const double corner = v == 1 ? 90 : v == 0 ? 190 : 250, side = v == 2 ? -1 : 1;
    TableLook t;
    t.x0 = corner - 54, t.x1 = corner + 54;
    t.back = floorY + 54, t.front = t.back + 26, t.feet = t.front + 62;
    t.wood = QColor(150, 105, 65);
    t.cloth = QColor(246, 242, 230);
    t.drop = 22;
    t.stitch = kPaprikaRed;
    paintTable(s, r, t);
    const std::size_t onTable = s.objs.size();
    setOut(s, r, corner, tableRow(t, 0, 1), {Bowl, Jug, Bread}, 1.1, {QColor(240, 236, 225), QColor(60, 110, 180), QColor(200, 140, 70)});
    hideOne(s, r, onTable);
    for (std::size_t i = onTable; i < s.objs.size(); ++i)
        if (s.objs[i].kind == Bowl)
            s.objs[i].count = 4;
    Obj& chair = put(s, Chair, corner + side * 72, t.feet + 4, 2.4, anyOf(r, {QColor(150, 100, 60), QColor(90, 120, 70)}));
    chair.mirror = side < 0;
    // The churn and the milk can by the bench's end, where the dairy work is done.
    put(s, Churn, benchRight ? bench.x0 - 6 : bench.x1 + 6, floorY + 40, 1.2, QColor(170, 120, 75));
    put(s, MilkCan, benchRight ? bench.x0 - 34 : bench.x1 + 34, floorY + 48, 1.15, QColor(190, 195, 200), QColor(200, 40, 40));
    group(s, r, Cat, 1, {40, 314, floorY + 60, kHeight - 10}, 1.3, 1.4, {QColor(60, 60, 65), QColor(240, 240, 235)});
    group(s, r, Chicken, 2, {30, 324, floorY + 80, kHeight - 10}, 1.1, 1.3, {QColor(250, 250, 245), QColor(170, 100, 50)}, QColor(200, 40, 40));
    group(s, r, Butterfly, 1, {30, 324, beam + 60, floorY - 40}, 1.1, 1.2, {QColor(250, 200, 40)}, QColor(40, 30, 30));
    group(s, r, Duckling, 2, {20, 334, floorY + 80, kHeight - 10}, 1.0, 1.1, {QColor(240, 205, 60)});
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
    // A long table seen from the foot of the room: the wall with its plates,
    // pictures and window above, the top laid in three rows (the far places
    // smaller and higher), the embroidered cloth hanging in front, the legs
    // on the floor and the cat and the basket there. Each composition moves
    // the table, its open end and the window.
    v %= 3;
    s.finish.tint = v == 1 ? QColor(255, 238, 215) : QColor(255, 250, 240);
    const QColor stitch = anyOf(r, {QColor(190, 30, 40), QColor(40, 70, 150), QColor(30, 110, 60)});
    const QColor wood = anyOf(r, {QColor(150, 100, 60), QColor(125, 85, 55)});
    TableLook t;
    const double backs[3] = {236, 262, 214}, depths[3] = {66, 60, 72};
    t.back = backs[v] + r.range(-6, 6);
    t.front = t.back + depths[v];
    t.drop = v == 1 ? 50 : 62;
    t.feet = t.front + t.drop + 48;
    t.x0 = v == 1 ? 96 : v == 0 ? 16 : -30;
    t.x1 = v == 2 ? 290 : 380;
    t.wood = wood;
    t.cloth = QColor(246, 242, 230);
    t.stitch = stitch;
    room(s, r, anyOf(r, {kWhitewash, QColor(236, 226, 205), QColor(225, 232, 236)}), v, t.back + 22, QColor(160, 110, 70), true);
    s.surfaces.tableTop = false;
    // The wall: a window onto the garden, plates on their nails, a shelf.
    const double windowX[3] = {26, 18, 238};
    roomWindow(s, r, QRectF(windowX[v], 36, 84, t.back - 96), QColor(90, 120, 70), false);
    const double platesX = v == 2 ? 40 : 190;
    std::vector<QPointF> plates;
    for (int i = 0; i < 3; ++i)
        plates.emplace_back(platesX + i * 44 + (v == 1 ? 0 : 0), 40 + (i % 2) * 10);
    wallPlates(s, plates, 16, stitch, shade(stitch, 1.1));
    const double shelfX0 = v == 2 ? 24 : 166, shelfY = t.back - 62;
    wallShelf(s, shelfX0, shelfX0 + 150, shelfY, wood);
    const std::size_t shelfRow = s.objs.size();
    row(s, r, shelfY, shelfX0 + 8, shelfX0 + 142, {Jug, Vase, Pot, Honeypot}, 1.0, 1.15,
        {QColor(60, 110, 180), stitch, QColor(190, 100, 60), QColor(240, 200, 60)});
    hideOne(s, r, shelfRow);
    chairBacks(s, t, {v == 1 ? 150.0 : 60.0, v == 2 ? 230.0 : 290.0}, 64, shade(wood, 1.1));
    paintTable(s, r, t);
    // Pictures, the clock, a string of paprika and a sausage on their nails.
    put(s, Clock, v == 2 ? 195 : 150, 64, 1.35, wood);
    put(s, Frame, v == 2 ? 190 : 320, v == 2 ? 136 : 100, 1.3, QColor(200, 160, 70)).variant = r.between(0, 3);
    put(s, Frame, v == 2 ? 56 : 236, v == 2 ? 100 : 116, 1.1, QColor(120, 80, 50)).variant = r.between(0, 3);
    put(s, Paprika, windowX[v] + (v == 2 ? -18 : 100), 30, 1.1, kPaprikaRed);
    put(s, Salami, v == 2 ? 140 : 330, v == 2 ? 92 : 34, 1.3, QColor(150, 60, 50));
    // The top, laid as a feast is: the places along the far and the near
    // side (a plate and its glass), the dishes between them.
    const std::vector<QColor> china{stitch, QColor(60, 110, 180), QColor(200, 150, 60), QColor(150, 30, 50)};
    const double left = std::max(8.0, t.x0 + 20), right = std::min(346.0, t.x1 - 20), span = right - left;
    const int farPlaces = v == 1 ? 3 : 4;
    for (int i = 0; i < farPlaces; ++i) {
        setOut(s, r, left + (i + 0.5) * span / farPlaces + r.range(-5, 5), tableRow(t, 0, 3), {Plate, i % 2 ? Goblet : Glass},
               rowScale(0, 3, 1.4), {china[std::size_t(i) % china.size()], QColor(150, 30, 50)});
    }
    const std::vector<std::vector<K>> centres{{Bread, Tureen, Cake}, {Tureen, Bowl, Cheese}, {Cheese, Tureen, Bread}};
    setOut(s, r, left + span * (v == 1 ? 0.45 : 0.5) + r.range(-10, 10), tableRow(t, 1, 3), centres[std::size_t(v)], rowScale(1, 3, 1.4),
           {QColor(220, 170, 110), QColor(245, 242, 235), QColor(200, 40, 40), QColor(240, 200, 60)});
    setOut(s, r, left + span * 0.1 + 12, tableRow(t, 1, 3), {v == 2 ? Vase : Bottle, Grapes}, rowScale(1, 3, 1.4),
           {v == 2 ? QColor(240, 236, 225) : QColor(60, 90, 50), QColor(110, 50, 110)});
    const std::size_t sideDishes = s.objs.size();
    setOut(s, r, right - span * 0.1 - 12, tableRow(t, 1, 3), {Candle, v == 0 ? Pretzel : SaltShaker}, rowScale(1, 3, 1.4),
           {QColor(240, 230, 200), QColor(170, 100, 45)});
    hideOne(s, r, sideDishes);
    const int nearPlaces = 3;
    for (int i = 0; i < nearPlaces; ++i) {
        const std::size_t first = s.objs.size();
        setOut(s, r, left + (i + 0.5) * span / nearPlaces + r.range(-5, 5), tableRow(t, 2, 3),
               i == 1 ? std::vector<K>{Goblet, Plate, Jug} : std::vector<K>{i ? Goblet : Glass, Plate}, rowScale(2, 3, 1.4),
               {QColor(150, 30, 50), china[std::size_t(i + 1) % china.size()], QColor(60, 110, 180)});
        if (i == nearPlaces - 1)
            hideOne(s, r, first);
    }
    for (Obj& o : s.objs) {
        if (o.kind == Plate && o.pos.y() > t.back)
            o.c2 = shade(o.c1, 0.7), o.c3 = QColor(250, 250, 245), o.variant = r.between(0, 1);
        if (o.kind == Glass)
            o.variant = r.between(0, 1), o.c1 = QColor(150, 30, 50);
        if (o.kind == Cake)
            o.c2 = QColor(110, 60, 35);
        if (o.kind == Tureen)
            o.c2 = stitch;
        if (o.kind == Bowl && o.pos.y() > t.back)
            o.count = r.between(3, 5);
    }
    // Under and beside the table: the cat, a basket of apples, the dog.
    // A rag rug before the table; the demijohn of wine by the wall end.
    if (v != 1)
        rug(s, QRectF(v == 0 ? 96 : 30, t.feet + 4, 200, std::min(72.0, kHeight - t.feet - 10)), anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130)}),
            r.seed());
    put(s, Cat, v == 2 ? 120 : 236, t.feet - 4, 1.25, anyOf(r, {QColor(215, 145, 75), QColor(140, 140, 145), QColor(55, 50, 50)}));
    put(s, Basket, v == 1 ? 300 : v == 0 ? 66 : 200, t.feet + 14, 1.7, QColor(190, 150, 90), QColor(200, 50, 40));
    put(s, Dog, v == 2 ? 318 : (v == 1 ? 170 : 300), t.feet + 24, 2.1, anyOf(r, {QColor(150, 100, 60), QColor(238, 234, 224)}));
    put(s, Demijohn, v == 2 ? 322 : v == 1 ? 24 : 330, v == 2 ? t.back + 60 : t.feet + 6, 1.5, QColor(90, 130, 80));
    if (v != 0) // a chair pulled up at the open end of the table
        put(s, Chair, v == 1 ? 76 : 318, t.feet - 18, 3.4, shade(wood, 1.1)).mirror = v == 2;
    spare(s, Stool, v == 2 ? 40 : 150, t.feet + 26, 2.4, wood);
    spare(s, Cat, v == 1 ? 300 : v == 0 ? 160 : 90, t.feet + 40, 1.3, QColor(238, 234, 224)).mirror = true;
}

} // namespace levelgen
