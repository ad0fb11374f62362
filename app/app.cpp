#include "app/app.h"

#include "game/gamecompletedialog.h"
#include "game/gamewindow.h"
#include "game/leveldonedialog.h"
#include "game/levelresult.h"
#include "game/timeupdialog.h"
#include "menus/aboutdialog.h"
#include "menus/leveljumpdialog.h"
#include "menus/rulesdialog.h"
#include "menus/startwindow.h"
#include "platform/appearance.h"
#include "platform/controls.h"
#include "platform/modal.h"
#include "platform/quitsignals.h"
#include "players/playerdialog.h"
#include "players/settingsdialog.h"

#include <QApplication>

namespace app {

namespace {
template <typename W, typename... Args> W* buildOnce(std::unique_ptr<W>& window, Args&... args)
{
    if (!window)
        window = std::make_unique<W>(args...);
    return window.get();
}
} // namespace

App::App(const game::LevelSet& levels) : levels_(levels)
{
    players_.setFile(levels_.rosterFile());
    players_.lastLevel = levels_.levelCount();
    platform::setupFonts();
    platform::setupStockTexts();
}

App::~App() = default; // members in reverse: the windows, then the stores

void App::start() { startWindow()->showThenRunShowSequence(); }

void App::buildAllWindows()
{
    startWindow();
    gameWindow();
    playerDialog();
    levelDoneDialog();
    timeUpDialog();
    gameCompleteDialog();
    levelJumpDialog();
    settingsDialog();
    rulesDialog();
    aboutDialog();
}

StartWindow* App::startWindow()
{
    if (!start_) {
        start_ = std::make_unique<StartWindow>(settings_);
        if (levels_.isOwn())
            start_->showSetName(QString::fromUtf8("Saját pályák"));
        connect(start_.get(), &StartWindow::playerChoiceAsked, this, &App::choosePlayer);
        connect(start_.get(), &StartWindow::settingsAsked, this, [this] { platform::showModal(settingsDialog()); });
        connect(start_.get(), &StartWindow::rulesAsked, this, [this] { platform::showModal(rulesDialog()); });
        connect(start_.get(), &StartWindow::aboutAsked, this, [this] { platform::showModal(aboutDialog()); });
    }
    return start_.get();
}

void App::choosePlayer()
{
    players_.lastLevel = levels_.levelCount(); // the own set grows as the level maker saves
    platform::showModal(playerDialog());
    if (players_.selectedPlayer != 0)
        gameWindow()->show(); // it shows the start window again when the player leaves
    else
        startWindow()->playerChoiceCancelled();
}

GameWindow* App::gameWindow()
{
    if (!game_) {
        game_ = std::make_unique<GameWindow>(players_, settings_, levels_);
        GameWindow* game = game_.get();
        connect(game, &GameWindow::leftToStart, this, [this] { startWindow()->show(); });
        connect(game, &GameWindow::levelCompleted, this, [this, game](const game::LevelResult& r) {
            levelDoneDialog()->showResult(r);
            game->levelDoneAnswered(platform::showModal(levelDoneDialog()) == platform::mrOk);
        });
        connect(game, &GameWindow::timeRanOut, this, [this, game](int remaining) {
            timeUpDialog()->showMissed(remaining);
            game->timeUpAnswered(platform::showModal(timeUpDialog()) == platform::mrOk);
        });
        connect(game, &GameWindow::gameCompleted, this, [this] {
            gameCompleteDialog()->setTotalSeconds(players_.currentPlayer().totalSeconds);
            platform::showModal(gameCompleteDialog());
        });
        connect(game, &GameWindow::levelJumpAsked, this, [this, game] {
            levelJumpDialog()->setLastLevel(levels_.levelCount());
            if (platform::showModal(levelJumpDialog()) == platform::mrOk)
                game->jumpToLevel(levelJumpDialog()->chosenLevel());
        });
    }
    return game_.get();
}

PlayerDialog* App::playerDialog() { return buildOnce(playerDialog_, players_); }
SettingsDialog* App::settingsDialog() { return buildOnce(settingsDialog_, settings_); }

LevelDoneDialog* App::levelDoneDialog() { return buildOnce(levelDone_); }
TimeUpDialog* App::timeUpDialog() { return buildOnce(timeUp_); }
GameCompleteDialog* App::gameCompleteDialog() { return buildOnce(gameComplete_); }
LevelJumpDialog* App::levelJumpDialog() { return buildOnce(levelJump_); }
RulesDialog* App::rulesDialog() { return buildOnce(rules_); }
AboutDialog* App::aboutDialog() { return buildOnce(about_); }

template <> std::unique_ptr<StartWindow>& App::slot<StartWindow>() { return start_; }
template <> std::unique_ptr<GameWindow>& App::slot<GameWindow>() { return game_; }
template <> std::unique_ptr<PlayerDialog>& App::slot<PlayerDialog>() { return playerDialog_; }
template <> std::unique_ptr<LevelDoneDialog>& App::slot<LevelDoneDialog>() { return levelDone_; }
template <> std::unique_ptr<TimeUpDialog>& App::slot<TimeUpDialog>() { return timeUp_; }
template <> std::unique_ptr<GameCompleteDialog>& App::slot<GameCompleteDialog>() { return gameComplete_; }
template <> std::unique_ptr<LevelJumpDialog>& App::slot<LevelJumpDialog>() { return levelJump_; }
template <> std::unique_ptr<SettingsDialog>& App::slot<SettingsDialog>() { return settingsDialog_; }
template <> std::unique_ptr<RulesDialog>& App::slot<RulesDialog>() { return rules_; }
template <> std::unique_ptr<AboutDialog>& App::slot<AboutDialog>() { return about_; }

template <typename W> bool App::built() const { return const_cast<App*>(this)->slot<W>() != nullptr; }
template bool App::built<StartWindow>() const;
template bool App::built<GameWindow>() const;
template bool App::built<PlayerDialog>() const;
template bool App::built<LevelDoneDialog>() const;
template bool App::built<TimeUpDialog>() const;
template bool App::built<GameCompleteDialog>() const;
template bool App::built<LevelJumpDialog>() const;
template bool App::built<SettingsDialog>() const;
template bool App::built<RulesDialog>() const;
template bool App::built<AboutDialog>() const;

void App::rejectOpenDialogs()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
            d->reject();
}

void App::closeAll()
{
    rejectOpenDialogs();
    // The game window's close saves the attempt's seconds and deletes the
    // scratch pictures; the start window's close deletes them too.
    if (game_ && game_->isVisible())
        game_->close();
    if (start_)
        start_->close();
}

} // namespace app
