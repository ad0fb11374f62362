#pragma once
#include "app/windowholder.h"
#include <QDialog>

#include "players/records.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace platform { class Image; }

// The player window: lists, adds, deletes and chooses players; owns the one
// in-memory roster the whole program works on.
class PlayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlayerDialog(QWidget* parent = nullptr);

    // Resets the controls, reads players.dat and rebuilds the list.
    void reload();
    // Writes the roster to players.dat beside the executable.
    void writeRoster();
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

    players::RosterRecord roster;
    // Slot (1..10) chosen with OK, 0 while none has been chosen.
    quint8 selectedPlayer = 0;
    // The chosen player's slot; while none is chosen, a blank record that
    // belongs to nobody and is never saved.
    players::PlayerRecord& currentPlayer();
    // False while players.dat exists but cannot be read: the roster is then
    // not ours to change, so adding and deleting stay off.
    bool rosterReadable() const { return rosterReadable_; }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void nameCharsDropped(const QString& gone);
    void readRoster();
    void rebuildList();
    void saveRoster(const players::RosterRecord& changed);
    int selectedIndex() const;
    bool rosterReadable_ = true;
    bool dblClickPending_ = false; // a double click waits for its release
    players::PlayerRecord nobody_;
};

extern WindowHolder<PlayerDialog> playerDialog;
