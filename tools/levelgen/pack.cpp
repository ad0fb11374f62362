#include "tools/levelgen/pack.h"

#include "game/levelrecord.h"
#include "tools/levelgen/differ.h"
#include "tools/levelgen/diffrules.h"
#include "tools/levelgen/groundspares.h"
#include "tools/levelgen/metrics.h"
#include "tools/levelgen/paintkit.h"
#include "tools/levelgen/themes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <initializer_list>
#include <mutex>
#include <QThreadPool>
#include <thread>

namespace levelgen {

namespace {
constexpr int kDrawAttempts = 12;
constexpr int kStaleDraws = 4;
constexpr int kVariedDraws = 3; // full draws tried for one within the variety aim

// One scene's picture and its own breaches, the same for every draw of changes on it.
struct Drawn {
    QImage left;
    std::vector<Breach> breaches;
    int objects = 0;
};

Drawn drawScene(const Scene& scene)
{
    Drawn d{render(scene), sceneBreaches(scene), 0};
    for (const Obj& o : scene.objs)
        d.objects += o.visible;
    return d;
}

Level levelFrom(int n, const Scene& scene, const Drawn& drawn, int attempt)
{
    const QImage& left = drawn.left;
    Rng rng(seedOf({std::uint64_t(n), kGeneratorVersion, std::uint64_t(attempt)}));
    const Differences diffs = makeDifferences(scene, left, difficultyFor(n), rng);
    std::vector<QPoint> points;
    QVector<QPoint> qpoints;
    for (const Difference& d : diffs.list) {
        points.push_back(d.point);
        qpoints << d.point;
    }
    std::vector<Breach> breaches = drawn.breaches;
    for (Breach& b : differenceBreaches(scene, diffs.left, diffs.list))
        breaches.push_back(std::move(b));
    for (Breach& b : changeBreaches(scene, diffs.list))
        breaches.push_back(std::move(b));
    return {n, level::encodeLevel(diffs.left, diffs.right, qpoints, chooseMarker(diffs.left, points)), diffs.list, drawn.objects, std::move(breaches)};
}
} // namespace

std::uint64_t seedOf(std::initializer_list<std::uint64_t> parts)
{
    std::uint64_t h = 0x243F6A8885A308D3ull;
    for (std::uint64_t p : parts) {
        h ^= p + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        h ^= h >> 31;
    }
    return h;
}

Level generateLevel(int n)
{
    // Grouped, unless that leaves too little to change where the rules
    // allow it: then the scene as composed; then both furnished afresh,
    // twice. Each scene gets hidden spares on the ground, so that scenes
    // with little to change (the deserts) reach their count on the first.
    // A draw of changes that falls short of the count is drawn again (the
    // scene stays as it is).
    const int wanted = difficultyFor(n).count;
    Level best, full;
    bool bestOk = false;
    int fullRepeats = 0, fullDraws = 0;
    for (int pass = 0; pass < 6; ++pass) {
        const bool gather = pass % 2 == 0;
        Scene scene = buildScene(n, gather, pass / 2);
        {
            Rng spares(seedOf({std::uint64_t(n), kGeneratorVersion, 7717, std::uint64_t(pass)}));
            // The last scenes do without new kinds: where those gather in one
            // band, the differences cannot spread.
            addGroundSpares(scene, spares, wanted / 3, pass < 4);
        }
        // Draws that keep falling short of the best so far will not reach the
        // count on this scene: after a few, the next scene is tried.
        const Drawn drawn = drawScene(scene);
        for (int attempt = 0, stale = 0; attempt < kDrawAttempts && stale < kStaleDraws; ++attempt) {
            Level lv = levelFrom(n, scene, drawn, attempt);
            // The last levels hold to their share of subtle changes, which a
            // draw that had to take bold ones to make its count may break.
            const int subtle = int(std::count_if(lv.diffs.begin(), lv.diffs.end(), [](const Difference& d) { return (d.mod & kSubtleMods) != 0; }));
            // A draw whose changes break a rule of their own (a twin added on
            // the right) is never kept while another may do without.
            const bool ok = validateLevel(lv.record).ok() && subtle >= int(lv.diffs.size()) - difficultyFor(n).maxBold &&
                            lv.breaches.size() == drawn.breaches.size();
            if (ok && int(lv.diffs.size()) >= wanted) {
                // One that had to repeat a change beyond the aim (four jar
                // labels) is kept while a few more draws look for a varied one.
                const int repeats = repeatsBeyondAim(scene, lv.diffs);
                if (repeats == 0)
                    return lv;
                if (full.record.isEmpty() || repeats < fullRepeats)
                    full = std::move(lv), fullRepeats = repeats;
                if (++fullDraws >= kVariedDraws)
                    return full;
                continue;
            }
            ++stale;
            if (best.record.isEmpty() || (ok && !bestOk) || (ok == bestOk && lv.diffs.size() > best.diffs.size()))
                best = std::move(lv), bestOk = ok, stale = 0;
        }
        if (!full.record.isEmpty())
            return full;
    }
    return best;
}

namespace {
template <class T> T median(std::vector<T> v)
{
    if (v.empty())
        return T();
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

LevelSummary summarise(const Level& lv)
{
    LevelSummary s;
    s.number = lv.number;
    s.theme = QString::fromUtf8(themeName(themeForLevel(lv.number)));
    s.objects = lv.objects;
    s.count = int(lv.diffs.size());
    std::vector<int> visible;
    std::vector<double> contrast;
    for (const Difference& d : lv.diffs) {
        const bool subtle = d.mod & kSubtleMods;
        s.subtle += subtle;
        s.kinds << QStringLiteral("%1 %2").arg(QString::fromLatin1(modName(d.mod)), QString::fromLatin1(kindOf(d.after.kind).name));
        visible.push_back(d.check.visible);
        contrast.push_back(d.check.meanDeltaE);
        // Each difference is harder the smaller, fainter and subtler it is.
        s.score += (subtle ? 1.6 : 1.0) * std::sqrt(200.0 / std::max(1, d.check.visible)) *
                   std::sqrt(40.0 / std::max(1.0, d.check.meanDeltaE));
    }
    s.medianVisible = median(visible);
    s.medianContrast = median(contrast);
    return s;
}

QString reportTable(const std::vector<LevelSummary>& levels)
{
    QString out = QStringLiteral("level  theme              objects  diffs  subtle  median px  median dE  score  kinds\n");
    for (const LevelSummary& s : levels)
        out += QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9\n")
                   .arg(s.number, 5).arg(s.theme.leftJustified(17)).arg(s.objects, 7).arg(s.count, 5).arg(s.subtle, 6)
                   .arg(s.medianVisible, 9).arg(s.medianContrast, 9, 'f', 1).arg(s.score, 5, 'f', 1)
                   .arg(s.kinds.join(QLatin1Char(',')));
    out += QStringLiteral("\ndecade  mean score  mean diffs  subtle share\n");
    for (int dec = 0; dec * 10 < int(levels.size()); ++dec) {
        double score = 0, count = 0, subtle = 0;
        int n = 0;
        for (int i = dec * 10; i < std::min(int(levels.size()), dec * 10 + 10); ++i, ++n)
            score += levels[std::size_t(i)].score, count += levels[std::size_t(i)].count, subtle += levels[std::size_t(i)].subtle;
        out += QStringLiteral("%1-%2  %3  %4  %5%\n").arg(levels[std::size_t(dec * 10)].number, 3)
                   .arg(levels[std::size_t(dec * 10 + n - 1)].number, -3).arg(score / n, 10, 'f', 1)
                   .arg(count / n, 10, 'f', 1).arg(int(std::lround(100 * subtle / std::max(1.0, count))), 11);
    }
    return out;
}

QString levelPath(const QString& dataDir, int n)
{
    return QDir(dataDir).filePath(level::zeroes(std::uint8_t(n)) + QStringLiteral(".DAT"));
}

QString stampPath(const QString& dataDir) { return QDir(dataDir).filePath(QStringLiteral(".levelgen-version")); }

namespace {
bool stampCurrent(const QString& dataDir)
{
    QFile f(stampPath(dataDir));
    return f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == QByteArray::number(kGeneratorVersion);
}
} // namespace

void parallel(int count, int threads, const std::function<void(int)>& job, const std::function<void(int)>& done)
{
    std::atomic<int> next{0};
    std::mutex m;
    std::vector<int> finished;
    auto worker = [&] {
        for (int i; (i = next++) < count;) {
            job(i);
            std::lock_guard<std::mutex> lock(m);
            finished.push_back(i);
        }
    };
    // The workers are threads of Qt's global pool: Qt then converts and
    // scales images inline on them instead of splitting each large image
    // over the pool's other threads, which the two workers keep busy anyway.
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(std::max(pool->maxThreadCount(), threads));
    for (int t = 0; t < std::max(1, threads); ++t)
        pool->start(worker);
    pool->waitForDone();
    if (done)
        for (int i : finished)
            done(i);
}

std::vector<int> staleLevels(const QString& dataDir, int first, int last)
{
    const bool current = stampCurrent(dataDir);
    std::vector<int> out;
    for (int n = first; n <= last; ++n)
        if (!current || QFileInfo(levelPath(dataDir, n)).size() != level::kRecordBytes)
            out.push_back(n);
    return out;
}

bool writeLevels(const QString& dataDir, const std::vector<int>& levels, int threads,
                 const std::function<void(int, int)>& progress)
{
    QDir().mkpath(dataDir);
    if (!levels.empty() && !stampCurrent(dataDir))
        QFile::remove(stampPath(dataDir)); // an interrupted run must not look finished
    std::atomic<bool> ok{true};
    std::atomic<int> done{0};
    std::mutex printing;
    // The last levels, with the most differences to find, take longest: they
    // go first, so that the quick first levels fill in at the end and neither
    // worker waits long for the other.
    parallel(int(levels.size()), threads, [&](int i) {
        const Level lv = generateLevel(levels[levels.size() - 1 - std::size_t(i)]);
        QSaveFile f(levelPath(dataDir, lv.number)); // never a half-written level
        if (!f.open(QIODevice::WriteOnly) || f.write(lv.record) != lv.record.size() || !f.commit())
            ok = false;
        std::lock_guard<std::mutex> lock(printing);
        if (progress)
            progress(++done, int(levels.size()));
    });
    return ok;
}

void stampIfComplete(const QString& dataDir, const std::vector<int>& regenerated)
{
    const bool wasCurrent = stampCurrent(dataDir);
    for (int n = 1; n <= kLevels; ++n) {
        const bool fresh = std::find(regenerated.begin(), regenerated.end(), n) != regenerated.end();
        if ((!wasCurrent && !fresh) || QFileInfo(levelPath(dataDir, n)).size() != level::kRecordBytes)
            return;
    }
    QSaveFile f(stampPath(dataDir));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QByteArray::number(kGeneratorVersion) + '\n');
        f.commit();
    }
}

std::vector<Report> validateDir(const QString& dataDir, int first, int last, int threads)
{
    std::vector<Report> reports(std::size_t(std::max(0, last - first + 1)));
    parallel(int(reports.size()), threads, [&](int i) {
        QFile f(levelPath(dataDir, first + i));
        Report& r = reports[std::size_t(i)];
        if (f.open(QIODevice::ReadOnly))
            r = validateLevel(f.readAll());
        else
            r.faults.push_back(Fault::RecordSize), r.messages << QStringLiteral("cannot be read");
    });
    return reports;
}

namespace {
// Digits 0-9 as 3 x 5 pixel glyphs, so the sheet needs no fonts.
void drawNumber(QPainter& p, QPoint at, int n, int px)
{
    static const char* glyphs[10] = {"111101101101111", "010110010010111", "111001111100111", "111001111001111",
                                     "101101111001001", "111100111001111", "111100111101111", "111001001001001",
                                     "111101111101111", "111101111001111"};
    const QString s = QString::number(n);
    for (int c = 0; c < s.size(); ++c)
        for (int i = 0; i < 15; ++i)
            if (glyphs[s[c].digitValue()][i] == '1')
                p.fillRect(at.x() + (c * 4 + i % 3) * px, at.y() + (i / 3) * px, px, px, p.pen().color());
}

void ringPoints(QPainter& p, const Report& r, double scale, QPointF offset, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(r.marker, width));
    for (const DiffStats& d : r.diffs)
        p.drawEllipse(offset + QPointF(d.point.x(), d.point.y()) * scale, kSquareHalf * scale * 1.4, kSquareHalf * scale * 1.4);
}
} // namespace

