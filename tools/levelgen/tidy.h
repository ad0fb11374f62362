#pragma once
// Holding a composed scene to the scene rules: writing the right way round,
// things the same kind smaller further back, nothing floating, drawn through
// another, cut by the edge or copied a fourth time; then the bare squares
// furnished with what that part of the picture would hold.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

namespace levelgen {

// Takes away what breaks the support, overlap, depth, size, copies, letters
// and edge rules (and what stood on it), after setting right what can be set right.
void tidyScene(Scene& s);
// Gives each of a group of identical things a look of its own (another of
// its kind's colours, or a lighter or darker coat), so no two are twins.
void distinguishTwins(Scene& s, Rng& r);
// Hides up to `n` more things of kinds the scene has (never a fourth copy),
// each on free ground near one of its kind, for a difference to show.
void addSpares(Scene& s, Rng& r, int n);
// Puts what stands nearer after what it stands in front of, in drawing order
// (run again after any sort of the loose things).
void drawNearerLater(Scene& s);
// Gathers the small things loose on the ground in front into three or four
// groups (each kind in one of them), with room between the groups.
void gatherIntoGroups(Scene& s, Rng& r);
// Gives each quarter of the picture's height things a difference can be
// made on, where the composition left it few: a bird that may fly into open
// sky, a picture on a room's wall, a fish or a rock that may drift by, one
// more of a small thing on the ground there.
void furnishQuarters(Scene& s, Rng& r, int perQuarter);
// Takes down a short shelf that tidying left with fewer than two things on
// it, painting the wall back as it was.
void takeDownEmptyShelves(Scene& s);
// A town's open foreground, with nothing standing in it that props could
// gather by, gets a young tree or two: the bench, the lamp, the barrels
// that stood scattered over the square then stand round them.
void plantForeground(Scene& s, Rng& r);
// Fills each bare square (see bareSquares) with a thing the scene already
// has there: a picture or window on a wall, a bush or a stone on the ground.
void furnishBareSquares(Scene& s, Rng& r);

} // namespace levelgen
