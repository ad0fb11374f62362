// Farm, garden, snow and desert: animals, plants and things standing outside.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

void paintChicken(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -2.5, 20, 4));
    p.setPen(QPen(QColor(220, 150, 40), 1));
    p.drawLine(QPointF(-2, -5), QPointF(-3, 0));
    p.drawLine(QPointF(2, -5), QPointF(2, 0));
    p.setPen(Qt::NoPen);
    QPainterPath b;
    b.addEllipse(QRectF(-10, -16, 17, 12));
    b.addEllipse(QRectF(2, -23, 8, 9));
    QPainterPath tail;
    tail.moveTo(-8, -12);
    tail.lineTo(-12, -20);
    tail.lineTo(-4, -14);
    b.setFillRule(Qt::WindingFill);
    b = b.united(tail);
    p.setBrush(litGradient(b.boundingRect(), o.c1, 0.35));
    p.drawPath(b);
    p.setBrush(shade(o.c1, 0.85));
    p.drawEllipse(QRectF(-6, -13, 9, 5));
    p.setBrush(QColor(215, 35, 35));
    const double comb = (o.variant & 1) ? 3.2 : 2;
    p.drawEllipse(QPointF(5, -23), comb, comb * 0.8);
    p.drawEllipse(QPointF(7.5, -16), 1.3, 1.8);
    p.setBrush(QColor(240, 170, 30));
    QPainterPath beak;
    beak.moveTo(9.5, -20);
    beak.lineTo(12.5, -18.5);
    beak.lineTo(9.5, -17.5);
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(7, -20), 0.9, 0.9);
}

void paintPig(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-18, -3, 36, 5));
    p.setPen(QPen(shade(o.c1, 0.7), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-10.0, -5.0, 6.0, 11.0})
        p.drawLine(QPointF(x, -6), QPointF(x, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(o.c1, 0.8), 1.1));
    p.drawArc(QRectF(-19, -17, 5, 5), 0, 300 * 16);
    p.setPen(Qt::NoPen);
    roundBody(p, QRectF(-15, -19, 28, 15), o.c1);
    roundBody(p, QRectF(7, -21, 12, 12), o.c1);
    p.setBrush(shade(o.c1, 0.85));
    QPainterPath ear;
    ear.moveTo(9, -20);
    ear.lineTo(11, -25);
    ear.lineTo(14, -20);
    p.drawPath(ear);
    p.setBrush(shade(o.c1, 1.2));
    p.drawEllipse(QRectF(15, -16.5, 5, 4.5));
    p.setBrush(shade(o.c1, 0.5));
    p.drawEllipse(QPointF(17, -14.2), 0.6, 0.9);
    p.drawEllipse(QPointF(18.8, -14.2), 0.6, 0.9);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(13, -17.5), 0.9, 0.9);
    if (o.variant & 1) {
        p.setBrush(QColor(110, 80, 55, 220));
        p.drawEllipse(QRectF(-9, -15, 9, 6));
    }
}

void paintGnome(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -2.5, 20, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 30));
    p.drawEllipse(QRectF(-7, -3, 6, 3));
    p.drawEllipse(QRectF(1, -3, 6, 3));
    QPainterPath coat;
    coat.moveTo(-7, -1);
    coat.lineTo(-5, -16);
    coat.lineTo(5, -16);
    coat.lineTo(7, -1);
    coat.closeSubpath();
    body(p, coat, o.c2, 0.4);
    p.setBrush(QColor(240, 200, 170));
    p.drawEllipse(QRectF(-4.5, -22, 9, 8));
    p.setBrush(QColor(245, 245, 240));
    QPainterPath beard;
    beard.moveTo(-5, -18);
    beard.quadTo(0, -4, 5, -18);
    beard.closeSubpath();
    p.drawPath(beard);
    p.setBrush(QColor(230, 140, 120));
    p.drawEllipse(QPointF(0, -18.5), 1.5, 1.3);
    QPainterPath hat;
    hat.moveTo(-6, -20);
    hat.quadTo(-3, -30, 4, -34);
    hat.quadTo(2, -28, 6, -20);
    hat.closeSubpath();
    body(p, hat, o.c1, 0.4);
    if (o.variant & 1) { // a lantern in his hand
        p.setPen(QPen(QColor(60, 50, 40), 0.8));
        p.drawLine(QPointF(6, -11), QPointF(8, -8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 110));
        p.drawRect(QRectF(6.5, -8, 3.5, 4.5));
    }
}

