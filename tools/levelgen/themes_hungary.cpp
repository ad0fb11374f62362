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

// A bathing jetty running out from the shore at `x` (its foot on `shore`),
// narrowing as it goes, on posts standing in the water, a ladder down at
// its end; its deck is noted as a stand. Returns where its far end is.
QPointF jetty(Scene& s, Rng& r, double x, double shore, double length, const QColor& wood)
{
    const double nearW = 44, farW = 30, far = shore - length;
    QPainterPath deck;
    deck.moveTo(x - nearW / 2, shore + 2);
    deck.lineTo(x + nearW / 2, shore + 2);
    deck.lineTo(x + farW / 2, far);
    deck.lineTo(x - farW / 2, far);
    deck.closeSubpath();
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 60, 70)); // its shadow on the water
    p.drawPath(deck.translated(5, 4));
    for (int i = 0; i <= 4; ++i) { // the posts, pairs along both sides
        const double t = i / 4.0, w = nearW + (farW - nearW) * t, y = shore + (far - shore) * t, h = 9 - 3 * t;
        for (const double side : {-1.0, 1.0}) {
            p.setBrush(shade(wood, 0.55));
            p.drawRect(QRectF(x + side * w / 2 - 1.6, y - 1, 3.2, h));
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawEllipse(QRectF(x + side * w / 2 - 4, y + h - 1.5, 8, 2.5)); // ripples round it
        }
    }
    p.save();
    p.setClipPath(deck);
    planks(p, deck.boundingRect(), wood, 8, false, r.seed());
    p.restore();
    p.setPen(QPen(shade(wood, 0.6), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(deck);
    p.setPen(QPen(QColor(190, 195, 200), 1.3)); // the ladder's rails over the end
    for (const double lx : {x - 5.0, x + 5.0})
        p.drawLine(QPointF(lx, far + 1), QPointF(lx, far - 9));
    p.drawLine(QPointF(x - 5, far - 8), QPointF(x + 5, far - 8));
    s.surfaces.stands.emplace_back(x - farW / 2, far, farW, length);
    s.surfaces.pieces.push_back(QRectF(x - 6, far - 10, 12, 10));
    return QPointF(x, far);
}

// Swimmers off the jetty's end: a head and an arm over the water mid-stroke,
// each in its splash and ring of ripples.
void swimmers(Scene& s, QPointF at, double dir, int n)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor caps[] = {QColor(230, 60, 50), QColor(250, 210, 50), QColor(245, 245, 240)};
    for (int i = 0; i < n; ++i) {
        const QPointF c = at + QPointF(dir * (26 + 30 * i), -12 - 16 * i + (i % 2) * 6);
        const double k = 1.0 - 0.15 * i;
        p.setPen(QPen(QColor(255, 255, 255, 160), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(c.x() - 9 * k, c.y() + 1, 18 * k, 4 * k));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 180, 145));
        p.drawEllipse(c, 3.4 * k, 3.4 * k);
        p.setPen(QPen(QColor(225, 180, 145), 2.2 * k, Qt::SolidLine, Qt::RoundCap)); // the arm over the water
        p.drawLine(c + QPointF(-dir * 3 * k, 1), c + QPointF(-dir * 8 * k, -6 * k));
        p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
        p.drawArc(QRectF(c.x() + dir * 4 * k - 3, c.y() - 1, 6 * k, 4 * k), 0, 180 * 16); // the splash before
        p.setPen(Qt::NoPen);
        p.setBrush(caps[i % 3]);
        p.drawChord(QRectF(c.x() - 3.6 * k, c.y() - 3.8 * k, 7.2 * k, 7 * k), 20 * 16, 140 * 16);
        s.surfaces.pieces.push_back(QRectF(c.x() - 10 * k, c.y() - 8 * k, 20 * k, 13 * k));
    }
}

// The lángos stand on the grass (`k` 1: 64 px wide): a wooden kiosk, its
// hatch open under a striped awning, the counter with the flat breads on
// it, a board on the roof with a painted lángos. Noted as a set piece.
void langosStand(Scene& s, QPointF foot, double k, const QColor& wood, const QColor& stripe)
{
    const double w = 64 * k, h = 44 * k, x0 = foot.x() - w / 2, top = foot.y() - h;
    s.surfaces.pieces.push_back(QRectF(x0 - 4 * k, top - 24 * k, w + 8 * k, h + 24 * k));
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawEllipse(QRectF(x0 - 4 * k, foot.y() - 4 * k, w + 10 * k, 8 * k));
    const QRectF front(x0, top, w, h);
    planks(p, front, wood, 5 * k, true, 7);
    p.setPen(QPen(shade(wood, 0.5), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(front);
    const QRectF hatch(x0 + 8 * k, top + 8 * k, w - 16 * k, 18 * k);
    p.fillRect(hatch, QColor(60, 45, 35)); // dark inside
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 235, 225)); // the cook's white cap and shoulders in the hatch
    p.drawEllipse(QRectF(hatch.center().x() - 6 * k, hatch.bottom() - 9 * k, 12 * k, 10 * k));
    p.setBrush(QColor(225, 180, 145));
    p.drawEllipse(QPointF(hatch.center().x(), hatch.top() + 7 * k), 3.2 * k, 3.4 * k);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(hatch.center().x() - 3 * k, hatch.top() + 1.5 * k, 6 * k, 3 * k));
    p.fillRect(QRectF(x0 + 4 * k, hatch.bottom(), w - 8 * k, 3.5 * k), shade(wood, 1.25)); // the counter
    for (int i = 0; i < 3; ++i) { // lángos on it, golden, one with its sour cream
        const QPointF c(x0 + (14 + i * 11) * k, hatch.bottom() - 0.5 * k);
        p.setBrush(QColor(215, 160, 70));
        p.drawEllipse(c, 5 * k, 1.8 * k);
        if (i == 1) {
            p.setBrush(QColor(250, 248, 240));
            p.drawEllipse(c + QPointF(0, -0.6 * k), 2.6 * k, 0.9 * k);
        }
    }
    // The awning over the hatch, red and white, its scalloped edge.
    QPainterPath awning;
    awning.moveTo(x0 - 3 * k, top + 2 * k);
    awning.lineTo(x0 + w + 3 * k, top + 2 * k);
    awning.lineTo(x0 + w + 6 * k, top + 10 * k);
    for (int i = 7; i >= 0; --i)
        awning.quadTo(x0 - 6 * k + (i + 0.5) * (w + 12 * k) / 8, top + 14 * k, x0 - 6 * k + i * (w + 12 * k) / 8, top + 10 * k);
    awning.closeSubpath();
    p.setBrush(QColor(250, 248, 240));
    p.drawPath(awning);
    p.save();
    p.setClipPath(awning);
    for (int i = 0; i < 8; i += 2)
        p.fillRect(QRectF(x0 - 6 * k + i * (w + 12 * k) / 8, top, (w + 12 * k) / 8, 16 * k), stripe);
    p.restore();
    p.fillRect(QRectF(x0 - 2 * k, top - 2 * k, w + 4 * k, 4 * k), shade(wood, 0.7)); // the roof's edge
    // The board on the roof: a painted lángos on a sky-blue ground.
    const QRectF board(foot.x() - 18 * k, top - 22 * k, 36 * k, 18 * k);
    p.fillRect(QRectF(board.left() + 6 * k, board.bottom(), 2 * k, 4 * k), shade(wood, 0.6));
    p.fillRect(QRectF(board.right() - 8 * k, board.bottom(), 2 * k, 4 * k), shade(wood, 0.6));
    p.setPen(QPen(shade(wood, 0.6), 1.2));
    p.setBrush(QColor(90, 160, 210));
    p.drawRoundedRect(board, 2, 2);
    p.setPen(QPen(QColor(160, 100, 40), 0.8));
    p.setBrush(QColor(225, 165, 70));
    p.drawEllipse(board.center(), 12 * k, 6 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 240));
    p.drawEllipse(board.center() + QPointF(-1 * k, -0.5 * k), 6 * k, 2.8 * k);
    p.setBrush(QColor(240, 200, 60)); // grated cheese on the cream
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(board.center() + QPointF((i - 2) * 2.2 * k, (i % 2 - 0.5) * 1.4 * k), 0.9 * k, 0.9 * k);
}
} // namespace

