#pragma once
// Photos in: read with their EXIF orientation, framed to the level's
// portrait 354 x 482 and scaled down smoothly.
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

namespace editor {

constexpr int kLevelWidth = 354;
constexpr int kLevelHeight = 482;

struct Photo {
    QImage image;  // Format_RGB32, upright
    QString error; // set when the file gave no picture
    QSize fullSize; // the photo's own size, upright, whatever size `image` was decoded at
    bool ok() const { return error.isEmpty(); }
    // A frame in the photo's pixels, in `image`'s pixels.
    QRect toImage(const QRect& frame) const;
};

// Any format Qt reads. A JPEG that stops before its end marker is refused:
// the decoder would fill the missing rows with grey and say nothing.
// `frameFor`, when given, is asked for the frame wanted on a photo of the
// photo's own size: a JPEG is then decoded at a half, quarter or eighth of
// its size where the frame still has more than enough pixels for the level
// (the decoder's own scaling is several times faster than a full decode).
Photo loadPhoto(const QString& path, const std::function<QRect(QSize)>& frameFor = {});
bool jpegTruncated(const QByteArray& data);

// The largest 354:482 frame centred on a picture of `size`.
QRect defaultFrame(QSize size);
// `frame` kept at 354:482, no larger than the picture and inside it.
QRect fitFrame(QRect frame, QSize size);
// True when the frame holds fewer pixels than the level needs.
bool needsUpscale(const QRect& frame);
// The framed part at level size, with area-averaging (or smooth enlarging).
QImage frameToLevel(const QImage& photo, const QRect& frame);

// "X,Y,W,H" in the photo's pixels; false on anything else.
bool parseFrame(const QString& text, QRect& out);

} // namespace editor
