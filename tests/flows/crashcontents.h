#pragma once
// The two contents of players.dat and of settings.dat that the crash child
// saves in turn; the test expects to find one or the other, whole.
#include "players/records.h"
#include "players/roster.h"

namespace crashcontents {

inline players::RosterRecord roster(int which)
{
    players::RosterRecord r = players::withPlayerAdded({}, QString::fromUtf8("Zoltán"));
    if (which % 2 == 0)
        return r;
    for (int k = 2; k <= players::kMaxPlayers; ++k)
        r = players::withPlayerAdded(r, QString::fromUtf8("Győző %1").arg(k));
    r.slot(1).level = 101;
    r.slot(1).totalSeconds = 987654;
    r.slot(10).attempts = 65535;
    return r;
}

inline players::SettingsRecord settings(int which)
{
    const bool odd = which % 2 != 0;
    return {odd, !odd, odd, !odd};
}

} // namespace crashcontents
