// Themes composed from the shared painters by the composition engine: each
// is a backdrop and a list of what stands where, with three compositions.
#include "tools/levelgen/compose.h"
#include "tools/levelgen/furniture.h"
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

// A string of lights out of doors, hung from three wooden poles `height`
// tall (at both edges and in the middle, where the wire is highest), so it
// does not hang from nothing across a field.
void lightsOnPoles(Scene& s, Rng& r, double wire, double sag, double height, int bulbs, std::initializer_list<QColor> colours,
                   const QColor& footShadow)
{
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        for (const double x : {3.0, kWidth / 2.0, kWidth - 3.0}) {
            p.setPen(QPen(QColor(70, 50, 35), 2.4));
            p.drawLine(QPointF(x, wire - 3), QPointF(x, wire + height));
            p.setPen(QPen(footShadow, 3));
            p.drawLine(QPointF(x - 3, wire + height), QPointF(x + 4, wire + height + 1));
        }
    }
    garland(s, r, wire, sag, bulbs, colours);
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

namespace {
// The lifeguard's tall wooden chair, its foot centred on `foot` (`k` 1:
// about 80 px tall), with its ladder, sunshade and red-and-white flag;
// painted in and noted as a set piece.
void lifeguardChair(Scene& s, QPointF foot, double k, bool flagLeft)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor wood(235, 232, 222), edge(150, 140, 125);
    const double x = foot.x(), y = foot.y(), seat = y - 54 * k;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(x - 22 * k, y - 4 * k, 50 * k, 9 * k));
    p.setPen(QPen(edge, 0.8));
    p.setBrush(wood);
    for (const double dx : {-15.0, 13.0}) { // the back legs, then the front ones splayed a little wider
        p.drawRect(QRectF(x + dx * k, seat, 3 * k, y - 6 * k - seat));
    }
    for (const double dx : {-19.0, 16.0})
        p.drawPolygon(QPolygonF({QPointF(x + dx * 0.8 * k, seat + 4 * k), QPointF(x + (dx * 0.8 + 3.4) * k, seat + 4 * k),
                                 QPointF(x + (dx + 3.4) * k, y), QPointF(x + dx * k, y)}));
    p.drawRect(QRectF(x - 18 * k, y - 26 * k, 36 * k, 3 * k)); // the brace
    for (int i = 0; i < 5; ++i) // the ladder's rungs up the front
        p.drawRect(QRectF(x - 7 * k, y - (8 + i * 10) * k, 14 * k, 2 * k));
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(QRectF(x - 18 * k, seat - 3 * k, 36 * k, 5 * k)); // the seat
    p.setBrush(wood);
    p.drawRect(QRectF(x - 15 * k, seat - 18 * k, 30 * k, 15 * k)); // its back
    p.setPen(QPen(edge, 1.2 * k));
    p.drawLine(QPointF(x, seat - 18 * k), QPointF(x, seat - 34 * k)); // the sunshade's pole
    p.setPen(QPen(QColor(170, 40, 35), 0.8));
    p.setBrush(QColor(220, 60, 50));
    p.drawChord(QRectF(x - 22 * k, seat - 42 * k, 44 * k, 18 * k), 0, 180 * 16);
    const double fx = x + (flagLeft ? -20 : 20) * k; // the flag on the chair's corner
    p.setPen(QPen(edge, 1.1 * k));
    p.drawLine(QPointF(fx, seat), QPointF(fx, seat - 30 * k));
    p.setPen(Qt::NoPen);
    const double fw = (flagLeft ? -12 : 12) * k;
    p.setBrush(QColor(220, 50, 45));
    p.drawRect(QRectF(fx, seat - 30 * k, fw, 4 * k));
    p.setBrush(QColor(245, 240, 230));
    p.drawRect(QRectF(fx, seat - 26 * k, fw, 4 * k));
    s.surfaces.pieces.push_back(QRectF(x - 32 * k, seat - 42 * k, 64 * k, y - seat + 42 * k + 4 * k));
}

// A striped windbreak on its poles (`w` wide, its foot on `foot`) with a
// cool box before it: someone's place on the sand, painted in.
void windbreak(Scene& s, QPointF foot, double w, const QColor& stripe, bool boxLeft)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = 26, x0 = foot.x() - w / 2, y = foot.y();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(x0 + 4, y - 2, w, 6));
    for (int i = 0; i < 4; ++i) { // cloth between the poles, each panel a little turned
        const QRectF panel(x0 + i * w / 4, y - h + (i % 2) * 2, w / 4, h - (i % 2) * 2);
        p.fillRect(panel, litGradient(panel, i % 2 ? QColor(245, 240, 228) : stripe, 0.3));
    }
    p.setPen(QPen(QColor(110, 80, 55), 1.6));
    for (int i = 0; i <= 4; ++i)
        p.drawLine(QPointF(x0 + i * w / 4, y - h - 4), QPointF(x0 + i * w / 4, y + 2));
    const QRectF box(foot.x() + (boxLeft ? -w / 2 + 4 : w / 2 - 26), y - 6, 22, 14); // the cool box, its lid and handle
    p.setPen(QPen(QColor(30, 70, 120), 0.8));
    p.setBrush(litGradient(box, QColor(60, 130, 200), 0.35));
    p.drawRoundedRect(box, 2, 2);
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRectF(box.left(), box.top(), box.width(), 4));
    p.setPen(QPen(QColor(245, 245, 240), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(box.center().x() - 5, box.top() - 4, 10, 8), 0, 180 * 16);
    s.surfaces.pieces.push_back(QRectF(x0, y - h - 4, w, h + 8));
    s.surfaces.pieces.push_back(box.adjusted(0, -4, 0, 0));
}

// Bathers' heads in the sea, each in its ring of ripples, and a pedalo:
// painted in the water between y0 and y1 where nothing floats.
void bathers(Scene& s, Rng& r, double y0, double y1, int heads, bool pedalo)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor caps[] = {QColor(230, 60, 50), QColor(250, 210, 50), QColor(60, 120, 210), QColor(245, 245, 240)};
    for (int i = 0, tries = 0; i < heads + (pedalo ? 1 : 0) && tries < 40; ++tries) {
        const bool boat = pedalo && i == heads;
        const double x = r.range(30, kWidth - 30), y = r.range(y0, y1), k = 0.8 + 0.4 * (y - y0) / std::max(1.0, y1 - y0);
        const QRectF room = boat ? QRectF(x - 22 * k, y - 16 * k, 44 * k, 22 * k) : QRectF(x - 10, y - 8, 20, 14);
        if (!clearOfThings(s, room.adjusted(-8, -8, 8, 8)))
            continue;
        p.setPen(QPen(QColor(255, 255, 255, 140), 0.9));
        p.setBrush(Qt::NoBrush);
        if (boat) {
            p.drawEllipse(QRectF(x - 20 * k, y - 1.5 * k, 40 * k, 5 * k));
            p.setPen(QPen(QColor(170, 170, 165), 0.7));
            p.setBrush(QColor(250, 250, 245)); // its two floats and the seats between
            p.drawRoundedRect(QRectF(x - 17 * k, y - 4 * k, 34 * k, 5 * k), 2.5 * k, 2.5 * k);
            p.setBrush(QColor(240, 130, 40));
            p.drawRect(QRectF(x - 9 * k, y - 11 * k, 7 * k, 7 * k));
            p.drawRect(QRectF(x + 1 * k, y - 11 * k, 7 * k, 7 * k));
            p.setPen(QPen(QColor(60, 140, 200), 2 * k)); // the slide at its back
            p.drawLine(QPointF(x + 10 * k, y - 14 * k), QPointF(x + 17 * k, y - 4 * k));
        } else {
            p.drawEllipse(QRectF(x - 7 * k, y + 1, 14 * k, 3.5 * k));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(225, 180, 145)); // a face, and the swimming cap over it
            p.drawEllipse(QPointF(x, y), 3.4 * k, 3.4 * k);
            p.setBrush(caps[(i + int(r.next() % 4)) % 4]);
            p.drawChord(QRectF(x - 3.6 * k, y - 3.8 * k, 7.2 * k, 7 * k), 20 * 16, 140 * 16);
        }
        s.surfaces.pieces.push_back(boat ? QRectF(x - 17 * k, y - 14 * k, 34 * k, 15 * k) : QRectF(x - 3.5 * k, y - 3.8 * k, 7 * k, 7.2 * k));
        ++i;
    }
}

