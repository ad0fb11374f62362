#include "tools/levelgen/differ.h"

#include "tools/levelgen/diffrules.h"
#include "tools/levelgen/light.h"
#include "tools/levelgen/metrics.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rules.h"
#include "tools/levelgen/scenerules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <functional>
#include <map>

namespace levelgen {

Difficulty difficultyFor(int level)
{
    const double t = std::clamp((level - 1) / 99.0, 0.0, 1.0);
    Difficulty d;
    d.count = 5 + int(std::lround(10 * t));
    // The first levels: large, clear changes. Not as high a contrast as a
    // recolour gives, since a recolour is no longer most of what changes.
    d.minVisible = level <= 10 ? 120 : int(std::lround(115 - 65 * std::sqrt(t)));
    d.maxVisible = int(std::lround(640 - 300 * t));
    // Mean dE76 over what changed (a night scene has little more); the first
    // ten hold to 16 whole.
    d.minContrast = level <= 10 ? 16 : 16 - 4 * t;
    // The first ten keep their large, clear changes whatever it costs.
    d.floorVisible = level <= 10 ? d.minVisible : std::min(d.minVisible, std::max(kMinNoticeable + 20, d.minVisible * 3 / 4));
    d.floorContrast = level <= 10 ? d.minContrast : d.minContrast * 0.75;
    d.subtlety = t;
    d.maxBold = level > 90 ? d.count / 2 : level > 60 ? d.count * 2 / 3 : d.count;
    return d;
}

QColor recolour(const QColor& c, double subtlety, Rng& rng)
{
    static const QColor vivid[] = {QColor(215, 40, 40), QColor(40, 90, 210), QColor(245, 200, 40),
                                   QColor(50, 160, 70), QColor(150, 60, 170), QColor(240, 130, 30),
                                   QColor(30, 170, 190), QColor(240, 240, 235), QColor(50, 45, 45)};
    int h, s, v;
    c.getHsv(&h, &s, &v);
    const int minDistance = int(150 - 70 * subtlety);
    if (s >= 70 && v >= 60) {
        for (int tries = 0; tries < 6; ++tries) {
            const int shift = int(rng.range(150 - 90 * subtlety, 200 - 110 * subtlety)) * (rng.chance(0.5) ? 1 : -1);
            const QColor n = hueShift(c, shift);
            if (colourDistance(n.rgb(), c.rgb()) >= minDistance)
                return n;
        }
    }
    std::vector<QColor> far;
    for (const QColor& cand : vivid)
        if (colourDistance(cand.rgb(), c.rgb()) >= minDistance)
            far.push_back(cand);
    return far.empty() ? shade(c, v > 128 ? 0.45 : 1.8) : rng.pick(far);
}

bool applyMod(Obj& o, unsigned mod, double subtlety, Rng& rng)
{
    const Kind& k = kindOf(o.kind);
    switch (mod) {
    case Remove:
        if (!o.visible || o.spare)
            return false;
        o.visible = false;
        return true;
    case Add:
        if (!o.spare || o.visible)
            return false;
        o.visible = true;
        return true;
    case Recolour: {
        QColor& c = k.recolour == 3 ? o.c3 : k.recolour == 2 ? o.c2 : o.c1;
        // A living or growing thing takes another of its own colours (a green
        // apple for a red one); painted and dyed things may take any.
        const std::vector<QColor> natural = k.recolour == 1 ? naturalColours(o.kind) : std::vector<QColor>();
        if (natural.empty()) {
            c = recolour(c, subtlety, rng);
            return true;
        }
        std::vector<QColor> far;
        for (const QColor& n : natural)
            if (colourDistance(n.rgb(), c.rgb()) >= 90)
                far.push_back(n);
        if (far.empty())
            return false;
        c = rng.pick(far);
        return true;
    }
    case Move: {
        const double dist = rng.range(4, 7 - 2 * subtlety);
        const double a = o.groundMove ? (rng.chance(0.5) ? 0 : M_PI) : rng.range(0, 2 * M_PI);
        o.pos += QPointF(std::cos(a) * dist, std::sin(a) * dist);
        return true;
    }
    case Resize: {
        const double f = rng.range(0.3 - 0.15 * subtlety, 0.3);
        o.scale *= rng.chance(0.5) ? 1 + f : 1 / (1 + f);
        return true;
    }
    case Mirror:
        if (carriesWriting(o.kind))
            return false;
        o.mirror = !o.mirror;
        return true;
    case Detail:
        if (k.details == 0)
            return false;
        o.variant ^= 1 << rng.between(0, k.details - 1);
        return true;
    case Count: {
        if (k.maxCount <= k.minCount)
            return false;
        int step = rng.chance(0.5) ? 1 : -1;
        if (o.count + step < k.minCount || o.count + step > k.maxCount)
            step = -step;
        o.count += step;
        return true;
    }
    case Reshape:
        if (k.shapes < 2)
            return false;
        o.shape = (o.shape + rng.between(1, k.shapes - 1)) % k.shapes;
        return true;
    case Shade: {
        // Lighter or darker by a CIE76 distance of 18 to 30: seen when compared.
        QColor& c = k.recolour == 3 ? o.c3 : k.recolour == 2 ? o.c2 : o.c1;
        const double sign = rng.chance(0.5) ? 1 : -1;
        for (int step = 0; step < 12; ++step) {
            const double f = 1 + sign * (step % 6 + 2) * 0.05 * (step < 6 ? 1 : -1);
            const QColor n = shade(c, f);
            const double e = deltaE76(c.rgb(), n.rgb());
            if (e >= 18 && e <= 30) {
                c = n;
                return true;
            }
        }
        return false;
    }
    case Light:
        o.variant ^= 1 << k.lightBit;
        return true;
    case Digit: {
        const int was = o.count;
        o.count = (o.count + rng.between(1, 8)) % 10;
        if ((was == 6 && o.count == 9) || (was == 9 && o.count == 6) || (was == 0 && o.count == 8) || (was == 8 && o.count == 0))
            o.count = (o.count + 3) % 10; // pairs too alike in our small digits
        return true;
    }
    case Pattern:
        o.variant ^= 1 << k.patternBit;
        return true;
    case Tilt:
        o.rot += (rng.chance(0.5) ? 1 : -1) * rng.range(12, 20);
        return true;
    }
    return false;
}

unsigned changeMade(unsigned mod, const Obj& before, const Obj& after)
{
    const Kind& k = kindOf(before.kind);
    const int bits = before.variant ^ after.variant;
    if (mod == Detail && (k.mods & Light) && bits == 1 << k.lightBit)
        return Light;
    if (mod == Detail && (k.mods & Pattern) && bits == 1 << k.patternBit)
        return Pattern;
    return mod;
}

namespace {

constexpr int kGap = 7; // free pixels kept between two differences

// An index into `items`, each drawn in proportion to its weight.
template <typename Items, typename Weight>
std::size_t weightedPick(const Items& items, Weight weight, Rng& rng)
{
    double sum = 0;
    for (int c : items)
        sum += weight(c);
    double r = rng.real() * sum;
    for (std::size_t k = 0; k < items.size(); ++k)
        if ((r -= weight(items[k])) < 0)
            return k;
    for (std::size_t k = items.size(); k-- > 0;) // rounding left a sliver: the last one weighed
        if (weight(items[k]) > 0)
            return k;
    return items.size() - 1;
}

// Bold changes early, finer ones (details, counts, mirroring) later on.
unsigned pickMod(unsigned allowed, double t, Rng& rng)
{
    static const unsigned mods[kModKinds] = {Remove, Add, Recolour, Move, Resize, Mirror, Detail,
                                             Count, Reshape, Shade, Light, Digit, Pattern, Tilt};
    // Digits and patterns are rare objects' changes: weighted up, most late.
    // Things added, taken away, moved, turned, reshaped or counted are what
    // players enjoy; changes of colour alone are kept few (and capped).
    // A thing grown or shrunk a little, a shade lighter, or shifted aside
    // is found by scanning, not seen: those are kept for where little else fits.
    const double early[kModKinds] = {3, 3, 0.8, 0.6, 0.5, 0.8, 1.6, 1.8, 1.6, 0.1, 0.8, 1.0, 0.4, 0.8};
    const double late[kModKinds] = {1.6, 1.6, 0.4, 1.0, 0.6, 2.2, 2.6, 2.8, 2.0, 0.3, 0.4, 2.0, 0.8, 1.2};
    static constexpr std::array<int, kModKinds> kinds = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    double w[kModKinds], sum = 0;
    for (int i = 0; i < kModKinds; ++i) {
        w[i] = (allowed & mods[i]) ? early[i] + (late[i] - early[i]) * t : 0;
        sum += w[i];
    }
    if (sum <= 0)
        return 0;
    return mods[weightedPick(kinds, [&](int i) { return w[i]; }, rng)];
}

unsigned allowedMods(const Obj& o)
{
    const unsigned m = kindOf(o.kind).mods & ~o.deny;
    if (o.spare)
        return o.visible ? 0 : (m & Add);
    return o.visible ? (m & ~Add) : 0;
}

// Objects whose whole picture changes must be about the size of the click
// square; larger ones can only change a part (a pane, a count, a shape).
bool fitsSquare(const Obj& o, unsigned mod)
{
    if (mod & (Detail | Count | Reshape))
        return true;
    // The box is generous (a balloon's faint string, antialiasing): what
    // really shows is measured once the change is drawn.
    const QRect b = bounds(o);
    return b.width() <= 2 * kSquareHalf + 16 && b.height() <= 2 * kSquareHalf + 16;
}
// How much a player gets from a change on this thing: birds and balloons
// in the open sky are the sky's own filling, and a tiny thing's change is
// found by scanning; a thing of some size, on the ground among others, is
// what the eye reads.
double interest(const Scene& s, const Obj& o)
{
    if (inOpenSky(s, o))
        return 0.35;
    const QRect b = bounds(o);
    const int side = std::min(b.width(), b.height());
    return side < 16 ? 0.6 : side >= 26 ? 1.4 : 1.0;
}
} // namespace

namespace {
// Changes that leave an object's outline, and so its shadow, as it was.
constexpr unsigned kOutlineKept = Recolour | Shade | Pattern | Light | Digit;

// Changes that leave where a thing stands and how big it is as they were:
// they cannot make the right picture's scene stand worse than the left's.
constexpr unsigned kPlaceKept = kOutlineKept | Detail | Count;

// The share of colour-only changes aimed at: below what the rule allows
// (kMaxColourOnlyShare), so that most of a level's changes are of form.
constexpr double kColourOnlyAim = 0.2;

// The first pass makes each change on each kind of thing once: a second
// panel counted is only taken when nothing else will do.
constexpr int kFirstSameChange = 1;

void setPixels(QImage& img, const std::vector<Change>& changes)
{
    for (const Change& c : changes)
        img.setPixel(c.at, c.after);
}
} // namespace

Differences makeDifferences(const Scene& original, const QImage& left, const Difficulty& d, Rng& rng)
{
    Scene cur = original;
    // The left picture's scene: as drawn, but for the shadows shortened
    // under objects that change shape or place (the same on both sides).
    Scene leftScene = original;
    Differences out;
    out.left = left.convertToFormat(QImage::Format_RGB32);
    out.right = out.left;
    // Pixels a later change may not touch: earlier changes and their margins.
    std::vector<unsigned char> claimed(std::size_t(kWidth) * kHeight, 0);
    // The pixels earlier differences changed: a shortened shadow may reach
    // into their margins (it is the same on both sides) but not onto them.
    std::vector<unsigned char> changed(std::size_t(kWidth) * kHeight, 0);
    auto isChanged = [&](const std::vector<Change>& changes) {
        for (const Change& c : changes)
            if (changed[std::size_t(c.at.y()) * kWidth + std::size_t(c.at.x())])
                return true;
        return false;
    };
    auto isClaimed = [&](const std::vector<Change>& changes) {
        for (const Change& c : changes)
            if (claimed[std::size_t(c.at.y()) * kWidth + std::size_t(c.at.x())])
                return true;
        return false;
    };
    const QRect picture(0, 0, kWidth, kHeight);
    std::vector<int> fair;
    for (int i = 0; i < int(cur.objs.size()); ++i)
        if (allowedMods(cur.objs[std::size_t(i)]) && unfairFor(original, out.left, i).isEmpty())
            fair.push_back(i);
    std::vector<double> interestOf(cur.objs.size(), 0);
    for (int i : fair)
        interestOf[std::size_t(i)] = interest(original, cur.objs[std::size_t(i)]);
    int colourOnly = 0;
    // The right picture is held to the scene rules as each change is tried,
    // and its open sky takes one difference at most.
    const RightPicture rightPicture(original);
    const bool skyAllowed = skyIsTheSubject(original);
    int inSky = 0;
    std::vector<QPoint> points;
    std::vector<std::vector<Change>> made; // each accepted difference's pixels
    const QRect inset(kSquareHalf + 4, kSquareHalf + 4, kWidth - 2 * kSquareHalf - 8, kHeight - 2 * kSquareHalf - 8);
    int bold = 0;
    // Variety: each change on each kind of thing, and each change at all.
    std::map<std::pair<unsigned, int>, int> perChangeAndKind; // each detail apart: the limit
    std::map<std::pair<unsigned, int>, int> perChangeOnKind;  // any detail of a kind: the aim
    std::map<unsigned, int> perChange;
    // Any change on one kind of thing: three ducks changed teach one lesson.
    std::map<int, int> perKind;
    // With six or more, no quarter of the height may hold more than half,
    // nor a third of the width (a little more where a level is short).
    double acrossShare = kAimAcrossShare;
    const auto spreadOk = [&](QPoint at) {
        points.push_back(at);
        const bool fine = d.count < 6 || (2 * mostInAQuarter(points) <= d.count && !crowdedAcross(points, d.count, acrossShare));
        points.pop_back();
        return fine;
    };
    // The first pass keeps to the level's difficulty; a level still short of
    // its count then takes what the rules allow: larger or fainter changes
    // within the rules. Never bold kinds beyond the level's share: a draw
    // with more is not taken.
    // A third pass, for a scene of few kinds, lifts the aim of changes per
    // kind; the rules' limits still hold.
    for (int pass = 0; pass < 3 && int(out.list.size()) < d.count; ++pass) {
        const bool relaxed = pass > 0;
        const int perKindAim = pass == 0 ? kAimChangesPerKind : pass == 1 ? kMaxSameChange : d.count;
        const int maxVisible = relaxed ? d.maxVisible * 3 / 2 : d.maxVisible;
        const int minVisible = relaxed ? d.floorVisible : d.minVisible;
        const double minContrast = relaxed ? d.floorContrast : d.minContrast;
        const int maxBold = d.maxBold;
        // Varied first; a level still short may repeat a change a little more.
        // The aim counts a kind's details together (not three pictures' details
        // on one wall); the limit each detail apart.
        const auto sameChangeFull = [&](unsigned m, const Obj& b, const Obj& a) {
            return relaxed ? perChangeAndKind[{m, changedLook(m, b, a)}] >= kMaxSameChange
                           : perChangeOnKind[{m, aimedLook(m, b.kind)}] >= kFirstSameChange;
        };
        acrossShare = relaxed ? kMaxAcrossShare : kAimAcrossShare;
        const int oneChange = maxOfOneChange(d.count, relaxed ? kMaxChangeShare : kAimChangeShare);
        const int maxColour = relaxed ? maxColourOnly(d.count) : int(std::floor(kColourOnlyAim * d.count + 1e-9));
        std::vector<int> candidates;
        for (int i : fair)
            if (std::none_of(out.list.begin(), out.list.end(), [&](const Difference& x) { return x.object == i; }))
                candidates.push_back(i);
        std::vector<int> misses(cur.objs.size(), 0);
        int attempts = 0;
        while (int(out.list.size()) < d.count && !candidates.empty() && attempts++ < 500 * d.count) {
            // Only things in a band of the picture that can still take one.
            std::vector<int> open;
            for (int c = 0; c < int(candidates.size()); ++c)
                if (spreadOk(bounds(cur.objs[std::size_t(candidates[std::size_t(c)])]).center()))
                    open.push_back(c);
            if (open.empty())
                break;
            int pick = open[weightedPick(open, [&](int c) { return interestOf[std::size_t(candidates[std::size_t(c)])]; }, rng)];
            // Few objects carry a number or a pattern: later levels look for
            // them first, so those changes are not drowned by the many others.
            if (rng.chance(0.6 * d.subtlety)) {
                std::vector<int> rare;
                for (int c : open)
                    if (allowedMods(cur.objs[std::size_t(candidates[std::size_t(c)])]) & (Digit | Pattern))
                        rare.push_back(c);
                if (!rare.empty())
                    pick = rare[rng.next() % rare.size()];
            }
            if (misses[std::size_t(candidates[std::size_t(pick)])] >= 16) { // this one will not fit
                candidates.erase(candidates.begin() + pick);
                continue;
            }
            const int i = candidates[std::size_t(pick)];
            Obj& obj = cur.objs[std::size_t(i)];
            if (perKind[obj.kind] >= perKindAim) {
                candidates.erase(candidates.begin() + pick);
                continue;
            }
            unsigned allowed = allowedMods(obj);
            if (colourOnly >= maxColour)
                allowed &= ~kColourOnlyMods;
            if (bold >= maxBold)
                allowed &= kSubtleMods;
            if (d.subtlety < 0.1) // the first levels show strong changes only
                allowed &= ~Shade;
            for (unsigned bit = 1; bit && bit <= allowed; bit <<= 1)
                if ((allowed & bit) && (((bit != Detail || !relaxed) && sameChangeFull(bit, obj, obj)) || perChange[bit] >= oneChange))
                    allowed &= ~bit;
            unsigned mod = pickMod(allowed, d.subtlety, rng);
            const Obj drawn = obj;
            Obj before = drawn;
            Obj after = before;
            if (!mod || !fitsSquare(before, mod) || !applyMod(after, mod, d.subtlety, rng)) {
                ++misses[std::size_t(i)];
                continue;
            }
            // A detail that lights a lamp is one more light: held to that change's limits.
            mod = changeMade(mod, before, after);
            if (!(allowedMods(drawn) & mod) || sameChangeFull(mod, before, after) || perChange[mod] >= oneChange) {
                ++misses[std::size_t(i)];
                continue;
            }
            if (!(mod & kSubtleMods) && bold >= maxBold)
                continue;
            if ((mod & kColourOnlyMods) && colourOnly >= maxColour)
                continue;
            if (!spreadOk(bounds(before).center())) { // known before anything is drawn
                ++misses[std::size_t(i)];
                continue;
            }
            const bool sky = !skyAllowed && inOpenSky(original, mod == Add ? after : before);
            if (sky && inSky >= kMaxSkyDifferences) { // and never will
                candidates.erase(candidates.begin() + pick);
                continue;
            }
            if (!(mod & kPlaceKept)) {
                obj = after;
                bool stands = rightPicture.newBreaches(cur).empty();
                // A thing shown only on the right may appear beside something
                // rather than on a bare spot: its left picture has no place for it.
                // It may take the size of what stands at its depth, too.
                // And a colour of its own, where another of its kind looks like it.
                if (!stands && mod == Add) {
                    std::vector<QPointF> places = placesBeside(cur, i);
                    places.insert(places.begin(), drawn.pos);
                    const double scales[] = {drawn.scale, fittingScale(cur, i)};
                    const QColor own = distinctColour(cur, i);
                    const QColor colours[] = {drawn.c1, own.isValid() ? own : drawn.c1};
                    for (std::size_t k = 1; k < 4 * places.size() && !stands; ++k) {
                        obj.pos = places[k / 4];
                        obj.scale = scales[k % 2];
                        obj.c1 = colours[k / 2 % 2];
                        if ((stands = rightPicture.newBreaches(cur).empty()))
                            after = obj, before.pos = obj.pos, before.scale = obj.scale, before.c1 = obj.c1;
                    }
                }
                // Grown, it may stand bigger than its kind further forward: shrunk, it fits.
                if (!stands && mod == Resize) {
                    obj.scale = drawn.scale * drawn.scale / after.scale;
                    if ((stands = rightPicture.newBreaches(cur).empty()))
                        after = obj;
                }
                obj = drawn;
                if (!stands) {
                    ++misses[std::size_t(i)];
                    continue;
                }
            }
            // A thing that changes shape or place keeps its shadow short on both
            // sides, so the shadow changes only where the thing does.
            std::vector<Change> shortening;
            if (!(mod & kOutlineKept)) {
                shortenCast(after);
                if (shortenCast(before) && before.visible) {
                    Obj& l = leftScene.objs[std::size_t(i)];
                    const QRect was = reach(l).intersected(picture);
                    const QImage longer = renderPatch(leftScene, was);
                    l = before;
                    shortening = changesBetween(longer, renderPatch(leftScene, was), was.topLeft());
                    l = drawn;
                    if (isChanged(shortening)) {
                        ++misses[std::size_t(i)];
                        continue;
                    }
                }
            }
            const QRect region = (reach(before) | reach(after)).intersected(picture);
            if (region.isEmpty())
                continue;
            obj = before;
            const QImage patchBefore = renderPatch(cur, region);
            obj = after;
            const QImage patchAfter = renderPatch(cur, region);
            std::vector<Change> changes = changesBetween(patchBefore, patchAfter, region.topLeft());
            const QPoint centre = visibleCentre(changes);
            // Faint changes beyond the spill margin are left out of the picture.
            changes.erase(std::remove_if(changes.begin(), changes.end(),
                                         [&](const Change& c) { return distanceOutside(c.at, centre) > kMaxSpill; }),
                          changes.end());
            const DiffCheck check = checkDifference(changes, centre);
            // A change of shade is faint by design: its own band of contrast.
            const bool contrastOk = mod == Shade ? check.meanDeltaE >= 12 && check.meanDeltaE <= 30
                                                 : check.meanDeltaE >= minContrast;
            bool ok = inset.contains(centre) && check.ok() && check.visible >= minVisible &&
                      check.visible <= maxVisible && contrastOk;
            for (const Difference& other : out.list)
                ok = ok && std::max(std::abs(other.point.x() - centre.x()), std::abs(other.point.y() - centre.y())) >=
                               2 * (kSquareHalf + kMaxSpill) + 2;
            ok = ok && !isClaimed(changes);
            ok = ok && spreadOk(centre);
            if (!ok) {
                obj = drawn;
                ++misses[std::size_t(i)];
                continue;
            }
            if (!shortening.empty()) {
                leftScene.objs[std::size_t(i)] = before;
                setPixels(out.left, shortening);
                setPixels(out.right, shortening);
            }
            setPixels(out.right, changes);
            made.push_back(changes);
            for (const Change& c : changes)
                changed[std::size_t(c.at.y()) * kWidth + std::size_t(c.at.x())] = 1;
            for (const Change& c : changes)
                for (int y = std::max(0, c.at.y() - kGap); y <= std::min(kHeight - 1, c.at.y() + kGap); ++y)
                    std::fill_n(claimed.begin() + std::ptrdiff_t(y) * kWidth + std::max(0, c.at.x() - kGap),
                                std::min(kWidth - 1, c.at.x() + kGap) - std::max(0, c.at.x() - kGap) + 1, 1);
            out.list.push_back({centre, check, mod, i, after});
            points.push_back(centre);
            inSky += sky;
            ++perChangeAndKind[{mod, changedLook(mod, before, after)}];
            ++perChangeOnKind[{mod, aimedLook(mod, before.kind)}];
            ++perChange[mod];
            ++perKind[before.kind];
            colourOnly += (mod & kColourOnlyMods) != 0;
            bold += !(mod & kSubtleMods);
            candidates.erase(candidates.begin() + pick);
        }
    }
    // A level that fell short of its count may hold too many changes of
    // colour, or too many in one band, for the count it has: the last of
    // those are taken back until it keeps both rules.
    auto takeBack = [&](std::size_t k) {
        for (const Change& c : made[k])
            out.right.setPixel(c.at, c.before);
        colourOnly -= (out.list[k].mod & kColourOnlyMods) != 0;
        out.list.erase(out.list.begin() + std::ptrdiff_t(k));
        made.erase(made.begin() + std::ptrdiff_t(k));
        points.erase(points.begin() + std::ptrdiff_t(k));
    };
    // The last of the band's, or of the commonest change's, goes first.
    const auto takeBackLast = [&](const std::function<int(std::size_t)>& groupOf, int groups) {
        std::vector<int> in(std::size_t(groups), 0);
        for (std::size_t k = 0; k < out.list.size(); ++k)
            ++in[std::size_t(groupOf(k))];
        const int fullest = int(std::max_element(in.begin(), in.end()) - in.begin());
        for (std::size_t k = out.list.size(); k-- > 0;)
            if (groupOf(k) == fullest) {
                takeBack(k);
                return;
            }
    };
    for (;;) {
        if (colourOnly > maxColourOnly(int(out.list.size()))) {
            for (std::size_t k = out.list.size(); k-- > 0;)
                if (out.list[k].mod & kColourOnlyMods) {
                    takeBack(k);
                    break;
                }
            continue;
        }
        std::map<unsigned, int> changes;
        for (const Difference& x : out.list)
            ++changes[x.mod];
        if (std::any_of(changes.begin(), changes.end(), [&](const auto& c) { return c.second > maxOfOneChange(int(out.list.size())); }))
            takeBackLast([&](std::size_t k) { return std::countr_zero(out.list[k].mod); }, 32);
        else if (crowded(points, int(points.size())))
            takeBackLast([&](std::size_t k) { return std::clamp(points[k].y() * 4 / kHeight, 0, 3); }, 4);
        else if (crowdedAcross(points, int(points.size())))
            takeBackLast([&](std::size_t k) { return std::clamp(points[k].x() * 3 / kWidth, 0, 2); }, 3);
        else
            break;
    }
    return out;
}

QColor chooseMarker(const QImage& left, const std::vector<QPoint>& points)
{
    static const QColor candidates[] = {QColor(255, 32, 32), QColor(255, 140, 0), QColor(255, 230, 0),
                                        QColor(0, 230, 60), QColor(0, 220, 255), QColor(255, 0, 220),
                                        QColor(255, 255, 255), QColor(40, 60, 255)};
    QColor best = candidates[0];
    int bestScore = -1;
    for (const QColor& c : candidates) {
        int worst = 1 << 30;
        for (const QPoint& pt : points) {
            long sum = 0;
            int n = 0;
            for (int dy = -10; dy <= 9; ++dy)
                for (int dx = -10; dx <= 9; ++dx) {
                    const int r2 = dx * dx + dy * dy;
                    const QPoint q = pt + QPoint(dx, dy);
                    if (r2 < 49 || r2 > 100 || !left.rect().contains(q))
                        continue;
                    sum += colourDistance(left.pixel(q), c.rgb());
                    ++n;
                }
            if (n)
                worst = std::min(worst, int(sum / n));
        }
        if (worst > bestScore)
            bestScore = worst, best = c;
    }
    return best;
}

} // namespace levelgen
