// Themes composed from the shared painters by the composition engine: each
// is a backdrop and a list of what stands where, with three compositions.
#include "tools/levelgen/compose.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/scenerules.h"

#include <QPainterPath>
#include <cmath>
#include <algorithm>
#include <iterator>
#include <tuple>

namespace levelgen {

namespace {
const std::initializer_list<QColor> kBright = {QColor(215, 45, 45), QColor(45, 95, 205), QColor(245, 200, 40),
                                               QColor(50, 155, 75), QColor(240, 130, 30), QColor(150, 70, 175)};
const std::initializer_list<QColor> kCrockery = {QColor(240, 240, 235), QColor(60, 110, 180), QColor(210, 70, 60),
                                                 QColor(240, 200, 80), QColor(100, 160, 110)};

void flying(Scene& s, Rng& r, int n, double y1, QColor c)
{
    group(s, r, Bird, n, {30, 324, 25, y1}, 0.9, 1.1, {c}, shade(c, 1.5));
    for (Obj& o : s.objs)
        if (o.kind == Bird && o.pos.y() < y1 + 1)
            o.shape = 1;
}

// Shelves on a wall, each filled with a row of things standing on it.
void shelves(Scene& s, Rng& r, int count, double top, double gap, std::initializer_list<K> kinds,
             std::initializer_list<QColor> palette, double s0, double s1)
{
    for (int i = 0; i < count; ++i) {
        const double y = top + i * gap;
        shelfBoard(s, y, QColor(140, 95, 60));
        row(s, r, y, 6, 348, kinds, s0, s1, palette);
    }
}
} // namespace

void buildBeach(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v + 1, r);
    s.finish.tint = d.tint;
    const double horizon = 120 + v * 45 + r.range(-8, 8), shoreline = horizon + 90 + r.range(0, 25);
    skyAndGround(s, r, d, horizon, QColor(235, 210, 160), QColor(225, 200, 150));
    water(s, r, d, horizon, shoreline, QColor(40, 130, 170));
    { // Across the bay a little town on its headland, hazy with distance, and a jetty.
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const double x0 = r.chance(0.5) ? 0 : kWidth * 0.45, x1 = x0 + kWidth * 0.55;
        p.setBrush(mix(d.haze, QColor(90, 110, 80), 0.45));
        p.drawRoundedRect(QRectF(x0 - 10, horizon - 10, x1 - x0 + 20, 14), 6, 6);
        for (double x = x0 + r.range(0, 8); x < x1 - 10; x += r.range(13, 20)) {
            const double h = r.range(10, 22), w = r.range(9, 14);
            const QColor wall = mix(anyOf(r, {QColor(240, 230, 210), QColor(230, 200, 170), QColor(210, 215, 225)}), d.haze, 0.35);
            p.setBrush(wall);
            p.drawRect(QRectF(x, horizon - 6 - h, w, h + 2));
            p.setBrush(mix(QColor(170, 80, 55), d.haze, 0.4));
            QPolygonF roof;
            roof << QPointF(x - 1.5, horizon - 6 - h) << QPointF(x + w / 2, horizon - 12 - h) << QPointF(x + w + 1.5, horizon - 6 - h);
            p.drawPolygon(roof);
            p.setBrush(mix(QColor(70, 90, 110), d.haze, 0.3));
            p.drawRect(QRectF(x + w / 2 - 1.5, horizon - 2 - h, 3, 4));
        }
        p.setBrush(mix(QColor(120, 90, 60), d.haze, 0.3));
        p.drawRect(QRectF(x0 < 1 ? x1 - 4 : x0 - 30, horizon + 2, 34, 2.5)); // the jetty
    }
    group(s, r, Boat, many(s, 2), {30, 324, horizon + 15, shoreline - 20}, 0.4, 0.6, {QColor(250, 250, 245)}, QColor(250, 248, 240), QColor(200, 60, 50));
    group(s, r, Buoy, many(s, 2), {30, 324, horizon + 20, shoreline - 8}, 0.8, 1.0, {QColor(240, 90, 30)});
    // Composed, not strewn: palms at the back to either side, shells and
    // starfish along the wet sand at the water's edge with the crabs, a
    // sandcastle with its bucket by the water, and a family's spot on the
    // beach: a towel with the parasol behind it, a deck chair beside it, a
    // ball and a slice of melon on it.
    const bool spotLeft = r.chance(0.5);
    const double dir = spotLeft ? 1 : -1;
    Obj& palm = put(s, Palm, spotLeft ? r.range(290, 318) : r.range(36, 64), shoreline + 56, 1.0, QColor(70, 140, 60));
    palm.mirror = spotLeft;
    if (v % 2 == 0)
        put(s, Palm, spotLeft ? r.range(236, 256) : r.range(98, 118), shoreline + 40, 0.8, QColor(75, 145, 65)).mirror = !spotLeft;
    const QColor shellCols[] = {QColor(240, 200, 180), QColor(250, 240, 220), QColor(230, 160, 160)};
    for (int i = 0; i < 3; ++i)
        put(s, Shell, 40 + i * 110 + r.range(-20, 20), shoreline + r.range(10, 16), 1.1, shellCols[i]).mirror = r.chance(0.5);
    put(s, Starfish, spotLeft ? r.range(200, 230) : r.range(124, 154), shoreline + 14, 1.0, QColor(240, 120, 60)).count = 5;
    put(s, Starfish, spotLeft ? r.range(70, 100) : r.range(254, 284), shoreline + 16, 0.9, QColor(215, 55, 50)).count = 6;
    put(s, Crab, spotLeft ? r.range(150, 180) : r.range(174, 204), shoreline + 26, 1.0, QColor(220, 70, 40));
    // The sandcastle by the water, its bucket beside it.
    const double cx = spotLeft ? r.range(230, 262) : r.range(92, 124), cy = shoreline + 44;
    put(s, Sandcastle, cx, cy, 1.25, QColor(200, 160, 100), QColor(215, 45, 45)).count = 3;
    put(s, Bucket, cx - dir * 30, cy + 4, 1.0, anyOf(r, {QColor(240, 200, 40), QColor(220, 60, 60), QColor(60, 140, 210)}), QColor(250, 250, 245));
    // The family's spot, nearer: the towel lies on the sand, the rest stands round it.
    const double tx = spotLeft ? r.range(96, 120) : r.range(234, 258), ty = std::min(kHeight - 60.0, shoreline + 120 + r.range(0, 20));
    const QRectF towel(tx - 50, ty - 22, 100, 44);
    rug(s, towel, anyOf(r, {QColor(60, 120, 200), QColor(210, 70, 80), QColor(240, 190, 60)}), std::uint32_t(r.next()));
    put(s, Parasol, tx + dir * 24, towel.top() + 4, 1.4, anyOf(r, {QColor(215, 50, 40), QColor(40, 110, 190), QColor(245, 190, 40)}), QColor(250, 248, 240));
    put(s, DeckChair, tx + dir * 78, ty + 6, 1.3, anyOf(r, {QColor(215, 45, 45), QColor(45, 95, 205), QColor(50, 155, 75)}), QColor(250, 248, 240)).mirror = spotLeft;
    put(s, Ball, tx - dir * 26, ty + 10, 1.2, QColor(45, 95, 205), QColor(250, 248, 240));
    put(s, Watermelon, tx + dir * 6, ty + 12, 1.0, QColor(230, 60, 70));
    flying(s, r, many(s, 3), horizon - 30, QColor(245, 245, 245));
    group(s, r, Gull, 2, {20, 334, shoreline + 8, shoreline + 30}, 1.0, 1.1, {QColor(250, 250, 250)}); // at the water's edge
    group(s, r, Kite, 1, {40, 314, 40, shoreline - 100}, 1.1, 1.2, {QColor(215, 45, 45), QColor(45, 95, 205)}, QColor(250, 220, 60));
    put(s, Lifebuoy, spotLeft ? r.range(300, 320) : r.range(34, 54), shoreline + 20, 1.1, QColor(220, 50, 40));
    spare(s, Shell, spotLeft ? r.range(130, 150) : r.range(204, 224), shoreline + 12, 1.1, QColor(240, 200, 180));
    spare(s, Starfish, cx + dir * 34, cy + 2, 0.9, QColor(245, 200, 70)).count = 5;
    spare(s, Crab, tx - dir * 60, ty - 30, 1.0, QColor(230, 120, 50));
    // A cup set down on the towel: the last beaches need one more thing to add.
    spare(s, Cup, tx - dir * 8, ty - 8, 1.1, QColor(60, 110, 180));
}

