#include "game/levelset.h"

#include "platform/paths.h"

#include <QFileInfo>

namespace game {

namespace {
QString levelName(int n) { return QStringLiteral("%1.DAT").arg(n, 3, 10, QLatin1Char('0')); }
} // namespace

LevelSet LevelSet::shipped() { return LevelSet(false); }
LevelSet LevelSet::own() { return LevelSet(true); }

int LevelSet::levelCount() const { return own_ ? ownLevelCount() : kMaxLevels; }

QString LevelSet::levelFile(int n) const { return own_ ? ownLevelFile(n) : platform::levelFile(n); }

QString LevelSet::rosterFile() const
{
    return own_ ? platform::ownLevelsDir() + QStringLiteral("players.dat") : platform::writeFile(QStringLiteral("players.dat"));
}

QString LevelSet::ownLevelFolder() { return platform::ownLevelsDir() + QStringLiteral("DATA/"); }

QString LevelSet::ownLevelFile(int n)
{
    return platform::resolveCaseInsensitive(platform::ownLevelsDir(), QStringLiteral("DATA/") + levelName(n));
}

int LevelSet::ownLevelCount()
{
    int n = 0;
    while (n < kMaxLevels && QFileInfo(ownLevelFile(n + 1)).isFile())
        ++n;
    return n;
}

} // namespace game
