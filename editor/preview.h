#pragma once
// The level as the player will see it: both pictures at level size side by
// side, the rings of the differences drawn in the marker colour. A click on
// the right picture asks for a hand-made difference there.
#include "editor/draft.h"

#include <QWidget>

namespace editor {

class Preview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGap = 14;
    explicit Preview(QWidget* parent = nullptr);
    void setDraft(const Draft* d); // not owned; repaint after changes
    void setSelected(int index);
    // In painting mode a press and drag on the right picture paints a mask
    // (within the click square where it began) instead of asking for a spot.
    void setPainting(bool on);
    // The rings hidden, to see the level as a player first does.
    void setRingsShown(bool on) { ringsShown_ = on; update(); }
    bool ringsShown() const { return ringsShown_; }
    static constexpr int kBrush = 2; // radius in level pixels
    QSize sizeHint() const override { return {2 * 354 + kGap, 482}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void spotClicked(QPoint levelPoint);
    void maskPainted(QRect square, cv::Mat mask);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const Draft* draft_ = nullptr;
    int selected_ = -1;
    bool painting_ = false;
    bool ringsShown_ = true;
    bool stroking_ = false;
    QRect maskSquare_;
    cv::Mat mask_;
    QPoint last_;
};

} // namespace editor
