#include "dovescene.h"

#include "assets/art/noise.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace rules {

namespace {

constexpr int W = 354, H = 482;
constexpr int kHorizon = 312;
const QPointF kDove(176, 188);         // where the dove sits
const QRectF kPost(152, 214, 46, 300); // the fence post

const QPoint kPoints[] = {
    {265, 75}, {95, 122}, {300, 290}, {122, 169}, {172, 335}, {290, 425}, {58, 448}, {255, 364},
};

void sky(QPainter& p)
{
    QLinearGradient g(0, 0, 0, kHorizon);
    g.setColorAt(0.0, QColor(104, 150, 205));
    g.setColorAt(0.55, QColor(168, 197, 226));
    g.setColorAt(0.9, QColor(226, 232, 236));
    g.setColorAt(1.0, QColor(240, 232, 214));
    p.fillRect(0, 0, W, kHorizon + 2, g);
    QRadialGradient sun(300, 30, 200);
    sun.setColorAt(0, QColor(255, 247, 226, 150));
    sun.setColorAt(1, QColor(255, 247, 226, 0));
    p.fillRect(0, 0, W, kHorizon, sun);
}

void cloud(QPainter& p, QPointF c, double w, double h, std::uint64_t seed)
{
    art::Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double x = c.x() + rng.range(-w / 2, w / 2);
        const double y = c.y() + rng.range(-h / 3, h / 3) - (1 - std::abs(x - c.x()) / w) * h * 0.3;
        const double r = rng.range(h * 0.35, h * 0.7);
        QRadialGradient g(QPointF(x, y - r * 0.2), r);
        g.setColorAt(0, QColor(255, 255, 255, 190));
        g.setColorAt(0.6, QColor(246, 247, 250, 120));
        g.setColorAt(1, QColor(230, 234, 242, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), r, r * 0.75);
    }
}

QPainterPath ridge(double base, double amp, double scale, std::uint32_t seed)
{
    QPainterPath path(QPointF(0, H));
    for (int x = 0; x <= W; x += 3)
        path.lineTo(x, base - amp * art::fbm(x / scale, 0.5, 3, seed));
    path.lineTo(W, H);
    path.closeSubpath();
    return path;
}

void hills(QPainter& p, bool withTree)
{
    p.setPen(Qt::NoPen);
    QLinearGradient far(0, 240, 0, kHorizon);
    far.setColorAt(0, QColor(150, 172, 190));
    far.setColorAt(1, QColor(176, 190, 196));
    p.setBrush(far);
    p.drawPath(ridge(292, 46, 90, 7));
    QLinearGradient near(0, 270, 0, kHorizon + 10);
    near.setColorAt(0, QColor(122, 152, 108));
    near.setColorAt(1, QColor(140, 165, 110));
    p.setBrush(near);
    p.drawPath(ridge(312, 28, 60, 11));
    if (withTree) { // a lone tree on the ridge
        p.setBrush(QColor(74, 60, 44));
        p.drawRect(QRectF(299, 286, 2, 8));
        for (auto [dx, dy, r] : {std::tuple{0.0, -2.0, 6.0}, {-4.0, 1.0, 4.5}, {4.0, 0.5, 4.5}, {0.0, 3.0, 4.0}}) {
            QRadialGradient g(QPointF(kPoints[Tree].x() + dx - 1.5, kPoints[Tree].y() + dy - 2), r * 1.3);
            g.setColorAt(0, QColor(98, 128, 72));
            g.setColorAt(1, QColor(52, 78, 44));
            p.setBrush(g);
            p.drawEllipse(QPointF(kPoints[Tree].x() + dx, kPoints[Tree].y() + dy - 4), r, r);
        }
    }
}

void ground(QImage& img)
{
    // Ground colour with a soft mottle, brighter far away.
    for (int y = kHorizon - 6; y < H; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double depth = double(y - kHorizon) / (H - kHorizon);
        for (int x = 0; x < W; ++x) {
            const double n = art::fbm(x / 22.0, y / (6.0 + 20 * depth), 4, 21);
            const double r = 126 - 62 * depth + 30 * (n - 0.5);
            const double g = 166 - 44 * depth + 34 * (n - 0.5);
            const double b = 88 - 40 * depth + 18 * (n - 0.5);
            const QColor under = QColor::fromRgb(line[x]);
            if (y < kHorizon) { // feather the edge into the hills
                const double a = double(y - (kHorizon - 6)) / 6.0;
                line[x] = qRgb(int(under.red() * (1 - a) + r * a), int(under.green() * (1 - a) + g * a),
                               int(under.blue() * (1 - a) + b * a));
            } else {
                line[x] = qRgb(qBound(0, int(r), 255), qBound(0, int(g), 255), qBound(0, int(b), 255));
            }
        }
    }
}

