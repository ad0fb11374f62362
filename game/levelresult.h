#pragma once
// What the level-completed window shows of a finished level.
#include <QPixmap>
#include <QString>

#include "game/round.h"

namespace game {

struct LevelResult {
    int levelSeconds = 0;  // seconds used at this level over all its attempts
    QString timeLeftText;  // the clock as the player last saw it
    int attempts = 0;
    bool more = true;      // another level follows
    Award award;           // tokens and bank after this level
    QPixmap leftPicture, rightPicture;
};

} // namespace game
