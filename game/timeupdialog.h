#pragma once
#include "app/windowholder.h"
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// The time-is-up window: retry or save and leave.
class TimeUpDialog : public QDialog {
    Q_OBJECT
public:
    explicit TimeUpDialog(QWidget* parent = nullptr);

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

extern WindowHolder<TimeUpDialog> timeUpDialog;
