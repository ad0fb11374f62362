#pragma once
#include <QString>

namespace platform {

// The executable's directory, ending in '/'. Tests point it elsewhere.
QString exeDir();
void setExeDir(const QString& dir);

// Finds the executable's directory from /proc/self/exe, whatever bytes its
// name holds and however long it is; where the kernel cannot name it (a path
// beyond PATH_MAX), from `argv0` checked against the running executable.
// A name that is no UTF-8 text, or too long to put file names after, is held
// open and named through /proc. False when it cannot be found: the program
// must then refuse to start rather than guess a folder.
bool locateExeDir(const char* argv0);

// `dir` + `relative`; when that does not exist as written, a path whose
// components match without regard to case (a folder copied from a
// case-insensitive file system still works). Falls back to the plain join.
QString resolveCaseInsensitive(const QString& dir, const QString& relative);

// A file beside the executable, found as above.
QString gameFile(const QString& relative);

// Two ways to run. Portable: the executable's folder holds DATA/ and can be
// written, so everything stays beside the executable. Installed: anything
// else; the content comes from ../share/kovra2/ next to the executable's
// folder and the player's files go to $XDG_DATA_HOME/kovra2/.
bool portable();

// The folder the shipped content is read from, ending in '/': the
// executable's own when it holds DATA/ (a portable folder, writable or not),
// else ../share/kovra2/ relative to it.
QString contentDir();

// Where the game reads what it ships (levels, music, the manual), found as
// above.
QString contentFile(const QString& relative);

// The level file of level `n` ("DATA/NNN.DAT"): the player's own DATA/ in
// the folder the game writes into takes the place of the shipped level.
QString levelFile(int n);

// The folder of the player's own levels (those the level maker saves),
// ending in '/': SAJAT/ in the folder the game writes into, laid out as a
// game folder of its own (DATA/NNN.DAT and its own players.dat), so an own
// level never takes the place of a shipped one. Naming it creates nothing.
QString ownLevelsDir();

// The player's own folder when installed: $XDG_DATA_HOME/kovra2/, or
// ~/.local/share/kovra2/ when that variable is unset or not absolute.
QString playerDir();

// The folder the game writes into (the roster, the settings and the scratch
// pictures), ending in '/': the executable's folder when portable, else the
// player's own folder, created on first need.
QString writeDir();
QString writeFile(const QString& name);

// Empty when the game can write its files; otherwise the folder it would
// write into, for the one warning at start.
QString unwritableWriteDir();

} // namespace platform
