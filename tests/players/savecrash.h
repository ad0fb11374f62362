#pragma once
// The two rosters the crash child saves in turn.
#include "players/roster.h"

namespace savecrash {

inline players::RosterRecord first()
{
    return players::withPlayerAdded({}, QStringLiteral("Anna"));
}

inline players::RosterRecord second()
{
    players::RosterRecord r = players::withPlayerAdded({}, QString::fromUtf8("Béla"));
    r = players::withPlayerAdded(r, QString::fromUtf8("Őrsike"));
    r.slot(1).level = 57;
    r.slot(1).totalSeconds = 123456;
    r.slot(2).attempts = 9;
    return r;
}

} // namespace savecrash
