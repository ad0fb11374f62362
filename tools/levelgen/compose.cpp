#include "tools/levelgen/compose.h"

#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

int many(const Scene& s, int n) { return std::max(1, int(std::lround(n * s.density))); }

namespace {
QColor from(Rng& r, std::initializer_list<QColor> palette) { return vary(anyOf(r, palette), r, 0.06); }
} // namespace

void group(Scene& s, Rng& r, K kind, int n, Area area, double s0, double s1, std::initializer_list<QColor> palette,
           QColor c2, QColor c3)
{
    for (int i = 0; i < n; ++i) {
        // Nearer the bottom is nearer the eye: a little larger.
        Obj& o = scatter(s, r, kind, area, 1.0, from(r, palette), c2, c3);
        const double depth = area.y1 > area.y0 ? (o.pos.y() - area.y0) / (area.y1 - area.y0) : 0.5;
        o.scale = smallScale(kind, s0 + (s1 - s0) * std::clamp(depth * 0.7 + r.real() * 0.3, 0.0, 1.0));
        o.groundMove = true;
    }
}

void spares(Scene& s, Rng& r, K kind, int n, Area area, double s0, double s1, std::initializer_list<QColor> palette,
            QColor c2)
{
    for (int i = 0; i < n; ++i) {
        Obj& o = scatterSpare(s, r, kind, area, r.range(s0, s1), from(r, palette), c2);
        o.groundMove = true;
    }
}

namespace {
bool alreadyEnough(const Scene& s, K kind)
{
    int n = 0;
    for (const Obj& o : s.objs)
        n += o.kind == kind && (o.visible || o.spare);
    // A nursery's shelves hold a few of each toy, not a shop's stock of balls.
    const bool toy = kind == Ball || kind == Car || kind == Duck || kind == SpinningTop || kind == Drum || kind == Blocks;
    return ((kind == Teddy || kind == Robot || kind == Globe) && n >= 1) || ((kind == Clock || kind == Lantern) && n >= 2) || (toy && n >= 4);
}
} // namespace

void row(Scene& s, Rng& r, double y, double x0, double x1, std::initializer_list<K> kinds, double s0, double s1,
         std::initializer_list<QColor> palette)
{
    s.surfaces.stands.emplace_back(x0, y, x1 - x0, 0);
    double x = x0 + r.range(0, 8);
    while (x < x1) {
        K kind = *(kinds.begin() + std::ptrdiff_t(r.next() % kinds.size()));
        // One teddy or robot to a room, two clocks at most: more would read as a copying mistake.
        for (int tries = 0; tries < 6 && alreadyEnough(s, kind); ++tries)
            kind = *(kinds.begin() + std::ptrdiff_t(r.next() % kinds.size()));
        if (alreadyEnough(s, kind)) {
            x += 14; // a gap on the board rather than one more of a kind
            continue;
        }
        Obj probe;
        probe.kind = kind;
        probe.scale = smallScale(kind, r.range(s0, s1) * 1.1);
        const QRectF box = kindOf(kind).box;
        const double w = box.width() * probe.scale;
        const double at = x - box.left() * probe.scale;
        if (x + w > x1)
            break;
        Obj& o = put(s, kind, at, y, probe.scale, from(r, palette));
        o.groundMove = true;
        if (std::abs(box.left() + box.right()) > 4) // set out from its left end: turned, it would reach back over its neighbour
            o.mirror = false;
        if (kind == Bread) // food keeps its own colours whatever the crockery
            o.c1 = vary(QColor(200, 140, 70), r, 0.1);
        if (kind == Heart)
            o.c1 = vary(QColor(170, 70, 40), r, 0.1);
        if (kind == Grapes)
            o.c1 = r.chance(0.5) ? QColor(110, 50, 110) : QColor(170, 190, 80);
        x += w + r.range(1, 9);
    }
}

namespace {
// Crockery at a table's own size, up to a dinner plate's 40 px, rather than
// shrunk to a click square: a difference changes one part of it.
double tableScale(K kind, double scale)
{
    if (kind == Cup || kind == BeerMug) // a cup stands lower than its plate is wide
        scale *= 0.8;
    const QRectF box = kindOf(kind).box;
    return std::min(scale, 40 / std::max(box.width(), box.height()));
}
} // namespace

// Room between the things of a setting: a hand's breadth, and enough that a
// difference on each is a click apart.
constexpr double kSetOutGap = 9;

void setOut(Scene& s, Rng& r, double cx, double y, const std::vector<K>& kinds, double scale, const std::vector<QColor>& colours)
{
    std::vector<double> widths;
    double total = 0;
    for (K kind : kinds) {
        widths.push_back(kindOf(kind).box.width() * tableScale(kind, scale));
        total += widths.back() + kSetOutGap;
    }
    double x = cx - total / 2;
    s.surfaces.stands.emplace_back(x - 2, y, total + 4, 0);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const double sc = tableScale(kinds[i], scale);
        Obj& o = put(s, kinds[i], x - kindOf(kinds[i]).box.left() * sc, y, sc, colours[i % colours.size()]);
        o.groundMove = true;
        if (kinds[i] == Bread)
            o.c1 = vary(QColor(200, 140, 70), r, 0.1);
        x += widths[i] + kSetOutGap;
    }
}

