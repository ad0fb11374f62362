// The level maker's engine on photo-like pictures: differences found in two
// pictures are exactly the edits made, JPEG noise alone finds none, and
// automatic differences pass the pack validator and are clickable where
// they show.
#include "editor/automaker.h"
#include "editor/change.h"
#include "editor/cvimage.h"
#include "editor/draft.h"
#include "editor/objects.h"
#include "editor/pairfinder.h"
#include "editor/photo.h"
#include "photolike.h"
#include "tools/levelgen/validator.h"

#include <QtTest>

using namespace editor;
using namespace editortest;

namespace {
// The photo at twice the level's size, so level points are photo points / 2.
constexpr int kPhotoW = 2 * kLevelWidth, kPhotoH = 2 * kLevelHeight;

cv::Mat levelOf(const QImage& photo) { return toMat(frameToLevel(photo, defaultFrame(photo.size()))); }

// Every visibly changed pixel belongs to its nearest point; at least 90% of
// a point's lie in its square and none more than 3 px outside.
QString clickabilityFault(const QImage& left, const QImage& right, const std::vector<QPoint>& points)
{
    std::vector<int> inside(points.size()), total(points.size());
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb a = left.pixel(x, y), b = right.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) <= 30)
                continue;
            size_t k = 0;
            for (size_t j = 1; j < points.size(); ++j)
                if (QLineF(points[j], QPoint(x, y)).length() < QLineF(points[k], QPoint(x, y)).length())
                    k = j;
            const QRect sq(points[k].x() - 10, points[k].y() - 10, 20, 20);
            ++total[k];
            if (sq.contains(x, y))
                ++inside[k];
            else if (!sq.adjusted(-3, -3, 3, 3).contains(x, y))
                return QStringLiteral("pixel (%1, %2) of difference %3 lies far outside its square").arg(x).arg(y).arg(k + 1);
        }
    for (size_t k = 0; k < points.size(); ++k)
        if (inside[k] < 0.9 * total[k] || total[k] == 0)
            return QStringLiteral("difference %1: %2 of %3 visible pixels in its square").arg(k + 1).arg(inside[k]).arg(total[k]);
    return {};
}
} // namespace

class EditorEngineTest : public QObject {
    Q_OBJECT
private slots:
    void pairRecoversExactlyTheEdits_data();
    void pairRecoversExactlyTheEdits();
    void jpegNoiseAloneIsNoDifference();
    void anOversizedEditIsFlagged();
    void autoLevelsPassTheValidatorAndAreClickable();
    void autoIsRepeatableBySeed();
    void rerollAndRemoveKeepTheRest();
    void exifOrientationIsHonoured_data();
    void exifOrientationIsHonoured();
    void defaultFrameIsTheCentredLargest_data();
    void defaultFrameIsTheCentredLargest();
    void smallObjectsFillTheirBox_data();
    void smallObjectsFillTheirBox();
};

void EditorEngineTest::pairRecoversExactlyTheEdits_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("edits");
    QTest::newRow("meadow, 3 edits") << 11 << 3;
    QTest::newRow("field, 7 edits") << 12 << 7;
    QTest::newRow("sky and ground, 12 edits") << 13 << 12;
}

void EditorEngineTest::pairRecoversExactlyTheEdits()
{
    QFETCH(int, seed);
    QFETCH(int, edits);
    const QImage photo = photoLike(kPhotoW, kPhotoH, std::uint32_t(seed));
    const QByteArray originalJpeg = jpegBytes(photo);
    // As an image editor would: open the JPEG, paint, save as JPEG again.
    QImage edited = decode(originalJpeg);
    std::vector<QPoint> centres; // in level pixels
    for (int i = 0; i < edits; ++i) {
        const QPoint c(40 + (i % 4) * 80, 40 + (i / 4) * 120 + (i % 2) * 30);
        centres.push_back(c);
        paintEdit(edited, c * 2, 12, i);
    }
    const Draft d = findDifferences(levelOf(decode(originalJpeg)), levelOf(decode(jpegBytes(edited))));
    QCOMPARE(int(d.diffs.size()), edits);
    for (const QPoint& c : centres) {
        const auto hit = std::find_if(d.diffs.begin(), d.diffs.end(), [&](const Difference& x) {
            return std::abs(x.point.x() - c.x()) <= 3 && std::abs(x.point.y() - c.y()) <= 3;
        });
        QVERIFY2(hit != d.diffs.end(), qPrintable(QStringLiteral("no difference within 3 px of (%1, %2)").arg(c.x()).arg(c.y())));
        QVERIFY(hit->clickable);
    }
    QString problem;
    const QByteArray rec = encodeDraft(d, &problem);
    QVERIFY2(!rec.isEmpty(), qPrintable(problem));
}

