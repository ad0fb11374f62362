// The level record is fixed to the byte: pictures as complete BMP files and
// the trailer at its offsets.
#include "game/levelrecord.h"
#include "game/timetext.h"

#include <QImage>
#include <QtTest>

class LevelRecordTest : public QObject {
    Q_OBJECT
private slots:
    void zeroesPadsToThreeDigits_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "000";
        QTest::newRow("5") << 5 << "005";
        QTest::newRow("9") << 9 << "009";
        QTest::newRow("10") << 10 << "010";
        QTest::newRow("42") << 42 << "042";
        QTest::newRow("99") << 99 << "099";
        QTest::newRow("100") << 100 << "100";
        QTest::newRow("255") << 255 << "255";
    }
    void zeroesPadsToThreeDigits()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(level::zeroes(std::uint8_t(n)), text);
    }

    void pictureIsA512902ByteBmpThatDecodesToTheSamePixels()
    {
        QImage img(354, 482, QImage::Format_RGB888);
        img.fill(Qt::black);
        img.setPixelColor(0, 0, QColor(10, 20, 30));        // top-left
        img.setPixelColor(353, 481, QColor(200, 100, 50));  // bottom-right
        const QByteArray bmp = level::encodeBmp24(img);
        QCOMPARE(bmp.size(), 512902);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QImage back;
        QVERIFY(back.loadFromData(bmp, "BMP"));
        QCOMPARE(back.size(), QSize(354, 482));
        QCOMPARE(back.pixelColor(0, 0), QColor(10, 20, 30));
        QCOMPARE(back.pixelColor(353, 481), QColor(200, 100, 50));
    }

    // The game's own decoder must agree with the general BMP loader on every
    // pixel (noise reaches every byte position of the rows), and leave any
    // other picture to that loader.
    void recordPicturesDecodeAsTheGeneralLoaderReadsThem()
    {
        QImage noise(level::kPictureWidth, level::kPictureHeight, QImage::Format_RGB32);
        quint32 seed = 12345;
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                noise.setPixel(x, y, 0xff000000u | (seed >> 8));
            }
        const QByteArray bmp = level::encodeBmp24(noise);
        const QImage ours = level::decodePicture(bmp.constData(), bmp.size());
        QCOMPARE(ours.format(), QImage::Format_RGB32);
        QCOMPARE(ours, QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(ours, noise);
    }

    void otherPicturesAreLeftToTheGeneralLoader_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no BMP magic") << 0 << QByteArray("PM");
        QTest::newRow("32 bits a pixel") << 28 << QByteArray("\x20\x00", 2);
        QTest::newRow("compressed") << 30 << QByteArray("\x01", 1);
        QTest::newRow("top-down rows") << 22 << QByteArray("\x1e\xfe\xff\xff", 4); // height -482
        QTest::newRow("wider") << 18 << QByteArray("\x63\x01", 2);
        QTest::newRow("pixels elsewhere") << 10 << QByteArray("\x36\x01", 2);
        QTest::newRow("larger header") << 14 << QByteArray("\x7c", 1);
    }
    void otherPicturesAreLeftToTheGeneralLoader()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QImage plain(level::kPictureWidth, level::kPictureHeight, QImage::Format_RGB32);
        plain.fill(Qt::darkCyan);
        QByteArray bmp = level::encodeBmp24(plain);
        QVERIFY(!level::decodePicture(bmp.constData(), bmp.size()).isNull());
        bmp.replace(offset, bytes.size(), bytes);
        QVERIFY(level::decodePicture(bmp.constData(), bmp.size()).isNull());
        QVERIFY(level::decodePicture(bmp.constData(), bmp.size() - 1).isNull());
    }

    void trailerHoldsCountPointsAndColourAtTheirOffsets()
    {
        QImage img(354, 482, QImage::Format_RGB888);
        img.fill(Qt::white);
        const QVector<QPoint> pts{{12, 34}, {300, 470}, {353, 481}};
        const QByteArray rec = level::encodeLevel(img, img, pts, QColor(0x11, 0x22, 0x33));
        QCOMPARE(rec.size(), 1025916);
        const auto* t = reinterpret_cast<const unsigned char*>(rec.constData() + 1025804);
        QCOMPARE(int(t[0]), 3);
        QCOMPARE(int(t[1]), 0);
        QCOMPARE(int(t[2] | t[3] << 8), 12);
        QCOMPARE(int(t[4] | t[5] << 8), 34);
        QCOMPARE(int(t[10] | t[11] << 8), 353);
        QCOMPARE(int(t[12] | t[13] << 8), 481);
        QCOMPARE(int(t[104]), 0x11);
        QCOMPARE(int(t[105]), 0x22);
        QCOMPARE(int(t[106]), 0x33);
        QCOMPARE(int(t[107]), 0);
        level::LevelRecord r;
        std::copy(rec.begin(), rec.end(), r.bytes.begin());
        QCOMPARE(int(r.diffCount()), 3);
        QCOMPARE(int(r.diffPoint(2).x), 300);
        QCOMPARE(int(r.diffPoint(2).y), 470);
        QCOMPARE(r.markerColor(), QColor(0x11, 0x22, 0x33));
    }

    void timeTexts_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("mmss");
        QTest::addColumn<QString>("longForm");
        QTest::newRow("zero") << 0 << "00:00" << QString::fromUtf8("0 óra, 0 perc és 0 másodperc.");
        QTest::newRow("99 s") << 99 << "01:39" << QString::fromUtf8("0 óra, 1 perc és 39 másodperc.");
        QTest::newRow("4 min") << 240 << "04:00" << QString::fromUtf8("0 óra, 4 perc és 0 másodperc.");
        QTest::newRow("7507 s") << 7507 << "125:07" << QString::fromUtf8("2 óra, 5 perc és 7 másodperc.");
        QTest::newRow("100 min 5 s") << 6005 << "100:05" << QString::fromUtf8("1 óra, 40 perc és 5 másodperc.");
    }
    void timeTexts()
    {
        QFETCH(int, seconds);
        QFETCH(QString, mmss);
        QFETCH(QString, longForm);
        QCOMPARE(timetext::mmss(seconds), mmss);
        QCOMPARE(timetext::longForm(seconds), longForm);
    }
};

QTEST_MAIN(LevelRecordTest)
#include "tst_levelrecord.moc"
