#pragma once
#include "app/lazyform.h"
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// The game-completed window: total time and the looping "endgame" tune.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    void FormShow();
    void FormClose();
    void Button1Click();
    void done(int r) override; // every way of closing passes here

    platform::Image* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* e) override;
};

extern LazyForm<TForm6> Form6;
