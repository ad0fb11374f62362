#include "tools/levelgen/furniture.h"

#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace levelgen {

namespace {
// How far the far edge of a top draws in at each end: seen a little from
// above, the top is a trapezoid.
double inset(const TableLook& t) { return (t.front - t.back) * 0.45; }

void leg(QPainter& p, double x, double y0, double y1, double w, const QColor& wood)
{
    const QRectF l(x, y0, w, y1 - y0);
    p.fillRect(l, litGradient(l, wood, 0.4));
    p.fillRect(QRectF(x + w - 1, y0, 1, y1 - y0), shade(wood, 0.55));
}

// Folds of a cloth hanging down: soft light and dark stripes, a scalloped hem.
void hangingCloth(QPainter& p, const QRectF& c, const QColor& cloth, const QColor& stitch, Rng& r)
{
    p.fillRect(c, cloth);
    for (double x = c.left() + r.range(4, 14); x < c.right(); x += r.range(22, 34)) {
        QLinearGradient fold(QPointF(x - 9, 0), QPointF(x + 9, 0));
        fold.setColorAt(0, withAlpha(shade(cloth, 1.1), 0));
        fold.setColorAt(0.4, withAlpha(shade(cloth, 1.08), 120));
        fold.setColorAt(0.7, withAlpha(shade(cloth, 0.82), 140));
        fold.setColorAt(1, withAlpha(shade(cloth, 0.82), 0));
        p.fillRect(QRectF(x - 9, c.top() + 4, 18, c.height() - 4), fold);
    }
    p.fillRect(QRectF(c.left(), c.top(), c.width(), 4), shade(cloth, 0.8)); // the fold over the edge
    // The scalloped hem.
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    for (double x = c.left(); x < c.right(); x += 12)
        p.drawEllipse(QPointF(x + 6, c.bottom()), 6, 3);
    if (!stitch.isValid())
        return;
    // The embroidered border: tulips and leaves in a cross-stitch row.
    const double y = c.bottom() - 14;
    p.setBrush(stitch);
    for (double x = c.left() + 10; x < c.right(); x += 22) {
        QPainterPath tulip;
        tulip.moveTo(x, y + 6);
        tulip.cubicTo(x - 6, y + 3, x - 5, y - 5, x - 3, y - 5);
        tulip.lineTo(x, y - 1);
        tulip.lineTo(x + 3, y - 5);
        tulip.cubicTo(x + 5, y - 5, x + 6, y + 3, x, y + 6);
        p.drawPath(tulip);
        p.drawEllipse(QPointF(x + 11, y + 1), 2.4, 1.4);
    }
    p.setPen(QPen(stitch, 1, Qt::DashLine));
    p.drawLine(QPointF(c.left(), y - 10), QPointF(c.right(), y - 10));
    p.setPen(Qt::NoPen);
}

void noteFurniture(Scene& s, double x0, double top, double x1, double feet)
{
    s.surfaces.furniture.emplace_back(std::max(0.0, x0), top, std::min(double(kWidth), x1) - std::max(0.0, x0), feet - top);
}
} // namespace

double tableRow(const TableLook& t, int i, int rows)
{
    const double depth = t.front - t.back;
    return rows <= 1 ? t.back + depth * 0.6 : t.back + depth * (0.2 + 0.72 * i / (rows - 1));
}

double rowScale(int i, int rows, double nearScale) { return rows <= 1 ? nearScale : nearScale * (0.78 + 0.22 * i / (rows - 1)); }

