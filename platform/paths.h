#pragma once
#include <QString>

namespace platform {

// The executable's directory, ending in '/'. Tests point it elsewhere.
QString exeDir();
void setExeDir(const QString& dir);

// `dir` + `relative`; when that does not exist as written, a path whose
// components match without regard to case (a folder copied from a
// case-insensitive file system still works). Falls back to the plain join.
QString resolveCaseInsensitive(const QString& dir, const QString& relative);

// A file beside the executable, found as above.
QString gameFile(const QString& relative);

} // namespace platform
