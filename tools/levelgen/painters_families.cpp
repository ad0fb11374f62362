// Kinds drawn by a few parametrised painters: vessels from a turned profile,
// standing birds, four-legged animals, furniture, posts and things on strings.
// Each kind is one row of parameters, so a new kind costs a line, not a copy.
#include "tools/levelgen/drawbits.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

namespace {

// ---- Vessels: a body turned from a profile, with handle, spout, lid or bail.
struct Vessel {
    double h;            // body height
    double w[5];         // half widths from the rim (0) down to the foot (4)
    bool handle, spout, lid, bail, woven;
    double neck;         // a narrow neck above the rim (bottles, cans)
};

void vessel(QPainter& p, const Obj& o, const Vessel& v)
{
    double wmax = 0;
    for (double w : v.w)
        wmax = std::max(wmax, w);
    softShadow(p, QRectF(-wmax - 1, -2.5, 2 * wmax + 4, 5));
    QPainterPath b;
    auto y = [&](int i) { return -v.h + v.h * i / 4.0; };
    b.moveTo(-v.w[0], y(0));
    for (int i = 1; i < 5; ++i)
        b.quadTo(-v.w[i] - (i < 4 ? 0.6 : 0), y(i) - v.h / 8, -v.w[i], y(i));
    b.lineTo(v.w[4], 0);
    for (int i = 3; i >= 0; --i)
        b.quadTo(v.w[i] + (i < 3 ? 0.6 : 0), y(i) + v.h / 8, v.w[i], y(i));
    b.closeSubpath();
    if (v.handle) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shade(o.c1, 0.75), 2.2));
        p.drawArc(QRectF(wmax - 4, -v.h * 0.8, 8, v.h * 0.5), -90 * 16, 180 * 16);
    }
    if (v.spout) {
        QPainterPath sp;
        sp.moveTo(-v.w[2] + 1, y(2));
        sp.quadTo(-wmax - 4, y(2) - 1, -wmax - 6, y(1) - 2);
        sp.lineTo(-wmax - 4.5, y(1) - 3);
        sp.quadTo(-wmax - 2, y(2) - 3, -v.w[1] + 1, y(1) + 1);
        body(p, sp, shade(o.c1, 0.9));
    }
    QLinearGradient g(QPointF(-wmax, 0), QPointF(wmax, 0));
    g.setColorAt(0, shade(o.c1, 1.05));
    g.setColorAt(0.3, shade(o.c1, 1.3));
    g.setColorAt(1, shade(o.c1, 0.6));
    p.setPen(QPen(shade(o.c1, 0.45), 0.6));
    p.setBrush(g);
    p.drawPath(b);
    if (v.woven) { // wicker: rows of short strokes
        p.setPen(QPen(shade(o.c1, 0.6), 0.7));
        for (double yy = -v.h + 2; yy < -1; yy += 2.6)
            for (double xx = -wmax; xx < wmax; xx += 3)
                if (b.contains(QPointF(xx + 1, yy)))
                    p.drawLine(QPointF(xx, yy + (int(xx + 50) % 2) * 0.8), QPointF(xx + 2, yy + 0.8));
    }
    // The painted band (variant bit 0 switches it to dots: a pattern change).
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2.isValid() ? o.c2 : shade(o.c1, 0.6));
    const double by = -v.h * 0.55, bw = (v.w[2] + v.w[1]) / 2 - 1;
    if (o.variant & 1) {
        for (double xx = -bw + 2; xx < bw - 1; xx += 4)
            p.drawEllipse(QPointF(xx, by), 1.4, 1.4);
    } else {
        p.drawRect(QRectF(-bw, by - 1.8, 2 * bw, 3.6));
    }
    if (v.neck > 0) {
        const QRectF n(-v.w[0] * 0.6, -v.h - v.neck, v.w[0] * 1.2, v.neck + 0.5);
        p.setBrush(litGradient(n, shade(o.c1, 0.9)));
        p.setPen(QPen(shade(o.c1, 0.45), 0.5));
        p.drawRect(n);
    } else {
        p.setBrush(shade(o.c1, 0.45));
        p.drawEllipse(QRectF(-v.w[0], -v.h - 1.2, 2 * v.w[0], 2.4));
    }
    if (v.lid) {
        const double top = -v.h - v.neck;
        p.setBrush(shade(o.c1, 0.85));
        p.setPen(QPen(shade(o.c1, 0.45), 0.5));
        p.drawChord(QRectF(-v.w[0] - 0.5, top - 3, 2 * v.w[0] + 1, 6), 0, 180 * 16);
        p.drawEllipse(QPointF(0, top - 3.5), 1.6, 1.3);
    }
    if (v.bail) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shade(o.c1, 0.5), 1.2));
        p.drawArc(QRectF(-v.w[0] + 1, -v.h - 9, 2 * v.w[0] - 2, 16), 0, 180 * 16);
    }
}

