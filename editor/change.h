#pragma once
// How a difference is judged: what a player sees change and whether a press
// where it shows finds it. The rules and their numbers are the level
// generator's own (tools/levelgen/rules.h): the editor only gathers the
// changed pixels of its OpenCV pictures and hands them over, so a level the
// editor accepts is one the pack validator passes.
#include "tools/levelgen/rules.h"

#include <QPoint>
#include <QRect>
#include <opencv2/core.hpp>
#include <vector>

namespace editor {

// The square a press finds a difference in: x - 10 .. x + 9.
inline QRect clickSquare(QPoint p) { return levelgen::hitSquare(p); }

// Every pixel that differs between two BGR pictures inside `area`.
std::vector<levelgen::Change> changesIn(const cv::Mat& a, const cv::Mat& b, const QRect& area);

struct ChangeStats {
    int changed = 0;     // pixels that differ at all
    levelgen::DiffCheck check; // judged against the middle of the visible change
};
// Compares two BGR pictures inside `area`; the point is the middle of what
// visibly changed (none when nothing did: check.visible is 0).
ChangeStats measure(const cv::Mat& a, const cv::Mat& b, const QRect& area);

// How plainly a change shows on the level picture at the size the game
// shows it. Both sides are blurred a little (as the eye takes in pixels at
// playing distance): specks and grain swapped for like grain fade, a thing
// that appears, goes or turns stays. Findable when the blurred change
// peaks at kFindablePeak (CIE76) and kFindableArea pixels still reach
// kFindableStep: judged by eye at 4x on real photos, every faint-looking
// edit but a few fell below one of the two, nearly every findable one passed both.
constexpr double kFindableStep = 20;
constexpr double kFindablePeak = 27;
constexpr int kFindableArea = 28;
// A thing grown in place changes only along its outline, so the blurred
// change stays low where the eye still sees the thing grow: judged by eye
// at 4x, enlargements peaking at kGrownPeak or more were plain to see.
constexpr double kGrownPeak = 16;
struct Findability {
    double peak = 0; // the blurred change's largest CIE76 step
    int area = 0;    // pixels whose blurred change reaches kFindableStep
    bool findable() const { return peak >= kFindablePeak && area >= kFindableArea; }
    bool grownFindable() const { return peak >= kGrownPeak; }
    bool findable(bool grown) const { return grown ? grownFindable() : findable(); }
};
Findability findability(const cv::Mat& a, const cv::Mat& b, const QRect& area);

} // namespace editor
