#pragma once
#include <QDialog>

class QCheckBox;

// The settings window: its four check-boxes are the settings.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    // Reads settings.dat into the boxes; saves the boxes when it is missing.
    void LoadSettings();
    // Writes the boxes to settings.dat.
    void Button1Click();

    QCheckBox* chkPrecise;
    QCheckBox* chkSound;
    QCheckBox* chkMusic;
    QCheckBox* chkShadow;
};

extern TForm8* Form8;
