// Folders that fight back, tried on the game as it runs: a second game on the
// same folder, two writers saving the roster at once, FIFOs and planted links
// in every place the game reads or writes, signals at any moment, and folder
// names that are no text or longer than the system's path limit. The game
// here is the program's own start-up (lock, signals, windows) in a child
// process, its boxes printed instead of shown.
#include "flowsupport.h"
#include "menus/menusupport.h"
#include "players/records.h"
#include "support/testsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <cmath>
#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using testsupport::GameDir;

namespace {

const QString kChild = QStringLiteral(GAME_CHILD);

// The game in a child process, its stdout read line by line.
class Game : public flows::ChildGame {
public:
    Game() : ChildGame(kChild) {}
};

// A game folder: level 1 with its music, the title music, the settings with
// music on, and one player, Anna.
void fillGameFolder(const QString& dir)
{
    testsupport::writeTestLevel(dir, 1, testsupport::spreadPoints(2));
    menustest::writeTitleMusic(dir);
    QDir(dir).mkpath(QStringLiteral("MUSIC"));
    QFile::copy(dir + QStringLiteral("music/000.mp3"), dir + QStringLiteral("MUSIC/001.MP3"));
    QFile s(dir + QStringLiteral("settings.dat"));
    s.open(QIODevice::WriteOnly);
    s.write(QByteArray("\1\1\1\1", 4));
    s.close();
    testsupport::addPlayer(dir, QStringLiteral("Anna"));
}

QByteArray bytesOf(const QString& path) { return flows::fileBytes(path); }

// The files opened in some folders from now on, as the kernel reports them.
class OpenWatch {
public:
    explicit OpenWatch(const QString& base, const QStringList& subfolders)
    {
        fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        for (const QString& sub : subfolders)
            names_[::inotify_add_watch(fd_, QFile::encodeName(base + sub).constData(), IN_OPEN)] = sub;
    }
    ~OpenWatch() { ::close(fd_); }
    bool ok() const { return fd_ >= 0 && !names_.contains(-1); }
    // Each open as "<subfolder><name>".
    QStringList opened()
    {
        alignas(inotify_event) char buf[8192];
        for (ssize_t got; (got = ::read(fd_, buf, sizeof buf)) > 0;) {
            for (char* p = buf; p < buf + got;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                seen_ << names_.value(e->wd) + QFile::decodeName(e->len ? e->name : "");
                p += sizeof(inotify_event) + e->len;
            }
        }
        return seen_;
    }

private:
    int fd_ = -1;
    QHash<int, QString> names_;
    QStringList seen_;
};

bool isFifo(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}
bool isSymlink(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Temporary files of saves still in the folder.
QStringList leftovers(const QString& dir)
{
    return QDir(dir).entryList({QStringLiteral("*.tmp*")}, QDir::AllEntries | QDir::System | QDir::Hidden);
}

// The scratch pictures, the lock and any temporary file are gone; the roster
// and the settings are whole.
void checkFolderAfterTheGame(const QString& dir)
{
    QVERIFY(!QFile::exists(dir + QStringLiteral("BAL.BMP")));
    QVERIFY(!QFile::exists(dir + QStringLiteral("JOBB.BMP")));
    QVERIFY(!QFile::exists(dir + QStringLiteral("kovra2.lock")));
    QCOMPARE(leftovers(dir), QStringList());
    const QByteArray roster = bytesOf(dir + QStringLiteral("players.dat"));
    QCOMPARE(roster.size(), players::kRosterBytes);
    QCOMPARE(flows::slotOf(roster, 1).name, QByteArray("Anna"));
    QCOMPARE(bytesOf(dir + QStringLiteral("settings.dat")).size(), players::kSettingsBytes);
}

} // namespace

class HostileFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void secondGameOnAFolderEndsAndAStaleLockIsTakenOver();
    void twoWritersSavingAtOnceLeaveAWholeRoster();
    void fifoInEachPlaceHangsNothing_data();
    void fifoInEachPlaceHangsNothing();
    void linkPlantedInEachPlaceIsNotWrittenThrough_data();
    void linkPlantedInEachPlaceIsNotWrittenThrough();
    void signalEndsTheGameAsClosingItsWindows_data();
    void signalEndsTheGameAsClosingItsWindows();
    void signalReadsAndPlaysNothing_data();
    void signalReadsAndPlaysNothing();
    void signalAtRandomMomentsLeavesWholeFiles();
    void fileSizeLimitFailsTheLoadAndLosesNothing();
    void signalWhileABoxWaitsForAnAnswer();
    void oddFolderNamesAreFoundOrRefused_data();
    void oddFolderNamesAreFoundOrRefused();
};