void EditorEngineTest::jpegNoiseAloneIsNoDifference()
{
    for (std::uint32_t seed : {21u, 22u, 23u}) {
        const QByteArray once = jpegBytes(photoLike(kPhotoW, kPhotoH, seed));
        const QByteArray twice = jpegBytes(decode(once), 85); // opened and saved again, nothing painted
        const Draft d = findDifferences(levelOf(decode(once)), levelOf(decode(twice)));
        QCOMPARE(int(d.diffs.size()), 0);
        QString problem;
        QVERIFY(encodeDraft(d, &problem).isEmpty());
        QVERIFY(!problem.isEmpty());
    }
}

void EditorEngineTest::anOversizedEditIsFlagged()
{
    const QImage photo = photoLike(kPhotoW, kPhotoH, 31);
    QImage edited = photo;
    paintEdit(edited, QPoint(300, 400), 40, 0); // 40 level pixels across: bigger than the square
    const Draft d = findDifferences(levelOf(photo), levelOf(edited));
    QCOMPARE(int(d.diffs.size()), 1);
    QVERIFY(!d.diffs[0].clickable);
    QString problem;
    QVERIFY(encodeDraft(d, &problem).isEmpty());
    QVERIFY2(problem.contains(QString::fromUtf8("kattintási négyzet")), qPrintable(problem));
}

void EditorEngineTest::autoLevelsPassTheValidatorAndAreClickable()
{
    const QImage photo = decode(jpegBytes(photoLike(900, 1200, 41)));
    Draft base;
    base.left = levelOf(photo);
    for (int seed = 1; seed <= 20; ++seed) {
        Draft d = base;
        QString why;
        const int count = 5 + seed % 11;
        QVERIFY2(makeDifferences(d, count, std::uint64_t(seed), &why), qPrintable(why));
        QCOMPARE(int(d.diffs.size()), count);
        const QByteArray rec = encodeDraft(d, &why);
        QVERIFY2(!rec.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(why)));
        const levelgen::Report r = levelgen::validateLevel(rec);
        QVERIFY2(r.ok(), qPrintable(r.messages.join("; ")));
        std::vector<QPoint> points;
        for (const Difference& x : d.diffs) {
            points.push_back(x.point);
            const levelgen::DiffCheck s = measure(d.left, d.right, clickSquare(x.point)).check;
            QVERIFY2(s.noticeable >= 40, qPrintable(QStringLiteral("seed %1 %2: %3 px of dE >= 12").arg(seed).arg(x.kind).arg(s.noticeable)));
            QVERIFY2(s.seenColourBlind(), qPrintable(QStringLiteral("seed %1 %2: protan %3, deutan %4 px").arg(seed).arg(x.kind).arg(s.protan).arg(s.deutan)));
        }
        const QString fault = clickabilityFault(r.left, r.right, points);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
    }
}

void EditorEngineTest::autoIsRepeatableBySeed()
{
    Draft a, b, c;
    a.left = levelOf(photoLike(700, 700, 51));
    b.left = a.left.clone();
    c.left = a.left.clone();
    QString why;
    QVERIFY(makeDifferences(a, 9, 77, &why));
    QVERIFY(makeDifferences(b, 9, 77, &why));
    QVERIFY(makeDifferences(c, 9, 78, &why));
    QCOMPARE(differenceLines(a), differenceLines(b));
    QVERIFY(cv::norm(a.right, b.right, cv::NORM_INF) == 0);
    QVERIFY(differenceLines(a) != differenceLines(c));
}

void EditorEngineTest::rerollAndRemoveKeepTheRest()
{
    Draft d;
    d.left = levelOf(photoLike(708, 964, 61));
    QString why;
    QVERIFY(makeDifferences(d, 6, 5, &why));
    const std::vector<Difference> before = d.diffs;
    QVERIFY2(rerollDifference(d, 2, 999, &why), qPrintable(why));
    QCOMPARE(int(d.diffs.size()), 6);
    for (int k : {0, 1, 3, 4, 5})
        QCOMPARE(d.diffs[size_t(k)].point, before[size_t(k)].point);
    QVERIFY(d.diffs[2].point != before[2].point);
    // The old spot is the photo again.
    const ChangeStats old = measure(d.left, d.right, before[2].touched);
    QVERIFY(!before[2].touched.intersects(d.diffs[2].touched) ? old.changed == 0 : true);
    removeDifference(d, 0);
    QCOMPARE(int(d.diffs.size()), 5);
    QCOMPARE(measure(d.left, d.right, before[0].touched).changed, 0);
    QVERIFY(!encodeDraft(d, &why).isEmpty());
}

void EditorEngineTest::defaultFrameIsTheCentredLargest_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("landscape 4000x3000") << QSize(4000, 3000) << QRect(898, 0, 2203, 3000);
    QTest::newRow("portrait 3000x4000") << QSize(3000, 4000) << QRect(31, 0, 2938, 4000);
    QTest::newRow("tall 1000x3000") << QSize(1000, 3000) << QRect(0, 819, 1000, 1362);
    QTest::newRow("level size") << QSize(354, 482) << QRect(0, 0, 354, 482);
}

