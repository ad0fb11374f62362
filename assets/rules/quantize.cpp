#include "quantize.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace rules {

namespace {

// A colour shared by at least this many pixels is kept exact.
constexpr int kFrequentPixels = 48;

struct Bin {
    std::array<double, 3> sum{}; // colour sums of the pixels in the bin
    double count = 0;
    std::array<double, 3> mean() const { return {sum[0] / count, sum[1] / count, sum[2] / count}; }
};

// Histogram on 5 bits per channel: small enough to cut and refine quickly,
// fine enough that dithering hides the rest.
std::vector<Bin> histogram(const QImage& rgb, const QHash<QRgb, bool>& skip)
{
    std::vector<Bin> bins(32 * 32 * 32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (skip.contains(line[x] | 0xFF000000))
                continue;
            const int r = qRed(line[x]), g = qGreen(line[x]), b = qBlue(line[x]);
            Bin& bin = bins[(r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)];
            bin.sum[0] += r;
            bin.sum[1] += g;
            bin.sum[2] += b;
            bin.count += 1;
        }
    }
    bins.erase(std::remove_if(bins.begin(), bins.end(), [](const Bin& b) { return b.count == 0; }), bins.end());
    return bins;
}

struct Box {
    std::vector<const Bin*> bins;
    double weight = 0;   // pixels times spread: the box most worth cutting
    int axis = 0;
};

void measure(Box& box)
{
    std::array<double, 3> lo{255, 255, 255}, hi{0, 0, 0}, sum{}, sq{};
    double n = 0;
    for (const Bin* b : box.bins) {
        const auto m = b->mean();
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], m[c]);
            hi[c] = std::max(hi[c], m[c]);
            sum[c] += m[c] * b->count;
            sq[c] += m[c] * m[c] * b->count;
        }
        n += b->count;
    }
    double var = 0;
    for (int c = 0; c < 3; ++c)
        var += sq[c] / n - (sum[c] / n) * (sum[c] / n);
    double best = -1;
    for (int c = 0; c < 3; ++c)
        if (hi[c] - lo[c] > best) {
            best = hi[c] - lo[c];
            box.axis = c;
        }
    box.weight = box.bins.size() > 1 ? var * n : -1;
}

int nearest(const std::vector<std::array<double, 3>>& pal, double r, double g, double b)
{
    int best = 0;
    double bestD = 1e30;
    for (int i = 0; i < int(pal.size()); ++i) {
        const double dr = pal[i][0] - r, dg = pal[i][1] - g, db = pal[i][2] - b;
        const double d = 2 * dr * dr + 4 * dg * dg + 3 * db * db; // eye weights
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QList<QRgb> fitPalette(const QImage& image, int maxColours)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xFF000000];
    }
    QList<QRgb> out;
    if (counts.size() <= maxColours) {
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            out << it.key();
        std::sort(out.begin(), out.end());
        return out;
    }

    // Flat areas and the cores of letters come in a few colours that many
    // pixels share: they get entries of their own and stay exact.
    QList<QPair<int, QRgb>> frequent;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() >= kFrequentPixels)
            frequent << qMakePair(-it.value(), it.key());
    std::sort(frequent.begin(), frequent.end());
    QHash<QRgb, bool> reserved;
    for (int i = 0; i < frequent.size() && i < maxColours / 4; ++i) {
        out << frequent[i].second;
        reserved.insert(frequent[i].second, true);
    }

    const std::vector<Bin> bins = histogram(rgb, reserved);
    if (bins.empty())
        return out;
    std::vector<Box> boxes(1);
    for (const Bin& b : bins)
        boxes[0].bins.push_back(&b);
    measure(boxes[0]);
    while (int(boxes.size()) < maxColours - int(out.size())) {
        auto it = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.weight < b.weight; });
        if (it->weight < 0)
            break;
        Box& box = *it;
        const int axis = box.axis;
        std::sort(box.bins.begin(), box.bins.end(), [axis](const Bin* a, const Bin* b) { return a->mean()[axis] < b->mean()[axis]; });
        double total = 0;
        for (const Bin* b : box.bins)
            total += b->count;
        double acc = 0;
        size_t cut = 1;
        for (; cut < box.bins.size() - 1; ++cut) {
            acc += box.bins[cut - 1]->count;
            if (acc >= total / 2)
                break;
        }
        Box other;
        other.bins.assign(box.bins.begin() + long(cut), box.bins.end());
        box.bins.resize(cut);
        measure(box);
        measure(other);
        boxes.push_back(std::move(other));
    }

    std::vector<std::array<double, 3>> pal;
    for (const Box& box : boxes) {
        std::array<double, 3> s{};
        double n = 0;
        for (const Bin* b : box.bins) {
            for (int c = 0; c < 3; ++c)
                s[c] += b->sum[c];
            n += b->count;
        }
        pal.push_back({s[0] / n, s[1] / n, s[2] / n});
    }
    // A few k-means passes over the bins pull the colours to where the
    // pixels are.
    for (int pass = 0; pass < 4; ++pass) {
        std::vector<std::array<double, 4>> acc(pal.size(), {0, 0, 0, 0});
        for (const Bin& b : bins) {
            const auto m = b.mean();
            auto& a = acc[size_t(nearest(pal, m[0], m[1], m[2]))];
            for (int c = 0; c < 3; ++c)
                a[c] += b.sum[c];
            a[3] += b.count;
        }
        for (size_t i = 0; i < pal.size(); ++i)
            if (acc[i][3] > 0)
                pal[i] = {acc[i][0] / acc[i][3], acc[i][1] / acc[i][3], acc[i][2] / acc[i][3]};
    }
    for (const auto& c : pal) {
        const QRgb rgbc = qRgb(int(std::lround(c[0])), int(std::lround(c[1])), int(std::lround(c[2])));
        if (!out.contains(rgbc))
            out << rgbc;
    }
    return out;
}