const Vessel kVase{22, {5, 8, 9, 6, 5}, false, false, false, false, false, 0};
const Vessel kBottle{16, {5, 6, 6, 6, 6}, false, false, false, false, false, 8};
const Vessel kMilkCan{20, {5, 9, 9, 9, 8.5}, false, false, true, false, false, 3};
const Vessel kBucket{15, {9, 8.5, 8, 7.5, 7}, false, false, false, true, false, 0};
const Vessel kWateringCan{14, {8, 9, 9, 9, 9}, true, true, false, false, false, 0};
const Vessel kKettle{13, {5, 8, 10, 10, 8}, false, true, true, true, false, 0};
const Vessel kHoneypot{14, {6, 9, 10, 9, 7}, false, false, true, false, false, 0};
const Vessel kAmphora{22, {4, 8, 9, 6, 3}, true, false, false, false, false, 4};
const Vessel kChurn{24, {6, 7, 7.5, 8, 8.5}, false, false, true, false, false, 5};
const Vessel kGoblet{9, {6, 5.5, 4, 1.5, 1.2}, false, false, false, false, false, 0};
const Vessel kBasket{12, {11, 10.5, 10, 9, 7.5}, false, false, false, true, true, 0};
const Vessel kCoffeePot{20, {4, 6, 7.5, 8, 8}, true, true, true, false, false, 0};
const Vessel kTureen{11, {12, 13, 12.5, 10, 7}, false, false, true, false, false, 0};
const Vessel kDemijohn{20, {5, 11, 12, 11, 8}, false, false, false, false, true, 7};
const Vessel kInkwell{6, {3, 7, 7.5, 7.5, 7}, false, false, false, false, false, 2};
const Vessel kBeerMug{13, {6, 6, 6, 6, 6.5}, true, false, false, false, false, 0};
const Vessel kSaltShaker{10, {3.8, 4.5, 4.6, 4.6, 4.5}, false, false, false, false, false, 0};
} // namespace

void paintVase(QPainter& p, const Obj& o) { vessel(p, o, kVase); }
void paintBottle(QPainter& p, const Obj& o) { vessel(p, o, kBottle); }
void paintMilkCan(QPainter& p, const Obj& o) { vessel(p, o, kMilkCan); }
void paintBucket(QPainter& p, const Obj& o) { vessel(p, o, kBucket); }
void paintWateringCan(QPainter& p, const Obj& o) { vessel(p, o, kWateringCan); }
void paintKettle(QPainter& p, const Obj& o) { vessel(p, o, kKettle); }
void paintHoneypot(QPainter& p, const Obj& o) { vessel(p, o, kHoneypot); }
void paintAmphora(QPainter& p, const Obj& o) { vessel(p, o, kAmphora); }
void paintCoffeePot(QPainter& p, const Obj& o) { vessel(p, o, kCoffeePot); }
void paintSaltShaker(QPainter& p, const Obj& o)
{
    vessel(p, o, kSaltShaker);
    const QRectF cap(-4.2, -15, 8.4, 8); // a pierced silver dome
    p.setPen(QPen(QColor(110, 115, 120), 0.5));
    p.setBrush(ballGradient(cap, QColor(205, 210, 215)));
    p.drawChord(cap, 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 65));
    for (const QPointF& h : {QPointF(-1.6, -12.2), QPointF(0, -13.2), QPointF(1.6, -12.2)})
        p.drawEllipse(h, 0.45, 0.45);
}
void paintTureen(QPainter& p, const Obj& o)
{
    vessel(p, o, kTureen);
    p.setPen(QPen(shade(o.c1, 0.55), 1.6, Qt::SolidLine, Qt::RoundCap)); // the two ear handles
    p.drawLine(QPointF(-13.5, -8), QPointF(-15.5, -9));
    p.drawLine(QPointF(13.5, -8), QPointF(15.5, -9));
}
void paintDemijohn(QPainter& p, const Obj& o)
{
    vessel(p, o, kDemijohn);
    p.setPen(Qt::NoPen); // the glass neck above the wicker
    p.setBrush(QColor(60, 120, 70, 220));
    p.drawRect(QRectF(-2.5, -26.5, 5, 6));
    p.setBrush(QColor(130, 90, 50));
    p.drawRect(QRectF(-2, -28, 4, 1.8));
}
void paintInkwell(QPainter& p, const Obj& o)
{
    vessel(p, o, kInkwell);
    p.setPen(QPen(QColor(235, 230, 220), 0.7)); // a quill standing in it
    p.drawLine(QPointF(0, -8), QPointF(7, -24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 242, 235));
    QPainterPath v;
    v.moveTo(2.5, -13), v.quadTo(9, -19, 7.5, -24.5), v.quadTo(4, -19, 2.5, -13);
    p.drawPath(v);
}
void paintBeerMug(QPainter& p, const Obj& o)
{
    vessel(p, o, kBeerMug);
    p.setPen(Qt::NoPen); // the head of foam
    p.setBrush(QColor(250, 248, 238));
    for (double x : {-4.0, 0.0, 4.0})
        p.drawEllipse(QPointF(x, -13.5 - (x == 0 ? 1 : 0)), 3, 2.3);
}
void paintChurn(QPainter& p, const Obj& o)
{
    vessel(p, o, kChurn);
    p.setPen(QPen(QColor(120, 90, 60), 1.4)); // the dasher's handle
    p.drawLine(QPointF(0, -31), QPointF(0, -38));
}
void paintGoblet(QPainter& p, const Obj& o)
{
    vessel(p, o, kGoblet);
    p.setPen(QPen(shade(o.c1, 0.5), 1.2)); // stem and foot
    p.drawLine(QPointF(0, 0), QPointF(0, 4));
    p.drawLine(QPointF(-3.5, 4.5), QPointF(3.5, 4.5));
}
void paintBasket(QPainter& p, const Obj& o)
{
    vessel(p, o, kBasket);
    if (o.variant & 2) { // something in it: apples or eggs
        p.setPen(Qt::NoPen);
        for (int i = -1; i <= 1; ++i)
            roundBody(p, QRectF(i * 5.5 - 3, -15.5, 6, 6), o.c3.isValid() ? o.c3 : QColor(200, 40, 30));
    }
}

