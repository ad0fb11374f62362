#include "tools/levelgen/scenerules.h"

#include "tools/levelgen/kinds.h"
#include "tools/levelgen/metrics.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace levelgen {

const char* sceneRuleName(SceneRule rule)
{
    switch (rule) {
    case SceneRule::Support: return "support";
    case SceneRule::Overlap: return "overlap";
    case SceneRule::Depth: return "depth";
    case SceneRule::Size: return "size";
    case SceneRule::Copies: return "copies";
    case SceneRule::Letters: return "letters";
    case SceneRule::EdgeCut: return "edge cut";
    case SceneRule::EmptyBand: return "empty band";
    case SceneRule::Anchor: return "anchor";
    case SceneRule::ColourOnly: return "colour only";
    case SceneRule::Palette: return "palette";
    case SceneRule::Unfair: return "unfair difference";
    case SceneRule::Spread: return "spread";
    case SceneRule::Layout: return "layout";
    }
    return "?";
}

namespace {
bool oneOf(int kind, std::initializer_list<K> kinds) { return std::find(kinds.begin(), kinds.end(), K(kind)) != kinds.end(); }

// The object's own box in the picture, without the antialiasing margin.
QRectF tight(const Obj& o) { return QRectF(bounds(o)).adjusted(2, 2, -2, -2); }

QString named(const Scene& s, int i)
{
    const Obj& o = s.objs[std::size_t(i)];
    return QStringLiteral("%1 at (%2, %3)").arg(QString::fromLatin1(kindOf(o.kind).name)).arg(int(o.pos.x())).arg(int(o.pos.y()));
}

// Big things the scene is built around; others stand in front of them.
bool isBackdrop(int kind) { return oneOf(kind, {House, Tree, Fir, Palm, Lighthouse, SweepWell, Cloud, Planet}); }

bool within(const QRectF& r, const Obj& o)
{
    return o.pos.x() >= r.left() - 4 && o.pos.x() <= r.right() + 4 && o.pos.y() >= r.top() - 4 && o.pos.y() <= r.bottom() + 4;
}

bool onStand(const Scene& s, const Obj& o)
{
    return std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& r) { return within(r, o); });
}

bool onHouse(const Scene& s, const Obj& o)
{
    for (const Obj& h : s.objs)
        if (h.visible && h.kind == House && tight(h).contains(o.pos))
            return true;
    // A wall painted into the backdrop (a church tower) holds what hangs on it whole.
    for (const QRectF& w : s.surfaces.walls)
        if (w.contains(tight(o)))
            return true;
    return false;
}

// Standing on the top of another thing (fruit in its crate, a jug on a barrel).
bool onTopOfAnother(const Scene& s, const Obj& o)
{
    for (const Obj& u : s.objs) {
        if (&u == &o || !u.visible || restOf(u) != Rest::Ground)
            continue;
        const QRectF t = tight(u);
        if (o.pos.x() >= t.left() && o.pos.x() <= t.right() && std::abs(o.pos.y() - t.top()) <= 6 && u.pos.y() > o.pos.y() + 4)
            return true;
    }
    return false;
}

// Set on another thing by setOnTop: it rests on that one.
bool setOnOther(const Obj& o) { return o.depthY > 0; }
bool restsOn(const Obj& top, const Obj& under) { return top.depthY > 0 && std::abs(top.depthY - under.pos.y() - 0.01) < 0.02; }

double depthOf(const Obj& o) { return o.depthY > 0 ? o.depthY : o.pos.y(); }

bool seaFloorKind(int kind) { return oneOf(kind, {Coral, Seaweed, Shell, Starfish, Crab, TreasureChest, Rock, Anchor, Diver, SwordPlant}); }
} // namespace

bool onShelf(const Scene& s, const Obj& o)
{
    return std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& r) { return !isDeck(r) && within(r, o); });
}

bool inWater(const Scene& s, double y)
{
    for (const auto& [y0, y1] : s.light.water)
        if (y > y0 + 4 && y < y1 - 1)
            return true;
    return false;
}

bool inShallows(const Scene& s, double y)
{
    constexpr double kShallows = 24;
    for (const auto& [y0, y1] : s.light.water)
        if ((y >= y0 && y < y0 + kShallows) || (y > y1 - kShallows && y <= y1))
            return true;
    return false;
}

Rest restOf(const Obj& o)
{
    switch (o.kind) {
    case Cloud: case Star: case Moon: case Planet: case Satellite: case Asteroid: case Kite: case Balloon:
    case Butterfly: case Dragonfly:
        return Rest::Air;
    case Bird:
        return o.shape == 1 ? Rest::Air : Rest::Ground;
    case Boat: case Buoy: case Swan: case Coot: case Duck:
        return Rest::Water;
    case Fish: case Jellyfish: case Bubbles: case Seahorse: case Octopus:
        return Rest::Swims;
    case Clock: case Frame: case Heart: case Paprika: case Salami: case Sconce:
        return Rest::Wall;
    case Window: case Door: case Chimney: case NumberPlate: case Sign: case Bunting: case Bulb:
        return Rest::Part;
    default:
        return Rest::Ground;
    }
}

bool comesAsSet(int kind)
{
    return oneOf(kind, {Window, Bunting, Fence, FencePost, Bulb, Paprika, Star, Tree, Fir, Bush, Reed, Seaweed, Coral, Flower,
                        Tulip, CornStalk, Sunflower, Cabbage, Cloud, Books, Grapes, Panel, Palm, Rock});
}

bool carriesWriting(int kind) { return oneOf(kind, {NumberPlate, Milestone, PriceTag, Mailbox, TramStop, Tram, Clock, Sign, Signpost}); }

bool isSparkle(int kind) { return oneOf(kind, {Star, Bulb, Bubbles}); }