// A row of striped bathing huts at the back of the sand, from x0, 160 px
// long, their feet on `foot`: painted in, and noted as solid.
void bathingHuts(Scene& s, Rng& r, const Daylight& d, double x0, double foot, bool fromLeft)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor stripes[] = {QColor(210, 60, 60), QColor(50, 110, 190), QColor(60, 150, 100), QColor(240, 190, 50)};
    const int first = int(r.next() % 4);
    for (int i = 0; i < 4; ++i) {
        const double k = fromLeft ? 0.86 + 0.05 * i : 1.01 - 0.05 * i; // the row runs back from the picture's side
        const double w = 30 * k, h = 40 * k, x = x0 + i * 40, y = foot - (fromLeft ? 3 - i : i) * 2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawEllipse(QRectF(x - 3, y - 3, w + 8, 6));
        const QRectF front(x, y - h, w, h);
        p.fillRect(front, QColor(248, 244, 235));
        const QColor c = mix(stripes[(first + i) % 4], d.tint, 0.1);
        for (double sx = front.left() + 2; sx < front.right() - 2; sx += 8) // its painted boards
            p.fillRect(QRectF(sx, front.top(), 4, h), c);
        p.setPen(QPen(shade(c, 0.6), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(front);
        QPolygonF roof;
        roof << QPointF(x - 3, y - h) << QPointF(x + w / 2, y - h - 12 * k) << QPointF(x + w + 3, y - h);
        p.setPen(QPen(shade(c, 0.5), 0.8));
        p.setBrush(shade(c, 0.8));
        p.drawPolygon(roof);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 45, 35)); // the door ajar
        p.drawRect(QRectF(x + w * 0.3, y - h * 0.62, w * 0.4, h * 0.62));
        s.surfaces.pieces.push_back(QRectF(x - 3, y - h - 12 * k, w + 6, h + 12 * k));
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
    farTown(s, r, d, horizon);
    group(s, r, Boat, many(s, 2), {30, 324, horizon + 15, shoreline - 20}, 0.4, 0.6, {QColor(250, 250, 245)}, QColor(250, 248, 240), QColor(200, 60, 50));
    group(s, r, Buoy, many(s, 2), {30, 324, horizon + 20, shoreline - 8}, 0.8, 1.0, {QColor(240, 90, 30)});
    // Composed, not strewn: palms at the back to either side, shells and
    // starfish along the wet sand at the water's edge with the crabs, a
    // sandcastle with its bucket by the water, and a family's spot on the
    // beach: a towel with the parasol behind it, a deck chair beside it, a
    // ball and a slice of melon on it.
    const bool spotLeft = r.chance(0.5) != (v == 2); // the last visit sees it from the other side
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
    // A flamingo wading in the shallows, as on a warm sea's shore.
    put(s, Flamingo, spotLeft ? r.range(40, 70) : r.range(284, 314), shoreline + 4, 1.0, QColor(240, 130, 150)).mirror = !spotLeft;
    spare(s, Shell, spotLeft ? r.range(130, 150) : r.range(204, 224), shoreline + 12, 1.1, QColor(240, 200, 180));
    spare(s, Starfish, cx + dir * 34, cy + 2, 0.9, QColor(245, 200, 70)).count = 5;
    spare(s, Crab, tx - dir * 60, ty - 30, 1.0, QColor(230, 120, 50));
    // A cup set down on the towel: the last beaches need one more thing to add.
    spare(s, Cup, tx - dir * 8, ty - 8, 1.1, QColor(60, 110, 180));
    // Nearer on the palms' side, a second family's smaller towel, their
    // picnic basket and a bottle of lemonade on it.
    const double px = spotLeft ? r.range(250, 276) : r.range(78, 104), py = std::min(kHeight - 34.0, ty + r.range(44, 60));
    const QRectF cloth(px - 36, py - 16, 72, 32);
    rug(s, cloth, anyOf(r, {QColor(240, 240, 230), QColor(90, 170, 120), QColor(230, 120, 60)}), std::uint32_t(r.next()));
    gear(s, Basket, px - dir * 14, py + 4, 1.0, QColor(190, 150, 90), QColor(160, 120, 60));
    gear(s, Bottle, px + dir * 14, py + 2, 0.9, QColor(240, 200, 60), QColor(250, 248, 240));
    if (v != 0)
        bathingHuts(s, r, d, spotLeft ? 16 : kWidth - 176, shoreline + 50, spotLeft);
    // The lifeguard's chair where the sand is clear, on the palms' side
    // first, smaller further back; bathers and a pedalo out in the water;
    // another family's windbreak and cool box. Their own draws, so the rest
    // of the beach stays where it was; each the nearest place that is clear.
    Rng look(0xA9A0 + std::uint64_t(v));
    const auto chairK = [&](double y) { return 0.62 + 0.3 * (y - shoreline) / (kHeight - shoreline); };
    const auto chairAt = [&](double x, double y) { return QRectF(x - 34 * chairK(y), y - 96 * chairK(y), 68 * chairK(y), 102 * chairK(y)); };
    const auto nearestClear = [&](double x0, double x1, const auto& box) {
        for (double y = kHeight - 30; y >= shoreline + 60; y -= 4)
            for (double x = x0; x <= x1; x += 8)
                if (clearOfThings(s, box(x, y)))
                    return QPointF(x, y);
        return QPointF(-1, -1);
    };
    QPointF chair = nearestClear(spotLeft ? 228 : 34, spotLeft ? 320 : 126, chairAt);
    if (chair.x() < 0)
        chair = nearestClear(34, 320, chairAt);
    if (chair.x() > 0)
        lifeguardChair(s, chair, chairK(chair.y()), !spotLeft);
    bathers(s, look, horizon + 24, shoreline - 12, 3, v != 1);
    const QPointF wind = nearestClear(50, 304, [](double x, double y) { return QRectF(x - 40, y - 34, 82, 44); });
    if (wind.x() > 0)
        windbreak(s, wind, 72, anyOf(look, {QColor(60, 140, 90), QColor(230, 120, 40), QColor(60, 110, 190)}), wind.x() > kWidth / 2.0);
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
    if (v == 2) { // the pickers' break: a jug on the stump
        Rng mug(0x0C5A);
        const std::size_t stumpAt = s.objs.size() - 3;
        Obj& jug = gear(s, Jug, stumpX - 3, stumpY - 24, 0.8, anyOf(mug, {QColor(200, 120, 70), QColor(60, 110, 180)}), QColor(240, 230, 210));
        setOn(jug, s.objs[stumpAt]);
    }
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
    // The pond as its keeper knows it: a jetty run out from the near bank,
    // the lilies at the other side, the reeds in two beds at the water's ends
    // with the heron fishing by one; the ducks and the swans out on the
    // water; the far bank's tree with its bench and bird box; the near bank
    // a flower bed at one side and the geese grazing at the other.
    const double cy = (pondTop + pondBottom) / 2;
    const double jetty = v == 1 ? 92 : 258, lilies = v == 1 ? 250 : 96, toLilies = lilies > jetty ? 1 : -1;
    const double deckTop = cy - 6, deckFoot = pondBottom + 16;
    Rng look(0xD0C0 + std::uint64_t(v));
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        // The lily pads, each with its notch, a few in flower.
        for (int i = 0; i < 11; ++i) {
            const QPointF at(lilies + look.range(-52, 52), look.range(cy - 20, pondBottom - 24));
            const double w = 9 + 8 * (at.y() - pondTop) / (pondBottom - pondTop);
            QPainterPath pad;
            const double notch = look.range(0, 360);
            pad.moveTo(at);
            pad.arcTo(QRectF(at.x() - w, at.y() - w * 0.4, 2 * w, w * 0.8), notch + 20, 320);
            pad.closeSubpath();
            p.setPen(QPen(QColor(40, 90, 40), 0.8));
            p.setBrush(litGradient(pad.boundingRect(), QColor(80, 140, 60), 0.3));
            p.drawPath(pad);
            if (i % 4 == 1) {
                const QColor bloom = i % 8 == 1 ? QColor(250, 250, 245) : QColor(245, 170, 200);
                p.setPen(QPen(shade(bloom, 0.75), 0.6));
                p.setBrush(bloom);
                for (int k = 0; k < 5; ++k) {
                    const double a = -M_PI / 2 + (k - 2) * 0.5;
                    p.drawEllipse(at + QPointF(std::cos(a) * w * 0.3, std::sin(a) * w * 0.3 - 1), w * 0.18, w * 0.3);
                }
                p.setBrush(QColor(250, 210, 60));
                p.drawEllipse(at + QPointF(0, -1.5), w * 0.12, w * 0.1);
            }
        }
        // The jetty: its posts in the water, its deck widening towards us.
        const QColor wood(140, 105, 70);
        QPolygonF deck;
        deck << QPointF(jetty - 11, deckTop) << QPointF(jetty + 11, deckTop) << QPointF(jetty + 20, deckFoot) << QPointF(jetty - 20, deckFoot);
        p.setPen(Qt::NoPen);
        for (double t : {0.0, 0.45}) {
            const double y = deckTop + (deckFoot - deckTop) * t, half = 11 + 9 * t;
            for (const double side : {-1.0, 1.0}) {
                p.setBrush(shade(wood, 0.55));
                p.drawRect(QRectF(jetty + side * half - 2, y, 4, 10 + 6 * t));
                p.setBrush(QColor(255, 255, 255, 60)); // the ripple round the post
                p.drawEllipse(QPointF(jetty + side * half, y + 10 + 6 * t), 5, 1.5);
            }
        }
        p.setBrush(shade(wood, 0.7));
        p.drawPolygon(deck.translated(0, 3));
        p.setBrush(litGradient(deck.boundingRect(), wood, 0.25));
        p.drawPolygon(deck);
        p.setPen(QPen(shade(wood, 0.6), 0.8));
        for (double y = deckTop + 5; y < deckFoot; y += 4.5 + 3 * (y - deckTop) / (deckFoot - deckTop)) {
            const double half = 11 + 9 * (y - deckTop) / (deckFoot - deckTop);
            p.drawLine(QPointF(jetty - half, y), QPointF(jetty + half, y));
        }
    }
    s.surfaces.stands.emplace_back(jetty - 11, deckTop, 22, deckFoot - deckTop);
    // On the jetty, the angler's bucket, and the cat at its end watching the water.
    gear(s, Cat, jetty + 2, deckTop + 12, 0.9, QColor(230, 140, 60), QColor(), toLilies < 0);
    gear(s, Bucket, jetty - 6, deckFoot - 12, 0.8, QColor(150, 155, 160), QColor(90, 95, 100));
    // The reeds at both ends of the near shore, the heron in one bed, a coot by the other.
    const double reedsA = 177 - toLilies * 150, reedsB = lilies + toLilies * 40;
    for (int i = 0; i < 2; ++i) {
        put(s, Reed, reedsA + (i - 0.5) * 32 + look.range(-3, 3), pondBottom + 4 + i * 6, 0.85 + 0.08 * i, QColor(100, 130, 60), QColor(110, 70, 40));
        put(s, Reed, reedsB + i * 32 * toLilies, pondBottom + 2 + i * 6, 0.8 + 0.1 * i, QColor(95, 125, 55), QColor(110, 70, 40));
    }
    gear(s, Heron, reedsA + toLilies * 50, pondBottom + 12, 1.05, QColor(170, 175, 185), QColor(), toLilies > 0);
    gear(s, Coot, reedsB - toLilies * 30, pondBottom - 26, 1.0, QColor(35, 35, 40), QColor(), toLilies > 0);
    // Out on the water: a pair of ducks, a drake nosing among the lilies, the swans together.
    const double open = (jetty + lilies) / 2;
    gear(s, Duck, open - 26, cy + 4, 1.0, QColor(120, 90, 60), QColor(90, 120, 80), false);
    gear(s, Duck, open + 2, cy + 14, 1.05, QColor(250, 250, 245), QColor(), true);
    // The drake among the lilies is left as he is: changes to duck after duck would be one find over again.
    gear(s, Duck, lilies - toLilies * 20, cy - 16, 0.9, QColor(90, 120, 80), QColor(), toLilies > 0).deny = ~0u;
    gear(s, Swan, open + 40 * toLilies, pondTop + 34, 0.95, QColor(250, 250, 248), QColor(), toLilies > 0);
    gear(s, Swan, open + 66 * toLilies, pondTop + 40, 0.9, QColor(245, 245, 240), QColor(), toLilies < 0);
    spares(s, r, Duck, 1, {open - 40, open - 30, cy + 24, cy + 30}, 0.95, 1.0, {QColor(235, 225, 205)});
    // Dragonflies hunting along the near shore, out over the grass by the reeds.
    gear(s, Dragonfly, reedsA + toLilies * 24, pondBottom + 4, 1.0, QColor(40, 120, 200));
    gear(s, Dragonfly, reedsB + toLilies * 56, pondBottom + 8, 1.05, QColor(200, 60, 50));
    // The far bank: the tree with the bench in its shade, the bird box, the kingfisher on the edge.
    const double treeX = v == 1 ? 290 : 60;
    put(s, Tree, treeX, horizon + 45, 1.0, QColor(70, 140, 60), QColor(70, 140, 60)).count = 0;
    gear(s, Bench, treeX + (treeX < 177 ? 44 : -44), horizon + 54, 0.95, QColor(120, 85, 55));
    put(s, Birdhouse, v == 1 ? 60 : 300, horizon + 60, 1.2, QColor(200, 160, 110), QColor(150, 50, 40));
    gear(s, Kingfisher, 177 + (treeX < 177 ? 34 : -34), pondTop - 8, 1.15, QColor(40, 140, 210), QColor(), treeX > 177);
    // The near bank: a flower bed with its stones and a snail at one side,
    // the geese grazing at the other, a frog by the reeds.
    const double bed = v == 1 ? 250 : 105, geese = v == 1 ? 95 : 255;
    const double bank = kHeight - pondBottom; // how much near bank this view shows
    const auto onBank = [&](double share) { return std::min(pondBottom + bank * share, kHeight - 8.0); };
    const QColor blooms[3] = {QColor(230, 50, 70), QColor(250, 200, 40), QColor(150, 80, 200)};
    for (int i = 0; i < 3; ++i)
        put(s, Flower, bed + (i - 1) * 22, onBank(0.36 + (i % 2) * 0.1), 1.1, blooms[(i + v) % 3]).count = 5 + i;
    gear(s, Rock, bed - 48, onBank(0.6), 0.9, QColor(140, 140, 145));
    gear(s, Snail, bed + 42, onBank(0.7), 1.1, QColor(200, 150, 80), QColor(), v == 1);
    put(s, Butterfly, bed + 6, onBank(0.1), 1.1, anyOf(look, {QColor(250, 180, 40), QColor(230, 60, 50)}), QColor(40, 30, 30));
    gear(s, Goose, geese - 20, onBank(0.42), 1.05, QColor(250, 250, 245), QColor(), geese > 177);
    gear(s, Goose, geese + 18, onBank(0.62), 1.15, QColor(160, 150, 140), QColor(), geese < 177);
    gear(s, Frog, reedsA + toLilies * 26, onBank(0.5), 1.05, QColor(90, 150, 60));
    flying(s, r, 2, horizon - 40, QColor(50, 50, 60));
    spares(s, r, Flower, 2, {bed - 50, bed + 50, pondBottom + 70, kHeight - 10}, 1.0, 1.2, {QColor(230, 50, 70)});
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
    const int rows = 5;
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
            // The leaves grow in a broad band along the vine, big and lapping
            // over each other, so each row reads as a bed, not a string.
            Rng lr(r.seed() + std::uint64_t(k));
            for (int layer = 0; layer < 2; ++layer)
                for (double x = lr.range(0, 8); x < kWidth + 6; x += lr.range(7, 11) * near) {
                    const double w = lr.range(12, 18) * near, lift = layer ? lr.range(0.2, 0.6) : lr.range(0.7, 1.3);
                    p.setBrush(shade(leaf, layer ? lr.range(0.95, 1.25) : lr.range(0.7, 0.9)));
                    p.drawEllipse(QRectF(x - w / 2, y - w * lift, w, w * 0.7));
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
    // By day the picking has begun in the nearest row: a gap in it where
    // the barrow stands heaped with the crop, a crate, a basket and the
    // pickers' bale by it.
    const bool picking = v != 2;
    const double pickX = crowX < kWidth / 2 ? r.range(214, 244) : r.range(110, 140);
    const auto keptClear = [&](double x, double y, double near) {
        if (std::abs(x - crowX) < 20 * near + 34 && std::abs(y - crowY) < 40)
            return false;
        if (picking && y > rowY[rows - 2] + 20 && std::abs(x - pickX) < 76)
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
    if (picking) {
        const double y = rowY[rows - 1], side = pickX < kWidth / 2 ? 1 : -1;
        gear(s, Haybale, pickX + side * 62, y - 4, 1.5, QColor(215, 185, 100)); // the pickers' seat
        gear(s, Wheelbarrow, pickX, y - 2, 1.55, QColor(120, 130, 140), QColor(110, 80, 55), side < 0).c3 = pumpkinCols[0];
        gear(s, Crate, pickX - side * 48, y + 6, 1.15, QColor(165, 125, 80), pumpkinCols[1]).variant = 1;
        gear(s, Basket, pickX + side * 30, y + 14, 1.0, QColor(190, 150, 90), QColor(160, 120, 60)).c3 = pumpkinCols[2];
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
    const Area visitors{crowX < kWidth / 2 ? crowX + 70 : 30, crowX < kWidth / 2 ? 324 : crowX - 70, horizon + 70, rowY[rows - 2] - 42};
    group(s, r, Crow, 2, visitors, 1.0, 1.1, {QColor(30, 30, 38)});
    group(s, r, Cat, 1, visitors, 1.2, 1.3, {v == 2 ? QColor(225, 220, 210) : QColor(40, 40, 45)});
    // Nearer, between the last rows: a hedgehog, a toad and a snail after the slugs.
    const Area nearRows{30, 324, rowY[rows - 2] + 22, rowY[rows - 1] - 18};
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

namespace {
// A zinc bucket of cut flowers of one colour standing at (x, foot), `k` 1
// its size on the stand: stems fanning out, the blooms over them.
void cutFlowers(QPainter& p, Rng& r, double x, double foot, const QColor& c, double k)
{
    p.save();
    p.translate(x, foot);
    p.scale(k, k);
    p.setPen(QPen(QColor(60, 120, 50), 1.1));
    for (int i = 0; i < 6; ++i) {
        const double dx = -7 + i * 2.8 + r.range(-1, 1), h = r.range(20, 28);
        p.drawLine(QPointF(0, -6), QPointF(dx, -h));
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const double dx = -7 + i * 2.8, h = 20 + (i * 37 % 9);
        p.setBrush(vary(c, r, 0.08));
        p.drawEllipse(QPointF(dx, -h), 3.2, 3.0);
        p.setBrush(shade(c, 0.7));
        p.drawEllipse(QPointF(dx + 0.6, -h + 0.8), 1.2, 1.1);
    }
    QPainterPath b;
    b.moveTo(-8, -14);
    b.lineTo(8, -14);
    b.lineTo(6, 0);
    b.lineTo(-6, 0);
    b.closeSubpath();
    body(p, b, QColor(175, 180, 185), 0.4);
    p.setPen(QPen(QColor(120, 125, 130), 0.8));
    p.drawLine(QPointF(-7.5, -11), QPointF(7.5, -11));
    p.restore();
}

const QColor kBlooms[] = {QColor(220, 40, 60), QColor(250, 200, 60), QColor(245, 245, 240), QColor(240, 130, 170),
                          QColor(150, 80, 190), QColor(245, 140, 40)};

// A florist's stepped stand against the wall, from x0 to x1 with its foot at
// `foot`: three steps, each with zinc buckets of cut flowers on it. Some
// places on the upper two steps are left for a pot or a basket: where they
// are comes back, and the steps are noted as boards things stand on.
std::vector<QPointF> flowerStand(Scene& s, Rng& r, double x0, double x1, double foot, const QColor& wood)
{
    const double step = 26, w = x1 - x0;
    s.surfaces.furniture.emplace_back(x0, foot - 3 * step - 30, w, 3 * step + 30);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    softShadow(p, QRectF(x0 - 4, foot - 5, w + 8, 10), 80);
    std::vector<QPointF> free;
    for (int i = 0; i < 3; ++i) { // the back, highest step first
        const double top = foot - (3 - i) * step;
        const QRectF board(x0, top, w, 5);
        int k = 0;
        for (double bx = x0 + 14 + (i % 2) * 10; bx < x1 - 10; bx += 30, ++k) { // buckets on this step, each of one flower
            if ((i == 0 && k % 2 == 1) || (i == 1 && k == 2)) {
                free.emplace_back(bx, top);
                continue;
            }
            cutFlowers(p, r, bx, top, kBlooms[r.next() % std::size(kBlooms)], 1.0);
        }
        if (i < 2)
            s.surfaces.stands.emplace_back(x0, top, w, 0);
        p.setPen(QPen(shade(wood, 0.5), 0.8));
        p.setBrush(litGradient(board, wood, 0.3));
        p.drawRect(board);
        p.fillRect(QRectF(x0, top + 5, w, step - 5), shade(wood, 0.72 - 0.05 * i)); // the riser below
    }
    p.fillRect(QRectF(x0, foot - 3 * step, 4, 3 * step), shade(wood, 0.5)); // its sides
    p.fillRect(QRectF(x1 - 4, foot - 3 * step, 4, 3 * step), shade(wood, 0.5));
    return free;
}

// The florist's ribbons: spools on a rod on the wall from x0 to x1 at `y`,
// a length of each hanging down, cut in a swallow's tail.
void ribbonRack(Scene& s, Rng& r, double x0, double x1, double y)
{
    s.surfaces.pieces.emplace_back(x0 - 2, y - 12, x1 - x0 + 4, 60);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor wood(120, 80, 50);
    for (const double bx : {x0, x1 - 4}) // the two brackets
        p.fillRect(QRectF(bx, y - 12, 4, 18), shade(wood, 0.8));
    const QColor ribbons[] = {QColor(210, 40, 60), QColor(240, 150, 180), QColor(230, 190, 60), QColor(245, 245, 240),
                              QColor(150, 100, 190), QColor(60, 140, 90), QColor(70, 120, 200)};
    const int n = int((x1 - x0 - 10) / 19);
    const double step = (x1 - x0 - 8) / n;
    const int first = int(r.next() % std::size(ribbons));
    for (int i = 0; i < n; ++i) {
        const QColor c = ribbons[(first + i * 3) % std::size(ribbons)];
        const double cx = x0 + 4 + step * (i + 0.5), len = r.range(18, 42);
        // The loose end, waving a little as it falls.
        QPainterPath tail;
        tail.moveTo(cx - 3, y + 6);
        tail.cubicTo(cx - 6, y + len * 0.4, cx + 2, y + len * 0.7, cx - 2, y + len);
        tail.lineTo(cx + 0.5, y + len - 3);
        tail.lineTo(cx + 3, y + len);
        tail.cubicTo(cx + 6, y + len * 0.7, cx - 2, y + len * 0.4, cx + 3, y + 6);
        tail.closeSubpath();
        p.setBrush(shade(c, 0.85));
        p.drawPath(tail);
        const QRectF spool(cx - 7, y - 8, 14, 16);
        p.setBrush(litGradient(spool, c, 0.35));
        p.drawRoundedRect(spool, 2, 2);
        p.setBrush(QColor(200, 175, 130)); // its card flanges
        p.drawRect(QRectF(cx - 8.5, y - 9.5, 2, 19));
        p.drawRect(QRectF(cx + 6.5, y - 9.5, 2, 19));
    }
    p.setBrush(shade(wood, 0.6)); // the rod through them
    p.drawRect(QRectF(x0, y - 1.2, x1 - x0, 2.4));
}

// A potted ivy on the end of a shelf at (x, top), its strands trailing down
// the wall for about `len`.
void trailingIvy(Scene& s, Rng& r, double x, double top, double len)
{
    s.surfaces.pieces.emplace_back(x - 16, top - 16, 32, len + 20);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int strand = 0; strand < 4; ++strand) {
        const double sx = x - 7 + strand * 4.5, l = len * r.range(0.5, 1.0), sway = r.range(-6, 6);
        for (double d = 0; d < l; d += 4.5) {
            const double t = d / l, lx = sx + sway * t * t + std::sin(d * 0.25 + strand) * 2;
            p.setBrush(d < 6 ? QColor(60, 120, 50) : vary(QColor(70, 140, 60), r, 0.12));
            p.drawEllipse(QPointF(lx + ((int(d / 4.5) % 2) ? 2.2 : -2.2), top - 4 + d), 2.8, 2.0);
        }
    }
    QPainterPath pot;
    pot.moveTo(x - 8, top - 12);
    pot.lineTo(x + 8, top - 12);
    pot.lineTo(x + 6, top);
    pot.lineTo(x - 6, top);
    pot.closeSubpath();
    body(p, pot, QColor(190, 100, 60), 0.45);
    p.setBrush(QColor(60, 120, 50));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(x - 7 + i * 3.5, top - 14 - (i % 2) * 2), 2.8, 2.0);
}

// A frame painted on the wall at `f`, its shadow cast down and to the right
// by `drop`, noted as a piece nothing is hung over. Gives what it frames.
QRectF wallFrame(Scene& s, QPainter& p, const QRectF& f, const QColor& frame, int shadow, double drop)
{
    s.surfaces.pieces.push_back(f.adjusted(-2, -2, 2, 2));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, shadow));
    p.drawRect(f.translated(drop, drop));
    p.setBrush(litGradient(f, frame, 0.3));
    p.drawRect(f);
    return f.adjusted(4, 4, -4, -4);
}

// A framed print of one flower (its stem, two leaves, the bloom) hung at `f`.
void botanicalPrint(Scene& s, Rng& r, const QRectF& f, const QColor& frame, const QColor& bloom)
{
    QPainter p(&s.base);
    const QRectF paper = wallFrame(s, p, f, frame, 50, 1.5);
    p.setBrush(QColor(245, 238, 220));
    p.drawRect(paper);
    const double cx = paper.center().x(), foot = paper.bottom() - 4, head = paper.top() + paper.height() * 0.3;
    p.setPen(QPen(QColor(70, 130, 60), 1.2));
    p.drawLine(QPointF(cx, foot), QPointF(cx, head));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 145, 65));
    for (const double side : {-1.0, 1.0}) {
        const double ly = foot - paper.height() * r.range(0.2, 0.4);
        QPainterPath leaf;
        leaf.moveTo(cx, ly);
        leaf.quadTo(cx + side * paper.width() * 0.35, ly - 10, cx + side * paper.width() * 0.38, ly - 16);
        leaf.quadTo(cx + side * 3, ly - 8, cx, ly);
        p.drawPath(leaf);
    }
    for (int i = 0; i < 6; ++i) { // the petals round its heart
        const double a = i * M_PI / 3;
        p.setBrush(shade(bloom, 0.9 + 0.05 * (i % 2)));
        p.drawEllipse(QPointF(cx + std::cos(a) * 4.5, head + std::sin(a) * 4.5), 3.6, 3.6);
    }
    p.setBrush(QColor(240, 190, 60));
    p.drawEllipse(QPointF(cx, head), 2.4, 2.4);
}

