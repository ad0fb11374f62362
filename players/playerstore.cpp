#include "players/playerstore.h"

#include "platform/ioerror.h"
#include "platform/paths.h"
#include "platform/recordfile.h"

#include <QFileInfo>

#include <cerrno>

namespace players {

PlayerStore::PlayerStore(QObject* parent) : QObject(parent) {}

QString PlayerStore::file() const { return file_.isEmpty() ? platform::writeFile(QStringLiteral("players.dat")) : file_; }

void PlayerStore::read()
{
    const QString path = file();
    char bytes[kRosterBytes];
    roster = RosterRecord();
    selectedPlayer = 0;
    readable_ = true;
    bool opened = false;
    try {
        opened = platform::readRecord(path, bytes, sizeof bytes);
    } catch (const platform::RuntimeError&) {
        // A file too short to hold the roster is damaged beyond use, and the
        // next save replaces it; anything else (a read error, a folder in its
        // place) may pass, so the file is left alone.
        const QFileInfo info(path);
        readable_ = info.isFile() && info.size() < kRosterBytes;
        emit changed();
        throw;
    }
    if (opened) {
        roster = decodeRoster(bytes);
        emit changed();
        return;
    }
    const int err = errno;
    if (QFileInfo::exists(path)) {
        // Only a missing roster is created anew: one we may not read is not
        // overwritten with an empty one.
        readable_ = false;
        emit changed();
        platform::raiseIoError(err != 0 && err != ENOENT ? err : EACCES);
    }
    emit changed();
    write();
}

void PlayerStore::write()
{
    const QByteArray bytes = encodeRoster(roster);
    platform::writeRecordAtomic(file(), bytes.constData(), bytes.size());
}

void PlayerStore::replace(const RosterRecord& changedRoster)
{
    // The list never shows, and no later save writes, a change the file lacks.
    const RosterRecord previous = roster;
    roster = changedRoster;
    try {
        write();
    } catch (...) {
        roster = previous;
        throw;
    }
    emit changed();
}

void PlayerStore::select(int k)
{
    selectedPlayer = quint8(k >= 1 && k <= roster.playerCount ? k : 0);
    emit changed();
}

PlayerRecord& PlayerStore::currentPlayer()
{
    if (selectedPlayer >= 1 && selectedPlayer <= roster.playerCount)
        return roster.slot(selectedPlayer);
    nobody_ = PlayerRecord();
    return nobody_;
}

} // namespace players
