#pragma once
// Differences made automatically: spots with detail, an edit at each that
// shows and fits its click square, kept apart from the others.
#include "editor/draft.h"
#include "editor/edits.h"

#include <QString>
#include <cstdint>

namespace editor {

// Replaces the draft's differences with `count` new ones (1 to 25) made from
// `seed`: the same picture and seed give the same level. False, with the
// draft's differences cleared, when the picture cannot hold that many.
bool makeDifferences(Draft& d, int count, std::uint64_t seed, QString* error);

// A new difference in place of difference `index` (or a new one at the end
// when index is -1), somewhere else and made from `seed`.
bool rerollDifference(Draft& d, int index, std::uint64_t seed, QString* error);

// The player's own: edit `kind` at `spot` (the point is then moved to the
// middle of what changed).
bool addDifferenceAt(Draft& d, QPoint spot, EditKind kind, std::uint64_t seed, QString* error);

// Whether a difference at `point` whose edit touched `touched` keeps clear of
// the others (all but `skip`).
bool clearOfOthers(const Draft& d, QPoint point, const QRect& touched, int skip);
// Judges what changed inside `box` by the level rules (seen, seen by a
// colour-blind player, clickable, clear of the others); fills `out` but its
// kind, or says why not.
bool judgeChange(const Draft& d, const QRect& box, int skip, Difference& out, QString* why);

// Takes difference `index` out, putting the photo's pixels back.
void removeDifference(Draft& d, int index);

} // namespace editor