void skyAndGround(Scene& s, Rng& r, const Daylight& d, double horizon, const QColor& nearGround, const QColor& farGround,
                  int tufts)
{
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, horizon);
        if (d.night)
            starfield(p, QRectF(0, 0, kWidth, horizon - 30), 140, r.seed());
        hills(p, horizon - 35, 30, 90, d.haze, mix(d.haze, farGround, 0.5), r.seed(), horizon + 2);
        verticalGradient(p, QRectF(0, horizon, kWidth, kHeight - horizon), {{0, farGround}, {1, nearGround}});
    }
    s.surfaces.ground = horizon;
    noiseTexture(s.base, QRect(0, int(horizon), kWidth, kHeight - int(horizon)), 8, 12, r.seed());
    if (tufts) {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        grassTufts(p, QRectF(0, horizon + 6, kWidth, kHeight - horizon), mix(nearGround, farGround, 0.5), tufts, r.seed());
    }
}

void water(Scene& s, Rng& r, const Daylight& d, double y0, double y1, const QColor& deep)
{
    s.light.water.emplace_back(y0, y1);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, y0, kWidth, y1 - y0), {{0, mix(d.sky.back().second, deep, 0.45)}, {1, deep}});
    waterGlints(p, QRectF(0, y0 + 2, kWidth, y1 - y0 - 2), d.night ? QColor(255, 240, 190) : QColor(255, 255, 255), 160, r.seed());
}

void room(Scene& s, Rng& r, const QColor& wall, int wallPattern, double floorY, const QColor& floor, bool planked)
{
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        wallpaper(p, QRectF(0, 0, kWidth, floorY), wall, shade(wall, 0.92), wallPattern);
        const QPointF lamp(r.range(60, 290), 40);
        glow(p, lamp, 260, QColor(255, 248, 225, 70));
        s.light.source = Lighting::Room;
        s.light.at = lamp;
        if (planked)
            planks(p, QRectF(0, floorY, kWidth, kHeight - floorY), floor, 36, false, r.seed());
        else
            verticalGradient(p, QRectF(0, floorY, kWidth, kHeight - floorY), {{0, shade(floor, 0.85)}, {1, shade(floor, 1.05)}});
        p.fillRect(QRectF(0, floorY, kWidth, 3), QColor(60, 40, 30, 110));
    }
    s.surfaces.ground = floorY;
    s.surfaces.wall = true;
    noiseTexture(s.base, QRect(0, 0, kWidth, int(floorY)), 30, 5, r.seed());
    noiseTexture(s.base, QRect(0, int(floorY), kWidth, kHeight - int(floorY)), 5, 8, r.seed(), 5);
}

void garland(Scene& s, Rng& r, double y, double sag, int bulbs, std::initializer_list<QColor> colours)
{
    // The wire droops in two swags; each bulb hangs from the point above it.
    auto wireY = [&](double x) { return y + sag * std::sin(M_PI * std::fmod(x / (kWidth / 2.0), 1.0)); };
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 35, 30), 1));
        QPainterPath wire;
        wire.moveTo(0, wireY(0));
        for (double x = 2; x <= kWidth; x += 2)
            wire.lineTo(x, wireY(x));
        p.drawPath(wire);
    }
    for (int i = 0; i < bulbs; ++i) {
        const double x = (i + 0.5) * kWidth / bulbs;
        put(s, Bulb, x, wireY(x), 1.2, *(colours.begin() + std::ptrdiff_t(r.next() % colours.size()))).variant = 1;
    }
}

void shelfBoard(Scene& s, double y, const QColor& wood)
{
    s.surfaces.stands.emplace_back(0, y, kWidth, 0);
    QPainter p(&s.base);
    p.setPen(Qt::NoPen);
    QLinearGradient shadow(QPointF(0, y + 8), QPointF(0, y + 22));
    shadow.setColorAt(0, QColor(0, 0, 0, 80));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, y + 8, kWidth, 14), shadow);
    p.fillRect(QRectF(0, y - 5, kWidth, 5), shade(wood, 1.2));
    p.fillRect(QRectF(0, y, kWidth, 8), litGradient(QRectF(0, y, kWidth, 8), wood, 0.3));
    p.fillRect(QRectF(0, y + 7, kWidth, 1), shade(wood, 0.5));
}

