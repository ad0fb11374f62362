#pragma once
// How a difference is judged: what a player sees change and whether a press
// where it shows finds it. The numbers are those of the level rules: a pixel
// changes visibly when its red, green and blue differ by more than 30 in sum;
// a difference is visible with 40 pixels of CIE76 dE 12 or more; it is
// clickable when 90% of its visible change lies in its 20 x 20 square and
// nothing lies more than 3 px outside.
#include <QPoint>
#include <QRect>
#include <opencv2/core.hpp>

namespace editor {

constexpr int kVisibleSum = 30;
constexpr double kPerceptibleDeltaE = 12;
constexpr int kMinPerceptible = 40;
constexpr int kMaxSpill = 3;
constexpr double kMinInside = 0.9;
// What the pack validator calls a noticeable change, and how far its middle
// may sit from the point.
constexpr int kStrongDistance = 40;
constexpr int kMinStrong = 30;
constexpr int kCentreTolerance = 3;

// The square a press finds a difference in: x - 10 .. x + 9.
QRect clickSquare(QPoint p);
QPoint middleOf(const QRect& box);
// Whether two squares overlap, and whether one lies on the picture, are the
// level generator's rules (tools/levelgen/metrics.h), used as they are.

double deltaE76(const cv::Vec3b& a, const cv::Vec3b& b);
int channelSum(const cv::Vec3b& a, const cv::Vec3b& b);

struct ChangeStats {
    int changed = 0;     // pixels that differ at all
    int visible = 0;     // channel sum above 30
    int perceptible = 0; // dE76 of 12 or more
    int strong = 0;      // RGB distance of 40 or more
    QRect visibleBox, strongBox;
};
// Compares two BGR pictures inside `area`.
ChangeStats measure(const cv::Mat& a, const cv::Mat& b, const QRect& area);

struct Spill {
    int inside = 0;  // visible pixels in the square
    int far = 0;     // visible pixels more than 3 px outside it
};
Spill spillAround(const cv::Mat& a, const cv::Mat& b, const QRect& area, QPoint point);
bool clickable(const ChangeStats& s, const Spill& sp);

} // namespace editor
