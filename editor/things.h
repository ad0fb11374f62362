#pragma once
// What a photo offers for differences: small real things (a pebble, a bud,
// a window, a speck of light) that stand apart from their surroundings with
// a calm ring around them, and small coloured segments that can take
// another of the photo's own hues. Every automatic edit works under the
// mask of one of these, never under a shape of its own.
#include <QPoint>
#include <opencv2/core.hpp>
#include <vector>

namespace editor {

constexpr int kMaxThingSide = 16; // a thing fits a 16 x 16 box, so its edit fits the click square
constexpr int kMinThingPixels = 24; // smaller ones change too few pixels to be found
constexpr int kMaxThingPixels = 200;

struct Thing {
    cv::Rect box;     // bounding box, level pixels
    cv::Mat mask;     // CV_8U, 255 on the thing, the size of `box`
    int pixels = 0;
    double salience = 0; // spectral-residual saliency under the mask
    QPoint centre() const { return QPoint(box.x + box.width / 2, box.y + box.height / 2); }
};

// A hue the photo has plenty of: its a*b* angle (degrees), and the typical
// chroma and lightness of the pixels of that hue.
struct Hue {
    double angle = 0;
    double chroma = 0;
    double lightness = 0;
};

struct Survey {
    std::vector<Thing> things;   // most salient first
    std::vector<Thing> segments; // coloured, recolourable, most salient first
    std::vector<Hue> hues;
    cv::Mat apart;               // CV_8U: 255 where a pixel stands apart from its 15 x 15 median
    cv::Mat lab;                 // CV_32FC3: the picture in L*a*b*
};

// Looks at the level's left picture (BGR, level size).
Survey surveyPhoto(const cv::Mat& left);

// The thing's mask grown by `grow` pixels, in a CV_8U matrix covering
// `area` (level pixels).
cv::Mat maskIn(const Thing& t, const cv::Rect& area, int grow);
// A mask widened by `grow` pixels with a soft edge `feather` pixels wide
// (1 or 2), as CV_32F 0..1.
cv::Mat softMask(const cv::Mat& mask, int grow, int feather = 1);
// Whether the thing lies wholly in the box `area` (it runs on past it
// nowhere, on one even ground) and nothing else stands apart where the edit
// writes (`writes`, CV_8U the size of `area`; empty: the whole box), so
// moving or scaling those pixels cuts no other thing and no outline in two.
bool aloneIn(const Survey& s, const Thing& t, const cv::Rect& area, const cv::Mat& writes = cv::Mat());
// Whether the ground around the thing inside `area` is one ground (its four
// sides alike), not an edge between two that a fill would blur.
bool onEvenGround(const Survey& s, const Thing& t, const cv::Rect& area);

} // namespace editor
