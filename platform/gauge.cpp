#include "platform/gauge.h"

#include <QPainter>

namespace platform {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {}

void Gauge::setMaxValue(int v) { if (v != max_) { max_ = v; update(); } }
void Gauge::setProgress(int v) { if (v != progress_) { progress_ = v; update(); } }

int Gauge::percent() const
{
    if (max_ <= 0)
        return 0;
    return qBound(0, int(qint64(100) * progress_ / max_), 100);
}

int Gauge::filledWidth() const { return (width() - 2) * percent() / 100; }

void Gauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    p.setPen(QColor(96, 72, 56));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.fillRect(inner, backColor);
    p.fillRect(QRect(inner.left(), inner.top(), filledWidth(), inner.height()), foreColor);
}

} // namespace platform
