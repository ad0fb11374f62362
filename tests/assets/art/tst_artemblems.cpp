// Drawn objects: the clock shows the time it is given, the warning badge
// carries its mark, and the title fills the width it is given.
#include <QPainter>
#include <QtMath>
#include <QtTest>

#include "assets/art/pixels.h"

#include "assets/art/effects.h"
#include "assets/art/emblems.h"
#include "assets/art/title.h"

using namespace art;

using artcheck::luma;

namespace {

QImage canvas(QSize s, QColor fill = Qt::transparent)
{
    QImage img(s, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// A point at `r` from `c` in the direction of a clock minute (0 = twelve).
QPoint atMinute(QPointF c, qreal r, qreal minute)
{
    const qreal a = qDegreesToRadians(minute * 6 - 90);
    return (c + QPointF(std::cos(a), std::sin(a)) * r).toPoint();
}
} // namespace

class TestArtEmblems : public QObject {
    Q_OBJECT
private slots:
    void clockHandsShowTheTime_data();
    void clockHandsShowTheTime();
    void clockShadesItsRedMinutes();
    void warningBadgeCarriesADarkMarkOnYellow();
    void titleFillsTheWidthItIsGivenCentred_data();
    void titleFillsTheWidthItIsGivenCentred();
};

void TestArtEmblems::clockHandsShowTheTime_data()
{
    QTest::addColumn<qreal>("hour");
    QTest::addColumn<qreal>("minute");
    QTest::newRow("three o'clock") << qreal(3) << qreal(0);
    QTest::newRow("half past seven") << qreal(7) << qreal(30);
    QTest::newRow("ten past ten") << qreal(10) << qreal(10);
}

void TestArtEmblems::clockHandsShowTheTime()
{
    QFETCH(qreal, hour);
    QFETCH(qreal, minute);
    QImage img = canvas({220, 220});
    ClockLook look = gameClock();
    look.faceLight = look.faceDark = Qt::white;
    look.hour = hour;
    look.minute = minute;
    const QPointF c(110, 110);
    const qreal face = 100 * 0.8;
    {
        QPainter p(&img);
        prepare(p);
        drawClock(p, c, 100, look);
    }
    const qreal hourAt = hour * 5 + minute / 12;
    // Hands are dark where they point and nowhere else on the dial.
    QVERIFY(luma(img.pixel(atMinute(c, face * 0.4, hourAt))) < 80);
    QVERIFY(luma(img.pixel(atMinute(c, face * 0.7, minute))) < 80);
    for (qreal m : {hourAt + 15, hourAt + 30, hourAt + 45})
        if (std::abs(std::fmod(m - minute + 60, 60)) > 5)
            QVERIFY2(luma(img.pixel(atMinute(c, face * 0.4, m))) > 180, qPrintable(QString::number(m)));
}

void TestArtEmblems::clockShadesItsRedMinutes()
{
    QImage img = canvas({220, 220});
    ClockLook look = gameClock();
    look.faceLight = look.faceDark = Qt::white;
    look.hour = 6;
    look.minute = 30;
    look.redFrom = 50;
    look.redTo = 60;
    const QPointF c(110, 110);
    {
        QPainter p(&img);
        prepare(p);
        drawClock(p, c, 100, look);
    }
    const QRgb inside = img.pixel(atMinute(c, 50, 55)), outside = img.pixel(atMinute(c, 50, 20));
    QVERIFY(qRed(inside) > qGreen(inside) + 20);
    QVERIFY(std::abs(qRed(outside) - qGreen(outside)) < 8);
}

void TestArtEmblems::warningBadgeCarriesADarkMarkOnYellow()
{
    QImage img = canvas({100, 100});
    const QPointF c(50, 48);
    {
        QPainter p(&img);
        prepare(p);
        drawWarningBadge(p, c, 40);
    }
    // The bar of the mark and its dot, both dark; yellow on either side.
    QVERIFY(luma(img.pixel(50, 48 - 12)) < 80);
    QVERIFY(luma(img.pixel(50, 48 + 17)) < 80);
    for (int x : {50 - 20, 50 + 20}) {
        const QRgb side = img.pixel(x, 48);
        QVERIFY(qRed(side) > 200 && qGreen(side) > 140 && qBlue(side) < 100);
    }
}

void TestArtEmblems::titleFillsTheWidthItIsGivenCentred_data()
{
    QTest::addColumn<qreal>("width");
    QTest::newRow("about window") << qreal(290);
    QTest::newRow("start window") << qreal(330);
}

void TestArtEmblems::titleFillsTheWidthItIsGivenCentred()
{
    QFETCH(qreal, width);
    QImage img = canvas({400, 220}, QColor(0xE2C99A));
    {
        QPainter p(&img);
        prepare(p);
        drawGameTitle(p, 200, 160, width, QColor(0x6E6E6E));
    }
    // Find the ink: everything that differs from the paper.
    int left = 400, right = -1, white = 0, outline = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (c == QColor(0xE2C99A).rgb())
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            white += luma(c) > 245;
            outline += qRed(c) > qGreen(c) + 40 && luma(c) < 110 && x > 200;
        }
    const qreal inked = right - left + 1;
    QVERIFY2(std::abs(inked - width) < width * 0.08, qPrintable(QString::number(inked)));
    QVERIFY2(std::abs((left + right) / 2.0 - 200) < 8, qPrintable(QString::number((left + right) / 2.0)));
    // White capitals, and the dark red outline of the figure on the right.
    QVERIFY(white > 1000);
    QVERIFY(outline > 100);
}

QTEST_MAIN(TestArtEmblems)
#include "tst_artemblems.moc"