// A wreath of leaves and flowers hung on its nail at `c`, a bow at its foot.
void flowerWreath(Scene& s, Rng& r, QPointF c, double radius, const QColor& bloom)
{
    s.surfaces.pieces.emplace_back(c.x() - radius - 4, c.y() - radius - 8, 2 * radius + 8, 2 * radius + 14);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 80, 70), 0.8));
    p.drawLine(c + QPointF(0, -radius - 6), c + QPointF(-4, -radius + 1));
    p.drawLine(c + QPointF(0, -radius - 6), c + QPointF(4, -radius + 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 50));
    p.drawEllipse(c + QPointF(0, -radius - 6), 1.5, 1.5); // the nail
    softShadow(p, QRectF(c.x() - radius, c.y() - radius + 3, 2 * radius, 2 * radius), 40);
    for (int i = 0; i < 28; ++i) { // the leaves round the ring
        const double a = i * 2 * M_PI / 28, rr = radius * r.range(0.78, 0.95);
        p.setBrush(vary(QColor(60, 125, 60), r, 0.15));
        p.drawEllipse(c + QPointF(std::cos(a) * rr, std::sin(a) * rr), 4.5, 3.2);
    }
    for (int i = 0; i < 7; ++i) { // the flowers tucked into it
        const double a = -M_PI / 2 + i * 2 * M_PI / 7 + 0.3, rr = radius * 0.86;
        const QPointF f = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        p.setBrush(i % 3 == 1 ? QColor(250, 245, 235) : vary(bloom, r, 0.08));
        p.drawEllipse(f, 3.6, 3.4);
        p.setBrush(QColor(240, 200, 70));
        p.drawEllipse(f, 1.2, 1.2);
    }
    const QPointF knot = c + QPointF(0, radius * 0.95);
    p.setBrush(QColor(200, 40, 60)); // the bow
    QPainterPath bow;
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(-9, -5)), bow.lineTo(knot + QPointF(-9, 5)), bow.closeSubpath();
    bow.moveTo(knot);
    bow.lineTo(knot + QPointF(9, -5)), bow.lineTo(knot + QPointF(9, 5)), bow.closeSubpath();
    bow.moveTo(knot), bow.lineTo(knot + QPointF(-5, 12)), bow.lineTo(knot + QPointF(-2, 12)), bow.closeSubpath();
    bow.moveTo(knot), bow.lineTo(knot + QPointF(5, 12)), bow.lineTo(knot + QPointF(2, 12)), bow.closeSubpath();
    p.drawPath(bow);
    p.setBrush(QColor(160, 30, 45));
    p.drawEllipse(knot, 2.2, 2.2);
}

// The florist's till and a roll of wrapping paper on her counter's top at `top`.
void tillAndPaper(Scene& s, double tillX, double rollX, double top)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF till(tillX - 15, top - 20, 30, 20);
    softShadow(p, QRectF(till.left() - 2, top - 3, till.width() + 4, 5));
    QPainterPath t;
    t.moveTo(till.left(), top);
    t.lineTo(till.left() + 3, top - 12);
    t.lineTo(till.right() - 3, top - 14);
    t.lineTo(till.right(), top);
    t.closeSubpath();
    body(p, t, QColor(180, 150, 80), 0.4);
    p.fillRect(QRectF(tillX - 8, top - 20, 16, 7), QColor(60, 60, 65)); // its little display
    p.fillRect(QRectF(tillX - 6, top - 18.5, 12, 3.5), QColor(120, 200, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 235, 220));
    for (int k = 0; k < 6; ++k) // the keys
        p.drawRect(QRectF(tillX - 9 + (k % 3) * 6, top - 10 + (k / 3) * 4, 4, 2.5));
    // The paper on its roller, a length of it hanging over the edge.
    const QRectF roll(rollX - 16, top - 10, 32, 9);
    p.setBrush(QColor(90, 70, 50));
    p.drawRect(QRectF(rollX - 18, top - 12, 2.5, 12));
    p.drawRect(QRectF(rollX + 15.5, top - 12, 2.5, 12));
    p.setBrush(litGradient(roll, QColor(235, 180, 190), 0.35));
    p.drawRoundedRect(roll, 4, 4);
    p.setBrush(QColor(235, 180, 190));
    p.drawRect(QRectF(rollX - 14, top - 2, 28, 14));
    p.setPen(QPen(QColor(200, 140, 150), 0.8));
    for (double x = rollX - 12; x < rollX + 14; x += 6)
        p.drawLine(QPointF(x, top - 1), QPointF(x, top + 11));
}

// A basket of trailing flowers hung from the ceiling on three cords.
void hangingBasket(Scene& s, double x, double y, const QColor& flowers)
{
    s.surfaces.glass.emplace_back(x - 16, 0, 32, y + 20); // nothing is hung over it
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 80, 70), 0.8));
    for (const double dx : {-10.0, 0.0, 10.0})
        p.drawLine(QPointF(x, 0), QPointF(x + dx, y - 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 120, 50));
    for (int k = 0; k < 7; ++k) { // the trailing stems
        const double dx = -12 + k * 4;
        p.drawEllipse(QRectF(x + dx - 2, y - 2, 4, 10 + (k * 5 % 11)));
    }
    QPainterPath b;
    b.moveTo(x - 14, y - 6);
    b.lineTo(x + 14, y - 6);
    b.quadTo(x + 12, y + 6, x, y + 7);
    b.quadTo(x - 12, y + 6, x - 14, y - 6);
    body(p, b, QColor(170, 125, 70), 0.4);
    for (int k = 0; k < 6; ++k) {
        p.setBrush(k % 2 ? flowers : shade(flowers, 1.2));
        p.drawEllipse(QPointF(x - 11 + k * 4.4, y - 8 - (k % 2) * 2), 2.6, 2.4);
        p.drawEllipse(QPointF(x - 13 + k * 5, y + 6 + (k * 3 % 7)), 2.2, 2.0);
    }
}
} // namespace

void buildFlowerShop(Scene& s, Rng& r, int v)
{
    // A florist's shop: a window to the street, her counter with the till
    // and the paper she wraps the flowers in, a stepped stand of buckets of
    // cut flowers against the wall, a shelf of potted plants, baskets of
    // trailing flowers hung from the ceiling, and the floor before them.
    v %= 3;
    s.finish.tint = QColor(255, 250, 240);
    const double floorY = 380 + v * 15;
    room(s, r, anyOf(r, {QColor(215, 230, 215), QColor(235, 225, 205)}), v, floorY, QColor(170, 120, 80), true);
    const double side = v == 1 ? 1 : -1; // the counter's side; the stand is at the other
    const auto X = [&](double dx) { return 177 + side * dx; };
    // One day the counter stands under the shelves and the stand under the
    // window: what stands on the floor goes with them.
    const double swap = v == 2 ? -1 : 1;
    const auto Y = [&](double dx) { return X(swap * dx); };
    const QColor wood(140, 95, 60);
    // The window over the counter, the shelf of pots over the stand.
    // One day the shop window is tall, from under the ceiling to the counter.
    const double winW = v == 0 ? 150 : 96 + v * 8, winTop = v == 0 ? 70 : 96 + v * 6, winH = v == 0 ? 190 : 120;
    roomWindow(s, r, QRectF(X(-95) - winW / 2, winTop, winW, winH), QColor(245, 242, 235), true);
    const double shelfY = v == 0 ? 118 : 104 + v * 6, sx0 = std::min(X(22), X(166)), sx1 = std::max(X(22), X(166));
    wallShelf(s, sx0, sx1, shelfY, wood);
    row(s, r, shelfY, sx0 + 4, sx1 - 4, {Vase, Cactus, Pot, WateringCan, Vase}, 1.1, 1.3,
        {QColor(60, 110, 180), QColor(240, 236, 225), QColor(200, 80, 60), QColor(90, 140, 100)});
    for (Obj& o : s.objs) {
        if (o.kind == Pot) { // terracotta, each with its plant
            o.c1 = vary(QColor(190, 100, 60), r, 0.1);
            o.shape = 0;
        }
        if (o.kind == Cactus)
            o.c1 = vary(QColor(80, 140, 80), r, 0.1);
    }
    // The clock over the stand; with the shelf up there, over the window.
    put(s, Clock, v == 0 ? X(95) : X(-95), v == 0 ? 62 : 40, 1.3, QColor(150, 100, 60));
    if (v == 0) { // under the high shelf, a short one for the plants that like the light
        const double highY = shelfY + 108, hx0 = std::min(X(20), X(160)), hx1 = std::max(X(20), X(160));
        wallShelf(s, hx0, hx1, highY, wood);
        setOut(s, r, (hx0 + hx1) / 2 + side * 10, highY, {Pot, Vase, Basket, Jug}, 1.0,
               {QColor(90, 150, 110), QColor(170, 140, 200), QColor(190, 150, 90), QColor(235, 230, 215)});
    }
    for (int i = 0; i < 2; ++i)
        hangingBasket(s, X(v == 0 ? -140 + i * 90 : -152 + i * 112), 50 + i * 8, anyOf(r, {QColor(230, 80, 120), QColor(250, 250, 245), QColor(150, 90, 200)}));
    // Her walls carry her trade (drawn from a look of their own, so that the
    // rest of the shop keeps its draws): a wreath between the baskets and the
    // clock; under the window her ribbons; over the stand a second shelf,
    // its ivy trailing down the wall, with what she pots up.
    Rng look(0xF10A + std::uint64_t(v));
    { // on the window's sill, the plants that like the light
        const std::size_t first = s.objs.size();
        setOut(s, look, X(-95) + side * look.range(-20, 20), winTop + winH + 2, {Pot, Vase, Pot}, 0.95,
               {QColor(60, 110, 180), QColor(230, 190, 70), QColor(240, 236, 225)}); // glazed, each its own
        for (std::size_t i = first; i < s.objs.size(); ++i)
            if (s.objs[i].kind == Pot)
                s.objs[i].shape = 0;
    }
    // Over the window side the baskets and the clock; on a day the shelf is
    // up high, the wreath hangs over the end of it the cactus leaves free.
    double wreathX = 155;
    if (v != 0) {
        wreathX = X(130);
        for (const Obj& o : s.objs)
            if (o.kind == Cactus && std::abs(o.pos.x() - wreathX) < 50)
                wreathX = X(58);
    }
    flowerWreath(s, look, QPointF(wreathX, v == 0 ? 46 : 36), v == 0 ? 19 : 16, kBlooms[look.next() % std::size(kBlooms)]);
    // A butterfly come in at the door after the hanging flowers.
    put(s, Butterfly, v == 0 ? 118 : X(-95) + side * 6, v == 0 ? 40 : 80, 1.0, anyOf(look, {QColor(250, 200, 40), QColor(240, 140, 40)}),
        QColor(40, 30, 30)).mirror = look.chance(0.5);
    if (v == 0) // and one by the tall window
        put(s, Butterfly, X(-95) + side * (winW / 2 + 22), 222, 0.95, QColor(245, 245, 240), QColor(60, 60, 70)).mirror = look.chance(0.5);
    { // a print of a flower between the window and the shelves
        const double winEdge = X(-95) + side * winW / 2, shelfEdge = side > 0 ? sx0 : sx1, px = (winEdge + shelfEdge) / 2;
        botanicalPrint(s, look, QRectF(px - 17, v == 0 ? 150 : winTop + 24, 34, 46), QColor(150, 110, 60), kBlooms[look.next() % std::size(kBlooms)]);
    }
    if (v == 0)
        trailingIvy(s, look, side > 0 ? std::min(X(20), X(160)) + 12 : std::max(X(20), X(160)) - 12, shelfY + 108, 50);
    if (v != 0) {
        const double rackY = winTop + winH + 36;
        ribbonRack(s, look, std::min(Y(-160), Y(-36)), std::max(Y(-160), Y(-36)), v == 2 ? floorY - 124 : rackY);
        const double ivyY = shelfY + 110, ix0 = sx0 + 8, ix1 = sx1 - 8;
        wallShelf(s, ix0, ix1, ivyY, wood);
        trailingIvy(s, look, side > 0 ? ix1 - 14 : ix0 + 14, ivyY, 46);
        const double mid = side > 0 ? (ix0 + ix1 - 28) / 2 : (ix0 + ix1 + 28) / 2;
        setOut(s, look, mid, ivyY, {Pot, Basket, Vase}, 1.05, {QColor(90, 150, 110), QColor(190, 150, 90), QColor(170, 140, 200)});
        for (Obj& o : s.objs)
            if (std::abs(o.pos.y() - ivyY) < 1) {
                if (o.kind == Pot)
                    o.shape = 0;
                if (o.kind == Basket) // a basket of posies made up
                    o.variant |= 2, o.c2 = QColor(160, 120, 60), o.c3 = kBlooms[look.next() % std::size(kBlooms)];
            }
    }
    // The counter under the window, the till and the paper on it, a vase
    // of roses between.
    const double counterTop = floorY - 44, cx0 = std::min(Y(-176), Y(-30)), cx1 = std::max(Y(-176), Y(-30));
    paintCounter(s, r, cx0 - 8, cx1, counterTop, 10, floorY + 8, wood);
    tillAndPaper(s, Y(-44), Y(-150), counterTop + 4);
    setOut(s, r, Y(-106), counterTop + 4, {Vase, Pot, Basket}, 1.0,
           {anyOf(r, {QColor(60, 110, 180), QColor(200, 80, 60)}), QColor(190, 100, 60), QColor(190, 150, 90)});
    // The stand of cut flowers against the wall at the other side.
    {
        // On the day of the wide window the stand is brought forward into the shop.
        const std::vector<QPointF> free = flowerStand(s, r, std::min(Y(20), Y(170)), std::max(Y(20), Y(170)), floorY + (v == 0 ? 42 : 6), QColor(150, 110, 70));
        Rng stand(0x57A + std::uint64_t(v)); // what stands between the buckets: a pot, a basket of posies, her can
        for (std::size_t i = 0; i < free.size(); ++i) {
            const K kind = i == 0 ? Pot : i == 1 ? Basket : WateringCan;
            Obj& o = gear(s, kind, free[i].x(), free[i].y(), i == 1 ? 0.85 : 0.95,
                          i == 0 ? QColor(235, 200, 80) : i == 1 ? QColor(150, 110, 60) : QColor(90, 120, 170), i == 1 ? QColor(120, 85, 45) : QColor());
            o.shape = 0;
            o.groundMove = true;
            if (kind == Basket)
                o.variant |= 2, o.c3 = kBlooms[stand.next() % std::size(kBlooms)];
            o.mirror = kind == WateringCan && side > 0;
        }
    }
    // On the floor: her stool at the counter, the can and a bucket; two
    // big potted plants before the stand; the cat between.
    const double floorDepth = kHeight - floorY, cornerY = floorY + 0.42 * floorDepth;
    put(s, BarStool, Y(-110), cornerY - 8, 1.7, QColor(150, 105, 65), QColor(60, 110, 90));
    put(s, WateringCan, Y(-64), cornerY + 2, 1.0, QColor(60, 140, 90));
    put(s, Bucket, Y(-150), cornerY + 6, 0.9, QColor(150, 155, 160), QColor(90, 95, 100));
    Obj& big = put(s, Pot, Y(48), cornerY + 10, 1.6, QColor(190, 100, 60));
    big.shape = 0;
    put(s, Vase, Y(140), cornerY + 12, 1.5, anyOf(r, {QColor(240, 236, 225), QColor(60, 110, 180)}), QColor(240, 200, 80));
    Obj& cuttings = put(s, Basket, Y(96), cornerY + 18, 1.0, QColor(190, 150, 90), QColor(160, 120, 60), QColor(230, 90, 120));
    cuttings.variant |= 2;
    // A crate of seedlings set down where she will unpack it, on a mat.
    const double crateY = floorY + 0.86 * floorDepth;
    rug(s, QRectF(Y(-40) - 50, floorY + 0.45 * floorDepth, 100, 0.55 * floorDepth - 3), anyOf(r, {QColor(150, 60, 55), QColor(90, 120, 80)}), r.seed());
    const std::size_t crate = s.objs.size(); // by index: adding the pot may move the scene's things
    put(s, Crate, Y(-20), crateY, 1.3, QColor(190, 150, 95), QColor(50, 130, 70));
    Obj& seedlings = put(s, Pot, Y(-20), crateY - 22 * 1.3, 1.1, QColor(200, 110, 70));
    seedlings.shape = 0;
    setOn(seedlings, s.objs[crate]);
    put(s, Cat, Y(22), std::min(kHeight - 6.0, cornerY + 30), 0.95, anyOf(r, {QColor(220, 150, 80), QColor(60, 60, 65)}));
    spares(s, r, Pot, 1, {30, 324, floorY + 30, kHeight - 10}, 1.3, 1.4, {QColor(190, 100, 60)});
    spare(s, Basket, Y(-128), cornerY + 16, 1.0, QColor(190, 150, 90), QColor(160, 120, 60));
    spare(s, WateringCan, Y(72), cornerY + 24, 0.9, QColor(150, 155, 160), QColor(90, 95, 100)); // her second can, by the big pot
    spare(s, Butterfly, X(60), floorY - 120, 1.1, QColor(250, 200, 40), QColor(40, 30, 30)); // in at the door after the flowers
}

