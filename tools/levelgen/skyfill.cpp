#include "tools/levelgen/skyfill.h"

#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace levelgen {

namespace {
constexpr int kSkyCols = kWidth / kSkyCell;
int skyRows(double horizon) { return std::clamp(int(horizon - 6) / kSkyCell, 0, kHeight / kSkyCell); }
} // namespace

std::vector<bool> emptySkyCells(const QImage& picture, double horizon, const QImage* base, const QImage* plate)
{
    const bool masked = base && plate && !plate->isNull();
    const int rows = skyRows(horizon);
    std::vector<bool> out(std::size_t(rows * kSkyCols), false);
    for (int cy = 0; cy < rows; ++cy)
        for (int cx = 0; cx < kSkyCols; ++cx) {
            // Empty: only the gentle gradient and grain of the sky itself,
            // no edge of anything and no cloud's shading.
            int lo = 255, hi = 0, step = 0, covered = 0;
            for (int y = cy * kSkyCell; y < (cy + 1) * kSkyCell; ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
                for (int x = cx * kSkyCell; x < (cx + 1) * kSkyCell; ++x) {
                    if (masked) {
                        const QRgb a = base->pixel(x, y), b = plate->pixel(x, y);
                        covered += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 12;
                    }
                    const int g = qGray(line[x]);
                    lo = std::min(lo, g), hi = std::max(hi, g);
                    if (x > cx * kSkyCell)
                        step = std::max(step, std::abs(g - qGray(line[x - 1])));
                    if (y > cy * kSkyCell)
                        step = std::max(step, std::abs(g - qGray(picture.pixel(x, y - 1))));
                }
            }
            out[std::size_t(cy * kSkyCols + cx)] = hi - lo <= 40 && step <= 9 && covered <= kSkyCell * kSkyCell / 10;
        }
    return out;
}

namespace {
// The largest square of empty cells: its side in cells and its top-left cell.
struct Square { int side = 0, x = 0, y = 0; };
Square largestSquare(const std::vector<bool>& empty, int rows)
{
    Square best;
    std::vector<int> run(empty.size(), 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < kSkyCols; ++x) {
            const std::size_t i = std::size_t(y * kSkyCols + x);
            if (!empty[i])
                continue;
            run[i] = 1 + (x && y ? std::min({run[i - 1], run[i - kSkyCols], run[i - kSkyCols - 1]}) : 0);
            if (run[i] > best.side)
                best = {run[i], x - run[i] + 1, y - run[i] + 1};
        }
    return best;
}
} // namespace

int largestEmptySky(const QImage& picture, double horizon, const QImage* base, const QImage* plate)
{
    return largestSquare(emptySkyCells(picture, horizon, base, plate), skyRows(horizon)).side * kSkyCell;
}

