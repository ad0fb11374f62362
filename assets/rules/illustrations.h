#pragma once
// Pictures for the rules pages, taken from the real game window: it is
// built offscreen, a level is loaded and played a little, and the parts the
// pages explain are grabbed.
#include <QImage>
#include <QString>

namespace rules {

struct GameShots {
    QImage window;       // the whole game window during a level
    QImage timeAndDiffs; // time panel at 01:12 beside the differences panel
    QImage pauseBanner;  // the banner of a paused game
    QImage helpPanel;    // "Segítség (1 db)", 55 seconds to the next token
    QImage timeWarning;  // time panel at 00:20 with the warning badge
    QImage crops[2];     // two picture crops with a found difference ringed
};

// The pictures come at the screen's pixel ratio (a high ratio gives sharp
// reductions). `scratchDir` stands in for the executable's directory: the
// level file and the scratch pictures go there.
GameShots takeGameShots(const QString& scratchDir);

} // namespace rules
