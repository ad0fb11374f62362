#pragma once
#include "app/lazyform.h"
#include <QDialog>

#include "players/records.h"

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
    players::SettingsRecord boxes() const; // the four boxes as a record

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

extern LazyForm<TForm8> Form8;

// The settings as the start window needs them, without building the settings
// window: while it does not exist they live in a record that the window's
// boxes start from when it is built.
namespace settings {
// The window's LoadSettings, or the same reading into that record.
void load();
// The four boxes, or the record before the window exists: reading a setting
// does not build the window (nor its background picture).
players::SettingsRecord current();
bool musicOn();
// All on again, as at program start (when the windows are destroyed).
void reset();
} // namespace settings
