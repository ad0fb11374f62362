#include "editor/change.h"

#include <opencv2/imgproc.hpp>
#include <algorithm>

namespace editor {

std::vector<levelgen::Change> changesIn(const cv::Mat& a, const cv::Mat& b, const QRect& area)
{
    std::vector<levelgen::Change> out;
    const QRect r = area & QRect(0, 0, a.cols, a.rows);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* pa = a.ptr<cv::Vec3b>(y);
        const auto* pb = b.ptr<cv::Vec3b>(y);
        for (int x = r.left(); x <= r.right(); ++x)
            if (pa[x] != pb[x])
                out.push_back({QPoint(x, y), qRgb(pa[x][2], pa[x][1], pa[x][0]), qRgb(pb[x][2], pb[x][1], pb[x][0])});
    }
    return out;
}

ChangeStats measure(const cv::Mat& a, const cv::Mat& b, const QRect& area)
{
    const std::vector<levelgen::Change> changes = changesIn(a, b, area);
    ChangeStats s;
    s.changed = int(changes.size());
    s.check = levelgen::checkDifference(changes, levelgen::visibleCentre(changes));
    return s;
}

Findability findability(const cv::Mat& a, const cv::Mat& b, const QRect& area)
{
    Findability f;
    // Room for the blur on every side.
    const QRect r = area.adjusted(-4, -4, 4, 4) & QRect(0, 0, a.cols, a.rows);
    if (r.isEmpty())
        return f;
    const cv::Rect cr(r.x(), r.y(), r.width(), r.height());
    cv::Mat la, lb;
    a(cr).convertTo(la, CV_32FC3, 1.0 / 255);
    b(cr).convertTo(lb, CV_32FC3, 1.0 / 255);
    cv::cvtColor(la, la, cv::COLOR_BGR2Lab);
    cv::cvtColor(lb, lb, cv::COLOR_BGR2Lab);
    cv::GaussianBlur(la, la, cv::Size(7, 7), 1.5);
    cv::GaussianBlur(lb, lb, cv::Size(7, 7), 1.5);
    for (int y = 0; y < la.rows; ++y)
        for (int x = 0; x < la.cols; ++x) {
            const double step = cv::norm(la.at<cv::Vec3f>(y, x) - lb.at<cv::Vec3f>(y, x));
            f.peak = std::max(f.peak, step);
            f.area += step >= kFindableStep;
        }
    return f;
}

} // namespace editor
