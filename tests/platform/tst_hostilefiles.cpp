// Record files against what may stand at their names: FIFOs, devices,
// folders, links of both kinds, leftovers of a crash; the permissions a save
// keeps and the syncs it asks for; the lock that keeps a second game off a
// folder; the executable's folder as the kernel names it.
#include "platform/gamelock.h"
#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/recordfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/testsupport.h"
#include "syscallspy.h"

#include <cstring>
#include <ctime>
#include <fcntl.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utime.h>

using namespace platform;
using testsupport::raisedBy;

namespace {

QByteArray native(const QString& p) { return QFile::encodeName(p); }

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

struct stat lstatOf(const QString& path)
{
    struct stat st = {};
    ::lstat(native(path).constData(), &st);
    return st;
}

// What stands at a name, as the tests plant it.
void plant(const QString& kind, const QString& path, const QString& elsewhere)
{
    const QByteArray p = native(path);
    if (kind == QLatin1String("FIFO")) {
        QVERIFY(::mkfifo(p.constData(), 0644) == 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QLatin1String("socket")) {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un a = {};
        a.sun_family = AF_UNIX;
        QVERIFY(size_t(p.size()) < sizeof a.sun_path);
        std::memcpy(a.sun_path, p.constData(), size_t(p.size()));
        QVERIFY(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0);
        ::close(s);
    } else if (kind == QLatin1String("dangling link")) {
        QVERIFY(::symlink(native(elsewhere + QStringLiteral("/unmounted/players.dat")).constData(), p.constData()) == 0);
    } else if (kind == QLatin1String("device")) {
        QVERIFY(::symlink("/dev/zero", p.constData()) == 0); // through a link: the device is what opens
    }
}
} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
private slots:
    void whatIsNoPlainFileIsRefusedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("read");    // the read's message, or "missing" when it says so
        QTest::addColumn<QString>("written"); // both writes' message
        QTest::addColumn<int>("type");        // what stands there afterwards (lstat)
        QTest::newRow("FIFO") << "FIFO" << "File access denied" << "File access denied" << int(S_IFIFO);
        QTest::newRow("folder") << "folder" << "File access denied" << "File access denied" << int(S_IFDIR);
        QTest::newRow("socket") << "socket" << "missing" << "File access denied" << int(S_IFSOCK);
        QTest::newRow("dangling link") << "dangling link" << "File not found" << "File access denied" << int(S_IFLNK);
        QTest::newRow("link to a device") << "device" << "File access denied" << "File access denied" << int(S_IFLNK);
    }
    void whatIsNoPlainFileIsRefusedAndLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, read);
        QFETCH(QString, written);
        QFETCH(int, type);
        QTemporaryDir d;
        const QString p = d.filePath(QStringLiteral("players.dat"));
        plant(kind, p, d.path());
        char buf[484] = {};
        const char rec[484] = {1};
        if (read == QLatin1String("missing")) {
            bool opened = true;
            QCOMPARE(raisedBy([&] { opened = readRecord(p, buf, sizeof buf); }), QString());
            QVERIFY(!opened);
        } else {
            QCOMPARE(raisedBy([&] { readRecord(p, buf, sizeof buf); }), read);
        }
        QCOMPARE(raisedBy([&] { writeRecord(p, rec, sizeof rec); }), written);
        QCOMPARE(raisedBy([&] { writeRecordAtomic(p, rec, sizeof rec); }), written);
        QCOMPARE(int(lstatOf(p).st_mode & S_IFMT), type);
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{QStringLiteral("players.dat")}); // no temporary file left
    }

    void linksAreReadThroughButNeverWrittenThrough_data()
    {
        QTest::addColumn<bool>("atomic");
        QTest::newRow("scratch picture (in place)") << false;
        QTest::newRow("roster (atomic)") << true;
    }
    void linksAreReadThroughButNeverWrittenThrough()
    {
        QFETCH(bool, atomic);
        QTemporaryDir game, elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("someone-elses.file"));
        const QByteArray theirs(484, 't');
        const QByteArray ours(484, 'o');
        put(target, theirs);
        const auto save = [&](const QString& p) {
            atomic ? writeRecordAtomic(p, ours.constData(), ours.size()) : writeRecord(p, ours.constData(), ours.size());
        };

        // A symbolic link: read through (content may be linked in), never written.
        const QString sym = game.filePath(QStringLiteral("sym.dat"));
        QVERIFY(::symlink(native(target).constData(), native(sym).constData()) == 0);
        char buf[484];
        QVERIFY(readRecord(sym, buf, sizeof buf));
        QCOMPARE(QByteArray(buf, 484), theirs);
        QCOMPARE(raisedBy([&] { save(sym); }), QStringLiteral("File access denied"));
        QCOMPARE(int(lstatOf(sym).st_mode & S_IFMT), int(S_IFLNK));

        // A hard link: this name gets a file of its own, the other keeps its bytes.
        const QString hard = game.filePath(QStringLiteral("hard.dat"));
        QVERIFY(::link(native(target).constData(), native(hard).constData()) == 0);
        save(hard);
        QCOMPARE(bytesOf(hard), ours);
        QCOMPARE(lstatOf(hard).st_nlink, nlink_t(1));
        QCOMPARE(bytesOf(target), theirs);
        QCOMPARE(lstatOf(target).st_nlink, nlink_t(1));

        // A link planted under the temporary name earlier versions used.
        if (atomic) {
            const QString real = game.filePath(QStringLiteral("players.dat"));
            QVERIFY(::symlink(native(target).constData(), native(real + QStringLiteral(".tmp")).constData()) == 0);
            for (int i = 0; i < 20; ++i)
                save(real);
            QCOMPARE(bytesOf(real), ours);
        }
        QCOMPARE(bytesOf(target), theirs);
    }

    void atomicSaveKeepsThePermissionsAndSyncs_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("0600") << 0600;
        QTest::newRow("0640") << 0640;
        QTest::newRow("0444") << 0444;
    }
    void atomicSaveKeepsThePermissionsAndSyncs()
    {
        QFETCH(int, mode);
        QTemporaryDir d;
        const QString p = d.filePath(QStringLiteral("players.dat"));
        put(p, QByteArray(484, 'a'));
        QVERIFY(::chmod(native(p).constData(), mode_t(mode)) == 0);
        const QByteArray rec(484, 'b');
        syscallspy::watch(native(d.path()));
        writeRecordAtomic(p, rec.constData(), rec.size());
        const std::vector<syscallspy::Call> calls = syscallspy::stop();
        QCOMPARE(bytesOf(p), rec);
        QCOMPARE(int(lstatOf(p).st_mode & 07777), mode);

        // What the kernel was asked: the temporary created exclusively and
        // never through a link, synced, renamed over the roster, and only
        // then the folder synced, so the new name survives a power cut.
        QString seen;
        for (const syscallspy::Call& c : calls)
            seen += QStringLiteral("%1 %2 %3; ").arg(QString::fromLatin1(c.name), QString::fromLocal8Bit(c.path), QString::fromLocal8Bit(c.to));
        const auto find = [&](std::size_t from, auto pred) {
            std::size_t i = from;
            while (i < calls.size() && !pred(calls[i]))
                ++i;
            return i;
        };
        const std::size_t created = find(0, [](const syscallspy::Call& c) {
            return c.name == "open" && c.path.startsWith("players.dat.tmp.") && (c.flags & O_CREAT);
        });
        QVERIFY2(created < calls.size(), qPrintable(seen));
        const QByteArray tmp = calls[created].path;
        QVERIFY2((calls[created].flags & (O_EXCL | O_NOFOLLOW)) == (O_EXCL | O_NOFOLLOW), qPrintable(seen));
        const std::size_t synced = find(created, [&](const syscallspy::Call& c) { return c.name == "fsync" && c.path == tmp; });
        QVERIFY2(synced < calls.size(), qPrintable(seen));
        const std::size_t renamed = find(synced, [&](const syscallspy::Call& c) {
            return c.name == "rename" && c.path == tmp && c.to == "players.dat";
        });
        QVERIFY2(renamed < calls.size(), qPrintable(seen));
        const std::size_t folderSynced = find(renamed, [](const syscallspy::Call& c) { return c.name == "fsync" && c.path == "."; });
        QVERIFY2(folderSynced < calls.size(), qPrintable(seen));
    }

    void scratchPictureIsWrittenInPlaceAndCutToSize()
    {
        QTemporaryDir d;
        const QString p = d.filePath(QStringLiteral("BAL.BMP"));
        put(p, QByteArray(600000, 'x')); // a stale, longer picture
        const ino_t inode = lstatOf(p).st_ino;
        const QByteArray pic(512902, 'p');
        writeRecord(p, pic.constData(), pic.size());
        QCOMPARE(bytesOf(p), pic);
        QCOMPARE(lstatOf(p).st_ino, inode); // the same file, not a new one
        const QByteArray next(512902, 'q');
        writeRecord(p, next.constData(), next.size());
        QCOMPARE(bytesOf(p), next);
    }

    void leftoversOfACrashedSaveAreCleared()
    {
        QTemporaryDir d, elsewhere;
        const QString p = d.filePath(QStringLiteral("players.dat"));
        const QString target = elsewhere.filePath(QStringLiteral("kept"));
        put(target, "kept");
        const auto age = [](const QString& path, int seconds) {
            struct timespec times[2];
            times[0].tv_sec = times[1].tv_sec = ::time(nullptr) - seconds;
            times[0].tv_nsec = times[1].tv_nsec = 0;
            QVERIFY(::utimensat(AT_FDCWD, native(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
        };
        put(p + QStringLiteral(".tmp"), QByteArray(9999, 'z'));
        put(p + QStringLiteral(".tmp.1a2b3c4d"), QByteArray(100, 'z'));
        QVERIFY(::symlink(native(target).constData(), native(p + QStringLiteral(".tmp.5e6f7a8b")).constData()) == 0);
        for (const char* n : {".tmp", ".tmp.1a2b3c4d", ".tmp.5e6f7a8b"})
            age(p + QLatin1String(n), 3600);
        put(p + QStringLiteral(".tmp.99999999"), "another writer's, just begun");
        put(p + QStringLiteral(".tmp.notours"), "someone's own file");
        age(p + QStringLiteral(".tmp.notours"), 3600);
        const QByteArray rec(484, 'r');
        writeRecordAtomic(p, rec.constData(), rec.size());
        QDir dir(d.path());
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
                 (QStringList{"players.dat", "players.dat.tmp.99999999", "players.dat.tmp.notours"}));
        QCOMPARE(bytesOf(target), QByteArray("kept"));
    }

    void oneGamePerFolder()
    {
        QTemporaryDir d;
        const QString folder = d.path() + QLatin1Char('/');
        auto first = std::make_unique<GameLock>(folder);
        QCOMPARE(first->acquire(), GameLock::Acquired);
        QVERIFY(QFile::exists(folder + QStringLiteral("kovra2.lock")));
        GameLock second(folder);
        QCOMPARE(second.acquire(), GameLock::HeldByAnother);
        first.reset(); // the first game ends
        QVERIFY(!QFile::exists(folder + QStringLiteral("kovra2.lock")));
        QCOMPARE(second.acquire(), GameLock::Acquired);
        // A folder that takes no lock file lets the game run (it can write
        // nothing there either).
        GameLock nowhere(d.path() + QStringLiteral("/missing/folder/"));
        QCOMPARE(nowhere.acquire(), GameLock::Unavailable);
        QCOMPARE(alreadyRunningText(), QString::fromUtf8("A Kovra 2 már fut."));
    }

    void executableFolderComesFromTheKernel()
    {
        QVERIFY(locateExeDir(nullptr));
        setExeDir(QString());
        QCOMPARE(exeDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }
};

QTEST_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
