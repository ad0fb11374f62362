// Scenes of towns and the sea: village street, harbour, night over town.
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/compose.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

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

// The roofs of the next street, seen down a lane at night: dark gables,
// a chimney or two and a few lit windows.
void farRoofs(QPainter& p, Rng& r, double x0, double x1, double foot, const QColor& c)
{
    p.setPen(Qt::NoPen);
    for (double x = x0 - 10; x < x1; x += r.range(26, 38)) {
        const double w = r.range(26, 36), h = r.range(34, 56);
        QPainterPath g;
        g.moveTo(x, foot);
        g.lineTo(x, foot - h);
        g.lineTo(x + w / 2, foot - h - w * 0.45);
        g.lineTo(x + w, foot - h);
        g.lineTo(x + w, foot);
        g.closeSubpath();
        p.setBrush(vary(c, r, 0.1));
        p.drawPath(g);
        if (r.chance(0.5))
            p.fillRect(QRectF(x + w * 0.7, foot - h - w * 0.4, 4, 10), shade(c, 0.8));
        for (int i = 0; i < 2; ++i)
            if (r.chance(0.55))
                p.fillRect(QRectF(x + 5 + i * (w - 15), foot - h + 8 + r.range(0, h - 24), 5, 7), QColor(250, 200, 110, 200));
    }
}

// A wrought-iron railing along the near side of a square, from x0 to x1 with
// its foot at `foot`: rails, spear-topped bars and a post now and then.
void ironRailing(Scene& s, double foot, double x0, double x1)
{
    if (x1 < x0)
        std::swap(x0, x1);
    s.surfaces.furniture.emplace_back(x0, foot - 26, x1 - x0, 26);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor iron(40, 42, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(x0, foot - 1, x1 - x0, 4));
    p.setPen(QPen(iron, 1.6));
    for (double x = x0 + 3; x < x1; x += 7) {
        p.drawLine(QPointF(x, foot), QPointF(x, foot - 22));
        p.drawLine(QPointF(x - 1.5, foot - 21), QPointF(x, foot - 25));
        p.drawLine(QPointF(x + 1.5, foot - 21), QPointF(x, foot - 25));
    }
    p.setPen(QPen(iron, 2.2));
    p.drawLine(QPointF(x0, foot - 19), QPointF(x1, foot - 19));
    p.drawLine(QPointF(x0, foot - 4), QPointF(x1, foot - 4));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(iron, 1.3));
    for (double x = x0 + 30; x < x1 - 10; x += 70) {
        p.drawRect(QRectF(x - 2.5, foot - 27, 5, 27));
        p.drawEllipse(QPointF(x, foot - 29), 3, 3);
    }
}

// A low wall of rough stones with a coping on top, from x0 to x1 with its
// foot at `foot`: the top is a stand (a cat sits on it), the wall itself a
// thing props stand by.
void lowWall(Scene& s, Rng& r, double x0, double x1, double foot, double height, const QColor& stone)
{
    const double top = foot - height;
    s.surfaces.furniture.emplace_back(x0, top, x1 - x0, height);
    s.surfaces.stands.emplace_back(x0, top, x1 - x0, 0);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(x0 - 2, foot - 2, x1 - x0 + 6, 5));
    p.fillRect(QRectF(x0, top, x1 - x0, height), shade(stone, 0.7));
    p.setPen(QPen(shade(stone, 0.45), 0.8));
    for (double y = top + 5, row = 0; y < foot - 1; y += 8, ++row)
        for (double x = x0 - row * 6 - r.range(0, 6); x < x1; x += r.range(11, 16)) {
            const QRectF st(std::max(x, x0) + 0.5, y + 0.5, std::min(x + 13, x1) - std::max(x, x0) - 1, std::min(7.0, foot - y - 1));
            if (st.width() > 2 && st.height() > 1)
                p.setBrush(litGradient(st, vary(stone, r, 0.08), 0.3)), p.drawRoundedRect(st, 2, 2);
        }
    const QRectF coping(x0 - 2, top - 1, x1 - x0 + 4, 6);
    p.setBrush(litGradient(coping, shade(stone, 1.2), 0.3));
    p.drawRect(coping);
}

