// Streets and villages: houses and what hangs on them, trees and plants.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/rng.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

void paintHouse(QPainter& p, const Obj& o)
{
    const QRectF wall(-40, -70, 80, 70);
    QLinearGradient g(wall.topLeft(), wall.topRight());
    g.setColorAt(0, shade(o.c1, 1.12));
    g.setColorAt(1, shade(o.c1, 0.82));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(wall);
    Rng r(o.seed);
    for (int i = 0; i < 40; ++i) { // worn plaster
        p.setBrush(withAlpha(shade(o.c1, r.chance(0.5) ? 0.85 : 1.1), 60));
        p.drawEllipse(QPointF(r.range(-38, 38), r.range(-68, -3)), r.range(1, 3.5), r.range(0.6, 2));
    }
    p.setBrush(withAlpha(Qt::black, 40)); // eaves shadow
    p.drawRect(QRectF(-40, -70, 80, 6));
    p.setBrush(shade(o.c1, 0.6));
    p.drawRect(QRectF(-40, -6, 80, 6)); // plinth
    QPainterPath roof;
    if (o.shape == 0) {
        roof.moveTo(-45, -68);
        roof.lineTo(0, -110);
        roof.lineTo(45, -68);
    } else {
        roof.moveTo(-45, -68);
        roof.lineTo(-30, -96);
        roof.lineTo(30, -96);
        roof.lineTo(45, -68);
    }
    roof.closeSubpath();
    body(p, roof, o.c2, 0.4);
    p.save();
    p.setClipPath(roof);
    p.setPen(QPen(withAlpha(shade(o.c2, 0.5), 150), 1));
    for (int y = -104; y < -68; y += 5)
        p.drawLine(QPointF(-45, y), QPointF(45, y));
    p.setPen(QPen(withAlpha(shade(o.c2, 0.6), 90), 1));
    for (int y = -104, row = 0; y < -68; y += 5, ++row)
        for (int x = -45 + (row % 2) * 4; x < 45; x += 8)
            p.drawLine(QPointF(x, y), QPointF(x, y + 5));
    p.restore();
}

void paintWindow(QPainter& p, const Obj& o)
{
    const bool curtains = o.variant & kWindowCurtains, lit = o.variant & kWindowLit, box = o.variant & kWindowBox,
               shutters = o.variant & kWindowShutters;
    QPainterPath glass;
    const QRectF r(-7, -23, 14, 18);
    if (o.shape == 1) {
        glass.moveTo(r.left(), r.bottom());
        glass.lineTo(r.left(), r.top() + 7);
        glass.arcTo(QRectF(r.left(), r.top(), 14, 14), 180, -180);
        glass.lineTo(r.right(), r.bottom());
        glass.closeSubpath();
    } else {
        glass.addRect(r);
    }
    if (shutters) {
        for (int side : {-1, 1}) {
            const QRectF s(side < 0 ? -14 : 8, -23, 6, 18);
            p.setPen(QPen(shade(o.c2, 0.5), 0.7));
            p.setBrush(litGradient(s, o.c2));
            p.drawRect(s);
            p.setPen(QPen(shade(o.c2, 0.65), 0.6));
            for (double y = s.top() + 3; y < s.bottom(); y += 3)
                p.drawLine(QPointF(s.left() + 1, y), QPointF(s.right() - 1, y));
        }
    }
    QLinearGradient gl(r.topLeft(), r.bottomRight());
    if (lit) {
        gl.setColorAt(0, QColor(255, 236, 160));
        gl.setColorAt(1, QColor(230, 160, 60));
    } else {
        gl.setColorAt(0, QColor(190, 215, 235));
        gl.setColorAt(0.5, QColor(70, 95, 125));
        gl.setColorAt(1, QColor(40, 55, 80));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gl);
    p.drawPath(glass);
    if (curtains) {
        p.setBrush(withAlpha(o.c3, 230));
        QPainterPath c;
        c.moveTo(-7, -23);
        c.lineTo(-1, -23);
        c.quadTo(-5, -16, -7, -10);
        c.closeSubpath();
        c.moveTo(7, -23);
        c.lineTo(1, -23);
        c.quadTo(5, -16, 7, -10);
        c.closeSubpath();
        p.save();
        p.setClipPath(glass);
        p.drawPath(c);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(o.c1, 1.6));
    p.drawPath(glass);
    p.setPen(QPen(o.c1, 1.1));
    p.drawLine(QPointF(0, r.top() + 1), QPointF(0, r.bottom()));
    p.drawLine(QPointF(-7, -13), QPointF(7, -13));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.85));
    p.drawRect(QRectF(-9, -5, 18, 2)); // sill
    if (box) {
        p.setBrush(litGradient(QRectF(-8, -3, 16, 3), QColor(150, 80, 40)));
        p.drawRect(QRectF(-8, -3, 16, 3));
        Rng rr(o.seed);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(i % 2 ? QColor(220, 40, 60) : QColor(250, 200, 50));
            p.drawEllipse(QPointF(-6 + i * 3, -4.5), 1.5, 1.5);
        }
    }
}

