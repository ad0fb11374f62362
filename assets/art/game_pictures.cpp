// The game window's background: parchment with two wooden boards, each
// carrying a white photo mount whose opening lies under a level picture.
#include "assets/art/artgen.h"

#include <QPainter>
#include <QPainterPath>

#include "assets/art/effects.h"
#include "assets/art/ironwork.h"
#include "assets/art/textures.h"

namespace art {

namespace {

constexpr int kMountMargin = 18; // white card around the opening
constexpr int kBoardMargin = 22; // wood around the card
constexpr int kBevel = 3;        // the mat's bevelled cut

QPainterPath rounded(QRectF r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

void drawBoard(QPainter& p, QRectF board, uint32_t seed)
{
    const QPainterPath shape = rounded(board, 7);
    softShadow(p, shape, QPointF(3, 6), 10, QColor(40, 20, 5, 150));
    p.save();
    p.setClipPath(shape);
    p.drawImage(board.topLeft(), wood(board.size().toSize(), hex(0x3B2A1E), hex(0x5A3E2B), seed, true));
    p.restore();
    // Rounded, worn edges: lit above and left, in shade below and right.
    QLinearGradient edge(board.topLeft(), board.bottomRight());
    edge.setColorAt(0, QColor(255, 225, 190, 70));
    edge.setColorAt(1, QColor(0, 0, 0, 120));
    p.strokePath(rounded(board.adjusted(1, 1, -1, -1), 6), QPen(QBrush(edge), 2));
    p.strokePath(shape, QPen(QColor(20, 12, 6, 160), 1));
}

// The white card with its bevelled window: light on the upper and left
// faces of the cut, a little shaded on the lower and right ones.
void drawMount(QPainter& p, QRect opening, uint32_t seed)
{
    const QRectF mount = QRectF(opening).adjusted(-kMountMargin, -kMountMargin, kMountMargin, kMountMargin);
    softShadow(p, rounded(mount, 1), QPointF(2, 4), 6, QColor(0, 0, 0, 150));
    const QSize cardSize = mount.size().toSize();
    const Field cloud(cardSize, 3, [&](float x, float y) { return fbm(x / 40.0f, y / 40.0f, 4, seed); });
    const QImage card = shade(cardSize, seed, [&](float x, float y) {
        return mix(hex(0xF8F6F0), hex(0xEAE5D9), 0.5f * cloud.at(x, y));
    });
    p.drawImage(mount.topLeft(), card);

    const QRectF in(opening), out = in.adjusted(-kBevel, -kBevel, kBevel, kBevel);
    auto face = [&](QPointF a, QPointF b, QPointF c, QPointF d, QColor colour) {
        QPainterPath f;
        f.moveTo(a);
        f.lineTo(b);
        f.lineTo(c);
        f.lineTo(d);
        f.closeSubpath();
        p.fillPath(f, colour);
    };
    face(out.topLeft(), out.topRight(), in.topRight(), in.topLeft(), QColor(0xFFFFFF));
    face(out.topLeft(), in.topLeft(), in.bottomLeft(), out.bottomLeft(), QColor(0xFBFAF6));
    face(out.topRight(), out.bottomRight(), in.bottomRight(), in.topRight(), QColor(0xE3DED3));
    face(out.bottomLeft(), in.bottomLeft(), in.bottomRight(), out.bottomRight(), QColor(0xDCD6CA));
}

void drawPlaceholder(QPainter& p, QRect opening, const QImage& placeholder)
{
    p.drawImage(opening.topLeft(), placeholder);
    // The card stands a little above the picture and shades its edges.
    innerShadow(p, rounded(QRectF(opening), 0), QPointF(2, 3), 6, QColor(0, 0, 0, 150));
}

void drawTapes(QPainter& p, QRectF mount, Rng& rng)
{
    const QSizeF tape(76, 24);
    const qreal in = 6;
    const struct {
        QPointF corner, inward;
        qreal angle;
    } corners[] = {
        {mount.topLeft(), {in, in}, -45},
        {mount.topRight(), {-in, in}, 45},
        {mount.bottomLeft(), {in, -in}, 45},
        {mount.bottomRight(), {-in, -in}, -45},
    };
    for (const auto& c : corners)
        tapeStrip(p, c.corner + c.inward, c.angle + rng.range(-4, 4), tape, rng);
}

} // namespace

QImage gameBackground()
{
    QImage img = paper({1000, 700}, agedTone(), 0x1001);
    const QImage placeholder = ironPlaceholder(kLeftOpening.size());
    Rng rng(0x1002);
    QPainter p(&img);
    prepare(p);
    uint32_t seed = 0x1003;
    for (const QRect& opening : {kLeftOpening, kRightOpening}) {
        const int frame = kMountMargin + kBoardMargin;
        drawBoard(p, QRectF(opening).adjusted(-frame, -frame, frame, frame), seed++);
        drawMount(p, opening, seed++);
        drawPlaceholder(p, opening, placeholder);
        drawTapes(p, QRectF(opening).adjusted(-kMountMargin, -kMountMargin, kMountMargin, kMountMargin), rng);
    }
    p.end();
    grain(img, 0.012f, 0x1004);
    return img;
}

} // namespace art
