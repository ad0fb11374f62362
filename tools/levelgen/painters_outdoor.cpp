// Things found outdoors and by the water: the fisherman's net and anchor, a
// life ring, a deck chair and a sand castle, a sled, a wheelbarrow, a
// scarecrow, a beehive, a bicycle, a camp fire and a tree stump. Each
// stands on its origin and is lit from the upper left like every other
// painter.
#include "tools/levelgen/drawbits.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

namespace {
const QColor kWood(135, 95, 60);
const QColor kIron(70, 70, 75);

void stick(QPainter& p, QPointF a, QPointF b, const QColor& c, double w)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}
} // namespace

// A net hung to dry between two poles, corks along its top; the cork
// floats are its count.
void paintFishingNet(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-19, -2, 38, 4), 55);
    stick(p, QPointF(-16, 0), QPointF(-16, -27), kWood, 2.2);
    stick(p, QPointF(16, 0), QPointF(16, -27), kWood, 2.2);
    QPainterPath sag; // the net's lower edge sags between the poles
    sag.moveTo(-16, -24);
    sag.lineTo(16, -24);
    sag.lineTo(16, -8);
    sag.quadTo(0, -1, -16, -8);
    sag.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(o.c1, 70));
    p.drawPath(sag);
    p.save();
    p.setClipPath(sag);
    p.setPen(QPen(o.c1, 0.7));
    for (double x = -22; x < 18; x += 3.2) {
        p.drawLine(QPointF(x, -24), QPointF(x + 16, 0));
        p.drawLine(QPointF(x + 6, -24), QPointF(x - 10, 0));
    }
    p.restore();
    p.setPen(QPen(shade(o.c1, 0.6), 0.9));
    p.drawLine(QPointF(-16, -24), QPointF(16, -24));
    p.setPen(QPen(shade(o.c2, 0.6), 0.4));
    p.setBrush(o.c2);
    for (int i = 0; i < std::clamp(o.count, 0, 6); ++i) // from the left, so one more is one more float
        p.drawEllipse(QPointF(-12 + i * 4.8, -24), 1.8, 1.4);
}

void paintAnchor(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -2, 22, 4), 60);
    const QColor c = o.c1;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(c, 0.5), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -2), QPointF(0, -22));
    p.drawArc(QRectF(-10, -14, 20, 14), 200 * 16, 140 * 16);
    p.drawLine(QPointF(-6, -18), QPointF(6, -18));
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -2), QPointF(0, -22));
    p.drawArc(QRectF(-10, -14, 20, 14), 200 * 16, 140 * 16);
    p.drawLine(QPointF(-6, -18), QPointF(6, -18));
    p.setPen(QPen(c, 1.6));
    p.drawEllipse(QPointF(0, -24.5), 2.4, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (double d : {-1.0, 1.0}) { // the flukes
        QPainterPath f;
        f.moveTo(d * 10.5, -9);
        f.lineTo(d * 12, -4);
        f.lineTo(d * 7, -5.5);
        f.closeSubpath();
        p.drawPath(f);
    }
}

