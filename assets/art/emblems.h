#pragma once
// Small drawn objects that appear in more than one picture: the clock, the
// warning badge and the help button.
#include <QColor>
#include <QImage>
#include <QPainter>

namespace art {

struct ClockLook {
    QColor faceLight, faceDark;        // centre and edge of the dial
    QColor rimLight, rimBase, rimDark; // the polished rim
    bool numerals = false;             // roman-free plain figures 12, 3, 6, 9
    qreal hour = 10, minute = 10;      // the time the hands show
    qreal redFrom = 0, redTo = 0;      // minutes shaded red under the hands
};
// The game's own clock: yellow face, green rim, showing ten past ten.
ClockLook gameClock();

void drawClock(QPainter& p, QPointF centre, qreal radius, const ClockLook& look);
void drawWarningBadge(QPainter& p, QPointF centre, qreal radius);
void drawHelpButton(QPainter& p, QPointF centre, qreal radius);

// A small picture on the panels' fill: `draw` paints onto a transparent
// layer, `grey` drains its colour, and the layer is laid on the fill.
QImage panelIcon(QSize size, bool grey, void (*draw)(QPainter&, QSizeF));

} // namespace art
