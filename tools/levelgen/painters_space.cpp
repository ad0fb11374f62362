// The sky at night and space: stars, moons, planets and the station.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

void paintStar(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    QRadialGradient g(QPointF(0, 0), 5.5);
    g.setColorAt(0, withAlpha(o.c1, 200));
    g.setColorAt(1, withAlpha(o.c1, 0));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 5.5, 5.5);
    QPainterPath s;
    s.moveTo(0, -5.5);
    s.quadTo(0.6, -0.6, 5.5, 0);
    s.quadTo(0.6, 0.6, 0, 5.5);
    s.quadTo(-0.6, 0.6, -5.5, 0);
    s.quadTo(-0.6, -0.6, 0, -5.5);
    p.setBrush(shade(o.c1, 1.5));
    p.drawPath(s);
}

void paintMoon(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    QRadialGradient halo(QPointF(0, 0), 16);
    halo.setColorAt(0.6, withAlpha(o.c1, 70));
    halo.setColorAt(1, withAlpha(o.c1, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(0, 0), 16, 16);
    QPainterPath moon;
    moon.addEllipse(QPointF(0, 0), 10, 10);
    if (o.shape == 1) {
        QPainterPath bite;
        bite.addEllipse(QPointF(5, -3), 9, 9);
        moon = moon.subtracted(bite);
    }
    p.setBrush(ballGradient(QRectF(-10, -10, 20, 20), o.c1));
    p.drawPath(moon);
    p.save();
    p.setClipPath(moon);
    p.setBrush(withAlpha(shade(o.c1, 0.8), 150));
    p.drawEllipse(QPointF(-4, 3), 2.5, 2.5);
    p.drawEllipse(QPointF(-1, -5), 1.5, 1.5);
    p.drawEllipse(QPointF(3, 5), 1.8, 1.8);
    p.restore();
}

void paintPlanet(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    const QRectF ball(-14, -14, 28, 28);
    if (o.variant & 1) {
        p.setPen(QPen(withAlpha(o.c2, 200), 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-25, -6, 50, 12), 0, 180 * 16);
    }
    QPainterPath planet;
    planet.addEllipse(ball);
    p.setPen(Qt::NoPen);
    p.setBrush(ballGradient(ball, o.c1));
    p.drawPath(planet);
    p.save();
    p.setClipPath(planet);
    p.setBrush(withAlpha(o.c2, 110));
    p.drawRect(QRectF(-14, -6, 28, 3));
    p.drawRect(QRectF(-14, 2, 28, 4.5));
    p.setBrush(withAlpha(Qt::black, 80));
    p.drawEllipse(QRectF(-6, -14, 26, 30));
    p.restore();
    if (o.variant & 1) {
        p.setPen(QPen(withAlpha(o.c2, 220), 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-25, -6, 50, 12), 180 * 16, 180 * 16);
    }
}

void paintModule(QPainter& p, const Obj& o)
{
    const QRectF r(-34, -11, 68, 22);
    QLinearGradient g(QPointF(0, -11), QPointF(0, 11));
    g.setColorAt(0, QColor(235, 238, 242));
    g.setColorAt(0.35, QColor(200, 205, 212));
    g.setColorAt(1, QColor(95, 100, 112));
    p.setPen(QPen(QColor(70, 75, 85), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 9, 9);
    p.setPen(QPen(QColor(120, 125, 135), 0.6));
    for (int x = -24; x <= 24; x += 12)
        p.drawLine(QPointF(x, -10.5), QPointF(x, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    p.drawRect(QRectF(-34 + 4, 5, 60, 2.5));
    for (int i = 0; i < o.count; ++i) {
        const QPointF c(-27 + i * 9, -3);
        p.setBrush(QColor(40, 45, 60));
        p.drawEllipse(c, 3.2, 3.2);
        p.setBrush(QColor(255, 220, 130));
        p.drawEllipse(c, 2.2, 2.2);
    }
    if (o.variant & 1) {
        QRadialGradient b(QPointF(30, -10), 4);
        b.setColorAt(0, QColor(255, 80, 60, 255));
        b.setColorAt(1, QColor(255, 60, 40, 0));
        p.setBrush(b);
        p.drawEllipse(QPointF(30, -10), 4, 4);
    }
}

void paintPanel(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(150, 150, 155), 1.2));
    p.drawLine(QPointF(-32, 0), QPointF(-28, 0));
    for (int i = 0; i < o.count; ++i) {
        const QRectF cell(-28 + i * 10, -9, 9, 18);
        QLinearGradient g(cell.topLeft(), cell.bottomRight());
        g.setColorAt(0, shade(o.c1, 1.5));
        g.setColorAt(0.5, o.c1);
        g.setColorAt(1, shade(o.c1, 0.55));
        p.setPen(QPen(QColor(200, 200, 205), 0.7));
        p.setBrush(g);
        p.drawRect(cell);
        p.setPen(QPen(withAlpha(shade(o.c1, 0.5), 200), 0.4));
        p.drawLine(QPointF(cell.left(), 0), QPointF(cell.right(), 0));
        p.drawLine(QPointF(cell.center().x(), -9), QPointF(cell.center().x(), 9));
    }
}

void paintSatellite(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(180, 180, 185), 0.8));
    p.drawLine(QPointF(-20, 0), QPointF(20, 0));
    for (int s : {-1, 1}) {
        const QRectF panel(s < 0 ? -21 : 9, -5, 12, 10);
        p.setPen(QPen(QColor(200, 200, 210), 0.5));
        p.setBrush(litGradient(panel, QColor(40, 70, 150), 0.5));
        p.drawRect(panel);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-6, -6, 12, 12), o.c1, 0.5));
    p.drawRect(QRectF(-6, -6, 12, 12));
    if (o.variant & 1) {
        p.setBrush(QColor(230, 230, 235));
        p.drawChord(QRectF(-3, -13, 10, 8), 200 * 16, 180 * 16);
        p.setPen(QPen(QColor(150, 150, 155), 0.7));
        p.drawLine(QPointF(2, -7), QPointF(4, -11.5));
    }
}

