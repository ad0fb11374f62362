#pragma once
// Differences made automatically: small real things of the photo, an edit
// under each thing's own mask that shows, fits its click square, keeps apart
// from the others and passes the naturalness rule.
#include "editor/draft.h"
#include "editor/edits.h"
#include "tools/levelgen/rules.h"

#include <QString>
#include <cstdint>

namespace editor {

// Replaces the draft's differences with up to `count` new ones (1 to 25)
// made from `seed`: the same picture and seed give the same level. Returns
// how many it made; fewer than asked when the photo has no more natural
// places (never padded with crude edits), and `why` then says so. -1, with
// `why`, for a count out of range.
int makeDifferences(Draft& d, int count, std::uint64_t seed, QString* why);

// A new difference in place of difference `index` (or a new one at the end
// when index is -1), somewhere else and made from `seed`.
bool rerollDifference(Draft& d, int index, std::uint64_t seed, QString* error);

// The player's own: edit `kind` at `spot` (the point is then moved to the
// middle of what changed).
bool addDifferenceAt(Draft& d, QPoint spot, EditKind kind, std::uint64_t seed, QString* error);

// Whether a difference at `point` whose edit touched `touched` keeps clear of
// the others (all but `skip`).
bool clearOfOthers(const Draft& d, QPoint point, const QRect& touched, int skip);
// Seeds hashed, so that neighbouring seeds give unrelated levels.
std::uint64_t mixSeed(std::uint64_t seed);
// The naturalness rule (tools/levelgen/rules.h) on what changed in `touched`.
levelgen::NaturalCheck naturalChange(const Draft& d, const QRect& touched);
// Judges what changed inside `box` by the level rules (seen, seen by a
// colour-blind player, clickable, clear of the others); fills `out` but its
// kind, or says why not. `grown`: the change is a thing enlarged in place.
bool judgeChange(const Draft& d, const QRect& box, int skip, Difference& out, QString* why, bool grown = false);

// Takes difference `index` out, putting the photo's pixels back.
void removeDifference(Draft& d, int index);

} // namespace editor
