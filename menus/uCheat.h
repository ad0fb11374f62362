#pragma once
#include <QDialog>

class QSpinBox;

// The level-jump dialog: a level from 1 to 100, kept between openings.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
    void SpinEdit1Change();

    QSpinBox* SpinEdit1;
};

extern TForm7* Form7;
