// Kitchen table and toy shelf: crockery, food, toys and things on the wall.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

namespace {
QColor paletteColour(int i)
{
    static const QColor cols[] = {QColor(200, 50, 45), QColor(40, 90, 170), QColor(230, 180, 40),
                                  QColor(50, 140, 80), QColor(140, 70, 150), QColor(230, 120, 40),
                                  QColor(60, 160, 180), QColor(170, 40, 90)};
    return cols[((i % 8) + 8) % 8];
}

void fruitShape(QPainter& p, QPointF at, double size, int shape, const QColor& c)
{
    p.save();
    p.translate(at);
    p.scale(size / 16.0, size / 16.0);
    p.setPen(Qt::NoPen);
    if (shape == 1) { // pear
        QPainterPath pear;
        pear.addEllipse(QRectF(-7, -11, 14, 11));
        pear.addEllipse(QRectF(-4.5, -16, 9, 9));
        p.setBrush(litGradient(QRectF(-7, -16, 14, 16), c, 0.45));
        pear.setFillRule(Qt::WindingFill);
        p.drawPath(pear.simplified());
    } else {
        p.setBrush(ballGradient(QRectF(-7.5, -14, 15, 14), c));
        p.drawEllipse(QRectF(-7.5, -14, 15, 14));
    }
    if (shape != 2) {
        p.setPen(QPen(QColor(90, 60, 30), 1.1));
        p.drawLine(QPointF(0, shape == 1 ? -15.5 : -13), QPointF(1, shape == 1 ? -18 : -16));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 150, 50));
        p.drawEllipse(QRectF(1, -17.5, 5, 2.6));
    } else {
        p.setBrush(shade(c, 0.7));
        p.drawEllipse(QPointF(0, -13), 1, 0.8);
    }
    p.restore();
}
} // namespace

void paintCup(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-13, -3, 26, 5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(o.c1, 0.8), 3));
    p.drawArc(QRectF(5, -16, 9, 10), -90 * 16, 180 * 16);
    const QRectF r(-9, -19, 16, 19);
    QPainterPath c;
    c.moveTo(r.topLeft());
    c.lineTo(r.topRight());
    c.lineTo(r.right() - 1, -2);
    c.quadTo(r.right() - 1, 0, 4, 0);
    c.lineTo(-6, 0);
    c.quadTo(-8, 0, -8, -2);
    c.closeSubpath();
    QLinearGradient g(QPointF(-9, 0), QPointF(7, 0));
    g.setColorAt(0, shade(o.c1, 1.15));
    g.setColorAt(0.3, shade(o.c1, 1.35));
    g.setColorAt(1, shade(o.c1, 0.65));
    p.setPen(QPen(shade(o.c1, 0.5), 0.6));
    p.setBrush(g);
    p.drawPath(c);
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(o.c2);
        p.drawRect(QRectF(-8.6, -13, 15.2, 3));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 55, 30));
    p.drawEllipse(QRectF(-8.5, -20, 15, 3));
    if (o.variant & 2) {
        p.setPen(QPen(QColor(255, 255, 255, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath s;
        s.moveTo(-2, -22);
        s.cubicTo(-6, -26, 2, -28, -2, -32);
        p.drawPath(s);
    }
}

void paintBowl(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-22, -3, 44, 6));
    Rng r(o.seed);
    for (int i = 0; i < o.count; ++i) {
        const double x = -13 + (i % 4) * 8.5 + (i / 4) * 4, y = -12 - (i / 4) * 7;
        fruitShape(p, QPointF(x, y), 12, i % 3 == 1 ? 2 : 0, i % 3 == 0 ? QColor(200, 40, 40) : i % 3 == 1 ? QColor(240, 150, 30) : QColor(150, 190, 50));
    }
    QPainterPath b;
    b.moveTo(-21, -14);
    b.lineTo(21, -14);
    b.quadTo(18, 0, 0, 0);
    b.quadTo(-18, 0, -21, -14);
    body(p, b, o.c1, 0.4);
    p.setPen(QPen(shade(o.c1, 1.4), 1));
    p.drawLine(QPointF(-20, -13), QPointF(20, -13));
    (void)r;
}

