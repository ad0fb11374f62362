#pragma once
// The rules every difference of a level obeys, as plain functions on two
// pictures and a point: the pack generator accepts a change only when they
// hold, the validator checks finished files with them, and the level maker
// runs them on a player's own pictures.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <vector>

namespace levelgen {

constexpr int kSquareHalf = 10;        // the click square runs from -10 to +9 around a point
constexpr int kVisibleSum = 30;        // a pixel changed visibly: R, G and B differ by more in sum
constexpr int kMaxSpill = 3;           // no visible change further outside the square
constexpr double kMinInsideShare = 0.9; // of a difference's visible change, inside its square
constexpr double kNoticeableDeltaE = 12; // CIE76 distance a player notices
constexpr int kMinNoticeable = 40;     // pixels that must change that much
constexpr int kMinColourBlind = 40;    // square pixels still changed for a colour-blind player
constexpr int kCentreTolerance = 2;    // the point is the middle of the visible change

// The 20 x 20 click square of a point, as the game builds it.
QRect hitSquare(QPoint p);
// Chebyshev distance of a pixel outside a point's square; 0 inside.
int distanceOutside(QPoint pixel, QPoint point);
bool squaresOverlap(QPoint a, QPoint b);
bool squareOnPicture(QPoint p);

int channelSum(QRgb a, QRgb b);
double deltaE76(QRgb a, QRgb b);
// A colour as a player with full protanopia or deuteranopia sees it.
enum class Vision { Protan, Deutan };
QRgb simulate(QRgb c, Vision v);

// One changed pixel: where, and its colour on the left and the right.
struct Change {
    QPoint at;
    QRgb before, after;
};
// Every pixel that differs between two equal-sized pictures; `origin` is
// added to the positions (for patches cut from a picture).
std::vector<Change> changesBetween(const QImage& before, const QImage& after, QPoint origin = QPoint());

// What one difference shows, judged against its point.
struct DiffCheck {
    QPoint point;
    QRect visibleBox;      // bounding box of the visibly changed pixels
    int visible = 0;       // pixels with a channel sum above kVisibleSum
    int inside = 0;        // of those, inside the square
    int worstSpill = 0;    // the furthest visible pixel outside the square, in pixels
    int noticeable = 0;    // pixels with dE76 >= kNoticeableDeltaE
    int protan = 0, deutan = 0; // square pixels still changed under each simulation
    double meanDeltaE = 0; // over the visible pixels: how strong the change is
    double insideShare() const { return visible ? double(inside) / visible : 0; }
    QPoint centre() const; // middle of visibleBox
    bool clickable() const { return visible > 0 && insideShare() >= kMinInsideShare && worstSpill <= kMaxSpill; }
    bool seen() const { return noticeable >= kMinNoticeable; }
    bool seenColourBlind() const { return protan >= kMinColourBlind && deutan >= kMinColourBlind; }
    bool centred() const;
    bool ok() const { return clickable() && seen() && seenColourBlind() && centred(); }
};
DiffCheck checkDifference(const std::vector<Change>& changes, QPoint point);
// The middle of what visibly changed (for choosing a point).
QPoint visibleCentre(const std::vector<Change>& changes);

// A whole level: each changed pixel goes to the difference whose square is
// nearest (the higher number on a tie, as the game routes presses); pixels
// further than kMaxSpill from every square are strays.
struct LevelCheck {
    std::vector<DiffCheck> diffs;
    int strays = 0;
    QPoint firstStray;
};
LevelCheck checkLevelPictures(const QImage& left, const QImage& right, const std::vector<QPoint>& points);

// The look-alike rule: the mean absolute difference, in 0..255, of two
// pictures shrunk 8 times (mean of each 8 x 8 block) must reach kMinSceneDistance.
constexpr double kMinSceneDistance = 16;
std::vector<float> thumbnail(const QImage& picture);
double sceneDistance(const std::vector<float>& a, const std::vector<float>& b);

// The theme rule: no theme comes back within any kThemeWindow consecutive levels.
constexpr int kThemeWindow = 20;
// Level numbers (1-based) whose theme already appeared in the kThemeWindow - 1 levels before.
std::vector<int> themesTooSoon(const std::vector<int>& themeOfLevel);

// The naturalness rule, for differences made on photos: an edit looks as
// if the photo had it. It is crude when its colours stand further apart from
// the ring around it than what was there (a flat coloured disc, a pasted
// drawing), when its border draws a new outline (a seam), when what
// visibly changed is a filled round disc or a square block rather than a
// thing's own shape, when a thing running into it stops at its border (a
// blade's tip cut off), or when a new colour keeps a rim of the old one.
constexpr double kCrudeColourStep = 13;   // a*b* of the change's mean, further from the ring's than before
constexpr double kCrudeSeamRatio = 1.2;   // edge strength on the change's border, after over before (1.7 let mirrored blade tips through)
constexpr double kSeamEpsilon = 20;       // against a ratio of nothing over nothing: sensor noise alone (grey-level Sobel units)
constexpr double kCrudeDiscFill = 1.08;   // visibly changed pixels over their convex hull's area
constexpr double kDiscRoundness = 0.86;   // 4 pi area / perimeter^2 of that hull: a disc, not a thing's outline
constexpr int kDiscMinPixels = 70;        // smaller round changes are specks, not pasted discs
constexpr double kBlockyShare = 0.5;      // of the change's border on straight rows and columns: a pasted block
constexpr int kBlockyRun = 8;             // border pixels in one row or column that make a straight side
constexpr int kCutOutline = 4;            // places where a thing's outline runs into the change and stops there
constexpr double kOldRimShare = 0.3;      // of a recoloured change's ring still in the old hue: a rim of it
struct NaturalCheck {
    int changed = 0;        // pixels that differ at all (R+G+B steps above 3)
    double colourStep = 0;  // how much further from the ring the change's a*b* mean stands than before
    double seamRatio = 1;   // (edge on the border after + eps) / (before + eps)
    double discFill = 0;
    double roundness = 0;
    double blockShare = 0;  // of the change's border that lies on straight sides
    int cuts = 0;           // outlines cut off at the change's border
    double oldRim = 0;      // of the ring of a colour change that keeps the old colour
    bool crudeColour() const { return colourStep >= kCrudeColourStep; }
    bool blocky() const { return blockShare >= kBlockyShare; }
    bool cutOutline() const { return cuts >= kCutOutline; }
    bool rimLeft() const { return oldRim >= kOldRimShare; }
    bool seam() const { return seamRatio >= kCrudeSeamRatio; }
    // A round filled change whose border was no outline before: a thing taken
    // away leaves a round change too, but along the outline it had.
    bool filledDisc() const { return discFill >= kCrudeDiscFill && roundness >= kDiscRoundness && seamRatio >= 1; }
    bool natural() const
    {
        return changed > 0 && !crudeColour() && !seam() && !filledDisc() && !blocky() && !cutOutline() && !rimLeft();
    }
};
// `before` and `after`: the same crop of the two pictures around one
// difference, with at least 4 unchanged pixels on every side of the change.
NaturalCheck checkNatural(const QImage& before, const QImage& after);

} // namespace levelgen