void paintMushroom(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2.5, 16, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-3, -10, 6, 10), QColor(245, 240, 225)));
    p.drawRoundedRect(QRectF(-3, -10, 6, 10), 2, 2);
    QPainterPath cap;
    cap.moveTo(-9, -9);
    cap.cubicTo(-9, -19, 9, -19, 9, -9);
    cap.quadTo(0, -7, -9, -9);
    body(p, cap, o.c1, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 245));
    static const QPointF dots[6] = {{-5, -12}, {0, -14.5}, {5, -12}, {-2.5, -10.2}, {3, -10}, {-6.8, -10}};
    for (int i = 0; i < o.count && i < 6; ++i)
        p.drawEllipse(dots[i], 1.2, 1);
}

void paintButterfly(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    for (int s : {-1, 1}) {
        p.setBrush(litGradient(QRectF(-9, -7, 18, 14), o.c1, 0.4));
        p.drawEllipse(QRectF(s < 0 ? -9 : 1, -7, 8, 8));
        p.setBrush(shade(o.c1, 0.85));
        p.drawEllipse(QRectF(s < 0 ? -7 : 1.5, 0, 5.5, 6));
        p.setBrush(o.c2);
        p.drawEllipse(QPointF(s * 5, -3.5), 1.5, 1.5);
    }
    p.setBrush(QColor(40, 30, 25));
    p.drawEllipse(QRectF(-1, -6, 2, 11));
    p.setPen(QPen(QColor(40, 30, 25), 0.5));
    p.drawLine(QPointF(0, -6), QPointF(-2, -8));
    p.drawLine(QPointF(0, -6), QPointF(2, -8));
}

void paintSnail(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    QPainterPath foot;
    foot.moveTo(-10, 0);
    foot.lineTo(8, 0);
    foot.quadTo(11, -1, 10, -6);
    foot.lineTo(8, -6);
    foot.quadTo(6, -2, -10, -1);
    p.setBrush(QColor(200, 190, 150));
    p.drawPath(foot);
    p.setPen(QPen(QColor(150, 140, 110), 0.7));
    p.drawLine(QPointF(9.5, -5.5), QPointF(11, -10));
    p.drawLine(QPointF(8.5, -5.5), QPointF(8.5, -10));
    p.setPen(Qt::NoPen);
    roundBody(p, QRectF(-8, -13, 13, 13), o.c1);
    p.setPen(QPen(shade(o.c1, 0.5), 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    for (int i = 0; i <= 24; ++i) {
        const double a = i * 0.5, rad = 5.2 * (1 - i / 28.0);
        const QPointF pt(-1.5 + std::cos(a) * rad, -6.5 + std::sin(a) * rad);
        i ? spiral.lineTo(pt) : spiral.moveTo(pt);
    }
    p.drawPath(spiral);
}

void paintBirdhouse(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-2, -30, 4, 30), QColor(110, 80, 55)));
    p.drawRect(QRectF(-1.5, -30, 3, 30));
    const QRectF box(-8, -44, 16, 15);
    p.setBrush(litGradient(box, o.c1));
    p.drawRect(box);
    QPainterPath roof;
    roof.moveTo(-11, -43);
    roof.lineTo(0, -50);
    roof.lineTo(11, -43);
    roof.closeSubpath();
    body(p, roof, o.c2, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 25, 20));
    if (o.shape == 0)
        p.drawEllipse(QPointF(0, -38), 2.8, 2.8);
    else
        p.drawRect(QRectF(-2.6, -40.6, 5.2, 5.2));
    if (o.variant & 1) {
        p.setBrush(QColor(90, 60, 40));
        p.drawRect(QRectF(-0.8, -34, 1.6, 4));
        p.drawRect(QRectF(-3, -31, 6, 1.4));
    }
}

void paintPumpkin(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-14, -3, 28, 5));
    const double h = o.shape == 1 ? 20 : 15;
    p.setPen(QPen(shade(o.c1, 0.55), 0.7));
    for (int i = 0; i < 5; ++i) {
        const double x = -12 + i * 4.6;
        const QRectF seg(x, -h, 7.5, h);
        p.setBrush(litGradient(QRectF(-12, -h, 24, h), i == 2 ? shade(o.c1, 1.1) : o.c1, 0.4));
        p.drawEllipse(seg);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 110, 40));
    p.drawRoundedRect(QRectF(-1.5, -h - 4, 3, 5), 1, 1);
}

void paintHaybale(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-19, -3, 38, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-18, -20, 36, 20), o.c1, 0.35));
    p.drawRoundedRect(QRectF(-18, -20, 36, 20), 5, 5);
    p.setBrush(litGradient(QRectF(8, -20, 12, 20), shade(o.c1, 1.1), 0.3));
    p.drawEllipse(QRectF(8, -20, 12, 20));
    p.setPen(QPen(shade(o.c1, 0.75), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10.5, -15, 7, 10));
    p.drawEllipse(QRectF(12.5, -11.5, 3, 3));
    Rng r(o.seed);
    for (int i = 0; i < 20; ++i) {
        const double x = r.range(-16, 6), y = r.range(-18, -2);
        p.drawLine(QPointF(x, y), QPointF(x + r.range(2, 5), y + r.range(-1, 1)));
    }
}

