// The player and settings stores without their windows: what they read,
// write and announce, and what a failed write leaves.
#include "platform/ioerror.h"
#include "players/playerstore.h"
#include "players/roster.h"
#include "players/settingsstore.h"
#include "support/testsupport.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using testsupport::GameDir;

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file turned into a link to a copy elsewhere: every save must fail,
// since the game never writes through a link.
void makeLink(const GameDir& dir, const QString& name, QTemporaryDir& elsewhere)
{
    const QString copy = elsewhere.filePath(name);
    QVERIFY(QFile::rename(dir.file(name), copy));
    QVERIFY(QFile::link(copy, dir.file(name)));
}
} // namespace

class StoresTest : public QObject {
    Q_OBJECT
private slots:
    void aMissingRosterIsCreatedEmpty()
    {
        GameDir dir;
        players::PlayerStore store;
        QSignalSpy changed(&store, &players::PlayerStore::changed);
        store.read();
        QVERIFY(store.readable());
        QCOMPARE(int(store.roster.playerCount), 0);
        QCOMPARE(fileBytes(dir.file(QStringLiteral("players.dat"))).size(), players::kRosterBytes);
        QVERIFY(changed.count() >= 1);
    }

    void choosingAPlayerNeedsOneInTheRoster_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("selected");
        QTest::newRow("none chosen") << 2 << 0 << 0;
        QTest::newRow("the first") << 2 << 1 << 1;
        QTest::newRow("the last") << 2 << 2 << 2;
        QTest::newRow("past the roster") << 2 << 3 << 0;
        QTest::newRow("an empty roster") << 0 << 1 << 0;
    }
    void choosingAPlayerNeedsOneInTheRoster()
    {
        QFETCH(int, players);
        QFETCH(int, chosen);
        QFETCH(int, selected);
        GameDir dir;
        players::PlayerStore store;
        store.read();
        for (int k = 1; k <= players; ++k)
            store.replace(players::withPlayerAdded(store.roster, QStringLiteral("P%1").arg(k)));
        store.select(chosen);
        QCOMPARE(int(store.selectedPlayer), selected);
        // Nobody chosen: a blank record that is never anybody's.
        store.currentPlayer().helps = 7;
        QCOMPARE(store.currentPlayer().helps, selected ? 7 : 0);
    }

    void aFailedReplaceKeepsTheRosterAsTheFileHasIt()
    {
        GameDir dir;
        players::PlayerStore store;
        store.read();
        store.replace(players::withPlayerAdded(store.roster, QStringLiteral("Anna")));
        const QByteArray saved = fileBytes(dir.file(QStringLiteral("players.dat")));
        QTemporaryDir elsewhere;
        makeLink(dir, QStringLiteral("players.dat"), elsewhere);
        QSignalSpy changed(&store, &players::PlayerStore::changed);
        QCOMPARE(testsupport::raisedBy([&] { store.replace(players::withPlayerAdded(store.roster, QStringLiteral("Bea"))); }),
                 QStringLiteral("File access denied"));
        QCOMPARE(int(store.roster.playerCount), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(fileBytes(elsewhere.filePath(QStringLiteral("players.dat"))), saved);
    }

    void settingsAreReadWrittenAndAnnounced()
    {
        GameDir dir;
        players::SettingsStore store;
        QSignalSpy changed(&store, &players::SettingsStore::changed);
        store.load(); // missing: written as they are, all on
        QCOMPARE(fileBytes(dir.file(QStringLiteral("settings.dat"))), QByteArray("\1\1\1\1", 4));
        players::SettingsRecord quiet;
        quiet.music = quiet.sound = false;
        store.save(quiet);
        QCOMPARE(store.musicOn(), false);
        players::SettingsStore again;
        again.load();
        QCOMPARE(again.current().sound, false);
        QCOMPARE(again.current().precise, true);
        QVERIFY(changed.count() >= 2);
    }

    void aFailedSaveKeepsTheSettingsInUse()
    {
        GameDir dir;
        players::SettingsStore store;
        store.load();
        QTemporaryDir elsewhere;
        makeLink(dir, QStringLiteral("settings.dat"), elsewhere);
        players::SettingsRecord quiet;
        quiet.sound = false;
        QVERIFY(!testsupport::raisedBy([&] { store.save(quiet); }).isEmpty());
        QVERIFY(store.current().sound);
        // Used unsaved (the window closed without saving) they count at once.
        store.use(quiet);
        QVERIFY(!store.current().sound);
    }
};

QTEST_GUILESS_MAIN(StoresTest)
#include "tst_stores.moc"