double realHeight(int kind)
{
    static const std::map<int, double> cm = {
        {Barrel, 90}, {Crate, 50},
        {Cat, 30}, {Dog, 50}, {Puli, 45}, {Sheep, 90}, {Goat, 80}, {Horse, 170}, {Donkey, 130}, {Cattle, 150}, {Pig, 80},
        {Chicken, 40}, {Goose, 70}, {Rabbit, 30}, {Fox, 50}, {Deer, 130}, {Wolf, 80}, {Bear, 120}, {Llama, 170},
        {Calf, 100}, {Lamb, 60}, {Boar, 80}, {Mangalica, 70}, {Buffalo, 150}, {Camel, 200}, {Bench, 80}, {Chair, 90},
        {Stool, 45}, {BarStool, 75}, {Table, 75}, {Haybale, 110}, {Pumpkin, 35}, {Fruit, 8}, {Bread, 12}, {Jug, 25},
        {Bowl, 12}, {Pot, 22}, {MilkCan, 60}, {Bucket, 30}, {WateringCan, 35}, {Basket, 35}, {Cabbage, 25},
        {Sunflower, 180}, {CornStalk, 200}, {Bush, 100}, {Flower, 60}, {Tulip, 50},
        {Cactus, 150}, {Tent, 150}, {Snowman, 150}, {Scarecrow, 180}, {Beehive, 70}, {Bicycle, 100},
        {Wheelbarrow, 70}, {Mailbox, 120}, {Signpost, 200}, {Birdbath, 80}, {Stump, 50}, {Campfire, 40},
        {DeckChair, 90}, {Parasol, 220}, {Sandcastle, 40}, {Lifebuoy, 80}, {Bollard, 60}, {Stork, 110},
        {Heron, 90}, {Flamingo, 120}, {Pelican, 110}, {Gull, 40}, {Pigeon, 30}, {Crow, 45}, {Magpie, 45},
        {Bustard, 100}, {Cormorant, 80},
        {Chamois, 80}, {Churn, 90}, {Amphora, 60}, {Demijohn, 50}, {Lantern, 40}, {Kettle, 25},
        {TreasureChest, 50}, {Sled, 30}, {Rover, 150}, {Astronaut, 180},
    };
    const auto it = cm.find(kind);
    return it == cm.end() ? 0 : it->second;
}

double paintedHeight(const Obj& o) { return kindOf(o.kind).box.height() * o.scale; }

namespace {
// Indoors, what shines or floats is stuck or hung on the wall (star stickers, balloons).
Rest restIn(const Scene& s, const Obj& o)
{
    const Rest r = restOf(o);
    const bool room = s.surfaces.wall && !s.surfaces.afloat;
    return room && (r == Rest::Air || o.kind == Window) ? Rest::Wall : r;
}
} // namespace

std::vector<Breach> supportBreaches(const Scene& s)
{
    std::vector<Breach> out;
    const Surfaces& f = s.surfaces;
    for (int i = 0; i < int(s.objs.size()); ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        if (!o.visible && !o.spare)
            continue;
        const double y = o.pos.y();
        const bool stand = onStand(s, o) || setOnOther(o) || onTopOfAnother(s, o);
        QString why;
        switch (restIn(s, o)) {
        case Rest::Ground: {
            // A thing on a flat support stands on its foot: tipped over by
            // more than a wobble it would lean on nothing. Round things,
            // stems and things lying flat may lie any way.
            const bool drifts = f.afloat && !seaFloorKind(o.kind);
            if (!drifts && std::abs(o.rot) > kMaxLean &&
                !oneOf(o.kind, {Ball, SpinningTop, Flower, Tulip, Sunflower, Shell, Starfish, Anchor, GingerbreadMan})) {
                why = QStringLiteral("leans on nothing");
                break;
            }
            if (stand || drifts)
                break;
            const double tolerance = isBackdrop(o.kind) ? 40 : 6;
            // Big things at the far edge of the water stand on its far shore.
            const bool farShore = isBackdrop(o.kind) && std::any_of(s.light.water.begin(), s.light.water.end(),
                                                                    [&](const auto& band) { return y < band.first + 16; });
            // Long-legged birds wade in the shallows by either shore.
            const bool wades = oneOf(o.kind, {Heron, Flamingo, Stork}) && inShallows(s, y);
            // Only what is painted into the distance stands on the far shore's
            // thin strip: a fire or a bucket there would be as big as the hills.
            const bool onFarEdge = !isBackdrop(o.kind) && std::any_of(s.light.water.begin(), s.light.water.end(), [&](const auto& band) {
                return y >= band.first - 2 && y <= band.first + 4;
            });
            if ((inWater(s, y) || onFarEdge) && !farShore && !wades)
                why = QStringLiteral("stands on water");
            else if (f.ground > 0 && y < f.ground - tolerance && !farShore)
                why = f.wall ? QStringLiteral("hangs on the wall with nothing to stand on") : QStringLiteral("floats above the ground");
            break;
        }
        case Rest::Water:
            if (!stand && !f.wall && !inWater(s, y))
                why = QStringLiteral("floats out of the water");
            break;
        case Rest::Swims:
            if (!stand && !f.afloat && !inWater(s, y))
                why = QStringLiteral("swims out of the water");
            break;
        case Rest::Wall:
            if (!stand && !onHouse(s, o) && !(f.wall && y < f.ground + 2))
                why = QStringLiteral("hangs with no wall behind it");
            else if (o.kind != Window && std::any_of(f.glass.begin(), f.glass.end(), [&](const QRectF& g) { return g.intersects(QRectF(bounds(o))); }))
                why = QStringLiteral("hangs over a window's glass");
            break;
        case Rest::Air:
            if (oneOf(o.kind, {Butterfly, Dragonfly}) && inWater(s, y))
                why = QStringLiteral("rests on water");
            break;
        case Rest::Part:
            break;
        }
        if (!why.isEmpty())
            out.push_back({SceneRule::Support, i, -1, named(s, i) + QLatin1Char(' ') + why});
    }
    return out;
}

