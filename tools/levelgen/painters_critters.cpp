// Small creatures of the pond, the hedge and the sea, and the sea's sunken
// chest. Land animals stand on their origin; sea creatures swim about it.
#include "tools/levelgen/drawbits.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

void paintFrog(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 3.5), 55);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.75));
    p.drawEllipse(QRectF(-9, -5, 7, 4)); // folded hind legs
    p.drawEllipse(QRectF(2, -5, 7, 4));
    QPainterPath b;
    b.moveTo(-6.5, -2), b.quadTo(-7, -10, 0, -10), b.quadTo(7, -10, 6.5, -2), b.quadTo(0, 0.5, -6.5, -2);
    body(p, b, o.c1, 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 1.3));
    p.drawEllipse(QRectF(-4, -6.5, 8, 4.5)); // pale throat
    for (double d : {-1.0, 1.0}) {
        p.setBrush(shade(o.c1, 1.1));
        p.drawEllipse(QPointF(d * 3.3, -10), 2.3, 2.3);
        p.setBrush(QColor(20, 20, 15));
        p.drawEllipse(QPointF(d * 3.3, -10.2), 1.1, 1.1);
    }
    p.setPen(QPen(shade(o.c1, 0.6), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-3, -3), QPointF(-4, 0));
    p.drawLine(QPointF(3, -3), QPointF(4, 0));
}

void paintHedgehog(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -2, 20, 4), 60);
    QPainterPath spines; // a saw-toothed back, darker at the tips
    spines.moveTo(6, -1.5);
    for (int i = 0; i <= 10; ++i) {
        const double a = M_PI * i / 10;
        const double r = (i % 2) ? 10.5 : 8;
        spines.lineTo(-1.5 + std::cos(a) * r * 0.95, -1 - std::sin(a) * r * 0.9);
    }
    spines.lineTo(-10, -1), spines.closeSubpath();
    body(p, spines, o.c1, 0.3);
    p.setPen(QPen(shade(o.c1, 1.5), 0.5));
    for (int i = 1; i < 9; ++i) {
        const double a = M_PI * i / 9;
        p.drawLine(QPointF(-1.5 + std::cos(a) * 3, -2 - std::sin(a) * 3), QPointF(-1.5 + std::cos(a) * 7.5, -2 - std::sin(a) * 7));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 170, 130));
    QPainterPath face;
    face.moveTo(5, -6), face.quadTo(10, -4.5, 11.5, -2), face.lineTo(5, -0.5), face.closeSubpath();
    p.drawPath(face);
    p.setBrush(QColor(25, 20, 20));
    p.drawEllipse(QPointF(11.5, -2.2), 0.9, 0.9);
    p.drawEllipse(QPointF(8, -3.8), 0.6, 0.6);
    p.setPen(QPen(QColor(90, 70, 50), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-5, -1.5), QPointF(-5.5, 0));
    p.drawLine(QPointF(4, -1.5), QPointF(4.5, 0));
}

// Sea creatures swim about their origin.
void paintOctopus(QPainter& p, const Obj& o)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const double x = -6 + i * 2.4;
        QPainterPath arm;
        arm.moveTo(x, -2);
        const double d = i < 3 ? -1 : 1;
        arm.cubicTo(x + d * 2, 4, x - d * 3, 6, x + d * 2.5, 10);
        p.setPen(QPen(shade(o.c1, 0.8), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
    }
    roundBody(p, QRectF(-7.5, -13, 15, 13), o.c1);
    p.setPen(Qt::NoPen);
    for (double d : {-1.0, 1.0}) {
        p.setBrush(QColor(250, 250, 245));
        p.drawEllipse(QPointF(d * 2.8, -5.5), 1.8, 2);
        p.setBrush(QColor(20, 20, 25));
        p.drawEllipse(QPointF(d * 2.8 + 0.4, -5.2), 0.9, 1.1);
    }
    if (o.variant & 1) { // spots
        p.setBrush(shade(o.c1, 0.7));
        p.drawEllipse(QPointF(-2, -10.5), 1.1, 1.1);
        p.drawEllipse(QPointF(2.5, -11), 0.9, 0.9);
        p.drawEllipse(QPointF(0, -8.6), 0.8, 0.8);
    }
}

