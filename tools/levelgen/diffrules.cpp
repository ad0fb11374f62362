#include "tools/levelgen/diffrules.h"

#include "tools/levelgen/kinds.h"
#include "tools/levelgen/metrics.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>

namespace levelgen {

namespace {
QRectF tightBox(const Obj& o) { return QRectF(bounds(o)).adjusted(2, 2, -2, -2); }

double gapBetween(const QRectF& a, const QRectF& b)
{
    const double dx = std::max({0.0, a.left() - b.right(), b.left() - a.right()});
    const double dy = std::max({0.0, a.top() - b.bottom(), b.top() - a.bottom()});
    return std::hypot(dx, dy);
}

QString nameOf(const Obj& o)
{
    return QStringLiteral("%1 at (%2, %3)").arg(QString::fromLatin1(kindOf(o.kind).name)).arg(int(o.pos.x())).arg(int(o.pos.y()));
}

bool shownOnlyRight(const Obj& l, const Obj& r) { return r.visible && !l.visible; }

// Taken away, or shifted so that what stood on it no longer does.
bool unsettled(const Obj& l, const Obj& r)
{
    return l.visible && (!r.visible || l.pos != r.pos || l.scale != r.scale || l.rot != r.rot || l.shape != r.shape);
}

bool onAStand(const Scene& s, const Obj& o)
{
    return std::any_of(s.surfaces.stands.begin(), s.surfaces.stands.end(), [&](const QRectF& r) { return r.adjusted(-4, -4, 4, 4).contains(o.pos); });
}

// `top` was set on `under` (a jug on its barrel, fruit in its crate): set
// there by the composer, or standing on its top with no floor of its own
// beneath (a fir that happens to stand behind a snail's back does not).
bool restsUpon(const Scene& s, const Obj& top, const Obj& under)
{
    if (top.depthY > 0)
        return std::abs(top.depthY - under.pos.y() - 0.01) < 0.02;
    const bool onFloor = s.surfaces.ground > 0 && top.pos.y() >= s.surfaces.ground - 6;
    if (onFloor || s.surfaces.afloat || restOf(under) != Rest::Ground || restOf(top) != Rest::Ground || onAStand(s, top))
        return false;
    const QRectF t = tightBox(under);
    return top.pos.x() >= t.left() && top.pos.x() <= t.right() && std::abs(top.pos.y() - t.top()) <= 6 && under.pos.y() > top.pos.y() + 4;
}

// What a thing set down in a scene may stand by besides other things: a
// shelf or counter, a rug or cloth, the foot of a room's wall, a shore.
bool byTheBackdrop(const Scene& s, const Obj& o)
{
    const Surfaces& f = s.surfaces;
    const double x = o.pos.x(), y = o.pos.y();
    if (f.tableTop || (f.wall && f.ground > 0 && y >= f.ground && y <= f.ground + kAnchorReach))
        return true;
    for (const QRectF& st : f.stands)
        if (x >= st.left() - kAnchorReach && x <= st.right() + kAnchorReach && y >= st.top() - 4 && y <= st.bottom() + kAnchorReach)
            return true;
    return onRugOrShore(s, o);
}

// Something already in the picture within reach of `o` (what appears is
// explained by what was there).
bool bySomething(const Scene& left, const Scene& right, int i)
{
    const Obj& o = right.objs[std::size_t(i)];
    if (byTheBackdrop(right, o))
        return true;
    const QRectF mine = tightBox(o);
    for (int j = 0; j < int(right.objs.size()); ++j) {
        const Obj& other = right.objs[std::size_t(j)];
        if (j == i || !other.visible || !left.objs[std::size_t(j)].visible || isSparkle(other.kind) || restOf(other) == Rest::Air)
            continue;
        if (gapBetween(mine, tightBox(other)) <= kAnchorReach)
            return true;
    }
    return false;
}

// Another thing of its kind that `i` would read as a copy of: beside it, or
// in about its colour a little further off.
int lookAlikeOf(const Scene& s, int i)
{
    const Obj& o = s.objs[std::size_t(i)];
    if (comesAsSet(o.kind) || onAStand(s, o))
        return -1;
    const QRectF mine = tightBox(o);
    for (int j = 0; j < int(s.objs.size()); ++j) {
        const Obj& other = s.objs[std::size_t(j)];
        if (j != i && other.visible && other.kind == o.kind && other.shape == o.shape && // a bird on the wing is not one perched
            (gapBetween(mine, tightBox(other)) <= kLookAlikeReach ||
             (gapBetween(mine, tightBox(other)) <= 3 * kLookAlikeReach && colourDistance(o.c1.rgb(), other.c1.rgb()) < kLookAlikeColour)))
            return j;
    }
    return -1;
}

using RuleFn = std::vector<Breach> (*)(const Scene&);
const RuleFn kStandingRules[] = {supportBreaches, overlapBreaches, depthBreaches, sizeBreaches, edgeBreaches, anchorBreaches};
} // namespace

Scene rightSceneOf(const Scene& left, const std::vector<Difference>& diffs)
{
    Scene right = left;
    for (const Difference& d : diffs)
        if (d.object >= 0 && d.object < int(right.objs.size()))
            right.objs[std::size_t(d.object)] = d.after;
    return right;
}

bool inOpenSky(const Scene& s, const Obj& o)
{
    if (restOf(o) != Rest::Air || (s.surfaces.wall && !s.surfaces.afloat))
        return false;
    // In front of a house, a tree or a hill it is part of the scene, not of its sky.
    for (const Obj& b : s.objs)
        if (b.visible && &b != &o && restOf(b) != Rest::Air && tightBox(b).contains(o.pos))
            return false;
    const QImage& sky = s.light.sky;
    if (sky.isNull() || s.base.isNull())
        return s.surfaces.ground <= 0 || o.pos.y() < s.surfaces.ground;
    const QRect box = tightBox(o).toAlignedRect() & s.base.rect() & sky.rect();
    int open = 0, all = 0;
    for (int y = box.top(); y <= box.bottom(); y += 2)
        for (int x = box.left(); x <= box.right(); x += 2, ++all)
            open += channelSum(s.base.pixel(x, y), sky.pixel(x, y)) <= 12;
    return all > 0 && 2 * open >= all;
}

bool skyIsTheSubject(const Scene& s)
{
    if (s.surfaces.afloat)
        return true;
    return std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& o) {
        return o.visible && (o.kind == Planet || o.kind == Satellite || o.kind == Asteroid || o.kind == Rocket);
    });
}

