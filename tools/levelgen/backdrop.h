#pragma once
// Painting the parts of a scene that never change: skies, hills, water,
// floors and walls, with the texture that makes them look real.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <cstdint>
#include <utility>
#include <vector>

namespace levelgen {

using Stops = std::vector<std::pair<double, QColor>>;

QImage newBase();
void verticalGradient(QPainter& p, const QRectF& r, const Stops& stops);
void glow(QPainter& p, QPointF centre, double radius, const QColor& c);
// Brightness noise added to the pixels of `r`: `scale` is the feature size in
// pixels, `stretch` > 1 draws it out sideways (wood grain, water).
void noiseTexture(QImage& img, const QRect& r, double scale, int amplitude, std::uint32_t seed,
                  double stretch = 1.0, int octaves = 4);
// A range of hills or dunes: a noisy skyline at `baseY`, filled downwards.
void hills(QPainter& p, double baseY, double height, double wavelength, const QColor& top,
           const QColor& bottom, std::uint32_t seed, double bottomY = 482);
void waterGlints(QPainter& p, const QRectF& r, const QColor& c, int count, std::uint32_t seed);
void planks(QPainter& p, const QRectF& r, const QColor& c, double plank, bool vertical, std::uint32_t seed);
void wallpaper(QPainter& p, const QRectF& r, const QColor& base, const QColor& motif, int pattern);
void tiles(QPainter& p, const QRectF& r, const QColor& c, double size);
void cobbles(QPainter& p, const QRectF& r, const QColor& c, std::uint32_t seed);
void starfield(QPainter& p, const QRectF& r, int count, std::uint32_t seed);
void grassTufts(QPainter& p, const QRectF& r, const QColor& c, int count, std::uint32_t seed);
void lightRays(QPainter& p, const QRectF& r, int count, std::uint32_t seed);

} // namespace levelgen
