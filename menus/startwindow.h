#pragma once
#include <QWidget>

#include "players/settingsstore.h"
#include "sound/musicplayer.h"

class QPushButton;
class QLabel;
namespace platform { class Image; }
namespace menus { class ClickLabel; }

// The start window: the program's hub and main window. Closing it ends the
// program. The windows its buttons open are asked for through its signals,
// which are answered before they return.
class StartWindow : public QWidget {
    Q_OBJECT
    players::SettingsStore& settings_;

public:
    explicit StartWindow(players::SettingsStore& settings, QWidget* parent = nullptr);

    // Shows the window and runs its show sequence after the first paint
    // instead of before it (the program's first showing).
    void showThenRunShowSequence();
    // True once a showing's sequence (title music, settings) has run.
    bool showSequenceDone() const { return showSequenceDone_; }

    void runShowSequence();
    void startGameClicked(); // Játék indítása
    void playerChoiceCancelled(); // the player window closed without a player
    void settingsClicked(); // Beállítások
    void rulesClicked(); // Játékszabályok
    void aboutClicked(); // Névjegy
    void quitClicked(); // Kilépés
    void webLinkClicked();
    void removeScratchPictures();

    platform::Image* background;
    QPushButton* startButton;
    QPushButton* settingsButton;
    QPushButton* rulesButton;
    QPushButton* aboutButton;
    QPushButton* quitButton;
    QLabel* makerLabel;
    QLabel* setLabel; // names the set played when it is not the shipped one; hidden otherwise
    void showSetName(const QString& name);
    menus::ClickLabel* webLink;
    sound::MusicPlayer titleMusic{true};

signals:
    void playerChoiceAsked();
    void settingsAsked();
    void rulesAsked();
    void aboutAsked();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void stopMusic();
    void restartMusic();
    void warnIfUnwritable(); // once per run, at the first showing
    bool writeWarned_ = false;
    bool deferShowSequence_ = false; // the next showing waits for its first paint
    bool showSequencePending_ = false;
    bool showSequenceDone_ = false;
};

// The warning shown when the game cannot write into `dir`.
QString unwritableFolderText(const QString& dir);

// The maker's notice of the bottom left label, with the year and version.
QString makerNotice();