void buildBakery(Scene& s, Rng& r, int v)
{
    // The shop seen from its door: shelves of loaves on the wall behind, the
    // counter across the shop with the day's cakes and pastries on its top
    // (the back row smaller), its panelled front, and the floor before it
    // with a basket of loaves, a crate and the baker's cat. Each composition
    // moves the counter and leaves the other side open.
    v %= 3;
    s.finish.tint = QColor(255, 240, 220);
    const double top = 296 + v * 14, floorY = top - 16;
    room(s, r, anyOf(r, {QColor(240, 225, 195), QColor(225, 205, 180)}), 2 - v, floorY, QColor(150, 100, 60), true);
    s.surfaces.tableTop = false;
    // The upper shelf the day's loaves, pretzels and pastries, the lower the
    // sweet things and the jars of what goes in them (no basket: beside it
    // a loaf would look a crumb).
    const std::initializer_list<QColor> crust = {QColor(200, 140, 70), QColor(180, 110, 50), QColor(230, 200, 150)};
    shelves(s, r, 1, 124 + v * 8, 94, {Bread, Bread, Pretzel, ChimneyCake, Donut}, crust, 1.1, 1.3);
    shelves(s, r, 1, 218 + v * 8, 94, {Jar, Honeypot, GingerbreadMan, Cake, Bowl, Cupcake}, crust, 1.1, 1.3);
    put(s, Clock, v == 1 ? 250 : r.range(60, 140), 46, 1.3, QColor(150, 100, 60));
    // Two gingerbread hearts on their nails, far apart.
    put(s, Heart, v == 1 ? 60 : 300, 44, 1.3, QColor(170, 70, 40)).variant = 0;
    put(s, Heart, v == 1 ? 150 : 200, 50, 1.15, QColor(150, 60, 35)).variant = 1;
    // Wall lamps over the counter, lighting the wall between the shelf and it.
    put(s, Sconce, v == 1 ? 46 : 64, top - 40, 1.0, QColor(70, 110, 80)).variant = 1;
    put(s, Sconce, v == 1 ? 196 : 206, top - 40, 1.0, QColor(170, 70, 50)).shape = 1;
    const double x0 = v == 0 ? 24 : v == 1 ? -10 : 104, x1 = v == 0 ? 330 : v == 1 ? 250 : 364;
    const QColor wood(150, 100, 62);
    paintCounter(s, r, x0, x1, top, 26, top + 112, wood);
    const double left = std::max(14.0, x0 + 10), right = std::min(340.0, x1 - 10), span = right - left;
    const std::size_t back = s.objs.size();
    setOut(s, r, left + span * 0.5 + r.range(-10, 10), top + 6, {Cake, Bread, ChimneyCake, Cupcake}, 1.0,
           {QColor(220, 170, 110), QColor(200, 140, 70), QColor(210, 150, 80), QColor(245, 200, 215)});
    hideOne(s, r, back);
    const std::size_t front = s.objs.size();
    setOut(s, r, left + span * 0.28, top + 22, {Pretzel, Donut, Plate}, 1.2, {QColor(170, 100, 45), QColor(240, 150, 190), QColor(240, 240, 235)});
    setOut(s, r, left + span * 0.74, top + 22, {Bowl, Honeypot, CoffeePot}, 1.2, {QColor(240, 240, 235), QColor(240, 236, 225), QColor(190, 195, 200)});
    hideOne(s, r, front);
    for (Obj& o : s.objs) {
        if (o.kind == Cake)
            o.c2 = QColor(110, 60, 35);
        if (o.kind == Bowl && o.pos.y() > floorY)
            o.count = r.between(3, 5);
        if (o.kind == Cupcake)
            o.c2 = QColor(120, 170, 220);
    }
    // The open side: a side table and a stool; before the counter
    // the basket of loaves and the cat.
    const bool openRight = v == 1;
    if (v != 0) // a side table by the door, where the orders wait
        put(s, Table, openRight ? 306 : 44, top + 60, 1.6, QColor(150, 105, 65), QColor(240, 236, 225));
    put(s, Stool, v == 0 ? 300 : openRight ? 276 : 78, v == 0 ? top + 140 : top + 96, 2.2, QColor(140, 95, 60));
    put(s, Basket, left + span * (openRight ? 0.7 : 0.3), top + 136, 1.6, QColor(190, 150, 90), QColor(200, 140, 70));
    put(s, Cat, left + span * (openRight ? 0.3 : 0.7), top + 132, 1.2, anyOf(r, {QColor(240, 240, 235), QColor(215, 145, 75)}));
    rug(s, QRectF(left + span * 0.15, top + 118, span * 0.7, kHeight - top - 124), anyOf(r, {QColor(150, 60, 55), QColor(90, 120, 80)}), r.seed());
    const std::size_t cup = s.objs.size(); // a cup set down between the two, on the right
    setOut(s, r, left + span * 0.51, top + 22, {Cup}, 1.0, {QColor(60, 110, 180)});
    hideOne(s, r, cup);
}

void buildPlayroom(Scene& s, Rng& r, int v)
{
    // A nursery: a window on one side of the wall, a shelf of toys on the
    // other with a picture and the clock; on the floor a birthday corner (a
    // stool with balloons tied to it, a present, a drum) by the shelf, a tea
    // party on the rug (the teddy and the robot at a teapot and cups), and a
    // building site of blocks and cars in front. Each composition swaps the
    // sides and moves the rug.
    v %= 3;
    s.finish.tint = QColor(255, 248, 238);
    const bool windowLeft = v != 1;
    const double floorY = 196 + v * 18;
    room(s, r, anyOf(r, {QColor(200, 220, 240), QColor(240, 220, 200), QColor(220, 235, 210)}), v + 1, floorY, QColor(190, 140, 90), true);
    const double winX = windowLeft ? 26 : 246, shelfX0 = windowLeft ? 150 : 14, shelfX1 = shelfX0 + 190;
    roomWindow(s, r, QRectF(winX, 46, 82, floorY - 96), QColor(245, 242, 235), v == 2);
    const double shelfY = floorY - 62;
    wallShelf(s, shelfX0, shelfX1, shelfY, QColor(150, 100, 60));
    row(s, r, shelfY, shelfX0 + 6, shelfX1 - 6, {Books, Blocks, SpinningTop, Books}, 1.0, 1.15, kBright);
    // A short shelf above it with the globe and the night light, the clock beside it.
    const double upperX0 = windowLeft ? shelfX0 + 20 : shelfX0 + 70, upperY = shelfY - 54;
    wallShelf(s, upperX0, upperX0 + 100, upperY, QColor(150, 100, 60));
    row(s, r, upperY, upperX0 + 6, upperX0 + 94, {Globe, Lantern, Books}, 0.9, 1.0, kBright);
    put(s, Clock, windowLeft ? upperX0 + 140 : upperX0 - 40, upperY - 30, 1.2, QColor(200, 80, 60));

    // The birthday corner under the shelf: balloons tied to the stool's seat.
    const double cornerX = windowLeft ? 300 : 54, cornerY = floorY + 24, stoolScale = 1.3;
    const std::size_t stool = s.objs.size();
    gear(s, Stool, cornerX, cornerY, stoolScale, anyOf(r, {QColor(50, 140, 180), QColor(220, 80, 60)}));
    const double seat = cornerY - 18 * stoolScale;
    const QColor balloonColours[] = {QColor(215, 45, 45), QColor(45, 95, 205), QColor(245, 200, 40), QColor(50, 155, 75)};
    const int firstColour = int(r.next() % 4);
    for (int k = 0; k < 2; ++k) {
        Obj& b = gear(s, Balloon, cornerX + (k - 0.5) * 15, seat - 3 - (k == 1 ? 8 : 0), 1.1, balloonColours[(firstColour + k) % 4]);
        setOn(b, s.objs[stool]);
    }
    const double side = windowLeft ? -1 : 1; // from the corner towards the room
    gear(s, GiftBox, cornerX + side * 36, cornerY + 6, 1.25, anyOf(r, {QColor(200, 40, 40), QColor(40, 110, 70)}), QColor(240, 210, 80));
    gear(s, Drum, cornerX + side * 10, cornerY + 30, 1.15, anyOf(r, {QColor(215, 45, 45), QColor(45, 95, 205)}), QColor(250, 220, 60));

    // The toy chest in the far corner on the window's side, a ball and books left by it.
    const double chestX = windowLeft ? r.range(40, 70) : r.range(284, 314), chestY = floorY + 30;
    gear(s, TreasureChest, chestX, chestY, 1.1, QColor(150, 95, 55), QColor(200, 160, 70));
    gear(s, Books, chestX + (windowLeft ? 28 : -90), chestY + 4, 0.9, anyOf(r, kBright));

    // The tea party on the rug.
    const double rugTop = floorY + (kHeight - floorY) * (0.2 + 0.04 * v), rugH = (kHeight - floorY) * 0.4;
    const double rugX = windowLeft ? 18 : 70;
    const QRectF mat(rugX, rugTop, 266, rugH);
    rug(s, mat, anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130), QColor(90, 120, 80)}), std::uint32_t(r.next()));
    const double partyY = mat.top() + mat.height() * 0.42, partyX = mat.left() + mat.width() * (windowLeft ? 0.34 : 0.6);
    gear(s, Teddy, partyX - 44, partyY, 1.25, anyOf(r, {QColor(170, 120, 70), QColor(220, 190, 140)}));
    gear(s, Robot, partyX + 46, partyY + 2, 1.0, QColor(170, 175, 185), QColor(), true);
    gear(s, Teapot, partyX, partyY + 8, 0.7, anyOf(r, {QColor(240, 240, 235), QColor(90, 150, 200), QColor(220, 120, 140)}));
    for (int k : {-1, 1})
        gear(s, Cup, partyX + k * 22, partyY + 20, 0.55, anyOf(r, {QColor(240, 240, 235), QColor(245, 200, 40), QColor(220, 120, 140)}), QColor(), k < 0);
    Obj& cake = gear(s, Cake, partyX, partyY + 34, 0.8, QColor(240, 200, 210));
    cake.spare = true;
    cake.visible = false;
    gear(s, Dice, mat.right() - 46, mat.bottom() - 14, 1.25, QColor(250, 248, 240), QColor(30, 30, 30));
    gear(s, Dice, mat.right() - 26, mat.bottom() - 10, 1.25, QColor(215, 45, 45), QColor(30, 30, 30));

    // The building site in front: blocks stacked, cars parked by them, a ball rolled off.
    const double siteX = windowLeft ? 250 : 100, siteY = kHeight - 22;
    { // on a play mat of its own: toys set down on the bare boards would be gathered away
        Rng mat(std::uint64_t(0x9A7 + v));
        rug(s, QRectF(windowLeft ? siteX - 150 : siteX - 62, siteY - 40, 216, 48), anyOf(mat, {QColor(60, 85, 130), QColor(170, 130, 70)}),
            std::uint32_t(mat.next()));
    }
    gear(s, Blocks, siteX - 26, siteY - 6, 1.1, anyOf(r, kBright));
    gear(s, Blocks, siteX - 4, siteY, 1.0, anyOf(r, kBright));
    gear(s, Car, siteX + 34, siteY - 2, 1.2, anyOf(r, kBright), QColor(), windowLeft);
    // A bath duck and a ball left out in the other front corner.
    gear(s, Ball, windowLeft ? r.range(120, 150) : r.range(184, 214), kHeight - r.range(22, 28), 1.3, anyOf(r, kBright));
    gear(s, Duck, windowLeft ? r.range(44, 60) : r.range(294, 310), kHeight - 18, 1.05, QColor(250, 210, 40), QColor(), !windowLeft);
    spares(s, r, Ball, 1, {mat.left() + 10, mat.right() - 10, floorY + 30, mat.top() - 4}, 1.1, 1.2, kBright);
    spares(s, r, Car, 1, {siteX - 40, siteX + 40, siteY - 34, siteY - 26}, 1.1, 1.2, kBright);
    spares(s, r, SpinningTop, 1, {windowLeft ? 30.0 : 200.0, windowLeft ? 150.0 : 320.0, mat.bottom() + 10, kHeight - 30}, 1.1, 1.2, kBright, QColor(250, 240, 200));
    spares(s, r, GiftBox, 1, {chestX - 30, chestX + 30, chestY + 14, chestY + 22}, 1.1, 1.2, {QColor(200, 40, 40), QColor(40, 110, 70)}, QColor(240, 210, 80));
    // Later levels look for more: a third cup at the party, a block, a duck.
    if (v != 1) {
        Obj& cup = gear(s, Cup, partyX + 40, partyY + 26, 0.55, QColor(120, 170, 220));
        cup.spare = true;
        cup.visible = false;
    }
    spares(s, r, Blocks, 1, {siteX - 60, siteX - 40, siteY - 4, siteY + 4}, 0.9, 1.0, kBright);
    spares(s, r, Duck, 1, {windowLeft ? 150.0 : 170.0, windowLeft ? 190.0 : 210.0, kHeight - 24, kHeight - 14}, 1.0, 1.05, {QColor(250, 210, 40)});
}

namespace {
// An old map in a dark frame on the study's wall: parchment, a coast with
// its islands, the sea's hatching and a compass rose in a corner.
void oldMap(Scene& s, Rng& r, const QRectF& f)
{
    QPainter p(&s.base);
    const QRectF m = wallFrame(s, p, f, QColor(70, 45, 30), 60, 2);
    p.setBrush(QColor(225, 205, 160));
    p.drawRect(m);
    p.save();
    p.setClipRect(m);
    QPainterPath land; // a coast running down the map, bays cut into it
    land.moveTo(m.left(), m.top());
    double x = m.left() + m.width() * r.range(0.35, 0.5);
    land.lineTo(x, m.top());
    for (double y = m.top(); y < m.bottom() + 6; y += 6) {
        x += r.range(-6, 6);
        x = std::clamp(x, m.left() + m.width() * 0.2, m.left() + m.width() * 0.7);
        land.lineTo(x, y);
    }
    land.lineTo(m.left(), m.bottom() + 6);
    land.closeSubpath();
    p.setBrush(QColor(160, 170, 110));
    p.setPen(QPen(QColor(110, 90, 60), 0.8));
    p.drawPath(land);
    for (int i = 0; i < 3; ++i) // the islands off it
        p.drawEllipse(QPointF(m.left() + m.width() * r.range(0.72, 0.88), m.top() + m.height() * (0.2 + 0.3 * i)), r.range(2.5, 5), r.range(2, 3.5));
    p.setPen(QPen(QColor(150, 130, 100), 0.6));
    for (double y = m.top() + 5; y < m.bottom(); y += 5) // the sea, hatched
        p.drawLine(QPointF(m.right() - 10, y), QPointF(m.right() - 4, y));
    p.restore();
    const QPointF rose(m.right() - 9, m.bottom() - 9);
    p.setPen(QPen(QColor(120, 60, 40), 0.9));
    p.drawLine(rose + QPointF(0, -6), rose + QPointF(0, 6));
    p.drawLine(rose + QPointF(-6, 0), rose + QPointF(6, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 50, 40));
    QPainterPath north;
    north.moveTo(rose + QPointF(0, -7)), north.lineTo(rose + QPointF(-2, 0)), north.lineTo(rose + QPointF(2, 0)), north.closeSubpath();
    p.drawPath(north);
}
} // namespace

