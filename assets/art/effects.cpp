#include "assets/art/effects.h"

#include "assets/art/noise.h"

#include <QFontInfo>
#include <QtMath>
#include <vector>

namespace art {

const Metal gold{QColor(0x7A5A12), QColor(0xC9A13B), QColor(0xF6E27A)};
const Metal silver{QColor(0x7D848C), QColor(0xD9DDE2), QColor(0xFFFFFF)};

namespace {

// A coverage mask in floating point, blurred and then tinted.
struct Mask {
    int w, h;
    std::vector<float> a;
};

void boxRows(Mask& m, int r)
{
    std::vector<float> line(m.w);
    const float inv = 1.0f / float(2 * r + 1);
    for (int y = 0; y < m.h; ++y) {
        float* row = &m.a[size_t(y) * m.w];
        std::copy(row, row + m.w, line.begin());
        float s = 0;
        for (int i = 0; i <= r && i < m.w; ++i)
            s += line[i];
        for (int x = 0; x < m.w; ++x) {
            row[x] = s * inv;
            if (x - r >= 0)
                s -= line[x - r];
            if (x + r + 1 < m.w)
                s += line[x + r + 1];
        }
    }
}

void boxColumns(Mask& m, int r)
{
    const std::vector<float> src = m.a;
    std::vector<float> sum(m.w, 0.0f);
    const float inv = 1.0f / float(2 * r + 1);
    for (int y = 0; y <= r && y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            sum[x] += src[size_t(y) * m.w + x];
    for (int y = 0; y < m.h; ++y) {
        float* row = &m.a[size_t(y) * m.w];
        const float* out = y - r >= 0 ? &src[size_t(y - r) * m.w] : nullptr;
        const float* in = y + r + 1 < m.h ? &src[size_t(y + r + 1) * m.w] : nullptr;
        for (int x = 0; x < m.w; ++x) {
            row[x] = sum[x] * inv;
            if (out)
                sum[x] -= out[x];
            if (in)
                sum[x] += in[x];
        }
    }
}

// Three passes of a box approximate a Gaussian of deviation `radius / 2`.
void blurMask(Mask& m, int radius)
{
    if (radius <= 0)
        return;
    const int r = std::max(1, int(std::lround(radius / 2.0)));
    for (int pass = 0; pass < 3; ++pass) {
        boxRows(m, r);
        boxColumns(m, r);
    }
}

// The antialiased coverage of `path` within `box`.
Mask coverage(const QPainterPath& path, QRect box, bool inverted)
{
    QImage cover(box.size(), QImage::Format_Alpha8);
    cover.fill(0);
    {
        QPainter lp(&cover);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.translate(-box.topLeft());
        lp.fillPath(path, Qt::black);
    }
    Mask m{box.width(), box.height(), {}};
    m.a.resize(size_t(m.w) * m.h);
    for (int y = 0; y < m.h; ++y) {
        const uchar* line = cover.constScanLine(y);
        for (int x = 0; x < m.w; ++x)
            m.a[size_t(y) * m.w + x] = inverted ? 1.0f - line[x] / 255.0f : line[x] / 255.0f;
    }
    return m;
}

// The blurred coverage of `path` (or of all but `path`) in a box around it,
// tinted with `colour`.
QImage shadowLayer(const QPainterPath& path, QRect& box, int radius, QColor colour, bool inverted)
{
    const int pad = 3 * radius + 2;
    box = path.boundingRect().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    Mask m = coverage(path, box, inverted);
    blurMask(m, radius);
    QImage layer(box.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < m.h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < m.w; ++x) {
            const float k = std::clamp(m.a[size_t(y) * m.w + x], 0.0f, 1.0f) * float(colour.alphaF());
            line[x] = qRgba(int(colour.red() * k + 0.5f), int(colour.green() * k + 0.5f),
                            int(colour.blue() * k + 0.5f), int(255 * k + 0.5f));
        }
    }
    return layer;
}

} // namespace

void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, int radius, QColor colour)
{
    QRect box;
    const QImage layer = shadowLayer(path, box, radius, colour, false);
    p.drawImage(QPointF(box.topLeft()) + offset, layer);
}