void rug(Scene& s, const QRectF& r, const QColor& colour, std::uint32_t seed)
{
    s.surfaces.rugs.push_back(r);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40)); // it lies flat: a thin shadow along its near edge
    p.drawRoundedRect(r.translated(0, 2), 5, 5);
    p.setBrush(colour);
    p.drawRoundedRect(r, 5, 5);
    const QColor border = shade(colour, 0.7), weave = shade(colour, 1.25);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border, 4));
    p.drawRoundedRect(r.adjusted(5, 4, -5, -4), 3, 3);
    p.setPen(QPen(weave, 1.5));
    p.drawRoundedRect(r.adjusted(10, 8, -10, -8), 2, 2);
    // Diamonds woven across the middle, a row to every stripe of the seed's choosing.
    const QRectF in = r.adjusted(14, 12, -14, -12);
    const double step = 6 + seed % 4 * 2;
    p.setPen(Qt::NoPen);
    p.setBrush(weave);
    for (double y = in.top() + step / 2; y < in.bottom(); y += step * 1.6)
        for (double x = in.left() + step / 2 + (int((y - in.top()) / step) % 2) * step / 2; x < in.right(); x += step * 1.8) {
            QPolygonF d;
            d << QPointF(x, y - step / 2) << QPointF(x + step / 2, y) << QPointF(x, y + step / 2) << QPointF(x - step / 2, y);
            p.drawPolygon(d);
        }
    // Fringes at either end.
    p.setPen(QPen(shade(colour, 1.4), 1));
    for (double y = r.top() + 3; y < r.bottom() - 2; y += 3) {
        p.drawLine(QPointF(r.left() - 4, y), QPointF(r.left(), y));
        p.drawLine(QPointF(r.right(), y), QPointF(r.right() + 4, y));
    }
}

void wallShelf(Scene& s, double x0, double x1, double y, const QColor& wood)
{
    s.surfaces.stands.emplace_back(x0, y, x1 - x0, 0);
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QLinearGradient shadow(QPointF(0, y + 6), QPointF(0, y + 16));
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(x0 + 2, y + 6, x1 - x0 - 4, 10), shadow);
    // Two brackets hold the board to the wall.
    for (const double bx : {x0 + 10, x1 - 14}) {
        QPainterPath bracket;
        bracket.moveTo(bx, y + 5), bracket.lineTo(bx + 4, y + 5), bracket.lineTo(bx + 4, y + 16), bracket.closeSubpath();
        p.setBrush(shade(wood, 0.6));
        p.drawPath(bracket);
    }
    p.fillRect(QRectF(x0, y - 3, x1 - x0, 3), shade(wood, 1.2));
    p.fillRect(QRectF(x0, y, x1 - x0, 6), litGradient(QRectF(x0, y, x1 - x0, 6), wood, 0.3));
    p.fillRect(QRectF(x0, y + 5, x1 - x0, 1), shade(wood, 0.5));
}

namespace {
struct Perch {
    K base;
    double top;  // its upper surface, in its local units
    std::initializer_list<std::pair<K, QColor>> things;
};
const Perch kPerches[] = {
    {Crate, -21, {{Fruit, QColor(210, 45, 35)}, {Basket, QColor(190, 150, 90)}, {Cat, QColor(220, 150, 80)}, {Jug, QColor(240, 235, 220)}}},
    {Barrel, -25, {{Jug, QColor(240, 235, 220)}, {Lantern, QColor(60, 55, 50)}, {Cup, QColor(60, 110, 180)}, {Cat, QColor(70, 70, 75)}}},
    {Haybale, -19, {{Chicken, QColor(170, 100, 50)}, {Cat, QColor(220, 150, 80)}, {Pumpkin, QColor(235, 130, 30)}}},
    {Stool, -14.5, {{Cup, QColor(240, 240, 235)}, {Basket, QColor(190, 150, 90)}, {Pot, QColor(190, 100, 60)}}},
    {Bench, -11.5, {{Cat, QColor(70, 70, 75)}, {Basket, QColor(190, 150, 90)}, {Pigeon, QColor(150, 155, 165)}}},
    {Rock, -12, {{Bird, QColor(110, 90, 70)}, {Snail, QColor(200, 150, 80)}}},
};
} // namespace

void setOnTop(Scene& s, Rng& r, double chance)
{
    const std::size_t n = s.objs.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Obj base = s.objs[i];
        if (!base.visible || base.spare || !base.loose)
            continue;
        for (const Perch& perch : kPerches) {
            if (base.kind != perch.base || !r.chance(chance))
                continue;
            const auto& [kind, colour] = *(perch.things.begin() + std::ptrdiff_t(r.next() % perch.things.size()));
            const double halfWidth = kindOf(base.kind).box.width() * base.scale * 0.18;
            Obj& o = put(s, kind, base.pos.x() + r.range(-halfWidth, halfWidth), base.pos.y() + perch.top * base.scale,
                         smallScale(kind, base.scale * 0.9), vary(colour, r, 0.08));
            o.loose = true;
            o.depthY = base.pos.y() + 0.01;
            o.deny = Move | Resize | Tilt; // it must stay on its perch
            o.mirror = r.chance(0.5);
            s.objs[i].deny |= Remove | Move | Resize | Tilt | Mirror;
        }
    }
}

