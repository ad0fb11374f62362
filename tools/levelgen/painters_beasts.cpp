// Four-legged animals from one parametrised painter: a body on four legs,
// a head on a neck, ears or horns, a tail. Most are seen small and far
// off, so each is drawn for its silhouette: a dark rim against the ground,
// near legs lighter than the far ones with dark feet, a clear head with a
// muzzle and an eye, and a tail that says which animal it is.
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"

#include <QPainterPath>
#include <cmath>

namespace levelgen {

namespace {
enum Ears { Pointed, Floppy, Long, Horns, Antlers, Round };
enum Snout { Muzzle, PigSnout };
struct Beast {
    double bodyW, bodyH, legs, neckUp, headR;
    Ears ears;
    double tail;   // length: a stub or puff up to 2.5, a tufted tail to 8, bushy above
    bool woolly, mane;
    QColor face = QColor(); // a face and legs of their own colour (a sheep's dark face)
    Snout snout = Muzzle;
    bool tailUp = false; // carried up in a curve, as a dog does, not hanging as a horse's
};

void tail(QPainter& p, const Obj& o, const Beast& b, double top)
{
    const QPointF root(-b.bodyW / 2 + 1, top + b.bodyH * 0.25);
    if (b.tail <= 2.5) { // a short stub, or a white puff on a rabbit
        p.setPen(Qt::NoPen);
        p.setBrush(b.ears == Long ? QColor(245, 242, 235) : shade(o.c1, 0.8));
        p.drawEllipse(root + QPointF(-1, -0.5), b.tail * 0.8 + 0.6, b.tail * 0.7 + 0.5);
    } else if (b.tailUp) { // raised in a curve over the back
        const QPointF end = root + QPointF(-b.tail * 0.55, -b.tail * 0.75);
        QPainterPath t;
        t.moveTo(root);
        t.quadTo(root + QPointF(-b.tail * 0.7, -b.tail * 0.1), end);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shade(o.c1, 0.45), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
        p.setPen(QPen(o.c1, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(t);
    } else if (b.tail <= 8) { // hanging, with a dark tuft (cattle, horses)
        const QPointF end = root + QPointF(-b.tail * 0.35, b.tail * 0.95);
        p.setPen(QPen(shade(o.c1, 0.55), 1.1, Qt::SolidLine, Qt::RoundCap));
        QPainterPath t;
        t.moveTo(root);
        t.quadTo(root + QPointF(-b.tail * 0.45, b.tail * 0.2), end);
        p.setBrush(Qt::NoBrush);
        p.drawPath(t);
        p.setPen(Qt::NoPen);
        p.setBrush(b.mane && o.c2.isValid() ? o.c2 : shade(o.c1, 0.4));
        p.drawEllipse(end, 1.0, 1.6);
    } else { // bushy, with a white tip (a fox)
        const QPointF end = root + QPointF(-b.tail * 0.6, b.tail * 0.5);
        p.setPen(QPen(shade(o.c1, 0.45), 4.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(root, end);
        p.setPen(QPen(o.c1, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(root, end);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 240, 230));
        p.drawEllipse(end, 1.8, 1.8);
    }
}

void ears(QPainter& p, const Obj& o, const Beast& b, QPointF head)
{
    const double r = b.headR;
    const QColor dark = shade(b.face.isValid() ? b.face : o.c1, 0.7);
    QPainterPath e;
    p.setPen(QPen(shade(o.c1, 0.4), 0.5));
    p.setBrush(dark);
    switch (b.ears) {
    case Pointed:
        e.moveTo(head + QPointF(-r * 0.8, -r * 0.4));
        e.lineTo(head + QPointF(-r * 0.5, -r * 1.8));
        e.lineTo(head + QPointF(0.1 * r, -r * 0.6));
        e.closeSubpath();
        break;
    case Floppy:
        e.addEllipse(QRectF(head.x() - r * 1.15, head.y() - r * 0.7, r * 0.75, r * 1.5));
        break;
    case Long:
        e.addEllipse(QRectF(head.x() - r * 0.75, head.y() - r * 3, r * 0.6, r * 2.5));
        e.addEllipse(QRectF(head.x() - r * 0.2, head.y() - r * 2.8, r * 0.6, r * 2.3));
        break;
    case Round:
        e.addEllipse(head + QPointF(-r * 0.6, -r * 0.85), r * 0.4, r * 0.4);
        e.addEllipse(head + QPointF(r * 0.2, -r * 0.95), r * 0.4, r * 0.4);
        break;
    case Antlers: // a branched crown, tines forward and back
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(110, 80, 50), 1.2, Qt::SolidLine, Qt::RoundCap));
        e.moveTo(head + QPointF(-r * 0.3, -r * 0.7)), e.lineTo(head + QPointF(-r * 0.9, -r * 2.6));
        e.moveTo(head + QPointF(-r * 0.6, -r * 1.6)), e.lineTo(head + QPointF(r * 0.2, -r * 2.3));
        e.moveTo(head + QPointF(-r * 0.8, -r * 2.2)), e.lineTo(head + QPointF(-r * 1.7, -r * 2.5));
        break;
    case Horns:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(225, 212, 185), 1.4, Qt::SolidLine, Qt::RoundCap));
        e.moveTo(head + QPointF(-r * 0.3, -r * 0.7));
        e.quadTo(head + QPointF(-r * 1.6, -r * 1.8), head + QPointF(-r * 1.5, -r * 0.5));
        break;
    }
    p.drawPath(e);
}

void beast(QPainter& p, const Obj& o, const Beast& b)
{
    const double top = -b.legs - b.bodyH;
    const QColor face = b.face.isValid() ? b.face : o.c1;
    // A dark rim on a light animal; a pale one on a dark animal (a bear at
    // dusk, a black sheep on dark grass) catches the light the same way.
    const QColor rim = o.c1.lightness() < 80 ? mix(o.c1, QColor(225, 215, 195), 0.45) : shade(o.c1, 0.38);
    softShadow(p, QRectF(-b.bodyW / 2 - 1, -2, b.bodyW + 2, 4), 80);
    const double lw = std::max(1.5, b.bodyW * 0.1);
    auto legs = [&](std::initializer_list<double> xs, const QColor& c, double from) {
        for (double lx : xs) {
            const QPointF hip(lx * b.bodyW, top + b.bodyH * from), foot(lx * b.bodyW + (lx > 0 ? 0.5 : -0.5), -0.6);
            p.setPen(QPen(rim, lw + 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(hip, foot);
            p.setPen(QPen(c, lw, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(hip, foot);
            p.setPen(QPen(shade(c, 0.4), lw, Qt::SolidLine, Qt::RoundCap)); // hooves and paws
            p.drawLine(foot + QPointF(0, -1.2), foot);
        }
    };
    legs({-0.27, 0.29}, shade(b.face.isValid() ? face : o.c1, 0.55), 0.6); // the far pair, in shadow
    tail(p, o, b, top);
    // The neck: a dark rim first, so that it reads against any ground.
    // Its detail: the head down to the grass, grazing or sniffing at it.
    const bool grazing = o.variant & 1;
    const QPointF head = grazing ? QPointF(b.bodyW / 2 + b.headR * 0.5, -b.headR * 0.9 - 0.3)
                                 : QPointF(b.bodyW / 2 + b.headR * 0.3, top - b.neckUp + b.headR * 0.3);
    const QPointF neckFoot(b.bodyW / 2 - b.headR * 0.6, top + b.bodyH * 0.35);
    p.setPen(QPen(rim, b.headR * 1.1 + 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(neckFoot, head);
    const QRectF torso(-b.bodyW / 2, top, b.bodyW, b.bodyH);
    QPainterPath t;
    if (b.woolly) { // a fleece of bumps along the back
        t.setFillRule(Qt::WindingFill);
        t.addRoundedRect(torso.adjusted(0, 1.5, 0, 0), b.bodyH * 0.45, b.bodyH * 0.45);
        for (int i = 0; i < 6; ++i)
            t.addEllipse(QRectF(torso.left() + i * b.bodyW / 6.5, top - 0.5 + (i % 2) * 1.2, b.bodyW / 4, b.bodyH * 0.55));
        t = t.simplified();
    } else {
        t.addRoundedRect(torso, b.bodyH * 0.45, b.bodyH * 0.45);
    }
    p.setPen(QPen(rim, 0.8));
    p.setBrush(litGradient(torso, o.c1, 0.3));
    p.drawPath(t);
    if (b.woolly) { // curls
        p.setPen(QPen(shade(o.c1, 0.82), 0.5));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i)
            p.drawArc(QRectF(torso.left() + 2 + i * b.bodyW / 4.6, top + b.bodyH * 0.35 + (i % 2), 3, 2.4), 0, 200 * 16);
    }
    legs({-0.38, 0.36}, shade(face, 0.78), 0.75); // the near pair, in the light
    p.setPen(QPen(shade(face, 0.88), b.headR * 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(neckFoot, head);
    if (b.mane) {
        p.setPen(QPen(o.c2.isValid() ? o.c2 : shade(o.c1, 0.4), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(b.bodyW / 2 - b.headR * 1.2, top + 0.5), head + QPointF(-b.headR * 0.6, -b.headR * 0.6));
    }
    ears(p, o, b, head);
    // The head, a muzzle forward of it, an eye with a glint.
    const QRectF hr(head.x() - b.headR, head.y() - b.headR * 0.85, 2 * b.headR, 1.7 * b.headR);
    p.setPen(QPen(rim, 0.6));
    p.setBrush(ballGradient(hr, face));
    p.drawEllipse(hr);
    const QPointF m = head + QPointF(b.headR * 0.85, b.headR * 0.3);
    if (b.snout == PigSnout) {
        p.setBrush(QColor(225, 150, 145));
        p.drawEllipse(m + QPointF(0.3, 0), b.headR * 0.45, b.headR * 0.5);
    } else {
        p.setBrush(shade(face, 0.82));
        p.drawEllipse(m, b.headR * 0.6, b.headR * 0.45);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 20, 18));
    p.drawEllipse(m + QPointF(b.headR * 0.4, -b.headR * 0.1), 0.45, 0.45); // nostril
    p.drawEllipse(head + QPointF(b.headR * 0.25, -b.headR * 0.25), 0.75, 0.75);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(head + QPointF(b.headR * 0.25 - 0.25, -b.headR * 0.25 - 0.3), 0.25, 0.25);
}

const QColor kDarkFace(55, 48, 44);
// Short in the neck and low on its legs, tail up: never read as a foal.
const Beast kDog{16, 7, 5, 2, 3.6, Floppy, 6, false, false, QColor(), Muzzle, true};
const Beast kPuli{15, 8, 4, 2, 3.6, Floppy, 2.5, true, false};
const Beast kSheep{17, 9, 5, 2, 3.2, Floppy, 2, true, false, kDarkFace};
const Beast kGoat{15, 7, 7, 5, 3, Horns, 2, false, false};
const Beast kHorse{26, 10, 13, 10, 4, Pointed, 7, false, true};
const Beast kRabbit{10, 6, 1.5, 1, 2.8, Long, 1.5, false, false};
const Beast kDonkey{20, 9, 10, 6, 3.6, Long, 5, false, true};
const Beast kDeer{18, 8, 12, 8, 3.2, Antlers, 2, false, false};
const Beast kWolf{18, 7, 8, 3, 3.4, Pointed, 9, false, false};
const Beast kFox{15, 6, 5, 3, 3, Pointed, 10, false, false};
const Beast kBoar{17, 8, 5, 1, 3.6, Pointed, 3, false, true};
const Beast kMangalica{18, 9, 4, 0.5, 3.6, Floppy, 2, true, false, QColor(), PigSnout};
const Beast kBuffalo{22, 10, 7, 1, 4, Horns, 6, false, false};
const Beast kBear{20, 11, 6, 2, 4.5, Round, 1, false, false};
const Beast kLlama{14, 8, 11, 13, 3, Pointed, 2, true, false};
const Beast kCalf{13, 6, 7, 3, 3, Floppy, 5, false, false, QColor(245, 240, 230)};
const Beast kChamois{14, 7, 9, 6, 2.8, Horns, 1.5, false, false, QColor(235, 225, 205)};
const Beast kLamb{11, 7, 4, 2, 2.8, Floppy, 1.5, true, false};
} // namespace

void paintDog(QPainter& p, const Obj& o) { beast(p, o, kDog); }
void paintPuli(QPainter& p, const Obj& o) { beast(p, o, kPuli); }
void paintSheep(QPainter& p, const Obj& o) { beast(p, o, kSheep); }
void paintGoat(QPainter& p, const Obj& o) { beast(p, o, kGoat); }
void paintHorse(QPainter& p, const Obj& o) { beast(p, o, kHorse); }
void paintRabbit(QPainter& p, const Obj& o) { beast(p, o, kRabbit); }
void paintFox(QPainter& p, const Obj& o) { beast(p, o, kFox); }
void paintDonkey(QPainter& p, const Obj& o) { beast(p, o, kDonkey); }
void paintDeer(QPainter& p, const Obj& o) { beast(p, o, kDeer); }
void paintWolf(QPainter& p, const Obj& o) { beast(p, o, kWolf); }
void paintBoar(QPainter& p, const Obj& o) { beast(p, o, kBoar); }
void paintMangalica(QPainter& p, const Obj& o) { beast(p, o, kMangalica); }
void paintBuffalo(QPainter& p, const Obj& o) { beast(p, o, kBuffalo); }
void paintBear(QPainter& p, const Obj& o) { beast(p, o, kBear); }
void paintLlama(QPainter& p, const Obj& o) { beast(p, o, kLlama); }
void paintCalf(QPainter& p, const Obj& o) { beast(p, o, kCalf); }
void paintChamois(QPainter& p, const Obj& o) { beast(p, o, kChamois); }
void paintLamb(QPainter& p, const Obj& o) { beast(p, o, kLamb); }

} // namespace levelgen