void buildBalaton(Scene& s, Rng& r, int v)
{
    v %= 3;
    const Daylight d = daylight(v + 1, r);
    s.finish.tint = d.tint;
    // The lake under its hills, and a deep strip of shore grass in front
    // where the summer's day is spent.
    const double horizon = 112 + v * 22 + r.range(-8, 8), shore = horizon + 118 + r.range(0, 20);
    skyAndGround(s, r, d, horizon, QColor(110, 150, 65), QColor(150, 160, 90), 220);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        tableHill(p, r.range(80, 270), horizon + 2, r.range(120, 170), r.range(28, 40), mix(d.haze, QColor(70, 90, 80), 0.4));
    }
    water(s, r, d, horizon + 2, shore, QColor(60, 120, 130));
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        // Far out, the regatta's sails, small with distance.
        for (double x = r.range(10, 30); x < kWidth - 10; x += r.range(38, 60)) {
            const double y = horizon + 8 + r.range(0, 18), h = 6 + (y - horizon) * 0.15;
            p.setBrush(mix(QColor(250, 250, 245), d.haze, 0.25));
            p.drawPolygon(QPolygonF({QPointF(x, y - 1), QPointF(x + 0.5, y - h), QPointF(x + h * 0.55, y - 1)}));
            p.setBrush(mix(QColor(60, 60, 70), d.haze, 0.3));
            p.drawRect(QRectF(x - 2, y - 1, h * 0.55 + 4, 1.6));
        }
    }
    // Each visit lays the shore out afresh: where the jetty runs out, where
    // the lángos stand, the tent and the beach towel are, which end has the reeds.
    struct Layout { double pier, stand, standDepth, tent, tentDepth, towel, reeds; };
    static constexpr Layout kLayouts[3] = {
        {280, 250, 0.42, 64, 0.4, 127, 60}, {176, 70, 0.42, 286, 0.4, 244, 300}, {74, 180, 0.36, 300, 0.5, 96, 300}};
    const Layout& lay = kLayouts[v];
    const auto towardMiddle = [](double x) { return x < kWidth / 2.0 ? 1.0 : -1.0; };
    const double pierX = lay.pier + r.range(-8, 8);
    const QPointF end = jetty(s, r, pierX, shore, 76, QColor(160, 120, 80));
    swimmers(s, end, pierX > 150 ? -1 : 1, 2);
    // The sails on the open water away from the jetty's end, the water birds nearer in.
    const double openX0 = pierX > 150 ? 30 : pierX + 90, openX1 = pierX > 150 ? pierX - 70 : 324;
    put(s, Boat, r.range(openX0, std::max(openX0, openX1 - 40)), horizon + 34 + r.range(0, 16), 0.55,
        anyOf(r, {QColor(250, 250, 245), QColor(200, 60, 50)}), QColor(250, 248, 240), QColor(40, 90, 160));
    group(s, r, Boat, many(s, 1), {30, 324, horizon + 60, horizon + 90}, 0.75, 0.9,
          {QColor(250, 250, 245), QColor(200, 60, 50), QColor(60, 90, 160)}, QColor(250, 248, 240), QColor(40, 90, 160));
    group(s, r, Swan, 2, {openX0, openX1, horizon + 70, shore - 14}, 0.9, 1.1, {QColor(250, 250, 248)});
    group(s, r, Duck, many(s, 1), {openX0, openX1, horizon + 80, shore - 6}, 0.9, 1.1, {QColor(120, 90, 60), QColor(90, 120, 80)});
    group(s, r, Buoy, 2, {30, 324, horizon + 26, horizon + 60}, 0.8, 1.0, {QColor(240, 120, 30), QColor(230, 230, 230)});
    group(s, r, Coot, many(s, 1), {openX0, openX1, horizon + 40, shore - 30}, 1.0, 1.1, {QColor(35, 35, 40)});
    group(s, r, Bird, 3, {30, 324, 30, horizon - 40}, 0.9, 1.1, {QColor(245, 245, 245)}, QColor(200, 200, 200));
    for (Obj& o : s.objs)
        if (o.kind == Bird)
            o.shape = 1;
    group(s, r, Kite, 1, {40, 314, 40, horizon - 40}, 1.1, 1.2, {QColor(215, 45, 45), QColor(45, 95, 205)}, QColor(250, 220, 60));
    // The shore in the groups a summer's day leaves on it: the reed bed at
    // the far side with the heron fishing in it; the jetty's foot with the
    // anglers' net, their bucket on its planks; behind it the lángos stand with a table and
    // a bench; a beach towel under its parasol in the middle; a tent set
    // back by the reeds with wild flowers before it.
    const double reedDir = -towardMiddle(lay.reeds); // the bed runs out to the picture's side
    for (int k = 0; k < 3; ++k)
        put(s, Reed, lay.reeds + reedDir * (k * 40 - 56) + r.range(-2, 2), shore + 6 + (k % 2) * 10, 0.9 + 0.08 * (k % 3), QColor(110, 130, 60),
            QColor(110, 70, 40));
    put(s, Heron, lay.reeds - reedDir * 72, shore - 10, 1.0, QColor(170, 175, 185)).mirror = reedDir < 0; // wading, out from the reeds
    const double footY = shore + 26, netSide = lay.stand < pierX ? 1 : -1; // the net on the jetty's side away from the stand
    put(s, FishingNet, std::clamp(pierX + netSide * 46, 30.0, 324.0), footY, 1.0, QColor(200, 190, 160), QColor(235, 110, 40));
    put(s, Bucket, pierX + 6, shore - 14, 0.7, QColor(120, 130, 140), QColor(250, 250, 245));
    const double room = kHeight - shore; // the depth of the shore, from 190 to 250 px
    const double standX = lay.stand + r.range(-6, 6), standY = shore + room * lay.standDepth, inward = towardMiddle(standX);
    langosStand(s, QPointF(standX, standY), 1.15, QColor(170, 125, 80), QColor(200, 50, 45));
    Obj& table = put(s, Table, standX + inward * 70, standY + 14, 1.3, QColor(150, 110, 75));
    Obj& plate = put(s, Plate, table.pos.x() - 2, table.pos.y() - 18.5 * 1.3 + 1, 0.55, QColor(250, 248, 240), QColor(215, 160, 70));
    setOn(plate, table);
    put(s, Bench, standX + inward * 54, standY + 40, 1.2, QColor(120, 85, 55)).mirror = inward < 0;
    const double picnicX = lay.towel + r.range(-6, 6), picnicY = kHeight - 44, dir = towardMiddle(picnicX);
    const QRectF cloth(picnicX - 40, picnicY - 14, 80, 28);
    rug(s, cloth, anyOf(r, {QColor(210, 60, 60), QColor(60, 120, 200), QColor(240, 190, 60)}), std::uint32_t(r.next()));
    put(s, Parasol, picnicX + dir * 26, cloth.top() + 2, 1.6, anyOf(r, {QColor(40, 110, 190), QColor(215, 50, 40)}), QColor(250, 248, 240));
    put(s, Watermelon, picnicX - dir * 18, picnicY + 7, 1.0, QColor(230, 60, 70));
    put(s, Bottle, picnicX + dir * 6, picnicY + 4, 0.9, QColor(200, 120, 40)); // the lemonade
    put(s, Ball, picnicX + dir * 50, picnicY + 16, 1.0, QColor(240, 200, 40), QColor(220, 60, 60));
    put(s, DeckChair, picnicX - dir * 62, picnicY + 6, 1.3, anyOf(r, {QColor(40, 110, 190), QColor(215, 50, 40)}), QColor(250, 248, 240)).mirror = dir < 0;
    const double tentX = lay.tent, tentY = shore + room * lay.tentDepth, inwards = towardMiddle(tentX);
    put(s, Tent, tentX, tentY, 1.4, anyOf(r, {QColor(230, 120, 40), QColor(60, 120, 80)}), QColor(250, 220, 60)).mirror = inwards > 0;
    put(s, Bicycle, tentX + inwards * 58, tentY + 4, 1.1, QColor(40, 90, 160)).mirror = inwards < 0;
    for (int k = 0; k < 3; ++k) // wild flowers before the tent
        put(s, Flower, tentX + (k * 20 - 20), tentY + room * 0.18 + k * 3, 1.0 + 0.1 * k,
            anyOf(r, {QColor(230, 50, 70), QColor(250, 250, 245), QColor(250, 200, 40)}));
    group(s, r, Gull, 2, {177 - 70, 177 + 70, shore + 8, shore + 22}, 1.0, 1.1, {QColor(250, 250, 250)});
    // Across the front from the towel, a clump of wild flowers with a snail at its foot.
    const double clumpX = picnicX + dir * 150;
    for (int k = 0; k < 3; ++k)
        put(s, Flower, clumpX + (k - 1) * 18, kHeight - 66 + (k % 2) * 8, 1.1, anyOf(r, {QColor(150, 80, 200), QColor(250, 250, 245), QColor(240, 120, 40)}));
    put(s, Snail, clumpX - dir * 30, kHeight - 18, 1.0, QColor(200, 150, 80)).deny |= Recolour; // a shell is never blue
    spares(s, r, Swan, 1, {openX0, openX1, horizon + 60, shore - 14}, 0.9, 1.0, {QColor(250, 250, 248)});
    spare(s, Cup, picnicX - dir * 30, picnicY + 2, 0.8, QColor(60, 110, 180));
    spares(s, r, Duck, 1, {openX0, openX1, horizon + 60, shore - 14}, 0.9, 1.0, {QColor(120, 90, 60)});
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
    // the herdsmen's pot in a near corner. Each visit sees the grey cattle and
    // the flock with its shepherd and puli elsewhere: the cattle between farm
    // and well with the flock in front; the flock before the farm with the
    // cattle grazing up close; or the cattle come to a well in the middle
    // distance with the flock behind them.
    // (x from the middle towards the farm; the flowers where the path is clear of them.)
    struct Herding { double wellDepth, herdX, herdDepth, flockX, flockDepth, flowers[2]; };
    const Herding layouts[3] = {{0.36, 0, 0.3, 65, 0.66, {0.42, 0.74}}, {0.2, -10, 0.72, 70, 0.38, {0.22, 0.5}},
                                {0.58, -55, 0.28, -20, 0.8, {0.45, 0.62}}};
    const Herding& lay = layouts[v];
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
        for (const double t : lay.flowers) {
            const QPointF at = path.pointAtPercent(t);
            const double k = 0.9 + 0.5 * (at.y() - horizon) / deep;
            const QColor cols[] = {QColor(150, 80, 200), QColor(250, 200, 40), QColor(230, 50, 70)};
            for (int i = 0; i < 3; ++i)
                put(s, Flower, at.x() + (i - 1) * 9 * k + (t > 0.5 ? 16 : -16) * k, at.y() + (i % 2) * 6 * k, 0.6 * k, cols[(i + int(t * 10)) % 3]).count = 5 + i;
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
    // Each group drawn to its depth: nearer, bigger (as composed for the first visit).
    const auto nearer = [](double depth, double composed) { return (0.75 + 0.55 * depth) / (0.75 + 0.55 * composed); };
    // The well corner: the sweep well, its trough, the bucket, the geese.
    const double wellY = horizon + deep * lay.wellDepth, kw = nearer(lay.wellDepth, 0.36);
    put(s, SweepWell, wellX, wellY, 1.1 * kw, QColor(130, 100, 70)).variant = 3;
    trough(s, {wellX + a * 34 * kw, wellY + 6 * kw}, 42 * kw, QColor(130, 95, 60));
    gear(s, Bucket, wellX - a * 20 * kw, wellY + 6 * kw, 0.9 * kw, QColor(150, 155, 160), QColor(90, 95, 100));
    gear(s, Goose, wellX + a * 26 * kw, wellY + 20 * kw, 1.05 * kw, QColor(250, 250, 245), QColor(), !wellLeft);
    gear(s, Goose, wellX + a * 48 * kw, wellY + 24 * kw, 1.1 * kw, QColor(165, 155, 145), QColor(), wellLeft);
    spares(s, r, Goose, 1, {wellX + a * 60 * kw - 4, wellX + a * 60 * kw + 4, wellY + 14 * kw, wellY + 20 * kw}, 1.0 * kw, 1.05 * kw, {QColor(235, 225, 205)});
    gear(s, Buffalo, wellX + a * 80 * kw, wellY + 8 * kw, 0.9 * kw, QColor(55, 50, 48), QColor(), wellLeft); // come to the trough
    // The herd: three grey cattle and a calf, no two alike.
    const double herdX = 177 + a * (lay.herdX + r.range(-10, 10)), herdY = horizon + deep * lay.herdDepth, kh = nearer(lay.herdDepth, 0.3);
    gear(s, Cattle, herdX - 42 * kh, herdY, 0.85 * kh, QColor(205, 205, 200), QColor(), true);
    gear(s, Cattle, herdX + 2 * kh, herdY + 12 * kh, 0.92 * kh, QColor(175, 172, 165), QColor(), false);
    gear(s, Cattle, herdX + 44 * kh, herdY + 4 * kh, 0.88 * kh, QColor(228, 224, 214), QColor(), r.chance(0.5));
    gear(s, Calf, herdX - 14 * kh, herdY + 24 * kh, 0.95 * kh, QColor(200, 160, 110), QColor(), false);
    gear(s, Stork, herdX - a * 86 * kh, herdY + 8 * kh, 0.9 * kh, QColor(248, 248, 245), QColor(), wellLeft); // after the frogs the herd stirs up
    spares(s, r, Calf, 1, {herdX + 18 * kh, herdX + 30 * kh, herdY + 24 * kh, herdY + 30 * kh}, 0.9 * kh, 0.95 * kh, {QColor(215, 205, 190)});
    // The flock, its puli and the shepherd.
    const double flockX = 177 + a * (lay.flockX + r.range(-7, 7)), flockY = horizon + deep * lay.flockDepth, kf = nearer(lay.flockDepth, 0.66);
    shepherd(s, {flockX + a * 62 * kf, flockY + 6 * kf}, 1.05 * kf, !wellLeft);
    gear(s, Sheep, flockX - 30 * kf, flockY, 1.1 * kf, QColor(240, 236, 225), QColor(), false);
    gear(s, Sheep, flockX + 2 * kf, flockY + 12 * kf, 1.2 * kf, QColor(225, 210, 180), QColor(), true);
    gear(s, Sheep, flockX + 30 * kf, flockY + 3 * kf, 1.1 * kf, QColor(60, 55, 50), QColor(), false);
    gear(s, Puli, flockX - a * 62 * kf, flockY + 16 * kf, 1.2 * kf, QColor(45, 42, 40), QColor(), wellLeft);
    spares(s, r, Lamb, 1, {flockX - 14 * kf, flockX + 14 * kf, flockY + 22 * kf, flockY + 28 * kf}, 1.0 * kf, 1.05 * kf, {QColor(245, 242, 235)});
    // The herdsmen's pot on its tripod over the fire, a stump to sit on: in
    // the near corner on the well's side, or, where the cattle or the flock
    // stand near, in the farm's, its stool and jug towards the middle.
    const double potX = v == 0 ? wellX + a * r.range(20, 36) : 177 + a * r.range(108, 116), potY = kHeight - 30;
    gear(s, Cauldron, potX, potY, 1.15, QColor(45, 42, 40));
    gear(s, Stump, potX + (v == 0 ? a * 40 : -a * 38), potY + 8, 1.1, QColor(120, 85, 55));
    if (v == 0) // beside the stool; by the pot alone in the farm's corner it would be a copying mistake
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
    const double counter1 = 212 + v * 12 + r.range(-6, 6), counter2 = counter1 + 130;
    // The stalls' top rail, where the hall's iron arches spring from their columns.
    const double rail = 62 + v * 4 + r.range(-2, 2);
    // The floor starts in front of the lower counter; above it is the hall's
    // back wall with its two counters (nothing stands on a counter's front).
    s.surfaces = Surfaces::at(counter2 + 40, true, false, {});
    const double span = 90 + v * 25, firstArch = -span / 2 + r.range(0, 20);
    double clockX = firstArch + span / 2; // the column nearest the middle carries the hall's clock
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, kHeight), {{0, QColor(150, 170, 175)}, {0.4, QColor(200, 190, 170)}, {1, QColor(120, 95, 70)}});
        const QColor iron(60, 80, 80);
        p.fillRect(QRectF(0, 0, kWidth, 7), shade(iron, 1.2)); // the roof's tie beam
        // Under each arch a high half-round window, its iron bars fanning out
        // from the sill: the light of the hall comes from up there.
        const double rx = span / 2 - 9, ry = 35;
        for (double x = firstArch; x < kWidth + span; x += span) {
            const QRectF pane(x - rx, rail - ry, 2 * rx, 2 * ry);
            QLinearGradient sky(QPointF(0, rail - ry), QPointF(0, rail));
            sky.setColorAt(0, QColor(205, 225, 235));
            sky.setColorAt(1, QColor(235, 240, 235));
            p.setPen(QPen(iron, 2.2));
            p.setBrush(sky);
            p.drawChord(pane, 0, 180 * 16);
            p.setPen(QPen(iron, 1.3));
            for (int i = 1; i < 6; ++i) {
                const double a = M_PI * i / 6;
                p.drawLine(QPointF(x, rail), QPointF(x + rx * std::cos(a), rail - ry * std::sin(a)));
            }
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(x - rx * 0.45, rail - ry * 0.45, rx * 0.9, ry * 0.9), 0, 180 * 16);
            s.surfaces.glass.push_back(QRectF(x - rx * 0.7, rail - ry, 1.4 * rx, ry - 7)); // the columns between and the rail stay wall
            // The arch over it, and the column it rests on at either side.
            p.setPen(QPen(iron, 3));
            p.drawArc(QRectF(x - span / 2, rail - 44, span, 88), 0, 180 * 16);
            const double col = x + span / 2;
            p.fillRect(QRectF(col - 2.5, 0, 5, rail), litGradient(QRectF(col - 2.5, 0, 5, 10), iron, 0.4));
            if (std::abs(col - 177 - (v - 1) * 30) < std::abs(clockX - 177 - (v - 1) * 30))
                clockX = col;
        }
        glow(p, QPointF(177, 60), 200, QColor(255, 250, 230, 90));
    }
    noiseTexture(s.base, QRect(0, 0, kWidth, kHeight), 20, 6, r.seed());
    // The upper stalls' board against the back wall; the near counter a
    // panelled stall front down to the floor, the produce on its top.
    shelfBoard(s, counter1, QColor(140, 95, 60));
    paintCounter(s, r, -4, kWidth + 4, counter2 - 8, 12, counter2 + 62, QColor(140, 95, 60));
    s.surfaces.stands.emplace_back(0, counter2, kWidth, 0);
    { // the stall's rail the paprika and sausages hang from, on its posts, and
      // the striped awning over the lower stall
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor wood(120, 80, 50);
        for (const double x : {3.0, kWidth - 7.0})
            p.fillRect(QRectF(x, rail - 2, 4, counter1 - rail + 2), litGradient(QRectF(x, rail, 4, 10), wood, 0.3));
        p.fillRect(QRectF(0, rail - 3, kWidth, 4), litGradient(QRectF(0, rail - 3, kWidth, 4), shade(wood, 1.1), 0.4));
        // The awning over the lower stall on two of the three days; on the
        // third the stall stands open under the hall's own roof.
        if (v != 1) {
            const double top = counter2 - 86 + v * 4, hem = top + 20;
            for (const double x : {5.0, kWidth / 2.0 - 2, kWidth - 9.0})
                p.fillRect(QRectF(x, hem, 4, counter2 - hem), litGradient(QRectF(x, hem, 4, 10), wood, 0.3));
            const QColor stripe = v == 2 ? QColor(60, 120, 80) : QColor(190, 50, 45);
            for (double x = 0, i = 0; x < kWidth; x += 18, ++i) {
                QPainterPath band; // each stripe ends in a scallop
                band.moveTo(x, top);
                band.lineTo(x + 18, top);
                band.lineTo(x + 18, hem);
                band.quadTo(x + 9, hem + 9, x, hem);
                band.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(litGradient(band.boundingRect(), int(i) % 2 ? QColor(245, 240, 228) : stripe, 0.35));
                p.drawPath(band);
            }
            p.fillRect(QRectF(0, top - 2, kWidth, 3), shade(wood, 0.8));
            QLinearGradient under(QPointF(0, hem), QPointF(0, hem + 14)); // its shade on the wall
            under.setColorAt(0, QColor(0, 0, 0, 50));
            under.setColorAt(1, QColor(0, 0, 0, 0));
            p.fillRect(QRectF(0, hem, kWidth, 14), under);
            s.surfaces.glass.emplace_back(0, top, kWidth, hem + 9 - top); // nothing is hung over it
        }
    }
    for (int i = 0; i < 5; ++i) { // paprika strings hanging from the rail
        Obj& pap = put(s, Paprika, 20 + i * 75 + r.range(-10, 10), rail + 1, 1.0, kPaprikaRed);
        pap.count = r.between(6, 8);
    }
    const std::size_t upper = s.objs.size();
    row(s, r, counter1, 8, 346, {Fruit, Grapes, Jar, Bowl, Bread}, 1.0, 1.25,
        {QColor(220, 50, 40), QColor(240, 190, 40), QColor(120, 170, 60), QColor(130, 60, 120)});
    hideOne(s, r, upper);
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
    put(s, Cat, std::fmod(170 + shift, 300.0) + 28, foot + 36, 1.0, anyOf(r, {QColor(220, 150, 80), QColor(240, 240, 235)}));
    for (int i = 0; i < 2; ++i) // sausages between the paprika strings, two lots (a third would look copied)
        put(s, Salami, 57 + (i * 2 + v % 2) * 75 + r.range(-6, 6), rail + 1, 1.35, QColor(150, 70, 60)).count = r.between(2, 3);
    // The hall's clock on its column; the stall's sign on its post; chalk
    // price boards on the wall above the goods they price, clear of the sign.
    put(s, Clock, clockX, rail - 40, 1.1, QColor(70, 90, 85)).shape = 0;
    const bool signLeft = v != 1;
    Obj& sign = put(s, Sign, signLeft ? 24 : kWidth - 24, counter1 - 50, 1.2, QColor(50, 60, 55), QColor(240, 240, 230));
    sign.variant = 4 | r.between(0, 3);
    sign.mirror = !signLeft;
    {
        QPainter p(&s.base);
        int price = 0;
        const auto board = [&](double x, double top) {
            const QColor apple = anyOf(r, {QColor(200, 40, 40), QColor(150, 190, 50), QColor(240, 200, 50)});
            price = price == 0 ? r.between(2, 9) * 10 : price == 90 ? 80 : price + 10; // the boards side by side differ
            priceBoard(p, QRectF(x, top, 54, 22), top - 7, price, apple);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(50, 40, 35));
            p.drawEllipse(QPointF(x + 27, top - 7), 1.4, 1.4); // the nail its cords hang from
            paintedWriting(QRectF(x - 2, top - 10, 58, 34));
            s.surfaces.glass.emplace_back(x - 2, top - 10, 58, 34); // nothing is hung over a board
        };
        const double b0 = signLeft ? 80 : 40, b1 = signLeft ? 310 : 270;
        board(r.range(b0, b0 + 40), counter1 - 64);
        board(r.range(b1 - 100, b1 - 54), counter1 - 62);
        if (v == 1) // with no awning, the lower stall's own boards are on the wall above it
            board(r.range(60, 110), counter2 - 64), board(r.range(200, 250), counter2 - 66);
    }
    if (v == 1) // and its paprika hangs from the upper counter's board, between the boards
        for (const double x : {30.0, 182.0, 322.0})
            put(s, Paprika, x + r.range(-6, 6), counter1 + 9, 1.0, kPaprikaRed).count = r.between(5, 7);
    // Before them on the floor, a grower's goods laid out on sacking.
    const double sack = foot + 30;
    if (kHeight - 6 - sack >= 24) {
        const double sx = 177 + (v == 1 ? 40 : -40) + r.range(-10, 10);
        rug(s, QRectF(sx - 70, sack, 140, kHeight - 6 - sack), QColor(175, 150, 105), r.seed());
        const double y = std::min(kHeight - 10.0, sack + 26);
        gear(s, Cabbage, sx - 46, y, 1.05, QColor(120, 170, 80));
        gear(s, Cabbage, sx - 24, y + 4, 1.0, QColor(150, 110, 170)); // a red one beside the green
        gear(s, Pumpkin, sx + 6, y + 2, 1.0, QColor(225, 130, 40)).shape = 1;
        gear(s, MilkCan, sx + 42, y + 3, 1.05, QColor(190, 195, 200));
    }
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
    { // the belfry's arched window over it, lit after dark (no shutters or flower box up there)
        Obj& belfry = put(s, Window, churchX, ground - 128, 0.8, QColor(200, 190, 175), QColor(90, 80, 70));
        belfry.shape = 1;
        belfry.variant = d.night ? kWindowLit : 0;
        belfry.deny = Detail | Recolour;
    }
    const int stalls = 2 + v % 2;
    for (int i = 0; i < stalls; ++i) {
        const double x = (i + 0.5) * kWidth / stalls + r.range(-10, 10);
        Obj& h = put(s, House, x, ground + 70, 0.95, QColor(150, 105, 65), QColor(235, 240, 250));
        h.shape = 0;
        for (int k = 0; k < 4; ++k)
            put(s, Heart, x - 30 + k * 20, ground + 30, 1.2, QColor(170, 60, 40)).variant = k % 2; // hung from the eaves
    }
    garland(s, r, ground - 52, 14, many(s, 10), {QColor(255, 210, 90), QColor(255, 120, 90), QColor(140, 200, 255)});
    // Before the stalls, in groups about the trodden way between them: the
    // mulled-wine stand with the snowman by it, the fair's big fir with its
    // presents and a sled on the other side, the sweets sold from crates
    // by it, small firs along the stalls' fronts.
    const double tx = (stalls == 2 ? 0.25 : 0.5) * kWidth + r.range(-12, 12), ty = std::min(kHeight - 20.0, ground + 128);
    const double treeX = tx < kWidth / 2.0 ? r.range(262, 292) : r.range(62, 92), treeY = kHeight - r.range(30, 44);
    const double inward = treeX > kWidth / 2.0 ? -1 : 1; // from the fir towards the middle
    QPointF walkAt; // where a couple walks up the way
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath way; // trodden into grey slush, footprints along it
        const QPointF from((tx + treeX) / 2 + r.range(-10, 10), kHeight + 6), to(kWidth / 2.0 + r.range(-40, 40), ground + 72);
        way.moveTo(from);
        way.cubicTo(from + QPointF(0, -(kHeight - ground) * 0.4), to + QPointF(0, 60), to);
        // Up the way, as clear as it can be of the mulled-wine stand and the big fir.
        const auto clearance = [&](QPointF at) {
            return std::min(std::abs(at.x() - tx) + std::max(0.0, at.y() - ty), std::abs(at.x() - treeX) + std::max(0.0, at.y() - treeY));
        };
        for (double u : {0.15, 0.3, 0.45, 0.6, 0.75})
            if (clearance(way.pointAtPercent(u)) > std::max(80.0, walkAt.isNull() ? 0.0 : clearance(walkAt)))
                walkAt = way.pointAtPercent(u);
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(QColor(170, 175, 190, 60 - k * 15), 34 - k * 10, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(way);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 145, 165, 90));
        for (double u = 0.02; u < 0.98; u += 0.045) {
            const QPointF at = way.pointAtPercent(u);
            const double k = 0.5 + 0.6 * (at.y() - ground) / (kHeight - ground);
            p.drawEllipse(at + QPointF((int(u * 100) % 2 ? 4 : -4) * k, 0), 2.2 * k, 1.3 * k);
        }
    }
    gear(s, Fir, treeX, treeY, 1.15, QColor(40, 90, 70));
    group(s, r, Fir, many(s, 3) - 1, {15, 339, ground + 80, ground + 96}, 0.7, 0.85, {QColor(40, 90, 70)});
    // The mulled-wine stand: a table under a red cloth before a stall, the
    // mugs, a candle and the advent wreath on it, never standing in the snow.
    {
        Obj& table = put(s, Table, tx, ty, 2.4, QColor(150, 105, 65), QColor(190, 40, 45));
        table.variant |= 1;
        table.deny |= Remove | Move | Resize | Tilt | Mirror;
        const double top = ty - 18.5 * 2.4 + 2;
        s.surfaces.stands.emplace_back(tx - 34, top, 68, 0);
        const K onIt[3] = {Cup, AdventWreath, Candle};
        const double at[3] = {-24, 2, 26};
        for (int k = 0; k < 3; ++k) {
            const K kind = onIt[(k + v) % 3];
            Obj& o = put(s, kind, tx + at[k], top, kind == Candle ? 0.7 : 0.8,
                         kind == Cup ? anyOf(r, {QColor(200, 40, 40), QColor(240, 240, 235)}) : kind == Candle ? QColor(240, 230, 200) : QColor(150, 40, 120),
                         kind == AdventWreath ? QColor(240, 235, 225) : QColor());
            o.depthY = ty + 0.01; // drawn just after the table it stands on
            o.deny |= Move | Resize | Tilt;
        }
    }
    const double byTable = tx + inward * 62; // the table's side away from the fir
    group(s, r, Snowman, 1, {byTable - 8, byTable + 8, ty + 14, std::min(kHeight - 10.0, ty + 30)}, 1.3, 1.4, {QColor(40, 40, 45)}, QColor(210, 40, 40));
    group(s, r, Crate, many(s, 2), {treeX - 44, treeX + 44, ground + 92, ground + 118}, 1.1, 1.3, {QColor(150, 110, 70)}, QColor(200, 50, 40));
    group(s, r, Star, many(s, 3), {20, 334, 20, ground - 120}, 0.9, 1.2, {QColor(255, 225, 110)});
    group(s, r, Lantern, many(s, 2), {tx - 50, tx + 50, ty + 4, std::min(kHeight - 10.0, ty + 24)}, 1.1, 1.2, {QColor(60, 55, 50)});
    group(s, r, Dog, 1, {byTable - 30, byTable + 30, std::min(kHeight - 24.0, ty + 30), kHeight - 10}, 1.1, 1.2, {QColor(150, 100, 60)});
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
    // Presents heaped at the foot of the fair's first fir.
    for (const Obj& fir : std::vector<Obj>(s.objs)) {
        if (fir.kind != Fir || !fir.visible)
            continue;
        const QColor wraps[3] = {QColor(200, 40, 40), QColor(40, 110, 70), QColor(40, 80, 160)};
        for (int k = 0; k < 2 + (many(s, 3) > 3); ++k)
            put(s, GiftBox, fir.pos.x() + (k - 1) * 22 * fir.scale, fir.pos.y() + 6 + (k % 2) * 5, 1.0 + 0.1 * (k % 2), wraps[(k + v) % 3],
                QColor(240, 210, 80));
        break;
    }
    gear(s, Sled, treeX + inward * 52, treeY + 4, 1.15, QColor(190, 60, 45), QColor(150, 105, 65), inward < 0);
    if (!walkAt.isNull()) { // A couple in winter coats walks up the way to the stalls.
        Rng walk(std::uint64_t(0xF41E + v));
        strollers(s, walkAt, 1.0 + 0.9 * (walkAt.y() - ground) / (kHeight - ground), walk.chance(0.5),
                  anyOf(walk, {QColor(60, 60, 70), QColor(90, 60, 45)}), anyOf(walk, {QColor(160, 40, 50), QColor(50, 90, 140), QColor(230, 225, 215)}));
    }
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
    const QColor leaf[3] = {QColor(70, 120, 45), QColor(110, 130, 45), QColor(160, 110, 45)};
    skyAndGround(s, r, d, top, nearGround[v], mix(nearGround[v], QColor(200, 190, 120), 0.3), 300);
    const double slope = v == 2 ? -0.12 : 0.12; // the hillside climbs to one side
    // The vineyard on the hill: rows of staked vines, finer further up, and
    // one row close behind the cellars whose bunches hang where one can see them.
    const double frontRow = top + 92;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        // A village on the hill's foot beyond the vines, its church tower first.
        const double villageX = v == 1 ? 230 : 60;
        const QColor wall = mix(QColor(235, 228, 210), d.haze, 0.45), roof = mix(QColor(170, 80, 50), d.haze, 0.45);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 7; ++k) {
            const double hx = villageX + k * 13 + r.range(-2, 2), w = r.range(8, 11), h = r.range(5, 7);
            const double foot = top + 4 + (177 - hx) * slope;
            if (k == 2) { // the tower and its spire
                p.setBrush(wall);
                p.drawRect(QRectF(hx, foot - 22, 5, 22));
                p.setBrush(roof);
                p.drawPolygon(QPolygonF({QPointF(hx - 1, foot - 22), QPointF(hx + 2.5, foot - 32), QPointF(hx + 6, foot - 22)}));
                continue;
            }
            p.setBrush(wall);
            p.drawRect(QRectF(hx, foot - h, w, h));
            p.setBrush(roof);
            p.drawPolygon(QPolygonF({QPointF(hx - 1, foot - h), QPointF(hx + w / 2, foot - h - 4), QPointF(hx + w + 1, foot - h)}));
        }
        std::vector<double> rows;
        for (double y = top + 8; y < top + 72; y += 8 + (y - top) * 0.06)
            rows.push_back(y);
        rows.push_back(frontRow);
        for (double y : rows) {
            const double near = (y - top) / (frontRow - top); // 0 far .. 1 the front row
            const double gap = 5 + 9 * near, height = 3 + 14 * near;
            // The worked soil between the rows shows dark under the leaves.
            p.setPen(QPen(shade(nearGround[v], 0.55), 1.2 + 2.5 * near));
            p.drawLine(QPointF(0, y + 177 * slope + 1), QPointF(kWidth, y - 177 * slope + 1));
            for (double x = r.range(0, gap); x < kWidth; x += gap) {
                const double foot = y + (177 - x) * slope;
                p.setPen(QPen(QColor(90, 70, 45), 0.6 + 0.8 * near));
                p.drawLine(QPointF(x, foot), QPointF(x, foot - height));
                p.setPen(Qt::NoPen);
                p.setBrush(vary(leaf[v], r, 0.15));
                p.drawEllipse(QPointF(x + r.range(-1, 1), foot - height * 0.8), gap * 0.75, height * 0.45);
            }
        }
    }
    s.surfaces.stands.emplace_back(0, frontRow - 12, kWidth, 20); // the front row's wire: a shelf, not a deck
    // Up among the vines: a scarecrow against the starlings, and the pickers'
    // baskets left at a row's end.
    const double crowX = v == 1 ? 70 : 280, crowY = top + 58;
    put(s, Scarecrow, crowX, crowY + (177 - crowX) * slope, 0.62, QColor(70, 90, 140), QColor(150, 110, 60));
    for (int k = 0; k < 2; ++k) {
        const double bx = 354 - crowX + (k ? 14 : -4), by = top + 40 + k * 3;
        Obj& b = put(s, Basket, bx, by + (177 - bx) * slope, 0.62, QColor(190, 150, 90), QColor(160, 120, 60), QColor(110, 50, 110));
        b.variant |= 2;
    }
    // The starlings are not scared: two birds down among the vines near it.
    for (int k = 0; k < 2; ++k) {
        const double bx = crowX + (crowX < 177 ? 34 : -34) + k * 16, by = top + 30 + k * 14;
        put(s, k ? Magpie : Crow, bx, by + (177 - bx) * slope, 0.7 + 0.08 * k, QColor(30, 30, 38)).mirror = crowX > 177;
    }
    const double cartX = crowX < 177 ? 250 : 100; // the picked bunches wait in a barrow at the row's end
    Obj& cart = put(s, Wheelbarrow, cartX, top + 70 + (177 - cartX) * slope, 0.75, QColor(120, 130, 140), QColor(110, 50, 110));
    cart.variant |= 1;
    const int cellars = 3;
    std::vector<QPointF> doors;
    for (int i = 0; i < cellars; ++i) { // whitewashed press houses with their doors
        const double x = 60 + i * 118 + r.range(-8, 8), y = top + 150 - (x - 177) * slope;
        Obj& h = put(s, House, x, y, 0.85, kWhitewash, anyOf(r, {QColor(170, 80, 50), QColor(120, 90, 70)}));
        h.shape = 1;
        Obj& door = put(s, Door, x, y, 1.2, QColor(110, 70, 40));
        door.variant = r.between(0, 3);
        // A house number at house-number size, beside the door's head.
        put(s, NumberPlate, x + 21, y - 28, 1.15, QColor(40, 80, 160)).count = r.between(1, 9);
        doors.emplace_back(x, y);
    }
    // Ripe bunches on the front row of vines, between the cellars' roofs.
    for (int i = 0; i < cellars - 1; ++i) {
        const double x = (doors[std::size_t(i)].x() + doors[std::size_t(i) + 1].x()) / 2 + r.range(-6, 6);
        const double foot = frontRow + (177 - x) * slope;
        put(s, Grapes, x - 9, foot - 2, 0.85, i % 2 ? QColor(170, 190, 80) : QColor(110, 50, 110)).count = r.between(3, 5);
        put(s, Grapes, x + 10, foot + 1, 0.8, i % 2 ? QColor(110, 50, 110) : QColor(170, 190, 80)).count = r.between(2, 4);
    }
    // Before each door what its owner left there, turn by turn with the variant:
    // casks by the cellar, the harvest barrow and its basket, a bench with the cat.
    for (int i = 0; i < cellars; ++i) {
        const double x = doors[std::size_t(i)].x(), y = doors[std::size_t(i)].y();
        const double side = (i + v) % 2 ? 1 : -1;
        switch ((i + v) % 3) {
        case 0:
            put(s, Barrel, x + side * 32, y + 6, 1.0, QColor(140, 95, 55), QColor(60, 60, 65));
            put(s, Barrel, x + side * 52, y + 12, 1.05, QColor(125, 85, 50), QColor(60, 60, 65));
            put(s, Demijohn, x - side * 34, y + 8, 1.0, QColor(180, 140, 85));
            break;
        case 1: {
            Obj& barrow = put(s, Wheelbarrow, x + side * 38, y + 12, 1.2, QColor(120, 130, 140), QColor(110, 50, 110));
            barrow.variant |= 1; // loaded with the picked grapes
            Obj& basket = put(s, Basket, x - side * 32, y + 8, 1.0, QColor(190, 150, 90), QColor(160, 120, 60), QColor(110, 50, 110));
            basket.variant |= 2;
            break;
        }
        default:
            put(s, Bench, x + side * 40, y + 8, 1.0, QColor(130, 90, 55));
            put(s, Cat, x - side * 26, y + 6, 0.9, QColor(220, 150, 80));
            put(s, Bottle, x + side * 33, y - 13, 0.8, QColor(60, 90, 50)); // standing on the bench
            break;
        }
    }
    // Hollyhocks against the whitewash, a clump at two of the cellars.
    for (int i : {v % 3, (v + 2) % 3}) {
        const double x = doors[std::size_t(i)].x() + (i % 2 ? 30 : -30), y = doors[std::size_t(i)].y() - 4;
        for (int f = 0; f < 2; ++f)
            put(s, Flower, x + f * 9 - 4, y + f * 2, 1.0 + 0.1 * f, anyOf(r, {QColor(230, 50, 70), QColor(250, 250, 245), QColor(220, 120, 170)}));
    }
    // The tasting table in front on its trestles, with its bench.
    const double ty = kHeight - 70;
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(95, 65, 40), 4));
        for (double x : {70.0, 284.0}) {
            p.drawLine(QPointF(x - 12, ty + 48), QPointF(x + 12, ty + 20));
            p.drawLine(QPointF(x + 12, ty + 48), QPointF(x - 12, ty + 20));
        }
        planks(p, QRectF(40, ty, 274, 22), QColor(150, 105, 65), 12, false, r.seed());
        p.fillRect(QRectF(40, ty + 22, 274, 3), QColor(60, 40, 30, 120));
    }
    row(s, r, kHeight - 62, 50, 304, {Jug, Glass, Goblet, Bread, Glass, Grapes}, 1.1, 1.3,
        {QColor(200, 60, 40), QColor(120, 40, 60), QColor(220, 200, 120)});
    group(s, r, Bird, many(s, 2), {30, 324, 30, top - 40}, 0.9, 1.1, {QColor(50, 50, 60)}, QColor(120, 120, 130));
    for (Obj& o : s.objs)
        if (o.kind == Bird) // in the sky: flying, never perched on nothing
            o.shape = 1;
    // Between the cellars and the table: a walnut tree at one side with the
    // dog in its shade, the hens and the crows after fallen grapes at the other.
    const double treeSide = v == 1 ? 1 : -1, shadeX = 177 + treeSide * 130, yardX = 177 - treeSide * 95;
    const double yardY = (top + 150 + ty) / 2 + 12;
    put(s, Tree, shadeX, yardY + 4, 0.95, QColor(70, 120, 50), QColor(95, 70, 45));
    put(s, Dog, shadeX - treeSide * 38, yardY + 10, 1.15, QColor(150, 110, 70));
    put(s, Chicken, yardX - 16, yardY - 2, 1.0, QColor(240, 235, 225));
    put(s, Chicken, yardX + 14, yardY + 6, 1.05, QColor(170, 100, 50));
    put(s, Crow, yardX + 48 * treeSide * -1 + 10, yardY - 10, 1.0, QColor(30, 30, 38));
    Obj& picked = put(s, Basket, yardX - 48 * treeSide * -1, yardY + 4, 1.0, QColor(190, 150, 90), QColor(160, 120, 60),
                      QColor(170, 190, 80));
    picked.variant |= 2;
    spares(s, r, Barrel, 1, {30, 324, top + 170, kHeight - 95}, 1.0, 1.1, {QColor(140, 95, 55)}, QColor(60, 60, 65));
    spares(s, r, Lantern, 1, {30, 324, top + 170, kHeight - 95}, 1.0, 1.0, {QColor(70, 70, 75)});
}

