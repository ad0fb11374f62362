#pragma once
// Shadows cast from a scene's one light. Each standing thing throws its own
// silhouette onto the ground, away from the sun (or moon, or a room's lamp),
// longer and softer the lower the light; things that fly, swim, hang on a
// wall or stand on water cast none.
#include "tools/levelgen/scene.h"

namespace levelgen {

// Sets every object's cast shadow from `s.light` (call once the scene is laid out).
void castShadows(Scene& s);
// At night, the ground each lit street lamp lights around its foot, painted
// into the backdrop; such a lamp stays lit and in place, so its pool of
// light never contradicts it.
void lampPools(Scene& s);
// The shadow alone, drawn before the object itself.
void paintCast(QPainter& p, const Obj& o);
// Pixels the shadow may touch (empty when it casts none).
QRect castBounds(const Obj& o);
// Shortens the shadow to little more than where the thing touches the
// ground: a changed object's shadow then changes only inside its square.
// False when it had no longer shadow to shorten.
bool shortenCast(Obj& o);

} // namespace levelgen
