#include "tools/levelgen/painters_small.h"

#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace levelgen {

namespace {
// A small repeatable jitter in -1..1 from a seed and an index.
double jitter(std::uint32_t seed, int i)
{
    std::uint32_t h = seed * 2654435761u + std::uint32_t(i) * 40503u + 0x9E3779B9u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return (h % 2001) / 1000.0 - 1.0;
}
} // namespace

void paintLadybird(QPainter& p, const QRectF& box, const QColor& shell, int spots, std::uint32_t seed)
{
    const double side = std::min(box.width(), box.height());
    p.save();
    p.translate(box.center());
    p.rotate(jitter(seed, 0) * 25);
    p.scale(side / 20.0, side / 20.0); // drawn on a 20 x 20 grid around the middle
    const QColor black(22, 20, 20);
    softShadow(p, QRectF(-7.5, -4, 16, 14), 60);
    // Legs: three short strokes a side, under the shell.
    p.setPen(QPen(black, 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = -2.5 + i * 3.2;
        p.drawLine(QPointF(-5.5, y), QPointF(-8.3, y + (i - 1) * 1.3));
        p.drawLine(QPointF(5.5, y), QPointF(8.3, y + (i - 1) * 1.3));
    }
    // Head and its eye dots.
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawEllipse(QRectF(-3.6, -9.2, 7.2, 5.2));
    p.setBrush(QColor(235, 232, 220));
    p.drawEllipse(QRectF(-2.4, -7.9, 1.4, 1.4));
    p.drawEllipse(QRectF(1.0, -7.9, 1.4, 1.4));
    // The shell: a lit dome, the parting line, the spots.
    const QRectF dome(-6.6, -6.0, 13.2, 14.6);
    roundBody(p, dome, shell);
    p.setPen(QPen(shade(shell, 0.35), 0.8));
    p.drawLine(QPointF(0, -5.6), QPointF(0, 8.4));
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    static const QPointF where[7] = {{-3.2, -2.0}, {3.2, -2.0}, {-3.8, 2.6}, {3.8, 2.6}, {-2.2, 6.0}, {2.2, 6.0}, {0, 0.6}};
    const int n = std::clamp(spots, 0, 7);
    for (int i = 0; i < n; ++i) {
        const QPointF c = where[i] + QPointF(jitter(seed, 2 * i + 1) * 0.4, jitter(seed, 2 * i + 2) * 0.4);
        const double r = i == 6 ? 1.2 : 1.45;
        p.drawEllipse(c, r, r);
    }
    // A glint on the dome.
    p.setBrush(withAlpha(QColor(255, 255, 255), 150));
    p.drawEllipse(QRectF(-4.6, -4.4, 2.6, 1.8));
    p.restore();
}

void paintButton(QPainter& p, const QRectF& box, const QColor& colour, int holes, bool threaded)
{
    const double side = std::min(box.width(), box.height());
    p.save();
    p.translate(box.center());
    p.scale(side / 20.0, side / 20.0);
    softShadow(p, QRectF(-8.5, -6.5, 18, 17), 70);
    roundBody(p, QRectF(-8.6, -8.6, 17.2, 17.2), colour);
    // The raised rim and the dished middle.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(colour, 0.6), 0.9));
    p.drawEllipse(QRectF(-6.2, -6.2, 12.4, 12.4));
    p.setPen(QPen(shade(colour, 1.35), 0.6));
    p.drawArc(QRectF(-5.6, -5.6, 11.2, 11.2), 200 * 16, 180 * 16);
    // The holes, and the thread that runs through them.
    const double d = 2.3;
    QPointF at[4];
    int n = 0;
    if (holes >= 4) {
        at[n++] = {-d, -d}, at[n++] = {d, -d}, at[n++] = {-d, d}, at[n++] = {d, d};
    } else {
        at[n++] = {-d, 0}, at[n++] = {d, 0};
    }
    if (threaded) {
        p.setPen(QPen(QColor(245, 240, 225), 0.8, Qt::SolidLine, Qt::RoundCap));
        if (n == 4) {
            p.drawLine(at[0], at[3]);
            p.drawLine(at[1], at[2]);
        } else {
            p.drawLine(at[0], at[1]);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shade(colour, 0.18)); // the dark behind a hole, whatever the button's colour
    for (int i = 0; i < n; ++i)
        p.drawEllipse(at[i], 1.35, 1.35);
    p.restore();
}

} // namespace levelgen
