#pragma once
#include "app/lazyform.h"
#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

// The level-jump dialog: a level from 1 to 100, kept between openings; the
// game window loads it when the dialog is confirmed.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
    void SpinEdit1Change();

    QLabel* Label1;
    QSpinBox* SpinEdit1;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* e) override;
};

extern LazyForm<TForm7> Form7;
