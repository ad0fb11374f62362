// Things of Hungarian life: the lake, the plain, the fair, the feast table.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

void paintReed(QPainter& p, const Obj& o)
{
    Rng r(o.seed);
    const int stalks = 5;
    for (int i = 0; i < stalks; ++i) {
        const double x = -8 + i * 4 + r.range(-1, 1), h = r.range(30, 44), lean = r.range(-4, 4);
        p.setPen(QPen(shade(o.c1, 0.8 + 0.1 * (i % 3)), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem;
        stem.moveTo(x, 0);
        stem.quadTo(x, -h / 2, x + lean, -h);
        p.drawPath(stem);
        if ((i == 1 && (o.variant & 1)) || (i == 3 && (o.variant & 2)) || i == 2) { // cattail heads
            p.setPen(Qt::NoPen);
            p.setBrush(litGradient(QRectF(x + lean - 2, -h + 2, 4, 9), o.c2));
            p.drawRoundedRect(QRectF(x + lean * 0.9 - 2, -h + 3, 4, 9), 2, 2);
        }
    }
    p.setPen(QPen(shade(o.c1, 1.15), 1.0, Qt::SolidLine, Qt::RoundCap)); // blades
    for (int i = 0; i < 4; ++i) {
        const double x = r.range(-9, 9);
        p.drawLine(QPointF(x, 0), QPointF(x + r.range(-7, 7), -r.range(12, 22)));
    }
}

void paintSweepWell(QPainter& p, const Obj& o)
{
    const QColor wood = o.c1;
    softShadow(p, QRectF(-14, -3, 28, 6));
    p.setPen(QPen(shade(wood, 0.5), 0.8));
    p.setBrush(litGradient(QRectF(-10, -14, 20, 14), shade(wood, 0.9)));
    p.drawRect(QRectF(-10, -14, 20, 14)); // the well head
    p.setPen(QPen(shade(wood, 0.6), 0.6));
    for (double y = -11; y < 0; y += 3.5)
        p.drawLine(QPointF(-10, y), QPointF(10, y));
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(22, -70, 4, 70), wood)); // the forked post
    p.drawRect(QRectF(22, -66, 3.5, 66));
    QPainterPath fork;
    fork.moveTo(22, -66);
    fork.lineTo(19, -74);
    fork.lineTo(21, -74);
    fork.lineTo(23.7, -68);
    fork.lineTo(26.5, -74);
    fork.lineTo(28.5, -74);
    fork.lineTo(25.5, -66);
    fork.closeSubpath();
    p.drawPath(fork);
    p.setPen(QPen(shade(wood, 0.75), 2.2, Qt::SolidLine, Qt::RoundCap)); // the sweep
    p.drawLine(QPointF(-30, -104), QPointF(38, -54));
    p.setPen(QPen(QColor(60, 55, 50), 0.8));
    p.drawLine(QPointF(-29, -103), QPointF(-29, -30)); // rope and bucket
    if (o.variant & 1) {
        p.setPen(QPen(QColor(60, 55, 50), 0.7));
        p.setBrush(litGradient(QRectF(-33, -31, 8, 8), QColor(120, 110, 100)));
        p.drawRect(QRectF(-33, -31, 8, 7));
    }
    if (o.variant & 2) { // the counterweight stone
        p.setPen(Qt::NoPen);
        p.setBrush(ballGradient(QRectF(33, -58, 9, 8), QColor(140, 135, 125)));
        p.drawEllipse(QRectF(33, -58, 9, 8));
    }
}

