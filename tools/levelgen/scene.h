#pragma once
// A level picture as a small scene graph: a painted backdrop that never
// changes, then objects drawn in order, each able to paint itself and to say
// where it may paint. Differences are made by changing single objects.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <cstdint>
#include <utility>
#include <vector>

namespace levelgen {

constexpr int kWidth = 354;
constexpr int kHeight = 482;

// The ways an object can be changed to make a difference.
enum Mod : unsigned {
    Remove = 1u << 0,
    Add = 1u << 1,     // a spare object, hidden on the left, appears
    Recolour = 1u << 2,
    Move = 1u << 3,
    Resize = 1u << 4,
    Mirror = 1u << 5,
    Detail = 1u << 6,  // a stripe, a window, a button...
    Count = 1u << 7,   // one item more or fewer
    Reshape = 1u << 8,
    Shade = 1u << 9,    // the same colour a little lighter or darker
    Light = 1u << 10,   // a lamp or a window lit or dark
    Digit = 1u << 11,   // the number on a plate (count is the digit)
    Pattern = 1u << 12, // the pattern painted on a thing
    Tilt = 1u << 13,    // turned by a few degrees
};
constexpr int kModKinds = 14;
// Changes a player finds by comparing closely rather than at a glance.
constexpr unsigned kSubtleMods = Move | Resize | Mirror | Detail | Count | Reshape | Shade | Digit | Pattern | Tilt;
const char* modName(unsigned mod);

struct Obj {
    int kind = 0;
    QPointF pos;              // where the object stands (its local origin)
    double scale = 1;
    double rot = 0;           // degrees
    bool mirror = false;
    QColor c1, c2, c3;
    int variant = 0;          // detail bits, meaning set by the kind
    int count = 0;
    int shape = 0;
    std::uint32_t seed = 0;   // the object's own small irregularities
    bool visible = true;
    bool spare = false;       // hidden until an Add difference shows it
    unsigned deny = 0;        // mods this placement does not allow
    bool groundMove = false;  // moves only sideways (it stands on something)
    bool loose = false;       // scattered: kept apart from others, drawn back to front
    double depthY = 0;        // when set, the y it is drawn in order of (a thing set on another: just after it)
    // Its shadow on the ground, away from the scene's light: the offset per
    // pixel of height (none while castAlpha is 0), its opacity and softness.
    QPointF cast;
    double castAlpha = 0, castBlur = 0;
    bool castUpright = false; // on the wall behind it (indoors), not flat on the ground
};

using PaintFn = void (*)(QPainter&, const Obj&);

struct Kind {
    const char* name;
    QRectF box;               // where it paints, in local units
    PaintFn paint;
    unsigned mods;            // changes that make sense for it
    int details = 0;          // number of detail bits
    int shapes = 1;
    int minCount = 0, maxCount = 0;
    int recolour = 1;         // which colour (c1, c2, c3) a recolour changes
    int lightBit = 0;         // the variant bit a Light change switches
    int patternBit = 0;       // the variant bit a Pattern change switches
};

const Kind& kindOf(int kind);
int kindCount();

// Pixels the object may touch, in picture coordinates (antialiasing included).
QRect bounds(const Obj& o);
// Pixels the object and its cast shadow may touch.
QRect reach(const Obj& o);
void paintObj(QPainter& p, const Obj& o);

struct Finish {
    double vignette = 0.22;   // darkening towards the corners
    int grain = 3;            // per-pixel film grain, +- this much
    QColor tint = QColor(255, 255, 255); // light colour, multiplied in
    std::uint32_t seed = 1;
};

// The one light of a scene, noted as its backdrop is painted: the sun or moon
// over a ground that starts at `horizon`, or a lamp or window of a room.
struct Lighting {
    enum Source { None, Sun, Moon, Room } source = None;
    QPointF at;               // where it is in the picture
    double horizon = 0;       // outdoors: things standing below it cast shadows
    std::vector<std::pair<double, double>> water; // bands (y0, y1) nothing casts on
    QImage sky;               // the sky alone, before anything was painted over it
};

// What things can stand on, noted as the backdrop is painted, so that the
// scene rules can tell a thing that stands from one that floats.
struct Surfaces {
    double ground = 0;         // the ground, floor or table top starts here (0: not known)
    bool wall = false;         // above the ground is a wall (indoors), not open air
    bool afloat = false;       // under water or in space: things swim or drift; a sea floor is the ground
    std::vector<QRectF> stands; // shelf boards and counters (flat) and decks things stand on
    std::vector<QRectF> walls;  // upright fronts painted into the backdrop, where a clock may hang
    std::vector<QRectF> glass;  // window panes painted into a room's wall: nothing hangs over them
    std::vector<QRectF> rugs;   // rugs and cloths on a floor or the grass: a group of things lies on each
    std::vector<QRectF> furniture; // tables, counters and desks painted in, from top to feet: floor things stand by them
    std::vector<QRectF> pieces;    // set pieces painted into a yard (a hen house, a trough, a pool, a herdsman), top to
                                   // foot: being backdrop they are drawn under everything, so nothing may stand in them
    bool tableTop = false;      // indoors, the ground is a table top (a cloth lies on it, not a rug)
    double ceiling = 0;         // indoors, the wall starts below this (a porch's beam): nothing hangs above it

    // A backdrop's ground and kind of place; the other lists fill as it is painted.
    static Surfaces at(double ground, bool wall, bool afloat, std::vector<QRectF> stands = {})
    {
        Surfaces s;
        s.ground = ground;
        s.wall = wall;
        s.afloat = afloat;
        s.stands = std::move(stands);
        return s;
    }
};

struct Scene {
    QImage base;              // backdrop, Format_RGB32, kWidth x kHeight
    std::vector<Obj> objs;
    Lighting light;
    Surfaces surfaces;
    // Short shelves put up on a bare wall: where each board stands, and the
    // wall as it was under it, to take down a shelf left with nothing on it.
    std::vector<std::pair<QRectF, QImage>> boards;
    Finish finish;
    double density = 1;       // how crowded: rises with the level
    Obj& add(int kind, QPointF pos, double scale = 1.0);
};

// The scene's pixels inside `r` (in picture coordinates), finished.
QImage renderPatch(const Scene& s, const QRect& r);
QImage render(const Scene& s);
// The finishing pass on a patch whose top-left is at `origin`.
void applyFinish(QImage& patch, QPoint origin, const Finish& f);

} // namespace levelgen
