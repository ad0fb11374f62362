// Scenes of the countryside: farmyard, garden, winter forest, desert, lake.
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/compose.h"

#include <QPainterPath>

namespace levelgen {

namespace {
// A garden shed of boards under a tarred roof, its door ajar, a rake
// leaning by it; `foot` the middle of its front's foot, `k` 1: 50 px wide.
void gardenShed(Scene& s, QPointF foot, double k, const QColor& wood, bool rakeLeft)
{
    const double w = 50 * k, h = 40 * k, roof = 18 * k;
    s.surfaces.pieces.push_back(QRectF(foot.x() - w / 2 - 4 * k, foot.y() - h - roof, w + 8 * k, h + roof));
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(foot.x() - w * 0.6, foot.y() - 3 * k, w * 1.2, 7 * k));
    const QRectF front(foot.x() - w / 2, foot.y() - h, w, h);
    p.setBrush(litGradient(front, wood, 0.25));
    p.drawRect(front);
    p.setPen(QPen(shade(wood, 0.65), 0.9));
    for (double x = front.left() + 6 * k; x < front.right(); x += 6 * k) // its boards
        p.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
    QPolygonF gable;
    gable << QPointF(front.left() - 4 * k, front.top() + 1) << QPointF(foot.x(), front.top() - roof) << QPointF(front.right() + 4 * k, front.top() + 1);
    p.setPen(QPen(QColor(40, 38, 40), 1));
    p.setBrush(QColor(70, 65, 68));
    p.drawPolygon(gable);
    // The door ajar, dark within, and a small window beside it.
    const QRectF door(foot.x() - 16 * k, foot.y() - 30 * k, 13 * k, 30 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 28, 22));
    p.drawRect(door);
    p.setBrush(shade(wood, 0.85));
    p.drawPolygon(QPolygonF{door.topLeft(), door.topLeft() + QPointF(-5 * k, 2 * k), door.bottomLeft() + QPointF(-5 * k, -1 * k), door.bottomLeft()});
    const QRectF pane(foot.x() + 6 * k, foot.y() - 30 * k, 12 * k, 10 * k);
    p.setBrush(QColor(150, 185, 205));
    p.setPen(QPen(QColor(245, 240, 230), 1.4 * k));
    p.drawRect(pane);
    p.drawLine(QPointF(pane.center().x(), pane.top()), QPointF(pane.center().x(), pane.bottom()));
    // The rake leaning on its side wall, teeth up.
    const double rx = rakeLeft ? front.left() - 2 * k : front.right() + 2 * k, lean = rakeLeft ? -6 * k : 6 * k;
    p.setPen(QPen(QColor(140, 100, 60), 1.8 * k, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(rx + lean, foot.y()), QPointF(rx, foot.y() - 42 * k));
    p.setPen(QPen(QColor(110, 110, 115), 1.6 * k, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(rx - 6 * k, foot.y() - 42 * k), QPointF(rx + 6 * k, foot.y() - 42 * k));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(rx + i * 3 * k, foot.y() - 42 * k), QPointF(rx + i * 3 * k, foot.y() - 46 * k));
}

void meadow(Scene& s, Rng& r, const Daylight& d, double ground, const QColor& grass)
{
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, ground);
        hills(p, ground - 70, 60, 110, d.haze, mix(d.haze, grass, 0.4), r.seed());
        hills(p, ground - 20, 40, 70, shade(grass, 1.1), shade(grass, 0.9), r.seed());
        verticalGradient(p, QRectF(0, ground, kWidth, kHeight - ground), {{0, shade(grass, 1.05)}, {1, shade(grass, 0.75)}});
    }
    noiseTexture(s.base, QRect(0, int(ground) - 40, kWidth, kHeight), 9, 14, r.seed());
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    grassTufts(p, QRectF(0, ground, kWidth, kHeight - ground), grass, 500, r.seed());
}

QColor flowerColour(Rng& r)
{
    return anyOf(r, {QColor(230, 50, 70), QColor(250, 200, 40), QColor(150, 80, 200), QColor(250, 250, 245), QColor(250, 130, 40), QColor(80, 120, 230)});
}

void flowers(Scene& s, Rng& r, int n, double top, double bottom)
{
    for (int i = 0; i < n; ++i) {
        Obj& f = scatter(s, r, Flower, {15, 339, top, bottom}, r.range(1.0, 1.4), flowerColour(r));
        f.groundMove = true;
    }
}
} // namespace

