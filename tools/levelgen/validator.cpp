#include "tools/levelgen/validator.h"

#include "game/levelrecord.h"
#include "tools/levelgen/scenerules.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

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
    case Fault::Spill: return "change outside its square";
    case Fault::Invisible: return "invisible difference";
    case Fault::ColourBlind: return "unseen by colour-blind players";
    case Fault::OffCentre: return "off-centre point";
    case Fault::SameLayout: return "same layout";
    case Fault::LookAlike: return "look-alike levels";
    case Fault::ThemeTooSoon: return "theme back too soon";
    }
    return "?";
}

bool Report::has(Fault f) const { return std::find(faults.begin(), faults.end(), f) != faults.end(); }

int Report::worstSpill() const
{
    int worst = 0;
    for (const DiffCheck& d : diffs)
        worst = std::max(worst, d.worstSpill);
    return worst;
}

double Report::worstInsideShare() const
{
    double worst = 1;
    for (const DiffCheck& d : diffs)
        worst = std::min(worst, d.insideShare());
    return worst;
}

QString Report::summary(int level) const
{
    int smallest = 0, largest = 0;
    for (const DiffCheck& d : diffs) {
        smallest = smallest ? std::min(smallest, d.visible) : d.visible;
        largest = std::max(largest, d.visible);
    }
    QString line = QStringLiteral("%1: %2 differences, visible %3..%4 px, worst spill %5 px, least inside %6%, ring %7")
                       .arg(level, 3, 10, QLatin1Char('0'))
                       .arg(diffs.size(), 2)
                       .arg(smallest, 4)
                       .arg(largest, 4)
                       .arg(worstSpill())
                       .arg(int(std::floor(worstInsideShare() * 100)), 3)
                       .arg(marker.name());
    if (!ok())
        line += QStringLiteral("  FAILED: ") + messages.join(QStringLiteral("; "));
    return line;
}

void Report::fail(Fault f, const QString& text)
{
    if (!has(f))
        faults.push_back(f);
    messages << text;
}

namespace {
quint16 u16(const char* p) { return qFromLittleEndian<quint16>(p); }

void checkPixels(Report& r, const std::vector<QPoint>& points)
{
    const LevelCheck check = checkLevelPictures(r.left, r.right, points);
    r.diffs = check.diffs;
    if (check.strays)
        r.fail(Fault::StrayPixel, QStringLiteral("%1 changed pixels more than %2 px from every square, the first at (%3, %4)")
                                      .arg(check.strays).arg(kMaxSpill).arg(check.firstStray.x()).arg(check.firstStray.y()));
    for (std::size_t k = 0; k < r.diffs.size(); ++k) {
        const DiffCheck& d = r.diffs[k];
        const QString which = QStringLiteral("difference %1 at (%2, %3)").arg(k + 1).arg(d.point.x()).arg(d.point.y());
        if (!d.seen()) {
            r.fail(Fault::Invisible, QStringLiteral("%1 changes only %2 pixels by dE76 %3 or more")
                                         .arg(which).arg(d.noticeable).arg(kNoticeableDeltaE));
            if (!d.visible)
                continue;
        }
        if (!d.clickable())
            r.fail(Fault::Spill, QStringLiteral("%1 shows %2% of its change inside its square, %3 px outside at worst")
                                     .arg(which).arg(int(std::floor(d.insideShare() * 100))).arg(d.worstSpill));
        if (!d.seenColourBlind())
            r.fail(Fault::ColourBlind, QStringLiteral("%1 changes %2 (protanopia) and %3 (deuteranopia) square pixels")
                                           .arg(which).arg(d.protan).arg(d.deutan));
        if (!d.centred())
            r.fail(Fault::OffCentre, QStringLiteral("%1 is off the middle (%2, %3) of its visible change")
                                         .arg(which).arg(d.centre().x()).arg(d.centre().y()));
    }
}
} // namespace