void buildOrchard(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(2 + v % 2, r);
    s.finish.tint = QColor(255, 240, 215);
    // A high horizon: the trees, not the sky, fill the picture's upper half.
    const double horizon = 150 + (v == 1 ? 26 : v * 8) + r.range(-6, 6);
    skyAndGround(s, r, d, horizon, QColor(150, 150, 60), QColor(175, 160, 80), 400);
    // The orchard's rows recede to the hills: each row further back higher,
    // smaller and set between the trees of the row before it.
    // Each tree of a row its own autumn colour, so none is another's twin.
    const QColor leaves[] = {QColor(120, 145, 50), QColor(60, 115, 50), QColor(205, 175, 60), QColor(210, 115, 40), QColor(165, 75, 40)};
    const QColor apples[] = {QColor(210, 40, 30), QColor(235, 190, 40), QColor(200, 60, 30)};
    const int leaf = r.between(0, 4);
    const double nearY = horizon + (kHeight - horizon) * (0.5 + 0.05 * v);
    const struct { int n; double y, scale, shift; } rows[] = {
        {5, horizon + 12, 0.5, 0.5 - 0.2 * v}, {4, horizon + (nearY - horizon) * 0.42, 0.74, 0.25 + 0.15 * v}};
    for (const auto& row : rows)
        for (int i = 0; i < row.n; ++i) {
            Obj& t = put(s, Tree, (i + row.shift) * kWidth / row.n + r.range(-6, 6), row.y + r.range(-3, 3), row.scale * r.range(0.95, 1.05),
                         leaves[(leaf + i) % 5], apples[i % 3]);
            t.count = r.between(2, 6);
        }
    // Two trees near, one to each side: the pickers' ladder against one with
    // its basket beneath, the cart and crates of apples by the other.
    const bool pickLeft = v != 1;
    const double pickX = pickLeft ? r.range(58, 78) : r.range(276, 296), cartTreeX = pickLeft ? r.range(270, 292) : r.range(62, 84);
    const double pickY = nearY + r.range(-6, 6), cartY = nearY + r.range(14, 26);
    const double dir = pickLeft ? 1 : -1; // from the picking tree towards the middle
    ladder(s, {pickX + dir * 30, pickY + 2}, {pickX + dir * 12, pickY - 80}, 9);
    put(s, Tree, pickX, pickY, 1.15, leaves[(leaf + 1) % 5], QColor(210, 40, 30)).count = 6;
    put(s, Tree, cartTreeX, cartY, 1.2, leaves[(leaf + 3) % 5], QColor(235, 190, 40)).count = 5;
    Obj& basket = gear(s, Basket, pickX + dir * 48, pickY + 6, 1.0, QColor(190, 150, 90), QColor(160, 120, 60));
    basket.c3 = QColor(210, 40, 30);
    // The cart loaded with apples, crates beside it, one set on another.
    const double cdir = -dir; // from the cart's tree towards the middle
    Obj& cart = gear(s, Wheelbarrow, cartTreeX + cdir * 44, cartY + 12, 1.7, QColor(170, 60, 40), QColor(200, 40, 30), cdir < 0);
    cart.variant |= 1;
    const std::size_t low = s.objs.size();
    gear(s, Crate, cartTreeX - cdir * 8, cartY + 26, 1.25, QColor(170, 130, 80), QColor(200, 45, 35)).variant = 1;
    gear(s, Crate, cartTreeX - cdir * 46, cartY + 30, 1.2, QColor(150, 115, 75), QColor(230, 185, 45)).variant = 3;
    Obj& top = gear(s, Crate, cartTreeX - cdir * 8 + r.range(-3, 3), cartY + 26 - 26, 1.15, QColor(185, 145, 95), QColor(120, 165, 55));
    top.variant = 1;
    setOn(top, s.objs[low]);
    // The hen house between the two near trees, its hens about the ramp.
    const double coopX = 177 + (pickLeft ? 8 : -8) + r.range(-10, 10), coopY = nearY - 26;
    const double rampDir = pickLeft ? -1 : 1;
    henHouse(s, {coopX, coopY}, 1.0, QColor(150, 100, 60), QColor(120, 60, 45), rampDir < 0);
    gear(s, Chicken, coopX + rampDir * 30, coopY + 12, 1.05, QColor(245, 240, 230), QColor(210, 40, 40), rampDir > 0);
    gear(s, Chicken, coopX - rampDir * 4, coopY + 22, 1.1, QColor(170, 100, 50), QColor(210, 40, 40), rampDir < 0);
    gear(s, Chicken, coopX + rampDir * 22, coopY + 34, 1.15, QColor(60, 50, 45), QColor(210, 40, 40), rampDir > 0);
    // In the foreground: hay for the cart horse, the dog asleep by it and
    // the water bucket; on the other side the geese come to the windfalls.
    const double midX = 177 - rampDir * r.range(20, 40), midY = kHeight - 40 - r.range(0, 16);
    const std::size_t hayAt = s.objs.size();
    gear(s, Haybale, midX, midY, 1.3, QColor(215, 185, 100));
    // The farm cat asleep on top of it (both placed: neither is copied about).
    gear(s, Cat, midX + rampDir * 6, midY - 19 * 1.3, 1.0, QColor(215, 150, 80), QColor(), pickLeft);
    setOn(s.objs.back(), s.objs[hayAt]);
    gear(s, Dog, midX - 46 * rampDir, midY + 10, 1.3, QColor(180, 130, 80), QColor(), pickLeft);
    gear(s, Bucket, midX + 40 * rampDir, midY + 4, 0.75, QColor(150, 155, 160), QColor(90, 95, 100));
    const double geeseX = midX + rampDir * r.range(110, 125);
    gear(s, Goose, geeseX, midY - 24, 1.1, QColor(250, 250, 245), QColor(), !pickLeft);
    gear(s, Goose, geeseX - rampDir * 26, midY + 6, 1.2, QColor(165, 155, 145), QColor(), pickLeft);
    // The hives at the back on the hens' side, sheep grazing between the far
    // rows on the other; a stump in the near corner with its mushrooms.
    const double hiveX = pickLeft ? 318 : 36, hiveY = rows[0].y + 18;
    gear(s, Beehive, hiveX, hiveY, 0.8, QColor(215, 175, 90));
    gear(s, Beehive, hiveX + 26 * rampDir, hiveY + 8, 0.9, QColor(190, 125, 75));
    spares(s, r, Beehive, 1, {hiveX + 50 * rampDir - 8, hiveX + 50 * rampDir + 8, hiveY + 2, hiveY + 10}, 0.85, 0.9, {QColor(225, 205, 120)});
    const double flockX = pickLeft ? r.range(70, 110) : r.range(244, 284), flockY = (rows[0].y + rows[1].y) / 2 + 6;
    gear(s, Sheep, flockX, flockY, 1.0, QColor(240, 238, 230), QColor(), pickLeft);
    gear(s, Sheep, flockX + 30, flockY + 8, 1.1, QColor(120, 100, 85), QColor(), !pickLeft);
    const double stumpX = pickX + dir * 6, stumpY = kHeight - 22;
    gear(s, Stump, stumpX, stumpY, 1.2, QColor(120, 85, 55));
    gear(s, Mushroom, stumpX + dir * 26, stumpY + 2, 1.0, QColor(200, 60, 30)).count = 2;
    gear(s, Mushroom, stumpX - dir * 24, stumpY - 4, 0.9, QColor(170, 120, 80)).count = 1;
    flying(s, r, 3, horizon - 50, QColor(50, 45, 50));
    // Apples fallen under the near trees, too small to be more than the grass's colour.
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (const auto& [x, y, c] : {std::tuple{pickX, pickY, QColor(200, 40, 30)}, std::tuple{cartTreeX, cartY, QColor(225, 180, 40)}})
            for (int i = 0; i < 7; ++i) {
                p.setBrush(shade(c, r.range(0.8, 1.1)));
                p.drawEllipse(QPointF(x + r.range(-40, 40), y + r.range(-2, 12)), 2.2, 1.9);
            }
    }
    spares(s, r, Fruit, 1, {pickX - 30, pickX + 30, pickY + 4, pickY + 20}, 0.7, 0.8, {QColor(235, 190, 40)});
    spares(s, r, Rabbit, 1, {130, 224, nearY + 20, kHeight - 70}, 1.0, 1.1, {QColor(170, 140, 110)});
    // More that may come into the orchard, each where it would: a cat to the
    // hay, a hedgehog under the picking tree, a pumpkin by the cart, a magpie
    // between the far rows, a crow by the hens.
    spares(s, r, Goose, 1, {geeseX - 14, geeseX + 14, midY - 6, midY + 2}, 1.1, 1.15, {QColor(235, 225, 205)});
    spares(s, r, Basket, 1, {pickX + dir * 60, pickX + dir * 70, pickY + 14, pickY + 20}, 0.95, 1.0, {QColor(170, 130, 80)});
    spares(s, r, Hedgehog, 1, {pickX - 40, pickX + 40, pickY + 8, pickY + 26}, 1.0, 1.1, {QColor(110, 85, 60)});
    spares(s, r, Pumpkin, 1, {cartTreeX - 50, cartTreeX + 50, cartY + 30, cartY + 46}, 0.9, 1.0, {QColor(235, 130, 30)});
    group(s, r, Magpie, 1, {60, 294, rows[0].y + 8, rows[1].y - 8}, 0.8, 0.9, {QColor(245, 245, 245)});
    s.objs.back().loose = false; // one, between the far rows
    spares(s, r, Crow, 1, {coopX - 60, coopX + 60, coopY + 30, coopY + 48}, 1.0, 1.1, {QColor(30, 30, 38)});
}

