#include "tools/levelgen/differ.h"

#include "tools/levelgen/metrics.h"
#include "tools/levelgen/paintkit.h"

#include <algorithm>
#include <cmath>

namespace levelgen {

Difficulty difficultyFor(int level)
{
    const double t = std::clamp((level - 1) / 99.0, 0.0, 1.0);
    Difficulty d;
    d.count = 5 + int(std::lround(10 * t));
    d.minVisible = int(std::lround(380 - 300 * std::sqrt(t)));
    d.maxVisible = int(std::lround(3200 - 1900 * t));
    d.targetSide = 44 - 22 * t;
    d.subtlety = t;
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
        c = recolour(c, subtlety, rng);
        return true;
    }
    case Move: {
        const double dist = rng.range(9 - 3 * subtlety, 16 - 6 * subtlety);
        const double a = o.groundMove ? (rng.chance(0.5) ? 0 : M_PI) : rng.range(0, 2 * M_PI);
        o.pos += QPointF(std::cos(a) * dist, std::sin(a) * dist);
        return true;
    }
    case Resize: {
        const double f = rng.range(0.3 - 0.1 * subtlety, 0.45 - 0.15 * subtlety);
        o.scale *= rng.chance(0.5) ? 1 + f : 1 / (1 + f);
        return true;
    }
    case Mirror:
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
    }
    return false;
}

namespace {

constexpr int kGap = 7; // free pixels kept between two differences

// Bold changes early, finer ones (details, counts, mirroring) later on.
unsigned pickMod(unsigned allowed, double t, Rng& rng)
{
    static const unsigned mods[kModKinds] = {Remove, Add, Recolour, Move, Resize, Mirror, Detail, Count, Reshape};
    const double early[kModKinds] = {3, 3, 3, 0.6, 1.5, 0.5, 1.2, 1.2, 1.2};
    const double late[kModKinds] = {1.5, 1.5, 1.5, 1.4, 1.2, 1.4, 2.2, 2.2, 1.6};
    double w[kModKinds], sum = 0;
    for (int i = 0; i < kModKinds; ++i) {
        w[i] = (allowed & mods[i]) ? early[i] + (late[i] - early[i]) * t : 0;
        sum += w[i];
    }
    if (sum <= 0)
        return 0;
    double r = rng.real() * sum;
    for (int i = 0; i < kModKinds; ++i)
        if ((r -= w[i]) < 0)
            return mods[i];
    return 0;
}

unsigned allowedMods(const Obj& o)
{
    const unsigned m = kindOf(o.kind).mods & ~o.deny;
    if (o.spare)
        return o.visible ? 0 : (m & Add);
    return o.visible ? (m & ~Add) : 0;
}

struct Measure {
    std::vector<QPoint> changed;
    QRect visibleBox;
    int visible = 0;
};

Measure measure(const QImage& before, const QImage& after, QPoint origin)
{
    Measure m;
    for (int y = 0; y < before.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        for (int x = 0; x < before.width(); ++x) {
            if (a[x] == b[x])
                continue;
            const QPoint pt = origin + QPoint(x, y);
            m.changed.push_back(pt);
            if (colourDistance(a[x], b[x]) >= kVisibleDistance) {
                ++m.visible;
                m.visibleBox = m.visibleBox.isNull() ? QRect(pt, QSize(1, 1)) : m.visibleBox.united(QRect(pt, QSize(1, 1)));
            }
        }
    }
    return m;
}

int dist2(QPoint a, QPoint b) { return (a.x() - b.x()) * (a.x() - b.x()) + (a.y() - b.y()) * (a.y() - b.y()); }

// The middle of a box, as the validator computes it.
QPoint middle(const QRect& r) { return QPoint((r.left() + r.right() + 1) / 2, (r.top() + r.bottom() + 1) / 2); }

} // namespace