void paintLantern(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2.5, 16, 5));
    const bool lit = o.variant & 1;
    if (lit)
        warmGlow(p, QPointF(0, -12), 14, 14, QColor(255, 220, 120, 150));
    p.setPen(QPen(shade(o.c1, 0.5), 0.6));
    p.setBrush(lit ? QBrush(QColor(255, 215, 120)) : QBrush(QColor(90, 100, 110)));
    p.drawRect(QRectF(-5, -20, 10, 16));
    p.setBrush(litGradient(QRectF(-7, -4, 14, 4), o.c1));
    p.drawRect(QRectF(-7, -4, 14, 4));
    QPainterPath roof;
    roof.moveTo(-7, -20);
    roof.lineTo(0, -25);
    roof.lineTo(7, -20);
    roof.closeSubpath();
    body(p, roof, o.c1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(o.c1, 0.6), 1.1));
    p.drawLine(QPointF(0, -20), QPointF(0, -4));
    p.drawArc(QRectF(-3, -29, 6, 7), 0, 180 * 16);
}

namespace {
// ---- Standing birds: body, neck, head, beak and legs.
struct Wader {
    double bodyW, bodyH, legs, neck, neckLean, beak;
    QColor wing, beakColour, legColour;
    bool cap; // a dark cap or wing tips
    QColor breast = QColor(); // a breast of its own colour (a robin's red)
};

void wader(QPainter& p, const Obj& o, const Wader& w)
{
    const double cy = -w.legs - w.bodyH / 2;
    softShadow(p, QRectF(-w.bodyW / 2, -2, w.bodyW, 4), 55);
    p.setPen(QPen(w.legColour, 1.0, Qt::SolidLine, Qt::RoundCap));
    if (w.legs > 0) {
        p.drawLine(QPointF(-1.5, cy + w.bodyH / 3), QPointF(-2.5, 0));
        p.drawLine(QPointF(1.5, cy + w.bodyH / 3), QPointF(2, 0));
    }
    // Neck up to the head, leaning forward (to +x).
    const QPointF shoulder(w.bodyW * 0.32, cy - w.bodyH * 0.25);
    const QPointF head = shoulder + QPointF(w.neckLean, -w.neck);
    p.setPen(QPen(shade(o.c1, 0.95), std::max(1.6, w.bodyH * 0.35), Qt::SolidLine, Qt::RoundCap));
    QPainterPath n;
    n.moveTo(shoulder);
    n.cubicTo(shoulder + QPointF(w.neckLean + 2, -w.neck * 0.3), head + QPointF(-2, w.neck * 0.4), head);
    p.setBrush(Qt::NoBrush);
    p.drawPath(n);
    QPainterPath b;
    b.moveTo(-w.bodyW / 2, cy - w.bodyH * 0.1);
    b.cubicTo(-w.bodyW * 0.2, cy + w.bodyH * 0.7, w.bodyW * 0.4, cy + w.bodyH * 0.6, w.bodyW / 2, cy - w.bodyH * 0.15);
    b.cubicTo(w.bodyW * 0.3, cy - w.bodyH * 0.6, -w.bodyW * 0.2, cy - w.bodyH * 0.5, -w.bodyW / 2, cy - w.bodyH * 0.1);
    body(p, b, o.c1, 0.25);
    if (w.breast.isValid()) {
        p.setPen(Qt::NoPen);
        p.setBrush(w.breast);
        p.drawEllipse(QPointF(w.bodyW * 0.28, cy + w.bodyH * 0.05), w.bodyW * 0.22, w.bodyH * 0.38);
    }
    QPainterPath wing;
    wing.moveTo(-w.bodyW * 0.45, cy - w.bodyH * 0.15);
    wing.quadTo(0, cy + w.bodyH * 0.3, w.bodyW * 0.3, cy - w.bodyH * 0.15);
    wing.quadTo(0, cy - w.bodyH * 0.25, -w.bodyW * 0.45, cy - w.bodyH * 0.15);
    p.setPen(Qt::NoPen);
    p.setBrush(w.wing);
    p.drawPath(wing);
    const double hr = std::max(1.6, w.bodyH * 0.3);
    p.setBrush(w.cap ? shade(w.wing, 0.8) : shade(o.c1, 1.05));
    p.drawEllipse(head, hr, hr * 0.9);
    p.setBrush(w.beakColour);
    QPainterPath bk;
    bk.moveTo(head + QPointF(hr * 0.7, -0.6));
    bk.lineTo(head + QPointF(hr + w.beak, 0.2));
    bk.lineTo(head + QPointF(hr * 0.7, 0.9));
    p.drawPath(bk);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(head + QPointF(hr * 0.2, -hr * 0.25), 0.55, 0.55);
}

const Wader kGoose{16, 9, 3, 7, 3, 3, QColor(200, 200, 200), QColor(240, 140, 30), QColor(240, 140, 30), false};
const Wader kHeron{14, 7, 16, 14, 4, 6, QColor(110, 115, 125), QColor(230, 190, 60), QColor(150, 130, 80), true};
const Wader kStork{15, 8, 15, 10, 3, 6, QColor(30, 30, 30), QColor(215, 50, 40), QColor(215, 50, 40), false};
const Wader kGull{13, 6.5, 3, 3, 2, 3, QColor(160, 170, 180), QColor(240, 200, 40), QColor(240, 200, 40), false};
const Wader kPigeon{11, 7, 2, 2.5, 1.5, 1.5, QColor(110, 115, 130), QColor(90, 80, 80), QColor(200, 90, 90), false};
const Wader kFlamingo{13, 7, 17, 12, 3, 4, QColor(235, 120, 140), QColor(40, 35, 35), QColor(230, 120, 130), false};
const Wader kPelican{17, 10, 5, 7, 2, 9, QColor(215, 215, 210), QColor(240, 180, 60), QColor(220, 150, 60), false};
const Wader kMagpie{12, 6, 3, 2, 2, 3, QColor(30, 30, 40), QColor(30, 30, 30), QColor(40, 40, 40), true};
const Wader kSparrow{8, 5, 2, 1.5, 1.2, 1.5, QColor(120, 85, 55), QColor(70, 60, 50), QColor(150, 110, 80), true};
const Wader kCrow{12, 6.5, 3, 2.5, 2, 3.5, QColor(30, 30, 38), QColor(30, 30, 30), QColor(40, 40, 40), true};
const Wader kBustard{18, 10, 6, 5, 2, 2.5, QColor(150, 105, 60), QColor(120, 110, 100), QColor(170, 150, 110), false, QColor(245, 242, 232)};
const Wader kCormorant{13, 7, 4, 9, 3, 4, QColor(25, 30, 30), QColor(200, 170, 60), QColor(30, 30, 30), false};
const Wader kCoot{10, 7, 0, 2, 1.5, 2, QColor(25, 25, 30), QColor(245, 245, 240), QColor(90, 100, 90), false};
const Wader kKingfisher{8, 5, 2, 1.5, 1.5, 3.5, QColor(30, 120, 200), QColor(30, 30, 30), QColor(220, 80, 40), false, QColor(235, 120, 40)};
const Wader kRobin{8, 6, 2, 1.2, 1, 1.5, QColor(115, 85, 55), QColor(50, 40, 35), QColor(140, 100, 80), false, QColor(230, 95, 40)};
const Wader kBlackbird{10, 6, 2.5, 2, 1.5, 2.5, QColor(20, 20, 24), QColor(245, 180, 30), QColor(50, 40, 35), false};
const Wader kDuckling{7, 5, 1.5, 1.5, 1, 1.5, QColor(235, 200, 50), QColor(240, 140, 30), QColor(240, 140, 30), false};
} // namespace