void paintJar(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -3, 20, 5));
    const QRectF glass(-8, -22, 16, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(glass.adjusted(1, 4, -1, 0), o.c1, 0.45));
    p.drawRoundedRect(glass.adjusted(1, 4, -1, -1), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(glass, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4));
    p.drawLine(QPointF(-5, -18), QPointF(-5, -5));
    p.setPen(QPen(shade(o.c2, 0.5), 0.6));
    p.setBrush(litGradient(QRectF(-9, -27, 18, 5), o.c2));
    p.drawRoundedRect(QRectF(-9, -27, 18, 5), 1.5, 1.5);
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 235, 210));
        p.drawRect(QRectF(-6, -15, 12, 7));
        p.setBrush(shade(o.c1, 0.8));
        p.drawRect(QRectF(-4, -12.5, 8, 1.6));
    }
}

void paintFruit(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2.5, 16, 4));
    fruitShape(p, QPointF(0, 0), 16, o.shape, o.c1);
}

void paintBread(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-19, -3, 38, 5));
    QPainterPath b;
    b.moveTo(-18, 0);
    b.cubicTo(-20, -16, 20, -16, 18, 0);
    b.closeSubpath();
    body(p, b, o.c1, 0.45);
    p.setPen(QPen(shade(o.c1, 1.35), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < o.count; ++i) {
        const double x = -10 + i * 20.0 / std::max(1, o.count - 1);
        p.drawLine(QPointF(x - 2.5, -6), QPointF(x + 2.5, -11));
    }
}

void paintCandle(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-7, -3, 14, 3), QColor(200, 160, 70)));
    p.drawEllipse(QRectF(-7, -4, 14, 4));
    QLinearGradient g(QPointF(-3, 0), QPointF(3, 0));
    g.setColorAt(0, shade(o.c1, 1.3));
    g.setColorAt(1, shade(o.c1, 0.75));
    p.setBrush(g);
    p.drawRect(QRectF(-3, -22, 6, 20));
    p.setPen(QPen(QColor(40, 30, 20), 0.8));
    p.drawLine(QPointF(0, -22), QPointF(0, -24));
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        QRadialGradient glow(QPointF(0, -27), 7);
        glow.setColorAt(0, QColor(255, 240, 180, 180));
        glow.setColorAt(1, QColor(255, 200, 100, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(0, -27), 7, 7);
        QPainterPath f;
        f.moveTo(0, -31);
        f.quadTo(2.2, -26, 0, -24);
        f.quadTo(-2.2, -26, 0, -31);
        p.setBrush(QColor(255, 210, 90));
        p.drawPath(f);
    }
}

