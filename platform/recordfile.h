#pragma once
// Typed files of one fixed-size record, as the game stores its data: opened,
// read or written as one record, closed at once.
//
// None of them blocks on a FIFO or a device, and none writes through a link:
// anything that is not a regular file gets the runtime's error message and is
// left as it is.
#include <QByteArray>
#include <QString>

namespace platform {

// Opens `path` for reading. Returns false when no such name exists (the
// caller tests and handles that); otherwise reads `size` bytes into `out`.
// A shorter file raises "Read beyond end of file"; a longer one is read as
// its first record. A link to a regular file is read through (content may be
// linked in by a packager); a dangling link, a FIFO, a socket, a device or a
// folder raises, so callers never mistake it for a missing file.
bool readRecord(const QString& path, void* out, qint64 size);

// Writes one record over `path` in place, then cuts the file to the record's
// size. Failures raise the runtime's error. A link is never written through:
// a symbolic link raises, a name hard-linked elsewhere is replaced by a file
// of its own. Not crash-safe: for scratch files only.
void writeRecord(const QString& path, const void* data, qint64 size);

// The same, crash-safe and durable: a temporary file of a unique name in the
// same folder, synced, renamed over the old file, and the folder synced, so a
// crash, a power cut, a full disk or a second writer leaves the old or the
// new content whole. The old file's permissions are kept. A symbolic link in
// the file's place (dangling or not) raises and is left alone; a hard link is
// replaced by a file of its own, the other name keeping the old content.
void writeRecordAtomic(const QString& path, const void* data, qint64 size);

// The prefix of every temporary file writeRecordAtomic makes for `path`.
QString atomicTempPrefix(const QString& path);

} // namespace platform
