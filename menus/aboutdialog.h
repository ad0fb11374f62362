#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }
namespace menus { class ClickLabel; }

// Névjegy: the title scroll with the credits and the link to the manual.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    void webLinkClicked();
    void backClicked();

    platform::Image* background;
    QLabel* toolsCredit;  // development tool
    QLabel* makersIntro;  // introduces the makers
    QLabel* picturesCredit;  // pictures
    QLabel* processingCredit;  // picture processing
    QLabel* levelMusicCredit;  // level music
    QLabel* titleMusicCredit;  // title music
    QLabel* makers;  // the makers, bold
    QLabel* dateNote;  // dated note
    menus::ClickLabel* webLink;
    QLabel* webLinkCaption;
    QLabel* testsIntro; // heading of what tested the game
    QLabel* testPlaythrough; // the tests, bold
    QLabel* testFuzzing;
    QLabel* testSanitizers;
    QLabel* dedication; // dedication
    QPushButton* backButton;
};
