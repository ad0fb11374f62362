#pragma once
// The photo with its fixed-aspect 354:482 frame: the wheel zooms the frame
// around the pointer, dragging moves it.
#include <QImage>
#include <QRect>
#include <QWidget>

namespace editor {

class CropView : public QWidget {
    Q_OBJECT
public:
    explicit CropView(QWidget* parent = nullptr);
    void setPhoto(const QImage& photo); // the frame becomes the centred largest
    const QImage& photo() const { return photo_; }
    QRect frame() const { return frame_; }
    void setFrame(const QRect& frame);
    // Zooms by `steps` wheel notches around the photo point `anchor`.
    void zoom(double steps, QPointF anchor);
    QSize sizeHint() const override { return {420, 520}; }

signals:
    void frameChanged(QRect frame); // after a drag ends or a wheel turn

protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QRectF shownRect() const;             // where the photo is drawn
    QPointF toPhoto(QPointF widget) const;
    QImage photo_, shown_;
    QRect frame_;
    bool dragging_ = false;
    QPointF dragStart_;
    QRect frameAtDrag_;
};

} // namespace editor
