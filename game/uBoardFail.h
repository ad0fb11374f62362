#pragma once
#include "app/lazyform.h"
#include <QDialog>

class QLabel;
class QPushButton;
namespace platform { class Image; }

// The time-is-up window: retry or save and leave.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    platform::Image* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* Button1;
    QPushButton* Button2;
};

extern LazyForm<TForm5> Form5;