void paintSnowman(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-15, -4, 30, 7), 60);
    const QColor snow(246, 249, 255);
    p.setPen(QPen(QColor(90, 60, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-7, -24), QPointF(-15, -30));
    if (o.variant & 4)
        p.drawLine(QPointF(7, -24), QPointF(15, -34));
    else
        p.drawLine(QPointF(7, -24), QPointF(15, -20));
    p.setPen(Qt::NoPen);
    auto ball = [&](QRectF r) {
        QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.7);
        g.setColorAt(0, snow);
        g.setColorAt(1, QColor(175, 195, 225));
        p.setBrush(g);
        p.drawEllipse(r);
    };
    ball(QRectF(-12, -20, 24, 20));
    ball(QRectF(-9, -34, 18, 16));
    ball(QRectF(-6.5, -44, 13, 12));
    p.setBrush(QColor(30, 30, 35));
    for (int i = 0; i < o.count; ++i)
        p.drawEllipse(QPointF(0, -30 + i * 4.2), 1.1, 1.1);
    p.drawEllipse(QPointF(-2.2, -39.5), 0.9, 0.9);
    p.drawEllipse(QPointF(2.2, -39.5), 0.9, 0.9);
    p.setBrush(QColor(240, 120, 30));
    QPainterPath nose;
    nose.moveTo(0, -38.5);
    nose.lineTo(6, -37.3);
    nose.lineTo(0, -36.5);
    p.drawPath(nose);
    if (o.variant & 2) {
        p.setBrush(o.c2);
        p.drawRoundedRect(QRectF(-7, -33.5, 14, 3), 1, 1);
        p.drawRect(QRectF(3, -32, 3, 7));
    }
    if (o.variant & 1) {
        p.setBrush(litGradient(QRectF(-5, -52, 10, 9), o.c1));
        p.drawRect(QRectF(-4.5, -52, 9, 8));
        p.drawRect(QRectF(-7, -44.5, 14, 2));
    }
}

void paintCamel(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-24, -3, 48, 6), 60);
    p.setPen(QPen(shade(o.c1, 0.7), 2.6, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-14.0, -9.0, 8.0, 13.0})
        p.drawLine(QPointF(x, -20), QPointF(x + (x < 0 ? -1 : 1), 0));
    p.setPen(Qt::NoPen);
    QPainterPath b;
    b.addEllipse(QRectF(-18, -30, 36, 14));
    if (o.count >= 2) {
        b.addEllipse(QRectF(-13, -38, 11, 14));
        b.addEllipse(QRectF(1, -38, 11, 14));
    } else {
        b.addEllipse(QRectF(-7, -40, 14, 16));
    }
    QPainterPath neck;
    neck.moveTo(14, -26);
    neck.quadTo(22, -26, 22, -36);
    neck.lineTo(26, -36);
    neck.quadTo(26, -20, 17, -19);
    neck.closeSubpath();
    b.setFillRule(Qt::WindingFill);
    b = b.united(neck);
    b.setFillRule(Qt::WindingFill);
    b.addEllipse(QRectF(20, -41, 10, 6.5));
    p.setBrush(litGradient(b.boundingRect(), o.c1, 0.35));
    p.drawPath(b.simplified());
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(26, -39), 0.8, 0.8);
    if (o.variant & 1) {
        p.setBrush(litGradient(QRectF(-8, -30, 16, 12), o.c2, 0.3));
        p.drawRoundedRect(QRectF(-8, -28, 16, 11), 2, 2);
        p.setBrush(shade(o.c2, 1.5));
        p.drawRect(QRectF(-8, -24, 16, 2));
    }
}

void paintPalm(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-18, -4, 36, 7), 60);
    QPainterPath trunk;
    trunk.moveTo(-4, 0);
    trunk.quadTo(-6, -40, 4, -70);
    trunk.lineTo(7, -69);
    trunk.quadTo(1, -40, 4, 0);
    trunk.closeSubpath();
    body(p, trunk, QColor(140, 105, 65), 0.4);
    p.setPen(QPen(QColor(100, 70, 40), 0.7));
    for (int i = 1; i < 12; ++i) {
        const double t = i / 12.0, y = -t * 70, x = -5 * (1 - t) * 0 + t * t * 9 - t * 4;
        p.drawLine(QPointF(x - 3, y), QPointF(x + 4, y - 1.5));
    }
    const int n = std::max(3, o.count);
    for (int i = 0; i < n; ++i) {
        const double a = -M_PI + (i + 0.5) * M_PI / n;
        const QPointF base(5.5, -70), tip = base + QPointF(std::cos(a) * 27, std::sin(a) * 12 + 14);
        const QPointF ctrl = base + QPointF(std::cos(a) * 14, std::sin(a) * 14 - 6);
        QPainterPath f;
        f.moveTo(base);
        f.quadTo(ctrl + QPointF(0, -3), tip);
        f.quadTo(ctrl + QPointF(0, 3), base);
        p.setPen(QPen(QColor(40, 90, 40), 0.6));
        p.setBrush(litGradient(f.boundingRect(), o.c1, 0.3));
        p.drawPath(f);
    }
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        for (double x : {3.0, 8.0})
            roundBody(p, QRectF(x - 2.6, -70, 5.2, 5.2), QColor(110, 75, 40));
    }
}

