#pragma once
// Furniture painted into a room's backdrop: a table seen from the front and a
// little above (its top a shallow band, a cloth or an apron in front, legs on
// the floor), a counter or desk, chairs behind a table, plates on a wall.
// Each notes itself as furniture, so that a basket or a cat on the floor by
// it stands where it belongs; what is set on a top is laid with setOut, one
// row for each depth, the back row higher and smaller.
#include "tools/levelgen/compose.h"

#include <vector>

namespace levelgen {

struct TableLook {
    double x0 = 0, x1 = 0;      // the front edge, left to right (it may run past the picture)
    double back = 0, front = 0; // the top's far and near edge
    double feet = 0;            // where the front legs stand on the floor
    QColor wood;
    QColor cloth;               // a cloth over it when valid, hanging `drop` below the front edge
    double drop = 0;
    QColor stitch;              // the cloth's embroidered border, when valid
    bool round = false;         // a small round table on one leg (a café's)
};
void paintTable(Scene& s, Rng& r, const TableLook& t);
// Where row `i` of `rows` stands on the top, from the back (0) to the front.
double tableRow(const TableLook& t, int i, int rows);
// Things further back on the top are drawn smaller: the scale of row `i`.
double rowScale(int i, int rows, double nearScale);
// A counter, dresser or desk from x0 to x1: its top a band from `top` to
// top + depth, its panelled front down to the floor at `feet`.
void paintCounter(Scene& s, Rng& r, double x0, double x1, double top, double depth, double feet, const QColor& wood);
// Chairs standing behind a table at `xs`: their backs show above its far edge.
void chairBacks(Scene& s, const TableLook& t, const std::vector<double>& xs, double height, const QColor& wood);
// Painted plates hung on a wall, each on its nail.
void wallPlates(Scene& s, const std::vector<QPointF>& at, double radius, const QColor& rim, const QColor& motif);
// A window in a room's wall onto a garden or a street, noted as glass.
void roomWindow(Scene& s, Rng& r, const QRectF& w, const QColor& frame, bool street);
// A coat stand by the door with a coat and a hat on its hooks.
void coatStand(Scene& s, double x, double feet, double height, const QColor& wood, const QColor& coat);
// A stall's chalk board on two cords from `hungFrom`: an apple painted on
// its left, a price in forints beside it ("60 Ft"). Note it as writing.
void priceBoard(QPainter& p, const QRectF& b, double hungFrom, int price, const QColor& fruit);
// One of the things a setOut row just laid, hidden until an Add difference shows it.
void hideOne(Scene& s, Rng& r, std::size_t firstOfRow);

} // namespace levelgen
