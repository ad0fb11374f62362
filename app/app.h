#pragma once
// The program's one owner: the player and settings stores and the ten
// windows. Only the start window is built at start-up; each other window is
// built the first time it is needed, and wired then to what it announces.
// No window knows another: they speak through their signals, answered here.
#include <QObject>
#include <memory>

#include "game/levelset.h"
#include "players/playerstore.h"
#include "players/settingsstore.h"

class StartWindow;
class GameWindow;
class PlayerDialog;
class LevelDoneDialog;
class TimeUpDialog;
class GameCompleteDialog;
class LevelJumpDialog;
class SettingsDialog;
class RulesDialog;
class AboutDialog;

namespace app {

class App : public QObject {
    Q_OBJECT
public:
    // `levels`: the set played, the shipped one unless the player asked for
    // their own levels; its players are read from and saved to its roster.
    explicit App(const game::LevelSet& levels = game::LevelSet::shipped());
    ~App() override; // the windows go in the reverse of the start-up order, then the stores

    // The program's start: the start window shows, and its show sequence
    // (title music, settings) runs after its first paint, so the player sees
    // the window before the audio library is loaded.
    void start();
    // All ten windows at once, in the start-up order (tests, picture tools).
    void buildAllWindows();
    // The end on a signal: open dialogs end as if closed, the game window
    // saves as its close does, and the start window's close ends the program.
    void closeAll();
    // Open dialogs (a result window, the player window, a message box) end as
    // if closed; their callers go on as the event loops unwind.
    static void rejectOpenDialogs();

    players::PlayerStore& players() { return players_; }
    players::SettingsStore& settings() { return settings_; }
    const game::LevelSet& levels() const { return levels_; }

    // Each builds its window on first use.
    StartWindow* startWindow();
    GameWindow* gameWindow();
    PlayerDialog* playerDialog();
    LevelDoneDialog* levelDoneDialog();
    TimeUpDialog* timeUpDialog();
    GameCompleteDialog* gameCompleteDialog();
    LevelJumpDialog* levelJumpDialog();
    SettingsDialog* settingsDialog();
    RulesDialog* rulesDialog();
    AboutDialog* aboutDialog();
    // True once the window W exists; never builds it.
    template <typename W> bool built() const;

private:
    template <typename W> std::unique_ptr<W>& slot();
    void choosePlayer();

    game::LevelSet levels_;
    players::PlayerStore players_;
    players::SettingsStore settings_;
    // In the start-up order: destroyed in the reverse.
    std::unique_ptr<StartWindow> start_;
    std::unique_ptr<GameWindow> game_;
    std::unique_ptr<PlayerDialog> playerDialog_;
    std::unique_ptr<LevelDoneDialog> levelDone_;
    std::unique_ptr<TimeUpDialog> timeUp_;
    std::unique_ptr<GameCompleteDialog> gameComplete_;
    std::unique_ptr<LevelJumpDialog> levelJump_;
    std::unique_ptr<SettingsDialog> settingsDialog_;
    std::unique_ptr<RulesDialog> rules_;
    std::unique_ptr<AboutDialog> about_;
};

} // namespace app