void paintDoor(QPainter& p, const Obj& o)
{
    QPainterPath d;
    const QRectF r(-9, -30, 18, 30);
    if (o.shape == 1) {
        d.moveTo(-9, 0);
        d.lineTo(-9, -21);
        d.arcTo(QRectF(-9, -30, 18, 18), 180, -180);
        d.lineTo(9, 0);
        d.closeSubpath();
    } else {
        d.addRect(r);
    }
    p.setPen(QPen(shade(o.c1, 0.4), 1.5));
    p.setBrush(litGradient(r, o.c1, 0.4));
    p.drawPath(d);
    p.save();
    p.setClipPath(d);
    p.setPen(QPen(withAlpha(shade(o.c1, 0.6), 160), 0.8));
    for (double x = -6; x < 9; x += 4)
        p.drawLine(QPointF(x, -30), QPointF(x, 0));
    p.restore();
    if (o.variant & 1) {
        p.setPen(QPen(shade(o.c1, 0.5), 0.8));
        p.setBrush(QColor(200, 220, 235));
        p.drawEllipse(QRectF(-4, -24, 8, 6));
    }
    if (o.variant & 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 235, 225));
        p.drawRoundedRect(QRectF(-4, -16, 8, 4), 1, 1);
        p.setBrush(QColor(40, 60, 120));
        p.drawRect(QRectF(-1.5, -15, 3, 2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 190, 80));
    p.drawEllipse(QPointF(5.5, -13), 1.4, 1.4);
}

void paintChimney(QPainter& p, const Obj& o)
{
    const QRectF r(-6, -22, 12, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(r, o.c1));
    p.drawRect(r);
    p.setPen(QPen(withAlpha(shade(o.c1, 0.5), 140), 0.7));
    for (int y = -19, row = 0; y < 0; y += 3, ++row) {
        p.drawLine(QPointF(-6, y), QPointF(6, y));
        for (int x = -6 + (row % 2) * 3; x < 6; x += 6)
            p.drawLine(QPointF(x, y), QPointF(x, y + 3));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.55));
    p.drawRect(QRectF(-7.5, -24, 15, 3));
    if (o.variant & 1) { // three puffs: smoke that comes or goes is a click-sized change
        for (int i = 0; i < 3; ++i) {
            const double s = 3 + i * 1.4;
            p.setBrush(QColor(235, 235, 240, 170 - i * 30));
            p.drawEllipse(QPointF(1 + i * 3.2, -28 - i * 3), s, s * 0.8);
        }
    }
}

