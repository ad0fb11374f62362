#include "tools/levelgen/scene.h"

#include "tools/levelgen/light.h"
#include "tools/levelgen/rng.h"

#include <QTransform>
#include <algorithm>
#include <cmath>

namespace levelgen {

const char* modName(unsigned mod)
{
    switch (mod) {
    case Remove: return "remove";
    case Add: return "add";
    case Recolour: return "recolour";
    case Move: return "move";
    case Resize: return "resize";
    case Mirror: return "mirror";
    case Detail: return "detail";
    case Count: return "count";
    case Reshape: return "reshape";
    case Shade: return "shade";
    case Light: return "light";
    case Digit: return "digit";
    case Pattern: return "pattern";
    case Tilt: return "tilt";
    }
    return "?";
}

namespace {
QTransform transformOf(const Obj& o)
{
    QTransform t;
    t.translate(o.pos.x(), o.pos.y());
    t.rotate(o.rot);
    t.scale(o.mirror ? -o.scale : o.scale, o.scale);
    return t;
}
} // namespace

QRect bounds(const Obj& o)
{
    const QRectF r = transformOf(o).mapRect(kindOf(o.kind).box);
    return QRect(QPoint(int(std::floor(r.left())) - 2, int(std::floor(r.top())) - 2),
                 QPoint(int(std::ceil(r.right())) + 2, int(std::ceil(r.bottom())) + 2));
}

QRect reach(const Obj& o) { return bounds(o) | castBounds(o); }

void paintObj(QPainter& p, const Obj& o)
{
    p.save();
    p.setTransform(transformOf(o), true);
    kindOf(o.kind).paint(p, o);
    p.restore();
}

Obj& Scene::add(int kind, QPointF pos, double scale)
{
    Obj o;
    o.kind = kind;
    o.pos = pos;
    o.scale = scale;
    o.seed = std::uint32_t(objs.size() * 7919u + std::uint32_t(kind) * 104729u + finish.seed);
    objs.push_back(o);
    return objs.back();
}

void applyFinish(QImage& patch, QPoint origin, const Finish& f)
{
    const double cx = kWidth / 2.0, cy = kHeight / 2.0;
    const double norm = 1.0 / (cx * cx + cy * cy);
    const int tr = f.tint.red(), tg = f.tint.green(), tb = f.tint.blue();
    for (int y = 0; y < patch.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(patch.scanLine(y));
        const int py = origin.y() + y;
        const double dy = py - cy;
        for (int x = 0; x < patch.width(); ++x) {
            const int px = origin.x() + x;
            const double dx = px - cx;
            const double v = 1.0 - f.vignette * (dx * dx + dy * dy) * norm;
            const int g = f.grain ? int(hash2(px, py, f.seed) % unsigned(2 * f.grain + 1)) - f.grain : 0;
            const QRgb c = line[x];
            auto ch = [&](int value, int t) { return std::clamp(int(value * t / 255.0 * v + g + 0.5), 0, 255); };
            line[x] = qRgb(ch(qRed(c), tr), ch(qGreen(c), tg), ch(qBlue(c), tb));
        }
    }
}

QImage renderPatch(const Scene& s, const QRect& r)
{
    QImage patch = s.base.copy(r);
    {
        QPainter p(&patch);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(-r.x(), -r.y());
        for (const Obj& o : s.objs) {
            if (!o.visible)
                continue;
            if (castBounds(o).intersects(r))
                paintCast(p, o);
            if (bounds(o).intersects(r))
                paintObj(p, o);
        }
    }
    applyFinish(patch, r.topLeft(), s.finish);
    return patch;
}

QImage render(const Scene& s) { return renderPatch(s, QRect(0, 0, kWidth, kHeight)); }

} // namespace levelgen
