#pragma once
// Horizontal time bar: empty colour over the whole inside of a one-pixel
// frame, then a strip from the left as wide as the value's share of the range
// in whole percent, rounded down.
#include <QColor>
#include <QWidget>

namespace platform {

class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent);
    int maxValue() const { return max_; }
    void setMaxValue(int v);
    int progress() const { return progress_; }
    void setProgress(int v);
    int percent() const;
    int filledWidth() const; // pixels of the strip inside the frame

    QColor foreColor{255, 213, 191};
    QColor backColor{192, 162, 143};

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int max_ = 100;
    int progress_ = 0;
};

} // namespace platform
