// Indoor scenes and stalls: kitchen table, toy shelf, market stall.
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/compose.h"
#include "tools/levelgen/furniture.h"

#include <QPainterPath>

namespace levelgen {

namespace {
QColor crockery(Rng& r)
{
    return anyOf(r, {QColor(240, 240, 235), QColor(60, 110, 180), QColor(210, 70, 60), QColor(240, 200, 80), QColor(100, 160, 110), QColor(230, 150, 170)});
}

void shelf(QPainter& p, double y, double depth, const QColor& wood)
{
    p.setPen(Qt::NoPen);
    QLinearGradient shadow(QPointF(0, y + 8), QPointF(0, y + 24));
    shadow.setColorAt(0, QColor(0, 0, 0, 80));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, y + 8, kWidth, 16), shadow);
    p.fillRect(QRectF(0, y - depth, kWidth, depth), shade(wood, 1.15));
    p.fillRect(QRectF(0, y, kWidth, 8), litGradient(QRectF(0, y, kWidth, 8), wood, 0.3));
    p.fillRect(QRectF(0, y + 7, kWidth, 1), shade(wood, 0.5));
}

// The toys of a nursery's shelves: every shelf its own few kinds, each toy
// at most twice in the room and never twice in one colour, so a change to
// one is never hidden among its copies. Spaced evenly along the board.
void toyShelves(Scene& s, Rng& r, const std::vector<double>& shelves, double scale)
{
    auto shuffle = [&r](std::vector<K>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[r.next() % i]);
    };
    // Dealt round the boards: the first kinds once in the room, the
    // second ones a second time on another board.
    std::vector<K> once{Teddy, Robot, Globe, Boat, Rocket, Teapot, Drum, Blocks, Dice, GiftBox, Car, Ball, Duck, SpinningTop, Books, Cup};
    std::vector<K> twice{Car, Ball, Drum, Books, Duck, Blocks, Dice, SpinningTop, GiftBox, Cup};
    shuffle(once);
    shuffle(twice);
    const std::size_t n = shelves.size();
    std::vector<std::vector<K>> boards(n);
    for (std::size_t i = 0; i < once.size(); ++i)
        boards[i % n].push_back(once[i]);
    auto holds = [](const std::vector<K>& b, K k) { return std::find(b.begin(), b.end(), k) != b.end(); };
    for (K k : twice) { // on the emptiest board that has none yet
        std::size_t best = n;
        for (std::size_t b = 0; b < n; ++b)
            if (!holds(boards[b], k) && (best == n || boards[b].size() < boards[best].size()))
                best = b;
        if (best < n)
            boards[best].push_back(k);
    }
    const QColor paint[6] = {QColor(220, 50, 50), QColor(40, 100, 200), QColor(250, 200, 40),
                             QColor(60, 160, 80), QColor(160, 70, 170), QColor(250, 130, 40)};
    int copies[KindTotal] = {};
    for (std::size_t k = 0; k < n; ++k) {
        std::vector<K>& kinds = boards[k];
        shuffle(kinds);
        const std::size_t first = s.objs.size();
        std::vector<double> widths;
        double total = 0;
        for (K kind : kinds) {
            widths.push_back(kindOf(kind).box.width() * smallScale(kind, scale));
            total += widths.back();
        }
        const double x0 = 14, x1 = kWidth - 14, gap = (x1 - x0 - total) / double(kinds.size());
        s.surfaces.stands.emplace_back(x0, shelves[k], x1 - x0, 0);
        double x = x0 + gap / 2;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const K kind = kinds[i];
            const double sc = smallScale(kind, scale);
            const int copy = copies[kind]++;
            Obj& o = put(s, kind, x - kindOf(kind).box.left() * sc + r.range(-gap / 4, gap / 4), shelves[k], sc,
                         paint[(std::size_t(kind) + 3 * std::size_t(copy)) % 6]);
            o.groundMove = true;
            const QRectF box = kindOf(kind).box;
            if (std::abs(box.left() + box.right()) > 4) // laid from its left end: turned, it would reach over its neighbour
                o.mirror = false;
            if (kind == Teddy)
                o.c1 = anyOf(r, {QColor(170, 120, 70), QColor(220, 190, 140), QColor(120, 80, 50)}), o.variant = 1;
            if (kind == Robot)
                o.c1 = QColor(180, 190, 200), o.c2 = QColor(80, 220, 250), o.count = 3;
            if (kind == Duck) // a yellow rubber duck, and a white one
                o.c1 = copy ? QColor(245, 245, 240) : QColor(250, 215, 40);
            if (kind == Car)
                o.c2 = QColor(250, 250, 245);
            if (kind == Globe)
                o.c1 = QColor(60, 120, 200), o.c2 = QColor(90, 170, 80);
            if (kind == Boat) // a toy sailing boat, its sail white
                o.scale = 0.6, o.c2 = QColor(250, 250, 245), o.c3 = QColor(40, 100, 200);
            if (kind == Rocket) // a toy one: windows to count, no flame
                o.scale = 0.7, o.c1 = QColor(220, 50, 50), o.count = 2, o.deny |= Detail;
            if (kind == Teapot) // a doll's tea set: pot and cups to the toys' size
                o.scale = 0.6;
            if (kind == Cup)
                o.variant = 0; // cold: no steam off a toy cup
            x += widths[i] + gap;
        }
        if (k % 2) // one toy on every other board put away until a difference brings it out
            hideOne(s, r, first);
    }
}

