#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// The time-is-up window: retry or save and leave.
class TimeUpDialog : public QDialog {
    Q_OBJECT
public:
    explicit TimeUpDialog(QWidget* parent = nullptr);
    void showMissed(int remaining); // the differences left unfound

    platform::Image* background;
    QLabel* heading;
    QLabel* missedLabel;
    QLabel* adviceLine1;
    QLabel* adviceLine2;
    QLabel* adviceLine3;
    QLabel* adviceLine4;
    QLabel* adviceLine5;
    QLabel* adviceLine6;
    QPushButton* retryButton;
    QPushButton* saveAndQuitButton;
};