void grass(QPainter& p)
{
    // Blades of grass, longer towards the viewer.
    art::Rng rng(33);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2600; ++i) {
        const double t = std::pow(rng.uniform(), 0.8);
        const double y = kHorizon + t * (H - kHorizon + 6);
        const double x = rng.range(-4, W + 4);
        const double len = 2 + t * 14 * rng.range(0.6, 1.3);
        const double lean = rng.range(-0.5, 0.5) * len;
        const int shade = rng.below(60);
        const QColor c = rng.uniform() < 0.3 ? QColor(170 + shade / 2, 196, 104 + shade / 3, 200)
                                             : QColor(50 + shade, 100 + shade, 36 + shade / 3, 210);
        p.setPen(QPen(c, 0.6 + t * 1.1, Qt::SolidLine, Qt::RoundCap));
        QPainterPath blade(QPointF(x, y));
        blade.quadTo(QPointF(x + lean * 0.2, y - len * 0.6), QPointF(x + lean, y - len));
        p.drawPath(blade);
    }
}

void flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& centre, int petals)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < petals; ++k) {
        const double a = k * 2 * M_PI / petals;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.6, c.y() + std::sin(a) * r * 0.45), r * 0.5, r * 0.35);
    }
    p.setBrush(centre);
    p.drawEllipse(c, r * 0.3, r * 0.25);
}

void wildflowers(QPainter& p)
{
    art::Rng rng(57);
    for (int i = 0; i < 70; ++i) {
        const double t = rng.range(0.05, 1.0);
        const QPointF c(rng.range(4, W - 4), kHorizon + 6 + t * (H - kHorizon - 10));
        const double r = 1.5 + t * 5;
        const int kind = rng.below(10);
        if (c.x() > kPost.left() - 8 && c.x() < kPost.right() + 8)
            continue; // keep the foot of the post clear
        if (kind < 5)
            flower(p, c, r, QColor(250, 250, 244), QColor(236, 190, 40), 8);
        else if (kind < 8)
            flower(p, c, r * 0.8, QColor(244, 206, 46), QColor(200, 150, 20), 5);
        else
            flower(p, c, r * 0.9, QColor(206, 40, 30), QColor(40, 20, 20), 5);
    }
}

void poppy(QPainter& p, const QColor& petal)
{
    const QPointF c = kPoints[Poppy];
    p.setPen(QPen(QColor(60, 100, 40), 1.4));
    p.drawLine(c + QPointF(0, 5), c + QPointF(1.5, 18));
    QRadialGradient g(c, 7.5);
    g.setColorAt(0, petal.lighter(115));
    g.setColorAt(1, petal.darker(115));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        const double a = k * M_PI / 2 + 0.4;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * 3.2, c.y() + std::sin(a) * 2.6), 4.6, 4.0);
    }
    p.setBrush(QColor(34, 24, 22));
    p.drawEllipse(c, 1.8, 1.6);
}

void postWood(QImage& img)
{
    // Weathered wood: grain stretched along the post, lit from the left.
    const int x0 = int(kPost.left()), x1 = int(kPost.right());
    for (int y = int(kPost.top()); y < H; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            const double u = double(x - x0) / (x1 - x0);
            const double light = 0.75 + 0.45 * std::sin(u * M_PI * 0.9 + 0.25) - 0.25 * u;
            const double grain = art::fbm(x / 2.2, y / 38.0, 4, 71);
            const double v = light * (0.72 + 0.5 * grain);
            line[x] = qRgb(qBound(0, int(132 * v), 255), qBound(0, int(114 * v), 255), qBound(0, int(94 * v), 255));
        }
    }
}

