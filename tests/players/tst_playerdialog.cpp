// The player window: listing, adding, deleting and choosing players, the
// roster file it keeps, and what a damaged or unreadable file does to it.
#include "players/playerdialog.h"

#include "players/roster.h"
#include "players/savecrash.h"
#include "players/windowtest.h"
#include "support/appwindows.h"
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
    for (int i = 0; i < playerDialog()->playerList->count(); ++i)
        out << playerDialog()->playerList->item(i)->text();
    return out;
}

void clickEntry(int row)
{
    QListWidget* list = playerDialog()->playerList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void doubleClickEntry(int row)
{
    QListWidget* list = playerDialog()->playerList;
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
    click(playerDialog()->addButton);
    type(playerDialog()->nameEdit, name);
    click(playerDialog()->confirmAddButton);
}

// Presses "Játékos törlése", ticks the box and presses again.
void deleteThroughWindow(int row)
{
    clickEntry(row);
    click(playerDialog()->deleteButton);
    playerDialog()->confirmDelete->setChecked(true);
    click(playerDialog()->deleteButton);
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

class PlayerDialogTest : public QObject {
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

void PlayerDialogTest::noFileCreatesEmptyRoster()
{
    GameDir dir;
    Forms forms;
    MessageLog messages;
    playerDialog()->show();
    QVERIFY(entries().isEmpty());
    QVERIFY(playerDialog()->addButton->isEnabled());
    QVERIFY(!playerDialog()->okButton->isEnabled());
    QVERIFY(!playerDialog()->deleteButton->isEnabled());
    QVERIFY(playerDialog()->nameEdit->isHidden() && playerDialog()->confirmAddButton->isHidden() && playerDialog()->cancelAddButton->isHidden());
    QVERIFY(playerDialog()->confirmDelete->isHidden());
    QCOMPARE(rosterFile(dir), QByteArray(484, '\0'));
    QVERIFY(messages.list.isEmpty());
    playerDialog()->hide();
}

void PlayerDialogTest::entriesAndWhoCanBeStarted_data()
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

void PlayerDialogTest::entriesAndWhoCanBeStarted()
{
    QFETCH(QString, name);
    QFETCH(int, level);
    QFETCH(QString, entry);
    QFETCH(bool, canStart);
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), name, level);
    playerDialog()->show();
    QCOMPARE(entries(), QStringList{entry});
    clickEntry(0);
    QCOMPARE(playerDialog()->okButton->isEnabled(), canStart);
    QVERIFY(playerDialog()->deleteButton->isEnabled()); // every player can be deleted
    playerDialog()->hide();
}

void PlayerDialogTest::finishedPlayerCannotBeStarted()
{
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), QStringLiteral("Kész"), 101);
    playerDialog()->show();
    doubleClickEntry(0);
    QVERIFY(playerDialog()->isVisible());
    QCOMPARE(int(playerStore()->selectedPlayer), 0);
    playerDialog()->okClicked();
    QVERIFY(playerDialog()->isVisible());
    QCOMPARE(int(playerStore()->selectedPlayer), 0);
    playerDialog()->hide();
}

void PlayerDialogTest::addingSavesAndListsThePlayer()
{
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), QStringLiteral("Első"), 12);
    playerDialog()->show();
    click(playerDialog()->addButton);
    QVERIFY(playerDialog()->nameEdit->isVisibleTo(playerDialog()) && playerDialog()->confirmAddButton->isVisibleTo(playerDialog()));
    QVERIFY(!playerDialog()->addButton->isEnabled());
    QCOMPARE(playerDialog()->focusWidget(), static_cast<QWidget*>(playerDialog()->nameEdit));
    QTest::keyClicks(playerDialog()->nameEdit, QStringLiteral("Anna"));
    click(playerDialog()->confirmAddButton);
    QCOMPARE(entries(), (QStringList{QString::fromUtf8("Első (12. szint)"), QStringLiteral("Anna (1. szint)")}));
    // The window is reset as at a fresh showing.
    QVERIFY(playerDialog()->nameEdit->isHidden() && playerDialog()->confirmAddButton->isHidden() && playerDialog()->cancelAddButton->isHidden());
    QVERIFY(playerDialog()->addButton->isEnabled());
    QVERIFY(!playerDialog()->okButton->isEnabled());
    const QByteArray b = rosterFile(dir);
    QCOMPARE(b.size(), 484);
    QCOMPARE(int(b[0]), 2);
    QCOMPARE(b.mid(4 + 48, 48), players::encodeRoster(rosterOf({"x", "Anna"})).mid(4 + 48, 48));
    playerDialog()->hide();
}

