#include "game/timetext.h"

namespace timetext {

QString mmss(int seconds)
{
    const int m = seconds / 60;
    const int s = seconds % 60;
    return QStringLiteral("%1:%2").arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

QString longForm(int seconds)
{
    return QString::fromUtf8("%1 óra, %2 perc és %3 másodperc.")
        .arg(seconds / 3600)
        .arg(seconds % 3600 / 60)
        .arg(seconds % 60);
}

} // namespace timetext
