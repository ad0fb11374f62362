#include "tools/levelgen/light.h"

#include "tools/levelgen/kinds.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace levelgen {

namespace {
// Things that fly, swim, float, hang or sit on a wall: no shadow on the ground.
bool airborne(int kind)
{
    switch (kind) {
    case Window: case Door: case Chimney: case Sign: case Bunting: case Bird: case Cloud: case Fish:
    case Jellyfish: case Bubbles: case Star: case Moon: case Planet: case Satellite: case Asteroid:
    case Kite: case Balloon: case Butterfly: case Bulb: case Paprika: case Clock: case Frame:
    case NumberPlate: case Salami: case Boat: case Buoy: case Swan: case Duck: case Seaweed: case Coral:
    case Module: case Panel: case Gull:
        return true;
    default:
        return false;
    }
}

bool inWater(const Lighting& l, double y)
{
    for (const auto& [y0, y1] : l.water)
        if (y >= y0 && y <= y1)
            return true;
    return false;
}

// Picture position of a silhouette point (x, y) on the ground: its height
// above the foot line becomes a distance along the shadow.
QTransform shadowTransform(const Obj& o)
{
    const double foot = o.pos.y(), ax = o.cast.x(), ay = o.cast.y();
    if (o.castUpright) { // on the wall behind: the outline, offset away from the light
        const double tall = std::max(4.0, foot - bounds(o).top());
        return QTransform::fromTranslate(ax * tall, -ay * tall);
    }
    return QTransform(1, 0, -ax, -ay, ax * foot, foot * (1 + ay));
}

// A blur of an 8-bit mask: two passes of a box filter each way.
void blurMask(std::vector<float>& m, int w, int h, int radius)
{
    if (radius <= 0)
        return;
    std::vector<float> tmp(m.size());
    auto pass = [&](int len, int lines, int step, int lineStep) {
        for (int l = 0; l < lines; ++l) {
            float sum = 0;
            const int base = l * lineStep;
            for (int i = -radius; i <= radius; ++i)
                sum += (i >= 0 && i < len) ? m[std::size_t(base + i * step)] : 0;
            for (int i = 0; i < len; ++i) {
                tmp[std::size_t(base + i * step)] = sum / float(2 * radius + 1);
                const int out = i - radius, in = i + radius + 1;
                if (out >= 0)
                    sum -= m[std::size_t(base + out * step)];
                if (in < len)
                    sum += m[std::size_t(base + in * step)];
            }
        }
        m.swap(tmp);
    };
    for (int k = 0; k < 2; ++k) {
        pass(w, h, 1, w);
        pass(h, w, w, 1);
    }
}

// The lit street lamp nearest a thing's foot on the ground, if it stands in its light.
const Obj* lampOver(const Scene& s, const Obj& o, double reachPx)
{
    const Obj* best = nullptr;
    double bestDistance = reachPx;
    for (const Obj& l : s.objs) {
        if (l.kind != Lamp || !l.visible || !(l.variant & 1) || &l == &o)
            continue;
        // Ground seen at a slant: depth counts double.
        const double d = std::hypot(o.pos.x() - l.pos.x(), 2 * (o.pos.y() - l.pos.y()));
        if (d < bestDistance)
            bestDistance = d, best = &l;
    }
    return best;
}

constexpr double kLampReach = 120;
constexpr double kSilhouetteScale = 0.5; // soft shadows need no more than half the resolution
} // namespace

void castShadows(Scene& s)
{
    const Lighting& l = s.light;
    for (Obj& o : s.objs) {
        o.cast = QPointF();
        o.castAlpha = 0;
        o.castUpright = false;
        if (l.source == Lighting::None || airborne(o.kind) || o.depthY > 0)
            continue;
        const QRect b = bounds(o);
        const double height = std::max(4.0, o.pos.y() - b.top());
        if (l.source == Lighting::Room) {
            // A lamp or window in front, up on one side: a short soft shadow
            // on the wall or board behind, leaning to the other side.
            const double side = o.pos.x() >= l.at.x() ? 1 : -1;
            const double near = std::clamp(std::abs(o.pos.x() - l.at.x()) / 160.0, 0.4, 1.0);
            o.cast = QPointF(side * 0.2 * near, -0.08);
            o.castUpright = true;
            o.castAlpha = 0.42;
            o.castBlur = 1.6;
            continue;
        }
        if (o.pos.y() < l.horizon + 2 || inWater(l, o.pos.y()))
            continue;
        if (l.source == Lighting::Moon) {
            // At night a street lamp nearby throws the shadow, away from its foot.
            if (const Obj* lamp = lampOver(s, o, kLampReach)) {
                QPointF away = o.pos - lamp->pos;
                const double d = std::max(1.0, std::hypot(away.x(), away.y()));
                const double head = std::max(height + 10, 80 * lamp->scale);
                const double length = std::clamp(d / (head - height), 0.2, std::min(1.6, 70 / height));
                o.cast = QPointF(away.x() / d * length, away.y() / d * length * 0.8);
                o.castAlpha = 0.5 * (1 - d / kLampReach) + 0.1;
                o.castBlur = 1.2;
                continue;
            }
        }
        // Shadows on the ground run away from the point of the horizon under
        // the sun, as lines in perspective do; the lower the sun, the longer.
        QPointF away = o.pos - QPointF(l.at.x(), l.horizon);
        const double d = std::hypot(away.x(), away.y());
        if (d < 1)
            continue;
        away /= d;
        const double low = 1 - std::clamp((l.horizon - l.at.y()) / std::max(1.0, l.horizon), 0.05, 1.0);
        const double length = std::min(0.45 + 1.3 * std::pow(low, 1.3), 70 / height);
        o.cast = QPointF(away.x() * length, away.y() * length * 0.8);
        if (l.source == Lighting::Moon) {
            o.castAlpha = 0.22;
            o.castBlur = 2;
        } else {
            o.castAlpha = 0.72 - 0.2 * low; // weaker and softer late in the day
            o.castBlur = 0.4 + 1.6 * low;
        }
    }
}

