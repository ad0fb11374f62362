#include "tools/levelgen/rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace levelgen {

QRect hitSquare(QPoint p) { return QRect(p.x() - kSquareHalf, p.y() - kSquareHalf, 2 * kSquareHalf, 2 * kSquareHalf); }

int distanceOutside(QPoint px, QPoint point)
{
    const QRect sq = hitSquare(point);
    const int dx = std::max({sq.left() - px.x(), px.x() - sq.right(), 0});
    const int dy = std::max({sq.top() - px.y(), px.y() - sq.bottom(), 0});
    return std::max(dx, dy);
}

bool squaresOverlap(QPoint a, QPoint b) { return hitSquare(a).intersects(hitSquare(b)); }

bool squareOnPicture(QPoint p) { return QRect(0, 0, 354, 482).contains(hitSquare(p)); }

int channelSum(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

namespace {
struct Tables {
    std::array<double, 256> linear{};
    std::array<unsigned char, 4096> encode{}; // linear 0..1 in 4096 steps back to sRGB
    Tables()
    {
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            linear[std::size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        for (int i = 0; i < 4096; ++i) {
            const double l = i / 4095.0;
            const double s = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
            encode[std::size_t(i)] = static_cast<unsigned char>(std::lround(std::clamp(s, 0.0, 1.0) * 255));
        }
    }
};
const Tables& tables()
{
    static const Tables t;
    return t;
}

struct Lab {
    double l, a, b;
};
double labF(double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; }
Lab toLab(QRgb c)
{
    const Tables& t = tables();
    const double r = t.linear[std::size_t(qRed(c))], g = t.linear[std::size_t(qGreen(c))], b = t.linear[std::size_t(qBlue(c))];
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const double fx = labF(x), fy = labF(y), fz = labF(z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}
} // namespace

double deltaE76(QRgb a, QRgb b)
{
    const Lab p = toLab(a), q = toLab(b);
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

QRgb simulate(QRgb c, Vision v)
{
    // Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
    static const double protan[9] = {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998};
    static const double deutan[9] = {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881};
    const double* m = v == Vision::Protan ? protan : deutan;
    const Tables& t = tables();
    const double r = t.linear[std::size_t(qRed(c))], g = t.linear[std::size_t(qGreen(c))], b = t.linear[std::size_t(qBlue(c))];
    auto out = [&](int row) {
        const double l = std::clamp(m[3 * row] * r + m[3 * row + 1] * g + m[3 * row + 2] * b, 0.0, 1.0);
        return int(t.encode[std::size_t(std::lround(l * 4095))]);
    };
    return qRgb(out(0), out(1), out(2));
}

std::vector<Change> changesBetween(const QImage& before, const QImage& after, QPoint origin)
{
    std::vector<Change> out;
    const QImage a = before.convertToFormat(QImage::Format_RGB32), b = after.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((la[x] & 0xFFFFFF) != (lb[x] & 0xFFFFFF))
                out.push_back({origin + QPoint(x, y), la[x], lb[x]});
    }
    return out;
}

QPoint DiffCheck::centre() const
{
    return QPoint((visibleBox.left() + visibleBox.right() + 1) / 2, (visibleBox.top() + visibleBox.bottom() + 1) / 2);
}

bool DiffCheck::centred() const
{
    if (visibleBox.isNull())
        return false;
    const QPoint c = centre();
    return std::max(std::abs(c.x() - point.x()), std::abs(c.y() - point.y())) <= kCentreTolerance;
}

DiffCheck checkDifference(const std::vector<Change>& changes, QPoint point)
{
    DiffCheck d;
    d.point = point;
    const QRect square = hitSquare(point);
    double sumDeltaE = 0;
    for (const Change& c : changes) {
        const bool in = square.contains(c.at);
        if (channelSum(c.before, c.after) > kVisibleSum) {
            ++d.visible;
            d.inside += in;
            d.worstSpill = std::max(d.worstSpill, distanceOutside(c.at, point));
            d.visibleBox = d.visibleBox.isNull() ? QRect(c.at, QSize(1, 1)) : d.visibleBox.united(QRect(c.at, QSize(1, 1)));
        }
        const double e = deltaE76(c.before, c.after);
        if (channelSum(c.before, c.after) > kVisibleSum)
            sumDeltaE += e;
        d.noticeable += e >= kNoticeableDeltaE;
        if (in) {
            d.protan += channelSum(simulate(c.before, Vision::Protan), simulate(c.after, Vision::Protan)) > kVisibleSum;
            d.deutan += channelSum(simulate(c.before, Vision::Deutan), simulate(c.after, Vision::Deutan)) > kVisibleSum;
        }
    }
    d.meanDeltaE = d.visible ? sumDeltaE / d.visible : 0;
    return d;
}

QPoint visibleCentre(const std::vector<Change>& changes)
{
    DiffCheck d;
    for (const Change& c : changes)
        if (channelSum(c.before, c.after) > kVisibleSum)
            d.visibleBox = d.visibleBox.isNull() ? QRect(c.at, QSize(1, 1)) : d.visibleBox.united(QRect(c.at, QSize(1, 1)));
    return d.visibleBox.isNull() ? QPoint(-1, -1) : d.centre();
}

LevelCheck checkLevelPictures(const QImage& left, const QImage& right, const std::vector<QPoint>& points)
{
    LevelCheck out;
    std::vector<std::vector<Change>> mine(points.size());
    for (const Change& c : changesBetween(left, right)) {
        int best = -1, bestDistance = 1 << 30;
        for (int k = 0; k < int(points.size()); ++k) {
            const int d = distanceOutside(c.at, points[std::size_t(k)]);
            if (d <= bestDistance)
                best = k, bestDistance = d;
        }
        if (best < 0 || bestDistance > kMaxSpill) {
            if (!out.strays++)
                out.firstStray = c.at;
            if (best < 0 || channelSum(c.before, c.after) <= kVisibleSum)
                continue; // faint strays are counted, visible ones also spill
        }
        mine[std::size_t(best)].push_back(c);
    }
    for (std::size_t k = 0; k < points.size(); ++k)
        out.diffs.push_back(checkDifference(mine[k], points[k]));
    return out;
}

std::vector<float> thumbnail(const QImage& picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width() / 8, h = img.height() / 8;
    std::vector<float> out(std::size_t(w * h * 3), 0.f);
    for (int y = 0; y < h * 8; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w * 8; ++x) {
            float* cell = &out[std::size_t(((y / 8) * w + x / 8) * 3)];
            cell[0] += qRed(line[x]) / 64.f;
            cell[1] += qGreen(line[x]) / 64.f;
            cell[2] += qBlue(line[x]) / 64.f;
        }
    }
    return out;
}

double sceneDistance(const std::vector<float>& a, const std::vector<float>& b)
{
    if (a.size() != b.size() || a.empty())
        return 0;
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum / double(a.size());
}

std::vector<int> themesTooSoon(const std::vector<int>& themeOfLevel)
{
    std::vector<int> out;
    for (int i = 0; i < int(themeOfLevel.size()); ++i)
        for (int j = std::max(0, i - (kThemeWindow - 1)); j < i; ++j)
            if (themeOfLevel[std::size_t(j)] == themeOfLevel[std::size_t(i)]) {
                out.push_back(i + 1);
                break;
            }
    return out;
}

namespace {
constexpr double kCutThing = 10; // CIE76 from the ring's median that makes a pixel part of a thing
constexpr double kCutAlike = 8;  // CIE76 within which two pixels are the same thing
constexpr double kRimTurn = 12;  // a*b* the change's mean moved by: a colour change
double grey(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }
double sobel(const QImage& img, int x, int y)
{
    auto g = [&](int dx, int dy) { return grey(img.pixel(x + dx, y + dy)); };
    const double gx = g(1, -1) + 2 * g(1, 0) + g(1, 1) - g(-1, -1) - 2 * g(-1, 0) - g(-1, 1);
    const double gy = g(-1, 1) + 2 * g(0, 1) + g(1, 1) - g(-1, -1) - 2 * g(0, -1) - g(1, -1);
    return std::hypot(gx, gy);
}
double cross(QPoint o, QPoint a, QPoint b)
{
    return double(a.x() - o.x()) * (b.y() - o.y()) - double(a.y() - o.y()) * (b.x() - o.x());
}
// Andrew's monotone chain; the points sorted by x, then y.
std::vector<QPoint> convexHull(std::vector<QPoint> pts)
{
    std::sort(pts.begin(), pts.end(), [](QPoint a, QPoint b) { return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y(); });
    if (pts.size() < 3)
        return pts;
    std::vector<QPoint> hull(2 * pts.size());
    size_t k = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
            --k;
        hull[k++] = pts[i];
    }
    for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0)
            --k;
        hull[k++] = pts[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}
} // namespace

NaturalCheck checkNatural(const QImage& before, const QImage& after)
{
    NaturalCheck c;
    const int w = before.width(), h = before.height();
    if (after.size() != before.size() || w < 3 || h < 3)
        return c;
    std::vector<char> changed(size_t(w) * h), visible(size_t(w) * h);
    std::vector<QPoint> seen;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sum = channelSum(before.pixel(x, y), after.pixel(x, y));
            changed[size_t(y) * w + x] = sum > 3;
            visible[size_t(y) * w + x] = sum > kVisibleSum;
            c.changed += sum > 3;
            if (sum > kVisibleSum)
                seen.push_back(QPoint(x, y));
        }
    if (!c.changed)
        return c;
    // The change as a region: pixels that happen to match inside it (grain
    // alike on both sides) are holes of the region, not a border of it.
    {
        std::vector<char> outside(size_t(w) * h, 0);
        std::vector<int> todo;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && !changed[size_t(y) * w + x]) {
                    outside[size_t(y) * w + x] = 1;
                    todo.push_back(y * w + x);
                }
        while (!todo.empty()) {
            const int i = todo.back();
            todo.pop_back();
            const int x = i % w, y = i / w;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next)
                if (n[0] >= 0 && n[1] >= 0 && n[0] < w && n[1] < h) {
                    const size_t j = size_t(n[1]) * w + n[0];
                    if (!changed[j] && !outside[j])
                        outside[j] = 1, todo.push_back(int(j));
                }
        }
        for (size_t i = 0; i < changed.size(); ++i)
            changed[i] = !outside[i];
    }
    auto at = [&](const std::vector<char>& m, int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && m[size_t(y) * w + x]; };
    auto near = [&](int x, int y, int r) {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (at(changed, x + dx, y + dy))
                    return true;
        return false;
    };
    // Colour: the change's mean a*b* against the ring of untouched pixels
    // within 3 px, in the picture before and after.
    double ringA = 0, ringB = 0, beforeA = 0, beforeB = 0, afterA = 0, afterB = 0;
    int ring = 0, inner = 0;
    const std::vector<char>& core = seen.empty() ? changed : visible;
    // The border: changed pixels touching untouched ones, and those untouched ones.
    double edgeBefore = 0, edgeAfter = 0;
    int border = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool in = changed[size_t(y) * w + x];
            if (!in && near(x, y, 3)) {
                const Lab l = toLab(before.pixel(x, y));
                ringA += l.a, ringB += l.b, ++ring;
            }
            if (core[size_t(y) * w + x]) {
                const Lab p = toLab(before.pixel(x, y)), q = toLab(after.pixel(x, y));
                beforeA += p.a, beforeB += p.b, afterA += q.a, afterB += q.b, ++inner;
            }
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx)
                    edge = x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h && at(changed, x + dx, y + dy) != in;
            if (edge && x > 0 && y > 0 && x < w - 1 && y < h - 1) {
                edgeBefore += sobel(before, x, y);
                edgeAfter += sobel(after, x, y);
                ++border;
            }
        }
    if (ring && inner) {
        ringA /= ring, ringB /= ring;
        const double before0 = std::hypot(beforeA / inner - ringA, beforeB / inner - ringB);
        const double after0 = std::hypot(afterA / inner - ringA, afterB / inner - ringB);
        c.colourStep = after0 - before0;
    }
    if (border)
        c.seamRatio = (edgeAfter / border + kSeamEpsilon) / (edgeBefore / border + kSeamEpsilon);
    // Straight sides: border pixels of the change (inside, a 4-neighbour
    // outside) on runs of kBlockyRun or more along a row or a column.
    {
        auto borderAt = [&](int x, int y) {
            if (!at(changed, x, y))
                return false;
            return !at(changed, x + 1, y) || !at(changed, x - 1, y) || !at(changed, x, y + 1) || !at(changed, x, y - 1);
        };
        // A side is a run whose outer neighbours (all above, or all below...) lie outside.
        auto sideRuns = [&](bool rows) {
            std::vector<char> onSide(size_t(w) * h, 0);
            const int outer = rows ? h : w, inner = rows ? w : h;
            for (int o = 0; o < outer; ++o)
                for (int dir : {-1, 1}) {
                    int run = 0;
                    for (int i = 0; i <= inner; ++i) {
                        const int x = rows ? i : o, y = rows ? o : i;
                        const bool side = i < inner && borderAt(x, y) && !at(changed, rows ? x : x + dir, rows ? y + dir : y);
                        if (side) {
                            ++run;
                            continue;
                        }
                        if (run >= kBlockyRun)
                            for (int k = i - run; k < i; ++k)
                                onSide[size_t(rows ? o : k) * w + (rows ? k : o)] = 1;
                        run = 0;
                    }
                }
            return onSide;
        };
        const std::vector<char> alongRows = sideRuns(true), alongColumns = sideRuns(false);
        int borderPixels = 0, straight = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (borderAt(x, y)) {
                    ++borderPixels;
                    straight += alongRows[size_t(y) * w + x] || alongColumns[size_t(y) * w + x];
                }
        if (borderPixels >= 4 * kBlockyRun)
            c.blockShare = double(straight) / borderPixels;
    }
    // Cut outlines: an untouched pixel of a thing (apart from the ring's
    // usual colour, and from the pixels on either side across the way it
    // runs: a line or a blade, not a glow or a slope) whose neighbour two
    // pixels into the change was like it before and is not after: the thing
    // ran on and now stops at the border. Thin blades often differ from
    // the sky by colour more than by lightness: the steps are CIE76.
    {
        std::vector<Lab> was(size_t(w) * h), is(size_t(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                was[size_t(y) * w + x] = toLab(before.pixel(x, y));
                is[size_t(y) * w + x] = toLab(after.pixel(x, y));
            }
        auto step = [](const Lab& p, const Lab& q) { return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b)); };
        std::vector<double> ringL, ringA, ringB;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (!changed[size_t(y) * w + x] && near(x, y, 3)) {
                    const Lab& l = was[size_t(y) * w + x];
                    ringL.push_back(l.l), ringA.push_back(l.a), ringB.push_back(l.b);
                }
        auto median = [](std::vector<double>& v) {
            std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
            return v[v.size() / 2];
        };
        if (!ringL.empty()) {
            const Lab ground{median(ringL), median(ringA), median(ringB)};
            const int dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    if (changed[size_t(y) * w + x])
                        continue;
                    const Lab& here = was[size_t(y) * w + x];
                    if (step(here, ground) < kCutThing)
                        continue;
                    for (const auto& d : dirs) {
                        if (!at(changed, x + d[0], y + d[1]))
                            continue;
                        // Narrow across the way it runs, within 4 px on one side.
                        bool narrow = false;
                        for (int k : {2, 3, 4, -2, -3, -4}) {
                            const int xs = x + k * d[1], ys = y + k * d[0];
                            narrow = narrow || (xs >= 0 && ys >= 0 && xs < w && ys < h && step(was[size_t(ys) * w + xs], here) >= kCutThing);
                        }
                        if (!narrow)
                            continue;
                        // Where it ran on, two pixels in (a slanting line a pixel to the side).
                        double alike = 1e9;
                        size_t inside = 0;
                        for (int k : {0, 1, -1}) {
                            const int xi = x + 2 * d[0] + k * d[1], yi = y + 2 * d[1] + k * d[0];
                            if (!at(changed, xi, yi))
                                continue;
                            const size_t i = size_t(yi) * w + xi;
                            if (step(was[i], here) < alike)
                                alike = step(was[i], here), inside = i;
                        }
                        if (alike < kCutAlike && step(is[inside], here) >= kCutThing) {
                            ++c.cuts;
                            break;
                        }
                    }
                }
        }
    }
    // A colour change's old rim: pixels within 2 px of the change's border
    // whose a*b* stays nearer the change's old colour than its new one.
    if (inner) {
        const double oldA = beforeA / inner, oldB = beforeB / inner, newA = afterA / inner, newB = afterB / inner;
        // A change that moves the colour: a removal onto the ground's own
        // colour leaves a band in that new colour, a recolour whose edge
        // stays in the old one does not.
        if (std::hypot(newA - oldA, newB - oldB) >= kRimTurn) {
            // The band two pixels around what visibly changed, as it looks
            // after: an edge left unturned, or turned only half by the soft
            // mask, keeps the old hue.
            auto coreNear = [&](int x, int y, bool want) {
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h && bool(core[size_t(y + dy) * w + x + dx]) == want)
                            return true;
                return false;
            };
            int close = 0, old = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool in = core[size_t(y) * w + x];
                    if (!coreNear(x, y, !in))
                        continue;
                    ++close;
                    const Lab l = toLab(after.pixel(x, y));
                    if (std::hypot(l.a, l.b) >= 6 &&
                        std::hypot(l.a - oldA, l.b - oldB) + kRimTurn / 2 < std::hypot(l.a - newA, l.b - newB))
                        ++old;
                }
            if (close)
                c.oldRim = double(old) / close;
        }
    }
    // Shape: what visibly changed against its convex hull.
    if (int(seen.size()) >= kDiscMinPixels) {
        const std::vector<QPoint> hull = convexHull(seen);
        double area = 0, perimeter = 0;
        for (size_t i = 0; i < hull.size(); ++i) {
            const QPoint a = hull[i], b = hull[(i + 1) % hull.size()];
            area += double(a.x()) * b.y() - double(b.x()) * a.y();
            perimeter += std::hypot(double(b.x() - a.x()), double(b.y() - a.y()));
        }
        area = std::abs(area) / 2;
        if (area > 0 && perimeter > 0) {
            c.discFill = seen.size() / area;
            c.roundness = 4 * M_PI * area / (perimeter * perimeter);
        }
    }
    return c;
}

} // namespace levelgen
