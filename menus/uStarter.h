#pragma once
#include <QWidget>

// The start window: the program's hub and main window.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
