#pragma once
// The six pages of the rules window, composed from the page style, the texts
// and the pictures taken from the game.
#include <QImage>

#include "illustrations.h"

namespace rules {

constexpr int kPageCount = 6;

// Page `n` (1..6) in full colour, 572 x 400.
QImage composePage(int n, const GameShots& shots);
// The parchment and panel page `n` is drawn on.
QImage pageBackground(int n);

} // namespace rules
