// The photo edits on one thing, on scenes drawn here so that each case is
// plain: mirror and enlarge leave a thing alone when it is not alone in its
// box, a clone never cuts another thing in two, and recolour keeps lightness and
// grey and takes only a hue the photo has at that lightness.
#include "editor/edits.h"
#include "editor/things.h"
#include "tools/levelgen/rng.h"
#include "tools/levelgen/rules.h"

#include <opencv2/imgproc.hpp>
#include <QtTest>

using namespace editor;

namespace {
constexpr int kW = 354, kH = 482;
const cv::Scalar kMoss(90, 140, 110); // BGR

// A level-size picture of one even ground with sensor noise, or grain.
cv::Mat ground(const cv::Scalar& colour, double grain = 2)
{
    cv::Mat pic(kH, kW, CV_8UC3, colour);
    cv::Mat noise(pic.size(), CV_16SC3);
    cv::randn(noise, 0, grain);
    cv::Mat out;
    pic.convertTo(out, CV_16SC3);
    out += noise;
    out.convertTo(pic, CV_8UC3);
    return pic;
}

// A thing drawn as the rectangles `parts` in `colour`, and its mask.
Thing draw(cv::Mat& pic, const std::vector<cv::Rect>& parts, const cv::Scalar& colour)
{
    cv::Rect box = parts.front();
    for (const cv::Rect& r : parts)
        box |= r;
    Thing t;
    t.box = box;
    t.mask = cv::Mat(box.size(), CV_8U, cv::Scalar(0));
    for (const cv::Rect& r : parts) {
        pic(r).setTo(colour);
        t.mask(r - box.tl()).setTo(255);
    }
    t.pixels = cv::countNonZero(t.mask);
    return t;
}

// An L of 45 pixels at (170, 236): it looks different mirrored either way.
Thing drawL(cv::Mat& pic) { return draw(pic, {cv::Rect(170, 236, 9, 3), cv::Rect(170, 239, 3, 6)}, cv::Scalar(35, 40, 45)); }

// Applies `kind` to thing `t` of `left` as the maker would; `right` gets
// the result.
bool edit(EditKind kind, const cv::Mat& left, const Thing& t, cv::Mat& right, std::uint64_t seed)
{
    const Survey s = surveyPhoto(left);
    right = left.clone();
    levelgen::Rng rng(seed);
    QRect touched;
    return applyEdit(kind, s, t, left, right, rng, touched);
}

cv::Vec3f labOf(const cv::Vec3b& bgr)
{
    cv::Mat m(1, 1, CV_8UC3, cv::Scalar(bgr[0], bgr[1], bgr[2])), f;
    m.convertTo(f, CV_32FC3, 1.0 / 255);
    cv::cvtColor(f, f, cv::COLOR_BGR2Lab);
    return f.at<cv::Vec3f>(0, 0);
}
} // namespace

class EditorEditsTest : public QObject {
    Q_OBJECT
private slots:
    void mirrorAndEnlargeTakeOnlyALoneThing_data();
    void mirrorAndEnlargeTakeOnlyALoneThing();
    void aCloneCutsNoOtherThing();
    void aRemovalOnGrainKeepsTheGrain();
    void recolourKeepsLightnessAndGrey();
    void recolourTakesOnlyAHueThePhotoHasAtThatLightness();
};

void EditorEditsTest::mirrorAndEnlargeTakeOnlyALoneThing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("made");
    for (EditKind k : {EditKind::Mirror, EditKind::Enlarge}) {
        QTest::addRow("%s, alone on one ground", editName(k)) << int(k) << "alone" << true;
        QTest::addRow("%s, on the edge of two grounds", editName(k)) << int(k) << "edge" << false;
        QTest::addRow("%s, another thing in its box", editName(k)) << int(k) << "neighbour" << false;
    }
}

void EditorEditsTest::mirrorAndEnlargeTakeOnlyALoneThing()
{
    QFETCH(int, kind);
    QFETCH(QString, scene);
    QFETCH(bool, made);
    cv::Mat left = ground(kMoss);
    if (scene == "edge") // a red ground meets the moss through the thing
        left(cv::Rect(0, 0, 175, kH)) = left(cv::Rect(0, 0, 175, kH)) * 0 + cv::Scalar(50, 50, 170);
    const Thing t = drawL(left);
    if (scene == "neighbour")
        draw(left, {cv::Rect(176, 242, 6, 5)}, cv::Scalar(30, 30, 30));
    cv::Mat right;
    QCOMPARE(edit(EditKind(kind), left, t, right, 7), made);
    if (made) {
        // What changed visibly fits the click square.
        cv::Mat step;
        cv::absdiff(left, right, step);
        cv::transform(step, step, cv::Matx13f(1, 1, 1));
        const cv::Rect seen = cv::boundingRect(step > levelgen::kVisibleSum);
        QVERIFY2(seen.width > 0 && seen.width <= 20 && seen.height <= 20,
                 qPrintable(QStringLiteral("%1 x %2").arg(seen.width).arg(seen.height)));
    } else {
        QCOMPARE(cv::norm(left, right, cv::NORM_INF), 0.0);
    }
}