void paintCactus(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-12, -3, 24, 5));
    QPainterPath c;
    c.addRoundedRect(QRectF(-4.5, -40, 9, 40), 4.5, 4.5);
    if (o.count >= 1) {
        c.addRoundedRect(QRectF(-13, -30, 5, 16), 2.5, 2.5);
        c.addRect(QRectF(-11, -17, 8, 4));
    }
    if (o.count >= 2) {
        c.addRoundedRect(QRectF(8, -36, 5, 14), 2.5, 2.5);
        c.addRect(QRectF(3, -25, 8, 4));
    }
    c.setFillRule(Qt::WindingFill);
    c = c.simplified();
    p.setPen(QPen(shade(o.c1, 0.55), 0.7));
    QLinearGradient g(QPointF(-13, 0), QPointF(13, 0));
    g.setColorAt(0, shade(o.c1, 1.25));
    g.setColorAt(1, shade(o.c1, 0.7));
    p.setBrush(g);
    p.drawPath(c);
    p.setPen(QPen(shade(o.c1, 0.7), 0.6));
    p.drawLine(QPointF(-1.5, -38), QPointF(-1.5, -1));
    p.drawLine(QPointF(1.5, -38), QPointF(1.5, -1));
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(o.c2);
            p.drawEllipse(QPointF(std::cos(i * 1.2566) * 2, -41 + std::sin(i * 1.2566) * 2), 1.6, 1.6);
        }
    }
}

void paintTent(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-24, -3, 48, 6), 60);
    QPainterPath t;
    if (o.shape == 0) {
        t.moveTo(-22, 0);
        t.lineTo(0, -26);
        t.lineTo(22, 0);
    } else {
        t.moveTo(-22, 0);
        t.cubicTo(-22, -30, 22, -30, 22, 0);
    }
    t.closeSubpath();
    body(p, t, o.c1, 0.35);
    if (o.variant & 1) {
        p.save();
        p.setClipPath(t);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(o.c2, 220));
        for (int i = -3; i <= 3; i += 2)
            p.drawRect(QRectF(i * 6 - 1.5, -30, 3, 30));
        p.restore();
    }
    QPainterPath door;
    door.moveTo(0, -17);
    door.lineTo(7, 0);
    door.lineTo(-1, 0);
    door.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 30, 25));
    p.drawPath(door);
    if (o.variant & 2) {
        p.setPen(QPen(QColor(80, 60, 40), 0.8));
        p.drawLine(QPointF(0, o.shape == 0 ? -26 : -22), QPointF(0, -33));
        p.setPen(Qt::NoPen);
        p.setBrush(o.c2);
        QPainterPath f;
        f.moveTo(0, -33);
        f.lineTo(6, -31);
        f.lineTo(0, -29);
        p.drawPath(f);
    }
}

void paintPot(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -3, 20, 5));
    QPainterPath pot;
    if (o.shape == 0) {
        pot.moveTo(-7, -12);
        pot.lineTo(7, -12);
        pot.lineTo(5, 0);
        pot.lineTo(-5, 0);
        pot.closeSubpath();
        p.setPen(QPen(QColor(50, 110, 40), 1.2));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(0, -12), QPointF(-6 + i * 4, -20 - (i % 2) * 2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 140, 50));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(-6 + i * 4, -20 - (i % 2) * 2), 2.6, 1.8);
    } else {
        pot.moveTo(-3, -20);
        pot.lineTo(3, -20);
        pot.quadTo(2, -17, 7, -11);
        pot.quadTo(7, -2, 3, 0);
        pot.lineTo(-3, 0);
        pot.quadTo(-7, -2, -7, -11);
        pot.quadTo(-2, -17, -3, -20);
    }
    body(p, pot, o.c1, 0.45);
    p.setPen(QPen(shade(o.c1, 1.4), 1));
    p.drawLine(QPointF(-6, -8), QPointF(5, -8));
}

} // namespace levelgen