void buildPaprikaPorch(Scene& s, Rng& r, int v)
{
    v %= 3;
    s.finish.tint = v == 2 ? QColor(255, 235, 210) : QColor(255, 250, 240);
    // A porch floor deep enough to sit on: the wall no taller than it needs.
    const double floorY = 300 + v * 18 + r.range(-8, 8), beam = 70 + r.range(0, 20);
    s.surfaces = Surfaces::at(floorY, true, false);
    s.surfaces.ceiling = beam;
    std::vector<QPointF> sills; // where each window's sill is, for a geranium
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
            sills.emplace_back(cx, pane.bottom() + 4);
            s.surfaces.glass.push_back(QRectF(pane.left() - 22, top - 4, 80, 62)); // nor over a window and its shutters
        }
    }
    noiseTexture(s.base, QRect(0, 0, kWidth, kHeight), 12, 6, r.seed());
    for (int i = 0; i < many(s, 7); ++i) {
        Obj& pap = put(s, Paprika, 25 + i * (304.0 / many(s, 7)) + r.range(-5, 5), beam, 1.3, vary(kPaprikaRed, r, 0.08));
        pap.count = r.between(5, 8);
    }
    // A geranium in its pot on each window's sill (three windows at most).
    for (const QPointF& sill : sills) {
        s.surfaces.stands.emplace_back(sill.x() - 26, sill.y(), 52, 0);
        // A geranium growing out of its pot: set on the pot's rim, drawn just
        // after it, and staying with it.
        Obj& pot = put(s, Pot, sill.x() + r.range(-8, 8), sill.y(), 0.7, QColor(190, 100, 60));
        pot.deny |= Remove | Move | Resize | Tilt | Mirror;
        Obj& flower = put(s, Flower, pot.pos.x(), sill.y() - 22 * 0.7, 0.75, anyOf(r, {QColor(215, 35, 45), QColor(235, 90, 120)}));
        flower.count = 6;
        flower.depthY = sill.y() + 0.01;
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
    // The cat dozes on the bench under the free window, or by the door when
    // the door and the long bench take the whole wall.
    Rng look(0xA9A0 + std::uint32_t(v) + std::uint32_t(floorY));
    // Each no bigger than a click square, so taking it away is a fair find.
    auto small = [&s](K kind, double x, double y, double scale, QColor c1, QColor c2 = QColor()) -> Obj& {
        return gear(s, kind, x, y, smallScale(kind, scale), c1, c2);
    };
    const int freeBay = benchRight ? doorBay - 1 : doorBay + 1;
    const QColor catCoat = anyOf(look, {QColor(60, 60, 65), QColor(215, 145, 75)});
    if (freeBay >= 0 && freeBay < 3 + v % 2) {
        const double seatX = (freeBay + 0.5) * bay, seatY = floorY + 6;
        Obj& seat = put(s, Bench, seatX, seatY, 2.2, anyOf(look, {QColor(90, 120, 70), QColor(140, 95, 60)}));
        Obj& cat = small(Cat, seatX + look.range(-12, 12), seatY - 11.5 * 2.2, 0.9, catCoat);
        cat.mirror = look.chance(0.5);
        setOn(cat, seat);
    } else {
        small(Cat, (doorBay + 0.5) * bay - 20, floorY + 18, 1.0, catCoat); // on the doorstep
    }
    // The hen yard's corner in front, away from the table: the hens, the
    // goose, the ducklings at the bucket of feed.
    const double yardX = corner < kWidth / 2.0 ? 282 : 72, toward = corner < kWidth / 2.0 ? -1 : 1;
    small(Goose, yardX - toward * 20, kHeight - 16, 1.3, QColor(245, 245, 240)).mirror = toward > 0;
    small(Chicken, yardX + toward * 22, kHeight - 62, 1.15, QColor(250, 250, 245), QColor(200, 40, 40)).mirror = toward < 0;
    small(Chicken, yardX + toward * 52, kHeight - 30, 1.25, QColor(170, 100, 50), QColor(200, 40, 40)).mirror = toward > 0;
    small(Bucket, yardX - toward * 24, kHeight - 60, 1.0, QColor(150, 155, 160));
    small(Duckling, yardX + toward * 8, kHeight - 38, 1.05, QColor(240, 205, 60));
    small(Duckling, yardX - toward * 44, kHeight - 34, 1.0, QColor(235, 195, 55)).mirror = true;
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
    // A gingerbread heart from the fair on its ribbon, rather than a second picture.
    put(s, Heart, v == 2 ? 56 : 236, v == 2 ? 112 : 128, 1.5, QColor(170, 70, 40)).variant = 1;
    put(s, Paprika, windowX[v] + (v == 2 ? -18 : 100), 30, 1.1, kPaprikaRed);
    put(s, Salami, v == 2 ? 140 : 330, v == 2 ? 92 : 34, 1.3, QColor(150, 60, 50));
    // The top, laid as a feast is: the places along the far and the near
    // side (a plate and its glass), the dishes between them.
    const std::vector<QColor> china{stitch, QColor(60, 110, 180), QColor(200, 150, 60), QColor(150, 30, 50)};
    const double left = std::max(8.0, t.x0 + 20), right = std::min(346.0, t.x1 - 20), span = right - left;
    const int farPlaces = v == 1 ? 3 : 4;
    // Each guest drinks from what the house has: a glass, a goblet, a cup, a mug.
    const K drinks[4] = {Glass, Goblet, Cup, BeerMug};
    for (int i = 0; i < farPlaces; ++i) {
        setOut(s, r, left + (i + 0.5) * span / farPlaces + r.range(-5, 5), tableRow(t, 0, 3), {Plate, drinks[(i + v) % 4]},
               rowScale(0, 3, 1.4), {china[std::size_t(i) % china.size()], i % 2 ? QColor(240, 236, 225) : QColor(150, 30, 50)});
    }
    const std::vector<std::vector<K>> centres{{Bread, Tureen, Cake}, {Cake, Tureen, Bowl}, {Cheese, Tureen, Bread}};
    setOut(s, r, left + span * (v == 1 ? 0.45 : 0.5) + r.range(-10, 10), tableRow(t, 1, 3), centres[std::size_t(v)], rowScale(1, 3, 1.4),
           {QColor(220, 170, 110), QColor(245, 242, 235), QColor(200, 40, 40), QColor(240, 200, 60)});
    setOut(s, r, left + span * 0.1 + 12, tableRow(t, 1, 3), {v == 2 ? Vase : Bottle, Grapes}, rowScale(1, 3, 1.4),
           {v == 2 ? QColor(240, 236, 225) : QColor(60, 90, 50), QColor(110, 50, 110)});
    const std::size_t sideDishes = s.objs.size();
    setOut(s, r, right - span * 0.1 - 12, tableRow(t, 1, 3), {Candle, v == 0 ? Pretzel : v == 1 ? Cheese : Cake}, rowScale(1, 3, 1.4),
           {QColor(240, 230, 200), QColor(170, 100, 45)});
    hideOne(s, r, sideDishes);
    const int nearPlaces = 3;
    for (int i = 0; i < nearPlaces; ++i) {
        const std::size_t first = s.objs.size();
        setOut(s, r, left + (i + 0.5) * span / nearPlaces + r.range(-5, 5), tableRow(t, 2, 3),
               i == 1 ? std::vector<K>{Goblet, Plate, Jug} : std::vector<K>{i ? Bottle : Glass, Plate}, rowScale(2, 3, 1.4),
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