void buildDuckPond(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v * 3 % 4, r);
    s.finish.tint = d.tint;
    const double horizon = 140 + v * 30 + r.range(-8, 8), pondTop = horizon + 70, pondBottom = pondTop + 130 + v * 15;
    skyAndGround(s, r, d, horizon, v == 1 ? QColor(150, 195, 90) : QColor(90, 150, 60), QColor(120, 160, 80), 450);
    {
        // A pond wider than the picture, so its whole height is water to the
        // scene rules: what stands, stands on the banks; what floats, floats.
        s.light.water.emplace_back(pondTop + 2, pondBottom);
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath pond;
        pond.addEllipse(QRectF(-75 + v * 15, pondTop, 505, pondBottom - pondTop));
        p.setClipPath(pond);
        verticalGradient(p, QRectF(0, pondTop, kWidth, pondBottom - pondTop), {{0, mix(d.sky.back().second, QColor(50, 100, 110), 0.5)}, {1, QColor(40, 80, 90)}});
        waterGlints(p, QRectF(0, pondTop, kWidth, pondBottom - pondTop), QColor(255, 255, 255), 80, r.seed());
        p.setClipping(false);
        p.setPen(QPen(QColor(100, 90, 60), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pond);
    }
    const double cx = 177 + v * 15, cy = (pondTop + pondBottom) / 2;
    group(s, r, Duck, many(s, 4), {cx - 100, cx + 100, cy - 30, cy + 40}, 0.9, 1.2, {QColor(120, 90, 60), QColor(250, 250, 245), QColor(90, 120, 80)});
    group(s, r, Swan, 2, {cx - 90, cx + 90, cy - 30, cy + 30}, 0.9, 1.1, {QColor(250, 250, 248)});
    group(s, r, Reed, many(s, 5), {15, 339, pondBottom - 10, pondBottom + 20}, 0.8, 1.0, {QColor(100, 130, 60)}, QColor(110, 70, 40));
    put(s, Birdhouse, v == 1 ? 60 : 300, horizon + 60, 1.2, QColor(200, 160, 110), QColor(150, 50, 40));
    put(s, Tree, v == 1 ? 290 : 60, horizon + 45, 1.0, QColor(70, 140, 60), QColor(70, 140, 60)).count = 0;
    group(s, r, Flower, many(s, 6), {15, 339, pondBottom + 25, kHeight - 10}, 1.0, 1.3, kBright);
    group(s, r, Snail, 1, {30, 324, pondBottom + 30, kHeight - 10}, 1.1, 1.2, {QColor(200, 150, 80)});
    group(s, r, Butterfly, many(s, 2), {30, 324, horizon + 20, kHeight - 40}, 1.1, 1.2, kBright, QColor(40, 30, 30));
    group(s, r, Rock, 2, {20, 334, pondBottom + 20, kHeight - 10}, 0.9, 1.1, {QColor(140, 140, 145)});
    flying(s, r, 2, horizon - 40, QColor(50, 50, 60));
    group(s, r, Heron, 1, {15, 339, pondBottom - 5, pondBottom + 25}, 1.0, 1.1, {QColor(170, 175, 185)});
    group(s, r, Goose, many(s, 2), {20, 334, pondBottom + 25, kHeight - 10}, 1.0, 1.2, {QColor(250, 250, 245), QColor(160, 150, 140)});
    group(s, r, Bench, 1, {40, 314, horizon + 20, pondTop - 10}, 0.9, 1.0, {QColor(120, 85, 55)});
    group(s, r, Flamingo, 1, {15, 339, pondBottom - 5, pondBottom + 25}, 1.0, 1.1, {QColor(240, 130, 150)});
    group(s, r, Frog, many(s, 2), {30, 324, pondBottom + 8, pondBottom + 40}, 1.0, 1.1, {QColor(90, 150, 60), QColor(120, 160, 60)});
    group(s, r, Duckling, many(s, 3), {cx - 80, cx + 80, cy - 15, cy + 25}, 1.0, 1.1, {QColor(240, 205, 60)});
    group(s, r, Coot, 1, {cx - 90, cx + 90, cy - 20, cy + 30}, 1.0, 1.1, {QColor(35, 35, 40)});
    group(s, r, Dragonfly, many(s, 2), {cx - 90, cx + 90, pondTop - 30, cy - 10}, 1.0, 1.1, {QColor(40, 120, 200), QColor(200, 60, 50)}); // skimming the water
    // On the far bank, clear of the reeds and frogs of the near one.
    group(s, r, Kingfisher, 1, {30, 324, pondTop - 22, pondTop - 4}, 1.1, 1.2, {QColor(40, 140, 210)});
    spares(s, r, Duck, 1, {cx - 90, cx + 90, cy - 20, cy + 30}, 1.0, 1.1, {QColor(250, 250, 245)});
    spares(s, r, Flower, 2, {30, 324, pondBottom + 25, kHeight - 10}, 1.0, 1.2, {QColor(230, 50, 70)});
}

