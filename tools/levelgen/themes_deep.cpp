// Scenes far from home: the underwater reef and the space station.
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/compose.h"
#include "tools/levelgen/themekit.h"

#include <QPainterPath>

namespace levelgen {

namespace {
// A rock of the reef painted with its crust of sponges; leaves the brush set
// to the rock's shadow, for the den cut into it.
// A mass of the reef filled light to dark from `from` to `to`, edged darker.
void shadedMass(QPainter& p, const QPainterPath& mass, QPointF from, QPointF to, const QColor& c, double light, double dark, double edge)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, shade(c, light));
    g.setColorAt(1, shade(c, dark));
    p.setPen(QPen(shade(c, edge), 1.2));
    p.setBrush(g);
    p.drawPath(mass);
}

void crusted(QPainter& p, const QPainterPath& rock, const QRectF& area, const QColor& deep, std::uint32_t seed)
{
    const QColor stone = mix(shade(deep, 1.9), QColor(120, 110, 100), 0.45);
    shadedMass(p, rock, area.topLeft(), area.bottomRight(), stone, 1.15, 0.8, 0.7);
    p.setPen(Qt::NoPen);
    Rng dots(seed);
    for (int i = 0; i < 40; ++i) { // sponges and crust, in the reef's own colours
        const QPointF at(dots.range(area.left(), area.right()), dots.range(area.top(), area.bottom()));
        if (!rock.contains(at))
            continue;
        p.setBrush(withAlpha(anyOf(dots, {QColor(230, 120, 90), QColor(240, 200, 90), QColor(150, 90, 170), QColor(90, 170, 150)}), 170));
        p.drawEllipse(at, dots.range(1.5, 4), dots.range(1.2, 3));
    }
    p.setBrush(withAlpha(shade(stone, 0.55), 200));
}

