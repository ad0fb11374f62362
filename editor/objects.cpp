#include "editor/objects.h"

#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/painters_small.h"
#include "tools/levelgen/scene.h"

#include <QPainter>
#include <algorithm>

namespace editor {

QImage paintSmallObject(SmallObject kind, int side, QColor colour, std::uint32_t seed)
{
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0.5, 0.5, side - 1.0, side - 1.0);
    if (kind == SmallObject::Ladybird) {
        levelgen::paintLadybird(p, whole, colour, 2 + int(seed % 6), seed);
        return img;
    }
    if (kind == SmallObject::Button) {
        levelgen::paintButton(p, whole, colour, seed & 1 ? 4 : 2, seed & 2);
        return img;
    }
    levelgen::Obj o;
    switch (kind) {
    case SmallObject::Bird: o.kind = levelgen::Bird; o.shape = int(seed & 1); break;
    case SmallObject::Butterfly: o.kind = levelgen::Butterfly; break;
    case SmallObject::Flower: o.kind = levelgen::Flower; break;
    case SmallObject::Fruit: o.kind = levelgen::Fruit; o.shape = int(seed % 3); break;
    case SmallObject::Ladybird:
    case SmallObject::Button: break; // drawn above
    }
    o.c1 = colour;
    o.c2 = levelgen::shade(levelgen::hueShift(colour, 40), 0.7);
    o.c3 = levelgen::shade(colour, 1.3);
    o.seed = seed;
    o.count = 1;
    const QRectF box = levelgen::kindOf(o.kind).box;
    o.scale = (side - 1.0) / std::max(box.width(), box.height());
    o.pos = QPointF(side / 2.0 - box.center().x() * o.scale, side / 2.0 - box.center().y() * o.scale);
    levelgen::paintObj(p, o);
    return img;
}

} // namespace editor