void HostileFoldersTest::secondGameOnAFolderEndsAndAStaleLockIsTakenOver()
{
    GameDir dir;
    fillGameFolder(dir.path());
    Game first;
    first.start({QStringLiteral("play"), dir.path()});
    QVERIFY(first.waitFor(QStringLiteral("playing"), 20000));
    const QByteArray roster = bytesOf(dir.file(QStringLiteral("players.dat")));
    QVERIFY(QFile::exists(dir.file(QStringLiteral("kovra2.lock"))));

    // The second game says so and ends, before touching any file.
    Game second;
    second.start({QStringLiteral("hold"), dir.path()});
    QVERIFY(second.endsWith(1));
    QCOMPARE(second.boxes(), QStringList{QString::fromUtf8("A Kovra 2 már fut.")});
    QVERIFY(!second.lines.contains(QStringLiteral("ready")));
    QCOMPARE(bytesOf(dir.file(QStringLiteral("players.dat"))), roster);
    QVERIFY(QFile::exists(dir.file(QStringLiteral("BAL.BMP")))); // the first game's level is untouched

    // A game that crashed (SIGKILL: no clean-up) leaves its lock behind;
    // the next game takes it over.
    first.proc.kill();
    QVERIFY(first.proc.waitForFinished(10000));
    QVERIFY(QFile::exists(dir.file(QStringLiteral("kovra2.lock"))));
    Game third;
    third.start({QStringLiteral("hold"), dir.path()});
    QVERIFY(third.waitFor(QStringLiteral("ready"), 20000));
    QCOMPARE(third.boxes(), QStringList());
    third.signal(SIGTERM);
    QVERIFY(third.endsWith(0));
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("kovra2.lock"))));
}

void HostileFoldersTest::twoWritersSavingAtOnceLeaveAWholeRoster()
{
    GameDir dir;
    constexpr int kSaves = 500;
    Game a, b;
    a.start({QStringLiteral("saves"), dir.path(), QStringLiteral("A"), QString::number(kSaves)});
    b.start({QStringLiteral("saves"), dir.path(), QStringLiteral("B"), QString::number(kSaves)});
    // Every look at the file while both write finds one writer's whole roster.
    const QString path = dir.file(QStringLiteral("players.dat"));
    int looks = 0, sawA = 0, sawB = 0;
    while (a.proc.state() != QProcess::NotRunning || b.proc.state() != QProcess::NotRunning) {
        a.proc.waitForFinished(0);
        b.proc.waitForFinished(0);
        // Once saved, the name always holds a file: saves only rename over it.
        if (!QFile::exists(path))
            continue; // before the first save
        const QByteArray now = bytesOf(path);
        ++looks;
        QCOMPARE(now.size(), players::kRosterBytes);
        const players::RosterRecord r = players::decodeRoster(now.constData());
        QVERIFY(r.playerCount >= 1 && r.playerCount <= 10);
        const char tag = r.slot(1).name.at(0);
        for (int k = 1; k <= r.playerCount; ++k)
            QCOMPARE(r.slot(k).name, r.slot(1).name);
        (tag == 'A' ? sawA : sawB) += 1;
    }
    QVERIFY(a.endsWith(0));
    QVERIFY(b.endsWith(0));
    qInfo("%d looks during %d saves by each writer: %d at A's roster, %d at B's", looks, kSaves, sawA, sawB);
    QCOMPARE(bytesOf(path).size(), players::kRosterBytes);
    QCOMPARE(leftovers(dir.path()), QStringList());
}

