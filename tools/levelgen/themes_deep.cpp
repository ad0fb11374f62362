// Scenes far from home: the underwater reef and the space station.
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/themekit.h"

#include <QPainterPath>

namespace levelgen {

void buildReef(Scene& s, Rng& r, int v)
{
    s.finish.tint = QColor(235, 250, 255);
    s.finish.vignette = 0.35;
    const double sand = r.range(350, 380) - (v % 3 == 2 ? 70 : 0); // the green reef seen from lower down
    s.surfaces = Surfaces::at(sand, false, true);
    // A shallow turquoise reef, a deep blue one and a green-lit one.
    const QColor deeps[3] = {QColor(10, 80, 100), QColor(8, 30, 90), QColor(20, 90, 60)};
    const QColor deep = deeps[v % 3];
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, kHeight), {{0, v % 3 == 1 ? QColor(40, 110, 190) : QColor(70, 180, 210)}, {0.55, shade(deep, 1.3)}, {1, deep}});
        lightRays(p, QRectF(-40, 0, kWidth, sand), 7, r.seed());
        hills(p, sand - 40, 40, 80, shade(deep, 1.4), shade(deep, 1.2), r.seed());
        // The reef itself: a rock outcrop rising from the sand at one side,
        // its ledges crusted with sponges, so the open water has a shore.
        const bool left = r.chance(0.5);
        const double foot = sand + 8, top = sand - r.range(120, 160), reach = r.range(95, 125);
        QPainterPath rock;
        const double e = left ? -10 : kWidth + 10, d = left ? 1 : -1;
        rock.moveTo(e, foot);
        rock.lineTo(e, top - 20);
        rock.cubicTo(e + d * reach * 0.3, top - 28, e + d * reach * 0.5, top + 6, e + d * reach * 0.62, top + 18);
        rock.cubicTo(e + d * reach * 0.8, top + 34, e + d * reach * 0.7, top + 60, e + d * reach * 0.95, top + 78);
        rock.cubicTo(e + d * reach * 1.15, top + 96, e + d * reach * 1.1, foot - 20, e + d * reach * 1.3, foot);
        rock.closeSubpath();
        const QColor stone = mix(shade(deep, 1.9), QColor(120, 110, 100), 0.45);
        QLinearGradient g(QPointF(e, top), QPointF(e + d * reach, foot));
        g.setColorAt(0, shade(stone, 1.15));
        g.setColorAt(1, shade(stone, 0.8));
        p.setPen(QPen(shade(stone, 0.7), 1.2));
        p.setBrush(g);
        p.drawPath(rock);
        p.setPen(Qt::NoPen);
        Rng dots(r.seed());
        for (int i = 0; i < 40; ++i) { // sponges and crust, in the reef's own colours
            const double x = e + d * dots.range(8, reach * 0.9), y = dots.range(top, foot - 6);
            if (!rock.contains(QPointF(x, y)))
                continue;
            p.setBrush(withAlpha(anyOf(dots, {QColor(230, 120, 90), QColor(240, 200, 90), QColor(150, 90, 170), QColor(90, 170, 150)}), 170));
            p.drawEllipse(QPointF(x, y), dots.range(1.5, 4), dots.range(1.2, 3));
        }
        p.setBrush(withAlpha(shade(stone, 0.55), 200)); // a cave mouth in its side
        p.drawEllipse(QPointF(e + d * reach * 0.45, foot - 28), 13, 10);
        hills(p, sand, 25, 60, QColor(220, 200, 150), QColor(180, 160, 120), r.seed());
    }
    noiseTexture(s.base, QRect(0, int(sand) - 25, kWidth, kHeight), 3, 12, r.seed());
    noiseTexture(s.base, QRect(0, 0, kWidth, int(sand)), 40, 6, r.seed());
    const QColor coralCols[] = {QColor(240, 100, 110), QColor(250, 160, 60), QColor(180, 90, 200), QColor(240, 220, 90), QColor(90, 200, 190)};
    for (int i = 0; i < 5; ++i)
        put(s, Seaweed, r.range(15, 339), sand + r.range(0, 20), r.range(1.2, 1.6), QColor(60, 150, 90));
    for (int i = 0; i < 5; ++i)
        put(s, Coral, 35 + i * 71 + r.range(-12, 12), sand + r.range(10, 40), r.range(0.9, 1.2), coralCols[(i + v) % 5]);
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Rock, {20, 334, sand + 30, kHeight - 10}, r.range(1.0, 1.4), QColor(110, 120, 130)).variant = 1;
    const QColor fishCols[] = {QColor(250, 140, 30), QColor(250, 220, 50), QColor(60, 120, 230), QColor(230, 70, 90), QColor(120, 220, 120), QColor(180, 100, 220)};
    for (int i = 0; i < 12; ++i) {
        Obj& f = scatter(s, r, Fish, {25, 329, 40, sand - 20}, r.range(1.0, 1.6), fishCols[r.next() % 6], QColor(250, 250, 250));
        f.count = r.between(0, 3);
        f.mirror = r.chance(0.5);
    }
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Jellyfish, {30, 324, 40, 200}, 1.3, anyOf(r, {QColor(240, 150, 210), QColor(170, 160, 250)}));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Starfish, {20, 334, sand + 30, kHeight - 15}, r.range(1.1, 1.4), anyOf(r, {QColor(240, 110, 60), QColor(230, 60, 90), QColor(250, 190, 60)}));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Shell, {20, 334, sand + 40, kHeight - 10}, 1.3, anyOf(r, {QColor(250, 220, 200), QColor(240, 190, 160)}));
    scatter(s, r, Crab, {30, 324, sand + 50, kHeight - 15}, 1.4, QColor(220, 70, 40));
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Bubbles, {20, 334, 100, sand - 40}, 1.2, QColor(255, 255, 255));
    scatter(s, r, Octopus, {30, 324, sand + 20, kHeight - 15}, 1.2, anyOf(r, {QColor(220, 100, 80), QColor(170, 90, 190)})).groundMove = true;
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Seahorse, {30, 324, 80, sand - 30}, 1.2, anyOf(r, {QColor(245, 190, 60), QColor(240, 120, 90)}));
    Obj& chest = scatter(s, r, TreasureChest, {40, 314, sand + 25, kHeight - 15}, 1.2, QColor(130, 85, 50));
    chest.variant = r.between(0, 1), chest.groundMove = true;
    scatterSpare(s, r, Fish, {30, 324, 40, sand - 30}, 1.3, QColor(250, 220, 50), QColor(40, 40, 60));
    scatterSpare(s, r, Starfish, {30, 324, sand + 30, kHeight - 15}, 1.2, QColor(240, 110, 60));
    scatterSpare(s, r, Shell, {30, 324, sand + 40, kHeight - 10}, 1.2, QColor(250, 220, 200));
    scatterSpare(s, r, Bubbles, {30, 324, 100, sand - 40}, 1.1, QColor(255, 255, 255));
}

