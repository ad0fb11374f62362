// Record files raise the runtime's messages from real failures, and the
// error box text follows the full-stop rule.
#include "platform/ioerror.h"
#include "platform/recordfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace platform;
using testsupport::raisedBy;

class RecordFileTest : public QObject {
    Q_OBJECT
private slots:
    void errorReportAddsFullStopAfterLettersAndDigits_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Disk full" << "Disk full.";
        QTest::newRow("digit") << "I/O error 5" << "I/O error 5.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("exclamation sorts before") << "Oops!" << "Oops!";
        QTest::newRow("bracket sorts before") << "Error (x)" << "Error (x)";
        QTest::newRow("question mark sorts after") << "Why?" << "Why?.";
        QTest::newRow("empty") << "" << "";
    }
    void errorReportAddsFullStopAfterLettersAndDigits()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorReportText(message), shown);
    }

    void reportIsAModalErrorBoxTitledKovra2()
    {
        testsupport::MessageLog log;
        guard([] { raiseReadBeyondEof(); });
        QCOMPARE(log.list.size(), 1);
        QCOMPARE(log.list[0].title, QStringLiteral("Kovra 2"));
        QCOMPARE(log.list[0].text, QStringLiteral("Read beyond end of file."));
        QCOMPARE(log.list[0].icon, MsgIcon::Error);
    }

    void guardStopsOnlyTheFailingHandler()
    {
        testsupport::MessageLog log;
        int after = 0;
        guard([&] {
            raiseIoError(ENOSPC);
            ++after;
        });
        guard([&] { ++after; });
        QCOMPARE(after, 1);
    }

    void missingFileIsReportedToTheCallerNotRaised()
    {
        QTemporaryDir d;
        char buf[4];
        QVERIFY(!readRecord(d.filePath("none.dat"), buf, 4));
    }

    void recordsAreReadWholeOrNotAtAll_data()
    {
        QTest::addColumn<int>("fileSize");
        QTest::addColumn<QString>("error");
        QTest::newRow("one byte short") << 483 << "Read beyond end of file";
        QTest::newRow("empty") << 0 << "Read beyond end of file";
        QTest::newRow("exact") << 484 << "";
        QTest::newRow("longer, first record read") << 600 << "";
    }
    void recordsAreReadWholeOrNotAtAll()
    {
        QFETCH(int, fileSize);
        QFETCH(QString, error);
        QTemporaryDir d;
        QFile f(d.filePath("r.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray content(fileSize, '\0');
        for (int i = 0; i < fileSize; ++i)
            content[i] = char(i * 7);
        f.write(content);
        f.close();
        QByteArray buf(484, '\x55');
        QCOMPARE(raisedBy([&] { QVERIFY(readRecord(f.fileName(), buf.data(), 484)); }), error);
        if (error.isEmpty())
            QCOMPARE(buf, content.left(484));
    }

    void realFailuresGiveTheRuntimeMessages()
    {
        QTemporaryDir d;
        QDir(d.path()).mkdir("folder");
        char buf[8] = {};
        QCOMPARE(raisedBy([&] { readRecord(d.filePath("folder"), buf, 8); }), QStringLiteral("File access denied"));
        QCOMPARE(raisedBy([&] { writeRecord(d.filePath("folder"), buf, 8); }), QStringLiteral("File access denied"));
        QCOMPARE(raisedBy([&] { writeRecordAtomic(d.filePath("folder"), buf, 8); }), QStringLiteral("File access denied"));
        QCOMPARE(raisedBy([&] { writeRecord(d.filePath("no/such/dir.dat"), buf, 8); }), QStringLiteral("File not found"));
        // A device is no file of ours: refused before a byte is written.
        QCOMPARE(raisedBy([&] { writeRecord("/dev/full", buf, 8); }), QStringLiteral("File access denied"));
    }

    void readOnlyMountDeniesWrites()
    {
        QTemporaryDir d;
        const QString mnt = d.filePath("ro");
        QDir().mkpath(mnt);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "none", mnt}) != 0)
            QSKIP("cannot mount a read-only file system here");
        char buf[4] = {1, 2, 3, 4};
        const QString plain = raisedBy([&] { writeRecord(mnt + "/x.dat", buf, 4); });
        const QString atomic = raisedBy([&] { writeRecordAtomic(mnt + "/x.dat", buf, 4); });
        QProcess::execute("umount", {mnt});
        QCOMPARE(plain, QStringLiteral("File access denied"));
        QCOMPARE(atomic, QStringLiteral("File access denied"));
    }

    void fullDiskLeavesTheOldContentWhole()
    {
        QTemporaryDir d;
        const QString mnt = d.filePath("small");
        QDir().mkpath(mnt);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "none", mnt}) != 0)
            QSKIP("cannot mount a small file system here");
        const QByteArray old(484, 'A');
        writeRecordAtomic(mnt + "/players.dat", old.constData(), old.size());
        QFile filler(mnt + "/filler");
        filler.open(QIODevice::WriteOnly);
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {}
        filler.close();
        const QByteArray fresh(484, 'B');
        const QString err = raisedBy([&] { writeRecordAtomic(mnt + "/players.dat", fresh.constData(), fresh.size()); });
        QFile back(mnt + "/players.dat");
        back.open(QIODevice::ReadOnly);
        const QByteArray kept = back.readAll();
        back.close();
        QProcess::execute("umount", {mnt});
        QCOMPARE(err, QStringLiteral("Disk full"));
        QCOMPARE(kept, old);
    }

    void atomicWriteReplacesTheWholeFile()
    {
        QTemporaryDir d;
        const QString p = d.filePath("s.dat");
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(100, 'z'));
        f.close();
        const char rec[4] = {1, 0, 1, 1};
        writeRecordAtomic(p, rec, 4);
        QFile g(p);
        g.open(QIODevice::ReadOnly);
        QCOMPARE(g.readAll(), QByteArray(rec, 4));
        QVERIFY(!QFile::exists(p + ".tmp"));
    }

    void ioMessagesForOtherErrorsCarryTheNumber()
    {
        QCOMPARE(ioErrorMessage(EIO), QStringLiteral("I/O error %1").arg(EIO));
        QCOMPARE(ioErrorMessage(ENOENT), QStringLiteral("File not found"));
    }
};

QTEST_MAIN(RecordFileTest)
#include "tst_recordfile.moc"