// A life ring leaning on its post; its four bands (or six: the pattern).
void paintLifebuoy(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-9, -2, 18, 4), 55);
    stick(p, QPointF(0, 0), QPointF(0, -24), kWood, 2.4);
    const QRectF ring(-9, -22, 18, 18);
    const int bands = (o.variant & 1) ? 6 : 4;
    for (int i = 0; i < bands; ++i) {
        p.setPen(QPen(i % 2 ? QColor(245, 243, 235) : o.c1, 4.2, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(ring.adjusted(2, 2, -2, -2), int(i * 5760.0 / bands + 720), int(5760.0 / bands));
    }
    p.setPen(QPen(shade(o.c1, 0.5), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring.adjusted(-0.1, -0.1, 0.1, 0.1));
    p.drawEllipse(ring.adjusted(4.2, 4.2, -4.2, -4.2));
}

// A striped deck chair; the stripes run across or along (the pattern).
void paintDeckChair(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -2, 24, 4), 55);
    stick(p, QPointF(-9, 0), QPointF(5, -22), kWood, 1.4);
    stick(p, QPointF(9, 0), QPointF(-3, -11), kWood, 1.4);
    QPainterPath cloth;
    cloth.moveTo(4, -21);
    cloth.quadTo(-1, -12, -4, -9);
    cloth.lineTo(8, -8);
    cloth.quadTo(8, -15, 10, -20);
    cloth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    p.drawPath(cloth);
    p.save();
    p.setClipPath(cloth);
    p.setBrush(o.c1);
    if (o.variant & 1)
        for (double y = -22; y < -7; y += 4)
            p.drawRect(QRectF(-6, y, 18, 2));
    else
        for (double x = -6; x < 12; x += 4)
            p.drawRect(QRectF(x, -22, 2, 16));
    p.restore();
    stick(p, QPointF(-8, -8.5), QPointF(12, -8.5), shade(kWood, 0.8), 1.2);
    stick(p, QPointF(10, -8.5), QPointF(11, 0), kWood, 1.4);
}

// A sand castle; its towers are the count.
void paintSandcastle(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-14, -2, 28, 4), 45);
    // Towers keep their places, so one more or fewer changes only that one.
    static const double at[4] = {-9.5, 9.5, -3, 3.5}, high[4] = {17, 17, 20, 15};
    QPainterPath c;
    c.addRect(QRectF(-12, -9, 24, 9));
    for (int i = 0; i < std::clamp(o.count, 1, 4); ++i)
        c.addRect(QRectF(at[i] - 2.5, -high[i], 5, high[i] - 8));
    body(p, c.simplified(), o.c1, 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.55));
    p.drawChord(QRectF(-3, -7, 6, 7), 0, 180 * 16); // the gate
    p.drawRect(QRectF(-3, -3.5, 6, 3.5));
    stick(p, QPointF(-9.5, -17), QPointF(-9.5, -23), QColor(110, 90, 60), 0.7);
    p.setBrush(o.c2);
    QPainterPath flag;
    flag.moveTo(-9.5, -23), flag.lineTo(-4.5, -21.5), flag.lineTo(-9.5, -20), flag.closeSubpath();
    p.drawPath(flag);
}

void paintSled(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-15, -2, 30, 4), 55);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kIron, 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath run; // the runner curls up at the front
    run.moveTo(-13, -0.8);
    run.lineTo(9, -0.8);
    run.quadTo(14, -0.8, 14, -4);
    run.quadTo(14, -7, 11, -6.5);
    p.drawPath(run);
    for (double x : {-9.0, -1.0, 7.0})
        stick(p, QPointF(x, -1), QPointF(x, -6), shade(o.c1, 0.6), 1.4);
    litBox(p, QRectF(-14, -8.5, 25, 3), o.c1);
    if (o.variant & 1) { // a rope to pull it by
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 170, 110), 0.8));
        QPainterPath rope;
        rope.moveTo(12, -6);
        rope.quadTo(15, 0, 11, -1.5);
        p.drawPath(rope);
    }
}

void paintWheelbarrow(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-15, -2, 28, 4), 55);
    stick(p, QPointF(-14, -11), QPointF(6, -6), kWood, 1.5); // the handles
    stick(p, QPointF(-8, -8), QPointF(-8, 0), kWood, 1.3);
    QPainterPath tray;
    tray.moveTo(-9, -15);
    tray.lineTo(11, -15);
    tray.lineTo(6, -6);
    tray.lineTo(-5, -6);
    tray.closeSubpath();
    body(p, tray, o.c1, 0.35);
    if (o.variant & 1) { // a load of earth, leaves or apples
        p.setPen(Qt::NoPen);
        p.setBrush(o.c2);
        p.drawChord(QRectF(-8, -19, 18, 8), 0, 180 * 16);
    }
    p.setPen(QPen(QColor(40, 40, 40), 1.4));
    p.setBrush(QColor(90, 90, 95));
    p.drawEllipse(QPointF(8, -4), 3.3, 3.3);
    p.setBrush(QColor(200, 200, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, -4), 0.9, 0.9);
}

