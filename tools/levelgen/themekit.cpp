#include "tools/levelgen/themekit.h"

#include "tools/levelgen/differ.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/compose.h"
#include "tools/levelgen/light.h"
#include "tools/levelgen/scenerules.h"
#include "tools/levelgen/tidy.h"
#include "tools/levelgen/skyfill.h"
#include "tools/levelgen/themes.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace levelgen {

Daylight daylight(int variation, Rng& rng)
{
    Daylight d;
    // On the left, where every painter's light comes from (a mirrored visit
    // flips both), so highlights and shadows agree with the sun in the sky.
    d.sunAt = QPointF(rng.range(40, 150), rng.range(40, 110));
    switch (variation % 4) {
    case 0: // morning
        d.sky = {{0, QColor(110, 165, 225)}, {0.6, QColor(175, 210, 240)}, {1, QColor(250, 235, 205)}};
        d.sun = QColor(255, 250, 220, 220);
        d.tint = QColor(255, 252, 246);
        d.haze = QColor(150, 175, 200);
        break;
    case 1: // bright noon
        d.sky = {{0, QColor(55, 120, 210)}, {0.7, QColor(140, 190, 240)}, {1, QColor(210, 230, 250)}};
        d.sun = QColor(255, 255, 240, 230);
        d.tint = QColor(255, 255, 255);
        d.haze = QColor(130, 165, 205);
        break;
    case 2: // golden afternoon
        d.sky = {{0, QColor(80, 130, 200)}, {0.6, QColor(200, 200, 210)}, {1, QColor(255, 215, 160)}};
        d.sun = QColor(255, 230, 170, 230);
        d.tint = QColor(255, 243, 225);
        d.haze = QColor(170, 160, 170);
        break;
    default: // sunset
        d.sky = {{0, QColor(70, 70, 140)}, {0.45, QColor(200, 110, 130)}, {0.8, QColor(250, 160, 90)}, {1, QColor(255, 210, 130)}};
        d.sun = QColor(255, 200, 120, 240);
        d.sunAt.setY(rng.range(120, 170));
        d.tint = QColor(255, 232, 212);
        d.haze = QColor(150, 110, 140);
        break;
    }
    return d;
}

namespace {
// The scene a theme is building on this thread: the sky it paints is the light
// its shadows are cast from, whichever way the theme paints its backdrop.
thread_local Scene* tBuilding = nullptr;
// Writing painted into the backdrop of the scene being built, to be kept readable.
thread_local std::vector<QRectF> tWriting;
void skyOnly(QPainter& p, const Daylight& d, double horizon)
{
    verticalGradient(p, QRectF(0, 0, kWidth, horizon), d.sky);
    glow(p, d.sunAt, 70, withAlpha(d.sun, 120));
    glow(p, d.sunAt, 16, d.sun);
    p.setBrush(shade(d.sun, 1.3));
    p.drawEllipse(d.sunAt, 9, 9);
}
} // namespace

void paintSky(QPainter& p, const Daylight& d, double horizon)
{
    if (tBuilding && tBuilding->surfaces.ground <= 0)
        tBuilding->surfaces.ground = horizon;
    if (tBuilding && d.sun.alpha() > 0 && d.sunAt.y() < horizon) {
        tBuilding->light.source = d.night ? Lighting::Moon : Lighting::Sun;
        tBuilding->light.at = d.sunAt;
        tBuilding->light.horizon = horizon;
        // Kept apart too: where the finished backdrop still shows it, the sky is open.
        tBuilding->light.sky = newBase();
        QPainter plate(&tBuilding->light.sky);
        plate.setRenderHint(QPainter::Antialiasing);
        skyOnly(plate, d, horizon);
    }
    skyOnly(p, d, horizon);
}

QColor anyOf(Rng& rng, std::initializer_list<QColor> colours)
{
    return *(colours.begin() + std::ptrdiff_t(rng.next() % colours.size()));
}