void paintLamp(QPainter& p, const Obj& o)
{
    const bool lit = o.variant & 1;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 60));
    p.drawEllipse(QRectF(-6, -2, 12, 3));
    QLinearGradient post(QPointF(-2, 0), QPointF(2, 0));
    post.setColorAt(0, shade(o.c1, 1.6));
    post.setColorAt(1, o.c1);
    p.setBrush(post);
    p.drawRect(QRectF(-1.5, -66, 3, 66));
    p.drawRect(QRectF(-3.5, -8, 7, 8));
    if (o.variant & 2) { // a basket of geraniums hung from a bracket on the post
        p.setPen(QPen(o.c1, 1));
        p.drawLine(QPointF(1.5, -44), QPointF(8, -44));
        p.drawLine(QPointF(8, -44), QPointF(8, -40));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(i % 2 ? QColor(70, 130, 60) : QColor(215, 45, 50));
            p.drawEllipse(QPointF(3.5 + i * 2.2, -39.5 - (i % 2) * 1.2), 2.2, 2.2);
        }
        QPainterPath basket;
        basket.moveTo(2.5, -38.5), basket.lineTo(13.5, -38.5), basket.quadTo(12.5, -32, 8, -32), basket.quadTo(3.5, -32, 2.5, -38.5);
        p.setBrush(QColor(140, 95, 50));
        p.drawPath(basket);
        p.setBrush(post);
    }
    if (lit) {
        QRadialGradient glow(QPointF(0, -71), 12);
        glow.setColorAt(0, QColor(255, 230, 140, 200));
        glow.setColorAt(1, QColor(255, 200, 80, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(0, -71), 12, 12);
    }
    QPainterPath head;
    head.moveTo(-5, -66);
    head.lineTo(5, -66);
    head.lineTo(6.5, -76);
    head.lineTo(-6.5, -76);
    head.closeSubpath();
    p.setBrush(lit ? QColor(255, 228, 150) : QColor(160, 175, 185));
    p.drawPath(head);
    p.setPen(QPen(o.c1, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
    p.setPen(Qt::NoPen);
    p.setBrush(o.c1);
    QPainterPath cap;
    cap.moveTo(-8, -76);
    cap.lineTo(8, -76);
    cap.lineTo(0, -82);
    cap.closeSubpath();
    p.drawPath(cap);
}

namespace {
// The fruit on a market stall's sign, in its own colours: an apple, a pear,
// a bunch of grapes or two cherries.
void paintFruitSign(QPainter& p, int fruit)
{
    const QPointF stalk(0, -19);
    switch (fruit) {
    case 0: // an apple
        p.setBrush(QColor(200, 40, 35));
        p.drawEllipse(QRectF(-6.5, -18, 13, 12));
        break;
    case 1: { // a pear
        QPainterPath pear;
        pear.moveTo(0, -18);
        pear.cubicTo(4, -18, 3, -13, 6, -10);
        pear.cubicTo(8, -6, 4, -5, 0, -5);
        pear.cubicTo(-4, -5, -8, -6, -6, -10);
        pear.cubicTo(-3, -13, -4, -18, 0, -18);
        p.setBrush(QColor(190, 200, 60));
        p.drawPath(pear);
        break;
    }
    case 2: // a bunch of grapes
        p.setBrush(QColor(120, 50, 120));
        for (int row = 0; row < 4; ++row)
            for (int i = 0; i < 4 - row; ++i)
                p.drawEllipse(QPointF(-(3 - row) * 1.9 + i * 3.8, -16 + row * 3.2), 2, 2);
        break;
    default: // two cherries on their stalks
        p.setBrush(QColor(190, 20, 40));
        p.drawEllipse(QPointF(-4, -9), 3.4, 3.4);
        p.drawEllipse(QPointF(4, -8), 3.4, 3.4);
        p.setPen(QPen(QColor(80, 110, 40), 1));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(-4, -12), stalk + QPointF(1, 0));
        p.drawLine(QPointF(4, -11), stalk + QPointF(1, 0));
        return;
    }
    p.setPen(QPen(QColor(90, 60, 30), 1.2)); // the stalk and a leaf
    p.drawLine(stalk + QPointF(0, 1), stalk + QPointF(1, -2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 50));
    p.drawEllipse(QRectF(1.5, -21.5, 5, 2.6));
}
} // namespace

void paintSign(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(50, 40, 35), 1.5));
    p.drawLine(QPointF(-14, -30), QPointF(12, -30));
    p.drawLine(QPointF(-14, -30), QPointF(-14, -24));
    p.setPen(QPen(QColor(70, 60, 50), 0.7));
    p.drawLine(QPointF(-7, -30), QPointF(-7, -23));
    p.drawLine(QPointF(7, -30), QPointF(7, -23));
    const QRectF b(-11, -23, 22, 20);
    p.setPen(QPen(shade(o.c1, 0.45), 1.2));
    p.setBrush(litGradient(b, o.c1));
    if (o.shape == 0)
        p.drawRoundedRect(b, 3, 3);
    else
        p.drawEllipse(b);
    p.setPen(Qt::NoPen);
    if (o.variant & 4) { // a fruit seller's sign: a change of detail changes the fruit, never the trade
        paintFruitSign(p, o.variant & 3);
        return;
    }
    p.setBrush(o.c2);
    switch (o.variant & 3) {
    case 0: // a loaf
        p.drawChord(QRectF(-7, -18, 14, 12), 0, 180 * 16);
        p.setBrush(shade(o.c2, 0.6));
        p.drawRect(QRectF(-7, -12.5, 14, 1));
        break;
    case 1: { // a cup
        p.drawRect(QRectF(-5, -17, 8, 9));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(o.c2, 1.5));
        p.drawEllipse(QRectF(2, -15, 5, 5));
        break;
    }
    case 2: // a key
        p.drawEllipse(QPointF(-4, -13), 3.2, 3.2);
        p.drawRect(QRectF(-1, -14, 9, 2));
        p.drawRect(QRectF(5, -14, 1.6, 4));
        break;
    default: { // a fish
        p.drawEllipse(QRectF(-7, -16, 11, 6));
        QPainterPath t;
        t.moveTo(3, -13);
        t.lineTo(8, -17);
        t.lineTo(8, -9);
        t.closeSubpath();
        p.drawPath(t);
    }
    }
}

