// Harbour and reef: boats, sea creatures and what lies on the sea floor.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

void paintBoat(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(shade(o.c1, 0.6), 90)); // reflection
    p.drawEllipse(QRectF(-26, 0, 52, 4));
    QPainterPath hull;
    hull.moveTo(-30, -12);
    hull.lineTo(30, -12);
    hull.quadTo(24, 0, 18, 2);
    hull.lineTo(-22, 2);
    hull.quadTo(-28, -4, -30, -12);
    body(p, hull, o.c1, 0.4);
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(-29, -12, 59, 2));
    if (o.variant & 1) {
        p.setBrush(o.c3);
        p.drawRect(QRectF(-27, -7, 52, 2.2));
    }
    p.setPen(QPen(QColor(90, 70, 50), 1.4));
    p.drawLine(QPointF(-2, -12), QPointF(-2, -58));
    QPainterPath sail;
    sail.moveTo(0, -56);
    sail.quadTo(14, -36, 22, -14);
    sail.lineTo(0, -14);
    sail.closeSubpath();
    QPainterPath jib;
    jib.moveTo(-4, -52);
    jib.lineTo(-4, -15);
    jib.lineTo(-22, -15);
    jib.closeSubpath();
    p.setPen(QPen(shade(o.c2, 0.6), 0.6));
    p.setBrush(litGradient(sail.boundingRect(), o.c2, 0.25));
    p.drawPath(sail);
    p.setBrush(litGradient(jib.boundingRect(), shade(o.c2, 0.9), 0.25));
    p.drawPath(jib);
    if (o.variant & 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(o.c3);
        QPainterPath f;
        f.moveTo(-2, -58);
        f.lineTo(8, -55.5);
        f.lineTo(-2, -53);
        f.closeSubpath();
        p.drawPath(f);
    }
}

void paintBuoy(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::white, 90));
    p.drawEllipse(QRectF(-7, -1.5, 14, 3));
    QPainterPath b;
    b.moveTo(-6, 0);
    b.lineTo(-3, -14);
    b.lineTo(3, -14);
    b.lineTo(6, 0);
    b.closeSubpath();
    body(p, b, o.c1, 0.4);
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRectF(-4.6, -7, 9.2, 3));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(-1, -17, 2, 3));
    if (o.variant & 1) {
        QRadialGradient g(QPointF(0, -17.5), 4);
        g.setColorAt(0, QColor(255, 250, 180, 255));
        g.setColorAt(1, QColor(255, 230, 120, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(0, -17.5), 4, 4);
    }
}

void paintLighthouse(QPainter& p, const Obj& o)
{
    QPainterPath tower;
    tower.moveTo(-13, 0);
    tower.lineTo(-8, -105);
    tower.lineTo(8, -105);
    tower.lineTo(13, 0);
    tower.closeSubpath();
    QLinearGradient g(QPointF(-13, 0), QPointF(13, 0));
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(1, QColor(170, 170, 175));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(tower);
    p.save();
    p.setClipPath(tower);
    QLinearGradient gs(QPointF(-13, 0), QPointF(13, 0));
    gs.setColorAt(0, shade(o.c1, 1.2));
    gs.setColorAt(1, shade(o.c1, 0.65));
    p.setBrush(gs);
    for (int i = 0; i < o.count; ++i)
        p.drawRect(QRectF(-14, -12 - i * 20, 28, 10));
    p.restore();
    p.setBrush(QColor(60, 60, 65));
    p.drawRect(QRectF(-11, -107, 22, 3));
    p.setBrush((o.variant & 1) ? QColor(255, 240, 170) : QColor(150, 180, 200));
    p.drawRect(QRectF(-6, -119, 12, 12));
    p.setBrush(o.c1);
    QPainterPath cap;
    cap.moveTo(-8, -119);
    cap.lineTo(8, -119);
    cap.lineTo(0, -128);
    cap.closeSubpath();
    p.drawPath(cap);
    p.setBrush(QColor(60, 70, 90));
    p.drawRect(QRectF(-2.5, -40, 5, 7));
}

void paintFish(QPainter& p, const Obj& o)
{
    QPainterPath tail;
    tail.moveTo(-9, 0);
    tail.lineTo(-17, -7);
    tail.quadTo(-14, 0, -17, 7);
    tail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c2, 0.9));
    p.drawPath(tail);
    QPainterPath fin;
    fin.moveTo(-5, -5);
    fin.quadTo(0, -11, 6, -5);
    fin.closeSubpath();
    p.drawPath(fin);
    QPainterPath bodyPath;
    bodyPath.addEllipse(QRectF(-11, -6.5, 24, 13));
    p.setBrush(ballGradient(QRectF(-11, -6.5, 24, 13), o.c1));
    p.drawPath(bodyPath);
    p.save();
    p.setClipPath(bodyPath);
    p.setBrush(withAlpha(o.c2, 220));
    for (int i = 0; i < o.count; ++i)
        p.drawRect(QRectF(-4 + i * 5, -8, 2.2, 16));
    p.restore();
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7.5, -1.5), 2.3, 2.3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(8, -1.5), 1.2, 1.2);
}

