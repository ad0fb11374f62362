// The level pack: the validator catches every fault it is there for, the
// generator makes the same bytes every time, stale files are found, and no
// object paints outside the box a difference is measured in.
#include "game/levelrecord.h"
#include "tools/levelgen/differ.h"
#include "tools/levelgen/kinds.h"
#include "tools/levelgen/metrics.h"
#include "tools/levelgen/pack.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace levelgen;

Q_DECLARE_METATYPE(levelgen::Fault)

namespace {
constexpr qint64 kTrailer = 2 * level::kPictureBytes;

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

const QByteArray& goodLevel()
{
    static const QByteArray rec = generateLevel(5).record;
    return rec;
}
} // namespace

class LevelgenTest : public QObject {
    Q_OBJECT
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
        QCOMPARE(int(r.diffs.size()), d.count);
        for (const DiffStats& s : r.diffs)
            QVERIFY2(s.visible >= d.minVisible, qPrintable(QStringLiteral("%1 px at (%2, %3)").arg(s.visible).arg(s.point.x()).arg(s.point.y())));
    }

    void difficultyRisesFromFiveBoldToFifteenSubtle()
    {
        QCOMPARE(difficultyFor(1).count, 5);
        QCOMPARE(difficultyFor(100).count, 15);
        for (int n = 2; n <= 100; ++n) {
            QVERIFY(difficultyFor(n).count >= difficultyFor(n - 1).count);
            QVERIFY(difficultyFor(n).minVisible <= difficultyFor(n - 1).minVisible);
            QVERIFY(difficultyFor(n).minVisible >= kMinVisiblePixels);
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
                        QImage img(320, 320, QImage::Format_ARGB32_Premultiplied);
                        img.fill(Qt::transparent);
                        QPainter p(&img);
                        p.setRenderHint(QPainter::Antialiasing);
                        paintObj(p, o);
                        p.end();
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