void paintFence(QPainter& p, const Obj& o)
{
    p.setPen(QPen(shade(o.c1, 0.5), 0.7));
    for (int i = 0; i < o.count; ++i) {
        const double x = -30 + i * 8;
        QPainterPath pk;
        pk.moveTo(x, 0);
        pk.lineTo(x, -16);
        pk.lineTo(x + 2.5, -19.5);
        pk.lineTo(x + 5, -16);
        pk.lineTo(x + 5, 0);
        pk.closeSubpath();
        p.setBrush(litGradient(QRectF(x, -20, 5, 20), o.c1, 0.3));
        p.drawPath(pk);
    }
    if (o.count > 1) {
        const double w = (o.count - 1) * 8 + 5;
        p.setBrush(shade(o.c1, 0.85));
        p.drawRect(QRectF(-30, -14, w, 2.5));
        p.drawRect(QRectF(-30, -6, w, 2.5));
    }
}

void paintBarrel(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -3, 22, 5));
    QPainterPath b;
    b.moveTo(-8, 0);
    b.cubicTo(-11, -8, -11, -16, -8, -24);
    b.lineTo(8, -24);
    b.cubicTo(11, -16, 11, -8, 8, 0);
    b.closeSubpath();
    QLinearGradient g(QPointF(-10, 0), QPointF(10, 0));
    g.setColorAt(0, shade(o.c1, 0.7));
    g.setColorAt(0.35, shade(o.c1, 1.25));
    g.setColorAt(1, shade(o.c1, 0.55));
    p.setPen(QPen(shade(o.c1, 0.4), 0.8));
    p.setBrush(g);
    p.drawPath(b);
    p.setPen(QPen(withAlpha(shade(o.c1, 0.5), 120), 0.6));
    for (int x = -6; x <= 6; x += 3)
        p.drawLine(QPointF(x, -23), QPointF(x, -1));
    p.setPen(QPen(o.c2, 1.6));
    for (double y : {-20.0, -4.0})
        p.drawLine(QPointF(-9.5, y), QPointF(9.5, y));
    if (o.variant & 1)
        p.drawLine(QPointF(-10.4, -12), QPointF(10.4, -12));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.45));
    p.drawEllipse(QRectF(-8, -25.5, 16, 3));
}

void paintCrate(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-14, -3, 28, 5));
    const QRectF r(-11, -21, 22, 21);
    p.setPen(QPen(shade(o.c1, 0.45), 0.8));
    p.setBrush(litGradient(r, o.c1, 0.3));
    p.drawRect(r);
    p.setPen(QPen(withAlpha(shade(o.c1, 0.55), 170), 0.7));
    for (double y = -16; y < 0; y += 5)
        p.drawLine(QPointF(-11, y), QPointF(11, y));
    p.setPen(QPen(shade(o.c1, 0.7), 2));
    p.drawRect(r.adjusted(1, 1, -1, -1));
    if (o.variant & 2)
        p.drawLine(QPointF(-10, -1), QPointF(10, -20));
    if (o.variant & 1) { // full: its goods heaped to the rim (a label on its side read as a framed picture)
        p.setPen(QPen(shade(o.c2, 0.55), 0.6));
        for (int i = 0; i < 3; ++i) { // within a click square, however big the crate
            const QRectF ball(-7.3 + i * 4.6, -22 + (i % 2) * 0.8, 5.2, 5.2);
            p.setBrush(ballGradient(ball, o.c2));
            p.drawEllipse(ball);
        }
        p.setPen(QPen(shade(o.c1, 0.7), 2));
        p.drawLine(QPointF(-10, -17), QPointF(10, -17)); // the front board over them
    }
}

