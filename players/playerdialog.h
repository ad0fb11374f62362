#pragma once
#include <QDialog>

#include "players/playerstore.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace platform { class Image; }

// The player window: lists, adds, deletes and chooses the players of the store.
class PlayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlayerDialog(players::PlayerStore& store, QWidget* parent = nullptr);

    // Resets the controls, reads players.dat and rebuilds the list.
    void reload();
    void addPlayerClicked();     // "+ Új játékos hozzáadása": opens the name entry
    void confirmAddClicked();     // "Hozzáadás": stores the typed name
    void cancelAddClicked();     // "Mégsem": closes the name entry
    void deleteClicked();     // "Játékos törlése": asks, then deletes
    void selectionChanged();    // after every change of the selection
    void okClicked();     // "OK": chooses the selected player
    void playerDoubleClicked(); // the same as OK
    // What the name box says when it left characters out of an edit.
    static QString droppedCharsNote(const QString& gone);

    platform::Image* background;
    QListWidget* playerList;
    QPushButton* addButton;
    QPushButton* deleteButton;
    QCheckBox* confirmDelete;
    QPushButton* okButton;
    QLineEdit* nameEdit;
    QPushButton* confirmAddButton;
    QPushButton* cancelAddButton;

    // The slot chosen with OK, 0 while none has been chosen.
    quint8 selectedPlayer() const { return store_.selectedPlayer; }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void nameCharsDropped(const QString& gone);
    void rebuildList();
    int selectedIndex() const;
    players::PlayerStore& store_;
    bool dblClickPending_ = false; // a double click waits for its release
};