void paintGoose(QPainter& p, const Obj& o) { wader(p, o, kGoose); }
void paintHeron(QPainter& p, const Obj& o) { wader(p, o, kHeron); }
void paintStork(QPainter& p, const Obj& o) { wader(p, o, kStork); }
void paintGull(QPainter& p, const Obj& o) { wader(p, o, kGull); }
void paintPigeon(QPainter& p, const Obj& o) { wader(p, o, kPigeon); }
void paintCrow(QPainter& p, const Obj& o) { wader(p, o, kCrow); }
void paintFlamingo(QPainter& p, const Obj& o) { wader(p, o, kFlamingo); }
void paintPelican(QPainter& p, const Obj& o) { wader(p, o, kPelican); }
void paintMagpie(QPainter& p, const Obj& o) { wader(p, o, kMagpie); }
void paintSparrow(QPainter& p, const Obj& o) { wader(p, o, kSparrow); }
void paintBustard(QPainter& p, const Obj& o) { wader(p, o, kBustard); }
void paintCormorant(QPainter& p, const Obj& o) { wader(p, o, kCormorant); }
void paintCoot(QPainter& p, const Obj& o) { wader(p, o, kCoot); }
void paintKingfisher(QPainter& p, const Obj& o) { wader(p, o, kKingfisher); }
void paintRobin(QPainter& p, const Obj& o) { wader(p, o, kRobin); }
void paintBlackbird(QPainter& p, const Obj& o) { wader(p, o, kBlackbird); }
void paintDuckling(QPainter& p, const Obj& o) { wader(p, o, kDuckling); }

namespace {
// ---- Furniture: a seat on legs, with or without a back.
struct Seat {
    double w, seatY, back, legs;
    bool stretcher;
};

void seat(QPainter& p, const Obj& o, const Seat& s)
{
    softShadow(p, QRectF(-s.w / 2 - 1, -2, s.w + 2, 4), 60);
    p.setPen(QPen(shade(o.c1, 0.6), 1.6, Qt::SolidLine, Qt::FlatCap));
    const double n = s.legs;
    for (int i = 0; i < int(n); ++i) {
        const double x = -s.w / 2 + 1 + i * (s.w - 2) / std::max(1.0, n - 1);
        p.drawLine(QPointF(x, -s.seatY), QPointF(x + (x < 0 ? -0.6 : 0.6), 0));
    }
    if (s.stretcher)
        p.drawLine(QPointF(-s.w / 2 + 1, -s.seatY * 0.35), QPointF(s.w / 2 - 1, -s.seatY * 0.35));
    if (s.back > 0) {
        p.drawLine(QPointF(-s.w / 2 + 0.8, -s.seatY), QPointF(-s.w / 2 + 0.2, -s.seatY - s.back));
        p.drawLine(QPointF(s.w / 2 - 0.8, -s.seatY), QPointF(s.w / 2 - 0.2, -s.seatY - s.back));
        p.setPen(QPen(shade(o.c1, 0.5), 0.5));
        p.setBrush(litGradient(QRectF(-s.w / 2, -s.seatY - s.back, s.w, 3), o.c1));
        p.drawRect(QRectF(-s.w / 2, -s.seatY - s.back, s.w, 3));
        if (!(o.variant & 1)) // the middle rail (missing: a detail difference)
            p.drawRect(QRectF(-s.w / 2, -s.seatY - s.back * 0.5, s.w, 2));
    }
    p.setPen(QPen(shade(o.c1, 0.5), 0.5));
    p.setBrush(litGradient(QRectF(-s.w / 2 - 1, -s.seatY - 2.5, s.w + 2, 3), o.c1));
    p.drawRect(QRectF(-s.w / 2 - 1, -s.seatY - 2.5, s.w + 2, 3));
    if (o.variant & 2) { // a plump red cushion on the seat (in the wood's own shade it read as a hole)
        const QRectF c(-s.w / 2 + 1, -s.seatY - 6, s.w * 0.45, 3.8);
        const QColor cloth(185, 55, 45);
        p.setPen(QPen(shade(cloth, 0.5), 0.5));
        p.setBrush(litGradient(c, cloth, 0.4));
        p.drawRoundedRect(c, 1.1, 1.1);
        p.setPen(QPen(shade(cloth, 0.6), 0.5)); // its seam
        p.drawLine(QPointF(c.left() + 1.2, c.center().y()), QPointF(c.right() - 1.2, c.center().y()));
    }
}

const Seat kChair{12, 11, 12, 2, true};
const Seat kBench{36, 9, 9, 4, false};
const Seat kStool{10, 12, 0, 3, true};
const Seat kBarStool{8, 20, 0, 2, true};
const Seat kTable{26, 15, 0, 2, false};
} // namespace

