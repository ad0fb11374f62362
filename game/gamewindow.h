#pragma once
#include <QRegion>
#include <QWidget>
#include <array>
#include <memory>

#include "game/levelrecord.h"
#include "game/levelset.h"
#include "game/round.h"
#include "game/roundstate.h"
#include "players/playerstore.h"
#include "players/settingsstore.h"
#include "sound/musicplayer.h"

class QLabel;
namespace game { struct LevelResult; }
namespace platform { class Image; class Shape; class Gauge; class Timer; }

// The game window: one level at a time, two pictures side by side. It plays
// the store's current player and saves their progress there; what comes
// after a level (the result windows, the start window) it announces.
class GameWindow : public QWidget {
    Q_OBJECT
    players::PlayerStore& players_;
    players::SettingsStore& settings_;
    const game::LevelSet& levels_;

public:
    GameWindow(players::PlayerStore& players, players::SettingsStore& settings, const game::LevelSet& levels,
               QWidget* parent = nullptr);
    ~GameWindow() override;

    // Codes of the pointer's position as the caption-button guard sees them.
    enum HitCode { PointerInClient = 1, PointerOnCaption = 2, PointerOnMinimize = 8, PointerOnMaximize = 9, PointerOnClose = 20 };

    // Loading a level.
    void startPlaying();
    void loadLevel(int n);
    // Regions and hits.
    void buildRegions();
    void clearRegions();
    void regionPressed(platform::Shape* region);
    void pictureClicked();
    void showProgressDots(std::uint8_t r);
    // What the round says: a find, the clock, the penalty.
    void differenceFound(int k, bool byHelp);
    void roundCompleted();
    void showClock(int seconds);
    void penalised();
    void penaltyOver();
    void warningBlink();
    void togglePause();
    void applyPause();
    void idleReminder();
    void idleFlashOver();
    // Help.
    void useHelp();
    void showHelpStatus();
    // Level end, and what the player answered the window announcing it.
    void completeLevel();
    void levelDoneAnswered(bool goOn);
    void timeUp();
    void timeUpAnswered(bool retry);
    void closeGame();
    void savePlayerProgress();
    void levelNumberPressed(Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void jumpToLevel(int n); // the level chosen in the jump dialog
    // Pointer tracking.
    void pointerOnLeftPicture(QPoint p);
    void pointerOnRightPicture(QPoint p);
    void pointerOnLeftRegion(platform::Shape* region, QPoint p);
    void pointerOnRightRegion(platform::Shape* region, QPoint p);
    void pointerOnBackground();
    void windowActivated();
    void guardHitTest(int hit);
    // Sound effects obey the sound setting.
    void playEffect(const QString& name);

    // Controls, bottom to top.
    platform::Image* background;
    platform::Image* leftPicture;
    platform::Image* rightPicture;
    platform::Shape* countPanel;
    QLabel* countTextBefore;
    QLabel* findHint;
    platform::Shape* helpPanel;
    QLabel* helpTitle;
    QLabel* countTextAfter;
    QLabel* remainingLabel;
    platform::Shape* clockPanel;
    platform::Gauge* timeBar;
    QLabel* timeCaption;
    QLabel* clockLabel;
    platform::Image* helpButton;
    QLabel* helpLine1;
    QLabel* helpLine2;
    platform::Image* pauseButton;
    platform::Image* helpOffPicture;
    platform::Image* helpOnPicture;
    platform::Image* warningSign;
    platform::Shape* levelPanel;
    QLabel* levelCaption;
    QLabel* levelNumberShadow;
    QLabel* levelNumber;
    platform::Image* pauseBanner;
    platform::Shape* messagePanel;
    platform::Shape* shadowCursor;
    sound::MusicPlayer levelMusic{false};

    platform::Timer* completionDelay;
    platform::Timer* warningBlinkTimer;
    platform::Timer* idleTimer;
    platform::Timer* idleFlashTimer;

    game::Round round; // the attempt at the level on screen
    RoundState roundState;
    std::unique_ptr<level::LevelRecord> levelData;
    std::array<std::array<platform::Shape*, 2>, level::kMaxDiffs> regions{};
    std::array<platform::Shape*, level::kMaxDiffs> progressDots{};
    bool gameLive = false;

    // True while regions of a loaded level exist (false after a failed load).
    bool regionsBuilt() const { return builtCount_ > 0; }
    bool guardSuspended() const { return guardSuspended_; }

signals:
    void levelCompleted(const game::LevelResult& result); // answered by levelDoneAnswered
    void timeRanOut(int remaining);                        // answered by timeUpAnswered
    void gameCompleted();                                  // the last level was done
    void levelJumpAsked();                                 // answered by jumpToLevel
    void leftToStart();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void buildTimers();
    void stopMusic();
    void leaveToStart();
    void showStartWindow();
    std::uint8_t diffCount() const;
    int usedSeconds() const;
    bool loadLevelFile(std::uint8_t n);
    void failedLoad(int n, std::uint8_t before);
    void showCaption(int n);
    platform::Shape* regionControl(int k, int side); // made once, reused by every level
    platform::Shape* progressDot(int k);
    QWidget* regionLayer();
    void setRegionsVisible(bool visible);
    QWidget* regionLayer_ = nullptr;
    QRegion regionArea_; // the regions' squares on the layer
    QRegion dotArea_;    // the progress dots'
    std::array<std::array<platform::Shape*, 2>, level::kMaxDiffs> regionPool_{};
    std::array<platform::Shape*, level::kMaxDiffs> dotPool_{};
    std::unique_ptr<level::LevelRecord> spareRecord_; // the next load reads into it
    int builtCount_ = 0;          // regions built by the last load
    bool guardSuspended_ = false; // pictures hidden by the caption-button guard
    bool accounted_ = false;      // this attempt's seconds are already counted
};