QColor vary(const QColor& c, Rng& rng, double amount) { return shade(c, rng.range(1 - amount, 1 + amount)); }

void paintedWriting(const QRectF& r) { tWriting.push_back(r); }

Obj& put(Scene& s, K kind, double x, double y, double scale, QColor c1, QColor c2, QColor c3)
{
    Obj& o = s.add(kind, QPointF(x, y), scale);
    o.c1 = c1;
    o.c2 = c2.isValid() ? c2 : shade(c1, 0.7);
    o.c3 = c3.isValid() ? c3 : QColor(245, 240, 230);
    const Kind& k = kindOf(kind);
    o.count = k.maxCount > k.minCount ? (k.minCount + k.maxCount + 1) / 2 : k.minCount;
    o.variant = int(o.seed % 7u) & ((1 << k.details) - 1);
    o.shape = k.shapes > 1 ? int(o.seed / 7u % std::uint32_t(k.shapes)) : 0;
    o.mirror = !carriesWriting(kind) && (o.seed / 13u) % 2; // writing stays readable
    return o;
}

Obj& spare(Scene& s, K kind, double x, double y, double scale, QColor c1, QColor c2, QColor c3)
{
    Obj& o = put(s, kind, x, y, scale, c1, c2, c3);
    o.spare = true;
    o.visible = false;
    return o;
}

double smallScale(K kind, double scale)
{
    const QRectF box = kindOf(kind).box;
    const double side = std::max(box.width(), box.height());
    return side <= kSmallKind ? std::min(scale, kSmallSide / side) : scale;
}

Obj& scatter(Scene& s, Rng& r, K kind, Area a, double scale, QColor c1, QColor c2, QColor c3)
{
    scale = smallScale(kind, scale);
    QPointF best;
    double bestMiss = 1e18;
    Obj probe;
    probe.kind = kind;
    probe.scale = scale;
    // Early scenes keep things apart; later ones let them overlap a little,
    // back to front, as things do in a crowded place.
    const QRect own = bounds(probe);
    const double wanted = std::clamp((s.density - 1) / 0.6, 0.0, 1.0) * 0.22 * own.width() * own.height();
    for (int t = 0; t < 10 && bestMiss > 0; ++t) {
        probe.pos = QPointF(r.range(a.x0, a.x1), r.range(a.y0, a.y1));
        const QRect mine = bounds(probe);
        double overlap = 0;
        for (const Obj& o : s.objs)
            if (o.loose) {
                const QRect both = mine & bounds(o);
                overlap += both.isEmpty() ? 0 : double(both.width()) * both.height();
            }
        const double miss = overlap > wanted ? overlap - wanted : (wanted - overlap) * 0.5;
        if (miss < bestMiss)
            bestMiss = miss, best = probe.pos;
    }
    Obj& o = put(s, kind, best.x(), best.y(), scale, c1, c2, c3);
    o.loose = true;
    return o;
}

Obj& scatterSpare(Scene& s, Rng& r, K kind, Area a, double scale, QColor c1, QColor c2, QColor c3)
{
    Obj& o = scatter(s, r, kind, a, scale, c1, c2, c3);
    o.spare = true;
    o.visible = false;
    return o;
}

void depthSort(Scene& s)
{
    std::vector<std::size_t> places;
    std::vector<Obj> loose;
    for (std::size_t i = 0; i < s.objs.size(); ++i)
        if (s.objs[i].loose)
            places.push_back(i), loose.push_back(s.objs[i]);
    auto key = [](const Obj& o) { return o.depthY > 0 ? o.depthY : o.pos.y(); };
    std::stable_sort(loose.begin(), loose.end(), [&](const Obj& a, const Obj& b) { return key(a) < key(b); });
    for (std::size_t k = 0; k < places.size(); ++k)
        s.objs[places[k]] = loose[k];
}