void PlayerDialogTest::nameEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const QString thirty = QStringLiteral("abcdefghij").repeated(3);
    QTest::newRow("thirty characters") << thirty << thirty;
    QTest::newRow("31st refused") << thirty + QStringLiteral("Z") << thirty;
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("   ");
    QTest::newRow("blanks kept") << QStringLiteral(" Bea ") << QStringLiteral(" Bea ");
}

void PlayerDialogTest::nameEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    GameDir dir;
    Forms forms;
    playerDialog()->show();
    addThroughWindow(typed);
    QCOMPARE(entries(), QStringList{stored + QStringLiteral(" (1. szint)")});
    QCOMPARE(rosterFile(dir), players::encodeRoster(rosterOf({stored})));
    playerDialog()->hide();
}

void PlayerDialogTest::emptyNameLeavesEntryOpen()
{
    GameDir dir;
    Forms forms;
    playerDialog()->show();
    click(playerDialog()->addButton);
    click(playerDialog()->confirmAddButton);
    QVERIFY(playerDialog()->nameEdit->isVisibleTo(playerDialog()));
    QVERIFY(entries().isEmpty());
    QCOMPARE(rosterFile(dir), QByteArray(484, '\0'));
    playerDialog()->hide();
}

void PlayerDialogTest::cancelClosesEntryWithoutSaving()
{
    GameDir dir;
    Forms forms;
    playerDialog()->show();
    click(playerDialog()->addButton);
    QTest::keyClicks(playerDialog()->nameEdit, QStringLiteral("Anna"));
    click(playerDialog()->cancelAddButton);
    QVERIFY(playerDialog()->nameEdit->isHidden() && playerDialog()->confirmAddButton->isHidden() && playerDialog()->cancelAddButton->isHidden());
    QVERIFY(playerDialog()->addButton->isEnabled());
    QVERIFY(entries().isEmpty());
    QCOMPARE(rosterFile(dir), QByteArray(484, '\0'));
    // Opening the entry again starts from an empty box.
    click(playerDialog()->addButton);
    QCOMPARE(playerDialog()->nameEdit->text(), QString());
    playerDialog()->hide();
}

void PlayerDialogTest::sameNameTwiceMakesTwoPlayers()
{
    GameDir dir;
    Forms forms;
    playerDialog()->show();
    addThroughWindow(QStringLiteral("Anna"));
    addThroughWindow(QStringLiteral("Anna"));
    QCOMPARE(entries(), (QStringList{"Anna (1. szint)", "Anna (1. szint)"}));
    QCOMPARE(rosterFile(dir), players::encodeRoster(rosterOf({"Anna", "Anna"})));
    playerDialog()->hide();
}

void PlayerDialogTest::tenPlayersDisableAdding()
{
    GameDir dir;
    Forms forms;
    addPlayers(dir, 10);
    playerDialog()->show();
    QCOMPARE(entries().size(), 10);
    QVERIFY(!playerDialog()->addButton->isEnabled());
    playerDialog()->addPlayerClicked(); // even called directly it opens nothing
    QVERIFY(playerDialog()->nameEdit->isHidden());
    deleteThroughWindow(4);
    QCOMPARE(entries().size(), 9);
    QVERIFY(playerDialog()->addButton->isEnabled());
    addThroughWindow(QStringLiteral("Új"));
    QCOMPARE(entries().size(), 10);
    QCOMPARE(entries().last(), QString::fromUtf8("Új (1. szint)"));
    QVERIFY(!playerDialog()->addButton->isEnabled());
    playerDialog()->hide();
}

