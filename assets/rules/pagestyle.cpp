#include "pagestyle.h"

#include "assets/art/effects.h"
#include "assets/art/textures.h"

#include <QPainterPath>
#include <QTextLayout>
#include <cmath>

namespace rules {

namespace {

QFont bodyFont()
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(17);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

const QRectF kPanel(12, 10, kPageWidth - 24, kPlainFrom - 18);

} // namespace

QImage blankPage(std::uint32_t seed)
{
    // The album's parchment, as on the game's other windows.
    QImage img = art::paper(QSize(kPageWidth, kPageHeight), art::parchmentTone(5, 0.5f, 60), seed)
                     .convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    art::prepare(p);
    // The pale panel, slightly raised from the parchment.
    QPainterPath panel;
    panel.addRoundedRect(kPanel, 18, 18);
    art::softShadow(p, panel, QPointF(0, 2), 5, QColor(0x8A, 0x6A, 0x3F, 70));
    QLinearGradient fill(kPanel.topLeft(), kPanel.bottomRight());
    fill.setColorAt(0, QColor(255, 250, 238, 205));
    fill.setColorAt(1, QColor(250, 240, 220, 190));
    p.fillPath(panel, fill);
    p.setPen(QPen(QColor(0xB8, 0x92, 0x5E, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panel);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawRoundedRect(kPanel.adjusted(3, 3, -3, -3), 15, 15);
    return img;
}

void drawHeading(QPainter& p, const QString& text)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(38);
    f.setBold(true);
    f.setItalic(true);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    const QPointF at(34, 54);
    p.setPen(QColor(255, 250, 236, 200)); // engraved: a light edge below
    p.drawText(at + QPointF(1, 1), text);
    p.setPen(kInk);
    p.drawText(at, text);
    // A short flourish under the heading.
    const double w = QFontMetricsF(f).horizontalAdvance(text);
    QLinearGradient g(at.x(), 0, at.x() + w + 40, 0);
    g.setColorAt(0, QColor(kInk.red(), kInk.green(), kInk.blue(), 170));
    g.setColorAt(1, QColor(kInk.red(), kInk.green(), kInk.blue(), 0));
    p.setPen(QPen(QBrush(g), 1.4));
    p.drawLine(QPointF(at.x() + 2, at.y() + 9), QPointF(at.x() + w + 40, at.y() + 9));
    p.restore();
}

namespace {

// Lays the text out in lines of `width`; the lines are returned positioned.
void layout(QTextLayout& tl, int width)
{
    QTextOption opt;
    opt.setWrapMode(QTextOption::WordWrap);
    // Narrow columns would open wide gaps (or spread single words letter by
    // letter) when justified.
    opt.setAlignment(width >= 320 ? Qt::AlignJustify : Qt::AlignLeft);
    tl.setTextOption(opt);
    tl.setFont(bodyFont());
    tl.beginLayout();
    qreal y = 0;
    const qreal lead = 3;
    for (QTextLine line = tl.createLine(); line.isValid(); line = tl.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height() + lead;
    }
    tl.endLayout();
}

int bulletIndent(const QString& bullet)
{
    return bullet.isEmpty() ? 0 : int(std::ceil(QFontMetricsF(bodyFont()).horizontalAdvance(bullet + QLatin1Char(' '))));
}

} // namespace

int paragraphHeight(int width, const QString& text, const QString& bullet)
{
    QTextLayout tl(text);
    layout(tl, width - bulletIndent(bullet));
    const QTextLine last = tl.lineAt(tl.lineCount() - 1);
    return int(std::ceil(last.y() + last.height()));
}

int drawParagraph(QPainter& p, int x, int top, int width, const QString& text, const QString& bullet)
{
    const int indent = bulletIndent(bullet);
    QTextLayout tl(text);
    layout(tl, width - indent);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kInk);
    if (!bullet.isEmpty()) {
        p.setFont(bodyFont());
        p.drawText(QPointF(x, top + tl.lineAt(0).ascent()), bullet);
    }
    tl.draw(&p, QPointF(x + indent, top));
    p.restore();
    return top + paragraphHeight(width, text, bullet);
}

void drawMounted(QPainter& p, QPoint topLeft, const QImage& picture)
{
    p.save();
    const QRectF r(topLeft, picture.size());
    QPainterPath outline;
    outline.addRect(r);
    art::softShadow(p, outline, QPointF(3, 4), 6, QColor(0x3B, 0x2A, 0x1E, 110));
    p.drawImage(topLeft, picture);
    p.setPen(QPen(QColor(0x5A, 0x3E, 0x2B), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
}

} // namespace rules
