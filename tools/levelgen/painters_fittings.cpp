// A room's wall lamp, a study's hourglass, and a fish tank's diver figure and
// sword plant: things the indoor scenes and the tank lacked, so that their
// differences need not all fall on frames, jars and fish.
#include "tools/levelgen/drawbits.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

// A wall lamp on its brass plate, its shade a cone or a drum (the shape);
// lit, the shade glows and the bulb shows under its rim. The origin is the
// plate, where it is screwed to the wall.
void paintSconce(QPainter& p, const Obj& o)
{
    const bool lit = o.variant & 1;
    const QColor brass(190, 150, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 45)); // its shadow on the wall
    p.drawEllipse(QRectF(-3, -1, 8, 11));
    p.setBrush(litGradient(QRectF(-4, -2, 8, 11), brass));
    p.drawEllipse(QRectF(-4, -2, 8, 11));
    p.setPen(QPen(shade(brass, 0.7), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arm; // out from the plate and up to the bulb's holder
    arm.moveTo(0, 4), arm.cubicTo(5, 4, 5, -2, 0, -3);
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
    if (lit)
        warmGlow(p, QPointF(0, -5), 10, 7, QColor(255, 230, 150, 150));
    p.setBrush(lit ? QColor(255, 245, 200) : QColor(200, 200, 195));
    p.drawEllipse(QPointF(0, -5), 2.6, 2.6); // the bulb under the shade
    // A cone or a drum: the same rim, so only the shoulders tell them apart.
    const double top = o.shape == 0 ? 3.5 : 7.5;
    QPainterPath shadePath;
    shadePath.moveTo(-top, -17), shadePath.lineTo(top, -17), shadePath.lineTo(9.5, -6), shadePath.lineTo(-9.5, -6);
    shadePath.closeSubpath();
    const QColor cloth = lit ? mix(o.c1, QColor(255, 240, 190), 0.45) : o.c1;
    body(p, shadePath, cloth, lit ? 0.15 : 0.35);
    p.setPen(QPen(shade(cloth, 0.7), 0.9)); // the trim round the rim
    p.drawLine(QPointF(-9, -6.2), QPointF(9, -6.2));
}

// An hourglass in its turned wooden frame; the detail is its sand, still
// running from the upper bulb or all run down.
void paintHourglass(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-7, -1.5, 14, 3), 55);
    const QColor sand = o.c2.isValid() ? o.c2 : QColor(225, 185, 110);
    const QColor glass(215, 230, 235, 170);
    QPainterPath upper, lower; // the two bulbs, meeting at a narrow waist
    upper.moveTo(-5, -19), upper.lineTo(5, -19), upper.quadTo(5, -13, 0.6, -10.5), upper.lineTo(-0.6, -10.5), upper.quadTo(-5, -13, -5, -19);
    lower.moveTo(-5, -2), lower.lineTo(5, -2), lower.quadTo(5, -8, 0.6, -10.5), lower.lineTo(-0.6, -10.5), lower.quadTo(-5, -8, -5, -2);
    p.setPen(QPen(QColor(150, 170, 180), 0.5));
    p.setBrush(glass);
    p.drawPath(upper);
    p.drawPath(lower);
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    if (o.variant & 1) { // all run down: a full heap below, the top empty
        p.save();
        p.setClipPath(lower);
        p.drawRect(QRectF(-6, -7.5, 12, 6));
        p.restore();
    } else { // running: half above, a thread, a small heap below
        p.save();
        p.setClipPath(upper);
        p.drawRect(QRectF(-6, -15.5, 12, 6));
        p.restore();
        p.drawRect(QRectF(-0.35, -10.5, 0.7, 7));
        QPainterPath heap;
        heap.moveTo(-4.5, -2.2), heap.quadTo(0, -6.5, 4.5, -2.2), heap.closeSubpath();
        p.drawPath(heap);
    }
    litBox(p, QRectF(-7, -22, 14, 3), o.c1, 0.55); // the top and the foot
    litBox(p, QRectF(-7, -2, 14, 2.5), o.c1, 0.55);
    p.setPen(QPen(shade(o.c1, 0.8), 1.3));
    for (double x : {-6.0, 6.0})
        p.drawLine(QPointF(x, -19), QPointF(x, -2));
}