void buildFarm(Scene& s, Rng& r, int v)
{
    const Daylight d = daylight(v + 2, r);
    s.finish.tint = d.tint;
    // Each composition its own view of the yard: the barn near the middle at
    // the back with a big tree near the eye to one side, the barn far off
    // in the middle seen from the hill, or big under a wide sky.
    const int view = v % 3;
    const double ground = view == 1 ? r.range(195, 210) : view == 2 ? r.range(300, 315) : r.range(232, 248);
    meadow(s, r, d, ground, QColor(120, 165, 70));
    scatter(s, r, Cloud, {40, 314, 40, std::min(120.0, ground - 90)}, 1.0, QColor(252, 252, 252));
    scatter(s, r, Cloud, {40, 314, 40, std::min(120.0, ground - 90)}, 0.8, QColor(252, 252, 252));
    const bool barnLeft = r.chance(0.5);
    const double bx = view == 1 ? kWidth / 2.0 + r.range(-10, 10) : view == 0 ? (barnLeft ? 130 : 224) + r.range(-8, 8) : barnLeft ? 78 : 276; // big, yet whole inside the picture
    house(s, r, bx, ground + 10, view == 1 ? 1.0 : view == 2 ? 1.6 : 1.2, QColor(170, 50, 40), QColor(80, 70, 70), false);
    if (view == 1) // a tree either side of the far barn
        for (const double tx : {70.0, 284.0})
            put(s, Tree, tx + r.range(-10, 10), ground + 6, 0.9, QColor(80, 140, 60), QColor(210, 40, 40)).count = 3;
    else
        put(s, Tree, barnLeft ? (view == 2 ? 270 : 285) : (view == 2 ? 80 : 65), ground + (view == 2 ? 8 : 95), view == 2 ? 1.35 : 1.7,
            QColor(80, 140, 60), QColor(210, 40, 40)).count = 4;
    Obj& fence = put(s, Fence, barnLeft ? 240 : 110, ground + 40, 1.3, QColor(235, 230, 220));
    fence.count = 6;
    put(s, Fence, barnLeft ? 320 : 30, ground + 40, 1.3, QColor(235, 230, 220)).count = 5;
    // The yard before the barn in groups: the hens about their house on the
    // barn's side, the dairy corner at its door (churn, milk can, bucket),
    // the pigs at their trough on the other side, the hay with the pumpkins
    // and the cat near the eye; the horse, the donkey, the calf and the sheep
    // at pasture behind the fence.
    const double deep = kHeight - ground, toward = bx < kWidth / 2.0 ? 1 : -1; // from the barn to the open side
    const double yardY = ground + deep * 0.42, nearY = ground + deep * 0.8;
    const auto k = [&](double y) { return 0.95 + 0.5 * (y - ground) / deep; };
    {
        const double hx = std::clamp(bx + toward * 70, 40.0, 314.0), hy = yardY;
        henHouse(s, {hx, hy}, k(hy) * 0.9, QColor(150, 100, 60), QColor(120, 60, 45), toward > 0);
        gear(s, Chicken, hx + toward * 38, hy + 6, 1.1 * k(hy), QColor(250, 250, 245), QColor(200, 40, 40), toward < 0);
        gear(s, Chicken, hx + toward * 2, hy + 22, 1.15 * k(hy), QColor(170, 100, 50), QColor(200, 40, 40), toward > 0);
        gear(s, Chicken, hx + toward * 40, hy + 38, 1.2 * k(hy), QColor(120, 80, 50), QColor(200, 40, 40), toward < 0);
        spares(s, r, Sparrow, 1, {hx - 10, hx + 10, hy + 28, hy + 34}, 1.1, 1.2, {QColor(130, 95, 60)});
    }
    {
        const double dx = bx - toward * 20, dy = ground + 22;
        gear(s, Churn, dx, dy, 1.0, QColor(170, 120, 75));
        gear(s, MilkCan, dx - toward * 22, dy + 4, 1.0, QColor(190, 195, 200), QColor(90, 95, 100));
        gear(s, Bucket, dx + toward * 20, dy + 6, 0.9, QColor(150, 155, 160), QColor(90, 95, 100));
    }
    {
        const double px = std::clamp(bx + toward * 200, 76.0, 278.0), py = ground + deep * 0.6;
        trough(s, {px, py - 8}, 44, QColor(120, 90, 60));
        gear(s, Pig, px - 30, py + 4, 1.15 * k(py), QColor(240, 170, 170), QColor(), false);
        gear(s, Pig, px + 30, py + 14, 1.2 * k(py), QColor(225, 150, 150), QColor(), true);
        spares(s, r, Pig, 1, {px - 4, px + 4, py + 20, py + 26}, 1.0, 1.05, {QColor(245, 190, 185)});
    }
    {
        const double hx = std::clamp(bx + toward * 40, 50.0, 304.0), hy = nearY;
        const std::size_t hayAt = s.objs.size();
        gear(s, Haybale, hx, hy, 1.2 * k(hy), QColor(220, 190, 100));
        // The farm cat asleep on top of it (both placed: neither is copied about).
        gear(s, Cat, hx - toward * 6, hy - 19 * 1.2 * k(hy), 1.0 * k(hy), QColor(215, 150, 80), QColor(), toward > 0);
        setOn(s.objs.back(), s.objs[hayAt]);
        gear(s, Pumpkin, hx + toward * 66, hy + 8, 0.8 * k(hy), QColor(235, 130, 30));
        gear(s, Pumpkin, hx + toward * 96, hy - 4, 0.72 * k(hy), QColor(240, 190, 60));
        gear(s, Dog, hx - toward * 62, hy + 8, 1.2 * k(hy), QColor(150, 100, 60), QColor(), toward > 0);
        gear(s, Wheelbarrow, hx - toward * 104, hy - 2, 1.3 * k(hy), QColor(120, 130, 140), QColor(210, 180, 100), toward < 0);
        spares(s, r, Cat, 1, {hx + toward * 20, hx + toward * 30, hy + 14, hy + 20}, 1.1, 1.2, {QColor(60, 60, 65)});
    }
    {
        const double py = ground + 18;
        const double px = barnLeft ? 250 : 104;
        gear(s, Horse, px - 34, py, 0.8, QColor(120, 75, 45), QColor(40, 30, 25), false);
        gear(s, Donkey, px + 2, py + 3, 0.8, QColor(140, 130, 125), QColor(), true);
        gear(s, Calf, px + 34, py + 5, 0.85, QColor(165, 105, 65), QColor(), false);
        gear(s, Sheep, px + 62, py + 2, 0.85, QColor(240, 236, 225), QColor(), true);
        gear(s, FencePost, px - 58, py + 10, 1.1, QColor(130, 95, 60)); // the pasture's gate posts
        gear(s, FencePost, px - 70, py + 12, 1.1, QColor(120, 88, 56));
    }
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Bird, {20, 334, 30, ground - 90}, 1.0, QColor(50, 50, 60), QColor(120, 120, 130)).shape = 1;
    flowers(s, r, 4, ground + 40, kHeight - 10);
    group(s, r, Mailbox, 1, {30, 324, ground + 20, ground + 40}, 1.3, 1.4, {QColor(60, 110, 70), QColor(200, 40, 40)});
    spares(s, r, Goose, 1, {40, 314, nearY - 10, nearY}, 1.1, 1.2, {QColor(250, 250, 245)});
    scatterSpare(s, r, Butterfly, {30, 324, ground + 10, ground + 120}, 1.1, QColor(90, 150, 240), QColor(30, 30, 60));
}

