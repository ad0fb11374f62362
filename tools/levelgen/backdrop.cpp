#include "tools/levelgen/backdrop.h"

#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace levelgen {

QImage newBase()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

void verticalGradient(QPainter& p, const QRectF& r, const Stops& stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto& [at, c] : stops)
        g.setColorAt(at, c);
    p.fillRect(r, g);
}

void glow(QPainter& p, QPointF centre, double radius, const QColor& c)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, c);
    g.setColorAt(0.25, withAlpha(c, c.alpha() * 2 / 3));
    g.setColorAt(1, withAlpha(c, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void noiseTexture(QImage& img, const QRect& area, double scale, int amplitude, std::uint32_t seed,
                  double stretch, int octaves)
{
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const double n = fbm(x / (scale * stretch), y / scale, octaves, seed) - 0.5;
            const int d = int(n * 2 * amplitude);
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

void hills(QPainter& p, double baseY, double height, double wavelength, const QColor& top,
           const QColor& bottom, std::uint32_t seed, double bottomY)
{
    QPainterPath path;
    path.moveTo(-2, bottomY);
    for (int x = -2; x <= kWidth + 2; x += 3)
        path.lineTo(x, baseY - height * fbm(x / wavelength, 0.5, 3, seed));
    path.lineTo(kWidth + 2, bottomY);
    path.closeSubpath();
    QLinearGradient g(QPointF(0, baseY - height), QPointF(0, bottomY));
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

void waterGlints(QPainter& p, const QRectF& r, const QColor& c, int count, std::uint32_t seed)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double t = rng.real();
        const double y = r.top() + t * t * r.height();
        const double w = 4 + 14 * t + rng.range(0, 10);
        p.setBrush(withAlpha(c, int(40 + 90 * rng.real())));
        p.drawRoundedRect(QRectF(r.left() + rng.real() * r.width(), y, w, 0.8 + t * 1.6), 1, 1);
    }
}

void planks(QPainter& p, const QRectF& r, const QColor& c, double plank, bool vertical, std::uint32_t seed)
{
    Rng rng(seed);
    const double span = vertical ? r.width() : r.height();
    for (double o = 0; o < span; o += plank) {
        const QRectF b = vertical ? QRectF(r.left() + o, r.top(), plank, r.height())
                                  : QRectF(r.left(), r.top() + o, r.width(), plank);
        const QColor pc = shade(c, rng.range(0.85, 1.12));
        QLinearGradient g(b.topLeft(), vertical ? b.topRight() : b.bottomLeft());
        g.setColorAt(0, shade(pc, 1.1));
        g.setColorAt(1, shade(pc, 0.85));
        p.fillRect(b, g);
        p.setPen(QPen(shade(c, 0.45), 1));
        if (vertical)
            p.drawLine(QPointF(b.left(), b.top()), QPointF(b.left(), b.bottom()));
        else
            p.drawLine(QPointF(b.left(), b.top()), QPointF(b.right(), b.top()));
    }
}

void wallpaper(QPainter& p, const QRectF& r, const QColor& base, const QColor& motif, int pattern)
{
    p.fillRect(r, base);
    p.setPen(Qt::NoPen);
    p.setBrush(motif);
    if (pattern % 3 == 0) { // stripes
        for (double x = r.left(); x < r.right(); x += 16)
            p.fillRect(QRectF(x, r.top(), 5, r.height()), motif);
    } else if (pattern % 3 == 1) { // dots
        for (double y = r.top() + 6, row = 0; y < r.bottom(); y += 14, ++row)
            for (double x = r.left() + 6 + int(row) % 2 * 7; x < r.right(); x += 14)
                p.drawEllipse(QPointF(x, y), 2, 2);
    } else { // small diamonds
        for (double y = r.top() + 8, row = 0; y < r.bottom(); y += 16, ++row)
            for (double x = r.left() + 8 + int(row) % 2 * 8; x < r.right(); x += 16) {
                QPainterPath d;
                d.moveTo(x, y - 3.5);
                d.lineTo(x + 3, y);
                d.lineTo(x, y + 3.5);
                d.lineTo(x - 3, y);
                p.drawPath(d);
            }
    }
}

void tiles(QPainter& p, const QRectF& r, const QColor& c, double size)
{
    for (double y = r.top(); y < r.bottom(); y += size)
        for (double x = r.left(); x < r.right(); x += size) {
            const QRectF t(x, y, size, size);
            p.fillRect(t, litGradient(t, c, 0.12));
        }
    p.setPen(QPen(shade(c, 0.75), 1));
    for (double y = r.top(); y < r.bottom(); y += size)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    for (double x = r.left(); x < r.right(); x += size)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
}

void cobbles(QPainter& p, const QRectF& r, const QColor& c, std::uint32_t seed)
{
    Rng rng(seed);
    p.fillRect(r, shade(c, 0.6));
    for (double y = r.top(), row = 0; y < r.bottom(); ++row) {
        const double t = (y - r.top()) / r.height();
        const double h = 4 + 8 * t, w = 7 + 13 * t;
        for (double x = r.left() - int(row) % 2 * w / 2; x < r.right(); x += w) {
            const QRectF s(x + 0.7, y + 0.7, w - 1.4, h - 1.4);
            p.setPen(Qt::NoPen);
            p.setBrush(litGradient(s, shade(c, rng.range(0.85, 1.1)), 0.3));
            p.drawRoundedRect(s, h * 0.35, h * 0.35);
        }
        y += h;
    }
}

void starfield(QPainter& p, const QRectF& r, int count, std::uint32_t seed)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(r.left() + rng.real() * r.width(), r.top() + rng.real() * r.height());
        const double b = rng.real();
        p.setBrush(QColor(220 + int(35 * b), 225 + int(30 * b), 255, int(90 + 160 * b * b)));
        const double rad = 0.4 + b * b * 1.1;
        p.drawEllipse(at, rad, rad);
    }
}

void grassTufts(QPainter& p, const QRectF& r, const QColor& c, int count, std::uint32_t seed)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double t = rng.real();
        const QPointF at(r.left() + rng.real() * r.width(), r.top() + t * r.height());
        const double h = 2 + 5 * t;
        p.setPen(QPen(shade(c, rng.range(0.7, 1.3)), 0.5 + 0.5 * t));
        for (int b = -1; b <= 1; ++b)
            p.drawLine(at, at + QPointF(b * h * 0.35 + rng.range(-0.5, 0.5), -h));
    }
}

void lightRays(QPainter& p, const QRectF& r, int count, std::uint32_t seed)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = r.left() + rng.real() * r.width(), w = rng.range(8, 26), slant = rng.range(20, 60);
        QPainterPath ray;
        ray.moveTo(x, r.top());
        ray.lineTo(x + w, r.top());
        ray.lineTo(x + w + slant + w, r.bottom());
        ray.lineTo(x + slant, r.bottom());
        ray.closeSubpath();
        QLinearGradient g(QPointF(0, r.top()), QPointF(0, r.bottom()));
        g.setColorAt(0, QColor(255, 255, 240, 50));
        g.setColorAt(1, QColor(255, 255, 240, 0));
        p.setBrush(g);
        p.drawPath(ray);
    }
}

} // namespace levelgen