void paintBunting(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(70, 60, 55), 0.8));
    QPainterPath string;
    string.moveTo(-50, 0);
    string.quadTo(0, 8, 50, 0);
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    const QColor cols[3] = {o.c1, o.c2, o.c3};
    for (int i = 0; i < o.count; ++i) {
        const double x = -46 + i * 11;
        const double t = (x + 50) / 100.0;
        const double y = 2 * (1 - t) * t * 8; // point on the sagging string
        QPainterPath f;
        f.moveTo(x - 4, y);
        f.lineTo(x + 4, y + 0.3);
        f.lineTo(x, y + 11);
        f.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(litGradient(f.boundingRect(), cols[i % 3], 0.3));
        p.drawPath(f);
    }
}

void paintCat(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -3, 24, 5));
    p.setPen(Qt::NoPen);
    // Its detail: the tail carried up, or laid down along the ground with a curl at its tip.
    QPainterPath tail;
    tail.moveTo(6, -3);
    if (o.variant & 1)
        tail.cubicTo(11, 0, 17, 0, 16, -5);
    else
        tail.cubicTo(16, -2, 14, -14, 10, -18);
    p.setPen(QPen(shade(o.c1, 0.8), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    QPainterPath b;
    b.addEllipse(QRectF(-8, -17, 15, 17));
    b.addEllipse(QRectF(-7, -27, 11, 10));
    QPainterPath ears;
    ears.moveTo(-7, -23);
    ears.lineTo(-6, -29);
    ears.lineTo(-3, -25);
    ears.closeSubpath();
    ears.moveTo(0, -25);
    ears.lineTo(3, -29);
    ears.lineTo(4, -23);
    ears.closeSubpath();
    b.setFillRule(Qt::WindingFill);
    b = b.united(ears);
    p.setBrush(litGradient(b.boundingRect(), o.c1, 0.35));
    p.drawPath(b);
    if ((o.seed >> 3) & 1) { // a tabby
        p.setPen(QPen(shade(o.c1, 0.55), 1.1));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(-7 + i * 0.5, -12 + i * 4), QPointF(-2, -11 + i * 4));
        p.drawLine(QPointF(-3, -26), QPointF(-2, -23));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 90));
    p.drawEllipse(QPointF(-4.3, -22.5), 1.1, 1.3);
    p.drawEllipse(QPointF(0.3, -22.5), 1.1, 1.3);
    p.setBrush(QColor(230, 130, 140));
    p.drawEllipse(QPointF(-2, -20.3), 0.8, 0.6);
}

void paintBird(QPainter& p, const Obj& o)
{
    p.setPen(Qt::NoPen);
    if (o.shape == 1) { // flying
        QPainterPath w;
        w.moveTo(-9, -5);
        w.quadTo(-4, -6, 0, 0);
        w.quadTo(4, -6, 9, -5);
        w.quadTo(4, -3, 0, 2);
        w.quadTo(-4, -3, -9, -5);
        p.setBrush(litGradient(w.boundingRect(), o.c1));
        p.drawPath(w);
        p.setBrush(o.c2);
        p.drawEllipse(QRectF(-1.5, -1, 5, 3));
        return;
    }
    p.setBrush(litGradient(QRectF(-7, -6, 13, 10), o.c1));
    p.drawEllipse(QRectF(-7, -5, 12, 9));
    p.drawEllipse(QRectF(1, -8, 7, 6.5));
    QPainterPath tail;
    tail.moveTo(-6, -1);
    tail.lineTo(-10, -4);
    tail.lineTo(-9.5, 1);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setBrush(o.c2);
    p.drawEllipse(QRectF(-1, -2, 6, 5.5));
    p.setBrush(shade(o.c1, 0.7));
    p.drawEllipse(QRectF(-5, -4, 7, 4));
    p.setBrush(QColor(240, 170, 40));
    QPainterPath beak;
    beak.moveTo(7.5, -5.5);
    beak.lineTo(10, -4.5);
    beak.lineTo(7.5, -3.5);
    beak.closeSubpath();
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(5.3, -5.3), 0.8, 0.8);
    p.setPen(QPen(QColor(60, 50, 40), 0.6));
    p.drawLine(QPointF(-1, 4), QPointF(-1, 6));
    p.drawLine(QPointF(1.5, 4), QPointF(1.5, 6));
}