void paintAstronaut(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    const QColor suit(238, 238, 235);
    p.setBrush(litGradient(QRectF(-10, -8, 6, 16), QColor(170, 175, 180)));
    p.drawRoundedRect(QRectF(-11, -8, 6, 15), 2, 2); // backpack
    roundBody(p, QRectF(-7, -9, 14, 18), suit);
    roundBody(p, QRectF(-7, 6, 6, 12), suit);
    roundBody(p, QRectF(1, 6, 6, 12), suit);
    roundBody(p, QRectF(-11, -5, 6, 12), suit);
    if (o.variant & 2)
        roundBody(p, QRectF(5, -16, 6, 12), suit);
    else
        roundBody(p, QRectF(5, -5, 6, 12), suit);
    roundBody(p, QRectF(-7, -21, 14, 13), suit);
    p.setBrush(ballGradient(QRectF(-4.5, -18.5, 10, 8), o.c1));
    p.drawRoundedRect(QRectF(-4.5, -18.5, 10, 8), 3.5, 3.5);
    if (o.variant & 1) {
        p.setBrush(o.c2);
        p.drawRect(QRectF(-4, -5, 5, 3.5));
    }
}

void paintRocket(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    if (o.variant & 1) {
        QPainterPath flame;
        flame.moveTo(-4, 10);
        flame.quadTo(0, 24, 0, 15 + 0.0);
        flame.quadTo(0, 24, 4, 10);
        flame.closeSubpath();
        QLinearGradient g(QPointF(0, 10), QPointF(0, 15));
        g.setColorAt(0, QColor(255, 240, 160));
        g.setColorAt(1, QColor(255, 110, 30, 0));
        p.setBrush(g);
        p.drawEllipse(QRectF(-4.5, 8, 9, 15));
    }
    QPainterPath fins;
    fins.moveTo(-5, 2);
    fins.lineTo(-9, 11);
    fins.lineTo(-4, 9);
    fins.closeSubpath();
    fins.moveTo(5, 2);
    fins.lineTo(9, 11);
    fins.lineTo(4, 9);
    fins.closeSubpath();
    body(p, fins, o.c1, 0.4);
    QPainterPath hull;
    hull.moveTo(0, -34);
    hull.cubicTo(7, -24, 6, 0, 4.5, 10);
    hull.lineTo(-4.5, 10);
    hull.cubicTo(-6, 0, -7, -24, 0, -34);
    QLinearGradient g(QPointF(-6, 0), QPointF(6, 0));
    g.setColorAt(0, QColor(250, 250, 250));
    g.setColorAt(1, QColor(150, 155, 165));
    p.setPen(QPen(QColor(110, 110, 120), 0.6));
    p.setBrush(g);
    p.drawPath(hull);
    p.save();
    p.setClipPath(hull);
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-6, -34, 12, 10), o.c1, 0.4));
    p.drawRect(QRectF(-7, -35, 14, 10));
    p.restore();
    for (int i = 0; i < o.count; ++i) {
        p.setPen(QPen(QColor(120, 120, 130), 0.8));
        p.setBrush(QColor(90, 170, 230));
        p.drawEllipse(QPointF(0, -18 + i * 7), 2.4, 2.4);
    }
}

