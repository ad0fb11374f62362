#pragma once
// Two small drawing steps the newer painters share: a box lit from the
// upper left with a darker rim, and the warm glow round a flame.
#include "tools/levelgen/paintkit.h"

#include <QPainter>

namespace levelgen {

inline void litBox(QPainter& p, const QRectF& r, const QColor& c, double rimShade = 0.5, double rimWidth = 0.5)
{
    p.setPen(QPen(shade(c, rimShade), rimWidth));
    p.setBrush(litGradient(r, c));
    p.drawRect(r);
}

// A soft pool of light, `warm` at its centre fading out at the ellipse's edge.
inline void warmGlow(QPainter& p, QPointF centre, double rx, double ry, const QColor& warm)
{
    QRadialGradient g(centre, std::max(rx, ry));
    g.setColorAt(0, warm);
    g.setColorAt(1, withAlpha(warm, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, ry);
}

} // namespace levelgen