void buildStudy(Scene& s, Rng& r, int v)
{
    // A study: shelves of books along the wall with a globe and a lantern
    // among them, a window, and the writing desk with its lamp, books, ink
    // and cup in two rows; the chair at it, the waste basket and the cat on
    // the floor. Each composition moves the desk and the window.
    v %= 3;
    s.finish.tint = v == 1 ? QColor(255, 225, 190) : QColor(255, 242, 225);
    const QColor walls[3] = {QColor(120, 70, 50), QColor(70, 100, 75), QColor(200, 190, 160)};
    TableLook t;
    t.back = 252 + v * 10 + r.range(-4, 4);
    t.front = t.back + 48;
    t.feet = t.front + 92;
    t.x0 = v == 0 ? 40 : v == 1 ? 96 : -20;
    t.x1 = v == 0 ? 300 : v == 1 ? 380 : 250;
    t.wood = QColor(110, 70, 45);
    room(s, r, walls[v], v, t.back + 20, QColor(110, 70, 45), true);
    // Books, and between them the curios a reader keeps: a vase, a goblet,
    // a bottle, a plant, a candle (the lamp and the globe are by the desk).
    shelves(s, r, 2, 70, 80, {Books, Books, Books, Vase, Goblet, Bottle, Pot, Candle}, kBright, 1.0, 1.2);
    roomWindow(s, r, QRectF(v == 2 ? 256 : v == 1 ? 20 : 256, 172, 78, t.back - 196), QColor(235, 230, 220), v == 1);
    paintTable(s, r, t);
    // A bureau: drawers from the top to the floor, each with its knob.
    const bool drawersLeft = v == 1;
    paintCounter(s, r, std::max(t.x0, -4.0), std::min(t.x1, 358.0), t.front, 4, t.feet, shade(t.wood, 1.05));
    const double left = std::max(14.0, t.x0 + 18), right = std::min(340.0, t.x1 - 18), span = right - left;
    setOut(s, r, left + span * 0.5, tableRow(t, 0, 2), {Lantern, Books, Hourglass, Vase}, rowScale(0, 2, 1.2),
           {QColor(150, 120, 50), QColor(200, 60, 50), QColor(120, 80, 45), QColor(60, 110, 180)});
    const std::size_t front = s.objs.size();
    setOut(s, r, left + span * 0.3, tableRow(t, 1, 2), {Inkwell, Candle, Cup}, rowScale(1, 2, 1.2),
           {QColor(40, 50, 80), QColor(245, 240, 225), QColor(240, 240, 235)});
    setOut(s, r, left + span * 0.76, tableRow(t, 1, 2), {SewingMachine, Teapot}, rowScale(1, 2, 1.2),
           {QColor(235, 225, 200), QColor(60, 110, 180)});
    hideOne(s, r, front);
    for (Obj& o : s.objs) {
        if (o.kind == Candle)
            o.variant = 1;
        if (o.kind == Globe)
            o.c2 = QColor(150, 170, 90);
        if (o.kind == SewingMachine)
            o.c2 = QColor(130, 185, 165), o.c3 = QColor(40, 40, 45);
    }
    put(s, Frame, v == 1 ? 170 : 120, 200, 1.3, QColor(200, 160, 70)).variant = r.between(0, 3);
    // A wall lamp to read by on the other side of the picture.
    put(s, Sconce, v == 1 ? 296 : 56, 206, 1.0, v == 2 ? QColor(150, 60, 50) : QColor(235, 215, 170)).variant = 1;
    put(s, Clock, v == 1 ? 290 : 60, 30, 1.2, QColor(150, 100, 60));
    // The chair drawn up to the knee space, the waste basket under it, a
    // rug before the desk with the cat, a globe on its stand by the open end.
    const double knee = drawersLeft ? std::min(t.x1, 354.0) - 70 : std::max(t.x0, 0.0) + 70;
    rug(s, QRectF(24, t.feet + 8, 306, kHeight - t.feet - 14), anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130)}), r.seed());
    put(s, Chair, knee, t.feet + 30, 3.1, QColor(140, 40, 40)).mirror = !drawersLeft;
    put(s, Basket, knee + (drawersLeft ? -46 : 46), t.feet + 14, 1.3, QColor(190, 150, 90), QColor(160, 120, 60));
    put(s, Cat, (t.x0 + t.x1) / 2 + (drawersLeft ? -50 : 50), t.feet + 40, 1.2, QColor(215, 145, 75));
    const bool openLeft = t.x0 > kWidth - t.x1;
    put(s, Globe, std::clamp(openLeft ? t.x0 - 34 : t.x1 + 34, 30.0, 324.0), t.feet - 24, 2.2, QColor(70, 130, 200), QColor(150, 170, 90));
    // An old map between the picture and the window; past the cat a stool
    // with her tea on it, where she sits to read.
    Rng look(0x57D + std::uint64_t(v));
    oldMap(s, look, v == 1 ? QRectF(194, t.back - 86, 84, 58) : QRectF(154, t.back - 86, 84, 58));
    const double stoolX = std::clamp((t.x0 + t.x1) / 2 + (drawersLeft ? -160 : 160), 30.0, 324.0), floorY = std::min(kHeight - 8.0, t.feet + 48);
    const std::size_t stool = s.objs.size();
    put(s, Stool, stoolX, floorY, 2.1, QColor(120, 80, 50));
    Obj& tea = put(s, Cup, stoolX, floorY - 13 * 2.1, 0.75, QColor(240, 236, 225));
    tea.variant = 1;
    setOn(tea, s.objs[stool]);
}

void buildMoonBase(Scene& s, Rng& r, int v)
{
    v %= 3;
    Daylight d = night(r);
    d.sky = {{0, QColor(4, 6, 16)}, {1, QColor(20, 24, 44)}};
    d.haze = QColor(105, 105, 115); // the far mountains lit by the sun, grey as the near dust
    s.finish.tint = QColor(235, 235, 255);
    const double horizon = 200 + v * 40 + r.range(-8, 8), deep = kHeight - horizon;
    skyAndGround(s, r, d, horizon, QColor(150, 150, 155), QColor(120, 120, 128));
    // The base in its places rather than strewn over the dust: the living
    // modules at one side with their solar panels behind, one of the crew
    // at the door; the landing pad across with the rocket on it and its
    // flag; the rover back on its tracks with the supplies, a second
    // astronaut unloading them; the third collecting stones in front.
    const bool baseLeft = v != 1;
    const double dir = baseLeft ? 1 : -1; // from the base towards the pad
    const double baseX = baseLeft ? r.range(86, 104) : r.range(250, 268), baseY = horizon + 40;
    const double padX = 354 - baseX + dir * 10, padY = horizon + deep * 0.3;
    const double roverX = 177 - dir * r.range(0, 20), roverY = horizon + deep * 0.58;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        Rng c(r.seed());
        // Craters, a lit rim on the far side of each, and the dust between
        // them strewn with pebbles, each with its shadow: the plain is
        // pitted all over, bigger and further apart nearer the eye.
        for (int i = 0; i < 26; ++i) {
            const double y = c.range(horizon + 10, kHeight), w = (10 + (y - horizon) * 0.25) * c.range(0.7, 1.6);
            const QRectF crater(c.range(-w / 2, kWidth - w / 2), y, w, w * 0.35);
            p.setBrush(QColor(80, 80, 88, 140));
            p.drawEllipse(crater);
            p.setPen(QPen(QColor(205, 205, 210, 140), 1.4));
            p.drawArc(crater.adjusted(0, -1, 0, -1), 200 * 16, 140 * 16);
            p.setPen(Qt::NoPen);
        }
        for (int i = 0; i < 220; ++i) {
            const double y = c.range(horizon + 4, kHeight), k = 0.4 + 1.6 * (y - horizon) / deep, x = c.range(0, kWidth);
            p.setBrush(QColor(60, 60, 68, 150));
            p.drawEllipse(QPointF(x + 1.2 * k, y + 0.6 * k), 1.6 * k, 0.7 * k);
            p.setBrush(QColor(170, 170, 176));
            p.drawEllipse(QPointF(x, y), 1.3 * k, 0.9 * k);
        }
        // The landing pad: a flat ring of plates with its markings.
        const QRectF pad(padX - 46, padY - 9, 92, 22);
        p.setBrush(QColor(175, 175, 180));
        p.drawEllipse(pad);
        p.setBrush(QColor(135, 135, 142));
        p.drawEllipse(pad.adjusted(10, 3, -10, -3));
        p.setPen(QPen(QColor(230, 200, 60), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(pad.adjusted(20, 5, -20, -5));
        // The tracks the rover left from the base out into the plain.
        p.setPen(QPen(QColor(110, 110, 118), 1.3, Qt::DashLine));
        for (const double off : {-6.0, 6.0}) {
            QPainterPath track;
            track.moveTo(baseX + dir * 30, baseY + 16 + off * 0.4);
            track.quadTo(baseX + dir * 40, roverY, roverX + off, roverY + 2);
            p.drawPath(track);
        }
    }
    put(s, Planet, r.range(60, 290), 70 + v * 20, 1.4, QColor(70, 120, 200));
    gear(s, Panel, baseX - dir * 30, baseY - 30, 0.8, QColor(60, 80, 140)).count = 4;
    gear(s, Panel, baseX + dir * 44, baseY - 26, 0.8, QColor(60, 80, 140)).count = 5;
    gear(s, Panel, baseX + dir * 114, baseY - 22, 0.8, QColor(70, 90, 150)).count = 3;
    gear(s, Module, baseX, baseY, 1.0, QColor(220, 220, 225), QColor(200, 60, 50)).count = 4;
    gear(s, Module, baseX - dir * 14, baseY + 36, 1.15, QColor(230, 228, 220), QColor(60, 90, 170)).count = 5;
    gear(s, Crate, baseX - dir * 66, baseY + 44, 0.7, QColor(215, 215, 220), QColor(200, 60, 50)); // the spare air at the door
    gear(s, Astronaut, baseX + dir * 50, baseY + 40, 0.85, QColor(240, 240, 245), QColor(230, 170, 60), baseLeft);
    // The pad: the rocket standing on it, the flag, the supplies.
    gear(s, Rocket, padX, padY + 4, 1.3, QColor(230, 230, 235), QColor(200, 50, 40)).count = 2;
    gear(s, Flag, padX + dir * 38, padY + 20, 1.0, anyOf(r, {QColor(215, 45, 45), QColor(45, 95, 205)}));
    // The rocket's fuel in two drums just off the pad, on the side away from the flag.
    Rng look(0xA9A0 + std::uint32_t(v));
    gear(s, Barrel, padX - dir * 56, padY + 10, 0.62, QColor(235, 235, 230), QColor(200, 60, 50));
    gear(s, Barrel, padX - dir * 72, padY + 16, 0.66, anyOf(look, {QColor(230, 190, 80), QColor(90, 110, 150)}), QColor(60, 60, 65));
    // The rover back with supplies, its driver unloading them.
    gear(s, Rover, roverX, roverY, 1.1, anyOf(r, {QColor(225, 225, 230), QColor(230, 190, 80)}), QColor(), !baseLeft);
    gear(s, Astronaut, roverX + dir * 36, roverY + 8, 0.9, QColor(235, 200, 150), QColor(230, 170, 60), !baseLeft);
    gear(s, Crate, roverX - dir * 34, roverY + 6, 0.7, QColor(205, 205, 210), QColor(60, 80, 140));
    gear(s, Crate, roverX - dir * 58, roverY + 12, 0.75, QColor(230, 190, 80), QColor(60, 80, 140));
    // In front, the geologist at the stones.
    const double frontX = baseLeft ? r.range(250, 280) : r.range(74, 104), frontY = kHeight - 24;
    gear(s, Rock, frontX - dir * 40, frontY, 1.3, QColor(130, 130, 135));
    gear(s, Rock, frontX - dir * 6, frontY + 8, 0.9, QColor(115, 115, 122));
    gear(s, Astronaut, frontX + dir * 26, frontY, 0.95, QColor(170, 190, 225), QColor(230, 170, 60), baseLeft);
    // The geologist's barrow for the stones, left beside them.
    gear(s, Wheelbarrow, frontX + dir * 56, frontY + 4, 0.7, QColor(215, 215, 220), QColor(), !baseLeft);
    gear(s, Rock, 354 - frontX, frontY - 20, 1.1, QColor(140, 138, 135));
    gear(s, Rock, padX + dir * 20, padY + 40, 0.8, QColor(125, 125, 130));
    group(s, r, Star, 4, {15, 339, 15, horizon - 60}, 0.8, 1.1, {QColor(255, 250, 220)});
    gear(s, Satellite, baseLeft ? r.range(220, 300) : r.range(54, 134), 40 + r.range(0, 30), 1.0, QColor(200, 200, 210), QColor(60, 80, 140));
    gear(s, Asteroid, baseLeft ? r.range(60, 120) : r.range(234, 294), horizon - 70, 1.0, QColor(150, 125, 105));
    gear(s, Asteroid, 177 + r.range(-30, 30), horizon - 120, 0.9, QColor(125, 118, 110));
    // Hidden until a difference shows them: a star more, a stone.
    spares(s, r, Star, 1, {30, 324, 20, horizon - 60}, 0.9, 1.0, {QColor(255, 250, 220)});
    gear(s, Rock, frontX - dir * 64, frontY - 10, 0.8, QColor(150, 150, 152)).visible = false;
    s.objs.back().spare = true;
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
    {
        // The back of the tank as a keeper plants it: a dark bank of stones
        // along the glass, tall ribbon weed in clumps rising from it, hazy
        // with the water between. Laid out from the visit alone.
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        Rng bank(0xA9B0u + std::uint32_t(v));
        const QColor water = v == 2 ? QColor(20, 45, 100) : v == 1 ? QColor(35, 110, 85) : QColor(35, 105, 135);
        for (int i = 0; i < 16; ++i) { // the bank of stones at the back
            const double x = i * 24 + bank.range(-6, 6), rad = bank.range(12, 20);
            p.setBrush(mix(QColor(90, 95, 95), water, bank.range(0.35, 0.55)));
            p.drawEllipse(QPointF(x, sand - rad * 0.3), rad * 1.4, rad);
        }
        for (const double cx : {v == 1 ? 60.0 : 300.0, 177.0 + bank.range(-30, 30), v == 1 ? 300.0 : 60.0}) {
            const int blades = bank.between(7, 11);
            for (int k = 0; k < blades; ++k) {
                const double x = cx + bank.range(-22, 22), h = bank.range(120, 230), sway = bank.range(-26, 26);
                QPainterPath blade;
                blade.moveTo(x - 2.5, sand);
                blade.cubicTo(x - 2 + sway * 0.3, sand - h * 0.4, x + sway, sand - h * 0.7, x + sway * 1.2, sand - h);
                blade.cubicTo(x + sway + 3, sand - h * 0.7, x + 2 + sway * 0.3, sand - h * 0.4, x + 2.5, sand);
                blade.closeSubpath();
                p.setBrush(mix(QColor(70, 150, 70), water, bank.range(0.35, 0.6)));
                p.drawPath(blade);
            }
        }
    }
    {
        // The tank's ornament: a sunken castle on a heap of stones at one side,
        // so the water has something to swim round. Laid out from the visit
        // alone, so the scene's own draws are the same as before.
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        Rng look(0xA9A0u + std::uint32_t(v));
        const double cx = v == 1 ? 268 : 86, foot = sand + 12;
        const QColor stone(150, 150, 140), dark(95, 100, 100);
        for (int i = 0; i < 9; ++i) { // the heap
            const double x = cx + look.range(-58, 58), rad = look.range(9, 16);
            p.setBrush(mix(stone, dark, look.range(0, 0.6)));
            p.drawEllipse(QPointF(x, foot - rad * 0.4 - (58 - std::abs(x - cx)) * 0.25), rad * 1.3, rad);
        }
        const QRectF tower(cx - 20, foot - 118, 40, 100);
        QLinearGradient g(tower.topLeft(), tower.topRight());
        g.setColorAt(0, shade(stone, 1.15));
        g.setColorAt(1, shade(stone, 0.75));
        p.setBrush(g);
        p.drawRect(tower);
        for (int k = 0; k < 4; ++k) // the battlements
            p.drawRect(QRectF(tower.left() + k * 11 - 1, tower.top() - 8, 7, 9));
        p.setBrush(QColor(40, 50, 60, 220));
        QPainterPath door; // an arched door the fish swim through, and two windows
        door.moveTo(cx - 9, foot - 18);
        door.lineTo(cx - 9, foot - 42);
        door.arcTo(QRectF(cx - 9, foot - 51, 18, 18), 180, -180);
        door.lineTo(cx + 9, foot - 18);
        door.closeSubpath();
        p.drawPath(door);
        p.drawRoundedRect(QRectF(cx - 12, foot - 92, 7, 12), 3, 3);
        p.drawRoundedRect(QRectF(cx + 5, foot - 92, 7, 12), 3, 3);
        p.setPen(QPen(shade(stone, 0.6), 0.8)); // courses of stone
        for (double y = tower.top() + 14; y < tower.bottom(); y += 14)
            p.drawLine(QPointF(tower.left(), y), QPointF(tower.right(), y));
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(90, 160, 80), 200)); // weed grown over its foot
        for (int k = 0; k < 6; ++k)
            p.drawEllipse(QPointF(cx + look.range(-30, 30), foot - look.range(8, 30)), look.range(3, 6), look.range(6, 12));
    }
    noiseTexture(s.base, QRect(0, int(sand), kWidth, kHeight - int(sand)), 3, 12, r.seed());
    const double castleX = v == 1 ? 268 : 86, toward = v == 1 ? -1 : 1; // from the castle into the tank
    {
        // The air stone, away from the castle, and its stream of fine bubbles.
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        Rng fizz(0xA9C0u + std::uint32_t(v));
        const double ax = castleX + toward * 200;
        p.setBrush(QColor(110, 115, 120));
        p.drawRoundedRect(QRectF(ax - 8, sand + 6, 16, 7), 3, 3);
        for (double y = sand + 4; y > 24; y -= fizz.range(5, 11)) {
            p.setBrush(QColor(235, 250, 255, 150));
            const double rad = fizz.range(0.8, 1.8);
            p.drawEllipse(QPointF(ax + fizz.range(-3, 3) + std::sin(y / 30) * 3, y), rad, rad);
        }
    }
    const double stoneX = castleX + toward * 200;
    gear(s, Bubbles, stoneX + 2, sand - 60, 1.0, QColor(230, 245, 255));
    gear(s, Bubbles, stoneX - 3, sand - 190, 0.9, QColor(230, 245, 255));
    // Plants in groups: a clump beside the castle, a bigger one round the
    // air stone, coral and stones in the middle with the octopus among them.
    const double deepSand = sand + 12;
    for (int i = 0; i < 2; ++i)
        gear(s, Seaweed, castleX + toward * (58 + i * 40), deepSand - i * 6, r.range(1.1, 1.3), vary(QColor(60, 140, 70), r, 0.1)).count = r.between(2, 4);
    for (int i = 0; i < 3; ++i)
        gear(s, Seaweed, stoneX + (i - 1) * 42 - toward * 6, deepSand + (i % 2) * 8, r.range(1.2, 1.4), vary(QColor(50, 125, 65), r, 0.1)).count = r.between(2, 4);
    const double midX = 177 + toward * r.range(-6, 14), midY = sand + 40;
    gear(s, Coral, midX - 30, midY - 6, 0.9, anyOf(r, {QColor(240, 120, 120), QColor(240, 170, 70)})).count = 4;
    gear(s, Rock, midX + 14, midY + 2, 1.1, QColor(140, 135, 125));
    gear(s, Rock, midX + 40, midY - 8, 0.8, QColor(120, 118, 112));
    gear(s, Octopus, midX + 30, midY + 24, 1.0, anyOf(r, {QColor(220, 100, 80), QColor(170, 90, 190)}), QColor(), toward < 0);
    // At the castle's foot its treasure, a crab guarding it.
    gear(s, TreasureChest, castleX + toward * 8, sand + 44, 1.1, QColor(130, 85, 50));
    gear(s, Crab, castleX - toward * 34, sand + 54, 1.0, QColor(220, 70, 40), QColor(), toward > 0);
    // Shells and a starfish in the near sand, on the open side.
    const double shoreX = castleX + toward * 218;
    gear(s, Starfish, shoreX, kHeight - 22, 1.1, QColor(240, 120, 60)).count = 5;
    gear(s, Shell, shoreX - toward * 36, kHeight - 14, 1.0, QColor(240, 200, 180));
    gear(s, Shell, shoreX - toward * 70, kHeight - 26, 0.8, QColor(215, 185, 150)).shape = 1;
    // A sunken amphora lying in the near sand, a starfish by it.
    gear(s, Amphora, midX - toward * 96, kHeight - 34, 0.9, QColor(190, 110, 70), QColor(150, 80, 50));
    gear(s, Starfish, midX - toward * 62, kHeight - 16, 0.9, QColor(235, 200, 80)).count = 6;
    // The seahorses holding on to the weed by the air stone.
    gear(s, Seahorse, stoneX - toward * 40, sand - 50, 1.0, QColor(245, 190, 60), QColor(), toward > 0);
    gear(s, Seahorse, castleX + toward * 70, sand - 70, 0.9, QColor(240, 120, 90), QColor(), toward < 0);
    // The fish at three depths, in pairs of a kind (one grown, one young)
    // and one on its own: near the top, in the middle, low over the plants.
    struct Pair { QColor c; double y; double x; };
    const Pair pairs[] = {{QColor(240, 210, 40), 60 + r.range(0, 20), 120 + r.range(-30, 30)},
                          {QColor(240, 140, 30), 150 + r.range(0, 30), 230 + r.range(-30, 30)},
                          {QColor(60, 120, 220), sand - 130 + r.range(-10, 10), 150 + r.range(-30, 30)}};
    for (int i = 0; i < 3; ++i) {
        const Pair& f = pairs[(i + v) % 3];
        const double y = i == 0 ? pairs[0].y : i == 1 ? pairs[1].y : pairs[2].y;
        const double x = i == 0 ? pairs[0].x : i == 1 ? pairs[1].x : pairs[2].x;
        const bool left = r.chance(0.5);
        gear(s, Fish, x, y, 1.0, f.c, QColor(), left).count = r.between(1, 3);
        gear(s, Fish, x + (left ? 30 : -30), y + r.range(10, 18), 0.72, vary(f.c, r, 0.05), QColor(), left).count = r.between(0, 3);
    }
    gear(s, Fish, 354 - pairs[0].x, pairs[0].y + 50, 0.9, QColor(220, 60, 60), QColor(), r.chance(0.5)).count = 2;
    gear(s, Fish, 354 - pairs[1].x + toward * 20, pairs[2].y - 40, 0.85, QColor(150, 170, 190), QColor(), r.chance(0.5)).count = 3;
    // A keeper's tank has more than fish: the castle flies its flag, a
    // diver figure stands digging on the open sand, a sword plant grows in
    // the gravel before the castle's heap, a snail climbs the side glass.
    Obj& flag = gear(s, Flag, castleX + 10, sand - 106, 0.85, QColor(200, 50, 45), QColor(245, 240, 230));
    flag.c3 = flag.c1, flag.variant = v == 2;
    const QPointF diverAt = v == 0 ? QPointF(256, 420) : v == 1 ? QPointF(100, 428) : QPointF(256, 446);
    Obj& diver = gear(s, Diver, diverAt.x(), diverAt.y(), 1.1, anyOf(r, {QColor(170, 160, 135), QColor(110, 125, 140)}), QColor(), toward < 0);
    diver.variant = r.between(0, 1);
    gear(s, SwordPlant, castleX - toward * 40, sand + 14, 1.0, QColor(70, 150, 60)).count = 5;
    gear(s, Snail, v == 1 ? 24 : 330, sand - 150 - v * 20, 1.1, QColor(150, 100, 60), QColor(), v != 1);
    // Hidden until a difference shows them: a fish come out from the
    // weed, a third shell.
    gear(s, Fish, stoneX - toward * 60, sand - 100, 0.8, QColor(230, 100, 160), QColor(), toward > 0).visible = false;
    s.objs.back().spare = true;
    gear(s, Shell, shoreX - toward * 10, kHeight - 40, 0.85, QColor(250, 230, 210)).visible = false;
    s.objs.back().spare = true;
}

