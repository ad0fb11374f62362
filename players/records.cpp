#include "players/records.h"

#include "platform/cp1250.h"

#include <QtEndian>

namespace players {

QString PlayerRecord::displayName() const { return platform::fromCp1250(name); }

void PlayerRecord::setDisplayName(const QString& text)
{
    name = platform::toCp1250(text.left(kNameMax)).left(kNameMax);
}

PlayerRecord PlayerRecord::newPlayer(const QString& text)
{
    PlayerRecord p;
    p.setDisplayName(text);
    p.level = 1;
    return p;
}

QByteArray encodeRoster(const RosterRecord& r)
{
    QByteArray out(kRosterBytes, '\0');
    out[0] = char(r.playerCount);
    for (int k = 1; k <= kMaxPlayers && k <= r.playerCount; ++k) {
        const PlayerRecord& p = r.slot(k);
        char* s = out.data() + 4 + kPlayerBytes * (k - 1);
        const QByteArray name = p.name.left(kNameMax);
        s[0] = char(name.size());
        std::copy(name.begin(), name.end(), s + 1);
        s[31] = char(p.level);
        s[32] = char(p.helps);
        s[33] = char(p.secondsBank);
        qToLittleEndian<qint32>(p.totalSeconds, s + 36);
        qToLittleEndian<qint32>(p.levelSeconds, s + 40);
        qToLittleEndian<quint16>(p.attempts, s + 44);
    }
    return out;
}

RosterRecord decodeRoster(const char* bytes)
{
    RosterRecord r;
    r.playerCount = std::min<std::uint8_t>(std::uint8_t(bytes[0]), kMaxPlayers);
    for (int k = 1; k <= r.playerCount; ++k) {
        const char* s = bytes + 4 + kPlayerBytes * (k - 1);
        PlayerRecord& p = r.slot(k);
        const int len = std::min<int>(std::uint8_t(s[0]), kNameMax);
        p.name = QByteArray(s + 1, len);
        p.level = std::uint8_t(s[31]);
        p.helps = std::uint8_t(s[32]);
        p.secondsBank = std::uint8_t(s[33]);
        p.totalSeconds = qFromLittleEndian<qint32>(s + 36);
        p.levelSeconds = qFromLittleEndian<qint32>(s + 40);
        p.attempts = qFromLittleEndian<quint16>(s + 44);
    }
    return r;
}

QByteArray encodeSettings(const SettingsRecord& s)
{
    QByteArray out(kSettingsBytes, '\0');
    out[0] = char(s.sound ? 1 : 0);
    out[1] = char(s.precise ? 1 : 0);
    out[2] = char(s.music ? 1 : 0);
    out[3] = char(s.shadow ? 1 : 0);
    return out;
}

SettingsRecord decodeSettings(const char* b)
{
    return {b[0] != 0, b[1] != 0, b[2] != 0, b[3] != 0};
}

} // namespace players