void paintTeapot(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-18, -3, 36, 6));
    p.setPen(QPen(shade(o.c1, 0.55), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath spout;
    spout.moveTo(10, -8);
    spout.quadTo(17, -10, 20, -19);
    p.drawPath(spout);
    p.drawArc(QRectF(-19, -19, 10, 12), 90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    roundBody(p, QRectF(-14, -21, 28, 21), o.c1);
    p.setBrush(litGradient(QRectF(-7, -24, 14, 4), shade(o.c1, 0.9)));
    p.drawEllipse(QRectF(-7, -24, 14, 5));
    roundBody(p, QRectF(-2, -27.5, 4, 4), shade(o.c1, 0.9));
    if (o.variant & 1) {
        for (int i = 0; i < 5; ++i) {
            p.setBrush(QColor(245, 245, 240));
            p.drawEllipse(QPointF(-3 + std::cos(i * 1.2566) * 2.5, -11 + std::sin(i * 1.2566) * 2.5), 1.6, 1.6);
        }
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(QPointF(-3, -11), 1.2, 1.2);
    }
}

void paintClock(QPainter& p, const Obj& o)
{
    p.setPen(QPen(shade(o.c1, 0.45), 1));
    p.setBrush(litGradient(QRectF(-14, -14, 28, 28), o.c1, 0.45));
    if (o.shape == 0)
        p.drawEllipse(QRectF(-14, -14, 28, 28));
    else
        p.drawRoundedRect(QRectF(-13, -13, 26, 26), 3, 3);
    p.setBrush(QColor(250, 246, 232));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(-10.5, -10.5, 21, 21));
    p.setPen(QPen(QColor(60, 50, 40), 1));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(std::cos(a) * 8.4, std::sin(a) * 8.4), QPointF(std::cos(a) * 9.6, std::sin(a) * 9.6));
    }
    static const double hours[4] = {3, 7, 10, 12.5};
    const double h = hours[o.variant & 3];
    const double ah = (h / 12.0) * 2 * M_PI - M_PI / 2, am = (h - std::floor(h)) * 2 * M_PI - M_PI / 2;
    p.setPen(QPen(QColor(30, 25, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(std::cos(ah) * 5.5, std::sin(ah) * 5.5));
    p.setPen(QPen(QColor(30, 25, 20), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(std::cos(am) * 8.5, std::sin(am) * 8.5));
}

void paintFrame(QPainter& p, const Obj& o)
{
    const QRectF outer(-19, -15, 38, 30), inner(-15, -11, 30, 22);
    QPainterPath frame, hole;
    if (o.shape == 0) {
        frame.addRect(outer);
        hole.addRect(inner);
    } else {
        frame.addEllipse(outer);
        hole.addEllipse(inner);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 50));
    p.drawPath(frame.translated(1.5, 1.5));
    body(p, frame.subtracted(hole), o.c1, 0.5);
    p.save();
    p.setClipPath(hole);
    QLinearGradient sky(QPointF(0, -11), QPointF(0, 11));
    sky.setColorAt(0, QColor(120, 170, 220));
    sky.setColorAt(1, QColor(230, 220, 190));
    p.setBrush(sky);
    p.drawRect(inner);
    if (o.variant & 1) { // a sun with its rays, big enough to be missed when it is gone
        p.setPen(QPen(QColor(240, 180, 50), 0.9, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(QPointF(7 + std::cos(a) * 4.2, -5 + std::sin(a) * 4.2), QPointF(7 + std::cos(a) * 5.8, -5 + std::sin(a) * 5.8));
        }
        p.setPen(QPen(QColor(220, 150, 40), 0.6));
        p.setBrush(QColor(250, 210, 80));
        p.drawEllipse(QPointF(7, -5), 3.3, 3.3);
        p.setPen(Qt::NoPen);
    }
    QPainterPath hills;
    hills.moveTo(-16, 12);
    hills.lineTo(-16, 2);
    hills.quadTo(-6, -6, 2, 3);
    hills.quadTo(9, -2, 16, 3);
    hills.lineTo(16, 12);
    p.setBrush(QColor(80, 130, 70));
    p.drawPath(hills);
    if (o.variant & 2) {
        p.setBrush(QColor(190, 60, 50));
        p.drawRect(QRectF(-8, 1, 6, 5));
        QPainterPath roof;
        roof.moveTo(-9, 1);
        roof.lineTo(-5, -3);
        roof.lineTo(-1, 1);
        p.setBrush(QColor(100, 50, 40));
        p.drawPath(roof);
    }
    p.restore();
}

void paintBooks(QPainter& p, const Obj& o)
{
    Rng r(o.seed);
    double x = 0;
    for (int i = 0; i < o.count; ++i) {
        const double w = 5.5 + r.range(0, 3), h = 19 + r.range(0, 8);
        const QColor c = i == 1 ? o.c1 : paletteColour(int(r.next() % 8));
        const QRectF b(x, -h, w, h);
        QLinearGradient g(b.topLeft(), b.topRight());
        g.setColorAt(0, shade(c, 1.2));
        g.setColorAt(0.4, c);
        g.setColorAt(1, shade(c, 0.6));
        p.setPen(QPen(shade(c, 0.4), 0.5));
        p.setBrush(g);
        p.drawRect(b);
        p.setPen(QPen(QColor(230, 200, 110), 0.8));
        p.drawLine(QPointF(x + 1, -h + 3), QPointF(x + w - 1, -h + 3));
        p.drawLine(QPointF(x + 1, -5), QPointF(x + w - 1, -5));
        x += w + 0.4;
    }
}

void paintTeddy(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-15, -3, 30, 6));
    p.setPen(Qt::NoPen);
    const QColor fur = o.c1;
    roundBody(p, QRectF(-11, -21, 22, 21), fur);          // body
    roundBody(p, QRectF(-15, -6, 10, 7), fur);            // feet
    roundBody(p, QRectF(5, -6, 10, 7), fur);
    roundBody(p, QRectF(-15, -20, 7, 12), fur);           // arms
    if (o.variant & 4)
        roundBody(p, QRectF(8, -31, 7, 13), fur);         // one arm waving
    else
        roundBody(p, QRectF(8, -20, 7, 12), fur);
    roundBody(p, QRectF(-11, -35, 8, 8), fur);            // ears
    roundBody(p, QRectF(3, -35, 8, 8), fur);
    roundBody(p, QRectF(-9, -33, 18, 16), fur);           // head
    p.setBrush(shade(fur, 1.45));
    p.drawEllipse(QRectF(-4, -25, 8, 6));
    p.drawEllipse(QRectF(-6, -15, 12, 11));
    p.setBrush(QColor(40, 25, 20));
    p.drawEllipse(QPointF(-3.5, -27.5), 1.2, 1.2);
    p.drawEllipse(QPointF(3.5, -27.5), 1.2, 1.2);
    p.drawEllipse(QPointF(0, -23.8), 1.6, 1.1);
    if (o.variant & 1) {
        p.setBrush(o.c2);
        QPainterPath bow;
        bow.moveTo(0, -18);
        bow.lineTo(-6, -21);
        bow.lineTo(-6, -15);
        bow.closeSubpath();
        bow.moveTo(0, -18);
        bow.lineTo(6, -21);
        bow.lineTo(6, -15);
        bow.closeSubpath();
        p.drawPath(bow);
        p.drawEllipse(QPointF(0, -18), 1.6, 1.6);
    }
    if (o.variant & 2) {
        p.setBrush(QColor(120, 150, 200));
        p.drawRect(QRectF(-4, -12, 6, 6));
        p.setPen(QPen(QColor(60, 60, 90), 0.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-4, -12, 6, 6));
    }
}

