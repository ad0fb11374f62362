#pragma once
#include "app/lazyform.h"
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }
namespace menus { class ClickLabel; }

// Névjegy: the title scroll with the credits and the link to the manual.
class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    void Label9Click();
    void Button1Click();

    platform::Image* Image1;
    QLabel* Label1;  // development tool
    QLabel* Label2;  // introduces the makers
    QLabel* Label3;  // pictures
    QLabel* Label4;  // picture processing
    QLabel* Label5;  // level music
    QLabel* Label6;  // title music
    QLabel* Label7;  // the makers, bold
    QLabel* Label8;  // dated note
    menus::ClickLabel* Label9;
    QLabel* Label10;
    QLabel* Label11; // heading of what tested the game
    QLabel* Label12; // the tests, bold
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15; // dedication
    QPushButton* Button1;
};

extern LazyForm<TForm10> Form10;
