#include "platform/recordfile.h"

#include "platform/ioerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {
// Reads fully or reports how far it got; errno is kept for the caller.
qint64 readAll(int fd, char* buf, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buf + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

void writeAll(int fd, const char* buf, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, buf + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseIoError(errno);
        }
        if (n == 0)
            raiseIoError(ENOSPC);
        done += n;
    }
}
} // namespace

bool readRecord(const QString& path, void* out, qint64 size)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const qint64 got = readAll(fd, static_cast<char*>(out), size);
    const int readErr = errno;
    ::close(fd);
    if (got < 0)
        raiseIoError(readErr == EISDIR ? EACCES : readErr);
    if (got < size)
        raiseReadBeyondEof();
    return true;
}

void writeRecord(const QString& path, const void* data, qint64 size)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        raiseIoError(errno);
    try {
        writeAll(fd, static_cast<const char*>(data), size);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        raiseIoError(errno);
}

void writeRecordAtomic(const QString& path, const void* data, qint64 size)
{
    // A folder standing where the file should be cannot be replaced.
    if (QFileInfo(path).isDir())
        raiseIoError(EACCES);
    const QByteArray native = QFile::encodeName(path);
    const QByteArray tmp = native + ".tmp";
    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        raiseIoError(errno);
    try {
        writeAll(fd, static_cast<const char*>(data), size);
        if (::fsync(fd) != 0)
            raiseIoError(errno);
    } catch (...) {
        ::close(fd);
        ::unlink(tmp.constData());
        throw;
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.constData());
        raiseIoError(err);
    }
    if (::rename(tmp.constData(), native.constData()) != 0) {
        const int err = errno;
        ::unlink(tmp.constData());
        raiseIoError(err);
    }
}

} // namespace platform
