// The player window: listing, adding, deleting and choosing players, the
// roster file it keeps, and what a damaged or unreadable file does to it.
#include "players/uPlayerSelect.h"

#include "players/roster.h"
#include "players/savecrash.h"
#include "players/windowtest.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using testsupport::addPlayer;
using testsupport::Forms;
using testsupport::GameDir;
using testsupport::MessageLog;

namespace {
using windowtest::writeFile;

QByteArray rosterFile(const GameDir& dir) { return windowtest::fileBytes(dir.file(QStringLiteral("players.dat"))); }

QStringList entries()
{
    QStringList out;
    for (int i = 0; i < Form3->ListBox1->count(); ++i)
        out << Form3->ListBox1->item(i)->text();
    return out;
}

void clickEntry(int row)
{
    QListWidget* list = Form3->ListBox1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void doubleClickEntry(int row)
{
    QListWidget* list = Form3->ListBox1;
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    // A mouse releases the button after the double click too.
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// Types text key by key, letters beyond ASCII included.
void type(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types a name into the entry and presses "Hozzáadás".
void addThroughWindow(const QString& name)
{
    click(Form3->Button1);
    type(Form3->Edit1, name);
    click(Form3->Button3);
}

// Presses "Játékos törlése", ticks the box and presses again.
void deleteThroughWindow(int row)
{
    clickEntry(row);
    click(Form3->Button5);
    Form3->CheckBox1->setChecked(true);
    click(Form3->Button5);
}

void addPlayers(const GameDir& dir, int count)
{
    for (int i = 1; i <= count; ++i)
        addPlayer(dir.path(), QStringLiteral("P%1").arg(i), i);
}

// A listening Unix socket at `path`: it exists, but open() refuses it.
int bindSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    if (fd < 0 || native.size() >= int(sizeof addr.sun_path))
        return -1;
    std::copy(native.begin(), native.end(), addr.sun_path);
    return ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 ? fd : -1;
}

players::RosterRecord rosterOf(const QStringList& names)
{
    players::RosterRecord r;
    for (const QString& n : names)
        r = players::withPlayerAdded(r, n);
    return r;
}
} // namespace

class TestPlayerSelect : public QObject {
    Q_OBJECT
private slots:
    void noFileCreatesEmptyRoster();
    void entriesAndWhoCanBeStarted_data();
    void entriesAndWhoCanBeStarted();
    void finishedPlayerCannotBeStarted();
    void addingSavesAndListsThePlayer();
    void nameEntry_data();
    void nameEntry();
    void emptyNameLeavesEntryOpen();
    void cancelClosesEntryWithoutSaving();
    void sameNameTwiceMakesTwoPlayers();
    void tenPlayersDisableAdding();
    void deletingRewritesTheFile_data();
    void deletingRewritesTheFile();
    void deletionNeedsTheTickedBox();
    void confirmationIsNotTiedToAnEntry();
    void okAndDoubleClickChooseThePlayer_data();
    void okAndDoubleClickChooseThePlayer();
    void keyboardSelectionUpdatesButtons();
    void closeBoxAndKeysChooseNobody_data();
    void closeBoxAndKeysChooseNobody();
    void damagedRoster_data();
    void damagedRoster();
    void unreadableRosterIsLeftAlone_data();
    void unreadableRosterIsLeftAlone();
    void hungarianNameRoundTrip();
    void entryRefusesCharactersOutsideCodePage_data();
    void entryRefusesCharactersOutsideCodePage();
    void failedSaveKeepsRosterAsFileHasIt();
    void saveSurvivesKillAtAnyMoment();
};

void TestPlayerSelect::noFileCreatesEmptyRoster()
{
    GameDir dir;
    Forms forms;
    MessageLog messages;
    Form3->show();
    QVERIFY(entries().isEmpty());
    QVERIFY(Form3->Button1->isEnabled());
    QVERIFY(!Form3->Button2->isEnabled());
    QVERIFY(!Form3->Button5->isEnabled());
    QVERIFY(Form3->Edit1->isHidden() && Form3->Button3->isHidden() && Form3->Button4->isHidden());
    QVERIFY(Form3->CheckBox1->isHidden());
    QCOMPARE(rosterFile(dir), QByteArray(484, '\0'));
    QVERIFY(messages.list.isEmpty());
    Form3->hide();
}

void TestPlayerSelect::entriesAndWhoCanBeStarted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("canStart");
    QTest::newRow("new player") << "Anna" << 1 << "Anna (1. szint)" << true;
    QTest::newRow("level 7") << "Anna" << 7 << "Anna (7. szint)" << true;
    QTest::newRow("not played yet") << "Anna" << 0 << QString::fromUtf8("Anna (még nem játszott)") << true;
    QTest::newRow("finished") << "Anna" << 101 << "Anna (befejezve)" << false;
    QTest::newRow("name says finished") << "Bob (befejezve)" << 5 << "Bob (befejezve) (5. szint)" << false;
}

void TestPlayerSelect::entriesAndWhoCanBeStarted()
{
    QFETCH(QString, name);
    QFETCH(int, level);
    QFETCH(QString, entry);
    QFETCH(bool, canStart);
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), name, level);
    Form3->show();
    QCOMPARE(entries(), QStringList{entry});
    clickEntry(0);
    QCOMPARE(Form3->Button2->isEnabled(), canStart);
    QVERIFY(Form3->Button5->isEnabled()); // every player can be deleted
    Form3->hide();
}

