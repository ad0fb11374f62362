#pragma once
#include <cstdint>

// The player's progress while they play, as players.dat keeps it: the
// level, help tokens, banked seconds and attempts at this level. The
// attempt itself (clock, finds, pause) is a game::Round.
struct RoundState {
    std::uint8_t level = 0;
    std::uint8_t helps = 0;
    std::uint8_t secondsBank = 0;
    std::uint16_t attempts = 0;
};
