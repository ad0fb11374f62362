#include "tools/levelgen/tidy.h"

#include "tools/levelgen/compose.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rules.h"
#include "tools/levelgen/scenerules.h"
#include "tools/levelgen/themekit.h"

#include <algorithm>
#include <map>

namespace levelgen {

namespace {
// Outdoors, things of a kind further back get the smaller of the kind's sizes.
void smallerFurtherBack(Scene& s)
{
    if (s.surfaces.wall || s.surfaces.afloat || s.surfaces.ground <= 0)
        return;
    std::map<int, std::vector<std::size_t>> byKind;
    for (std::size_t i = 0; i < s.objs.size(); ++i) {
        const Obj& o = s.objs[i];
        if (o.loose && o.depthY <= 0 && restOf(o) == Rest::Ground && !(o.deny & Resize))
            byKind[o.kind].push_back(i);
    }
    for (auto& [kind, list] : byKind) {
        std::vector<double> scales;
        for (std::size_t i : list)
            scales.push_back(s.objs[i].scale);
        std::sort(scales.begin(), scales.end());
        std::stable_sort(list.begin(), list.end(), [&](std::size_t a, std::size_t b) { return s.objs[a].pos.y() < s.objs[b].pos.y(); });
        for (std::size_t k = 0; k < list.size(); ++k)
            s.objs[list[k]].scale = scales[k];
    }
}

// Things standing at about the same depth drawn to one scale: none is drawn
// more than 1.8 times the middle pixels-per-centimetre of its neighbours.
void keepInProportion(Scene& s)
{
    const int n = int(s.objs.size());
    auto known = [&](const Obj& o) { return o.visible && restOf(o) == Rest::Ground && realHeight(o.kind) > 0 && o.depthY <= 0; };
    for (int i = 0; i < n; ++i) {
        Obj& o = s.objs[std::size_t(i)];
        if (!known(o) || o.kind == House || (o.deny & Resize)) // something is set on it
            continue;
        std::vector<double> ks;
        for (const Obj& other : s.objs)
            if (&other != &o && known(other) && std::abs(other.pos.y() - o.pos.y()) < 40)
                ks.push_back(paintedHeight(other) / realHeight(other.kind));
        if (ks.size() < 2)
            continue;
        std::nth_element(ks.begin(), ks.begin() + std::ptrdiff_t(ks.size() / 2), ks.end());
        const double median = ks[ks.size() / 2], k = paintedHeight(o) / realHeight(o.kind);
        if (k > 1.8 * median) // only ever smaller: a thing grown could reach into its neighbour
            o.scale *= 1.8 * median / k;
    }
}

// Takes away the marked objects and whatever was set on them.
void takeAway(Scene& s, std::vector<bool> gone)
{
    for (std::size_t i = 0; i < s.objs.size(); ++i)
        if (gone[i])
            for (std::size_t j = 0; j < s.objs.size(); ++j)
                if (s.objs[j].depthY > 0 && std::abs(s.objs[j].depthY - s.objs[i].pos.y() - 0.01) < 0.02 &&
                    std::abs(s.objs[j].pos.x() - s.objs[i].pos.x()) < 40)
                    gone[j] = true;
    std::vector<Obj> kept;
    for (std::size_t i = 0; i < s.objs.size(); ++i)
        if (!gone[i])
            kept.push_back(s.objs[i]);
    s.objs = std::move(kept);
}
bool isBackdropKind(int kind);

// Moves each prop standing alone in the open to the foot of the nearest
// thing that explains it (beside a house front, a fence, a tree, a table, a
// room's wall) or beside a prop already there, so that it joins a group;
// what was set on it moves with it. One with no free place there goes.
void anchorStrandedProps(Scene& s)
{
    const std::vector<bool> stranded = strandedProps(s);
    if (std::none_of(stranded.begin(), stranded.end(), [](bool b) { return b; }))
        return;
    std::vector<bool> now = stranded; // as things are moved, they join the held ones
    std::vector<QRect> box(s.objs.size());
    for (std::size_t j = 0; j < s.objs.size(); ++j)
        box[j] = bounds(s.objs[j]);
    std::vector<bool> gone(s.objs.size(), false);
    bool any = false;
    for (std::size_t i = 0; i < s.objs.size(); ++i) {
        if (!stranded[i])
            continue;
        const Obj was = s.objs[i];
        const auto setOnIt = [&was](const Obj& o) {
            return o.depthY > 0 && std::abs(o.depthY - was.pos.y() - 0.01) < 0.02 && std::abs(o.pos.x() - was.pos.x()) < 40;
        };
        const QRect own = bounds(was);
        const double half = own.width() / 2.0 + 3;
        // Where it could stand: beside each anchor's foot or just in front of it, nearest first.
        std::vector<std::pair<double, QPointF>> spots;
        for (std::size_t j = 0; j < s.objs.size(); ++j) {
            const Obj& a = s.objs[j];
            const bool held = needsAnchor(a.kind) && (a.visible || a.spare) && !now[j] && j != i && a.depthY <= 0 && !isStreetProp(was.kind);
            if (isFood(was.kind) || !a.visible || (!anchorsPropHere(s, a, was) && !held) || a.pos.y() < s.surfaces.ground)
                continue;
            const QRect b = bounds(a);
            const double left = held ? b.left() : b.left() + b.width() * 0.15, right = held ? b.right() : b.right() - b.width() * 0.15;
            for (const double dy : {3.0, 9.0, 16.0}) {
                spots.emplace_back(0, QPointF(left - half - 1, a.pos.y() + dy));
                spots.emplace_back(0, QPointF(right + half + 1, a.pos.y() + dy));
            }
            if (!held)
                for (const double f : {0.25, 0.75})
                    spots.emplace_back(0, QPointF(b.left() + b.width() * f, a.pos.y() + 14 + own.height() * 0.3));
        }
        if (!isStreetProp(was.kind) && own.width() < 44 && realHeight(was.kind) <= 40) // small things up on a counter or a shelf
            for (const QRectF& st : s.surfaces.stands)
                for (double x = st.left() + half + 2; x < st.right() - half - 2 && !isDeck(st); x += 10)
                    spots.emplace_back(0, QPointF(x, st.top()));
        for (const QRectF& st : isStreetProp(was.kind) ? s.surfaces.stands : std::vector<QRectF>()) // a bollard along a deck's edge
            for (double x = st.left() + half + 8; x < st.right() - half - 8 && isDeck(st); x += 12)
                spots.emplace_back(0, QPointF(x, st.top() + 10));
        for (const QRectF& rug : isStreetProp(was.kind) ? std::vector<QRectF>() : s.surfaces.rugs) // on a rug, among what lies there
            for (double y = rug.top() + 14 + own.height() * 0.6; y < rug.bottom() - 4; y += 14)
                for (double x = rug.left() + half + 4; x < rug.right() - half - 4; x += 14)
                    spots.emplace_back(0, QPointF(x, y));
        const bool counters = std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [](const QRectF& st) { return !isDeck(st); });
        if ((s.surfaces.wall || counters) && s.surfaces.ground > 0 && !isFood(was.kind)) // along the foot of a room's wall or a market's stalls
            for (double x = 14 + half; x < kWidth - 14 - half; x += 12)
                spots.emplace_back(0, QPointF(x, s.surfaces.ground + 10 + (int(x) % 3) * 6));
        for (auto& [d, at] : spots)
            d = std::hypot(at.x() - was.pos.x(), (at.y() - was.pos.y()) * 1.5);
        std::stable_sort(spots.begin(), spots.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        bool placed = false;
        for (const auto& [d, at] : spots) {
            Obj probe = was;
            probe.pos = at;
            probe.scale = was.scale * std::clamp(1 + (at.y() - was.pos.y()) / 900.0, 0.8, 1.2);
            const QRect mine = bounds(probe);
            const bool onAStand = std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& st) {
                return std::abs(at.y() - st.top()) < 0.5 && at.x() >= st.left() && at.x() <= st.right();
            });
            const bool deck = std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& st) {
                return isDeck(st) && st.contains(at);
            });
            if (!QRect(6, 6, kWidth - 12, kHeight - 12).contains(mine) || (inWater(s, at.y()) && !deck) ||
                (s.surfaces.ground > 0 && at.y() < s.surfaces.ground + 3 && !onAStand))
                continue;
            bool free = true;
            for (std::size_t j = 0; j < s.objs.size() && free; ++j) {
                if (j == i || !box[j].adjusted(-2, -2, 2, 2).intersects(mine))
                    continue;
                const Obj& o = s.objs[j];
                free = setOnIt(o) || !(o.visible || o.spare) || isBackdropKind(o.kind) || restOf(o) == Rest::Air || restOf(o) == Rest::Part;
            }
            if (!free)
                continue;
            const QPointF shift = at - was.pos;
            for (std::size_t j = 0; j < s.objs.size(); ++j) { // what was set on it comes along
                Obj& o = s.objs[j];
                if (setOnIt(o))
                    o.pos += shift, o.depthY = at.y() + 0.01, box[j] = bounds(o);
            }
            s.objs[i] = probe;
            box[i] = mine;
            now[i] = false;
            placed = true;
            break;
        }
        if (!placed)
            gone[i] = any = true;
    }
    if (any)
        takeAway(s, gone);
}
} // namespace

