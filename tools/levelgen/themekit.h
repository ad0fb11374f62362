#pragma once
// Helpers shared by the theme builders: daylight, placing objects, houses.
#include "tools/levelgen/backdrop.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/rng.h"

#include <initializer_list>

namespace levelgen {

// The light of one level: sky colours, the sun and the tint it casts.
struct Daylight {
    Stops sky;
    QColor sun;
    QPointF sunAt;
    QColor tint;
    QColor haze;   // colour of far hills
    bool night = false;
};
Daylight daylight(int variation, Rng& rng);
void paintSky(QPainter& p, const Daylight& d, double horizon);

QColor anyOf(Rng& rng, std::initializer_list<QColor> colours);
QColor vary(const QColor& c, Rng& rng, double amount = 0.12);
// Notes writing painted into the backdrop at `r` (a price board): when the
// scene is seen from the other side, it still reads the right way round.
void paintedWriting(const QRectF& r);
Obj& put(Scene& s, K kind, double x, double y, double scale, QColor c1, QColor c2 = QColor(), QColor c3 = QColor());
// An object hidden on the left picture, shown by an Add difference.
Obj& spare(Scene& s, K kind, double x, double y, double scale, QColor c1, QColor c2 = QColor(), QColor c3 = QColor());
// A loose object at the free-est of a few places in `area` (x0, x1, y0, y1).
struct Area { double x0, x1, y0, y1; };
// Small things are kept to the size of a click square, so that taking one
// away or changing it all is a difference a player can click.
constexpr double kSmallKind = 36, kSmallSide = 24;
double smallScale(K kind, double scale);
Obj& scatter(Scene& s, Rng& r, K kind, Area area, double scale, QColor c1, QColor c2 = QColor(), QColor c3 = QColor());
Obj& scatterSpare(Scene& s, Rng& r, K kind, Area area, double scale, QColor c1, QColor c2 = QColor(), QColor c3 = QColor());
// Loose objects further back are drawn first.
void depthSort(Scene& s);
// A house with its chimney, windows and door (and a sign, sometimes).
void house(Scene& s, Rng& rng, double x, double y, double scale, QColor wall, QColor roof, bool night);

// The theme builders, one per theme.
void buildVillage(Scene& s, Rng& r, int v);
void buildHarbour(Scene& s, Rng& r, int v);
void buildFarm(Scene& s, Rng& r, int v);
void buildReef(Scene& s, Rng& r, int v);
void buildNightTown(Scene& s, Rng& r, int v);
void buildKitchen(Scene& s, Rng& r, int v);
void buildToyShelf(Scene& s, Rng& r, int v);
void buildGarden(Scene& s, Rng& r, int v);
void buildWinter(Scene& s, Rng& r, int v);
void buildMarket(Scene& s, Rng& r, int v);
void buildDesert(Scene& s, Rng& r, int v);
void buildSpace(Scene& s, Rng& r, int v);
void buildLake(Scene& s, Rng& r, int v);
void buildBalaton(Scene& s, Rng& r, int v);
void buildPuszta(Scene& s, Rng& r, int v);
void buildMarketHall(Scene& s, Rng& r, int v);
void buildChristmasFair(Scene& s, Rng& r, int v);
void buildCellarRow(Scene& s, Rng& r, int v);
void buildPaprikaPorch(Scene& s, Rng& r, int v);
void buildEmbankment(Scene& s, Rng& r, int v);
void buildFeastTable(Scene& s, Rng& r, int v);
void buildBeach(Scene& s, Rng& r, int v);
void buildOrchard(Scene& s, Rng& r, int v);
void buildDuckPond(Scene& s, Rng& r, int v);
void buildPumpkinPatch(Scene& s, Rng& r, int v);
void buildFlowerShop(Scene& s, Rng& r, int v);
void buildBakery(Scene& s, Rng& r, int v);
void buildPlayroom(Scene& s, Rng& r, int v);
void buildStudy(Scene& s, Rng& r, int v);
void buildMoonBase(Scene& s, Rng& r, int v);
void buildAquarium(Scene& s, Rng& r, int v);
void buildCampsite(Scene& s, Rng& r, int v);
void buildSnowyVillage(Scene& s, Rng& r, int v);
void buildAlpineMeadow(Scene& s, Rng& r, int v);
void buildPier(Scene& s, Rng& r, int v);
void buildCafe(Scene& s, Rng& r, int v);

// Across the bay a little town on its headland, hazy with distance, and a
// jetty, painted at `horizon`. Says whether the town lies to the left.
enum class Side { Either, Left, Right };
bool farTown(Scene& s, Rng& r, const Daylight& d, double horizon, Side side = Side::Either);

} // namespace levelgen
