#pragma once
// The roster as the player window shows and changes it.
#include <QString>

#include "players/records.h"

namespace players {

// Marks a player who has finished every level; such an entry cannot be started.
QString finishedMark();
// "Anna (7. szint)", "Anna (még nem játszott)" or "Anna (befejezve)" once
// past `lastLevel`, the set's last level.
QString entryText(const PlayerRecord& p, int lastLevel = 100);
// The roster with a new level-1 player in the next slot; unchanged when full.
RosterRecord withPlayerAdded(const RosterRecord& r, const QString& name);
// The roster without slot k (1-based): later players move up one slot in
// their order and the slot freed at the end is cleared.
RosterRecord withPlayerRemoved(const RosterRecord& r, int k);

} // namespace players
