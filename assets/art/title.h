#pragma once
// The game's title as lettered on the start and about pictures: the word
// KOVRA in white capitals and an outlined figure 2 raised to its right.
#include <QPainter>

namespace art {

// Letters the title centred on `centreX`, as wide as `width`, standing on
// the baseline `baseline`; `shadow` is the colour of its drop shadow.
void drawGameTitle(QPainter& p, qreal centreX, qreal baseline, qreal width, QColor shadow);

} // namespace art
