// Where the game reads and writes: the portable folder, the installed layout
// with the player's own folder, the player's own levels, the help text, the
// X11 choice on Wayland and the start window's one warning.
#include "app/cli.h"
#include "menus/menusupport.h"
#include "menus/startwindow.h"
#include "platform/paths.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace testsupport;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// Sets an environment variable for one scope and puts the old value back.
class EnvVar {
public:
    EnvVar(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvVar()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// An installed tree: <root>/usr/bin/ as the executable's folder, the content
// in <root>/usr/share/kovra2/, and the player's folder under <root>/home.
struct Installed {
    QTemporaryDir root;
    QString bin = root.path() + QStringLiteral("/usr/bin/");
    QString share = root.path() + QStringLiteral("/usr/share/kovra2/");
    QString data = root.path() + QStringLiteral("/home/data");
    EnvVar xdg{"XDG_DATA_HOME", data.toLocal8Bit()};
    Installed()
    {
        QDir().mkpath(bin);
        touch(share + QStringLiteral("DATA/001.DAT"));
        touch(share + QStringLiteral("DATA/002.DAT"));
        platform::setExeDir(bin);
    }
    ~Installed() { platform::setExeDir(QString()); }
    QString own() const { return data + QStringLiteral("/kovra2/"); }
};

} // namespace

class PathsTest : public QObject {
    Q_OBJECT
private slots:
    void portableFolderKeepsEverythingBesideTheExecutable()
    {
        GameDir dir; // holds DATA/ and can be written
        touch(dir.file(QStringLiteral("DATA/001.DAT")));
        QVERIFY(platform::portable());
        QCOMPARE(platform::contentDir(), dir.path());
        QCOMPARE(platform::writeDir(), dir.path());
        QCOMPARE(platform::writeFile(QStringLiteral("players.dat")), dir.file(QStringLiteral("players.dat")));
        QCOMPARE(platform::levelFile(1), dir.file(QStringLiteral("DATA/001.DAT")));
        QCOMPARE(platform::contentFile(QStringLiteral("music/000.mp3")), dir.file(QStringLiteral("music/000.mp3")));
        QVERIFY(platform::unwritableWriteDir().isEmpty());
    }