void house(Scene& s, Rng& rng, double x, double y, double sc, QColor wall, QColor roof, bool night)
{
    Obj& ch = put(s, Chimney, x + (rng.chance(0.5) ? 22 : -28) * sc, y - 80 * sc, sc, QColor(150, 70, 55));
    ch.variant = night || rng.chance(0.5) ? 1 : 0;
    Obj& h = put(s, House, x, y, sc, wall, roof);
    h.shape = rng.between(0, 1);
    const QColor frame = night ? QColor(70, 60, 55) : QColor(245, 242, 235);
    const QColor shutters = anyOf(rng, {QColor(60, 110, 70), QColor(50, 90, 150), QColor(150, 50, 45), QColor(110, 80, 50)});
    const QColor curtain = anyOf(rng, {QColor(210, 60, 60), QColor(240, 220, 170), QColor(90, 140, 200), QColor(230, 150, 180)});
    for (int i = 0; i < 4; ++i) {
        const double wx = x + (i % 2 ? 24 : -24) * sc, wy = y + (i < 2 ? -40 : -8) * sc;
        Obj& w = put(s, Window, wx, wy, sc, frame, shutters, curtain);
        w.variant = int(rng.next() % 16);
        if (night)
            w.variant = (w.variant & ~2) | (rng.chance(0.6) ? 2 : 0);
        w.mirror = false;
    }
    Obj& d = put(s, Door, x, y, sc, anyOf(rng, {QColor(120, 70, 40), QColor(60, 90, 130), QColor(130, 40, 40), QColor(60, 110, 80)}));
    d.variant = int(rng.next() % 4);
}

namespace {
using Builder = void (*)(Scene&, Rng&, int);
struct Theme {
    const char* name;
    Builder build;
};
const Theme kThemes[] = {
    {"village street", buildVillage}, {"Balaton shore", buildBalaton}, {"harbour", buildHarbour},
    {"great plain", buildPuszta}, {"farmyard", buildFarm}, {"market hall", buildMarketHall},
    {"underwater reef", buildReef}, {"Christmas fair", buildChristmasFair}, {"night over town", buildNightTown},
    {"cellar row", buildCellarRow}, {"kitchen table", buildKitchen}, {"paprika porch", buildPaprikaPorch},
    {"toy shelf", buildToyShelf}, {"embankment", buildEmbankment}, {"garden", buildGarden},
    {"feast table", buildFeastTable}, {"winter forest", buildWinter}, {"market stall", buildMarket},
    {"desert caravan", buildDesert}, {"space station", buildSpace}, {"mountain lake", buildLake},
    {"beach", buildBeach}, {"autumn orchard", buildOrchard}, {"duck pond", buildDuckPond},
    {"pumpkin patch", buildPumpkinPatch}, {"flower shop", buildFlowerShop}, {"bakery", buildBakery},
    {"playroom", buildPlayroom}, {"study", buildStudy}, {"moon base", buildMoonBase},
    {"aquarium", buildAquarium}, {"campsite", buildCampsite}, {"snowy village", buildSnowyVillage},
    {"alpine meadow", buildAlpineMeadow}, {"fishing pier", buildPier}, {"café", buildCafe},
};
} // namespace

int themeCount() { return int(std::size(kThemes)); }

const char* themeName(int theme) { return kThemes[theme % themeCount()].name; }

// Every theme once before any comes back, so a theme returns only after
// themeCount() levels.
int themeForLevel(int level) { return (level - 1) % themeCount(); }

int visitOfLevel(int level) { return (level - 1) / themeCount(); }

// 36 themes over 100 levels: 28 come three times, the last 8 twice. Each
// visit takes the next composition from a starting point that differs by
// theme, so every composition of every theme is in the pack except the one
// each twice-shown theme skips, and that one differs from theme to theme.
int compositionForLevel(int level) { return (themeForLevel(level) + visitOfLevel(level)) % kCompositions; }

std::vector<int> themeSchedule()
{
    std::vector<int> out;
    for (int n = 1; n <= 100; ++n)
        out.push_back(themeForLevel(n));
    return out;
}