void buildPumpkinPatch(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = v == 2 ? night(r) : daylight(v == 0 ? 3 : 1, r);
    s.finish.tint = v == 2 ? QColor(215, 220, 255) : QColor(255, 232, 212);
    // By night the horizon is high: the moonlit field, not the dark sky, fills the picture.
    const double horizon = (v == 2 ? 168 : 158 + v * 14) + r.range(-6, 6);
    skyAndGround(s, r, d, horizon, QColor(110, 90, 50), QColor(130, 110, 60), 300);
    // The barn at the end of the rows or off to one side, its fence running
    // from it along the back of the patch.
    const double barnX = v == 1 ? 177 : v == 0 ? 270 : 84;
    { // A wood along the far edge of the field, on the side away from the barn, and a hedge before it.
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(QRectF(barnX < kWidth / 2 ? barnX + 40 : 0, 0, kWidth - 40 - (barnX < kWidth / 2 ? 0 : kWidth - barnX), horizon + 4));
        const QColor wood = v == 2 ? QColor(30, 45, 40) : QColor(60, 95, 55);
        hills(p, horizon + 1, 26, 9, shade(wood, 1.1), shade(wood, 0.75), r.seed(), horizon + 3);
        p.setClipping(false);
        hills(p, horizon + 4, 6, 5, shade(wood, 1.25), shade(wood, 0.95), r.seed(), horizon + 5);
    }
    put(s, House, barnX, horizon + 15, 0.75, QColor(160, 50, 40), QColor(80, 70, 70));
    const double fenceX = barnX < kWidth / 2 ? 290 : 62;
    put(s, Fence, fenceX, horizon + 24, 1.1, QColor(150, 120, 90)).count = 5;
    // The patch: rows of vines and leaves running across the field, further
    // rows higher and smaller, pumpkins of every size and shape growing on them.
    const int rows = 4;
    std::vector<double> rowY;
    for (int k = 0; k < rows; ++k)
        rowY.push_back(horizon + 62 + (kHeight - 22 - horizon - 62) * std::pow(double(k) / (rows - 1), 1.15));
    const QColor leaf = v == 2 ? QColor(50, 80, 50) : QColor(70, 120, 50);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < rows; ++k) {
            const double near = 0.6 + 0.52 * k / (rows - 1.0), y = rowY[std::size_t(k)] - 2;
            QPainterPath vine;
            vine.moveTo(-5, y);
            for (double x = -5; x < kWidth + 5; x += 18 * near)
                vine.quadTo(x + 9 * near, y + (int(x) % 2 ? 3 : -3) * near, x + 18 * near, y);
            p.setPen(QPen(shade(leaf, 0.8), 1.6 * near));
            p.setBrush(Qt::NoBrush);
            p.drawPath(vine);
            p.setPen(QPen(shade(leaf, 0.6), 0.6));
            for (double x = r.range(0, 10); x < kWidth; x += r.range(9, 15) * near) {
                const double w = r.range(8, 12) * near;
                p.setBrush(shade(leaf, r.range(0.85, 1.2)));
                p.drawEllipse(QRectF(x - w / 2, y - w * r.range(0.4, 0.9), w, w * 0.7));
            }
        }
    }
    // One scarecrow stands among the rows.
    const double crowX = r.chance(0.5) ? r.range(60, 120) : r.range(234, 294), crowY = (rowY[1] + rowY[2]) / 2;
    // Set pieces are placed, not loose: none is copied about the field.
    put(s, Scarecrow, crowX, crowY, 1.9, QColor(90, 110, 150), QColor(150, 90, 60), QColor(200, 60, 40));
    // Haybales together beside the barn, one before the other; the
    // gardener's barrow and watering can by the fence.
    const double hayDir = barnX > kWidth / 2 ? -1 : 1, hayX = barnX + hayDir * 64;
    put(s, Haybale, hayX, horizon + 26, 1.2, QColor(215, 185, 100));
    put(s, Haybale, hayX + hayDir * 30, horizon + 44, 1.3, QColor(205, 178, 95));
    const double toolDir = fenceX < kWidth / 2 ? 1 : -1;
    put(s, Wheelbarrow, fenceX + toolDir * 46, horizon + 30, 1.1, QColor(170, 60, 40), QColor(60, 110, 70), QColor(235, 130, 30));
    put(s, WateringCan, fenceX - toolDir * 6, horizon + 36, 0.8, QColor(60, 130, 80));
    // No two pumpkins alike: each its own colour, build and size (each row
    // its own two sizes, so one further back is never the bigger).
    const QColor pumpkinCols[] = {QColor(235, 130, 30), QColor(240, 190, 60), QColor(235, 228, 205), QColor(95, 125, 60)};
    const auto keptClear = [&](double x, double y, double near) {
        if (std::abs(x - crowX) < 20 * near + 34 && std::abs(y - crowY) < 40)
            return false;
        return !(std::abs(x - (hayX + hayDir * 15)) < 62 && y < horizon + 70);
    };
    for (int k = 0; k < rows; ++k) {
        // Sizes step up row by row, so a pumpkin further back is never the bigger.
        const double near = 0.6 + 0.52 * k / (rows - 1.0), y = rowY[std::size_t(k)];
        for (double x = r.range(16, 40) * near; x < kWidth - 18 * near; x += r.range(52, 72) * near) {
            if (!keptClear(x, y, near))
                continue;
            put(s, Pumpkin, x, y + r.range(-2, 2), 1.05 * near, pumpkinCols[0]);
            const int at = int(s.objs.size()) - 1;
            const int first = r.between(0, 15);
            bool unique = false;
            for (int t = 0; t < 16 && !unique; ++t) {
                const int look = (first + t * 5) % 16;
                Obj& p = s.objs[std::size_t(at)];
                p.c1 = pumpkinCols[look % 4];
                p.shape = (look / 4) % 2;
                p.scale = 1.05 * near * (look / 8 ? 0.78 : 1.0);
                unique = !hasTwin(s, at);
            }
            if (!unique)
                s.objs.pop_back();
        }
    }
    flying(s, r, many(s, 3), horizon - 40, v == 2 ? QColor(200, 200, 212) : QColor(30, 30, 35)); // moonlit at night
    group(s, r, Star, v == 2 ? 3 : 0, {20, 334, 20, horizon - 60}, 0.9, 1.1, {QColor(255, 230, 120)});
    // A stand of corn at the back of the patch, in the widest stretch the
    // barn leaves, behind the hay, the fence and the barrow.
    {
        const std::pair<double, double> taken[] = {{barnX, 46}};
        double bestX = -1, bestW = 0;
        for (double x0 = 14; x0 < kWidth - 14;) {
            double x1 = x0;
            while (x1 < kWidth - 14 && std::none_of(std::begin(taken), std::end(taken), [&](const auto& t) { return std::abs(x1 - t.first) < t.second; }))
                x1 += 2;
            if (x1 - x0 > bestW)
                bestW = x1 - x0, bestX = x0;
            x0 = x1 + 2;
        }
        const int stalks = std::clamp(int(bestW / 16), 0, 5);
        const double from = bestX + r.range(0, std::max(0.0, bestW - stalks * 16.0));
        for (int k = 0; k < stalks; ++k) // side by side, every other one a little nearer
            put(s, CornStalk, from + 8 + k * 16 + r.range(-2, 2), horizon + 10 + (k % 2) * 6,
                r.range(0.85, 0.95), QColor(240, 200, 60));
    }
    // Visitors to the patch: crows after the seeds, a cat, a hedgehog, among
    // the further rows where they stand to the pumpkins' scale. A black cat by
    // day; at night a pale one that shows against the dark.
    // On the side of the field away from the scarecrow they are wary of.
    const Area visitors{crowX < kWidth / 2 ? crowX + 70 : 30, crowX < kWidth / 2 ? 324 : crowX - 70, horizon + 70, rowY[3] - 42};
    group(s, r, Crow, 2, visitors, 1.0, 1.1, {QColor(30, 30, 38)});
    group(s, r, Cat, 1, visitors, 1.2, 1.3, {v == 2 ? QColor(225, 220, 210) : QColor(40, 40, 45)});
    // Nearer, between the last rows: a hedgehog, a toad and a snail after the slugs.
    const Area nearRows{30, 324, rowY[2] + 22, rowY[3] - 18};
    group(s, r, Hedgehog, 1, nearRows, 1.3, 1.4, {QColor(130, 100, 70)});
    group(s, r, Snail, 1, nearRows, 1.3, 1.4, {QColor(200, 160, 90)});
    group(s, r, Frog, 1, nearRows, 1.3, 1.4, {QColor(150, 130, 80)});
    for (Obj& o : s.objs)
        if (o.kind == Cat || o.kind == Hedgehog || o.kind == Snail || o.kind == Frog)
            o.loose = false; // one each, not copied about
    group(s, r, Mushroom, 2, nearRows, 1.1, 1.3, {QColor(200, 60, 30), QColor(170, 120, 80)}); // in the shade of the leaves
    for (Obj& o : s.objs)
        if (o.kind == Mushroom)
            o.loose = false;
    if (v == 2) {
        group(s, r, Fox, 1, visitors, 1.0, 1.1, {QColor(215, 110, 40)});
        Obj& lamp = put(s, Lantern, barnX + (hayDir > 0 ? -30 : 30), horizon + 18, 0.9, QColor(60, 55, 50)); // by the barn door
        lamp.variant = 1;
    }
    spares(s, r, Rabbit, 1, visitors, 1.2, 1.3, {QColor(200, 190, 180)});
}

void buildFlowerShop(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 250, 240);
    const double floorY = 380 + v * 15;
    room(s, r, anyOf(r, {QColor(215, 230, 215), QColor(235, 225, 205)}), v, floorY, QColor(170, 120, 80), true);
    shelves(s, r, 2 + (v != 1), 110 + v * 10, 95 - v * 10, {Pot, Pot, Jar, Flower, Cup}, kBright, 1.1, 1.4);
    for (Obj& o : s.objs)
        if (o.kind == Pot)
            o.c1 = vary(QColor(190, 100, 60), r, 0.1);
    put(s, Clock, r.range(60, 290), 55, 1.3, QColor(150, 100, 60));
    group(s, r, Pot, many(s, 3), {20, 334, floorY + 30, kHeight - 10}, 1.4, 1.6, {QColor(190, 100, 60)});
    group(s, r, Jar, many(s, 3), {20, 334, floorY + 30, kHeight - 10}, 1.1, 1.3, kBright);
    group(s, r, Cat, 1, {30, 324, floorY + 40, kHeight - 10}, 1.3, 1.4, {QColor(220, 150, 80), QColor(60, 60, 65)});
    for (int i = 0; i < many(s, 4); ++i)
        put(s, Bulb, 30 + i * (294.0 / many(s, 4)), 8, 1.4, QColor(255, 220, 130)).variant = 1;
    group(s, r, Vase, many(s, 2), {20, 334, floorY + 30, kHeight - 10}, 1.2, 1.4, {QColor(60, 110, 180), QColor(240, 236, 225), QColor(200, 80, 60)}, QColor(240, 200, 80));
    group(s, r, WateringCan, 1, {30, 324, floorY + 30, kHeight - 10}, 1.2, 1.3, {QColor(60, 140, 90)});
    group(s, r, BarStool, 1, {30, 324, floorY + 30, kHeight - 10}, 1.3, 1.4, {QColor(150, 105, 65), QColor(60, 110, 90)}); // the florist's
    group(s, r, Bucket, 1, {30, 324, floorY + 30, kHeight - 10}, 1.2, 1.3, {QColor(150, 155, 160)}, QColor(90, 95, 100));
    group(s, r, Tulip, many(s, 3), {15, 339, floorY + 30, kHeight - 10}, 1.2, 1.4, {QColor(220, 40, 50), QColor(245, 200, 40), QColor(230, 120, 170)});
    group(s, r, PriceTag, 1, {20, 334, floorY + 30, kHeight - 10}, 1.4, 1.5, {QColor(250, 246, 232)});
    group(s, r, PriceTag, 1, {20, 334, floorY + 30, kHeight - 10}, 1.4, 1.5, {QColor(250, 246, 232)});
    spares(s, r, Pot, 2, {30, 324, floorY + 30, kHeight - 10}, 1.3, 1.4, {QColor(190, 100, 60)});
}

