// Damaged and hostile players.dat and settings.dat, files left by a crash,
// and names with every Windows-1250 letter, each taken through the windows
// from the start window into the game and back to the file.
#include "flowsupport.h"
#include "game/timeupdialog.h"
#include "game/leveldonedialog.h"
#include "game/gamewindow.h"
#include "menus/menusupport.h"
#include "menus/startwindow.h"
#include "platform/timer.h"
#include "players/settingsdialog.h"
#include "players/playerdialog.h"
#include "support/gamesession.h"
#include "support/appwindows.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QtEndian>
#include <QtTest>

using namespace testsupport;

namespace {

// One 48-byte slot: `length` is the stored name length, whatever the name.
QByteArray rawSlot(const QByteArray& name, int length, int level)
{
    QByteArray s(48, '\0');
    s[0] = char(length);
    s.replace(1, qMin<int>(name.size(), 30), name.left(30));
    s[31] = char(level);
    return s;
}

QByteArray rawRoster(int count, const QList<QByteArray>& players)
{
    QByteArray r(484, '\0');
    r[0] = char(count);
    for (int k = 0; k < players.size(); ++k)
        r.replace(4 + 48 * k, 48, players[k]);
    return r;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QStringList listed()
{
    QStringList t;
    for (int i = 0; i < playerDialog()->playerList->count(); ++i)
        t << playerDialog()->playerList->item(i)->text();
    return t;
}

// The program as a player starts it: levels 1 to 5, the title piece, the
// settings, and the windows on the virtual clock.
struct Program {
    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    QStringList entries; // the player window's list, as last shown
    bool okEnabled = false;

    Program()
    {
        menustest::writeTitleMusic(dir.path());
        QDir(dir.path()).mkpath(QStringLiteral("MUSIC"));
        for (int n = 1; n <= 5; ++n) {
            writeTestLevel(dir.path(), n, spreadPoints(2));
            QFile::copy(dir.file(QStringLiteral("music/000.mp3")), dir.file(QStringLiteral("MUSIC/00%1.MP3").arg(n)));
        }
        writeFile(dir.file(QStringLiteral("settings.dat")), QByteArray("\0\1\0\1", 4));
    }
    // "Játék indítása": adds `name` if given, picks entry `row` and presses OK.
    void startGame(int row, const QString& name = QString())
    {
        modals.answer = [=, this](QWidget* w) {
            if (!is<PlayerDialog>(w))
                return int(platform::mrCancel);
            flows::addAndChoose(name, row);
            entries = listed();
            okEnabled = playerDialog()->okButton->isEnabled();
            return int(platform::mrOk);
        };
        startWindow()->show();
        QTest::mouseClick(startWindow()->startButton, Qt::LeftButton);
    }
    QByteArray roster() const { return flows::fileBytes(dir.file(QStringLiteral("players.dat"))); }
};

} // namespace

class BadRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void hostileRosterIsListedAndPlayed_data();
    void hostileRosterIsListedAndPlayed();
    void countersAtTheirLimitsStayThere();
    void damagedSettingsStillLetTheGameStart_data();
    void damagedSettingsStillLetTheGameStart();
    void filesLeftByACrashAreOverwritten();
    void everyWindows1250LetterRoundTrips_data();
    void everyWindows1250LetterRoundTrips();
};

void BadRecordsTest::hostileRosterIsListedAndPlayed_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("row");          // the entry chosen
    QTest::addColumn<int>("count");        // entries listed
    QTest::addColumn<QString>("entry");    // the chosen entry's text
    QTest::addColumn<int>("level");        // level loaded; 0: cannot be started
    QTest::addColumn<QByteArray>("saved"); // the roster after the game window closes
    const QByteArray anna = rawSlot("Anna", 4, 5);
    QByteArray reserved = rawRoster(1, {anna});
    reserved[1] = reserved[2] = reserved[3] = char(0xFF);
    reserved[4 + 34] = reserved[4 + 46] = char(0xFF);
    const QByteArray control("A\tB\nC\x1b\x7f", 7);

    QTest::newRow("count 255") << rawRoster(255, {anna}) << 0 << 10 << "Anna (5. szint)" << 5
                               << rawRoster(10, {anna});
    QTest::newRow("name length 255") << rawRoster(1, {rawSlot(QByteArray(30, 'x'), 255, 3)}) << 0 << 1
                                     << QString(30, 'x') + " (3. szint)" << 3
                                     << rawRoster(1, {rawSlot(QByteArray(30, 'x'), 30, 3)});
    QTest::newRow("control characters") << rawRoster(1, {rawSlot(control, 7, 2)}) << 0 << 1
                                        << QString::fromLatin1(control) + " (2. szint)" << 2
                                        << rawRoster(1, {rawSlot(control, 7, 2)});
    QTest::newRow("NUL inside a name") << rawRoster(1, {rawSlot(QByteArray("Bo\0b", 4), 4, 1)}) << 0 << 1
                                       << QString::fromLatin1("Bo\0b (1. szint)", 15) << 1
                                       << rawRoster(1, {rawSlot(QByteArray("Bo\0b", 4), 4, 1)});
    QTest::newRow("reserved bytes set") << reserved << 0 << 1 << "Anna (5. szint)" << 5 << rawRoster(1, {anna});
    QTest::newRow("level 0: not played yet") << rawRoster(1, {rawSlot("Anna", 4, 0)}) << 0 << 1
                                             << QString::fromUtf8("Anna (még nem játszott)") << 1
                                             << rawRoster(1, {rawSlot("Anna", 4, 1)});
    QTest::newRow("level 255: finished") << rawRoster(1, {rawSlot("Anna", 4, 255)}) << 0 << 1
                                         << "Anna (befejezve)" << 0 << rawRoster(1, {rawSlot("Anna", 4, 255)});
}