void PlayerDialogTest::deletingRewritesTheFile_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::newRow("middle of three") << 3 << 1;
    QTest::newRow("first of three") << 3 << 0;
    QTest::newRow("tenth of ten") << 10 << 9;
    QTest::newRow("the only one") << 1 << 0;
}

void PlayerDialogTest::deletingRewritesTheFile()
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
    playerDialog()->show();
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
    QVERIFY(playerDialog()->confirmDelete->isHidden() && !playerDialog()->confirmDelete->isChecked());
    QVERIFY(playerDialog()->playerList->selectedItems().isEmpty());
    QVERIFY(!playerDialog()->deleteButton->isEnabled() && !playerDialog()->okButton->isEnabled());
    playerDialog()->hide();
}

void PlayerDialogTest::deletionNeedsTheTickedBox()
{
    GameDir dir;
    Forms forms;
    addPlayers(dir, 2);
    const QByteArray saved = rosterFile(dir);
    playerDialog()->show();
    QVERIFY(!playerDialog()->deleteButton->isEnabled());
    clickEntry(0);
    click(playerDialog()->deleteButton);
    QVERIFY(playerDialog()->confirmDelete->isVisibleTo(playerDialog()));
    click(playerDialog()->deleteButton); // shown but not ticked: hides it again
    QVERIFY(playerDialog()->confirmDelete->isHidden());
    click(playerDialog()->deleteButton);
    QVERIFY(playerDialog()->confirmDelete->isVisibleTo(playerDialog()));
    QCOMPARE(entries().size(), 2);
    QCOMPARE(rosterFile(dir), saved);
    QTest::mouseClick(playerDialog()->confirmDelete, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(playerDialog()->confirmDelete->isChecked());
    click(playerDialog()->deleteButton);
    QCOMPARE(entries(), QStringList{"P2 (2. szint)"});
    playerDialog()->hide();
}

void PlayerDialogTest::confirmationIsNotTiedToAnEntry()
{
    GameDir dir;
    Forms forms;
    addPlayers(dir, 3);
    playerDialog()->show();
    clickEntry(0);
    click(playerDialog()->deleteButton);
    playerDialog()->confirmDelete->setChecked(true);
    clickEntry(2); // another entry, box still ticked
    click(playerDialog()->deleteButton);
    QCOMPARE(entries(), (QStringList{"P1 (1. szint)", "P2 (2. szint)"}));
    playerDialog()->hide();
}

void PlayerDialogTest::okAndDoubleClickChooseThePlayer_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("OK") << false;
    QTest::newRow("double click") << true;
}

void PlayerDialogTest::okAndDoubleClickChooseThePlayer()
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
            click(playerDialog()->okButton);
        }
        return int(playerDialog()->isVisible() ? platform::mrCancel : platform::mrOk);
    };
    QCOMPARE(platform::showModal(playerDialog()), int(platform::mrOk));
    QCOMPARE(int(playerStore()->selectedPlayer), 2);
    QCOMPARE(playerStore()->currentPlayer().displayName(), QStringLiteral("P2"));
    // The next showing forgets the choice until OK is used again.
    playerDialog()->show();
    QCOMPARE(int(playerStore()->selectedPlayer), 0);
    playerDialog()->hide();
}

void PlayerDialogTest::keyboardSelectionUpdatesButtons()
{
    GameDir dir;
    Forms forms;
    addPlayer(dir.path(), QStringLiteral("Anna"), 3);
    addPlayer(dir.path(), QStringLiteral("Kész"), 101);
    playerDialog()->show();
    playerDialog()->playerList->setFocus();
    QTest::keyClick(playerDialog()->playerList, Qt::Key_Home);
    QCOMPARE(playerDialog()->playerList->selectedItems().size(), 1);
    QVERIFY(playerDialog()->okButton->isEnabled() && playerDialog()->deleteButton->isEnabled());
    QTest::keyClick(playerDialog()->playerList, Qt::Key_Down);
    QVERIFY(!playerDialog()->okButton->isEnabled());
    QVERIFY(playerDialog()->deleteButton->isEnabled());
    QTest::keyClick(playerDialog()->playerList, Qt::Key_Up);
    QVERIFY(playerDialog()->okButton->isEnabled());
    playerDialog()->hide();
}