    void installedReadsTheShareFolderAndWritesThePlayersOwn()
    {
        Installed t;
        QVERIFY(!platform::portable());
        QCOMPARE(platform::contentDir(), t.share);
        QCOMPARE(platform::levelFile(2), t.share + QStringLiteral("DATA/002.DAT"));
        QCOMPARE(platform::contentFile(QStringLiteral("MUSIC/002.MP3")), t.share + QStringLiteral("MUSIC/002.MP3"));
        QVERIFY(!QFileInfo::exists(t.own())); // nothing made before it is needed
        QCOMPARE(platform::writeFile(QStringLiteral("settings.dat")), t.own() + QStringLiteral("settings.dat"));
        QVERIFY(QFileInfo(t.own()).isDir());
        QCOMPARE(QFileInfo(t.own()).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        QCOMPARE(QFileInfo(t.data).permissions() & (QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        QVERIFY(platform::unwritableWriteDir().isEmpty());
    }

    void playersOwnLevelTakesThePlaceOfTheShippedOne_data()
    {
        QTest::addColumn<QString>("ownName");
        QTest::addColumn<bool>("replaces");
        QTest::newRow("same number") << "DATA/001.DAT" << true;
        QTest::newRow("other letter case") << "data/001.dat" << true;
        QTest::newRow("another number") << "DATA/003.DAT" << false;
    }
    void playersOwnLevelTakesThePlaceOfTheShippedOne()
    {
        QFETCH(QString, ownName);
        QFETCH(bool, replaces);
        Installed t;
        touch(t.own() + ownName);
        QCOMPARE(platform::levelFile(1), replaces ? t.own() + ownName : t.share + QStringLiteral("DATA/001.DAT"));
        QCOMPARE(platform::levelFile(2), t.share + QStringLiteral("DATA/002.DAT"));
    }

    void folderWithoutLevelsIsNoPortableGame()
    {
        // A writable folder that only holds the executable is an install
        // whose content lies in ../share/kovra2.
        Installed t;
        touch(t.bin + QStringLiteral("kovra2"));
        QVERIFY(!platform::portable());
        QCOMPARE(platform::writeDir(), t.own());
    }

    void playersFolderFollowsTheXdgRules_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected"); // "~" is HOME
        QTest::newRow("set") << QByteArray("/srv/p/data") << "/srv/p/data/kovra2/";
        QTest::newRow("trailing slash") << QByteArray("/srv/p/data/") << "/srv/p/data/kovra2/";
        QTest::newRow("unset") << QByteArray() << "~/.local/share/kovra2/";
        QTest::newRow("empty") << QByteArray("") << "~/.local/share/kovra2/";
        QTest::newRow("relative: ignored") << QByteArray("data") << "~/.local/share/kovra2/";
    }
    void playersFolderFollowsTheXdgRules()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        QTemporaryDir home;
        EnvVar h("HOME", home.path().toLocal8Bit());
        EnvVar x("XDG_DATA_HOME", xdg);
        QCOMPARE(platform::playerDir(), expected.replace(QLatin1Char('~'), home.path()));
    }

    void unwritablePlayersFolderIsNamed()
    {
        Installed t;
        touch(t.root.path() + QStringLiteral("/afile"));
        EnvVar x("XDG_DATA_HOME", (t.root.path() + QStringLiteral("/afile/data")).toLocal8Bit());
        QCOMPARE(platform::unwritableWriteDir(), t.root.path() + QStringLiteral("/afile/data/kovra2/"));
    }

    void helpNamesTheFoldersOfThisRun()
    {
        Installed t;
        const QString text = app::helpText();
        QVERIFY2(text.contains(t.share), qPrintable(text));
        QVERIFY2(text.contains(t.own() + QStringLiteral("DATA/")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Telepített")));
        QVERIFY(!QFileInfo::exists(t.own())); // asking creates nothing
        GameDir portable;
        QVERIFY(app::helpText().contains(QStringLiteral("Hordozható")));
        QVERIFY(app::helpText().contains(portable.path()));
    }

    void waylandSessionRunsThroughXWayland_data()
    {
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Wayland with XWayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray() << QByteArray("xcb");
        QTest::newRow("player chose Wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland") << QByteArray("wayland");
        QTest::newRow("no XWayland") << QByteArray("wayland-0") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("X11 session") << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray();
    }
    void waylandSessionRunsThroughXWayland()
    {
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, expected);
        EnvVar w("WAYLAND_DISPLAY", wayland);
        EnvVar d("DISPLAY", display);
        EnvVar s("XDG_SESSION_TYPE", wayland.isEmpty() ? QByteArray("x11") : QByteArray("wayland"));
        EnvVar q("QT_QPA_PLATFORM", chosen);
        app::preferX11();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), expected);
    }

    void startWindowWarnsOnceWhenNothingCanBeWritten()
    {
        Installed t;
        touch(t.root.path() + QStringLiteral("/afile"));
        EnvVar x("XDG_DATA_HOME", (t.root.path() + QStringLiteral("/afile/data")).toLocal8Bit());
        menustest::writeTitleMusic(t.share);
        MessageLog messages;
        Forms forms;
        startWindow()->show();
        startWindow()->hide();
        startWindow()->show();
        const QString folder = t.root.path() + QStringLiteral("/afile/data/kovra2/");
        // The warning once; then the settings cannot be saved there either.
        const QStringList texts = messages.texts();
        QCOMPARE(texts.filter(folder).size(), 1);
        QCOMPARE(texts.first(), unwritableFolderText(folder));
        QVERIFY(texts.first().contains(QStringLiteral("nem tud írni")));
    }

    void startWindowIsQuietWhenThePlayersFolderWorks()
    {
        Installed t;
        menustest::writeTitleMusic(t.share);
        MessageLog messages;
        Forms forms;
        startWindow()->show();
        QVERIFY(messages.texts().filter(QStringLiteral("nem tud írni")).isEmpty());
        QVERIFY(QFileInfo::exists(t.own() + QStringLiteral("settings.dat"))); // the first load made it there
    }
};

QTEST_MAIN(PathsTest)
#include "tst_paths.moc"
