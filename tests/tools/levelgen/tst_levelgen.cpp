// The level pack: the validator catches every fault it is there for, the
// generator makes the same bytes every time, stale files are found, and no
// object paints outside the box a difference is measured in.
#include "game/levelrecord.h"
#include "tools/levelgen/differ.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/metrics.h"
#include "tools/levelgen/pack.h"
#include "tools/levelgen/themekit.h"
#include "tools/levelgen/themes.h"

#include <QCryptographicHash>
#include <numeric>
#include <thread>
#include <set>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace levelgen;

Q_DECLARE_METATYPE(levelgen::Fault)

namespace {
constexpr qint64 kTrailer = 2 * level::kPictureBytes;

// One object painted alone on a transparent picture of the given size.
QImage paintedAlone(const Obj& o, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintObj(p, o);
    return img;
}

QPoint pointOf(const QByteArray& rec, int k) // k from 1
{
    const char* p = rec.constData() + kTrailer + 2 + 4 * (k - 1);
    return {qFromLittleEndian<quint16>(p), qFromLittleEndian<quint16>(p + 2)};
}

void setPoint(QByteArray& rec, int k, QPoint pt)
{
    char* p = rec.data() + kTrailer + 2 + 4 * (k - 1);
    qToLittleEndian<quint16>(quint16(pt.x()), p);
    qToLittleEndian<quint16>(quint16(pt.y()), p + 2);
}

// A picture point at least `distance` away from every recorded point.
QPoint farFromPoints(const QByteArray& rec, int distance)
{
    const int n = quint8(rec[kTrailer]);
    for (int y = 20; y < level::kPictureHeight - 20; y += 7)
        for (int x = 20; x < level::kPictureWidth - 20; x += 7) {
            bool far = true;
            for (int k = 1; k <= n && far; ++k) {
                const QPoint d = pointOf(rec, k) - QPoint(x, y);
                far = d.x() * d.x() + d.y() * d.y() > distance * distance;
            }
            if (far)
                return {x, y};
        }
    return {};
}

qint64 rightPixel(QPoint pt) { return level::kPictureBytes + 54 + qint64(481 - pt.y()) * 1064 + 3 * pt.x(); }

// A plain level made by hand: a textured grey left picture, and on the right
// one block per difference, each centred on its point.
struct Block {
    QRect rect;
    QColor colour;
};
QByteArray handMadeLevel(const std::vector<QPoint>& points, const std::vector<Block>& blocks,
                         QColor leftBlock = QColor())
{
    QImage left(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            left.setPixel(x, y, qRgb(110 + (x / 9 + y / 7) % 5 * 6, 120, 130));
    {
        QPainter pl(&left);
        if (leftBlock.isValid())
            for (const Block& b : blocks)
                pl.fillRect(b.rect, leftBlock);
    }
    QImage right = left;
    {
        QPainter pr(&right);
        for (const Block& b : blocks)
            pr.fillRect(b.rect, b.colour);
    }
    QVector<QPoint> qp;
    for (QPoint p : points)
        qp << p;
    return level::encodeLevel(left, right, qp, Qt::red);
}

// A colour a deuteranope cannot tell from `c`, far from it for everyone else.
QColor deutanTwin(QColor c)
{
    const QRgb seen = simulate(c.rgb(), Vision::Deutan);
    QColor best;
    int bestSum = 0;
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 5) {
                const QRgb t = qRgb(r, g, b);
                if (channelSum(simulate(t, Vision::Deutan), seen) <= 12 && channelSum(t, c.rgb()) > bestSum)
                    bestSum = channelSum(t, c.rgb()), best = QColor(t);
            }
    return best;
}

const QByteArray& goodLevel()
{
    static const QByteArray rec = generateLevel(5).record;
    return rec;
}
} // namespace