void buildBakery(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 240, 220);
    const double counter = 330 + v * 20;
    room(s, r, anyOf(r, {QColor(240, 225, 195), QColor(225, 205, 180)}), 2 - v, counter, QColor(150, 100, 60), true);
    s.surfaces.tableTop = true; // the shop's counter, seen from above
    shelves(s, r, 2, 100 + v * 15, 105, {Bread, Bread, Jar, Bowl, Heart}, {QColor(200, 140, 70), QColor(180, 110, 50), QColor(230, 200, 150)}, 1.1, 1.3);
    row(s, r, counter + 40, 10, 344, {Bread, Plate, Cup, Jug, Fruit}, 1.2, 1.4, kCrockery);
    put(s, Clock, r.range(60, 290), 50, 1.3, QColor(150, 100, 60));
    put(s, NumberPlate, r.range(40, 314), counter - 20, 2.4, QColor(40, 80, 160)).count = r.between(1, 9);
    for (int i = 0; i < many(s, 6); ++i) // gingerbread hearts hung along the top
        put(s, Heart, 20 + i * (314.0 / many(s, 6)), 70 + (i % 2) * 6, 1.2, QColor(170, 70, 40)).variant = i % 2;
    group(s, r, Bread, many(s, 2), {20, 334, counter + 80, kHeight - 10}, 1.3, 1.4, {QColor(200, 140, 70)});
    group(s, r, Cat, 1, {30, 324, counter + 90, kHeight - 5}, 1.2, 1.3, {QColor(240, 240, 235)});
    group(s, r, Fruit, many(s, 4), {20, 334, counter + 80, kHeight - 8}, 1.0, 1.2, {QColor(210, 40, 30), QColor(240, 190, 40), QColor(120, 170, 60)});
    group(s, r, Cake, many(s, 2), {30, 324, counter + 80, kHeight - 10}, 1.2, 1.4, {QColor(220, 170, 110), QColor(250, 235, 200)}, QColor(110, 60, 35));
    group(s, r, Basket, 1, {30, 324, counter + 80, kHeight - 10}, 1.3, 1.4, {QColor(190, 150, 90)}, QColor(160, 120, 60));
    group(s, r, Honeypot, 1, {30, 324, counter + 80, kHeight - 10}, 1.2, 1.3, {QColor(240, 236, 225)}, QColor(200, 60, 40));
    group(s, r, PriceTag, many(s, 2), {30, 324, counter + 80, kHeight - 10}, 1.2, 1.3, {QColor(250, 246, 232)});
    group(s, r, Pretzel, many(s, 2), {20, 334, counter + 70, kHeight - 10}, 1.2, 1.3, {QColor(170, 100, 45)});
    group(s, r, Cupcake, many(s, 2), {20, 334, counter + 70, kHeight - 10}, 1.2, 1.3, {QColor(245, 200, 215), QColor(250, 245, 235), QColor(140, 90, 60)}, QColor(120, 170, 220));
    group(s, r, Donut, many(s, 2), {20, 334, counter + 70, kHeight - 10}, 1.2, 1.3, {QColor(240, 150, 190), QColor(110, 65, 40), QColor(250, 245, 235)});
    group(s, r, CoffeePot, 1, {20, 334, counter + 70, kHeight - 10}, 1.2, 1.3, {QColor(190, 195, 200), QColor(60, 110, 180)});
    spares(s, r, Cup, 1, {30, 324, counter + 80, kHeight - 10}, 1.2, 1.3, kCrockery);
}

void buildPlayroom(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 248, 238);
    const double floorY = 170 + v * 30;
    room(s, r, anyOf(r, {QColor(200, 220, 240), QColor(240, 220, 200), QColor(220, 235, 210)}), v + 1, floorY, QColor(190, 140, 90), true);
    put(s, Frame, r.range(60, 140), floorY - 80, 1.5, QColor(200, 160, 70)).variant = r.between(0, 3);
    put(s, Clock, r.range(210, 300), floorY - 90, 1.3, QColor(200, 80, 60));
    // A rug in the middle of the floor where the toys are played with.
    const QRectF play(r.range(24, 60), floorY + (kHeight - floorY) * r.range(0.38, 0.48), 0, (kHeight - floorY) * 0.42);
    rug(s, QRectF(play.left(), play.top(), kWidth - 2 * play.left(), play.height()),
        anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130), QColor(90, 120, 80)}), std::uint32_t(r.next()));
    const Area onRug{play.left() + 20, kWidth - play.left() - 20, play.top() + 26, play.bottom() - 6};
    group(s, r, Blocks, 2, onRug, 1.0, 1.3, kBright);
    group(s, r, Ball, many(s, 3), {20, 334, floorY + 30, kHeight - 10}, 1.1, 1.4, kBright);
    group(s, r, Car, 2, onRug, 1.1, 1.3, kBright);
    group(s, r, Robot, 1, {20, 334, floorY + 40, kHeight - 10}, 1.0, 1.2, {QColor(170, 175, 185)});
    group(s, r, Teddy, 1, {20, 334, floorY + 20, floorY + 40}, 1.1, 1.3, {QColor(170, 120, 70), QColor(220, 190, 140)});
    group(s, r, Duck, 2, {20, 334, floorY + 40, kHeight - 10}, 1.0, 1.2, {QColor(250, 210, 40)});
    group(s, r, Books, 1, {20, 300, floorY + 40, kHeight - 10}, 1.0, 1.1, kBright);
    group(s, r, Balloon, many(s, 3), {30, 324, 40, floorY - 40}, 1.1, 1.3, {QColor(215, 45, 45), QColor(45, 95, 205), QColor(245, 200, 40), QColor(50, 155, 75)});
    group(s, r, GiftBox, 1, {30, 324, floorY + 40, kHeight - 10}, 1.2, 1.3, {QColor(200, 40, 40), QColor(40, 110, 70)}, QColor(240, 210, 80));
    group(s, r, Rabbit, 1, {30, 324, floorY + 40, kHeight - 10}, 1.2, 1.3, {QColor(230, 200, 210), QColor(170, 140, 110)});
    group(s, r, Stool, 1, {30, 324, floorY + 40, kHeight - 10}, 1.3, 1.4, {QColor(50, 140, 180), QColor(220, 80, 60)});
    group(s, r, Dice, 2, onRug, 1.2, 1.3, {QColor(250, 248, 240), QColor(215, 45, 45)}, QColor(30, 30, 30));
    group(s, r, SpinningTop, 1, onRug, 1.1, 1.2, kBright, QColor(250, 240, 200));
    group(s, r, Drum, 1, {30, 324, floorY + 30, kHeight - 10}, 1.1, 1.2, {QColor(215, 45, 45), QColor(45, 95, 205)}, QColor(250, 220, 60));
    spares(s, r, Ball, 1, {30, 324, floorY + 30, kHeight - 10}, 1.1, 1.2, kBright);
    spares(s, r, Car, 1, {30, 324, floorY + 40, kHeight - 10}, 1.1, 1.2, kBright);
}

void buildStudy(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = v == 1 ? QColor(255, 225, 190) : QColor(255, 242, 225);
    const double desk = 360 + v * 10;
    const QColor walls[3] = {QColor(120, 70, 50), QColor(70, 100, 75), QColor(200, 190, 160)};
    room(s, r, walls[v], v, desk, QColor(110, 70, 45), true);
    // A study's shelves hold books, with a globe and a lamp among them.
    shelves(s, r, 3, 90, 85, {Books, Books, Books, Globe, Lantern, Candle}, kBright, 1.0, 1.2);
    // On the desk what a desk holds; its pictures hang on the wall.
    row(s, r, desk + 45, 10, 344, {Candle, Cup, Books, Glass, Books}, 1.1, 1.3, kBright);
    group(s, r, Cup, many(s, 3), {20, 334, desk + 60, kHeight - 8}, 1.1, 1.3, kCrockery);
    group(s, r, Fruit, many(s, 3), {20, 334, desk + 60, kHeight - 8}, 1.0, 1.2, {QColor(210, 40, 30), QColor(240, 190, 40)});
    for (Obj& o : s.objs)
        if (o.kind == Candle)
            o.variant = 1;
    group(s, r, Cat, 1, {30, 324, desk + 80, kHeight - 5}, 1.2, 1.3, {QColor(60, 60, 65)});
    group(s, r, Vase, 1, {30, 324, desk + 70, kHeight - 10}, 1.2, 1.3, {QColor(60, 110, 180), QColor(200, 80, 60)}, QColor(240, 236, 225));
    group(s, r, Chair, 1, {30, 324, desk + 70, kHeight - 10}, 1.4, 1.5, {QColor(110, 70, 45)}, QColor(140, 40, 40));
    group(s, r, Lantern, 1, {30, 324, desk + 70, kHeight - 10}, 1.2, 1.3, {QColor(150, 120, 50)});
    group(s, r, Globe, 1, {30, 324, desk + 50, kHeight - 10}, 1.2, 1.3, {QColor(70, 130, 200)}, QColor(150, 170, 90));
    group(s, r, Inkwell, 1, {30, 324, desk + 50, kHeight - 10}, 1.1, 1.2, {QColor(40, 50, 80), QColor(30, 30, 35)});
    group(s, r, SewingMachine, 1, {30, 324, desk + 50, kHeight - 10}, 1.3, 1.4, {QColor(235, 225, 200), QColor(130, 185, 165), QColor(40, 40, 45)}, QColor(200, 40, 40));
    spares(s, r, Cup, 1, {30, 324, desk + 70, kHeight - 10}, 1.1, 1.2, kCrockery);
}

