#pragma once
// More to add on the ground. First things of kinds the scene does not show
// yet, each beside what it belongs by (a cat by the door, a bucket by the
// well, a hen by the fence), in the size of what stands there. Then, for a
// scene whose spare things wait in its sky (where a level takes one
// difference at most): things of kinds the scene already shows, in a colour
// of their own. All hidden on the left, ready for a difference to show them.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

namespace levelgen {

// Adds up to `wanted` such spares (without the new kinds unless `newKinds`);
// none that the scene rules would fault. Returns how many it added.
int addGroundSpares(Scene& s, Rng& r, int wanted, bool newKinds = true);

} // namespace levelgen