// A mobile hung from the ceiling on its thread: a wooden bar, and from it
// paper birds on the wing at different heights, each on a thread of its own
// (they turn and change colour, but stay on their threads).
void mobile(Scene& s, double cx, double barY, double span, std::initializer_list<QColor> birds)
{
    s.surfaces.pieces.emplace_back(cx - span / 2 - 4, 0, span + 8, barY + 5);
    const int n = int(birds.size());
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(110, 100, 90), 0.7));
        p.drawLine(QPointF(cx, 0), QPointF(cx, barY));
        for (int i = 0; i < n; ++i) {
            const double x = cx - span / 2 + span * i / (n - 1), drop = 16 + 14 * (i % 2);
            p.drawLine(QPointF(x, barY), QPointF(x, barY + drop));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 120, 70));
        p.drawRoundedRect(QRectF(cx - span / 2 - 3, barY - 1.5, span + 6, 3), 1.5, 1.5);
        p.setBrush(QColor(220, 60, 60));
        p.drawEllipse(QPointF(cx, barY - 1), 2.5, 2.5); // the bead it hangs by
    }
    int i = 0;
    for (const QColor& c : birds) {
        const double x = cx - span / 2 + span * i / (n - 1), drop = 16 + 14 * (i % 2);
        Obj& b = put(s, Bird, x, barY + drop + 8, 1.1, c, QColor(250, 245, 235));
        b.shape = 1;
        b.mirror = i % 2;
        b.deny |= Move | Remove | Add;
        ++i;
    }
}

// The row of town houses behind a market street: their fronts fill the view
// between and behind the stalls, so no sky shows at counter height.
void houseRow(QPainter& p, Rng& r, const Daylight& d, double foot)
{
    p.setPen(Qt::NoPen);
    const QColor walls[] = {QColor(232, 214, 170), QColor(214, 168, 140), QColor(200, 210, 190), QColor(236, 226, 206), QColor(190, 170, 200)};
    for (double x = -r.range(0, 30); x < kWidth;) {
        const double w = r.range(78, 112), roof = r.range(75, 120);
        const QColor wall = mix(walls[r.between(0, 4)], d.haze, d.night ? 0.45 : 0.2);
        const QRectF front(x, roof, w, foot - roof);
        p.fillRect(front, litGradient(front, wall, 0.15));
        p.fillRect(QRectF(x + w - 3, roof, 3, foot - roof), shade(wall, 0.8)); // the party wall between fronts
        QPainterPath tiles; // a tiled roof slope behind its eave
        tiles.moveTo(x - 2, roof);
        tiles.lineTo(x + 8, roof - 22);
        tiles.lineTo(x + w - 8, roof - 22);
        tiles.lineTo(x + w + 2, roof);
        p.setBrush(mix(QColor(170, 80, 55), d.haze, 0.25));
        p.drawPath(tiles);
        p.fillRect(QRectF(x - 2, roof, w + 4, 4), shade(wall, 0.7));
        const QColor shutter = mix(anyOf(r, {QColor(60, 110, 70), QColor(120, 80, 50), QColor(60, 90, 130)}), d.haze, 0.2);
        for (double y = roof + 16; y + 34 < foot - 12; y += 56)
            for (double wx : {x + w * 0.28, x + w * 0.72}) {
                const QRectF pane(wx - 8, y, 16, 26);
                p.fillRect(pane.adjusted(-2, -2, 2, 2), shade(wall, 1.1));
                p.fillRect(pane, d.night ? QColor(240, 200, 110) : mix(QColor(70, 90, 110), d.haze, 0.2));
                p.fillRect(QRectF(wx - 0.5, y, 1, 26), shade(wall, 1.1));
                p.fillRect(QRectF(wx - 15, y, 6, 26), shutter);
                p.fillRect(QRectF(wx + 9, y, 6, 26), shutter);
                p.fillRect(QRectF(wx - 11, y + 27, 22, 3), shade(wall, 0.75)); // the sill
            }
        x += w;
    }
}

} // namespace