void buildMoonBase(Scene& s, Rng& r, int v)
{
    v %= 3;
    Daylight d = night(r);
    d.sky = {{0, QColor(4, 6, 16)}, {1, QColor(20, 24, 44)}};
    s.finish.tint = QColor(235, 235, 255);
    const double horizon = 200 + v * 40 + r.range(-8, 8);
    skyAndGround(s, r, d, horizon, QColor(150, 150, 155), QColor(120, 120, 128));
    {
        QPainter p(&s.base); // craters
        p.setRenderHint(QPainter::Antialiasing);
        Rng c(r.seed());
        for (int i = 0; i < 14; ++i) {
            const double y = c.range(horizon + 10, kHeight), w = 10 + (y - horizon) * 0.25;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(80, 80, 88, 140));
            p.drawEllipse(QRectF(c.range(0, kWidth), y, w, w * 0.35));
        }
    }
    put(s, Planet, r.range(60, 290), 70 + v * 20, 1.4, QColor(70, 120, 200));
    group(s, r, Module, many(s, 2), {40, 314, horizon + 30, horizon + 90}, 1.0, 1.2, {QColor(220, 220, 225)}, QColor(200, 60, 50));
    group(s, r, Panel, 2, {40, 314, horizon + 60, horizon + 130}, 0.9, 1.1, {QColor(60, 80, 140)});
    group(s, r, Rocket, 1, {40, 314, horizon + 60, horizon + 120}, 1.2, 1.3, {QColor(230, 230, 235)}, QColor(200, 50, 40));
    // The crew out on the surface, each in a suit of their own.
    for (const QColor& suit : {QColor(240, 240, 245), QColor(235, 200, 150), QColor(170, 190, 225)})
        group(s, r, Astronaut, 1, {30, 324, horizon + 80, kHeight - 24}, 1.1, 1.4, {suit}, QColor(230, 170, 60));
    group(s, r, Rock, many(s, 3), {20, 334, horizon + 60, kHeight - 10}, 0.9, 1.2, {QColor(130, 130, 135)});
    group(s, r, Star, many(s, 6), {15, 339, 15, horizon - 40}, 0.8, 1.1, {QColor(255, 250, 220)});
    group(s, r, Satellite, 1, {40, 314, 30, horizon - 60}, 1.0, 1.1, {QColor(200, 200, 210)}, QColor(60, 80, 140));
    group(s, r, Satellite, 1, {40, 314, 30, horizon - 60}, 1.1, 1.2, {QColor(225, 185, 80)}, QColor(150, 60, 50));
    group(s, r, Rover, 1, {40, 314, horizon + 70, kHeight - 20}, 1.1, 1.2, {QColor(225, 225, 230), QColor(230, 190, 80)});
    // The base's flag by its landing place, a stack of supplies near the
    // front and rocks drifting past high over the moon.
    group(s, r, Flag, 1, {40, 314, horizon + 40, horizon + 110}, 1.0, 1.1, {QColor(215, 45, 45), QColor(45, 95, 205)});
    // Supplies stacked at the foot of the first module, one crate each side.
    for (const Obj& m : std::vector<Obj>(s.objs))
        if (m.kind == Module) {
            const QRect b = bounds(m);
            put(s, Crate, b.left() - 12, m.pos.y() + 4, 1.0, QColor(205, 205, 210), QColor(60, 80, 140)).loose = true;
            put(s, Crate, b.right() + 12, m.pos.y() + 6, 1.05, QColor(230, 190, 80), QColor(60, 80, 140)).loose = true;
            break;
        }
    group(s, r, Asteroid, 2, {30, 324, 110, horizon - 50}, 0.95, 1.15, {QColor(150, 125, 105), QColor(125, 118, 110)});
    spares(s, r, Star, 2, {30, 324, 20, horizon - 40}, 0.9, 1.0, {QColor(255, 250, 220)});
    spares(s, r, Rock, 1, {30, 324, horizon + 60, kHeight - 10}, 1.0, 1.1, {QColor(130, 130, 135)});
    for (Obj& o : s.objs)
        if (o.kind == Rock)
            o.variant = 0, o.deny |= Detail; // no moss on the moon
}

void buildAquarium(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(235, 250, 255);
    const double sand = 360 + v * 20;
    s.surfaces = Surfaces::at(sand, true, true);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor waters[3][2] = {{QColor(90, 180, 200), QColor(30, 100, 130)}, {QColor(130, 200, 150), QColor(30, 110, 80)},
                                     {QColor(60, 110, 200), QColor(15, 35, 90)}};
        verticalGradient(p, QRectF(0, 0, kWidth, sand), {{0, waters[v][0]}, {1, waters[v][1]}});
        lightRays(p, QRectF(0, 0, kWidth, sand), 5, r.seed());
        verticalGradient(p, QRectF(0, sand, kWidth, kHeight - sand), {{0, QColor(210, 190, 140)}, {1, QColor(180, 160, 110)}});
        // The water's surface seen from below: a bright, rippled band.
        verticalGradient(p, QRectF(0, 0, kWidth, 16), {{0, QColor(225, 245, 250)}, {1, withAlpha(waters[v][0], 0)}});
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
        for (double x = 0; x < kWidth; x += 18)
            p.drawArc(QRectF(x, 6 + std::fmod(x * 0.37, 4.0), 18, 6), 0, 180 * 16);
    }
    noiseTexture(s.base, QRect(0, int(sand), kWidth, kHeight - int(sand)), 3, 12, r.seed());
    group(s, r, Seaweed, many(s, 4), {15, 339, sand + 5, sand + 30}, 0.9, 1.2, {QColor(60, 140, 70)});
    group(s, r, Coral, many(s, 2), {30, 324, sand + 10, sand + 40}, 0.9, 1.1, {QColor(240, 120, 120), QColor(240, 170, 70)});
    group(s, r, Fish, many(s, 7), {25, 329, 40, sand - 30}, 1.0, 1.4, {QColor(240, 140, 30), QColor(240, 210, 40), QColor(60, 120, 220), QColor(220, 60, 60)});
    group(s, r, Bubbles, many(s, 3), {20, 334, 80, sand - 20}, 0.9, 1.1, {QColor(230, 245, 255)});
    group(s, r, Shell, many(s, 3), {20, 334, sand + 30, kHeight - 10}, 1.1, 1.3, {QColor(240, 200, 180)});
    group(s, r, Starfish, many(s, 2), {20, 334, sand + 30, kHeight - 10}, 1.0, 1.2, {QColor(240, 120, 60)});
    group(s, r, Crab, 1, {30, 324, sand + 40, kHeight - 10}, 1.1, 1.2, {QColor(220, 70, 40)});
    group(s, r, Octopus, 1, {30, 324, sand + 10, kHeight - 20}, 1.1, 1.2, {QColor(220, 100, 80), QColor(170, 90, 190)});
    group(s, r, Seahorse, many(s, 2), {30, 324, 60, sand - 40}, 1.1, 1.2, {QColor(245, 190, 60), QColor(240, 120, 90)});
    group(s, r, TreasureChest, 1, {40, 314, sand + 20, kHeight - 15}, 1.1, 1.2, {QColor(130, 85, 50)});
    spares(s, r, Fish, 2, {30, 324, 40, sand - 30}, 1.1, 1.2, {QColor(240, 210, 40)});
}

