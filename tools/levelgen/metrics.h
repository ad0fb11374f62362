#pragma once
// How the generator and the validator judge a difference: the same numbers on
// both sides, so that whatever the generator accepts the validator passes.
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QVector>

class QImage;

namespace levelgen {

constexpr int kRadius = 46;           // every changed pixel lies this close to its point
constexpr int kVisibleDistance = 40;  // a colour change a person notices at a glance
constexpr int kMinVisiblePixels = 30; // fewer noticeably changed pixels cannot be seen
constexpr int kCentreTolerance = 4;   // the point is the middle of the changed area
constexpr int kSquareHalf = 10;       // the click square runs from -10 to +9 around a point

int colourDistance(QRgb a, QRgb b); // Euclidean in RGB

// True when the click squares of two points overlap.
bool squaresOverlap(QPoint a, QPoint b);
// The click square lies wholly on the picture.
bool squareOnPicture(QPoint p);

} // namespace levelgen