void paintCloud(QPainter& p, const Obj& o)
{
    Rng r(o.seed);
    QPainterPath c;
    for (int i = 0; i < 7; ++i) {
        const double x = -30 + i * 10 + r.range(-3, 3);
        const double rad = 9 + r.range(0, 9) * (1 - std::abs(i - 3) / 4.0);
        c.addEllipse(QPointF(x, -rad * 0.6), rad, rad * 0.85);
    }
    c.addRoundedRect(QRectF(-36, -8, 72, 8), 4, 4);
    c.setFillRule(Qt::WindingFill);
    c = c.simplified();
    QLinearGradient g(QPointF(0, -22), QPointF(0, 4));
    g.setColorAt(0, withAlpha(shade(o.c1, 1.15), 235));
    g.setColorAt(1, withAlpha(shade(o.c1, 0.82), 215));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(c);
}

void paintTree(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-26, -5, 52, 9), 60);
    QPainterPath trunk;
    trunk.moveTo(-5, 0);
    trunk.quadTo(-3, -25, -4, -45);
    trunk.lineTo(4, -45);
    trunk.quadTo(3, -25, 5, 0);
    trunk.closeSubpath();
    body(p, trunk, QColor(110, 75, 45), 0.4);
    Rng r(o.seed);
    const QColor leaf = o.c1;
    for (int layer = 0; layer < 3; ++layer) {
        Rng rl(o.seed + 11);
        for (int i = 0; i < 11; ++i) {
            const double a = rl.range(0, 6.283), d = rl.range(0, 1);
            const double x = std::cos(a) * d * 17 + (i % 3 == 0 ? 6 : 0);
            const double y = -58 + std::sin(a) * d * 17;
            const double rad = rl.range(9, 14) - layer * 2.5;
            const QPointF c(x - layer * 2, y - layer * 2);
            p.setPen(Qt::NoPen);
            p.setBrush(layer == 0 ? shade(leaf, 0.6) : layer == 1 ? leaf : shade(leaf, 1.25));
            p.drawEllipse(c, rad, rad * 0.9);
        }
    }
    Rng rf(o.seed + 5);
    for (int i = 0; i < o.count; ++i) {
        const QPointF c(rf.range(-20, 22), rf.range(-74, -44));
        roundBody(p, QRectF(c.x() - 2.6, c.y() - 2.6, 5.2, 5.2), o.c2);
    }
    (void)r;
}

void paintFir(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-18, -4, 36, 7), 60);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(-2.5, -10, 5, 10));
    Rng r(o.seed);
    for (int t = 0; t < 4; ++t) {
        const double top = -80 + t * 15, bottom = -8 - (3 - t) * 12, half = 9 + t * 4.2;
        QPainterPath tri;
        tri.moveTo(0, top);
        tri.quadTo(half * 0.5, (top + bottom) / 2, half + r.range(-1, 1), bottom);
        tri.quadTo(0, bottom - 3, -half + r.range(-1, 1), bottom);
        tri.quadTo(-half * 0.5, (top + bottom) / 2, 0, top);
        QLinearGradient g(QPointF(-half, 0), QPointF(half, 0));
        g.setColorAt(0, shade(o.c1, 1.2));
        g.setColorAt(0.5, o.c1);
        g.setColorAt(1, shade(o.c1, 0.6));
        p.setBrush(g);
        p.drawPath(tri);
        if (o.variant & 1) {
            p.setBrush(QColor(245, 248, 255));
            QPainterPath snow;
            snow.moveTo(-half * 0.85, bottom - 1);
            snow.quadTo(0, bottom - 6, half * 0.85, bottom - 1);
            snow.quadTo(0, bottom - 3, -half * 0.85, bottom - 1);
            p.drawPath(snow);
        }
    }
    if (o.variant & 2) {
        p.setBrush(QColor(250, 210, 60));
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, rad = i % 2 ? 1.8 : 4.2;
            const QPointF pt(std::cos(a) * rad, -80 + std::sin(a) * rad);
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        p.drawPath(star);
    }
}