void paintTable(Scene& s, Rng& r, const TableLook& t)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double depth = t.front - t.back;
    const QColor under = QColor(30, 20, 15, 110);
    if (t.round) {
        const double cx = (t.x0 + t.x1) / 2, rx = (t.x1 - t.x0) / 2;
        softShadow(p, QRectF(cx - rx * 0.7, t.feet - 6, rx * 1.4, 12), 90);
        leg(p, cx - 4, t.front, t.feet - 3, 8, shade(t.wood, 0.8));
        p.setBrush(shade(t.wood, 0.7));
        p.drawEllipse(QRectF(cx - 16, t.feet - 6, 32, 8)); // its foot
        const QRectF top(t.x0, t.back, t.x1 - t.x0, depth);
        p.setBrush(shade(t.wood, 0.6));
        p.drawEllipse(top.translated(0, 4));
        QRadialGradient marble(top.center() - QPointF(rx * 0.3, depth * 0.2), rx);
        const QColor face = t.cloth.isValid() ? t.cloth : t.wood;
        marble.setColorAt(0, shade(face, 1.08));
        marble.setColorAt(1, shade(face, 0.9));
        p.setBrush(marble);
        p.drawEllipse(top);
        noteFurniture(s, t.x0, t.back, t.x1, t.feet);
        return;
    }
    const double k = inset(t);
    const double hem = t.cloth.isValid() ? t.front + t.drop : t.front + 10;
    // The floor in the shade of the top, then the back legs, shorter.
    QLinearGradient shadeBand(QPointF(0, hem), QPointF(0, t.feet + 6));
    shadeBand.setColorAt(0, under);
    shadeBand.setColorAt(1, QColor(30, 20, 15, 40));
    QPainterPath floorShade;
    floorShade.moveTo(t.x0 + k, hem);
    floorShade.lineTo(t.x1 - k, hem);
    floorShade.lineTo(t.x1 + 4, t.feet + 4);
    floorShade.lineTo(t.x0 - 4, t.feet + 4);
    p.setBrush(shadeBand);
    p.drawPath(floorShade);
    const double backFeet = t.feet - depth * 0.75;
    leg(p, t.x0 + k + 8, hem - 2, backFeet, 7, shade(t.wood, 0.65));
    leg(p, t.x1 - k - 15, hem - 2, backFeet, 7, shade(t.wood, 0.65));
    leg(p, t.x0 + 6, hem - 2, t.feet, 10, t.wood);
    leg(p, t.x1 - 16, hem - 2, t.feet, 10, t.wood);
    // A long table has a middle pair too.
    if (t.x1 - t.x0 > 300)
        leg(p, (t.x0 + t.x1) / 2 - 5, hem - 2, t.feet, 10, t.wood);
    // The top, a little from above.
    QPainterPath top;
    top.moveTo(t.x0 + k, t.back);
    top.lineTo(t.x1 - k, t.back);
    top.lineTo(t.x1, t.front);
    top.lineTo(t.x0, t.front);
    top.closeSubpath();
    const QColor face = t.cloth.isValid() ? t.cloth : t.wood;
    QLinearGradient lit(QPointF(0, t.back), QPointF(0, t.front));
    lit.setColorAt(0, shade(face, 0.9));
    lit.setColorAt(1, shade(face, 1.06));
    p.setBrush(lit);
    p.drawPath(top);
    if (!t.cloth.isValid()) {
        // The grain runs from the near edge to the far one.
        p.setPen(QPen(withAlpha(shade(t.wood, 0.7), 110), 0.8));
        for (double x = t.x0 + 18; x < t.x1; x += r.range(18, 30)) {
            const double f = (x - t.x0) / std::max(1.0, t.x1 - t.x0);
            p.drawLine(QPointF(x, t.front - 1), QPointF(t.x0 + k + f * (t.x1 - t.x0 - 2 * k), t.back + 1));
        }
        p.setPen(Qt::NoPen);
        const QRectF apron(t.x0, t.front, t.x1 - t.x0, 10);
        p.fillRect(apron, litGradient(apron, shade(t.wood, 0.85), 0.3));
        p.fillRect(QRectF(t.x0, t.front, t.x1 - t.x0, 1.5), shade(t.wood, 1.25));
    } else {
        // A woven line along the far edge of the cloth, so the top reads as cloth.
        p.setPen(QPen(withAlpha(shade(t.cloth, 0.8), 120), 1));
        p.drawLine(QPointF(t.x0 + k + 6, t.back + 5), QPointF(t.x1 - k - 6, t.back + 5));
        p.setPen(Qt::NoPen);
        // At each end the cloth hangs down the side too, in the shade.
        for (const double side : {-1.0, 1.0}) {
            const double edge = side < 0 ? t.x0 - 3 : t.x1 + 3, far = side < 0 ? t.x0 + k : t.x1 - k;
            QPainterPath end;
            end.moveTo(far, t.back);
            end.lineTo(edge, t.front);
            end.lineTo(edge, t.front + t.drop);
            end.lineTo(far, t.back + t.drop);
            end.closeSubpath();
            p.setBrush(shade(t.cloth, 0.78));
            p.drawPath(end);
        }
        hangingCloth(p, QRectF(t.x0 - 3, t.front, t.x1 - t.x0 + 6, t.drop), t.cloth, t.stitch, r);
    }
    noteFurniture(s, t.x0, t.back, t.x1, t.feet);
}

