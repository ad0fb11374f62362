#include "editor/pairfinder.h"

#include "editor/change.h"

#include <opencv2/imgproc.hpp>
#include <algorithm>

namespace editor {

namespace {
constexpr double kChangeDeltaE = 9;  // after the blur, JPEG noise stays well below this
constexpr int kJoinRadius = 3;       // changed pixels this close belong to one difference
constexpr int kMinGroupPixels = 6;

cv::Mat blurredLab(const cv::Mat& bgr)
{
    cv::Mat f, lab;
    bgr.convertTo(f, CV_32F, 1.0 / 255);
    cv::GaussianBlur(f, f, cv::Size(5, 5), 1.0);
    cv::cvtColor(f, lab, cv::COLOR_BGR2Lab);
    return lab;
}
} // namespace

Draft findDifferences(const cv::Mat& original, const cv::Mat& edited)
{
    Draft d;
    d.left = original.clone();
    d.right = original.clone();
    const cv::Mat a = blurredLab(original), b = blurredLab(edited);
    cv::Mat diff = a - b, dist;
    cv::Mat sq = diff.mul(diff);
    cv::transform(sq, dist, cv::Matx13f(1, 1, 1));
    cv::sqrt(dist, dist);
    cv::Mat changed = dist > kChangeDeltaE;
    const cv::Mat joiner = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * kJoinRadius + 1, 2 * kJoinRadius + 1));
    cv::Mat joined, labels, stats, centroids;
    cv::dilate(changed, joined, joiner);
    const int n = cv::connectedComponentsWithStats(joined, labels, stats, centroids, 8, CV_32S);
    for (int label = 1; label < n; ++label) {
        const cv::Rect box(stats.at<int>(label, cv::CC_STAT_LEFT), stats.at<int>(label, cv::CC_STAT_TOP),
                           stats.at<int>(label, cv::CC_STAT_WIDTH), stats.at<int>(label, cv::CC_STAT_HEIGHT));
        const cv::Mat region = labels(box) == label;
        if (cv::countNonZero(changed(box) & region) < kMinGroupPixels)
            continue;
        edited(box).copyTo(d.right(box), region);
        const QRect qbox(box.x, box.y, box.width, box.height);
        const levelgen::DiffCheck c = measure(d.left, d.right, qbox).check;
        if (c.visible == 0) { // a change too faint to see is no difference
            d.left(box).copyTo(d.right(box), region);
            continue;
        }
        Difference x;
        x.point = c.point;
        x.kind = QStringLiteral("edited");
        x.changed = c.visible;
        x.area = c.visibleBox;
        x.touched = qbox;
        x.clickable = c.clickable();
        x.seenColourBlind = c.seenColourBlind();
        d.diffs.push_back(x);
    }
    std::sort(d.diffs.begin(), d.diffs.end(), [](const Difference& p, const Difference& q) {
        return p.point.y() != q.point.y() ? p.point.y() < q.point.y() : p.point.x() < q.point.x();
    });
    if (!d.diffs.empty() && d.diffs.size() <= 25)
        d.marker = autoMarker(d);
    return d;
}

} // namespace editor