void buildKitchen(Scene& s, Rng& r, int v)
{
    // A kitchen seen from its door: a shelf of pots and jars on the wall, the
    // table (a checked cloth on it, or bare scrubbed wood) laid for breakfast
    // in two rows, its chairs, the cat and a basket on the floor; the third
    // has a dresser on one side, the table pushed to the other.
    v %= 3;
    s.finish.tint = v % 2 ? QColor(255, 244, 228) : QColor(255, 250, 242);
    const QColor wall = anyOf(r, {QColor(235, 225, 200), QColor(210, 225, 215), QColor(240, 215, 200), QColor(220, 225, 240)});
    const QColor wood = anyOf(r, {QColor(170, 120, 75), QColor(150, 105, 65)});
    TableLook t;
    t.back = (v == 1 ? 262 : 240) + r.range(-6, 6);
    t.front = t.back + 52;
    t.feet = t.front + 96;
    t.x0 = v == 0 ? 52 : v == 1 ? 150 : -20;
    t.x1 = v == 0 ? 302 : v == 1 ? 390 : 230;
    t.wood = wood;
    if (v == 0) { // a checked cloth, hanging a hand's breadth
        t.cloth = anyOf(r, {QColor(225, 95, 90), QColor(100, 140, 200), QColor(110, 170, 120)});
        t.drop = 30;
    }
    const double floorY = t.back + 24;
    room(s, r, wall, v, floorY, v == 1 ? QColor(180, 170, 160) : QColor(165, 115, 72), v != 1);
    s.surfaces.tableTop = false;
    const double shelfY = r.range(112, 128);
    {
        QPainter p(&s.base);
        if (v == 1)
            tiles(p, QRectF(0, 0, kWidth, floorY), wall, 22);
        if (v == 1) // a tiled floor, in two colours
            for (double y = floorY, rowN = 0; y < kHeight; y += 20, ++rowN)
                for (double x = 0, col = 0; x < kWidth; x += 20, ++col)
                    if ((int(rowN) + int(col)) % 2)
                        p.fillRect(QRectF(x, y, 20, 20), QColor(120, 110, 105, 150));
    }
    s.surfaces.stands.emplace_back(0, shelfY, kWidth, 0);
    {
        QPainter p(&s.base);
        shelf(p, shelfY, 0, shade(wood, 0.9));
    }
    roomWindow(s, r, QRectF(v == 2 ? 236 : 20, shelfY + 36, 86, floorY - shelfY - 70), QColor(240, 240, 235), v == 1);
    if (v == 2) // the dresser by the wall, its top a second place for things
        paintCounter(s, r, 246, 354, t.back + 10, 12, t.feet - 30, shade(wood, 0.85));
    if (v == 1) // a low cupboard against the wall, the bowls kept on it
        paintCounter(s, r, 0, 112, floorY - 8, 10, floorY + 58, shade(wood, 0.8));
    if (v == 0)
        chairBacks(s, t, {110, 244}, 56, shade(wood, 0.9));
    paintTable(s, r, t);
    const double clockX = v == 2 ? 70 : r.range(200, 300);
    put(s, Clock, clockX, shelfY - 62, 1.4, QColor(150, 100, 60));
    const double frameX = v == 2 ? r.range(200, 300) : r.range(50, 120);
    put(s, Frame, frameX, shelfY - 58, 1.5, QColor(200, 160, 70)).variant = r.between(0, 3);
    // A wall lamp between the picture and the clock, so the wall there is
    // not left bare for a stray window to be hung on; its shade darker than
    // the pale wall, so it shows.
    const double lampX = v == 2 ? (clockX + 20 + frameX - 30) / 2 : (frameX + 30 + clockX - 20) / 2;
    put(s, Sconce, lampX, shelfY - 56, 1.0, anyOf(r, {QColor(170, 60, 50), QColor(60, 100, 75), QColor(60, 85, 140)})).variant = v == 1;
    // The shelf: one of each, two jars at most, so no kind fills it.
    {
        const std::vector<K> kinds{Jar, Cup, Pot, Jug, Teapot, Candle, Lantern, Honeypot, Bowl};
        std::vector<std::size_t> order(kinds.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[r.next() % i]);
        const std::size_t first = s.objs.size();
        double x = 24 + r.range(0, 10);
        for (std::size_t i : order) {
            const K kind = kinds[i];
            const double sc = kind == Bowl ? 0.8 : 1.2;
            const double w = kindOf(kind).box.width() * sc;
            if (x + w > kWidth - 16)
                break;
            Obj& o = put(s, kind, x - kindOf(kind).box.left() * sc, shelfY, sc, crockery(r), QColor(220, 220, 225));
            o.groundMove = true;
            if (kind == Jar)
                o.c1 = i == 0 ? QColor(190, 40, 60) : QColor(240, 170, 40);
            if (kind == Pot)
                o.c1 = QColor(190, 100, 60);
            x += w + r.range(12, 22);
        }
        hideOne(s, r, first);
    }
    // Beside the window a short shelf of odd pieces, one of each (above the
    // chair backs where the chairs stand behind the table).
    {
        const double x0 = v == 1 ? 150 : v == 0 ? 160 : 30, y = floorY - (v == 0 ? 92 : 78);
        wallShelf(s, x0, x0 + 170, y, shade(wood, 0.9));
        const std::vector<K> kinds = v == 0 ? std::vector<K>{Hourglass, Books, Jug} : std::vector<K>{Vase, Candle, Jug, Kettle};
        double x = x0 + 14;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const double sc = 1.1, w = kindOf(kinds[i]).box.width() * sc;
            put(s, kinds[i], x - kindOf(kinds[i]).box.left() * sc, y, sc, i == 1 ? QColor(245, 240, 225) : crockery(r)).groundMove = true;
            x += w + 12;
        }
    }
    // The table laid for breakfast: the pots at the back, the places in front.
    const QColor china = crockery(r), band = QColor(60, 90, 160);
    const double left = std::max(12.0, t.x0 + 16), right = std::min(342.0, t.x1 - 16), mid = (left + right) / 2;
    const std::size_t backRow = s.objs.size();
    setOut(s, r, mid + r.range(-10, 10), tableRow(t, 0, 2), {Kettle, Bread, Bowl, CoffeePot}, rowScale(0, 2, 1.1),
           {anyOf(r, {QColor(200, 60, 50), QColor(60, 110, 180)}), QColor(200, 140, 70), china, QColor(190, 195, 200)});
    const std::size_t nearRow = s.objs.size();
    setOut(s, r, left + (right - left) * 0.25, tableRow(t, 1, 2), {Plate, Cup}, rowScale(1, 2, 1.1), {china, shade(china, 0.85)});
    setOut(s, r, left + (right - left) * 0.75, tableRow(t, 1, 2), {Fruit, Cheese, SaltShaker}, rowScale(1, 2, 1.1),
           {anyOf(r, {QColor(200, 40, 40), QColor(150, 190, 50)}), QColor(240, 200, 90), QColor(245, 245, 240)});
    hideOne(s, r, nearRow);
    { // one of the pots not yet brought to the table, on its own draws
        Rng late(std::uint64_t(0xB4EA + v));
        hideOne(s, late, backRow);
    }
    if (v == 2) // the dresser's top: the tea things and a jar of honey
        setOut(s, r, 300, t.back + 16, {Teapot, Honeypot}, 1.0, {china, QColor(240, 180, 60)});
    if (v == 1)
        setOut(s, r, 56, floorY - 4, {Jug, Bowl}, 1.0, {anyOf(r, {QColor(60, 110, 180), QColor(200, 80, 60)}), shade(china, 0.9)});
    for (Obj& o : s.objs)
        if (o.pos.y() > floorY && o.kind == Bowl)
            o.count = 5;
        else if (o.pos.y() > floorY && o.kind == Bread)
            o.count = 3;
        else if (o.pos.y() > floorY && o.kind == Cup)
            o.c2 = band;
    // On the floor: a rag rug, chairs at the table, the cat, a basket, a bucket.
    rug(s, QRectF(v == 1 ? 12 : v == 0 ? 40 : 150, t.feet + 6, v == 0 ? 260 : 190, kHeight - t.feet - 14), anyOf(r, {QColor(150, 60, 55), QColor(60, 85, 130), QColor(90, 120, 80)}),
        r.seed());
    if (v != 0)
        put(s, Chair, v == 1 ? 126 : 252, t.feet - 16, 3.3, shade(wood, 0.9)).mirror = v == 2;
    put(s, Chair, v == 2 ? 60 : t.x0 + 70, t.feet + 22, 3.4, shade(wood, 0.9)).mirror = true;
    put(s, Cat, v == 1 ? 300 : (t.x0 + t.x1) / 2 + 20, t.feet - 4, 1.2, anyOf(r, {QColor(215, 145, 75), QColor(140, 140, 145), QColor(55, 50, 50)}));
    put(s, Basket, v == 1 ? 60 : v == 0 ? 300 : 150, t.feet + 16, 1.6, QColor(190, 150, 90), QColor(200, 50, 40));
    spare(s, Bucket, v == 1 ? 96 : 200, t.feet + 30, 1.5, QColor(150, 155, 160));
    // The butter churn by the wall, out of the way of the table.
    put(s, Churn, v == 1 ? 330 : v == 0 ? 24 : 326, t.feet + 4, 1.3, QColor(160, 115, 70), QColor(90, 90, 95)).mirror = v != 0;
    if (v == 0) // and the milk brought in for it
        put(s, MilkCan, 60, t.feet + 12, 1.3, QColor(200, 205, 210));
    // The dog on the rug, in front of everything, its ball by it.
    const double dogX = v == 0 ? 240 : v == 1 ? 150 : 280;
    put(s, Dog, dogX, t.feet + 60, 1.5, anyOf(r, {QColor(150, 100, 60), QColor(238, 234, 224)})).mirror = v == 1;
    put(s, Ball, dogX + (v == 1 ? -40 : 40) * (v == 2 ? -1 : 1), t.feet + 66, 0.9, anyOf(r, {QColor(215, 45, 45), QColor(45, 95, 205)}));
}