void PlayerDialogTest::closeBoxAndKeysChooseNobody_data()
{
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::newRow("close box") << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void PlayerDialogTest::closeBoxAndKeysChooseNobody()
{
    QFETCH(int, key);
    GameDir dir;
    Forms forms;
    addPlayers(dir, 2);
    playerDialog()->show();
    clickEntry(1);
    QVERIFY(playerDialog()->okButton->isEnabled());
    if (key == 0) {
        playerDialog()->close();
        QVERIFY(!playerDialog()->isVisible());
    } else {
        // Neither from the list nor from the name entry does a key close it.
        QTest::keyClick(playerDialog()->playerList, Qt::Key(key));
        click(playerDialog()->addButton);
        QTest::keyClicks(playerDialog()->nameEdit, QStringLiteral("Anna"));
        QTest::keyClick(playerDialog()->nameEdit, Qt::Key(key));
        QVERIFY(playerDialog()->isVisible());
        QVERIFY(playerDialog()->nameEdit->isVisibleTo(playerDialog()));
        QCOMPARE(entries().size(), 2);
    }
    QCOMPARE(int(playerStore()->selectedPlayer), 0);
    playerDialog()->hide();
}

void PlayerDialogTest::damagedRoster_data()
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

void PlayerDialogTest::damagedRoster()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, error);
    QFETCH(int, listed);
    QFETCH(int, firstEntryLength);
    GameDir dir;
    Forms forms;
    MessageLog messages;
    writeFile(dir.file(QStringLiteral("players.dat")), bytes);
    playerDialog()->show();
    QVERIFY(playerDialog()->isVisible());
    QCOMPARE(messages.texts(), error);
    QCOMPARE(entries().size(), listed);
    if (listed > 0)
        QCOMPARE(int(entries().first().size()), firstEntryLength);
    // The file is only rewritten by a change the player makes; that change
    // then leaves a sound roster of exactly 484 bytes.
    QCOMPARE(rosterFile(dir), bytes);
    QVERIFY(playerDialog()->addButton->isEnabled() == (listed < 10));
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
    playerDialog()->hide();
}

void PlayerDialogTest::unreadableRosterIsLeftAlone_data()
{
    QTest::addColumn<bool>("socket"); // else a folder
    QTest::addColumn<QString>("error");
    // A folder opens but cannot be read; a socket cannot even be opened.
    QTest::newRow("folder") << false << "File access denied.";
    QTest::newRow("socket") << true << "I/O error 6.";
}

void PlayerDialogTest::unreadableRosterIsLeftAlone()
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
    playerDialog()->show();
    QVERIFY(playerDialog()->isVisible());
    QCOMPARE(messages.texts(), QStringList{error});
    QVERIFY(entries().isEmpty());
    QVERIFY(!playerDialog()->addButton->isEnabled());
    QVERIFY(!playerStore()->readable());
    playerDialog()->addPlayerClicked();
    QVERIFY(playerDialog()->nameEdit->isHidden());
    QVERIFY(untouched());
    playerDialog()->hide();
    if (fd >= 0)
        ::close(fd);

    // Once the roster can be read again, the window works as before.
    QVERIFY(socket ? QFile::remove(path) : QDir(path).removeRecursively());
    addPlayer(dir.path(), QStringLiteral("Anna"), 4);
    messages.list.clear();
    playerDialog()->show();
    QVERIFY(messages.list.isEmpty());
    QCOMPARE(entries(), QStringList{"Anna (4. szint)"});
    QVERIFY(playerDialog()->addButton->isEnabled());
    playerDialog()->hide();
}

