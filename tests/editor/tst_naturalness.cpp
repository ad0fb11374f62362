// The naturalness rule every made difference passes: crude edits (a flat
// disc of colour, a pasted drawing, a patch that leaves a seam) are told
// apart from edits that follow the photo (a thing taken away, a thing's
// colour turned to another of the photo's hues, a thing copied onto ground
// like its own).
#include "tools/levelgen/rng.h"
#include "tools/levelgen/rules.h"

#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {
constexpr int kSide = 48; // the crop around one difference

// Grey sky, fur-like streaks, or gravel-like grain, with a little sensor noise.
QImage ground(int kind, QRgb base, std::uint32_t seed = 7)
{
    QImage img(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const std::uint32_t h = levelgen::hash2(x, y, seed);
            double shade = int(h % 7) - 3; // noise
            if (kind == 1)
                shade += 14 * std::sin(x * 0.9 + std::sin(y * 0.2) * 3); // streaks
            else if (kind == 2)
                shade += int(h >> 8) % 31 - 15; // grain
            const auto c = [&](int v) { return std::clamp(int(v + shade), 0, 255); };
            img.setPixel(x, y, qRgb(c(qRed(base)), c(qGreen(base)), c(qBlue(base))));
        }
    return img;
}

// A small dark pebble on the ground.
QImage withPebble(const QImage& g)
{
    QImage img = g;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(qRed(g.pixel(24, 24)) / 2, qGreen(g.pixel(24, 24)) / 2, qBlue(g.pixel(24, 24)) / 2));
    p.drawPolygon(QPolygonF({QPointF(20, 21), QPointF(27, 19), QPointF(29, 24), QPointF(25, 28), QPointF(19, 26)}));
    return img;
}

// The pebble of another stretch of the same ground copied in, with two
// or three pixels of its own ground around it, feathered: as the level maker copies.
QImage pebbleCopied(const QImage& g, int kind, QRgb base)
{
    const QImage source = withPebble(ground(kind, base, 99));
    QImage img = g;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            // Distance outside the pebble's box (19..29 x 19..28), as a soft edge.
            const int out = std::max({19 - x, x - 29, 19 - y, y - 28, 0});
            const double a = out <= 2 ? 1.0 : out == 3 ? 0.5 : 0.0;
            const QRgb s = source.pixel(x, y), d = g.pixel(x, y);
            auto mix = [&](int sv, int dv) { return int(std::lround(sv * a + dv * (1 - a))); };
            img.setPixel(x, y, qRgb(mix(qRed(s), qRed(d)), mix(qGreen(s), qGreen(d)), mix(qBlue(s), qBlue(d))));
        }
    return img;
}
} // namespace

class NaturalnessTest : public QObject {
    Q_OBJECT
private slots:
    void crudeEditsAreRejected_data();
    void crudeEditsAreRejected();
    void editsThatFollowThePhotoPass_data();
    void editsThatFollowThePhotoPass();
};

