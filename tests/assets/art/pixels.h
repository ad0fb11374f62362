#pragma once
// Small measures of pixels shared by the picture tests.
#include <QColor>
#include <algorithm>

namespace artcheck {

// Perceived brightness, 0..255 (Rec. 601 weights).
inline int luma(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

// How far from grey: 0 for a neutral pixel.
inline int spread(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

} // namespace artcheck
