#pragma once
// 256-colour pages: a palette fitted to the picture (median cut refined by a
// few k-means passes) and error-diffusion dithering, so soft parchment
// gradients keep no visible bands.
#include <QImage>
#include <QList>

namespace rules {

// At most `maxColours` colours that represent `image` well; its exact
// colours when it has no more than that.
QList<QRgb> fitPalette(const QImage& image, int maxColours = 256);

// `image` as an 8-bit indexed picture on `palette`, Floyd-Steinberg dithered
// (serpentine). Pixels whose colour is in the palette stay exact.
QImage toIndexed8(const QImage& image, const QList<QRgb>& palette);

// Both steps.
QImage quantize(const QImage& image, int maxColours = 256);

} // namespace rules
