#pragma once
// Small things drawn to fill a given box, for places that need one object
// at an exact size (the level maker's "add a small object" difference).
// Lit from the upper left like every other painter.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <cstdint>

namespace levelgen {

// A ladybird seen from above, head towards the top of `box`: a shell of
// `shell` colour split down the middle, `spots` black spots (0-7), a black
// head with two pale eye dots; `seed` tilts it and jitters the spots.
void paintLadybird(QPainter& p, const QRectF& box, const QColor& shell, int spots, std::uint32_t seed);

// A sewing button: a round disc of `colour` with a raised rim and 2 or 4
// thread holes (with a cross of thread when `threaded`).
void paintButton(QPainter& p, const QRectF& box, const QColor& colour, int holes, bool threaded);

} // namespace levelgen
