// Backgrounds of the start window and the about window, both carrying the
// game's title.
#include "assets/art/artgen.h"

#include <QPainterPath>

#include "assets/art/effects.h"
#include "assets/art/textures.h"
#include "assets/art/title.h"

namespace art {

namespace {

// One line-drawn flower: petals round a heart, on a curving stem with
// two leaves, as on old botanical prints.
void flower(QPainter& p, QPointF head, qreal size, int petals, qreal turn, QPointF root)
{
    QPainterPath stem;
    stem.moveTo(root);
    const QPointF mid = (root + head) / 2 + QPointF(size * 0.6, 0);
    stem.quadTo(mid, head);
    p.drawPath(stem);
    for (int side : {-1, 1}) {
        const QPointF base = root + (head - root) * (side < 0 ? 0.45 : 0.65);
        const QPointF tip = base + QPointF(side * size * 1.1, -size * 0.5);
        const QPointF bulge(-(tip - base).y() * 0.35, (tip - base).x() * 0.35);
        QPainterPath leaf;
        leaf.moveTo(base);
        leaf.quadTo((base + tip) / 2 + bulge, tip);
        leaf.quadTo((base + tip) / 2 - bulge, base);
        leaf.moveTo(base);
        leaf.lineTo((base + tip) / 2 + bulge * 0.15);
        p.drawPath(leaf);
    }
    for (int i = 0; i < petals; ++i) {
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(size * 0.45, -size * 0.2, size * 0.4, -size * 0.9, 0, -size);
        petal.cubicTo(-size * 0.4, -size * 0.9, -size * 0.45, -size * 0.2, 0, 0);
        QTransform t;
        t.translate(head.x(), head.y());
        t.rotate(turn + 360.0 * i / petals);
        p.drawPath(t.map(petal));
    }
    p.drawEllipse(head, size * 0.18, size * 0.18);
}

// A faint flower print laid over the lower part of the paper.
void flowerMotif(QImage& img, int fadeFrom, int fadeTo, uint32_t seed)
{
    QImage layer(img.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        prepare(p);
        p.setPen(QPen(QColor(0x8A6A3F), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Rng rng(seed);
        const qreal w = img.width(), h = img.height();
        // One flower to each strip of the width, at varied heights.
        const int count = 8;
        for (int i = 0; i < count; ++i) {
            const qreal rise = (i % 2 ? 0.15 : 0.55) + rng.range(0, 0.3);
            const QPointF head((i + 0.5) * w / count + rng.range(-12, 12), h - 40 - rise * (h - 40 - fadeFrom));
            const qreal size = rng.range(18, 34);
            const QPointF root(head.x() + rng.range(-40, 40), h + 20);
            flower(p, head, size, 5 + rng.below(4), rng.range(0, 72), root);
        }
    }
    QPainter p(&img);
    // Fade the print in below `fadeFrom`, fully there from `fadeTo`.
    QPainter lp(&layer);
    lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    QLinearGradient fade(0, fadeFrom, 0, fadeTo);
    fade.setColorAt(0, QColor(0, 0, 0, 0));
    fade.setColorAt(1, QColor(0, 0, 0, 255));
    lp.fillRect(layer.rect(), fade);
    lp.end();
    p.setOpacity(0.26);
    p.drawImage(0, 0, layer);
}

// A rolled end of the scroll: a paper cylinder with spiral ends.
void scrollRoll(QPainter& p, QRectF roll, uint32_t seed)
{
    const qreal r = roll.height() / 2;
    QPainterPath body;
    body.addRoundedRect(roll, r * 0.45, r);
    softShadow(p, body, QPointF(2, 5), 7, QColor(0, 0, 0, 170));
    p.save();
    p.setClipPath(body);
    p.drawImage(roll.topLeft(), paper(roll.size().toSize(), parchmentTone(), seed));
    QLinearGradient cylinder(roll.topLeft(), roll.bottomLeft());
    cylinder.setColorAt(0.0, QColor(60, 35, 10, 150));
    cylinder.setColorAt(0.3, QColor(255, 245, 220, 40));
    cylinder.setColorAt(0.45, QColor(255, 250, 235, 70));
    cylinder.setColorAt(0.75, QColor(60, 35, 10, 60));
    cylinder.setColorAt(1.0, QColor(40, 20, 5, 190));
    p.fillRect(roll, cylinder);
    p.restore();
    // The wound-up ends seen edge on.
    for (qreal x : {roll.left() + r * 0.45, roll.right() - r * 0.45}) {
        const QPointF c(x, roll.center().y());
        QPainterPath end;
        end.addEllipse(c, r * 0.45, r);
        p.fillPath(end, QColor(0xD8BE90));
        p.setPen(QPen(QColor(110, 75, 35, 170), 1));
        for (int turn = 1; turn <= 4; ++turn)
            p.drawEllipse(c + QPointF(0, r * 0.05 * turn), r * 0.45 * turn / 4.6, r * turn / 4.6);
        p.setPen(QPen(QColor(90, 60, 25, 200), 1.2));
        p.drawPath(end);
        p.setPen(Qt::NoPen);
    }
}

} // namespace

QImage startBackground()
{
    const QSize size(400, 593);
    QImage img = paper(size, parchmentTone(12, 0.75f, 90), 0x8001);
    flowerMotif(img, 290, 380, 0x8002);
    QPainter p(&img);
    prepare(p);
    drawGameTitle(p, size.width() / 2.0, 156, 330, QColor(0x5A4636));
    p.end();
    grain(img, 0.012f, 0x8003);
    return img;
}

QImage aboutBackground()
{
    const QSize size(574, 760);
    QImage img = damask(size, hex(0x2E1F16), hex(0x4E3726), 0x9001);
    vignette(img, hex(0x0E0805), 0.8f, 0.45f, 0x9002);
    QPainter p(&img);
    prepare(p);

    const QRectF sheet(42, 40, 482, 630);
    QPainterPath sheetShape;
    sheetShape.addRect(sheet);
    paperSheet(p, sheetShape, parchmentTone(7, 0.6f, 40), 0x9003, QPointF(4, 6));
    // The rolls shade the sheet where it leaves them.
    for (const auto& [y0, y1] : {std::pair{sheet.top(), sheet.top() + 28}, std::pair{sheet.bottom(), sheet.bottom() - 28}}) {
        QLinearGradient near(0, y0, 0, y1);
        near.setColorAt(0, QColor(50, 25, 5, 120));
        near.setColorAt(1, QColor(50, 25, 5, 0));
        p.fillRect(QRectF(sheet.left(), std::min(y0, y1), sheet.width(), 28), near);
    }
    scrollRoll(p, QRectF(24, 16, 526, 40), 0x9004);
    scrollRoll(p, QRectF(24, 652, 526, 44), 0x9005);

    drawGameTitle(p, (size.width() - 8) / 2.0, 118, 290, QColor(0x6E6E6E));
    p.end();
    grain(img, 0.012f, 0x9006);
    return img;
}

} // namespace art