void drawNearerLater(Scene& s)
{
    for (int moves = 0; moves < 40; ++moves) {
        const std::vector<Breach> order = drawOrderBreaches(s);
        const auto wrong = std::find_if(order.begin(), order.end(), [](const Breach& b) { return b.other < b.object; });
        if (wrong == order.end())
            return;
        const Obj further = s.objs[std::size_t(wrong->object)];
        s.objs.erase(s.objs.begin() + wrong->object);
        s.objs.insert(s.objs.begin() + wrong->other, further);
    }
}

void tidyScene(Scene& s)
{
    for (Obj& o : s.objs)
        if (carriesWriting(o.kind))
            o.mirror = false, o.deny |= Mirror;
    anchorStrandedProps(s); // first: what moves takes the proportions of its new neighbours
    keepInProportion(s);
    smallerFurtherBack(s);
    drawNearerLater(s);
    for (int pass = 0; pass < 6; ++pass) {
        std::vector<bool> gone(s.objs.size(), false);
        bool any = false;
        for (auto rule : {letterBreaches, supportBreaches, edgeBreaches, copyBreaches, overlapBreaches, depthBreaches, sizeBreaches, anchorBreaches})
            for (const Breach& b : rule(s))
                if (b.object >= 0 && !gone[std::size_t(b.object)] && (b.other < 0 || !gone[std::size_t(b.other)]))
                    gone[std::size_t(b.object)] = any = true;
        if (!any)
            return;
        takeAway(s, gone);
    }
}

void distinguishTwins(Scene& s, Rng& r)
{
    for (int i = 0; i < int(s.objs.size()); ++i) {
        // Trees and bushes stay green: a row of them is alike by nature
        // (and carries no difference), never one white and one orange.
        const int kind = s.objs[std::size_t(i)].kind;
        if (kind == Tree || kind == Fir || kind == Palm || kind == Bush || !hasTwin(s, i))
            continue;
        Obj& o = s.objs[std::size_t(i)];
        const std::vector<QColor> natural = naturalColours(o.kind);
        const QColor was1 = o.c1, was2 = o.c2;
        for (int tries = 0; tries < 9 && hasTwin(s, i); ++tries) {
            if (!natural.empty() && tries < 3)
                o.c1 = vary(natural[r.next() % natural.size()], r, 0.05);
            else if (tries < 6)
                o.c1 = shade(was1, (tries + i) % 2 ? 1.3 + 0.1 * tries : 0.7 - 0.05 * tries);
            else if (was2.isValid() && natural.empty()) // white suits, white jars: their second colour tells them apart
                o.c1 = was1, o.c2 = hueShift(was2, 70 * (tries - 5));
        }
    }
}

namespace {
bool isBackdropKind(int kind) { return kind == House || kind == Tree || kind == Fir || kind == Palm || kind == Cloud; }
} // namespace

