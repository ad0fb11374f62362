#include "editor/pairfinder.h"

#include "editor/change.h"

#include <opencv2/imgproc.hpp>
#include <algorithm>

namespace editor {

namespace {
constexpr double kLightStep = 7;    // L* steps, after a light blur: JPEG noise stays below
constexpr double kColourStep = 12;  // a*b* steps, on colour smoothed as 4:2:0 subsampling smooths it
constexpr int kJoinRadius = 3;      // changed pixels this close belong to one difference
constexpr int kMinGroupPixels = 6;

// Lightness at full resolution; colour at half, as a camera's or an image
// editor's JPEG keeps it, so a re-save's smeared colour edges are no change.
void split(const cv::Mat& bgr, cv::Mat& light, cv::Mat& colour)
{
    cv::Mat f, lab;
    bgr.convertTo(f, CV_32F, 1.0 / 255);
    cv::cvtColor(f, lab, cv::COLOR_BGR2Lab);
    std::vector<cv::Mat> ch;
    cv::split(lab, ch);
    cv::GaussianBlur(ch[0], light, cv::Size(5, 5), 1.0);
    cv::Mat ab, half;
    cv::merge(std::vector<cv::Mat>{ch[1], ch[2]}, ab);
    cv::resize(ab, half, cv::Size(), 0.5, 0.5, cv::INTER_AREA);
    cv::GaussianBlur(half, half, cv::Size(3, 3), 0.8);
    cv::resize(half, colour, bgr.size(), 0, 0, cv::INTER_LINEAR);
}
} // namespace

Draft findDifferences(const cv::Mat& original, const cv::Mat& edited)
{
    Draft d;
    d.left = original.clone();
    d.right = original.clone();
    cv::Mat lightA, colourA, lightB, colourB;
    split(original, lightA, colourA);
    split(edited, lightB, colourB);
    cv::Mat lightStep, colourDiff, colourStep;
    cv::absdiff(lightA, lightB, lightStep);
    cv::absdiff(colourA, colourB, colourDiff);
    colourDiff = colourDiff.mul(colourDiff);
    cv::transform(colourDiff, colourStep, cv::Matx12f(1, 1));
    cv::sqrt(colourStep, colourStep);
    const cv::Mat lighter = lightStep > kLightStep;
    const cv::Mat changed = lighter | (colourStep > kColourStep);
    const cv::Mat joiner = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * kJoinRadius + 1, 2 * kJoinRadius + 1));
    cv::Mat joined, labels, stats, centroids, copied;
    cv::dilate(changed, joined, joiner);
    // Only what really changed (and the pixel around it) is copied: the
    // ringing a JPEG leaves around an edit stays behind.
    cv::dilate(changed, copied, cv::Mat());
    const int n = cv::connectedComponentsWithStats(joined, labels, stats, centroids, 8, CV_32S);
    for (int label = 1; label < n; ++label) {
        const cv::Rect box(stats.at<int>(label, cv::CC_STAT_LEFT), stats.at<int>(label, cv::CC_STAT_TOP),
                           stats.at<int>(label, cv::CC_STAT_WIDTH), stats.at<int>(label, cv::CC_STAT_HEIGHT));
        const cv::Mat region = (labels(box) == label) & copied(box);
        if (cv::countNonZero(changed(box) & region) < kMinGroupPixels)
            continue;
        edited(box).copyTo(d.right(box), region);
        const QRect qbox(box.x, box.y, box.width, box.height);
        const levelgen::DiffCheck c = measure(d.left, d.right, qbox).check;
        if (!c.seen()) {
            // Too faint to find (often a colour-only shift): said, and left out.
            const QPoint at(box.x + box.width / 2, box.y + box.height / 2);
            d.skipped << QString::fromUtf8("(%1, %2): %3 halvány változás, alig látszik, kimaradt")
                             .arg(at.x()).arg(at.y())
                             .arg(4 * cv::countNonZero(lighter(box) & region) >= cv::countNonZero(changed(box) & region)
                                      ? QString::fromUtf8("fényerő-")
                                      : QString::fromUtf8("csak szín-"));
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