namespace {
// The empty cells of a sky, and what is placed into them.
struct SkyRoom {
    std::vector<bool> cells;
    int rows = 0;
    std::vector<QRect> small; // small things in the sky, kept clear of
    bool fits(const QRect& b) const
    {
        if (b.left() < 4 || b.right() > kWidth - 5 || b.top() < 4)
            return false;
        for (const QRect& o : small)
            if (o.intersects(b))
                return false;
        for (int cy = b.top() / kSkyCell; cy <= b.bottom() / kSkyCell; ++cy)
            for (int cx = b.left() / kSkyCell; cx <= std::min(kSkyCols - 1, b.right() / kSkyCell); ++cx)
                if (cy >= rows || !cells[std::size_t(cy * kSkyCols + cx)])
                    return false;
        return true;
    }
    void take(const QRect& b)
    {
        const QRect m = b.adjusted(-6, -6, 6, 6);
        for (int cy = std::max(0, m.top() / kSkyCell); cy <= std::min(rows - 1, m.bottom() / kSkyCell); ++cy)
            for (int cx = std::max(0, m.left() / kSkyCell); cx <= std::min(kSkyCols - 1, m.right() / kSkyCell); ++cx)
                cells[std::size_t(cy * kSkyCols + cx)] = false;
    }
    int count() const { return int(std::count(cells.begin(), cells.end(), true)); }
};

// A jet's trail: a thin bright line, spreading and fading behind the plane.
void contrail(Scene& s, Rng& r, SkyRoom& room, int row)
{
    {
        int first = -1, last = -1;
        for (int cx = 0; cx < kSkyCols; ++cx)
            if (room.cells[std::size_t(row * kSkyCols + cx)]) {
                if (first < 0)
                    first = cx;
                last = cx;
            } else if (first >= 0) {
                break;
            }
        if (first < 0 || last - first < 6)
            return;
        const double x0 = (first + 0.5) * kSkyCell, x1 = (last + 0.5) * kSkyCell;
        const double y0 = (row + 0.5) * kSkyCell, rise = r.range(-6, 6);
        const bool east = r.chance(0.5);
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF tail(east ? x0 : x1, y0 + rise), head(east ? x1 : x0, y0 - rise);
        QLinearGradient fade(tail, head);
        fade.setColorAt(0, QColor(255, 255, 255, 0));
        fade.setColorAt(0.7, QColor(255, 255, 255, 60));
        fade.setColorAt(1, QColor(255, 255, 255, 150));
        p.setPen(QPen(QBrush(fade), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, head);
        QLinearGradient spread(tail, head);
        spread.setColorAt(0, QColor(255, 255, 255, 30));
        spread.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(spread), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tail, head);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 255, 220));
        p.drawEllipse(head, 1.2, 1.2);
        room.take(QRectF(tail, head).normalized().toAlignedRect().adjusted(0, -2, 0, 2));
    }
}
// A hot-air balloon far off: painted into the sky, it never changes.
void farBalloon(Scene& s, Rng& r, QPointF at, double width, bool late)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    p.scale(width / 20, width / 20);
    QPainterPath envelope; // a teardrop, widest a third of the way down
    envelope.moveTo(0, -22);
    envelope.cubicTo(14, -22, 13, -4, 3, 6);
    envelope.lineTo(-3, 6);
    envelope.cubicTo(-13, -4, -14, -22, 0, -22);
    const QColor a = anyOf(r, {QColor(220, 60, 50), QColor(240, 190, 40), QColor(50, 110, 200), QColor(60, 150, 90)});
    const QColor b = anyOf(r, {QColor(250, 245, 235), QColor(240, 150, 40), QColor(140, 60, 150)});
    const QColor haze = late ? QColor(255, 200, 170) : QColor(200, 215, 235);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(a, haze, 0.25));
    p.drawPath(envelope);
    p.save();
    p.setClipPath(envelope);
    for (int g = -2; g <= 2; g += 2) { // gores of the second colour
        QPainterPath gore;
        gore.moveTo(g * 2.2, -22);
        gore.cubicTo(g * 5.5 + 2.2, -16, g * 5.5 + 2.2, -4, g * 0.8 + 1, 6);
        gore.lineTo(g * 0.8 - 1, 6);
        gore.cubicTo(g * 5.5 - 2.2, -4, g * 5.5 - 2.2, -16, g * 2.2, -22);
        p.setBrush(mix(b, haze, 0.25));
        p.drawPath(gore);
    }
    // Lit from the sun's side, shaded on the other.
    QLinearGradient shade(QPointF(-12, -20), QPointF(12, 4));
    shade.setColorAt(0, QColor(255, 255, 255, 70));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(0, 0, 30, 80));
    p.fillRect(QRectF(-14, -22, 28, 28), shade);
    p.restore();
    p.setPen(QPen(QColor(70, 55, 45, 200), 0.6));
    p.drawLine(QPointF(-3, 6), QPointF(-2, 10));
    p.drawLine(QPointF(3, 6), QPointF(2, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 75, 45));
    p.drawRect(QRectF(-2.2, 10, 4.4, 3.2));
}
} // namespace

