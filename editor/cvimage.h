#pragma once
// Pictures cross between Qt (files, painting, the level record) and OpenCV
// (the photo edits) as copies in OpenCV's blue-green-red byte order.
#include <QImage>
#include <QRect>
#include <opencv2/core.hpp>

namespace editor {

cv::Mat toMat(const QImage& image);  // CV_8UC3, BGR
QImage toImage(const cv::Mat& bgr);  // Format_RGB32
cv::Rect toRect(const QRect& r);

} // namespace editor