void paintChair(QPainter& p, const Obj& o) { seat(p, o, kChair); }
void paintBench(QPainter& p, const Obj& o) { seat(p, o, kBench); }
void paintStool(QPainter& p, const Obj& o) { seat(p, o, kStool); }
void paintBarStool(QPainter& p, const Obj& o) { seat(p, o, kBarStool); }
void paintTable(QPainter& p, const Obj& o)
{
    seat(p, o, kTable);
    if (o.variant & 1) { // a cloth over it
        p.setPen(Qt::NoPen);
        p.setBrush(o.c2);
        QPainterPath c;
        c.moveTo(-14.5, -17.5), c.lineTo(14.5, -17.5), c.lineTo(15, -11), c.quadTo(0, -9.5, -15, -11), c.closeSubpath();
        p.drawPath(c);
    }
}

namespace {
// ---- Posts: a post with a thing on top (a cap, a box, boards, a stone).
void post(QPainter& p, const Obj& o, double h, double w)
{
    softShadow(p, QRectF(-w - 1, -2, 2 * w + 2, 4), 60);
    const QRectF r(-w / 2, -h, w, h);
    p.setPen(QPen(shade(o.c2.isValid() ? o.c2 : QColor(120, 85, 55), 0.5), 0.5));
    p.setBrush(litGradient(r, o.c2.isValid() ? o.c2 : QColor(120, 85, 55)));
    p.drawRect(r);
}
// Digits big and bold enough that changing one is a difference worth finding.
void number(QPainter& p, QPointF at, int digit, const QColor& ink, double unit = 1.3)
{
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    drawDigit(p, at, digit, unit);
}
} // namespace

void paintFencePost(QPainter& p, const Obj& o)
{
    post(p, o, 22, 5);
    QPainterPath cap;
    cap.moveTo(-3.5, -22);
    cap.lineTo(0, -26);
    cap.lineTo(3.5, -22);
    cap.closeSubpath();
    body(p, cap, o.c1);
    p.setPen(QPen(QColor(110, 110, 110), 0.8));
    if (o.variant & 1)
        p.drawLine(QPointF(-2.5, -15), QPointF(2.5, -14)); // a nailed-on rail stub
}

void paintMailbox(QPainter& p, const Obj& o)
{
    post(p, o, 16, 3);
    const QRectF box(-8, -27, 16, 11);
    QPainterPath b;
    b.moveTo(box.left(), box.bottom());
    b.lineTo(box.left(), box.top() + 4);
    b.arcTo(QRectF(box.left(), box.top(), box.width(), 8), 180, -180);
    b.lineTo(box.right(), box.bottom());
    b.closeSubpath();
    body(p, b, o.c1);
    number(p, QPointF(-2.6, -25.5), o.count, QColor(250, 245, 230));
    // The flag: up when there is post (a detail a player can spot).
    p.setPen(QPen(QColor(60, 60, 60), 0.9));
    const bool up = o.variant & 1;
    p.drawLine(QPointF(8.5, -18), QPointF(8.5, up ? -28 : -20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 40, 35));
    p.drawRect(up ? QRectF(8.5, -28, 4, 3) : QRectF(8.5, -20, 4, 2.5));
}

void paintMilestone(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 4), 60);
    QPainterPath s;
    s.moveTo(-6, 0);
    s.lineTo(-6, -12);
    s.quadTo(-6, -18, 0, -18);
    s.quadTo(6, -18, 6, -12);
    s.lineTo(6, 0);
    s.closeSubpath();
    body(p, s, o.c1, 0.3);
    number(p, QPointF(-2.6, -14.5), o.count, QColor(40, 35, 30));
}

void paintPriceTag(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(110, 80, 50), 0.9));
    p.drawLine(QPointF(0, 0), QPointF(0, -6));
    p.setPen(QPen(QColor(120, 110, 90), 0.5));
    p.setBrush(o.c1);
    p.drawRect(QRectF(-8.5, -17, 17, 11));
    // Whole tens: the first digit is the one that changes.
    number(p, QPointF(-6.2, -15.3), o.count, QColor(30, 30, 30), 1.2);
    number(p, QPointF(1.2, -15.3), 0, QColor(30, 30, 30), 1.2);
}

