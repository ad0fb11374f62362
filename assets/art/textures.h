#pragma once
// Surface textures: paper, wood, leather, plaster and damask, and the
// finishing touches laid over them.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <cstdint>

#include "assets/art/shading.h"

namespace art {

struct PaperTone {
    Rgb light, mid, dark;
    int blotches = 8;       // large soft stains
    float edge = 0.55f;     // how much the edges darken, 0..1
    float edgeWidth = 90;   // in pixels
};

// The album's parchment (light/mid/dark of the palette), with the given
// number of stains and darkening of the edges.
PaperTone parchmentTone(int blotches = 7, float edge = 0.55f, float edgeWidth = 70);
// An older, orange-brown parchment.
PaperTone agedTone();

// Paper or parchment of `size`: cloudy tone, blotches, darkened edges and
// fibres, all from `seed`.
QImage paper(QSize size, const PaperTone& tone, uint32_t seed);

// Board of wood with the grain running down (vertical) or across.
QImage wood(QSize size, Rgb dark, Rgb light, uint32_t seed, bool vertical);

// Dark leather with pebbled grain and a few lighter cracks.
QImage leather(QSize size, Rgb dark, Rgb light, uint32_t seed);

// Cracked grey plaster.
QImage plaster(QSize size, uint32_t seed);

// A dark tone-on-tone damask (wallpaper) pattern.
QImage damask(QSize size, Rgb ground, Rgb motif, uint32_t seed);

// Lays a sheet of paper cut to `shape` on the picture, with its shadow;
// `lift` is how far its shadow falls.
void paperSheet(QPainter& p, const QPainterPath& shape, const PaperTone& tone, uint32_t seed, QPointF lift);

// Darkens the picture towards `colour` away from the ellipse filling `area`
// (inner: where darkening starts, as a fraction of the half-axes).
void vignette(QImage& img, Rgb colour, float strength, float inner, uint32_t seed);

// Short faint lines, like the fibres of hand-made paper, within `area`.
void fibres(QImage& img, QRectF area, int count, Rgb ink, uint32_t seed);

// Final film grain of about one step: no JPEG or gradient banding survives it.
void grain(QImage& img, float amount, uint32_t seed);

} // namespace art