void paintCrab(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-14, -3, 28, 5));
    p.setPen(QPen(shade(o.c1, 0.7), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int s : {-1, 1})
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(s * 6, -4 + i), QPointF(s * (12 + i), -1 + i * 0.5));
    p.setPen(Qt::NoPen);
    roundBody(p, QRectF(-9, -10, 18, 10), o.c1);
    roundBody(p, QRectF(-15, -14, 7, 6), o.c1);
    roundBody(p, QRectF(8, -15.5, 9, 8), o.c1); // the big claw
    p.setPen(QPen(shade(o.c1, 0.6), 1));
    p.drawLine(QPointF(-3, -10), QPointF(-3, -13));
    p.drawLine(QPointF(3, -10), QPointF(3, -13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-3, -13.5), 1.2, 1.2);
    p.drawEllipse(QPointF(3, -13.5), 1.2, 1.2);
}

void paintStarfish(QPainter& p, const Obj& o)
{
    QPainterPath s;
    const int n = std::max(4, o.count);
    for (int i = 0; i < 2 * n; ++i) {
        const double a = -M_PI / 2 + i * M_PI / n, rad = i % 2 ? 4 : 11;
        const QPointF pt(std::cos(a) * rad, std::sin(a) * rad);
        i ? s.lineTo(pt) : s.moveTo(pt);
    }
    s.closeSubpath();
    p.setPen(QPen(shade(o.c1, 0.6), 0.7));
    p.setBrush(ballGradient(QRectF(-11, -11, 22, 22), o.c1));
    p.drawPath(s);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 1.4));
    for (int i = 0; i < n; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / n;
        p.drawEllipse(QPointF(std::cos(a) * 6, std::sin(a) * 6), 0.9, 0.9);
    }
}

void paintJellyfish(QPainter& p, const Obj& o)
{
    p.setPen(QPen(withAlpha(shade(o.c1, 1.2), 170), 1.1));
    p.setBrush(Qt::NoBrush);
    const int n = std::max(2, o.count);
    for (int i = 0; i < n; ++i) {
        const double x = -7 + i * 14.0 / (n - 1);
        QPainterPath t;
        t.moveTo(x, 0);
        t.cubicTo(x + 3, 7, x - 3, 14, x + 1, 22);
        p.drawPath(t);
    }
    QPainterPath bell;
    bell.moveTo(-11, 0);
    bell.cubicTo(-11, -15, 11, -15, 11, 0);
    bell.quadTo(0, -3, -11, 0);
    QRadialGradient g(QPointF(-3, -7), 13);
    g.setColorAt(0, withAlpha(shade(o.c1, 1.5), 230));
    g.setColorAt(1, withAlpha(o.c1, 170));
    p.setPen(QPen(withAlpha(shade(o.c1, 0.7), 200), 0.7));
    p.setBrush(g);
    p.drawPath(bell);
}

void paintCoral(QPainter& p, const Obj& o)
{
    Rng r(o.seed);
    p.setBrush(Qt::NoBrush);
    const int n = std::max(1, o.count);
    for (int pass = 0; pass < 2; ++pass) {
        Rng rb(o.seed);
        p.setPen(QPen(pass ? shade(o.c1, 1.15) : shade(o.c1, 0.65), pass ? 3.2 : 4.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < n; ++i) {
            const double a = -M_PI / 2 + (i - (n - 1) / 2.0) * 0.42;
            const double len = rb.range(24, 34);
            const QPointF tip(std::cos(a) * len, std::sin(a) * len);
            QPainterPath br;
            br.moveTo(0, 0);
            br.quadTo(tip.x() * 0.2, tip.y() * 0.6, tip.x(), tip.y());
            const QPointF mid(tip.x() * 0.55, tip.y() * 0.6);
            br.moveTo(mid);
            br.lineTo(mid + QPointF(rb.range(-8, 8), -rb.range(5, 9)));
            p.drawPath(br);
        }
    }
    (void)r;
}

void paintSeaweed(QPainter& p, const Obj& o)
{
    const int n = std::max(1, o.count);
    for (int i = 0; i < n; ++i) {
        const double x = -9 + i * 18.0 / std::max(1, n - 1);
        QPainterPath s;
        s.moveTo(x - 1.5, 0);
        const double h = 50 + ((i * 37 + int(o.seed % 13)) % 17);
        s.cubicTo(x + 7, -h * 0.3, x - 7, -h * 0.6, x + 2, -h);
        s.cubicTo(x - 5, -h * 0.6, x + 9, -h * 0.3, x + 1.5, 0);
        s.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(litGradient(s.boundingRect(), i % 2 ? o.c1 : shade(o.c1, 0.8), 0.3));
        p.drawPath(s);
    }
}

void paintShell(QPainter& p, const Obj& o)
{
    QPainterPath s;
    s.moveTo(0, 0);
    s.lineTo(-8, -7);
    s.quadTo(0, -15, 8, -7);
    s.closeSubpath();
    body(p, s, o.c1, 0.35);
    p.setPen(QPen(shade(o.c1, 0.65), 0.7));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(0, -0.5), QPointF(i * 2.3, -9.5 + std::abs(i) * 0.5));
}

void paintBubbles(QPainter& p, const Obj& o)
{
    Rng r(o.seed);
    for (int i = 0; i < o.count; ++i) {
        const double y = -4 - i * 7.5, x = r.range(-4, 4), rad = 1.6 + r.range(0, 2.2);
        p.setPen(QPen(QColor(230, 250, 255, 200), 0.8));
        p.setBrush(QColor(200, 240, 255, 50));
        p.drawEllipse(QPointF(x, y), rad, rad);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(x - rad * 0.35, y - rad * 0.35), rad * 0.3, rad * 0.3);
    }
}

} // namespace levelgen
