#include "editor/change.h"

#include "tools/levelgen/metrics.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace editor {

QRect clickSquare(QPoint p) { return QRect(p.x() - 10, p.y() - 10, 20, 20); }

QPoint middleOf(const QRect& box) { return QPoint((box.left() + box.right() + 1) / 2, (box.top() + box.bottom() + 1) / 2); }


namespace {
struct Lab { double l, a, b; };

const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> t = [] {
        std::array<double, 256> v{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            v[size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return v;
    }();
    return t;
}

double labF(double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; }

Lab toLab(const cv::Vec3b& bgr)
{
    const auto& lin = linearTable();
    const double r = lin[bgr[2]], g = lin[bgr[1]], b = lin[bgr[0]];
    // sRGB to XYZ under D65, normalised by the white point.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const double fx = labF(x), fy = labF(y), fz = labF(z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

void grow(QRect& box, int x, int y)
{
    const QRect px(x, y, 1, 1);
    box = box.isNull() ? px : box.united(px);
}
} // namespace

double deltaE76(const cv::Vec3b& a, const cv::Vec3b& b)
{
    const Lab p = toLab(a), q = toLab(b);
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

int channelSum(const cv::Vec3b& a, const cv::Vec3b& b)
{
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}

ChangeStats measure(const cv::Mat& a, const cv::Mat& b, const QRect& area)
{
    ChangeStats s;
    const QRect r = area & QRect(0, 0, a.cols, a.rows);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* pa = a.ptr<cv::Vec3b>(y);
        const auto* pb = b.ptr<cv::Vec3b>(y);
        for (int x = r.left(); x <= r.right(); ++x) {
            if (pa[x] == pb[x])
                continue;
            ++s.changed;
            if (channelSum(pa[x], pb[x]) > kVisibleSum) {
                ++s.visible;
                grow(s.visibleBox, x, y);
            }
            if (levelgen::colourDistance(qRgb(pa[x][2], pa[x][1], pa[x][0]), qRgb(pb[x][2], pb[x][1], pb[x][0])) >= kStrongDistance) {
                ++s.strong;
                grow(s.strongBox, x, y);
            }
            if (deltaE76(pa[x], pb[x]) >= kPerceptibleDeltaE)
                ++s.perceptible;
        }
    }
    return s;
}

Spill spillAround(const cv::Mat& a, const cv::Mat& b, const QRect& area, QPoint point)
{
    Spill sp;
    const QRect sq = clickSquare(point);
    const QRect reach = sq.adjusted(-kMaxSpill, -kMaxSpill, kMaxSpill, kMaxSpill);
    const QRect r = area & QRect(0, 0, a.cols, a.rows);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* pa = a.ptr<cv::Vec3b>(y);
        const auto* pb = b.ptr<cv::Vec3b>(y);
        for (int x = r.left(); x <= r.right(); ++x) {
            if (channelSum(pa[x], pb[x]) <= kVisibleSum)
                continue;
            if (sq.contains(x, y))
                ++sp.inside;
            else if (!reach.contains(x, y))
                ++sp.far;
        }
    }
    return sp;
}

bool clickable(const ChangeStats& s, const Spill& sp)
{
    return s.visible > 0 && sp.far == 0 && sp.inside >= kMinInside * s.visible;
}

} // namespace editor
