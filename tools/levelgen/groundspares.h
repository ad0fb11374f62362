#pragma once
// More to change on the ground, for a scene whose spare things wait in its
// sky (where a level takes one difference at most): things of kinds the
// scene already shows, hidden on the left, each set beside something at its
// own depth and in its own size, ready for a difference to show them.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

namespace levelgen {

// Adds up to `wanted` such spares; none that the scene rules would fault.
// Returns how many it added.
int addGroundSpares(Scene& s, Rng& r, int wanted);

} // namespace levelgen
