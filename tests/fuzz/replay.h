#pragma once
// Feeds one file to the game the way it reads it: a level file through the
// game window, players.dat through the player window, settings.dat through
// the settings window. Each replay returns what went against the game's
// rules (empty when all held); memory faults are the sanitizers' to catch.
#include <QByteArray>
#include <QStringList>

#include "support/testsupport.h"

namespace fuzzreplay {

// A scratch game folder, the ten windows on the virtual clock, message boxes
// recorded and modal windows answered with Cancel. One lives for a whole
// fuzzing run; each replay leaves the windows as it found them.
class Session {
public:
    Session();
    testsupport::GameDir dir;
    testsupport::MessageLog messages;
    testsupport::ModalLog modals;
    testsupport::Forms forms;
};

// `input` in the fuzzer's level format (see levelinput.h).
QStringList replayLevel(Session& s, const QByteArray& input);
QStringList replayRoster(Session& s, const QByteArray& playersDat);
QStringList replaySettings(Session& s, const QByteArray& settingsDat);

// For the fuzz targets, which have no main of their own: a headless
// application and one session for the whole run.
Session& headlessSession();
// Replays one fuzz input; a broken rule is printed and aborts, so that
// libFuzzer keeps the input like any crash.
using Replay = QStringList (*)(Session&, const QByteArray&);
int fuzzOne(Replay replay, const unsigned char* data, size_t size);

} // namespace fuzzreplay