Report validateLevel(const QByteArray& rec)
{
    Report r;
    if (rec.size() != level::kRecordBytes) {
        r.fail(Fault::RecordSize, QStringLiteral("%1 bytes instead of %2").arg(rec.size()).arg(level::kRecordBytes));
        return r;
    }
    const char* d = rec.constData();
    r.left = decodePicture(d, level::kPictureBytes);
    r.right = decodePicture(d + level::kPictureBytes, level::kPictureBytes);
    if (r.left.isNull() || r.right.isNull())
        r.fail(Fault::PictureFormat, QStringLiteral("a picture is not a 354 x 482, 24-bit BMP of 512902 bytes"));
    const char* t = d + 2 * level::kPictureBytes;
    const int count = quint8(t[0]);
    if (count < 1 || count > level::kMaxDiffs) {
        r.fail(Fault::DiffCount, QStringLiteral("%1 differences").arg(count));
        return r;
    }
    bool reservedClear = t[1] == 0 && t[102] == 0 && t[103] == 0 && t[107] == 0;
    for (int i = 108; i < level::kTrailerBytes; ++i)
        reservedClear = reservedClear && t[i] == 0;
    for (int i = 2 + 4 * count; i < 102; ++i) // unused point slots
        reservedClear = reservedClear && t[i] == 0;
    if (!reservedClear)
        r.fail(Fault::ReservedBytes, QStringLiteral("reserved bytes are not zero"));
    r.marker = QColor(quint8(t[104]), quint8(t[105]), quint8(t[106]));
    std::vector<QPoint> points;
    for (int k = 0; k < count; ++k)
        points.emplace_back(u16(t + 2 + 4 * k), u16(t + 4 + 4 * k));
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (!squareOnPicture(points[k]))
            r.fail(Fault::PointOffPicture, QStringLiteral("difference %1 at (%2, %3) reaches off the picture")
                                                .arg(k + 1).arg(points[k].x()).arg(points[k].y()));
        for (std::size_t j = k + 1; j < points.size(); ++j)
            if (squaresOverlap(points[k], points[j]))
                r.fail(Fault::Overlap, QStringLiteral("differences %1 and %2 overlap").arg(k + 1).arg(j + 1));
    }
    if (!r.left.isNull() && !r.right.isNull())
        checkPixels(r, points);
    return r;
}

namespace {
using Thumb = std::vector<float>;
// Every pair of left pictures held at least `least` apart by `distance` on
// their thumbnails; `says` words the fault for two level numbers and their distance.
ClosestPair checkPairs(std::vector<Report>& reports, int firstLevel, Thumb (*thumb)(const QImage&),
                       double (*distance)(const Thumb&, const Thumb&), double least, Fault fault,
                       QString (*says)(int, int, double), double farthest)
{
    ClosestPair closest{0, 0, farthest};
    std::vector<Thumb> thumbs;
    for (const Report& r : reports)
        thumbs.push_back(r.left.isNull() ? Thumb() : thumb(r.left));
    for (std::size_t i = 0; i < reports.size(); ++i)
        for (std::size_t j = i + 1; j < reports.size(); ++j) {
            if (thumbs[i].empty() || thumbs[j].empty())
                continue;
            const double d = distance(thumbs[i], thumbs[j]);
            if (d < closest.distance)
                closest = {firstLevel + int(i), firstLevel + int(j), d};
            if (d < least) {
                const QString text = says(firstLevel + int(i), firstLevel + int(j), d);
                reports[i].fail(fault, text);
                reports[j].fail(fault, text);
            }
        }
    return closest;
}
} // namespace

ClosestPair checkLookAlikes(std::vector<Report>& reports, int firstLevel)
{
    return checkPairs(reports, firstLevel, thumbnail, sceneDistance, kMinSceneDistance, Fault::LookAlike, [](int a, int b, double d) {
        return QStringLiteral("levels %1 and %2 look alike (%3 of 255 apart)").arg(a).arg(b).arg(d, 0, 'f', 1);
    }, 255);
}

ClosestPair checkLayouts(std::vector<Report>& reports, int firstLevel)
{
    return checkPairs(reports, firstLevel, layoutThumbnail, layoutDistance, kMinLayoutDistance, Fault::SameLayout, [](int a, int b, double d) {
        return QStringLiteral("levels %1 and %2 share a layout (%3 apart)").arg(a).arg(b).arg(d, 0, 'f', 2);
    }, 2);
}

void checkThemeSpacing(std::vector<Report>& reports, int firstLevel, const std::vector<int>& themeOfLevel)
{
    for (int n : themesTooSoon(themeOfLevel)) {
        const int i = n - firstLevel;
        if (i >= 0 && i < int(reports.size()))
            reports[std::size_t(i)].fail(Fault::ThemeTooSoon, QStringLiteral("its theme was played fewer than %1 levels before").arg(kThemeWindow));
    }
}

} // namespace levelgen
