#pragma once
#include <QString>

namespace timetext {
// MM:SS with two-character minutes and seconds; 100 minutes or more keep
// every minute digit (100:05).
QString mmss(int seconds);
// "2 óra, 5 perc és 7 másodperc."
QString longForm(int seconds);
} // namespace timetext