void BadRecordsTest::hostileRosterIsListedAndPlayed()
{
    QFETCH(QByteArray, file);
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(QString, entry);
    QFETCH(int, level);
    QFETCH(QByteArray, saved);
    Program p;
    writeFile(p.dir.file(QStringLiteral("players.dat")), file);
    Forms forms;
    p.startGame(row);
    QCOMPARE(p.entries.size(), count);
    QCOMPARE(p.entries.value(row), entry);
    QCOMPARE(p.okEnabled, level > 0);
    QVERIFY2(p.messages.list.isEmpty(), qPrintable(p.messages.texts().join('\n')));
    if (level == 0) { // back at the start window, the file untouched
        QVERIFY(startWindow()->isVisible());
        QCOMPARE(p.roster(), file);
        startWindow()->hide();
        return;
    }
    QVERIFY(gameWindow()->isVisible());
    QCOMPARE(int(gameWindow()->roundState.level), level);
    QVERIFY(gameWindow()->regionsBuilt());
    QVERIFY(gameWindow()->windowTitle().endsWith(QStringLiteral("(Játékos: %1)").arg(entry.left(entry.lastIndexOf(" (")))));
    QVERIFY(gameWindow()->close());
    // Clamped to what the file may hold, names kept byte for byte, and the
    // attempt the closed window counted.
    QByteArray expected = saved;
    expected[4 + 44] = char(1);
    QCOMPARE(p.roster(), expected);
    QVERIFY(p.messages.list.isEmpty());
    startWindow()->hide();
}

void BadRecordsTest::countersAtTheirLimitsStayThere()
{
    GameSession s;
    menustest::writeTitleMusic(s.dir.path());
    s.writeLevel(1, 2);
    s.start({.attempts = 65534});
    playerStore()->currentPlayer().totalSeconds = 2147483647 - 10;
    playerStore()->currentPlayer().levelSeconds = 2147483647 - 10;
    QCOMPARE(int(gameWindow()->roundState.attempts), 65535);
    // Two attempts lost to the clock, 20 seconds each, then the level done.
    s.modals.answer = [](QWidget* w) { return int(is<TimeUpDialog>(w) ? platform::mrOk : platform::mrCancel); };
    s.advance(20000);
    s.advance(20000);
    QCOMPARE(s.modals.shown, QStringList({"TimeUpDialog", "TimeUpDialog"}));
    QCOMPARE(int(gameWindow()->roundState.attempts), 65535); // no wrap to 0, nor to a "first" try
    s.advance(5000);
    s.press(1);
    s.press(2);
    s.advance(3000);
    QCOMPARE(s.modals.shown.last(), QStringLiteral("LevelDoneDialog"));
    QCOMPARE(levelDoneDialog()->attemptsLabel->text(), QStringLiteral("65535"));
    const flows::Slot saved = flows::slotOf(flows::fileBytes(s.dir.file(QStringLiteral("players.dat"))), 1);
    QCOMPARE(saved.totalSeconds, 2147483647); // no wrap to a negative time
    QCOMPARE(saved.helps, 0);                 // no first-try token
    QVERIFY(s.messages.list.isEmpty());
}

void BadRecordsTest::damagedSettingsStillLetTheGameStart_data()
{
    QTest::addColumn<QByteArray>("file"); // null: a folder in its place
    QTest::addColumn<QString>("message"); // at each load; empty: none
    QTest::addColumn<QByteArray>("boxes"); // in force in the game
    QTest::newRow("0 bytes") << QByteArray("") << "Read beyond end of file." << QByteArray("\1\1\1\1", 4);
    QTest::newRow("3 bytes") << QByteArray("\0\0\0", 3) << "Read beyond end of file." << QByteArray("\1\1\1\1", 4);
    QTest::newRow("1000 bytes") << QByteArray("\0\1\0\1", 4) + QByteArray(996, '\1') << "" << QByteArray("\0\1\0\1", 4);
    QTest::newRow("bytes of 255") << QByteArray(4, '\xFF') << "" << QByteArray("\1\1\1\1", 4);
    QTest::newRow("a folder") << QByteArray() << "File access denied." << QByteArray("\1\1\1\1", 4);
}

