#include "game/levelset.h"

#include "game/levelrecord.h"
#include "platform/paths.h"

#include <QFileInfo>

namespace game {

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
    const QString name = level::zeroes(std::uint8_t(n)) + QStringLiteral(".DAT");
    return platform::resolveCaseInsensitive(platform::ownLevelsDir(), QStringLiteral("DATA/") + name);
}

int LevelSet::ownLevelCount()
{
    int n = 0;
    while (n < kMaxLevels && QFileInfo(ownLevelFile(n + 1)).isFile())
        ++n;
    return n;
}

} // namespace game
