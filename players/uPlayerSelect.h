#pragma once
#include <QDialog>

#include "players/records.h"

// The player window: lists, adds, deletes and chooses players; owns the one
// in-memory roster the whole program works on.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Writes the roster to players.dat beside the executable.
    void FajlIr();

    players::RosterRecord roster;
    // Slot (1..10) chosen with OK, 0 while none has been chosen.
    quint8 selectedPlayer = 0;
    players::PlayerRecord& currentPlayer() { return roster.slot(selectedPlayer); }
};

extern TForm3* Form3;