class LevelgenTest : public QObject {
    Q_OBJECT
    static constexpr double kCompositionsApart = 8; // of 255, mean over the 8x-downsampled picture
private slots:
    void generatedLevelsPassAndHaveTheirDifficulty_data()
    {
        QTest::addColumn<int>("n");
        for (int n : {1, 2, 50, 99, 100})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void generatedLevelsPassAndHaveTheirDifficulty()
    {
        QFETCH(int, n);
        const Report r = validateLevel(generateLevel(n).record);
        QVERIFY2(r.ok(), qPrintable(r.messages.join(QStringLiteral("; "))));
        const Difficulty d = difficultyFor(n);
        QVERIFY2(int(r.diffs.size()) == d.count, qPrintable(QString::number(r.diffs.size())));
        for (const DiffStats& s : r.diffs)
            QVERIFY2(s.visible >= d.floorVisible, qPrintable(QStringLiteral("%1 px at (%2, %3)").arg(s.visible).arg(s.point.x()).arg(s.point.y())));
    }

    // The whole pack: every level passes every rule, alone and against the
    // others, and the difficulty rises as the report shows it.
    void wholePackPassesAndDifficultyRises()
    {
        std::vector<Level> levels(kLevels);
        std::vector<std::thread> pool;
        for (int t = 0; t < 2; ++t)
            pool.emplace_back([&levels, t] {
                for (int n = 1 + t; n <= kLevels; n += 2)
                    levels[std::size_t(n - 1)] = generateLevel(n);
            });
        for (auto& t : pool)
            t.join();
        std::vector<Report> reports;
        std::vector<LevelSummary> summaries;
        for (const Level& lv : levels) {
            reports.push_back(validateLevel(lv.record));
            summaries.push_back(summarise(lv));
        }
        checkLookAlikes(reports, 1);
        checkLayouts(reports, 1);
        checkThemeSpacing(reports, 1, themeSchedule());
        std::set<int> themes;
        int made = 0, wanted = 0;
        for (int n = 1; n <= kLevels; ++n) {
            const Report& r = reports[std::size_t(n - 1)];
            const LevelSummary& s = summaries[std::size_t(n - 1)];
            QVERIFY2(r.ok(), qPrintable(r.summary(n)));
            // Every level its full count of differences.
            QVERIFY2(s.count == difficultyFor(n).count, qPrintable(QStringLiteral("level %1: %2").arg(n).arg(s.count)));
            made += s.count, wanted += difficultyFor(n).count;
            QVERIFY2(s.objects >= 20, qPrintable(QStringLiteral("level %1: %2 objects").arg(n).arg(s.objects)));
            // Every scene rule holds, the bare square of backdrop included.
            for (const Breach& b : levels[std::size_t(n - 1)].breaches)
                QFAIL(qPrintable(QStringLiteral("level %1: %2").arg(n).arg(b.text)));
            if (n <= 10)
                for (const DiffCheck& d : r.diffs)
                    QVERIFY2(d.visible >= 120 && d.meanDeltaE >= 16,
                             qPrintable(QStringLiteral("level %1: %2 px, dE %3").arg(n).arg(d.visible).arg(d.meanDeltaE)));
            if (n > 90)
                QVERIFY2(2 * s.subtle >= s.count, qPrintable(s.kinds.join(QLatin1Char(','))));
            themes.insert(themeForLevel(n));
        }
        QCOMPARE(made, wanted);
        // Harder by subtlety, not clutter: the last ten hold no more things than the first ten.
        int firstTen = 0, lastTen = 0;
        for (int i = 0; i < 10; ++i)
            firstTen += summaries[std::size_t(i)].objects, lastTen += summaries[std::size_t(kLevels - 1 - i)].objects;
        QVERIFY2(lastTen <= firstTen, qPrintable(QStringLiteral("%1 against %2").arg(lastTen).arg(firstTen)));
        QCOMPARE(int(themes.size()), themeCount());
        QVERIFY(themeCount() >= 36);
        // Rising from every twenty levels to the next: a single decade may
        // dip when its levels happen to draw more things taken away (the
        // changes players like best) than subtle ones.
        double previous = 0;
        for (int block = 0; block < 5; ++block) {
            double sum = 0;
            for (int i = 0; i < 20; ++i)
                sum += summaries[std::size_t(block * 20 + i)].score;
            QVERIFY2(sum / 20 > previous, qPrintable(QStringLiteral("levels %1-%2").arg(block * 20 + 1).arg(block * 20 + 20)));
            previous = sum / 20;
        }
        // And the last ten well above the first ten.
        double first = 0, last = 0;
        for (int i = 0; i < 10; ++i)
            first += summaries[std::size_t(i)].score, last += summaries[std::size_t(kLevels - 1 - i)].score;
        QVERIFY2(last > 3 * first, qPrintable(QStringLiteral("%1 against %2").arg(last / 10).arg(first / 10)));
        const QString table = reportTable(summaries);
        QVERIFY(table.contains(QStringLiteral(" 91-100 ")));
        QCOMPARE(reportPlot(summaries).size(), QSize(900, 420));
    }

    void eachChangeAppliesOnlyWhereItMakesSense_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("spare");
        QTest::addColumn<int>("count");
        QTest::addColumn<unsigned>("mod");
        QTest::addColumn<bool>("applies");
        QTest::newRow("remove a visible object") << int(Barrel) << false << 0 << unsigned(Remove) << true;
        QTest::newRow("remove a hidden spare") << int(Barrel) << true << 0 << unsigned(Remove) << false;
        QTest::newRow("add a hidden spare") << int(Barrel) << true << 0 << unsigned(Add) << true;
        QTest::newRow("add what is already there") << int(Barrel) << false << 0 << unsigned(Add) << false;
        QTest::newRow("count at its top goes down") << int(Fence) << false << 8 << unsigned(Count) << true;
        QTest::newRow("count of a kind without items") << int(Cup) << false << 0 << unsigned(Count) << false;
        QTest::newRow("reshape a one-shape kind") << int(Barrel) << false << 0 << unsigned(Reshape) << false;
        QTest::newRow("detail of a kind without details") << int(Star) << false << 0 << unsigned(Detail) << false;
        QTest::newRow("detail of a window") << int(Window) << false << 0 << unsigned(Detail) << true;
    }
    void eachChangeAppliesOnlyWhereItMakesSense()
    {
        QFETCH(int, kind);
        QFETCH(bool, spare);
        QFETCH(int, count);
        QFETCH(unsigned, mod);
        QFETCH(bool, applies);
        Obj o;
        o.kind = kind;
        o.spare = spare;
        o.visible = !spare;
        o.count = count;
        const Obj before = o;
        Rng rng(3);
        QCOMPARE(applyMod(o, mod, 0.5, rng), applies);
        const Kind& k = kindOf(kind);
        QVERIFY(o.count >= k.minCount && o.count <= std::max(k.minCount, k.maxCount));
        if (applies)
            QVERIFY(o.visible != before.visible || o.count != before.count || o.variant != before.variant);
    }

