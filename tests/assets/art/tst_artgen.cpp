// The window pictures: sizes, the places that must line up with controls,
// determinism, and the copies embedded in the game library.
#include <QBuffer>
#include <QFile>
#include <QPixmap>
#include <QtTest>

#include "assets/art/pixels.h"

#include "assets/art/artgen.h"

using artcheck::luma;
using artcheck::spread;

namespace {


const art::Picture& picture(const QString& name)
{
    for (const art::Picture& p : art::catalogue())
        if (QLatin1String(p.fileName) == name)
            return p;
    qFatal("no picture %s", qPrintable(name));
}

// Pixels of the one-pixel ring just inside (inset 0) or outside (inset -1) a rectangle.
QList<QPoint> ring(QRect r, int inset)
{
    r = r.adjusted(inset, inset, -inset, -inset);
    QList<QPoint> pts;
    for (int x = r.left(); x <= r.right(); ++x)
        pts << QPoint(x, r.top()) << QPoint(x, r.bottom());
    for (int y = r.top() + 1; y < r.bottom(); ++y)
        pts << QPoint(r.left(), y) << QPoint(r.right(), y);
    return pts;
}

QByteArray encoded(const QImage& img, const char* format)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format, 92);
    return bytes;
}

} // namespace

class TestArtgen : public QObject {
    Q_OBJECT
private slots:
    void everyPictureHasItsExactSize_data();
    void everyPictureHasItsExactSize();
    void mountOpeningsLieExactlyUnderTheLevelPictures_data();
    void mountOpeningsLieExactlyUnderTheLevelPictures();
    void panelStripIsPlainParchment();
    void iconsBlendIntoThePanel_data();
    void iconsBlendIntoThePanel();
    void inactiveHelpButtonIsGreyActiveIsGreen();
    void areasUnderTextsAreCalmAndLight_data();
    void areasUnderTextsAreCalmAndLight();
    void sameBytesEveryRun_data();
    void sameBytesEveryRun();
    void embeddedPicturesLoadAndMatchTheGenerator_data();
    void embeddedPicturesLoadAndMatchTheGenerator();
};

void TestArtgen::everyPictureHasItsExactSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    // The sizes the windows' layouts are built around.
    QTest::newRow("game") << "game_background.jpg" << QSize(1000, 700);
    QTest::newRow("help active") << "help_active.bmp" << QSize(60, 62);
    QTest::newRow("help inactive") << "help_inactive.bmp" << QSize(60, 62);
    QTest::newRow("clock") << "clock.bmp" << QSize(60, 54);
    QTest::newRow("warning") << "warning.bmp" << QSize(40, 40);
    QTest::newRow("pause") << "pause_banner.jpg" << QSize(400, 210);
    QTest::newRow("player") << "player_background.jpg" << QSize(600, 417);
    QTest::newRow("settings") << "settings_background.jpg" << QSize(401, 534);
    QTest::newRow("board ok") << "boardok_background.jpg" << QSize(401, 534);
    QTest::newRow("board fail") << "boardfail_background.jpg" << QSize(400, 533);
    QTest::newRow("gratula") << "gratula_background.jpg" << QSize(850, 582);
    QTest::newRow("start") << "start_background.jpg" << QSize(400, 593);
    QTest::newRow("about") << "about_background.jpg" << QSize(574, 760);
}

void TestArtgen::everyPictureHasItsExactSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(int(art::catalogue().size()), 13);
    QCOMPARE(picture(name).render().size(), size);
}

void TestArtgen::mountOpeningsLieExactlyUnderTheLevelPictures_data()
{
    QTest::addColumn<QRect>("opening");
    QTest::newRow("left") << QRect(76, 59, 354, 482);
    QTest::newRow("right") << QRect(562, 59, 354, 482);
}

void TestArtgen::mountOpeningsLieExactlyUnderTheLevelPictures()
{
    QFETCH(QRect, opening);
    static const QImage bg = art::gameBackground();
    // The outermost pixels of the opening are grey plaster or iron...
    for (const QPoint& pt : ring(opening, 0)) {
        const QRgb c = bg.pixel(pt);
        QVERIFY2(luma(c) < 190 && spread(c) < 20, qPrintable(QStringLiteral("(%1,%2) not placeholder").arg(pt.x()).arg(pt.y())));
    }
    // ...and the pixels just outside it are the white mount.
    for (const QPoint& pt : ring(opening, -1)) {
        const QRgb c = bg.pixel(pt);
        QVERIFY2(luma(c) > 205 && spread(c) < 30, qPrintable(QStringLiteral("(%1,%2) not mount").arg(pt.x()).arg(pt.y())));
    }
}

void TestArtgen::panelStripIsPlainParchment()
{
    const QImage bg = art::gameBackground();
    for (int y = art::kPanelTop; y < bg.height(); ++y)
        for (int x = 0; x < bg.width(); ++x) {
            const QRgb c = bg.pixel(x, y);
            // No dark wood, no shadow, no white card or tape: warm paper only.
            QVERIFY2(luma(c) > 100 && luma(c) < 230 && qRed(c) > qBlue(c) + 25,
                     qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
        }
}

void TestArtgen::iconsBlendIntoThePanel_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("help active") << "help_active.bmp";
    QTest::newRow("help inactive") << "help_inactive.bmp";
    QTest::newRow("clock") << "clock.bmp";
    QTest::newRow("warning") << "warning.bmp";
}