void HostileFoldersTest::fifoInEachPlaceHangsNothing_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("reached"); // the line that says the window stands
    QTest::addColumn<QString>("box");
    const QString denied = QStringLiteral("File access denied.");
    QTest::newRow("settings.dat") << "settings.dat" << "playing" << denied;
    QTest::newRow("players.dat") << "players.dat" << "ready" << denied;
    QTest::newRow("level file") << "DATA/001.DAT" << "playing" << denied;
    QTest::newRow("level music") << "MUSIC/001.MP3" << "playing" << denied;
    QTest::newRow("title music") << "music/000.mp3" << "playing" << denied;
    QTest::newRow("left scratch picture") << "BAL.BMP" << "playing" << denied;
    QTest::newRow("right scratch picture") << "JOBB.BMP" << "playing" << denied;
}

void HostileFoldersTest::fifoInEachPlaceHangsNothing()
{
    QFETCH(QString, place);
    QFETCH(QString, reached);
    QFETCH(QString, box);
    // How long the window takes in a clean folder on this (shared) machine.
    qint64 baseline = 0;
    {
        GameDir clean;
        fillGameFolder(clean.path());
        QElapsedTimer t;
        t.start();
        Game g;
        g.start({QStringLiteral("play"), clean.path()});
        QVERIFY(g.waitFor(QStringLiteral("playing"), 20000));
        baseline = t.elapsed();
        g.signal(SIGTERM);
        QVERIFY(g.endsWith(0));
    }
    GameDir dir;
    fillGameFolder(dir.path());
    const QString path = dir.file(place);
    QFile::remove(path);
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    QElapsedTimer t;
    t.start();
    Game g;
    g.start({QStringLiteral("play"), dir.path()});
    // Blocked on the FIFO it would never get there; it must get there within
    // two seconds more than a clean start takes.
    QVERIFY2(g.waitFor(reached, int(baseline) + 2000), qPrintable(g.lines.join(QLatin1Char('|'))));
    qInfo("window after %lld ms (clean folder: %lld ms)", t.elapsed(), baseline);
    // The title music is opened after the start window's first paint: its
    // box may come a moment after the window.
    if (!box.isEmpty())
        g.waitFor(QStringLiteral("box: ") + box, 5000);
    g.signal(SIGTERM);
    QVERIFY(g.endsWith(0));
    QVERIFY2(g.boxes().contains(box), qPrintable(g.boxes().join(QLatin1Char('|'))));
    // Left alone; what stands at a scratch picture's name is deleted with
    // the scratch pictures when the game closes.
    QCOMPARE(isFifo(path), !place.endsWith(QLatin1String(".BMP")));
}

void HostileFoldersTest::linkPlantedInEachPlaceIsNotWrittenThrough_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("kind"); // "symlink", "dangling" or "hard link"
    QTest::addColumn<QString>("reached");
    QTest::addColumn<QString>("box"); // expected among the boxes, empty for none
    const QString denied = QStringLiteral("File access denied.");
    const QString notFound = QStringLiteral("File not found.");
    // (Boxes during the close a signal makes are not shown: nobody is there
    // to answer them.)
    QTest::newRow("players.dat to a roster elsewhere") << "players.dat" << "symlink" << "playing" << "";
    QTest::newRow("players.dat dangling") << "players.dat" << "dangling" << "ready" << notFound;
    QTest::newRow("players.dat hard-linked") << "players.dat" << "hard link" << "playing" << "";
    QTest::newRow("players.dat.tmp") << "players.dat.tmp" << "symlink" << "playing" << "";
    QTest::newRow("settings.dat to a file elsewhere") << "settings.dat" << "symlink" << "playing" << "";
    QTest::newRow("settings.dat dangling") << "settings.dat" << "dangling" << "playing" << notFound;
    QTest::newRow("settings.dat.tmp") << "settings.dat.tmp" << "symlink" << "playing" << "";
    QTest::newRow("BAL.BMP") << "BAL.BMP" << "symlink" << "playing" << denied;
    QTest::newRow("JOBB.BMP") << "JOBB.BMP" << "symlink" << "playing" << denied;
    QTest::newRow("BAL.BMP hard-linked") << "BAL.BMP" << "hard link" << "playing" << "";
}