void PlayerDialogTest::hungarianNameRoundTrip()
{
    GameDir dir;
    Forms forms;
    const QString name = QString::fromUtf8("áéíóöőúüű ÁÉÍÓÖŐÚÜŰ");
    playerDialog()->show();
    addThroughWindow(name);
    const QByteArray b = rosterFile(dir);
    const QByteArray cp1250("\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB\x20\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB");
    QCOMPARE(int(b[4]), 19);
    QCOMPARE(b.mid(5, 19), cp1250);
    QCOMPARE(b.mid(5 + 19, 11), QByteArray(11, '\0'));
    // Read back from the file at the next showing.
    playerDialog()->hide();
    playerDialog()->show();
    QCOMPARE(entries(), QStringList{name + QStringLiteral(" (1. szint)")});
    playerDialog()->hide();
}

void PlayerDialogTest::entryRefusesCharactersOutsideCodePage_data()
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

void PlayerDialogTest::entryRefusesCharactersOutsideCodePage()
{
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    GameDir dir;
    Forms forms;
    playerDialog()->show();
    click(playerDialog()->addButton);
    QTest::keyClicks(playerDialog()->nameEdit, QStringLiteral("Ab"));
    QTest::sendKeyEvent(QTest::Click, playerDialog()->nameEdit, Qt::Key_unknown, typed, Qt::NoModifier);
    QTest::keyClicks(playerDialog()->nameEdit, QStringLiteral("c"));
    QCOMPARE(playerDialog()->nameEdit->text(), taken ? QStringLiteral("Ab") + typed + QStringLiteral("c") : QStringLiteral("Abc"));
    // Pasted text is held to the same rule: what fits is kept, the rest is
    // left out and named beside the box.
    playerDialog()->nameEdit->clear();
    QToolTip::hideText();
    playerDialog()->nameEdit->insert(QStringLiteral("Anna") + typed + QStringLiteral("!"));
    QCOMPARE(playerDialog()->nameEdit->text(), QStringLiteral("Anna") + (taken ? typed : QString()) + QStringLiteral("!"));
    QCOMPARE(QToolTip::text(), taken ? QString() : PlayerDialog::droppedCharsNote(typed));
    if (!taken)
        QVERIFY(QToolTip::text().endsWith(typed));
    playerDialog()->nameEdit->backspace();
    click(playerDialog()->confirmAddButton);
    if (taken)
        QCOMPARE(players::decodeRoster(rosterFile(dir).constData()).slot(1).displayName(), QStringLiteral("Anna") + typed);
    playerDialog()->hide();
}

void PlayerDialogTest::failedSaveKeepsRosterAsFileHasIt()
{
    GameDir dir;
    Forms forms;
    MessageLog messages;
    addPlayers(dir, 2);
    const QByteArray saved = rosterFile(dir);
    playerDialog()->show();
    // The roster turned into a link (to a copy elsewhere) makes every save
    // fail: the game never writes through a link.
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath(QStringLiteral("players.dat"));
    QVERIFY(QFile::rename(dir.file(QStringLiteral("players.dat")), copy));
    QVERIFY(QFile::link(copy, dir.file(QStringLiteral("players.dat"))));
    addThroughWindow(QStringLiteral("Anna"));
    deleteThroughWindow(0);
    QCOMPARE(messages.texts(), (QStringList{"File access denied.", "File access denied."}));
    QCOMPARE(int(playerStore()->roster.playerCount), 2);
    QCOMPARE(playerStore()->roster.slot(1).displayName(), QStringLiteral("P1"));
    QCOMPARE(rosterFile(dir), saved);
    QCOMPARE(entries(), (QStringList{"P1 (1. szint)", "P2 (2. szint)"}));
    // The typed name is still there to try again.
    QCOMPARE(playerDialog()->nameEdit->text(), QStringLiteral("Anna"));
    playerDialog()->hide();
}

void PlayerDialogTest::saveSurvivesKillAtAnyMoment()
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

QTEST_MAIN(PlayerDialogTest)
#include "tst_playerdialog.moc"
