#include "editor/cropview.h"

#include "editor/photo.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace editor {

CropView::CropView(QWidget* parent) : QWidget(parent)
{
    // Narrow enough that the two pictures and the panel fit beside it on a 1920 x 1080 screen scaled by 1.5.
    setMinimumSize(160, 300);
    setCursor(Qt::OpenHandCursor);
    setToolTip(QString::fromUtf8("Görgővel nagyít és kicsinyít, húzással mozgatja a keretet."));
}

void CropView::setPhoto(const QImage& photo)
{
    photo_ = photo;
    // A screen-sized copy to draw: a 12-megapixel photo is not rescaled at every repaint.
    shown_ = photo.width() > 1600 || photo.height() > 1600
                 ? photo.scaled(1600, 1600, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                 : photo;
    frame_ = defaultFrame(photo.size());
    update();
}

void CropView::setFrame(const QRect& frame)
{
    frame_ = fitFrame(frame, photo_.size());
    update();
}

QRectF CropView::shownRect() const
{
    if (photo_.isNull())
        return {};
    const double s = std::min(double(width()) / photo_.width(), double(height()) / photo_.height());
    const QSizeF size(photo_.width() * s, photo_.height() * s);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QPointF CropView::toPhoto(QPointF w) const
{
    const QRectF r = shownRect();
    return QPointF((w.x() - r.x()) * photo_.width() / r.width(), (w.y() - r.y()) * photo_.height() / r.height());
}

void CropView::zoom(double steps, QPointF anchor)
{
    if (photo_.isNull())
        return;
    const double f = std::pow(0.9, steps);
    const double w = std::max(60.0, frame_.width() * f);
    const double h = w * kLevelHeight / kLevelWidth;
    // The photo point under the pointer stays under it.
    const double ax = (anchor.x() - frame_.x()) / frame_.width(), ay = (anchor.y() - frame_.y()) / frame_.height();
    setFrame(QRectF(anchor.x() - ax * w, anchor.y() - ay * h, w, h).toRect());
    emit frameChanged(frame_);
}

void CropView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x3B, 0x2A, 0x1E));
    if (photo_.isNull()) {
        p.setPen(QColor(0xF3, 0xE3, 0xC3));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromUtf8("Nyiss meg egy fényképet\n(Fájl menü, vagy húzd ide)"));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = shownRect();
    p.drawImage(r, shown_);
    const double s = r.width() / photo_.width();
    const QRectF f(r.x() + frame_.x() * s, r.y() + frame_.y() * s, frame_.width() * s, frame_.height() * s);
    QPainterPath outside;
    outside.addRect(r);
    outside.addRect(f);
    p.fillPath(outside, QColor(0, 0, 0, 130)); // what the level leaves out is dimmed
    p.setPen(QPen(QColor(0xF6, 0xE2, 0x7A), 2));
    p.drawRect(f);
    p.setPen(QPen(QColor(0xF6, 0xE2, 0x7A, 110), 1, Qt::DashLine));
    for (int i = 1; i < 3; ++i) { // thirds, for composing
        p.drawLine(QPointF(f.x() + f.width() * i / 3, f.top()), QPointF(f.x() + f.width() * i / 3, f.bottom()));
        p.drawLine(QPointF(f.left(), f.y() + f.height() * i / 3), QPointF(f.right(), f.y() + f.height() * i / 3));
    }
}

void CropView::wheelEvent(QWheelEvent* e)
{
    zoom(e->angleDelta().y() / 120.0, toPhoto(e->position()));
    e->accept();
}

void CropView::mousePressEvent(QMouseEvent* e)
{
    if (photo_.isNull() || e->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    dragStart_ = e->position();
    frameAtDrag_ = frame_;
    setCursor(Qt::ClosedHandCursor);
}

void CropView::mouseMoveEvent(QMouseEvent* e)
{
    if (!dragging_)
        return;
    const QPointF d = toPhoto(e->position()) - toPhoto(dragStart_);
    setFrame(frameAtDrag_.translated(d.toPoint()));
}

void CropView::mouseReleaseEvent(QMouseEvent* e)
{
    if (!dragging_ || e->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
    if (frame_ != frameAtDrag_)
        emit frameChanged(frame_);
}

} // namespace editor
