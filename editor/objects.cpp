#include "editor/objects.h"

#include "tools/levelgen/kinds.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/scene.h"

#include <QPainter>
#include <algorithm>

namespace editor {

QImage paintSmallObject(SmallObject kind, int side, QColor colour, std::uint32_t seed)
{
    levelgen::Obj o;
    switch (kind) {
    case SmallObject::Bird: o.kind = levelgen::Bird; o.shape = int(seed & 1); break;
    case SmallObject::Butterfly: o.kind = levelgen::Butterfly; break;
    case SmallObject::Flower: o.kind = levelgen::Flower; break;
    case SmallObject::Fruit: o.kind = levelgen::Fruit; o.shape = int(seed % 3); break;
    }
    o.c1 = colour;
    o.c2 = levelgen::shade(levelgen::hueShift(colour, 40), 0.7);
    o.c3 = levelgen::shade(colour, 1.3);
    o.seed = seed;
    o.count = 1;
    const QRectF box = levelgen::kindOf(o.kind).box;
    o.scale = (side - 1.0) / std::max(box.width(), box.height());
    o.pos = QPointF(side / 2.0 - box.center().x() * o.scale, side / 2.0 - box.center().y() * o.scale);
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    levelgen::paintObj(p, o);
    return img;
}

} // namespace editor