QImage toIndexed8(const QImage& image, const QList<QRgb>& palette)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    QImage out(w, h, QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::vector<std::array<double, 3>> pal;
    QHash<QRgb, int> exact;
    for (int i = 0; i < palette.size(); ++i) {
        pal.push_back({double(qRed(palette[i])), double(qGreen(palette[i])), double(qBlue(palette[i]))});
        exact.insert(palette[i] | 0xFF000000, i);
    }
    // Nearest colours, remembered per 6-bit cell of the wanted colour.
    std::vector<qint16> cache(64 * 64 * 64, -1);
    auto lookup = [&](double r, double g, double b) {
        const int key = (int(r) >> 2) << 12 | (int(g) >> 2) << 6 | (int(b) >> 2);
        if (cache[size_t(key)] < 0)
            cache[size_t(key)] = qint16(nearest(pal, r, g, b));
        return int(cache[size_t(key)]);
    };
    std::vector<std::array<double, 3>> err(size_t(w + 2)), next(size_t(w + 2));
    for (int y = 0; y < h; ++y) {
        std::fill(next.begin(), next.end(), std::array<double, 3>{0, 0, 0});
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        const bool ltr = y % 2 == 0;
        for (int i = 0; i < w; ++i) {
            const int x = ltr ? i : w - 1 - i;
            const int dir = ltr ? 1 : -1;
            const auto hit = exact.constFind(line[x] | 0xFF000000);
            if (hit != exact.constEnd()) { // flat areas and text stay clean
                dst[x] = uchar(*hit);
                continue;
            }
            const auto& e = err[size_t(x + 1)];
            const double r = std::clamp(qRed(line[x]) + e[0], 0.0, 255.0);
            const double g = std::clamp(qGreen(line[x]) + e[1], 0.0, 255.0);
            const double b = std::clamp(qBlue(line[x]) + e[2], 0.0, 255.0);
            const int idx = lookup(r, g, b);
            dst[x] = uchar(idx);
            const double d[3] = {r - pal[size_t(idx)][0], g - pal[size_t(idx)][1], b - pal[size_t(idx)][2]};
            for (int c = 0; c < 3; ++c) {
                err[size_t(x + 1 + dir)][c] += d[c] * 7 / 16;
                next[size_t(x + 1 - dir)][c] += d[c] * 3 / 16;
                next[size_t(x + 1)][c] += d[c] * 5 / 16;
                next[size_t(x + 1 + dir)][c] += d[c] * 1 / 16;
            }
        }
        std::swap(err, next);
    }
    return out;
}

QImage quantize(const QImage& image, int maxColours) { return toIndexed8(image, fitPalette(image, maxColours)); }

} // namespace rules
