// Things from indoors, the fair and the baker's: gingerbread men, chimney
// cakes and an advent wreath, a globe, a sewing machine, dice, a spinning
// top and a drum, pretzels, cupcakes and doughnuts. They stand on a shelf,
// a counter or a table at their origin, lit from the upper left.
#include "tools/levelgen/drawbits.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

namespace {
void icing(QPainter& p, double width)
{
    p.setPen(QPen(QColor(252, 250, 244), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}
} // namespace

// Standing against the wall at the back of the counter: buttons are its count.
void paintGingerbreadMan(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 3.5), 50);
    QPainterPath g;
    g.addEllipse(QPointF(0, -17.5), 4.2, 4.2);
    QPainterPath b;
    b.moveTo(-3, -14), b.lineTo(-9, -12.5), b.quadTo(-10.5, -10.5, -8.5, -9.5), b.lineTo(-3.5, -10);
    b.lineTo(-6.5, -1.5), b.quadTo(-6, 0.5, -3.5, 0), b.lineTo(0, -5), b.lineTo(3.5, 0), b.quadTo(6, 0.5, 6.5, -1.5);
    b.lineTo(3.5, -10), b.lineTo(8.5, -9.5), b.quadTo(10.5, -10.5, 9, -12.5), b.lineTo(3, -14), b.closeSubpath();
    body(p, g.united(b), o.c1, 0.3);
    icing(p, 0.8);
    p.drawArc(QRectF(-2, -18, 4, 3), 200 * 16, 140 * 16);
    p.drawLine(QPointF(-8.8, -12), QPointF(-8, -10));
    p.drawLine(QPointF(8.8, -12), QPointF(8, -10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 15));
    p.drawEllipse(QPointF(-1.5, -18.8), 0.7, 0.7);
    p.drawEllipse(QPointF(1.5, -18.8), 0.7, 0.7);
    p.setBrush(o.c2);
    for (int i = 0; i < std::clamp(o.count, 1, 3); ++i)
        p.drawEllipse(QPointF(0, -11.5 + i * 2.6), 1.0, 1.0);
}

// The fair's spit cake: a hollow spiral of dough rolled in sugar or nuts
// (the pattern), standing on its end.
void paintChimneyCake(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-7, -2, 14, 3.5), 50);
    litBox(p, QRectF(-5.5, -26, 11, 26), o.c1);
    p.setPen(QPen(shade(o.c1, 0.55), 0.9)); // the spiral seam
    for (double y = -24; y < 0; y += 4)
        p.drawLine(QPointF(-5.5, y + 2), QPointF(5.5, y));
    p.setPen(Qt::NoPen);
    if (o.variant & 1) { // walnuts
        p.setBrush(QColor(110, 70, 35));
        for (double y = -23; y < -1; y += 3.5)
            for (double x = -3.5; x <= 3.5; x += 3.5)
                p.drawEllipse(QPointF(x + (int(y) % 2) * 0.8, y), 0.9, 0.7);
    } else { // sugar
        p.setBrush(QColor(255, 250, 235));
        for (double y = -24; y < -1; y += 2.5)
            for (double x = -4; x <= 4; x += 2)
                p.drawEllipse(QPointF(x + (int(y) % 2), y), 0.4, 0.4);
    }
    p.setBrush(shade(o.c1, 0.4));
    p.drawEllipse(QRectF(-5.5, -27.5, 11, 3));
    p.setBrush(QColor(60, 35, 20));
    p.drawEllipse(QRectF(-3.5, -27, 7, 2));
}

// Four candles on a fir wreath; the count of them burning is the difference.
void paintAdventWreath(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-14, -2, 28, 4), 55);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) { // needles all round the ring
        const double a = i * 2 * M_PI / 14;
        p.setBrush(i % 2 ? QColor(40, 95, 50) : QColor(55, 120, 60));
        p.drawEllipse(QPointF(std::cos(a) * 10, -3.5 + std::sin(a) * 3), 3.6, 2.4);
    }
    p.setBrush(QColor(200, 35, 40));
    for (double x : {-9.0, 9.0, 0.0})
        p.drawEllipse(QPointF(x, -1.5 - (x == 0 ? -0.3 : 0)), 1.1, 1.1);
    const double xs[4] = {-8, -3, 3, 8}, ys[4] = {-4, -6, -6, -4};
    for (int i = 0; i < 4; ++i) {
        const QRectF c(xs[i] - 1.6, ys[i] - 10, 3.2, 10);
        p.setPen(QPen(shade(o.c1, 0.6), 0.4));
        p.setBrush(litGradient(c, o.c1, 0.3));
        p.drawRect(c);
        if (i < o.count) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 190, 60));
            p.drawEllipse(QPointF(xs[i], ys[i] - 12), 1.3, 2.1);
            p.setBrush(QColor(255, 245, 190));
            p.drawEllipse(QPointF(xs[i], ys[i] - 11.6), 0.6, 1.0);
        }
    }
}