void TestArtgen::iconsBlendIntoThePanel()
{
    QFETCH(QString, name);
    const QImage icon = picture(name).render();
    const QRgb fill = art::kPanelFill;
    for (const QPoint& pt : ring(icon.rect(), 0)) {
        const QRgb c = icon.pixel(pt);
        QVERIFY2(std::abs(qRed(c) - qRed(fill)) <= 3 && std::abs(qGreen(c) - qGreen(fill)) <= 3 &&
                     std::abs(qBlue(c) - qBlue(fill)) <= 3,
                 qPrintable(QStringLiteral("(%1,%2)").arg(pt.x()).arg(pt.y())));
    }
    // Something is drawn in the middle.
    QVERIFY(icon.pixel(icon.width() / 2, icon.height() / 2) != QColor(fill).rgb());
}

void TestArtgen::inactiveHelpButtonIsGreyActiveIsGreen()
{
    const QImage on = art::helpButton(true), off = art::helpButton(false);
    int green = 0, samples = 0;
    // The face of the button: a disc around its middle.
    for (int y = 10; y < 48; ++y)
        for (int x = 10; x < 50; ++x) {
            if (std::hypot(x - 30, y - 28.5) > 20)
                continue;
            QVERIFY2(spread(off.pixel(x, y)) <= 3, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
            const QRgb c = on.pixel(x, y);
            green += qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30;
            ++samples;
        }
    // Most of the button's face is green (the rest is the white glass).
    QVERIFY2(green > samples / 2, qPrintable(QString::number(green)));
}

void TestArtgen::areasUnderTextsAreCalmAndLight_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("area");
    // Black window texts and list boxes sit on these parts of the pictures.
    QTest::newRow("player list") << "player_background.jpg" << QRect(72, 136, 297, 137);
    QTest::newRow("player buttons") << "player_background.jpg" << QRect(72, 264, 458, 42);
    QTest::newRow("player name entry") << "player_background.jpg" << QRect(56, 374, 402, 26);
    QTest::newRow("settings options") << "settings_background.jpg" << QRect(56, 160, 298, 256);
    QTest::newRow("board ok texts") << "boardok_background.jpg" << QRect(48, 256, 306, 218);
    QTest::newRow("board ok thumbnails") << "boardok_background.jpg" << QRect(210, 49, 137, 181);
    QTest::newRow("board fail texts") << "boardfail_background.jpg" << QRect(48, 256, 306, 226);
    QTest::newRow("gratula texts") << "gratula_background.jpg" << QRect(104, 192, 496, 160);
    QTest::newRow("gratula button") << "gratula_background.jpg" << QRect(104, 456, 185, 41);
    QTest::newRow("start buttons") << "start_background.jpg" << QRect(80, 232, 242, 266);
    QTest::newRow("start notices") << "start_background.jpg" << QRect(8, 575, 386, 16);
    QTest::newRow("about credits") << "about_background.jpg" << QRect(72, 136, 441, 435);
    QTest::newRow("about button") << "about_background.jpg" << QRect(256, 616, 75, 25);
}

void TestArtgen::areasUnderTextsAreCalmAndLight()
{
    QFETCH(QString, name);
    QFETCH(QRect, area);
    const QImage img = picture(name).render();
    int lo = 255, hi = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int l = luma(img.pixel(x, y));
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
    // Light enough for black text, and no drawing (high contrast) in the way.
    QVERIFY2(lo > 120, qPrintable(QStringLiteral("darkest %1").arg(lo)));
    QVERIFY2(hi - lo < 110, qPrintable(QStringLiteral("contrast %1").arg(hi - lo)));
}

void TestArtgen::sameBytesEveryRun_data()
{
    QTest::addColumn<QString>("name");
    for (const art::Picture& p : art::catalogue())
        QTest::newRow(p.fileName) << QString::fromLatin1(p.fileName);
}

void TestArtgen::sameBytesEveryRun()
{
    QFETCH(QString, name);
    const art::Picture& pic = picture(name);
    const QImage a = pic.render(), b = pic.render();
    QVERIFY(a == b);
    const char* format = name.endsWith(QLatin1String(".jpg")) ? "JPG" : "BMP";
    QCOMPARE(encoded(a, format), encoded(b, format));
}

void TestArtgen::embeddedPicturesLoadAndMatchTheGenerator_data() { sameBytesEveryRun_data(); }

void TestArtgen::embeddedPicturesLoadAndMatchTheGenerator()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(":/art/") + name;
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    const QPixmap pix(path);
    QVERIFY(!pix.isNull());
    QCOMPARE(pix.size(), picture(name).size);

    const QImage fresh = picture(name).render().convertToFormat(QImage::Format_RGB32);
    const QImage stored = pix.toImage().convertToFormat(QImage::Format_RGB32);
    if (name.endsWith(QLatin1String(".bmp"))) {
        // 24-bit Windows bitmaps, exactly what the generator draws.
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(int(uchar(bytes.at(28))) | int(uchar(bytes.at(29))) << 8, 24);
        QVERIFY(stored == fresh);
    } else {
        QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
        // A faithful JPEG of the current generator's drawing.
        qint64 error = 0;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                error += std::abs(luma(fresh.pixel(x, y)) - luma(stored.pixel(x, y)));
        const double mean = double(error) / (fresh.width() * fresh.height());
        QVERIFY2(mean < 2.5, qPrintable(QString::number(mean)));
    }
}

QTEST_MAIN(TestArtgen)
#include "tst_artgen.moc"