namespace {

int copiesOf(const Scene& s, int kind)
{
    int n = 0;
    for (const Obj& o : s.objs)
        n += (o.visible || o.spare) && o.kind == kind;
    return n;
}

// A thing that stands on the ground here already, to have one more of.
const Obj* groundTemplate(const Scene& s, Rng& r, double y)
{
    std::vector<const Obj*> sets, others;
    const Rest wanted = inWater(s, y) ? Rest::Water : Rest::Ground;
    for (const Obj& o : s.objs) {
        if (!o.visible || o.spare || o.depthY > 0 || restOf(o) != wanted || std::abs(o.pos.y() - y) > 160)
            continue;
        // Low things that come many to a place (flowers, stones, cabbages); not the
        // tall ones a scene plants where it wants them (corn; palms and trees but
        // on the far ground), which would stand about the foreground as a wood.
        const bool tall = o.kind == CornStalk || o.kind == Sunflower || ((o.kind == Palm || o.kind == Tree || o.kind == Fir) && y > s.surfaces.ground + 60);
        // Grapes hang on a vine or lie in a bowl, never loose on the ground;
        // cabbages and tulips grow in the bed they were planted in, not out of the lawn;
        // a fence runs round something, and a piece of it alone in a field fences in nothing;
        // solar panels stand in their base's array, not about the plain.
        const bool planted = o.kind == Grapes || o.kind == Cabbage || o.kind == Tulip || o.kind == Fence || o.kind == FencePost || o.kind == Panel;
        if (comesAsSet(o.kind) && o.kind != Books && !planted && !tall)
            sets.push_back(&o);
        else if ((o.loose || wanted == Rest::Water) && copiesOf(s, o.kind) < maxCopies(s, o.kind) && kindOf(o.kind).box.width() * o.scale < 60 &&
                 !needsAnchor(o.kind) && o.kind != Scarecrow && o.kind != Snowman && o.kind != Tent && o.kind != Campfire) // what may stand in the open, and not one of a field's landmarks again
            others.push_back(&o);
    }
    if (!sets.empty())
        return sets[r.next() % sets.size()];
    return others.empty() ? nullptr : others[r.next() % others.size()];
}
} // namespace

void addSpares(Scene& s, Rng& r, int n)
{
    std::vector<std::size_t> models;
    for (std::size_t i = 0; i < s.objs.size(); ++i) {
        const Obj& o = s.objs[i];
        if (o.visible && !o.spare && o.loose && o.depthY <= 0 && restOf(o) == Rest::Ground && !comesAsSet(o.kind) &&
            (kindOf(o.kind).mods & Add) && copiesOf(s, o.kind) < maxCopies(s, o.kind))
            models.push_back(i);
    }
    for (int added = 0, tries = 0; added < n && !models.empty() && tries < 40; ++tries) {
        const Obj model = s.objs[models[r.next() % models.size()]];
        if (copiesOf(s, model.kind) >= maxCopies(s, model.kind))
            continue;
        Obj probe = model;
        probe.pos += QPointF(r.range(-90, 90), r.range(-25, 25));
        probe.seed = std::uint32_t(r.next());
        const QRect mine = bounds(probe);
        if (!QRect(4, 4, kWidth - 8, kHeight - 8).contains(mine) || probe.pos.y() < s.surfaces.ground + 4)
            continue;
        bool free = true;
        for (const Obj& o : s.objs)
            free = free && (!(o.visible || o.spare) || isBackdropKind(o.kind) || !bounds(o).intersects(mine));
        if (!free)
            continue;
        probe.c1 = shade(probe.c1, r.chance(0.5) ? 1.3 : 0.75); // its own look, no twin
        probe.spare = true;
        probe.visible = false;
        probe.deny = 0;
        s.objs.push_back(probe);
        ++added;
    }
}

void gatherIntoGroups(Scene& s, Rng& r)
{
    const double ground = s.surfaces.ground;
    if (ground <= 0 || s.surfaces.afloat)
        return;
    const double top = ground + 30, bottom = kHeight - 14;
    if (bottom - top < 80)
        return;
    std::vector<std::size_t> loose;
    for (std::size_t i = 0; i < s.objs.size(); ++i) {
        const Obj& o = s.objs[i];
        if ((o.visible || o.spare) && o.loose && o.depthY <= 0 && !(o.deny & Move) && restOf(o) == Rest::Ground &&
            !comesAsSet(o.kind) && o.pos.y() >= top && !inWater(s, o.pos.y()) && bounds(o).width() < 70)
            loose.push_back(i);
    }
    if (loose.size() < 6)
        return;
    // Three or four groups across the foreground, staggered in depth, each
    // holding its own kinds of thing: room is left between them.
    const int groups = std::clamp(int(loose.size()) / 6, 3, 4);
    std::vector<QPointF> centre;
    for (int g = 0; g < groups; ++g)
        centre.emplace_back((g + 0.5) * kWidth / groups + r.range(-12, 12),
                            top + (bottom - top) * (g % 2 ? r.range(0.55, 0.8) : r.range(0.2, 0.45)));
    std::map<int, int> groupOf;
    int next = int(r.next() % std::uint64_t(groups));
    std::vector<std::vector<QRect>> taken(static_cast<std::size_t>(groups));
    // Larger things first, so the small ones settle round them.
    std::stable_sort(loose.begin(), loose.end(), [&](std::size_t a, std::size_t b) {
        return bounds(s.objs[a]).width() * bounds(s.objs[a]).height() > bounds(s.objs[b]).width() * bounds(s.objs[b]).height();
    });
    for (const std::size_t i : loose) {
        Obj& o = s.objs[i];
        if (!groupOf.count(o.kind))
            groupOf[o.kind] = next++ % groups;
        const int g = groupOf[o.kind];
        const Obj was = o;
        bool placed = false;
        for (int k = 0; k < 40 && !placed; ++k) { // outwards round the group's middle
            const double a = k * 2.39996 + r.range(-0.2, 0.2), d = 9 * std::sqrt(double(k));
            const QPointF at = centre[std::size_t(g)] + QPointF(std::cos(a) * d * 1.6, std::sin(a) * d * 0.7);
            o.pos = at;
            o.scale = was.scale * (1 + (at.y() - was.pos.y()) / 900.0);
            const QRect mine = bounds(o);
            if (at.y() < top || at.y() > bottom || inWater(s, at.y()) || mine.left() < 6 || mine.right() > kWidth - 7 ||
                mine.bottom() > kHeight - 3)
                continue;
            bool free = true;
            for (const auto& list : taken)
                for (const QRect& other : list)
                    free = free && !other.adjusted(-3, -2, 3, 2).intersects(mine);
            if (free)
                placed = true, taken[std::size_t(g)].push_back(mine);
        }
        if (!placed)
            o = was;
    }
}

