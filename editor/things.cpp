#include "editor/things.h"

#include "tools/levelgen/rules.h"

#include <opencv2/imgproc.hpp>
#include <opencv2/saliency.hpp>
#include <opencv2/ximgproc/segmentation.hpp>
#include <algorithm>
#include <cmath>

namespace editor {

namespace {
constexpr int kMargin = 14;          // things this close to the picture's edge are left alone
constexpr int kApartGrey = 18;       // grey steps from the 15 x 15 median that set a pixel apart
constexpr double kApartColour = 16;  // a*b* distance from the median colour that does
constexpr double kRingBusy = 0.35;   // share of the ring that may itself stand apart
constexpr double kMinChroma = 20;    // a segment this colourful may be recoloured
// A hue turn changes no more pixels than the segment has: fewer than the
// colour-blind rule asks are never seen.
constexpr int kMinRecolourPixels = levelgen::kMinColourBlind;
constexpr double kEvenGround = 18;    // L* plus a*b* steps between opposite sides of a thing's ground
constexpr int kWideWindow = 31;      // the median window that finds the larger things
constexpr double kMinContrast = 14;  // L* plus a*b* steps between a thing and its ring: enough to be found

cv::Mat disc(int radius) { return cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * radius + 1, 2 * radius + 1)); }

cv::Mat saliencyMap(const cv::Mat& left)
{
    cv::Ptr<cv::saliency::StaticSaliencySpectralResidual> s = cv::saliency::StaticSaliencySpectralResidual::create();
    cv::Mat map;
    if (!s->computeSaliency(left, map) || map.empty())
        return cv::Mat(left.size(), CV_32F, cv::Scalar(1));
    map.convertTo(map, CV_32F);
    if (map.size() != left.size())
        cv::resize(map, map, left.size());
    cv::GaussianBlur(map, map, cv::Size(5, 5), 1.5);
    return map;
}

bool placeable(const cv::Rect& box, const cv::Size& size)
{
    return box.width <= kMaxThingSide && box.height <= kMaxThingSide && box.x >= kMargin && box.y >= kMargin &&
           box.x + box.width <= size.width - kMargin && box.y + box.height <= size.height - kMargin;
}

// A calm ring: little of it stands apart itself, it is even (a thing on
// one ground, not a piece of an edge between two), and the thing stands
// out from it more than the ring varies.
bool calmRing(const Thing& t, const cv::Mat& apart, const cv::Mat& lab)
{
    const cv::Rect area = cv::Rect(t.box.x - 6, t.box.y - 6, t.box.width + 12, t.box.height + 12) &
                          cv::Rect(0, 0, apart.cols, apart.rows);
    const cv::Mat inner = maskIn(t, area, 2), outer = maskIn(t, area, 6), body = maskIn(t, area, 0);
    const cv::Mat ring = outer & ~inner;
    const int n = cv::countNonZero(ring);
    if (!n || double(cv::countNonZero(apart(area) & ring)) / n > kRingBusy)
        return false;
    cv::Scalar ringMean, ringDev;
    cv::meanStdDev(lab(area), ringMean, ringDev, ring);
    const cv::Scalar bodyMean = cv::mean(lab(area), body);
    const double contrast = std::abs(bodyMean[0] - ringMean[0]) + std::hypot(bodyMean[1] - ringMean[1], bodyMean[2] - ringMean[2]);
    if (contrast < kMinContrast || ringDev[0] > std::max(6.0, 0.35 * contrast))
        return false;
    // The ring's four sides alike: an edge's two sides are not.
    const cv::Point c(t.box.x + t.box.width / 2 - area.x, t.box.y + t.box.height / 2 - area.y);
    const cv::Rect sides[4] = {cv::Rect(0, 0, area.width, c.y), cv::Rect(0, c.y, area.width, area.height - c.y),
                               cv::Rect(0, 0, c.x, area.height), cv::Rect(c.x, 0, area.width - c.x, area.height)};
    double light[4];
    for (int i = 0; i < 4; ++i) {
        const cv::Mat part = ring(sides[i]);
        if (!cv::countNonZero(part))
            return false;
        light[i] = cv::mean(lab(area)(sides[i]), part)[0];
    }
    const double unevenness = std::max(std::abs(light[0] - light[1]), std::abs(light[2] - light[3]));
    return unevenness <= std::max(4.0, 0.35 * contrast) && unevenness <= 14;
}

