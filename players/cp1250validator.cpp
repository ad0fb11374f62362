#include "players/cp1250validator.h"

#include "platform/cp1250.h"

namespace players {

QValidator::State Cp1250Validator::validate(QString& input, int&) const
{
    return platform::fitsCp1250(input) ? Acceptable : Invalid;
}

} // namespace players
