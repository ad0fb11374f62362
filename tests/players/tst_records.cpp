// players.dat byte for byte: where each field sits, and how a damaged
// record is read.
#include "players/records.h"
#include "players/roster.h"

#include <QtEndian>
#include <QtTest>

using namespace players;

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
    void nameIsCutToThirtyCharacters();
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

void TestRecords::nameIsCutToThirtyCharacters()
{
    const QString thirty = QString::fromUtf8("Őszi Ágnes Ünőke Szépvölgyi Bé");
    QCOMPARE(thirty.size(), 30);
    QCOMPARE(PlayerRecord::newPlayer(thirty).displayName(), thirty);
    QCOMPARE(PlayerRecord::newPlayer(thirty + QStringLiteral("XYZ")).displayName(), thirty);
    QCOMPARE(PlayerRecord::newPlayer(thirty).name.size(), 30);
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
