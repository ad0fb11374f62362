#include "editor/photo.h"

#include "editor/cvimage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QStringList>
#include <opencv2/imgproc.hpp>
#include <cmath>

namespace editor {

bool jpegTruncated(const QByteArray& data)
{
    if (!data.startsWith("\xFF\xD8"))
        return false;
    // Entropy-coded data stuffs every 0xFF, so a marker after the last
    // start-of-scan can only be a real one: the end-of-image marker.
    const qsizetype sos = data.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
    return sos < 0 || data.indexOf(QByteArrayLiteral("\xFF\xD9"), sos) < 0;
}

QRect Photo::toImage(const QRect& frame) const
{
    if (fullSize == image.size() || fullSize.isEmpty())
        return frame;
    const double sx = double(image.width()) / fullSize.width(), sy = double(image.height()) / fullSize.height();
    return QRectF(frame.x() * sx, frame.y() * sy, frame.width() * sx, frame.height() * sy).toRect() & image.rect();
}

Photo loadPhoto(const QString& path, const std::function<QRect(QSize)>& frameFor)
{
    Photo p;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        p.error = QString::fromUtf8("nem nyitható meg: %1 (%2)").arg(path, f.errorString());
        return p;
    }
    const QByteArray data = f.readAll();
    if (jpegTruncated(data)) {
        p.error = QString::fromUtf8("csonka JPEG, a vége hiányzik: %1").arg(path);
        return p;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true); // EXIF orientation
    reader.setAllocationLimit(1024); // MB: a 100-megapixel photo still opens
    const QSize stored = reader.size();
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    p.fullSize = turned ? stored.transposed() : stored;
    if (frameFor && data.startsWith("\xFF\xD8") && stored.isValid()) {
        const QRect frame = frameFor(p.fullSize);
        int reduce = 1;
        // Keep at least 1.5 times the level's pixels in the frame.
        while (reduce < 8 && frame.width() / (2 * reduce) >= kLevelWidth * 3 / 2 &&
               frame.height() / (2 * reduce) >= kLevelHeight * 3 / 2)
            reduce *= 2;
        if (reduce > 1)
            reader.setScaledSize(QSize(stored.width() / reduce, stored.height() / reduce));
    }
    QImage img = reader.read();
    if (img.isNull()) {
        p.error = QString::fromUtf8("nem olvasható kép: %1 (%2)").arg(path, reader.errorString());
        return p;
    }
    p.image = img.convertToFormat(QImage::Format_RGB32);
    if (!p.fullSize.isValid())
        p.fullSize = p.image.size();
    return p;
}

QRect defaultFrame(QSize size)
{
    const qint64 w = size.width(), h = size.height();
    if (w <= 0 || h <= 0)
        return {};
    int fw, fh;
    if (w * kLevelHeight >= h * kLevelWidth) { // wider than the level: full height
        fh = int(h);
        fw = int(std::lround(double(h) * kLevelWidth / kLevelHeight));
    } else {
        fw = int(w);
        fh = int(std::lround(double(w) * kLevelHeight / kLevelWidth));
    }
    fw = std::min<int>(fw, int(w));
    fh = std::min<int>(fh, int(h));
    return QRect(int((w - fw) / 2), int((h - fh) / 2), fw, fh);
}

QRect fitFrame(QRect frame, QSize size)
{
    const QRect largest = defaultFrame(size);
    int fw = std::clamp(frame.width(), 8, largest.width());
    int fh = int(std::lround(double(fw) * kLevelHeight / kLevelWidth));
    if (fh > largest.height()) {
        fh = largest.height();
        fw = largest.width();
    }
    const QPoint c = frame.center();
    int x = std::clamp(c.x() - fw / 2, 0, size.width() - fw);
    int y = std::clamp(c.y() - fh / 2, 0, size.height() - fh);
    return QRect(x, y, fw, fh);
}

bool needsUpscale(const QRect& frame) { return frame.width() < kLevelWidth || frame.height() < kLevelHeight; }

QImage frameToLevel(const QImage& photo, const QRect& frame)
{
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB32);
    // A view of the frame, no copy: a 12-megapixel photo stays where it is.
    const cv::Mat view(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar*>(rgb.constBits()),
                       size_t(rgb.bytesPerLine()));
    cv::Mat scaled, bgr;
    const bool shrinking = frame.width() >= kLevelWidth;
    cv::resize(view(toRect(frame & rgb.rect())), scaled, cv::Size(kLevelWidth, kLevelHeight), 0, 0,
               shrinking ? cv::INTER_AREA : cv::INTER_CUBIC);
    cv::cvtColor(scaled, bgr, cv::COLOR_BGRA2BGR);
    return toImage(bgr);
}

bool parseFrame(const QString& text, QRect& out)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    if (v[0] < 0 || v[1] < 0 || v[2] <= 0 || v[3] <= 0)
        return false;
    out = QRect(v[0], v[1], v[2], v[3]);
    return true;
}

} // namespace editor
