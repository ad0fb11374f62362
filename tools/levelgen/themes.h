#pragma once
// The themes of the pack and the scene each level is drawn from.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

#include <vector>

namespace levelgen {

int themeCount();
const char* themeName(int theme);
int themeForLevel(int level);
// The theme of every level, level 1 first.
std::vector<int> themeSchedule();
// The scene of `level`: its theme, with a light, composition and palette of
// its own, so that no two levels share a scene.
Scene buildScene(int level);

} // namespace levelgen
