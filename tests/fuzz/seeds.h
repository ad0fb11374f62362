#pragma once
// Starting inputs of the fuzzers, made with the game's own encoders: each
// one a file the game reads correctly or a damage it must survive.
#include <QByteArray>
#include <QList>
#include <QString>

namespace fuzzreplay {

struct Seed {
    QString name;
    QByteArray bytes;
};

QList<Seed> levelSeeds();    // in the fuzzer's level format (levelinput.h)
QList<Seed> rosterSeeds();   // players.dat
QList<Seed> settingsSeeds(); // settings.dat

} // namespace fuzzreplay
