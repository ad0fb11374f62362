#pragma once
// One game per writable folder: two games writing the same roster would each
// save their own copy over the other's, losing players.
#include <QString>
#include <memory>

class QLockFile;

namespace platform {

class GameLock {
public:
    enum Result {
        Acquired,      // this game may write the folder
        HeldByAnother, // another running game writes it: this one must end
        Unavailable,   // the folder takes no lock file (read-only): nothing
                       // can be written there anyway, so play goes on
    };
    explicit GameLock(const QString& folder);
    ~GameLock();
    // Takes the lock; a lock left by a game that crashed is taken over.
    Result acquire();

private:
    std::unique_ptr<QLockFile> file_;
};

// The text the second game shows before it ends.
QString alreadyRunningText();

} // namespace platform
