#pragma once
// The shape control: one outline shape with a pen and a brush. Its whole
// rectangle is its hit area, also where nothing is drawn.
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace platform {

class Shape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Circle, Rectangle, RoundRect };
    enum Style { Clear, Solid };

    explicit Shape(QWidget* parent, Kind kind = Rectangle);

    Kind kind() const { return kind_; }
    void setKind(Kind k);
    QColor penColor() const { return penColor_; }
    void setPenColor(const QColor& c);
    int penWidth() const { return penWidth_; }
    void setPenWidth(int w);
    Style penStyle() const { return penStyle_; }
    void setPenStyle(Style s);
    QColor brushColor() const { return brushColor_; }
    void setBrushColor(const QColor& c);
    Style brushStyle() const { return brushStyle_; }
    void setBrushStyle(Style s);

    // The box the outline is stroked on: inset by half the pen width, the
    // control's size less the pen width plus one.
    QRect outlineBox() const;
    // Corner ellipse of the rounded rectangle: a quarter of the shorter side.
    int cornerSize() const;

    std::function<void(Shape*, Qt::MouseButton)> onMouseDown;
    std::function<void(Shape*, QPoint)> onMouseMove;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    void drawOutline(QPainter& p) const;
    QPixmap look_; // the outline as last drawn; dropped by a change of look
    Kind kind_;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;
    Style penStyle_ = Solid;
    QColor brushColor_ = Qt::white;
    Style brushStyle_ = Solid;
};

} // namespace platform