namespace {
// The second visit of a theme sees it from the other side.
void mirrorScene(Scene& s, const std::vector<QRectF>& writing)
{
    s.base = s.base.mirrored(true, false);
    { // writing painted on the backdrop turned back to read the right way
        QPainter p(&s.base);
        for (const QRectF& w : writing) {
            const QRect at = QRectF(kWidth - w.right(), w.top(), w.width(), w.height()).toAlignedRect();
            p.drawImage(at.topLeft(), s.base.copy(at).mirrored(true, false));
        }
    }
    s.light.at.setX(kWidth - s.light.at.x());
    s.light.sky = s.light.sky.mirrored(true, false);
    for (QRectF& st : s.surfaces.stands)
        st.moveLeft(kWidth - st.right());
    for (QRectF& w : s.surfaces.walls)
        w.moveLeft(kWidth - w.right());
    for (QRectF& g : s.surfaces.glass)
        g.moveLeft(kWidth - g.right());
    for (QRectF& g : s.surfaces.rugs)
        g.moveLeft(kWidth - g.right());
    for (QRectF& f : s.surfaces.furniture)
        f.moveLeft(kWidth - f.right());
    for (QRectF& f : s.surfaces.pieces)
        f.moveLeft(kWidth - f.right());
    for (auto& [board, wall] : s.boards) {
        board.moveLeft(kWidth - board.right());
        wall = wall.mirrored(true, false);
    }
    for (Obj& o : s.objs) {
        o.pos.setX(kWidth - o.pos.x());
        o.rot = -o.rot;
        if (!carriesWriting(o.kind)) // their writing stays readable
            o.mirror = !o.mirror;
    }
}
// Rooms and stalls whose theme paints no lamp of its own: a lamp or window
// up on one side, as in every room.
bool indoors(int theme)
{
    const Builder b = kThemes[theme % themeCount()].build;
    for (Builder room : {buildMarketHall, buildKitchen, buildPaprikaPorch, buildToyShelf, buildFeastTable, buildCafe})
        if (b == room)
            return true;
    return false;
}

// A night sky painted by hand still has its moon: the faint light of the
// night, over the ground the houses stand on.
void lightFromMoon(Scene& s)
{
    const Obj* moon = nullptr;
    double ground = kHeight;
    for (const Obj& o : s.objs) {
        if (o.kind == Moon && o.visible && !moon)
            moon = &o;
        if (o.kind == House)
            ground = std::min(ground, o.pos.y());
    }
    if (!moon || ground >= kHeight)
        return;
    s.light.source = Lighting::Moon;
    s.light.at = moon->pos;
    s.light.horizon = ground;
}

// One of a kind in a scene: a crowd of them would look like a copying mistake.
bool isCharacter(K kind)
{
    for (K k : {Cat, Teddy, Snowman, Robot, Gnome, Astronaut, Rocket, Lighthouse, Camel, Satellite, Dog, Puli, Fox, Stork, Heron})
        if (k == kind)
            return true;
    return false;
}

// More of the small things a theme already placed, in the same band of the
// picture (sky, water, ground) and the same colours, so later levels are
// fuller and every level has enough small things to change.
void enrich(Scene& s, Rng& r, int wanted)
{
    int extra = wanted;
    for (const Obj& o : s.objs)
        extra -= o.visible;
    std::vector<Obj> templates;
    for (const Obj& o : s.objs)
        if (o.loose && !o.spare && std::max(kindOf(o.kind).box.width(), kindOf(o.kind).box.height()) <= kSmallKind + 8 &&
            !isCharacter(K(o.kind)) && !(kindOf(o.kind).mods & Digit) && // a number is one of a kind
            !needsAnchor(o.kind)) // a second churn or milk can set down elsewhere reads as a copying mistake
            templates.push_back(o);
    if (templates.empty())
        return;
    // Up to three of a kind (more of what comes as a set: flowers, stones).
    std::vector<int> room(std::size_t(kindCount()), 0);
    for (const Obj& o : templates)
        room[std::size_t(o.kind)] = comesAsSet(o.kind) ? 6 : maxCopies(s, o.kind);
    for (const Obj& o : s.objs)
        if (o.visible || o.spare)
            --room[std::size_t(o.kind)];
    for (int i = 0, tries = 0; i < extra && tries < 4 * extra; ++tries) {
        const Obj& t = templates[r.next() % templates.size()];
        if (room[std::size_t(t.kind)] <= 0)
            continue;
        --room[std::size_t(t.kind)];
        ++i;
        double y0 = t.pos.y(), y1 = t.pos.y();
        // The band of its own kind and shape near it: a perched bird among
        // the perched ones on the quay, never between them and the flying
        // ones in the sky (it would stand on water or on nothing).
        for (const Obj& o : templates)
            if (o.kind == t.kind && o.shape == t.shape && std::abs(o.pos.y() - t.pos.y()) < 90)
                y0 = std::min(y0, o.pos.y()), y1 = std::max(y1, o.pos.y());
        y0 = std::max(20.0, y0 - 10), y1 = std::min(kHeight - 8.0, y1 + 10);
        Obj& o = scatter(s, r, K(t.kind), {15, kWidth - 15.0, y0, y1}, t.scale, vary(t.c1, r, 0.08), t.c2, t.c3);
        o.shape = t.shape;
        o.groundMove = t.groundMove;
        o.count = t.count;
    }
}
// The painter-family kinds arrive from `group` with no count or light of
// their own: give each a count in its range (a digit, cake layers, seeds),
// light half the lanterns and camp fires, and paint either of a pattern.
void settleNewKinds(Scene& s, Rng& r)
{
    for (Obj& o : s.objs) {
        if (o.kind < Vase)
            continue;
        const Kind& k = kindOf(o.kind);
        if (k.maxCount > 0 && (o.count < k.minCount || o.count > k.maxCount || (k.mods & Digit)))
            o.count = r.between(std::max(1, k.minCount), k.maxCount);
        if (o.kind == Lantern || o.kind == Cauldron || o.kind == Campfire)
            o.variant = r.chance(0.6) ? 1 : 0;
        else if (k.details > 0)
            o.variant = int(r.next() % (1u << k.details));
        else if (k.mods & Pattern) // stripes or dots, sugar or nuts: either may be the one on the left
            o.variant = r.chance(0.5) ? 1 << k.patternBit : 0;
    }
}
} // namespace

