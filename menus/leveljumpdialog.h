#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

// The level-jump dialog: a level from 1 to the set's last (100 shipped), kept
// between openings; the
// game window loads it when the dialog is confirmed.
class LevelJumpDialog : public QDialog {
    Q_OBJECT
public:
    explicit LevelJumpDialog(QWidget* parent = nullptr);
    int chosenLevel() const; // the level in the box, 1..100
    // The set's last level: the box offers 1..n (at least 1).
    void setLastLevel(int n);

    QLabel* question;
    QSpinBox* levelBox;
    QPushButton* okButton;
    QPushButton* cancelButton;

protected:
    void showEvent(QShowEvent* e) override;
};
