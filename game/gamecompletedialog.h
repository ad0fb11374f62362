#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// The game-completed window: total time and the looping "endgame" tune.
class GameCompleteDialog : public QDialog {
    Q_OBJECT
public:
    explicit GameCompleteDialog(QWidget* parent = nullptr);

    void setTotalSeconds(int seconds); // the player's time over the whole game
    void startTune();
    void stopTune();
    void backClicked();
    void done(int r) override; // every way of closing passes here

    platform::Image* background;
    QLabel* heading;
    QLabel* totalTimeCaption;
    QLabel* totalTimeLabel;
    QLabel* quoteLine1;
    QLabel* quoteLine2;
    QLabel* quoteAuthor;
    QPushButton* backButton;

protected:
    void showEvent(QShowEvent* e) override;
private:
    int totalSeconds_ = 0;
};