void buildCampsite(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = v == 1 ? daylight(3, r) : v == 2 ? daylight(0, r) : night(r); // evening, night, early morning
    s.finish.tint = v == 1 ? QColor(255, 230, 210) : v == 2 ? QColor(250, 248, 240) : QColor(215, 220, 255);
    const double horizon = 190 + v * 30 + r.range(-8, 8);
    skyAndGround(s, r, d, horizon, QColor(40, 70, 45), QColor(50, 70, 60), 300);
    for (int i = 0; i < 8; ++i)
        put(s, Fir, r.range(10, 344), horizon + 5, r.range(0.5, 0.7), QColor(25, 55, 45));
    group(s, r, Tent, 2 + v % 2, {40, 314, horizon + 60, horizon + 150}, 1.2, 1.5, {QColor(230, 120, 40), QColor(60, 120, 80), QColor(200, 60, 60)}, QColor(250, 220, 60));
    group(s, r, Lamp, 2, {30, 324, horizon + 90, kHeight - 30}, 0.9, 1.0, {QColor(40, 45, 50)});
    for (Obj& o : s.objs)
        if (o.kind == Lamp)
            o.variant = 1;
    garland(s, r, horizon + 34, 12, many(s, 8), {QColor(255, 210, 90), QColor(255, 140, 90)});
    if (v != 2) // no stars in the morning
        group(s, r, Star, many(s, 8), {15, 339, 15, horizon - 60}, 0.7, 1.0, {QColor(255, 250, 220)});
    group(s, r, Crate, 2, {30, 324, horizon + 120, kHeight - 10}, 1.1, 1.2, {QColor(150, 110, 70)}, QColor(60, 120, 80));
    group(s, r, Cup, many(s, 2), {30, 324, horizon + 140, kHeight - 10}, 1.1, 1.3, kCrockery);
    group(s, r, Rock, many(s, 3), {20, 334, horizon + 100, kHeight - 10}, 0.9, 1.2, {QColor(90, 95, 100)});
    group(s, r, Mushroom, 2, {20, 334, horizon + 100, kHeight - 10}, 1.0, 1.1, {QColor(200, 60, 30)});
    group(s, r, Lantern, many(s, 2), {30, 324, horizon + 60, kHeight - 10}, 1.1, 1.2, {QColor(60, 55, 50), QColor(150, 60, 40)});
    group(s, r, Kettle, 1, {30, 324, horizon + 60, kHeight - 10}, 1.1, 1.2, {QColor(120, 120, 125)}, QColor(70, 70, 75));
    group(s, r, Fox, 1, {30, 324, horizon + 40, kHeight - 10}, 1.0, 1.1, {QColor(210, 110, 40)});
    group(s, r, Stool, 1, {30, 324, horizon + 60, kHeight - 10}, 1.2, 1.3, {QColor(130, 95, 60)});
    group(s, r, Campfire, 1, {60, 294, horizon + 110, kHeight - 30}, 1.2, 1.3, {QColor(120, 120, 125)});
    group(s, r, Stump, many(s, 2), {30, 324, horizon + 70, kHeight - 10}, 1.1, 1.2, {QColor(120, 85, 55)});
    group(s, r, Bear, 1, {30, 324, horizon + 14, horizon + 40}, 0.95, 1.05, {QColor(105, 72, 45)});
    group(s, r, Boar, 1, {30, 324, horizon + 20, horizon + 60}, 0.9, 1.0, {QColor(85, 65, 50)});
    if (v != 2)
        spares(s, r, Star, 2, {30, 324, 20, horizon - 60}, 0.8, 1.0, {QColor(255, 250, 220)});
    else
        spares(s, r, Mushroom, 2, {30, 324, horizon + 100, kHeight - 10}, 1.0, 1.1, {QColor(200, 60, 30)});
    group(s, r, Milestone, 1, {40, 314, horizon + 80, kHeight - 30}, 1.4, 1.5, {QColor(190, 190, 195)});
}

void buildSnowyVillage(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = v == 1 ? daylight(0, r) : night(r);
    s.finish.tint = v == 1 ? QColor(240, 245, 255) : QColor(215, 220, 255);
    const double ground = 230 + v * 25 + r.range(-8, 8);
    skyAndGround(s, r, d, ground, QColor(225, 232, 248), QColor(205, 215, 238));
    const int houses = 2 + (v != 2);
    for (int i = 0; i < houses; ++i)
        house(s, r, (i + 0.5) * kWidth / houses + r.range(-10, 10), ground + 40 + (i % 2) * 15, 0.9,
              anyOf(r, {QColor(190, 120, 80), QColor(220, 200, 160), QColor(150, 90, 70)}), QColor(240, 244, 252), d.night);
    group(s, r, Fir, many(s, 4), {15, 339, ground + 90, kHeight - 30}, 0.9, 1.2, {QColor(35, 85, 60)});
    group(s, r, Snowman, many(s, 2), {30, 324, ground + 100, kHeight - 10}, 1.2, 1.4, {QColor(40, 40, 45)}, QColor(210, 40, 40));
    garland(s, r, ground + 56, 10, many(s, 8), {QColor(255, 210, 90), QColor(255, 100, 90), QColor(120, 200, 255)});
    group(s, r, Crate, 1, {30, 324, ground + 110, kHeight - 10}, 1.1, 1.2, {QColor(150, 110, 70)}, QColor(200, 50, 40));
    group(s, r, Bird, many(s, 2), {30, 324, ground + 100, kHeight - 10}, 1.2, 1.3, {QColor(110, 90, 70)}, QColor(220, 70, 40));
    group(s, r, Mailbox, 1, {40, 314, ground + 40, kHeight - 20}, 1.1, 1.2, {QColor(40, 80, 160), QColor(200, 40, 40)});
    group(s, r, Lantern, many(s, 2), {20, 334, ground + 40, kHeight - 10}, 1.1, 1.2, {QColor(60, 55, 50)});
    group(s, r, Crow, many(s, 2), {20, 334, ground + 30, kHeight - 10}, 1.0, 1.1, {QColor(30, 30, 38)});
    group(s, r, Dog, 1, {30, 324, ground + 60, kHeight - 10}, 1.1, 1.2, {QColor(150, 100, 60), QColor(60, 50, 45)});
    group(s, r, Sled, many(s, 2), {30, 324, ground + 60, kHeight - 10}, 1.1, 1.2, {QColor(190, 60, 45), QColor(60, 90, 160), QColor(150, 105, 65)});
    group(s, r, Robin, many(s, 2), {30, 324, ground + 60, kHeight - 10}, 1.1, 1.2, {QColor(125, 95, 65)});
    group(s, r, BirdFeeder, 1, {30, 324, ground + 40, ground + 90}, 1.1, 1.2, {QColor(150, 105, 65)}, QColor(180, 50, 40));
    spares(s, r, Snowman, 1, {30, 324, ground + 100, kHeight - 10}, 1.2, 1.3, {QColor(40, 40, 45)}, QColor(210, 40, 40));
}

void buildAlpineMeadow(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v, r);
    s.finish.tint = d.tint;
    const double horizon = 160 + v * 40 + r.range(-8, 8);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, horizon);
        hills(p, horizon - 60, 110, 120, QColor(235, 240, 250), mix(d.haze, QColor(110, 120, 140), 0.5), r.seed(), horizon + 5);
    }
    skyAndGround(s, r, Daylight{{{0, QColor(0, 0, 0, 0)}}, QColor(0, 0, 0, 0), QPointF(-100, -100), d.tint, d.haze, false},
                 horizon + 20, QColor(90, 150, 60), QColor(120, 170, 80), 500);
    for (int i = 0; i < 6; ++i)
        put(s, Fir, r.range(10, 344), horizon + 25, r.range(0.45, 0.6), QColor(35, 80, 55));
    put(s, House, v == 2 ? 70 : 280, horizon + 70, 0.8, QColor(150, 100, 60), QColor(110, 70, 50)).shape = 0;
    group(s, r, Cattle, many(s, 4), {20, 334, horizon + 60, kHeight - 20}, 0.7, 1.2, {QColor(150, 95, 55), QColor(230, 225, 215)});
    put(s, Fence, r.range(80, 270), horizon + 110, 1.2, QColor(130, 100, 70)).count = 6;
    put(s, Birdhouse, r.range(40, 314), horizon + 130, 1.2, QColor(200, 160, 110), QColor(150, 50, 40));
    group(s, r, Flower, many(s, 9), {15, 339, horizon + 70, kHeight - 10}, 1.0, 1.3, kBright);
    group(s, r, Butterfly, many(s, 2), {20, 334, horizon + 40, kHeight - 40}, 1.1, 1.2, kBright, QColor(40, 30, 30));
    group(s, r, Rock, 2, {20, 334, horizon + 80, kHeight - 10}, 0.9, 1.1, {QColor(150, 150, 155)});
    flying(s, r, 2, horizon - 80, QColor(50, 50, 60));
    group(s, r, Goat, many(s, 2), {20, 334, horizon + 50, kHeight - 10}, 1.0, 1.2, {QColor(240, 236, 225), QColor(150, 110, 70)});
    group(s, r, MilkCan, 1, {30, 324, horizon + 60, kHeight - 10}, 1.1, 1.2, {QColor(190, 195, 200)});
    group(s, r, Signpost, 1, {40, 314, horizon + 40, horizon + 90}, 1.1, 1.2, {QColor(150, 110, 70)});
    group(s, r, Bench, 1, {40, 314, horizon + 60, kHeight - 20}, 1.2, 1.3, {QColor(120, 85, 55)});
    group(s, r, Milestone, 1, {40, 314, horizon + 60, kHeight - 30}, 1.4, 1.5, {QColor(210, 205, 195)});
    group(s, r, Deer, 1, {30, 324, horizon + 40, horizon + 90}, 1.0, 1.1, {QColor(150, 100, 60)});
    group(s, r, Chamois, many(s, 2), {20, 334, horizon + 15, horizon + 70}, 0.9, 1.0, {QColor(130, 95, 60)});
    group(s, r, Llama, 1, {30, 324, horizon + 40, horizon + 110}, 1.0, 1.1, {QColor(235, 222, 200), QColor(150, 110, 75)});
    group(s, r, Lamb, many(s, 2), {20, 334, horizon + 60, kHeight - 10}, 1.0, 1.1, {QColor(245, 242, 235)});
    group(s, r, Beehive, 1, {30, 324, horizon + 60, kHeight - 10}, 1.1, 1.2, {QColor(215, 175, 90)});
    spares(s, r, Flower, 2, {30, 324, horizon + 70, kHeight - 10}, 1.0, 1.2, {QColor(150, 80, 200)});
}

