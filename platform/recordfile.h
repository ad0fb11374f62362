#pragma once
// Typed files of one fixed-size record, as the game stores its data: opened,
// read or written as one record, closed at once.
#include <QByteArray>
#include <QString>

namespace platform {

// Opens `path` for reading. Returns false when it cannot be opened (the
// caller tests and handles that); otherwise reads `size` bytes into `out`.
// A shorter file raises "Read beyond end of file"; a longer one is read as
// its first record.
bool readRecord(const QString& path, void* out, qint64 size);

// Creates or truncates `path` and writes one record. Failures raise the
// runtime's error. Plain write: the file may be torn by a crash mid-write.
void writeRecord(const QString& path, const void* data, qint64 size);

// The same, but through a temporary file renamed over the old one, so a
// crash or a full disk leaves the old or the new content, never a mix.
void writeRecordAtomic(const QString& path, const void* data, qint64 size);

} // namespace platform
