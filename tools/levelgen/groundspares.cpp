#include "tools/levelgen/groundspares.h"

#include "tools/levelgen/diffrules.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/scenerules.h"

#include <algorithm>
#include <map>
#include <vector>

namespace levelgen {

namespace {
int copiesOfKind(const Scene& s, int kind)
{
    return int(std::count_if(s.objs.begin(), s.objs.end(), [&](const Obj& o) { return o.kind == kind && (o.visible || o.spare); }));
}

bool among(int kind, const std::vector<int>& kinds) { return std::find(kinds.begin(), kinds.end(), kind) != kinds.end(); }

// A loose thing on the ground that a difference may add one more of.
// One globe, one teddy, one robot to a room, one camp fire or scarecrow to a
// field: a second reads as a copying mistake.
bool model(const Scene& s, const Obj& m)
{
    return m.visible && !m.spare && m.depthY <= 0 && restOf(m) == Rest::Ground && (kindOf(m.kind).mods & Add) &&
           !comesAsSet(m.kind) && !isSparkle(m.kind) && copiesOfKind(s, m.kind) < maxCopies(s, m.kind) &&
           !among(m.kind, {Globe, Teddy, Robot, Rocket, Astronaut, Satellite, Lighthouse, Campfire, Scarecrow, Mailbox, Birdbath, SweepWell, Churn});
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
// Whether the hidden spare `i` is sound where it stands, and would be shown:
// the scene rules fault nothing about it, nor the right picture's rules
// (no look-alike, nothing it passes through) once a difference shows it.
bool showsSound(Scene& s, int i)
{
    if (faulted(s, i) || hasTwin(s, i))
        return false;
    const Scene hidden = s; // the left picture, as the rules compare against it
    const RightPicture right(hidden);
    s.objs[std::size_t(i)].visible = true;
    const bool fine = right.newBreaches(s).empty();
    s.objs[std::size_t(i)].visible = false;
    return fine;
}

// What may turn up beside a thing of a kind: a cat by a door, a bucket by
// the well, a hen by the fence. Only kinds of a size the scene rules know,
// so that each is drawn as big as what stands beside it.
struct Companions {
    std::vector<int> beside;
    std::vector<int> kinds;
};
const Companions kCompanions[] = {
    {{House, Door, Bench, Chair, Stool, Mailbox, Barrel, Crate, Table, BarStool, Birdbath, Bicycle}, {Cat, Dog, Pigeon, Basket}},
    {{Fence, FencePost, Haybale, Wheelbarrow, Beehive, Scarecrow, Pig, Cattle, Horse, Goat, Sheep, Donkey, Calf, Lamb, Churn},
     {Chicken, Cat, Bucket, MilkCan, Goose, Crow}},
    {{SweepWell, MilkCan}, {Bucket, Goose, Chicken}},
    {{Tree, Fir, Bush, Stump, Rock}, {Rabbit, Magpie, Crow, Fox, Basket}},
    {{Tent, Campfire}, {Lantern, Kettle, Bucket}},
    {{Pumpkin, Cabbage, Sunflower, CornStalk, Tulip, Flower}, {WateringCan, Basket, Rabbit}},
    {{Snowman, Sled}, {Crow, Magpie, Dog}},
    {{Boat, Anchor, FishingNet, Lifebuoy, DeckChair, Sandcastle, Parasol, Bollard}, {Gull, Bucket, Dog}},
    {{Lamp, TramStop, Signpost}, {Pigeon, Dog, Cat}},
    {{Teapot, Cup, Bowl, Jar, Plate, Bread, Cake, Vase, Bottle}, {Jug, Kettle, Basket}},
};

// Animals of the farm, the wood and the street stay out of doors: a pigeon
// strutting across a café floor reads as a mistake.
bool outdoorsOnly(int kind) { return among(kind, {Chicken, Goose, Crow, Gull, Fox, Rabbit, Magpie, Pigeon, Sparrow}); }

// Colours each kind has: its own in life, or a paint.
void colourFor(Obj& o, Rng& r)
{
    static const std::map<int, std::vector<QColor>> own = {
        {Pigeon, {QColor(120, 125, 140), QColor(150, 150, 160)}}, {Crow, {QColor(45, 45, 50)}}, {Magpie, {QColor(40, 40, 48)}},
        {Fox, {QColor(215, 110, 45)}}, {WateringCan, {QColor(60, 130, 80), QColor(150, 155, 160)}},
        {MilkCan, {QColor(190, 195, 200)}}, {Basket, {QColor(190, 150, 90)}}, {Lantern, {QColor(60, 55, 50)}},
        {Kettle, {QColor(200, 60, 50), QColor(60, 110, 180), QColor(230, 225, 215)}}, {Jug, {QColor(200, 120, 70), QColor(60, 110, 180)}},
        {Bucket, {QColor(240, 200, 40), QColor(220, 60, 60), QColor(60, 140, 210)}},
    };
    std::vector<QColor> choice = naturalColours(o.kind);
    if (const auto it = own.find(o.kind); choice.empty() && it != own.end())
        choice = it->second;
    o.c1 = choice.empty() ? QColor(150, 100, 60) : r.pick(choice);
    o.c2 = o.kind == Basket ? QColor(160, 120, 60) : o.kind == Jug ? QColor(240, 230, 210) : shade(o.c1, 0.7);
    o.c3 = o.kind == Basket ? QColor(245, 240, 225) : shade(o.c1, 1.3);
}

bool shownAnywhere(const Scene& s, int kind)
{
    return std::any_of(s.objs.begin(), s.objs.end(), [&](const Obj& o) { return o.kind == kind && (o.visible || o.spare); });
}

// Spares of kinds the scene does not show yet, beside what they belong by.
int addCompanions(Scene& s, Rng& r, int wanted)
{
    std::vector<std::pair<int, int>> pairs; // (beside, kind)
    for (int j = 0; j < int(s.objs.size()); ++j) {
        const Obj& b = s.objs[std::size_t(j)];
        if (!b.visible || b.spare || restOf(b) != Rest::Ground || b.depthY > 0)
            continue;
        for (const Companions& c : kCompanions)
            if (among(b.kind, c.beside))
                for (int kind : c.kinds)
                    if (!(outdoorsOnly(kind) && s.surfaces.wall) && (kindOf(kind).mods & Add) && realHeight(kind) > 0)
                        pairs.push_back({j, kind});
    }
    for (std::size_t k = pairs.size(); k > 1; --k)
        std::swap(pairs[k - 1], pairs[r.next() % k]);
    // The emptiest quarters of the height first, and no more than two in
    // one: the differences must spread, and the ground is often one band.
    int inQuarter[4] = {}, addedIn[4] = {};
    for (const Obj& o : s.objs)
        if (o.visible || o.spare)
            ++inQuarter[quarterOf(o.pos.y())];
    std::stable_sort(pairs.begin(), pairs.end(), [&](const auto& a, const auto& b) {
        return inQuarter[quarterOf(s.objs[std::size_t(a.first)].pos.y())] < inQuarter[quarterOf(s.objs[std::size_t(b.first)].pos.y())];
    });
    int added = 0, tries = 0;
    for (std::size_t k = 0; k < pairs.size() && added < wanted && tries < 4 * wanted + 8; ++k) {
        const auto [by, kind] = pairs[k];
        if (shownAnywhere(s, kind) || addedIn[quarterOf(s.objs[std::size_t(by)].pos.y())] >= 2)
            continue;
        ++tries;
        const Obj& b = s.objs[std::size_t(by)];
        Obj o;
        o.kind = kind;
        o.pos = b.pos;
        o.seed = std::uint32_t(r.next());
        o.mirror = r.chance(0.5);
        o.spare = true;
        o.visible = false;
        o.loose = true;
        o.cast = b.cast;
        o.castAlpha = b.castAlpha;
        o.castBlur = b.castBlur;
        o.castUpright = b.castUpright;
        colourFor(o, r);
        Scene trial = s;
        const int at = by + 1;
        trial.objs.insert(trial.objs.begin() + at, o);
        Obj& t = trial.objs[std::size_t(at)];
        t.scale = fittingScale(trial, at);
        if (t.scale == o.scale) // nothing beside it tells its size
            continue;
        // Small enough to change inside its click square, big enough to be fair.
        const QRect box = bounds(t);
        if (box.width() > 2 * kSquareHalf + 16 || box.height() > 2 * kSquareHalf + 16 || std::min(box.width(), box.height()) < 14)
            continue;
        for (const QPointF& p : placesBeside(trial, at)) {
            t.pos = p;
            if (showsSound(trial, at)) {
                ++addedIn[quarterOf(p.y())];
                s = std::move(trial);
                ++added;
                for (std::size_t later = k + 1; later < pairs.size(); ++later) // past the one put in
                    pairs[later].first += pairs[later].first >= at;
                break;
            }
        }
    }
    return added;
}
} // namespace

int addGroundSpares(Scene& s, Rng& r, int wanted, bool newKinds)
{
    if (s.surfaces.afloat)
        return 0;
    // Nothing lives where the crew walk in space suits: no cat, crow or fox comes by.
    const bool airless = std::any_of(s.objs.begin(), s.objs.end(), [](const Obj& o) { return o.kind == Astronaut; });
    int added = newKinds && !airless ? addCompanions(s, r, wanted) : 0;
    // Each kind the scene shows beside each thing standing on the ground,
    // in an order of the level's own, until enough are found.
    std::vector<std::pair<int, int>> pairs; // (model, beside), by index
    for (int i = 0; i < int(s.objs.size()); ++i)
        for (int j = 0; j < int(s.objs.size()); ++j) {
            const Obj& b = s.objs[std::size_t(j)];
            if (i != j && model(s, s.objs[std::size_t(i)]) && b.visible && restOf(b) == Rest::Ground && !isSparkle(b.kind) && b.depthY <= 0 &&
                onShelf(s, s.objs[std::size_t(i)]) == onShelf(s, b)) // a mug from the table is not set down on the floor
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
            if (showsSound(trial, at)) {
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