namespace {
// Things in a quarter of the picture's height a difference could be made on
// (each an estimate: the differ makes the last choice with the picture).
int changeableIn(const Scene& s, double y0, double y1)
{
    int n = 0;
    for (int i = 0; i < int(s.objs.size()); ++i) {
        const Obj& o = s.objs[std::size_t(i)];
        const QRect b = bounds(o);
        if (!(o.visible || o.spare) || b.center().y() < y0 || b.center().y() >= y1 || isSparkle(o.kind) ||
            b.width() < kMinDifferencePx + 2 || b.height() < kMinDifferencePx + 2 || !(kindOf(o.kind).mods & ~o.deny) ||
            (!o.spare && hasTwin(s, i)))
            continue;
        ++n;
    }
    return n;
}

bool openSky(const Scene& s, const QRect& b)
{
    if (s.light.sky.isNull() || !QRect(0, 0, kWidth, kHeight).contains(b))
        return false;
    for (const QPoint& p : {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight(), b.center()})
        if (channelSum(s.base.pixel(p), s.light.sky.pixel(p)) > 12)
            return false;
    return true;
}
} // namespace

void furnishQuarters(Scene& s, Rng& r, int perQuarter)
{
    const bool space = std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& o) { return o.kind == Planet || o.kind == Satellite; });
    const bool night = s.light.source == Lighting::Moon;
    for (int q = 0; q < 4; ++q) {
        const double y0 = q * kHeight / 4.0, y1 = (q + 1) * kHeight / 4.0;
        int have = changeableIn(s, y0, y1);
        for (int tries = 0; have < perQuarter && tries < 80; ++tries) {
            const double x = r.range(26, kWidth - 26), y = r.range(y0 + 18, y1 - 14);
            Obj o;
            o.pos = QPointF(x, y);
            o.seed = std::uint32_t(r.next());
            o.spare = true;
            o.visible = false;
            const bool above = s.surfaces.ground <= 0 || y < s.surfaces.ground - 30;
            if (above && (space || (s.surfaces.afloat && !space))) {
                // Under the sea a fish swims by; in space a satellite or a rock drifts.
                o.kind = space ? Asteroid : Fish;
                o.scale = o.kind == Satellite ? r.range(0.58, 0.62) : o.kind == Asteroid ? r.range(1.1, 1.3) : r.range(0.85, 0.95);
                o.c1 = space ? QColor(200, 200, 210) : anyOf(r, {QColor(240, 140, 40), QColor(250, 210, 60), QColor(90, 160, 230)});
                o.c2 = space ? QColor(60, 90, 170) : QColor(250, 250, 245);
                if (o.kind == Asteroid)
                    o.c1 = QColor(150, 135, 120);
                o.mirror = r.chance(0.5);
            } else if (s.surfaces.wall && y < s.surfaces.ground - 40) {
                // A picture on the wall: there from the start, its detail or shape the difference.
                if (s.surfaces.ceiling > 0 && y < s.surfaces.ceiling + 30) // not on the ceiling boards above a porch's beam
                    continue;
                if (copiesOf(s, Frame) >= kMaxCopies)
                    break;
                o.kind = Frame;
                o.scale = r.range(1.2, 1.5);
                o.spare = false;
                o.visible = true;
                o.c1 = anyOf(r, {QColor(200, 160, 70), QColor(120, 80, 50), QColor(60, 60, 65)});
                o.c2 = anyOf(r, {QColor(60, 110, 70), QColor(50, 90, 150), QColor(150, 50, 45)});
                o.c3 = anyOf(r, {QColor(210, 60, 60), QColor(240, 220, 170), QColor(90, 140, 200)});
                o.variant = int(r.next() % 4);
            } else if (!s.surfaces.wall && !night && s.light.source == Lighting::Sun) {
                // A bird on the wing, near enough to be seen, or a child's
                // balloon drifting away, in open sky.
                const bool balloon = r.chance(0.25); // a bird mostly: a balloon in every sky grows stale
                o.kind = balloon ? Balloon : Bird;
                o.shape = 1; // on the wing; a balloon's string trailing short
                o.scale = balloon ? r.range(0.92, 0.94) : r.range(1.2, 1.35);
                o.c1 = balloon ? anyOf(r, {QColor(220, 40, 45), QColor(245, 200, 40), QColor(40, 110, 210)})
                               : anyOf(r, {QColor(60, 55, 60), QColor(235, 235, 230), QColor(110, 80, 55)});
                o.c2 = QColor(230, 150, 50);
                o.mirror = r.chance(0.5);
            } else if (!above || s.surfaces.wall) {
                // One more of a small thing standing near that height, a
                // little larger the nearer it stands.
                const Rest wanted = inWater(s, y) ? Rest::Water : Rest::Ground;
                const Obj* model = nullptr;
                for (const Obj& m : s.objs)
                    if (m.visible && !m.spare && m.loose && m.depthY <= 0 && restOf(m) == wanted && (kindOf(m.kind).mods & Add) &&
                        !comesAsSet(m.kind) && copiesOf(s, m.kind) < maxCopies(s, m.kind) && std::abs(m.pos.y() - y) < 70 &&
                        (!model || r.chance(0.4)))
                        model = &m;
                if (!model)
                    continue;
                const QColor c1 = model->c1;
                o = *model;
                o.pos = QPointF(x, y);
                o.scale = model->scale * (1 + (y - model->pos.y()) / 900.0);
                o.c1 = shade(c1, r.chance(0.5) ? 1.25 : 0.8); // its own look, no twin
                o.seed = std::uint32_t(r.next());
                o.spare = true;
                o.visible = false;
                o.deny = 0;
            } else {
                break;
            }
            const QRect mine = bounds(o);
            if (!QRect(8, 8, kWidth - 16, kHeight - 16).contains(mine))
                continue;
            if ((o.kind == Bird || o.kind == Balloon || (space && !s.light.sky.isNull())) && !openSky(s, mine.adjusted(-2, -2, 2, 2)))
                continue;
            bool free = true;
            for (const Obj& other : s.objs)
                free = free && (!(other.visible || other.spare) || (isBackdropKind(other.kind) && o.kind != Frame) ||
                                !bounds(other).adjusted(-6, -6, 6, 6).intersects(mine));
            // Nor over what is painted into the backdrop: a wreath or a map on
            // the wall, a window's glass, a set piece in the yard.
            const auto over = [&](const std::vector<QRectF>& painted) {
                return std::any_of(painted.begin(), painted.end(), [&](const QRectF& p) { return p.intersects(QRectF(mine)); });
            };
            if (!free || over(s.surfaces.pieces) || (o.kind == Frame && over(s.surfaces.glass)))
                continue;
            s.objs.push_back(o);
            ++have;
        }
    }
}