void fillSky(Scene& s, Rng& r)
{
    const Lighting& l = s.light;
    if (l.source != Lighting::Sun && l.source != Lighting::Moon)
        return;
    // A bird or a star does not fill a sky: the room is measured without
    // the small things, which only have to be kept clear of.
    Scene large = s;
    std::vector<QRect> small;
    for (Obj& o : large.objs) {
        const QRect b = bounds(o);
        if (o.visible && b.width() * b.height() < 700)
            o.visible = false, small.push_back(b.adjusted(-3, -3, 3, 3));
    }
    SkyRoom room{emptySkyCells(render(large), l.horizon, &s.base, &l.sky), skyRows(l.horizon), small};
    // The sun or moon stays in sight: a cloud may touch its glow, not the disc.
    room.take(QRect(l.at.toPoint() - QPoint(22, 22), QSize(44, 44)));
    const bool night = l.source == Lighting::Moon;
    const bool late = (l.horizon - l.at.y()) / std::max(1.0, l.horizon) < 0.45; // a low sun
    const QColor cloud = night ? QColor(80, 85, 125) : late ? QColor(255, 222, 205) : QColor(252, 252, 252);
    std::vector<Obj> behind; // clouds are far: drawn before everything else
    bool flock = night, kite = night || late, trail = night, balloon = night || r.chance(0.4);
    // Whatever empty square of sky is largest gets the next thing, until
    // none is larger than a small cloud.
    for (int placed = 0; placed < 12; ++placed) {
        const Square sq = largestSquare(room.cells, room.rows);
        if (sq.side < kSkyFill)
            break;
        const QRectF area((sq.x + 0.5) * kSkyCell, (sq.y + 0.5) * kSkyCell, (sq.side - 1) * kSkyCell, (sq.side - 1) * kSkyCell);
        auto spot = [&] { return QPointF(area.left() + r.real() * area.width(), area.top() + r.real() * area.height()); };
        auto fits = [&](K kind, QPointF at, double scale, QRect* b = nullptr) {
            Obj probe;
            probe.kind = kind;
            probe.pos = at;
            probe.scale = scale;
            if (b)
                *b = bounds(probe);
            return room.fits(bounds(probe));
        };
        bool done = false;
        if (!flock && sq.side >= 6) { // a flock in a loose V
            flock = done = true;
            const double scale = r.range(0.6, 0.75), dir = r.chance(0.5) ? 1 : -1;
            const QPointF lead = area.center() + QPointF(dir * 20, -10);
            const QColor dark = late ? QColor(60, 45, 50) : QColor(55, 55, 65);
            std::vector<QRect> taken;
            for (int k = 0, n = r.between(4, 7); k < n; ++k) {
                // Two arms trailing behind the leader, one above, one below.
                const int arm = (k + 1) / 2;
                const QPointF at = lead + QPointF(-dir * arm * 17 * scale, (k % 2 ? -1 : 1) * arm * 10 * scale + r.range(-1.5, 1.5));
                QRect b;
                if (!fits(Bird, at, scale, &b))
                    continue;
                Obj& o = put(s, Bird, at.x(), at.y(), scale * r.range(0.92, 1.08), vary(dark, r, 0.1), QColor(230, 150, 50));
                o.shape = 1;
                o.mirror = dir < 0;
                taken.push_back(b);
            }
            for (const QRect& b : taken)
                room.take(b);
        } else if (!kite && sq.side >= 5) { // somebody on the ground is flying a kite
            kite = done = true;
            const QPointF at = area.center();
            if (fits(Kite, at, 0.9)) {
                Obj& o = put(s, Kite, at.x(), at.y(), 0.9, anyOf(r, {QColor(220, 50, 50), QColor(250, 200, 40), QColor(60, 120, 220), QColor(230, 110, 30)}),
                             anyOf(r, {QColor(250, 250, 245), QColor(40, 40, 60)}));
                o.rot = r.range(-15, 15);
                room.take(bounds(o));
            }
        } else if (!balloon && sq.side >= 6) {
            balloon = done = true;
            const double width = r.range(12, 20);
            const QPointF at = area.center() + QPointF(r.range(-10, 10), 0);
            farBalloon(s, r, at, width, late);
            room.take(QRectF(at - QPointF(width * 0.75, width * 1.15), at + QPointF(width * 0.75, width * 0.7)).toAlignedRect());
        } else if (!trail && sq.side >= 8) {
            trail = done = true;
            contrail(s, r, room, sq.y + sq.side / 2);
        }
        if (done)
            continue;
        for (int t = 0; t < 12 && !done; ++t) {
            const double scale = r.range(0.55, 1.05) * (t < 6 ? 1 : 0.65);
            const QPointF at = spot();
            if (!fits(Cloud, at, scale))
                continue;
            Obj& o = put(s, Cloud, at.x(), at.y(), scale, vary(cloud, r, 0.04));
            o.mirror = r.chance(0.5);
            o.deny = ~0u;
            room.take(bounds(o));
            behind.push_back(o);
            s.objs.pop_back();
            done = true;
        }
        if (!done) // nothing fits this square: leave it
            room.take(QRect(int(area.center().x()) - 8, int(area.center().y()) - 8, 16, 16));
    }
    s.objs.insert(s.objs.begin(), behind.begin(), behind.end());
}

} // namespace levelgen