// A branch of coral growing up from `at`, forking as it goes, its tips pale.
void coralBranch(QPainter& p, QPointF at, double angle, double len, double width, const QColor& c, Rng& r, int depth)
{
    const QPointF end = at + QPointF(std::cos(angle), std::sin(angle)) * len;
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, end);
    if (depth == 0) {
        p.setPen(QPen(shade(c, 1.45), width * 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(end);
        return;
    }
    const double spread = r.range(0.35, 0.6);
    coralBranch(p, end, angle - spread, len * r.range(0.65, 0.8), width * 0.78, c, r, depth - 1);
    coralBranch(p, end, angle + spread, len * r.range(0.65, 0.8), width * 0.78, c, r, depth - 1);
}

// Tufts of branching coral rooted along the top of a reef's `mass`, `n`
// of them spread over `area`'s width.
void coralCrest(QPainter& p, const QPainterPath& mass, const QRectF& area, const QColor& deep, std::uint32_t seed, int n)
{
    Rng r(seed);
    const QColor colours[] = {QColor(170, 90, 200), QColor(250, 150, 70), QColor(240, 215, 90), QColor(240, 110, 130)};
    for (int i = 0; i < n; ++i) {
        const double x = area.left() + area.width() * (i + 0.5) / n + r.range(-6, 6);
        double y = area.top();
        while (y < area.bottom() && !mass.contains(QPointF(x, y + 3)))
            ++y;
        if (y >= area.bottom())
            continue;
        const QColor c = mix(colours[(i + int(seed % 4)) % 4], deep, 0.12);
        for (int k = 0; k < 3; ++k)
            coralBranch(p, QPointF(x + (k - 1) * 3, y + 4), -M_PI / 2 + (k - 1) * 0.45 + r.range(-0.1, 0.1), r.range(8, 11), 3.4, c, r, 2);
    }
}

// A coral head standing in the open: a boulder of brain coral, its surface
// grooved and dotted with polyps, crowned with branching coral, a sea fan
// and a plate coral growing from its sides. Leaves the brush set to the
// shadow of its overhang, as the rock painter does for its den.
void coralHead(QPainter& p, const QPainterPath& mass, const QRectF& area, const QColor& deep, std::uint32_t seed)
{
    Rng r(seed);
    const QColor brain = mix(QColor(205, 150, 105), deep, 0.18);
    // What grows behind the boulder first: the sea fan and the tallest branches.
    p.save();
    p.setPen(QPen(mix(QColor(190, 70, 120), deep, 0.15), 1.1));
    const QPointF fanFoot(area.left() + area.width() * 0.28, area.top() + 14);
    for (int i = 0; i < 13; ++i) { // the fan's ribs, then its mesh
        const double a = -M_PI / 2 - 0.75 + i * 1.5 / 12;
        p.drawLine(fanFoot, fanFoot + QPointF(std::cos(a), std::sin(a)) * 46);
    }
    for (double rad = 14; rad < 46; rad += 7)
        p.drawArc(QRectF(fanFoot.x() - rad, fanFoot.y() - rad, 2 * rad, 2 * rad), int((90 - 43) * 16), int(86 * 16));
    p.restore();
    const QColor branches[] = {QColor(170, 90, 200), QColor(250, 150, 70), QColor(240, 215, 90)};
    for (int i = 0; i < 3; ++i) {
        const QPointF foot(area.left() + area.width() * (0.42 + 0.17 * i) + r.range(-5, 5), area.top() + 8 + r.range(0, 6));
        for (int k = 0; k < 3; ++k)
            coralBranch(p, foot, -M_PI / 2 + (k - 1) * 0.45 + r.range(-0.1, 0.1), r.range(11, 15), 4.2, mix(branches[i], deep, 0.12), r, 3);
    }
    // The boulder itself, lit from above.
    shadedMass(p, mass, area.topLeft(), area.bottomLeft(), brain, 1.2, 0.7, 0.6);
    p.save();
    p.setClipPath(mass);
    // Its meandering ridges and valleys, the mark of brain coral: each ridge
    // lit along its crest, its valley shaded beneath.
    p.setBrush(Qt::NoBrush);
    for (double y = area.top() - 4; y < area.bottom() + 6; y += 5.5) {
        const double phase = r.range(0, 2 * M_PI), wave = r.range(2.6, 4.2);
        QPainterPath ridge;
        for (double x = area.left() - 4; x <= area.right() + 4; x += 2) {
            const QPointF q(x, y + 1.8 * std::sin(x / wave + phase) + 1.6 * std::sin(x / 11 + phase * 2));
            x == area.left() - 4 ? ridge.moveTo(q) : ridge.lineTo(q);
        }
        p.setPen(QPen(shade(brain, 0.72), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ridge.translated(0, 2));
        p.setPen(QPen(shade(brain, 1.22), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(ridge);
    }
    // Polyps and the sponges that share the boulder, in the reef's colours.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(r.range(area.left(), area.right()), r.range(area.top(), area.bottom()));
        if (!mass.contains(at))
            continue;
        const bool sponge = i % 9 == 0;
        const QColor c = sponge ? anyOf(r, {QColor(240, 110, 80), QColor(250, 200, 80), QColor(120, 90, 190)}) : shade(brain, 1.35);
        const double rad = sponge ? r.range(3, 5) : r.range(0.8, 1.6);
        p.setBrush(withAlpha(c, sponge ? 230 : 200));
        p.drawEllipse(at, rad, rad * 0.8);
        if (sponge) {
            p.setBrush(withAlpha(shade(c, 0.45), 220));
            p.drawEllipse(at + QPointF(0, -rad * 0.2), rad * 0.35, rad * 0.3);
        }
    }
    p.restore();
    // A plate coral shelving out from one flank, and a tuft of anemone at its foot.
    const bool plateLeft = r.chance(0.5);
    const double py = area.top() + area.height() * 0.45;
    double px = plateLeft ? area.left() : area.right();
    while (!mass.contains(QPointF(px + (plateLeft ? -4 : 4), py)) && std::abs(px - area.center().x()) > 4) // rooted in the flank
        px += plateLeft ? 2 : -2;
    QPainterPath plate;
    plate.moveTo(px, py);
    plate.cubicTo(px + (plateLeft ? -30 : 30), py - 10, px + (plateLeft ? -34 : 34), py + 2, px + (plateLeft ? -22 : 22), py + 6);
    plate.cubicTo(px + (plateLeft ? -12 : 12), py + 8, px, py + 8, px, py + 4);
    p.setPen(QPen(shade(QColor(215, 140, 95), 0.7), 1));
    p.setBrush(litGradient(plate.boundingRect(), mix(QColor(215, 140, 95), deep, 0.1), 0.4));
    p.drawPath(plate);
    const QPointF anemone(area.center().x() + (plateLeft ? 1 : -1) * area.width() * 0.22, area.top() + area.height() * 0.55);
    p.setPen(QPen(QColor(250, 170, 190), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 11; ++i) {
        const double a = -M_PI / 2 + (i - 5) * 0.16;
        p.drawLine(anemone, anemone + QPointF(std::cos(a) * 13 + r.range(-2, 2), std::sin(a) * 13));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(shade(brain, 0.4), 200));
}

// A sailing ship's hull settled on the sand, bow raised, its mast broken
// off; where it has split open the reef's creatures hide. Returns the gap.
QPointF wreck(QPainter& p, double stern, double foot, double len, double dir, const QColor& deep)
{
    const QColor wood = mix(QColor(105, 78, 55), deep, 0.3);
    p.save();
    p.translate(stern, foot);
    p.rotate(-dir * 6);
    QPainterPath hull;
    hull.moveTo(0, -44);
    hull.lineTo(dir * len * 0.8, -50);
    hull.quadTo(dir * len * 1.02, -52, dir * len, -30);
    hull.quadTo(dir * len * 0.9, 0, dir * len * 0.5, 6);
    hull.quadTo(dir * len * 0.1, 6, 0, -4);
    hull.closeSubpath();
    p.setPen(QPen(shade(wood, 0.55), 1.2));
    p.setBrush(litGradient(hull.boundingRect(), wood, 0.35));
    p.drawPath(hull);
    p.save();
    p.setClipPath(hull);
    p.setPen(QPen(shade(wood, 0.7), 0.9));
    for (double y = -40; y < 8; y += 7) // its planks
        p.drawLine(QPointF(0, y), QPointF(dir * len, y - 5));
    p.restore();
    p.setPen(QPen(shade(wood, 1.3), 2.2)); // the rail
    p.drawLine(QPointF(0, -44), QPointF(dir * len * 0.8, -50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 25, 30, 200));
    for (int i = 0; i < 3; ++i) // portholes
        p.drawEllipse(QPointF(dir * len * (0.2 + 0.14 * i), -33 - i * 0.8), 3, 3);
    const QPointF gap(dir * len * 0.68, -16);
    QPainterPath split; // the split in its side
    split.moveTo(gap + QPointF(-12, -8));
    split.lineTo(gap + QPointF(-3, -13));
    split.lineTo(gap + QPointF(9, -9));
    split.lineTo(gap + QPointF(13, 4));
    split.lineTo(gap + QPointF(-2, 10));
    split.lineTo(gap + QPointF(-13, 5));
    split.closeSubpath();
    p.setBrush(QColor(15, 20, 25, 220));
    p.drawPath(split);
    // The stump of the mast, leaning, with its yard hanging from it.
    const QPointF step(dir * len * 0.42, -47), head = step + QPointF(dir * 34, -78);
    p.setPen(QPen(shade(wood, 0.8), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(step, head);
    p.setPen(QPen(shade(wood, 0.7), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head + QPointF(-dir * 22, 12), head + QPointF(dir * 16, 24));
    const QPointF at = p.transform().map(gap);
    p.restore();
    return at;
}
} // namespace

void buildReef(Scene& s, Rng& r, int v)
{
    s.finish.tint = QColor(235, 250, 255);
    s.finish.vignette = 0.35;
    const double sand = r.range(350, 380) - (v % 3 == 2 ? 70 : 0); // the green reef seen from lower down
    s.surfaces = Surfaces::at(sand, false, true);
    // A shallow turquoise reef, a deep blue one and a green-lit one.
    const QColor deeps[3] = {QColor(10, 80, 100), QColor(8, 30, 90), QColor(20, 90, 60)};
    const QColor deep = deeps[v % 3];
    // Each visit its own reef: a rock outcrop rising from the sand at one
    // side, a wreck settled on it, or a coral head standing in the open.
    // The creatures of the bottom gather at its den (the cave, the split
    // hull, the overhang); the fish school along it.
    const bool left = r.chance(0.5);
    const double d = left ? 1 : -1;
    QPointF den;
    double reefX = 0; // the middle of the reef's mass
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, kHeight), {{0, v % 3 == 1 ? QColor(40, 110, 190) : QColor(70, 180, 210)}, {0.55, shade(deep, 1.3)}, {1, deep}});
        lightRays(p, QRectF(-40, 0, kWidth, sand), 7, r.seed());
        hills(p, sand - 40, 40, 80, shade(deep, 1.4), shade(deep, 1.2), r.seed());
        const double foot = sand + 8;
        if (v % 3 == 1) {
            const double len = r.range(180, 210), stern = left ? r.range(-30, -10) : kWidth + r.range(10, 30);
            den = wreck(p, stern, foot + 4, len, d, deep);
            reefX = stern + d * len * 0.5;
        } else if (v % 3 == 0) {
            const double top = sand - r.range(120, 160), reach = r.range(95, 125);
            QPainterPath rock;
            const double e = left ? -10 : kWidth + 10;
            rock.moveTo(e, foot);
            rock.lineTo(e, top - 20);
            rock.cubicTo(e + d * reach * 0.3, top - 28, e + d * reach * 0.5, top + 6, e + d * reach * 0.62, top + 18);
            rock.cubicTo(e + d * reach * 0.8, top + 34, e + d * reach * 0.7, top + 60, e + d * reach * 0.95, top + 78);
            rock.cubicTo(e + d * reach * 1.15, top + 96, e + d * reach * 1.1, foot - 20, e + d * reach * 1.3, foot);
            rock.closeSubpath();
            const QRectF face(QPointF(std::min(e, e + d * reach), top), QPointF(std::max(e, e + d * reach), foot - 6));
            const std::uint32_t seed = std::uint32_t(r.seed());
            crusted(p, rock, face, deep, seed);
            const QBrush cave = p.brush();
            coralCrest(p, rock, QRectF(face.left() + 8, top - 40, face.width() - 16, foot - top), deep, seed ^ 0xC0u, 4); // the reef alive along its top
            p.setPen(Qt::NoPen);
            p.setBrush(cave);
            den = QPointF(e + d * reach * 0.45, foot - 28); // a cave mouth in its side
            p.drawEllipse(den, 13, 10);
            reefX = e + d * reach * 0.5;
        } else {
            const double cx = 177 - d * r.range(20, 50), top = sand - r.range(100, 125), w = r.range(70, 85);
            QPainterPath rock;
            rock.moveTo(cx - w, foot);
            rock.cubicTo(cx - w * 0.8, top + 40, cx - w * 0.9, top + 5, cx - w * 0.35, top);
            rock.cubicTo(cx - w * 0.1, top - 8, cx + w * 0.3, top + 2, cx + w * 0.55, top + 12);
            rock.cubicTo(cx + w * 1.1, top + 30, cx + w * 0.7, top + 60, cx + w, foot);
            rock.closeSubpath();
            coralHead(p, rock, QRectF(cx - w, top, 2 * w, foot - top - 6), deep, std::uint32_t(r.seed()));
            den = QPointF(cx + d * w * 0.45, foot - 22); // the overhang at its foot
            p.drawEllipse(den, 15, 9);
            reefX = cx;
        }
        hills(p, sand, 25, 60, QColor(220, 200, 150), QColor(180, 160, 120), r.seed());
    }
    noiseTexture(s.base, QRect(0, int(sand) - 25, kWidth, kHeight), 3, 12, r.seed());
    noiseTexture(s.base, QRect(0, 0, kWidth, int(sand)), 40, 6, r.seed());
    // Weed and coral in two beds: by the reef, and across the sand from it.
    const double far = std::clamp(kWidth - reefX, 60.0, kWidth - 60.0), nearBed = std::clamp(reefX + d * 60, 50.0, kWidth - 50.0);
    const QColor coralCols[] = {QColor(240, 100, 110), QColor(250, 160, 60), QColor(180, 90, 200), QColor(240, 220, 90), QColor(90, 200, 190)};
    for (int i = 0; i < 5; ++i)
        put(s, Seaweed, (i < 3 ? nearBed : far) + r.range(-34, 34), sand + r.range(0, 20), r.range(1.2, 1.6), QColor(60, 150, 90));
    { // across the sand, a stand of tall kelp reaching up through the open water
        Rng kelp(0x6E1F + std::uint64_t(v));
        for (int i = 0; i < 2; ++i)
            put(s, Seaweed, far + (i ? 28 : -22) * d + kelp.range(-6, 6), sand - 4 + i * 6, kelp.range(2.2, 2.6), QColor(50, 135, 80)).count = 4;
    }
    for (int i = 0; i < 5; ++i)
        put(s, Coral, (i < 3 ? nearBed + (i - 1) * 36 : far + (i - 3.5) * 40) + r.range(-6, 6), sand + r.range(10, 40), r.range(0.9, 1.2), coralCols[(i + v) % 5]);
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Rock, {far - 50, far + 50, sand + 30, kHeight - 10}, r.range(1.0, 1.4), QColor(110, 120, 130)).variant = 1;
    // Two schools, each of one kind of fish in its shades, along the reef and
    // over the far bed, and a few swimming alone.
    const QColor fishCols[] = {QColor(250, 140, 30), QColor(250, 220, 50), QColor(60, 120, 230), QColor(230, 70, 90), QColor(120, 220, 120), QColor(180, 100, 220)};
    const int school[2] = {int(r.next() % 6), int(r.next() % 6)};
    const Area schools[2] = {{reefX - 70, reefX + 70, sand - 150, sand - 70}, {far - 70, far + 70, 70, 170}};
    for (int i = 0; i < 12; ++i) {
        const bool alone = i >= 10;
        const Area a = alone ? Area{25, 329, 40, sand - 20} : schools[i % 2];
        const QColor c = alone ? fishCols[r.next() % 6] : vary(fishCols[school[i % 2]], r, 0.18);
        Obj& f = scatter(s, r, Fish, {std::max(25.0, a.x0), std::min(329.0, a.x1), std::max(40.0, a.y0), a.y1}, r.range(1.0, 1.6), c, QColor(250, 250, 250));
        f.count = r.between(0, 3);
        f.mirror = alone ? r.chance(0.5) : (i % 2 == 0) == left; // a school swims one way
    }
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Jellyfish, {30, 324, 40, 200}, 1.3, anyOf(r, {QColor(240, 150, 210), QColor(170, 160, 250)}));
    // The bottom's creatures by the den.
    const Area byDen{std::max(20.0, den.x() - 75), std::min(334.0, den.x() + 75), sand + 25, kHeight - 15};
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Starfish, byDen, r.range(1.1, 1.4), anyOf(r, {QColor(240, 110, 60), QColor(230, 60, 90), QColor(250, 190, 60)}));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Shell, {far - 60, far + 60, sand + 40, kHeight - 10}, 1.3, anyOf(r, {QColor(250, 220, 200), QColor(240, 190, 160)}));
    scatter(s, r, Crab, byDen, 1.4, QColor(220, 70, 40));
    for (int i = 0; i < 3; ++i) // rising from the den
        scatter(s, r, Bubbles, {den.x() - 14, den.x() + 14, 100, den.y() - 40}, 1.2, QColor(255, 255, 255));
    scatter(s, r, Octopus, byDen, 1.2, anyOf(r, {QColor(220, 100, 80), QColor(170, 90, 190)})).groundMove = true;
    for (int i = 0; i < 2; ++i) // in the weed
        scatter(s, r, Seahorse, {(i ? far : nearBed) - 30, (i ? far : nearBed) + 30, sand - 80, sand - 30}, 1.2, anyOf(r, {QColor(245, 190, 60), QColor(240, 120, 90)}));
    Obj& chest = scatter(s, r, TreasureChest, byDen, 1.2, QColor(130, 85, 50));
    chest.variant = r.between(0, 1), chest.groundMove = true;
    scatterSpare(s, r, Fish, schools[1], 1.3, vary(fishCols[school[1]], r, 0.18), QColor(40, 40, 60));
    scatterSpare(s, r, Starfish, byDen, 1.2, QColor(240, 110, 60));
    scatterSpare(s, r, Shell, {far - 60, far + 60, sand + 40, kHeight - 10}, 1.2, QColor(250, 220, 200));
    scatterSpare(s, r, Bubbles, {den.x() - 14, den.x() + 14, 100, den.y() - 40}, 1.1, QColor(255, 255, 255));
}