namespace {
// Whether the thing at `i` keeps clear of every other thing standing in the picture.
// Whether the thing at `i` keeps clear of every other thing standing in the
// picture (a spare hidden there gives way: see dropSparesUnder).
bool clearOfOthers(const Scene& s, std::size_t i)
{
    const QRect mine = bounds(s.objs[i]);
    if (!QRect(6, 6, kWidth - 12, kHeight - 12).contains(mine))
        return false;
    for (std::size_t j = 0; j < s.objs.size(); ++j) {
        const Obj& o = s.objs[j];
        if (j != i && o.visible && !isBackdropKind(o.kind) && restOf(o) != Rest::Air && o.pos.y() > s.surfaces.ground - 4 &&
            bounds(o).adjusted(-1, -1, 1, 1).intersects(mine))
            return false;
    }
    return true;
}

// Takes away the spares hidden under the last `n` things (others are hidden elsewhere later).
void dropSparesUnder(Scene& s, std::size_t n)
{
    std::vector<QRect> boxes;
    for (std::size_t k = s.objs.size() - n; k < s.objs.size(); ++k)
        boxes.push_back(bounds(s.objs[k]));
    s.objs.erase(std::remove_if(s.objs.begin(), s.objs.end() - std::ptrdiff_t(n), [&](const Obj& o) {
                     return o.spare && !o.visible && std::any_of(boxes.begin(), boxes.end(), [&](const QRect& b) { return b.intersects(bounds(o)); });
                 }),
                 s.objs.end() - std::ptrdiff_t(n));
}

// What may lie on a rug with the room's others of its kind: toys, baskets,
// animals, books; not a second churn, milk can or bucket.
bool lieOnRug(int kind)
{
    return !needsAnchor(kind) || kind == Ball || kind == Blocks || kind == Car || kind == Drum || kind == SpinningTop ||
           kind == Dice || kind == Teddy || kind == GiftBox || kind == Basket;
}

// A short shelf across a bare square of wall holding a row of one kind of
// thing the room's shelves already hold (jars, books, toys).
bool shelfOfOneKind(Scene& s, Rng& r, const QRect& sq)
{
    std::vector<const Obj*> shelved;
    for (const Obj& o : s.objs)
        if (o.visible && !o.spare && o.pos.y() < s.surfaces.ground - 10 && // what the wall's shelves hold, not the table's cups
            std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& st) {
                return std::abs(o.pos.y() - st.top()) < 3 && o.pos.x() >= st.left() && o.pos.x() <= st.right();
            }) && kindOf(o.kind).box.height() * o.scale < 40)
            shelved.push_back(&o);
    // Where the wall's shelves hold books, another shelf holds books, not a row of candles.
    const auto books = std::find_if(shelved.begin(), shelved.end(), [](const Obj* o) { return o->kind == Books; });
    const Obj model = shelved.empty() ? Obj() : books != shelved.end() ? **books : *shelved[r.next() % shelved.size()];
    const K kind = shelved.empty() ? Books : K(model.kind); // books go on any room's shelf
    const QColor colour = shelved.empty() ? QColor(60, 90, 150) : model.c1;
    const double y = sq.bottom() - 14, x0 = std::max(6.0, sq.left() - 10.0), x1 = std::min(kWidth - 6.0, sq.right() + 10.0);
    const QImage bare = s.base;
    const std::size_t stands = s.surfaces.stands.size();
    const QRectF board(x0, y - 3, x1 - x0, 20);
    s.boards.emplace_back(board, s.base.copy(board.toAlignedRect()));
    wallShelf(s, x0, x1, y, QColor(140, 95, 60));
    const std::size_t before = s.objs.size();
    const double scale = shelved.empty() ? 1.2 : model.scale;
    row(s, r, y, x0 + 4, x1 - 4, {kind}, scale * 0.85, scale * 0.95, {colour, shade(colour, 1.2), shade(colour, 0.8)});
    if (s.objs.size() < before + 2) { // an empty shelf would be a bare wall with a board on it
        s.objs.resize(before);
        s.surfaces.stands.resize(stands);
        s.boards.pop_back();
        s.base = bare;
        return false;
    }
    for (std::size_t i = before; i < s.objs.size(); ++i) {
        s.objs[i].shape = model.shape;
        s.objs[i].count = model.count;
        s.objs[i].c2 = model.c2.isValid() ? model.c2 : s.objs[i].c2;
        s.objs[i].c3 = model.c3.isValid() ? model.c3 : s.objs[i].c3;
    }
    return true;
}
} // namespace

void takeDownEmptyShelves(Scene& s)
{
    auto& boards = s.boards;
    for (std::size_t b = boards.size(); b-- > 0;) {
        const QRectF& board = boards[b].first;
        const double y = board.top() + 3;
        const int held = int(std::count_if(s.objs.begin(), s.objs.end(), [&](const Obj& o) {
            return (o.visible || o.spare) && std::abs(o.pos.y() - y) < 3 && o.pos.x() >= board.left() && o.pos.x() <= board.right();
        }));
        if (held >= 2)
            continue;
        QPainter p(&s.base);
        p.drawImage(board.toAlignedRect().topLeft(), boards[b].second);
        p.end();
        for (Obj& o : s.objs) // a lone thing left on it goes with the board
            if (std::abs(o.pos.y() - y) < 3 && o.pos.x() >= board.left() && o.pos.x() <= board.right())
                o.visible = o.spare = false;
        s.surfaces.stands.erase(std::remove_if(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& st) {
                                    return std::abs(st.top() - y) < 1 && st.left() >= board.left() - 1 && st.right() <= board.right() + 1;
                                }),
                                s.surfaces.stands.end());
        boards.erase(boards.begin() + std::ptrdiff_t(b));
    }
}

