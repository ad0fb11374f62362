#pragma once
// Helpers of the flow tests: the player window driven as a player drives it,
// and players.dat read at its byte offsets.
#include <QByteArray>
#include <QString>

class QWidget;

namespace flows {

// Types text key by key, letters beyond ASCII included.
void type(QWidget* w, const QString& text);
// In the shown player window: adds `name` when it is not empty, then clicks
// entry `row` and presses "OK".
void addAndChoose(const QString& name, int row = 0);
// The whole file, or empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// One slot of a players.dat image, read at its offsets (k = 1..10).
struct Slot {
    QByteArray name;
    int level = 0, helps = 0, bank = 0, totalSeconds = 0, levelSeconds = 0, attempts = 0;
};
Slot slotOf(const QByteArray& roster, int k);

} // namespace flows