void paintGlobe(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 3.5), 55);
    p.setPen(QPen(QColor(90, 60, 35), 1.4));
    p.drawLine(QPointF(0, -1), QPointF(0, -5));
    p.setPen(QPen(shade(QColor(120, 80, 45), 0.5), 0.5));
    p.setBrush(QColor(120, 80, 45));
    p.drawRoundedRect(QRectF(-6, -2, 12, 2), 1, 1);
    const QRectF ball(-9, -24, 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(ballGradient(ball, o.c1));
    p.drawEllipse(ball);
    p.save();
    p.setClipRegion(QRegion(ball.toRect(), QRegion::Ellipse));
    p.setBrush(o.c2); // land: one of two faces of the world (the shape)
    if (o.shape == 0) {
        p.drawEllipse(QRectF(-6, -22, 7, 6)), p.drawEllipse(QRectF(-3, -17, 4, 7)), p.drawEllipse(QRectF(3, -20, 5, 4));
    } else {
        p.drawEllipse(QRectF(-2, -23, 8, 5)), p.drawEllipse(QRectF(1, -19, 5, 9)), p.drawEllipse(QRectF(-8, -13, 4, 3));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 160, 70), 1.1)); // the brass meridian
    p.drawArc(ball.adjusted(-1.5, -1.5, 1.5, 1.5), 250 * 16, 220 * 16);
    if (o.shape == 1) { // the other face is a library globe's, held in a brass ring round its middle
        const QRectF ring(-8.6, -17, 17.2, 4);
        p.setPen(QPen(QColor(110, 85, 35), 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(ring, 180 * 16, 180 * 16);
        p.setPen(QPen(QColor(225, 195, 95), 1.3, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(ring, 180 * 16, 180 * 16);
    }
}

// A black treadle-era sewing machine with gold lining; a spool on top.
void paintSewingMachine(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-16, -2, 32, 4), 60);
    litBox(p, QRectF(-15, -4, 30, 4), QColor(130, 85, 50));
    QPainterPath m; // pillar, arm and head
    m.moveTo(6, -4), m.lineTo(6, -17), m.quadTo(6, -20, 3, -20), m.lineTo(-11, -20), m.quadTo(-13, -20, -13, -17);
    m.lineTo(-13, -9), m.lineTo(-9, -9), m.lineTo(-9, -15), m.lineTo(1, -15), m.quadTo(2, -15, 2, -13), m.lineTo(2, -4);
    m.closeSubpath();
    body(p, m, o.c1, 0.3);
    p.setPen(QPen(QColor(215, 180, 80), 0.6)); // the gold line
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-10, -18.5), QPointF(3, -18.5));
    p.setPen(QPen(QColor(170, 170, 175), 0.9)); // needle
    p.drawLine(QPointF(-11, -9), QPointF(-11, -5.5));
    p.setPen(QPen(QColor(90, 90, 95), 0.8)); // hand wheel
    p.setBrush(QColor(150, 150, 155));
    p.drawEllipse(QPointF(8, -14), 3.2, 4);
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(o.c2);
        p.drawRect(QRectF(-4, -23.5, 3, 3.5));
        p.setBrush(QColor(200, 180, 140));
        p.drawRect(QRectF(-4.5, -24, 4, 0.8));
    }
}

// A die showing its pips: the digit is how many.
void paintDice(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 3.5), 55);
    const QRectF f(-6.5, -13, 13, 13);
    p.setPen(QPen(shade(o.c1, 0.55), 0.6));
    p.setBrush(litGradient(f, o.c1, 0.25));
    p.drawRoundedRect(f, 2.2, 2.2);
    const int n = std::clamp(o.count, 1, 6);
    const double c = -6.5, s = 3.6;
    const QPointF at[7] = {{0, c}, {-s, c - s}, {s, c + s}, {s, c - s}, {-s, c + s}, {-s, c}, {s, c}};
    static const int use[7][6] = {{}, {0}, {1, 2}, {0, 1, 2}, {1, 2, 3, 4}, {0, 1, 2, 3, 4}, {1, 2, 3, 4, 5, 6}};
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    for (int i = 0; i < n; ++i)
        p.drawEllipse(at[use[n][i]], 1.3, 1.3);
}

void paintSpinningTop(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-5, -1.5, 10, 3), 55);
    QPainterPath t;
    t.moveTo(0, 0), t.lineTo(-9, -9), t.quadTo(-9, -13, 0, -13.5), t.quadTo(9, -13, 9, -9), t.closeSubpath();
    body(p, t, o.c1, 0.3);
    p.save();
    p.setClipPath(t);
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    if (o.variant & 1)
        for (double x = -8; x < 9; x += 4)
            p.drawRect(QRectF(x, -14, 2, 14));
    else
        p.drawRect(QRectF(-10, -10.5, 20, 2.4));
    p.restore();
    p.setPen(QPen(QColor(130, 95, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -13.5), QPointF(0, -18));
}

