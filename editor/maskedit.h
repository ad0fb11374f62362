#pragma once
// Hand-made differences from a painted mask: the player brushes over what
// should change, inside the 20 x 20 square around where the stroke began,
// and picks what happens there. Everything changed lies under the mask, so
// the difference always fits its click square.
#include "editor/draft.h"

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <opencv2/core.hpp>

namespace editor {

enum class MaskEdit { Remove, Recolour, Clone };
constexpr int kMaskEdits = 3;
const char* maskEditName(MaskEdit k); // remove, recolour, clone: the kinds of the list
QString maskEditTitle(MaskEdit k);

// The square a stroke begun at `start` may paint in: the click square there.
QRect maskSquare(QPoint start);

// A brush stroke of radius `brush` from `a` to `b` into `mask` (CV_8U, the
// size of `square`, level positions), kept inside the square.
void paintMask(cv::Mat& mask, const QRect& square, QPoint a, QPoint b, int brush);

// Applies `kind` under `mask` and adds the difference when it shows, fits
// and keeps clear of the others; otherwise the draft is unchanged and
// `error` says why. The mask is kept with the difference so that a re-roll
// (rerollMasked) applies the same kind again from a new seed.
bool addMaskedDifference(Draft& d, const QRect& square, const cv::Mat& mask, MaskEdit kind, std::uint64_t seed,
                         QString* error);
// As addMaskedDifference, in place of difference `index` (-1: a new one).
bool addMaskedAt(Draft& d, const QRect& square, const cv::Mat& mask, MaskEdit kind, std::uint64_t seed, int index,
                 QString* error);
bool rerollMasked(Draft& d, int index, std::uint64_t seed, QString* error);

} // namespace editor