// The village's draw-well, built solidly: a ring of stones, a shingled
// roof on two posts over it, the crank and its rope with the bucket
// hanging. Foot centred on `foot` (`k` 1: about 50 px wide); painted in and
// noted as a set piece.
void drawWell(Scene& s, QPointF foot, double k)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const double x = foot.x(), y = foot.y();
    const QColor stone(165, 158, 146), mortar(105, 98, 90), wood(120, 85, 55);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QRectF(x - 24 * k, y - 5 * k, 56 * k, 11 * k));
    const QRectF ring(x - 20 * k, y - 26 * k, 40 * k, 26 * k);
    QPainterPath wall; // the ring's front: straight sides, a curved foot
    wall.moveTo(ring.topLeft());
    wall.lineTo(ring.right(), ring.top());
    wall.lineTo(ring.right(), ring.bottom() - 4 * k);
    wall.quadTo(x, ring.bottom() + 4 * k, ring.left(), ring.bottom() - 4 * k);
    wall.closeSubpath();
    p.setBrush(litGradient(ring, stone, 0.45));
    p.setPen(QPen(shade(mortar, 0.8), 1));
    p.drawPath(wall);
    p.setPen(QPen(mortar, 0.9));
    for (int row = 0; row < 4; ++row) { // its courses of stones
        const double ry = ring.top() + (row + 1) * 5.5 * k;
        p.drawLine(QPointF(ring.left(), ry), QPointF(ring.right(), ry));
        for (double sx = ring.left() + (row % 2 ? 4 : 9) * k; sx < ring.right() - 2; sx += 10 * k)
            p.drawLine(QPointF(sx, ry - 5.5 * k), QPointF(sx, ry));
    }
    p.setBrush(shade(stone, 1.1)); // the rim, and the dark water inside
    p.drawEllipse(QRectF(ring.left() - 1, ring.top() - 5 * k, ring.width() + 2, 10 * k));
    p.setBrush(QColor(35, 40, 45));
    p.drawEllipse(QRectF(ring.left() + 4 * k, ring.top() - 3 * k, ring.width() - 8 * k, 6 * k));
    for (const double px : {ring.left() + 1, ring.right() - 4 * k}) // the posts
        p.fillRect(QRectF(px, y - 66 * k, 3.5 * k, 42 * k), litGradient(QRectF(px, y - 66 * k, 3.5 * k, 10), wood, 0.4));
    p.setPen(QPen(shade(wood, 0.7), 2.2 * k)); // the crank's axle and its handle
    p.drawLine(QPointF(ring.left(), y - 50 * k), QPointF(ring.right() + 4 * k, y - 50 * k));
    p.drawLine(QPointF(ring.right() + 4 * k, y - 50 * k), QPointF(ring.right() + 4 * k, y - 43 * k));
    p.setPen(QPen(QColor(70, 60, 50), 0.9));
    p.drawLine(QPointF(x, y - 50 * k), QPointF(x, y - 38 * k));
    p.setPen(QPen(QColor(60, 55, 50), 0.8));
    p.setBrush(litGradient(QRectF(x - 5 * k, y - 38 * k, 10 * k, 9 * k), QColor(150, 110, 70)));
    p.drawRect(QRectF(x - 5 * k, y - 38 * k, 10 * k, 9 * k)); // the bucket
    QPolygonF roof;
    roof << QPointF(x - 27 * k, y - 62 * k) << QPointF(x, y - 80 * k) << QPointF(x + 27 * k, y - 62 * k);
    p.setPen(QPen(QColor(70, 45, 35), 1));
    p.setBrush(litGradient(roof.boundingRect(), QColor(150, 75, 55), 0.4));
    p.drawPolygon(roof);
    p.setPen(QPen(QColor(100, 55, 40), 0.7)); // its shingles
    for (int i = 1; i < 3; ++i) {
        const double t = i / 3.0;
        p.drawLine(QPointF(x - 27 * k * t, y - 80 * k + 18 * k * t), QPointF(x + 27 * k * t, y - 80 * k + 18 * k * t));
    }
    s.surfaces.pieces.push_back(QRectF(x - 28 * k, y - 81 * k, 56 * k, 83 * k));
    s.surfaces.furniture.push_back(s.surfaces.pieces.back()); // the paving it stands on is furnished, not bare
}