void TestPlayerSelect::finishedPlayerCannotBeStarted()
{
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), QStringLiteral("Kész"), 101);
    Form3->show();
    doubleClickEntry(0);
    QVERIFY(Form3->isVisible());
    QCOMPARE(int(Form3->selectedPlayer), 0);
    Form3->Button2Click();
    QVERIFY(Form3->isVisible());
    QCOMPARE(int(Form3->selectedPlayer), 0);
    Form3->hide();
}

void TestPlayerSelect::addingSavesAndListsThePlayer()
{
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), QStringLiteral("Első"), 12);
    Form3->show();
    click(Form3->Button1);
    QVERIFY(Form3->Edit1->isVisibleTo(Form3) && Form3->Button3->isVisibleTo(Form3));
    QVERIFY(!Form3->Button1->isEnabled());
    QCOMPARE(Form3->focusWidget(), static_cast<QWidget*>(Form3->Edit1));
    QTest::keyClicks(Form3->Edit1, QStringLiteral("Anna"));
    click(Form3->Button3);
    QCOMPARE(entries(), (QStringList{QString::fromUtf8("Első (12. szint)"), QStringLiteral("Anna (1. szint)")}));
    // The window is reset as at a fresh showing.
    QVERIFY(Form3->Edit1->isHidden() && Form3->Button3->isHidden() && Form3->Button4->isHidden());
    QVERIFY(Form3->Button1->isEnabled());
    QVERIFY(!Form3->Button2->isEnabled());
    const QByteArray b = rosterFile(dir);
    QCOMPARE(b.size(), 484);
    QCOMPARE(int(b[0]), 2);
    QCOMPARE(b.mid(4 + 48, 48), players::encodeRoster(rosterOf({"x", "Anna"})).mid(4 + 48, 48));
    Form3->hide();
}

void TestPlayerSelect::nameEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QString thirty = QStringLiteral("abcdefghij").repeated(3);
    QTest::newRow("thirty characters") << thirty << thirty;
    QTest::newRow("31st refused") << thirty + QStringLiteral("Z") << thirty;
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("   ");
    QTest::newRow("blanks kept") << QStringLiteral(" Bea ") << QStringLiteral(" Bea ");
}

void TestPlayerSelect::nameEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    GameDir dir;
    Forms forms;
    Form3->show();
    addThroughWindow(typed);
    QCOMPARE(entries(), QStringList{stored + QStringLiteral(" (1. szint)")});
    QCOMPARE(rosterFile(dir), players::encodeRoster(rosterOf({stored})));
    Form3->hide();
}

void TestPlayerSelect::emptyNameLeavesEntryOpen()
{
    GameDir dir;
    Forms forms;
    Form3->show();
    click(Form3->Button1);
    click(Form3->Button3);
    QVERIFY(Form3->Edit1->isVisibleTo(Form3));
    QVERIFY(entries().isEmpty());
    QCOMPARE(rosterFile(dir), QByteArray(484, '\0'));
    Form3->hide();
}

void TestPlayerSelect::cancelClosesEntryWithoutSaving()
{
    GameDir dir;
    Forms forms;
    Form3->show();
    click(Form3->Button1);
    QTest::keyClicks(Form3->Edit1, QStringLiteral("Anna"));
    click(Form3->Button4);
    QVERIFY(Form3->Edit1->isHidden() && Form3->Button3->isHidden() && Form3->Button4->isHidden());
    QVERIFY(Form3->Button1->isEnabled());
    QVERIFY(entries().isEmpty());
    QCOMPARE(rosterFile(dir), QByteArray(484, '\0'));
    // Opening the entry again starts from an empty box.
    click(Form3->Button1);
    QCOMPARE(Form3->Edit1->text(), QString());
    Form3->hide();
}