// Hungarian grey cattle, seen from the side with the head turned to us:
// drawn for its silhouette at a distance (a rimmed body with a high
// shoulder, dark forequarters and muzzle, hooves, a tufted tail and the
// long lyre horns).
void paintCattle(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-20, -3, 40, 5), 80);
    const QColor rim = shade(o.c1, 0.4);
    auto leg = [&](double x, const QColor& c) {
        p.setPen(QPen(rim, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, -12), QPointF(x, -1));
        p.setPen(QPen(c, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, -12), QPointF(x, -1));
        p.setPen(QPen(QColor(45, 40, 38), 2.6, Qt::SolidLine, Qt::FlatCap)); // hooves
        p.drawLine(QPointF(x, -2.6), QPointF(x, -0.4));
    };
    leg(-11, shade(o.c1, 0.55)), leg(10, shade(o.c1, 0.55)); // the far pair
    p.setPen(QPen(shade(o.c1, 0.45), 1.1, Qt::SolidLine, Qt::RoundCap)); // tail with its tuft
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(-16.5, -21);
    tail.quadTo(-19.5, -17, -19, -9);
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 45, 42));
    p.drawEllipse(QPointF(-19, -8.5), 1.2, 2);
    QPainterPath b; // rump, back rising to the withers, dewlap under the neck
    b.moveTo(-17, -19);
    b.quadTo(-17, -24, -12, -24);
    b.lineTo(6, -25);
    b.quadTo(12, -27, 15, -23);
    b.lineTo(15, -14);
    b.quadTo(13, -9, 9, -10);
    b.lineTo(-12, -10);
    b.quadTo(-17, -10, -17, -15);
    b.closeSubpath();
    p.setPen(QPen(rim, 0.8));
    p.setBrush(litGradient(b.boundingRect(), o.c1, 0.3));
    p.drawPath(b);
    QLinearGradient fore(QPointF(-2, 0), QPointF(15, 0)); // darker forequarters
    fore.setColorAt(0, withAlpha(shade(o.c1, 0.6), 0));
    fore.setColorAt(1, withAlpha(shade(o.c1, 0.6), 150));
    p.setPen(Qt::NoPen);
    p.setBrush(fore);
    p.drawPath(b);
    leg(-14, shade(o.c1, 0.8)), leg(12.5, shade(o.c1, 0.8)); // the near pair
    QPainterPath head;
    head.addRoundedRect(QRectF(13, -27, 9, 12), 3.5, 3.5);
    p.setPen(QPen(rim, 0.7));
    p.setBrush(litGradient(head.boundingRect(), shade(o.c1, 0.9), 0.3));
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(55, 50, 48)); // muzzle
    p.drawRoundedRect(QRectF(14, -19.5, 7, 4.5), 2, 2);
    p.setBrush(shade(o.c1, 0.7)); // ears out to the sides
    p.drawEllipse(QPointF(12.5, -25), 2, 1.1);
    p.drawEllipse(QPointF(22.5, -25), 2, 1.1);
    p.setBrush(QColor(20, 18, 18));
    p.drawEllipse(QPointF(15.8, -23.2), 0.7, 0.7);
    p.drawEllipse(QPointF(19.2, -23.2), 0.7, 0.7);
    p.setPen(QPen(QColor(235, 228, 210), 1.4, Qt::SolidLine, Qt::RoundCap)); // lyre horns
    p.setBrush(Qt::NoBrush);
    QPainterPath horns;
    horns.moveTo(15, -26);
    horns.cubicTo(10, -30, 10, -35, 14, -36);
    horns.moveTo(20, -26);
    horns.cubicTo(25, -30, 25, -35, 21, -36);
    p.drawPath(horns);
    if (o.variant & 1) { // a bell on the neck
        p.setPen(Qt::NoPen);
        p.setBrush(ballGradient(QRectF(12, -15, 5, 5), QColor(200, 160, 60)));
        p.drawEllipse(QRectF(12, -15, 5, 5));
    }
}

void paintHeart(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(230, 220, 200), 0.6));
    p.drawLine(QPointF(0, -22), QPointF(0, -14));
    QPainterPath h;
    h.moveTo(0, -2);
    h.cubicTo(-10, -8, -8, -17, -4, -17);
    h.cubicTo(-2, -17, 0, -15, 0, -13);
    h.cubicTo(0, -15, 2, -17, 4, -17);
    h.cubicTo(8, -17, 10, -8, 0, -2);
    body(p, h, o.c1, 0.3);
    p.setPen(QPen(QColor(250, 248, 240), 0.9));
    p.setBrush(Qt::NoBrush);
    if (o.variant & 1) {
        p.drawEllipse(QPointF(-3, -12), 1.2, 1.2);
        p.drawEllipse(QPointF(3, -12), 1.2, 1.2);
        p.drawEllipse(QPointF(0, -7), 1.2, 1.2);
    } else {
        QPainterPath wave;
        wave.moveTo(-5, -10);
        wave.quadTo(-2.5, -13, 0, -10);
        wave.quadTo(2.5, -7, 5, -10);
        p.drawPath(wave);
    }
}

