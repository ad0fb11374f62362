#pragma once
// Painting helpers shared by the pictures: soft shadows, lettering, tape
// strips and metal gradients.
#include <QColor>
#include <QFont>
#include <QGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

class Rng;

// A blurred copy of `path` filled with `colour`, drawn at `offset`.
void softShadow(QPainter& p, const QPainterPath& path, QPointF offset, int radius, QColor colour);

// A shadow cast inward from the edges of `path` onto what lies inside it.
void innerShadow(QPainter& p, const QPainterPath& path, QPointF offset, int radius, QColor colour);

// Fills `path` with `fill` and shades it as a rounded relief lit from the
// upper left; `softness` is how far in from the edges the slopes reach.
void raised(QPainter& p, const QPainterPath& path, const QBrush& fill, int softness, float strength);

// A painter set up the way every picture is drawn.
void prepare(QPainter& p);

// A serif face at a pixel size; Liberation Serif stands first.
QFont serif(qreal pixelSize, bool bold, bool italic);

// The outline of a line of text whose baseline starts at `origin`.
QPainterPath textPath(const QString& text, const QFont& font, QPointF origin);

// Text in `ink` with a 1-pixel `relief` copy below-right: a lighter relief
// reads as engraved, a darker one as embossed.
void reliefText(QPainter& p, const QPainterPath& text, QColor ink, QColor relief);

// A strip of semi-transparent tape centred at `centre`, rotated by `degrees`.
void tapeStrip(QPainter& p, QPointF centre, qreal degrees, QSizeF size, Rng& rng);

struct Metal {
    QColor shadow, base, light;
};
extern const Metal gold;
extern const Metal silver;

// A polished bar lit from the left-top: dark edges, one bright streak.
QLinearGradient metalBar(QPointF from, QPointF to, const Metal& m);
// A polished disc lit from the top-left.
QRadialGradient metalDisc(QPointF centre, qreal radius, const Metal& m);

} // namespace art