// One thing of a deck's group, placed as composed (not loose, so it is
// neither copied about nor gathered elsewhere).
Obj& gear(Scene& s, K kind, double x, double y, double scale, QColor c1, QColor c2, bool mirror)
{
    Obj& o = put(s, kind, x, y, scale, c1, c2);
    o.mirror = mirror;
    o.groundMove = true;
    return o;
}
// `top` set on `under`: it stays there, and what holds it stays too.
void setOn(Obj& top, Obj& under)
{
    top.depthY = under.pos.y() + 0.01;
    top.deny |= Move | Resize | Tilt;
    under.deny |= Remove | Move | Resize | Tilt | Mirror;
}

void deckGear(Scene& s, Rng& r, double top, bool night)
{
    s.surfaces.stands.emplace_back(0, top, kWidth, kHeight - top);
    const double depth = kHeight - top;
    const bool cargoLeft = r.chance(0.5);
    const double dir = cargoLeft ? 1 : -1; // from the cargo corner towards the middle
    const double near = std::clamp(depth / 150, 0.85, 1.15);
    const QColor wood(150, 100, 60), crateWood = vary(QColor(190, 150, 95), r, 0.06);
    // Along the edge, far to near: two bollards, the anchor leaning by one,
    // a gull and a pelican on the stones between; a lamp where the quay turns.
    const double edge = top + 10;
    const double b1 = cargoLeft ? r.range(150, 180) : r.range(174, 204), b2 = cargoLeft ? r.range(300, 325) : r.range(29, 54);
    gear(s, Lamp, kWidth / 2.0 - dir * 158, edge - 2, 0.95, QColor(40, 45, 50));
    gear(s, Bollard, b1, edge, 1.1, QColor(60, 66, 72));
    gear(s, Anchor, b1 + dir * 24, edge + 8, 1.0, QColor(70, 75, 85), QColor(), r.chance(0.5));
    gear(s, Bollard, b2, edge + 2, 1.1, vary(QColor(40, 70, 62), r, 0.05));
    gear(s, Gull, b1 - dir * 24, edge + 4, 1.0, QColor(250, 250, 250), QColor(), !cargoLeft);
    gear(s, Pelican, b2 - dir * 26, edge + 7, 1.05, QColor(230, 230, 225), QColor(), cargoLeft); // waiting for the boats
    // The cargo corner: two crates side by side, a third on them, barrels
    // on the outer side and the life ring leant against the stack.
    const double cx = cargoLeft ? r.range(66, 84) : r.range(270, 288), cy = top + depth * r.range(0.42, 0.5);
    Obj& barrel = gear(s, Barrel, cx - dir * 34 * near, cy - 2, 1.2 * near, vary(wood, r, 0.08), QColor(60, 60, 65));
    barrel.variant = 1;
    gear(s, Crate, cx, cy, 1.3 * near, crateWood, anyOf(r, {QColor(40, 90, 160), QColor(200, 50, 40)}));
    gear(s, Crate, cx + dir * 40 * near, cy + 3, 1.3 * near, shade(crateWood, 0.88), QColor(50, 130, 70));
    const std::size_t a = s.objs.size() - 2;
    Obj& onTop = gear(s, Crate, cx + dir * 6, cy - 22 * 1.3 * near, 1.15 * near, shade(crateWood, 1.1), QColor(40, 90, 160));
    setOn(onTop, s.objs[a]);
    gear(s, Lifebuoy, cx + dir * 72 * near, cy + 6, 1.05 * near, QColor(220, 50, 40));
    if (r.chance(0.6)) {
        Obj& cat = gear(s, Cat, cx + dir * 40 * near, cy + 3 - 22 * 1.3 * near, 0.95, anyOf(r, {QColor(230, 150, 60), QColor(70, 70, 75)}), QColor(), cargoLeft);
        setOn(cat, s.objs[a + 1]);
    }
    // The fisherman's corner, nearer and across: the net spread out, his
    // bucket with the catch beside it, a lantern for the early start.
    const double nx = cargoLeft ? r.range(226, 250) : r.range(104, 128), ny = std::min(kHeight - 12.0, top + depth * r.range(0.76, 0.84));
    gear(s, Lantern, nx + dir * 42, ny - 6, 1.0, QColor(60, 55, 50)).variant = night ? 1 : 0;
    gear(s, FishingNet, nx, ny, 1.15 * near, QColor(190, 180, 150), QColor(235, 110, 40));
    gear(s, Bucket, nx - dir * 37, ny + 2, 0.85, QColor(150, 155, 160), QColor(90, 95, 100));
    gear(s, Fish, nx - dir * 62, ny + 5, 0.95, anyOf(r, {QColor(150, 170, 190), QColor(200, 180, 80)}), QColor(100, 110, 130), !cargoLeft);
    gear(s, Crab, nx + dir * 74, ny + 6, 0.85, QColor(210, 70, 40));
    // Hidden until a difference shows them: one more of the catch, a gull
    // come down by the crates, a barrel rolled beside the other.
    gear(s, Fish, nx - dir * 64, ny - 13, 0.9, QColor(220, 120, 60), QColor(110, 80, 60), cargoLeft).visible = false;
    s.objs.back().spare = true;
    gear(s, Gull, cx + dir * 100 * near, cy + 10, 1.05, QColor(245, 245, 248), QColor(), cargoLeft).visible = false;
    s.objs.back().spare = true;
}

