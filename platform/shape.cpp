#include "platform/shape.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

Shape::Shape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind)
{
    setMouseTracking(true);
}

namespace {
// Sets a property; a change drops the kept look and repaints.
template <typename T>
void change(Shape* shape, T& field, const T& value, QPixmap& look)
{
    if (field == value)
        return;
    field = value;
    look = QPixmap();
    shape->update();
}
} // namespace

void Shape::setKind(Kind k) { change(this, kind_, k, look_); }
void Shape::setPenColor(const QColor& c) { change(this, penColor_, c, look_); }
void Shape::setPenWidth(int w) { change(this, penWidth_, w, look_); }
void Shape::setPenStyle(Style s) { change(this, penStyle_, s, look_); }
void Shape::setBrushColor(const QColor& c) { change(this, brushColor_, c, look_); }
void Shape::setBrushStyle(Style s) { change(this, brushStyle_, s, look_); }

QRect Shape::outlineBox() const
{
    const int inset = penWidth_ / 2;
    int w = width() - penWidth_ + 1;
    int h = height() - penWidth_ + 1;
    int x = inset, y = inset;
    if (kind_ == Circle) { // circles stay round, centred in a non-square box
        const int s = qMin(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    return QRect(x, y, w, h);
}

int Shape::cornerSize() const
{
    return qMin(width() - penWidth_ + 1, height() - penWidth_ + 1) / 4;
}

void Shape::drawOutline(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing, kind_ != Rectangle);
    if (penStyle_ == Solid) {
        QPen pen(penColor_, penWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.setBrush(brushStyle_ == Solid ? QBrush(brushColor_) : QBrush(Qt::NoBrush));
    // The stroke is centred on the box's edge, one pixel in from its far side.
    const QRect b = outlineBox();
    const QRectF r(b.x() + 0.5, b.y() + 0.5, b.width() - 1, b.height() - 1);
    switch (kind_) {
    case Circle: p.drawEllipse(r); break;
    case Rectangle: p.drawRect(r); break;
    case RoundRect: {
        const qreal radius = cornerSize() / 2.0;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    }
}

void Shape::paintEvent(QPaintEvent*)
{
    if (penStyle_ == Clear && brushStyle_ == Clear)
        return;
    QPainter p(this);
    const QTransform& t = p.deviceTransform();
    const bool plainScale = t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0;
    // A large frame's few stroked pixels cost less than copying its square;
    // dots, rings and panels are repainted with what changes under them at
    // every level, and filling a smooth outline costs more than a copy.
    if (!plainScale || (brushStyle_ == Clear && width() * height() > 32 * 32)) {
        drawOutline(p);
        return;
    }
    // Drawn at the scale it is shown at, so a scaled screen gets it as sharp.
    const qreal scale = t.m11();
    const QSize pixels = (QSizeF(size()) * scale).toSize();
    if (look_.size() != pixels || look_.devicePixelRatio() != scale) {
        look_ = QPixmap(pixels);
        look_.setDevicePixelRatio(scale);
        look_.fill(Qt::transparent);
        QPainter lp(&look_);
        drawOutline(lp);
    }
    p.drawPixmap(0, 0, look_);
}

void Shape::mousePressEvent(QMouseEvent* e)
{
    if (onMouseDown)
        onMouseDown(this, e->button());
}

void Shape::mouseMoveEvent(QMouseEvent* e)
{
    if (onMouseMove)
        onMouseMove(this, e->position().toPoint());
}

} // namespace platform