void TestPlayerSelect::sameNameTwiceMakesTwoPlayers()
{
    GameDir dir;
    Forms forms;
    Form3->show();
    addThroughWindow(QStringLiteral("Anna"));
    addThroughWindow(QStringLiteral("Anna"));
    QCOMPARE(entries(), (QStringList{"Anna (1. szint)", "Anna (1. szint)"}));
    QCOMPARE(rosterFile(dir), players::encodeRoster(rosterOf({"Anna", "Anna"})));
    Form3->hide();
}

void TestPlayerSelect::tenPlayersDisableAdding()
{
    GameDir dir;
    Forms forms;
    addPlayers(dir, 10);
    Form3->show();
    QCOMPARE(entries().size(), 10);
    QVERIFY(!Form3->Button1->isEnabled());
    Form3->Button1Click(); // even called directly it opens nothing
    QVERIFY(Form3->Edit1->isHidden());
    deleteThroughWindow(4);
    QCOMPARE(entries().size(), 9);
    QVERIFY(Form3->Button1->isEnabled());
    addThroughWindow(QStringLiteral("Új"));
    QCOMPARE(entries().size(), 10);
    QCOMPARE(entries().last(), QString::fromUtf8("Új (1. szint)"));
    QVERIFY(!Form3->Button1->isEnabled());
    Form3->hide();
}

void TestPlayerSelect::deletingRewritesTheFile_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::newRow("middle of three") << 3 << 1;
    QTest::newRow("first of three") << 3 << 0;
    QTest::newRow("tenth of ten") << 10 << 9;
    QTest::newRow("the only one") << 1 << 0;
}

void TestPlayerSelect::deletingRewritesTheFile()
{
    QFETCH(int, count);
    QFETCH(int, row);
    GameDir dir;
    Forms forms;
    addPlayers(dir, count);
    QFile f(dir.file(QStringLiteral("players.dat")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const players::RosterRecord before = players::decodeRoster(f.readAll().constData());
    f.close();
    Form3->show();
    deleteThroughWindow(row);
    // Later players move up in order; the freed last slot is zero.
    QByteArray expected(484, '\0');
    expected[0] = char(count - 1);
    int slot = 0;
    for (int k = 1; k <= count; ++k) {
        if (k == row + 1)
            continue;
        players::RosterRecord one;
        one.playerCount = 1;
        one.slot(1) = before.slot(k);
        expected.replace(4 + 48 * slot++, 48, players::encodeRoster(one).mid(4, 48));
    }
    QCOMPARE(rosterFile(dir), expected);
    QCOMPARE(entries().size(), count - 1);
    QVERIFY(Form3->CheckBox1->isHidden() && !Form3->CheckBox1->isChecked());
    QVERIFY(Form3->ListBox1->selectedItems().isEmpty());
    QVERIFY(!Form3->Button5->isEnabled() && !Form3->Button2->isEnabled());
    Form3->hide();
}

void TestPlayerSelect::deletionNeedsTheTickedBox()
{
    GameDir dir;
    Forms forms;
    addPlayers(dir, 2);
    const QByteArray saved = rosterFile(dir);
    Form3->show();
    QVERIFY(!Form3->Button5->isEnabled());
    clickEntry(0);
    click(Form3->Button5);
    QVERIFY(Form3->CheckBox1->isVisibleTo(Form3));
    click(Form3->Button5); // shown but not ticked: hides it again
    QVERIFY(Form3->CheckBox1->isHidden());
    click(Form3->Button5);
    QVERIFY(Form3->CheckBox1->isVisibleTo(Form3));
    QCOMPARE(entries().size(), 2);
    QCOMPARE(rosterFile(dir), saved);
    QTest::mouseClick(Form3->CheckBox1, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(Form3->CheckBox1->isChecked());
    click(Form3->Button5);
    QCOMPARE(entries(), QStringList{"P2 (2. szint)"});
    Form3->hide();
}

void TestPlayerSelect::confirmationIsNotTiedToAnEntry()
{
    GameDir dir;
    Forms forms;
    addPlayers(dir, 3);
    Form3->show();
    clickEntry(0);
    click(Form3->Button5);
    Form3->CheckBox1->setChecked(true);
    clickEntry(2); // another entry, box still ticked
    click(Form3->Button5);
    QCOMPARE(entries(), (QStringList{"P1 (1. szint)", "P2 (2. szint)"}));
    Form3->hide();
}

void TestPlayerSelect::okAndDoubleClickChooseThePlayer_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("OK") << false;
    QTest::newRow("double click") << true;
}

void TestPlayerSelect::okAndDoubleClickChooseThePlayer()
{
    QFETCH(bool, doubleClick);
    GameDir dir;
    Forms forms;
    addPlayers(dir, 3);
    testsupport::ModalLog modal;
    modal.answer = [&](QWidget*) {
        if (doubleClick) {
            doubleClickEntry(1);
        } else {
            clickEntry(1);
            click(Form3->Button2);
        }
        return int(Form3->isVisible() ? platform::mrCancel : platform::mrOk);
    };
    QCOMPARE(platform::showModal(Form3), int(platform::mrOk));
    QCOMPARE(int(Form3->selectedPlayer), 2);
    QCOMPARE(Form3->currentPlayer().displayName(), QStringLiteral("P2"));
    // The next showing forgets the choice until OK is used again.
    Form3->show();
    QCOMPARE(int(Form3->selectedPlayer), 0);
    Form3->hide();
}

void TestPlayerSelect::keyboardSelectionUpdatesButtons()
{
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), QStringLiteral("Anna"), 3);
    addPlayer(dir.path(), QStringLiteral("Kész"), 101);
    Form3->show();
    Form3->ListBox1->setFocus();
    QTest::keyClick(Form3->ListBox1, Qt::Key_Home);
    QCOMPARE(Form3->ListBox1->selectedItems().size(), 1);
    QVERIFY(Form3->Button2->isEnabled() && Form3->Button5->isEnabled());
    QTest::keyClick(Form3->ListBox1, Qt::Key_Down);
    QVERIFY(!Form3->Button2->isEnabled());
    QVERIFY(Form3->Button5->isEnabled());
    QTest::keyClick(Form3->ListBox1, Qt::Key_Up);
    QVERIFY(Form3->Button2->isEnabled());
    Form3->hide();
}