std::vector<Breach> skyBreaches(const Scene& s, const std::vector<Difference>& diffs)
{
    std::vector<Breach> out;
    if (skyIsTheSubject(s))
        return out;
    int inSky = 0;
    for (const Difference& d : diffs) {
        if (d.object < 0 || d.object >= int(s.objs.size()))
            continue;
        const Obj& shown = d.mod == Add ? d.after : s.objs[std::size_t(d.object)];
        if (inOpenSky(s, shown) && ++inSky > kMaxSkyDifferences)
            out.push_back({SceneRule::Spread, d.object, -1,
                           QStringLiteral("the %1 of the %2 is one more difference in the open sky").arg(modName(d.mod)).arg(nameOf(shown))});
    }
    return out;
}

RightPicture::RightPicture(const Scene& left) : left_(left)
{
    for (RuleFn rule : kStandingRules)
        for (const Breach& b : rule(left))
            known_.insert({int(b.rule), b.object, b.other});
}

std::vector<Breach> RightPicture::newBreaches(const Scene& right) const
{
    std::vector<Breach> out;
    const int n = int(std::min(left_.objs.size(), right.objs.size()));
    bool changed = false;
    for (int i = 0; i < n && !changed; ++i) {
        const Obj &l = left_.objs[std::size_t(i)], &r = right.objs[std::size_t(i)];
        changed = l.visible != r.visible || l.pos != r.pos || l.scale != r.scale || l.rot != r.rot || l.shape != r.shape ||
                  l.mirror != r.mirror || l.count != r.count;
    }
    if (changed)
        for (RuleFn rule : kStandingRules)
            for (Breach& b : rule(right)) {
                // A spare still hidden is not in the picture.
                const bool shown = b.object < 0 || b.object >= n || right.objs[std::size_t(b.object)].visible;
                if (shown && !known_.count({int(b.rule), b.object, b.other}))
                    out.push_back(std::move(b));
            }
    for (int i = 0; i < n; ++i) {
        const Obj &l = left_.objs[std::size_t(i)], &r = right.objs[std::size_t(i)];
        if (shownOnlyRight(l, r)) {
            if (hasTwin(right, i))
                out.push_back({SceneRule::Copies, i, -1, QStringLiteral("the %1 added on the right is the twin of another").arg(nameOf(r))});
            else if (const int j = lookAlikeOf(right, i); j >= 0)
                out.push_back({SceneRule::Copies, i, j, QStringLiteral("the %1 added on the right looks like another %2")
                                                            .arg(nameOf(r)).arg(QString::fromLatin1(kindOf(r.kind).name))});
            if (restOf(r) == Rest::Ground && !left_.surfaces.afloat && !bySomething(left_, right, i))
                out.push_back({SceneRule::Anchor, i, -1, QStringLiteral("the %1 added on the right appears in the middle of nothing").arg(nameOf(r))});
        }
        if (unsettled(l, r))
            for (int t = 0; t < n; ++t)
                if (t != i && right.objs[std::size_t(t)].visible && restsUpon(left_, left_.objs[std::size_t(t)], l))
                    out.push_back({SceneRule::Support, t, i, QStringLiteral("the %1 rests on the %2, which the right picture %3")
                                                                 .arg(nameOf(right.objs[std::size_t(t)])).arg(nameOf(l))
                                                                 .arg(r.visible ? QStringLiteral("shifts") : QStringLiteral("takes away"))});
    }
    return out;
}

