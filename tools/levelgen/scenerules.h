#pragma once
// The rules a level's scene obeys so that it reads as a place and its
// differences are worth finding, as plain functions on a scene (and on the
// differences made to it). The generator tidies every scene with them and
// the validator reports each breach; rules.h holds the pixel rules.
#include "tools/levelgen/differ.h"
#include "tools/levelgen/scene.h"

#include <QImage>
#include <QString>
#include <vector>

namespace levelgen {

enum class SceneRule {
    Support,    // a thing with nothing it could rest on
    Overlap,    // a thing drawn through another at the same depth
    Depth,      // further back but bigger, or drawn in front of what stands before it
    Size,       // out of proportion with what stands beside it
    Copies,     // more than three of a kind that does not come as a set
    Letters,    // writing mirrored, or on a thing that would not carry it
    EdgeCut,    // a thing of note cut by the picture's edge
    EmptyBand,  // a bare square of backdrop outside open sky
    Anchor,     // a prop standing alone in the open, by nothing that explains it
    ColourOnly, // too many differences that only change colour
    Palette,    // a new colour that kind of thing never has
    Unfair,     // a difference on a twin, a sparkle, a tiny or a dark-on-dark thing
    Spread,     // differences crowded into one band of the picture
    Layout,     // two levels with the same arrangement
};
constexpr int kSceneRules = int(SceneRule::Layout) + 1;
const char* sceneRuleName(SceneRule rule);

struct Breach {
    SceneRule rule;
    int object = -1; // the thing at fault (index into Scene::objs), -1 for the whole picture
    int other = -1;  // the thing it clashes with, when there is one
    QString text;
};

// What a kind rests on.
enum class Rest {
    Ground, // the ground, a floor, a table top, a shelf or a deck
    Water,  // floats (on dry floors indoors: a toy)
    Wall,   // hangs on a wall or a house front
    Air,    // flies or shines in the sky
    Swims,  // in water or in space, where things drift
    Part,   // belongs to another thing (a window, a door, a house number)
};
Rest restOf(const Obj& o);
// Things that come as one set, many of a kind: a fence, bunting, a row of trees.
bool comesAsSet(int kind);
// Things with writing or digits on them.
bool carriesWriting(int kind);
// Whether y lies in one of the scene's bands of water.
bool inWater(const Scene& s, double y);
// Within a wading bird's reach of either shore of a stretch of water.
bool inShallows(const Scene& s, double y);
// Sparkles and tiny lights: never the thing a difference is made on.
bool isSparkle(int kind);
// The usual height of a kind, in centimetres (0: not known).
double realHeight(int kind);
// The painted height of an object, in pixels, as its kind's box says.
double paintedHeight(const Obj& o);

constexpr int kMaxCopies = 3;          // of one kind, unless it comes as a set
constexpr int kMaxCopiesIndoors = 2;   // in a room, where a third teddy reads as a copying mistake
// The most copies of `kind` the scene may hold (pictures on a wall differ: up to kMaxCopies).
int maxCopies(const Scene& s, int kind);
// On a shelf board or a counter's top: a row of things there is one set,
// needs nothing beside it and is measured against its own row. A deck is
// not such a stand: what stands on it stands as on the ground.
bool onShelf(const Scene& s, const Obj& o);
constexpr double kMaxSizeRatio = 2.5;  // between two things side by side, in pixels per centimetre
constexpr int kBareSide = 90;          // a bare square this big is an empty band
constexpr double kBareSpread = 16;     // grey standard deviation of a backdrop square with nothing drawn on it
constexpr int kMinDifferencePx = 12;   // a changed thing at least this wide and high
constexpr double kMaxLean = 6;       // degrees a standing thing may lean (its painted wobble)
constexpr int kTwinColour = 60;        // two things of a kind nearer in colour (and size) look identical
constexpr double kMaxColourOnlyShare = 0.3;
// Changes that leave the outline as it was and only paint the thing over (a
// lamp lit or put out changes what it does, not its colour: not counted).
constexpr unsigned kColourOnlyMods = Recolour | Shade | Pattern;

// Each rule over a whole scene; the scene as the left picture shows it.
std::vector<Breach> supportBreaches(const Scene& s);
std::vector<Breach> overlapBreaches(const Scene& s);
std::vector<Breach> depthBreaches(const Scene& s);
// Of those, the things standing further back but drawn over a nearer one.
std::vector<Breach> drawOrderBreaches(const Scene& s);
std::vector<Breach> sizeBreaches(const Scene& s);
std::vector<Breach> copyBreaches(const Scene& s);
std::vector<Breach> letterBreaches(const Scene& s);
std::vector<Breach> edgeBreaches(const Scene& s);
// Squares of kBareSide px showing nothing but backdrop (sky excepted).
std::vector<QRect> bareSquares(const Scene& s);
// A town's open paving (grey cobbles or flags before its houses or stalls),
// not a field with a barn on it nor the moon's dust.
bool pavedGround(const Scene& s, QPointF at);
std::vector<Breach> emptyBandBreaches(const Scene& s);
// Props that stand by something (a lamp by a house front, a mailbox by a
// fence, a bucket by a well, toys by the wall): never alone in the open.
bool needsAnchor(int kind);
// Street furniture (a lamp, a mailbox, a bench, a signpost) stands by a
// house front, a fence, a tree or a quay itself, never merely beside another prop.
bool isStreetProp(int kind);
// Food: lies on a table, a counter, a shelf or a cloth only.
bool isFood(int kind);
// Whether `anchor` explains a `prop` standing by it.
bool anchorsProp(int anchor, int prop);
// Things a prop may stand by: houses, fences, trees, tables, tents, wells...
bool isAnchor(int kind);
// A stand that is a floor of planks things stand on (a pier, a quay), not
// a shelf board or a counter's top line: it has a depth.
inline bool isDeck(const QRectF& stand) { return stand.height() > 20; }
// On a rug, or at the water's edge: places that explain what stands there.
bool onRugOrShore(const Scene& s, const Obj& o);
bool onDeck(const Scene& s, const Obj& o);
// What a deck's things gather by: a bollard, a stack of crates or barrels,
// a net with its rope.
bool isDeckAnchor(int kind);
// Loose on a deck, these too stand by something (an anchor, a net, fish).
bool isDeckCargo(int kind);
// Whether `anchor` explains `prop` standing by it, in this scene (on a
// deck its cargo explains the rest).
bool anchorsPropHere(const Scene& s, const Obj& anchor, const Obj& prop);
constexpr double kAnchorReach = 30; // px from its anchor's foot, or from a prop of its group
// For each object, whether it is a prop on the ground with nothing near it to
// explain it (a group counts as a whole: one of its things by an anchor).
std::vector<bool> strandedProps(const Scene& s);
std::vector<Breach> anchorBreaches(const Scene& s);
// All the rules above.
std::vector<Breach> sceneBreaches(const Scene& s);

// The colours a kind of thing has in life; empty when any colour will do
// (painted and dyed things). A recolour picks one of these.
std::vector<QColor> naturalColours(int kind);
// Whether an object has an identical twin in the scene (same kind, colour and size).
bool hasTwin(const Scene& s, int object);
// Why a thing cannot carry a difference (empty if it can): a twin, a sparkle,
// smaller than kMinDifferencePx, or dark on a dark picture.
QString unfairFor(const Scene& s, const QImage& left, int object);
// At most kMaxColourOnlyShare of `count` differences may change colour only.
int maxColourOnly(int count);
// Whether points are crowded: with 6 or more, one of the four quarters of
// the picture's height (top to bottom) holds more than half of `total`.
bool crowded(const std::vector<QPoint>& points, int total);
// The most points in one quarter of the picture's height.
int mostInAQuarter(const std::vector<QPoint>& points);
// The difference rules over a finished level.
std::vector<Breach> differenceBreaches(const Scene& s, const QImage& left, const std::vector<Difference>& diffs);

// How unalike two arrangements are: 1 minus the correlation of the two
// pictures' grey thumbnails with each row's mean taken away (so that a sky
// meeting its ground at the same height does not count), the lower of the
// picture as it is and mirrored (a scene seen from the other side is the
// same arrangement). 0: the same masses in the same places.
std::vector<float> layoutThumbnail(const QImage& picture);
double layoutDistance(const std::vector<float>& a, const std::vector<float>& b);
// Chosen by looking at the closest pairs: the same market stall in other
// colours was 0.16 to 0.26 apart, the same farmyard 0.34; three houses in a
// row under bunting, seen again in other colours (levels 1 and 73), and the
// red barn beside its apple tree seen twice (41 and 77) were 0.55, and
// so was a market stall under the same awning (18 and 54, 0.51). Pairs
// that a player sees as different places begin near 0.57.
constexpr double kMinLayoutDistance = 0.56;

} // namespace levelgen
