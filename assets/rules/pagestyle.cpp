#include "pagestyle.h"

#include "noise.h"

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

void parchment(QImage& img, std::uint32_t seed)
{
    const QColor light(0xF3, 0xE3, 0xC3), mid(0xE2, 0xC9, 0x9A);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double n = fractalNoise(x / 90.0, y / 90.0, 5, seed);
            const double fine = valueNoise(x / 2.5, y / 2.5, seed + 7);
            const double t = std::clamp(0.15 + 0.9 * (n - 0.35), 0.0, 1.0);
            const double shade = 1.0 + 0.02 * (fine - 0.5);
            auto mix = [&](int a, int b) { return qBound(0, int(std::lround((a * (1 - t) + b * t) * shade)), 255); };
            line[x] = qRgb(mix(light.red(), mid.red()), mix(light.green(), mid.green()), mix(light.blue(), mid.blue()));
        }
    }
}

} // namespace

QImage blankPage(std::uint32_t seed)
{
    QImage img(kPageWidth, kPageHeight, QImage::Format_RGB32);
    parchment(img, seed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // A few large soft stains.
    Rng rng(seed);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(rng.uniform(0, kPageWidth), rng.uniform(0, kPageHeight));
        const double r = rng.uniform(60, 160);
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(0x8A, 0x6A, 0x3F, 18));
        g.setColorAt(0.7, QColor(0x8A, 0x6A, 0x3F, 10));
        g.setColorAt(1, QColor(0x8A, 0x6A, 0x3F, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r * rng.uniform(0.6, 1.0));
    }
    // Fibres.
    for (int i = 0; i < 500; ++i) {
        const QPointF a(rng.uniform(0, kPageWidth), rng.uniform(0, kPageHeight));
        const double ang = rng.uniform(0, M_PI);
        const double len = rng.uniform(3, 10);
        p.setPen(QPen(QColor(0x8A, 0x6A, 0x3F, 9), 0.8));
        p.drawLine(a, a + QPointF(std::cos(ang) * len, std::sin(ang) * len));
    }
    // Darkened edges.
    QRadialGradient vignette(QPointF(kPageWidth / 2.0, kPageHeight / 2.0), kPageWidth * 0.62);
    vignette.setColorAt(0.55, QColor(0xB8, 0x92, 0x5E, 0));
    vignette.setColorAt(1.0, QColor(0x8A, 0x6A, 0x3F, 70));
    p.setPen(Qt::NoPen);
    p.fillRect(img.rect(), vignette);
    // The pale panel, slightly raised from the parchment.
    QPainterPath panel;
    panel.addRoundedRect(kPanel, 18, 18);
    p.fillPath(panel.translated(0, 2), QColor(0x8A, 0x6A, 0x3F, 28));
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
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(topLeft, picture.size());
    for (int i = 6; i >= 1; --i) { // soft shadow down and right
        QPainterPath s;
        s.addRoundedRect(r.adjusted(-i + 3, -i + 4, i + 3, i + 4), i + 1, i + 1);
        p.fillPath(s, QColor(0x3B, 0x2A, 0x1E, 9));
    }
    p.drawImage(topLeft, picture);
    p.setPen(QPen(QColor(0x5A, 0x3E, 0x2B), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.restore();
}

} // namespace rules
