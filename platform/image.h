#pragma once
// Picture control: draws its picture at natural size from the top-left corner
// (or stretched to the control), smoothly resampled on a scaled screen; where
// the control is larger the rest is transparent. Reports clicks (left button
// pressed and released on it) and pointer moves.
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace platform {

class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent);
    void setPicture(const QPixmap& p);
    const QPixmap& picture() const { return picture_; }
    void setStretch(bool s);
    bool stretch() const { return stretch_; }
    // Loads a picture from a picture file's bytes in memory; false when the
    // loader rejects them.
    bool loadFromData(const char* data, qint64 size);

    std::function<void()> onClick;
    std::function<void(QPoint)> onMouseMove;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    void updateOpaque();
    QPixmap picture_;
    bool stretch_ = false;
    bool pressed_ = false;
};

} // namespace platform
