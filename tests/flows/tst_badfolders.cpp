// The game folder read-only, and the disk full in the middle of a game:
// every write that fails is reported, the files keep their old content, and
// the player can go on or leave. Needs permission to mount a tmpfs.
#include "flowsupport.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamewindow.h"
#include "menus/menusupport.h"
#include "menus/startwindow.h"
#include "platform/paths.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

// A small tmpfs standing in for the game folder, unmounted at the end.
class Mount {
public:
    Mount(const QString& path, const QString& options) : path_(path)
    {
        QDir().mkpath(path);
        mounted_ = QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "none", path}) == 0;
    }
    ~Mount()
    {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {"-l", path_});
    }
    bool mounted() const { return mounted_; }
    bool remountReadOnly() { return QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", path_}) == 0; }

private:
    QString path_;
    bool mounted_ = false;
};

// The game's files in `dir`: two levels, the title piece, settings with the
// music off, and Anna at level 1.
void populate(const QString& dir)
{
    writeTestLevel(dir, 1, spreadPoints(2));
    writeTestLevel(dir, 2, spreadPoints(2));
    menustest::writeSettings(dir, false);
    menustest::writeTitleMusic(dir);
    addPlayer(dir, QStringLiteral("Anna"));
}

// Fills the file system holding `dir` to the last byte.
void fillUp(const QString& dir)
{
    QFile filler(dir + QStringLiteral("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {}
    while (filler.write(block.left(1)) == 1) {}
}

// Answers the start window's windows: the settings window saves, the player
// window adds `newName` (if any) and chooses Anna, result windows as given.
struct Answers {
    QString newName;
    int levelDoneShown = platform::mrOk, timeUpShown = platform::mrCancel;
    QStringList entries;
    int operator()(QWidget* w)
    {
        if (is<SettingsDialog>(w)) {
            settingsDialog()->shadowBox->setChecked(false);
            QTest::mouseClick(settingsDialog()->saveButton, Qt::LeftButton); // "Beállítások mentése"
            return w->isVisible() ? int(platform::mrCancel) : int(platform::mrOk);
        }
        if (is<PlayerDialog>(w)) {
            flows::addAndChoose(newName);
            return int(platform::mrOk);
        }
        return is<LevelDoneDialog>(w) ? levelDoneShown : is<TimeUpDialog>(w) ? timeUpShown : int(platform::mrCancel);
    }
};

// The game folder on its own small tmpfs, holding the game's files.
struct GameFolder {
    GameDir dir;
    const QString path = dir.file(QStringLiteral("game/"));
    Mount mount;
    QByteArray roster, settings; // as first written
    QString writes = path;         // where the game keeps them
    MessageLog messages;
    ModalLog modals;
    Answers answers;

    explicit GameFolder(const QString& size) : mount(path, QStringLiteral("size=") + size)
    {
        if (!mount.mounted())
            return;
        populate(path);
        platform::setExeDir(path);
        roster = flows::fileBytes(path + QStringLiteral("players.dat"));
        settings = flows::fileBytes(path + QStringLiteral("settings.dat"));
        modals.answer = std::ref(answers);
    }
    bool filesAsFirstWritten() const
    {
        return flows::fileBytes(writes + QStringLiteral("players.dat")) == roster
            && flows::fileBytes(writes + QStringLiteral("settings.dat")) == settings;
    }
};

} // namespace

class BadFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void readOnlyFolderReportsEveryWrite();
    void readOnlyFolderPlaysWithThePlayersOwnFolder();
    void fullDiskKeepsTheOldFilesAndTheGameGoesOn();
};

namespace {
// Points the player's own folder ($XDG_DATA_HOME/kovra2) at `base` for one scope.
struct OwnFolder {
    explicit OwnFolder(const QString& base) : old(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", base.toLocal8Bit()); }
    ~OwnFolder() { qputenv("XDG_DATA_HOME", old); }
    QByteArray old;
};
} // namespace

void BadFoldersTest::readOnlyFolderReportsEveryWrite()
{
    GameFolder game(QStringLiteral("8m"));
    if (!game.mount.mounted())
        QSKIP("mounting a tmpfs is not permitted here");
    // Neither the game folder nor the player's own folder can be written.
    const QString own = game.path + QStringLiteral("own/kovra2/");
    QVERIFY(QDir().mkpath(own));
    for (const QString name : {QStringLiteral("players.dat"), QStringLiteral("settings.dat")})
        QVERIFY(QFile::rename(game.path + name, own + name));
    game.writes = own;
    OwnFolder ownFolder(game.path + QStringLiteral("own"));
    QVERIFY(game.mount.remountReadOnly());
    game.answers.newName = QStringLiteral("Bea");
    MessageLog& messages = game.messages;
    Forms forms;

    startWindow()->show();
    QCOMPARE(messages.texts(), QStringList{unwritableFolderText(own)}); // said once, then reading is all the start needs
    messages.list.clear();
    QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{"File access denied."});
    QVERIFY(!settingsDialog()->shadowBox->isChecked()); // in force, though not saved

