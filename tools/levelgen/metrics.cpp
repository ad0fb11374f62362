#include "tools/levelgen/metrics.h"

#include <cmath>

namespace levelgen {

int colourDistance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return int(std::lround(std::sqrt(double(dr * dr + dg * dg + db * db))));
}

} // namespace levelgen
