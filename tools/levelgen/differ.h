#pragma once
// Making the right picture: k changes to k objects, each kept to its own
// small area, and the recorded point in the middle of what really changed.
#include "tools/levelgen/rng.h"
#include "tools/levelgen/rules.h"
#include "tools/levelgen/scene.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <vector>

namespace levelgen {

// How hard a level is: more, smaller and subtler changes further on.
struct Difficulty {
    int count = 5;          // differences wanted
    int minVisible = 150;   // visibly changed pixels per difference
    int floorVisible = 150; // as few as a level short of its count may take
    int maxVisible = 700;
    double minContrast = 30; // mean dE76 over the visibly changed pixels
    double floorContrast = 30;
    int maxBold = 25;       // changes of the kinds seen at a glance (not kSubtleMods)
    double subtlety = 0;    // 0 = bold changes, 1 = subtle ones
};
Difficulty difficultyFor(int level);

struct Difference {
    QPoint point;        // middle of the visible change
    DiffCheck check;     // what the rules measured
    unsigned mod = 0;
    int object = -1;
    Obj after;           // the object as the right picture shows it
};

struct Differences {
    QImage left;         // the picture as drawn, with changed things' shadows shortened
    QImage right;
    std::vector<Difference> list;
};

// Changes `scene` (a copy is kept as it was drawn into `left`).
Differences makeDifferences(const Scene& scene, const QImage& left, const Difficulty& d, Rng& rng);

// Applies one change to an object; false when it cannot take that change.
bool applyMod(Obj& o, unsigned mod, double subtlety, Rng& rng);
// The change `mod` really made from `before` to `after`: a detail that only
// switches a light, or a pattern, is that change.
unsigned changeMade(unsigned mod, const Obj& before, const Obj& after);
// A new colour far enough from `c` to be seen, nearer for subtle levels.
QColor recolour(const QColor& c, double subtlety, Rng& rng);

// The ring colour that stands out best against the picture around the points.
QColor chooseMarker(const QImage& left, const std::vector<QPoint>& points);

} // namespace levelgen
