#include "editor/cvimage.h"

#include <opencv2/imgproc.hpp>

namespace editor {

cv::Mat toMat(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    // Format_RGB32 is B, G, R, 255 in memory on the little-endian machines we build for.
    const cv::Mat view(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar*>(rgb.constBits()),
                       size_t(rgb.bytesPerLine()));
    cv::Mat out;
    cv::cvtColor(view, out, cv::COLOR_BGRA2BGR);
    return out;
}

QImage toImage(const cv::Mat& bgr)
{
    QImage out(bgr.cols, bgr.rows, QImage::Format_RGB32);
    cv::Mat view(out.height(), out.width(), CV_8UC4, out.bits(), size_t(out.bytesPerLine()));
    cv::cvtColor(bgr, view, cv::COLOR_BGR2BGRA);
    return out;
}

cv::Rect toRect(const QRect& r) { return cv::Rect(r.x(), r.y(), r.width(), r.height()); }

} // namespace editor