void BadRecordsTest::damagedSettingsStillLetTheGameStart()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(QByteArray, boxes);
    Program p;
    const QString path = p.dir.file(QStringLiteral("settings.dat"));
    QVERIFY(QFile::remove(path));
    if (file.isNull())
        QVERIFY(QDir().mkpath(path));
    else
        writeFile(path, file);
    addPlayer(p.dir.path(), QStringLiteral("Anna"));
    Forms forms;
    p.startGame(0);
    // Reported at the start window's and the game window's load, and the
    // level is played with the boxes as they stood.
    const QStringList reported = message.isEmpty() ? QStringList() : QStringList{message, message};
    QCOMPARE(p.messages.texts(), reported);
    QVERIFY(gameWindow()->isVisible());
    QVERIFY(gameWindow()->regionsBuilt());
    QVERIFY(gameWindow()->round.clockRunning());
    const players::SettingsRecord& in = settingsStore()->current();
    const bool played[] = {in.sound, in.precise, in.music, in.shadow};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(played[i], boxes[i] != 0);
    QVERIFY(gameWindow()->close());
    startWindow()->hide();
    // Saving the settings puts a sound file in place of a damaged one.
    if (!file.isNull()) {
        settingsDialog()->show();
        QTest::mouseClick(settingsDialog()->saveButton, Qt::LeftButton);
        QCOMPARE(flows::fileBytes(path), boxes);
    }
}

void BadRecordsTest::filesLeftByACrashAreOverwritten()
{
    Program p;
    addPlayer(p.dir.path(), QStringLiteral("Anna"));
    writeFile(p.dir.file(QStringLiteral("players.dat.tmp")), QByteArray(9999, 'z'));
    writeFile(p.dir.file(QStringLiteral("settings.dat.tmp")), QByteArray(3, 'z'));
    // Left by a crash an hour ago: a save running now leaves a fresh one of
    // another writer alone, an old one goes.
    for (const char* name : {"players.dat.tmp", "settings.dat.tmp"}) {
        QFile f(p.dir.file(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    writeFile(p.dir.file(QStringLiteral("BAL.BMP")), QByteArray(5, 'z'));
    Forms forms;
    p.startGame(0, QStringLiteral("Bea"));
    QVERIFY(gameWindow()->regionsBuilt());
    QCOMPARE(QFileInfo(p.dir.file(QStringLiteral("BAL.BMP"))).size(), 512902);
    QCOMPARE(p.roster().size(), 484);
    QCOMPARE(p.roster()[0], char(2));
    QVERIFY(!QFile::exists(p.dir.file(QStringLiteral("players.dat.tmp"))));
    QVERIFY(gameWindow()->close());
    p.modals.answer = [](QWidget* w) {
        QTest::mouseClick(settingsDialog()->saveButton, Qt::LeftButton); // "Beállítások mentése"
        return int(is<SettingsDialog>(w) ? platform::mrOk : platform::mrCancel);
    };
    QTest::mouseClick(startWindow()->settingsButton, Qt::LeftButton);
    QCOMPARE(flows::fileBytes(p.dir.file(QStringLiteral("settings.dat"))).size(), 4);
    QVERIFY(!QFile::exists(p.dir.file(QStringLiteral("settings.dat.tmp"))));
    QVERIFY(p.messages.list.isEmpty());
    startWindow()->hide();
}

void BadRecordsTest::everyWindows1250LetterRoundTrips_data()
{
    // Every byte that the code page maps to a letter, in names of at most 30.
    QTest::addColumn<QByteArray>("bytes");
    QByteArray letters;
    QStringDecoder decode("windows-1250");
    for (int b = 0x20; b <= 0xFF; ++b)
        if (QString(decode(QByteArray(1, char(b)))).front().isLetter())
            letters += char(b);
    QCOMPARE(letters.size(), 52 + 83); // A-Z, a-z and the 83 beyond ASCII
    for (int i = 0; i < letters.size(); i += 30)
        QTest::newRow(qPrintable(QStringLiteral("letters %1-%2").arg(i + 1).arg(qMin(i + 30, int(letters.size())))))
            << letters.mid(i, 30);
}

void BadRecordsTest::everyWindows1250LetterRoundTrips()
{
    QFETCH(QByteArray, bytes);
    const QString name = QStringDecoder("windows-1250")(bytes);
    Program p;
    {
        Forms forms;
        p.startGame(0, name);
        QVERIFY(gameWindow()->isVisible());
        QVERIFY(gameWindow()->windowTitle().endsWith(QStringLiteral("(Játékos: %1)").arg(name)));
        QVERIFY(gameWindow()->close());
        QTest::mouseClick(startWindow()->quitButton, Qt::LeftButton); // "Kilépés"
    }
    const flows::Slot saved = flows::slotOf(p.roster(), 1);
    QCOMPARE(saved.name, bytes);
    // The next program start lists the name as typed.
    Forms forms;
    p.startGame(0);
    QCOMPARE(p.entries, QStringList{name + QStringLiteral(" (1. szint)")});
    QVERIFY(gameWindow()->windowTitle().endsWith(QStringLiteral("(Játékos: %1)").arg(name)));
    QVERIFY(p.messages.list.isEmpty());
    gameWindow()->hide();
}

QTEST_MAIN(BadRecordsTest)
#include "tst_badrecords.moc"
