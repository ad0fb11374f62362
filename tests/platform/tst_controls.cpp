// Shape, time bar, picture control and modal windows behave as the game's
// layout and flows need.
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/modal.h"
#include "platform/shape.h"
#include "support/testsupport.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

using platform::Shape;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void outlineBoxInsetsByHalfThePen_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("corner");
        QTest::newRow("region ring") << 20 << 20 << 3 << int(Shape::Circle) << QRect(1, 1, 18, 18) << 4;
        QTest::newRow("dot") << 18 << 18 << 1 << int(Shape::Circle) << QRect(0, 0, 18, 18) << 4;
        QTest::newRow("shadow ring") << 20 << 20 << 2 << int(Shape::Circle) << QRect(1, 1, 19, 19) << 4;
        QTest::newRow("differences panel") << 330 << 49 << 1 << int(Shape::RoundRect) << QRect(0, 0, 330, 49) << 12;
        QTest::newRow("help panel") << 289 << 73 << 1 << int(Shape::RoundRect) << QRect(0, 0, 289, 73) << 18;
        QTest::newRow("dot strip") << 330 << 22 << 1 << int(Shape::RoundRect) << QRect(0, 0, 330, 22) << 5;
        QTest::newRow("flashed help panel") << 289 << 73 << 4 << int(Shape::RoundRect) << QRect(2, 2, 286, 70) << 17;
    }
    void outlineBoxInsetsByHalfThePen()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, pen);
        QFETCH(int, kind);
        QFETCH(QRect, box);
        QFETCH(int, corner);
        QWidget parent;
        Shape s(&parent, Shape::Kind(kind));
        s.resize(w, h);
        s.setPenWidth(pen);
        QCOMPARE(s.outlineBox(), box);
        QCOMPARE(s.cornerSize(), corner);
    }

    void clearPenDrawsNothingButStillTakesPresses()
    {
        QWidget parent;
        parent.resize(100, 100);
        auto* s = new Shape(&parent, Shape::Circle);
        s->setGeometry(10, 10, 20, 20);
        s->setPenWidth(3);
        s->setPenColor(Qt::red);
        s->setPenStyle(Shape::Clear);
        s->setBrushStyle(Shape::Clear);
        int presses = 0;
        Qt::MouseButton last = Qt::NoButton;
        s->onMouseDown = [&](Shape*, Qt::MouseButton b) { ++presses; last = b; };
        const QImage img = s->grab().toImage();
        bool anyRed = false;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                anyRed |= img.pixelColor(x, y).red() > 200 && img.pixelColor(x, y).green() < 80;
        QVERIFY(!anyRed);
        parent.show();
        QTest::mousePress(s, Qt::RightButton, {}, QPoint(0, 0)); // a corner, outside the circle
        QCOMPARE(presses, 1);
        QCOMPARE(last, Qt::RightButton);
        parent.hide();
    }

    void solidRingIsDrawnInsideItsSquare()
    {
        QWidget parent;
        parent.setStyleSheet("background: black;");
        auto* s = new Shape(&parent, Shape::Circle);
        s->setGeometry(0, 0, 20, 20);
        s->setPenWidth(3);
        s->setPenColor(QColor(255, 0, 0));
        s->setBrushStyle(Shape::Clear);
        const QImage img = s->grab().toImage();
        auto red = [&](int x, int y) { return img.pixelColor(x, y).red() > 150; };
        QVERIFY(red(10, 1));   // top of the ring
        QVERIFY(red(1, 10));   // left
        QVERIFY(red(18, 10));  // right
        QVERIFY(!red(10, 10)); // the inside stays clear
        QVERIFY(!red(0, 0));   // the corner is outside the circle
    }

    // Outlines are drawn once and copied after: every change of look, and a
    // screen at another scale, must still show the shape as set.
    void shapeShowsEveryChangeOfLook_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : {1.0, 1.5}) {
            const QString at = QStringLiteral(" at %1").arg(ratio);
            for (const char* change : {"pen colour", "brush colour", "brush cleared", "pen cleared", "kind", "size", "pen width"})
                QTest::newRow(qPrintable(QString::fromLatin1(change) + at)) << QString::fromLatin1(change) << ratio;
        }
    }
    void shapeShowsEveryChangeOfLook()
    {
        QFETCH(QString, change);
        QFETCH(qreal, ratio);
        auto render = [ratio](Shape& s) {
            QImage out(s.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            out.setDevicePixelRatio(ratio);
            out.fill(Qt::transparent);
            s.render(&out, QPoint(), QRegion(), {});
            return out;
        };
        auto setUp = [](Shape& s) {
            s.setGeometry(0, 0, 18, 18);
            s.setPenColor(QColor(192, 162, 143));
            s.setBrushColor(Qt::white);
        };
        auto apply = [&change](Shape& s) {
            if (change == QLatin1String("pen colour"))
                s.setPenColor(Qt::red);
            else if (change == QLatin1String("brush colour"))
                s.setBrushColor(QColor(192, 162, 143));
            else if (change == QLatin1String("brush cleared"))
                s.setBrushStyle(Shape::Clear);
            else if (change == QLatin1String("pen cleared"))
                s.setPenStyle(Shape::Clear);
            else if (change == QLatin1String("kind"))
                s.setKind(Shape::RoundRect);
            else if (change == QLatin1String("size"))
                s.resize(20, 20);
            else
                s.setPenWidth(3);
        };
        QWidget parent;
        Shape reused(&parent, Shape::Circle), fresh(&parent, Shape::Circle);
        setUp(reused);
        setUp(fresh);
        const QImage before = render(reused); // draws and keeps the first look
        apply(reused);
        apply(fresh);
        const QImage after = render(reused);
        QCOMPARE(after, render(fresh));
        QVERIFY(after != before);
    }

    void gaugeFillsInWholePercentSteps_data()
    {
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("pixels");
        QTest::newRow("full") << 100 << 100 << 100 << 127;
        QTest::newRow("empty") << 100 << 0 << 0 << 0;
        QTest::newRow("249 of 250 rounds down") << 250 << 249 << 99 << 125;
        QTest::newRow("1 of 250") << 250 << 1 << 0 << 0;
        QTest::newRow("creation state") << 100 << 30 << 30 << 38;
        QTest::newRow("zero range") << 0 << 0 << 0 << 0;
    }
    void gaugeFillsInWholePercentSteps()
    {
        QFETCH(int, max);
        QFETCH(int, value);
        QFETCH(int, percent);
        QFETCH(int, pixels);
        QWidget parent;
        platform::Gauge g(&parent);
        g.resize(129, 17);
        g.setMaxValue(max);
        g.setProgress(value);
        QCOMPARE(g.percent(), percent);
        QCOMPARE(g.filledWidth(), pixels);
        const QImage img = g.grab().toImage();
        if (pixels > 0)
            QCOMPARE(img.pixelColor(pixels, 8), QColor(255, 213, 191));
        QCOMPARE(img.pixelColor(pixels + 1, 8), pixels + 1 < 128 ? QColor(192, 162, 143) : img.pixelColor(pixels + 1, 8));
    }

    // A picture that covers its control hides what is behind it, so the
    // window behind skips painting there; a smaller or see-through one must not.
    void pictureIsOpaqueOnlyWhereItCoversItsControl_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("exact") << QSize(100, 80) << false << false << true;
        QTest::newRow("larger") << QSize(120, 90) << false << false << true;
        QTest::newRow("narrower") << QSize(99, 80) << false << false << false;
        QTest::newRow("shorter") << QSize(100, 79) << false << false << false;
        QTest::newRow("see-through") << QSize(100, 80) << true << false << false;
        QTest::newRow("small, stretched") << QSize(10, 10) << false << true << true;
    }
    void pictureIsOpaqueOnlyWhereItCoversItsControl()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, alpha);
        QFETCH(bool, stretch);
        QFETCH(bool, opaque);
        platform::Image im(nullptr);
        im.resize(100, 80);
        im.setStretch(stretch);
        QPixmap pm(picture);
        pm.fill(alpha ? QColor(0, 255, 0, 128) : QColor(Qt::green));
        im.setPicture(pm);
        QCOMPARE(im.testAttribute(Qt::WA_OpaquePaintEvent), opaque);
        im.setPicture(QPixmap());
        QVERIFY(!im.testAttribute(Qt::WA_OpaquePaintEvent));
        im.setPicture(QPixmap(200, 200));
        im.resize(300, 300); // grown past its picture: seen when it shows
        im.show();
        QCOMPARE(im.testAttribute(Qt::WA_OpaquePaintEvent), stretch);
    }

    void pictureIsDrawnAtNaturalSizeAndClicksOnlyWithLeftButton()
    {
        QWidget parent;
        parent.resize(120, 120);
        auto* im = new platform::Image(&parent);
        im->setGeometry(0, 0, 100, 100);
        QPixmap pm(40, 30);
        pm.fill(Qt::green);
        im->setPicture(pm);
        int clicks = 0;
        im->onClick = [&] { ++clicks; };
        parent.show();
        QTest::mouseClick(im, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseClick(im, Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(clicks, 1);
        const QImage img = im->grab().toImage();
        QCOMPARE(img.pixelColor(39, 29), QColor(Qt::green));
        QVERIFY(img.pixelColor(41, 31) != QColor(Qt::green));
        parent.hide();
    }

    // On a scaled screen a picture is resampled smoothly (blended greys
    // between black and white stripes); unscaled it stays pixel-exact.
    void picturesAreSmoothOnlyWhereTheScreenIsScaled_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("blended");
        QTest::newRow("100 %") << 1.0 << false;
        QTest::newRow("125 %") << 1.25 << true;
        QTest::newRow("150 %") << 1.5 << true;
        QTest::newRow("200 %") << 2.0 << true;
    }
    void picturesAreSmoothOnlyWhereTheScreenIsScaled()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, blended);
        QImage stripes(20, 20, QImage::Format_RGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                stripes.setPixelColor(x, y, x % 2 ? Qt::white : Qt::black);
        platform::Image im(nullptr);
        im.resize(20, 20);
        im.setPicture(QPixmap::fromImage(stripes));
        QImage out(QSize(20, 20) * ratio, QImage::Format_RGB32);
        out.setDevicePixelRatio(ratio);
        out.fill(Qt::red);
        im.render(&out, QPoint(), QRegion(), {});
        int greys = 0;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QColor c = out.pixelColor(x, y);
                QVERIFY2(c.red() == c.green(), "picture does not cover its control");
                greys += c.red() > 40 && c.red() < 215;
            }
        QCOMPARE(greys > 0, blended);
    }

    void scriptedModalRecordsTheWindowAndReturnsTheChosenResult()
    {
        testsupport::ModalLog modals;
        QDialog d;
        d.setObjectName("TimeUpDialog");
        bool shownDuringScript = false;
        modals.answer = [&](QWidget* w) {
            shownDuringScript = w->isVisible();
            return int(platform::mrOk);
        };
        QCOMPARE(platform::showModal(&d), int(platform::mrOk));
        QCOMPARE(modals.shown, QStringList{"TimeUpDialog"});
        QVERIFY(shownDuringScript);
        QVERIFY(!d.isVisible());
    }

    void scriptThatPressesAButtonGetsThatButtonsResult()
    {
        testsupport::ModalLog modals;
        QDialog d;
        auto* cancel = new QPushButton("Mégsem", &d);
        connect(cancel, &QPushButton::clicked, &d, &QDialog::reject);
        modals.answer = [&](QWidget*) {
            cancel->click();
            return d.result() == QDialog::Accepted ? int(platform::mrOk) : int(platform::mrCancel);
        };
        QCOMPARE(platform::showModal(&d), int(platform::mrCancel));
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
