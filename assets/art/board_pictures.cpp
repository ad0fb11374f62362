// Backgrounds of the three result windows: level completed, time up and
// game completed.
#include "assets/art/artgen.h"

#include <QPainterPath>

#include "assets/art/effects.h"
#include "assets/art/emblems.h"
#include "assets/art/textures.h"

namespace art {

namespace {
const QColor kHeadingInk(0x6B1E14);

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

// Parchment inside a dark wooden frame with a fine gold fillet.
QImage framedParchment(QSize size, uint32_t seed)
{
    QImage img = paper(size, parchmentTone(7, 0.55f, 60), seed);
    QPainter p(&img);
    prepare(p);
    const int band = 15;
    const QRectF outer(0, 0, size.width(), size.height());
    const QRectF inner = outer.adjusted(band, band, -band, -band);
    QPainterPath ring, hole;
    ring.addRect(outer);
    hole.addRect(inner);
    ring = ring.subtracted(hole);
    innerShadow(p, hole, QPointF(2, 3), 9, QColor(40, 20, 5, 170));
    p.save();
    p.setClipPath(ring);
    p.drawImage(0, 0, wood(size, hex(0x2E2016), hex(0x553A28), seed + 1, false));
    p.restore();
    // Mitred corners and the lit and shaded edges of the moulding.
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawLine(outer.topLeft(), inner.topLeft());
    p.drawLine(outer.topRight(), inner.topRight());
    p.drawLine(outer.bottomLeft(), inner.bottomLeft());
    p.drawLine(outer.bottomRight(), inner.bottomRight());
    p.setPen(QPen(QColor(255, 220, 170, 60), 2));
    p.drawRect(outer.adjusted(1, 1, -1, -1));
    QLinearGradient fillet(inner.topLeft(), inner.bottomRight());
    fillet.setColorAt(0, gold.light);
    fillet.setColorAt(0.5, gold.base);
    fillet.setColorAt(1, gold.shadow);
    p.setPen(QPen(QBrush(fillet), 2));
    p.drawRect(inner.adjusted(-1, -1, 1, 1));
    p.end();
    return img;
}

// One strap of a medal ribbon from `top` (its upper edge's middle) to the
// medal's eye at `bottom`.
void ribbonStrap(QPainter& p, QPointF top, QPointF bottom, qreal width)
{
    const QPointF along = bottom - top;
    const qreal len = std::hypot(along.x(), along.y());
    const QPointF side = QPointF(-along.y(), along.x()) / len * (width / 2);
    QPainterPath strap;
    strap.moveTo(top - side);
    strap.lineTo(top + side);
    strap.lineTo(bottom + side * 0.8);
    strap.lineTo(bottom - side * 0.8);
    strap.closeSubpath();
    softShadow(p, strap, QPointF(2, 3), 5, QColor(30, 20, 10, 120));
    QLinearGradient cloth(top - side, top + side);
    cloth.setColorAt(0.00, QColor(0x1A3C7A));
    cloth.setColorAt(0.10, QColor(0x2C5AA8));
    cloth.setColorAt(0.36, QColor(0x3468B8));
    cloth.setColorAt(0.37, QColor(0xF2F0E8));
    cloth.setColorAt(0.63, QColor(0xF2F0E8));
    cloth.setColorAt(0.64, QColor(0x3468B8));
    cloth.setColorAt(0.90, QColor(0x2C5AA8));
    cloth.setColorAt(1.00, QColor(0x1A3C7A));
    p.fillPath(strap, cloth);
    // The weave's sheen and the crease where the strap folds at the eye.
    QLinearGradient fold(top, bottom);
    fold.setColorAt(0, QColor(0, 0, 0, 70));
    fold.setColorAt(0.15, QColor(0, 0, 0, 0));
    fold.setColorAt(0.8, QColor(255, 255, 255, 0));
    fold.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillPath(strap, fold);
}

void drawMedal(QPainter& p, QPointF c, qreal r)
{
    ribbonStrap(p, QPointF(c.x() + 46, -4), c + QPointF(8, -r * 0.92), 36);
    ribbonStrap(p, QPointF(c.x() - 46, -4), c + QPointF(-8, -r * 0.92), 36);
    softShadow(p, circle(c, r), QPointF(3, 5), 8, QColor(40, 25, 5, 170));
    p.fillPath(circle(c, r), metalDisc(c, r, gold));
    // A milled edge: a ring of small raised beads.
    QPainterPath beads;
    for (int i = 0; i < 48; ++i) {
        const qreal a = i * 2 * M_PI / 48;
        beads.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r * 0.9), r * 0.045, r * 0.045);
    }
    raised(p, beads, gold.light, 1, 0.8f);
    // The struck face, a little lower than the rim.
    const qreal face = r * 0.8;
    QRadialGradient field(c, face, c + QPointF(face * 0.3, face * 0.35));
    field.setColorAt(0, gold.light);
    field.setColorAt(0.6, gold.base);
    field.setColorAt(1, gold.base.darker(115));
    p.fillPath(circle(c, face), field);
    innerShadow(p, circle(c, face), QPointF(1.5, 2.5), 4, QColor(70, 45, 0, 170));
    QFont f = serif(r * 1.25, true, false);
    const QString one = QStringLiteral("1");
    const QRectF ink = QFontMetricsF(f).tightBoundingRect(one);
    const QPainterPath digit = textPath(one, f, c - ink.center());
    softShadow(p, digit, QPointF(2, 3), 3, QColor(60, 35, 0, 200));
    QLinearGradient metal(c - QPointF(0, face), c + QPointF(0, face));
    metal.setColorAt(0, QColor(0xFFF3B0));
    metal.setColorAt(1, gold.base);
    raised(p, digit, metal, 3, 1.4f);
    p.strokePath(digit, QPen(QColor(110, 75, 5, 170), 1));
    // One sharp glint on the rim.
    QRadialGradient glint(c + QPointF(-r * 0.55, -r * 0.6), r * 0.25);
    glint.setColorAt(0, QColor(255, 255, 240, 200));
    glint.setColorAt(1, QColor(255, 255, 240, 0));
    p.fillPath(circle(c + QPointF(-r * 0.55, -r * 0.6), r * 0.25), glint);
}