void TestPlayerSelect::closeBoxAndKeysChooseNobody_data()
{
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::newRow("close box") << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestPlayerSelect::closeBoxAndKeysChooseNobody()
{
    QFETCH(int, key);
    GameDir dir;
    Forms forms;
    addPlayers(dir, 2);
    Form3->show();
    clickEntry(1);
    QVERIFY(Form3->Button2->isEnabled());
    if (key == 0) {
        Form3->close();
        QVERIFY(!Form3->isVisible());
    } else {
        // Neither from the list nor from the name entry does a key close it.
        QTest::keyClick(Form3->ListBox1, Qt::Key(key));
        click(Form3->Button1);
        QTest::keyClicks(Form3->Edit1, QStringLiteral("Anna"));
        QTest::keyClick(Form3->Edit1, Qt::Key(key));
        QVERIFY(Form3->isVisible());
        QVERIFY(Form3->Edit1->isVisibleTo(Form3));
        QCOMPARE(entries().size(), 2);
    }
    QCOMPARE(int(Form3->selectedPlayer), 0);
    Form3->hide();
}

void TestPlayerSelect::damagedRoster_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("error");
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("firstEntryLength");
    QByteArray tooMany = players::encodeRoster(rosterOf({"Anna"}));
    tooMany[0] = char(200);
    QByteArray longName = players::encodeRoster(rosterOf({"Anna"}));
    longName[4] = char(250);
    QByteArray longFile = players::encodeRoster(rosterOf({"Anna"})) + QByteArray(100, 'x');
    QTest::newRow("short") << QByteArray(300, '\1') << QStringList{"Read beyond end of file."} << 0 << 0;
    QTest::newRow("empty") << QByteArray() << QStringList{"Read beyond end of file."} << 0 << 0;
    QTest::newRow("count 200") << tooMany << QStringList{} << 10 << int(QStringLiteral("Anna (1. szint)").size());
    QTest::newRow("name length 250") << longName << QStringList{} << 1 << 30 + int(QStringLiteral(" (1. szint)").size());
    QTest::newRow("longer than a roster") << longFile << QStringList{} << 1 << int(QStringLiteral("Anna (1. szint)").size());
}