void paintScarecrow(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 4), 55);
    stick(p, QPointF(0, 0), QPointF(0, -36), kWood, 1.8);
    stick(p, QPointF(-14, -27), QPointF(14, -27), kWood, 1.5);
    QPainterPath coat;
    coat.moveTo(-13, -28.5), coat.lineTo(13, -28.5), coat.lineTo(12, -25), coat.lineTo(6, -25);
    coat.lineTo(7, -13), coat.lineTo(-7, -13), coat.lineTo(-6, -25), coat.lineTo(-12, -25);
    coat.closeSubpath();
    body(p, coat, o.c1, 0.3);
    p.setPen(QPen(QColor(225, 190, 90), 0.9)); // straw at the cuffs and hem
    for (double d : {-1.0, 1.0}) {
        p.drawLine(QPointF(d * 13, -27), QPointF(d * 15.5, -25));
        p.drawLine(QPointF(d * 13, -26.5), QPointF(d * 15, -23.5));
    }
    for (double x = -5; x <= 5; x += 2.5)
        p.drawLine(QPointF(x, -13), QPointF(x * 1.2, -9.5));
    p.setPen(Qt::NoPen);
    if (o.variant & 1) { // a patch on the coat
        p.setBrush(o.c2);
        p.drawRect(QRectF(1.5, -21, 4, 4));
    }
    p.setBrush(QColor(235, 215, 160)); // a sack head with a hat
    p.drawEllipse(QPointF(0, -32), 4.2, 4.4);
    p.setBrush(QColor(40, 30, 25));
    p.drawEllipse(QPointF(-1.5, -32.5), 0.7, 0.7);
    p.drawEllipse(QPointF(1.5, -32.5), 0.7, 0.7);
    p.setBrush(QColor(110, 80, 40));
    p.drawRect(QRectF(-6.5, -36.5, 13, 1.6));
    p.drawRoundedRect(QRectF(-3.6, -40.5, 7.2, 4.6), 1.2, 1.2);
}

// A straw skep on a stand; its coils are the count, bees about it.
void paintBeehive(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -2, 22, 4), 55);
    stick(p, QPointF(-7, 0), QPointF(-7, -5), kWood, 1.6);
    stick(p, QPointF(7, 0), QPointF(7, -5), kWood, 1.6);
    litBox(p, QRectF(-10, -7, 20, 2.5), kWood);
    const int coils = std::clamp(o.count, 3, 6);
    const double h = 18.0 / coils;
    for (int i = 0; i < coils; ++i) {
        const double w = 8.5 - 5.5 * std::pow(double(i) / coils, 1.6);
        const QRectF band(-w, -7 - (i + 1) * h, 2 * w, h + 0.8);
        p.setPen(QPen(shade(o.c1, 0.55), 0.5));
        p.setBrush(litGradient(band, o.c1, 0.4));
        p.drawRoundedRect(band, h / 2, h / 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 30, 20));
    p.drawChord(QRectF(-2.2, -10.5, 4.4, 5), 0, 180 * 16);
    p.setBrush(QColor(240, 190, 40));
    p.drawEllipse(QPointF(9, -20), 1.1, 0.8);
    p.drawEllipse(QPointF(-10, -15), 1.1, 0.8);
}