namespace {
// A field of crops, by what grows and stands on it: its soil, grey by
// moonlight, is no paved square to plant a lime tree on.
bool cropField(const Scene& s)
{
    return std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& o) { return o.kind == Scarecrow || o.kind == Haybale || o.kind == Pumpkin; });
}
} // namespace

void plantForeground(Scene& s, Rng& r)
{
    const double ground = s.surfaces.ground;
    const bool town = std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& o) { return o.kind == House && o.visible; });
    if (!town || cropField(s) || s.surfaces.wall || s.surfaces.afloat || ground <= 0 || kHeight - ground < 150)
        return;
    const double top = ground + (kHeight - ground) * 0.45;
    // Paved: grey cobbles or flags, not a field that has a barn on it.
    const QRgb here = s.base.pixel(QPoint(kWidth / 2, int((top + kHeight) / 2)));
    if (std::abs(qRed(here) - qBlue(here)) > 30 || std::abs(qRed(here) - qGreen(here)) > 30)
        return;
    const bool anchored = std::any_of(s.objs.begin(), s.objs.end(), [&](const Obj& o) {
        return o.visible && isAnchor(o.kind) && o.kind != House && o.pos.y() > top;
    });
    if (anchored)
        return;
    const bool leftFirst = r.chance(0.5);
    const int trees = kHeight - ground > 200 ? 2 : 1;
    for (int k = 0; k < trees; ++k) {
        const double x = (k == 0) == leftFirst ? r.range(60, 100) : r.range(254, 294);
        const double y = r.range(top + 30, kHeight - 24);
        Obj& tree = put(s, Tree, x, y, 0.75 + 0.25 * (y - top) / (kHeight - top), QColor(70, 135, 60), QColor(70, 135, 60));
        tree.count = 0; // a lime tree on a square bears no fruit
        tree.loose = true;
        tree.mirror = r.chance(0.5);
        tree.deny = Move | Resize | Remove; // what gathers round it stays explained
    }
}

namespace {
// A room's windows are made alike: a second one in another frame and
// colour reads as a house front's window hung on the wall.
void matchTheRoomsWindows(Scene& s, std::size_t added)
{
    for (std::size_t i = 0; i < added; ++i) {
        const Obj& w = s.objs[i];
        if (w.visible && w.kind == Window) {
            Obj& o = s.objs[added];
            o.c1 = w.c1, o.c2 = w.c2, o.c3 = w.c3, o.variant = w.variant, o.shape = w.shape, o.scale = w.scale;
            return;
        }
    }
}
} // namespace