namespace {
bool standsOnSomething(const Scene& s, const Obj& o)
{
    const Rest r = restIn(s, o);
    return r == Rest::Ground || r == Rest::Water || r == Rest::Wall;
}
double shareOfSmaller(const QRectF& a, const QRectF& b)
{
    const QRectF both = a & b;
    if (both.isEmpty())
        return 0;
    return both.width() * both.height() / std::max(1.0, std::min(a.width() * a.height(), b.width() * b.height()));
}
} // namespace

namespace {
bool grows(int kind) { return oneOf(kind, {Tree, Fir, Palm}); }
} // namespace

std::vector<Breach> overlapBreaches(const Scene& s)
{
    std::vector<Breach> out;
    for (int i = 0; i < int(s.objs.size()); ++i) {
        const Obj& a = s.objs[std::size_t(i)];
        // Two trees rooted almost in one place read as one tree with two trunks.
        if (a.visible && grows(a.kind))
            for (int j = i + 1; j < int(s.objs.size()); ++j) {
                const Obj& b = s.objs[std::size_t(j)];
                const double reach = 0.3 * std::min(bounds(a).width(), bounds(b).width());
                if (b.visible && grows(b.kind) && std::abs(a.pos.x() - b.pos.x()) < reach && std::abs(a.pos.y() - b.pos.y()) < 12)
                    out.push_back({SceneRule::Overlap, j, i, named(s, j) + QStringLiteral(" grows out of the foot of ") + named(s, i)});
            }
        if (!a.visible || !standsOnSomething(s, a) || isBackdrop(a.kind))
            continue;
        for (int j = i + 1; j < int(s.objs.size()); ++j) {
            const Obj& b = s.objs[std::size_t(j)];
            if (!b.visible || !standsOnSomething(s, b) || isBackdrop(b.kind) || restsOn(a, b) || restsOn(b, a) ||
                (restIn(s, a) == Rest::Wall) != (restIn(s, b) == Rest::Wall))
                continue;
            const double share = shareOfSmaller(tight(a), tight(b));
            const double sameDepth = 0.35 * std::min(paintedHeight(a), paintedHeight(b));
            if (share > 0.15 && std::abs(a.pos.y() - b.pos.y()) < sameDepth)
                out.push_back({SceneRule::Overlap, j, i, named(s, j) + QStringLiteral(" is drawn through ") + named(s, i)});
        }
        // A set piece of the backdrop lies under everything: what stands in
        // it, or behind its foot and over it, is drawn through it.
        if (a.depthY > 0 || restIn(s, a) == Rest::Wall)
            continue;
        const QRectF box = tight(a);
        for (const QRectF& piece : s.surfaces.pieces) {
            const bool footIn = piece.adjusted(2, 1, -2, -1).contains(a.pos) && restIn(s, a) == Rest::Ground;
            const bool behindIt = a.pos.y() > piece.top() && a.pos.y() < piece.bottom() - 1 && shareOfSmaller(box, piece) > 0.15;
            if (footIn || behindIt) {
                out.push_back({SceneRule::Overlap, i, -1, named(s, i) + QStringLiteral(" is drawn through a set piece of the backdrop")});
                break;
            }
        }
    }
    return out;
}

std::vector<Breach> drawOrderBreaches(const Scene& s)
{
    std::vector<Breach> out;
    for (const Breach& b : depthBreaches(s))
        if (b.other < b.object && depthOf(s.objs[std::size_t(b.object)]) < depthOf(s.objs[std::size_t(b.other)]) - 4 &&
            b.text.endsWith(QLatin1String("drawn over it")))
            out.push_back(b);
    return out;
}

std::vector<Breach> depthBreaches(const Scene& s)
{
    std::vector<Breach> out;
    const int n = int(s.objs.size());
    for (int i = 0; i < n; ++i) {
        const Obj& a = s.objs[std::size_t(i)];
        if (!a.visible || !standsOnSomething(s, a) || restIn(s, a) == Rest::Wall)
            continue;
        for (int j = i + 1; j < n; ++j) {
            const Obj& b = s.objs[std::size_t(j)];
            if (!b.visible || !standsOnSomething(s, b) || restIn(s, b) == Rest::Wall || restsOn(b, a) || restsOn(a, b))
                continue;
            // Drawn later, b covers a: b must not stand further back (a thing
            // set on another stands where that one does).
            // A tree is no backdrop to what stands behind it: drawn over its
            // crown, a dog would seem to be up in the tree.
            const bool tree = oneOf(a.kind, {Tree, Fir, Palm}) && !oneOf(b.kind, {Tree, Fir, Palm});
            if (shareOfSmaller(tight(a), tight(b)) > 0.05 && depthOf(b) < depthOf(a) - 4 && (!isBackdrop(a.kind) || tree))
                out.push_back({SceneRule::Depth, j, i, named(s, j) + QStringLiteral(" stands behind ") + named(s, i) + QStringLiteral(" but is drawn over it")});
            // Outdoors, the same kind further back is smaller.
            const bool outdoors = !s.surfaces.wall && !s.surfaces.afloat && s.surfaces.ground > 0;
            if (outdoors && a.kind == b.kind && !onShelf(s, a) && !onShelf(s, b) && !setOnOther(a) && !setOnOther(b)) {
                const Obj& back = a.pos.y() < b.pos.y() ? a : b;
                const Obj& front = a.pos.y() < b.pos.y() ? b : a;
                if (front.pos.y() - back.pos.y() > 25 && back.scale > front.scale * 1.2)
                    out.push_back({SceneRule::Depth, &back == &a ? i : j, &back == &a ? j : i,
                                   named(s, &back == &a ? i : j) + QStringLiteral(" is further back but bigger")});
            }
        }
    }
    return out;
}