void paintGrapes(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(90, 70, 40), 1));
    p.drawLine(QPointF(0, -16), QPointF(0, -12));
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(QRectF(-8, -17, 9, 6), QColor(90, 140, 60)));
    QPainterPath leaf;
    leaf.moveTo(0, -15);
    leaf.quadTo(-6, -19, -8, -13);
    leaf.quadTo(-4, -12, 0, -15);
    p.drawPath(leaf);
    int rows = std::max(2, o.count);
    for (int row = 0; row < rows; ++row) {
        const int n = std::max(1, 4 - row);
        for (int i = 0; i < n; ++i) {
            const QRectF g(-n * 2.1 + i * 4.2, -12 + row * 3.6, 4.4, 4.4);
            roundBody(p, g, o.c1);
        }
    }
}

void paintPaprika(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(150, 120, 80), 0.8));
    p.drawLine(QPointF(0, 0), QPointF(0, 6 + o.count * 6.5));
    for (int i = 0; i < o.count; ++i) {
        const double y = 4 + i * 6.5, side = (i % 2) ? 1 : -1;
        QPainterPath pod;
        pod.moveTo(0, y);
        pod.cubicTo(side * 5, y + 1, side * 5, y + 7, side * 2, y + 11);
        pod.cubicTo(side * 1, y + 6, side * -1, y + 2, 0, y);
        p.setPen(QPen(shade(o.c1, 0.55), 0.5));
        p.setBrush(litGradient(pod.boundingRect(), o.c1, 0.45));
        p.drawPath(pod);
        p.setPen(QPen(QColor(70, 110, 40), 1));
        p.drawLine(QPointF(0, y - 0.5), QPointF(side * 1, y + 0.8));
    }
}

void paintTram(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-38, -3, 76, 5), 60);
    p.setPen(QPen(QColor(40, 40, 45), 0.8));
    if (o.variant & 2) { // the pantograph up
        p.drawLine(QPointF(-6, -26), QPointF(0, -34));
        p.drawLine(QPointF(6, -26), QPointF(0, -34));
        p.drawLine(QPointF(-4, -34), QPointF(4, -34));
    }
    QPainterPath b;
    b.addRoundedRect(QRectF(-36, -26, 72, 23), 4, 4);
    body(p, b, o.c1, 0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.7));
    p.drawRect(QRectF(-36, -9, 72, 2));
    QLinearGradient gl(0, -22, 0, -12);
    gl.setColorAt(0, QColor(190, 215, 230));
    gl.setColorAt(1, QColor(90, 120, 140));
    p.setBrush(gl);
    for (int i = 0; i < 6; ++i)
        p.drawRoundedRect(QRectF(-31 + i * 10.5, -22, 8, 10), 1.2, 1.2);
    p.setBrush(QColor(35, 35, 40));
    for (double x : {-24.0, -16.0, 16.0, 24.0})
        p.drawEllipse(QPointF(x, -2.5), 2.6, 2.6);
    p.setBrush(QColor(250, 250, 245)); // the line number
    p.drawRect(QRectF(29, -25, 6, 3.2));
    p.setPen(QPen(QColor(30, 30, 30), 0.7));
    if (o.variant & 1)
        p.drawLine(QPointF(32, -24.6), QPointF(32, -22.2));
    else
        p.drawLine(QPointF(30.8, -24.6), QPointF(33.2, -22.2));
}

void paintPlate(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-15, -3, 30, 7), 50);
    p.setPen(QPen(shade(o.c3, 0.7), 0.6));
    p.setBrush(litGradient(QRectF(-14, -9, 28, 11), o.c3, 0.15));
    p.drawEllipse(QRectF(-14, -9, 28, 11));
    p.setPen(QPen(o.c1, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(-11.5, -7.7, 23, 8.4));
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2);
    const int dots = (o.variant & 1) ? 8 : 5;
    for (int i = 0; i < dots; ++i) {
        const double a = i * 2 * M_PI / dots;
        p.drawEllipse(QPointF(std::cos(a) * 11.5, -3.5 + std::sin(a) * 4.2), 1.2, 0.8);
    }
}