void furnishBareSquares(Scene& s, Rng& r)
{
    for (int round = 0; round < 6; ++round) {
        const std::vector<QRect> bare = bareSquares(s);
        if (bare.empty())
            return;
        for (const QRect& sq : bare) {
            const QPointF c = QRectF(sq).center();
            if (s.surfaces.wall && s.surfaces.ceiling > 0 && c.y() < s.surfaces.ceiling + 30)
                continue; // the ceiling, not a wall
            if (s.surfaces.wall && c.y() < s.surfaces.ground - 30) {
                // In a room of shelves, the windows share one sill height where that
                // is clear of the boards; otherwise a window goes where the bare wall is.
                const auto windowY = [&](double x) {
                    double y = c.y() + 25;
                    for (const Obj& w : s.objs)
                        if (w.visible && w.kind == Window) {
                            y = w.pos.y();
                            break;
                        }
                    const bool clear = !s.surfaces.stands.empty() && y > 40 && y < s.surfaces.ground - 20 &&
                                       std::none_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& st) {
                                           return st.top() > y - 50 && st.top() < y + 8 && st.right() > x - 30 && st.left() < x + 30;
                                       });
                    return clear && std::abs(y - (c.y() + 25)) < 60 ? y : c.y() + 25; // in the bare square, not up among the others
                };
                // Walls carry pictures and windows.
                // Windows high on a room's wall; pictures anywhere (between shelves too).
                // Two windows to a room's wall at most: a row of three small ones reads as a house front.
                const bool windowsEnough = s.surfaces.ceiling <= 0 && copiesOf(s, Window) >= 2;
                const bool window = c.y() < 170 && !windowsEnough && (copiesOf(s, Frame) >= kMaxCopies || r.chance(0.4));
                if (!window && (copiesOf(s, Frame) >= kMaxCopies || r.chance(0.4))) {
                    if (shelfOfOneKind(s, r, sq))
                        continue;
                }
                // A window looks like the room's others; shutters and a flower
                // box belong outside, so a room's own window has neither.
                const auto glazed = [&](Obj& o) { // `o` is the window just put up, the last thing
                    matchTheRoomsWindows(s, s.objs.size() - 1);
                    if (s.surfaces.ceiling <= 0) // and lit only where the night is outside
                        o.variant &= s.light.source == Lighting::Moon ? kWindowCurtains | kWindowLit : kWindowCurtains;
                    s.surfaces.glass.push_back(QRectF(bounds(o))); // nothing is hung over it
                };
                if (!window && copiesOf(s, Frame) >= kMaxCopies && windowsEnough && copiesOf(s, Sconce) < 2) {
                    // No shelf would hold anything here, and the room has its windows: a wall lamp.
                    Obj& lamp = put(s, Sconce, c.x() + r.range(-8, 8), c.y() + 12, 1.0,
                                    anyOf(r, {QColor(170, 60, 50), QColor(60, 100, 75), QColor(60, 85, 140)}));
                    lamp.variant = s.light.source == Lighting::Moon; // lit only when it is dark
                    continue;
                }
                if (!window && copiesOf(s, Frame) >= kMaxCopies) {
                    // No shelf would hold anything here: a window lets in the light.
                    const double wx = c.x() + r.range(-10, 10);
                    Obj& o = put(s, Window, wx, windowY(wx), r.range(1.5, 1.9), QColor(245, 242, 235),
                                 anyOf(r, {QColor(60, 110, 70), QColor(50, 90, 150), QColor(150, 50, 45)}));
                    o.variant = int(r.next() % 16) & ((1 << kindOf(Window).details) - 1);
                    glazed(o);
                    continue;
                }
                const double wx = c.x() + r.range(-10, 10);
                Obj& o = put(s, window ? Window : Frame, wx, window ? windowY(wx) : c.y(), r.range(1.5, 1.9),
                             window ? QColor(245, 242, 235) : anyOf(r, {QColor(200, 160, 70), QColor(120, 80, 50), QColor(60, 60, 65)}),
                             anyOf(r, {QColor(60, 110, 70), QColor(50, 90, 150), QColor(150, 50, 45)}),
                             anyOf(r, {QColor(210, 60, 60), QColor(240, 220, 170), QColor(90, 140, 200)}));
                o.mirror = false;
                o.variant = int(r.next() % 16) & ((1 << kindOf(o.kind).details) - 1);
                if (window)
                    glazed(o);
                continue;
            }
            if (!s.surfaces.wall && !s.surfaces.afloat && !inWater(s, c.y()) && c.y() < s.surfaces.ground - 30 &&
                s.light.source == Lighting::Sun) {
                // Over a far hillside or a mountain's face: a pair of birds on the wing.
                const double dir = r.chance(0.5) ? 1 : -1;
                for (int k = 0; k < 2; ++k) {
                    Obj& o = put(s, Bird, c.x() + dir * k * 22 + r.range(-4, 4), c.y() + k * 12 + r.range(-4, 4), r.range(0.85, 1.05),
                                 anyOf(r, {QColor(55, 55, 65), QColor(90, 70, 55)}), QColor(230, 150, 50));
                    o.shape = 1;
                    o.mirror = dir < 0;
                    o.loose = true;
                }
                continue;
            }
            const bool onADeck = std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& st) {
                return isDeck(st) && st.contains(c);
            });
            if (onADeck) {
                // A bare stretch of deck: cargo set down in a pair, or gulls come for the scraps.
                // Each pair holds a thing a deck's gear gathers by (a barrel, a net).
                const std::pair<K, K> pairs[] = {{Barrel, Crate}, {Barrel, Bucket}, {FishingNet, Basket}, {Barrel, Barrel}, {Pelican, Gull}, {Cat, Gull}};
                bool placed = false;
                const double dx = r.range(-6, 6);
                for (const auto& [fx, fy] : {std::pair{0.5, 0.7}, {0.32, 0.82}, {0.68, 0.82}, {0.5, 0.92}, {0.32, 0.6}, {0.68, 0.6}, {0.2, 0.75}, {0.8, 0.75}})
                for (const auto& [a, b] : pairs) {
                    const double y = std::min(kHeight - 10.0, sq.top() + sq.height() * fy), x = std::clamp(sq.left() + sq.width() * fx + dx, 44.0, kWidth - 44.0);
                    const double near = 1 + (y - s.surfaces.ground) / 500.0;
                    if (placed)
                        break;
                    if (copiesOf(s, a) + (a == b) >= maxCopies(s, a) || copiesOf(s, b) >= maxCopies(s, b))
                        continue;
                    Obj& first = put(s, a, x - 17 * near, y - 3, (a == FishingNet ? 1.0 : 1.1) * near, vary(a == FishingNet ? QColor(190, 180, 150) : QColor(150, 100, 60), r, 0.08),
                                     a == FishingNet ? QColor(235, 110, 40) : QColor(60, 60, 65));
                    first.groundMove = true;
                    if (a == Pelican || a == Cat)
                        first.c1 = a == Cat ? anyOf(r, {QColor(230, 150, 60), QColor(70, 70, 75)}) : QColor(230, 230, 225);
                    Obj& second = put(s, b, x + 17 * near, y, (b == Bucket ? 0.8 : 1.1) * near, vary(b == Gull ? QColor(245, 245, 248) : QColor(180, 140, 90), r, 0.06),
                                      anyOf(r, {QColor(40, 90, 160), QColor(200, 50, 40), QColor(50, 130, 70)}));
                    second.groundMove = true;
                    second.mirror = r.chance(0.5);
                    if (clearOfOthers(s, s.objs.size() - 2) && clearOfOthers(s, s.objs.size() - 1)) {
                        dropSparesUnder(s, 2);
                        placed = true;
                        break;
                    }
                    s.objs.resize(s.objs.size() - 2); // it would be drawn through what is there: try the next
                }
                // Or birds come down for the scraps, two together.
                const double y = std::min(kHeight - 10.0, sq.top() + sq.height() * 0.75), near = 1 + (y - s.surfaces.ground) / 500.0;
                int birds = 0;
                for (const K bird : {Cormorant, Pigeon, Crow})
                    for (const double bx : {0.3, 0.55, 0.8})
                        if (!placed && birds < 2 && copiesOf(s, bird) < kMaxCopies) {
                            put(s, bird, sq.left() + sq.width() * bx, y + birds * 8, (bird == Pigeon ? 0.85 : 1.0) * near, bird == Pigeon ? QColor(150, 155, 165) : QColor(40, 42, 45)).mirror = r.chance(0.5);
                            if (clearOfOthers(s, s.objs.size() - 1))
                                dropSparesUnder(s, 1), ++birds;
                            else
                                s.objs.pop_back();
                        }
                continue;
            }
            const bool ground = sq.bottom() > s.surfaces.ground + 20 || s.surfaces.ground <= 0 || inWater(s, c.y() + 20);
            if (ground && !s.surfaces.wall && !inWater(s, c.y()) && sq.top() >= s.surfaces.ground - 4 && pavedGround(s, c)) {
                // A bare stretch of a town's paving: a young tree, and a bench in its shade
                // (or a barrel and crate set down by it), not one more pigeon or a row of trees.
                const double y = std::min(kHeight - 8.0, sq.top() + sq.height() * 0.82), nearer = 1 + (y - s.surfaces.ground) / 400.0;
                const double x = c.x() + r.range(-8, 8), side = x < kWidth / 2.0 ? 1 : -1;
                Obj& tree = put(s, Tree, x - side * 10, y, 0.55 * nearer, QColor(70, 125 + int(r.range(0, 30)), 55), QColor(70, 125, 55));
                tree.count = 0; // no fruit on a tree in town
                tree.loose = true;
                tree.mirror = r.chance(0.5);
                tree.deny |= Move | Remove; // what stands by it stays explained
                if (copiesOf(s, Bench) < kMaxCopies)
                    put(s, Bench, x + side * 34 * nearer, y + 3, 1.0 * nearer, anyOf(r, {QColor(120, 85, 55), QColor(60, 110, 80)})).loose = true;
                else if (copiesOf(s, Barrel) < kMaxCopies)
                    put(s, Barrel, x + side * 30 * nearer, y + 3, 1.1 * nearer, vary(QColor(150, 100, 60), r, 0.08), QColor(60, 60, 65)).loose = true;
                continue;
            }
            const Obj* t = ground ? groundTemplate(s, r, sq.top() + sq.height() * 0.75) : nullptr;
            const K bird = copiesOf(s, Duck) < kMaxCopies ? Duck : copiesOf(s, Swan) < kMaxCopies ? Swan : Coot;
            if (!t && inWater(s, c.y()) && copiesOf(s, bird) < kMaxCopies) {
                // Open water with nothing on it: a duck paddling by.
                double y = c.y() + r.range(0, 20);
                for (const auto& [y0, y1] : s.light.water) // afloat, short of the near shore
                    if (c.y() >= y0 && c.y() < y1)
                        y = std::min(y, y1 - 8);
                double nearness = 1; // smaller towards the far shore
                for (const auto& [y0, y1] : s.light.water)
                    if (y >= y0 && y < y1)
                        nearness = (y - y0) / std::max(1.0, y1 - y0);
                Obj& o = put(s, bird, c.x() + r.range(-15, 15), y, (bird == Swan ? 0.4 : 0.5) + 0.55 * nearness,
                             anyOf(r, {QColor(120, 95, 70), QColor(235, 232, 222)}), QColor(60, 120, 80));
                o.loose = true;
                o.mirror = r.chance(0.5);
                continue;
            }
            if (!t && ground && !inWater(s, c.y()) && s.surfaces.ground > 0 && sq.top() >= s.surfaces.ground - 4) {
                if (s.surfaces.wall) {
                    // A bare stretch of floor: a rug lies there (toys and baskets may join
                    // it); on a bare stretch of table, a linen runner.
                    const QColor colour = s.surfaces.tableTop ? anyOf(r, {QColor(236, 230, 214), QColor(214, 226, 236), QColor(236, 218, 210)})
                                                              : anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130), QColor(90, 120, 80), QColor(170, 130, 70)});
                    const QRectF where = QRectF(sq).adjusted(-4, 8, 4, -6);
                    rug(s, where, colour, std::uint32_t(r.next()));
                    // Not left empty: one or two of the small things the room already
                    // has lie on it, each in a look of its own.
                    std::vector<Obj> models;
                    for (const Obj& m : s.objs)
                        if (m.visible && !m.spare && m.depthY <= 0 && restOf(m) == Rest::Ground && !comesAsSet(m.kind) && lieOnRug(m.kind) &&
                            m.pos.y() > s.surfaces.ground && bounds(m).width() < 40 && bounds(m).height() < 40)
                            models.push_back(m);
                    for (int k = 0, placed = 0; k < 6 && placed < 2 && !models.empty(); ++k) {
                        Obj o = models[r.next() % models.size()];
                        if (copiesOf(s, o.kind) >= maxCopies(s, o.kind))
                            continue;
                        o.pos = QPointF(where.left() + where.width() * (placed ? 0.7 : 0.3) + r.range(-6, 6), where.top() + where.height() * r.range(0.55, 0.8));
                        o.c1 = shade(o.c1, placed ? 0.8 : 1.25);
                        o.seed = std::uint32_t(r.next());
                        o.deny = 0;
                        s.objs.push_back(o);
                        ++placed;
                    }
                    continue;
                }
                // Open ground with nothing that belongs there: a bush on grass, a
                // young tree on a paved square, a stone on sand, snow or the moon
                // (a stone, not a boulder as big as the deck chair beside it).
                const QRgb here = s.base.pixel(QPoint(int(c.x()), int(c.y())));
                const bool grass = qGreen(here) > qRed(here) + 8 && qGreen(here) > qBlue(here) + 8;
                const bool paved = !grass && std::abs(qRed(here) - qBlue(here)) < 30 && std::abs(qRed(here) - qGreen(here)) < 30 && qGray(here) < 150 &&
                                   std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& h) { return h.kind == House && h.visible; }) &&
                                   !cropField(s) &&
                                   copiesOf(s, Tree) < 3; // a few young trees to a square, not a wood
                const double y = sq.top() + sq.height() * (paved ? 0.85 : 0.7), nearer = 1 + (y - s.surfaces.ground) / 400.0;
                const K kind = grass ? Bush : paved ? Tree : Rock;
                Obj& o = put(s, kind, c.x() + r.range(-12, 12), y, (grass ? 0.8 : paved ? 0.55 : 0.65) * nearer,
                             grass || paved ? QColor(70, 125 + int(r.range(0, 30)), 55) : shade(QColor(qRed(here), qGreen(here), qBlue(here)), 0.75),
                             grass ? anyOf(r, {QColor(230, 60, 60), QColor(245, 240, 235), QColor(245, 200, 40)}) : QColor(70, 125, 55));
                if (paved)
                    o.count = 0; // no fruit on a tree in town
                o.loose = true;
                o.mirror = r.chance(0.5);
                continue;
            }
            if (!t)
                continue;
            const Obj model = *t;
            const int n = comesAsSet(model.kind) ? r.between(2, 3) : 1;
            for (int k = 0; k < n; ++k) {
                // On the ground below its horizon, or on the water where the square is.
                const double inSquare = sq.top() + sq.height() * (0.55 + 0.4 * r.real());
                const double y = restOf(model) == Rest::Water && inWater(s, inSquare) ? inSquare : std::max(s.surfaces.ground + 8, inSquare);
                const double x = sq.left() + sq.width() * (0.2 + 0.6 * r.real());
                Obj& o = put(s, K(model.kind), x, y, model.scale * (1 + (y - model.pos.y()) / 900.0), vary(model.c1, r, 0.08), model.c2, model.c3);
                o.loose = true;
                o.groundMove = true;
                o.shape = model.shape;
                o.count = model.count;
            }
        }
        depthSort(s);
        tidyScene(s);
    }
}

} // namespace levelgen