QImage contactSheet(const std::vector<Report>& reports, int firstLevel)
{
    constexpr double scale = 0.25;
    const int w = int(kWidth * scale), h = int(kHeight * scale), cellW = 2 * w + 12, cellH = h + 16, cols = 10;
    const int rows = (int(reports.size()) + cols - 1) / cols;
    QImage sheet(cols * cellW + 8, rows * cellH + 8, QImage::Format_RGB32);
    sheet.fill(QColor(40, 36, 34));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < int(reports.size()); ++i) {
        const Report& r = reports[std::size_t(i)];
        const QPoint at(8 + (i % cols) * cellW, 8 + (i / cols) * cellH);
        p.setPen(r.ok() ? QColor(230, 220, 200) : QColor(255, 60, 60));
        drawNumber(p, at, firstLevel + i, 2);
        if (r.left.isNull())
            continue;
        for (int side = 0; side < 2; ++side) {
            const QPointF origin(at.x() + side * (w + 2), at.y() + 12);
            p.drawImage(QRectF(origin, QSizeF(w, h)), side ? r.right : r.left);
            ringPoints(p, r, scale, origin, 1.2);
        }
    }
    return sheet;
}

QImage pairImage(const Report& r)
{
    QImage out(2 * kWidth + 10, kHeight, QImage::Format_RGB32);
    out.fill(QColor(40, 36, 34));
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, r.left);
    p.drawImage(kWidth + 10, 0, r.right);
    ringPoints(p, r, 1.0, QPointF(kWidth + 10, 0), 2);
    return out;
}

