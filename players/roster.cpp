#include "players/roster.h"

namespace players {

QString finishedMark() { return QString::fromUtf8(" (befejezve)"); }

QString entryText(const PlayerRecord& p, int lastLevel)
{
    if (p.level == 0)
        return p.displayName() + QString::fromUtf8(" (még nem játszott)");
    if (p.level > lastLevel)
        return p.displayName() + finishedMark();
    return p.displayName() + QStringLiteral(" (%1. szint)").arg(p.level);
}

RosterRecord withPlayerAdded(const RosterRecord& r, const QString& name)
{
    if (r.playerCount >= kMaxPlayers)
        return r;
    RosterRecord out = r;
    ++out.playerCount;
    out.slot(out.playerCount) = PlayerRecord::newPlayer(name);
    return out;
}

RosterRecord withPlayerRemoved(const RosterRecord& r, int k)
{
    if (k < 1 || k > r.playerCount)
        return r;
    RosterRecord out = r;
    for (int i = k; i < out.playerCount; ++i)
        out.slot(i) = out.slot(i + 1);
    out.slot(out.playerCount) = PlayerRecord();
    --out.playerCount;
    return out;
}

} // namespace players
