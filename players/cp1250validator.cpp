#include "players/cp1250validator.h"

#include "platform/cp1250.h"

namespace players {

QString keepCp1250(const QString& text, QString* dropped, int* pos)
{
    QString kept;
    int cursor = pos ? *pos : 0;
    for (int i = 0; i < text.size();) {
        // A character beyond the 16-bit range is one pair of code units.
        const int len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, len);
        if (platform::fitsCp1250(ch)) {
            kept += ch;
        } else {
            if (dropped && !dropped->contains(ch))
                *dropped += ch;
            if (i < (pos ? *pos : 0))
                cursor -= len;
        }
        i += len;
    }
    if (pos)
        *pos = cursor;
    return kept;
}

QValidator::State Cp1250Validator::validate(QString& input, int& pos) const
{
    QString gone;
    const QString kept = keepCp1250(input, &gone, &pos);
    if (!gone.isEmpty()) {
        input = kept;
        emit dropped(gone);
    }
    return Acceptable;
}

} // namespace players