void buildGarden(Scene& s, Rng& r, int v)
{
    const Daylight d = daylight(v + 3, r);
    s.finish.tint = d.tint;
    const double ground = r.range(170, 210) + (v % 3 == 2 ? 70 : 0); // the third from higher up
    meadow(s, r, d, ground, QColor(95, 160, 70));
    const double x0 = r.range(120, 230);
    const auto pathAt = [&](double t) { return QPointF(x0 + std::sin(t * 4 + v) * 40, ground + 20 + t * t * (kHeight - ground)); };
    // The wider side of the path holds the vegetable patch, the other the
    // bench under the tree; flower beds line the path near and far.
    const double side = x0 < 177 ? 1 : -1;
    const double patchTop = pathAt(0.55).y(), patchBottom = std::min(kHeight - 24.0, patchTop + 70);
    const double patchIn = std::max(pathAt(0.6).x(), pathAt(0.8).x()) * (side > 0 ? 1 : 0) + std::min(pathAt(0.6).x(), pathAt(0.8).x()) * (side > 0 ? 0 : 1);
    const QRectF patch = side > 0 ? QRectF(patchIn + 30, patchTop, kWidth - 14 - patchIn - 30, patchBottom - patchTop)
                                  : QRectF(14, patchTop, patchIn - 30 - 14, patchBottom - patchTop);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        // Beds of turned earth: the vegetable patch in rows, two flower beds by the path.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 80, 55));
        p.drawRoundedRect(patch, 6, 6);
        p.setPen(QPen(QColor(85, 60, 40), 2));
        for (double y = patch.top() + 10; y < patch.bottom() - 4; y += 16)
            p.drawLine(QPointF(patch.left() + 6, y), QPointF(patch.right() - 6, y));
        p.setPen(Qt::NoPen);
        for (const double t : {0.3, 0.92}) {
            const QPointF c = pathAt(t);
            const double w = 40 + 50 * t;
            p.setBrush(QColor(120, 85, 60));
            p.drawEllipse(QRectF(c.x() - side * (w / 2 + 26 * (0.5 + t)) - w / 2, c.y() - 8 * (0.5 + t), w, 16 * (0.5 + t)));
        }
        QPainterPath path; // a winding path of stepping stones
        for (int i = 0; i < 12; ++i) {
            const double t = i / 11.0;
            const QPointF c = pathAt(t);
            const double w = 10 + 22 * t;
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(Qt::black, 50));
            p.drawEllipse(QRectF(c.x() - w / 2 + 1, c.y() - w / 5 + 1.5, w, w / 2.5));
            p.setBrush(litGradient(QRectF(c.x() - w / 2, c.y() - w / 5, w, w / 2.5), QColor(190, 180, 165)));
            p.drawEllipse(QRectF(c.x() - w / 2, c.y() - w / 5, w, w / 2.5));
        }
    }
    for (int i = 0; i < 4; ++i)
        put(s, Bush, 20 + i * 105 + r.range(-10, 10), ground + 6, 1.3, QColor(60, 120, 50), flowerColour(r));
    put(s, Fence, r.range(60, 290), ground + 12, 1.2, QColor(245, 245, 240)).count = 7;
    // Sunflowers in the gaps between the bushes, the mailbox by the gate.
    for (const double x : {72.0, 282.0})
        put(s, Sunflower, x + r.range(-2, 2), ground + 14, r.range(0.95, 1.05), QColor(250, 200, 30));
    gear(s, Mailbox, pathAt(0).x() - side * 26, ground + 24, 1.2, QColor(40, 80, 160));
    // The bench corner: the tree, the bench in its shade, the bird bath and feeder.
    const double treeX = side > 0 ? 58 : 296, treeY = ground + 40 + (v % 3) * 8;
    put(s, Tree, treeX, treeY, 1.3, QColor(70, 140, 60), QColor(250, 200, 40)).count = 5;
    gear(s, Bench, treeX + side * 34, treeY + 24, 2.0, QColor(120, 85, 55));
    gear(s, Birdbath, treeX + side * 12, treeY + 64, 1.8, QColor(190, 185, 175));
    gear(s, BirdFeeder, treeX - side * 20, treeY + 44, 1.15, QColor(150, 105, 65), QColor(60, 110, 70));
    gear(s, Cat, treeX + side * 46, treeY + 44, 1.0, QColor(240, 240, 235), QColor(), side < 0);
    gear(s, Blackbird, treeX + side * 34, treeY + 70, 1.15, QColor(35, 35, 40), QColor(), side > 0);
    // The vegetable patch with its cabbages, and the gardener's tools at its edge.
    // The patch in rows of one crop each: the cabbages along the back row,
    // then rows of carrot tops and young lettuce, a spade left in the earth.
    { // The washing out on its line, between the gnome by the path and the shed.
        const double gnomeX = pathAt(0.45).x() + side * 30, shedX = side > 0 ? patch.right() - 34 : patch.left() + 34;
        const double x0 = std::min(gnomeX + side * 26, shedX - side * 40), x1 = std::max(gnomeX + side * 26, shedX - side * 40);
        const double foot = patch.top() - 22, height = 40;
        if (x1 - x0 > 50) {
            s.surfaces.pieces.push_back(QRectF(x0 - 3, foot - height, x1 - x0 + 6, height));
            washingLine(s, x0, x1, foot, height, {QColor(245, 245, 240), QColor(120, 160, 210), QColor(220, 80, 70)});
        }
    }
    // The shed behind the patch, at its outer end.
    gardenShed(s, {side > 0 ? patch.right() - 34 : patch.left() + 34, patch.top() - 6}, 1.0, QColor(150, 110, 75), side > 0);
    // Only one of the cabbages changes: three looking in turn would be the same find thrice.
    for (int i = 0; i < 3; ++i)
        put(s, Cabbage, patch.left() + patch.width() * (0.2 + 0.3 * i), patch.top() + 22, 0.8 + 0.08 * i, QColor(120, 170, 80)).deny = i == 1 ? 0u : ~0u;
    for (int i = 0; i < 3; ++i) // the draws the tulips here once took, so the rest of the garden keeps its place
        r.next();
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        Rng sprout(0x6A8D + std::uint64_t(v));
        int rowNo = 0;
        for (double y = patch.top() + 40; y < patch.bottom() - 6; y += 16, ++rowNo) {
            const bool carrots = rowNo % 2 == 0;
            for (double x = patch.left() + 12; x < patch.right() - 10; x += carrots ? 9 : 14) {
                if (carrots) { // feathery tops
                    p.setPen(QPen(QColor(90, 160, 60), 1.1, Qt::SolidLine, Qt::RoundCap));
                    for (int k = -1; k <= 1; ++k)
                        p.drawLine(QPointF(x, y), QPointF(x + k * 3 + sprout.range(-0.8, 0.8), y - 6 - sprout.range(0, 2)));
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(235, 120, 40));
                    p.drawEllipse(QPointF(x, y + 0.5), 1.5, 1);
                } else { // lettuce heads
                    p.setPen(QPen(QColor(80, 140, 50), 0.6));
                    p.setBrush(litGradient(QRectF(x - 5, y - 7, 10, 8), QColor(150, 200, 90), 0.35));
                    p.drawEllipse(QRectF(x - 5, y - 6.5, 10, 7.5));
                }
            }
        }
        // The spade stuck in the earth at the patch's near corner.
        const QPointF sp(side > 0 ? patch.right() - 14 : patch.left() + 14, patch.bottom() - 4);
        p.setPen(QPen(QColor(130, 95, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(sp, sp + QPointF(side * 4, -34));
        p.drawLine(sp + QPointF(side * 4 - 4, -34), sp + QPointF(side * 4 + 4, -34));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 155, 160));
        p.drawRoundedRect(QRectF(sp.x() - 5, sp.y() - 4, 10, 8), 1.5, 1.5);
    }
    const double toolsX = patch.center().x(), toolsY = patch.bottom() + 18;
    gear(s, Stump, toolsX, toolsY, 1.1, QColor(120, 85, 55)); // the gardener's seat, his tools by it
    gear(s, WateringCan, toolsX - 32, toolsY + 4, 1.1, QColor(60, 140, 90), QColor(), side < 0);
    gear(s, Wheelbarrow, toolsX + 36, toolsY + 2, 1.5, QColor(170, 60, 40), QColor(110, 80, 55), side > 0);
    gear(s, Rabbit, patch.right() - (side > 0 ? 14 : patch.width() - 14), patch.top() + 8, 1.15, QColor(170, 140, 110), QColor(), side > 0);
    gear(s, Gnome, pathAt(0.45).x() + side * 30, pathAt(0.45).y() + 4, 1.4, QColor(210, 40, 40), QColor(50, 90, 170));
    // The flower beds by the path.
    for (const double t : {0.3, 0.92}) {
        const QPointF c = pathAt(t);
        const double w = 40 + 50 * t, k = 0.9 + 0.5 * t;
        const double cx = c.x() - side * (w / 2 + 26 * (0.5 + t));
        const QColor cols[] = {QColor(220, 40, 50), QColor(245, 200, 40), QColor(150, 80, 200), QColor(230, 120, 170)};
        // One kind to a bed: tulips in the far one, daisies in the near.
        for (int i = 0; i < 3; ++i) {
            if (t < 0.5)
                put(s, Tulip, cx + (i - 1) * 16 * k, c.y() + (i % 2 ? 4 : -3) * k, 1.1 * k, cols[(i + v) % 4]);
            else
                put(s, Flower, cx + (i - 1) * 21 * k, c.y() + (i % 2 ? 4 : -3) * k, 0.95 * k, cols[(i + 1 + v) % 4]).count = 5 + i;
        }
    }
    gear(s, Snail, pathAt(0.75).x() - side * 20, pathAt(0.75).y() + 6, 1.3, QColor(200, 150, 80), QColor(), side < 0);
    gear(s, Hedgehog, treeX + side * 70, treeY + 90, 1.1, QColor(110, 85, 60), QColor(), side > 0);
    for (int i = 0; i < 2; ++i) // one of them open to a difference, so the level does not turn on butterflies
        scatter(s, r, Butterfly, {20, 334, ground - 40, ground + 60}, 1.3, flowerColour(r), QColor(40, 30, 30)).deny = i ? ~0u : 0u;
    scatter(s, r, Bird, {40, 314, 30, ground - 60}, 1.0, QColor(60, 60, 70), QColor(140, 140, 150)).shape = 1;
    spares(s, r, Snail, 1, {patch.left() + 10, patch.right() - 10, patch.top() + 30, patch.top() + 40}, 1.2, 1.3, {QColor(150, 110, 70)});
    spares(s, r, Cabbage, 1, {patch.left() + 20, patch.right() - 20, patch.bottom() - 22, patch.bottom() - 16}, 0.85, 0.9, {QColor(140, 180, 90)});
    spares(s, r, Magpie, 1, {treeX - 30, treeX + 30, treeY + 70, treeY + 90}, 1.1, 1.2, {QColor(245, 245, 245)});
    spares(s, r, Butterfly, 1, {30, 324, ground, kHeight - 60}, 1.2, 1.3, {QColor(250, 250, 245)}, QColor(40, 30, 30));
    spares(s, r, Ball, 1, {treeX + side * 44, treeX + side * 54, treeY + 56, treeY + 62}, 1.1, 1.2, {QColor(240, 200, 40)}, QColor(220, 60, 60));
}