void paintBall(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -2.5, 20, 4));
    const QRectF r(-10, -20, 20, 20);
    QPainterPath ball;
    ball.addEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 240));
    p.drawPath(ball);
    p.save();
    p.setClipPath(ball);
    p.setBrush(o.c1);
    p.drawPie(QRectF(-14, -24, 28, 28), 60 * 16, 60 * 16);
    p.drawPie(QRectF(-14, -24, 28, 28), 240 * 16, 60 * 16);
    p.setBrush(o.c2);
    p.drawPie(QRectF(-14, -24, 28, 28), 0, 60 * 16);
    p.drawPie(QRectF(-14, -24, 28, 28), 180 * 16, 60 * 16);
    QRadialGradient g(QPointF(-4, -14), 15);
    g.setColorAt(0, QColor(255, 255, 255, 110));
    g.setColorAt(0.5, QColor(255, 255, 255, 0));
    g.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(g);
    p.drawRect(r);
    p.restore();
    if (o.variant & 1) {
        p.setBrush(QColor(250, 220, 60));
        p.drawEllipse(QPointF(0, -10), 2.6, 2.6);
    }
}

void paintBlocks(QPainter& p, const Obj& o)
{
    for (int i = 0; i < o.count; ++i) {
        const QColor c = i == o.count - 1 ? o.c1 : paletteColour(int(o.seed % 5) + i * 3);
        const QRectF b(-7 + ((i * 3) % 5) - 2, -14 - i * 14, 14, 14);
        p.setPen(QPen(shade(c, 0.5), 0.6));
        p.setBrush(litGradient(b, c, 0.35));
        p.drawRect(b);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        // A detail bit always changes the count of dots (it used to leave
        // a block's two dots as two, an invisible difference).
        const int plain = 1 + (i % 3);
        const int dots = ((o.variant >> (i % 2)) & 1) ? plain % 3 + 1 : plain;
        for (int d = 0; d < dots; ++d)
            p.drawEllipse(QPointF(b.center().x() + (d - (dots - 1) / 2.0) * 4, b.center().y()), 1.4, 1.4);
    }
}

