#include "tools/levelgen/metrics.h"

#include "tools/levelgen/scene.h"

#include <cmath>
#include <cstdlib>

namespace levelgen {

int colourDistance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return int(std::lround(std::sqrt(double(dr * dr + dg * dg + db * db))));
}

bool squaresOverlap(QPoint a, QPoint b)
{
    return std::abs(a.x() - b.x()) < 2 * kSquareHalf && std::abs(a.y() - b.y()) < 2 * kSquareHalf;
}

bool squareOnPicture(QPoint p)
{
    return p.x() - kSquareHalf >= 0 && p.x() + kSquareHalf - 1 < kWidth && p.y() - kSquareHalf >= 0 &&
           p.y() + kSquareHalf - 1 < kHeight;
}

} // namespace levelgen
