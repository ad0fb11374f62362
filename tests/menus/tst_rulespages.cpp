// The rules page generator: its 256-colour reduction, the level it poses
// the game with, and the pages' plain strip under the buttons.
#include "dovescene.h"
#include "illustrations.h"
#include "pages.h"
#include "pagestyle.h"
#include "quantize.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

// A page-like picture: a soft parchment gradient with a faint wave, a flat
// panel and some dark lettering on it.
QImage pageLikePicture()
{
    QImage img(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double t = x / 319.0 + 0.08 * std::sin(y / 17.0);
            img.setPixel(x, y, qRgb(int(243 - 59 * t), int(227 - 81 * t), int(195 - 101 * t)));
        }
    QPainter p(&img);
    p.fillRect(40, 120, 240, 60, QColor(0xD2, 0xC7, 0xC1));
    p.setPen(Qt::black);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(20);
    p.setFont(f);
    p.drawText(50, 160, QStringLiteral("Segítség (1 db)"));
    return img;
}

double channelError(QRgb a, QRgb b)
{
    return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))) / 3.0;
}

} // namespace

class RulesPagesTest : public QObject {
    Q_OBJECT
private slots:
    void fewColoursArePalettedExactly_data()
    {
        QTest::addColumn<int>("colours");
        QTest::newRow("two") << 2;
        QTest::newRow("256") << 256;
    }
    void fewColoursArePalettedExactly()
    {
        QFETCH(int, colours);
        QImage img(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const int c = (y * 64 + x) % colours;
                img.setPixel(x, y, qRgb(c, 255 - c, (c * 7) & 0xFF));
            }
        const QImage out = rules::quantize(img);
        QCOMPARE(out.format(), QImage::Format_Indexed8);
        QCOMPARE(out.colorCount(), colours);
        QCOMPARE(out.convertToFormat(QImage::Format_RGB32), img);
    }

    void gradientsKeepTheirToneAndFlatColoursStayExact()
    {
        const QImage img = pageLikePicture();
        const QImage out = rules::quantize(img);
        QVERIFY(out.colorCount() <= 256);
        const QImage back = out.convertToFormat(QImage::Format_RGB32);
        // The panel and the letters' cores are exact.
        QCOMPARE(back.pixel(45, 125), img.pixel(45, 125));
        QCOMPARE(back.pixel(275, 175), img.pixel(275, 175));
        // Dithering keeps every small patch's average: seen from a step
        // back there is no banding.
        double worst = 0;
        for (int by = 0; by + 8 <= img.height(); by += 8)
            for (int bx = 0; bx + 8 <= img.width(); bx += 8) {
                double d[3] = {0, 0, 0};
                for (int y = by; y < by + 8; ++y)
                    for (int x = bx; x < bx + 8; ++x) {
                        d[0] += qRed(img.pixel(x, y)) - qRed(back.pixel(x, y));
                        d[1] += qGreen(img.pixel(x, y)) - qGreen(back.pixel(x, y));
                        d[2] += qBlue(img.pixel(x, y)) - qBlue(back.pixel(x, y));
                    }
                for (double v : d)
                    worst = std::max(worst, std::abs(v) / 64);
            }
        QVERIFY2(worst < 1.5, qPrintable(QString::number(worst)));
    }

    void theDoveLevelDiffersOnlyAtItsMarkedPoints()
    {
        const rules::LevelScene scene = rules::doveScene();
        QCOMPARE(scene.left.size(), QSize(354, 482));
        QCOMPARE(scene.right.size(), QSize(354, 482));
        QVERIFY(scene.points.size() >= 8); // the clock shows 01:12, so 80 seconds or more
        QVector<int> changedNear(scene.points.size(), 0);
        for (int y = 0; y < 482; ++y)
            for (int x = 0; x < 354; ++x) {
                if (channelError(scene.left.pixel(x, y), scene.right.pixel(x, y)) < 8)
                    continue;
                int nearest = -1;
                for (int k = 0; k < scene.points.size(); ++k) {
                    const QPoint d = scene.points[k] - QPoint(x, y);
                    if (std::max(std::abs(d.x()), std::abs(d.y())) <= 28) // a cloud is wider than a ring
                        nearest = k;
                }
                QVERIFY2(nearest >= 0, qPrintable(QStringLiteral("unmarked difference at %1,%2").arg(x).arg(y)));
                const QPoint d = scene.points[nearest] - QPoint(x, y);
                if (std::max(std::abs(d.x()), std::abs(d.y())) <= 10)
                    ++changedNear[nearest];
            }
        // A click on each region lands on a real difference.
        for (int k = 0; k < scene.points.size(); ++k)
            QVERIFY2(changedNear[k] >= 10, qPrintable(QStringLiteral("point %1").arg(k)));
    }

    void pagesKeepTheStripUnderTheButtonsPlain()
    {
        QTemporaryDir scratch;
        const rules::GameShots shots = rules::takeGameShots(scratch.path() + QLatin1Char('/'));
        QVERIFY(!shots.window.isNull());
        for (int n = 1; n <= rules::kPageCount; ++n) {
            const QImage page = rules::composePage(n, shots);
            const QImage plain = rules::pageBackground(n);
            QCOMPARE(page.size(), QSize(rules::kPageWidth, rules::kPageHeight));
            QCOMPARE(page.copy(0, rules::kPlainFrom, rules::kPageWidth, rules::kPageHeight - rules::kPlainFrom),
                     plain.copy(0, rules::kPlainFrom, rules::kPageWidth, rules::kPageHeight - rules::kPlainFrom));
            // The heading stands at the top left in the dark-red ink.
            int inked = 0;
            for (int y = 20; y < 62; ++y)
                for (int x = 30; x < 130; ++x)
                    inked += channelError(page.pixel(x, y), rules::kInk.rgb()) < 20;
            QVERIFY2(inked > 150, qPrintable(QStringLiteral("page %1").arg(n)));
        }
    }
};

QTEST_MAIN(RulesPagesTest)
#include "tst_rulespages.moc"
