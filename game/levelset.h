#pragma once
// Which levels a game plays and where the players' progress in them is kept.
// The shipped set is the game's 100 levels with players.dat in the folder the
// game writes into; the own set is the player's own levels (saved by the
// level maker) with a players.dat of their own, so progress in one set never
// touches the other. The settings are shared.
#include <QString>

namespace game {

class LevelSet {
public:
    static constexpr int kMaxLevels = 100; // a player's level is one byte; above the last means finished

    static LevelSet shipped();
    static LevelSet own();

    bool isOwn() const { return own_; }
    // Shipped: 100. Own: the files from 001 on up to the first missing one,
    // at most 100; counted again at every call, as the level maker may be
    // saving meanwhile.
    int levelCount() const;
    // Level n's file. Shipped: a file of the player's own DATA/ in the folder
    // the game writes into (one copied there by hand) still takes the place
    // of the shipped level, as it always did.
    QString levelFile(int n) const;
    // The roster of this set's players.
    QString rosterFile() const;
    // True when a player at `level` has played every level of the set.
    bool finished(int level) const { return level > levelCount(); }

    // The own set's folder of level files, and the file level n has there.
    static QString ownLevelFolder();
    static QString ownLevelFile(int n);
    // Own levels 001, 002, ... up to the first missing one (at most 100).
    static int ownLevelCount();

private:
    explicit LevelSet(bool own) : own_(own) {}
    bool own_;
};

} // namespace game