std::vector<Thing> thingsOf(const cv::Mat& labels, const cv::Mat& stats, int count, const cv::Mat& salience,
                            const cv::Mat& apart, const cv::Mat& lab, bool onCalmGround)
{
    std::vector<Thing> out;
    for (int label = 1; label < count; ++label) {
        Thing t;
        t.box = cv::Rect(stats.at<int>(label, cv::CC_STAT_LEFT), stats.at<int>(label, cv::CC_STAT_TOP),
                         stats.at<int>(label, cv::CC_STAT_WIDTH), stats.at<int>(label, cv::CC_STAT_HEIGHT));
        t.pixels = stats.at<int>(label, cv::CC_STAT_AREA);
        if (t.pixels < kMinThingPixels || t.pixels > kMaxThingPixels || !placeable(t.box, labels.size()))
            continue;
        t.mask = labels(t.box) == label;
        if (onCalmGround && !calmRing(t, apart, lab))
            continue;
        t.salience = cv::mean(salience(t.box), t.mask)[0];
        out.push_back(std::move(t));
    }
    std::sort(out.begin(), out.end(), [](const Thing& a, const Thing& b) { return a.salience > b.salience; });
    return out;
}

// Hues that at least 1.5% of the coloured pixels have, in 15-degree bins.
std::vector<Hue> photoHues(const cv::Mat& lab)
{
    constexpr int kBins = 24;
    std::vector<double> mass(kBins), sumA(kBins), sumB(kBins), sumL(kBins);
    double coloured = 0;
    for (int y = 0; y < lab.rows; y += 2)
        for (int x = 0; x < lab.cols; x += 2) {
            const cv::Vec3f p = lab.at<cv::Vec3f>(y, x);
            if (std::hypot(p[1], p[2]) < kMinChroma)
                continue;
            const double angle = std::atan2(p[2], p[1]) * 180 / M_PI + 360;
            const int bin = int(angle / 15) % kBins;
            mass[size_t(bin)] += 1, sumA[size_t(bin)] += p[1], sumB[size_t(bin)] += p[2], sumL[size_t(bin)] += p[0];
            coloured += 1;
        }
    std::vector<Hue> hues;
    for (size_t bin = 0; bin < size_t(kBins); ++bin)
        if (coloured > 0 && mass[bin] >= 0.015 * coloured)
            hues.push_back(Hue{std::atan2(sumB[bin], sumA[bin]) * 180 / M_PI, std::hypot(sumA[bin], sumB[bin]) / mass[bin],
                               sumL[bin] / mass[bin]});
    return hues;
}
} // namespace

cv::Mat maskIn(const Thing& t, const cv::Rect& area, int grow)
{
    cv::Mat out(area.size(), CV_8U, cv::Scalar(0));
    const cv::Rect inside = t.box & area;
    if (inside.empty())
        return out;
    t.mask(inside - t.box.tl()).copyTo(out(inside - area.tl()));
    if (grow > 0)
        cv::dilate(out, out, disc(grow));
    return out;
}

cv::Mat softMask(const cv::Mat& mask, int grow, int feather)
{
    cv::Mat core = mask.clone(), wide;
    if (grow > feather)
        cv::dilate(mask, core, disc(grow - feather));
    cv::dilate(mask, wide, disc(std::max(grow, 1)));
    cv::Mat soft, hard;
    wide.convertTo(soft, CV_32F, 1.0 / 255);
    if (feather > 1)
        cv::GaussianBlur(soft, soft, cv::Size(5, 5), 1.2);
    else
        cv::GaussianBlur(soft, soft, cv::Size(3, 3), 0.7);
    core.convertTo(hard, CV_32F, 1.0 / 255);
    return cv::max(soft, hard);
}

namespace {
// Whether the ground around the thing inside `area` (of the Lab picture) is
// one ground: its four sides alike, so the thing does not sit on an edge
// between two things that a flip or a new colour would break.
bool evenGround(const Thing& t, const cv::Rect& area, const cv::Mat& lab)
{
    const cv::Mat ground = ~maskIn(t, area, 2);
    const cv::Point c(t.box.x + t.box.width / 2 - area.x, t.box.y + t.box.height / 2 - area.y);
    const cv::Rect sides[4] = {cv::Rect(0, 0, area.width, c.y), cv::Rect(0, c.y, area.width, area.height - c.y),
                               cv::Rect(0, 0, c.x, area.height), cv::Rect(c.x, 0, area.width - c.x, area.height)};
    cv::Scalar m[4];
    for (int i = 0; i < 4; ++i) {
        if (sides[i].empty() || !cv::countNonZero(ground(sides[i])))
            return false;
        m[i] = cv::mean(lab(area)(sides[i]), ground(sides[i]));
    }
    auto step = [](const cv::Scalar& a, const cv::Scalar& b) {
        return std::abs(a[0] - b[0]) + std::hypot(a[1] - b[1], a[2] - b[2]);
    };
    return std::max(step(m[0], m[1]), step(m[2], m[3])) <= kEvenGround;
}
} // namespace

