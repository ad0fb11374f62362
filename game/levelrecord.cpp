#include "game/levelrecord.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace level {

namespace {
constexpr int kRowBytes = 1064; // 354 * 3 = 1062 plus 2 bytes of padding

void put16(char* p, quint16 v) { qToLittleEndian(v, p); }
void put32(char* p, quint32 v) { qToLittleEndian(v, p); }
quint16 u16(const char* p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const char* p) { return qFromLittleEndian<quint32>(p); }
} // namespace

namespace {
// One BMP row (blue, green, red per pixel) into 0xffRRGGBB pixels: the same
// bytes in the same order, each pixel widened by an opaque alpha byte.
void widenRowPlain(const uchar* src, quint32* dst, int width)
{
    int x = 0;
    for (; x + 4 <= width; x += 4, src += 12) { // four pixels from three words
        quint32 a, b, c;
        std::memcpy(&a, src, 4);
        std::memcpy(&b, src + 4, 4);
        std::memcpy(&c, src + 8, 4);
        dst[x] = 0xff000000u | a;
        dst[x + 1] = 0xff000000u | a >> 24 | b << 8;
        dst[x + 2] = 0xff000000u | b >> 16 | c << 16;
        dst[x + 3] = 0xff000000u | c >> 8;
    }
    for (; x < width; ++x, src += 3)
        dst[x] = 0xff000000u | quint32(src[2]) << 16 | quint32(src[1]) << 8 | src[0];
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("ssse3"))) void widenRowSsse3(const uchar* src, quint32* dst, int width)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alpha = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    // 16 bytes are read for 12 used: stop while a whole load stays in the row.
    for (; x + 6 <= width; x += 4, src += 12) {
        const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm_or_si128(_mm_shuffle_epi8(in, spread), alpha));
    }
    widenRowPlain(src, dst + x, width - x);
}
#endif

using WidenRow = void (*)(const uchar*, quint32*, int);
WidenRow pickWidenRow()
{
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("ssse3"))
        return widenRowSsse3;
#endif
    return widenRowPlain;
}
} // namespace

QImage decodePicture(const char* d, qint64 size)
{
    if (size != kPictureBytes || d[0] != 'B' || d[1] != 'M' || u32(d + 2) != kPictureBytes || u32(d + 10) != 54
        || u32(d + 14) != 40 || qint32(u32(d + 18)) != kPictureWidth || qint32(u32(d + 22)) != kPictureHeight
        || u16(d + 26) != 1 || u16(d + 28) != 24 || u32(d + 30) != 0)
        return {};
    // Done at every level change: rows straight from the record, bottom row
    // first, into the screen's own pixel format.
    static const WidenRow widen = pickWidenRow();
    QImage img(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    if (img.isNull())
        return {};
    for (int y = 0; y < kPictureHeight; ++y)
        widen(reinterpret_cast<const uchar*>(d + 54 + qint64(kPictureHeight - 1 - y) * kRowBytes),
              reinterpret_cast<quint32*>(img.scanLine(y)), kPictureWidth);
    return img;
}

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