void paintCar(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-19, -3, 38, 5));
    QPainterPath c;
    c.moveTo(-18, -4);
    c.lineTo(-18, -10);
    c.quadTo(-17, -12, -12, -12);
    c.lineTo(-7, -18);
    c.lineTo(6, -18);
    c.lineTo(11, -12);
    c.quadTo(18, -12, 18, -8);
    c.lineTo(18, -4);
    c.closeSubpath();
    body(p, c, o.c1, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 210, 235));
    QPainterPath w;
    w.moveTo(-5.5, -16.5);
    w.lineTo(-0.5, -16.5);
    w.lineTo(-0.5, -12.5);
    w.lineTo(-9, -12.5);
    w.closeSubpath();
    w.moveTo(1, -16.5);
    w.lineTo(5.5, -16.5);
    w.lineTo(9, -12.5);
    w.lineTo(1, -12.5);
    w.closeSubpath();
    p.drawPath(w);
    if (o.variant & 1) {
        p.setBrush(o.c2);
        p.drawRect(QRectF(-17, -9, 35, 2));
    }
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(16.5, -9.5), 1.3, 1.3);
    for (double x : {-10.0, 10.0}) {
        p.setBrush(QColor(30, 30, 35));
        p.drawEllipse(QPointF(x, -4), 4, 4);
        p.setBrush(QColor(190, 190, 195));
        p.drawEllipse(QPointF(x, -4), 1.6, 1.6);
    }
}

void paintRobot(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-12, -3, 24, 5));
    const QColor m = o.c1;
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-8, -8, 16, 8), shade(m, 0.8)));
    p.drawRect(QRectF(-8, -7, 6, 7));
    p.drawRect(QRectF(2, -7, 6, 7));
    const QRectF torso(-10, -26, 20, 19);
    p.setPen(QPen(shade(m, 0.5), 0.7));
    p.setBrush(litGradient(torso, m, 0.45));
    p.drawRoundedRect(torso, 2, 2);
    p.drawRoundedRect(QRectF(-8, -37, 16, 11), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    p.drawEllipse(QPointF(-3.5, -32), 2, 2);
    p.drawEllipse(QPointF(3.5, -32), 2, 2);
    static const QColor btn[4] = {QColor(220, 50, 40), QColor(60, 170, 70), QColor(250, 200, 40), QColor(50, 110, 220)};
    for (int i = 0; i < o.count; ++i)
        p.setBrush(btn[i % 4]), p.drawEllipse(QPointF(-5 + i * 3.4, -19), 1.4, 1.4);
    p.setBrush(shade(m, 0.7));
    p.drawRect(QRectF(-6, -13, 12, 2));
    if (o.variant & 1) {
        p.setPen(QPen(shade(m, 0.5), 1));
        p.drawLine(QPointF(0, -37), QPointF(0, -41));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 50, 40));
        p.drawEllipse(QPointF(0, -41.5), 1.6, 1.6);
    }
}

void paintDuck(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-12, -3, 24, 5));
    p.setPen(Qt::NoPen);
    QPainterPath b;
    b.moveTo(-11, -8);
    b.quadTo(-12, 0, 0, 0);
    b.quadTo(10, 0, 10, -7);
    b.quadTo(4, -10, -11, -8);
    b.addEllipse(QRectF(-1, -19, 11, 11));
    p.setBrush(litGradient(QRectF(-12, -19, 22, 19), o.c1, 0.4));
    b.setFillRule(Qt::WindingFill);
    p.drawPath(b.simplified());
    p.setBrush(QColor(240, 120, 30));
    p.drawEllipse(QRectF(8, -14.5, 6, 3.4));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(6, -15), 1, 1);
    p.setBrush(shade(o.c1, 0.8));
    p.drawEllipse(QRectF(-7, -8, 9, 4.5));
}

} // namespace levelgen
