// Saving survives being killed at any moment: a child process saves the
// roster and the settings through the game's own windows, over and over,
// and is killed (SIGKILL) after a random short time, 500 times. Every save
// changes the file; after each kill the file must hold its old or its new
// content, whole.
#include "crashcontents.h"
#include "flowsupport.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

struct Watched {
    QString path;
    QByteArray contents[2];
    int seen[2] = {0, 0};
    int changes = 0;   // rounds after which it held the new content
    int caughtMid = 0; // rounds killed while its temporary file was written
    QByteArray last;   // the content before the round
};

} // namespace

class SaveCrashTest : public QObject {
    Q_OBJECT
private slots:
    void bothFilesAreOldOrNewAfterEveryKill();
};

void SaveCrashTest::bothFilesAreOldOrNewAfterEveryKill()
{
    QElapsedTimer took;
    took.start();
    testsupport::GameDir dir;
    Watched files[2];
    files[0].path = dir.file(QStringLiteral("players.dat"));
    files[1].path = dir.file(QStringLiteral("settings.dat"));
    for (int which = 0; which < 2; ++which) {
        files[0].contents[which] = players::encodeRoster(crashcontents::roster(which));
        files[1].contents[which] = players::encodeSettings(crashcontents::settings(which));
    }
    for (Watched& w : files) {
        QFile f(w.path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(w.contents[1]);
        w.last = w.contents[1];
    }

    QRandomGenerator rng(20260611);
    constexpr int kRounds = 500;
    for (int round = 0; round < kRounds; ++round) {
        // Each file's first save in the child writes the content it lacks.
        const auto next = [](const Watched& w) { return QString::number(w.last == w.contents[0] ? 1 : 0); };
        QProcess child;
        child.start(QStringLiteral(SAVECRASH_CHILD), {dir.path(), round % 2 ? QStringLiteral("settings") : QStringLiteral("roster"),
                                                      next(files[0]), next(files[1])});
        QVERIFY2(child.waitForReadyRead(10000), "the child did not start saving");
        // From ten microseconds to twenty milliseconds, evenly on a log
        // scale: kills land early in a first save as well as many saves on.
        const double us = 10.0 * std::pow(2000.0, rng.generateDouble());
        std::this_thread::sleep_for(std::chrono::microseconds(qint64(us)));
        child.kill(); // SIGKILL: no handler, no flush, no clean-up
        QVERIFY(child.waitForFinished(10000));
        for (Watched& w : files) {
            // A temporary file left behind was being written at the kill;
            // the next save overwrites it, but we clear it to count anew.
            const QFileInfo info(w.path);
            const QStringList temps = info.dir().entryList({info.fileName() + QStringLiteral(".tmp.*")}, QDir::Files);
            for (const QString& t : temps)
                QFile::remove(info.dir().filePath(t));
            w.caughtMid += !temps.isEmpty();
            const QByteArray now = flows::fileBytes(w.path);
            QVERIFY2(now == w.contents[0] || now == w.contents[1],
                     qPrintable(QStringLiteral("round %1: %2 holds %3 bytes of neither content")
                                    .arg(round).arg(w.path).arg(now.size())));
            ++w.seen[now == w.contents[0] ? 0 : 1];
            w.changes += now != w.last;
            w.last = now;
        }
    }
    // The kills really fell among the saves of both files.
    for (const Watched& w : files) {
        qInfo("%s: %d/%d rounds on the two contents, %d changes, %d kills mid-save", qPrintable(w.path),
              w.seen[0], w.seen[1], w.changes, w.caughtMid);
        QVERIFY(w.seen[0] > 0 && w.seen[1] > 0);
        QVERIFY(w.caughtMid > 0);
    }
    qInfo("%d kills in %lld ms", kRounds, took.elapsed());
}

QTEST_MAIN(SaveCrashTest)
#include "tst_savecrash.moc"
