#pragma once
// The themes of the pack and the scene each level is drawn from.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

namespace levelgen {

int themeCount();
const char* themeName(int theme);
int themeForLevel(int level);
// The scene of `level`: its theme, with a light, composition and palette of
// its own, so that no two levels share a scene.
Scene buildScene(int level);

} // namespace levelgen
