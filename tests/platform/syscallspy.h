#pragma once
// Records the file calls this process makes on one folder, as the C library
// receives them: the test executable defines open, fsync and rename itself,
// logs those that touch the watched folder and passes every call on. Tests
// see what a save really asks of the kernel, not what its code seems to say.
#include <QByteArray>
#include <vector>

namespace syscallspy {

struct Call {
    QByteArray name;   // "open", "fsync" or "rename"
    QByteArray path;   // relative to the watched folder; "." for the folder itself
    QByteArray to;     // rename's new name
    int flags = 0;     // open's flags
};

// Starts recording calls on `folder` and whatever lies in it.
void watch(const QByteArray& folder);
// Stops recording and hands over what was recorded, in call order.
std::vector<Call> stop();

} // namespace syscallspy