// A tank's toy diver in his canvas suit and brass helmet, standing in the
// sand; the detail is the spade he digs for treasure with.
void paintDiver(QPainter& p, const Obj& o)
{
    const QColor brass(200, 160, 70), boot(60, 55, 55);
    softShadow(p, QRectF(-9, -2, 18, 4), 60);
    p.setPen(Qt::NoPen);
    p.setBrush(boot); // the weighted boots
    p.drawRoundedRect(QRectF(-7.5, -4, 7, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(0.5, -4, 7, 4), 1.5, 1.5);
    QPainterPath suit; // legs apart, a stout body, arms down at the sides
    suit.moveTo(-6.5, -4), suit.lineTo(-7, -14), suit.lineTo(-9.5, -15), suit.lineTo(-10, -7), suit.lineTo(-7.5, -7);
    suit.lineTo(-7.5, -16), suit.quadTo(-8, -23, 0, -23), suit.quadTo(8, -23, 7.5, -16), suit.lineTo(7.5, -7);
    suit.lineTo(10, -7), suit.lineTo(9.5, -15), suit.lineTo(7, -14), suit.lineTo(6.5, -4), suit.lineTo(1.5, -4);
    suit.lineTo(0.5, -12), suit.lineTo(-0.5, -12), suit.lineTo(-1.5, -4), suit.closeSubpath();
    body(p, suit, o.c1, 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 60, 50)); // the weight belt
    p.drawRect(QRectF(-7.5, -14, 15, 2.2));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(-8, -24.5, 16, 3.5), 1.5, 1.5); // the breastplate's collar
    const QRectF helmet(-7.5, -35, 15, 13);
    p.setBrush(ballGradient(helmet, brass));
    p.drawEllipse(helmet);
    p.setBrush(QColor(40, 60, 70)); // the front glass and its grille
    p.drawEllipse(QRectF(-3.8, -32, 7.6, 7.6));
    p.setPen(QPen(shade(brass, 0.75), 0.7));
    p.drawLine(QPointF(0, -32), QPointF(0, -24.4));
    p.drawLine(QPointF(-3.8, -28.2), QPointF(3.8, -28.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 210, 230, 150));
    p.drawEllipse(QRectF(-2.4, -31, 2.4, 2));
    if (o.variant & 1) { // a spade held at his side, its blade in the sand
        p.setPen(QPen(QColor(120, 85, 50), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, -16), QPointF(12, -4));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 155, 160));
        QPainterPath blade;
        blade.moveTo(9.5, -5), blade.lineTo(14.5, -5.6), blade.lineTo(14, -0.5), blade.quadTo(12, 1, 10, 0), blade.closeSubpath();
        p.drawPath(blade);
    }
}

// A sword plant rooted in the gravel: `count` long leaves fanned from its
// crown, the outer ones bowing out.
void paintSwordPlant(QPainter& p, const Obj& o)
{
    const int n = std::max(3, o.count);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i) {
        const double t = n == 1 ? 0.5 : double(i) / (n - 1); // 0 left .. 1 right
        const double lean = (t - 0.5) * 2;                     // -1 .. 1
        const double len = 40 - std::abs(lean) * 12 + ((o.seed >> i) & 3);
        const QPointF tip(lean * 14, -len);
        const QPointF ctl(lean * 4, -len * 0.6);
        const double w = 3.6;
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.quadTo(ctl + QPointF(-w, 0), tip);
        leaf.quadTo(ctl + QPointF(w, 0), QPointF(0, 0));
        body(p, leaf, shade(o.c1, 0.85 + 0.3 * ((i * 7) % 3) / 2.0), 0.25);
        p.setPen(QPen(shade(o.c1, 0.6), 0.5)); // the midrib
        p.setBrush(Qt::NoBrush);
        QPainterPath rib;
        rib.moveTo(0, 0), rib.quadTo(ctl, tip);
        p.drawPath(rib);
        p.setPen(Qt::NoPen);
    }
}

} // namespace levelgen