std::vector<Breach> sizeBreaches(const Scene& s)
{
    // Pixels per centimetre of everything standing on the ground or floor at
    // about the same depth. Small birds and creatures are left out: drawn to
    // scale they would be too small to see.
    std::vector<Breach> out;
    const int n = int(s.objs.size());
    std::vector<double> k(std::size_t(n), 0);
    for (int i = 0; i < n; ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        if (o.visible && restOf(o) == Rest::Ground && realHeight(o.kind) > 0 && !setOnOther(o))
            k[std::size_t(i)] = paintedHeight(o) / realHeight(o.kind);
    }
    for (int i = 0; i < n; ++i) {
        if (!k[std::size_t(i)])
            continue;
        const Obj& a = s.objs[std::size_t(i)];
        for (int j = i + 1; j < n; ++j) {
            const Obj& b = s.objs[std::size_t(j)];
            if (!k[std::size_t(j)] || std::abs(a.pos.y() - b.pos.y()) > 40 || onShelf(s, a) != onShelf(s, b))
                continue;
            const double ratio = k[std::size_t(i)] / k[std::size_t(j)];
            if (ratio > kMaxSizeRatio || ratio < 1 / kMaxSizeRatio) {
                const int big = ratio > 1 ? i : j, other = ratio > 1 ? j : i;
                out.push_back({SceneRule::Size, big, other, named(s, big) + QStringLiteral(" is out of proportion with ") + named(s, other)});
            }
        }
    }
    return out;
}

int maxCopies(const Scene& s, int kind)
{
    return s.surfaces.wall && !s.surfaces.afloat && kind != Frame && kind != Window ? kMaxCopiesIndoors : kMaxCopies;
}

std::vector<Breach> copyBreaches(const Scene& s)
{
    std::vector<Breach> out;
    std::map<int, int> seen;
    for (int i = 0; i < int(s.objs.size()); ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        // A shelf holds one kind of thing in a row; spares show on the right.
        // A flock on the wing and a shoal of fish are one set each. A room
        // has a clock or two, never a shelf full of them.
        if ((!o.visible && !o.spare) || comesAsSet(o.kind) || (onShelf(s, o) && o.kind != Clock) || (o.kind == Bird && o.shape == 1) || o.kind == Fish)
            continue;
        // A patch of pumpkins is one set as long as each has its own size,
        // build or colour: only look-alikes count as copies.
        if (o.kind == Pumpkin && !hasTwin(s, i))
            continue;
        if (++seen[o.kind] > maxCopies(s, o.kind))
            out.push_back({SceneRule::Copies, i, -1, QStringLiteral("more than %1 of %2").arg(maxCopies(s, o.kind)).arg(QString::fromLatin1(kindOf(o.kind).name))});
    }
    return out;
}

std::vector<Breach> letterBreaches(const Scene& s)
{
    std::vector<Breach> out;
    for (int i = 0; i < int(s.objs.size()); ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        if ((!o.visible && !o.spare) || !carriesWriting(o.kind))
            continue;
        if (o.mirror)
            out.push_back({SceneRule::Letters, i, -1, named(s, i) + QStringLiteral(" has its writing mirrored")});
        else if (o.kind == Milestone || o.kind == PriceTag || (o.kind == NumberPlate && !onHouse(s, o)))
            out.push_back({SceneRule::Letters, i, -1, named(s, i) + QStringLiteral(" carries a number that belongs to nothing")});
    }
    return out;
}

std::vector<Breach> edgeBreaches(const Scene& s)
{
    std::vector<Breach> out;
    const QRectF picture(0, 0, kWidth, kHeight);
    for (int i = 0; i < int(s.objs.size()); ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        if (!o.visible || comesAsSet(o.kind) || isBackdrop(o.kind) || restOf(o) == Rest::Part || o.kind == Moon)
            continue;
        const QRectF r = tight(o), in = r & picture;
        if (in.width() < r.width() * 0.8 || in.height() < r.height() * 0.8)
            out.push_back({SceneRule::EdgeCut, i, -1, named(s, i) + QStringLiteral(" is cut by the picture's edge")});
    }
    return out;
}

bool pavedGround(const Scene& s, QPointF at)
{
    // Grey all round, not at one pixel: a dark leaf of a field's vines is grey too.
    int grey = 0;
    for (int dy = -20; dy <= 20; dy += 20)
        for (int dx = -20; dx <= 20; dx += 20) {
            const QRgb here = s.base.pixel(QPoint(std::clamp(int(at.x()) + dx, 0, kWidth - 1), std::clamp(int(at.y()) + dy, 0, kHeight - 1)));
            grey += std::abs(qRed(here) - qBlue(here)) < 30 && std::abs(qRed(here) - qGreen(here)) < 30 && qGray(here) < 170;
        }
    return grey >= 8 &&
           (std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& h) { return h.kind == House && h.visible; }) ||
            std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [](const QRectF& st) { return !isDeck(st); })); // a market's stalls
}