void composeTheme(Scene& s, Rng& rng, int theme, int composition)
{
    kThemes[theme % themeCount()].build(s, rng, composition % kCompositions);
    settleNewKinds(s, rng);
}

Scene buildScene(int level, bool gather, int reroll)
{
    Rng rng(std::uint64_t(level) * 7777 + 12345);
    Scene s;
    s.base = newBase();
    s.finish.seed = std::uint32_t(level) * 2654435761u;
    s.density = 1; // later levels are harder by subtler differences, not by more things
    const int visit = visitOfLevel(level);
    tBuilding = &s;
    tWriting.clear();
    composeTheme(s, rng, themeForLevel(level), compositionForLevel(level));
    tBuilding = nullptr;
    const std::vector<QRectF> writing = std::move(tWriting);
    if (s.light.source == Lighting::None && indoors(themeForLevel(level))) {
        Rng lamp(std::uint64_t(level) * 31 + 7);
        s.light.source = Lighting::Room;
        s.light.at = QPointF(lamp.chance(0.5) ? lamp.range(40, 110) : lamp.range(244, 314), 40);
    }
    if (s.light.source == Lighting::None)
        lightFromMoon(s);
    enrich(s, rng, 44);
    {
        Rng trees(std::uint64_t(level) * 577 + 11);
        plantForeground(s, trees);
    }
    Rng groups(std::uint64_t(level) * 2713 + 3);
    if (gather)
        gatherIntoGroups(s, groups);
    // Birds and snails sit on rocks, but not under the sea or on the moon,
    // and nothing grows on a rock where there is no air.
    const Builder build = kThemes[themeForLevel(level) % themeCount()].build;
    const bool airless = build == buildMoonBase || build == buildSpace;
    const auto noMoss = [&] {
        for (Obj& o : s.objs)
            if (airless && o.kind == Rock)
                o.variant &= ~1, o.deny |= Detail;
    };
    noMoss();
    if (!airless && build != buildReef && build != buildAquarium)
        setOnTop(s, rng, 0.35 + 0.3 * (level - 1) / 99.0);
    for (Obj& o : s.objs)
        if (o.kind == Bird && o.shape == 1) // a bird on the wing stays on the wing: perched, it would float
            o.deny |= Reshape;
    Rng sky(std::uint64_t(level) * 4099 + 17);
    fillSky(s, sky);
    depthSort(s);
    tidyScene(s);
    Rng furnish(std::uint64_t(level) * 131 + 5 + std::uint64_t(reroll) * 7919);
    furnishBareSquares(s, furnish);
    addSpares(s, furnish, 4);
    // Enough to change in every quarter of the height, so the differences spread.
    furnishQuarters(s, furnish, (difficultyFor(level).count + 5) / 3 + reroll);
    distinguishTwins(s, furnish);
    if (visit == 1) // the second visit: from the other side, in cool morning light
        mirrorScene(s, writing), s.finish.tint = mix(s.finish.tint, QColor(205, 222, 255), 0.6);
    if (visit == 2) // the third visit late in the day
        s.finish.tint = mix(s.finish.tint, QColor(255, 205, 160), 0.7), s.finish.vignette = 0.32;
    depthSort(s);
    tidyScene(s); // what the furnishing and the sorting left, set right or taken away
    furnishBareSquares(s, furnish); // what that tidying left bare
    noMoss(); // nor on the stones the furnishing brought
    takeDownEmptyShelves(s);
    drawNearerLater(s);
    castShadows(s);
    lampPools(s);
    return s;
}

