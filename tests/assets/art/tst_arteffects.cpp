// The painting helpers: shadows fall where they are cast, reliefs are lit
// from the upper left, tape lets the ground show through.
#include <QPainter>
#include <QtTest>

#include "assets/art/pixels.h"

#include "assets/art/effects.h"
#include "assets/art/noise.h"

using namespace art;

using artcheck::luma;

namespace {
QImage transparent(QSize s)
{
    QImage img(s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}


QPainterPath square(QRectF r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}
} // namespace

class TestArtEffects : public QObject {
    Q_OBJECT
private slots:
    void softShadowFallsAtItsOffsetAndFadesOut_data();
    void softShadowFallsAtItsOffsetAndFadesOut();
    void innerShadowStaysInsideAlongTheLitEdges();
    void raisedShapeIsLitFromTheUpperLeft();
    void tapeLetsTheGroundShowThrough();
};

void TestArtEffects::softShadowFallsAtItsOffsetAndFadesOut_data()
{
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<int>("radius");
    QTest::newRow("down right, soft") << QPointF(6, 9) << 8;
    QTest::newRow("straight down, tight") << QPointF(0, 4) << 2;
}

void TestArtEffects::softShadowFallsAtItsOffsetAndFadesOut()
{
    QFETCH(QPointF, offset);
    QFETCH(int, radius);
    QImage img = transparent({120, 120});
    const QRectF box(40, 40, 30, 30);
    {
        QPainter p(&img);
        softShadow(p, square(box), offset, radius, QColor(0, 0, 0, 200));
    }
    double mass = 0, mx = 0, my = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double a = qAlpha(img.pixel(x, y));
            mass += a;
            mx += a * (x + 0.5);
            my += a * (y + 0.5);
        }
    // Centred on the shape moved by the offset, and as heavy as the shape.
    QVERIFY(std::abs(mx / mass - (box.center().x() + offset.x())) < 0.6);
    QVERIFY(std::abs(my / mass - (box.center().y() + offset.y())) < 0.6);
    QVERIFY(std::abs(mass / (box.width() * box.height() * 200) - 1) < 0.03);
    // Full strength in the middle, nothing far away.
    QVERIFY(std::abs(qAlpha(img.pixel((box.center() + offset).toPoint())) - 200) <= 2);
    QCOMPARE(qAlpha(img.pixel((box.topLeft() + offset).toPoint() - QPoint(3 * radius + 3, 0))), 0);
}

void TestArtEffects::innerShadowStaysInsideAlongTheLitEdges()
{
    QImage img({100, 100}, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    const QRectF box(20, 20, 60, 60);
    {
        QPainter p(&img);
        innerShadow(p, square(box), QPointF(3, 4), 4, QColor(0, 0, 0, 180));
    }
    QCOMPARE(img.pixel(10, 10), QColor(Qt::white).rgb());
    QCOMPARE(img.pixel(90, 50), QColor(Qt::white).rgb());
    // The shadow lies inside the upper and left edges, not the lower and right.
    QVERIFY(luma(img.pixel(50, 21)) < 200);
    QVERIFY(luma(img.pixel(21, 50)) < 200);
    QVERIFY(luma(img.pixel(50, 78)) > luma(img.pixel(50, 21)) + 40);
    QVERIFY(luma(img.pixel(78, 50)) > luma(img.pixel(21, 50)) + 40);
    QVERIFY(luma(img.pixel(50, 50)) > 250);
}

void TestArtEffects::raisedShapeIsLitFromTheUpperLeft()
{
    QImage img = transparent({100, 100});
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 50), 35, 35);
    const QColor grey(128, 128, 128);
    {
        QPainter p(&img);
        raised(p, disc, grey, 4, 1.0f);
    }
    const int upperLeft = luma(img.pixel(28, 28)), lowerRight = luma(img.pixel(72, 72));
    QVERIFY2(upperLeft > 150, qPrintable(QString::number(upperLeft)));
    QVERIFY2(lowerRight < 105, qPrintable(QString::number(lowerRight)));
    QVERIFY(std::abs(luma(img.pixel(50, 50)) - 128) <= 2);
    QCOMPARE(qAlpha(img.pixel(5, 5)), 0);
}

void TestArtEffects::tapeLetsTheGroundShowThrough()
{
    QImage img({120, 80}, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(20, 40, 160));
    Rng rng(1);
    {
        QPainter p(&img);
        prepare(p);
        tapeStrip(p, QPointF(60, 40), 10, QSizeF(70, 22), rng);
    }
    const QRgb c = img.pixel(60, 40);
    // Lighter than the blue below, yet still tinted by it.
    QVERIFY(luma(c) > 100);
    QVERIFY(qBlue(c) > qRed(c) + 10);
    QCOMPARE(img.pixel(3, 3), QColor(20, 40, 160).rgb());
}

QTEST_MAIN(TestArtEffects)
#include "tst_arteffects.moc"