    // The new player cannot be stored; Anna is chosen, but her level's
    // pictures cannot be put beside the game.
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList({"File access denied.", "File access denied.", "File access denied."}));
    QCOMPARE(playerStore()->currentPlayer().displayName(), QStringLiteral("Anna"));
    QVERIFY(gameWindow()->isVisible());
    QVERIFY(!gameWindow()->regionsBuilt());
    QVERIFY(gameWindow()->close());
    QCOMPARE(messages.list.size(), 4); // the save on leaving
    QVERIFY(startWindow()->isVisible());
    QVERIFY(game.filesAsFirstWritten());
    QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton);
}

void BadFoldersTest::readOnlyFolderPlaysWithThePlayersOwnFolder()
{
    GameFolder game(QStringLiteral("8m"));
    if (!game.mount.mounted())
        QSKIP("mounting a tmpfs is not permitted here");
    QVERIFY(game.mount.remountReadOnly());
    QTemporaryDir home;
    OwnFolder ownFolder(home.path());
    const QString own = home.path() + QStringLiteral("/kovra2/");
    QVERIFY(QDir().mkpath(own));
    menustest::writeSettings(own, false); // the folder has no level music
    game.answers.newName = QStringLiteral("Bea");
    const MessageLog& messages = game.messages;
    Forms forms;

    // The levels come from the read-only folder; the new player, the
    // settings and the level's pictures go to the player's own folder.
    startWindow()->show();
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QVERIFY2(messages.list.isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    QVERIFY(gameWindow()->regionsBuilt());
    QVERIFY(QFile::exists(own + QStringLiteral("BAL.BMP")));
    QCOMPARE(flows::slotOf(flows::fileBytes(own + QStringLiteral("players.dat")), 1).name, QByteArray("Bea"));
    QCOMPARE(flows::fileBytes(own + QStringLiteral("settings.dat")).size(), 4);
    QVERIFY(gameWindow()->close());
    QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton);
    QVERIFY(!QFile::exists(own + QStringLiteral("BAL.BMP")));
    QVERIFY(game.filesAsFirstWritten()); // the game folder as it was
}

void BadFoldersTest::fullDiskKeepsTheOldFilesAndTheGameGoesOn()
{
    GameFolder game(QStringLiteral("4m"));
    if (!game.mount.mounted())
        QSKIP("mounting a tmpfs is not permitted here");
    const MessageLog& messages = game.messages;
    const ModalLog& modals = game.modals;
    Forms forms;

    startWindow()->show();
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QVERIFY(gameWindow()->regionsBuilt());
    fillUp(game.path);

    // Level 1 done: the save fails, and the player still goes on to level 2.
    for (int k = 0; k < 2; ++k)
        QTest::mousePress(gameWindow()->regions[size_t(k)][0], Qt::LeftButton, {}, QPoint(10, 10));
    platform::VirtualClock::advance(3000);
    QCOMPARE(modals.shown, QStringList({"PlayerDialog", "LevelDoneDialog"}));
    QCOMPARE(messages.texts(), QStringList({"Disk full.", "Disk full."})); // before and after the window
    QCOMPARE(int(gameWindow()->roundState.level), 2);
    QVERIFY(gameWindow()->regionsBuilt()); // the scratch pictures reuse their room
    // Level 2 lost to the clock: the save fails, the window still offers
    // the way back to the start window.
    platform::VirtualClock::advance(20000);
    QCOMPARE(modals.shown.last(), QStringLiteral("TimeUpDialog"));
    QCOMPARE(messages.list.size(), 3);
    QVERIFY(startWindow()->isVisible());

    // Settings and a new player cannot be saved either; the window stays
    // open and the list as the file has it.
    QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
    game.answers.newName = QStringLiteral("Bea");
    QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    QCOMPARE(messages.texts().mid(3), QStringList({"Disk full.", "Disk full."}));
    QCOMPARE(playerDialog()->playerList->count(), 1);
    // Every file holds its old content, whole.
    QVERIFY(game.filesAsFirstWritten());
    QVERIFY(!QFile::exists(game.path + QStringLiteral("players.dat.tmp")));
    QVERIFY(!QFile::exists(game.path + QStringLiteral("settings.dat.tmp")));
    gameWindow()->hide();
}

QTEST_MAIN(BadFoldersTest)
#include "tst_badfolders.moc"
