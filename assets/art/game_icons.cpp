// The small pictures of the game window's panels and its pause banner.
#include "assets/art/artgen.h"

#include <QPainterPath>

#include "assets/art/effects.h"
#include "assets/art/emblems.h"
#include "assets/art/textures.h"

namespace art {

namespace {
const QColor kHeadingInk(0x6B1E14);
const QColor kBodyInk(0x2B1D14);

void helpGlyph(QPainter& p, QSizeF s) { drawHelpButton(p, QPointF(s.width() / 2, 28.5), 25); }
void clockGlyph(QPainter& p, QSizeF) { drawClock(p, QPointF(29, 26), 22.5, gameClock()); }
void warningGlyph(QPainter& p, QSizeF) { drawWarningBadge(p, QPointF(20, 18.5), 15.5); }

// A blue rounded square with the white pause sign.
void pauseSign(QPainter& p, QRectF box)
{
    QPainterPath tile;
    tile.addRoundedRect(box, box.width() * 0.22, box.width() * 0.22);
    softShadow(p, tile, QPointF(2, 4), 6, QColor(10, 15, 40, 150));
    QLinearGradient blue(box.topLeft(), box.bottomLeft());
    blue.setColorAt(0, QColor(0x5C9BE8));
    blue.setColorAt(0.55, QColor(0x2F6FC6));
    blue.setColorAt(1, QColor(0x1B4A92));
    p.fillPath(tile, blue);
    p.strokePath(tile, QPen(QColor(0x123366), 1.2));
    const qreal barW = box.width() * 0.17, barH = box.height() * 0.48, gap = box.width() * 0.14;
    QPainterPath bars;
    for (int side : {-1, 1}) {
        const qreal x = box.center().x() + side * (gap / 2 + barW / 2) - barW / 2;
        bars.addRoundedRect(QRectF(x, box.center().y() - barH / 2, barW, barH), barW * 0.3, barW * 0.3);
    }
    softShadow(p, bars, QPointF(0, 1.5), 2, QColor(5, 20, 60, 140));
    p.fillPath(bars, Qt::white);
    // Gloss over the upper half of the tile.
    QPainterPath shine;
    shine.addRoundedRect(box.adjusted(3, 3, -3, -box.height() * 0.5), box.width() * 0.18, box.width() * 0.18);
    QLinearGradient g(box.topLeft(), QPointF(box.left(), box.center().y()));
    g.setColorAt(0, QColor(255, 255, 255, 110));
    g.setColorAt(1, QColor(255, 255, 255, 10));
    p.fillPath(shine, g);
}

// A thin rule with a diamond in its middle, as printers set between lines.
void flourish(QPainter& p, QPointF centre, qreal halfWidth, QColor ink)
{
    QLinearGradient fade(centre - QPointF(halfWidth, 0), centre + QPointF(halfWidth, 0));
    QColor clear = ink;
    clear.setAlpha(0);
    fade.setColorAt(0, clear);
    fade.setColorAt(0.5, ink);
    fade.setColorAt(1, clear);
    p.setPen(QPen(QBrush(fade), 1.1));
    p.drawLine(centre - QPointF(halfWidth, 0), centre + QPointF(halfWidth, 0));
    QPainterPath d;
    d.moveTo(centre + QPointF(0, -4));
    d.lineTo(centre + QPointF(5, 0));
    d.lineTo(centre + QPointF(0, 4));
    d.lineTo(centre + QPointF(-5, 0));
    d.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(d, ink);
}
} // namespace

QImage helpButton(bool active) { return panelIcon({60, 62}, !active, helpGlyph); }
QImage clockIcon() { return panelIcon({60, 54}, false, clockGlyph); }
QImage warningIcon() { return panelIcon({40, 40}, false, warningGlyph); }

QImage pauseBanner()
{
    const QSize size(400, 210);
    QImage img = paper(size, parchmentTone(), 0x3001);
    vignette(img, hex(0x2A1B10), 0.85f, 0.55f, 0x3002);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(QColor(60, 35, 15, 110), 1));
    p.drawRect(QRectF(7.5, 7.5, size.width() - 15, size.height() - 15));
    p.drawRect(QRectF(10.5, 10.5, size.width() - 21, size.height() - 21));

    drawClock(p, QPointF(96, 96), 60, gameClock());
    pauseSign(p, QRectF(104, 108, 66, 66));

    const QFont big = serif(64, true, true);
    const QString word = QStringLiteral("Szünet");
    const qreal cx = 288;
    const QPainterPath title = textPath(word, big, QPointF(cx - QFontMetricsF(big).horizontalAdvance(word) / 2, 110));
    softShadow(p, title, QPointF(1, 2), 3, QColor(60, 30, 10, 90));
    reliefText(p, title, kHeadingInk, QColor(255, 240, 205, 150));
    flourish(p, QPointF(cx, 129), 82, QColor(107, 30, 20, 170));
    const QFont small = serif(17, false, true);
    p.setFont(small);
    p.setPen(kBodyInk);
    p.drawText(QRectF(cx - 110, 138, 220, 24), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Kattints ide a folytatáshoz!"));
    p.end();
    grain(img, 0.012f, 0x3003);
    return img;
}

} // namespace art