bool clearOfThings(const Scene& s, const QRectF& r)
{
    const auto meets = [&](const QRectF& o) { return o.intersects(r); };
    return std::none_of(s.objs.begin(), s.objs.end(), [&](const Obj& o) { return o.visible && meets(QRectF(bounds(o))); }) &&
           std::none_of(s.surfaces.pieces.begin(), s.surfaces.pieces.end(), meets) &&
           std::none_of(s.surfaces.rugs.begin(), s.surfaces.rugs.end(), meets);
}

Daylight night(Rng& r)
{
    Daylight d;
    d.night = true;
    d.sky = {{0, QColor(12, 16, 40)}, {0.7, QColor(30, 40, 80)}, {1, QColor(60, 60, 100)}};
    d.sun = QColor(250, 248, 225, 230); // the moon
    d.sunAt = QPointF(r.range(50, 300), r.range(40, 90));
    d.tint = QColor(215, 222, 255);
    d.haze = QColor(40, 45, 75);
    return d;
}

} // namespace levelgen

namespace levelgen {

void henHouse(Scene& s, QPointF foot, double k, const QColor& wood, const QColor& roof, bool rampLeft)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = 46 * k, h = 28 * k, legs = 9 * k, x0 = foot.x() - w / 2, top = foot.y() - legs - h;
    s.surfaces.pieces.push_back(QRectF(x0 - 5 * k, top - 16 * k, w + 10 * k, foot.y() - top + 16 * k));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55)); // its shadow on the grass
    p.drawEllipse(QRectF(x0 - 4 * k, foot.y() - 3 * k, w + 8 * k, 7 * k));
    for (double lx : {x0 + 4 * k, x0 + w - 6 * k})
        p.fillRect(QRectF(lx, foot.y() - legs - 1, 2.5 * k, legs + 1), shade(wood, 0.55));
    const QRectF front(x0, top, w, h);
    p.fillRect(front, litGradient(front, wood, 0.3));
    p.setPen(QPen(shade(wood, 0.6), 0.8));
    for (double y = top + 5 * k; y < top + h; y += 5 * k) // its boards
        p.drawLine(QPointF(x0, y), QPointF(x0 + w, y));
    p.setPen(QPen(shade(wood, 0.45), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(front);
    QPainterPath gable;
    gable.moveTo(x0 - 5 * k, top + 1);
    gable.lineTo(foot.x(), top - 16 * k);
    gable.lineTo(x0 + w + 5 * k, top + 1);
    gable.closeSubpath();
    p.setPen(QPen(shade(roof, 0.6), 1));
    p.setBrush(litGradient(gable.boundingRect(), roof, 0.3));
    p.drawPath(gable);
    // The hens' door low on the ramp's side, and its ramp with cleats down to the grass.
    const double dx = rampLeft ? x0 + 5 * k : x0 + w - 15 * k;
    const QRectF door(dx, top + h - 14 * k, 10 * k, 13 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 20));
    p.drawRoundedRect(door, 4 * k, 4 * k);
    const QPointF sill(door.center().x(), door.bottom()), ground(sill.x() + (rampLeft ? -20 : 20) * k, foot.y());
    p.setPen(QPen(shade(wood, 0.8), 3.5 * k, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(sill, ground);
    p.setPen(QPen(shade(wood, 0.5), 0.8));
    for (double t = 0.2; t < 0.95; t += 0.25) {
        const QPointF c = sill + (ground - sill) * t;
        p.drawLine(c - QPointF(0, 1.8 * k), c + QPointF(0, 1.8 * k));
    }
    // A small window with straw showing.
    const QRectF pane(rampLeft ? x0 + w - 16 * k : x0 + 6 * k, top + 5 * k, 10 * k, 8 * k);
    p.setPen(QPen(shade(wood, 0.45), 1));
    p.setBrush(QColor(215, 185, 100));
    p.drawRect(pane);
}

void ladder(Scene& s, QPointF foot, QPointF top, double width)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF along = top - foot;
    const double len = std::hypot(along.x(), along.y());
    const QPointF side = QPointF(-along.y(), along.x()) / len * (width / 2);
    const QColor wood(150, 110, 65);
    p.setPen(QPen(QColor(0, 0, 0, 50), 3));
    p.drawLine(foot + QPointF(2, 1), foot + QPointF(2 + along.x() * 0.3, 1 + 4)); // a shadow at its foot
    p.setPen(QPen(shade(wood, 0.75), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double t = 0.12; t < 1; t += 9 / len) // rungs a hand apart
        p.drawLine(foot + along * t - side, foot + along * t + side);
    p.setPen(QPen(wood, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot - side, top - side);
    p.drawLine(foot + side, top + side);
}

void pool(Scene& s, Rng& r, const Daylight& d, const QRectF& r0)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    s.surfaces.pieces.push_back(r0.adjusted(-3, -1, 3, 2));
    p.setBrush(QColor(150, 120, 80, 150)); // wet sand round it
    p.drawEllipse(r0.adjusted(-7, -3, 7, 4));
    p.setBrush(QColor(110, 140, 70)); // a rim of grass the water keeps green
    p.drawEllipse(r0.adjusted(-3, -1, 3, 2));
    QPainterPath water;
    water.addEllipse(r0);
    p.setClipPath(water);
    verticalGradient(p, r0, {{0, mix(d.sky.back().second, QColor(60, 130, 140), 0.4)}, {1, QColor(40, 100, 115)}});
    waterGlints(p, r0, QColor(255, 255, 255), int(r0.width() * r0.height() / 120), r.seed());
    p.setClipping(false);
    // Rushes at either end of the pool.
    p.setPen(QPen(QColor(80, 120, 50), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        for (int i = 0; i < 6; ++i) {
            const QPointF at(r0.center().x() + side * (r0.width() / 2 - r.range(2, 10)), r0.center().y() + r.range(-2, 3));
            p.drawLine(at, at + QPointF(r.range(-4, 4), -r.range(9, 16)));
        }
}

void figureAt(QPainter& p, QPointF foot, double k, bool facingLeft, const QRectF& shadow, int shadowAlpha)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(foot);
    p.scale(facingLeft ? -k : k, k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, shadowAlpha));
    p.drawEllipse(shadow);
}

namespace {
// A figure's long garment from the shoulders (half `neck` wide) to the hem
// (half `hem` wide, at `hemY`), in a figure's own units.
void garment(QPainter& p, double neck, double hem, double hemY, const QColor& cloth, const QColor& edge)
{
    QPainterPath g;
    g.moveTo(-neck, -40);
    g.lineTo(neck, -40);
    g.lineTo(hem, hemY);
    g.lineTo(-hem, hemY);
    g.closeSubpath();
    p.setPen(QPen(edge, 0.8));
    p.setBrush(litGradient(g.boundingRect(), cloth, 0.3));
    p.drawPath(g);
}
} // namespace

void strollers(Scene& s, QPointF foot, double k, bool facingLeft, const QColor& coat, const QColor& hers)
{
    s.surfaces.pieces.push_back(QRectF(foot.x() - 20 * k, foot.y() - 55 * k, 40 * k, 55 * k));
    QPainter p(&s.base);
    figureAt(p, foot, k, facingLeft, QRectF(-20, -2.5, 40, 5), 60);
    const QColor skin(225, 185, 150), legs(30, 30, 35);
    const auto person = [&](double x, double h, const QColor& c, bool hat) {
        p.setPen(QPen(legs, 3.2, Qt::SolidLine, Qt::RoundCap)); // legs mid-stride
        p.drawLine(QPointF(x - 1, -h * 0.3), QPointF(x - 5, -1));
        p.drawLine(QPointF(x + 1, -h * 0.3), QPointF(x + 5, -1));
        p.setPen(QPen(shade(c, 0.5), 0.8));
        QPainterPath body;
        body.moveTo(x - 5, -h * 0.8);
        body.lineTo(x + 5, -h * 0.8);
        body.lineTo(x + 8, -h * 0.25);
        body.lineTo(x - 8, -h * 0.25);
        body.closeSubpath();
        p.setBrush(litGradient(body.boundingRect(), c, 0.3));
        p.drawPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(skin);
        p.drawEllipse(QRectF(x - 4, -h * 0.8 - 9, 8, 9));
        p.setBrush(shade(c, 0.6));
        if (hat) {
            p.drawRect(QRectF(x - 4, -h * 0.8 - 14, 8, 6));
            p.drawRect(QRectF(x - 7, -h * 0.8 - 9, 14, 2));
        } else { // her hair
            p.drawChord(QRectF(x - 5, -h * 0.8 - 10, 10, 8), 0, 180 * 16);
        }
    };
    person(-7, 44, coat, true);
    person(8, 40, hers, false);
    p.setPen(QPen(coat, 3, Qt::SolidLine, Qt::RoundCap)); // arm in arm
    p.drawLine(QPointF(-3, -30), QPointF(5, -24));
}

void shepherd(Scene& s, QPointF foot, double k, bool facingLeft)
{
    s.surfaces.pieces.push_back(QRectF(foot.x() - 12 * k, foot.y() - 56 * k, 24 * k, 56 * k));
    QPainter p(&s.base);
    figureAt(p, foot, k, facingLeft, QRectF(-12, -2, 24, 5), 50);
    p.fillRect(QRectF(-5, -12, 3.5, 12), QColor(40, 35, 35)); // boots and trousers
    p.fillRect(QRectF(1.5, -12, 3.5, 12), QColor(40, 35, 35));
    garment(p, 5, 11, -10, QColor(235, 228, 210), QColor(150, 140, 120)); // the felt cloak, wide at the hem, with its red stitching
    p.setPen(QPen(QColor(190, 40, 40), 1.2));
    p.drawLine(QPointF(-10, -13), QPointF(10, -13));
    p.drawLine(QPointF(-2, -39), QPointF(-6, -14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 180, 140)); // face
    p.drawEllipse(QRectF(-4, -48, 8, 9));
    p.setBrush(QColor(30, 28, 28)); // the hat: a round crown on a wide brim
    p.drawRoundedRect(QRectF(-4, -53, 8, 6), 2, 2);
    p.drawEllipse(QRectF(-8, -48.5, 16, 3));
    p.setPen(QPen(QColor(120, 85, 50), 1.6, Qt::SolidLine, Qt::RoundCap)); // the crook
    p.drawLine(QPointF(12, 0), QPointF(12, -50));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, -56, 8, 8), 0, 180 * 16);
    p.setPen(QPen(QColor(235, 228, 210), 3, Qt::SolidLine, Qt::RoundCap)); // his arm to it
    p.drawLine(QPointF(3, -34), QPointF(11, -28));
}