bool onEvenGround(const Survey& s, const Thing& t, const cv::Rect& area)
{
    return (area & cv::Rect(0, 0, s.lab.cols, s.lab.rows)) == area && evenGround(t, area, s.lab);
}

bool aloneIn(const Survey& s, const Thing& t, const cv::Rect& area, const cv::Mat& writes)
{
    const cv::Rect inside = area & cv::Rect(0, 0, s.apart.cols, s.apart.rows);
    if (inside != area)
        return false;
    // A few stray grain pixels are no thing; a group as big as half the
    // smallest thing is. What lies beside the thing but outside the pixels
    // the edit writes stays as it was.
    cv::Mat others = s.apart(area) & ~maskIn(t, area, 2);
    if (!writes.empty())
        others &= writes;
    const int zone = writes.empty() ? area.area() : cv::countNonZero(writes);
    if (cv::countNonZero(others) > std::max(3, zone / 12))
        return false;
    cv::Mat labels, stats, centroids;
    const int n = cv::connectedComponentsWithStats(others, labels, stats, centroids, 8, CV_32S);
    for (int i = 1; i < n; ++i)
        if (stats.at<int>(i, cv::CC_STAT_AREA) >= kMinThingPixels / 2)
            return false;
    // Nor does the thing run on past its box (a stretch of a line, a blade
    // of grass): little outside it is nearer the thing's colour than the
    // ground's.
    const cv::Mat body = maskIn(t, area, 0), ground = ~maskIn(t, area, 2);
    const cv::Scalar thingMean = cv::mean(s.lab(area), body), groundMean = cv::mean(s.lab(area), ground);
    int alike = 0;
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            if (!ground.at<uchar>(y, x))
                continue;
            const cv::Vec3f p = s.lab.at<cv::Vec3f>(area.y + y, area.x + x);
            auto distance = [&](const cv::Scalar& m) {
                return std::abs(p[0] - m[0]) + std::hypot(p[1] - m[1], p[2] - m[2]);
            };
            alike += distance(thingMean) < distance(groundMean);
        }
    return alike < kMinThingPixels / 2 && evenGround(t, area, s.lab);
}

namespace {
// Pixels lighter, darker or of another colour than the median of the
// `window` x `window` square around them.
struct Apart {
    cv::Mat lighter, darker, colour;
    cv::Mat any() const { return lighter | darker | colour; }
};
Apart apartFrom(const cv::Mat& grey, const std::vector<cv::Mat>& labChannels, int window)
{
    cv::Mat median, medA, medB;
    cv::medianBlur(grey, median, window);
    cv::medianBlur(labChannels[1], medA, window);
    cv::medianBlur(labChannels[2], medB, window);
    cv::Mat dA, dB, fa, fb, dAB;
    cv::absdiff(labChannels[1], medA, dA);
    cv::absdiff(labChannels[2], medB, dB);
    dA.convertTo(fa, CV_32F);
    dB.convertTo(fb, CV_32F);
    cv::magnitude(fa, fb, dAB); // 8-bit Lab a*b* run 1:1 with the real ones
    return Apart{grey > median + kApartGrey, grey < median - kApartGrey, dAB > kApartColour};
}
} // namespace

