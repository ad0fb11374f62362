#pragma once
// The game's icon, drawn by code: a wooden tile with a gold rim holding two
// photographs of one scene, the difference ringed as in the game, and a gold
// medal with the figure 2. One SVG for each level of detail; every PNG size is
// rendered from its SVG at its final size.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace icon {

// The scalable icon; `small` drops what blurs below 48 px (the tilt of the
// photographs, the medal, the grain).
QByteArray svg(bool small = false);

// The icon at `size` x `size` pixels, transparent outside the tile.
QImage render(int size);

// The sizes installed under hicolor.
const std::vector<int>& sizes();

} // namespace icon