void cameleer(Scene& s, QPointF foot, double k, bool facingLeft, QPointF halter)
{
    s.surfaces.pieces.push_back(QRectF(foot.x() - 10 * k, foot.y() - 52 * k, 20 * k, 52 * k));
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    // The lead rope first, from his hand back to the halter, sagging between.
    const QPointF hand = foot + QPointF((facingLeft ? 7 : -7) * k, -26 * k);
    QPainterPath rope(hand);
    rope.quadTo((hand + halter) / 2 + QPointF(0, 12 * k), halter);
    p.setPen(QPen(QColor(110, 80, 50), 1.2 * k));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rope);
    figureAt(p, foot, k, facingLeft, QRectF(-10, -2, 20, 5), 50);
    p.setPen(QPen(QColor(100, 70, 50), 1.4, Qt::SolidLine, Qt::RoundCap)); // sandals striding
    p.drawLine(QPointF(-4, -6), QPointF(-7, 0));
    p.drawLine(QPointF(3, -6), QPointF(6, 0));
    garment(p, 4.5, 9, -6, QColor(60, 80, 150), QColor(30, 40, 80)); // the long robe, loose to the ankle
    p.setPen(QPen(QColor(200, 170, 80), 1.4)); // his sash
    p.drawLine(QPointF(-5.5, -27), QPointF(5.5, -27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 120, 85)); // face
    p.drawEllipse(QRectF(-3.5, -47, 7, 8));
    p.setBrush(QColor(240, 236, 225)); // the head cloth, its tail over his shoulder
    p.drawRoundedRect(QRectF(-4.5, -51, 9, 6), 2.5, 2.5);
    QPainterPath tail;
    tail.moveTo(-4.5, -48);
    tail.lineTo(-8, -38);
    tail.lineTo(-4, -38);
    tail.lineTo(-2, -46);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setPen(QPen(QColor(60, 80, 150), 2.6, Qt::SolidLine, Qt::RoundCap)); // his arm back to the rope
    p.drawLine(QPointF(-1, -36), QPointF(-7, -26));
}