// A cast-iron mooring bollard with its rope (the detail).
void paintBollard(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 4), 65);
    // A squat iron column with a round head, shining where the light falls.
    QPainterPath b;
    b.moveTo(-5.5, 0), b.quadTo(-4, -3, -4, -8), b.quadTo(-6.5, -9, -6.5, -11), b.quadTo(0, -16, 6.5, -11);
    b.quadTo(6.5, -9, 4, -8), b.quadTo(4, -3, 5.5, 0), b.closeSubpath();
    body(p, b, o.c1, 0.5);
    p.setPen(QPen(shade(o.c1, 2.6), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-2.3, -7.5), QPointF(-2.6, -1.5));
    p.drawArc(QRectF(-5, -14, 8, 5), 100 * 16, 60 * 16);
    if (o.variant & 1) {
        p.setPen(QPen(QColor(200, 175, 120), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(-4.8, -8.5, 9.6, 3));
        p.drawLine(QPointF(4, -6.5), QPointF(9, -2));
    }
}

// A tram stop: a round sign on a pole with the line's number.
void paintTramStop(QPainter& p, const Obj& o)
{
    post(p, o, 28, 2);
    p.setPen(QPen(shade(o.c1, 0.5), 0.7));
    p.setBrush(QColor(250, 248, 240));
    p.drawEllipse(QPointF(0, -30), 7, 7);
    p.setBrush(o.c1);
    p.drawEllipse(QPointF(0, -30), 5.6, 5.6);
    number(p, QPointF(-2.6, -33.9), o.count, QColor(250, 248, 240));
}

// A bird feeder on a post: a little roofed tray, seeds in it (the detail).
void paintBirdFeeder(QPainter& p, const Obj& o)
{
    post(p, o, 22, 2.4);
    litBox(p, QRectF(-8, -23, 16, 3), o.c1);
    p.setPen(QPen(shade(o.c1, 0.6), 1.0));
    p.drawLine(QPointF(-6.5, -23), QPointF(-6.5, -29));
    p.drawLine(QPointF(6.5, -23), QPointF(6.5, -29));
    QPainterPath roof;
    roof.moveTo(-10, -28), roof.lineTo(0, -35), roof.lineTo(10, -28), roof.closeSubpath();
    body(p, roof, o.c2, 0.3);
    if (o.variant & 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(215, 180, 100));
        p.drawChord(QRectF(-6, -25.5, 12, 4), 0, 180 * 16);
    }
}

void paintSignpost(QPainter& p, const Obj& o)
{
    post(p, o, 34, 3);
    for (int i = 0; i < 2; ++i) {
        const double y = -31 + i * 8;
        const bool right = (o.variant >> i) & 1;
        QPainterPath a;
        const double d = right ? 1 : -1;
        a.moveTo(-d * 2, y);
        a.lineTo(d * 10, y);
        a.lineTo(d * 13, y + 2.5);
        a.lineTo(d * 10, y + 5);
        a.lineTo(-d * 2, y + 5);
        a.closeSubpath();
        body(p, a, i ? o.c1 : shade(o.c1, 1.2));
    }
}

void paintBirdbath(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-8, -2, 16, 4), 60);
    QPainterPath s;
    s.moveTo(-6, 0);
    s.lineTo(-2, -3);
    s.lineTo(-2, -12);
    s.lineTo(2, -12);
    s.lineTo(2, -3);
    s.lineTo(6, 0);
    s.closeSubpath();
    body(p, s, o.c1, 0.3);
    p.setPen(QPen(shade(o.c1, 0.5), 0.5));
    p.setBrush(litGradient(QRectF(-11, -16, 22, 5), o.c1));
    p.drawChord(QRectF(-11, -20, 22, 9), 180 * 16, 180 * 16);
    p.setBrush(QColor(120, 170, 200));
    p.drawEllipse(QRectF(-10, -16.5, 20, 2));
}

// ---- On a string in the sky or a pole.
void paintKite(QPainter& p, const Obj& o)
{
    QPainterPath k;
    k.moveTo(0, -22);
    k.lineTo(8, -13);
    k.lineTo(0, 2);
    k.lineTo(-8, -13);
    k.closeSubpath();
    body(p, k, o.c1, 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(o.c2.isValid() ? o.c2 : QColor(250, 240, 90));
    QPainterPath h; // the second colour: a top half or two opposite quarters
    if (o.variant & 1) {
        h.moveTo(0, -22), h.lineTo(8, -13), h.lineTo(0, -13), h.closeSubpath();
        h.moveTo(0, 2), h.lineTo(-8, -13), h.lineTo(0, -13), h.closeSubpath();
    } else {
        h.moveTo(0, -22), h.lineTo(8, -13), h.lineTo(-8, -13), h.closeSubpath();
    }
    p.drawPath(h);
    p.setPen(QPen(QColor(60, 50, 40), 0.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(0, 2);
    tail.cubicTo(-3, 8, 4, 12, 0, 18);
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < o.count; ++i) {
        p.setBrush(i % 2 ? o.c1 : (o.c2.isValid() ? o.c2 : QColor(250, 240, 90)));
        const QPointF at(i % 2 ? 1.2 : -1.2, 5 + i * 4);
        p.drawEllipse(at, 1.8, 1.0);
    }
}

void paintBalloon(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(90, 80, 70), 0.5));
    QPainterPath st;
    st.moveTo(0, -4);
    if (o.shape == 1) // drifting away in the sky: its string trails short behind it
        st.cubicTo(-1.5, -1, 1.5, 1, 0, 3);
    else
        st.cubicTo(-2, 2, 2, 6, 0, 12);
    p.setBrush(Qt::NoBrush);
    p.drawPath(st);
    p.setPen(Qt::NoPen);
    p.setBrush(ballGradient(QRectF(-6, -18, 12, 14), o.c1));
    p.drawEllipse(QRectF(-6, -18, 12, 14));
    p.setBrush(shade(o.c1, 0.7));
    QPainterPath knot;
    knot.moveTo(-1.2, -3.8), knot.lineTo(1.2, -3.8), knot.lineTo(0, -2.2), knot.closeSubpath();
    p.drawPath(knot);
}

