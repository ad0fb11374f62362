#include "tools/levelgen/groundspares.h"

#include "tools/levelgen/diffrules.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/scenerules.h"

#include <algorithm>

namespace levelgen {

namespace {
int copiesOfKind(const Scene& s, int kind)
{
    return int(std::count_if(s.objs.begin(), s.objs.end(), [&](const Obj& o) { return o.kind == kind && (o.visible || o.spare); }));
}

// A loose thing on the ground that a difference may add one more of.
bool model(const Scene& s, const Obj& m)
{
    return m.visible && !m.spare && m.depthY <= 0 && restOf(m) == Rest::Ground && (kindOf(m.kind).mods & Add) &&
           !comesAsSet(m.kind) && !isSparkle(m.kind) && copiesOfKind(s, m.kind) < maxCopies(s, m.kind);
}

int quarterOf(double y) { return std::clamp(int(y * 4 / kHeight), 0, 3); }

// Whether the scene rules fault anything about object `i`.
bool faulted(const Scene& s, int i)
{
    for (auto rule : {supportBreaches, copyBreaches, anchorBreaches, letterBreaches, edgeBreaches})
        for (const Breach& b : rule(s))
            if (b.object == i || b.other == i)
                return true;
    return false;
}
} // namespace

int addGroundSpares(Scene& s, Rng& r, int wanted)
{
    if (s.surfaces.afloat)
        return 0;
    int added = 0;
    // Each kind the scene shows beside each thing standing on the ground,
    // in an order of the level's own, until enough are found.
    std::vector<std::pair<int, int>> pairs; // (model, beside), by index
    for (int i = 0; i < int(s.objs.size()); ++i)
        for (int j = 0; j < int(s.objs.size()); ++j) {
            const Obj& b = s.objs[std::size_t(j)];
            if (i != j && model(s, s.objs[std::size_t(i)]) && b.visible && restOf(b) == Rest::Ground && !isSparkle(b.kind) && b.depthY <= 0)
                pairs.push_back({i, j});
        }
    for (std::size_t k = pairs.size(); k > 1; --k)
        std::swap(pairs[k - 1], pairs[r.next() % k]);
    // The emptiest quarters of the height first, so that the differences
    // can spread (the open sky above takes one at most).
    int inQuarter[4] = {};
    for (const Obj& o : s.objs)
        if (o.visible || o.spare)
            ++inQuarter[quarterOf(o.pos.y())];
    std::stable_sort(pairs.begin(), pairs.end(), [&](const auto& a, const auto& b) {
        return inQuarter[quarterOf(s.objs[std::size_t(a.second)].pos.y())] < inQuarter[quarterOf(s.objs[std::size_t(b.second)].pos.y())];
    });
    for (std::size_t k = 0; k < pairs.size() && added < wanted; ++k) {
        const auto [mi, by] = pairs[k];
        const Obj& m = s.objs[std::size_t(mi)];
        const Obj& b = s.objs[std::size_t(by)];
        if (!model(s, m))
            continue;
        Obj o = m;
        o.pos = b.pos;
        o.scale = m.scale * (1 + (o.pos.y() - m.pos.y()) / 900.0);
        o.c1 = shade(m.c1, r.chance(0.5) ? 1.6 : 0.55); // its own look, no twin
        o.seed = std::uint32_t(r.next());
        o.mirror = r.chance(0.5);
        o.spare = true;
        o.visible = false;
        o.deny = 0;
        o.loose = true;
        // Tried on a copy of the scene, drawn just after what it stands
        // beside (at the same depth); kept once nothing is wrong with it.
        Scene trial = s;
        const int at = by + 1;
        trial.objs.insert(trial.objs.begin() + at, o);
        trial.objs[std::size_t(at)].scale = fittingScale(trial, at);
        if (const QColor own = distinctColour(trial, at); own.isValid())
            trial.objs[std::size_t(at)].c1 = own;
        for (const QPointF& p : placesBeside(trial, at)) {
            trial.objs[std::size_t(at)].pos = p;
            if (!faulted(trial, at) && !hasTwin(trial, at)) {
                s = std::move(trial);
                ++added;
                for (std::size_t later = k + 1; later < pairs.size(); ++later) // past the one put in
                    for (int* index : {&pairs[later].first, &pairs[later].second})
                        *index += *index >= at;
                break;
            }
        }
    }
    return added;
}

} // namespace levelgen