void EditorEditsTest::aCloneCutsNoOtherThing()
{
    // Dots every 7 pixels on the moss, but for one clear patch up and left:
    // a clone may take only from there, since anywhere else its edge would
    // run through a dot.
    cv::Mat left = ground(kMoss);
    for (int y = 180; y < 300; y += 7)
        for (int x = 110; x < 240; x += 7)
            if (!(x < 160 && y < 230) && !(x >= 165 && x < 185 && y >= 230 && y < 252))
                left(cv::Rect(x, y, 2, 2)).setTo(cv::Scalar(30, 30, 30));
    const Thing t = drawL(left);
    cv::Mat right;
    QVERIFY(edit(EditKind::Clone, left, t, right, 3));
    // Every dark dot the change reaches is whole: 2 x 2 pixels, none cut.
    cv::Mat grey, changed;
    cv::cvtColor(right, grey, cv::COLOR_BGR2GRAY);
    cv::absdiff(left, right, changed);
    cv::cvtColor(changed, changed, cv::COLOR_BGR2GRAY);
    QVERIFY(cv::countNonZero(changed > 20) > 20); // the thing is gone
    cv::Mat labels, stats, centroids;
    const int n = cv::connectedComponentsWithStats(grey < 80, labels, stats, centroids, 8, CV_32S);
    const cv::Mat reached = changed > 20;
    for (int i = 1; i < n; ++i) {
        if (!cv::countNonZero((labels == i) & reached))
            continue;
        QVERIFY2(stats.at<int>(i, cv::CC_STAT_AREA) == 4,
                 qPrintable(QStringLiteral("a dot of %1 pixels at (%2, %3)").arg(stats.at<int>(i, cv::CC_STAT_AREA))
                                .arg(stats.at<int>(i, cv::CC_STAT_LEFT)).arg(stats.at<int>(i, cv::CC_STAT_TOP))));
    }
}

void EditorEditsTest::aRemovalOnGrainKeepsTheGrain()
{
    // Gravel-like grain: the hole is filled with grain of the same
    // roughness, not smeared into a smooth patch.
    cv::Mat left = ground(kMoss, 7);
    const Thing t = drawL(left);
    cv::Mat right;
    QVERIFY(edit(EditKind::Remove, left, t, right, 2));
    const cv::Rect area(t.box.x - 6, t.box.y - 6, t.box.width + 12, t.box.height + 12);
    const cv::Mat body = maskIn(t, area, 0), ring = maskIn(t, area, 6) & ~maskIn(t, area, 3);
    cv::Mat grey;
    cv::cvtColor(right(area), grey, cv::COLOR_BGR2GRAY);
    cv::Scalar mean, bodyGrain, ringGrain;
    cv::meanStdDev(grey, mean, bodyGrain, body);
    QVERIFY2(std::abs(mean[0] - cv::mean(grey, ring)[0]) < 8, qPrintable(QStringLiteral("filled with grey %1").arg(mean[0])));
    cv::meanStdDev(grey, mean, ringGrain, ring);
    QVERIFY2(bodyGrain[0] > 0.6 * ringGrain[0],
             qPrintable(QStringLiteral("grain %1 where the ground has %2").arg(bodyGrain[0]).arg(ringGrain[0])));
}

void EditorEditsTest::recolourKeepsLightnessAndGrey()
{
    // Grey ground; the photo's hues are orange and green at one lightness.
    cv::Mat left = ground(cv::Scalar(120, 120, 120));
    left(cv::Rect(20, 20, 120, 120)).setTo(cv::Scalar(40, 120, 200));  // orange
    left(cv::Rect(200, 320, 120, 120)).setTo(cv::Scalar(60, 150, 70)); // green
    // An orange leaf with a grey fleck in it.
    const Thing t = draw(left, {cv::Rect(170, 236, 8, 8)}, cv::Scalar(40, 120, 200));
    left(cv::Rect(173, 239, 2, 2)).setTo(cv::Scalar(110, 110, 110));
    cv::Mat right;
    QVERIFY(edit(EditKind::Recolour, left, t, right, 5));
    for (int y = 236; y < 244; ++y)
        for (int x = 170; x < 178; ++x) {
            const cv::Vec3f a = labOf(left.at<cv::Vec3b>(y, x)), b = labOf(right.at<cv::Vec3b>(y, x));
            QVERIFY2(std::abs(a[0] - b[0]) < 3, qPrintable(QStringLiteral("lightness at (%1, %2): %3 -> %4").arg(x).arg(y).arg(a[0]).arg(b[0])));
            if (x >= 173 && x < 175 && y >= 239 && y < 241)
                QCOMPARE(cv::norm(a - b), 0.0); // grey stays grey
        }
    // Now green, the photo's other hue.
    const cv::Vec3f now = labOf(right.at<cv::Vec3b>(237, 171));
    const cv::Vec3f green = labOf(left.at<cv::Vec3b>(380, 260));
    const double turn = std::remainder(std::atan2(now[2], now[1]) - std::atan2(green[2], green[1]), 2 * M_PI);
    QVERIFY2(std::abs(turn) < 0.3, qPrintable(QStringLiteral("hue %1 rad from the photo's green").arg(turn)));
}

void EditorEditsTest::recolourTakesOnlyAHueThePhotoHasAtThatLightness()
{
    // The photo's only other hue is a dark green: an orange leaf turned to
    // that hue at its own lightness would be a colour the photo never shows.
    cv::Mat left = ground(cv::Scalar(120, 120, 120));
    left(cv::Rect(20, 20, 120, 120)).setTo(cv::Scalar(40, 120, 200));
    left(cv::Rect(200, 320, 120, 120)).setTo(cv::Scalar(10, 50, 15));
    const Thing t = draw(left, {cv::Rect(170, 236, 8, 8)}, cv::Scalar(40, 120, 200));
    cv::Mat right;
    QVERIFY(!edit(EditKind::Recolour, left, t, right, 5));
    QCOMPARE(cv::norm(left, right, cv::NORM_INF), 0.0);
}

QTEST_GUILESS_MAIN(EditorEditsTest)
#include "tst_editor_edits.moc"
