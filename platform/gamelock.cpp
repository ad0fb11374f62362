#include "platform/gamelock.h"

#include <QLockFile>

namespace platform {

GameLock::GameLock(const QString& folder) : file_(std::make_unique<QLockFile>(folder + QStringLiteral("kovra2.lock")))
{
    // A game runs for hours: only a lock whose process is gone is stale,
    // never one that is merely old.
    file_->setStaleLockTime(0);
}

GameLock::~GameLock() = default;

GameLock::Result GameLock::acquire()
{
    if (file_->tryLock(0))
        return Acquired;
    return file_->error() == QLockFile::LockFailedError ? HeldByAnother : Unavailable;
}

QString alreadyRunningText() { return QString::fromUtf8("A Kovra 2 már fut."); }

} // namespace platform
