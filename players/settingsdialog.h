#pragma once
#include <QDialog>

#include "players/settingsstore.h"

class QCheckBox;
class QLabel;
class QPushButton;
namespace platform { class Image; }

// The settings window: shows the four settings and saves them to the store.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(players::SettingsStore& store, QWidget* parent = nullptr);

    // Reads settings.dat into the boxes; saves the boxes when it is missing.
    void loadSettings();
    // Writes the boxes to settings.dat.
    void saveSettings();
    void done(int r) override;
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
    void showSettings(const players::SettingsRecord& s);
    players::SettingsStore& store_;
};
