#include "platform/image.h"

#include <QBuffer>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

Image::Image(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void Image::setPicture(const QPixmap& p)
{
    picture_ = p;
    updateOpaque();
    update();
}

void Image::setStretch(bool s)
{
    stretch_ = s;
    updateOpaque();
    update();
}

// A picture that covers the whole control hides what lies behind it: the
// window then skips painting its background there (half the cost of
// showing a new level).
void Image::updateOpaque()
{
    const QSize shown = picture_.deviceIndependentSize().toSize();
    const bool covers = !picture_.isNull() && !picture_.hasAlphaChannel()
                        && (stretch_ || (shown.width() >= width() && shown.height() >= height()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void Image::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    updateOpaque();
}

bool Image::loadFromData(const char* data, qint64 size)
{
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(data, qsizetype(size)));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true); // any picture format Qt reads
    QImage img = reader.read();
    if (img.isNull())
        return false;
    setPicture(QPixmap::fromImage(std::move(img)));
    return true;
}

void Image::paintEvent(QPaintEvent* e)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), picture_);
    } else if (p.deviceTransform().type() > QTransform::TxTranslate) {
        // A scaled screen resamples the picture: smoothly, or it turns
        // blocky. Drawn whole (the painter clips), so no seams show where
        // partial repaints meet.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QPoint(0, 0), picture_);
    } else {
        p.drawPixmap(e->rect(), picture_, e->rect());
    }
}

void Image::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
}

void Image::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click && onClick)
        onClick();
}

void Image::mouseMoveEvent(QMouseEvent* e)
{
    if (onMouseMove)
        onMouseMove(e->position().toPoint());
}

} // namespace platform