namespace {
// A canoe drawn up on a shore at `c`, bow in the water, its paddle laid
// across; a set piece.
void canoe(Scene& s, QPointF c)
{
    s.surfaces.pieces.push_back(QRectF(c.x() - 31, c.y() - 11, 62, 16));
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QPainterPath hull;
    hull.moveTo(c + QPointF(-30, -6));
    hull.quadTo(c + QPointF(0, 8), c + QPointF(30, -6));
    hull.quadTo(c + QPointF(0, -2), c + QPointF(-30, -6));
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(c.x() - 30, c.y() - 1, 60, 6));
    p.setPen(QPen(QColor(90, 40, 30), 0.9));
    p.setBrush(QColor(190, 70, 45));
    p.drawPath(hull);
    p.setPen(QPen(QColor(240, 225, 190), 1.2)); // its gunwale
    p.drawLine(c + QPointF(-27, -5.2), c + QPointF(27, -5.2));
    p.setPen(QPen(QColor(150, 110, 65), 1.6, Qt::SolidLine, Qt::RoundCap)); // the paddle laid across
    p.drawLine(c + QPointF(-14, -10), c + QPointF(12, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 65));
    p.drawEllipse(c + QPointF(13, 2), 4, 2);
}

// A lake running in from one side under the far wood, its near shore a
// curve of sand with reeds, a canoe pulled up on it and its paddle across.
// The whole of it is a set piece: nothing stands in it.
void campLake(Scene& s, Rng& r, const Daylight& d, bool fromLeft, double top, double width, double depth)
{
    const double edge = fromLeft ? -4 : kWidth + 4, dir = fromLeft ? 1 : -1, far = edge + dir * (width + 4);
    QPainterPath lake;
    lake.moveTo(edge, top);
    lake.lineTo(far, top);
    lake.cubicTo(far + dir * 10, top + depth * 0.45, edge + dir * width * 0.7, top + depth * 1.05, edge, top + depth);
    lake.closeSubpath();
    const QRectF box = lake.boundingRect();
    s.surfaces.pieces.push_back(box.adjusted(0, 2, 0, 4));
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 150, 105), 5)); // the sand of its shore
    p.drawPath(lake);
    p.setPen(Qt::NoPen);
    p.setClipPath(lake);
    verticalGradient(p, box, {{0, mix(d.sky.back().second, QColor(50, 110, 125), 0.5)}, {1, QColor(35, 85, 100)}});
    waterGlints(p, box, QColor(255, 255, 255), int(box.width() * box.height() / 140), r.seed());
    p.setClipping(false);
    p.setPen(QPen(QColor(70, 110, 50), 1.2, Qt::SolidLine, Qt::RoundCap)); // reeds where the shore bends
    for (int i = 0; i < 9; ++i) {
        const QPointF at(far - dir * r.range(0, 16), top + r.range(4, depth * 0.5));
        p.drawLine(at, at + QPointF(r.range(-3, 3), -r.range(10, 18)));
    }
    p.end(); // the canoe paints itself
    canoe(s, QPointF(edge + dir * width * 0.42, top + depth * 0.86));
}
} // namespace

