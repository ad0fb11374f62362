#pragma once
// players.dat and settings.dat, byte for byte (little-endian, Windows-1250).
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace players {

constexpr int kMaxPlayers = 10;
constexpr int kNameMax = 30;
constexpr int kPlayerBytes = 48;
constexpr int kRosterBytes = 484;
constexpr int kSettingsBytes = 4;

struct PlayerRecord {
    QByteArray name;              // Windows-1250 bytes, at most 30
    std::uint8_t level = 0;       // 1..100 playing, above 100 finished, 0 not played
    std::uint8_t helps = 0;
    std::uint8_t secondsBank = 0;
    std::int32_t totalSeconds = 0;
    std::int32_t levelSeconds = 0;
    std::uint16_t attempts = 0;

    QString displayName() const;
    void setDisplayName(const QString& name); // cut to 30 characters
    static PlayerRecord newPlayer(const QString& name);
};

struct RosterRecord {
    std::uint8_t playerCount = 0;
    std::array<PlayerRecord, kMaxPlayers> players{};

    PlayerRecord& slot(int k) { return players[size_t(k - 1)]; } // k = 1..10
    const PlayerRecord& slot(int k) const { return players[size_t(k - 1)]; }
};

// 484 bytes; reserved bytes and unused slots are zero.
QByteArray encodeRoster(const RosterRecord& r);
// From the first 484 bytes. A damaged record is clamped: at most 10 players,
// names of at most 30 bytes.
RosterRecord decodeRoster(const char* bytes);

struct SettingsRecord {
    bool sound = true, precise = true, music = true, shadow = true;
};
QByteArray encodeSettings(const SettingsRecord& s); // 1 for on, 0 for off
SettingsRecord decodeSettings(const char* bytes);   // non-zero reads as on

} // namespace players