void innerShadow(QPainter& p, const QPainterPath& path, QPointF offset, int radius, QColor colour)
{
    QRect box;
    const QImage layer = shadowLayer(path.translated(offset), box, radius, colour, true);
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    p.drawImage(QPointF(box.topLeft()), layer);
    p.restore();
}

void raised(QPainter& p, const QPainterPath& path, const QBrush& fill, int softness, float strength)
{
    const int pad = 2 * softness + 2;
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    const Mask cover = coverage(path, box, false);
    Mask height = cover;
    blurMask(height, softness);

    QImage layer(box.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.translate(-box.topLeft());
        lp.fillPath(path, fill);
    }
    // Light falls from the upper left: slopes facing it brighten, the others
    // darken; flat tops keep the fill.
    const int w = box.width(), h = box.height();
    const float gain = strength * float(softness);
    for (int y = 1; y < h - 1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        const float* row = &height.a[size_t(y) * w];
        for (int x = 1; x < w - 1; ++x) {
            const int a = qAlpha(line[x]);
            if (a == 0)
                continue;
            const float dx = row[x + 1] - row[x - 1], dy = row[x + w] - row[x - w];
            const float lit = std::clamp((dx * 0.6f + dy * 0.8f) * gain, -1.0f, 1.0f);
            const int target = lit > 0 ? a : 0;
            const float k = std::abs(lit);
            auto ch = [&](int v) { return int(v + (target - v) * k + 0.5f); };
            line[x] = qRgba(ch(qRed(line[x])), ch(qGreen(line[x])), ch(qBlue(line[x])), a);
        }
    }
    p.drawImage(box.topLeft(), layer);
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont serif(qreal pixelSize, bool bold, bool italic)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    f.setPixelSize(int(std::lround(pixelSize)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath textPath(const QString& text, const QFont& font, QPointF origin)
{
    QPainterPath path;
    path.addText(origin, font, text);
    return path;
}

void reliefText(QPainter& p, const QPainterPath& text, QColor ink, QColor relief)
{
    p.fillPath(text.translated(1, 1), relief);
    p.fillPath(text, ink);
}

void tapeStrip(QPainter& p, QPointF centre, qreal degrees, QSizeF size, Rng& rng)
{
    const qreal w = size.width() / 2, h = size.height() / 2;
    // Torn ends: a few small random teeth across each short side.
    QPolygonF poly;
    poly << QPointF(-w, -h) << QPointF(w, -h);
    const int teeth = 6;
    for (int i = 1; i < teeth; ++i)
        poly << QPointF(w + rng.range(-2.2, 1.2), -h + 2 * h * i / teeth);
    poly << QPointF(w, h) << QPointF(-w, h);
    for (int i = teeth - 1; i > 0; --i)
        poly << QPointF(-w + rng.range(-1.2, 2.2), -h + 2 * h * i / teeth);

    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    QPainterPath strip;
    strip.addPolygon(t.map(poly));
    strip.closeSubpath();

    softShadow(p, strip, QPointF(1, 2), 3, QColor(40, 25, 10, 45));
    QLinearGradient sheen(t.map(QPointF(0, -h)), t.map(QPointF(0, h)));
    sheen.setColorAt(0.0, QColor(255, 253, 244, 150));
    sheen.setColorAt(0.5, QColor(246, 240, 222, 125));
    sheen.setColorAt(1.0, QColor(236, 228, 206, 145));
    p.fillPath(strip, sheen);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
    p.drawLine(t.map(QLineF(-w + 2, -h + 0.8, w - 2, -h + 0.8)));
    p.setPen(Qt::NoPen);
}

QLinearGradient metalBar(QPointF from, QPointF to, const Metal& m)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.00, m.shadow);
    g.setColorAt(0.18, m.base);
    g.setColorAt(0.32, m.light);
    g.setColorAt(0.45, m.base);
    g.setColorAt(0.80, m.shadow.lighter(125));
    g.setColorAt(1.00, m.shadow);
    return g;
}

QRadialGradient metalDisc(QPointF centre, qreal radius, const Metal& m)
{
    QRadialGradient g(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    g.setColorAt(0.0, m.light);
    g.setColorAt(0.45, m.base);
    g.setColorAt(0.9, m.shadow.lighter(115));
    g.setColorAt(1.0, m.shadow);
    return g;
}

} // namespace art
