#include "assets/art/ironwork.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "assets/art/effects.h"
#include "assets/art/textures.h"

namespace art {

namespace {

// A spiral curling inward from radius `r` at angle `a0` around `c`, turning
// `turns` times clockwise (dir +1) or anticlockwise (dir -1).
void spiral(QPainterPath& path, QPointF c, qreal r, qreal a0, qreal turns, int dir)
{
    const int steps = int(60 * turns);
    const qreal k = std::log(4.5) / (2 * M_PI * turns);
    for (int i = 1; i <= steps; ++i) {
        const qreal t = 2 * M_PI * turns * i / steps;
        const qreal rr = r * std::exp(-k * t);
        const qreal a = a0 + dir * t;
        path.lineTo(c + QPointF(std::cos(a), std::sin(a)) * rr);
    }
}

QPointF onCircle(QPointF c, qreal r, qreal a) { return c + QPointF(std::cos(a), std::sin(a)) * r; }

// A bar from `from` that sweeps in a cubic into the outer end of a spiral.
void scroll(QPainterPath& path, QPointF from, QPointF c1, QPointF c2, QPointF centre, qreal r, qreal a0,
            qreal turns, int dir)
{
    path.moveTo(from);
    path.cubicTo(c1, c2, onCircle(centre, r, a0));
    spiral(path, centre, r, a0, turns, dir);
}

// The right upper quarter of the ornament, in a frame of about 260 x 400
// centred on the origin; the rest is mirrored from it.
QPainterPath quarter()
{
    QPainterPath q;
    // The large S: leaves the upright low, climbs out and curls under itself.
    scroll(q, {0, -8}, {40, -30}, {108, -60}, {74, -112}, 34, M_PI * 0.15, 1.15, -1);
    // A lesser curl that fills the top corner.
    scroll(q, {0, -118}, {20, -140}, {62, -150}, {76, -168}, 18, M_PI * 0.55, 1.1, -1);
    // The heart beside the upright.
    scroll(q, {0, -62}, {12, -74}, {40, -70}, {36, -90}, 12, M_PI * 0.45, 1.0, -1);
    // A bracket of two small curls from the middle of the frame's side.
    scroll(q, {130, 0}, {114, -2}, {96, -10}, {106, -32}, 15, M_PI * 0.55, 1.1, 1);
    return q;
}

QPainterPath ornament(QPointF centre)
{
    QPainterPath all;
    const QPainterPath q = quarter();
    for (int sx : {1, -1})
        for (int sy : {1, -1})
            all.addPath(QTransform::fromScale(sx, sy).map(q));
    all.moveTo(0, -200);
    all.lineTo(0, 200);
    all.addRoundedRect(QRectF(-130, -200, 260, 400), 6, 6);
    return all.translated(centre);
}

// Small bands that bind scrolls to the upright and to the frame.
QPainterPath collars(QPointF centre)
{
    QPainterPath c;
    for (qreal y : {-118.0, -62.0, -8.0, 8.0, 62.0, 118.0})
        c.addRoundedRect(QRectF(-7, y - 4, 14, 8), 2, 2);
    for (qreal x : {-130.0, 130.0})
        c.addRoundedRect(QRectF(x - 7, -5, 14, 10), 2, 2);
    for (qreal x : {-130.0, 130.0})
        for (qreal y : {-200.0, 200.0})
            c.addEllipse(QPointF(x, y), 6.5, 6.5);
    return c.translated(centre);
}

} // namespace

QImage ironPlaceholder(QSize size)
{
    QImage img = plaster(size, 0x2001);
    QPainter p(&img);
    prepare(p);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    QPainterPathStroker stroker;
    stroker.setWidth(8);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath iron = stroker.createStroke(ornament(centre));
    iron.addPath(collars(centre));
    iron.setFillRule(Qt::WindingFill);

    softShadow(p, iron, QPointF(6, 8), 7, QColor(20, 18, 16, 150));
    QLinearGradient forged(0, 0, size.width(), size.height());
    forged.setColorAt(0, QColor(0x3A3836));
    forged.setColorAt(1, QColor(0x1E1D1C));
    raised(p, iron, forged, 3, 0.6f);
    return img;
}

} // namespace art
