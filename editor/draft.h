#pragma once
// A level in the making: the framed photo, its edited copy and the
// differences, and what it takes to turn them into a level file.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <opencv2/core.hpp>
#include <vector>

namespace editor {

struct Difference {
    QPoint point;      // centre of the visible change
    QString kind;      // remove, recolour, ..., or "edited" for a found one
    int changed = 0;   // visibly changed pixels
    QRect area;        // box of the visibly changed pixels
    bool clickable = true;
    QRect touched;     // pixels the right picture took from the edit
    bool seenColourBlind = true; // still shows to a protanope and a deuteranope
    cv::Mat mask;      // a painted difference: its mask over `maskSquare` (empty otherwise)
    QRect maskSquare;
    int maskKind = -1;
};

struct Draft {
    cv::Mat left, right; // BGR, 354 x 482
    std::vector<Difference> diffs;
    QColor marker;
    QStringList skipped; // changes found but left out (too faint to find), one line each
};

// The ring colour that stands out from the picture around the points.
QColor autoMarker(const Draft& d);
// Why the draft cannot be saved yet, in one line; empty when it can.
QString saveProblem(const Draft& d);
// The level file's bytes; checked by the pack validator, whose complaint
// comes back in `problem` (and an empty record).
QByteArray encodeDraft(const Draft& d, QString* problem);

// `k x y kind changed-pixels`, one line per difference.
QStringList differenceLines(const Draft& d);

// The folder of the player's own levels (never the shipped DATA/: a saved
// level takes no shipped level's place), and own level n's file there.
QString levelFolder();
QString levelPath(int n);
// Writes atomically; false with the reason in `error`. `keepBackup` moves
// a file already there to NAME.bak first.
bool writeLevel(const QString& path, const QByteArray& record, bool keepBackup, QString* error);

} // namespace editor
