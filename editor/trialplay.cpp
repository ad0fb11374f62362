#include "editor/trialplay.h"

#include "app/app.h"
#include "game/gamewindow.h"
#include "game/levelrecord.h"
#include "menus/startwindow.h"
#include "platform/paths.h"
#include "players/records.h"
#include "tools/levelgen/pack.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace editor {

namespace {
TrialPlay* current = nullptr;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}
} // namespace

TrialPlay::TrialPlay() = default;
TrialPlay::~TrialPlay() = default;

bool TrialPlay::running() { return current != nullptr; }

app::App* TrialPlay::program() { return current ? current->game_.get() : nullptr; }

bool TrialPlay::start(const QByteArray& record, int levelNo, std::function<void()> finished, QString* error)
{
    if (current) {
        *error = QString::fromUtf8("már fut egy próbajáték");
        return false;
    }
    auto trial = std::unique_ptr<TrialPlay>(new TrialPlay);
    const QString dir = trial->folder_.path() + QLatin1Char('/');
    players::SettingsRecord s; // sound, precise pointer, shadow cursor; no music to find
    s.sound = true;
    s.precise = true;
    s.music = false;
    s.shadow = true;
    // The level also as the next one: "Következő pálya" plays it again.
    const int next = levelNo < 100 ? levelNo + 1 : levelNo;
    if (!trial->folder_.isValid() || !QDir(dir).mkpath(QStringLiteral("DATA")) ||
        !writeFile(levelgen::levelPath(dir + QStringLiteral("DATA"), levelNo), record) ||
        !writeFile(levelgen::levelPath(dir + QStringLiteral("DATA"), next), record) ||
        !writeFile(dir + QStringLiteral("settings.dat"), players::encodeSettings(s))) {
        *error = QString::fromUtf8("nem készíthető ideiglenes játékmappa");
        return false;
    }
    // The game's windows work in the scratch folder for as long as the trial lasts.
    trial->editorDir_ = platform::exeDir();
    platform::setExeDir(dir);
    trial->game_ = std::make_unique<app::App>();
    app::App& game = *trial->game_;
    players::PlayerRecord p = players::PlayerRecord::newPlayer(QString::fromUtf8("Próbajáték"));
    p.level = std::uint8_t(levelNo);
    game.players().roster = {};
    game.players().roster.playerCount = 1;
    game.players().roster.slot(1) = p;
    game.players().select(1);
    // The game goes back to its start window when the level is left: here
    // that is the end of the trial instead.
    game.startWindow()->installEventFilter(trial.get());
    trial->finished_ = std::move(finished);
    current = trial.release();
    game.gameWindow()->show();
    return true;
}

bool TrialPlay::eventFilter(QObject* watched, QEvent* e)
{
    if (qobject_cast<StartWindow*>(watched) && e->type() == QEvent::Show) {
        QTimer::singleShot(0, this, [this] { finish(); });
        return true; // the start window's own show handler does not run
    }
    return QObject::eventFilter(watched, e);
}

void TrialPlay::finish()
{
    if (ending_)
        return;
    ending_ = true;
    game_->startWindow()->hide();
    game_->gameWindow()->hide();
    game_.reset();
    platform::setExeDir(editorDir_);
    current = nullptr;
    if (finished_)
        finished_();
    deleteLater();
}

namespace {
ProgramStarter& programStarter()
{
    static ProgramStarter s;
    return s;
}
} // namespace

void setProgramStarter(ProgramStarter starter) { programStarter() = std::move(starter); }

bool startOwnLevelsGame(QString* error)
{
    // The game is installed, and built, beside the level maker.
    const QString program = platform::exeDir() + QStringLiteral("kovra2");
    const QStringList arguments{QStringLiteral("--own-levels")};
    if (!QFileInfo(program).isExecutable()) {
        *error = QString::fromUtf8("A játék nem található a pályakészítő mellett: %1").arg(program);
        return false;
    }
    const bool started = programStarter() ? programStarter()(program, arguments) : QProcess::startDetached(program, arguments);
    if (!started)
        *error = QString::fromUtf8("A játék nem indítható el: %1").arg(program);
    return started;
}

} // namespace editor