void buildSpace(Scene& s, Rng& r, int v)
{
    s.finish.vignette = 0.3;
    s.finish.tint = QColor(240, 245, 255);
    s.surfaces.afloat = true;
    v %= 3; // the world below the station, above it, or a red one far off to the side
    const QPointF planetAt = v == 0 ? QPointF(r.range(60, 294), r.range(330, 420))
                           : v == 1 ? QPointF(r.range(60, 294), r.range(-260, -220)) : QPointF(r.range(-120, -90), r.range(150, 220));
    const QColor nebula = v == 2 ? QColor(190, 70, 90) : anyOf(r, {QColor(150, 60, 180), QColor(40, 110, 190)});
    const QColor world = v == 0 ? QColor(60, 120, 200) : v == 1 ? QColor(90, 170, 140) : QColor(200, 110, 60);
    {
        QPainter p(&s.base);
        p.setRenderHint(QPainter::Antialiasing);
        verticalGradient(p, QRectF(0, 0, kWidth, kHeight), {{0, QColor(5, 5, 20)}, {1, QColor(15, 15, 40)}});
        glow(p, QPointF(r.range(0, kWidth), r.range(50, 250)), 200, withAlpha(nebula, 70));
        glow(p, QPointF(r.range(0, kWidth), r.range(50, 250)), 140, withAlpha(shade(nebula, 1.4), 50));
        starfield(p, QRectF(0, 0, kWidth, kHeight), 420, r.seed());
        const QRectF ball(planetAt.x() - 170, planetAt.y() - 40, 340, 340);
        glow(p, planetAt + QPointF(0, 130), 200, withAlpha(QColor(140, 200, 255), 80));
        p.setBrush(ballGradient(ball, world));
        p.setPen(Qt::NoPen);
        p.drawEllipse(ball);
    }
    noiseTexture(s.base, QRect(0, std::max(0, int(planetAt.y() - 40)), kWidth, kHeight), 14, 14, r.seed(), 3);
    {
        QPainter p(&s.base); // the station's frame
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(150, 155, 165), 3));
        const double y1 = r.range(120, 160), y2 = r.range(230, 270);
        p.drawLine(QPointF(0, y1), QPointF(kWidth, y1 + 20));
        p.drawLine(QPointF(kWidth / 2.0 + r.range(-40, 40), y1 + 10), QPointF(kWidth / 2.0, y2));
        p.setPen(QPen(QColor(110, 115, 125), 1));
        for (double x = 0; x < kWidth; x += 12)
            p.drawLine(QPointF(x, y1 + x / kWidth * 20 - 3), QPointF(x + 6, y1 + x / kWidth * 20 + 3));
        for (int i = 0; i < 2; ++i)
            put(s, Module, 70 + i * 210 + r.range(-15, 15), y1 + 10 + i * 20, 1.3, QColor(220, 220, 225), anyOf(r, {QColor(210, 60, 50), QColor(240, 180, 40), QColor(50, 120, 210)}));
        put(s, Module, kWidth / 2.0, y2, 1.2, QColor(220, 220, 225), QColor(50, 120, 210)).count = 5;
        for (int i = 0; i < 2; ++i)
            put(s, Panel, 70 + i * 210 + r.range(-10, 10), y1 - 30, 1.2, QColor(40, 70, 150)).count = 5;
        put(s, Panel, kWidth / 2.0 + 10, y2 + 35, 1.1, QColor(190, 150, 50)).count = 4;
    }
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Planet, {40, 314, 30, 100}, r.range(0.8, 1.2), anyOf(r, {QColor(230, 170, 90), QColor(120, 200, 220), QColor(200, 110, 180)}), QColor(250, 230, 200)).variant = i;
    scatter(s, r, Moon, {40, 314, 300, 330}, 1.3, QColor(225, 225, 215)).shape = v % 2;
    // Each of the crew in a suit of their own (three alike would hide a
    // difference among them), one of them out on a walk below the station.
    const QColor suits[] = {QColor(230, 180, 60), QColor(90, 160, 230), QColor(240, 240, 235)};
    for (int i = 0; i < 3; ++i)
        scatter(s, r, Astronaut, i == 2 ? Area{30, 324, 390, 455} : Area{30, 324, 180, 330}, r.range(1.3, 1.6), suits[i], anyOf(r, {QColor(210, 50, 50), QColor(60, 150, 80), QColor(240, 240, 235)}));
    for (int i = 0; i < 2; ++i)
        scatter(s, r, Satellite, {30, 324, 60, 320}, 1.3, i ? QColor(200, 200, 210) : QColor(220, 180, 70));
    scatter(s, r, Rocket, {40, 314, 320, 400}, 1.5, QColor(210, 50, 50)).variant = 1;
    scatter(s, r, Rocket, {40, 314, 40, 140}, 1.0, QColor(235, 235, 240), QColor(50, 120, 210)).mirror = true; // a shuttle leaving
    for (int i = 0; i < 4; ++i)
        scatter(s, r, Asteroid, {20, 334, 20, 460}, r.range(0.9, 1.4), anyOf(r, {QColor(140, 120, 105), QColor(120, 115, 110), QColor(150, 110, 80)}));
    // A probe high above the station and pale rocks tumbling by at the top
    // and the foot of the picture, lit by the sun.
    scatter(s, r, Satellite, {30, 324, 24, 100}, 1.0, QColor(235, 235, 240), QColor(200, 60, 50));
    for (const QColor& c : {QColor(175, 150, 125), QColor(200, 185, 160)})
        scatter(s, r, Asteroid, {20, 334, 20, 110}, r.range(1.0, 1.3), c);
    for (const QColor& c : {QColor(175, 150, 125), QColor(200, 185, 160)})
        scatter(s, r, Asteroid, {20, 334, 380, 460}, r.range(1.0, 1.3), c);
    // A supply capsule and a probe drifting below the station.
    scatter(s, r, Satellite, {30, 324, 340, 450}, 1.1, QColor(200, 200, 210), QColor(60, 80, 140));
    scatter(s, r, Panel, {40, 314, 350, 450}, 0.9, QColor(190, 150, 50)).count = 3;
    for (int i = 0; i < 8; ++i)
        scatter(s, r, Star, {15, 339, 15, 460}, r.range(0.9, 1.4), anyOf(r, {QColor(255, 245, 210), QColor(200, 220, 255), QColor(255, 200, 180)}));
    scatterSpare(s, r, Asteroid, {30, 324, 30, 450}, 1.1, QColor(140, 120, 105));
    scatterSpare(s, r, Star, {30, 324, 30, 450}, 1.2, QColor(255, 245, 210));
    scatterSpare(s, r, Satellite, {30, 324, 60, 320}, 1.1, QColor(200, 200, 210));
    scatterSpare(s, r, Astronaut, {30, 324, 180, 330}, 1.3, QColor(230, 180, 60), QColor(50, 120, 210));
}

} // namespace levelgen
