#pragma once
#include <QDialog>

// Névjegy
class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);
};

extern TForm10* Form10;
