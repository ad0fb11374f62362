// The surfaces: paper darkens towards its edges and stays in its palette,
// wood grain runs along the board, vignettes and grain behave.
#include <QtTest>

#include "assets/art/pixels.h"

#include "assets/art/textures.h"

using namespace art;

using artcheck::luma;
using artcheck::spread;

namespace {
int toneLuma(Rgb c) { return luma(qcolor(c).rgb()); }

double meanLuma(const QImage& img, QRect r)
{
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += luma(img.pixel(x, y));
    return sum / (r.width() * r.height());
}

QImage flat(QColor c)
{
    QImage img(200, 120, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
} // namespace

class TestArtTextures : public QObject {
    Q_OBJECT
private slots:
    void paperIsDarkerAtItsEdgesThanInItsMiddle_data();
    void paperIsDarkerAtItsEdgesThanInItsMiddle();
    void woodGrainRunsAlongTheBoard_data();
    void woodGrainRunsAlongTheBoard();
    void leatherStaysDarkAndPlasterGrey();
    void vignetteDarkensTheCornersAndSparesTheMiddle();
    void grainIsAtMostAFewLevels();
};

void TestArtTextures::paperIsDarkerAtItsEdgesThanInItsMiddle_data()
{
    QTest::addColumn<bool>("aged");
    QTest::newRow("parchment") << false;
    QTest::newRow("aged parchment") << true;
}

void TestArtTextures::paperIsDarkerAtItsEdgesThanInItsMiddle()
{
    QFETCH(bool, aged);
    const PaperTone tone = aged ? agedTone() : parchmentTone();
    const QImage img = paper({300, 240}, tone, 5);
    const double edge = meanLuma(img, {0, 0, 300, 8});
    const double middle = meanLuma(img, {100, 80, 100, 80});
    QVERIFY2(middle - edge > 15, qPrintable(QStringLiteral("%1 vs %2").arg(middle).arg(edge)));
    // Never lighter than its light tone, never darker than its stains.
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3) {
            const int l = luma(img.pixel(x, y));
            QVERIFY2(l <= toneLuma(tone.light) + 12 && l >= toneLuma(tone.dark) - 45, qPrintable(QString::number(l)));
        }
}

void TestArtTextures::woodGrainRunsAlongTheBoard_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::newRow("grain down") << true;
    QTest::newRow("grain across") << false;
}

void TestArtTextures::woodGrainRunsAlongTheBoard()
{
    QFETCH(bool, vertical);
    const QImage img = wood({160, 160}, hex(0x3B2A1E), hex(0x5A3E2B), 9, vertical);
    // Neighbours along the grain are alike; across it they change.
    double along = 0, across = 0;
    for (int y = 1; y < 159; ++y)
        for (int x = 1; x < 159; ++x) {
            const int here = luma(img.pixel(x, y));
            const int down = std::abs(luma(img.pixel(x, y + 1)) - here);
            const int right = std::abs(luma(img.pixel(x + 1, y)) - here);
            along += vertical ? down : right;
            across += vertical ? right : down;
        }
    QVERIFY2(along < across * 0.6, qPrintable(QStringLiteral("%1 vs %2").arg(along).arg(across)));
}

void TestArtTextures::leatherStaysDarkAndPlasterGrey()
{
    const QImage hide = leather({160, 160}, hex(0x2E2621), hex(0x4A3B31), 3);
    const double l = meanLuma(hide, hide.rect());
    QVERIFY2(l > 25 && l < 75, qPrintable(QString::number(l)));
    const QImage wall = plaster({160, 160}, 3);
    for (int y = 0; y < 160; y += 4)
        for (int x = 0; x < 160; x += 4)
            QVERIFY(spread(wall.pixel(x, y)) < 16);
}

void TestArtTextures::vignetteDarkensTheCornersAndSparesTheMiddle()
{
    QImage img = flat(QColor(200, 180, 150));
    vignette(img, hex(0x000000), 0.8f, 0.5f, 1);
    QVERIFY(std::abs(luma(img.pixel(100, 60)) - luma(QColor(200, 180, 150).rgb())) <= 1);
    QVERIFY(luma(img.pixel(0, 0)) < 100);
    QVERIFY(luma(img.pixel(199, 119)) < 100);
    // Darker step by step towards the corner.
    QVERIFY(luma(img.pixel(30, 18)) < luma(img.pixel(60, 36)));
}

void TestArtTextures::grainIsAtMostAFewLevels()
{
    QImage img = flat(QColor(120, 120, 120));
    grain(img, 0.012f, 2);
    double sum = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QVERIFY(std::abs(qGreen(img.pixel(x, y)) - 120) <= 3);
            sum += qGreen(img.pixel(x, y));
        }
    QVERIFY(std::abs(sum / (img.width() * img.height()) - 120) < 0.3);
}

QTEST_MAIN(TestArtTextures)
#include "tst_arttextures.moc"
