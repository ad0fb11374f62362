// Backgrounds of the player window and the settings window.
#include "assets/art/artgen.h"

#include <QPainterPath>

#include "assets/art/effects.h"
#include "assets/art/textures.h"

namespace art {

namespace {
const QColor kHeadingInk(0x6B1E14);

// A small photograph on a white card: a sepia head-and-shoulders portrait.
QImage portrait(QSize size)
{
    QImage card(size, QImage::Format_ARGB32_Premultiplied);
    card.fill(QColor(0xF6F2E8));
    QPainter p(&card);
    prepare(p);
    const QRectF photo = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(8, 8, -8, -22);
    QRadialGradient backdrop(photo.center() - QPointF(0, photo.height() * 0.15), photo.height() * 0.8);
    backdrop.setColorAt(0, QColor(0xD9BE91));
    backdrop.setColorAt(0.7, QColor(0xA98457));
    backdrop.setColorAt(1, QColor(0x6E5232));
    p.fillRect(photo, backdrop);
    p.setClipRect(photo);
    const qreal cx = photo.center().x(), w = photo.width();
    QPainterPath sitter;
    sitter.addEllipse(QPointF(cx, photo.top() + photo.height() * 0.4), w * 0.2, w * 0.25);
    QPainterPath shoulders;
    shoulders.moveTo(cx - w * 0.5, photo.bottom() + 2);
    shoulders.cubicTo(cx - w * 0.45, photo.bottom() - photo.height() * 0.3, cx - w * 0.2,
                      photo.top() + photo.height() * 0.62, cx, photo.top() + photo.height() * 0.62);
    shoulders.cubicTo(cx + w * 0.2, photo.top() + photo.height() * 0.62, cx + w * 0.45,
                      photo.bottom() - photo.height() * 0.3, cx + w * 0.5, photo.bottom() + 2);
    shoulders.closeSubpath();
    sitter.addPath(shoulders);
    sitter.setFillRule(Qt::WindingFill);
    const qreal top = photo.top(), h = photo.height();
    sitter.addRect(QRectF(cx - w * 0.09, top + h * 0.5, w * 0.18, h * 0.16)); // the neck
    QLinearGradient tone(photo.topLeft(), photo.bottomRight());
    tone.setColorAt(0, QColor(0x6B4A2C));
    tone.setColorAt(1, QColor(0x3A2616));
    p.fillPath(sitter, tone);
    // Light from the left rims the head and shoulder.
    p.save();
    const QPainterPath outline = sitter.simplified();
    p.setClipPath(outline, Qt::IntersectClip);
    p.strokePath(outline.translated(2, 1), QPen(QColor(230, 200, 150, 90), 2));
    p.restore();
    // Old prints fade towards their edges.
    QRadialGradient fade(photo.center(), photo.height() * 0.75);
    fade.setColorAt(0.6, QColor(246, 232, 200, 0));
    fade.setColorAt(1, QColor(246, 232, 200, 150));
    p.fillRect(photo, fade);
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.drawRect(photo.adjusted(-0.5, -0.5, 0.5, 0.5));
    return card;
}

// A wire paper clip, its rounded head at `at`, hanging along +y. The
// photo slips between its loops: the back loop is drawn before the photo,
// the front loop after it.
void paperClip(QPainter& p, QPointF at, qreal degrees, bool front)
{
    QPainterPath wire;
    if (front) {
        wire.moveTo(4, 14);
        wire.lineTo(4, 38);
        wire.arcTo(QRectF(4, 35, 6, 6), 180, 180);
        wire.lineTo(10, 6);
        wire.arcTo(QRectF(0, 1, 10, 10), 0, 180);
        wire.lineTo(0, 12);
    } else {
        wire.moveTo(0, 6);
        wire.lineTo(0, 46);
        wire.arcTo(QRectF(0, 40, 13, 12), 180, 180);
        wire.lineTo(13, 18);
    }
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(degrees);
    t.translate(-6, 0);
    QPainterPathStroker round;
    round.setWidth(2.2);
    round.setCapStyle(Qt::RoundCap);
    round.setJoinStyle(Qt::RoundJoin);
    QPainterPath metal = round.createStroke(t.map(wire));
    metal.setFillRule(Qt::WindingFill);
    softShadow(p, metal, QPointF(1.2, 2), 2, QColor(0, 0, 0, 130));
    raised(p, metal, QColor(0xB8BEC6), 1, 1.2f);
}
} // namespace

QImage playerBackground()
{
    const QSize size(600, 417);
    QImage img = shade(size, 0x6001, [](float x, float y) {
        return mix(hex(0x2A1C12), hex(0x4A3323), fbm(x / 120.0f, y / 120.0f, 5, 0x6002));
    });
    vignette(img, hex(0x0E0804), 0.9f, 0.3f, 0x6003);
    QPainter p(&img);
    prepare(p);
    const QRectF cardRect(24, 14, 552, 394);
    QPainterPath card;
    card.addRoundedRect(cardRect, 5, 5);
    paperSheet(p, card, parchmentTone(4, 0.5f, 45), 0x6004, QPointF(4, 7));

    const QFont heading = serif(40, true, true);
    const QPainterPath title = textPath(QStringLiteral("Játékos kiválasztása"), heading, QPointF(58, 80));
    softShadow(p, title, QPointF(1, 2), 3, QColor(60, 30, 10, 80));
    reliefText(p, title, kHeadingInk, QColor(255, 240, 205, 160));
    QLinearGradient rule(58, 0, 400, 0);
    rule.setColorAt(0, QColor(107, 30, 20, 190));
    rule.setColorAt(1, QColor(107, 30, 20, 0));
    p.fillRect(QRectF(60, 96, 340, 1.6), rule);

    // The portrait pinned to the card with a paper clip.
    const QImage photo = portrait({112, 136});
    QTransform tilt;
    tilt.translate(486, 122);
    tilt.rotate(5);
    QPainterPath photoShape;
    photoShape.addRect(QRectF(-56, -68, 112, 136));
    const QPointF clipAt(500, 34);
    paperClip(p, clipAt, -6, false);
    softShadow(p, tilt.map(photoShape), QPointF(3, 5), 6, QColor(40, 20, 0, 150));
    p.save();
    p.setTransform(tilt, true);
    p.drawImage(QPointF(-56, -68), photo);
    p.restore();
    paperClip(p, clipAt, -6, true);
    p.end();
    grain(img, 0.012f, 0x6005);
    return img;
}

namespace {
QPainterPath gear(QPointF c, qreal outer, qreal inner, int teeth)
{
    QPainterPath g;
    const int steps = teeth * 16;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        // Each tooth: a flat top and a flat root joined by short flanks.
        const qreal phase = std::fmod(a * teeth / (2 * M_PI), 1.0);
        const qreal lift = smoothstep(0.05f, 0.2f, float(phase)) - smoothstep(0.5f, 0.65f, float(phase));
        const qreal r = inner + (outer - inner) * lift;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        i == 0 ? g.moveTo(pt) : g.lineTo(pt);
    }
    g.closeSubpath();
    QPainterPath holes;
    holes.addEllipse(c, inner * 0.28, inner * 0.28);
    for (int k = 0; k < 5; ++k) {
        const qreal a = 2 * M_PI * k / 5 - M_PI / 2;
        holes.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * inner * 0.6, inner * 0.17, inner * 0.17);
    }
    return g.subtracted(holes);
}

