// Loading a level: files read, scratch pictures written, counters, clock and
// caption set; failures reported without breaking the game.
#include "support/appwindows.h"
#include "game/gamewindow.h"
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

class GameWindowLoadTest : public QObject {
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
        QCOMPARE(gameWindow()->levelNumber->text(), QString::number(level));
        QCOMPARE(gameWindow()->levelNumberShadow->text(), QString::number(level));
        QCOMPARE(gameWindow()->remainingLabel->text(), QStringLiteral("4"));
        QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - %1. szint, 1. próbálkozás (Játékos: Anna)").arg(level));
    }

    void loadWritesBothScratchPicturesByteForByte()
    {
        GameSession s;
        const QString dat = testsupport::writeTestLevel(s.dir.path(), 1, testsupport::spreadPoints(3));
        s.start();
        const QByteArray rec = fileBytes(dat);
        QCOMPARE(fileBytes(s.dir.file("BAL.BMP")), rec.mid(0, 512902));
        QCOMPARE(fileBytes(s.dir.file("JOBB.BMP")), rec.mid(512902, 512902));
        QCOMPARE(gameWindow()->leftPicture->picture().size(), QSize(354, 482));
        QVERIFY(gameWindow()->leftPicture->isVisible());
        // Shown as the scratch files read: each picture on its side, upright.
        auto asRgb = [](const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); };
        QCOMPARE(asRgb(gameWindow()->leftPicture->picture().toImage()), asRgb(QImage::fromData(rec.mid(0, 512902), "BMP")));
        QCOMPARE(asRgb(gameWindow()->rightPicture->picture().toImage()), asRgb(QImage::fromData(rec.mid(512902, 512902), "BMP")));
        // A retry writes them again and counts the next attempt.
        QFile::remove(s.dir.file("BAL.BMP"));
        resize(s.dir.file("JOBB.BMP"), 10);
        gameWindow()->clearRegions();
        gameWindow()->loadLevel(1);
        QCOMPARE(QFileInfo(s.dir.file("BAL.BMP")).size(), 512902);
        QCOMPARE(QFileInfo(s.dir.file("JOBB.BMP")).size(), 512902);
        QVERIFY(gameWindow()->windowTitle().contains(QString::fromUtf8("2. próbálkozás")));
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
        gameWindow()->clockLabel->setText("07:07");
        s.start();
        QCOMPARE(gameWindow()->round.timeLeft(), diffs * 10);
        QCOMPARE(gameWindow()->timeBar->maxValue(), diffs * 10);
        QCOMPARE(gameWindow()->timeBar->progress(), diffs * 10);
        QVERIFY(gameWindow()->round.clockRunning());
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("07:07")); // until the first tick
        QCOMPARE(gameWindow()->round.foundCount(), 0);
        QCOMPARE(int(gameWindow()->round.paused()), 0);
        QVERIFY(s.sounds().contains("palya_kezd"));
    }

    void missingLevelShowsTheBoxAndKeepsThePreviousLevel()
    {
        GameSession s;
        s.writeLevel(1, 3);
        s.start();
        const QImage before = gameWindow()->leftPicture->picture().toImage();
        const QByteArray scratch = fileBytes(s.dir.file("BAL.BMP"));
        gameWindow()->clearRegions();
        gameWindow()->loadLevel(2);
        QCOMPARE(s.messages.list.size(), 1);
        QCOMPARE(s.messages.list[0].text, kMissing);
        QCOMPARE(s.messages.list[0].title, QString::fromUtf8("Fájlbetöltési hiba"));
        QCOMPARE(s.messages.list[0].icon, platform::MsgIcon::Error);
        QVERIFY(!gameWindow()->round.clockRunning());
        QVERIFY(!gameWindow()->regionsBuilt());
        QCOMPARE(gameWindow()->windowTitle(), QString::fromUtf8("Kovra 2 - 2. szint, 2. próbálkozás (Játékos: Anna)"));
        QCOMPARE(gameWindow()->leftPicture->picture().toImage(), before);
        QCOMPARE(fileBytes(s.dir.file("BAL.BMP")), scratch);
        QCOMPARE(s.sounds().count("palya_kezd"), 2);
        // Time passing changes nothing: no tick follows a failed load.
        s.advance(5000);
        QCOMPARE(gameWindow()->clockLabel->text(), QStringLiteral("00:00"));
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
        QVERIFY(!gameWindow()->regionsBuilt());
        QVERIFY(!gameWindow()->round.clockRunning());
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
        QCOMPARE(gameWindow()->regionsBuilt(), loads);
        if (loads) {
            QVERIFY(s.messages.list.isEmpty());
        } else {
            QCOMPARE(s.messages.texts(), QStringList{"Read beyond end of file."});
            QCOMPARE(int(gameWindow()->roundState.attempts), 0); // the load was abandoned
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
        QVERIFY(!gameWindow()->regionsBuilt());
    }

    void scratchFileThatCannotBeWrittenIsReported()
    {
        GameSession s;
        s.writeLevel(1, 2);
        QDir(s.dir.path()).mkdir("JOBB.BMP"); // a folder where the picture goes
        s.start();
        QCOMPARE(s.messages.texts(), QStringList{"File access denied."});
        QVERIFY(!gameWindow()->regionsBuilt());
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
        QVERIFY(gameWindow()->regionsBuilt());
    }
};

QTEST_MAIN(GameWindowLoadTest)
#include "tst_gamewindow_load.moc"
