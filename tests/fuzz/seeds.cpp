#include "fuzz/seeds.h"

#include "fuzz/levelinput.h"
#include "game/levelrecord.h"
#include "players/records.h"

#include <QtEndian>

namespace fuzzreplay {

namespace {
QByteArray resize(int offset, qint16 delta, const QByteArray& patch)
{
    QByteArray head(5, '\0');
    qToLittleEndian<quint32>(quint32(offset), head.data()); // 24 bits used
    qToLittleEndian<qint16>(delta, head.data() + 3);
    return levelInput(LevelMode::Resize, head + patch);
}

players::PlayerRecord player(const char* utf8Name, int levelNo, int helps = 0)
{
    players::PlayerRecord p = players::PlayerRecord::newPlayer(QString::fromUtf8(utf8Name));
    p.level = std::uint8_t(levelNo);
    p.helps = std::uint8_t(helps);
    p.totalSeconds = 3723;
    p.attempts = 2;
    return p;
}

QByteArray roster(const QList<players::PlayerRecord>& list)
{
    players::RosterRecord r;
    for (const auto& p : list)
        r.slot(++r.playerCount) = p;
    return players::encodeRoster(r);
}
} // namespace

QList<Seed> levelSeeds()
{
    const QByteArray& valid = validLevel();
    const QByteArray trailer = valid.right(level::kTrailerBytes);
    QByteArray edges = trailer; // 25 differences, the last at the far corner
    edges[0] = char(25);
    qToLittleEndian<quint16>(0xFFFF, edges.data() + 2 + 4 * 24);
    qToLittleEndian<quint16>(0xFFFF, edges.data() + 4 + 4 * 24);
    // Misses, time, help, pause, pointer moves, a jump, a new start, then
    // every find.
    const QByteArray everyStep = QByteArray::fromHex("01" "0b" "0205" "03" "04" "04" "051020" "0f1020" "06000303"
                                                     "10010303" "08" "09" "0000" "0a01" "0002" "0003" "0004" "07" "07");
    return {
        {QStringLiteral("empty-file"), levelInput(LevelMode::Raw, {})},
        {QStringLiteral("bmp-header-only"), levelInput(LevelMode::Raw, valid.left(54))},
        {QStringLiteral("valid-picture-header"), levelInput(LevelMode::Picture, valid.left(64))},
        {QStringLiteral("valid-trailer-played"), levelInput(LevelMode::Trailer, trailer + everyStep)},
        {QStringLiteral("twenty-five-at-the-edge"), levelInput(LevelMode::Trailer, edges + everyStep)},
        {QStringLiteral("one-byte-short"), resize(0, -1, {})},
        {QStringLiteral("longer-file"), resize(0, 16, {})},
        {QStringLiteral("right-picture-header"), resize(int(level::kPictureBytes), 0, valid.left(54))},
    };
}

QList<Seed> rosterSeeds()
{
    const QByteArray three = roster({player("Anna", 7, 2), player("Őrző Ádám", 0), player("Béla", 101)});
    QList<players::PlayerRecord> ten;
    for (int k = 1; k <= players::kMaxPlayers; ++k)
        ten << player("Játékos", k * 10, k);
    return {
        {QStringLiteral("empty"), roster({})},
        {QStringLiteral("three-players"), three},
        {QStringLiteral("ten-players"), roster(ten)},
        {QStringLiteral("short"), three.left(100)},
        {QStringLiteral("longer"), three + QByteArray(16, 'x')},
    };
}

QList<Seed> settingsSeeds()
{
    return {
        {QStringLiteral("all-on"), QByteArray::fromHex("01010101")},
        {QStringLiteral("mixed"), QByteArray::fromHex("00010001")},
        {QStringLiteral("non-zero-is-on"), QByteArray::fromHex("0200ff00")},
        {QStringLiteral("short"), QByteArray::fromHex("0101")},
        {QStringLiteral("longer"), QByteArray::fromHex("0000000001")},
    };
}

} // namespace fuzzreplay