void buildToyShelf(Scene& s, Rng& r, int v)
{
    s.finish.tint = QColor(255, 248, 238);
    // Each composition its own room: a blue, a peach or a green nursery.
    const QColor walls[3] = {QColor(200, 220, 240), QColor(245, 220, 190), QColor(205, 235, 195)};
    const QColor wall = walls[v % 3];
    const QColor wood = anyOf(r, {QColor(170, 120, 75), QColor(200, 160, 110), QColor(140, 95, 60)});
    // The third a low bookcase under a tall wall with its pictures and clock;
    // the others a tall one of four shelves set as close as toys stand tall,
    // so no stretch of its back is left bare.
    const bool low = v % 3 == 2;
    std::vector<double> shelves = {r.range(140, 155), r.range(285, 300), r.range(430, 445)};
    if (low)
        shelves = {shelves[0] + 60, shelves[0] + 150 + r.range(0, 6), shelves[0] + 240 + r.range(0, 6), r.range(450, 458)};
    else
        shelves = {shelves[0] - 10, shelves[0] + 100 + r.range(0, 6), shelves[0] + 212 + r.range(0, 6), r.range(450, 458)};
    s.surfaces = Surfaces::at(kHeight, true, false);
    for (double y : shelves)
        s.surfaces.stands.emplace_back(0, y, kWidth, 0);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        wallpaper(p, QRectF(0, 0, kWidth, kHeight), wall, shade(wall, 0.92), v);
        glow(p, QPointF(r.range(60, 290), 30), 260, QColor(255, 250, 230, 70));
        for (double y : shelves)
            shelf(p, y, 0, wood);
        // Its sides, from the top shelf down: the wall above a low one is open.
        const double top = low ? shelves[0] - 10 : 0;
        p.fillRect(QRectF(0, top, 8, kHeight - top), litGradient(QRectF(0, top, 8, kHeight - top), wood));
        p.fillRect(QRectF(kWidth - 8, top, 8, kHeight - top), litGradient(QRectF(kWidth - 8, top, 8, kHeight - top), shade(wood, 0.85)));
    }
    noiseTexture(s.base, QRect(0, 0, kWidth, kHeight), 25, 5, r.seed());
    // Over the bookcase the nursery's wall: one window, the mobile over the
    // cot, a picture; over a low bookcase the kite too. The clock hangs on
    // the bookcase's back between the toys, or beside the picture.
    Rng look(0x70E5 + std::uint64_t(v));
    const bool windowLeft = v % 3 != 1;
    const double band = low ? shelves[0] - 56 : shelves[0] - 48; // the foot of what hangs over the top board
    const double winX = windowLeft ? 20 : kWidth - 20 - (low ? 80 : 70);
    roomWindow(s, look, QRectF(winX, low ? 34 : 12, low ? 80 : 70, band - (low ? 34 : 12)), QColor(245, 242, 235), false);
    const double mobileX = low ? 176 : (windowLeft ? 172 : 168);
    mobile(s, mobileX, low ? 18 : 10, 76, {QColor(230, 70, 60), QColor(70, 130, 210), QColor(245, 200, 50)});
    const double frameX = windowLeft ? 292 : 60;
    put(s, Frame, frameX, low ? 62 : band - 30, low ? 1.6 : 1.35, QColor(200, 160, 70)).variant = r.between(0, 3);
    toyShelves(s, r, shelves, low ? 1.0 : 1.15);
    if (low) { // under the picture; the kite under the mobile
        put(s, Clock, frameX, 136, 1.2, QColor(60, 120, 190));
        put(s, Kite, mobileX, band - 22, 1.3, QColor(220, 50, 50), QColor(250, 200, 40)).count = 3;
    } else {
        put(s, Clock, r.range(40, 314), shelves[1] - 75, 1.2, QColor(60, 120, 190));
    }
}