void TestPlayerSelect::damagedRoster()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, error);
    QFETCH(int, listed);
    QFETCH(int, firstEntryLength);
    GameDir dir;
    Forms forms;
    MessageLog messages;
    writeFile(dir.file(QStringLiteral("players.dat")), bytes);
    Form3->show();
    QVERIFY(Form3->isVisible());
    QCOMPARE(messages.texts(), error);
    QCOMPARE(entries().size(), listed);
    if (listed > 0)
        QCOMPARE(int(entries().first().size()), firstEntryLength);
    // The file is only rewritten by a change the player makes; that change
    // then leaves a sound roster of exactly 484 bytes.
    QCOMPARE(rosterFile(dir), bytes);
    QVERIFY(Form3->Button1->isEnabled() == (listed < 10));
    if (listed < 10) {
        addThroughWindow(QStringLiteral("Új"));
        QCOMPARE(rosterFile(dir).size(), 484);
        QCOMPARE(int(quint8(rosterFile(dir)[0])), listed + 1);
        QCOMPARE(entries().last(), QString::fromUtf8("Új (1. szint)"));
    } else {
        deleteThroughWindow(0);
        QCOMPARE(rosterFile(dir).size(), 484);
        QCOMPARE(int(rosterFile(dir)[0]), 9);
    }
    Form3->hide();
}

void TestPlayerSelect::unreadableRosterIsLeftAlone_data()
{
    QTest::addColumn<bool>("socket"); // else a folder
    QTest::addColumn<QString>("error");
    // A folder opens but cannot be read; a socket cannot even be opened.
    QTest::newRow("folder") << false << "File access denied.";
    QTest::newRow("socket") << true << "I/O error 6.";
}

void TestPlayerSelect::unreadableRosterIsLeftAlone()
{
    QFETCH(bool, socket);
    QFETCH(QString, error);
    GameDir dir;
    Forms forms;
    MessageLog messages;
    const QString path = dir.file(QStringLiteral("players.dat"));
    const int fd = socket ? bindSocket(path) : -1;
    if (!socket)
        QVERIFY(QDir().mkpath(path + QStringLiteral("/keep")));
    const auto untouched = [&] {
        const QFileInfo info(path);
        return socket ? info.exists() && !info.isFile() && !info.isDir() : QFileInfo(path + QStringLiteral("/keep")).isDir();
    };
    QVERIFY(untouched());
    Form3->show();
    QVERIFY(Form3->isVisible());
    QCOMPARE(messages.texts(), QStringList{error});
    QVERIFY(entries().isEmpty());
    QVERIFY(!Form3->Button1->isEnabled());
    QVERIFY(!Form3->rosterReadable());
    Form3->Button1Click();
    QVERIFY(Form3->Edit1->isHidden());
    QVERIFY(untouched());
    Form3->hide();
    if (fd >= 0)
        ::close(fd);

    // Once the roster can be read again, the window works as before.
    QVERIFY(socket ? QFile::remove(path) : QDir(path).removeRecursively());
    addPlayer(dir.path(), QStringLiteral("Anna"), 4);
    messages.list.clear();
    Form3->show();
    QVERIFY(messages.list.isEmpty());
    QCOMPARE(entries(), QStringList{"Anna (4. szint)"});
    QVERIFY(Form3->Button1->isEnabled());
    Form3->hide();
}

void TestPlayerSelect::hungarianNameRoundTrip()
{
    GameDir dir;
    Forms forms;
    const QString name = QString::fromUtf8("áéíóöőúüű ÁÉÍÓÖŐÚÜŰ");
    Form3->show();
    addThroughWindow(name);
    const QByteArray b = rosterFile(dir);
    const QByteArray cp1250("\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB\x20\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB");
    QCOMPARE(int(b[4]), 19);
    QCOMPARE(b.mid(5, 19), cp1250);
    QCOMPARE(b.mid(5 + 19, 11), QByteArray(11, '\0'));
    // Read back from the file at the next showing.
    Form3->hide();
    Form3->show();
    QCOMPARE(entries(), QStringList{name + QStringLiteral(" (1. szint)")});
    Form3->hide();
}

void TestPlayerSelect::entryRefusesCharactersOutsideCodePage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("ő") << QString::fromUtf8("ő") << true;
    QTest::newRow("Ű") << QString::fromUtf8("Ű") << true;
    QTest::newRow("Polish ł") << QString::fromUtf8("ł") << true;
    QTest::newRow("euro sign") << QString::fromUtf8("€") << true;
    QTest::newRow("CJK") << QString::fromUtf8("日") << false;
    QTest::newRow("Greek") << QString::fromUtf8("Ω") << false;
    QTest::newRow("Cyrillic") << QString::fromUtf8("Ж") << false;
    QTest::newRow("emoji") << QString::fromUtf8("😀") << false;
}

