#pragma once
// The themes of the pack and the scene each level is drawn from.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/scene.h"

#include <vector>

namespace levelgen {

int themeCount();
const char* themeName(int theme);
int themeForLevel(int level);
// Every theme builder knows this many compositions (horizon, viewpoint,
// arrangement, light); which one a level gets, and the how-many-th time its
// theme comes round (0 first).
constexpr int kCompositions = 3;
int compositionForLevel(int level);
int visitOfLevel(int level);
// The objects and backdrop of one composition of a theme, into a fresh scene.
void composeTheme(Scene& s, Rng& rng, int theme, int composition);
// The theme of every level, level 1 first.
std::vector<int> themeSchedule();
// The scene of `level`: its theme, with a light, composition and palette of
// its own, so that no two levels share a scene; with `gather`, the small
// things in front stand in groups.
// `reroll` furnishes it afresh, with one more thing to change in each
// quarter of its height, for a level whose first scenes fell short.
Scene buildScene(int level, bool gather = true, int reroll = 0);

} // namespace levelgen
