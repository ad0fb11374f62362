#pragma once
// The game's music: the title piece music/000.mp3 and one piece per level,
// MUSIC/001.MP3 to MUSIC/100.MP3, composed and encoded by our own code.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace musicgen {

// Raised with the stamp so that pieces made by an older generator are redone.
constexpr int kVersion = 2;
constexpr int kRate = 32000;   // plenty for soft music and keeps the files small
constexpr int kKbps = 64;
constexpr int kPieces = 101;   // 0 = title, 1..100 = levels
constexpr double kTitleSeconds = 120;
constexpr double kLevelSeconds = 150;

// "music/000.mp3" for the title piece, "MUSIC/NNN.MP3" for a level.
std::string relativePath(int piece);
// The level's difference count from DATA/NNN.DAT under `gameDir`, 0 if unknown.
int levelDiffCount(const std::string& gameDir, int level);
// The shortest the piece may be: two minutes for the title; for a level at
// least 150 s and at least the level's starting time (10 s a difference).
double requiredSeconds(int piece, int diffCount, double levelSeconds = kLevelSeconds,
                       double titleSeconds = kTitleSeconds);

// Composes, renders and encodes one piece at least `seconds` long.
std::vector<std::uint8_t> makePiece(int piece, double seconds);

struct Options {
    std::string out;   // the game folder
    int jobs = 0;      // worker threads; 0 = one per core
    std::FILE* progress = stdout; // nullptr for silence
    int first = 0, last = kPieces - 1;
    // The shortest pieces; tests make short ones to stay quick.
    double levelSeconds = kLevelSeconds;
    double titleSeconds = kTitleSeconds;
};

struct Summary {
    int made = 0;
    int upToDate = 0;
    double seconds = 0;       // wall-clock time taken
    std::uint64_t bytes = 0;  // size of all pieces on disk
};

// Writes every piece that is missing, made by an older version or shorter
// than its level now needs; leaves the others alone. Throws std::runtime_error
// when a file cannot be written.
Summary generate(const Options& options);

} // namespace musicgen
