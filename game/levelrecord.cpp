#include "game/levelrecord.h"

#include <QFile>
#include <QtEndian>

namespace level {

namespace {
constexpr int kRowBytes = 1064; // 354 * 3 = 1062 plus 2 bytes of padding

void put16(char* p, quint16 v) { qToLittleEndian(v, p); }
void put32(char* p, quint32 v) { qToLittleEndian(v, p); }
} // namespace

Trailer LevelRecord::trailer() const
{
    Trailer t;
    t.diffCount = diffCount();
    for (int k = 1; k <= kMaxDiffs; ++k)
        t.diffPoints[k - 1] = diffPoint(k);
    t.markerColor = qFromLittleEndian<quint32>(bytes.data() + 2 * kPictureBytes + 104);
    return t;
}

DiffPoint LevelRecord::diffPoint(int k) const
{
    const char* p = bytes.data() + 2 * kPictureBytes + 2 + 4 * (k - 1);
    return {qFromLittleEndian<quint16>(p), qFromLittleEndian<quint16>(p + 2)};
}

QColor LevelRecord::markerColor() const
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + 2 * kPictureBytes + 104);
    return QColor(p[0], p[1], p[2]);
}

QByteArray encodeBmp24(const QImage& picture)
{
    Q_ASSERT(picture.width() == kPictureWidth && picture.height() == kPictureHeight);
    const QImage img = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray out(kPictureBytes, '\0');
    char* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, quint32(kPictureBytes));
    put32(h + 10, 54);
    put32(h + 14, 40);
    put32(h + 18, kPictureWidth);
    put32(h + 22, kPictureHeight);
    put16(h + 26, 1);
    put16(h + 28, 24);
    put32(h + 34, quint32(kRowBytes * kPictureHeight));
    put32(h + 38, 3780); // 96 dpi
    put32(h + 42, 3780);
    for (int y = 0; y < kPictureHeight; ++y) {
        const uchar* src = img.constScanLine(y);
        char* dst = out.data() + 54 + qint64(kPictureHeight - 1 - y) * kRowBytes;
        for (int x = 0; x < kPictureWidth; ++x) { // BMP stores blue, green, red
            dst[3 * x] = char(src[3 * x + 2]);
            dst[3 * x + 1] = char(src[3 * x + 1]);
            dst[3 * x + 2] = char(src[3 * x]);
        }
    }
    return out;
}

QByteArray encodeTrailer(const QVector<QPoint>& points, QColor marker)
{
    QByteArray t(kTrailerBytes, '\0');
    t[0] = char(std::uint8_t(points.size()));
    for (int i = 0; i < points.size() && i < kMaxDiffs; ++i) {
        put16(t.data() + 2 + 4 * i, quint16(points[i].x()));
        put16(t.data() + 4 + 4 * i, quint16(points[i].y()));
    }
    t[104] = char(marker.red());
    t[105] = char(marker.green());
    t[106] = char(marker.blue());
    return t;
}

QByteArray encodeLevel(const QImage& left, const QImage& right, const QVector<QPoint>& points,
                       QColor marker)
{
    QByteArray rec = encodeBmp24(left);
    rec += encodeBmp24(right);
    rec += encodeTrailer(points, marker);
    return rec;
}

bool writeLevelFile(const QString& path, const QImage& left, const QImage& right,
                    const QVector<QPoint>& points, QColor marker)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray rec = encodeLevel(left, right, points, marker);
    return f.write(rec) == rec.size() && f.flush();
}

QString zeroes(std::uint8_t n)
{
    const QString digits = QString::number(n);
    if (n < 10)
        return QStringLiteral("00") + digits;
    if (n < 100)
        return QStringLiteral("0") + digits;
    return digits;
}

} // namespace level