void paintBush(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-20, -4, 40, 7), 60);
    Rng r(o.seed);
    for (int layer = 0; layer < 2; ++layer) {
        Rng rl(o.seed);
        for (int i = 0; i < 8; ++i) {
            const QPointF c(rl.range(-13, 13) - layer * 1.5, rl.range(-18, -8) - layer * 1.5);
            const double rad = rl.range(6, 9) - layer * 2;
            p.setPen(Qt::NoPen);
            p.setBrush(layer ? shade(o.c1, 1.2) : shade(o.c1, 0.75));
            p.drawEllipse(c, rad, rad * 0.9);
        }
    }
    Rng rf(o.seed + 3);
    for (int i = 0; i < o.count; ++i) {
        const QPointF c(rf.range(-15, 15), rf.range(-22, -6));
        p.setBrush(o.c2);
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(c + QPointF(std::cos(k * 1.2566) * 1.6, std::sin(k * 1.2566) * 1.6), 1.3, 1.3);
        p.setBrush(QColor(250, 230, 90));
        p.drawEllipse(c, 0.9, 0.9);
    }
    (void)r;
}

void paintFlower(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(60, 120, 50), 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.quadTo(2, -12, 0, -21);
    p.drawPath(stem);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 150, 60));
    p.drawEllipse(QRectF(0, -10, 6, 3));
    p.drawEllipse(QRectF(-6, -14, 6, 3));
    const int n = std::max(3, o.count);
    for (int i = 0; i < n; ++i) {
        p.save();
        p.translate(0, -22);
        p.rotate(i * 360.0 / n);
        p.setBrush(litGradient(QRectF(-2.5, -8, 5, 7), o.c1, 0.3));
        p.drawEllipse(QRectF(-2.4, -7.6, 4.8, 6.6));
        p.restore();
    }
    roundBody(p, QRectF(-2.4, -24.4, 4.8, 4.8), QColor(240, 180, 40));
}

void paintRock(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-18, -4, 36, 7), 70);
    Rng r(o.seed);
    QPainterPath rock;
    const int n = 9;
    for (int i = 0; i <= n; ++i) {
        const double a = M_PI + i * M_PI / n;
        const double rad = r.range(0.8, 1.0);
        const QPointF pt(std::cos(a) * 16 * rad, std::sin(a) * 14 * rad);
        i ? rock.lineTo(pt) : rock.moveTo(pt);
    }
    rock.closeSubpath();
    body(p, rock, o.c1, 0.45);
    // A warm, sand-coloured stone is sandstone: laid down in bands, and bare,
    // for nothing green grows on it in the dry.
    const bool sandstone = o.c1.red() > o.c1.blue() * 1.2 + 8 && o.c1.red() >= o.c1.green();
    if (sandstone) {
        p.save();
        p.setClipPath(rock);
        p.setPen(QPen(shade(o.c1, 0.72), 1.1));
        for (int i = 0; i < 3; ++i) {
            const double y = -10 + i * 3.6 + r.range(-0.6, 0.6);
            p.drawLine(QPointF(-17, y + r.range(-1, 1)), QPointF(17, y + r.range(-1, 1)));
        }
        p.setPen(QPen(shade(o.c1, 1.25), 0.9));
        p.drawLine(QPointF(-17, -11.6), QPointF(17, -12.4));
        p.restore();
    }
    // Its detail: a piece broken off, lying at its foot, and the pale scar
    // it left on the face. Low on the right, clear of anything perched on top.
    if (o.variant & 1) {
        p.save();
        p.setClipPath(rock);
        QPainterPath scar;
        scar.moveTo(5, -10);
        scar.quadTo(11, -12, 15, -7);
        scar.quadTo(12, -3, 6.5, -2.5);
        scar.quadTo(4, -6, 5, -10);
        p.setPen(QPen(shade(o.c1, 0.4), 0.9));
        p.setBrush(shade(o.c1, 1.3));
        p.drawPath(scar);
        p.restore();
        QPainterPath piece;
        piece.moveTo(5, 1.5);
        piece.lineTo(6.5, -3.5);
        piece.lineTo(11.5, -5.5);
        piece.lineTo(16.5, -2.5);
        piece.lineTo(17, 2);
        piece.closeSubpath();
        softShadow(p, QRectF(4, 0, 15, 4), 90);
        body(p, piece, shade(o.c1, 1.12), 0.5);
    }
}

} // namespace levelgen