void NaturalnessTest::crudeEditsAreRejected_data()
{
    QTest::addColumn<QImage>("before");
    QTest::addColumn<QImage>("after");
    QTest::addColumn<QString>("fault"); // colour, seam or disc
    {
        // A flat yellow disc in a grey sky.
        const QImage sky = ground(0, qRgb(150, 155, 160));
        QImage disc = sky;
        QPainter p(&disc);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 200, 40));
        p.drawEllipse(QPointF(24, 24), 7, 7);
        QTest::newRow("flat yellow disc in a grey sky") << sky << disc << "colour";
    }
    {
        // The same disc in the sky's own grey, a shade lighter: no colour
        // step, but a filled round disc all the same.
        const QImage sky = ground(2, qRgb(120, 120, 122));
        QImage disc = sky;
        QPainter p(&disc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(165, 165, 167));
        p.drawEllipse(QPointF(24, 24), 7, 7);
        QTest::newRow("flat grey disc on gravel") << sky << disc << "disc";
    }
    {
        // A cartoon ladybird, flat red with black spots, pasted on grass.
        const QImage grass = ground(1, qRgb(70, 120, 50));
        QImage cartoon = grass;
        QPainter p(&cartoon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(220, 30, 20));
        p.drawEllipse(QPointF(24, 24), 6, 5);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(22, 23), 1.2, 1.2);
        p.drawEllipse(QPointF(26, 25), 1.2, 1.2);
        QTest::newRow("pasted cartoon ladybird on grass") << grass << cartoon << "colour";
    }
    {
        // A square of the fur moved over by half a streak and lightened: its
        // border cuts the streaks.
        const QImage fur = ground(1, qRgb(120, 100, 80));
        QImage patched = fur;
        for (int y = 17; y < 31; ++y)
            for (int x = 17; x < 31; ++x) {
                const QRgb c = fur.pixel(x + 2, y + 9);
                patched.setPixel(x, y, qRgb(std::min(255, qRed(c) + 35), std::min(255, qGreen(c) + 35), std::min(255, qBlue(c) + 35)));
            }
        QTest::newRow("lightened patch leaves a seam in fur") << fur << patched << "seam";
    }
}

void NaturalnessTest::crudeEditsAreRejected()
{
    QFETCH(QImage, before);
    QFETCH(QImage, after);
    QFETCH(QString, fault);
    const levelgen::NaturalCheck c = levelgen::checkNatural(before, after);
    const QString figures = QStringLiteral("colour step %1, seam %2, fill %3, round %4")
                                .arg(c.colourStep).arg(c.seamRatio).arg(c.discFill).arg(c.roundness);
    QVERIFY2(!c.natural(), qPrintable(figures));
    if (fault == QLatin1String("colour"))
        QVERIFY2(c.crudeColour(), qPrintable(figures));
    else if (fault == QLatin1String("seam"))
        QVERIFY2(c.seam(), qPrintable(figures));
    else
        QVERIFY2(c.filledDisc(), qPrintable(figures));
}

void NaturalnessTest::editsThatFollowThePhotoPass_data()
{
    QTest::addColumn<QImage>("before");
    QTest::addColumn<QImage>("after");
    for (int kind : {0, 1, 2}) {
        const QImage g = ground(kind, qRgb(140, 120, 90));
        QTest::addRow("pebble taken away, ground %d", kind) << withPebble(g) << g;
    }
    // On grain like its own. (On a calm sky or along streaks the copy's
    // own ground shows as a square: the rule calls that crude, and so does
    // the eye.)
    const QImage grain = ground(2, qRgb(140, 120, 90));
    QTest::newRow("pebble copied onto gravel") << grain << pebbleCopied(grain, 2, qRgb(140, 120, 90));
    {
        // A red berry among green leaves turns ochre, as the photo's other
        // berries are; its lightness stays, as the level maker keeps it.
        const QImage leaves = ground(1, qRgb(60, 110, 45));
        QImage red = leaves, orange = leaves;
        for (QImage* img : {&red, &orange}) {
            QPainter p(img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(img == &red ? QColor(200, 50, 40) : QColor(130, 95, 10));
            p.drawPolygon(QPolygonF({QPointF(20, 20), QPointF(28, 21), QPointF(27, 27), QPointF(21, 28)}));
        }
        QTest::newRow("berry recoloured to another hue") << red << orange;
    }
}

void NaturalnessTest::editsThatFollowThePhotoPass()
{
    QFETCH(QImage, before);
    QFETCH(QImage, after);
    const levelgen::NaturalCheck c = levelgen::checkNatural(before, after);
    QVERIFY2(c.natural(), qPrintable(QStringLiteral("colour step %1, seam %2, fill %3, round %4")
                                         .arg(c.colourStep).arg(c.seamRatio).arg(c.discFill).arg(c.roundness)));
}

QTEST_MAIN(NaturalnessTest)
#include "tst_naturalness.moc"
