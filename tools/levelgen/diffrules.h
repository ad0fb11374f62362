#pragma once
// The rules a level's differences keep on the picture they make. The right
// picture is a scene too: what a difference adds stands where it can, by
// something that explains it, with no look-alike beside it; nothing is
// taken or pushed from under what rests on it; and the open sky carries at
// most one difference. Plain functions, tried by the generator on every
// change and reported beside the scene rules.
#include "tools/levelgen/differ.h"
#include "tools/levelgen/scenerules.h"

#include <set>
#include <tuple>
#include <vector>

namespace levelgen {

// The scene the right picture shows: each difference's object as it is there.
Scene rightSceneOf(const Scene& left, const std::vector<Difference>& diffs);

// Whether an object shows in the open sky: it flies (a bird on the wing, a
// kite, a balloon, a cloud) with sky behind it, not a wall or a tree.
bool inOpenSky(const Scene& s, const Obj& o);
// Where the sky is what the picture is about (space, under the sea), its
// differences may all be up there.
bool skyIsTheSubject(const Scene& s);
constexpr int kMaxSkyDifferences = 1;
// More than kMaxSkyDifferences differences in the open sky (a Spread breach).
std::vector<Breach> skyBreaches(const Scene& s, const std::vector<Difference>& diffs);

// A thing the right picture adds, within this gap of another thing of its
// kind, or three times as far and nearer than this in colour (RGB
// distance), reads as its copy.
constexpr double kLookAlikeReach = 30;
constexpr int kLookAlikeColour = 100;

// The right picture's own breaches of the scene rules, against the left's:
// built once from the left scene, then asked of each right scene tried.
class RightPicture {
public:
    explicit RightPicture(const Scene& left);
    // What `right` (the left scene with some objects changed) breaks that
    // the left picture does not: a thing added that floats, passes through
    // another, stands in the middle of nothing or beside its look-alike; a
    // prop whose anchor went; a thing resting on one that was taken away,
    // moved, resized or turned.
    std::vector<Breach> newBreaches(const Scene& right) const;

private:
    const Scene& left_;
    std::set<std::tuple<int, int, int>> known_; // (rule, object, other) the left already breaks
};

// Where a thing the right picture adds could appear instead of a bare spot:
// beside something standing at about its depth (so it is drawn in the same
// order), nearest first. Its left picture does not show it, so it may go anywhere.
std::vector<QPointF> placesBeside(const Scene& s, int added);
// The scale at which a thing the right picture adds agrees in size with what
// stands at about its depth (pixels per centimetre, as the size rule
// measures); its own scale when nothing near tells.
double fittingScale(const Scene& s, int added);
// A main colour for a thing the right picture adds that no other of its
// kind in the picture comes near (kLookAlikeColour): one its kind has in life,
// or any paint for painted things. Invalid when there is none.
QColor distinctColour(const Scene& s, int added);

// Variety: a level holds no more than kMaxSameChange differences making
// one change on one kind of thing (not four jar labels, not six critters
// taken away, not window after window lit), and no change above about
// kAimChangeShare of its differences. A scene with few kinds of things to
// change (a table set with glasses and frames) may go to kMaxChangeShare,
// never further.
constexpr int kAimSameChange = 2;
// Nor more than this many changes of any sort on one kind of thing: three
// ducks changed, each its own way, still send the player to the ducks.
constexpr int kAimChangesPerKind = 2;
constexpr double kAimChangeShare = 0.4;
constexpr int kMaxSameChange = 3;
constexpr double kMaxChangeShare = 0.5;
// What a change counts against as "the same change": its kind of thing
// (each detail of it apart: a window's curtains drawn is not its shutters
// gone), but a light switched on or off, or a number changed, reads as the
// same change whatever carries it.
int changedLook(unsigned mod, const Obj& before, const Obj& after);
// The same, with every detail of a kind counted together: what the aim of
// kAimSameChange counts (a generator avoids three pictures on one wall
// changing, whichever part of each).
int aimedLook(unsigned mod, int kind);
// How many differences of a level of `count` may make one change.
int maxOfOneChange(int count, double share = kMaxChangeShare);
// How many differences go beyond the aim (of one change on one kind, of
// changes on one kind, or of one change at all): 0 for a varied level.
int repeatsBeyondAim(const Scene& s, const std::vector<Difference>& diffs);
// Beyond the limits, as Spread breaches: one kind of change crowds the level.
std::vector<Breach> varietyBreaches(const Scene& s, const std::vector<Difference>& diffs);

// Across the width as down the height: with 6 or more differences, a level
// aims at no third of the picture's width holding more than half of them,
// and none holds more than kMaxAcrossShare.
constexpr double kAimAcrossShare = 0.5;
constexpr double kMaxAcrossShare = 2.0 / 3;
int mostInAThird(const std::vector<QPoint>& points);
bool crowdedAcross(const std::vector<QPoint>& points, int total, double share = kMaxAcrossShare);

// Everything a level's differences break on the right picture, in the sky,
// across the width, and where one kind of change crowds them.
std::vector<Breach> changeBreaches(const Scene& left, const std::vector<Difference>& diffs);

} // namespace levelgen