void paintCounter(Scene& s, Rng& r, double x0, double x1, double top, double depth, double feet, const QColor& wood)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    softShadow(p, QRectF(x0 - 6, feet - 6, x1 - x0 + 12, 14), 80);
    const QRectF face(x0, top + depth, x1 - x0, feet - top - depth);
    p.fillRect(face, litGradient(face, shade(wood, 0.85), 0.25));
    // Panels, each with its lit and shaded edge.
    const int panels = std::max(1, int(std::round((x1 - x0) / 70)));
    const double pw = (x1 - x0) / panels;
    for (int i = 0; i < panels; ++i) {
        const QRectF pane(x0 + i * pw + 7, top + depth + 9, pw - 14, feet - top - depth - 22);
        p.fillRect(pane, litGradient(pane, shade(wood, 0.72 + 0.04 * r.real()), 0.3));
        p.fillRect(QRectF(pane.left(), pane.top(), pane.width(), 2.5), shade(wood, 0.45));
        p.fillRect(QRectF(pane.left(), pane.top(), 2.5, pane.height()), shade(wood, 0.5));
        p.fillRect(QRectF(pane.left(), pane.bottom() - 2.5, pane.width(), 2.5), shade(wood, 1.3));
        p.fillRect(QRectF(pane.right() - 2.5, pane.top(), 2.5, pane.height()), shade(wood, 1.25));
        // A carved rosette in the middle of each panel.
        p.setBrush(shade(wood, 1.2));
        p.drawEllipse(pane.center(), std::min(6.0, pane.width() * 0.15), std::min(6.0, pane.height() * 0.15));
        p.setBrush(shade(wood, 0.55));
        p.drawEllipse(pane.center(), std::min(3.0, pane.width() * 0.07), std::min(3.0, pane.height() * 0.07));
    }
    p.fillRect(QRectF(x0, feet - 6, x1 - x0, 6), shade(wood, 0.6)); // the plinth
    const QRectF topBand(x0 - 4, top, x1 - x0 + 8, depth);
    QLinearGradient lit(QPointF(0, top), QPointF(0, top + depth));
    lit.setColorAt(0, shade(wood, 1.0));
    lit.setColorAt(1, shade(wood, 1.2));
    p.fillRect(topBand, lit);
    p.fillRect(QRectF(x0 - 4, top + depth, x1 - x0 + 8, 3), shade(wood, 0.55));
    noteFurniture(s, x0, top, x1, feet);
}