void buildWinter(Scene& s, Rng& r, int v)
{
    v %= 3;
    Daylight d = daylight(v == 2 ? 1 : v % 2 ? 3 : 0, r);
    s.finish.tint = mix(d.tint, QColor(235, 242, 255), 0.5);
    const double ground = r.range(230, 260) - (v == 2 ? 70 : 0);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, ground);
        hills(p, ground - 60, 70, 100, QColor(200, 210, 235), QColor(220, 228, 245), r.seed());
        hills(p, ground - 10, 30, 60, QColor(235, 240, 250), QColor(215, 225, 242), r.seed());
        verticalGradient(p, QRectF(0, ground, kWidth, kHeight - ground), {{0, QColor(240, 244, 252)}, {1, QColor(200, 212, 235)}});
    }
    noiseTexture(s.base, QRect(0, int(ground) - 60, kWidth, kHeight), 10, 8, r.seed());
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        Rng flakes(r.seed());
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 160; ++i) {
            p.setBrush(QColor(255, 255, 255, 120 + int(flakes.next() % 120)));
            const double rad = flakes.range(0.5, 1.6);
            p.drawEllipse(QPointF(flakes.range(0, kWidth), flakes.range(0, kHeight)), rad, rad);
        }
    }
    for (int i = 0; i < 7; ++i)
        put(s, Fir, r.range(10, 344), ground - 5 + i % 3 * 6, r.range(0.6, 0.8), QColor(40, 90, 70)).variant = 1;
    // The wood in its places rather than strewn over the snow: a cabin at
    // one side with its woodpile, sled and snowman, the bird feeder before
    // it with the robins; across the clearing the forest's edge with the
    // deer at it, the wolf watching from further back; a fox at a stump in
    // front, its tracks coming out of the trees, a hare by the stones at
    // the other side. Further back is higher and smaller.
    const bool cabinLeft = v != 1;
    const double cabinX = cabinLeft ? r.range(78, 96) : r.range(258, 276), edgeX = 354 - cabinX;
    const double toward = cabinLeft ? 1 : -1; // from the cabin towards the clearing
    const double deep = kHeight - ground;
    auto near = [&](double y) { return 0.75 + 0.55 * (y - ground) / deep; };
    house(s, r, cabinX, ground + 40, 1.0, QColor(130, 90, 60), QColor(235, 240, 250), v % 2 == 1);
    woodpile(s, QPointF(cabinX - toward * 64, ground + 42), 0.9, true);
    put(s, Lamp, cabinX + toward * 44, ground + 44, 0.9, QColor(40, 45, 50)).variant = 1;
    gear(s, Fence, cabinX + toward * 20, ground + 74, 1.0, QColor(130, 100, 70)).count = 5;
    // The children's corner before the cabin: the snowman, a sled by him.
    const double yardY = ground + deep * 0.42;
    Obj& sm = gear(s, Snowman, cabinX - toward * 34, yardY, 1.3 * near(yardY), QColor(40, 40, 45), QColor(210, 40, 40));
    sm.variant = 3;
    sm.count = 3;
    gear(s, Sled, cabinX - toward * 2, yardY + 6, 1.1 * near(yardY), QColor(190, 60, 45), QColor(150, 105, 65), cabinLeft).variant = 1;
    // The feeder at the end of the fence, the robins under it.
    const double feedX = cabinX + toward * 64, feedY = ground + 96;
    gear(s, BirdFeeder, feedX, feedY, 1.2 * near(feedY), QColor(150, 105, 65), QColor(180, 50, 40)).variant = 1;
    gear(s, Robin, feedX - 22, feedY + 6, 1.2, QColor(125, 95, 65), QColor(), true);
    gear(s, Sparrow, feedX + 24, feedY + 10, 1.2, QColor(140, 105, 70));
    // The forest's edge: firs in a clump, the deer before them; in the
    // evening we stand at the wood ourselves, the firs near and tall, the
    // wolf in the far wood, the crows out in the clearing.
    const bool nearWood = v == 1;
    const double woodY = ground + deep * (nearWood ? 0.5 : 0.22);
    for (int i = 0; i < 4; ++i) {
        const double y = woodY + (i % 2) * 14 + i * 4;
        put(s, Fir, edgeX + toward * (i - 1.5) * 26 + r.range(-5, 5), y, r.range(0.85, 1.0) * near(y), QColor(35, 85, 60)).variant = r.between(0, 3);
    }
    const double deerY = woodY + 40;
    gear(s, Deer, edgeX + toward * 10, deerY, 1.05 * near(deerY), QColor(150, 100, 60), QColor(), cabinLeft);
    gear(s, Deer, edgeX - toward * 26, deerY + 8, 0.95 * near(deerY), QColor(175, 125, 80), QColor(), !cabinLeft);
    if (!nearWood) // the keeper's hay put out for them, before the wood
        gear(s, Haybale, edgeX, deerY + 50, 0.8 * near(deerY + 50), QColor(215, 180, 90));
    // The wolf keeps to the far wood, watching.
    const double wolfY = nearWood ? ground + 16 : woodY - 4;
    gear(s, Wolf, nearWood ? edgeX + toward * 20 : edgeX - toward * 92, wolfY, 0.8 * near(wolfY), QColor(120, 120, 125), QColor(), !cabinLeft);
    gear(s, Boar, edgeX - toward * 58, woodY + 22, 0.85 * near(woodY), QColor(85, 65, 50), QColor(), cabinLeft);
    // The near ground: the fox at its stump on the forest's side, the hare
    // and the crows by the stones on the cabin's.
    const double frontY = kHeight - deep * 0.2;
    const double stumpX = nearWood ? 177 - toward * r.range(0, 16) : edgeX - toward * r.range(0, 20);
    const double stumpY = nearWood ? frontY + 8 : frontY, stumpK = 1.0;
    pawPrints(s, r, QPointF(edgeX + toward * 30, deerY + 20), QPointF(stumpX + toward * 30 * stumpK, stumpY - 6), QColor(150, 162, 195));
    gear(s, Stump, stumpX, stumpY, 1.3 * stumpK, QColor(120, 85, 55));
    gear(s, Fox, stumpX + toward * 32 * stumpK, stumpY + 4, 1.2 * stumpK, QColor(210, 110, 40), QColor(), cabinLeft);
    const double stoneX = cabinX + toward * r.range(10, 30), stoneY = frontY + 18;
    gear(s, Rock, stoneX, stoneY, 1.2, QColor(140, 145, 155));
    gear(s, Rock, stoneX - toward * 42, stoneY - 16, 0.9, QColor(125, 130, 140));
    gear(s, Rabbit, stoneX + toward * 30, stoneY - 2, 1.0, QColor(240, 240, 245), QColor(), !cabinLeft);
    const double crowY = nearWood ? ground + deep * 0.3 : frontY - 34, crowK = nearWood ? near(crowY) : 1.0;
    gear(s, Crow, 177 + toward * r.range(-10, 10), crowY, 1.1 * crowK, QColor(30, 30, 38), QColor(), cabinLeft);
    gear(s, Crow, 177 + toward * 22, crowY + 8, 1.05 * crowK, QColor(45, 45, 55), QColor(), !cabinLeft);
    // One big fir near the edge of the picture on the forest's side frames it.
    put(s, Fir, nearWood ? cabinX - toward * 30 : edgeX + toward * 18 + (cabinLeft ? 36 : -36), kHeight - 12, 1.25, QColor(35, 85, 60)).variant = 2;
    scatter(s, r, Bird, {20, 334, 30, ground - 80}, 1.0, QColor(50, 50, 60), QColor(120, 120, 130)).shape = 1;
    // Hidden until a difference shows them: a third robin at the feeder, a
    // crow come down by the stones.
    gear(s, Robin, feedX + 4, feedY + 18, 1.2, QColor(130, 100, 70)).visible = false;
    s.objs.back().spare = true;
    gear(s, Crow, stoneX + toward * 60, stoneY - 6, 1.0, QColor(40, 40, 48), QColor(), !cabinLeft).visible = false;
    s.objs.back().spare = true;
}

