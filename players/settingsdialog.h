#pragma once
#include "app/windowholder.h"
#include <QDialog>

#include "players/records.h"

class QCheckBox;
class QLabel;
class QPushButton;
namespace platform { class Image; }

// The settings window: its four check-boxes are the settings.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // Reads settings.dat into the boxes; saves the boxes when it is missing.
    void loadSettings();
    // Writes the boxes to settings.dat.
    void saveSettings();
    void refresh();
    players::SettingsRecord boxes() const; // the four boxes as a record

    platform::Image* background;
    QCheckBox* preciseBox;
    QLabel* preciseNote1;
    QLabel* preciseNote2;
    QLabel* preciseNote3;
    QCheckBox* soundBox;
    QLabel* soundNote;
    QCheckBox* musicBox;
    QLabel* musicNote;
    QCheckBox* shadowBox;
    QLabel* shadowNote1;
    QLabel* shadowNote2;
    QPushButton* saveButton;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void saveAndClose();
};

extern WindowHolder<SettingsDialog> settingsDialog;

// The settings as the start window needs them, without building the settings
// window: while it does not exist they live in a record that the window's
// boxes start from when it is built.
namespace settings {
// The window's loadSettings, or the same reading into that record.
void load();
// The four boxes, or the record before the window exists: reading a setting
// does not build the window (nor its background picture).
players::SettingsRecord current();
bool musicOn();
// All on again, as at program start (when the windows are destroyed).
void reset();
} // namespace settings