void lampPools(Scene& s)
{
    if (s.light.source != Lighting::Moon)
        return;
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    for (Obj& l : s.objs) {
        if (l.kind != Lamp || !l.visible || !(l.variant & 1) || l.pos.y() < s.light.horizon)
            continue;
        // The ground seen at a slant: the pool is twice as wide as deep.
        const double r = kLampReach * 0.75 * l.scale;
        QRadialGradient g(QPointF(0, 0), 1);
        g.setColorAt(0, QColor(120, 95, 50));
        g.setColorAt(0.5, QColor(60, 45, 22));
        g.setColorAt(1, QColor(0, 0, 0));
        p.save();
        p.translate(l.pos);
        p.scale(r, r / 2);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), 1, 1);
        p.restore();
        l.deny |= Light | Remove | Move | Resize | Tilt;
    }
}

QRect castBounds(const Obj& o)
{
    if (o.castAlpha <= 0)
        return QRect();
    const QRectF r = shadowTransform(o).mapRect(QRectF(bounds(o)));
    const int m = int(std::ceil(o.castBlur * 2)) + 2;
    return QRect(QPoint(int(std::floor(r.left())) - m, int(std::floor(r.top())) - m),
                 QPoint(int(std::ceil(r.right())) + m, int(std::ceil(r.bottom())) + m));
}

bool shortenCast(Obj& o)
{
    if (o.castAlpha <= 0)
        return false;
    const QRect b = bounds(o);
    const double length = std::hypot(o.cast.x(), o.cast.y()) * std::max(4.0, o.pos.y() - b.top());
    constexpr double kShort = 3;
    if (length <= kShort && o.castBlur <= 1.2)
        return false;
    if (length > kShort)
        o.cast *= kShort / length;
    o.castBlur = std::min(o.castBlur, 1.2);
    return true;
}

void paintCast(QPainter& p, const Obj& o)
{
    if (o.castAlpha <= 0)
        return;
    const QRect b = bounds(o);
    const double q = o.castBlur < 1.5 ? 1.0 : kSilhouetteScale;
    const int pad = int(std::ceil(o.castBlur * q * 2)) + 1;
    const int w = int(std::ceil(b.width() * q)) + 2 * pad, h = int(std::ceil(b.height() * q)) + 2 * pad;
    QImage sil(w, h, QImage::Format_ARGB32_Premultiplied);
    sil.fill(Qt::transparent);
    {
        QPainter sp(&sil);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.translate(pad, pad);
        sp.scale(q, q);
        sp.translate(-b.x(), -b.y());
        paintObj(sp, o);
    }
    // Dense where the thing meets the ground, fainter towards its far end.
    std::vector<float> mask(std::size_t(w) * std::size_t(h));
    const double foot = o.pos.y(), tall = std::max(4.0, foot - b.top());
    for (int y = 0; y < h; ++y) {
        const double above = foot - (b.y() + (y - pad + 0.5) / q);
        const double fade = 1 - 0.45 * std::clamp(above / tall, 0.0, 1.0);
        const auto* line = reinterpret_cast<const QRgb*>(sil.constScanLine(y));
        for (int x = 0; x < w; ++x)
            mask[std::size_t(y) * std::size_t(w) + std::size_t(x)] = float(qAlpha(line[x]) * fade);
    }
    blurMask(mask, w, h, int(std::lround(o.castBlur * q)));
    const double strength = o.castAlpha;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(sil.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = std::clamp(int(mask[std::size_t(y) * std::size_t(w) + std::size_t(x)] * strength + 0.5), 0, 255);
            // Shadows take the cool colour of the sky that still lights them.
            line[x] = qRgba(12 * a / 255, 16 * a / 255, 34 * a / 255, a);
        }
    }
    QTransform toPicture;
    toPicture.translate(b.x(), b.y());
    toPicture.scale(1 / q, 1 / q);
    toPicture.translate(-pad, -pad);
    p.save();
    p.setTransform(toPicture * shadowTransform(o) * p.transform());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(0, 0, sil);
    p.restore();
}

} // namespace levelgen