void paintFlag(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-3, -1.5, 6, 3), 50);
    p.setPen(QPen(QColor(90, 80, 70), 1.2));
    p.drawLine(QPointF(0, 0), QPointF(0, -36));
    // Three bands of c1, c2, c3; the pattern bit lays them upright.
    const QColor c[3] = {o.c1, o.c2.isValid() ? o.c2 : QColor(245, 245, 240), o.c3.isValid() ? o.c3 : QColor(50, 130, 70)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(c[i]);
        if (o.variant & 1)
            p.drawRect(QRectF(0.6 + i * 6, -35, 6, 12));
        else
            p.drawRect(QRectF(0.6, -35 + i * 4, 18, 4));
    }
    p.setBrush(QColor(200, 170, 60));
    p.drawEllipse(QPointF(0, -36.5), 1.2, 1.2);
}

void paintParasol(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-16, -2, 32, 4), 45);
    p.setPen(QPen(QColor(230, 225, 215), 1.1));
    p.drawLine(QPointF(0, 0), QPointF(0, -30));
    const int panels = 6;
    for (int i = 0; i < panels; ++i) {
        const double x0 = -18 + i * 36.0 / panels, x1 = x0 + 36.0 / panels;
        QPainterPath seg;
        seg.moveTo(0, -36);
        seg.lineTo(x0, -26 + std::abs(x0) * 0.05);
        seg.quadTo((x0 + x1) / 2, -24, x1, -26 + std::abs(x1) * 0.05);
        seg.closeSubpath();
        const bool second = (o.variant & 1) ? (i / 2) % 2 : i % 2; // stripes or pairs: the pattern
        body(p, seg, second ? (o.c2.isValid() ? o.c2 : QColor(245, 245, 240)) : o.c1, 0.2);
    }
}

// ---- Plants and food from the garden and the market.
void paintSunflower(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(80, 130, 50), 1.6));
    p.drawLine(QPointF(0, 0), QPointF(1, -30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 50));
    p.drawEllipse(QRectF(-6, -16, 6, 3));
    p.drawEllipse(QRectF(1, -21, 6, 3));
    p.setBrush(o.c1);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawEllipse(QPointF(1 + std::cos(a) * 5, -33 + std::sin(a) * 5), 2.3, 2.3);
    }
    p.setBrush(QColor(90, 55, 25));
    p.drawEllipse(QPointF(1, -33), 3.6, 3.6);
}

void paintTulip(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(70, 140, 60), 1.1));
    p.drawLine(QPointF(0, 0), QPointF(0, -14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 150, 60));
    QPainterPath leaf;
    leaf.moveTo(0, -1), leaf.quadTo(-6, -6, -3, -10), leaf.quadTo(-1, -5, 0, -1);
    p.drawPath(leaf);
    QPainterPath cup;
    cup.moveTo(-3.5, -18);
    cup.lineTo(-2, -20), cup.lineTo(-1, -18), cup.lineTo(0, -20.5), cup.lineTo(1, -18), cup.lineTo(2, -20), cup.lineTo(3.5, -18);
    cup.quadTo(3.5, -13, 0, -13), cup.quadTo(-3.5, -13, -3.5, -18);
    body(p, cup, o.c1, 0.25);
}

void paintCabbage(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-9, -2, 18, 4));
    p.setPen(QPen(shade(o.c1, 0.6), 0.5));
    for (int i = 0; i < 3; ++i) {
        const double r = 9 - i * 2.6;
        p.setBrush(ballGradient(QRectF(-r, -2 * r - 0.5, 2 * r, 2 * r), shade(o.c1, 0.9 + i * 0.1)));
        p.drawEllipse(QRectF(-r, -2 * r + (9 - r) * 0.3 - 0.5, 2 * r, 2 * r));
    }
}

void paintCornStalk(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(150, 160, 70), 1.8));
    p.drawLine(QPointF(0, 0), QPointF(0, -40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 150, 60));
    for (int i = 0; i < 4; ++i) {
        QPainterPath l;
        const double y = -8 - i * 8, d = i % 2 ? 1 : -1;
        l.moveTo(0, y), l.quadTo(d * 8, y - 6, d * 11, y + 1), l.quadTo(d * 6, y - 3, 0, y + 2);
        p.drawPath(l);
    }
    p.setBrush(o.c1); // the cob
    p.drawEllipse(QRectF(1, -26, 4, 9));
    p.setBrush(QColor(170, 180, 90));
    p.drawChord(QRectF(0, -24, 6, 9), 200 * 16, 140 * 16);
}