void postDetails(QPainter& p, bool withKnot)
{
    p.setPen(QPen(QColor(52, 40, 30, 150), 1));
    p.drawLine(QPointF(166.5, 240), QPointF(167.5, 300));
    p.drawLine(QPointF(186.5, 380), QPointF(185.5, 470));
    // The cut top with its end grain.
    QRadialGradient top(QPointF(kPost.center().x(), kPost.top()), 24);
    top.setColorAt(0, QColor(176, 150, 116));
    top.setColorAt(1, QColor(120, 98, 74));
    p.setBrush(top);
    p.setPen(QPen(QColor(82, 64, 48), 1));
    p.drawEllipse(QRectF(kPost.left(), kPost.top() - 4, kPost.width(), 8));
    if (withKnot) {
        const QPointF k = kPoints[Knot];
        QRadialGradient g(k, 6);
        g.setColorAt(0, QColor(48, 34, 24));
        g.setColorAt(0.6, QColor(86, 64, 46));
        g.setColorAt(1, QColor(110, 90, 70, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(k, 5.0, 7.0);
        p.setPen(QPen(QColor(60, 44, 32, 160), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(k, 7.5, 10.0);
    }
    // Shadow of the post across the grass.
    QLinearGradient sh(kPost.left(), 0, kPost.left() - 60, 0);
    sh.setColorAt(0, QColor(20, 40, 10, 70));
    sh.setColorAt(1, QColor(20, 40, 10, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sh);
    p.drawPolygon(QPolygonF{{kPost.left(), 470}, {kPost.left() - 70, 482}, {kPost.left(), 482}});
}

void wire(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    for (double y : {262.0, 300.0}) {
        p.setPen(QPen(QColor(70, 70, 72, 200), 1.3));
        QPainterPath w(QPointF(0, y - 14));
        w.quadTo(QPointF(80, y + 6), QPointF(kPost.left(), y));
        w.moveTo(kPost.right(), y);
        w.quadTo(QPointF(280, y + 8), QPointF(W, y - 10));
        p.drawPath(w);
    }
}

void dove(QPainter& p, bool withSprig)
{
    p.save();
    p.translate(kDove);
    p.setPen(Qt::NoPen);
    // Tail.
    QPainterPath tail(QPointF(16, -6));
    tail.lineTo(64, 6);
    tail.quadTo(66, 13, 60, 18);
    tail.lineTo(14, 12);
    tail.closeSubpath();
    QLinearGradient tg(16, 0, 64, 0);
    tg.setColorAt(0, QColor(196, 200, 208));
    tg.setColorAt(0.75, QColor(170, 175, 186));
    tg.setColorAt(0.8, QColor(78, 82, 92));
    tg.setColorAt(1, QColor(70, 74, 84));
    p.setBrush(tg);
    p.drawPath(tail);
    // Feet on the post.
    p.setBrush(QColor(196, 110, 110));
    p.drawEllipse(QPointF(-8, 25), 5, 2);
    p.drawEllipse(QPointF(6, 25), 5, 2);
    // Body.
    QPainterPath body(QPointF(-30, -12));
    body.cubicTo(-34, 6, -22, 24, -2, 24);
    body.cubicTo(14, 24, 26, 14, 28, 2);
    body.cubicTo(22, -12, 8, -20, -12, -22);
    body.cubicTo(-22, -22, -28, -18, -30, -12);
    QRadialGradient bg(QPointF(-16, -2), 40);
    bg.setColorAt(0, QColor(248, 248, 250));
    bg.setColorAt(0.6, QColor(222, 224, 230));
    bg.setColorAt(1, QColor(168, 172, 182));
    p.setBrush(bg);
    p.drawPath(body);
    // Sheen on the neck.
    QRadialGradient neck(QPointF(-22, -14), 10);
    neck.setColorAt(0, QColor(120, 170, 150, 110));
    neck.setColorAt(0.5, QColor(150, 120, 170, 70));
    neck.setColorAt(1, QColor(150, 120, 170, 0));
    p.setBrush(neck);
    p.drawEllipse(QPointF(-22, -14), 10, 9);
    // Wing with two dark bars and its flight feathers.
    QPainterPath wing(QPointF(-10, -14));
    wing.cubicTo(6, -16, 26, -6, 36, 6);
    wing.cubicTo(26, 12, 8, 12, -4, 8);
    wing.cubicTo(-12, 2, -14, -8, -10, -14);
    QLinearGradient wg(-10, -14, 30, 10);
    wg.setColorAt(0, QColor(226, 228, 234));
    wg.setColorAt(1, QColor(160, 166, 178));
    p.setBrush(wg);
    p.drawPath(wing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(86, 90, 102, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-2, -6, 22, 14), 200 * 16, 110 * 16);
    p.drawArc(QRectF(6, -4, 22, 14), 200 * 16, 110 * 16);
    p.setPen(QPen(QColor(120, 126, 140, 160), 0.8));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(18 + k * 3, 4 + k), QPointF(34 - k, 6 + k * 0.6));
    // Head, eye and beak.
    p.setPen(Qt::NoPen);
    QRadialGradient hg(QPointF(-31, -33), 14);
    hg.setColorAt(0, QColor(246, 246, 248));
    hg.setColorAt(1, QColor(196, 200, 208));
    p.setBrush(hg);
    p.drawEllipse(QPointF(-28, -30), 12, 11.5);
    p.setBrush(QColor(224, 122, 46));
    p.drawEllipse(QPointF(-32, -32), 3.2, 3.2);
    p.setBrush(QColor(30, 20, 16));
    p.drawEllipse(QPointF(-32, -32), 2.2, 2.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-32.8, -32.8), 0.8, 0.8);
    p.setBrush(QColor(242, 236, 228));
    p.drawEllipse(QPointF(-39.5, -29.5), 3, 2.2);
    QPainterPath beak(QPointF(-40, -31.5));
    beak.lineTo(-50, -27.5);
    beak.lineTo(-40, -26.5);
    beak.closeSubpath();
    p.setBrush(QColor(70, 66, 70));
    p.drawPath(beak);
    if (withSprig) { // an olive twig held in the beak
        p.setPen(QPen(QColor(92, 74, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem(QPointF(-46, -28));
        stem.quadTo(-56, -22, -64, -10);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        const struct { double x, y, a; } leaves[] = {{-51, -27, -30}, {-55, -20, 40}, {-60, -17, -50}, {-63, -8, 20}};
        int i = 0;
        for (const auto& l : leaves) {
            p.save();
            p.translate(l.x, l.y);
            p.rotate(l.a);
            p.setBrush(i++ % 2 ? QColor(86, 116, 52) : QColor(112, 140, 70));
            p.drawEllipse(QPointF(0, 0), 6, 2);
            p.restore();
        }
        p.setBrush(QColor(60, 70, 32));
        p.drawEllipse(QPointF(-58, -12), 2, 2.4);
    }
    p.restore();
}

void bird(QPainter& p)
{
    const QPointF c = kPoints[Bird];
    p.setPen(QPen(QColor(60, 64, 76), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path(c + QPointF(-8, -2));
    path.quadTo(c + QPointF(-4, -5), c);
    path.quadTo(c + QPointF(4, -5), c + QPointF(8, -3));
    p.drawPath(path);
}

void butterfly(QPainter& p)
{
    const QPointF c = kPoints[Butterfly];
    p.setPen(QPen(QColor(70, 40, 20), 0.8));
    for (int s : {-1, 1}) {
        p.setBrush(QColor(236, 134, 40));
        p.drawEllipse(QPointF(c.x() + s * 4, c.y() - 2), 4, 3.4);
        p.setBrush(QColor(214, 104, 30));
        p.drawEllipse(QPointF(c.x() + s * 3, c.y() + 2.5), 2.6, 2.2);
    }
    p.setPen(QPen(QColor(40, 26, 18), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
}

QImage picture(bool right)
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p);
    cloud(p, {70, 60}, 90, 34, 1);
    cloud(p, {190, 118}, 70, 24, 2);
    if (!right)
        cloud(p, kPoints[Cloud], 40, 20, 3);
    cloud(p, {320, 190}, 60, 18, 4);
    if (right)
        bird(p);
    hills(p, !right);
    p.end();
    ground(img);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    grass(p);
    wildflowers(p);
    poppy(p, right ? QColor(244, 200, 40) : QColor(212, 36, 28));
    if (right) {
        flower(p, kPoints[Daisy], 8, QColor(252, 252, 248), QColor(236, 186, 36), 11);
        butterfly(p);
    }
    wire(p);
    p.end();
    postWood(img);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    postDetails(p, !right);
    dove(p, right);
    return img;
}

} // namespace

LevelScene doveScene()
{
    LevelScene s;
    s.left = picture(false);
    s.right = picture(true);
    for (const QPoint& pt : kPoints)
        s.points << pt;
    s.marker = QColor(255, 128, 0);
    return s;
}

} // namespace rules
