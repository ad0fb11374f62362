#pragma once
// Small objects drawn by the level generator's painters, for the "add a
// small object" difference. The one place the editor meets the painters.
#include <QColor>
#include <QImage>
#include <cstdint>

namespace editor {

enum class SmallObject { Bird, Butterfly, Flower, Fruit, Ladybird, Button };

// The object on a transparent `side` x `side` picture (premultiplied ARGB),
// centred and as large as fits; `colour` is its main colour.
QImage paintSmallObject(SmallObject kind, int side, QColor colour, std::uint32_t seed);

} // namespace editor
