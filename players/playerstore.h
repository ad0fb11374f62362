#pragma once
// The players as the program holds them: the roster of players.dat and the
// one chosen to play. The player window shows and changes it; the game
// window plays the current player and saves progress through it.
#include <QObject>

#include "players/records.h"

namespace players {

class PlayerStore : public QObject {
    Q_OBJECT
public:
    explicit PlayerStore(QObject* parent = nullptr);

    // Reads players.dat, creating it when it is missing. An unreadable file
    // raises, and the roster is then not ours to change (readable() false)
    // unless it is too short to be anything but damaged.
    void read();
    // Writes the roster to players.dat (atomically); a failure raises.
    void write();
    // The roster with a change made and written; when the write fails the
    // roster stays as the file still has it, and the failure raises.
    void replace(const RosterRecord& changed);
    // The roster file; players.dat in the folder the game writes into until
    // set (a set of levels of its own keeps its players apart).
    void setFile(const QString& path) { file_ = path; }
    QString file() const;
    // The last level of the set played: a player beyond it has finished.
    int lastLevel = 100;

    // Chooses slot k (1..10) to play, or none with 0.
    void select(int k);

    // The chosen player's slot; while none is chosen, a blank record that
    // belongs to nobody and is never saved.
    PlayerRecord& currentPlayer();
    bool readable() const { return readable_; }

    RosterRecord roster;
    quint8 selectedPlayer = 0; // 1..10, 0 while none has been chosen

signals:
    void changed(); // read, written or another player chosen

private:
    bool readable_ = true;
    QString file_;
    PlayerRecord nobody_;
};

} // namespace players