std::vector<QRect> bareSquares(const Scene& s)
{
    QImage cover(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    cover.fill(Qt::transparent);
    {
        QPainter p(&cover);
        p.setRenderHint(QPainter::Antialiasing);
        for (const Obj& o : s.objs)
            if (o.visible)
                paintObj(p, o);
    }
    const Surfaces& f = s.surfaces;
    // Summed counts of bare pixels: neither covered by a thing nor open sky (or open water below the sea).
    std::vector<int> sum(std::size_t((kWidth + 1) * (kHeight + 1)), 0);
    const bool skyKnown = !s.light.sky.isNull();
    for (int y = 0; y < kHeight; ++y) {
        const auto* c = reinterpret_cast<const QRgb*>(cover.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(s.base.constScanLine(y));
        const QRgb* sky = skyKnown ? reinterpret_cast<const QRgb*>(s.light.sky.constScanLine(y)) : nullptr;
        const bool open = (f.afloat && (f.ground <= 0 || y < f.ground)) || (!skyKnown && !f.wall && f.ground > 0 && y < f.ground);
        for (int x = 0; x < kWidth; ++x) {
            // A window's glass shows the street, not bare wall; a rug, a table or a counter is the room furnished.
            const bool glass = std::any_of(f.glass.begin(), f.glass.end(), [&](const QRectF& g) { return g.contains(x + 0.5, y + 0.5); }) ||
                               std::any_of(f.rugs.begin(), f.rugs.end(), [&](const QRectF& g) { return g.contains(x + 0.5, y + 0.5); }) ||
                               std::any_of(f.furniture.begin(), f.furniture.end(), [&](const QRectF& g) { return g.contains(x + 0.5, y + 0.5); });
            const bool isSky = open || glass || (sky && channelSum(b[x], sky[x]) <= 12);
            const int bare = qAlpha(c[x]) < 40 && !isSky;
            sum[std::size_t((y + 1) * (kWidth + 1) + x + 1)] = bare + sum[std::size_t(y * (kWidth + 1) + x + 1)] +
                                                                sum[std::size_t((y + 1) * (kWidth + 1) + x)] - sum[std::size_t(y * (kWidth + 1) + x)];
        }
    }
    // Summed luma and its square, so that a square showing painted detail
    // (an awning, a skyline, hills) is not taken for a bare one.
    std::vector<double> lum(std::size_t((kWidth + 1) * (kHeight + 1)), 0), lum2(lum.size(), 0);
    for (int y = 0; y < kHeight; ++y) {
        const auto* b = reinterpret_cast<const QRgb*>(s.base.constScanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double l = qGray(b[x]);
            const std::size_t at = std::size_t((y + 1) * (kWidth + 1) + x + 1), up = std::size_t(y * (kWidth + 1) + x + 1),
                              left = std::size_t((y + 1) * (kWidth + 1) + x), diag = std::size_t(y * (kWidth + 1) + x);
            lum[at] = l + lum[up] + lum[left] - lum[diag];
            lum2[at] = l * l + lum2[up] + lum2[left] - lum2[diag];
        }
    }
    auto spread = [&](int x, int y, int side) {
        const auto box = [&](const std::vector<double>& v) {
            const auto at = [&](int xx, int yy) { return v[std::size_t(yy * (kWidth + 1) + xx)]; };
            return at(x + side, y + side) - at(x, y + side) - at(x + side, y) + at(x, y);
        };
        const double n = double(side) * side, mean = box(lum) / n;
        return std::sqrt(std::max(0.0, box(lum2) / n - mean * mean));
    };
    auto bareIn = [&](int x, int y, int side) {
        const auto at = [&](int xx, int yy) { return sum[std::size_t(yy * (kWidth + 1) + xx)]; };
        return at(x + side, y + side) - at(x, y + side) - at(x + side, y) + at(x, y);
    };
    // A town's paving or a deck is bare, whatever its grain, where nothing
    // stands on it: elsewhere painted detail (an awning, a skyline, hills, a
    // shop front, a field's furrows) still counts as furnishing a square.
    // A sparrow or two does not furnish a stretch of floor or field.
    constexpr double kStrayShare = 0.04;
    const auto onFloor = [&](const QRect& sq) {
        // Not yet a room's floor (rugs would patch it), nor fields, sand or snow
        // (what furnishes them in groups is still to come); the far strip below
        // the horizon is the view's.
        if (f.afloat || f.wall || f.ground <= 0 || sq.top() < f.ground + 30)
            return false;
        const bool deck = std::any_of(f.stands.begin(), f.stands.end(), [&](const QRectF& st) { return isDeck(st) && st.contains(QRectF(sq)); });
        const bool dry = std::none_of(s.light.water.begin(), s.light.water.end(),
                                      [&](const auto& band) { return sq.top() < band.second && sq.bottom() > band.first; });
        return deck || (dry && pavedGround(s, QRectF(sq).center()));
    };
    std::vector<QRect> out;
    for (int y = 0; y + kBareSide <= kHeight; y += 6)
        for (int x = 0; x + kBareSide <= kWidth; x += 6) {
            const QRect sq(x, y, kBareSide, kBareSide);
            if (bareIn(x, y, kBareSide) < (onFloor(sq) ? kBareSide * kBareSide * (1 - kStrayShare) : kBareSide * kBareSide) ||
                (spread(x, y, kBareSide) > kBareSpread && !onFloor(sq)))
                continue;
            if (std::none_of(out.begin(), out.end(), [&](const QRect& o) { return o.intersects(sq); }))
                out.push_back(sq);
        }
    return out;
}

std::vector<Breach> emptyBandBreaches(const Scene& s)
{
    std::vector<Breach> out;
    for (const QRect& r : bareSquares(s))
        out.push_back({SceneRule::EmptyBand, -1, -1, QStringLiteral("bare backdrop from (%1, %2) to (%3, %4)")
                                                          .arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom())});
    return out;
}

bool needsAnchor(int kind)
{
    return oneOf(kind, {Lamp, Mailbox, Bench, Barrel, Crate, Bucket, MilkCan, Basket, Wheelbarrow, Bicycle, Chair, Stool,
                        BarStool, Signpost, Bollard, TramStop, BirdFeeder, WateringCan, Lantern, Pot, Jug, Churn, Amphora,
                        Demijohn, Sled, Lifebuoy, Kettle, Cauldron, Vase, Bottle, Cup, Bowl, Jar, Plate, Glass,
                        Ball, Blocks, Car, Robot, Drum, SpinningTop, Dice, GiftBox, Teddy, Globe, SewingMachine, Inkwell,
                        Honeypot, CoffeePot, Tureen, BeerMug, SaltShaker, Goblet, Candle, Teapot, Birdbath, Parasol, DeckChair});
}

bool isAnchor(int kind)
{
    return oneOf(kind, {House, Fence, FencePost, Tree, Fir, Palm, Table, Tent, Lighthouse, SweepWell, Haybale, Stump,
                        Campfire, Boat, Snowman, Scarecrow, Beehive, Tram, Module, Rover});
}

bool onDeck(const Scene& s, const Obj& o)
{
    return std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& r) { return isDeck(r) && within(r, o); });
}

