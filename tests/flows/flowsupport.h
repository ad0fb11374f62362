#pragma once
// Helpers of the flow tests: the player window driven as a player drives it,
// and players.dat read at its byte offsets.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>
#include <sys/types.h>

class QWidget;

namespace flows {

// Types text key by key, letters beyond ASCII included.
void type(QWidget* w, const QString& text);
// In the shown player window: adds `name` when it is not empty, then clicks
// entry `row` and presses "OK".
void addAndChoose(const QString& name, int row = 0);
// The whole file, or empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// One slot of a players.dat image, read at its offsets (k = 1..10).
struct Slot {
    QByteArray name;
    int level = 0, helps = 0, bank = 0, totalSeconds = 0, levelSeconds = 0, attempts = 0;
};
Slot slotOf(const QByteArray& roster, int k);

// The game in a child process (the flows' game child), its stdout read
// line by line.
class ChildGame {
public:
    explicit ChildGame(const QString& program) : program_(program) {}
    QProcess proc;
    QStringList lines;

    void start(const QStringList& args)
    {
        proc.setProcessChannelMode(QProcess::SeparateChannels);
        proc.start(program_, args);
    }
    // Waits until a line starting with `prefix` has been printed.
    bool waitFor(const QString& prefix, int ms)
    {
        const QDeadlineTimer deadline(ms);
        for (;;) {
            readLines();
            for (const QString& l : lines)
                if (l.startsWith(prefix))
                    return true;
            if (deadline.hasExpired() || proc.state() == QProcess::NotRunning)
                return false;
            proc.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        }
    }
    QStringList boxes()
    {
        readLines();
        QStringList b;
        for (const QString& l : lines)
            if (l.startsWith(QStringLiteral("box: ")))
                b << l.mid(5);
        return b;
    }
    void signal(int sig) { ::kill(pid_t(proc.processId()), sig); }
    // Ends normally with `code`, within a generous bound (the machine is shared).
    bool endsWith(int code)
    {
        if (proc.state() != QProcess::NotRunning && !proc.waitForFinished(10000))
            return false;
        readLines();
        return proc.exitStatus() == QProcess::NormalExit && proc.exitCode() == code;
    }
    ~ChildGame()
    {
        if (proc.state() != QProcess::NotRunning) {
            proc.kill();
            proc.waitForFinished(5000);
        }
    }

private:
    QString program_;
    void readLines()
    {
        while (proc.canReadLine())
            lines << QString::fromUtf8(proc.readLine()).trimmed();
    }
};

} // namespace flows