void buildCampsite(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = v == 1 ? daylight(3, r) : v == 2 ? daylight(0, r) : night(r); // evening, night, early morning
    s.finish.tint = v == 1 ? QColor(255, 230, 210) : v == 2 ? QColor(250, 248, 240) : QColor(215, 220, 255);
    // Seen from close by, the meadow taking most of the picture.
    const double horizon = 140 + v * 16 + r.range(-6, 6), deep = kHeight - horizon;
    skyAndGround(s, r, d, horizon, QColor(45, 80, 45), QColor(50, 70, 60), 260);
    const bool mainLeft = v != 1;
    const double dir = mainLeft ? 1 : -1; // from the big tent towards the middle
    // The wood behind the meadow, its firs close together; a lake reaching in
    // from the far side, or in the morning all along under the wood, the
    // canoe drawn up on its shore.
    for (int i = 0; i < 10; ++i)
        put(s, Fir, 8 + i * 37 + r.range(-8, 8), horizon + 4, r.range(0.6, 0.8), QColor(25, 55, 45));
    const bool wideLake = v == 2;
    if (wideLake) {
        water(s, r, d, horizon + 8, horizon + 44, QColor(40, 95, 110));
        canoe(s, QPointF(177 + dir * r.range(100, 120), horizon + 46)); // clear of the washing line
        gear(s, Duck, 177 + dir * r.range(20, 60), horizon + 30, 0.7, QColor(120, 90, 60), QColor(), mainLeft);
    } else {
        campLake(s, r, d, !mainLeft, horizon + 10, r.range(140, 160), 58);
    }
    if (v == 0) // the night's first stars
        group(s, r, Star, 3, {15, 339, 15, horizon - 60}, 0.7, 1.0, {QColor(255, 250, 220)});
    // One measure for all: pixels per centimetre at a depth, so that a tent,
    // a stool and a kettle agree; small things a little larger, to be seen.
    auto perCm = [&](double y) { return 0.22 + 0.5 * (y - horizon) / deep; };
    auto sized = [&](K kind, double y, double f) { return f * perCm(y) * realHeight(kind) / kindOf(kind).box.height(); };
    auto near = [&](double y) { return perCm(y) / 0.45; };
    // The big tent with its fire before it, a log to sit on and a stool
    // round the fire, the kettle kept warm by it, the dog by the tent.
    const double tentX = mainLeft ? r.range(66, 76) : r.range(278, 288), tentY = horizon + deep * 0.36;
    const QColor canvas = anyOf(r, {QColor(230, 120, 40), QColor(60, 120, 80), QColor(200, 60, 60)});
    gear(s, Tent, tentX, tentY, sized(Tent, tentY, 1.0), canvas, QColor(250, 220, 60), !mainLeft).shape = v % 2;
    gear(s, Lantern, tentX + dir * 58, tentY + 6, sized(Lantern, tentY, 1.4), QColor(60, 55, 50)).variant = v != 2;
    const double fireX = tentX + dir * 92, fireY = tentY + 56;
    gear(s, Campfire, fireX, fireY, sized(Campfire, fireY, 1.6), QColor(120, 120, 125)).variant = v != 2;
    gear(s, Stump, fireX - dir * 44, fireY + 2, sized(Stump, fireY, 1.25), QColor(120, 85, 55));
    gear(s, Stool, fireX + dir * 42, fireY - 2, sized(Stool, fireY, 1.25), QColor(130, 95, 60), QColor(), mainLeft);
    gear(s, Kettle, fireX + dir * 6, fireY + 22, sized(Kettle, fireY + 22, 1.5), QColor(200, 60, 50), QColor(70, 70, 75), mainLeft);
    gear(s, Dog, tentX + dir * 4, tentY + 44, sized(Dog, tentY + 44, 1.0), QColor(150, 100, 60), QColor(60, 50, 45), mainLeft);
    // The washing line from the big tent back towards the wood.
    const double lineFoot = tentY - 36;
    washingLine(s, tentX + dir * 44, tentX + dir * 120, lineFoot, 40 * near(lineFoot),
                {anyOf(r, {QColor(240, 240, 235), QColor(90, 140, 200)}), QColor(220, 70, 60), QColor(250, 210, 70), QColor(110, 160, 110)});
    // The small tent on the other side, below the lake's shore: a bicycle
    // leant by it, the food crate the fox is after, the firewood stacked.
    const double smallX = 354 - tentX - dir * 6, smallY = horizon + deep * 0.3;
    gear(s, Tent, smallX, smallY, sized(Tent, smallY, 0.8), shade(canvas == QColor(60, 120, 80) ? QColor(200, 60, 60) : QColor(60, 120, 80), 1.0),
         QColor(250, 220, 60), mainLeft).shape = 1 - v % 2;
    gear(s, Bicycle, smallX - dir * 64, smallY + 2, sized(Bicycle, smallY, 1.0), anyOf(r, {QColor(40, 90, 160), QColor(200, 50, 40)}), QColor(), mainLeft);
    const double crateY = smallY + 34;
    gear(s, Crate, smallX + dir * 6, crateY, sized(Crate, crateY, 1.0), QColor(150, 110, 70), QColor(60, 120, 80));
    gear(s, Fox, smallX - dir * 28, crateY + 10, sized(Fox, crateY + 10, 1.0), QColor(210, 110, 40), QColor(), !mainLeft);
    woodpile(s, QPointF(smallX - dir * 2 + (mainLeft ? 40 : -40), crateY - 4), near(crateY), false);
    // In front, the picnic cloth with the basket, a cup and the bowl of
    // fruit; the deck chair and a lantern by it.
    const double clothY = horizon + deep * 0.76, clothX = 177 + dir * r.range(20, 34), kc = near(clothY);
    rug(s, QRectF(clothX - 40 * kc, clothY - 13 * kc, 80 * kc, 26 * kc), anyOf(r, {QColor(200, 60, 55), QColor(60, 110, 180)}), std::uint32_t(r.next()));
    gear(s, Basket, clothX - 20 * kc, clothY + 2 * kc, sized(Basket, clothY, 1.2), QColor(190, 150, 90), QColor(160, 120, 60));
    gear(s, Cup, clothX + 4 * kc, clothY + 4 * kc, 0.55 * kc, QColor(60, 110, 180));
    gear(s, Bowl, clothX + 24 * kc, clothY + 1 * kc, sized(Bowl, clothY, 2.2), QColor(240, 235, 220), QColor(220, 60, 50));
    gear(s, DeckChair, clothX - dir * 66 * kc, clothY - 4, sized(DeckChair, clothY - 4, 1.0), QColor(60, 110, 180), QColor(240, 240, 235), !mainLeft);
    // The meadow's edge in front: a stump with mushrooms on one side,
    // stones with a hedgehog on the other.
    const double edgeY = kHeight - 20;
    const double stumpX = mainLeft ? r.range(34, 50) : r.range(304, 320);
    gear(s, Stump, stumpX, edgeY, sized(Stump, edgeY, 1.0), QColor(115, 80, 50));
    gear(s, Mushroom, stumpX + dir * 30, edgeY + 2, 1.1, QColor(200, 60, 30)).count = 3;
    gear(s, Mushroom, stumpX + dir * 52, edgeY - 6, 0.9, QColor(150, 100, 60)).count = 2;
    const double stoneX = 354 - stumpX;
    gear(s, Rock, stoneX, edgeY, 1.4, QColor(90, 95, 100));
    gear(s, Rock, stoneX - dir * 38, edgeY - 14, 1.0, QColor(110, 112, 118));
    gear(s, Hedgehog, stoneX - dir * 74, edgeY - 4, 1.1, QColor(120, 95, 70), QColor(), mainLeft);
    // At the wood's edge, away from the lake, the bear looks on.
    const double bearY = horizon + (wideLake ? 6 : 16); // on the far shore, over the water
    gear(s, Bear, mainLeft ? r.range(22, 46) : r.range(308, 332), bearY, sized(Bear, bearY, 0.7), QColor(105, 72, 45), QColor(), !mainLeft);
    // Hidden until a difference shows them: a mushroom more, a rabbit at the
    // wood's edge, a mug by the stool at the fire.
    gear(s, Mushroom, stumpX + dir * 10, edgeY + 8, 0.8, QColor(240, 235, 220)).visible = false;
    s.objs.back().spare = true;
    const double rabbitY = horizon + (wideLake ? 60 : 34);
    gear(s, Rabbit, 177 - dir * 10, rabbitY, sized(Rabbit, rabbitY, 1.2), QColor(150, 120, 90), QColor(), mainLeft).visible = false;
    s.objs.back().spare = true;
    gear(s, Cup, fireX + dir * 60, fireY + 6, 0.5 * near(fireY), QColor(60, 110, 180)).visible = false;
    s.objs.back().spare = true;
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
    lightsOnPoles(s, r, ground + 56, 10, 34, many(s, 8), {QColor(255, 210, 90), QColor(255, 100, 90), QColor(120, 200, 255)},
                  QColor(120, 130, 160, 90));
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
    const double horizon = 160 + v * 40 + r.range(-8, 8), ground = horizon + 20, deep = kHeight - ground;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, horizon);
        hills(p, horizon - 60, 110, 120, QColor(235, 240, 250), mix(d.haze, QColor(110, 120, 140), 0.5), r.seed(), horizon + 5);
    }
    skyAndGround(s, r, Daylight{{{0, QColor(0, 0, 0, 0)}}, QColor(0, 0, 0, 0), QPointF(-100, -100), d.tint, d.haze, false},
                 ground, QColor(90, 150, 60), QColor(120, 170, 80), 500);
    // The alp as the herdsman keeps it: his hut at one side, the path from its
    // door down through the pasture; the herd gathered at the trough before
    // the fence, the goats and lambs with the shepherd nearer; the stream
    // running down from the snow on the other side, the chamois up on the
    // rocks above it by the wood. Nearer is lower and bigger.
    const double hutX = v == 2 ? 70 : 280, a = hutX < 177 ? 1 : -1; // from the hut's side towards the stream's
    const double far = 177 + a * 130;                                 // the stream's side, by the wood
    const auto nearer = [&](double y) { return 0.7 + 0.6 * (y - ground) / deep; };
    const auto at = [&](double depth) { return ground + deep * depth; };
    // Where each visit puts the herd and the flock (depth, and x from the middle towards the stream).
    struct Herding { double herdDepth, herdX, flockDepth, flockX; };
    const Herding layouts[3] = {{0.3, 10, 0.7, -40}, {0.46, -30, 0.76, 50}, {0.28, 20, 0.66, -10}};
    const Herding& lay = layouts[v];
    Rng look(0xA1B0 + std::uint64_t(v));
    QPainterPath path, stream;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        // The rocks the chamois climb, at the foot of the mountain by the wood.
        const double rx = far - a * 10, ry = at(0.12);
        for (int i = 0; i < 5; ++i) {
            const double bx = rx + (i - 2) * 15 + look.range(-4, 4), by = ry - (i == 2 ? 24 : i % 2 ? 14 : 4), w = 20 + look.range(0, 8);
            QPainterPath b;
            b.moveTo(bx - w / 2, ry + 4);
            b.lineTo(bx - w * 0.45, by + 6);
            b.lineTo(bx - w * 0.1, by);
            b.lineTo(bx + w * 0.35, by + 3);
            b.lineTo(bx + w / 2, ry + 4);
            b.closeSubpath();
            p.setPen(QPen(QColor(95, 95, 100), 1));
            p.setBrush(litGradient(b.boundingRect(), QColor(150, 150, 155), 0.45));
            p.drawPath(b);
        }
        // The stream, from the snow down past the rocks to the near edge, wider as it comes.
        stream.moveTo(far + a * 8, ground - 6);
        stream.cubicTo(far + a * 30, at(0.3), far - a * 40, at(0.55), far - a * 4, kHeight + 6);
        const int steps = 40;
        for (int i = 0; i < steps; ++i) {
            const double t0 = double(i) / steps, t1 = double(i + 1) / steps;
            const double w = 3 + 34 * t1 * t1;
            p.setPen(QPen(QColor(200, 190, 150), w + 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(stream.pointAtPercent(t0), stream.pointAtPercent(t1));
        }
        for (int i = 0; i < steps; ++i) {
            const double t0 = double(i) / steps, t1 = double(i + 1) / steps;
            const double w = 3 + 34 * t1 * t1;
            p.setPen(QPen(mix(QColor(90, 150, 200), d.haze, 0.2), w, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(stream.pointAtPercent(t0), stream.pointAtPercent(t1));
        }
        p.setPen(QPen(QColor(235, 245, 250, 200), 1.2, Qt::SolidLine, Qt::RoundCap)); // the ripples
        for (int i = 4; i < steps; i += 3) {
            const QPointF c = stream.pointAtPercent((i + 0.5) / steps);
            const double w = 2 + 12 * (double(i) / steps) * (double(i) / steps);
            p.drawLine(c - QPointF(w, 0), c + QPointF(w * 0.4, 0));
        }
        // Pebbles along its banks, washed grey.
        for (int i = 6; i < steps; i += 2) {
            const double t = (i + look.range(0, 1)) / steps, w = 3 + 34 * t * t;
            const QPointF c = stream.pointAtPercent(t) + QPointF((i % 4 ? 1 : -1) * (w / 2 + 2), 0);
            p.setPen(Qt::NoPen);
            p.setBrush(litGradient(QRectF(c.x() - 3, c.y() - 2, 6, 4), QColor(165, 165, 160), 0.4));
            p.drawEllipse(c, 1.5 + 3 * t, 1 + 2 * t);
        }
        // The path from the hut's door down to the near edge.
        path.moveTo(hutX, at(0.2));
        path.cubicTo(hutX + a * 40, at(0.45), 177 - a * 60, at(0.7), 177 - a * 10, kHeight + 6);
        for (int i = 0; i < steps; ++i) {
            const double t0 = double(i) / steps, t1 = double(i + 1) / steps;
            p.setPen(QPen(QColor(165, 140, 100), 5 + 14 * t1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(path.pointAtPercent(t0), path.pointAtPercent(t1));
        }
        for (int i = 0; i < steps; ++i) {
            const double t0 = double(i) / steps, t1 = double(i + 1) / steps;
            p.setPen(QPen(QColor(190, 165, 125), 2 + 8 * t1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(path.pointAtPercent(t0), path.pointAtPercent(t1));
        }
    }
    // The wood behind the rocks, and a fir or two sheltering the hut.
    for (int i = 0; i < 4; ++i)
        put(s, Fir, far + a * (i * 22 - 40) + r.range(-5, 5), ground + 4 + (i % 2) * 5, r.range(0.45, 0.6), QColor(35, 80, 55));
    for (int i = 0; i < 2; ++i)
        put(s, Fir, hutX - a * (38 + i * 24), ground + 10 + i * 4, r.range(0.5, 0.6), QColor(40, 85, 55));
    for (int i = 0; i < 2; ++i) // young ones seeded out across the pasture's top
        put(s, Fir, 177 + a * (i * 46 - 36) + look.range(-6, 6), ground + 2 + i * 3, 0.38 + 0.05 * i, QColor(45, 90, 60));
    // The chamois up on the rocks, the deer at the wood's edge.
    gear(s, Chamois, far - a * 10, at(0.12) - 22, 0.8, QColor(130, 95, 60), QColor(), a > 0);
    gear(s, Chamois, far - a * 38, at(0.12) - 6, 0.85, QColor(115, 85, 55), QColor(), a < 0);
    gear(s, Deer, far - a * 72, at(0.1), 0.9 * nearer(at(0.1)), QColor(150, 100, 60), QColor(), a > 0); // clear of the stream
    // The hut with its bench and milk cans at the door, the hive and bird box beside it.
    const double hutY = at(0.2), kh = nearer(hutY);
    put(s, House, hutX, hutY, 0.75, QColor(150, 100, 60), QColor(110, 70, 50)).shape = 0;
    gear(s, Bench, hutX + a * 44, hutY + 10, 1.2 * kh, QColor(120, 85, 55));
    gear(s, MilkCan, hutX - a * 4, hutY + 16, 0.8 * kh, QColor(190, 195, 200));
    gear(s, MilkCan, hutX - a * 24, hutY + 20, 0.85 * kh, QColor(200, 200, 205)).mirror = true;
    put(s, Birdhouse, hutX - a * 56, hutY + 26, 1.1 * kh, QColor(200, 160, 110), QColor(150, 50, 40));
    gear(s, Beehive, hutX - a * 30, hutY + 54, 1.0 * kh, QColor(215, 175, 90));
    gear(s, Churn, hutX + a * 14, hutY + 14, 0.9 * kh, QColor(170, 125, 80));
    woodpile(s, {hutX - a * 50, hutY + 2}, 0.8 * kh, false);
    // The hay made on the slope behind the pasture, raked into bales to dry.
    const double hayY = at(lay.herdDepth < 0.35 ? 0.5 : 0.16), kb = nearer(hayY);
    for (int i = 0; i < 2; ++i)
        gear(s, Haybale, 177 + a * (lay.herdDepth < 0.35 ? 34 : -10) + i * 46 * kb, hayY + i * 10 * kb, 1.1 * kb, QColor(215, 185, 100));
    // The pasture's fence behind the herd, the trough before it, the cattle round it.
    const double herdY = at(lay.herdDepth), herdX = 177 + a * lay.herdX, kc = nearer(herdY);
    put(s, Fence, herdX - a * 20, herdY - 18 * kc, 1.1 * kc, QColor(130, 100, 70)).count = 6;
    trough(s, {herdX, herdY + 2}, 44 * kc, QColor(120, 90, 60));
    gear(s, Cattle, herdX - 34 * kc, herdY + 4 * kc, 0.9 * kc, QColor(150, 95, 55), QColor(), false); // drinking
    gear(s, Cattle, herdX + 38 * kc, herdY + 2 * kc, 0.92 * kc, QColor(230, 225, 215), QColor(), true);
    gear(s, Cattle, herdX + 6 * kc, herdY + 24 * kc, 0.98 * kc, QColor(120, 80, 50), QColor(), r.chance(0.5));
    gear(s, Llama, herdX - a * 76 * kc, herdY - 4 * kc, 0.95 * kc, QColor(235, 222, 200), QColor(150, 110, 75), a > 0);
    spares(s, r, Calf, 1, {herdX - 30 * kc, herdX - 20 * kc, herdY + 24 * kc, herdY + 30 * kc}, 0.9 * kc, 0.95 * kc, {QColor(200, 160, 110)});
    // The goats and lambs close together, the shepherd with them.
    const double flockY = at(lay.flockDepth), flockX = 177 + a * lay.flockX, kf = nearer(flockY);
    shepherd(s, {flockX - a * 50 * kf, flockY + 4 * kf}, 1.0 * kf, a < 0);
    gear(s, Goat, flockX - 14 * kf, flockY, 1.0 * kf, QColor(240, 236, 225), QColor(), true);
    gear(s, Goat, flockX + 20 * kf, flockY + 6 * kf, 1.05 * kf, QColor(150, 110, 70), QColor(), false);
    gear(s, Lamb, flockX + 2 * kf, flockY + 18 * kf, 1.05 * kf, QColor(245, 242, 235), QColor(), a > 0);
    gear(s, Lamb, flockX + 36 * kf, flockY + 20 * kf, 1.0 * kf, QColor(235, 230, 222), QColor(), a < 0);
    gear(s, Dog, flockX - a * 84 * kf, flockY + 12 * kf, 1.0 * kf, QColor(60, 45, 35), QColor(), a < 0); // keeping them together
    spares(s, r, Lamb, 1, {flockX - 30 * kf, flockX - 22 * kf, flockY + 18 * kf, flockY + 24 * kf}, 1.0 * kf, 1.05 * kf, {QColor(245, 242, 235)});
    // Flowers in clumps by the path (on its side away from the flock) and by the stream.
    const auto away = [&](double t, double gap, double from) {
        const QPointF c = path.pointAtPercent(t);
        return c + QPointF(c.x() < from ? -gap : gap, 0);
    };
    const QColor clumps[2][3] = {{QColor(150, 80, 200), QColor(250, 200, 40), QColor(230, 50, 70)},
                                 {QColor(245, 240, 235), QColor(90, 110, 210), QColor(250, 200, 40)}};
    for (int c = 0; c < 2; ++c) {
        const QPointF by = c == 0 ? away(0.84, 34, flockX) : stream.pointAtPercent(0.72) - QPointF(a * 40, 0);
        const double k = nearer(by.y());
        for (int i = 0; i < 3; ++i)
            put(s, Flower, by.x() + (i - 1) * 12 * k, by.y() + (i % 2) * 7 * k, 0.8 * k, clumps[c][i]).count = 5 + i;
    }
    // Bushes along the stream's bank, a butterfly over each clump of flowers.
    for (const double t : {0.38, 0.56}) {
        const QPointF bank = stream.pointAtPercent(t) - QPointF(a * (16 + 30 * t), 0);
        put(s, Bush, bank.x(), bank.y(), 0.8 * nearer(bank.y()), QColor(60, 120, 50), QColor(245, 240, 235));
    }
    for (int c = 0; c < 2; ++c) {
        const QPointF by = c == 0 ? away(0.84, 34, flockX) : stream.pointAtPercent(0.72) - QPointF(a * 40, 0);
        put(s, Butterfly, by.x() + (c ? 10 : -10), by.y() - 34 * nearer(by.y()), 1.0, c ? QColor(250, 180, 40) : QColor(230, 60, 50), QColor(40, 30, 30));
    }
    flying(s, r, 2, horizon - 80, QColor(50, 50, 60));
    spares(s, r, Flower, 1, {177 - 30, 177 + 30, at(0.86), at(0.92)}, 0.9, 1.0, {QColor(150, 80, 200)});
}

namespace {
// The pier's rail along its edge over the water: posts, a top rail and a
// middle one, a fisherman's net hung over it to dry with its floats. The
// posts' tops are noted as stands, for a gull to sit on.
void pierRail(Scene& s, double deck, double netX, const QColor& wood)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const double top = deck - 18, post = 50;
    for (double x = 12; x < kWidth; x += post) {
        p.fillRect(QRectF(x + 2, top + 1, 5, deck + 6 - top), QColor(0, 0, 0, 45));
        p.fillRect(QRectF(x - 2, top - 2, 5, deck + 6 - top + 2), litGradient(QRectF(x - 2, top, 5, 20), shade(wood, 0.9), 0.4));
        s.surfaces.stands.emplace_back(x - 3, top - 3, 7, 3);
    }
    for (const double y : {top, top + 9}) {
        p.fillRect(QRectF(0, y + 2, kWidth, 1.5), QColor(0, 0, 0, 50));
        p.fillRect(QRectF(0, y, kWidth, 2.6), shade(wood, y == top ? 1.05 : 0.85));
    }
    // The net over the rail between two posts, sagging, its cork floats along the top.
    const double x0 = netX - 36, x1 = netX + 36;
    QPainterPath net;
    net.moveTo(x0, top);
    net.lineTo(x1, top);
    net.quadTo(x1 + 2, top + 14, x1 - 6, top + 24);
    net.quadTo(netX, top + 32, x0 + 6, top + 23);
    net.quadTo(x0 - 2, top + 12, x0, top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 150, 120, 150));
    p.drawPath(net);
    p.save();
    p.setClipPath(net);
    p.setPen(QPen(QColor(90, 80, 60, 170), 0.7));
    for (double d = -40; d < 100; d += 5) {
        p.drawLine(QPointF(x0 + d, top), QPointF(x0 + d + 34, top + 34));
        p.drawLine(QPointF(x1 - d, top), QPointF(x1 - d - 34, top + 34));
    }
    p.restore();
    p.setPen(QPen(QColor(70, 60, 45), 0.8));
    for (double x = x0 + 6; x < x1 - 2; x += 12) {
        p.setBrush(QColor(235, 120, 40));
        p.drawEllipse(QPointF(x, top + 1), 3.2, 2.4);
    }
}

// An angler on his low stool at the pier's edge, seen from behind as he
// looks out over the water (`k` 1: about 40 px tall). His hands hold the rod
// at `hands` (returned, in picture coordinates).
QPointF angler(Scene& s, QPointF foot, double k, bool rodRight, const QColor& jacket, const QColor& hat)
{
    s.surfaces.pieces.push_back(QRectF(foot.x() - 12 * k, foot.y() - 46 * k, 24 * k, 46 * k));
    QPainter p(&s.base);
    figureAt(p, foot, k, !rodRight, QRectF(-13, -2.5, 26, 5), 55);
    const QColor wood(120, 85, 55);
    p.setPen(QPen(shade(wood, 0.7), 1.6, Qt::SolidLine, Qt::RoundCap)); // the stool's legs
    p.drawLine(QPointF(-6, 0), QPointF(-4, -11));
    p.drawLine(QPointF(6, 0), QPointF(4, -11));
    p.drawLine(QPointF(0, 1), QPointF(0, -11));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-8, -13.5, 16, 3), 1, 1);
    p.setBrush(QColor(50, 55, 70)); // trousers on the seat, his boots showing at the sides
    p.drawRoundedRect(QRectF(-9, -19, 18, 7), 3, 3);
    p.setBrush(QColor(40, 35, 30));
    p.drawRoundedRect(QRectF(-12, -6, 5, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(7, -6, 5, 4), 1.5, 1.5);
    QPainterPath back; // the jacket, broad at the shoulders
    back.moveTo(-8.5, -16);
    back.lineTo(8.5, -16);
    back.quadTo(10.5, -28, 8.5, -34);
    back.quadTo(0, -37.5, -8.5, -34);
    back.quadTo(-10.5, -28, -8.5, -16);
    p.setPen(QPen(shade(jacket, 0.55), 0.8));
    p.setBrush(litGradient(back.boundingRect(), jacket, 0.3));
    p.drawPath(back);
    p.setPen(QPen(shade(jacket, 0.7), 2.8, Qt::SolidLine, Qt::RoundCap)); // his arm forward to the rod
    p.drawLine(QPointF(7.5, -31), QPointF(11, -23));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 115)); // neck and ears
    p.drawEllipse(QRectF(-4, -43, 8, 9));
    p.setBrush(hat); // a bucket hat against the sun
    p.drawEllipse(QRectF(-7.5, -42, 15, 4));
    p.drawRoundedRect(QRectF(-4.8, -47, 9.6, 6.5), 2.5, 2.5);
    p.setBrush(QColor(225, 185, 150)); // his hand on the rod
    p.drawEllipse(QPointF(11.5, -22.5), 1.8, 1.8);
    return foot + QPointF((rodRight ? 11.5 : -11.5) * k, -22.5 * k);
}
} // namespace

void buildPier(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(2 - v, r); // afternoon, noon, morning
    s.finish.tint = d.tint;
    // From the pier's end: the far shore low under the sky, the water with
    // its boats, and a deep deck for the gear and the angler's place.
    // The morning's view stands higher on the pier: more sky, the deck further down.
    const double horizon = (v == 2 ? 146 : 104 + v * 12) + r.range(-6, 6), deck = horizon + (v == 2 ? 136 : 116 + v * 8) + r.range(0, 10);
    skyAndGround(s, r, d, horizon, QColor(40, 90, 110), QColor(60, 110, 130));
    water(s, r, d, horizon, kHeight, QColor(30, 80, 100));
    const bool townLeft = farTown(s, r, d, horizon);
    {
        QPainter p(&s.base);
        planks(p, QRectF(0, deck, kWidth, kHeight - deck), QColor(150, 115, 80), 14, true, r.seed());
        p.fillRect(QRectF(0, deck, kWidth, 4), QColor(60, 40, 30, 140));
    }
    put(s, Lighthouse, townLeft ? r.range(292, 318) : r.range(36, 62), horizon + 8, 0.55, QColor(240, 240, 235), QColor(200, 50, 40));
    // Sails far out, a boat moored nearer, buoys and a pair of ducks riding the swell.
    group(s, r, Boat, 2, {30, 324, horizon + 22, horizon + 52}, 0.45, 0.55, {QColor(250, 250, 245), QColor(60, 90, 160)}, QColor(245, 240, 230), QColor(40, 90, 160));
    group(s, r, Boat, 1, {50, 304, deck - 44, deck - 30}, 0.85, 0.95, {QColor(200, 60, 50), QColor(250, 250, 245)}, QColor(245, 240, 230), QColor(40, 90, 160));
    group(s, r, Buoy, 2, {30, 324, horizon + 40, deck - 40}, 0.8, 1.0, {QColor(240, 90, 30)}); // clear of the line
    group(s, r, Duck, 2, {30, 324, horizon + 60, deck - 36}, 0.9, 1.0, {QColor(120, 90, 60), QColor(250, 250, 245)});
    flying(s, r, 3, horizon - 30, QColor(245, 245, 245));
    const std::size_t gearFrom = s.objs.size();
    deckGear(s, r, deck, false);
    { // Before the stacked crates, nearer, a barrel of salted fish with a basket for the catch by it.
        const auto crate = std::find_if(s.objs.begin() + long(gearFrom), s.objs.end(), [](const Obj& o) { return o.kind == Crate; });
        const double side = crate->pos.x() < kWidth / 2.0 ? 1 : -1, near = std::clamp((kHeight - deck) / 150, 0.85, 1.15);
        const double bx = side > 0 ? r.range(58, 72) : r.range(282, 296), by = deck + (kHeight - deck) * 0.88;
        gear(s, Barrel, bx, by, 1.25 * near, QColor(140, 95, 60), QColor(60, 60, 65)).variant = 1;
        gear(s, Basket, bx + side * 34, by + 4, 0.95, QColor(190, 150, 90), QColor(160, 120, 60));
        // Across from the crates, the table the catch is cleaned on, a fish
        // on it, a crab got loose from the box at its foot.
        const double sx = side > 0 ? r.range(250, 268) : r.range(86, 104), sy = deck + (kHeight - deck) * 0.34;
        Obj& table = gear(s, Table, sx, sy, 1.35, QColor(150, 110, 75));
        table.deny |= Recolour;
        Obj& fish = gear(s, Fish, sx - 2, sy - 18.5 * 1.35 + 1, 0.9, QColor(150, 170, 190), QColor(100, 110, 130), side > 0);
        setOn(fish, s.objs[s.objs.size() - 2]);
        gear(s, Crab, sx + side * 34, sy + 8, 0.9, QColor(200, 80, 50));
    }
    // Along the edge, where the bollards leave room: a bench to watch the
    // water from, and the angler's place.
    const auto freeEdge = [&](double halfWidth, double below) {
        for (double x = 60; x <= 294; x += 6)
            if (std::none_of(s.objs.begin(), s.objs.end(), [&](const Obj& o) {
                    return o.visible && QRectF(bounds(o)).intersects(QRectF(x - halfWidth, deck - 4, 2 * halfWidth, below));
                }))
                return x;
        return -1.0;
    };
    // The angler on his stool, his rod out over the rail and the water, the
    // float on its line; his bucket of fish by him.
    double anglerX = -1;
    if (const double rodX = freeEdge(18, 38); rodX > 0) {
        anglerX = rodX;
        const double dir = rodX < kWidth / 2.0 ? 1 : -1; // out over the water, clear of the lamp at the side
        const QPointF hands = angler(s, QPointF(rodX, deck + 30), 1.15, dir > 0, anyOf(r, {QColor(70, 100, 60), QColor(200, 160, 50), QColor(60, 80, 130)}),
                                     anyOf(r, {QColor(230, 225, 200), QColor(150, 130, 90)}));
        const QPointF tip(rodX + dir * 64, deck - 74), bob(rodX + dir * 72, deck - 22);
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(60, 45, 35), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(hands + QPointF(-dir * 6, 8), tip);
        p.setPen(QPen(QColor(235, 235, 225, 200), 0.7));
        p.drawLine(tip, bob);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 50, 40));
        p.drawEllipse(bob, 2.2, 2.2);
        p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(bob + QPointF(0, 2), 6, 1.6); // its ripple
        const QPointF bucketAt(rodX - dir * 26, deck + 34);
        if (std::none_of(s.objs.begin(), s.objs.end(), [&](const Obj& o) { return o.visible && QRectF(bounds(o)).contains(bucketAt - QPointF(0, 8)); }))
            gear(s, Bucket, bucketAt.x(), bucketAt.y(), 0.85, QColor(60, 120, 180), QColor(90, 95, 100));
    }
    if (const double benchX = freeEdge(40, 44); benchX > 0)
        gear(s, Bench, benchX, deck + 14, 1.2, QColor(120, 85, 55));
    // The rail along the edge, the spare net hung over it away from the angler,
    // a gull on a post.
    const double netX = anglerX > 0 && anglerX < kWidth / 2.0 ? 237 : 137;
    pierRail(s, deck, netX, QColor(140, 105, 70));
    const double postX = netX + (netX > kWidth / 2.0 ? 75 : -75);
    gear(s, Gull, postX, deck - 20, 0.9, QColor(250, 250, 250), QColor(), netX > kWidth / 2.0);
}

