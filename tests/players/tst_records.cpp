// players.dat and settings.dat byte for byte, and the roster changes the
// player window makes.
#include "players/records.h"
#include "players/roster.h"

#include <QtEndian>
#include <QtTest>

using namespace players;

Q_DECLARE_METATYPE(QList<int>)

namespace {
QByteArray rawRoster(int count, const QList<QByteArray>& names, int nameLength = -1)
{
    QByteArray b(kRosterBytes, '\0');
    b[0] = char(count);
    for (int k = 0; k < names.size(); ++k) {
        char* s = b.data() + 4 + kPlayerBytes * k;
        s[0] = char(nameLength >= 0 ? nameLength : names[k].size());
        std::copy(names[k].begin(), names[k].end(), s + 1);
        s[31] = 3;
    }
    return b;
}

RosterRecord rosterOf(int count)
{
    RosterRecord r;
    for (int i = 1; i <= count; ++i)
        r = withPlayerAdded(r, QStringLiteral("P%1").arg(i));
    return r;
}
} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void playerFieldsSitAtTheirOffsets();
    void damagedRosterIsClampedOnReading_data();
    void damagedRosterIsClampedOnReading();
    void hungarianNameIsStoredInWindows1250();
    void nameIsCutToThirtyCharacters();
    void entryTextTellsTheLevel_data();
    void entryTextTellsTheLevel();
    void addingFillsTheNextSlotUntilFull();
    void removingMovesLaterPlayersUp_data();
    void removingMovesLaterPlayersUp();
    void settingsBytes_data();
    void settingsBytes();
};

void TestRecords::playerFieldsSitAtTheirOffsets()
{
    RosterRecord r = rosterOf(2);
    PlayerRecord& p = r.slot(2);
    p.level = 42;
    p.helps = 7;
    p.secondsBank = 99;
    p.totalSeconds = -123456;
    p.levelSeconds = 0x01020304;
    p.attempts = 0xBEEF;
    const QByteArray b = encodeRoster(r);
    QCOMPARE(b.size(), kRosterBytes);
    QCOMPARE(quint8(b[0]), quint8(2));
    QCOMPARE(b.mid(1, 3), QByteArray(3, '\0'));
    const char* s = b.constData() + 4 + kPlayerBytes;
    QCOMPARE(int(s[0]), 2);
    QCOMPARE(QByteArray(s + 1, 2), QByteArray("P2"));
    QCOMPARE(QByteArray(s + 3, 28), QByteArray(28, '\0'));
    QCOMPARE(quint8(s[31]), quint8(42));
    QCOMPARE(quint8(s[32]), quint8(7));
    QCOMPARE(quint8(s[33]), quint8(99));
    QCOMPARE(QByteArray(s + 34, 2), QByteArray(2, '\0'));
    QCOMPARE(qFromLittleEndian<qint32>(s + 36), -123456);
    QCOMPARE(QByteArray(s + 40, 4), QByteArray("\x04\x03\x02\x01", 4));
    QCOMPARE(qFromLittleEndian<quint16>(s + 44), quint16(0xBEEF));
    QCOMPARE(QByteArray(s + 46, 2), QByteArray(2, '\0'));
    // Slots after the last player are zero.
    QCOMPARE(b.mid(4 + 2 * kPlayerBytes), QByteArray(kRosterBytes - 4 - 2 * kPlayerBytes, '\0'));
    // And it reads back as written.
    QCOMPARE(encodeRoster(decodeRoster(b.constData())), b);
}

void TestRecords::damagedRosterIsClampedOnReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstNameLength");
    QTest::newRow("count above ten") << rawRoster(200, {"Anna"}) << 10 << 4;
    QTest::newRow("count 255") << rawRoster(255, {"Anna"}) << 10 << 4;
    QTest::newRow("name length above thirty") << rawRoster(1, {QByteArray(30, 'x')}, 200) << 1 << 30;
    QTest::newRow("name length 31") << rawRoster(1, {QByteArray(30, 'x')}, 31) << 1 << 30;
    QTest::newRow("sound roster") << rawRoster(1, {"Anna"}) << 1 << 4;
}

void TestRecords::damagedRosterIsClampedOnReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(int, firstNameLength);
    const RosterRecord r = decodeRoster(bytes.constData());
    QCOMPARE(int(r.playerCount), count);
    QCOMPARE(int(r.slot(1).name.size()), firstNameLength);
    // The next save writes a roster the game itself could have written.
    const QByteArray saved = encodeRoster(r);
    QCOMPARE(saved.size(), kRosterBytes);
    QVERIFY(quint8(saved[0]) <= kMaxPlayers);
    QVERIFY(quint8(saved[4]) <= kNameMax);
}

void TestRecords::hungarianNameIsStoredInWindows1250()
{
    const QString name = QString::fromUtf8("áéíóöőúüű ÁÉÍÓÖŐÚÜŰ");
    const QByteArray cp1250("\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB\x20\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB");
    RosterRecord r = withPlayerAdded({}, name);
    const QByteArray b = encodeRoster(r);
    QCOMPARE(int(b[4]), cp1250.size());
    QCOMPARE(b.mid(5, cp1250.size()), cp1250);
    QCOMPARE(decodeRoster(b.constData()).slot(1).displayName(), name);
}

