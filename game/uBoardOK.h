#pragma once
#include "app/lazyform.h"
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; class Shape; class Timer; }

// The level-completed window: the level's time, attempts, the award message
// and the two thumbnails of the level alternating once a second.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void FormShow();
    void Timer1Timer();

    platform::Image* Image1;
    platform::Shape* Shape1;
    platform::Image* Image2;
    platform::Image* Image3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label6;
    QLabel* Label4;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* lblproba;
    QLabel* Label5;
    QPushButton* Button1;
    QPushButton* Button2;
    platform::Timer* Timer1;

protected:
    void showEvent(QShowEvent* e) override;
};

extern LazyForm<TForm4> Form4;
