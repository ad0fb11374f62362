#pragma once
// Helpers of the menu windows' tests.
#include <QList>
#include <QString>
#include <QUrl>

namespace menustest {

// settings.dat in `dir` with the music setting as given, sound effects off.
void writeSettings(const QString& dir, bool music);
// A short, quiet title piece at music/000.mp3 under `dir`.
void writeTitleMusic(const QString& dir);

// Records the addresses the windows ask the desktop to open.
class UrlLog {
public:
    UrlLog();
    ~UrlLog();
    QList<QUrl> opened;
    bool canOpen = true; // whether a program "opens" them
};

} // namespace menustest
