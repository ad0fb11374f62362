#include "editor/preview.h"

#include "editor/cvimage.h"
#include "editor/maskedit.h"

#include <QMouseEvent>
#include <QPainter>

namespace editor {

Preview::Preview(QWidget* parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setToolTip(QString::fromUtf8("Kattints a jobb oldali képre: ott készül kézi különbség."));
}

void Preview::setDraft(const Draft* d)
{
    draft_ = d;
    update();
}

void Preview::setSelected(int index)
{
    selected_ = index;
    update();
}

void Preview::setPainting(bool on)
{
    painting_ = on;
    stroking_ = false;
    mask_.release();
    setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void Preview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x3B, 0x2A, 0x1E));
    if (!draft_ || draft_->left.empty())
        return;
    const int offsets[2] = {0, 354 + kGap};
    p.drawImage(offsets[0], 0, toImage(draft_->left));
    p.drawImage(offsets[1], 0, toImage(draft_->right));
    p.setRenderHint(QPainter::Antialiasing);
    const QColor marker = draft_->marker.isValid() ? draft_->marker : QColor(255, 32, 32);
    for (size_t k = 0; k < draft_->diffs.size() && ringsShown_; ++k) {
        const Difference& d = draft_->diffs[k];
        for (int off : offsets) {
            if (!d.clickable) { // a change larger than its square: outline it in red
                p.setPen(QPen(QColor(230, 20, 20), 2, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(d.area.translated(off, 0).adjusted(-1, -1, 1, 1));
            }
            // The ring the game draws: the circle inscribed in the square, pen 3.
            p.setPen(QPen(d.clickable ? marker : QColor(230, 20, 20), int(k) == selected_ ? 4 : 3));
            p.drawEllipse(QRectF(d.point.x() - 10 + off + 1.5, d.point.y() - 10 + 1.5, 17, 17));
        }
    }
    if (stroking_ && !mask_.empty()) { // the stroke so far, and the square it must stay in
        const QPoint at = maskSquare_.topLeft() + QPoint(offsets[1], 0);
        QImage overlay(mask_.cols, mask_.rows, QImage::Format_ARGB32_Premultiplied);
        overlay.fill(Qt::transparent);
        for (int y = 0; y < mask_.rows; ++y)
            for (int x = 0; x < mask_.cols; ++x)
                if (mask_.at<uchar>(y, x))
                    overlay.setPixel(x, y, qPremultiply(qRgba(40, 140, 255, 160))); // the format is premultiplied
        p.drawImage(at, overlay);
        p.setPen(QPen(QColor(40, 140, 255), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(at, maskSquare_.size()).adjusted(0, 0, -1, -1));
    }
}

void Preview::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint() - QPoint(354 + kGap, 0);
    if (!draft_ || draft_->left.empty() || !QRect(0, 0, 354, 482).contains(pos) || e->button() != Qt::LeftButton)
        return;
    if (!painting_) {
        emit spotClicked(pos);
        return;
    }
    stroking_ = true;
    maskSquare_ = editor::maskSquare(pos);
    mask_.release();
    paintMask(mask_, maskSquare_, pos, pos, kBrush);
    last_ = pos;
    update();
}

void Preview::mouseMoveEvent(QMouseEvent* e)
{
    if (!stroking_)
        return;
    const QPoint pos = e->position().toPoint() - QPoint(354 + kGap, 0);
    paintMask(mask_, maskSquare_, last_, pos, kBrush);
    last_ = pos;
    update();
}

void Preview::mouseReleaseEvent(QMouseEvent* e)
{
    if (!stroking_ || e->button() != Qt::LeftButton)
        return;
    stroking_ = false;
    const cv::Mat mask = mask_.clone();
    mask_.release();
    update();
    emit maskPainted(maskSquare_, mask);
}

} // namespace editor