void trough(Scene& s, QPointF foot, double width, const QColor& wood)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(foot.x() - width / 2, foot.y() - 9, width, 8);
    s.surfaces.pieces.push_back(QRectF(box.left(), box.top() - 2, width, foot.y() - box.top() + 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(box.left() - 3, foot.y() - 3, width + 6, 6));
    p.fillRect(QRectF(box.left() + 3, foot.y() - 2, 2, 2), shade(wood, 0.5)); // its feet
    p.fillRect(QRectF(box.right() - 5, foot.y() - 2, 2, 2), shade(wood, 0.5));
    p.setPen(QPen(shade(wood, 0.5), 0.8));
    p.setBrush(litGradient(box, wood, 0.3));
    p.drawRect(box.translated(0, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 130, 150)); // the water in it
    p.drawRect(QRectF(box.left() + 2, box.top() - 1, width - 4, 2.2));
}

void woodpile(Scene& s, QPointF foot, double k, bool snow)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = 40 * k, logR = 4.2 * k;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(foot.x() - w / 2 - 3 * k, foot.y() - 3 * k, w + 6 * k, 6 * k));
    const QColor bark(95, 65, 40), cut(205, 165, 110);
    for (const double sx : {-w / 2 - 1.5 * k, w / 2 - 0.5 * k}) // the stakes holding it
        p.fillRect(QRectF(foot.x() + sx, foot.y() - 30 * k, 2.2 * k, 30 * k), shade(bark, 0.8));
    // Rows of logs, one fewer each row up, their cut ends ringed.
    double top = foot.y();
    for (int row = 0; row < 4; ++row) {
        const int n = 5 - (row == 3 ? 2 : row / 2);
        const double y = foot.y() - logR - row * logR * 1.75;
        top = y - logR;
        for (int i = 0; i < n; ++i) {
            const QPointF c(foot.x() - (n - 1) * logR + i * logR * 2 + (row % 2) * 0.6 * k, y);
            p.setPen(QPen(bark, 1.1 * k));
            p.setBrush(cut);
            p.drawEllipse(c, logR, logR * 0.95);
            p.setPen(QPen(shade(cut, 0.75), 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, logR * 0.5, logR * 0.45);
        }
    }
    if (snow) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 248, 255));
        p.drawRoundedRect(QRectF(foot.x() - 2.8 * logR, top - 2.5 * k, 5.6 * logR, 4 * k), 2 * k, 2 * k);
    }
}

