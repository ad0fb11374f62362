#include "assets/art/textures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "assets/art/effects.h"

namespace art {

namespace {
const Rgb kStain = hex(0x8A6A3F);

struct Blotch {
    float x, y, r, k;
    bool ring;
};

std::vector<Blotch> scatterBlotches(QSize size, int count, Rng& rng)
{
    std::vector<Blotch> out;
    const float scale = float(std::sqrt(double(size.width()) * size.height()) / 700.0);
    for (int i = 0; i < count; ++i) {
        Blotch b;
        b.x = float(rng.range(0, size.width()));
        b.y = float(rng.range(0, size.height()));
        b.r = float(rng.range(45, 150)) * scale;
        b.k = float(rng.range(0.05, 0.10));
        b.ring = rng.uniform() < 0.3;
        out.push_back(b);
    }
    return out;
}

float stainAt(const std::vector<Blotch>& blotches, float x, float y, float wobble)
{
    float s = 0;
    for (const Blotch& b : blotches) {
        const float dx = x - b.x, dy = y - b.y;
        const float d2 = (dx * dx + dy * dy) / (b.r * b.r);
        if (d2 > 4.0f)
            continue;
        if (b.ring) {
            // A dried drop: darker rim, lighter middle.
            const float d = std::sqrt(d2) + (wobble - 0.5f) * 0.12f;
            const float rim = (d - 1.0f) / 0.05f;
            s += b.k * (1.3f * std::exp(-rim * rim) + 0.35f * std::exp(-d2 * 2.0f));
        } else {
            s += b.k * std::exp(-d2 * 2.2f) * (0.55f + 0.9f * wobble);
        }
    }
    return s;
}
} // namespace

PaperTone parchmentTone(int blotches, float edge, float edgeWidth)
{
    return {hex(0xF3E3C3), hex(0xE2C99A), hex(0xB8925E), blotches, edge, edgeWidth};
}

PaperTone agedTone()
{
    return {hex(0xEBCB93), hex(0xD3A464), hex(0x9C6A33), 10, 0.7f, 110};
}

QImage paper(QSize size, const PaperTone& tone, uint32_t seed)
{
    Rng rng(seed);
    const auto blotches = scatterBlotches(size, tone.blotches, rng);
    const float w = float(size.width()), h = float(size.height());
    const Field cloud(size, 4, [&](float x, float y) { return fbm(x / 230.0f, y / 230.0f, 5, seed); });
    const Field ragged(size, 4, [&](float x, float y) { return fbm(x / 45.0f, y / 45.0f, 3, seed + 5); });
    const Field wobble(size, 4, [&](float x, float y) { return valueNoise(x / 28.0f, y / 28.0f, seed + 3); });
    QImage img = shade(size, seed, [&](float x, float y) {
        const float mottle = fbm(x / 22.0f, y / 22.0f, 3, seed + 7);
        Rgb c = mix(tone.mid, tone.light, smoothstep(0.25f, 0.75f, cloud.at(x, y)));
        c = c * (0.955f + 0.09f * mottle);
        c = mix(c, kStain, std::min(stainAt(blotches, x, y, wobble.at(x, y)), 0.55f));
        const float edgeDist = std::min(std::min(x, w - x), std::min(y, h - y));
        const float e = 1.0f - smoothstep(0.0f, tone.edgeWidth, edgeDist + ragged.at(x, y) * 40.0f - 12.0f);
        return mix(c, tone.dark, tone.edge * e * e);
    });
    fibres(img, QRectF(0, 0, w, h), int(w * h / 260.0f), tone.dark, seed + 11);
    return img;
}

void paperSheet(QPainter& p, const QPainterPath& shape, const PaperTone& tone, uint32_t seed, QPointF lift)
{
    const QRectF box = shape.boundingRect();
    softShadow(p, shape, lift, int(lift.y() * 1.7), QColor(0, 0, 0, 200));
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.drawImage(box.topLeft(), paper(box.size().toSize(), tone, seed));
    p.restore();
}

void fibres(QImage& img, QRectF area, int count, Rgb ink, uint32_t seed)
{
    Rng rng(seed);
    QPainter p(&img);
    prepare(p);
    for (int i = 0; i < count; ++i) {
        const QPointF a(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double angle = rng.range(0, 2 * M_PI), len = rng.range(3, 13);
        const QPointF dir(std::cos(angle) * len, std::sin(angle) * len);
        const QPointF bend(-dir.y() * rng.range(-0.25, 0.25), dir.x() * rng.range(-0.25, 0.25));
        QPainterPath f(a);
        f.quadTo(a + dir / 2 + bend, a + dir);
        const bool light = rng.uniform() < 0.45;
        p.setPen(QPen(light ? QColor(255, 250, 235, 14) : qcolor(ink, 9), rng.range(0.6, 1.2)));
        p.drawPath(f);
    }
}

QImage wood(QSize size, Rgb dark, Rgb light, uint32_t seed, bool vertical)
{
    // Smooth parts on coarse grids, in grain coordinates (across, along).
    auto grainSize = vertical ? size : size.transposed();
    const Field warp(grainSize, 4, [&](float a, float l) { return fbm(a / 70.0f, l / 260.0f, 3, seed) * 3.0f; });
    const Field figure(grainSize, 2, [&](float a, float l) { return fbm(a / 38.0f + warp.at(a, l), l / 420.0f, 4, seed + 1); });
    return shade(size, seed, [&](float x, float y) {
        const float across = vertical ? x : y, along = vertical ? y : x;
        const float bands = 0.5f + 0.5f * std::sin((figure.at(across, along) * 9.0f + across / 55.0f) * 6.2832f);
        const float pores = valueNoise(across / 1.3f, along / 26.0f, seed + 2);
        const float streak = valueNoise(across / 4.0f, along / 160.0f, seed + 3);
        const float t = 0.18f + 0.42f * bands * bands + 0.2f * streak + 0.12f * pores;
        return mix(dark, light, std::clamp(t, 0.0f, 1.0f));
    });
}

QImage leather(QSize size, Rgb dark, Rgb light, uint32_t seed)
{
    const Field tone(size, 4, [&](float x, float y) { return fbm(x / 95.0f, y / 95.0f, 4, seed + 1); });
    const Field warp(size, 3, [&](float x, float y) { return fbm(x / 30.0f, y / 30.0f, 3, seed + 2) * 0.6f; });
    const Field mask(size, 4, [&](float x, float y) {
        return smoothstep(0.5f, 0.68f, fbm(x / 60.0f, y / 60.0f, 3, seed + 4));
    });
    return shade(size, seed, [&](float x, float y) {
        // Pebbled grain: warped cells, so that no straight cell walls show.
        const float w = warp.at(x, y);
        const Cells pebble = worley(x / 5.0f + w * 2.5f, y / 5.0f - w * 2.5f, seed);
        const float crease = smoothstep(0.0f, 0.45f, pebble.f2 - pebble.f1);
        const float dome = 1.0f - std::min(pebble.f1, 1.0f);
        Rgb c = mix(dark, light, 0.15f + 0.75f * tone.at(x, y));
        c = c * (0.8f + 0.14f * crease + 0.1f * dome);
        // Cracks: the borders of large cells, kept only where a mask allows.
        const Cells big = worley(x / 85.0f + w, y / 85.0f - w, seed + 3);
        const float line = 1.0f - smoothstep(0.0f, 0.03f, big.f2 - big.f1);
        return mix(c, light * 1.4f, 0.7f * line * mask.at(x, y));
    });
}

QImage plaster(QSize size, uint32_t seed)
{
    // Hairline cracks: borders of large warped cells where a mask allows.
    const int w = size.width();
    std::vector<float> crack(size_t(w) * size.height());
    const Field warp(size, 2, [&](float x, float y) { return fbm(x / 25.0f, y / 25.0f, 3, seed + 3) * 0.7f; });
    const Field mask(size, 4, [&](float x, float y) {
        return smoothstep(0.45f, 0.6f, fbm(x / 80.0f, y / 80.0f, 2, seed + 5));
    });
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < w; ++x) {
            const float px = float(x), py = float(y), wx = warp.at(px, py);
            const Cells k = worley(px / 110.0f + wx, py / 110.0f + wx, seed + 4);
            crack[size_t(y) * w + x] = (1.0f - smoothstep(0.0f, 0.014f, k.f2 - k.f1)) * mask.at(px, py);
        }
    const Field cloud(size, 3, [&](float x, float y) { return fbm(x / 70.0f, y / 70.0f, 5, seed); });
    return shade(size, seed, [&](float x, float y) {
        const int ix = int(x), iy = int(y);
        const float fine = fbm(x / 2.5f, y / 2.5f, 2, seed + 1);
        Rgb c = mix(hex(0x7A7873), hex(0xB0AEA8), smoothstep(0.2f, 0.8f, cloud.at(x, y)));
        c = c * (0.93f + 0.11f * fine);
        if (hash01(ix, iy, seed + 2) < 0.003f)
            c = c * 0.8f;
        const float here = crack[size_t(iy) * w + ix];
        // The lower lip of a crack catches the light.
        const float above = ix > 0 && iy > 0 ? crack[size_t(iy - 1) * w + ix - 1] : 0.0f;
        return c * (1.0f - 0.45f * here) * (1.0f + 0.15f * std::max(0.0f, above - here));
    });
}

namespace {
// One damask medallion, drawn from its right half and mirrored.
QPainterPath damaskMotif(qreal w, qreal h)
{
    QPainterPath half;
    const qreal cx = 0, top = -h / 2, bottom = h / 2;
    half.moveTo(cx, top);
    half.cubicTo(w * 0.10, top + h * 0.14, w * 0.32, top + h * 0.16, w * 0.28, top + h * 0.30);
    half.cubicTo(w * 0.24, top + h * 0.40, w * 0.10, top + h * 0.36, w * 0.14, top + h * 0.28);
    half.cubicTo(w * 0.30, top + h * 0.40, w * 0.46, top + h * 0.52, w * 0.34, top + h * 0.68);
    half.cubicTo(w * 0.24, top + h * 0.80, w * 0.08, top + h * 0.84, cx, bottom);
    half.lineTo(cx, top);
    QPainterPath full = half;
    full.addPath(QTransform::fromScale(-1, 1).map(half));
    // The inner heart of the medallion cut out as a leaf shape.
    QPainterPath leaf;
    leaf.moveTo(0, top + h * 0.42);
    leaf.cubicTo(w * 0.16, top + h * 0.50, w * 0.12, top + h * 0.66, 0, top + h * 0.74);
    leaf.cubicTo(-w * 0.12, top + h * 0.66, -w * 0.16, top + h * 0.50, 0, top + h * 0.42);
    return full.simplified().subtracted(leaf);
}

QPainterPath damaskSprig(qreal s)
{
    QPainterPath p;
    for (int i = 0; i < 4; ++i) {
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(s * 0.35, -s * 0.2, s * 0.35, -s * 0.8, 0, -s);
        petal.cubicTo(-s * 0.35, -s * 0.8, -s * 0.35, -s * 0.2, 0, 0);
        p.addPath(QTransform().rotate(90.0 * i).map(petal));
    }
    return p.simplified();
}
} // namespace

QImage damask(QSize size, Rgb ground, Rgb motif, uint32_t seed)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(qcolor(ground));
    {
        QPainter p(&img);
        prepare(p);
        const qreal cw = 112, ch = 150;
        const QPainterPath medal = damaskMotif(cw * 0.8, ch * 0.8);
        const QPainterPath sprig = damaskSprig(14);
        for (int row = -1; row * ch / 2 < size.height() + ch; ++row)
            for (int col = -1; col * cw < size.width() + cw; ++col) {
                const QPointF at(col * cw + (row % 2 ? cw / 2 : 0), row * ch / 2);
                const QPainterPath m = (row % 2 ? sprig : medal).translated(at);
                p.fillPath(m.translated(0.8, 0.8), QColor(0, 0, 0, 40));
                p.fillPath(m, qcolor(motif));
            }
    }
    // The weave and the uneven dye of the cloth.
    reshade(img, seed, [&](Rgb c, float x, float y) {
        const float weave = 0.97f + 0.03f * std::sin(y * 2.1f) + 0.02f * std::sin(x * 1.7f);
        return c * (weave * (0.88f + 0.2f * fbm(x / 80.0f, y / 80.0f, 4, seed + 1)));
    });
    return img;
}

void vignette(QImage& img, Rgb colour, float strength, float inner, uint32_t seed)
{
    const float hw = img.width() / 2.0f, hh = img.height() / 2.0f;
    reshade(img, seed, [&](Rgb c, float x, float y) {
        const float d = std::hypot((x - hw) / hw, (y - hh) / hh);
        return mix(c, colour, strength * smoothstep(inner, 1.45f, d));
    });
}

void grain(QImage& img, float amount, uint32_t seed)
{
    reshade(img, seed, [&](Rgb c, float x, float y) {
        const float n = (hash01(int(x), int(y), seed + 9) - 0.5f) * amount;
        return c + Rgb{n, n, n};
    });
}

} // namespace art