std::vector<QPointF> placesBeside(const Scene& s, int added)
{
    const Obj& o = s.objs[std::size_t(added)];
    const QRectF mine = tightBox(o);
    // The thing's own half width either side of its origin.
    const double leftHalf = o.pos.x() - mine.left(), rightHalf = mine.right() - o.pos.x();
    std::vector<std::pair<double, QPointF>> found;
    for (int j = 0; j < int(s.objs.size()); ++j) {
        const Obj& b = s.objs[std::size_t(j)];
        if (j == added || !b.visible || restOf(b) != Rest::Ground || isSparkle(b.kind) || std::abs(b.pos.y() - o.pos.y()) > 8)
            continue;
        const QRectF box = tightBox(b);
        for (const double x : {box.left() - 8 - rightHalf, box.right() + 8 + leftHalf})
            if (x - leftHalf >= 4 && x + rightHalf <= kWidth - 4)
                found.push_back({std::abs(x - o.pos.x()), QPointF(x, o.pos.y())});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QPointF> out;
    for (std::size_t k = 0; k < found.size() && k < 4; ++k)
        out.push_back(found[k].second);
    return out;
}

double fittingScale(const Scene& s, int added)
{
    const Obj& o = s.objs[std::size_t(added)];
    if (realHeight(o.kind) <= 0 || restOf(o) != Rest::Ground)
        return o.scale;
    std::vector<double> perCm;
    for (int j = 0; j < int(s.objs.size()); ++j) {
        const Obj& b = s.objs[std::size_t(j)];
        if (j != added && b.visible && restOf(b) == Rest::Ground && realHeight(b.kind) > 0 && b.depthY <= 0 &&
            std::abs(b.pos.y() - o.pos.y()) <= 40 && onAStand(s, b) == onAStand(s, o))
            perCm.push_back(paintedHeight(b) / realHeight(b.kind));
    }
    if (perCm.empty())
        return o.scale;
    std::sort(perCm.begin(), perCm.end());
    const double wanted = perCm[perCm.size() / 2] * realHeight(o.kind) / kindOf(o.kind).box.height();
    return std::clamp(wanted, o.scale / 2, o.scale * 2);
}

QColor distinctColour(const Scene& s, int added)
{
    const Obj& o = s.objs[std::size_t(added)];
    const Kind& k = kindOf(o.kind);
    if (k.recolour != 1 || !(k.mods & Recolour))
        return {};
    std::vector<QColor> choice = naturalColours(o.kind);
    if (choice.empty()) // painted: any of the paints
        choice = {QColor(215, 40, 40), QColor(40, 90, 210), QColor(245, 200, 40), QColor(50, 160, 70), QColor(240, 240, 235), QColor(50, 45, 45)};
    QColor best;
    int bestApart = kLookAlikeColour - 1;
    for (const QColor& c : choice) {
        int apart = 1 << 20;
        for (int j = 0; j < int(s.objs.size()); ++j)
            if (j != added && s.objs[std::size_t(j)].kind == o.kind && s.objs[std::size_t(j)].visible)
                apart = std::min(apart, colourDistance(c.rgb(), s.objs[std::size_t(j)].c1.rgb()));
        if (apart > bestApart)
            bestApart = apart, best = c;
    }
    return best;
}

int aimedLook(unsigned mod, int kind) { return mod & (Light | Digit) ? -1 : kind; }

int changedLook(unsigned mod, const Obj& before, const Obj& after)
{
    if (mod == Detail)
        return before.kind * 33 + std::countr_zero(unsigned(before.variant ^ after.variant));
    return aimedLook(mod, before.kind);
}

int maxOfOneChange(int count, double share)
{
    // The aim rounds to the nearest (two of five); the limit down (three of six).
    const double n = share * count + (share < kMaxChangeShare ? 0.5 : 1e-9);
    return std::max(kAimSameChange, int(std::floor(n)));
}

int repeatsBeyondAim(const Scene& s, const std::vector<Difference>& diffs)
{
    std::map<std::pair<unsigned, int>, int> perChangeAndKind;
    std::map<unsigned, int> perChange;
    std::map<int, int> perKind;
    const int most = maxOfOneChange(int(diffs.size()), kAimChangeShare);
    int beyond = 0;
    for (const Difference& d : diffs) {
        beyond += ++perChange[d.mod] > most;
        if (d.object < 0 || d.object >= int(s.objs.size()))
            continue;
        const int kind = s.objs[std::size_t(d.object)].kind;
        beyond += ++perChangeAndKind[{d.mod, aimedLook(d.mod, kind)}] > kAimSameChange;
        beyond += ++perKind[kind] > kAimChangesPerKind;
    }
    return beyond;
}

std::vector<Breach> varietyBreaches(const Scene& s, const std::vector<Difference>& diffs)
{
    std::vector<Breach> out;
    std::map<std::pair<unsigned, int>, int> perChangeAndKind;
    std::map<unsigned, int> perChange;
    const int most = maxOfOneChange(int(diffs.size()));
    for (const Difference& d : diffs) {
        if (++perChange[d.mod] == most + 1)
            out.push_back({SceneRule::Spread, d.object, -1, QStringLiteral("more than %1 of the %2 differences are a %3")
                                                                .arg(most).arg(diffs.size()).arg(QString::fromLatin1(modName(d.mod)))});
        if (d.object < 0 || d.object >= int(s.objs.size()))
            continue;
        const Obj& o = s.objs[std::size_t(d.object)];
        if (++perChangeAndKind[{d.mod, changedLook(d.mod, o, d.after)}] == kMaxSameChange + 1)
            out.push_back({SceneRule::Spread, d.object, -1, QStringLiteral("more than %1 differences are a %2 of a %3")
                                                                .arg(kMaxSameChange).arg(QString::fromLatin1(modName(d.mod)))
                                                                .arg(QString::fromLatin1(kindOf(o.kind).name))});
    }
    return out;
}

int mostInAThird(const std::vector<QPoint>& points)
{
    int in[3] = {};
    for (const QPoint& p : points)
        ++in[std::clamp(p.x() * 3 / kWidth, 0, 2)];
    return *std::max_element(std::begin(in), std::end(in));
}

bool crowdedAcross(const std::vector<QPoint>& points, int total, double share)
{
    return total >= 6 && mostInAThird(points) > share * total + 1e-9;
}

std::vector<Breach> changeBreaches(const Scene& left, const std::vector<Difference>& diffs)
{
    std::vector<Breach> out = RightPicture(left).newBreaches(rightSceneOf(left, diffs));
    for (Breach& b : skyBreaches(left, diffs))
        out.push_back(std::move(b));
    for (Breach& b : varietyBreaches(left, diffs))
        out.push_back(std::move(b));
    std::vector<QPoint> points;
    for (const Difference& d : diffs)
        points.push_back(d.point);
    if (crowdedAcross(points, int(points.size())))
        out.push_back({SceneRule::Spread, -1, -1, QStringLiteral("more than %1% of the %2 differences in a third of the width").arg(int(kMaxAcrossShare * 100)).arg(points.size())});
    return out;
}

} // namespace levelgen