void pawPrints(Scene& s, Rng& r, QPointF from, QPointF to, const QColor& snowShade)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(snowShade);
    const QPointF along = to - from;
    const double len = std::hypot(along.x(), along.y());
    const QPointF side = QPointF(-along.y(), along.x()) / std::max(len, 1.0);
    // The trail wanders a little; prints pair left and right of it.
    const double bend = r.range(-18, 18);
    for (double t = 0; t <= 1; t += 0.045) {
        const double k = 0.55 + 0.45 * t; // nearer the eye, bigger and further apart
        const QPointF c = from + along * t + side * (bend * std::sin(M_PI * t));
        const double sgn = int(t / 0.045 + 0.5) % 2 ? 1 : -1;
        p.drawEllipse(c + side * sgn * 2.5 * k, 1.5 * k, 1.0 * k);
    }
}

void washingLine(Scene& s, double x0, double x1, double foot, double height, std::initializer_list<QColor> colours)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor wood(110, 80, 50);
    const double top = foot - height, k = height / 36;
    for (const double x : {x0, x1}) {
        p.setPen(QPen(QColor(0, 0, 0, 50), 3));
        p.drawLine(QPointF(x - 2, foot), QPointF(x + 5, foot + 1));
        p.setPen(QPen(wood, 2.2 * k));
        p.drawLine(QPointF(x, foot), QPointF(x, top - 2));
    }
    // The line sags between the poles; the clothes hang from it.
    auto lineY = [&](double x) { return top + 5 * k * std::sin(M_PI * (x - x0) / (x1 - x0)); };
    p.setPen(QPen(QColor(225, 225, 215), 0.8));
    QPainterPath line;
    line.moveTo(x0, top);
    for (double x = x0; x <= x1; x += 2)
        line.lineTo(x, lineY(x));
    p.drawPath(line);
    const int n = int(colours.size());
    const double step = (x1 - x0) / (n + 1);
    for (int i = 0; i < n; ++i) {
        const QColor c = *(colours.begin() + i);
        const double cx = x0 + step * (i + 1), cy = lineY(cx);
        QPainterPath cloth;
        if (i % 2 == 0) { // a shirt, sleeves out
            cloth.moveTo(cx - 6 * k, cy);
            cloth.lineTo(cx + 6 * k, cy);
            cloth.lineTo(cx + 9 * k, cy + 4 * k);
            cloth.lineTo(cx + 5.5 * k, cy + 5 * k);
            cloth.lineTo(cx + 5.5 * k, cy + 13 * k);
            cloth.lineTo(cx - 5.5 * k, cy + 13 * k);
            cloth.lineTo(cx - 5.5 * k, cy + 5 * k);
            cloth.lineTo(cx - 9 * k, cy + 4 * k);
            cloth.closeSubpath();
        } else { // a towel
            cloth.addRect(QRectF(cx - 5 * k, cy, 10 * k, 14 * k));
        }
        p.setPen(QPen(shade(c, 0.65), 0.6));
        p.setBrush(litGradient(cloth.boundingRect(), c, 0.3));
        p.drawPath(cloth);
        p.setPen(QPen(QColor(150, 110, 70), 1.2)); // its pegs
        p.drawLine(QPointF(cx - 4 * k, cy - 1.5), QPointF(cx - 4 * k, cy + 2));
        p.drawLine(QPointF(cx + 4 * k, cy - 1.5), QPointF(cx + 4 * k, cy + 2));
    }
}

} // namespace levelgen

