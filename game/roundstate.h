#pragma once
#include <cstdint>

// The game window's progress fields for the level being played.
struct RoundState {
    std::uint8_t level = 0;
    std::uint8_t helps = 0;
    std::uint8_t timeLeft = 0;
    std::uint8_t foundCount = 0;
    std::uint8_t secondsBank = 0;
    std::uint8_t jumpLevel = 1;
    std::uint16_t attempts = 0;
    std::uint8_t paused = 0;
};
