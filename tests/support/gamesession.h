#pragma once
// A game window session for tests: a scratch folder with level files, one
// player chosen, the windows on the virtual clock, modal windows scripted.
#include "support/testsupport.h"

#include <QPoint>
#include <QVector>

namespace platform { class Shape; }

namespace testsupport {

struct SessionOptions {
    int level = 1;
    int helps = 0;
    int secondsBank = 0;
    int attempts = 0;
    bool sound = true;
    bool precise = true;
    bool music = false;
    bool shadow = true;
};

class GameSession {
public:
    GameDir dir;
    MessageLog messages;
    ModalLog modals;
    Forms forms;

    // Writes a level of `diffs` differences as level `levelNo`.
    void writeLevel(int levelNo, int diffs);
    void writeLevel(int levelNo, const QVector<QPoint>& points);
    // Stores the settings, puts one player in the roster and shows the game
    // window, which loads the player's level.
    void start(const SessionOptions& o = {});

    platform::Shape* region(int k, int side = 0) const; // side 0 left, 1 right
    void press(int k, int side = 0, Qt::MouseButton b = Qt::LeftButton);
    // A real click on the left picture at picture point (x, y), through
    // whatever control lies there.
    void clickPicture(int x, int y, int side = 0);
    void advance(int ms);
    QStringList sounds() const; // what the sound channel was asked, in order
};

} // namespace testsupport