    void recolourIsFarEnoughToSee_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("subtlety");
        QTest::newRow("red, bold") << QColor(210, 40, 40) << 0.0;
        QTest::newRow("red, subtle") << QColor(210, 40, 40) << 1.0;
        QTest::newRow("grey") << QColor(128, 128, 128) << 0.5;
        QTest::newRow("near white") << QColor(245, 242, 235) << 1.0;
        QTest::newRow("near black") << QColor(20, 20, 25) << 1.0;
        QTest::newRow("pale yellow") << QColor(250, 240, 180) << 0.0;
    }
    void recolourIsFarEnoughToSee()
    {
        QFETCH(QColor, colour);
        QFETCH(double, subtlety);
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            Rng rng(seed);
            const QColor n = recolour(colour, subtlety, rng);
            QVERIFY2(colourDistance(n.rgb(), colour.rgb()) >= 70, qPrintable(colour.name() + " -> " + n.name()));
        }
    }

    void scatteredObjectsKeepApartAndStandBackToFront()
    {
        Scene s;
        s.base = newBase();
        Rng rng(9);
        put(s, House, 177, 200, 1.0, Qt::white); // not loose: keeps its slot
        for (int i = 0; i < 6; ++i)
            scatter(s, rng, Barrel, {20, 334, 250, 470}, 1.0, Qt::red);
        for (std::size_t i = 1; i < s.objs.size(); ++i)
            for (std::size_t j = i + 1; j < s.objs.size(); ++j)
                QVERIFY(!bounds(s.objs[i]).intersects(bounds(s.objs[j])));
        depthSort(s);
        QCOMPARE(s.objs[0].kind, int(House));
        for (std::size_t i = 2; i < s.objs.size(); ++i)
            QVERIFY(s.objs[i - 1].pos.y() <= s.objs[i].pos.y());
    }

    void difficultyRisesFromFiveBoldToFifteenSubtle()
    {
        QCOMPARE(difficultyFor(1).count, 5);
        QCOMPARE(difficultyFor(100).count, 15);
        for (int n = 2; n <= 100; ++n) {
            QVERIFY(difficultyFor(n).count >= difficultyFor(n - 1).count);
            QVERIFY(difficultyFor(n).minVisible <= difficultyFor(n - 1).minVisible);
            QVERIFY(difficultyFor(n).minVisible >= kMinNoticeable);
            QVERIFY(difficultyFor(n).floorVisible <= difficultyFor(n).minVisible);
            QVERIFY(difficultyFor(n).floorVisible > kMinNoticeable);
        }
    }

    void validatorCatchesEachFault_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<Fault>("fault");
        const QByteArray good = goodLevel();
        auto row = [](const char* name, const QByteArray& rec, Fault f) { QTest::newRow(name) << rec << f; };
        QByteArray r = good;
        const QPoint far = farFromPoints(good, 80);
        r[rightPixel(far)] = char(r[rightPixel(far)] ^ 0x80);
        row("a stray pixel far from every point", r, Fault::StrayPixel);
        r = good;
        setPoint(r, 2, pointOf(good, 1) + QPoint(12, -15));
        row("two click squares overlap", r, Fault::Overlap);
        row("record one byte short", good.left(good.size() - 1), Fault::RecordSize);
        row("record one byte long", good + '\0', Fault::RecordSize);
        r = good;
        qToLittleEndian<quint32>(355, r.data() + 18);
        row("left picture 355 wide", r, Fault::PictureFormat);
        r = good;
        qToLittleEndian<quint16>(32, r.data() + level::kPictureBytes + 28);
        row("right picture of 32 bits", r, Fault::PictureFormat);
        r = good;
        qToLittleEndian<quint32>(512900, r.data() + 2);
        row("picture header claims another size", r, Fault::PictureFormat);
        r = good;
        r[kTrailer] = 0;
        row("no differences", r, Fault::DiffCount);
        r = good;
        r[kTrailer] = 26;
        row("26 differences", r, Fault::DiffCount);
        r = good;
        r[kTrailer + 110] = 1;
        row("reserved tail byte", r, Fault::ReservedBytes);
        r = good;
        r[kTrailer + 107] = 1;
        row("colour's fourth byte", r, Fault::ReservedBytes);
        r = good;
        r[kTrailer + 2 + 4 * 20] = 9;
        row("an unused point slot", r, Fault::ReservedBytes);
        r = good;
        r[kTrailer] = char(quint8(r[kTrailer]) + 1);
        setPoint(r, quint8(r[kTrailer]), farFromPoints(good, 100));
        row("a point where nothing changed", r, Fault::Invisible);
        r = good;
        setPoint(r, 1, pointOf(good, 1) + QPoint(7, 0));
        row("a point off the middle of its change", r, Fault::OffCentre);
        r = good;
        setPoint(r, 1, QPoint(5, pointOf(good, 1).y()));
        row("a click square off the picture", r, Fault::PointOffPicture);
    }
    void validatorCatchesEachFault()
    {
        QFETCH(QByteArray, record);
        QFETCH(Fault, fault);
        QVERIFY(validateLevel(goodLevel()).ok());
        const Report r = validateLevel(record);
        QVERIFY2(r.has(fault), qPrintable(QStringLiteral("%1 not reported; got: %2").arg(faultName(fault), r.messages.join(QStringLiteral("; ")))));
    }

    // Each clickability and visibility rule on a level made by hand, so the
    // broken difference is exactly the one the row names.
    void handMadeDifferencesAreJudgedByEachRule_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("fault"); // -1: passes
        const QPoint a(60, 80), b(200, 300);
        const QRect blockA(a - QPoint(6, 6), QSize(12, 12)), blockB(b - QPoint(7, 5), QSize(14, 10));
        auto row = [](const char* name, const QByteArray& rec, int f) { QTest::newRow(name) << rec << f; };
        row("two dark blocks on their points", handMadeLevel({a, b}, {{blockA, Qt::black}, {blockB, QColor(240, 230, 40)}}), -1);
        row("a block 22 wide: a tenth of it outside", handMadeLevel({a, b}, {{QRect(a - QPoint(11, 6), QSize(22, 12)), Qt::black}, {blockB, Qt::black}}), -1);
        row("a block 26 wide: more than a tenth outside", handMadeLevel({a, b}, {{QRect(a - QPoint(13, 6), QSize(26, 12)), Qt::black}, {blockB, Qt::black}}), int(Fault::Spill));
        row("a shutter 5 px beside the square", handMadeLevel({a, b}, {{blockA, Qt::black}, {QRect(a + QPoint(14, -3), QSize(2, 6)), Qt::black}, {blockB, Qt::black}}), int(Fault::Spill));
        row("a change of 5 in one channel", handMadeLevel({a, b}, {{blockA, QColor(121, 125, 130)}, {blockB, Qt::black}}), int(Fault::Invisible));
        row("a block of 5 x 5 pixels", handMadeLevel({a, b}, {{QRect(a - QPoint(2, 2), QSize(5, 5)), Qt::black}, {blockB, Qt::black}}), int(Fault::Invisible));
        const QColor red(200, 60, 40);
        row("a red-for-green swap alone", handMadeLevel({a}, {{blockA, deutanTwin(red)}}, red), int(Fault::ColourBlind));
        row("a point at the edge of its change", handMadeLevel({a + QPoint(4, 0), b}, {{blockA, Qt::black}, {blockB, Qt::black}}), int(Fault::OffCentre));
        row("a change far from every point", handMadeLevel({a}, {{blockA, Qt::black}, {QRect(300, 400, 3, 3), Qt::black}}), int(Fault::StrayPixel));
    }
    void handMadeDifferencesAreJudgedByEachRule()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, fault);
        const Report r = validateLevel(record);
        if (fault < 0)
            QVERIFY2(r.ok(), qPrintable(r.messages.join(QStringLiteral("; "))));
        else
            QVERIFY2(r.has(Fault(fault)), qPrintable(QStringLiteral("%1 not reported; got: %2").arg(faultName(Fault(fault)), r.messages.join(QStringLiteral("; ")))));
    }

    void lookAlikeLevelsAreCaught()
    {
        std::vector<Report> reports(3);
        for (Report& r : reports)
            r = validateLevel(goodLevel());
        QImage shifted = reports[1].left; // the same scene a shade lighter
        for (int y = 0; y < shifted.height(); ++y)
            for (int x = 0; x < shifted.width(); ++x) {
                const QRgb c = shifted.pixel(x, y);
                shifted.setPixel(x, y, qRgb(std::min(255, qRed(c) + 10), std::min(255, qGreen(c) + 10), std::min(255, qBlue(c) + 10)));
            }
        reports[1].left = shifted;
        reports[2].left.fill(QColor(20, 60, 200)); // another scene altogether
        checkLookAlikes(reports, 7);
        QVERIFY(reports[0].has(Fault::LookAlike));
        QVERIFY(reports[1].has(Fault::LookAlike));
        QVERIFY(!reports[2].has(Fault::LookAlike));
        QVERIFY(reports[0].messages.join(QString()).contains(QStringLiteral("levels 7 and 8")));
    }

    void themeBackWithinTwentyLevelsIsCaught_data()
    {
        QTest::addColumn<std::vector<int>>("themes");
        QTest::addColumn<std::vector<int>>("tooSoon");
        std::vector<int> twenty(20);
        std::iota(twenty.begin(), twenty.end(), 0);
        std::vector<int> back = twenty;
        back.push_back(0); // level 21 repeats level 1: 21 levels apart, allowed
        QTest::newRow("twenty themes then the first again") << back << std::vector<int>{};
        std::vector<int> soon(twenty.begin(), twenty.begin() + 19);
        soon.push_back(0); // level 20 repeats level 1
        QTest::newRow("the first again at level 20") << soon << std::vector<int>{20};
        QTest::newRow("the same theme twice in a row") << std::vector<int>{3, 3, 4} << std::vector<int>{2};
        QTest::newRow("the pack's own schedule") << themeSchedule() << std::vector<int>{};
    }
    void themeBackWithinTwentyLevelsIsCaught()
    {
        QFETCH(std::vector<int>, themes);
        QFETCH(std::vector<int>, tooSoon);
        QCOMPARE(themesTooSoon(themes), tooSoon);
        std::vector<Report> reports(themes.size());
        checkThemeSpacing(reports, 1, themes);
        for (int n : tooSoon)
            QVERIFY(reports[std::size_t(n - 1)].has(Fault::ThemeTooSoon));
    }

    void colourBlindSimulationKeepsGreysAndMergesRedWithGreen()
    {
        for (Vision v : {Vision::Protan, Vision::Deutan}) {
            QVERIFY(channelSum(simulate(qRgb(128, 128, 128), v), qRgb(128, 128, 128)) <= 6);
            QCOMPARE(simulate(qRgb(255, 255, 255), v), qRgb(255, 255, 255));
        }
        const QColor red(200, 60, 40), twin = deutanTwin(red);
        QVERIFY(twin.isValid());
        QVERIFY(deltaE76(red.rgb(), twin.rgb()) > 30);
        QVERIFY(channelSum(simulate(red.rgb(), Vision::Deutan), simulate(twin.rgb(), Vision::Deutan)) <= 12);
        QVERIFY(std::abs(deltaE76(qRgb(255, 255, 255), qRgb(0, 0, 0)) - 100) < 0.5);
    }

    void sameLevelSameBytesOnAnyThread()
    {
        QCOMPARE(generateLevel(42).record, generateLevel(42).record);
        QTemporaryDir dir;
        QVERIFY(writeLevels(dir.path(), {7, 8}, 2, nullptr));
        for (int n : {7, 8}) {
            QFile f(levelPath(dir.path(), n));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), generateLevel(n).record);
        }
    }

    void staleLevelsFollowTheVersionStampAndFileSizes()
    {
        QTemporaryDir dir;
        QCOMPARE(int(staleLevels(dir.path(), 1, 100).size()), 100);
        const QByteArray blank(level::kRecordBytes, '\0');
        for (int n = 1; n <= 100; ++n) {
            QFile f(levelPath(dir.path(), n));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(blank);
        }
        stampIfComplete(dir.path(), {1, 2}); // unstamped files of unknown age
        QCOMPARE(int(staleLevels(dir.path(), 1, 100).size()), 100);
        std::vector<int> all;
        for (int n = 1; n <= 100; ++n)
            all.push_back(n);
        stampIfComplete(dir.path(), all);
        QVERIFY(staleLevels(dir.path(), 1, 100).empty());
        QFile::resize(levelPath(dir.path(), 37), level::kRecordBytes - 1);
        QFile::remove(levelPath(dir.path(), 64));
        QCOMPARE(staleLevels(dir.path(), 1, 100), (std::vector<int>{37, 64}));
        QCOMPARE(staleLevels(dir.path(), 40, 70), (std::vector<int>{64}));
        QFile stamp(stampPath(dir.path()));
        QVERIFY(stamp.open(QIODevice::WriteOnly));
        stamp.write(QByteArray::number(kGeneratorVersion - 1));
        stamp.close();
        QCOMPARE(int(staleLevels(dir.path(), 1, 100).size()), 100);
    }

    // A theme's visits show different compositions, and every theme has
    // three that really differ (not only a tint), seen at the look-alike
    // scale of the validator.
    void everyThemeShowsDifferentCompositions_data()
    {
        QTest::addColumn<int>("theme");
        for (int t = 0; t < themeCount(); ++t)
            QTest::newRow(themeName(t)) << t;
    }
    void everyThemeShowsDifferentCompositions()
    {
        QFETCH(int, theme);
        QSet<int> used;
        int visits = 0;
        for (int n = 1; n <= kLevels; ++n)
            if (themeForLevel(n) == theme)
                used.insert(compositionForLevel(n)), ++visits;
        QCOMPARE(int(used.size()), std::min(visits, kCompositions));
        std::vector<std::vector<float>> thumbs;
        for (int c = 0; c < kCompositions; ++c) {
            Scene s;
            s.base = newBase();
            Rng rng(4242);
            composeTheme(s, rng, theme, c);
            depthSort(s);
            thumbs.push_back(thumbnail(render(s)));
        }
        for (int a = 0; a < kCompositions; ++a)
            for (int b = a + 1; b < kCompositions; ++b) {
                const double d = sceneDistance(thumbs[std::size_t(a)], thumbs[std::size_t(b)]);
                QVERIFY2(d >= kCompositionsApart, qPrintable(QStringLiteral("compositions %1 and %2: %3").arg(a).arg(b).arg(d)));
            }
    }

    // A thing set on another is drawn after it, and what it stands on can
    // be neither taken away nor moved: it would be left floating.
    void thingsSetOnOthersStayOnThem()
    {
        int perched = 0;
        for (int level : {5, 41, 77, 95}) {
            const Scene s = buildScene(level);
            for (std::size_t i = 0; i < s.objs.size(); ++i) {
                const Obj& o = s.objs[i];
                if (o.depthY <= 0)
                    continue;
                ++perched;
                QVERIFY(o.deny & Move);
                bool found = false;
                for (std::size_t j = 0; j < i && !found; ++j) {
                    const Obj& b = s.objs[j];
                    // A composed stack (crates by a cart) keeps the order it was built in.
                    found = (b.loose || !o.loose) && std::abs(b.pos.y() + 0.01 - o.depthY) < 1e-6 && (b.deny & Remove) && (b.deny & Move) &&
                            bounds(b).intersects(bounds(o));
                }
                QVERIFY2(found, qPrintable(QStringLiteral("level %1: %2 has nothing under it").arg(level).arg(kindOf(o.kind).name)));
            }
        }
        QVERIFY(perched >= 4);
    }

    // Kinds are counted by what a player would call them: every kind has a
    // name of its own, and the pack has at least as many as we claim.
    void kindsAreDistinctThings()
    {
        QSet<QString> names;
        for (int k = 0; k < kindCount(); ++k) {
            const QString name = QString::fromLatin1(kindOf(k).name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QVERIFY2(kindOf(k).paint, qPrintable(name));
        }
        QVERIFY2(kindCount() >= 180, qPrintable(QString::number(kindCount())));
        // ... and a look of its own: no two kinds paint the same picture
        // (a family row copied without changing its numbers would).
        QHash<QByteArray, QString> looks;
        for (int k = 0; k < kindCount(); ++k) {
            Obj o;
            o.kind = k;
            o.pos = QPointF(60, 90);
            o.c1 = QColor(200, 60, 60), o.c2 = QColor(60, 60, 200), o.c3 = QColor(60, 200, 60);
            o.count = kindOf(k).minCount;
            const QImage img = paintedAlone(o, 160);
            const QByteArray hash = QCryptographicHash::hash(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())),
                                                             QCryptographicHash::Sha1);
            const QString name = QString::fromLatin1(kindOf(k).name);
            QVERIFY2(!looks.contains(hash), qPrintable(name + QStringLiteral(" looks like ") + looks.value(hash)));
            looks.insert(hash, name);
        }
    }

    // A kind no theme places is a kind no player sees: every one of them is
    // in the pack, shown on the left picture of some level.
    void everyKindIsShownInThePack()
    {
        std::vector<int> shown(std::size_t(kindCount()), 0);
        for (int level = 1; level <= 100; ++level)
            for (const Obj& o : buildScene(level).objs)
                shown[std::size_t(o.kind)] += o.visible && !o.spare;
        QStringList missing;
        for (int k = 0; k < kindCount(); ++k)
            if (!shown[std::size_t(k)] && k != Milestone && k != PriceTag) // numbers belonging to nothing: retired
                missing << QString::fromLatin1(kindOf(k).name);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        // ...and retired they stay: a milestone or price tag standing in a
        // field or on a floor is a number that belongs to nothing.
        QCOMPARE(shown[std::size_t(Milestone)] + shown[std::size_t(PriceTag)], 0);
    }

    // A change a kind claims to take must show: every detail bit, every step
    // of its count or digit, every shape, its pattern and its light change
    // the picture (a painter ignoring one would make invisible differences
    // the generator can only throw away).
    void everyClaimedChangeShows_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = 0; k < kindCount(); ++k)
            if (kindOf(k).mods & (Detail | Count | Reshape | Pattern | Light | Digit))
                QTest::newRow(kindOf(k).name) << k;
    }
    void everyClaimedChangeShows()
    {
        QFETCH(int, kind);
        const Kind& k = kindOf(kind);
        auto picture = [](const Obj& o) { return paintedAlone(o, 240); };
        Obj base;
        base.kind = kind;
        base.scale = 1.5; // the whole object in the picture, whatever its size
        base.pos = QPointF(120, 120) - k.box.center() * base.scale;
        base.c1 = QColor(200, 60, 60), base.c2 = QColor(60, 60, 200), base.c3 = QColor(60, 200, 60);
        base.count = (k.minCount + k.maxCount + 1) / 2; // as a theme puts it
        auto differs = [&](const Obj& a, const Obj& b, const char* what, int value) {
            QVERIFY2(picture(a) != picture(b), qPrintable(QStringLiteral("%1: %2 %3 shows no change").arg(k.name).arg(what).arg(value)));
        };
        if (k.mods & Detail)
            for (int bit = 0; bit < k.details; ++bit) {
                Obj b = base;
                b.variant ^= 1 << bit;
                differs(base, b, "detail bit", bit);
            }
        for (unsigned mod : {unsigned(Pattern), unsigned(Light)})
            if (k.mods & mod) {
                Obj b = base;
                b.variant ^= 1 << (mod == Pattern ? k.patternBit : k.lightBit);
                differs(base, b, mod == Pattern ? "pattern bit" : "light bit", 0);
            }
        if (k.mods & Reshape)
            for (int shape = 1; shape < k.shapes; ++shape) {
                Obj b = base;
                b.shape = shape;
                differs(base, b, "shape", shape);
            }
        if (k.mods & Count)
            for (int c = k.minCount; c < k.maxCount; ++c) {
                Obj a = base, b = base;
                a.count = c, b.count = c + 1;
                differs(a, b, "count", c);
            }
        if (k.mods & Digit)
            for (int d = 0; d < 10; ++d) {
                Obj a = base, b = base;
                a.count = d, b.count = (d + 1) % 10;
                differs(a, b, "digit", d);
            }
    }

    // A detail meant to be named once found ("a piece broke off the rock",
    // "the sheep is grazing") changes the thing's outline, not its colour
    // only, and all of it within about a click square at the usual size.
    void aDetailReshapesWithinAClickSquare_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("grey rock") << int(Rock) << QColor(140, 140, 145);
        QTest::newRow("sandstone") << int(Rock) << QColor(200, 160, 110);
        for (K k : {Cat, Puli, Sheep, Goat, Rabbit, Fox, Wolf, Boar, Calf, Lamb, Mangalica, Buffalo})
            QTest::newRow(kindOf(k).name) << int(k) << QColor(150, 110, 70);
    }
    void aDetailReshapesWithinAClickSquare()
    {
        QFETCH(int, kind);
        QFETCH(QColor, colour);
        Obj a;
        a.kind = kind;
        a.pos = QPointF(60, 70);
        a.c1 = colour;
        a.seed = 777;
        Obj b = a;
        b.variant = 1;
        const QImage before = paintedAlone(a, 120), after = paintedAlone(b, 120);
        int outline = 0;
        QRect changed;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x) {
                const QRgb u = before.pixel(x, y), v = after.pixel(x, y);
                outline += (qAlpha(u) >= 128) != (qAlpha(v) >= 128);
                if (std::abs(qRed(u) - qRed(v)) + std::abs(qGreen(u) - qGreen(v)) + std::abs(qBlue(u) - qBlue(v)) > 30
                    || std::abs(qAlpha(u) - qAlpha(v)) > 30)
                    changed |= QRect(x, y, 1, 1);
            }
        QVERIFY2(outline >= 25, qPrintable(QStringLiteral("outline changed at %1 pixels").arg(outline)));
        QVERIFY2(changed.width() <= 23 && changed.height() <= 23,
                 qPrintable(QStringLiteral("the change spans %1 x %2").arg(changed.width()).arg(changed.height())));
    }

    // A painter reaching outside its box would leave half an object behind
    // when the difference is drawn.
    void everyObjectPaintsInsideItsBox_data()
    {
        QTest::addColumn<int>("kind");
        for (int k = 0; k < kindCount(); ++k)
            QTest::newRow(kindOf(k).name) << k;
    }
    void everyObjectPaintsInsideItsBox()
    {
        QFETCH(int, kind);
        const Kind& k = kindOf(kind);
        for (int shape = 0; shape < k.shapes; ++shape)
            for (int variant : {0, (1 << k.details) - 1})
                for (int count : {k.minCount, k.maxCount})
                    for (bool mirror : {false, true}) {
                        Obj o;
                        o.kind = kind;
                        o.pos = QPointF(160, 180);
                        o.c1 = QColor(200, 60, 60);
                        o.c2 = QColor(60, 60, 200);
                        o.c3 = QColor(60, 200, 60);
                        o.shape = shape;
                        o.variant = variant;
                        o.count = count;
                        o.mirror = mirror;
                        o.seed = 12345;
                        const QImage img = paintedAlone(o, 320);
                        const QRect box = bounds(o);
                        for (int y = 0; y < img.height(); ++y)
                            for (int x = 0; x < img.width(); ++x)
                                if (qAlpha(img.pixel(x, y)) && !box.contains(x, y))
                                    QFAIL(qPrintable(QStringLiteral("%1 (shape %2, variant %3, count %4, mirror %5) paints at (%6, %7) outside (%8, %9) - (%10, %11)")
                                                         .arg(k.name).arg(shape).arg(variant).arg(count).arg(mirror)
                                                         .arg(x - 160).arg(y - 180).arg(box.left() - 160).arg(box.top() - 180)
                                                         .arg(box.right() - 160).arg(box.bottom() - 180)));
                    }
    }

    void ringColourStandsOutAgainstThePicture_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::newRow("white snow") << QColor(245, 245, 250);
        QTest::newRow("night sky") << QColor(10, 15, 40);
        QTest::newRow("green lawn") << QColor(60, 160, 60);
        QTest::newRow("magenta") << QColor(255, 0, 220);
    }
    void ringColourStandsOutAgainstThePicture()
    {
        QFETCH(QColor, background);
        QImage img(kWidth, kHeight, QImage::Format_RGB32);
        img.fill(background);
        const QColor ring = chooseMarker(img, {QPoint(100, 100), QPoint(200, 300)});
        QVERIFY2(colourDistance(ring.rgb(), background.rgb()) >= 200, qPrintable(ring.name()));
    }
};

QTEST_MAIN(LevelgenTest)
#include "tst_levelgen.moc"
