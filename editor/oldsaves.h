#pragma once
// Levels an earlier level maker saved into the game's DATA/ folder, where
// they took the place of shipped levels, found and moved into the own levels.
//
// How they are told from shipped levels:
// - portable (DATA/ beside the game is the shipped pack itself): that maker
//   kept the level it replaced as NNN.DAT.bak, and every level of a complete
//   pack exists, so every save there left a .bak. NNN.DAT and NNN.DAT.bak
//   that differ from the shipped level (made again, byte for byte, by the
//   level generator) are the player's; a level copied in by hand leaves no
//   .bak and is left alone, still played as before.
// - installed: the player's DATA/ holds no shipped level at all; every
//   NNN.DAT and NNN.DAT.bak there that differs from the shipped file of the
//   same number is offered (a hand copy cannot be told from a save there:
//   the player may keep it where it is).
#include <QString>
#include <QStringList>
#include <vector>

namespace editor {

struct OldSave {
    QString path;  // the file in DATA/
    int number = 0; // the shipped level it replaced (NNN)
    bool backup = false; // NNN.DAT.bak rather than NNN.DAT
};

struct OldSaves {
    std::vector<OldSave> files; // in the order they become own levels: by number, the older (.bak) first
    // Portable: shipped levels to put back in DATA/ once their replacement moved.
    std::vector<int> restore;
    bool empty() const { return files.empty(); }
    QStringList names() const; // "DATA/001.DAT", ... for the question
};

OldSaves findOldSaves();

// Copies each file to the next own level number, then (each copy in place
// first) removes it from DATA/ and puts the shipped level back where one was
// replaced. Nothing is removed whose copy could not be written. `moved`
// gets the own levels' paths. False with the reason on the first failure.
bool moveOldSaves(const OldSaves& saves, QStringList* moved, QString* error);

} // namespace editor