void TestRecords::nameIsCutToThirtyCharacters()
{
    const QString thirty = QString::fromUtf8("Őszi Ágnes Ünőke Szépvölgyi Bé");
    QCOMPARE(thirty.size(), 30);
    QCOMPARE(PlayerRecord::newPlayer(thirty).displayName(), thirty);
    QCOMPARE(PlayerRecord::newPlayer(thirty + QStringLiteral("XYZ")).displayName(), thirty);
    QCOMPARE(PlayerRecord::newPlayer(thirty).name.size(), 30);
}

void TestRecords::entryTextTellsTheLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("not played") << 0 << QString::fromUtf8("Anna (még nem játszott)");
    QTest::newRow("first level") << 1 << QStringLiteral("Anna (1. szint)");
    QTest::newRow("level 7") << 7 << QStringLiteral("Anna (7. szint)");
    QTest::newRow("last level") << 100 << QStringLiteral("Anna (100. szint)");
    QTest::newRow("finished") << 101 << QStringLiteral("Anna (befejezve)");
    QTest::newRow("beyond finished") << 255 << QStringLiteral("Anna (befejezve)");
}

void TestRecords::entryTextTellsTheLevel()
{
    QFETCH(int, level);
    QFETCH(QString, text);
    PlayerRecord p = PlayerRecord::newPlayer(QStringLiteral("Anna"));
    p.level = quint8(level);
    QCOMPARE(entryText(p), text);
}

void TestRecords::addingFillsTheNextSlotUntilFull()
{
    RosterRecord r = rosterOf(9);
    r.slot(3).helps = 5;
    r = withPlayerAdded(r, QStringLiteral("Tizedik"));
    QCOMPARE(int(r.playerCount), 10);
    const PlayerRecord& p = r.slot(10);
    QCOMPARE(p.displayName(), QStringLiteral("Tizedik"));
    QCOMPARE(int(p.level), 1);
    QVERIFY(p.helps == 0 && p.secondsBank == 0 && p.totalSeconds == 0 && p.levelSeconds == 0 && p.attempts == 0);
    QCOMPARE(int(r.slot(3).helps), 5);
    const QByteArray full = encodeRoster(r);
    QCOMPARE(encodeRoster(withPlayerAdded(r, QStringLiteral("Tizenegyedik"))), full);
}

void TestRecords::removingMovesLaterPlayersUp_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("middle of three") << 3 << 2 << QStringList{"P1", "P3"};
    QTest::newRow("first of three") << 3 << 1 << QStringList{"P2", "P3"};
    QTest::newRow("tenth of ten") << 10 << 10
                                  << QStringList{"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"};
    QTest::newRow("only one") << 1 << 1 << QStringList{};
    QTest::newRow("no such slot") << 2 << 3 << QStringList{"P1", "P2"};
}

void TestRecords::removingMovesLaterPlayersUp()
{
    QFETCH(int, count);
    QFETCH(int, removed);
    QFETCH(QStringList, left);
    RosterRecord r = rosterOf(count);
    for (int k = 1; k <= count; ++k)
        r.slot(k).totalSeconds = 1000 * k;
    const RosterRecord out = withPlayerRemoved(r, removed);
    QCOMPARE(int(out.playerCount), int(left.size()));
    for (int k = 1; k <= left.size(); ++k) {
        QCOMPARE(out.slot(k).displayName(), left[k - 1]);
        QCOMPARE(out.slot(k).totalSeconds, 1000 * left[k - 1].mid(1).toInt());
    }
    // The slot freed at the end is cleared in memory, not just hidden.
    if (left.size() < count)
        QCOMPARE(out.slot(count).name, QByteArray());
    const QByteArray b = encodeRoster(out);
    const int used = 4 + kPlayerBytes * int(left.size());
    QCOMPARE(b.mid(used), QByteArray(kRosterBytes - used, '\0'));
}

void TestRecords::settingsBytes_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QList<int>>("onFlags"); // sound, precise, music, shadow
    QTest::addColumn<QByteArray>("savedBack");
    QTest::newRow("all on") << QByteArray("\1\1\1\1", 4) << QList<int>{1, 1, 1, 1} << QByteArray("\1\1\1\1", 4);
    QTest::newRow("0,1,0,1") << QByteArray("\0\1\0\1", 4) << QList<int>{0, 1, 0, 1} << QByteArray("\0\1\0\1", 4);
    QTest::newRow("2 reads as on, saved as 1") << QByteArray("\2\0\xFF\0", 4) << QList<int>{1, 0, 1, 0}
                                                << QByteArray("\1\0\1\0", 4);
    QTest::newRow("all off") << QByteArray(4, '\0') << QList<int>{0, 0, 0, 0} << QByteArray(4, '\0');
}

void TestRecords::settingsBytes()
{
    QFETCH(QByteArray, stored);
    QFETCH(QList<int>, onFlags);
    QFETCH(QByteArray, savedBack);
    const SettingsRecord s = decodeSettings(stored.constData());
    QCOMPARE((QList<int>{s.sound, s.precise, s.music, s.shadow}), onFlags);
    QCOMPARE(encodeSettings(s), savedBack);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
