#include "editor/change.h"

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

} // namespace editor