QImage reportPlot(const std::vector<LevelSummary>& levels)
{
    // Bars: each level's score, darker the more of its differences are
    // subtle; gold steps: the mean of each decade; blue dots: difference count.
    constexpr int w = 900, h = 420, left = 50, bottom = 380, top = 20;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0xF3, 0xE3, 0xC3));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    double maxScore = 1;
    for (const LevelSummary& s : levels)
        maxScore = std::max(maxScore, s.score);
    maxScore = std::ceil(maxScore / 10) * 10;
    const double bw = double(w - left - 20) / std::max<std::size_t>(1, levels.size());
    auto y = [&](double v) { return bottom - (bottom - top) * v / maxScore; };
    p.setPen(QPen(QColor(0xB8, 0x92, 0x5E), 1));
    for (int v = 0; v <= int(maxScore); v += 10) {
        p.drawLine(QPointF(left, y(v)), QPointF(w - 20, y(v)));
        p.setPen(QColor(0x2B, 0x1D, 0x14));
        drawNumber(p, QPoint(12, int(y(v)) - 5), v, 2);
        p.setPen(QPen(QColor(0xB8, 0x92, 0x5E), 1));
    }
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const LevelSummary& s = levels[i];
        const double share = s.count ? double(s.subtle) / s.count : 0;
        p.fillRect(QRectF(left + i * bw + 1, y(s.score), bw - 2, bottom - y(s.score)),
                   mix(QColor(0xE2, 0x9A, 0x5A), QColor(0x6B, 0x1E, 0x14), share));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 80, 170));
        p.drawEllipse(QPointF(left + (i + 0.5) * bw, y(s.count * maxScore / 25.0)), 2.5, 2.5);
        if (s.number % 10 == 0 || s.number == 1) {
            p.setPen(QColor(0x2B, 0x1D, 0x14));
            drawNumber(p, QPoint(int(left + i * bw), bottom + 10), s.number, 2);
        }
    }
    p.setPen(QPen(QColor(0xC9, 0xA1, 0x3B), 3));
    for (std::size_t d = 0; d * 10 < levels.size(); ++d) {
        double sum = 0;
        std::size_t n = 0;
        for (std::size_t i = d * 10; i < std::min(levels.size(), d * 10 + 10); ++i, ++n)
            sum += levels[i].score;
        p.drawLine(QPointF(left + d * 10 * bw, y(sum / n)), QPointF(left + (d * 10 + n) * bw, y(sum / n)));
    }
    p.setPen(QPen(QColor(0x2B, 0x1D, 0x14), 1.5));
    p.drawLine(QPointF(left, top), QPointF(left, bottom));
    p.drawLine(QPointF(left, bottom), QPointF(w - 20, bottom));
    return img;
}

} // namespace levelgen
