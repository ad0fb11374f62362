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

// Where the game reads what it ships (levels, music, the manual), found as
// above. Today the executable's folder.
QString contentFile(const QString& relative);

// The level file of level `n` ("DATA/NNN.DAT").
QString levelFile(int n);

// The folder the game writes into (the roster, the settings and the scratch
// pictures), ending in '/'. Today the executable's folder.
QString writeDir();
QString writeFile(const QString& name);

} // namespace platform
