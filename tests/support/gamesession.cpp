#include "support/appwindows.h"
#include "support/gamesession.h"

#include "game/gamewindow.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "players/records.h"
#include "players/playerdialog.h"
#include "sound/soundchannel.h"

#include <QFile>
#include <QTest>

namespace testsupport {

void GameSession::writeLevel(int levelNo, int diffs) { writeTestLevel(dir.path(), levelNo, spreadPoints(diffs)); }

void GameSession::writeLevel(int levelNo, const QVector<QPoint>& points)
{
    writeTestLevel(dir.path(), levelNo, points);
}

void GameSession::start(const SessionOptions& o)
{
    players::SettingsRecord s;
    s.sound = o.sound;
    s.precise = o.precise;
    s.music = o.music;
    s.shadow = o.shadow;
    QFile f(dir.file(QStringLiteral("settings.dat")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(players::encodeSettings(s));
    f.close();
    players::PlayerRecord p = players::PlayerRecord::newPlayer(QStringLiteral("Anna"));
    p.level = std::uint8_t(o.level);
    p.helps = std::uint8_t(o.helps);
    p.secondsBank = std::uint8_t(o.secondsBank);
    p.attempts = std::uint16_t(o.attempts);
    playerStore()->roster = {};
    playerStore()->roster.playerCount = 1;
    playerStore()->roster.slot(1) = p;
    playerStore()->selectedPlayer = 1;
    gameWindow()->show();
}

platform::Shape* GameSession::region(int k, int side) const { return gameWindow()->regions[size_t(k - 1)][size_t(side)]; }

void GameSession::press(int k, int side, Qt::MouseButton b)
{
    QTest::mousePress(region(k, side), b, {}, QPoint(10, 10));
    QTest::mouseRelease(region(k, side), b, {}, QPoint(10, 10));
}

void GameSession::clickPicture(int x, int y, int side)
{
    const QPoint client(x + (side == 0 ? 76 : 562), y + 59);
    QWidget* target = gameWindow()->childAt(client);
    Q_ASSERT(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(gameWindow(), client));
}

void GameSession::advance(int ms) { platform::VirtualClock::advance(ms); }

QStringList GameSession::sounds() const { return sound::SoundChannel::instance().log; }

} // namespace testsupport