void paintJug(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -2, 20, 4));
    p.setPen(QPen(shade(o.c1, 0.5), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, -20, 8, 11), 90 * 16, -180 * 16);
    QPainterPath j;
    j.moveTo(-4, -24);
    j.lineTo(4, -24);
    j.cubicTo(4, -18, 9, -16, 8, -8);
    j.cubicTo(8, -2, 5, 0, 0, 0);
    j.cubicTo(-5, 0, -8, -2, -8, -8);
    j.cubicTo(-9, -16, -4, -18, -4, -24);
    body(p, j, o.c1, 0.35);
    p.setPen(Qt::NoPen); // a painted tulip
    p.setBrush(o.c2);
    QPainterPath t;
    t.moveTo(0, -6);
    t.cubicTo(-4, -8, -4, -13, -2, -13);
    t.lineTo(0, -10);
    t.lineTo(2, -13);
    t.cubicTo(4, -13, 4, -8, 0, -6);
    p.drawPath(t);
    if (o.variant & 1) {
        p.setBrush(QColor(60, 120, 60));
        p.drawEllipse(QPointF(-4, -4), 1.8, 1);
        p.drawEllipse(QPointF(4, -4), 1.8, 1);
    }
}

void paintGlass(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(230, 240, 245, 200), 0.7));
    p.setBrush(QColor(220, 235, 245, 60));
    QPainterPath cup;
    cup.moveTo(-4.5, -18);
    cup.lineTo(4.5, -18);
    cup.cubicTo(4.5, -11, 2, -9, 0.6, -9);
    cup.lineTo(-0.6, -9);
    cup.cubicTo(-2, -9, -4.5, -11, -4.5, -18);
    p.drawPath(cup);
    p.drawLine(QPointF(0, -9), QPointF(0, -1));
    p.drawEllipse(QRectF(-3.5, -1.5, 7, 2));
    if (o.variant & 1) { // filled
        p.setPen(Qt::NoPen);
        p.setBrush(o.c1);
        QPainterPath wine;
        wine.moveTo(-4.2, -15);
        wine.lineTo(4.2, -15);
        wine.cubicTo(4, -11, 2, -9.4, 0, -9.4);
        wine.cubicTo(-2, -9.4, -4, -11, -4.2, -15);
        p.drawPath(wine);
    }
}

void paintSwan(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 35));
    p.drawEllipse(QRectF(-12, -1.5, 24, 3));
    QPainterPath b;
    b.moveTo(-12, -6);
    b.cubicTo(-10, 0, 8, 0, 10, -4);
    b.cubicTo(8, -9, -2, -11, -12, -6);
    body(p, b, o.c1, 0.2);
    p.setPen(QPen(shade(o.c1, 0.9), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath neck;
    neck.moveTo(6, -6);
    neck.cubicTo(10, -12, 4, -16, 7, -20);
    p.drawPath(neck);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 120, 30));
    p.drawEllipse(QRectF(7.5, -21, 4, 2));
}

namespace {
// Digits as strokes on a 4 x 6 grid, so no font is needed.
const char* const kDigitStrokes[10] = {"0040460600", "112026", "004043030646", "00404303434606", "0003434046",
                                       "400003434606", "400006464303", "004026", "03004046060343", "430300404606"};
} // namespace

void drawDigit(QPainter& p, QPointF topLeft, int digit, double unit)
{
    const char* s = kDigitStrokes[std::abs(digit) % 10];
    QPainterPath path;
    for (int i = 0; s[i] && s[i + 1]; i += 2) {
        const QPointF pt = topLeft + QPointF((s[i] - '0') * unit, (s[i + 1] - '0') * unit);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.drawPath(path);
}

void paintNumberPlate(QPainter& p, const Obj& o)
{
    p.setPen(QPen(shade(o.c1, 0.5), 0.6));
    p.setBrush(litGradient(QRectF(-6.5, -10, 13, 10), o.c1, 0.2));
    p.drawRoundedRect(QRectF(-6.5, -10, 13, 10), 1.5, 1.5);
    p.setPen(QPen(QColor(250, 250, 245), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    drawDigit(p, QPointF(-2, -8), o.count, 1.0);
}

void paintBulb(QPainter& p, const Obj& o)
{
    const bool lit = o.variant & 1;
    p.setPen(QPen(QColor(50, 45, 40), 0.6));
    p.drawLine(QPointF(0, -1), QPointF(0, 2));
    if (lit) {
        QRadialGradient g(QPointF(0, 6), 6.5);
        g.setColorAt(0, withAlpha(o.c1, 220));
        g.setColorAt(1, withAlpha(o.c1, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 6), 6.5, 6.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? shade(o.c1, 1.5) : shade(o.c1, 0.45));
    p.drawEllipse(QRectF(-2.2, 2, 4.4, 6.5));
}

} // namespace levelgen
