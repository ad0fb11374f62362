#pragma once
// Short MP3 tunes that the sound tests compose themselves.
#include <QByteArray>
#include <QString>

namespace soundtest {

// A plain little melody of the given length, encoded like the game's music.
QByteArray tuneMp3(double seconds);
// The same written to `path`, creating its folder; false if it cannot be.
bool writeTune(const QString& path, double seconds);

} // namespace soundtest
