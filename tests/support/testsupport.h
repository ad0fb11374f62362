#pragma once
// Shared fixtures of the tests: a scratch game folder, the ten windows on the
// virtual clock, recorded message boxes and scripted modal windows.
#include <QList>
#include <QPoint>
#include <QString>
#include <QTemporaryDir>
#include <QVector>
#include <functional>

#include "platform/modal.h"

class QWidget;
namespace app { class App; }

namespace testsupport {

// A temporary folder that stands in for the executable's directory.
class GameDir {
public:
    GameDir();
    ~GameDir();
    QString path() const; // ends in '/'
    QString file(const QString& relative) const { return path() + relative; }
private:
    QTemporaryDir dir_;
};

// Collects every message box instead of showing it.
class MessageLog {
public:
    MessageLog();
    ~MessageLog();
    QList<platform::MessageRecord> list;
    QStringList texts() const;
};

// Answers modal windows: `answer` is asked for each window shown (by object
// name, e.g. "levelDoneDialog") and returns its modal result; by default mrCancel.
class ModalLog {
public:
    ModalLog();
    ~ModalLog();
    QStringList shown;
    std::function<int(QWidget*)> answer;
};

// The ten windows of the program, created on the virtual clock and destroyed
// at the end of the test, with the sound and music logs cleared. With
// `buildAll` false none is built: the test starts the program as main() does
// (startProgram) and every window is built on first use.
class Forms {
public:
    explicit Forms(bool buildAll = true);
    ~Forms();
};

// Ends the program of the running Forms and starts a fresh one, with all ten
// windows built or none.
void restartApp(bool buildAll);
// Makes `program` (runGame's) the one the tests' window names reach.
void useApp(app::App* program);
// The program's start as main() makes it: only the start window is built,
// and its show sequence runs after its first paint. Returns once it has run.
bool startProgram();

// Writes DATA/NNN.DAT under `dir` with plain pictures and the given points.
QString writeTestLevel(const QString& dir, int level, const QVector<QPoint>& points,
                       unsigned markerRgb = 0xFF8000);
// `count` points spread over the picture, 40 pixels apart.
QVector<QPoint> spreadPoints(int count);
// Adds a player to players.dat in `dir` (creating the roster) and returns its slot.
int addPlayer(const QString& dir, const QString& name, int level = 1, int helps = 0,
              int secondsBank = 0, int attempts = 0);

// The message of the runtime error `f` raises; empty when it raises none.
QString raisedBy(const std::function<void()>& f);

} // namespace testsupport
