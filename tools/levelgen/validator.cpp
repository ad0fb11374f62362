#include "tools/levelgen/validator.h"

#include "game/levelrecord.h"
#include "tools/levelgen/metrics.h"

#include <QtEndian>
#include <algorithm>

namespace levelgen {

const char* faultName(Fault f)
{
    switch (f) {
    case Fault::RecordSize: return "record size";
    case Fault::PictureFormat: return "picture format";
    case Fault::DiffCount: return "difference count";
    case Fault::ReservedBytes: return "reserved bytes";
    case Fault::PointOffPicture: return "point off picture";
    case Fault::Overlap: return "overlapping points";
    case Fault::StrayPixel: return "stray pixel";
    case Fault::Invisible: return "invisible difference";
    case Fault::OffCentre: return "off-centre point";
    }
    return "?";
}

bool Report::has(Fault f) const { return std::find(faults.begin(), faults.end(), f) != faults.end(); }

QString Report::summary(int level) const
{
    int smallest = 0, largest = 0;
    for (const DiffStats& d : diffs) {
        smallest = smallest ? std::min(smallest, d.visible) : d.visible;
        largest = std::max(largest, d.visible);
    }
    QString line = QStringLiteral("%1: %2 differences, changed area %3..%4 px, ring %5")
                       .arg(level, 3, 10, QLatin1Char('0'))
                       .arg(diffs.size(), 2)
                       .arg(smallest, 4)
                       .arg(largest, 4)
                       .arg(marker.name());
    if (!ok())
        line += QStringLiteral("  FAILED: ") + messages.join(QStringLiteral("; "));
    return line;
}

namespace {
constexpr int kRowBytes = 1064;

quint32 u32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 u16(const char* p) { return qFromLittleEndian<quint16>(p); }

void fail(Report& r, Fault f, const QString& text)
{
    if (!r.has(f))
        r.faults.push_back(f);
    r.messages << text;
}

int dist2(QPoint a, QPoint b) { return (a.x() - b.x()) * (a.x() - b.x()) + (a.y() - b.y()) * (a.y() - b.y()); }

void checkPixels(Report& r, const std::vector<QPoint>& points)
{
    std::vector<DiffStats>& stats = r.diffs;
    stats.assign(points.size(), {});
    for (std::size_t k = 0; k < points.size(); ++k)
        stats[k].point = points[k];
    int strays = 0;
    QPoint firstStray;
    for (int y = 0; y < level::kPictureHeight; ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(r.left.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(r.right.constScanLine(y));
        for (int x = 0; x < level::kPictureWidth; ++x) {
            if (a[x] == b[x])
                continue;
            const QPoint pt(x, y);
            std::size_t nearest = 0;
            for (std::size_t k = 1; k < points.size(); ++k)
                if (dist2(pt, points[k]) < dist2(pt, points[nearest]))
                    nearest = k;
            if (dist2(pt, points[nearest]) > kRadius * kRadius) {
                if (!strays++)
                    firstStray = pt;
                continue;
            }
            DiffStats& s = stats[nearest];
            ++s.changed;
            if (colourDistance(a[x], b[x]) >= kVisibleDistance) {
                ++s.visible;
                s.area = s.area.isNull() ? QRect(pt, QSize(1, 1)) : s.area.united(QRect(pt, QSize(1, 1)));
            }
        }
    }
    if (strays)
        fail(r, Fault::StrayPixel, QStringLiteral("%1 changed pixels far from every point, the first at (%2, %3)")
                                       .arg(strays).arg(firstStray.x()).arg(firstStray.y()));
    for (std::size_t k = 0; k < stats.size(); ++k) {
        const DiffStats& s = stats[k];
        if (s.visible < kMinVisiblePixels) {
            fail(r, Fault::Invisible, QStringLiteral("difference %1 at (%2, %3) changes only %4 pixels noticeably")
                                          .arg(k + 1).arg(s.point.x()).arg(s.point.y()).arg(s.visible));
            continue;
        }
        const QPoint mid((s.area.left() + s.area.right() + 1) / 2, (s.area.top() + s.area.bottom() + 1) / 2);
        if (std::max(std::abs(mid.x() - s.point.x()), std::abs(mid.y() - s.point.y())) > kCentreTolerance)
            fail(r, Fault::OffCentre, QStringLiteral("difference %1 at (%2, %3) is off the middle (%4, %5) of its area")
                                          .arg(k + 1).arg(s.point.x()).arg(s.point.y()).arg(mid.x()).arg(mid.y()));
    }
}
} // namespace

QImage decodePicture(const char* d, qint64 size)
{
    if (size != level::kPictureBytes || d[0] != 'B' || d[1] != 'M' || u32(d + 2) != level::kPictureBytes ||
        u32(d + 10) != 54 || u32(d + 14) != 40 || qint32(u32(d + 18)) != level::kPictureWidth ||
        qint32(u32(d + 22)) != level::kPictureHeight || u16(d + 26) != 1 || u16(d + 28) != 24 || u32(d + 30) != 0)
        return {};
    QImage img(level::kPictureWidth, level::kPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < level::kPictureHeight; ++y) {
        const auto* src = reinterpret_cast<const uchar*>(d + 54 + qint64(level::kPictureHeight - 1 - y) * kRowBytes);
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < level::kPictureWidth; ++x)
            dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
    }
    return img;
}

Report validateLevel(const QByteArray& rec)
{
    Report r;
    if (rec.size() != level::kRecordBytes) {
        fail(r, Fault::RecordSize, QStringLiteral("%1 bytes instead of %2").arg(rec.size()).arg(level::kRecordBytes));
        return r;
    }
    const char* d = rec.constData();
    r.left = decodePicture(d, level::kPictureBytes);
    r.right = decodePicture(d + level::kPictureBytes, level::kPictureBytes);
    if (r.left.isNull() || r.right.isNull())
        fail(r, Fault::PictureFormat, QStringLiteral("a picture is not a 354 x 482, 24-bit BMP of 512902 bytes"));
    const char* t = d + 2 * level::kPictureBytes;
    const int count = quint8(t[0]);
    if (count < 1 || count > level::kMaxDiffs) {
        fail(r, Fault::DiffCount, QStringLiteral("%1 differences").arg(count));
        return r;
    }
    bool reservedClear = t[1] == 0 && t[102] == 0 && t[103] == 0 && t[107] == 0;
    for (int i = 108; i < level::kTrailerBytes; ++i)
        reservedClear = reservedClear && t[i] == 0;
    for (int i = 2 + 4 * count; i < 102; ++i) // unused point slots
        reservedClear = reservedClear && t[i] == 0;
    if (!reservedClear)
        fail(r, Fault::ReservedBytes, QStringLiteral("reserved bytes are not zero"));
    r.marker = QColor(quint8(t[104]), quint8(t[105]), quint8(t[106]));
    std::vector<QPoint> points;
    for (int k = 0; k < count; ++k)
        points.emplace_back(u16(t + 2 + 4 * k), u16(t + 4 + 4 * k));
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (!squareOnPicture(points[k]))
            fail(r, Fault::PointOffPicture, QStringLiteral("difference %1 at (%2, %3) reaches off the picture")
                                                .arg(k + 1).arg(points[k].x()).arg(points[k].y()));
        for (std::size_t j = k + 1; j < points.size(); ++j)
            if (squaresOverlap(points[k], points[j]))
                fail(r, Fault::Overlap, QStringLiteral("differences %1 and %2 overlap").arg(k + 1).arg(j + 1));
    }
    if (!r.left.isNull() && !r.right.isNull())
        checkPixels(r, points);
    return r;
}

} // namespace levelgen