// Stitches of pale thread around `box`, `gap` outside it.
void stitching(QPainter& p, QRectF box, qreal gap, qreal radius)
{
    QPainterPath seam;
    seam.addRoundedRect(box.adjusted(-gap, -gap, gap, gap), radius + gap, radius + gap);
    QPen holes(QColor(0, 0, 0, 120), 2.6, Qt::CustomDashLine, Qt::RoundCap);
    holes.setDashPattern({2.2, 2.4});
    p.strokePath(seam.translated(0.6, 0.9), holes);
    QPen thread(QColor(0xE6D5B0), 1.8, Qt::CustomDashLine, Qt::RoundCap);
    thread.setDashPattern({2.6, 2.4});
    p.strokePath(seam, thread);
}
} // namespace

QImage settingsBackground()
{
    const QSize size(401, 534);
    QImage img = leather(size, hex(0x2E2621), hex(0x4A3B31), 0x7001);
    vignette(img, hex(0x120D0A), 0.7f, 0.5f, 0x7002);
    QPainter p(&img);
    prepare(p);

    const QPainterPath title = textPath(QStringLiteral("Beállítások"), serif(42, true, true), QPointF(34, 78));
    softShadow(p, title, QPointF(2, 3), 4, QColor(0, 0, 0, 200));
    p.fillPath(title, QColor(0xFBF6EC));

    const QPainterPath cog = gear(QPointF(340, 62), 40, 32, 12);
    softShadow(p, cog, QPointF(2, 4), 5, QColor(0, 0, 0, 170));
    raised(p, cog, QColor(0xD9CBB2), 3, 1.0f);

    const QRectF panelRect(36, 134, 329, 300);
    QPainterPath panel;
    panel.addRoundedRect(panelRect, 12, 12);
    // Paler than the album's parchment, so the options read well.
    PaperTone pale = parchmentTone(3, 0.35f, 30);
    pale.light = hex(0xF6EEDD);
    pale.mid = hex(0xEADCC0);
    paperSheet(p, panel, pale, 0x7003, QPointF(3, 6));
    p.strokePath(panel, QPen(QColor(0, 0, 0, 110), 1));
    stitching(p, panelRect, 7, 12);
    p.end();
    grain(img, 0.012f, 0x7004);
    return img;
}

} // namespace art
