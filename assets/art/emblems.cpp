#include "assets/art/emblems.h"

#include <QPainterPath>
#include <QtMath>

#include "assets/art/artgen.h"
#include "assets/art/effects.h"

namespace art {

namespace {

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPointF polar(QPointF c, qreal r, qreal clockAngle)
{
    // Clock angles: 0 at twelve, growing clockwise, in degrees.
    const qreal a = qDegreesToRadians(clockAngle - 90);
    return c + QPointF(std::cos(a), std::sin(a)) * r;
}

// A glossy cap of light over the upper half of a round button.
void gloss(QPainter& p, QPointF c, qreal r, int alpha)
{
    const QRectF cap(c.x() - r * 0.72, c.y() - r * 0.93, r * 1.44, r * 0.95);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    QPainterPath shine;
    shine.addEllipse(cap);
    p.fillPath(shine, g);
}

struct ButtonColours {
    QColor rim, light, base, dark;
};

// A domed round button with a dark rim and a soft shadow beneath; `face`
// is the share of the radius inside the rim.
void roundButton(QPainter& p, QPointF c, qreal r, const ButtonColours& colours, qreal face)
{
    softShadow(p, circle(c, r), QPointF(r * 0.04, r * 0.1), int(std::max(2.0, r * 0.08)), QColor(30, 20, 5, 150));
    p.fillPath(circle(c, r), colours.rim);
    QRadialGradient body(c, r * face, c - QPointF(r * 0.3, r * 0.4));
    body.setColorAt(0, colours.light);
    body.setColorAt(0.5, colours.base);
    body.setColorAt(1, colours.dark);
    p.fillPath(circle(c, r * face), body);
}

void hand(QPainter& p, QPointF c, qreal length, qreal tail, qreal width, qreal angle, QColor colour)
{
    // A tapered blade: broad at the hub, pointed at the tip.
    const QPointF tip = polar(c, length, angle), back = polar(c, tail, angle + 180);
    const QPointF side = polar(QPointF(0, 0), width / 2, angle + 90);
    QPainterPath blade;
    blade.moveTo(back + side * 0.7);
    blade.lineTo(c + side);
    blade.lineTo(tip + side * 0.25);
    blade.lineTo(tip - side * 0.25);
    blade.lineTo(c - side);
    blade.lineTo(back - side * 0.7);
    blade.closeSubpath();
    softShadow(p, blade, QPointF(width * 0.3, width * 0.45), int(std::max(1.0, width * 0.6)), QColor(0, 0, 0, 90));
    p.fillPath(blade, colour);
}

} // namespace

ClockLook gameClock()
{
    return {QColor(0xFFF6B4), QColor(0xF0BE2C), QColor(0x8AD98C), QColor(0x2E9A3E), QColor(0x175C22), false, 10, 10};
}

void drawClock(QPainter& p, QPointF c, qreal r, const ClockLook& look)
{
    softShadow(p, circle(c, r), QPointF(r * 0.06, r * 0.11), int(std::max(2.0, r * 0.13)), QColor(30, 15, 0, 130));
    // Rim: a polished ring, bright where the light strikes it.
    QConicalGradient rim(c, 135);
    rim.setColorAt(0.0, look.rimLight);
    rim.setColorAt(0.25, look.rimBase);
    rim.setColorAt(0.5, look.rimDark);
    rim.setColorAt(0.75, look.rimBase);
    rim.setColorAt(1.0, look.rimLight);
    p.fillPath(circle(c, r), rim);
    p.strokePath(circle(c, r - 0.5), QPen(look.rimDark.darker(140), 1));
    const qreal face = r * 0.8;
    QRadialGradient dial(c, face, c - QPointF(face * 0.3, face * 0.35));
    dial.setColorAt(0, look.faceLight);
    dial.setColorAt(1, look.faceDark);
    p.fillPath(circle(c, face), dial);
    innerShadow(p, circle(c, face), QPointF(r * 0.03, r * 0.06), int(std::max(1.0, r * 0.08)), QColor(0, 0, 0, 120));

    if (look.redTo > look.redFrom) {
        QPainterPath wedge;
        wedge.moveTo(c);
        wedge.arcTo(QRectF(c.x() - face, c.y() - face, 2 * face, 2 * face), 90 - look.redFrom * 6,
                    -(look.redTo - look.redFrom) * 6);
        wedge.closeSubpath();
        QRadialGradient red(c, face);
        red.setColorAt(0, QColor(210, 40, 25, 40));
        red.setColorAt(1, QColor(210, 40, 25, 120));
        p.fillPath(wedge, red);
    }
    const QColor ink(0x1B1410);
    for (int i = 0; i < 60; ++i) {
        const bool hourMark = i % 5 == 0;
        if (!hourMark && r < 40)
            continue;
        const qreal outer = face * 0.93, inner = face * (hourMark ? (i % 15 == 0 ? 0.74 : 0.8) : 0.88);
        p.setPen(QPen(ink, hourMark ? std::max(1.3, r * 0.05) : std::max(0.8, r * 0.015), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(c, inner, i * 6), polar(c, outer, i * 6));
    }
    if (look.numerals) {
        QFont f = serif(face * 0.24, true, false);
        p.setFont(f);
        p.setPen(ink);
        for (int n : {12, 3, 6, 9}) {
            const QPointF at = polar(c, face * 0.56, n * 30);
            p.drawText(QRectF(at.x() - face * 0.3, at.y() - face * 0.2, face * 0.6, face * 0.4), Qt::AlignCenter,
                       QString::number(n));
        }
    }
    p.setPen(Qt::NoPen);
    const qreal minuteAngle = look.minute * 6, hourAngle = look.hour * 30 + look.minute * 0.5;
    hand(p, c, face * 0.55, face * 0.12, std::max(2.6, r * 0.11), hourAngle, ink);
    hand(p, c, face * 0.82, face * 0.14, std::max(2.0, r * 0.075), minuteAngle, ink);
    p.fillPath(circle(c, std::max(1.8, r * 0.07)), ink);
    p.fillPath(circle(c, std::max(0.8, r * 0.03)), look.rimLight);
    // The glass catches a little light at its upper left.
    gloss(p, c, face, 70);
}

void drawWarningBadge(QPainter& p, QPointF c, qreal r)
{
    roundButton(p, c, r, {QColor(0x9A5E0C), QColor(0xFFF07A), QColor(0xFFD02E), QColor(0xE59A12)}, 0.9);
    // The exclamation mark: a tapering bar and a dot.
    const qreal top = c.y() - r * 0.58, bottom = c.y() + r * 0.18;
    QPainterPath mark;
    mark.moveTo(c.x() - r * 0.15, top);
    mark.quadTo(c.x(), top - r * 0.1, c.x() + r * 0.15, top);
    mark.lineTo(c.x() + r * 0.075, bottom);
    mark.quadTo(c.x(), bottom + r * 0.06, c.x() - r * 0.075, bottom);
    mark.closeSubpath();
    mark.addEllipse(QPointF(c.x(), c.y() + r * 0.43), r * 0.13, r * 0.13);
    softShadow(p, mark, QPointF(0, r * 0.05), int(std::max(1.0, r * 0.06)), QColor(120, 60, 0, 120));
    p.fillPath(mark, QColor(0x171310));
    gloss(p, c, r * 0.9, 120);
}

void drawHelpButton(QPainter& p, QPointF c, qreal r)
{
    roundButton(p, c, r, {QColor(0x14491D), QColor(0x6CCB76), QColor(0x3FA34D), QColor(0x1E6B2A)}, 0.93);

    // A white magnifying glass: lens ring and a stout handle.
    const QPointF lens = c + QPointF(-r * 0.13, -r * 0.14);
    const qreal lensR = r * 0.36;
    QPainterPath glass;
    glass.addEllipse(lens, lensR + r * 0.08, lensR + r * 0.08);
    glass.addEllipse(lens, lensR - r * 0.08, lensR - r * 0.08);
    QPainterPathStroker stick;
    stick.setWidth(r * 0.24);
    stick.setCapStyle(Qt::RoundCap);
    QPainterPath handleLine;
    handleLine.moveTo(lens + QPointF(lensR, lensR) * 0.78);
    handleLine.lineTo(c + QPointF(r * 0.5, r * 0.5));
    QPainterPath glyph = glass;
    glyph.addPath(stick.createStroke(handleLine));
    glyph.setFillRule(Qt::WindingFill);
    softShadow(p, glyph, QPointF(r * 0.03, r * 0.08), int(std::max(1.0, r * 0.08)), QColor(5, 40, 10, 150));
    p.fillPath(glass, Qt::white);
    p.fillPath(stick.createStroke(handleLine), Qt::white);
    // The lens itself: faintly tinted glass with a glint.
    p.fillPath(circle(lens, lensR - r * 0.08), QColor(255, 255, 255, 45));
    p.setPen(QPen(QColor(255, 255, 255, 200), r * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(lens.x() - lensR * 0.55, lens.y() - lensR * 0.55, lensR * 1.1, lensR * 1.1), 100 * 16, 60 * 16);
    p.setPen(Qt::NoPen);
    gloss(p, c, r * 0.93, 120);
}

QImage panelIcon(QSize size, bool grey, void (*draw)(QPainter&, QSizeF))
{
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        prepare(p);
        draw(p, QSizeF(size));
    }
    if (grey) {
        // Drained of colour and a little faded, as a switched-off button.
        for (int y = 0; y < layer.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
            for (int x = 0; x < layer.width(); ++x) {
                const QRgb c = line[x];
                const int a = qAlpha(c);
                const int lum = (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
                const int v = std::min(a, (lum * 80 + a * 14) / 100);
                line[x] = qRgba(v, v, v, a);
            }
        }
    }
    QImage out(size, QImage::Format_RGB32);
    out.fill(QColor(kPanelFill));
    QPainter p(&out);
    p.drawImage(0, 0, layer);
    return out;
}

} // namespace art