void paintSeahorse(QPainter& p, const Obj& o)
{
    QPainterPath s; // head to the right, curled tail below
    s.moveTo(-1, -16);
    s.quadTo(3, -18, 4, -15);
    s.lineTo(8, -14.5), s.lineTo(8, -12.8), s.lineTo(3.5, -12.5);
    s.quadTo(5, -6, 2, -1);
    s.quadTo(0, 3, 1.5, 6), s.quadTo(3, 9, 0, 9), s.quadTo(-2, 8.5, -1, 6.5);
    s.quadTo(-3, 2, -3, -2);
    s.quadTo(-5, -8, -3.5, -12);
    s.quadTo(-3, -15, -1, -16);
    s.closeSubpath();
    body(p, s, o.c1, 0.35);
    p.setPen(QPen(shade(o.c1, 0.6), 0.5));
    for (double y = -9; y < 1; y += 2.2)
        p.drawLine(QPointF(-2.8, y), QPointF(1.8, y + 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 1.35));
    QPainterPath fin;
    fin.moveTo(-3.5, -8), fin.lineTo(-7, -6), fin.lineTo(-3.3, -4), fin.closeSubpath();
    p.drawPath(fin);
    p.setBrush(QColor(20, 20, 25));
    p.drawEllipse(QPointF(1.8, -14.6), 0.8, 0.8);
}

// A sunken chest, shut or open with its gold showing (the detail).
void paintTreasureChest(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-13, -2, 26, 4), 55);
    litBox(p, QRectF(-11, -11, 22, 11), o.c1, 0.45, 0.6);
    const bool open = o.variant & 1;
    if (open) {
        p.setBrush(QColor(245, 200, 60));
        p.setPen(Qt::NoPen);
        p.drawChord(QRectF(-10, -15, 20, 8), 0, 180 * 16);
        p.setBrush(QColor(255, 240, 160));
        p.drawEllipse(QPointF(-3, -13), 1.3, 1.1);
        p.drawEllipse(QPointF(3, -12.5), 1.3, 1.1);
        QPainterPath lid; // thrown back
        lid.moveTo(-11, -11), lid.lineTo(-13, -20), lid.quadTo(0, -24, 11, -20), lid.lineTo(11, -11);
        lid.lineTo(9, -18.5), lid.quadTo(0, -21.5, -10, -18.5), lid.closeSubpath();
        body(p, lid, shade(o.c1, 0.8), 0.3);
    } else {
        QPainterPath lid;
        lid.moveTo(-11, -11), lid.lineTo(-11, -14), lid.quadTo(0, -20, 11, -14), lid.lineTo(11, -11), lid.closeSubpath();
        body(p, lid, o.c1, 0.3);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 160, 60)); // iron-bound corners and a lock
    for (double x : {-11.0, 9.0})
        p.drawRect(QRectF(x, -11, 2, 11));
    p.drawRect(QRectF(-1.5, -11, 3, 3.5));
}

// A lizard basking on the sand, seen from the side, tail curled behind.
void paintLizard(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-12, -1.5, 22, 3), 50);
    p.setPen(QPen(shade(o.c1, 0.6), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (double x : {-4.0, 5.0}) { // splayed legs, elbows out
        p.drawLine(QPointF(x, -3), QPointF(x - 2, -1.5));
        p.drawLine(QPointF(x - 2, -1.5), QPointF(x - 1, 0));
    }
    QPainterPath b; // head at +x, the tail tapering away to -x
    b.moveTo(11, -3.2);
    b.quadTo(10, -5.6, 6, -5);
    b.quadTo(0, -5.5, -5, -4.2);
    b.quadTo(-11, -3.5, -14, -1);
    b.quadTo(-10, -2, -5, -2);
    b.quadTo(2, -1.6, 7, -2);
    b.quadTo(10.5, -2, 11, -3.2);
    b.closeSubpath();
    body(p, b, o.c1, 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.6)); // a row of spots down its back
    for (double x = -6; x <= 4; x += 2.5)
        p.drawEllipse(QPointF(x, -4.3), 0.6, 0.5);
    p.setBrush(QColor(20, 20, 15));
    p.drawEllipse(QPointF(8.6, -4), 0.55, 0.55);
}

// A dragonfly in flight: a long thin body, two pairs of glassy wings.
void paintDragonfly(QPainter& p, const Obj& o)
{
    p.setPen(QPen(shade(o.c1, 0.5), 0.4));
    p.setBrush(QColor(225, 240, 250, 150));
    for (double d : {-1.0, 1.0}) {
        p.drawEllipse(QRectF(d > 0 ? -1 : -9, -7.5, 10, 3.2));
        p.drawEllipse(QRectF(d > 0 ? 0 : -8.5, -4.5, 8.5, 2.8));
    }
    p.setPen(QPen(o.c1, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -8), QPointF(0, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.8));
    p.drawEllipse(QPointF(0, -8.6), 1.6, 1.3);
}

} // namespace levelgen