void buildPier(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(2 - v, r); // afternoon, noon, morning
    s.finish.tint = d.tint;
    const double horizon = 150 + v * 30 + r.range(-8, 8), deck = horizon + 160;
    skyAndGround(s, r, d, horizon, QColor(40, 90, 110), QColor(60, 110, 130));
    water(s, r, d, horizon, kHeight, QColor(30, 80, 100));
    {
        QPainter p(&s.base);
        planks(p, QRectF(0, deck, kWidth, kHeight - deck), QColor(150, 115, 80), 14, true, r.seed());
        p.fillRect(QRectF(0, deck, kWidth, 4), QColor(60, 40, 30, 140));
    }
    put(s, Lighthouse, v == 1 ? 60 : 300, horizon + 10, 0.6, QColor(240, 240, 235), QColor(200, 50, 40));
    group(s, r, Boat, many(s, 3), {30, 324, horizon + 30, deck - 20}, 0.5, 0.9, {QColor(250, 250, 245), QColor(60, 90, 160), QColor(200, 60, 50)}, QColor(245, 240, 230), QColor(40, 90, 160));
    group(s, r, Buoy, 2, {30, 324, horizon + 30, deck - 10}, 0.8, 1.0, {QColor(240, 90, 30)});
    flying(s, r, many(s, 4), horizon - 30, QColor(245, 245, 245));
    deckGear(s, r, deck, false);
}

void buildCafe(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 244, 230);
    const double table = 212 + v * 24;
    s.surfaces = Surfaces::at(table, true, false);
    s.surfaces.tableTop = true;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        wallpaper(p, QRectF(0, 0, kWidth, table), QColor(110, 60, 50), QColor(130, 75, 60), v + 2);
        // Windows onto the street, each composition its own: one to the
        // left, a wide one to the right, or a narrow pair either side.
        const std::vector<QRectF> panes = v == 0 ? std::vector<QRectF>{QRectF(30, 26, 136, table - 62)}
                                        : v == 1 ? std::vector<QRectF>{QRectF(150, 24, 170, table - 90)}
                                                 : std::vector<QRectF>{QRectF(24, 40, 70, table - 80), QRectF(260, 40, 70, table - 80)};
        for (const QRectF& w : panes) {
            s.surfaces.glass.push_back(w.adjusted(-2, -2, 2, 2)); // with its frame
            p.fillRect(w, QColor(170, 200, 220));
            // The street outside: the houses across the way, their windows.
            p.save();
            p.setClipRect(w);
            for (double x = w.left() - r.range(0, 20); x < w.right(); x += 34) {
                const double h = r.range(0.35, 0.6) * w.height();
                const QColor front = anyOf(r, {QColor(215, 190, 160), QColor(190, 160, 140), QColor(225, 210, 180)});
                p.fillRect(QRectF(x, w.bottom() - h, 32, h), front);
                for (double wy = w.bottom() - h + 8; wy < w.bottom() - 12; wy += 18)
                    p.fillRect(QRectF(x + 8, wy, 7, 10), QColor(90, 110, 130)), p.fillRect(QRectF(x + 19, wy, 7, 10), QColor(90, 110, 130));
            }
            p.fillRect(QRectF(w.left(), w.bottom() - 8, w.width(), 8), QColor(150, 145, 140));
            p.restore();
            p.setPen(QPen(QColor(250, 245, 235), 4));
            p.setBrush(Qt::NoBrush);
            p.drawRect(w);
            p.drawLine(QPointF(w.center().x(), w.top()), QPointF(w.center().x(), w.bottom()));
            p.setPen(Qt::NoPen);
        }
        QRadialGradient cloth(QPointF(177, table + 150), 260); // a round marble table top
        cloth.setColorAt(0, QColor(245, 242, 236));
        cloth.setColorAt(1, QColor(205, 200, 195));
        p.setPen(Qt::NoPen);
        p.setBrush(cloth);
        p.drawRect(QRectF(0, table, kWidth, kHeight - table));
    }
    noiseTexture(s.base, QRect(0, int(table), kWidth, kHeight - int(table)), 14, 8, r.seed(), 3);
    // A laid table, not rows of crockery: a place at each seat (a plate with
    // its cup, a glass at the near ones), the pot, the flowers and a cake in
    // the middle. One set of crockery to a café.
    // Each seat has its own cup and plate (a café's crockery is odd pieces).
    std::vector<QColor> china(kCrockery);
    for (std::size_t i = china.size(); i > 1; --i)
        std::swap(china[i - 1], china[r.next() % i]);
    const double farY = table + 62, nearY = kHeight - 34, midY = farY + (nearY - farY) * 0.42 + r.range(-6, 6);
    setOut(s, r, 84 + r.range(-10, 10), farY, {SaltShaker, Cup, Plate}, 1.0, {QColor(245, 245, 240), china[0], china[1]});
    setOut(s, r, 270 + r.range(-10, 10), farY, {Plate, Cup, Bowl}, 1.0, {china[2], china[3], china[4]});
    setOut(s, r, 40 + r.range(0, 10), midY + 4, {Cupcake}, 1.15, {QColor(245, 200, 215)});
    setOut(s, r, 314 - r.range(0, 10), midY + 4, {Donut}, 1.15, {QColor(110, 65, 40)});
    setOut(s, r, 177 + r.range(-12, 12), midY, {Fruit, Candle, Vase, CoffeePot, Cake, Fruit}, 1.0,
           {QColor(200, 40, 40), QColor(245, 240, 225), anyOf(r, {QColor(60, 110, 180), QColor(200, 80, 60)}), QColor(190, 195, 200),
            QColor(220, 170, 110), QColor(150, 190, 50)});
    setOut(s, r, 78 + r.range(-8, 8), nearY, {Glass, Plate, Cup}, 1.25, {QColor(200, 225, 235), china[3], china[2]});
    setOut(s, r, 276 + r.range(-8, 8), nearY, {Teapot, Cup, Plate}, 1.25, {china[4], china[0], china[1]});
    for (Obj& o : s.objs)
        if (o.kind == Bowl && o.pos.y() > table)
            o.count = r.between(3, 5); // sugar lumps, or biscuits
    for (Obj& o : s.objs)
        if (o.kind == Candle)
            o.variant = 1;
    put(s, Clock, v == 0 ? r.range(200, 310) : v == 1 ? r.range(50, 100) : 177, 60, 1.3, QColor(200, 160, 70));
    // A shelf on the wall beside the windows with the café's jugs and pots.
    const double shelfX0 = v == 0 ? 190 : v == 1 ? 16 : 112, shelfX1 = v == 0 ? 336 : v == 1 ? 134 : 242, shelfY = table - (v == 0 ? 78 : 42);
    wallShelf(s, shelfX0, shelfX1, shelfY, QColor(120, 80, 50));
    row(s, r, shelfY, shelfX0 + 6, shelfX1 - 6, {Jug, Teapot, CoffeePot, Jar, Cup}, 0.95, 1.1, kCrockery);
    for (int i = 0; i < many(s, 4); ++i)
        put(s, Bulb, (v == 1 ? 20 : 190) + i * 40, 10, 1.4, QColor(255, 220, 130)).variant = 1;
    group(s, r, BeerMug, 1, {30, 324, farY, nearY - 20}, 1.2, 1.3, {QColor(200, 170, 90), QColor(150, 110, 70)});
    group(s, r, Cupcake, 1, {30, 324, farY, nearY - 20}, 1.2, 1.3, {QColor(245, 200, 215), QColor(140, 90, 60)}, QColor(120, 170, 220));
    spares(s, r, Cup, 1, {30, 324, table + 60, kHeight - 20}, 1.2, 1.3, kCrockery);
}

} // namespace levelgen
