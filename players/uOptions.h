#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
namespace platform { class Image; }

// The settings window: its four check-boxes are the settings.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    // Reads settings.dat into the boxes; saves the boxes when it is missing.
    void LoadSettings();
    // Writes the boxes to settings.dat.
    void Button1Click();
    void FormShow();

    platform::Image* Image1;
    QCheckBox* chkPrecise;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QCheckBox* chkSound;
    QLabel* Label4;
    QCheckBox* chkMusic;
    QLabel* Label5;
    QCheckBox* chkShadow;
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void saveAndClose();
};

extern TForm8* Form8;