void HostileFoldersTest::linkPlantedInEachPlaceIsNotWrittenThrough()
{
    QFETCH(QString, place);
    QFETCH(QString, kind);
    QFETCH(QString, reached);
    QFETCH(QString, box);
    GameDir dir;
    fillGameFolder(dir.path());
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("someone-elses.file"));
    const QString path = dir.file(place);
    // The target holds what the game's own file held (so the game can read
    // through a link), or a stranger's bytes where there was none.
    QByteArray content = bytesOf(path);
    if (content.isEmpty())
        content = QByteArray("a file that is not the game's\n");
    if (kind != QLatin1String("dangling")) {
        QFile t(target);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(content);
        t.close();
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    }
    QFile::remove(path);
    const QByteArray nativePath = QFile::encodeName(path), nativeTarget = QFile::encodeName(target);
    if (kind == QLatin1String("hard link"))
        QVERIFY(::link(nativeTarget.constData(), nativePath.constData()) == 0);
    else
        QVERIFY(::symlink(nativeTarget.constData(), nativePath.constData()) == 0);

    Game g;
    g.start({QStringLiteral("play"), dir.path()});
    QVERIFY2(g.waitFor(reached, 20000), qPrintable(g.lines.join(QLatin1Char('|'))));
    g.signal(SIGTERM); // the close saves the roster
    QVERIFY(g.endsWith(0));
    if (!box.isEmpty())
        QVERIFY2(g.boxes().contains(box), qPrintable(g.boxes().join(QLatin1Char('|'))));

    if (kind == QLatin1String("dangling")) {
        QVERIFY(!QFile::exists(target)); // nothing created through the link
        QVERIFY(isSymlink(path));
    } else {
        QCOMPARE(bytesOf(target), content);
        struct stat st;
        QVERIFY(::stat(nativeTarget.constData(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));
    }
    if (kind == QLatin1String("symlink") && !place.endsWith(QLatin1String(".BMP")))
        QVERIFY(isSymlink(path)); // the player's link stays (the scratch names are deleted at the close)
    if (place == QLatin1String("players.dat") && kind == QLatin1String("hard link")) {
        // Saved to a file of its own; the other name keeps the old roster.
        QCOMPARE(bytesOf(path).size(), players::kRosterBytes);
        QCOMPARE(flows::slotOf(bytesOf(path), 1).attempts, 1);
    }
}

void HostileFoldersTest::signalEndsTheGameAsClosingItsWindows_data()
{
    QTest::addColumn<int>("sig");
    QTest::newRow("SIGINT (Ctrl+C)") << int(SIGINT);
    QTest::newRow("SIGTERM (kill)") << int(SIGTERM);
    QTest::newRow("SIGHUP (logout)") << int(SIGHUP);
}

void HostileFoldersTest::signalEndsTheGameAsClosingItsWindows()
{
    QFETCH(int, sig);
    GameDir dir;
    fillGameFolder(dir.path());
    Game g;
    g.start({QStringLiteral("play"), dir.path()});
    QVERIFY(g.waitFor(QStringLiteral("playing"), 20000));
    QVERIFY(QFile::exists(dir.file(QStringLiteral("BAL.BMP"))));
    // Five seconds of play on the game's clock.
    g.proc.write("advance 5000\n");
    QVERIFY(g.waitFor(QStringLiteral("advanced"), 20000));
    QElapsedTimer t;
    t.start();
    g.signal(sig);
    QVERIFY(g.endsWith(0));
    qInfo("ended %lld ms after the signal", t.elapsed());
    checkFolderAfterTheGame(dir.path());
    // Saved as a window close saves: the attempt's seconds on the level only.
    const flows::Slot anna = flows::slotOf(bytesOf(dir.file(QStringLiteral("players.dat"))), 1);
    QCOMPARE(anna.levelSeconds, 5);
    QCOMPARE(anna.totalSeconds, 0);
    QCOMPARE(anna.attempts, 1);
    QCOMPARE(anna.level, 1);
    QCOMPARE(g.boxes(), QStringList());
}

