#pragma once
// The level the rules pages show: a dove on a fence post in a meadow, drawn
// twice with eight differences.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QVector>

namespace rules {

struct LevelScene {
    QImage left, right;      // 354 x 482 each
    QVector<QPoint> points;  // centres of the differences, in picture pixels
    QColor marker;
};

LevelScene doveScene();

// Indices into LevelScene::points of the differences the pages dwell on.
enum DoveDiff { Cloud, Bird, Tree, Sprig, Knot, Poppy, Daisy, Butterfly };

} // namespace rules
