#pragma once
// Per-pixel shading in floating point, quantised with a little dither so
// that wide, gentle gradients show no bands.
#include <QColor>
#include <QImage>
#include <QSize>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "assets/art/noise.h"

namespace art {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

constexpr Rgb hex(uint32_t v)
{
    return {float((v >> 16) & 0xFF) / 255.0f, float((v >> 8) & 0xFF) / 255.0f, float(v & 0xFF) / 255.0f};
}
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
inline QColor qcolor(Rgb c, int alpha = 255)
{
    auto q = [](float v) { return std::clamp(int(v * 255.0f + 0.5f), 0, 255); };
    return QColor(q(c.r), q(c.g), q(c.b), alpha);
}
inline Rgb fromQColor(QRgb c) { return {qRed(c) / 255.0f, qGreen(c) / 255.0f, qBlue(c) / 255.0f}; }

// One 8-bit channel with triangular dither of about one step.
inline int quantise(float v, int x, int y, uint32_t seed)
{
    const float d = hash01(x, y, seed) + hash01(x, y, seed ^ 0xA5A5A5A5u) - 1.0f;
    return std::clamp(int(v * 255.0f + 0.5f + d), 0, 255);
}

inline QRgb quantise(Rgb c, int x, int y, uint32_t seed)
{
    return qRgb(quantise(c.r, x, y, seed), quantise(c.g, x, y, seed + 1), quantise(c.b, x, y, seed + 2));
}

// A smooth field sampled every `step` pixels and interpolated in between:
// low-frequency noise costs a fraction of its per-pixel price this way.
class Field {
public:
    template <class F>
    Field(QSize size, int step, F f)
        : step_(step), cols_(size.width() / step + 2), rows_(size.height() / step + 2)
    {
        values_.resize(size_t(cols_) * rows_);
        for (int j = 0; j < rows_; ++j)
            for (int i = 0; i < cols_; ++i)
                values_[size_t(j) * cols_ + i] = f(float(i * step), float(j * step));
    }
    float at(float x, float y) const
    {
        const float gx = std::clamp(x / step_, 0.0f, cols_ - 1.001f), gy = std::clamp(y / step_, 0.0f, rows_ - 1.001f);
        const int i = int(gx), j = int(gy);
        const float u = gx - i, v = gy - j;
        const float* r0 = &values_[size_t(j) * cols_ + i];
        const float* r1 = r0 + cols_;
        return (r0[0] + (r0[1] - r0[0]) * u) * (1 - v) + (r1[0] + (r1[1] - r1[0]) * u) * v;
    }

private:
    int step_, cols_, rows_;
    std::vector<float> values_;
};

// Builds an opaque picture from a colour function of the pixel centre.
template <class F>
QImage shade(QSize size, uint32_t seed, F colourAt)
{
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = quantise(colourAt(float(x) + 0.5f, float(y) + 0.5f), x, y, seed);
    }
    return img;
}

// Reworks an opaque picture pixel by pixel: f(colour, x, y) -> colour.
template <class F>
void reshade(QImage& img, uint32_t seed, F f)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = quantise(f(fromQColor(line[x]), float(x) + 0.5f, float(y) + 0.5f), x, y, seed);
    }
}

} // namespace art