void buildDesert(Scene& s, Rng& r, int v)
{
    v %= 3;
    Daylight d = daylight(v == 2 ? 0 : v % 2 ? 2 : 3, r);
    s.finish.tint = QColor(255, 240, 220);
    const double ground = r.range(220, 250) - (v == 2 ? 70 : 0);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, ground);
        const double px = r.range(60, 290);
        for (int i = 0; i < 2; ++i) { // far pyramids
            const double x = px + i * 50, h = 55 - i * 15;
            QPainterPath py;
            py.moveTo(x - h, ground - 30);
            py.lineTo(x, ground - 30 - h);
            py.lineTo(x + h, ground - 30);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(215, 170, 120));
            p.drawPath(py);
            QPainterPath sh;
            sh.moveTo(x, ground - 30 - h);
            sh.lineTo(x + h, ground - 30);
            sh.lineTo(x + h * 0.3, ground - 30);
            p.setBrush(QColor(175, 130, 95));
            p.drawPath(sh);
        }
        hills(p, ground - 20, 45, 120, QColor(235, 195, 130), QColor(215, 170, 110), r.seed());
        hills(p, ground + 40, 50, 90, QColor(240, 200, 135), QColor(225, 175, 110), r.seed());
        hills(p, ground + 140, 50, 70, QColor(245, 205, 140), QColor(215, 165, 100), r.seed());
    }
    noiseTexture(s.base, QRect(0, int(ground) - 60, kWidth, kHeight), 4, 9, r.seed(), 3);
    scatter(s, r, Bird, {40, 314, 40, ground - 90}, 1.1, QColor(60, 50, 50), QColor(110, 100, 90)).shape = 1;
    scatter(s, r, Bird, {40, 314, 40, ground - 90}, 0.9, QColor(60, 50, 50), QColor(110, 100, 90)).shape = 1;
    // Three groups at three depths, their order the composition's own: the
    // oasis (palms round a pool), the camp (tents, the fire, a rug with the
    // pots on it) and the caravan (camels tied head to tail); stones
    // together on a dune's crest between them. Nearer is lower and larger.
    const double deep = kHeight - ground;
    const auto nearer = [&](double y) { return 0.85 + 0.55 * (y - ground) / deep; };
    const bool left = v != 1; // the camp's side
    const double backY = ground + 40, midY = ground + deep * 0.47, frontY = ground + deep * 0.76;
    const double oasisY = v == 1 ? frontY - 10 : backY, campY = v == 2 ? frontY - 62 : backY + (v == 1 ? 24 : 0),
                 caravanY = v == 0 ? frontY + 6 : v == 1 ? backY + 6 : midY + 6;
    const double campX = (left ? 86 : 268) + r.range(-8, 8), oasisX = (v == 1 ? (left ? 200 : 154) : left ? 262 : 92) + r.range(-8, 8);
    { // The oasis.
        const double k = nearer(oasisY);
        pool(s, r, d, QRectF(oasisX - 56 * k, oasisY - 6 * k, 112 * k, 22 * k));
        put(s, Palm, oasisX - 48 * k, oasisY - 4 * k, 0.8 * k, QColor(70, 140, 60)).variant = 1;
        put(s, Palm, oasisX + 34 * k, oasisY - 10 * k, 0.72 * k, QColor(80, 150, 70)).variant = 0;
        put(s, Palm, oasisX + (left ? 56 : -58) * k, oasisY + 28 * k, 0.95 * k, QColor(65, 135, 55)).variant = 1;
        gear(s, Donkey, oasisX + (left ? -72 : 72) * k, oasisY + 18 * k, 0.95 * k, QColor(140, 130, 125), QColor(), left); // come to drink
        // A water jar filled at the pool, a goat drinking at its far end.
        gear(s, Amphora, oasisX + (left ? -26 : 26) * k, oasisY + 22 * k, 0.8 * k, QColor(200, 120, 70), QColor(), !left);
        gear(s, Goat, oasisX + (left ? 20 : -20) * k, oasisY + 24 * k, 0.9 * k, QColor(235, 225, 210), QColor(), !left);
        spares(s, r, Jug, 1, {oasisX - 6 * k, oasisX + 6 * k, oasisY + 22 * k, oasisY + 28 * k}, 0.7 * k, 0.75 * k, {QColor(180, 100, 60)});
    }
    { // The camp.
        const double k = nearer(campY);
        const QColor canvas[] = {QColor(240, 230, 210), QColor(200, 80, 50), QColor(90, 110, 160)};
        const int c0 = r.between(0, 2);
        put(s, Tent, campX - 30 * k, campY + 4 * k, 1.15 * k, canvas[c0], QColor(180, 50, 40)).shape = 0;
        put(s, Tent, campX + 32 * k, campY + 16 * k, 1.3 * k, canvas[(c0 + 1) % 3], QColor(60, 60, 120)).shape = 1;
        gear(s, Campfire, campX + 2 * k, campY + 44 * k, 1.0 * k, QColor(90, 60, 40)).variant = 1;
        rug(s, QRectF(campX - 52 * k, campY + 52 * k, 104 * k, 30 * k), anyOf(r, {QColor(170, 50, 45), QColor(150, 70, 40), QColor(60, 70, 130)}), r.seed());
        gear(s, CoffeePot, campX - 30 * k, campY + 72 * k, 0.75 * k, QColor(200, 160, 60));
        gear(s, Pot, campX - 6 * k, campY + 74 * k, 0.65 * k, QColor(190, 110, 60)).shape = 1;
        gear(s, Amphora, campX + 24 * k, campY + 76 * k, 0.85 * k, QColor(210, 150, 90), QColor(), left);
        gear(s, Basket, campX + (left ? 70 : -70) * k, campY + 32 * k, 0.9 * k, QColor(200, 160, 100), QColor(170, 60, 40));
        spares(s, r, Pot, 1, {campX - 40 * k, campX + 40 * k, campY + 64 * k, campY + 78 * k}, 0.6 * k, 0.65 * k, {QColor(170, 80, 50)});
        // The kettle by the fire, the lantern at the tent's door.
        gear(s, Kettle, campX + 24 * k, campY + 46 * k, 0.7 * k, QColor(90, 85, 80), QColor(), left);
        gear(s, Lantern, campX - 46 * k, campY + 30 * k, 0.7 * k, QColor(60, 55, 50)).variant = 0;
        spares(s, r, Amphora, 1, {campX + (left ? 56 : -64) * k, campX + (left ? 64 : -56) * k, campY + 46 * k, campY + 52 * k}, 0.8 * k, 0.85 * k, {QColor(190, 110, 60)});
    }
    // Stones on the crest, a cactus among them, a lizard basking, a fennec.
    const double stoneX = v == 1 ? 177 + (left ? 1 : -1) * 70 : v == 2 ? (left ? 250 : 104) : 177 + (left ? -1 : 1) * r.range(0, 20);
    const double stoneY = v == 1 ? midY + 10 : v == 2 ? frontY : midY, ks = nearer(stoneY);
    gear(s, Rock, stoneX - 16 * ks, stoneY, 0.85 * ks, QColor(170, 130, 100));
    gear(s, Rock, stoneX + 12 * ks, stoneY + 6 * ks, 0.65 * ks, QColor(150, 120, 95));
    gear(s, Rock, stoneX + 2 * ks, stoneY - 8 * ks, 0.55 * ks, QColor(185, 150, 115));
    gear(s, Cactus, stoneX + 44 * ks, stoneY - 2 * ks, 1.0 * ks, QColor(80, 140, 70), QColor(240, 80, 140)).count = r.between(1, 2);
    gear(s, Lizard, stoneX + 18 * ks, stoneY + 16 * ks, 1.1, QColor(150, 120, 70), QColor(), left);
    gear(s, Fox, stoneX + (stoneX < 177 ? 78 : -78) * ks, stoneY + 14 * ks, 1.0 * ks, QColor(225, 180, 120), QColor(), !left);
    spares(s, r, Lizard, 1, {stoneX - 30, stoneX + 10, stoneY + 12, stoneY + 26}, 1.0, 1.1, {QColor(110, 130, 70)});
    // The caravan, the leader nearest, walking towards the camp; the rope
    // runs from each halter to the saddle before it.
    const double walk = left ? -1 : 1, kc = nearer(caravanY), lead = 177 + walk * (v == 1 ? 20 : 93);
    const QColor saddles[] = {QColor(200, 40, 40), QColor(40, 80, 160), QColor(240, 190, 40)};
    const int s0 = r.between(0, 2);
    std::vector<std::pair<QPointF, double>> file;
    for (int i = 0; i < 3; ++i) {
        const double k = (1.05 - i * 0.08) * kc, x = lead - walk * i * (66 + 10 * (2 - i)) * kc / 1.25, y = caravanY - i * 14 * kc / 1.25;
        Obj& c = gear(s, Camel, x, y, k, QColor(200, 150, 90).darker(100 + i * 8), saddles[(s0 + i) % 3], walk < 0);
        c.variant = 1;
        c.count = 1 + (i + v) % 2;
        file.emplace_back(QPointF(x, y), k);
    }
    { // Their driver striding ahead, the lead camel's rope in his hand.
        const auto& [at, k] = file.front();
        cameleer(s, at + QPointF(walk * 44 * k, 3 * k), 0.95 * k, walk < 0, at + QPointF(walk * 25 * k, -37 * k));
    }
    // A donkey may trail the file; a second cactus may stand by the stones.
    const QPointF tailEnd = file.back().first;
    spares(s, r, Donkey, 1, {tailEnd.x() - walk * 62 * kc - 4, tailEnd.x() - walk * 62 * kc + 4, tailEnd.y() - 6, tailEnd.y()}, 0.85 * kc, 0.9 * kc, {QColor(150, 140, 130)});
    spares(s, r, Cactus, 1, {stoneX - 60 * ks, stoneX - 40 * ks, stoneY - 4, stoneY + 6}, 0.8 * ks, 0.85 * ks, {QColor(90, 150, 80)});
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(110, 80, 50), 1.2));
        p.setBrush(Qt::NoBrush);
        for (std::size_t i = 1; i < file.size(); ++i) {
            const auto& [at, k] = file[i];
            const auto& [before, kb] = file[i - 1];
            const QPointF head = at + QPointF(walk * 25 * k, -37 * k), tail = before + QPointF(-walk * 18 * kb, -24 * kb);
            QPainterPath rope;
            rope.moveTo(head);
            rope.quadTo((head + tail) / 2 + QPointF(0, 10), tail);
            p.drawPath(rope);
        }
    }
    scatterSpare(s, r, Bird, {30, 324, 40, ground - 90}, 1.0, QColor(60, 50, 50), QColor(110, 100, 90)).shape = 1;
}