void chairBacks(Scene& s, const TableLook& t, const std::vector<double>& xs, double height, const QColor& wood)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double w = height * 0.55;
    for (const double x : xs) {
        const double y0 = t.back - height;
        leg(p, x - w / 2, y0, t.back + 2, 5, shade(wood, 0.9));
        leg(p, x + w / 2 - 5, y0, t.back + 2, 5, shade(wood, 0.9));
        // The carved back board with its heart, as a village joiner makes it.
        QPainterPath board;
        board.addRoundedRect(QRectF(x - w / 2 + 2, y0 + 4, w - 4, height * 0.5), 5, 5);
        QPainterPath heart;
        const double hx = x, hy = y0 + 4 + height * 0.24, hs = height * 0.08;
        heart.moveTo(hx, hy + hs * 1.3);
        heart.cubicTo(hx - hs * 2, hy, hx - hs, hy - hs * 1.4, hx, hy - hs * 0.4);
        heart.cubicTo(hx + hs, hy - hs * 1.4, hx + hs * 2, hy, hx, hy + hs * 1.3);
        p.setBrush(litGradient(board.boundingRect(), wood, 0.3));
        p.drawPath(board.subtracted(heart));
        p.setBrush(shade(wood, 0.5));
        p.drawPath(heart.translated(0, 0).intersected(board));
    }
}

void wallPlates(Scene& s, const std::vector<QPointF>& at, double radius, const QColor& rim, const QColor& motif)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (const QPointF& c : at) {
        softShadow(p, QRectF(c.x() - radius + 2, c.y() - radius + 3, radius * 2, radius * 2), 60);
        p.setBrush(QColor(250, 247, 238));
        p.drawEllipse(c, radius, radius);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rim, radius * 0.18));
        p.drawEllipse(c, radius * 0.84, radius * 0.84);
        p.setPen(Qt::NoPen);
        // A painted flower: petals round a heart.
        p.setBrush(motif);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * radius * 0.32, radius * 0.17, radius * 0.17);
        }
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(c, radius * 0.14, radius * 0.14);
        p.setBrush(QColor(70, 60, 55));
        p.drawEllipse(c - QPointF(0, radius + 2), 1.3, 1.3); // its nail
    }
}

void roomWindow(Scene& s, Rng& r, const QRectF& w, const QColor& frame, bool street)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QLinearGradient sky(w.topLeft(), w.bottomLeft());
    sky.setColorAt(0, QColor(150, 190, 230));
    sky.setColorAt(1, QColor(205, 225, 240));
    p.fillRect(w, sky);
    p.save();
    p.setClipRect(w);
    if (street) { // the houses across the way
        for (double x = w.left() - r.range(0, 20); x < w.right(); x += 34) {
            const double h = r.range(0.35, 0.6) * w.height();
            p.fillRect(QRectF(x, w.bottom() - h, 32, h), anyOf(r, {QColor(215, 190, 160), QColor(190, 160, 140), QColor(225, 210, 180)}));
            for (double wy = w.bottom() - h + 8; wy < w.bottom() - 12; wy += 18)
                p.fillRect(QRectF(x + 8, wy, 7, 10), QColor(90, 110, 130)), p.fillRect(QRectF(x + 19, wy, 7, 10), QColor(90, 110, 130));
        }
    } else { // a garden: a hedge and a tree's crown
        p.setBrush(QColor(95, 150, 80));
        p.drawEllipse(QPointF(w.left() + w.width() * r.range(0.2, 0.8), w.bottom() - w.height() * 0.15), w.width() * 0.45, w.height() * 0.45);
        p.fillRect(QRectF(w.left(), w.bottom() - w.height() * 0.2, w.width(), w.height() * 0.2), QColor(80, 130, 70));
    }
    p.restore();
    p.setPen(QPen(frame, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(w);
    p.setPen(QPen(frame, 3));
    p.drawLine(QPointF(w.center().x(), w.top()), QPointF(w.center().x(), w.bottom()));
    p.drawLine(QPointF(w.left(), w.top() + w.height() * 0.4), QPointF(w.right(), w.top() + w.height() * 0.4));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(w.left() - 6, w.bottom() + 2, w.width() + 12, 5), shade(frame, 0.85)); // the sill
    s.surfaces.glass.push_back(w.adjusted(-3, -3, 3, 7));
}

