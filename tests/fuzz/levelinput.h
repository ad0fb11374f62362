#pragma once
// A fuzzer's small input turned into a whole level file. The first byte picks
// which part of a valid level the rest replaces, so mutations land on the
// fields that matter instead of in a megabyte of pixels.
#include <QByteArray>

namespace fuzzreplay {

enum class LevelMode : unsigned char {
    Raw = 0,     // the rest is the whole file (always short: the short-file path)
    Picture = 1, // the rest overwrites the left picture from its first byte
    Trailer = 2, // 112 bytes replace the trailer; what follows is the play script
    Resize = 3,  // 24-bit offset, 16-bit signed length change, then a patch
};

struct LevelInput {
    QByteArray file;   // DATA/001.DAT as the game will read it
    QByteArray script; // what the player does once it is loaded
};

// A playable level of five differences, the same on every call.
const QByteArray& validLevel();
LevelInput levelFromInput(const QByteArray& input);
// The input that selects `mode` with `rest` after the mode byte.
QByteArray levelInput(LevelMode mode, const QByteArray& rest);

} // namespace fuzzreplay