void EditorEngineTest::defaultFrameIsTheCentredLargest()
{
    QFETCH(QSize, photo);
    QFETCH(QRect, frame);
    QCOMPARE(defaultFrame(photo), frame);
}

void EditorEngineTest::exifOrientationIsHonoured_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QPoint>("redAt"); // the stored picture's left half is red
    QTest::newRow("1 as stored") << 1 << QSize(400, 300) << QPoint(50, 150);
    QTest::newRow("3 upside down") << 3 << QSize(400, 300) << QPoint(350, 150);
    QTest::newRow("6 turned right") << 6 << QSize(300, 400) << QPoint(150, 50);
    QTest::newRow("8 turned left") << 8 << QSize(300, 400) << QPoint(150, 350);
}

void EditorEngineTest::exifOrientationIsHonoured()
{
    QFETCH(int, orientation);
    QFETCH(QSize, shown);
    QFETCH(QPoint, redAt);
    QImage stored(400, 300, QImage::Format_RGB32);
    stored.fill(QColor(20, 40, 220));
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 200; ++x)
            stored.setPixel(x, y, qRgb(220, 30, 30));
    // A camera's EXIF block with one tag, the orientation, right after the start marker.
    QByteArray exif = QByteArray::fromHex("FFE10022") + QByteArray("Exif\0\0", 6) + QByteArray::fromHex("49492A0008000000")
                      + QByteArray::fromHex("0100120103000100000000000000") + QByteArray(4, '\0');
    exif[4 + 6 + 8 + 2 + 8] = char(orientation);
    const QByteArray jpeg = jpegBytes(stored, 90);
    QTemporaryDir dir;
    const QString path = dir.filePath("camera.jpg");
    QVERIFY(writeBytes(path, jpeg.left(2) + exif + jpeg.mid(2)));
    const Photo p = loadPhoto(path);
    QVERIFY2(p.ok(), qPrintable(p.error));
    QCOMPARE(p.image.size(), shown);
    QVERIFY(qRed(p.image.pixel(redAt)) > 180 && qBlue(p.image.pixel(redAt)) < 80);
}

void EditorEngineTest::smallObjectsFillTheirBox_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("darkDetail"); // black spots or dark thread holes inside
    QTest::addColumn<int>("minOpaque");   // a slim bird or a flower on its stem covers less
    QTest::newRow("bird") << int(SmallObject::Bird) << QColor(40, 60, 200) << false << 15;
    QTest::newRow("butterfly") << int(SmallObject::Butterfly) << QColor(230, 120, 20) << false << 60;
    QTest::newRow("flower") << int(SmallObject::Flower) << QColor(220, 40, 120) << false << 30;
    QTest::newRow("fruit") << int(SmallObject::Fruit) << QColor(200, 30, 30) << false << 60;
    QTest::newRow("ladybird") << int(SmallObject::Ladybird) << QColor(215, 30, 20) << true << 120;
    QTest::newRow("button, pale") << int(SmallObject::Button) << QColor(230, 220, 190) << true << 160;
}

void EditorEngineTest::smallObjectsFillTheirBox()
{
    QFETCH(int, kind);
    QFETCH(QColor, colour);
    QFETCH(bool, darkDetail);
    QFETCH(int, minOpaque);
    const int side = 18;
    for (std::uint32_t seed : {1u, 2u, 7u}) {
        const QImage img = paintSmallObject(SmallObject(kind), side, colour, seed);
        QCOMPARE(img.size(), QSize(side, side));
        int opaque = 0, dark = 0;
        QRect box;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb px = img.pixel(x, y);
                if (qAlpha(px) < 128)
                    continue;
                ++opaque;
                box |= QRect(x, y, 1, 1);
                // Detail at half the body's brightness or darker.
                dark += qRed(px) + qGreen(px) + qBlue(px) < std::max(150, (colour.red() + colour.green() + colour.blue()) / 2);
            }
        // Big enough to be a difference, and drawn to the size asked.
        QVERIFY2(opaque >= minOpaque, qPrintable(QStringLiteral("seed %1: %2 opaque px").arg(seed).arg(opaque)));
        QVERIFY2(box.width() >= side * 2 / 3 || box.height() >= side * 2 / 3, qPrintable(QStringLiteral("seed %1: drawn %2 x %3").arg(seed).arg(box.width()).arg(box.height())));
        if (darkDetail)
            QVERIFY2(dark >= 4, qPrintable(QStringLiteral("seed %1: %2 dark px").arg(seed).arg(dark)));
    }
}

QTEST_MAIN(EditorEngineTest)
#include "tst_editor_engine.moc"
