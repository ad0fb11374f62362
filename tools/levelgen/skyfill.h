#pragma once
// Skies are not left empty: how much open sky a picture shows, and the step
// that fills it as the scene's light suits, deterministic per seed.
#include "tools/levelgen/themekit.h"

#include <QImage>
#include <vector>

namespace levelgen {

// Sky left empty, measured on a picture: cells of kSkyCell pixels above
// `horizon` with no edge in them (nothing but the sky's own gradient) and,
// when the painted sky alone (`plate`) is known, where the backdrop (`base`)
// still shows that sky rather than hills or walls.
constexpr int kSkyCell = 16;
std::vector<bool> emptySkyCells(const QImage& picture, double horizon, const QImage* base = nullptr,
                                const QImage* plate = nullptr);
// The side, in pixels, of the largest square of those cells.
int largestEmptySky(const QImage& picture, double horizon, const QImage* base = nullptr, const QImage* plate = nullptr);
// Sky is filled until no empty square is this many cells across.
constexpr int kSkyFill = 5;
// Fills a large empty sky as the scene's light suits: shaded clouds, a
// flock of birds, a kite, a balloon far off, a contrail; the more empty sky,
// the more of them.
void fillSky(Scene& s, Rng& r);

} // namespace levelgen