void TestPlayerSelect::entryRefusesCharactersOutsideCodePage()
{
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    GameDir dir;
    Forms forms;
    Form3->show();
    click(Form3->Button1);
    QTest::keyClicks(Form3->Edit1, QStringLiteral("Ab"));
    QTest::sendKeyEvent(QTest::Click, Form3->Edit1, Qt::Key_unknown, typed, Qt::NoModifier);
    QTest::keyClicks(Form3->Edit1, QStringLiteral("c"));
    QCOMPARE(Form3->Edit1->text(), taken ? QStringLiteral("Ab") + typed + QStringLiteral("c") : QStringLiteral("Abc"));
    // Pasted text is held to the same rule: what fits is kept, the rest is
    // left out and named beside the box.
    Form3->Edit1->clear();
    QToolTip::hideText();
    Form3->Edit1->insert(QStringLiteral("Anna") + typed + QStringLiteral("!"));
    QCOMPARE(Form3->Edit1->text(), QStringLiteral("Anna") + (taken ? typed : QString()) + QStringLiteral("!"));
    QCOMPARE(QToolTip::text(), taken ? QString() : TForm3::droppedCharsNote(typed));
    if (!taken)
        QVERIFY(QToolTip::text().endsWith(typed));
    Form3->Edit1->backspace();
    click(Form3->Button3);
    if (taken)
        QCOMPARE(players::decodeRoster(rosterFile(dir).constData()).slot(1).displayName(), QStringLiteral("Anna") + typed);
    Form3->hide();
}

void TestPlayerSelect::failedSaveKeepsRosterAsFileHasIt()
{
    GameDir dir;
    Forms forms;
    MessageLog messages;
    addPlayers(dir, 2);
    const QByteArray saved = rosterFile(dir);
    Form3->show();
    // The roster turned into a link (to a copy elsewhere) makes every save
    // fail: the game never writes through a link.
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("players.dat"));
    QVERIFY(QFile::rename(dir.file(QStringLiteral("players.dat")), copy));
    QVERIFY(QFile::link(copy, dir.file(QStringLiteral("players.dat"))));
    addThroughWindow(QStringLiteral("Anna"));
    deleteThroughWindow(0);
    QCOMPARE(messages.texts(), (QStringList{"File access denied.", "File access denied."}));
    QCOMPARE(int(Form3->roster.playerCount), 2);
    QCOMPARE(Form3->roster.slot(1).displayName(), QStringLiteral("P1"));
    QCOMPARE(rosterFile(dir), saved);
    QCOMPARE(entries(), (QStringList{"P1 (1. szint)", "P2 (2. szint)"}));
    // The typed name is still there to try again.
    QCOMPARE(Form3->Edit1->text(), QStringLiteral("Anna"));
    Form3->hide();
}

void TestPlayerSelect::saveSurvivesKillAtAnyMoment()
{
    GameDir dir;
    const QByteArray first = players::encodeRoster(savecrash::first());
    const QByteArray second = players::encodeRoster(savecrash::second());
    QRandomGenerator rng(20240611);
    int seen[2] = {0, 0};
    for (int round = 0; round < 50; ++round) {
        QProcess child;
        child.start(QStringLiteral(SAVECRASH_CHILD), {dir.path()});
        QVERIFY(child.waitForStarted());
        // Kill it once it has finished a random number of saves; it goes on
        // saving while we read, so the kill lands anywhere in a save.
        const int saves = int(rng.bounded(1, 40));
        int done = 0;
        while (done < saves) {
            QVERIFY2(child.waitForReadyRead(10000), "the child stopped saving");
            done += child.readAllStandardOutput().count('\n');
        }
        child.kill();
        QVERIFY(child.waitForFinished());
        const QByteArray b = rosterFile(dir);
        QVERIFY2(b == first || b == second, qPrintable(QStringLiteral("round %1: %2 bytes, torn").arg(round).arg(b.size())));
        ++seen[b == first ? 0 : 1];
    }
    QVERIFY(seen[0] > 0 && seen[1] > 0);
}

QTEST_MAIN(TestPlayerSelect)
#include "tst_uPlayerSelect.moc"