Differences makeDifferences(const Scene& original, const QImage& left, const Difficulty& d, Rng& rng)
{
    Scene cur = original;
    Differences out;
    out.right = left.convertToFormat(QImage::Format_RGB32);
    std::vector<unsigned char> claimed(std::size_t(kWidth) * kHeight, 0);
    std::vector<std::vector<QPoint>> pixelsOf; // changed pixels of each accepted difference
    std::vector<int> candidates;
    for (int i = 0; i < int(cur.objs.size()); ++i)
        if (allowedMods(cur.objs[std::size_t(i)]))
            candidates.push_back(i);
    const double targetArea = d.targetSide * d.targetSide;
    int attempts = 0;
    while (int(out.list.size()) < d.count && !candidates.empty() && attempts++ < 400 * d.count) {
        // A small tournament: of three objects, the one nearest the wanted size.
        int best = -1;
        double bestScore = 1e18;
        for (int k = 0; k < 3; ++k) {
            const int idx = int(rng.next() % candidates.size());
            const QRect b = bounds(cur.objs[std::size_t(candidates[std::size_t(idx)])]);
            const double score = std::abs(std::log(double(b.width()) * b.height() / targetArea));
            if (score < bestScore)
                bestScore = score, best = idx;
        }
        const int i = candidates[std::size_t(best)];
        Obj& obj = cur.objs[std::size_t(i)];
        const unsigned mod = pickMod(allowedMods(obj), d.subtlety, rng);
        const Obj before = obj;
        Obj after = before;
        if (!mod || !applyMod(after, mod, d.subtlety, rng))
            continue;
        const QRect region = (bounds(before) | bounds(after)).intersected(QRect(0, 0, kWidth, kHeight));
        if (region.isEmpty())
            continue;
        const QImage patchBefore = renderPatch(cur, region);
        obj = after;
        const QImage patchAfter = renderPatch(cur, region);
        const Measure m = measure(patchBefore, patchAfter, region.topLeft());
        const QPoint centre = middle(m.visibleBox);
        bool ok = m.visible >= d.minVisible && m.visible <= d.maxVisible && !m.visibleBox.isNull() &&
                  squareOnPicture(centre) && centre.x() >= 14 && centre.x() < kWidth - 14 &&
                  centre.y() >= 14 && centre.y() < kHeight - 14;
        for (const QPoint& pt : m.changed) {
            if (!ok)
                break;
            const QPoint dv = pt - centre;
            ok = dv.x() * dv.x() + dv.y() * dv.y() <= kRadius * kRadius &&
                 !claimed[std::size_t(pt.y()) * kWidth + std::size_t(pt.x())];
        }
        for (const Difference& other : out.list)
            ok = ok && std::max(std::abs(other.point.x() - centre.x()), std::abs(other.point.y() - centre.y())) >= 26;
        // Every changed pixel must stay nearest to its own point, as the
        // validator assigns them: the new point may not steal from the old.
        for (std::size_t k = 0; ok && k < out.list.size(); ++k) {
            const QPoint other = out.list[k].point;
            ok = std::all_of(m.changed.begin(), m.changed.end(), [&](QPoint pt) { return dist2(pt, centre) < dist2(pt, other); }) &&
                 std::all_of(pixelsOf[k].begin(), pixelsOf[k].end(), [&](QPoint pt) { return dist2(pt, other) < dist2(pt, centre); });
        }
        if (!ok) {
            obj = before;
            continue;
        }
        for (const QPoint& pt : m.changed) {
            out.right.setPixel(pt, patchAfter.pixel(pt - region.topLeft()));
            for (int y = std::max(0, pt.y() - kGap); y <= std::min(kHeight - 1, pt.y() + kGap); ++y)
                std::fill_n(claimed.begin() + std::ptrdiff_t(y) * kWidth + std::max(0, pt.x() - kGap),
                            std::min(kWidth - 1, pt.x() + kGap) - std::max(0, pt.x() - kGap) + 1, 1);
        }
        out.list.push_back({centre, m.visibleBox, int(m.changed.size()), m.visible, mod, i});
        pixelsOf.push_back(m.changed);
        candidates.erase(candidates.begin() + best);
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