// A farm cart left by the houses: its plank bed heaped with hay, a big
// spoked wheel (the far one behind it) and the shafts down on the cobbles.
void farmCart(Scene& s, QPointF foot, double k, bool shaftsLeft)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const double x = foot.x(), y = foot.y(), d = shaftsLeft ? -1 : 1;
    const QColor wood(140, 100, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QRectF(x - 34 * k, y - 4 * k, 70 * k, 9 * k));
    const auto wheel = [&](QPointF c, double rad, const QColor& rim) {
        p.setPen(QPen(rim, 2.4 * k));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rad, rad);
        p.setPen(QPen(shade(rim, 1.15), 1.2 * k));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(c, c + QPointF(std::cos(a) * rad, std::sin(a) * rad));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(shade(rim, 0.8));
        p.drawEllipse(c, 2.5 * k, 2.5 * k);
    };
    wheel(QPointF(x - d * 8 * k, y - 15 * k), 13 * k, shade(wood, 0.55)); // the far wheel
    p.setPen(QPen(shade(wood, 0.6), 2.6 * k, Qt::SolidLine, Qt::RoundCap)); // the shafts
    p.drawLine(QPointF(x + d * 26 * k, y - 22 * k), QPointF(x + d * 56 * k, y - 1 * k));
    p.drawLine(QPointF(x + d * 22 * k, y - 20 * k), QPointF(x + d * 50 * k, y + 1 * k));
    QPainterPath hay; // heaped on the bed
    hay.moveTo(x - 28 * k, y - 32 * k);
    hay.cubicTo(x - 22 * k, y - 50 * k, x + 18 * k, y - 52 * k, x + 28 * k, y - 32 * k);
    hay.closeSubpath();
    p.setPen(QPen(QColor(170, 140, 60), 0.8));
    p.setBrush(litGradient(hay.boundingRect(), QColor(225, 195, 100), 0.4));
    p.drawPath(hay);
    const QRectF bed(x - 30 * k, y - 33 * k, 60 * k, 13 * k);
    p.setPen(QPen(shade(wood, 0.5), 0.9));
    p.setBrush(litGradient(bed, wood, 0.35));
    p.drawRect(bed);
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(bed.left(), bed.top() + i * bed.height() / 3), QPointF(bed.right(), bed.top() + i * bed.height() / 3));
    wheel(QPointF(x + d * 4 * k, y - 13 * k), 13 * k, shade(wood, 0.7)); // the near wheel
    s.surfaces.pieces.push_back(QRectF(x - 34 * k, y - 52 * k, 68 * k, 54 * k));
    s.surfaces.furniture.push_back(s.surfaces.pieces.back());
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
    const double street = layout == 0 ? r.range(300, 330) : layout == 1 ? r.range(262, 280) : r.range(318, 330);
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
    } else {
        sc = r.range(1.4, 1.5);
        const bool left = r.chance(0.5);
        houses = {left ? 82 + r.range(-6, 6) : 272 + r.range(-6, 6)};
        // An apple tree in the yard beside it (the farm cart stands before it).
        put(s, Tree, left ? 182 + r.range(-6, 6) : 172 + r.range(-6, 6), street - 34, r.range(0.62, 0.68), QColor(70, 130, 60), QColor(200, 50, 40));
    }
    for (double x : houses)
        house(s, r, x, street, sc, wallColour(r), roofColour(r), false);
    if (layout == 2) { // down the street a smaller cottage, and the cart in the yard between
        const bool left = houses[0] < kWidth / 2.0;
        house(s, r, left ? 296 : 58, street, 1.05, wallColour(r), roofColour(r), false);
        farmCart(s, {left ? 214.0 : 140.0, street + 24}, 1.0, !left);
    }
    const double signed_ = houses[r.next() % houses.size()];
    put(s, Sign, signed_ + (r.chance(0.5) ? 30 : -30) * sc, street - 60 * sc, 1.1, QColor(120, 80, 45), QColor(240, 220, 170)).variant = r.between(0, 3);
    if (layout == 1) // the lamp in the lane, by the tree, away from the shop's goods
        put(s, Lamp, kWidth / 2.0 + (signed_ < kWidth / 2 ? 34 : -34), street + 6, 1.1, QColor(40, 45, 50)).groundMove = true;
    if (layout == 0)
        put(s, Bunting, kWidth / 2.0, street - 112, 1.7, QColor(220, 50, 50), QColor(250, 200, 50), QColor(60, 120, 200));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Bird, {20, 334, 30, street - 180}, 1.0, QColor(70, 70, 80), QColor(200, 200, 190)).shape = 1;
    // One bird on a roof ridge, whichever house it chose.
    put(s, Bird, houses[r.next() % houses.size()] + r.range(-25, 25) * sc, street - 108 * sc - 2, 1.2, QColor(120, 90, 60), QColor(230, 120, 60));
    // The street in groups with room between them, not strewn: the shop's
    // goods set out by its wall; a lime tree with a bench, a lamp and the
    // dog in its shade, pigeons before it; a front garden's picket fence
    // with a bush and flowers behind it, the mailbox at its gate and the cat
    // on the pavement before it; the well near the front with the geese.
    const bool flip = r.chance(0.5);
    const auto X = [&](double x) { return flip ? kWidth - x : x; };
    const double depth = kHeight - street;
    const QColor wood(160, 110, 65);
    { // the goods by the signed house's wall, beside its door
        const double dir = signed_ < kWidth / 2 ? 1 : -1, gx = signed_ + dir * 26 * sc, y = street + 14;
        const std::size_t crate = s.objs.size(); // by index: what is added after may move the scene's things
        gear(s, Crate, gx, y, 1.2, vary(QColor(190, 150, 95), r), anyOf(r, {QColor(200, 50, 40), QColor(50, 130, 70)}));
        gear(s, Barrel, gx + dir * 34, y + 4, 1.15, vary(wood, r), QColor(70, 70, 75));
        Obj& basket = gear(s, Basket, gx, y - 22 * 1.2, 0.9, QColor(190, 150, 90), QColor(160, 120, 60));
        basket.c3 = QColor(220, 60, 50); // apples in it, on the crate
        basket.variant |= 2;
        setOn(basket, s.objs[crate]);
    }
    const double treeY = street + depth * 0.72;
    put(s, Tree, X(46), treeY, 1.05 + 0.15 * (treeY - street) / 200, QColor(70, 130, 60), QColor(70, 130, 60)).count = 0;
    gear(s, Bench, X(104), treeY + 4, 1.6, anyOf(r, {QColor(120, 85, 55), QColor(60, 110, 80)}));
    gear(s, Lamp, X(156), treeY, 1.15, QColor(40, 45, 50));
    gear(s, Dog, X(96), treeY + 20, 1.2, anyOf(r, {QColor(150, 100, 60), QColor(230, 220, 200)}), QColor(), !flip);
    gear(s, Pigeon, X(180), treeY + 24, 1.15, QColor(150, 155, 165), QColor(), flip);
    gear(s, Pigeon, X(202), treeY + 30, 1.15, QColor(120, 120, 135));
    { // the front garden at the other side
        const double fy = street + depth * 0.42;
        put(s, Bush, X(268), fy - 18, 1.1, QColor(70, 130, 60), QColor(230, 80, 120));
        put(s, Fence, X(262), fy, 1.2, QColor(240, 238, 230)).count = 8;
        for (int i = 0; i < 3; ++i) // a bed of flowers along it
            gear(s, Flower, X(230 + i * 20), fy + 10 + (i % 2) * 2, 0.7, anyOf(r, {QColor(230, 60, 80), QColor(250, 200, 50), QColor(240, 240, 235)}));
        gear(s, Mailbox, X(298), fy + 11, 1.2, anyOf(r, {QColor(40, 80, 160), QColor(200, 40, 40), QColor(60, 120, 70)}));
        gear(s, Cat, X(276), fy + 34, 0.9, anyOf(r, {QColor(230, 150, 60), QColor(60, 60, 65), QColor(200, 200, 200)}), QColor(), flip);
    }
    { // the village well near the front, geese on their way to it
        const double wy = std::min(kHeight - 8.0, street + depth * 0.94);
        drawWell(s, {X(240), wy}, 0.8 + 0.1 * depth / 200);
        gear(s, Bucket, X(274), wy + 2, 0.9, QColor(150, 155, 160), QColor(90, 95, 100));
        gear(s, Goose, X(300), wy - 8, 1.1, QColor(245, 245, 240), QColor(), flip);
        gear(s, Goose, X(324), wy + 6, 1.15, QColor(235, 235, 230), QColor(), flip);
    }
    scatterSpare(s, r, Crate, {30, 324, street + 10, street + 30}, 1.2, QColor(190, 150, 95), QColor(200, 50, 40));
    scatterSpare(s, r, Bird, {20, 334, 30, 120}, 1.0, QColor(70, 70, 80), QColor(200, 200, 190)).shape = 1;
    // A couple out for a walk along the street, where it is clear; their
    // own draws, so the rest of the street stays where it was.
    Rng walk(0x5EED + std::uint64_t(v));
    for (int tries = 0; tries < 40; ++tries) {
        const double y = walk.range(street + 24, street + depth * 0.6), k = 0.6 + 0.4 * (y - street) / 200, x = walk.range(30, 324);
        if (clearOfThings(s, QRectF(x - 24 * k, y - 58 * k, 48 * k, 62 * k))) {
            strollers(s, {x, y}, k, walk.chance(0.5), anyOf(walk, {QColor(60, 60, 70), QColor(90, 70, 50)}),
                      anyOf(walk, {QColor(190, 60, 70), QColor(70, 120, 170), QColor(220, 170, 60)}));
            s.surfaces.furniture.push_back(s.surfaces.pieces.back()); // where they walk is not bare paving
            break;
        }
    }
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
    // The harbour town across the water, the lighthouse on the other point.
    const bool lighthouseLeft = r.chance(0.5);
    Rng across(0xFA27 + std::uint64_t(v));
    farTown(s, across, d, horizon, lighthouseLeft ? Side::Right : Side::Left);
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
    // One night the square is seen from behind the iron railing along its
    // near side, between two tall houses with a lane between them.
    const bool railing = v % 3 == 1;
    const int houses = railing ? 2 : 3;
    const double sc = houses == 2 ? r.range(1.45, 1.55) : r.range(1.1, 1.25), gap = houses == 2 ? 246.0 : kWidth / 3.0;
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
        if (railing) // down the lane, the town goes on
            farRoofs(p, r, 110, 244, street, QColor(40, 42, 70));
        cobbles(p, QRectF(0, street, kWidth, kHeight - street), QColor(70, 72, 95), r.seed());
        glow(p, QPointF(kWidth / 2.0, street + 60), 160, QColor(255, 200, 120, 35));
    }
    noiseTexture(s.base, QRect(0, int(street), kWidth, kHeight), 6, 8, r.seed());
    put(s, Moon, moonAt.x(), moonAt.y(), 1.6, QColor(245, 240, 210)).shape = r.between(0, 1);
    for (int i = 0; i < 6; ++i)
        scatter(s, r, Star, {15, 339, 15, street - 170}, r.range(0.8, 1.3), anyOf(r, {QColor(255, 245, 200), QColor(200, 220, 255)}));
    scatter(s, r, Cloud, {40, 314, 60, 130}, 0.9, QColor(90, 90, 130));
    std::vector<double> xs;
    for (int i = 0; i < houses; ++i) {
        xs.push_back((houses == 2 ? 54 : gap / 2) + i * gap + r.range(-6, 6));
        house(s, r, xs.back(), street, sc, shade(wallColour(r), 0.45), shade(roofColour(r), 0.5), true);
    }
    // Two shops among the houses, their signs lit by the lamps.
    put(s, Sign, xs.back() - 50 * sc, street - 60 * sc, 1.1, QColor(90, 65, 45), QColor(240, 205, 120)).variant = r.between(0, 3);
    put(s, Sign, xs[0] + 50 * sc, street - 60 * sc, 1.1, QColor(60, 70, 95), QColor(240, 220, 150)).variant = r.between(0, 3);
    scatter(s, r, Bird, {40, 314, street - 250, street - 180}, 1.2, QColor(60, 55, 70), QColor(120, 110, 120)).shape = 1;

    // The square's corners, each its own group with room between them: the
    // bins by a house's wall, the bench and a bicycle under a lamp by a lime
    // tree, a low garden wall with the cat on it, the car at the kerb, and a
    // couple walking home across the middle.
    const bool flip = r.chance(0.5);
    const auto X = [&](double x) { return flip ? kWidth - x : x; };
    const double depth = (railing ? kHeight - 48 : kHeight) - street; // the paved square's depth
    const QColor dark(35, 38, 45);
    { // the bins where two houses meet (by the lane), out of the way of the doors
        const double y = street + 12, bx = railing ? 244 : 98;
        gear(s, Barrel, X(bx), y, 1.15, QColor(70, 75, 80), QColor(45, 45, 50));
        gear(s, Barrel, X(bx + 26), y + 4, 1.15, QColor(60, 85, 70), QColor(45, 45, 50));
        if (!railing)
            gear(s, Crate, X(bx + 54), y + 10, 0.95, QColor(120, 100, 75), QColor(130, 40, 40));
        // A lantern left on top, burning, to find the bins by (the last of
        // them, by index: adding the lantern may move the scene's things).
        const std::size_t under = s.objs.size() - 1;
        const Obj base = s.objs[under];
        Obj& lit = gear(s, Lantern, base.pos.x(), base.pos.y() - (railing ? 27 : 22) * base.scale, 0.8, QColor(60, 55, 50));
        lit.variant = 1;
        setOn(lit, s.objs[under]);
    }
    const double treeY = railing ? kHeight - 30 : street + depth * 0.62;
    put(s, Tree, X(railing ? 30 : 40), treeY, 0.8 + 0.25 * (treeY - street) / 180, QColor(40, 75, 55), QColor(40, 75, 55)).count = 0;
    const double benchY = railing ? street + depth * 0.62 : treeY;
    Obj& lamp1 = gear(s, Lamp, X(130), benchY + 2, 1.05 + 0.2 * (treeY - street) / 180, dark);
    lamp1.variant = 1;
    gear(s, Bench, X(86), benchY + 8, 1.3, QColor(60, 60, 65));
    gear(s, Bicycle, X(172), benchY + 10, 1.55, anyOf(r, {QColor(170, 40, 40), QColor(40, 90, 60), QColor(40, 60, 120)}), QColor(), flip);
    // The garden wall at the other side, near, with the cat on it and the
    // mailbox at its end; in the lane, the wall closes it.
    const double wallFoot = railing ? street + 4 : kHeight - 18, wallTop = wallFoot - (railing ? 22 : 30);
    const double wx0 = railing ? 124 : X(214), wx1 = railing ? 230 : X(354 + 4);
    lowWall(s, r, std::min(wx0, wx1), std::max(wx0, wx1), wallFoot, wallFoot - wallTop, QColor(105, 100, 115));
    Obj& cat = gear(s, Cat, railing ? X(165) : X(266), wallTop, railing ? 0.8 : 1.0, QColor(30, 30, 35), QColor(), !flip);
    cat.variant = 0;
    cat.deny |= Move | Resize;
    { // on the coping by the cat: a lantern left burning and the neighbours' geraniums
        Obj& lit = gear(s, Lantern, railing ? X(138) : X(228), wallTop, railing ? 0.9 : 1.1, QColor(60, 55, 50));
        lit.variant = 1;
        for (int i = 0; i < 2; ++i) {
            Obj& pot = gear(s, Pot, railing ? X(196 + i * 20) : X(300 + i * 24), wallTop, railing ? 1.0 : 1.2, vary(QColor(190, 100, 60), r, 0.08));
            pot.shape = i;
        }
    }
    if (!railing)
        gear(s, Mailbox, X(202), kHeight - 14, 1.15, anyOf(r, {QColor(40, 80, 160), QColor(200, 40, 40)}));
    Obj& lamp2 = gear(s, Lamp, railing ? X(206) : X(226), railing ? street + 26 : street + depth * 0.38, railing ? 1.0 : 1.1, dark);
    lamp2.variant = 1;
    if (railing) // a lamp by the railing along the near side
        gear(s, Lamp, X(150), kHeight - 50, 1.2, dark).variant = 1;
    // The car parked at the kerb before the last house, nose to the lane.
    gear(s, Car, X(railing ? 300 : 296), street + (railing ? 30 : 26), railing ? 1.5 : 1.35,
         anyOf(r, {QColor(150, 40, 40), QColor(60, 90, 130), QColor(200, 190, 160)}), QColor(230, 230, 225), !flip);
    // Home from the theatre, arm in arm under the lamps, their dog trotting along.
    const double walkY = street + depth * (railing ? 0.4 : 0.5), walkX = X(railing ? 238 : 170);
    gear(s, Dog, X(railing ? 270 : 140), walkY + 2, 1.1, anyOf(r, {QColor(230, 220, 200), QColor(150, 100, 60)}), QColor(), flip);
    strollers(s, QPointF(walkX, walkY), 0.55 + 0.35 * (walkY - street) / 180, flip,
              anyOf(r, {QColor(60, 50, 70), QColor(50, 60, 80)}), anyOf(r, {QColor(150, 50, 60), QColor(70, 110, 120)}));
    if (railing)
        ironRailing(s, kHeight - 40, X(60), X(354 + 6));
    // Pigeons roosting on the ridges, pale against the night sky.
    std::vector<std::pair<double, int>> ridges; // each house's middle and roof shape
    for (const Obj& o : s.objs)
        if (o.kind == House)
            ridges.emplace_back(o.pos.x(), o.shape);
    int roosting = 0;
    for (const auto& [x, shape] : ridges)
        if (shape == 0 && roosting < 2) // on a gable's peak
            put(s, Pigeon, x + r.range(-2, 2), street - 108 * sc, 1.2, roosting++ ? QColor(225, 225, 230) : QColor(190, 195, 210)).mirror = r.chance(0.5);
    scatterSpare(s, r, Star, {20, 334, 20, street - 180}, 1.0, QColor(255, 240, 190));
    spare(s, Barrel, X(48), street + 40, 1.1, QColor(100, 75, 55), QColor(50, 50, 55));
}

} // namespace levelgen