QPainterPath trophyBowl(qreal cx, qreal top)
{
    QPainterPath bowl;
    bowl.moveTo(cx - 82, top);
    bowl.cubicTo(cx - 84, top + 110, cx - 44, top + 158, cx - 14, top + 172);
    bowl.lineTo(cx + 14, top + 172);
    bowl.cubicTo(cx + 44, top + 158, cx + 84, top + 110, cx + 82, top);
    bowl.closeSubpath();
    return bowl;
}

QPainterPath trophyFoot(qreal cx, qreal top)
{
    QPainterPath foot;
    foot.moveTo(cx - 13, top);
    foot.lineTo(cx + 13, top);
    foot.cubicTo(cx + 14, top + 30, cx + 30, top + 48, cx + 62, top + 58);
    foot.lineTo(cx - 62, top + 58);
    foot.cubicTo(cx - 30, top + 48, cx - 14, top + 30, cx - 13, top);
    foot.closeSubpath();
    foot.addEllipse(QPointF(cx, top + 58), 64, 9);
    foot.addEllipse(QPointF(cx, top + 22), 22, 9);
    foot.setFillRule(Qt::WindingFill);
    return foot;
}

void drawTrophy(QPainter& p, qreal cx, qreal top)
{
    const qreal plinthTop = top + 262, plinthBottom = top + 338;
    // Its shadow on the paper, and the wooden plinth it stands on.
    QPainterPath ground;
    ground.addEllipse(QPointF(cx + 10, plinthBottom + 2), 110, 14);
    softShadow(p, ground, QPointF(0, 0), 12, QColor(40, 20, 0, 150));
    const QRectF plinth(cx - 84, plinthTop, 168, plinthBottom - plinthTop);
    p.drawImage(plinth.topLeft(), wood(plinth.size().toSize(), hex(0x2A1C12), hex(0x4E3424), 0x5101, false));
    QLinearGradient edge(plinth.topLeft(), plinth.topRight());
    edge.setColorAt(0, QColor(0, 0, 0, 90));
    edge.setColorAt(0.3, QColor(255, 220, 180, 30));
    edge.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(plinth, edge);
    p.fillRect(QRectF(plinth.left(), plinth.top(), plinth.width(), 5), QColor(255, 220, 170, 40));
    const QRectF plate(cx - 52, plinthTop + 22, 104, 34);
    QPainterPath plaque;
    plaque.addRoundedRect(plate, 3, 3);
    raised(p, plaque, metalBar(plate.topLeft(), plate.bottomLeft(), gold), 2, 1.0f);
    QFont f = serif(19, true, true);
    const QString label = QStringLiteral("Kovra 2");
    const QPainterPath text =
        textPath(label, f, QPointF(cx - QFontMetricsF(f).horizontalAdvance(label) / 2, plate.center().y() + 6.5));
    reliefText(p, text, QColor(0x5A400C), QColor(255, 240, 170, 160));

    // The cup: foot, stem with its knob, handles and bowl, all in silver.
    const QRectF span(cx - 84, 0, 168, 1);
    const QPainterPath foot = trophyFoot(cx, top + 200);
    softShadow(p, foot, QPointF(3, 3), 4, QColor(0, 0, 0, 110));
    raised(p, foot, metalBar(span.topLeft(), span.topRight(), silver), 3, 0.9f);
    QPainterPath stem;
    stem.addRect(QRectF(cx - 12, top + 166, 24, 40));
    stem.addEllipse(QPointF(cx, top + 190), 20, 10);
    stem.setFillRule(Qt::WindingFill);
    raised(p, stem, metalBar(QPointF(cx - 20, 0), QPointF(cx + 20, 0), silver), 3, 0.9f);

    QPainterPathStroker thick;
    thick.setWidth(13);
    thick.setCapStyle(Qt::RoundCap);
    QPainterPath handles;
    for (int s : {-1, 1}) {
        QPainterPath h;
        h.moveTo(cx + s * 78, top + 22);
        h.cubicTo(cx + s * 128, top + 8, cx + s * 130, top + 112, cx + s * 46, top + 140);
        handles.addPath(thick.createStroke(h));
    }
    handles.setFillRule(Qt::WindingFill);
    softShadow(p, handles, QPointF(3, 5), 6, QColor(40, 20, 0, 70));
    raised(p, handles, metalBar(QPointF(cx - 130, 0), QPointF(cx + 130, 0), silver), 4, 1.0f);

    const QPainterPath bowl = trophyBowl(cx, top);
    softShadow(p, bowl, QPointF(4, 6), 7, QColor(0, 0, 0, 120));
    raised(p, bowl, metalBar(span.topLeft(), span.topRight(), silver), 5, 0.7f);
    // Two engraved rings round the bowl, curved as the bowl is round.
    p.save();
    p.setClipPath(bowl);
    for (qreal y : {top + 38.0, top + 46.0}) {
        QPainterPath band;
        band.moveTo(cx - 90, y);
        band.quadTo(cx, y + 16, cx + 90, y);
        p.strokePath(band, QPen(QColor(90, 96, 104, 150), 1.2));
        p.strokePath(band.translated(0, 1.2), QPen(QColor(255, 255, 255, 140), 1));
    }
    p.restore();
    // The open mouth: the dark inside, then the rolled lip.
    QPainterPath mouth;
    mouth.addEllipse(QPointF(cx, top), 82, 13);
    QLinearGradient inside(QPointF(0, top - 13), QPointF(0, top + 13));
    inside.setColorAt(0, QColor(0x4A5058));
    inside.setColorAt(1, QColor(0x9AA1A8));
    p.fillPath(mouth, inside);
    p.strokePath(mouth, QPen(QBrush(metalBar(span.topLeft(), span.topRight(), silver)), 4));
    p.strokePath(mouth.translated(0, 1.5), QPen(QColor(60, 64, 70, 90), 1));
    // A few glints where the polish catches the light.
    for (const QPointF& at : {QPointF(cx - 44, top + 50), QPointF(cx - 60, top - 4), QPointF(cx + 30, top + 226)}) {
        QPainterPath star;
        const qreal L = 11, w = 1.6;
        star.moveTo(at + QPointF(0, -L));
        star.quadTo(at + QPointF(w, -w), at + QPointF(L, 0));
        star.quadTo(at + QPointF(w, w), at + QPointF(0, L));
        star.quadTo(at + QPointF(-w, w), at + QPointF(-L, 0));
        star.quadTo(at + QPointF(-w, -w), at + QPointF(0, -L));
        p.fillPath(star, QColor(255, 255, 255, 220));
    }
}
} // namespace

