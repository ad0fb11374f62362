// The generator's randomness: reproducible choices, bounded and continuous
// noise, and dithered quantisation that leaves no bands.
#include <QtTest>
#include <cmath>
#include <set>

#include "assets/art/noise.h"
#include "assets/art/shading.h"

using namespace art;

class TestArtNoise : public QObject {
    Q_OBJECT
private slots:
    void rngRepeatsForASeedAndDiffersBetweenSeeds();
    void rngStaysWithinItsBounds();
    void noiseStaysInUnitRangeAndIsContinuous_data();
    void noiseStaysInUnitRangeAndIsContinuous();
    void valueNoiseTakesTheLatticeValuesAtIntegers();
    void worleyNearestIsNoFartherThanSecond();
    void fieldReproducesLinearFunctionsAndClampsAtItsEdges();
    void ditherAveragesToTheExactLevel();
};

void TestArtNoise::rngRepeatsForASeedAndDiffersBetweenSeeds()
{
    Rng a(42), b(42), c(43);
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        const uint64_t va = a.next();
        QCOMPARE(va, b.next());
        same += va == c.next();
    }
    QCOMPARE(same, 0);
}

void TestArtNoise::rngStaysWithinItsBounds()
{
    Rng r(7);
    std::set<int> seen;
    double lo = 1, hi = 0;
    for (int i = 0; i < 2000; ++i) {
        const double u = r.uniform();
        QVERIFY(u >= 0 && u < 1);
        lo = std::min(lo, u);
        hi = std::max(hi, u);
        const double x = r.range(-3, 5);
        QVERIFY(x >= -3 && x < 5);
        const int k = r.below(7);
        QVERIFY(k >= 0 && k < 7);
        seen.insert(k);
    }
    QCOMPARE(int(seen.size()), 7);
    QVERIFY(lo < 0.01 && hi > 0.99);
    QCOMPARE(r.below(0), 0);
}

void TestArtNoise::noiseStaysInUnitRangeAndIsContinuous_data()
{
    QTest::addColumn<int>("octaves"); // 0: plain value noise
    QTest::newRow("value noise") << 0;
    QTest::newRow("fbm 1 octave") << 1;
    QTest::newRow("fbm 5 octaves") << 5;
}

void TestArtNoise::noiseStaysInUnitRangeAndIsContinuous()
{
    QFETCH(int, octaves);
    auto noise = [&](float x, float y) { return octaves ? fbm(x, y, octaves, 99) : valueNoise(x, y, 99); };
    float lo = 1, hi = 0, jump = 0;
    for (float y = -20; y < 20; y += 0.37f)
        for (float x = -20; x < 20; x += 0.41f) {
            const float v = noise(x, y);
            QVERIFY2(v >= 0 && v <= 1, qPrintable(QString::number(v)));
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            jump = std::max(jump, std::abs(noise(x + 0.002f, y + 0.002f) - v));
        }
    // Varied, yet without steps: a tiny move changes the value a tiny bit.
    QVERIFY2(hi - lo > 0.4f, qPrintable(QString::number(hi - lo)));
    QVERIFY2(jump < 0.05f, qPrintable(QString::number(jump)));
}

void TestArtNoise::valueNoiseTakesTheLatticeValuesAtIntegers()
{
    for (int y = -3; y < 3; ++y)
        for (int x = -3; x < 3; ++x)
            QCOMPARE(valueNoise(float(x), float(y), 5), hash01(x, y, 5));
}

void TestArtNoise::worleyNearestIsNoFartherThanSecond()
{
    for (float y = 0; y < 10; y += 0.53f)
        for (float x = 0; x < 10; x += 0.47f) {
            const Cells c = worley(x, y, 3);
            QVERIFY(c.f1 <= c.f2);
            // Every point has a feature point in its own or a neighbouring cell.
            QVERIFY(c.f1 < 1.5f);
        }
}

void TestArtNoise::fieldReproducesLinearFunctionsAndClampsAtItsEdges()
{
    const Field f(QSize(40, 30), 4, [](float x, float y) { return 2 * x + 3 * y; });
    for (float y = 0; y < 30; y += 1.7f)
        for (float x = 0; x < 40; x += 2.3f)
            QVERIFY(std::abs(f.at(x, y) - (2 * x + 3 * y)) < 1e-3f);
    QVERIFY(std::abs(f.at(-10, 0) - f.at(0, 0)) < 1e-3f);
}

void TestArtNoise::ditherAveragesToTheExactLevel()
{
    // A value between two 8-bit levels must come out as a mix of both, in
    // the right proportion: that is what keeps wide gradients free of bands.
    const float value = (100.0f + 0.3f) / 255.0f;
    const QImage img = shade(QSize(200, 200), 11, [&](float, float) { return Rgb{value, value, value}; });
    double sum = 0;
    std::set<int> levels;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            sum += qRed(img.pixel(x, y));
            levels.insert(qRed(img.pixel(x, y)));
        }
    const double mean = sum / (img.width() * img.height());
    QVERIFY2(std::abs(mean - 100.3) < 0.05, qPrintable(QString::number(mean)));
    QVERIFY(levels.size() >= 2 && *levels.begin() >= 99 && *levels.rbegin() <= 102);
}

QTEST_MAIN(TestArtNoise)
#include "tst_artnoise.moc"