void paintCake(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-12, -2, 24, 4));
    const int layers = std::max(1, o.count);
    const double lh = 5;
    for (int i = 0; i < layers; ++i) {
        const QRectF r(-10, -(i + 1) * lh - 1, 20, lh);
        p.setPen(QPen(shade(o.c1, 0.5), 0.4));
        p.setBrush(litGradient(r, i % 2 ? o.c1 : (o.c2.isValid() ? o.c2 : QColor(250, 235, 200))));
        p.drawRect(r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 90, 40)); // caramel top, dotted or plain: the pattern
    const double top = -layers * lh - 1;
    p.drawRect(QRectF(-10, top - 2, 20, 2.2));
    if (o.variant & 1) {
        p.setBrush(QColor(250, 245, 235));
        for (double x = -8; x <= 8; x += 4)
            p.drawEllipse(QPointF(x, top - 3), 1.3, 1.3);
    }
}

void paintCheese(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-11, -2, 22, 4));
    p.setPen(QPen(shade(o.c1, 0.5), 0.5));
    p.setBrush(litGradient(QRectF(-10, -8, 20, 8), shade(o.c1, 0.85)));
    p.drawRect(QRectF(-10, -8, 20, 7));
    p.setBrush(shade(o.c1, 1.1));
    if (o.variant & 1) // a wedge cut out of the top
        p.drawPie(QRectF(-10, -12, 20, 8), 60 * 16, 300 * 16);
    else
        p.drawEllipse(QRectF(-10, -12, 20, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(o.c1, 0.75));
    p.drawEllipse(QPointF(-4, -8), 1.2, 0.7);
    p.drawEllipse(QPointF(3, -9), 0.9, 0.6);
}

void paintSalami(QPainter& p, const Obj& o)
{
    p.setPen(QPen(QColor(220, 210, 190), 0.8));
    p.drawLine(QPointF(0, 0), QPointF(0, 4));
    QPainterPath s;
    s.addRoundedRect(QRectF(-3.5, 3, 7, 24), 3.5, 3.5);
    body(p, s, o.c1, 0.3);
    p.setPen(QPen(QColor(235, 230, 215), 0.6)); // the string net
    for (int i = 1; i <= std::max(1, o.count); ++i)
        p.drawLine(QPointF(-3.3, 3 + i * 24.0 / (o.count + 1)), QPointF(3.3, 3 + i * 24.0 / (o.count + 1)));
}

void paintWatermelon(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-12, -2, 24, 4));
    p.setPen(QPen(QColor(30, 80, 30), 0.5));
    p.setBrush(QColor(50, 110, 45));
    p.drawChord(QRectF(-11, -11, 22, 22), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 240, 200));
    p.drawChord(QRectF(-9.8, -9.8, 19.6, 19.6), 0, 180 * 16);
    p.setBrush(o.c1);
    p.drawChord(QRectF(-9, -9, 18, 18), 0, 180 * 16);
    p.setBrush(QColor(30, 25, 20));
    for (int i = 0; i < std::max(0, o.count); ++i)
        p.drawEllipse(QPointF(-6 + i * 3, -3 - (i % 2) * 2.5), 0.6, 0.9);
}

void paintGiftBox(QPainter& p, const Obj& o)
{
    softShadow(p, QRectF(-10, -2, 20, 4));
    const QRectF r(-8, -14, 16, 14);
    p.setPen(QPen(shade(o.c1, 0.5), 0.5));
    p.setBrush(litGradient(r, o.c1));
    p.drawRect(r);
    p.setBrush(litGradient(QRectF(-9, -17, 18, 3.5), shade(o.c1, 1.1)));
    p.drawRect(QRectF(-9, -17, 18, 3.5));
    p.setPen(Qt::NoPen);
    const QColor ribbon = o.c2.isValid() ? o.c2 : QColor(240, 210, 80);
    p.setBrush(ribbon);
    if (o.variant & 1) { // a cross ribbon, or (pattern changed) dots
        for (double x = -5; x <= 5; x += 5)
            for (double y = -11; y <= -3; y += 4)
                p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    } else {
        p.drawRect(QRectF(-1.3, -17, 2.6, 17));
    }
    p.drawEllipse(QRectF(-5, -20.5, 4.5, 3.5));
    p.drawEllipse(QRectF(0.5, -20.5, 4.5, 3.5));
}

void paintCauldron(QPainter& p, const Obj& o)
{
    // A kettle on a tripod over the fire, as on the plain.
    p.setPen(QPen(QColor(60, 50, 40), 1.2));
    p.drawLine(QPointF(-14, 0), QPointF(0, -34));
    p.drawLine(QPointF(14, 0), QPointF(0, -34));
    p.drawLine(QPointF(0, -34), QPointF(0, -24));
    if (o.variant & 1) { // the fire burns
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 140, 30));
        QPainterPath f;
        f.moveTo(-6, 0), f.quadTo(-5, -6, -2, -7), f.quadTo(0, -4, 1, -9), f.quadTo(4, -5, 6, 0), f.closeSubpath();
        p.drawPath(f);
        p.setBrush(QColor(255, 220, 90));
        p.drawEllipse(QRectF(-2, -4, 4, 4));
    }
    p.setPen(QPen(QColor(110, 80, 50), 1.6));
    p.drawLine(QPointF(-7, -1), QPointF(7, -2));
    p.setPen(QPen(QColor(40, 40, 40), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-7, -26, 14, 8), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ballGradient(QRectF(-8, -22, 16, 13), o.c1));
    p.drawChord(QRectF(-8, -28, 16, 19), 180 * 16, 180 * 16);
}

} // namespace levelgen