void buildSpace(Scene& s, Rng& r, int v)
{
    s.finish.vignette = 0.3;
    s.finish.tint = QColor(240, 245, 255);
    s.surfaces.afloat = true;
    v %= 3; // the world below the station, above it, or a red one far off to the side
    const QPointF planetAt = v == 0 ? QPointF(r.range(60, 294), r.range(330, 420))
                           : v == 1 ? QPointF(r.range(60, 294), r.range(-260, -220)) : QPointF(r.range(-120, -90), r.range(150, 220));
    const QColor nebula = v == 2 ? QColor(190, 70, 90) : anyOf(r, {QColor(150, 60, 180), QColor(40, 110, 190)});
    const QColor world = v == 0 ? QColor(60, 120, 200) : v == 1 ? QColor(90, 170, 140) : QColor(200, 110, 60);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, kHeight), {{0, QColor(5, 5, 20)}, {1, QColor(15, 15, 40)}});
        glow(p, QPointF(r.range(0, kWidth), r.range(50, 250)), 200, withAlpha(nebula, 70));
        glow(p, QPointF(r.range(0, kWidth), r.range(50, 250)), 140, withAlpha(shade(nebula, 1.4), 50));
        starfield(p, QRectF(0, 0, kWidth, kHeight), 420, r.seed());
        const QRectF ball(planetAt.x() - 170, planetAt.y() - 40, 340, 340);
        glow(p, planetAt + QPointF(0, 130), 200, withAlpha(QColor(140, 200, 255), 80));
        p.setBrush(ballGradient(ball, world));
        p.setPen(Qt::NoPen);
        p.drawEllipse(ball);
    }
    noiseTexture(s.base, QRect(0, std::max(0, int(planetAt.y() - 40)), kWidth, kHeight), 14, 14, r.seed(), 3);
    double lowest = 0; // the lowest module's height
    {
        QPainter p(&s.base); // the station's frame
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(150, 155, 165), 3));
        const double y1 = r.range(120, 160), y2 = r.range(230, 270);
        lowest = y2;
        p.drawLine(QPointF(0, y1), QPointF(kWidth, y1 + 20));
        p.drawLine(QPointF(kWidth / 2.0 + r.range(-40, 40), y1 + 10), QPointF(kWidth / 2.0, y2));
        p.setPen(QPen(QColor(110, 115, 125), 1));
        for (double x = 0; x < kWidth; x += 12)
            p.drawLine(QPointF(x, y1 + x / kWidth * 20 - 3), QPointF(x + 6, y1 + x / kWidth * 20 + 3));
        for (int i = 0; i < 2; ++i)
            put(s, Module, 70 + i * 210 + r.range(-15, 15), y1 + 10 + i * 20, 1.3, QColor(220, 220, 225), anyOf(r, {QColor(210, 60, 50), QColor(240, 180, 40), QColor(50, 120, 210)}));
        // Out on a walk from the first module, an astronaut on a tether: it
        // holds them where they are, the way they face.
        const QPointF hatch = s.objs[s.objs.size() - 2].pos + QPointF(26, 16);
        const QPointF walker = hatch + QPointF(v == 1 ? 46 : 30, 58);
        QPainterPath tether;
        tether.moveTo(hatch);
        tether.cubicTo(hatch + QPointF(-6, 30), walker + QPointF(-40, -10), walker + QPointF(-12, -16));
        p.setPen(QPen(QColor(225, 225, 215), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tether);
        Obj& tethered = put(s, Astronaut, walker.x(), walker.y(), 1.25, QColor(240, 200, 90), QColor(60, 150, 80));
        tethered.deny |= Remove | Move | Mirror | Resize | Tilt;
        tethered.variant = 2; // waving
        // A capsule docked nose first at the second module's near end.
        const Obj& far = s.objs[s.objs.size() - 2];
        Obj& capsule = put(s, Rocket, far.pos.x() - 34.5 * 1.3 - 34 * 0.75 - 1, far.pos.y() - 1, 0.75, QColor(235, 235, 240));
        capsule.rot = 90;
        capsule.count = 2;
        capsule.deny |= Detail | Remove | Move | Resize | Tilt | Mirror; // no flame while docked
        const std::size_t lowModule = s.objs.size();
        put(s, Module, kWidth / 2.0, y2, 1.2, QColor(220, 220, 225), QColor(50, 120, 210)).count = 5;
        // The station's flag on a short mast on the lowest module's roof.
        Obj& flag = put(s, Flag, kWidth / 2.0 - 26, y2 - 13, 0.8, anyOf(r, {QColor(215, 45, 45), QColor(45, 95, 205)}), QColor(245, 245, 240));
        flag.depthY = y2 + 0.01;
        flag.deny |= Move | Resize | Tilt | Remove;
        { // one of the crew at work on the same roof, boots to the hull
            Rng crew(std::uint64_t(0xC4E + v));
            Obj& mechanic = put(s, Astronaut, kWidth / 2.0 + 24, y2 - 13, 0.9, QColor(90, 160, 230), anyOf(crew, {QColor(210, 50, 50), QColor(240, 240, 235)}));
            mechanic.mirror = crew.chance(0.5);
            setOn(mechanic, s.objs[lowModule]);
        }
        for (int i = 0; i < 2; ++i)
            put(s, Panel, 70 + i * 210 + r.range(-10, 10), y1 - 30, 1.2, QColor(40, 70, 150)).count = 5;
        put(s, Panel, kWidth / 2.0 + 10, y2 + 35, 1.1, QColor(190, 150, 50)).count = 4;
    }
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Planet, {40, 314, 30, 100}, r.range(0.8, 1.2), anyOf(r, {QColor(230, 170, 90), QColor(120, 200, 220), QColor(200, 110, 180)}), QColor(250, 230, 200)).variant = i;
    // A small far planet low in the picture, with a ring of its own.
    scatter(s, r, Planet, {40, 314, 380, 450}, 0.7, QColor(120, 200, 150), QColor(240, 230, 200)).variant = 1;
    Obj& moon = scatter(s, r, Moon, {40, 314, 24, 60}, 1.0, QColor(225, 225, 215)); // far off, high over the station
    moon.shape = v % 2;
    moon.loose = false; // one moon to this world: never copied about
    // A second of the crew in a suit of their own (two alike would hide a
    // difference between them), out on a walk below the station with the
    // jet pack: the third, drifting with no line, read as one lost.
    scatter(s, r, Astronaut, Area{30, 324, 390, 455}, r.range(1.3, 1.6), QColor(240, 240, 235), anyOf(r, {QColor(210, 50, 50), QColor(60, 150, 80), QColor(240, 240, 235)}));
    scatter(s, r, Satellite, {30, 324, 60, 320}, 1.3, QColor(220, 180, 70)).variant = 1; // the dish up
    scatter(s, r, Rocket, {40, 314, 320, 400}, 1.5, QColor(210, 50, 50)).variant = 1;
    scatter(s, r, Rocket, {40, 314, 40, 140}, 1.0, QColor(235, 235, 240), QColor(50, 120, 210)).mirror = true; // a shuttle leaving
    scatter(s, r, Asteroid, {20, 334, lowest + 60, 380}, r.range(1.1, 1.4), QColor(150, 110, 80));
    // A probe high above the station and a pale rock tumbling by at the
    // top, lit by the sun: two rocks in all, so they are no crowd to hunt in.
    scatter(s, r, Satellite, {30, 324, 24, 100}, 1.0, QColor(235, 235, 240), QColor(200, 60, 50));
    scatter(s, r, Asteroid, {20, 334, 20, 110}, r.range(1.0, 1.3), QColor(200, 185, 160));
    // Supply crates come loose (one below the station, one high above it),
    // a probe and a spare panel drifting below: kept as placed, never
    // copied about.
    scatter(s, r, Crate, {30, 324, 340, 450}, 1.0, QColor(235, 235, 230), QColor(230, 120, 40)).loose = false;
    scatter(s, r, Crate, {30, 324, 26, 66}, 0.9, QColor(230, 190, 80), QColor(60, 80, 140)).loose = false;
    scatter(s, r, Satellite, {30, 324, 340, 450}, 1.1, QColor(200, 200, 210), QColor(60, 80, 140)).loose = false;
    scatter(s, r, Panel, {40, 314, 350, 450}, 0.9, QColor(190, 150, 50)).count = 3;
    for (int i = 0; i < 8; ++i)
        scatter(s, r, Star, {15, 339, 15, 460}, r.range(0.9, 1.4), anyOf(r, {QColor(255, 245, 210), QColor(200, 220, 255), QColor(255, 200, 180)}));
    scatterSpare(s, r, Star, {30, 324, 30, 450}, 1.2, QColor(255, 245, 210));
    scatterSpare(s, r, Crate, {30, 324, 180, 330}, 0.9, QColor(200, 60, 50), QColor(235, 235, 230)).loose = false;
    // A second probe that may come into sight, out past the station.
    scatterSpare(s, r, Satellite, {30, 324, 200, 340}, 0.9, QColor(225, 225, 230), QColor(210, 150, 40)).loose = false;
}

} // namespace levelgen