void paintAsteroid(QPainter& p, const Obj& o)
{
    Rng r(o.seed);
    QPainterPath a;
    for (int i = 0; i <= 10; ++i) {
        const double ang = i * 2 * M_PI / 10, rad = r.range(0.75, 1.0);
        const QPointF pt(std::cos(ang) * 11 * rad, std::sin(ang) * 8.5 * rad);
        i ? a.lineTo(pt) : a.moveTo(pt);
    }
    a.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ballGradient(QRectF(-11, -9, 22, 18), o.c1));
    p.drawPath(a);
    p.setBrush(withAlpha(shade(o.c1, 0.6), 200));
    p.drawEllipse(QPointF(-3, -1), 2.2, 1.8);
    p.drawEllipse(QPointF(4, 2), 1.5, 1.2);
}

// A moon rover on six wheels, a dish on its mast (raised or stowed: the detail).
void paintRover(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-15, -2, 30, 4), 70);
    p.setPen(QPen(QColor(70, 70, 75), 0.8));
    p.drawLine(QPointF(-11, -6), QPointF(11, -6));
    for (double x : {-10.0, 0.0, 10.0}) {
        p.setBrush(QColor(55, 55, 60));
        p.drawEllipse(QPointF(x, -3), 3, 3);
        p.setBrush(QColor(170, 170, 175));
        p.drawEllipse(QPointF(x, -3), 1, 1);
    }
    const QRectF hull(-12, -13, 24, 7);
    p.setPen(QPen(shade(o.c1, 0.5), 0.5));
    p.setBrush(litGradient(hull, o.c1));
    p.drawRoundedRect(hull, 1.5, 1.5);
    p.setBrush(QColor(40, 60, 110)); // solar panel on its back
    p.drawRect(QRectF(-11, -15, 12, 2));
    p.setPen(QPen(QColor(200, 200, 205), 0.8));
    const bool up = o.variant & 1;
    p.drawLine(QPointF(6, -13), QPointF(6, up ? -22 : -16));
    p.setPen(QPen(QColor(120, 120, 125), 0.5));
    p.setBrush(QColor(225, 225, 230));
    p.drawChord(up ? QRectF(2, -25, 8, 5) : QRectF(3, -18, 7, 3.5), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 250));
    p.drawEllipse(QPointF(-8, -9.5), 1, 1); // a camera eye
}

} // namespace levelgen
