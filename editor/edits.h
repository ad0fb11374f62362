#pragma once
// The photo edits a difference is made of. Each works on one thing of the
// photo (editor/things.h) under that thing's own mask, widened a pixel or
// two with a soft edge, so what changes has the thing's shape and fits the
// 20 x 20 click square.
#include "editor/things.h"

#include <QRect>
#include <QString>
#include <opencv2/core.hpp>

namespace levelgen { class Rng; }

namespace editor {

enum class EditKind { Remove, Recolour, Clone, Mirror, Enlarge, Object };
constexpr int kEditKinds = 6;

const char* editName(EditKind k);     // for the command line: remove, recolour, ...
QString editTitle(EditKind k);        // Hungarian, for the window
bool editFromName(const QString& name, EditKind& out);
// Recolour works on coloured segments; the others on things.
inline bool onSegments(EditKind k) { return k == EditKind::Recolour; }
// Recolour and drawn objects are left to the player's hand. Judged by eye at
// 4x on 37 photos: of 8 recolours 7 failed the naturalness rule and the
// eighth drew a dark rim; of the drawn objects that passed every rule, about
// half were a smudge or could not be seen on their ground.
inline bool madeAutomatically(EditKind k) { return k != EditKind::Recolour && k != EditKind::Object; }

// Applies one edit to thing `t` of the survey `s` of `left`, writing into
// `right` (BGR, level size). `touched` gets the box of the pixels it wrote.
// False when the thing gives that edit nothing to work with; `right` is then
// unchanged.
bool applyEdit(EditKind kind, const Survey& s, const Thing& t, const cv::Mat& left, cv::Mat& right,
               levelgen::Rng& rng, QRect& touched);

} // namespace editor