void buildLake(Scene& s, Rng& r, int v)
{
    const Daylight d = daylight(v + 1, r);
    s.finish.tint = d.tint;
    // Each visit its own bank: the camp by the water; a landing stage run out
    // into the lake with a boat tied to it; a wide meadow with a picnic, seen
    // from higher up the bank.
    const int layout = v % 3;
    const double shore = r.range(200, 225), bank = layout == 2 ? r.range(296, 312) : r.range(340, 370);
    // The lake between the far shore and the near bank: what stands, stands
    // on the bank; only boats and birds are out on the water.
    s.light.water.emplace_back(shore + 2, bank);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, shore);
        QPainterPath peaks;
        peaks.moveTo(0, shore);
        Rng pr(r.seed());
        double x = -20;
        while (x < kWidth + 20) {
            const double w = pr.range(50, 90), h = pr.range(70, 120);
            peaks.lineTo(x + w / 2, shore - h);
            peaks.lineTo(x + w, shore - h * 0.3);
            x += w;
        }
        peaks.lineTo(kWidth, shore);
        peaks.closeSubpath();
        QLinearGradient g(QPointF(0, shore - 120), QPointF(0, shore));
        g.setColorAt(0, QColor(245, 248, 255));
        g.setColorAt(0.3, mix(d.haze, QColor(120, 130, 150), 0.4));
        g.setColorAt(1, shade(d.haze, 0.8));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(peaks);
        hills(p, shore, 25, 40, QColor(50, 100, 70), QColor(40, 80, 60), r.seed(), shore + 3);
        verticalGradient(p, QRectF(0, shore + 2, kWidth, bank - shore), {{0, mix(d.sky.back().second, QColor(60, 110, 130), 0.4)}, {1, QColor(40, 80, 100)}});
        waterGlints(p, QRectF(0, shore + 3, kWidth, bank - shore), QColor(255, 255, 255), 120, r.seed());
        verticalGradient(p, QRectF(0, bank, kWidth, kHeight - bank), {{0, QColor(110, 150, 70)}, {1, QColor(80, 120, 50)}});
        p.fillRect(QRectF(0, bank, kWidth, 4), QColor(150, 140, 110));
    }
    const double campSide = v % 2 ? 1 : -1, jettyX = 177 - campSide * 40;
    if (layout == 1) { // the landing stage, its planks and posts, noted as a deck
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF deck(jettyX - 17, bank - 78, 34, 82);
        const QColor wood(140, 100, 65);
        for (double px : {deck.left() + 2, deck.right() - 5})
            for (double py : {deck.top() + 6, deck.center().y()})
                p.fillRect(QRectF(px, py, 3, 12), shade(wood, 0.5)); // posts into the water
        p.fillRect(deck.adjusted(0, 0, 0, -6), litGradient(deck, wood, 0.3));
        p.setPen(QPen(shade(wood, 0.65), 0.8));
        for (double y = deck.top() + 5; y < deck.bottom() - 6; y += 5)
            p.drawLine(QPointF(deck.left(), y), QPointF(deck.right(), y));
        s.surfaces.stands.push_back(deck.adjusted(0, 0, 0, -6));
    }
    noiseTexture(s.base, QRect(0, int(bank), kWidth, kHeight), 8, 14, r.seed());
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        grassTufts(p, QRectF(0, bank + 4, kWidth, kHeight - bank), QColor(90, 140, 60), 400, r.seed());
    }
    scatter(s, r, Cloud, {40, 314, 30, 80}, 0.8, QColor(252, 252, 252));
    for (int i = 0; i < 6; ++i)
        put(s, Fir, r.range(10, 344), shore + 4, r.range(0.35, 0.5), QColor(40, 85, 60));
    for (int i = 0; i < 2; ++i) {
        Obj& b = put(s, Boat, r.range(60, 294), shore + 50 + i * 60, 0.7 + i * 0.3, QColor(150, 90, 50), anyOf(r, {QColor(250, 245, 230), QColor(220, 90, 80)}), QColor(40, 90, 160));
        b.groundMove = true;
    }
    scatter(s, r, Bird, {40, 314, shore + 30, bank - 20}, 1.3, QColor(250, 250, 250), QColor(230, 230, 230));
    scatter(s, r, Bird, {40, 314, 40, shore - 100}, 1.0, QColor(50, 50, 60), QColor(120, 120, 130)).shape = 1;
    scatter(s, r, Bird, {40, 314, 40, shore - 100}, 1.2, QColor(50, 50, 60), QColor(120, 120, 130)).shape = 1;
    // The near bank in three places: a camp at one side (the tent, its fire
    // with the kettle and a stump to sit on), a stand of firs at the other with
    // mushrooms and a butterfly at their feet, and between them a bench that
    // looks out over the water by the walkers' signpost; stones at the edge.
    const double campX = 177 + campSide * 95, woodX = 177 - campSide * 120;
    const double room = kHeight - bank; // 112..142 px of bank
    put(s, Tent, campX, bank + room * 0.5, 1.45, anyOf(r, {QColor(230, 120, 40), QColor(60, 120, 80), QColor(200, 60, 60)}),
        QColor(250, 220, 60)).mirror = campSide > 0;
    put(s, Campfire, campX - campSide * 46, bank + room * 0.72, 1.1, QColor(120, 120, 125));
    put(s, Kettle, campX - campSide * 18, bank + room * 0.8, 0.6, QColor(120, 120, 125), QColor(70, 70, 75));
    put(s, Stump, campX - campSide * 74, bank + room * 0.8, 0.9, QColor(120, 85, 55));
    put(s, Crow, campX + campSide * 8, kHeight - 10, 1.0, QColor(30, 30, 38)).mirror = campSide > 0;
    for (int i = 0; i < 2; ++i)
        put(s, Fir, woodX + campSide * i * 40, bank + 45 + i * 28, 1.0 + 0.15 * i, QColor(40, 95, 60)).variant = 0;
    put(s, Mushroom, woodX + campSide * 22, bank + 52, 1.1, QColor(200, 60, 30)).count = r.between(2, 5);
    put(s, Mushroom, woodX - campSide * 8, kHeight - 8, 1.0, QColor(170, 120, 70)).count = r.between(2, 5);
    put(s, Butterfly, woodX + campSide * 62, bank + 38, 1.1, QColor(250, 200, 40), QColor(40, 30, 30));
    const double benchX = 177 + r.range(-10, 10);
    put(s, Bench, benchX, bank + 30, 1.2, QColor(120, 85, 55));
    { // the walker's rucksack of a basket left by the bench, the camp's lantern by the tent
        Rng kit(0x1A4E + std::uint64_t(v));
        put(s, Basket, benchX + campSide * 34, bank + 36, 1.0, QColor(190, 150, 90), QColor(160, 120, 60)).loose = true;
        put(s, Lantern, campX + campSide * 30, bank + room * 0.5 + 6, 0.8, anyOf(kit, {QColor(60, 55, 50), QColor(150, 40, 35)})).loose = true;
    }
    put(s, Signpost, 177 - campSide * 56, bank + 24, 1.8, QColor(150, 110, 70), QColor(240, 235, 220));
    for (int i = 0; i < 3; ++i) // stones together where the bank meets the water
        put(s, Rock, 177 + campSide * (i * 36 - 14), bank + 12 + (i % 2) * 4, 0.8 + 0.15 * i, QColor(140, 140, 145)).variant = r.between(0, 1);
    put(s, Heron, 177 - campSide * 70, bank - 5, 1.0, QColor(170, 175, 185)).mirror = campSide > 0; // wading at the edge
    put(s, Duck, 177 + campSide * 90, bank - 28, 0.95, QColor(120, 90, 60)).mirror = campSide < 0;
    put(s, Duck, 177 + campSide * 120, bank - 20, 0.9, QColor(90, 120, 80)).mirror = campSide < 0;
    if (layout == 1) { // the angler's things on the stage, his boat tied alongside
        gear(s, Bucket, jettyX - 7, bank - 52, 0.8, QColor(150, 155, 160), QColor(90, 95, 100));
        gear(s, Basket, jettyX + 6, bank - 30, 0.85, QColor(190, 150, 90), QColor(160, 120, 60));
        Obj& boat = gear(s, Boat, jettyX + campSide * 40, bank - 34, 0.85, QColor(150, 90, 50), QColor(250, 245, 230), campSide < 0);
        boat.c3 = QColor(40, 90, 160);
        boat.groundMove = true;
    }
    if (layout == 2) { // a picnic on the meadow between the camp and the wood
        const QRectF cloth(177 + campSide * 10 - 44, kHeight - 62, 88, 38);
        rug(s, cloth, anyOf(r, {QColor(200, 60, 60), QColor(60, 110, 170)}), std::uint32_t(r.next()));
        gear(s, Basket, cloth.center().x() - 20, cloth.center().y() + 4, 1.0, QColor(190, 150, 90), QColor(160, 120, 60));
        gear(s, Bottle, cloth.center().x() + 8, cloth.center().y() + 2, 0.9, QColor(80, 140, 90), QColor(240, 235, 220));
        gear(s, Fruit, cloth.center().x() + 24, cloth.center().y() + 8, 1.0, QColor(200, 40, 40));
    }
    // A swan comes gliding in (a fish seen from the bank would lie on the water).
    scatterSpare(s, r, Swan, {40, 314, shore + 30, bank - 20}, 1.0, QColor(248, 248, 250), QColor(230, 120, 40));
    scatterSpare(s, r, Mushroom, {30, 324, bank + 40, kHeight - 10}, 1.1, QColor(200, 60, 30));
    scatterSpare(s, r, Bird, {30, 324, 40, shore - 110}, 1.0, QColor(50, 50, 60), QColor(120, 120, 130)).shape = 1;
}

} // namespace levelgen
