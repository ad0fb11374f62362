#pragma once
// The photo edits a difference is made of. Each touches only the 16 x 16 box
// around its spot, so whatever it changes fits the 20 x 20 click square.
#include <QPoint>
#include <QRect>
#include <QString>
#include <opencv2/core.hpp>

namespace levelgen { class Rng; }

namespace editor {

enum class EditKind { Remove, Recolour, Clone, Mirror, Enlarge, Object };
constexpr int kEditKinds = 6;
constexpr int kEditSide = 16;

const char* editName(EditKind k);     // for the command line: remove, recolour, ...
QString editTitle(EditKind k);        // Hungarian, for the window
bool editFromName(const QString& name, EditKind& out);

// The box an edit at `spot` may change.
QRect editBox(QPoint spot);

// Applies one edit at `spot` to `right` (BGR, level size), looking at `left`
// for what was there. False when the spot gives that edit nothing to work
// with; `right` is then unchanged.
bool applyEdit(EditKind kind, const cv::Mat& left, cv::Mat& right, QPoint spot, levelgen::Rng& rng);

} // namespace editor
