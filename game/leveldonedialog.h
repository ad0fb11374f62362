#pragma once
#include <QDialog>

namespace game { struct LevelResult; }
class QLabel;
class QPushButton;
namespace platform { class Image; class Shape; class Timer; }

// The level-completed window: the level's time, attempts, the award message
// and the two thumbnails of the level alternating once a second.
class LevelDoneDialog : public QDialog {
    Q_OBJECT
public:
    explicit LevelDoneDialog(QWidget* parent = nullptr);

    // Fills the window with a finished level: times, attempts, award, pictures.
    void showResult(const game::LevelResult& r);
    void restartBlink();
    void blinkTick();

    platform::Image* background;
    platform::Shape* thumbnailMount;
    platform::Image* leftThumbnail;
    platform::Image* rightThumbnail;
    QLabel* heading;
    QLabel* subheading;
    QLabel* usedTimeCaption;
    QLabel* usedTimeLabel;
    QLabel* timeLeftCaption;
    QLabel* timeLeftLabel;
    QLabel* attemptsCaption;
    QLabel* attemptsLabel;
    QLabel* awardLabel;
    QPushButton* nextButton;
    QPushButton* saveAndQuitButton;
    platform::Timer* blinkTimer;

protected:
    void showEvent(QShowEvent* e) override;
};
