#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <algorithm>

namespace levelgen {

QColor shade(const QColor& c, double f)
{
    auto ch = [f](int v) {
        const double r = f >= 1 ? v + (255 - v) * (f - 1) : v * f;
        return std::clamp(int(r + 0.5), 0, 255);
    };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto m = [t](int x, int y) { return std::clamp(int(x + (y - x) * t + 0.5), 0, 255); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()), m(a.alpha(), b.alpha()));
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QColor hueShift(const QColor& c, int degrees)
{
    int h, s, v, a;
    c.getHsv(&h, &s, &v, &a);
    if (h < 0)
        h = 0;
    return QColor::fromHsv((h + degrees % 360 + 360) % 360, s, v, a);
}

QLinearGradient litGradient(const QRectF& r, const QColor& c, double contrast)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, shade(c, 1 + contrast * 0.6));
    g.setColorAt(0.45, c);
    g.setColorAt(1, shade(c, 1 - contrast));
    return g;
}

QRadialGradient ballGradient(const QRectF& r, const QColor& c)
{
    QRadialGradient g(r.center(), std::max(r.width(), r.height()) * 0.62,
                      r.topLeft() + QPointF(r.width() * 0.33, r.height() * 0.3));
    g.setColorAt(0, shade(c, 1.45));
    g.setColorAt(0.5, c);
    g.setColorAt(1, shade(c, 0.6));
    return g;
}

void softShadow(QPainter& p, const QRectF& r, int alpha)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(r.center());
    p.scale(1, r.height() / r.width());
    p.translate(-r.center());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(r.x(), r.center().y() - r.width() / 2, r.width(), r.width()));
    p.restore();
}

void body(QPainter& p, const QPainterPath& path, const QColor& c, double contrast)
{
    p.setPen(QPen(shade(c, 0.55), 0.9));
    p.setBrush(litGradient(path.boundingRect(), c, contrast));
    p.drawPath(path);
}

void roundBody(QPainter& p, const QRectF& r, const QColor& c)
{
    p.setPen(QPen(shade(c, 0.55), 0.8));
    p.setBrush(ballGradient(r, c));
    p.drawEllipse(r);
}

void outline(QPainter& p, const QColor& c, double width) { p.setPen(QPen(shade(c, 0.5), width)); }

} // namespace levelgen