bool isDeckAnchor(int kind) { return oneOf(kind, {Bollard, Crate, Barrel, FishingNet}); }

bool isDeckCargo(int kind) { return oneOf(kind, {Anchor, FishingNet, Fish, Shell, Starfish, Crab, TreasureChest}); }

bool anchorsPropHere(const Scene& s, const Obj& anchor, const Obj& prop)
{
    if (anchorsProp(anchor.kind, prop.kind))
        return true;
    return isDeckAnchor(anchor.kind) && !isStreetProp(prop.kind) && onDeck(s, prop) && onDeck(s, anchor);
}

bool isStreetProp(int kind) { return oneOf(kind, {Lamp, Mailbox, Bench, Signpost, Bollard, TramStop}); }

bool isFood(int kind) { return oneOf(kind, {Bread, Cheese, Cake, Pretzel, Cupcake, Donut, ChimneyCake, GingerbreadMan, Honeypot}); }

bool anchorsProp(int anchor, int prop)
{
    if (!isAnchor(anchor))
        return false;
    return !isStreetProp(prop) || oneOf(anchor, {House, Fence, FencePost, Tree, Fir, Palm, Tram, Lighthouse, Boat});
}

namespace {
// How far apart two boxes are (0 when they touch or overlap).
double gap(const QRectF& a, const QRectF& b)
{
    const double dx = std::max({0.0, a.left() - b.right(), b.left() - a.right()});
    const double dy = std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::hypot(dx, dy);
}
// Whether a prop's foot is by what the scene itself is built against: the
// wall of a room, a counter or shelf, a shore.
bool byTheScene(const Scene& s, const Obj& o)
{
    const double y = o.pos.y();
    const bool counters = std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [](const QRectF& st) { return !isDeck(st); });
    // At the foot of a room's wall, or of the stalls and counters a market is built of.
    if ((s.surfaces.wall || counters) && s.surfaces.ground > 0 && y >= s.surfaces.ground && y <= s.surfaces.ground + kAnchorReach)
        return true;
    // Under or beside a table, a counter or a desk (a basket, a chair), or
    // by a hen house, a trough or a pool painted into a yard.
    for (const auto* painted : {&s.surfaces.furniture, &s.surfaces.pieces})
        for (const QRectF& f : *painted)
            if (o.pos.x() >= f.left() - kAnchorReach && o.pos.x() <= f.right() + kAnchorReach && y >= f.top() && y <= f.bottom() + kAnchorReach)
                return true;
    for (const QRectF& st : s.surfaces.stands) {
        // A deck's edge over the water is a quay's: bollards and moorings stand along it.
        if (isDeck(st) && within(st, o) && y - st.top() <= kAnchorReach * 0.6)
            return true;
        if (!isDeck(st) && !isStreetProp(o.kind) && o.pos.x() >= st.left() - kAnchorReach && o.pos.x() <= st.right() + kAnchorReach &&
            std::abs(y - st.bottom()) <= kAnchorReach)
            return true;
    }
    return onRugOrShore(s, o);
}
} // namespace

bool onRugOrShore(const Scene& s, const Obj& o)
{
    for (const QRectF& rug : s.surfaces.rugs)
        if (rug.contains(o.pos))
            return true;
    for (const auto& [y0, y1] : s.light.water)
        if (std::abs(o.pos.y() - y0) <= kAnchorReach * 0.6 || std::abs(o.pos.y() - y1) <= kAnchorReach * 0.6)
            return true;
    return false;
}

std::vector<bool> strandedProps(const Scene& s)
{
    const int n = int(s.objs.size());
    std::vector<bool> stranded(std::size_t(n), false);
    // Under the sea and in space things drift; elsewhere a prop on the
    // ground needs its anchor.
    if (s.surfaces.afloat)
        return stranded;
    std::vector<int> props;
    for (int i = 0; i < n; ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        // Produce lies loose in a field; where there are stalls, it is their goods.
        const bool goods = !s.surfaces.stands.empty() && !s.surfaces.wall && oneOf(o.kind, {Pumpkin, Watermelon, Cabbage, Fruit});
        // Street furniture stands on the ground, never on a counter or a shelf.
        const bool food = isFood(o.kind) && !s.surfaces.tableTop; // on a table top, food is where it belongs
        const bool cargo = isDeckCargo(o.kind) && onDeck(s, o); // on a pier, gear lies where it is used
        if ((o.visible || o.spare) && (needsAnchor(o.kind) || goods || food || cargo) && restOf(o) == Rest::Ground && !setOnOther(o) &&
            (!onShelf(s, o) || isStreetProp(o.kind)) &&
            !onTopOfAnother(s, o) && (s.surfaces.ground <= 0 || o.pos.y() >= s.surfaces.ground - 6))
            props.push_back(i);
    }
    // Its foot beside an anchor's foot, at about the same depth.
    auto byAnchor = [&](const Obj& o) {
        if (isFood(o.kind))
            return std::any_of(s.surfaces.rugs.begin(), s.surfaces.rugs.end(), [&](const QRectF& rug) { return rug.contains(o.pos); });
        const QRectF mine = tight(o);
        for (const Obj& a : s.objs) {
            if (&a == &o || !a.visible || !anchorsPropHere(s, a, o))
                continue;
            const QRectF foot = QRectF(tight(a).left(), a.pos.y() - 16, tight(a).width(), 24);
            if (gap(QRectF(mine.left(), o.pos.y() - 8, mine.width(), 8), foot) <= kAnchorReach)
                return true;
        }
        return byTheScene(s, o);
    };
    std::vector<bool> held(std::size_t(n), false);
    for (int i : props)
        held[std::size_t(i)] = byAnchor(s.objs[std::size_t(i)]);
    // A group holds together: a prop close by a held one is held too.
    for (bool grew = true; grew;) {
        grew = false;
        for (int i : props) {
            if (held[std::size_t(i)] || isStreetProp(s.objs[std::size_t(i)].kind) || isFood(s.objs[std::size_t(i)].kind))
                continue;
            const Obj& o = s.objs[std::size_t(i)];
            for (int j : props)
                if (held[std::size_t(j)] && std::abs(s.objs[std::size_t(j)].pos.y() - o.pos.y()) <= kAnchorReach * 0.7 &&
                    gap(tight(o), tight(s.objs[std::size_t(j)])) <= kAnchorReach * 0.4) {
                    held[std::size_t(i)] = grew = true;
                    break;
                }
        }
    }
    for (int i : props)
        stranded[std::size_t(i)] = !held[std::size_t(i)];
    return stranded;
}