// A toy drum with its cords zig-zagging round; two sticks across it (detail).
void paintDrum(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -2, 22, 4), 55);
    litBox(p, QRectF(-9.5, -14, 19, 13), o.c1);
    p.setBrush(QColor(245, 235, 215));
    p.drawEllipse(QRectF(-9.5, -16, 19, 4));
    p.setPen(QPen(QColor(250, 240, 200), 0.8));
    for (int i = 0; i < 4; ++i) {
        const double x = -9.5 + i * 4.75;
        p.drawLine(QPointF(x, -12.5), QPointF(x + 2.4, -2.5));
        p.drawLine(QPointF(x + 2.4, -2.5), QPointF(x + 4.75, -12.5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    p.drawRect(QRectF(-9.5, -14, 19, 1.6));
    p.drawRect(QRectF(-9.5, -2.5, 19, 1.6));
    if (o.variant & 1) {
        p.setPen(QPen(QColor(200, 160, 100), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-6, -19), QPointF(3, -14.5));
        p.drawLine(QPointF(6, -19), QPointF(-3, -14.5));
    }
}

void paintPretzel(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-9, -1.5, 18, 3), 45);
    QPainterPath k; // the knot, as one thick stroke
    k.moveTo(-4, -1);
    k.cubicTo(-12, -6, -9, -16, -3, -14);
    k.cubicTo(2, -12, 3, -5, 4, -1);
    k.moveTo(4, -1);
    k.cubicTo(12, -6, 9, -16, 3, -14);
    k.cubicTo(-2, -12, -3, -5, -4, -1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(o.c1, 0.6), 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(k);
    p.setPen(QPen(o.c1, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250)); // salt grains
    for (const QPointF& s : {QPointF(-7, -10), QPointF(-5, -14), QPointF(6, -9), QPointF(1, -9), QPointF(5, -14)})
        p.drawEllipse(s, 0.55, 0.5);
}

// A cupcake in a fluted case; the cherry on top is the detail.
void paintCupcake(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-7, -2, 14, 3.5), 50);
    QPainterPath c;
    c.moveTo(-6, -8), c.lineTo(6, -8), c.lineTo(4.5, 0), c.lineTo(-4.5, 0), c.closeSubpath();
    body(p, c, o.c2, 0.3);
    p.setPen(QPen(shade(o.c2, 0.6), 0.5));
    for (double x = -4.5; x <= 4.5; x += 1.8)
        p.drawLine(QPointF(x * 1.25, -7.8), QPointF(x, -0.3));
    QPainterPath f; // the swirl of frosting
    f.moveTo(-7, -8);
    f.quadTo(-8, -12, -4, -12), f.quadTo(-5, -15, 0, -15.5), f.quadTo(5, -15, 4, -12), f.quadTo(8, -12, 7, -8);
    f.closeSubpath();
    body(p, f, o.c1, 0.25);
    p.setPen(QPen(shade(o.c1, 0.8), 0.5));
    p.drawArc(QRectF(-5, -13.5, 10, 4), 200 * 16, 140 * 16);
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 20, 35));
        p.drawEllipse(QPointF(0, -17), 2, 2);
    }
}

// A doughnut, glazed and sprinkled: sprinkles or plain glaze (the pattern).
void paintDonut(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-9, -2, 18, 3.5), 50);
    const QRectF d(-8.5, -9, 17, 9);
    p.setPen(QPen(QColor(140, 90, 40), 0.5));
    p.setBrush(litGradient(d, QColor(210, 150, 80)));
    p.drawEllipse(d);
    QPainterPath glaze;
    glaze.addEllipse(QRectF(-7.8, -9.2, 15.6, 7.4));
    QPainterPath hole;
    hole.addEllipse(QRectF(-2.6, -6.6, 5.2, 2.4));
    p.setPen(Qt::NoPen);
    p.setBrush(o.c1);
    p.drawPath(glaze.subtracted(hole));
    p.setBrush(QColor(120, 75, 35));
    p.drawEllipse(QRectF(-2.6, -6.6, 5.2, 2.4));
    if (o.variant & 1) {
        static const QColor sprinkle[] = {QColor(250, 250, 245), QColor(60, 140, 220), QColor(250, 210, 40), QColor(60, 170, 80)};
        for (int i = 0; i < 9; ++i) {
            const double a = i * 2 * M_PI / 9 + 0.3;
            p.setPen(QPen(sprinkle[i % 4], 0.8, Qt::SolidLine, Qt::RoundCap));
            const QPointF c(std::cos(a) * 5.5, -5.4 + std::sin(a) * 2.4);
            p.drawLine(c, c + QPointF(0.9, 0.4));
        }
    }
}

} // namespace levelgen