void buildMarket(Scene& s, Rng& r, int v)
{
    const Daylight d = daylight(v, r);
    s.finish.tint = d.tint;
    // Each composition its own height of counter: seen from the stallholder's side, a child's, the street's.
    const double counter = r.range(275, 295) + (v % 3 == 1 ? 35 : v % 3 == 2 ? -10 : 0), backShelf = counter - r.range(80, 95);
    // The two stalls, and the narrow one, are seen from further off: their
    // awnings lower, sky above.
    const double top = v % 3 == 2 ? 30 : v % 3 == 1 ? 35 : 0;
    // Each composition its own stalls: one across the street, one narrow
    // stall beside open street and a tree, or two stalls with a lane between.
    std::vector<std::pair<double, double>> stalls;
    if (v % 3 == 0)
        stalls = {{0, kWidth}};
    else if (v % 3 == 1)
        stalls = {{0, 216}};
    else
        stalls = {{0, 150}, {204, kWidth}};
    const QColor stripe = anyOf(r, {QColor(200, 40, 40), QColor(40, 110, 60), QColor(40, 80, 160), QColor(230, 130, 30)});
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, d, counter + 50);
        houseRow(p, r, d, counter + 50);
        for (const auto& [x0, x1] : stalls) {
            p.save();
            p.setClipRect(QRectF(x0, 0, x1 - x0, kHeight));
            // The awning: stripes with scalloped edge and a shadow below.
            p.fillRect(QRectF(x0, 55 + top, x1 - x0, 40), QColor(0, 0, 0, 40));
            for (int i = 0; x0 + i * 27 < x1; ++i) {
                const QRectF band(x0 + i * 27, top, 27, 70);
                p.setPen(Qt::NoPen);
                p.setBrush(litGradient(band, i % 2 ? QColor(250, 248, 240) : stripe, 0.2));
                p.drawRect(band);
                p.drawChord(QRectF(x0 + i * 27, 58 + top, 27, 22), 180 * 16, 180 * 16);
            }
            p.restore();
            for (double x : {x0 + 10, x1 - 16})
                p.fillRect(QRectF(x, 70 + top, 6, counter - 70 - top), litGradient(QRectF(x, 70 + top, 6, 200), QColor(140, 100, 60)));
            p.save();
            p.setClipRect(QRectF(x0, 0, x1 - x0, kHeight));
            shelf(p, backShelf, 0, QColor(140, 100, 60));
            planks(p, QRectF(x0, counter, x1 - x0, 50), QColor(160, 110, 65), 12, false, r.seed());
            p.fillRect(QRectF(x0, counter, x1 - x0, 4), QColor(120, 80, 45));
            p.restore();
            s.surfaces.stands.emplace_back(x0, backShelf, x1 - x0, 0);
            s.surfaces.stands.emplace_back(x0, counter, x1 - x0, 0); // the counter's top: crates of fruit stand on it
        }
        // The street: under the stalls from the counter's foot, elsewhere up to the far pavement.
        cobbles(p, QRectF(0, counter + 50, kWidth, kHeight - counter - 50), QColor(175, 165, 150), r.seed());
        for (double x = 0; x < kWidth; x += 2) {
            const bool under = std::any_of(stalls.begin(), stalls.end(), [&](const auto& st) { return x >= st.first && x < st.second; });
            if (!under)
                p.fillRect(QRectF(x, counter + 46, 2, 4), QColor(150, 140, 128));
        }
        p.fillRect(QRectF(0, counter + 50, kWidth, 8), QColor(0, 0, 0, 60));
    }
    noiseTexture(s.base, QRect(0, int(counter), kWidth, kHeight), 5, 10, r.seed(), 4);
    s.surfaces.ground = counter + 50; // the street starts at the counters' foot
    double treeX = 0, treeY = 0;
    { // a plane tree on the square in front, a bench in its shade
        treeX = r.chance(0.5) ? r.range(50, 90) : r.range(264, 304);
        treeY = kHeight - r.range(18, 30);
        Obj& tree = put(s, Tree, treeX, treeY, 1.0, QColor(80, 135, 60), QColor(80, 135, 60));
        tree.count = 0;
        tree.deny = Move | Resize | Remove;
        // A cat that may turn up in the tree's shade on the right: the
        // stocked counters are sets, so the market has few things of its own to add.
        spare(s, Cat, treeX + (treeX < kWidth / 2.0 ? 34 : -34), treeY - 4, 1.0, QColor(125, 125, 130), QColor(90, 90, 95));
    }
    if (stalls.size() == 1 && stalls[0].second >= kWidth)
        put(s, Bunting, kWidth / 2.0, 82, 1.7, QColor(250, 200, 40), stripe, QColor(60, 120, 200));
    else if (v % 3 == 1) { // beside the narrow stall: a tree and a bench on the open street
        put(s, Tree, r.range(270, 300), counter + 52, r.range(1.0, 1.15), QColor(70, 130, 60), QColor(200, 50, 40));
        put(s, Bench, r.range(250, 300), counter + 92, 1.2, QColor(120, 85, 55));
    }
    const auto& [mainX0, mainX1] = stalls.front();
    if (stalls.size() > 1) // a street lamp in the lane between the stalls
        put(s, Lamp, (stalls[0].second + stalls[1].first) / 2, counter + 56, 1.0, QColor(50, 50, 55)).variant = v % 2;
    double lampX = -100; // where the goods on the counter leave room for the lamp's head
    if (stalls.size() == 1) { // at the foot of the stall, by its post
        lampX = r.chance(0.5) ? mainX0 + 26 : mainX1 - 30;
        put(s, Lamp, lampX, counter + 60, 1.0, QColor(50, 50, 55)).variant = v % 2;
    }
    const double signX = r.range(mainX0 + 50, mainX1 - 50);
    // The stall's sign shows what it sells: an apple, a pear, grapes or cherries.
    put(s, Sign, signX, 125 + top, 1.3, QColor(50, 60, 55), QColor(240, 240, 230)).variant = 4 | r.between(0, 3);
    { // Each stall's price board, clear of its hanging sign and the bunting.
        QPainter p(&s.base);
        for (const auto& [x0, x1] : stalls) {
            const double w = 54, left = x0 + 26, right = x1 - 26 - w;
            const double at = std::abs(left + w / 2 - signX) > std::abs(right + w / 2 - signX) ? left : right;
            if (std::abs(at + w / 2 - signX) < w / 2 + 24)
                continue; // too narrow a stall to hang both
            const QColor apple = anyOf(r, {QColor(200, 40, 40), QColor(150, 190, 50), QColor(240, 200, 50)});
            priceBoard(p, QRectF(at, top + 86, w, 22), top + 66, r.between(2, 9) * 10, apple);
            paintedWriting(QRectF(at - 2, top + 84, w + 4, 26));
        }
    }
    const QColor fruitCols[] = {QColor(210, 40, 40), QColor(245, 150, 30), QColor(150, 190, 50), QColor(240, 220, 60), QColor(120, 50, 120)};
    // The counters stocked: crates heaped with one fruit each, baskets of
    // apples or eggs, cabbages, grapes and melon, several kinds to a stall.
    int crate = 0;
    for (const auto& [x0, x1] : stalls) {
        double x = x0 + 34 + r.range(-4, 4);
        if (std::abs(lampX - x0) < 40)
            x = lampX + 50;
        const double end = std::abs(lampX - x1) < 40 ? lampX - 50 : x1 - 24;
        for (int i = 0; x < end; ++i) {
            switch ((i + v + (x0 > 0 ? 2 : 0)) % 4) {
            case 0: { // a wooden bowl heaped with one fruit
                Obj& bowl = put(s, Bowl, x, counter, 1.0, QColor(180, 140, 90), fruitCols[crate % 5]);
                bowl.count = r.between(3, 5);
                ++crate;
                x += 50;
                break;
            }
            case 1: {
                Obj& b = put(s, Basket, x, counter, 1.35, QColor(190, 150, 90), QColor(160, 120, 60), anyOf(r, {QColor(200, 40, 30), QColor(150, 190, 50), QColor(245, 240, 225)}));
                b.variant = 2;
                x += 40;
                break;
            }
            case 2:
                put(s, Cabbage, x - 12, counter, 1.2, QColor(120, 170, 80));
                put(s, Cabbage, x + 14, counter, 1.15, QColor(140, 80, 130));
                x += 52;
                break;
            default:
                put(s, Grapes, x - 12, counter, 1.3, anyOf(r, {QColor(110, 50, 110), QColor(170, 200, 90)}));
                put(s, Watermelon, x + 20, counter, 1.2, QColor(230, 60, 70));
                x += 62;
                break;
            }
        }
    }
    // Goods on the back shelf of each stall.
    for (const auto& [x0, x1] : stalls) {
        double x = x0 + 40 + r.range(0, 10);
        for (int i = 0; x < x1 - 40; ++i) {
            switch ((i + v) % 5) {
            case 4: put(s, Cabbage, x + 4, backShelf, 1.2, anyOf(r, {QColor(120, 170, 80), QColor(140, 80, 130)})); x += 36; break;
            case 0: put(s, Bowl, x + 10, backShelf, 1.2, QColor(180, 140, 90)).count = r.between(3, 5); x += 62; break;
            case 1: put(s, Jar, x, backShelf, 1.2, anyOf(r, {QColor(220, 150, 40), QColor(190, 40, 60), QColor(120, 60, 130)}), QColor(200, 50, 40)); x += 34; break;
            case 2: put(s, Bread, x + 8, backShelf, 1.2, QColor(200, 140, 70)); x += 54; break;
            default: put(s, Pot, x, backShelf, 1.2, QColor(190, 100, 60)).shape = 1; x += 34; break;
            }
        }
    }
    // The street furnished in groups that belong there: the stock waiting by
    // a stall's post (a barrel, crates, a basket), a barrow of crates, and
    // out on the square a bench by the tree or the lamp. No food on the cobbles.
    // These are placed, not loose, so none is copied about the square.
    const double foot = counter + 50;
    const double stockX = mainX0 < 20 ? mainX0 + 34 : mainX0 + 30;
    put(s, Barrel, stockX, foot + 14, 1.3, QColor(150, 100, 60), QColor(60, 60, 65));
    put(s, Crate, stockX + 36, foot + 16, 1.3, QColor(190, 150, 95), stripe);
    Obj& sack = put(s, Basket, stockX + 72, foot + 18, 1.3, QColor(120, 85, 50), QColor(200, 60, 50), QColor(240, 200, 80));
    sack.variant = 2;
    if (stalls.size() > 1) { // the second stall's stock: a barrel by its far post
        put(s, Barrel, stalls[1].second - 34, foot + 12, 1.25, QColor(130, 90, 55), QColor(60, 60, 65));
        put(s, Crate, stalls[1].second - 70, foot + 15, 1.25, QColor(170, 130, 80), stripe);
    }
    put(s, Bench, treeX < kWidth / 2 ? treeX + 62 : treeX - 62, treeY - 6, 1.3, QColor(120, 85, 55));
    // Across the square a second plane tree, a barrow of pumpkins and a
    // crate left in its shade.
    const bool farLeft = treeX > kWidth / 2;
    const double tree2X = farLeft ? r.range(55, 80) : r.range(274, 299), tree2Y = kHeight - r.range(45, 60);
    Obj& tree2 = put(s, Tree, tree2X, tree2Y, 0.95, QColor(75, 130, 60), QColor(75, 130, 60));
    tree2.count = 0;
    tree2.mirror = true;
    tree2.deny = Move | Resize | Remove;
    const double barrowX = farLeft ? tree2X + 54 : tree2X - 54;
    put(s, Wheelbarrow, barrowX, tree2Y + 2, 1.5, QColor(60, 110, 70), QColor(190, 150, 95), QColor(245, 150, 30));
    put(s, Crate, farLeft ? barrowX + 36 : barrowX - 36, tree2Y + 12, 1.15, QColor(170, 130, 80), stripe);
    { // Shoppers crossing the square to the stall, arm in arm, between the trees.
        Rng walk(std::uint64_t(0x5A11 + v));
        const double y = foot + (kHeight - foot) * walk.range(0.42, 0.55), x = (treeX + tree2X) / 2 + walk.range(-20, 20);
        strollers(s, {x, y}, 1.25 + 0.3 * (y - foot) / (kHeight - foot), x > kWidth / 2.0,
                  anyOf(walk, {QColor(60, 60, 70), QColor(90, 70, 50), QColor(50, 70, 90)}),
                  anyOf(walk, {QColor(170, 60, 60), QColor(70, 120, 90), QColor(200, 150, 70)}));
    }
    scatter(s, r, Cat, {30, 324, counter + 90, kHeight - 20}, 1.3, QColor(230, 150, 60));
    // Pigeons after the crumbs and a dog after the stallholder, out on the open street.
    group(s, r, Pigeon, 2, {30, 324, counter + 80, kHeight - 10}, 1.0, 1.1, {QColor(150, 155, 165), QColor(110, 110, 120)});
    group(s, r, Dog, 1, {30, 324, counter + 90, kHeight - 10}, 1.1, 1.2, {QColor(150, 100, 60), QColor(60, 55, 50)});
    // Things a difference may bring: a basket set down by the stock, a bird.
    spare(s, Basket, stockX + 104, foot + 20, 1.2, QColor(190, 150, 90), QColor(160, 120, 60));
    scatterSpare(s, r, Bird, {30, 324, counter + 80, kHeight - 20}, 1.1, QColor(120, 110, 110), QColor(200, 190, 180));
}

} // namespace levelgen
