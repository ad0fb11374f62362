#pragma once
// Small drawing helpers shared by every painter: shading, soft shadows and
// gradients lit from the upper left, as all our scenes are.
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace levelgen {

QColor shade(const QColor& c, double f);           // f > 1 lighter, < 1 darker
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, int alpha);
QColor hueShift(const QColor& c, int degrees);

// A body lit from the upper left: light at the top-left, dark at the bottom-right.
QLinearGradient litGradient(const QRectF& r, const QColor& c, double contrast = 0.35);
// A round body: a radial gradient with its highlight towards the upper left.
QRadialGradient ballGradient(const QRectF& r, const QColor& c);
// A soft elliptical contact shadow.
void softShadow(QPainter& p, const QRectF& r, int alpha = 70);
// Fills `path` with a lit gradient and strokes a thin darker outline.
void body(QPainter& p, const QPainterPath& path, const QColor& c, double contrast = 0.35);
void roundBody(QPainter& p, const QRectF& r, const QColor& c);
void outline(QPainter& p, const QColor& c, double width = 1.0);
// A digit drawn as strokes on a 4 x 6 grid of `unit` (no font needed); the pen is the caller's.
void drawDigit(QPainter& p, QPointF topLeft, int digit, double unit);

} // namespace levelgen