// A town bicycle; a basket at the front (the detail).
void paintBicycle(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-16, -2, 32, 4), 50);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(35, 35, 38), 1.3));
    p.drawEllipse(QPointF(-10, -6.5), 6, 6);
    p.drawEllipse(QPointF(10, -6.5), 6, 6);
    p.setPen(QPen(QColor(150, 150, 155), 0.35));
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 4;
        for (double cx : {-10.0, 10.0})
            p.drawLine(QPointF(cx + 5 * std::cos(a), -6.5 + 5 * std::sin(a)), QPointF(cx - 5 * std::cos(a), -6.5 - 5 * std::sin(a)));
    }
    p.setPen(QPen(o.c1, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath f;
    f.moveTo(-10, -6.5), f.lineTo(-2, -6.5), f.lineTo(-5, -15), f.lineTo(7, -15), f.lineTo(-2, -6.5);
    f.moveTo(10, -6.5), f.lineTo(7, -17);
    f.moveTo(-10, -6.5), f.lineTo(-5, -15);
    p.drawPath(f);
    p.setPen(QPen(QColor(35, 35, 38), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-7.5, -17.5), QPointF(-3, -17.5)); // saddle
    p.drawLine(QPointF(5, -18), QPointF(9, -18.5));      // handlebar
    if (o.variant & 1) {
        p.setPen(QPen(QColor(120, 80, 40), 0.5));
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(QRectF(9, -16.5, 6, 5));
    }
}

// A camp fire ringed by stones; burning or out (the light).
void paintCampfire(QPainter& p, const Obj& o)
{
    if (o.variant & 1)
        warmGlow(p, QPointF(0, -6), 14, 10, QColor(255, 200, 90, 150));
    stick(p, QPointF(-8, -1), QPointF(7, -5), QColor(95, 65, 40), 2.2);
    stick(p, QPointF(8, -1), QPointF(-6, -5), QColor(110, 75, 45), 2.2);
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 110, 30));
        QPainterPath fl;
        fl.moveTo(-6, -3), fl.quadTo(-6, -10, -2, -12), fl.quadTo(-2, -8, 0, -16), fl.quadTo(3, -10, 4, -12);
        fl.quadTo(7, -8, 6, -3), fl.closeSubpath();
        p.drawPath(fl);
        p.setBrush(QColor(255, 215, 90));
        p.drawEllipse(QRectF(-2.5, -9, 5, 6));
    } else {
        p.setPen(QPen(QColor(160, 160, 165, 160), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath smoke;
        smoke.moveTo(0, -5), smoke.cubicTo(-3, -9, 3, -12, 0, -16);
        p.drawPath(smoke);
    }
    for (int i = 0; i < 6; ++i) {
        const double x = -9 + i * 3.6;
        roundBody(p, QRectF(x - 2, -2.6 - (i % 2) * 0.4, 4, 3.2), o.c1);
    }
}

// A tree stump with its rings; an axe in it (the detail).
void paintStump(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-13, -2, 26, 4), 60);
    QPainterPath s;
    s.moveTo(-12, 0), s.quadTo(-9, -2, -9, -6), s.lineTo(-8.5, -12), s.lineTo(8.5, -12), s.lineTo(9, -6);
    s.quadTo(9, -2, 12, 0), s.closeSubpath();
    body(p, s, o.c1, 0.35);
    p.setPen(QPen(shade(o.c1, 0.6), 0.5));
    for (double x : {-5.0, -1.0, 4.0})
        p.drawLine(QPointF(x, -11), QPointF(x + 0.5, -2));
    p.setBrush(QColor(215, 180, 130));
    p.drawEllipse(QRectF(-8.5, -14, 17, 4.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(-5.5, -13.2, 11, 2.8));
    p.drawEllipse(QRectF(-2.5, -12.5, 5, 1.4));
    if (o.variant & 1) {
        stick(p, QPointF(2, -12.5), QPointF(9, -21), QColor(160, 120, 70), 1.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 155, 160));
        QPainterPath head;
        head.moveTo(0, -12.2), head.lineTo(4.5, -12.2), head.lineTo(4.2, -16), head.lineTo(1, -15), head.closeSubpath();
        p.drawPath(head);
    }
}

} // namespace levelgen
