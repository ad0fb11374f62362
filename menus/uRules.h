#pragma once
#include <QDialog>

// Kovra 2 - Játékszabályok
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);
};

extern TForm9* Form9;