// Across the bay a little town on its headland, hazy with distance, and a
// jetty. Says whether the town lies to the left.
bool farTown(Scene& s, Rng& r, const Daylight& d, double horizon, Side side)
{
    QPainter p(&s.base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const bool left = side == Side::Either ? r.chance(0.5) : side == Side::Left;
    const double x0 = left ? 0 : kWidth * 0.45, x1 = x0 + kWidth * 0.55;
    p.setBrush(mix(d.haze, QColor(90, 110, 80), 0.45));
    p.drawRoundedRect(QRectF(x0 - 10, horizon - 10, x1 - x0 + 20, 14), 6, 6);
    for (double x = x0 + r.range(0, 8); x < x1 - 10; x += r.range(13, 20)) {
        const double h = r.range(10, 22), w = r.range(9, 14);
        const QColor wall = mix(anyOf(r, {QColor(240, 230, 210), QColor(230, 200, 170), QColor(210, 215, 225)}), d.haze, 0.35);
        p.setBrush(wall);
        p.drawRect(QRectF(x, horizon - 6 - h, w, h + 2));
        p.setBrush(mix(QColor(170, 80, 55), d.haze, 0.4));
        QPolygonF roof;
        roof << QPointF(x - 1.5, horizon - 6 - h) << QPointF(x + w / 2, horizon - 12 - h) << QPointF(x + w + 1.5, horizon - 6 - h);
        p.drawPolygon(roof);
        p.setBrush(mix(QColor(70, 90, 110), d.haze, 0.3));
        p.drawRect(QRectF(x + w / 2 - 1.5, horizon - 2 - h, 3, 4));
    }
    p.setBrush(mix(QColor(120, 90, 60), d.haze, 0.3));
    p.drawRect(QRectF(left ? x1 - 4 : x0 - 30, horizon + 2, 34, 2.5)); // the jetty
    return left;
}

} // namespace levelgen