void HostileFoldersTest::signalReadsAndPlaysNothing_data()
{
    QTest::addColumn<int>("sig");
    QTest::addColumn<bool>("levelDone"); // the level-completed window is open
    for (const auto& [name, sig] : {std::pair{"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}}) {
        QTest::addRow("%s during play", name) << sig << false;
        QTest::addRow("%s with the level-completed window open", name) << sig << true;
    }
}

// The end a signal makes saves as a close saves and removes the scratch
// pictures; it shows no start window, so no music is opened and no settings
// are read.
void HostileFoldersTest::signalReadsAndPlaysNothing()
{
    QFETCH(int, sig);
    QFETCH(bool, levelDone);
    GameDir dir;
    fillGameFolder(dir.path()); // music on
    Game g;
    g.start({QStringLiteral("play"), dir.path()});
    QVERIFY(g.waitFor(QStringLiteral("playing"), 20000));
    g.proc.write("advance 5000\n");
    QVERIFY(g.waitFor(QStringLiteral("advanced"), 20000));
    if (levelDone) {
        g.proc.write("find all\nadvance 3000\n");
        QVERIFY2(g.waitFor(QStringLiteral("level done"), 20000), qPrintable(g.lines.join(QLatin1Char('|'))));
    }
    OpenWatch watch(dir.path(), {QString(), QStringLiteral("music/"), QStringLiteral("MUSIC/")});
    QVERIFY(watch.ok());
    g.signal(sig);
    QVERIFY(g.endsWith(0));
    const QStringList opened = watch.opened(); // before this test reads any
    checkFolderAfterTheGame(dir.path());
    for (const QString& name : opened) {
        QVERIFY2(name != QLatin1String("settings.dat"), qPrintable(opened.join(QLatin1Char(' '))));
        QVERIFY2(!name.startsWith(QLatin1String("music/")) && !name.startsWith(QLatin1String("MUSIC/")),
                 qPrintable(opened.join(QLatin1Char(' '))));
    }
    QVERIFY2(!opened.filter(QStringLiteral("players.dat")).isEmpty(), qPrintable(opened.join(QLatin1Char(' '))));
    const flows::Slot anna = flows::slotOf(bytesOf(dir.file(QStringLiteral("players.dat"))), 1);
    if (levelDone) { // saved as completed: the next level, a fresh try
        QCOMPARE(anna.level, 2);
        QCOMPARE(anna.attempts, 0);
        QCOMPARE(anna.totalSeconds, 5);
        QCOMPARE(anna.levelSeconds, 0);
    } else {
        QCOMPARE(anna.level, 1);
        QCOMPARE(anna.levelSeconds, 5);
    }
    QCOMPARE(g.boxes(), QStringList());
}

void HostileFoldersTest::fileSizeLimitFailsTheLoadAndLosesNothing()
{
    GameDir dir;
    fillGameFolder(dir.path());
    const QByteArray roster = bytesOf(dir.file(QStringLiteral("players.dat")));
    Game g;
    // Room for the roster and the settings, not for a scratch picture.
    g.proc.setChildProcessModifier([] {
        const rlimit limit{200000, 200000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    g.start({QStringLiteral("play"), dir.path()});
    QVERIFY2(g.waitFor(QStringLiteral("playing"), 20000), qPrintable(g.lines.join(QLatin1Char('|'))));
    QCOMPARE(g.boxes(), QStringList{QStringLiteral("I/O error %1.").arg(EFBIG)});
    g.signal(SIGTERM);
    QVERIFY2(g.endsWith(0), qPrintable(QStringLiteral("status %1, code %2").arg(g.proc.exitStatus()).arg(g.proc.exitCode())));
    checkFolderAfterTheGame(dir.path());
    // The level was never on: the player's record still names level 1.
    const flows::Slot anna = flows::slotOf(bytesOf(dir.file(QStringLiteral("players.dat"))), 1);
    QCOMPARE(anna.level, 1);
    QCOMPARE(anna.levelSeconds, 0);
    QCOMPARE(anna.totalSeconds, 0);
    QCOMPARE(bytesOf(dir.file(QStringLiteral("players.dat"))).size(), roster.size());
}

void HostileFoldersTest::signalAtRandomMomentsLeavesWholeFiles()
{
    GameDir dir;
    fillGameFolder(dir.path());
    QRandomGenerator rng(20261208);
    const int sigs[] = {SIGINT, SIGTERM, SIGHUP};
    int playing = 0;
    for (int round = 0; round < 30; ++round) {
        Game g;
        g.start({QStringLiteral("play"), dir.path()});
        QVERIFY(g.waitFor(QStringLiteral("signals"), 20000));
        // From a millisecond to a second and a half, evenly on a log scale:
        // during start-up, the level load, and play.
        const double ms = std::pow(1500.0, rng.generateDouble());
        std::this_thread::sleep_for(std::chrono::microseconds(qint64(ms * 1000)));
        g.signal(sigs[rng.bounded(3)]);
        QVERIFY2(g.endsWith(0), qPrintable(QStringLiteral("round %1: status %2, code %3")
                                               .arg(round).arg(g.proc.exitStatus()).arg(g.proc.exitCode())));
        playing += g.lines.contains(QStringLiteral("playing"));
        checkFolderAfterTheGame(dir.path());
        if (QTest::currentTestFailed())
            return;
    }
    // A signal before the event loop waits in the pipe: the start-up runs to
    // its end first, so most are handled with the game window standing.
    qInfo("30 signals; the game window stood in %d of the games", playing);
    QVERIFY(playing > 0);
}

void HostileFoldersTest::signalWhileABoxWaitsForAnAnswer()
{
    // No title music: the start window's first showing opens an error box
    // and waits in it for a player who never answers.
    GameDir dir;
    Game g;
    g.start({QStringLiteral("unanswered"), dir.path()});
    QVERIFY(g.waitFor(QStringLiteral("signals"), 20000));
    g.signal(SIGTERM);
    QVERIFY(g.endsWith(0));
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("kovra2.lock"))));
}

void HostileFoldersTest::oddFolderNamesAreFoundOrRefused_data()
{
    QTest::addColumn<QList<QByteArray>>("parts"); // folders below a scratch folder
    QTest::addColumn<int>("cdInto");              // how many of them the game is started from
    QTest::addColumn<QByteArray>("argv0");        // the name it is started under
    QTest::addColumn<bool>("found");
    const auto deep = [](int bytes) {
        QList<QByteArray> p;
        for (int total = 0; total < bytes; total += 201)
            p << QByteArray("d") + QByteArray::number(p.size()).rightJustified(199, '0');
        return p;
    };
    // "Játékok" in Latin-2 bytes, as a Hungarian machine of old names it.
    QTest::newRow("Latin-2 folder name") << QList<QByteArray>{"J\xe1t\xe9kok"} << 1 << QByteArray("./child") << true;
    const QList<QByteArray> p4000 = deep(4000);
    QTest::newRow("4000-byte path") << p4000 << int(p4000.size()) << QByteArray("./child") << true;
    const QList<QByteArray> p4500 = deep(4500);
    QByteArray rest;
    for (const QByteArray& part : p4500.mid(12))
        rest += part + '/';
    QTest::newRow("4500-byte path, started by a relative name") << p4500 << 12 << rest + "child" << true;
    QTest::newRow("4500-byte path, started by a name that is not its own")
        << p4500 << 12 << QByteArray("child") << false;
}

void HostileFoldersTest::oddFolderNamesAreFoundOrRefused()
{
    QFETCH(QList<QByteArray>, parts);
    QFETCH(int, cdInto);
    QFETCH(QByteArray, argv0);
    QFETCH(bool, found);
    QTemporaryDir base;
    const QString basePath = base.path() + QLatin1Char('/');
    fillGameFolder(basePath); // the content copied into the odd folder
    QFile::remove(basePath + QStringLiteral("settings.dat"));
    QFile::remove(basePath + QStringLiteral("players.dat"));
    // Bash walks a path of any length one folder at a time; the folder names
    // go in as bytes.
    QString words;
    for (const QByteArray& part : parts) {
        words += QStringLiteral("$'");
        for (const char c : part)
            words += QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
        words += QStringLiteral("' ");
    }
    const QString script = QStringLiteral(
        "set -e; cd \"$1\"; parts=( %1 )\n"
        "for p in \"${parts[@]}\"; do [ \"$2\" = make ] && mkdir -- \"$p\"; cd -- \"$p\"; done\n"
        "if [ \"$2\" = make ]; then cp -r \"$1/DATA\" \"$1/MUSIC\" \"$1/music\" .; cp \"$3\" ./child; exit 0; fi\n"
        "for f in settings.dat players.dat kovra2.lock; do if [ -e \"$f\" ]; then stat -c \"$f %s\" \"$f\"; fi; done\n")
                               .arg(words);
    const auto bash = [&](const QString& mode) {
        QProcess p;
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), script, QStringLiteral("bash"), base.path(), mode, kChild});
        p.waitForFinished(60000);
        return p.readAllStandardOutput();
    };
    bash(QStringLiteral("make"));

    // Started by hand: from `cdInto` folders down, under the name `argv0`,
    // running the program at its path relative to there.
    QByteArray program = "./child";
    if (cdInto < parts.size()) {
        program.clear();
        for (const QByteArray& part : parts.mid(cdInto))
            program += part + '/';
        program += "child";
    }
    QList<QByteArray> steps{QFile::encodeName(base.path())};
    steps += parts.mid(0, cdInto);
    int out[2];
    QVERIFY(::pipe(out) == 0);
    const char* args[] = {argv0.constData(), "locate", nullptr};
    const pid_t pid = ::fork(); // from here to exec only async-signal-safe calls
    if (pid == 0) {
        for (const QByteArray& step : steps)
            if (::chdir(step.constData()) != 0)
                ::_exit(126);
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execv(program.constData(), const_cast<char* const*>(args));
        ::_exit(127);
    }
    ::close(out[1]);
    QByteArray said;
    char buf[4096];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;)
        said.append(buf, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    QVERIFY(WIFEXITED(status));
    const QByteArray files = bash(QStringLiteral("look"));
    if (found) {
        QVERIFY2(WEXITSTATUS(status) == 0, said.constData());
        QVERIFY2(said.contains("dir "), said.constData());
        QVERIFY2(!said.contains("box: File") && !said.contains("box: I/O"), said.constData()); // no save failed
        // The settings and the roster were written in that folder, whole,
        // and the lock is gone.
        QCOMPARE(files, QByteArray("settings.dat 4\nplayers.dat 484\n"));
    } else {
        QCOMPARE(WEXITSTATUS(status), 1);
        QVERIFY2(said.contains(QString::fromUtf8("box: A Kovra 2 nem találja a saját mappáját").toUtf8()), said.constData());
        QCOMPARE(files, QByteArray()); // nothing written there
    }
    // Never the root folder, never the folder it was started from.
    QVERIFY(!QFile::exists(QStringLiteral("/players.dat")));
    QVERIFY(!QFile::exists(QStringLiteral("/settings.dat")));
    QVERIFY(!QFile::exists(basePath + QStringLiteral("settings.dat")));
    QVERIFY(!QFile::exists(basePath + QStringLiteral("players.dat")));
    // QTemporaryDir cannot remove what lies beyond the path limit.
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), base.path()});
}

QTEST_MAIN(HostileFoldersTest)
#include "tst_hostilefolders.moc"
