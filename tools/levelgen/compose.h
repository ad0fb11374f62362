#pragma once
// The composition engine the newer themes are configured with: a backdrop
// (sky over ground, water, a wall over a floor or table), then groups of
// objects laid into bands, densest in front, sorted back to front. A theme
// says what stands where; the engine keeps them on their ground and apart.
#include "tools/levelgen/themekit.h"

#include <vector>

namespace levelgen {

// How many of a thing a scene holds: more on later levels (Scene::density).
int many(const Scene& s, int n);

// `n` loose objects of one kind in `area`, colours drawn from `palette`.
void group(Scene& s, Rng& r, K kind, int n, Area area, double s0, double s1,
           std::initializer_list<QColor> palette, QColor c2 = QColor(), QColor c3 = QColor());
// As `group`, but hidden until an Add difference shows one.
void spares(Scene& s, Rng& r, K kind, int n, Area area, double s0, double s1,
            std::initializer_list<QColor> palette, QColor c2 = QColor());
// A row of things standing on a line (a shelf, a counter, a sill) from x0 to x1.
void row(Scene& s, Rng& r, double y, double x0, double x1, std::initializer_list<K> kinds, double s0, double s1,
         std::initializer_list<QColor> palette);

// Sky with its sun over a ground that fills the picture below `horizon`.
// Things laid side by side on a table top, centred on `cx` at `y`: one place
// setting (a plate, its glass) or a centrepiece. Their colours come from
// `colours` in turn; what they stand on is noted as a stand.
void setOut(Scene& s, Rng& r, double cx, double y, const std::vector<K>& kinds, double scale, const std::vector<QColor>& colours);
void skyAndGround(Scene& s, Rng& r, const Daylight& d, double horizon, const QColor& nearGround,
                  const QColor& farGround, int grassTufts = 0);
// A band of water from y0 to y1 reflecting the sky, with glints.
void water(Scene& s, Rng& r, const Daylight& d, double y0, double y1, const QColor& deep);
// A wall down to `floorY`, then a floor or table top to the bottom.
void room(Scene& s, Rng& r, const QColor& wall, int wallPattern, double floorY, const QColor& floor, bool planked);
// Bulbs hung on a wire across the picture, sagging between x0 and x1.
void garland(Scene& s, Rng& r, double y, double sag, int bulbs, std::initializer_list<QColor> colours);
// A shelf board the objects of a `row` stand on.
void shelfBoard(Scene& s, double y, const QColor& wood);
// A rug on a floor (a cloth on the grass) filling `r`, with a border and a
// woven pattern, noted as a place a group of things may lie on.
void rug(Scene& s, const QRectF& r, const QColor& colour, std::uint32_t seed);
// A short shelf on a wall from x0 to x1, on two brackets, for a `row`.
void wallShelf(Scene& s, double x0, double x1, double y, const QColor& wood);
// Small things set on the bigger ones a scene already has (a cat on a crate,
// a jug on a barrel, a bird on a rock), each with the given chance: they
// stand on something, overlap it and are drawn just after it. The thing
// beneath then keeps its place and size, so nothing is left floating.
void setOnTop(Scene& s, Rng& r, double chance);
// The gear of a quay or a pier's deck from `top` (its edge over the water)
// down to the picture's foot, in groups a sailor would leave it in: bollards
// along the edge with a ship's anchor and the gulls, a stack of crates and
// barrels with a life ring against it, a net spread by its bucket of fish
// and a lantern. The deck is noted as a stand things are held on.
void deckGear(Scene& s, Rng& r, double top, bool night);
// Set pieces painted into a country backdrop, for the things a group
// gathers round: a hen house on its legs with its ramp (the foot of its
// front at `foot`), a ladder leaning from `foot` up into a tree's leaves
// (the leaves, drawn later, hide its top), a pool of still water in an
// oval (`r`) with its rim of wet sand and rushes.
void henHouse(Scene& s, QPointF foot, double scale, const QColor& wood, const QColor& roof, bool rampLeft);
void ladder(Scene& s, QPointF foot, QPointF top, double width);
void pool(Scene& s, Rng& r, const Daylight& d, const QRectF& r0);
// A herdsman in his white felt cloak and black hat, leaning on his crook
// (`k` 1: about 50 px tall), and a wooden water trough `width` wide.
void shepherd(Scene& s, QPointF foot, double k, bool facingLeft);
// Two people arm in arm, walking (`k` 1: about 50 px tall): a man in a dark
// coat and hat, a woman in a long coat, her head a little lower.
void strollers(Scene& s, QPointF foot, double k, bool facingLeft, const QColor& coat, const QColor& hers);
// Readies `p` to paint a figure standing at `foot` in its own units (`k` to
// a pixel, turned to face left if asked), its shadow on the ground first.
void figureAt(QPainter& p, QPointF foot, double k, bool facingLeft, const QRectF& shadow, int shadowAlpha);
void trough(Scene& s, QPointF foot, double width, const QColor& wood);
// A camel driver in his robe and head cloth striding ahead of his file
// (`k` 1: about 50 px tall), the lead rope from his hand to `halter`.
void cameleer(Scene& s, QPointF foot, double k, bool facingLeft, QPointF halter);
// A woodpile stacked against a wall or between two stakes, its log ends
// towards us (foot centred on `foot`, `k` 1: about 40 px wide), snow on
// top in winter; and a trail of paw prints in the snow from `from` to `to`,
// smaller and closer further back.
void woodpile(Scene& s, QPointF foot, double k, bool snow);
void pawPrints(Scene& s, Rng& r, QPointF from, QPointF to, const QColor& snowShade);
// A washing line between two poles from x0 to x1 (their feet at `foot`,
// `height` tall), with a few clothes pegged to it in `colours`.
void washingLine(Scene& s, double x0, double x1, double foot, double height, std::initializer_list<QColor> colours);
// One thing of a composed group, placed as composed (not loose, so it is
// neither copied about nor gathered elsewhere).
Obj& gear(Scene& s, K kind, double x, double y, double scale, QColor c1, QColor c2 = QColor(), bool mirror = false);
// `top` set on `under`: it stays there, and what holds it stays too.
void setOn(Obj& top, Obj& under);
// Nothing of the scene's things stands in `r`, nor a piece or a rug
// painted in before: a set piece painted there would be drawn under them.
bool clearOfThings(const Scene& s, const QRectF& r);
// A night sky: dark gradient, stars and the moon.
Daylight night(Rng& r);

} // namespace levelgen
