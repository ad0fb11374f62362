#pragma once
// "Próbajáték": the level played in the game's own window (clock, hits,
// misses, help), in a scratch game folder with a scratch player, so no
// player's record or setting is read or written.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace app { class App; }

namespace editor {

class TrialPlay : public QObject {
    Q_OBJECT
public:
    // `record` is played as level `levelNo`; `finished` runs once the game
    // window has gone (closed, or the player left after the end).
    static bool start(const QByteArray& record, int levelNo, std::function<void()> finished, QString* error);
    static bool running();
    static app::App* program(); // the game the trial runs, or null
    ~TrialPlay() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    TrialPlay();
    void finish();
    QTemporaryDir folder_;
    std::unique_ptr<app::App> game_;
    std::function<void()> finished_;
    QString editorDir_; // the folder the editor itself works from
    bool ending_ = false;
};

// "Saját pályák lejátszása": the game beside the level maker started with
// --own-levels, in a process of its own (its own lock and windows, the
// players of the own set). False with the reason when it cannot start.
bool startOwnLevelsGame(QString* error);
// How a program is started; tests put a recorder in its place.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
void setProgramStarter(ProgramStarter starter);

} // namespace editor