namespace {
// The café's espresso machine standing on the counter at (x, top): a chrome
// body with its dial, two spouts, a cup under one, the beans' hopper on top.
void espressoMachine(Scene& s, double x, double top)
{
    s.surfaces.pieces.emplace_back(x - 15, top - 44, 30, 44);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    softShadow(p, QRectF(x - 16, top - 3, 32, 5));
    const QColor chrome(185, 190, 195), red(170, 45, 40);
    const QRectF bodyRect(x - 13, top - 32, 26, 32);
    p.setPen(QPen(shade(red, 0.5), 0.6));
    p.setBrush(litGradient(bodyRect, red, 0.35));
    p.drawRoundedRect(bodyRect, 2.5, 2.5);
    p.setBrush(litGradient(QRectF(x - 11, top - 22, 22, 16), chrome, 0.5)); // the recess the cups stand in
    p.drawRect(QRectF(x - 11, top - 22, 22, 16));
    p.setBrush(shade(chrome, 0.7));
    for (const double dx : {-5.0, 5.0}) // the spouts
        p.drawRect(QRectF(x + dx - 2, top - 22, 4, 5));
    p.setBrush(QColor(245, 242, 235)); // a cup under the left one
    p.drawRoundedRect(QRectF(x - 8.5, top - 11, 7, 6), 1.5, 1.5);
    p.setBrush(shade(chrome, 0.8));
    p.drawRect(QRectF(x - 12, top - 5, 24, 2)); // the drip tray
    p.setBrush(QColor(240, 235, 220)); // its pressure dial
    p.drawEllipse(QPointF(x, top - 27), 3, 3);
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.drawLine(QPointF(x, top - 27), QPointF(x + 1.8, top - 28.5));
    p.setPen(QPen(shade(chrome, 0.6), 0.6));
    QPainterPath hopper; // the beans' hopper, brown through its glass
    hopper.moveTo(x - 6, top - 44), hopper.lineTo(x + 6, top - 44), hopper.lineTo(x + 3, top - 32), hopper.lineTo(x - 3, top - 32);
    hopper.closeSubpath();
    p.setBrush(QColor(110, 70, 45));
    p.drawPath(hopper);
}

// A little chalk board hung on the panelling: a cup drawn in chalk with its
// steam, and lines of the day's offer in a hand too quick to read.
void chalkBoard(Scene& s, Rng& r, const QRectF& b)
{
    s.surfaces.pieces.push_back(b.adjusted(-2, -8, 2, 2));
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 80, 70), 0.7));
    p.drawLine(QPointF(b.center().x(), b.top() - 7), QPointF(b.left() + 4, b.top()));
    p.drawLine(QPointF(b.center().x(), b.top() - 7), QPointF(b.right() - 4, b.top()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(b.translated(1.5, 1.5));
    p.setBrush(QColor(150, 105, 65));
    p.drawRect(b);
    const QRectF slate = b.adjusted(3, 3, -3, -3);
    p.setBrush(QColor(45, 55, 50));
    p.drawRect(slate);
    const QColor chalk(235, 235, 225, 210);
    p.setPen(QPen(chalk, 1.0));
    p.setBrush(Qt::NoBrush);
    const QPointF cup(slate.left() + 9, slate.top() + slate.height() * 0.62);
    p.drawRoundedRect(QRectF(cup.x() - 5, cup.y() - 4, 10, 8), 2, 2);
    p.drawArc(QRectF(cup.x() + 3.5, cup.y() - 2.5, 4, 4), -90 * 16, 180 * 16);
    p.drawLine(QPointF(cup.x() - 7, cup.y() + 5), QPointF(cup.x() + 7, cup.y() + 5));
    for (const double dx : {-2.0, 2.0}) {
        QPainterPath steam;
        steam.moveTo(cup.x() + dx, cup.y() - 6);
        steam.cubicTo(cup.x() + dx - 2, cup.y() - 9, cup.x() + dx + 2, cup.y() - 11, cup.x() + dx, cup.y() - 14);
        p.drawPath(steam);
    }
    p.setPen(QPen(chalk, 0.8));
    for (double y = slate.top() + 5; y < slate.bottom() - 3; y += 5) { // the lines of the offer
        QPainterPath line;
        double x = slate.left() + 19;
        line.moveTo(x, y);
        const double end = slate.right() - 3 - r.range(0, 8);
        while (x < end) {
            line.quadTo(x + 1.2, y - 1.6, x + 2.4, y), x += 2.4;
        }
        p.drawPath(line);
    }
}
} // namespace

void buildCafe(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = QColor(255, 244, 230);
    const double table = 212 + v * 24;
    s.surfaces = Surfaces::at(table, true, false);
    s.surfaces.tableTop = false; // a floor: the things stand on the tables
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
    }
    // The floor, the counter with its cake stand at the back, the coat stand
    // by the door, then two or three small round tables with their chairs,
    // the nearer ones lower and bigger.
    {
        QPainter p(&s.base);
        planks(p, QRectF(0, table, kWidth, kHeight - table), QColor(120, 80, 55), 30, false, r.seed());
        p.fillRect(QRectF(0, table, kWidth, 3), QColor(60, 40, 30, 110));
        // Panelling along the foot of the wall, as old cafés have, under a rail.
        const QColor panel(95, 60, 40);
        const double rail = table - 58;
        p.fillRect(QRectF(0, rail, kWidth, table - rail), panel);
        for (double x = 6; x < kWidth; x += 44) {
            const QRectF pane(x, rail + 10, 34, table - rail - 18);
            p.fillRect(pane, shade(panel, 0.8));
            p.fillRect(QRectF(pane.left(), pane.top(), pane.width(), 2), shade(panel, 0.55));
            p.fillRect(QRectF(pane.left(), pane.bottom() - 2, pane.width(), 2), shade(panel, 1.35));
            p.fillRect(QRectF(pane.right() - 2, pane.top(), 2, pane.height()), shade(panel, 1.3));
        }
        p.fillRect(QRectF(0, rail - 4, kWidth, 5), shade(panel, 1.4));
    }
    noiseTexture(s.base, QRect(0, int(table), kWidth, kHeight - int(table)), 5, 8, r.seed(), 5);
    std::vector<QColor> china(kCrockery);
    for (std::size_t i = china.size(); i > 1; --i)
        std::swap(china[i - 1], china[r.next() % i]);
    const QColor wood(120, 80, 50);
    const bool counterRight = v != 1;
    const double cx0 = counterRight ? 224 : 0, cx1 = counterRight ? kWidth : 130;
    paintCounter(s, r, cx0, cx1, table - 34, 10, table + 34, QColor(130, 85, 55));
    // The machine at the counter's end by the wall, the cakes along the rest.
    const double machineX = counterRight ? cx1 - 20 : cx0 + 20;
    espressoMachine(s, machineX, table - 28);
    const std::size_t onCounter = s.objs.size();
    setOut(s, r, (cx0 + cx1) / 2 + (counterRight ? -16 : 18), table - 28, {Cake, CoffeePot, Cupcake, Jar}, 0.85,
           {QColor(220, 170, 110), QColor(190, 195, 200), QColor(245, 200, 215), QColor(240, 170, 40)});
    hideOne(s, r, onCounter);
    put(s, BarStool, (cx0 + cx1) / 2 + (counterRight ? 28 : -28), table + 36, 2.0, QColor(150, 105, 60));
    {
        Rng chalk(0xC4A1 + std::uint64_t(v)); // its own draws: the rest of the café stands as it was
        chalkBoard(s, chalk, QRectF(counterRight ? 174 : 136, table - 54, 42, 30));
    }
    coatStand(s, counterRight ? 24 : 330, table + 30, 110, QColor(90, 60, 40), anyOf(r, {QColor(150, 60, 50), QColor(60, 80, 120)}));
    struct Spot { double cx, top, w; };
    const std::vector<Spot> spots = v == 0 ? std::vector<Spot>{{100, 262, 100}, {262, 300, 108}, {124, 368, 118}}
                                  : v == 1 ? std::vector<Spot>{{236, 280, 98}, {88, 318, 108}, {244, 370, 116}}
                                           : std::vector<Spot>{{86, 296, 96}, {264, 316, 104}, {166, 370, 114}};
    const std::vector<std::vector<K>> sets{{Cup, Plate, BeerMug, Fruit}, {Teapot, Cup, SaltShaker}, {Donut, Glass, Plate, Candle}};
    // A carpet under the near table.
    rug(s, QRectF(14, spots.back().top + spots.back().w * 0.5, kWidth - 28, kHeight - 6 - spots.back().top - spots.back().w * 0.5),
        anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130)}), r.seed());
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const Spot& sp = spots[i];
        TableLook t;
        t.x0 = sp.cx - sp.w / 2, t.x1 = sp.cx + sp.w / 2;
        t.back = sp.top, t.front = sp.top + sp.w * 0.22, t.feet = t.front + sp.w * 0.62;
        t.wood = QColor(70, 60, 55);
        t.cloth = QColor(236, 232, 226); // a marble top
        t.round = true;
        // A chair on the far side, its back showing over the top.
        chairBacks(s, t, {sp.cx + (i % 2 ? 1 : -1) * sp.w * 0.18}, sp.w * 0.42, QColor(80, 55, 40));
        paintTable(s, r, t);
        const std::size_t first = s.objs.size();
        setOut(s, r, sp.cx, (t.back + t.front) / 2 + 2, sets[i % sets.size()], sp.w / 90,
               {china[i], china[i + 1], anyOf(r, {QColor(60, 110, 180), QColor(200, 80, 60)})});
        if (i != 0) {
            hideOne(s, r, first);
        } else { // the first table's too, on draws of its own so the rest stands as it was
            Rng late(std::uint64_t(0xCAFE + v));
            hideOne(s, late, first);
        }
        // The near table has a chair pulled out beside it, towards the room.
        if (i + 1 == spots.size()) {
            const double side = sp.cx < kWidth / 2.0 ? 1 : -1;
            put(s, Chair, sp.cx + side * sp.w * 0.7, t.feet - 2, sp.w / 32, QColor(90, 130, 90)).mirror = side > 0;
        }
    }
    for (Obj& o : s.objs)
        if (o.kind == Candle)
            o.variant = 1;
        else if (o.kind == Bowl && o.pos.y() > table)
            o.count = r.between(3, 5); // sugar lumps, or biscuits
    const double clockX = put(s, Clock, v == 0 ? r.range(200, 310) : v == 1 ? r.range(50, 100) : 177, 60, 1.3, QColor(200, 160, 70)).pos.x();
    // A shelf on the wall beside the windows with the café's jugs and pots.
    const double shelfX0 = v == 0 ? 190 : v == 1 ? 16 : 112, shelfX1 = v == 0 ? 336 : v == 1 ? 134 : 242, shelfY = table - (v == 0 ? 96 : 70);
    wallShelf(s, shelfX0, shelfX1, shelfY, wood);
    row(s, r, shelfY, shelfX0 + 6, shelfX1 - 6, {Jug, Teapot, CoffeePot, Jar, Cup, Bowl}, 0.95, 1.1, kCrockery);
    // A plant in its pot by the wall, the cat asleep under a table.
    put(s, Pot, counterRight ? (v == 2 ? 150 : 196) : 160, table + 22, 1.1, QColor(190, 100, 60)); // a pot's size beside the bar stools
    put(s, Cat, spots.back().cx + 8, spots.back().top + spots.back().w * 0.84 - 4, 1.1, anyOf(r, {QColor(215, 145, 75), QColor(140, 140, 145)}));
    if (v != 0) // a picture on the wall between the clock and the shelf
        put(s, Frame, v == 1 ? 104 : 177, v == 1 ? 112 : 124, 1.25, QColor(200, 160, 70)).variant = r.between(0, 3);
    // Wall lamps beside the windows, lit against the dim room.
    if (v == 2)
        put(s, Sconce, 128, 66, 1.0, QColor(240, 225, 190)).variant = 1;
    else
        put(s, Sconce, v == 1 ? 336 : clockX < 255 ? clockX + 60 : clockX - 60, v == 1 ? 96 : 64, 1.0, QColor(240, 225, 190)).variant = 1;
    put(s, Dog, spots.back().cx < kWidth / 2.0 ? 300 : 54, kHeight - 14, 1.8, QColor(238, 234, 224)); // the café's dog, on the rug
}

} // namespace levelgen