Survey surveyPhoto(const cv::Mat& left)
{
    Survey s;
    cv::Mat grey, lab8, labF;
    cv::cvtColor(left, grey, cv::COLOR_BGR2GRAY);
    cv::cvtColor(left, lab8, cv::COLOR_BGR2Lab);
    std::vector<cv::Mat> ch;
    cv::split(lab8, ch);
    // A thing as wide as half the median's window is its own median and
    // never stands apart: the wider window finds the larger things (a
    // knob, a bud, a window pane), which a player finds first.
    const Apart fine = apartFrom(grey, ch, 15), wide = apartFrom(grey, ch, kWideWindow);
    s.apart = fine.any() & wide.any();
    const cv::Mat salience = saliencyMap(left);
    left.convertTo(labF, CV_32F, 1.0 / 255);
    cv::cvtColor(labF, labF, cv::COLOR_BGR2Lab);
    s.lab = labF;
    // A thing with its own shadow or highlight beside it is one thing, found
    // first; lighter and darker things apart then, so a dark speck beside a
    // bright one is two things where the two together are too large.
    for (const Apart* a : {&wide, &fine})
        for (const cv::Mat& m : {a->any(), cv::Mat(a->lighter | (a->colour & ~a->darker)),
                                 cv::Mat(a->darker | (a->colour & ~a->lighter))}) {
            cv::Mat labels, stats, centroids;
            const int n = cv::connectedComponentsWithStats(m, labels, stats, centroids, 8, CV_32S);
            const size_t before = s.things.size();
            for (Thing& t : thingsOf(labels, stats, n, salience, s.apart, labF, true)) {
                // The same pixels found again as a whole are no new thing,
                // nor is one that overlaps a thing found already.
                bool again = false;
                for (size_t i = 0; i < before && !again; ++i)
                    again = (s.things[i].box & t.box).area() * 2 > std::min(s.things[i].box.area(), t.box.area());
                if (!again)
                    s.things.push_back(std::move(t));
            }
        }
    std::sort(s.things.begin(), s.things.end(), [](const Thing& a, const Thing& b) { return a.salience > b.salience; });
    // Coloured segments of the photo's own graph segmentation.
    s.hues = photoHues(labF);
    cv::Ptr<cv::ximgproc::segmentation::GraphSegmentation> seg =
        cv::ximgproc::segmentation::createGraphSegmentation(0.6, 80, kMinThingPixels);
    cv::Mat segLabels, segStats, segCentroids;
    seg->processImage(left, segLabels);
    double maxLabel = 0;
    cv::minMaxLoc(segLabels, nullptr, &maxLabel);
    // Each segment's box and pixel count, as the component labeller would give them.
    const int n = int(maxLabel) + 2;
    segStats = cv::Mat(n, 5, CV_32S, cv::Scalar(0));
    const size_t labelCount = size_t(n);
    std::vector<int> x0(labelCount, left.cols), y0(labelCount, left.rows), x1(labelCount, -1), y1(labelCount, -1),
        area(labelCount, 0);
    cv::Mat shifted = segLabels + 1; // label 0 is "background" for the component filter
    for (int y = 0; y < shifted.rows; ++y)
        for (int x = 0; x < shifted.cols; ++x) {
            const int l = shifted.at<int>(y, x);
            x0[size_t(l)] = std::min(x0[size_t(l)], x), y0[size_t(l)] = std::min(y0[size_t(l)], y);
            x1[size_t(l)] = std::max(x1[size_t(l)], x), y1[size_t(l)] = std::max(y1[size_t(l)], y);
            ++area[size_t(l)];
        }
    for (int l = 1; l < n; ++l) {
        segStats.at<int>(l, cv::CC_STAT_LEFT) = x0[size_t(l)];
        segStats.at<int>(l, cv::CC_STAT_TOP) = y0[size_t(l)];
        segStats.at<int>(l, cv::CC_STAT_WIDTH) = std::max(0, x1[size_t(l)] - x0[size_t(l)] + 1);
        segStats.at<int>(l, cv::CC_STAT_HEIGHT) = std::max(0, y1[size_t(l)] - y0[size_t(l)] + 1);
        segStats.at<int>(l, cv::CC_STAT_AREA) = area[size_t(l)];
    }
    // Only a whole coloured thing on a calm ground of another colour: a
    // segment that is part of a larger area (a highlight, a shade of a
    // lens) turned to another hue reads as a stain. Small things found
    // apart from their ground are whole segments too, where coloured.
    auto coloured = [&](const Thing& t) {
        const cv::Rect area = cv::Rect(t.box.x - 5, t.box.y - 5, t.box.width + 10, t.box.height + 10) &
                              cv::Rect(0, 0, left.cols, left.rows);
        const cv::Mat ring = maskIn(t, area, 5) & ~maskIn(t, area, 2);
        const cv::Scalar m = cv::mean(labF(t.box), t.mask), around = cv::mean(labF(area), ring);
        return t.pixels >= kMinRecolourPixels && std::hypot(m[1], m[2]) >= kMinChroma &&
               std::hypot(m[1] - around[1], m[2] - around[2]) >= kMinChroma;
    };
    for (Thing& t : thingsOf(shifted, segStats, n, salience, s.apart, labF, false))
        if (coloured(t))
            s.segments.push_back(std::move(t));
    for (const Thing& t : s.things)
        if (t.pixels >= 48 && coloured(t))
            s.segments.push_back(t);
    std::sort(s.segments.begin(), s.segments.end(), [](const Thing& a, const Thing& b) { return a.salience > b.salience; });
    return s;
}

} // namespace editor
