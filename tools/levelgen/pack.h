#pragma once
// The level pack: making one level, making the whole DATA folder on both
// cores, and checking what is there.
#include "tools/levelgen/differ.h"
#include "tools/levelgen/scenerules.h"
#include "tools/levelgen/validator.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace levelgen {

// Rises whenever the pictures or differences a level gets would change.
constexpr int kGeneratorVersion = 19;
constexpr int kLevels = 100;

struct Level {
    int number = 0;
    QByteArray record; // the level file's bytes
    std::vector<Difference> diffs;
    int objects = 0;   // things drawn in the scene
    std::vector<Breach> breaches; // the scene rules it fails
};

// What a level asks of the player, for the difficulty report.
struct LevelSummary {
    int number = 0;
    QString theme;
    int objects = 0;
    int count = 0;
    int subtle = 0;         // differences of kSubtleMods kinds
    QStringList kinds;      // one name per difference
    int medianVisible = 0;  // visibly changed pixels
    double medianContrast = 0; // mean dE76 of those pixels
    double score = 0;       // rises with count, subtlety, smallness and low contrast
};
LevelSummary summarise(const Level& level);
// A table (one line per level and the decade means) and a plot of the scores.
QString reportTable(const std::vector<LevelSummary>& levels);
QImage reportPlot(const std::vector<LevelSummary>& levels);

// Level `n` (1..100), byte for byte the same on every run.
// A seed from several small numbers (level, generator version, draw),
// well mixed: our generator's stream from seed s + 1 is its stream from s
// one step on, so seeds that differ by a little would give nearly the same
// draws (a level could come out the same after a version change).
std::uint64_t seedOf(std::initializer_list<std::uint64_t> parts);
Level generateLevel(int n);

QString levelPath(const QString& dataDir, int n);
QString stampPath(const QString& dataDir);
// Levels in first..last whose file is missing, has the wrong size, or was made
// by another generator version.
std::vector<int> staleLevels(const QString& dataDir, int first, int last);

// Runs job(i) for i in 0..count-1 on `threads` workers of Qt's pool;
// then done(i) on this thread, in the order the jobs finished.
void parallel(int count, int threads, const std::function<void(int)>& job,
              const std::function<void(int)>& done = {});

// Generates and writes the given levels on `threads` workers; `progress` is
// called after each finished level (from a worker, one call at a time).
bool writeLevels(const QString& dataDir, const std::vector<int>& levels, int threads,
                 const std::function<void(int done, int total)>& progress);
// Writes the version stamp when all 100 levels are present and current.
void stampIfComplete(const QString& dataDir, const std::vector<int>& regenerated);

// All levels in first..last checked, in order (null report for unreadable).
std::vector<Report> validateDir(const QString& dataDir, int first, int last, int threads);

// All levels small, side by side, with their points ringed.
QImage contactSheet(const std::vector<Report>& reports, int firstLevel);
// One level at full size: left and right with the points ringed.
QImage pairImage(const Report& report);

} // namespace levelgen