QImage boardOkBackground()
{
    QImage img = framedParchment({401, 534}, 0x4001);
    QPainter p(&img);
    prepare(p);
    drawMedal(p, QPointF(110, 156), 60);
    p.end();
    grain(img, 0.012f, 0x4002);
    return img;
}

QImage boardFailBackground()
{
    QImage img = framedParchment({400, 533}, 0x4101);
    QPainter p(&img);
    prepare(p);
    // A brass clock at twelve, its last minutes shaded red: the time ran out.
    const ClockLook brass{QColor(0xFFFBEA), QColor(0xE8D6AC), gold.light, gold.base, gold.shadow, true, 12, 0, 55, 60};
    drawClock(p, QPointF(200, 130), 98, brass);
    drawWarningBadge(p, QPointF(283, 206), 26);
    p.end();
    grain(img, 0.012f, 0x4102);
    return img;
}

QImage gratulaBackground()
{
    const QSize size(850, 582);
    QImage img = paper(size, parchmentTone(10, 0.7f, 110), 0x5001);
    QPainter p(&img);
    prepare(p);
    const QFont script = serif(92, true, true);
    const QPainterPath heading = textPath(QStringLiteral("Gratulálunk!"), script, QPointF(72, 130));
    softShadow(p, heading, QPointF(2, 3), 4, QColor(60, 25, 10, 90));
    reliefText(p, heading, kHeadingInk, QColor(255, 240, 205, 160));
    // A pen flourish under the heading.
    QPainterPath swash;
    swash.moveTo(84, 156);
    swash.cubicTo(220, 140, 390, 170, 540, 150);
    swash.cubicTo(568, 146, 578, 158, 563, 162);
    QPainterPathStroker pen;
    pen.setWidth(2.2);
    pen.setCapStyle(Qt::RoundCap);
    p.fillPath(pen.createStroke(swash), QColor(107, 30, 20, 200));
    drawTrophy(p, 722, 110);
    p.end();
    grain(img, 0.012f, 0x5002);
    return img;
}

} // namespace art