void coatStand(Scene& s, double x, double feet, double height, const QColor& wood, const QColor& coat)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double top = feet - height;
    softShadow(p, QRectF(x - 16, feet - 4, 32, 8), 80);
    leg(p, x - 2.5, top, feet, 5, wood);
    p.setPen(QPen(shade(wood, 0.8), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, feet - 3), QPointF(x - 13, feet));
    p.drawLine(QPointF(x, feet - 3), QPointF(x + 13, feet));
    p.drawLine(QPointF(x, top + 8), QPointF(x - 10, top + 2));
    p.drawLine(QPointF(x, top + 8), QPointF(x + 10, top + 2));
    p.setPen(Qt::NoPen);
    // The coat hangs from the left hook, the hat sits on the right one.
    QPainterPath c;
    c.moveTo(x - 10, top + 4);
    c.cubicTo(x - 22, top + 14, x - 24, top + height * 0.5, x - 20, top + height * 0.55);
    c.lineTo(x - 2, top + height * 0.55);
    c.cubicTo(x - 3, top + height * 0.3, x - 4, top + 12, x - 10, top + 4);
    body(p, c, coat, 0.3);
    p.setBrush(QColor(50, 45, 45));
    p.drawEllipse(QRectF(x + 2, top - 2, 18, 5));
    p.drawRoundedRect(QRectF(x + 6, top - 10, 10, 10), 3, 3);
    noteFurniture(s, x - 14, top, x + 14, feet);
}

void hideOne(Scene& s, Rng& r, std::size_t firstOfRow)
{
    if (firstOfRow >= s.objs.size())
        return;
    Obj& o = s.objs[firstOfRow + r.next() % (s.objs.size() - firstOfRow)];
    o.spare = true;
    o.visible = false;
}

// A stall's chalk board hung from its awning on two cords: a fruit painted
// on the left, its price in forints beside it ("60 Ft"), the right way round.
void priceBoard(QPainter& p, const QRectF& b, double hungFrom, int price, const QColor& fruit)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 55, 40), 0.9));
    for (const double x : {b.left() + 6, b.right() - 6})
        p.drawLine(QPointF(x, hungFrom), QPointF(x, b.top()));
    p.setPen(QPen(QColor(120, 85, 50), 2));
    p.setBrush(QColor(45, 55, 50));
    p.drawRoundedRect(b, 2, 2);
    // The fruit: an apple with its stem and leaf.
    const QPointF c(b.left() + 11, b.center().y() + 1);
    p.setPen(Qt::NoPen);
    p.setBrush(ballGradient(QRectF(c.x() - 6, c.y() - 6, 12, 12), fruit));
    p.drawEllipse(c, 6, 6);
    p.setPen(QPen(QColor(90, 60, 30), 1.2));
    p.drawLine(c + QPointF(0, -5), c + QPointF(1, -8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 150, 60));
    p.drawEllipse(QRectF(c.x() + 1.5, c.y() - 9, 5, 3));
    // The price in chalk: its digits, then "Ft".
    const double u = 1.5, top = b.center().y() - 3 * u;
    QPen chalk(QColor(245, 242, 230), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(chalk);
    p.setBrush(Qt::NoBrush);
    double x = b.left() + 22;
    for (const QChar ch : QString::number(price)) {
        drawDigit(p, QPointF(x, top), ch.digitValue(), u);
        x += 5.5 * u;
    }
    x += 2 * u;
    QPainterPath ft; // F, then t
    ft.moveTo(x + 3 * u, top), ft.lineTo(x, top), ft.lineTo(x, top + 6 * u);
    ft.moveTo(x, top + 3 * u), ft.lineTo(x + 2.2 * u, top + 3 * u);
    x += 4.2 * u;
    ft.moveTo(x + 1 * u, top + 0.8 * u), ft.lineTo(x + 1 * u, top + 5.2 * u), ft.quadTo(x + 1 * u, top + 6 * u, x + 2.4 * u, top + 6 * u);
    ft.moveTo(x, top + 2.2 * u), ft.lineTo(x + 2.4 * u, top + 2.2 * u);
    p.drawPath(ft);
}

} // namespace levelgen