std::vector<Breach> anchorBreaches(const Scene& s)
{
    std::vector<Breach> out;
    const std::vector<bool> stranded = strandedProps(s);
    for (int i = 0; i < int(s.objs.size()); ++i)
        if (stranded[std::size_t(i)])
            out.push_back({SceneRule::Anchor, i, -1, named(s, i) + QStringLiteral(" stands alone in the open, by nothing")});
    return out;
}

std::vector<Breach> sceneBreaches(const Scene& s)
{
    std::vector<Breach> out;
    for (auto rule : {supportBreaches, overlapBreaches, depthBreaches, sizeBreaches, copyBreaches, letterBreaches, edgeBreaches,
                      emptyBandBreaches, anchorBreaches}) {
        std::vector<Breach> b = rule(s);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

std::vector<QColor> naturalColours(int kind)
{
    const QColor brown(150, 100, 60), black(55, 50, 50), white(238, 234, 224), grey(140, 140, 145), ginger(215, 145, 75);
    switch (kind) {
    case Fruit: return {QColor(200, 40, 40), QColor(150, 190, 50), QColor(240, 200, 50), QColor(240, 150, 30)};
    case Pumpkin: return {QColor(235, 130, 30), QColor(240, 190, 60), QColor(235, 228, 205), QColor(95, 125, 60)};
    case Cat: return {ginger, black, grey, white, QColor(120, 90, 60)};
    case Dog: case Puli: case Goat: case Calf: case Llama: case Rabbit: case Horse: case Chicken:
        return {brown, black, white, QColor(210, 170, 110), QColor(160, 80, 40)};
    case Crab: return {QColor(220, 70, 40), QColor(230, 120, 50), QColor(150, 90, 50)};
    case Starfish: return {QColor(240, 120, 60), QColor(215, 55, 50), QColor(245, 200, 70), QColor(150, 70, 120)};
    case Shell: return {QColor(240, 200, 180), QColor(245, 240, 230), QColor(230, 160, 160), QColor(170, 120, 80)};
    case Bird: return {QColor(110, 90, 70), grey, black, white, QColor(70, 110, 190)};
    case Gull: case Goose: return {white, grey};
    case Frog: case Lizard: return {QColor(90, 160, 60), QColor(140, 110, 60), QColor(60, 110, 50)};
    case Mushroom: return {QColor(200, 60, 30), QColor(150, 100, 60), QColor(240, 235, 220)};
    case Tree: return {QColor(70, 140, 60), QColor(110, 160, 60), QColor(220, 170, 50), QColor(210, 110, 40)};
    // Water weed is green, olive or the red-brown of its red-leaved kinds; never white or black.
    case Seaweed: case SwordPlant: return {QColor(60, 140, 70), QColor(110, 150, 60), QColor(40, 100, 60), QColor(160, 80, 60)};
    case Grapes: return {QColor(110, 50, 110), QColor(170, 190, 80)};
    case Watermelon: return {QColor(225, 60, 60), QColor(245, 210, 70)};
    case Sunflower: return {QColor(245, 200, 40), QColor(230, 140, 40)};
    case Pig: return {QColor(240, 170, 170), black, QColor(150, 100, 70)};
    case Duck: return {white, brown, QColor(120, 95, 70)}; // a yellow one on open water is a bath toy
    case Seahorse: case Octopus: return {QColor(245, 190, 60), QColor(240, 120, 90), QColor(150, 100, 60), QColor(200, 70, 60)};
    case Heart: return {QColor(170, 70, 40), QColor(200, 40, 40), QColor(130, 80, 45)};
    case Bread: case Pretzel: case ChimneyCake: return {QColor(200, 140, 70), QColor(170, 100, 45), QColor(225, 180, 110)};
    case Cabbage: return {QColor(120, 170, 80), QColor(130, 60, 120)};
    case Tulip: case Flower: return {QColor(220, 40, 50), QColor(245, 200, 40), QColor(230, 120, 170), QColor(245, 240, 235), QColor(240, 130, 40), QColor(130, 70, 170)};
    default: return {};
    }
}

bool hasTwin(const Scene& s, int object)
{
    const Obj& a = s.objs[std::size_t(object)];
    for (int j = 0; j < int(s.objs.size()); ++j) {
        const Obj& b = s.objs[std::size_t(j)];
        if (j == object || !b.visible || b.kind != a.kind || b.shape != a.shape)
            continue;
        const double ratio = a.scale / b.scale;
        if (colourDistance(a.c1.rgb(), b.c1.rgb()) < kTwinColour && colourDistance(a.c2.rgb(), b.c2.rgb()) < kTwinColour &&
            ratio > 0.8 && ratio < 1 / 0.8)
            return true;
    }
    return false;
}

namespace {
double meanLuma(const QImage& img, const QRect& r)
{
    const QRect in = r & img.rect();
    if (in.isEmpty())
        return 255;
    double sum = 0;
    for (int y = in.top(); y <= in.bottom(); ++y)
        for (int x = in.left(); x <= in.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            sum += 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c);
        }
    return sum / (in.width() * in.height());
}
// The luma nine tenths of the way up the box's pixels: what the thing's
// lit parts show, whatever dark sky fills the rest of its box.
double brightLuma(const QImage& img, const QRect& r)
{
    const QRect in = r & img.rect();
    if (in.isEmpty())
        return 255;
    std::vector<int> luma;
    luma.reserve(std::size_t(in.width()) * std::size_t(in.height()));
    for (int y = in.top(); y <= in.bottom(); ++y)
        for (int x = in.left(); x <= in.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            luma.push_back((30 * qRed(c) + 59 * qGreen(c) + 11 * qBlue(c)) / 100);
        }
    const auto at = luma.begin() + std::ptrdiff_t(luma.size() * 9 / 10);
    std::nth_element(luma.begin(), at, luma.end());
    return *at;
}
} // namespace

QString unfairFor(const Scene& s, const QImage& left, int object)
{
    const Obj& o = s.objs[std::size_t(object)];
    if (isSparkle(o.kind))
        return QStringLiteral("a sparkle or tiny light");
    const QRectF r = tight(o);
    if (r.width() < kMinDifferencePx || r.height() < kMinDifferencePx)
        return QStringLiteral("smaller than %1 px").arg(kMinDifferencePx);
    if (hasTwin(s, object))
        return QStringLiteral("one of identical twins");
    if (!left.isNull()) {
        const QRect box = r.toAlignedRect();
        // A dark thing against the dark; a white suit against the night shows.
        if (meanLuma(left, box) < 55 && meanLuma(left, box.adjusted(-10, -10, 10, 10)) < 60 && brightLuma(left, box) < 90)
            return QStringLiteral("dark on dark");
    }
    return {};
}

int maxColourOnly(int count) { return int(std::floor(kMaxColourOnlyShare * count + 1e-9)); }

int mostInAQuarter(const std::vector<QPoint>& points)
{
    // The four quarters of the height, top to bottom.
    int in[4] = {};
    for (const QPoint& p : points)
        ++in[std::clamp(p.y() * 4 / kHeight, 0, 3)];
    return *std::max_element(std::begin(in), std::end(in));
}

bool crowded(const std::vector<QPoint>& points, int total) { return total >= 6 && 2 * mostInAQuarter(points) > total; }

std::vector<Breach> differenceBreaches(const Scene& s, const QImage& left, const std::vector<Difference>& diffs)
{
    std::vector<Breach> out;
    int colourOnly = 0;
    std::vector<QPoint> points;
    for (const Difference& d : diffs) {
        points.push_back(d.point);
        colourOnly += (d.mod & kColourOnlyMods) != 0;
        if (d.object < 0 || d.object >= int(s.objs.size()))
            continue;
        const QString which = QStringLiteral("the %1 at (%2, %3)").arg(modName(d.mod)).arg(d.point.x()).arg(d.point.y());
        const QString unfair = unfairFor(s, left, d.object);
        if (!unfair.isEmpty())
            out.push_back({SceneRule::Unfair, d.object, -1, which + QStringLiteral(" is on ") + unfair});
        if (d.mod == Recolour) {
            const Kind& k = kindOf(d.after.kind);
            const QColor now = k.recolour == 3 ? d.after.c3 : k.recolour == 2 ? d.after.c2 : d.after.c1;
            const std::vector<QColor> natural = k.recolour == 1 ? naturalColours(d.after.kind) : std::vector<QColor>();
            if (!natural.empty() && std::none_of(natural.begin(), natural.end(), [&](const QColor& c) { return colourDistance(c.rgb(), now.rgb()) <= 70; }))
                out.push_back({SceneRule::Palette, d.object, -1, which + QStringLiteral(" gives a %1 a colour it never has (%2)")
                                                                     .arg(QString::fromLatin1(k.name)).arg(now.name())});
        }
    }
    if (colourOnly > maxColourOnly(int(diffs.size())))
        out.push_back({SceneRule::ColourOnly, -1, -1, QStringLiteral("%1 of %2 differences change colour only").arg(colourOnly).arg(diffs.size())});
    if (crowded(points, int(points.size())))
        out.push_back({SceneRule::Spread, -1, -1, QStringLiteral("more than half of the %1 differences in a quarter of the height").arg(points.size())});
    return out;
}

std::vector<float> layoutThumbnail(const QImage& picture)
{
    // Grey means of 16 x 16 blocks, the picture's own mean taken away.
    constexpr int block = 16;
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width() / block, h = img.height() / block;
    std::vector<float> out(std::size_t(w * h), 0.f);
    for (int y = 0; y < h * block; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w * block; ++x)
            out[std::size_t((y / block) * w + x / block)] += float(qGray(line[x])) / (block * block);
    }
    // Each row's own mean taken away: what is left is where the masses
    // stand across the picture, not where a sky meets its ground.
    for (int y = 0; y < h; ++y) {
        double mean = 0;
        for (int x = 0; x < w; ++x)
            mean += out[std::size_t(y * w + x)];
        mean /= std::max(1, w);
        for (int x = 0; x < w; ++x)
            out[std::size_t(y * w + x)] -= float(mean);
    }
    return out;
}

namespace {
double uncorrelated(const std::vector<float>& a, const std::vector<float>& b, bool mirrored)
{
    constexpr int w = kWidth / 16; // the thumbnail's blocks across
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t j = mirrored ? i - i % w + (w - 1 - i % w) : i;
        ab += double(a[i]) * b[j], aa += double(a[i]) * a[i], bb += double(b[j]) * b[j];
    }
    if (aa <= 0 || bb <= 0)
        return aa == bb ? 0 : 1;
    return 1 - ab / std::sqrt(aa * bb);
}
} // namespace

double layoutDistance(const std::vector<float>& a, const std::vector<float>& b)
{
    if (a.size() != b.size() || a.empty())
        return 0;
    // A scene seen from the other side is the same arrangement.
    const bool blocks = a.size() == std::size_t((kWidth / 16) * (kHeight / 16));
    return std::min(uncorrelated(a, b, false), blocks ? uncorrelated(a, b, true) : 1.0);
}

} // namespace levelgen
