// Loading a level: files read, scratch pictures written, counters, clock and
// caption set; failures reported without breaking the game.
#include "game/uMain.h"
#include "platform/gauge.h"
#include "platform/image.h"
#include "platform/paths.h"
#include "platform/timer.h"
#include "support/gamesession.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>

using testsupport::GameSession;

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void resize(const QString& path, qint64 size)
{
    QFile f(path);
    QVERIFY(f.resize(size));
}
const QString kMissing = QString::fromUtf8("A következő pályát nem lehet betölteni.");
} // namespace

class MainLoadTest : public QObject {
    Q_OBJECT
private slots:
    void levelNumberNamesTheFileAndTheLabels_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("7") << 7;
        QTest::newRow("42") << 42;
        QTest::newRow("100") << 100;
    }
    void levelNumberNamesTheFileAndTheLabels()
    {
        QFETCH(int, level);
        GameSession s;
        s.writeLevel(level, 4);
        s.start({.level = level});
        QVERIFY(s.messages.list.isEmpty());
        QCOMPARE(Form1->Label10->text(), QString::number(level));
        QCOMPARE(Form1->Label9->text(), QString::number(level));
        QCOMPARE(Form1->lblkulonbseg->text(), QStringLiteral("4"));
        QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - %1. szint, 1. próbálkozás (Játékos: Anna)").arg(level));
    }

    void loadWritesBothScratchPicturesByteForByte()
    {
        GameSession s;
        const QString dat = testsupport::writeTestLevel(s.dir.path(), 1, testsupport::spreadPoints(3));
        s.start();
        const QByteArray rec = fileBytes(dat);
        QCOMPARE(fileBytes(s.dir.file("BAL.BMP")), rec.mid(0, 512902));
        QCOMPARE(fileBytes(s.dir.file("JOBB.BMP")), rec.mid(512902, 512902));
        QCOMPARE(Form1->balkep->picture().size(), QSize(354, 482));
        QVERIFY(Form1->balkep->isVisible());
        // Shown as the scratch files read: each picture on its side, upright.
        auto asRgb = [](const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); };
        QCOMPARE(asRgb(Form1->balkep->picture().toImage()), asRgb(QImage::fromData(rec.mid(0, 512902), "BMP")));
        QCOMPARE(asRgb(Form1->jobbkep->picture().toImage()), asRgb(QImage::fromData(rec.mid(512902, 512902), "BMP")));
        // A retry writes them again and counts the next attempt.
        QFile::remove(s.dir.file("BAL.BMP"));
        resize(s.dir.file("JOBB.BMP"), 10);
        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(1);
        QCOMPARE(QFileInfo(s.dir.file("BAL.BMP")).size(), 512902);
        QCOMPARE(QFileInfo(s.dir.file("JOBB.BMP")).size(), 512902);
        QVERIFY(Form1->windowTitle().contains(QString::fromUtf8("2. próbálkozás")));
    }

    void clockGetsTenSecondsPerDifference_data()
    {
        QTest::addColumn<int>("diffs");
        QTest::newRow("1") << 1;
        QTest::newRow("10") << 10;
        QTest::newRow("25") << 25;
    }
    void clockGetsTenSecondsPerDifference()
    {
        QFETCH(int, diffs);
        GameSession s;
        s.writeLevel(1, diffs);
        Form1->lblora->setText("07:07");
        s.start();
        QCOMPARE(int(Form1->rs.timeLeft), diffs * 10);
        QCOMPARE(Form1->Gauge1->maxValue(), diffs * 10);
        QCOMPARE(Form1->Gauge1->progress(), diffs * 10);
        QVERIFY(Form1->Timer1->enabled());
        QCOMPARE(Form1->lblora->text(), QStringLiteral("07:07")); // until the first tick
        QCOMPARE(int(Form1->rs.foundCount), 0);
        QCOMPARE(int(Form1->rs.paused), 0);
        QVERIFY(s.sounds().contains("palya_kezd"));
    }

    void missingLevelShowsTheBoxAndKeepsThePreviousLevel()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start();
        const QImage before = Form1->balkep->picture().toImage();
        const QByteArray scratch = fileBytes(s.dir.file("BAL.BMP"));
        Form1->AlakzatLebontas();
        Form1->SzintFeltolt(2);
        QCOMPARE(s.messages.list.size(), 1);
        QCOMPARE(s.messages.list[0].text, kMissing);
        QCOMPARE(s.messages.list[0].title, QString::fromUtf8("Fájlbetöltési hiba"));
        QCOMPARE(s.messages.list[0].icon, platform::MsgIcon::Error);
        QVERIFY(!Form1->Timer1->enabled());
        QVERIFY(!Form1->regionsBuilt());
        QCOMPARE(Form1->windowTitle(), QString::fromUtf8("Kovra 2 - 2. szint, 2. próbálkozás (Játékos: Anna)"));
        QCOMPARE(Form1->balkep->picture().toImage(), before);
        QCOMPARE(fileBytes(s.dir.file("BAL.BMP")), scratch);
        QCOMPARE(s.sounds().count("palya_kezd"), 2);
        // Time passing changes nothing: no tick follows a failed load.
        s.advance(5000);
        QCOMPARE(Form1->lblora->text(), QStringLiteral("00:00"));
    }

    void unplayableDifferenceCountIsTreatedAsMissing_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("26") << 26;
        QTest::newRow("255") << 255;
    }
    void unplayableDifferenceCountIsTreatedAsMissing()
    {
        QFETCH(int, count);
        GameSession s;
        const QString dat = testsupport::writeTestLevel(s.dir.path(), 1, testsupport::spreadPoints(2));
        QFile f(dat);
        f.open(QIODevice::ReadWrite);
        f.seek(1025804);
        f.putChar(char(count));
        f.close();
        s.start();
        QCOMPARE(s.messages.texts(), QStringList{kMissing});
        QVERIFY(!Form1->regionsBuilt());
        QVERIFY(!Form1->Timer1->enabled());
        QVERIFY(!QFile::exists(s.dir.file("BAL.BMP")));
    }

    void fileSizeDecidesWhetherTheRecordLoads_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("loads");
        QTest::newRow("one byte short") << qint64(1025915) << false;
        QTest::newRow("exact") << qint64(1025916) << true;
        QTest::newRow("longer") << qint64(1030000) << true;
    }
    void fileSizeDecidesWhetherTheRecordLoads()
    {
        QFETCH(qint64, size);
        QFETCH(bool, loads);
        GameSession s;
        const QString dat = testsupport::writeTestLevel(s.dir.path(), 1, testsupport::spreadPoints(2));
        resize(dat, size);
        s.start();
        QCOMPARE(Form1->regionsBuilt(), loads);
        if (loads) {
            QVERIFY(s.messages.list.isEmpty());
        } else {
            QCOMPARE(s.messages.texts(), QStringList{"Read beyond end of file."});
            QCOMPARE(int(Form1->rs.attempts), 0); // the load was abandoned
        }
    }

    void pictureThatIsNoBmpIsReportedAndAbandoned()
    {
        GameSession s;
        const QString dat = testsupport::writeTestLevel(s.dir.path(), 1, testsupport::spreadPoints(2));
        QFile f(dat);
        f.open(QIODevice::ReadWrite);
        f.write(QByteArray(512902, 'x'));
        f.close();
        s.start();
        QCOMPARE(s.messages.list.size(), 1);
        QCOMPARE(s.messages.list[0].title, QStringLiteral("Kovra 2"));
        QVERIFY(!Form1->regionsBuilt());
    }

    void scratchFileThatCannotBeWrittenIsReported()
    {
        GameSession s;
        s.writeLevel(1, 2);
        QDir(s.dir.path()).mkdir("JOBB.BMP"); // a folder where the picture goes
        s.start();
        QCOMPARE(s.messages.texts(), QStringList{"File access denied."});
        QVERIFY(!Form1->regionsBuilt());
    }

    void levelFolderCopiedWithOtherCaseIsFound()
    {
        GameSession s;
        QDir(s.dir.path()).rmdir("DATA");
        const QVector<QPoint> pts = testsupport::spreadPoints(3);
        testsupport::writeTestLevel(s.dir.path(), 7, pts);
        QDir(s.dir.path()).rename("DATA", "data");
        QFile::rename(s.dir.file("data/007.DAT"), s.dir.file("data/007.dat"));
        s.start({.level = 7});
        QVERIFY(s.messages.list.isEmpty());
        QVERIFY(Form1->regionsBuilt());
    }
};

QTEST_MAIN(MainLoadTest)
#include "tst_uMain_load.moc"
