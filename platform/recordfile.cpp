#include "platform/recordfile.h"

#include "platform/ioerror.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

// Closes on every way out of a scope, keeping errno as it was.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0) {
            const int saved = errno;
            ::close(fd);
            errno = saved;
        }
    }
    int release()
    {
        const int f = fd;
        fd = -1;
        return f;
    }
};

// Every file the game uses is a plain file; anything else (a folder, a FIFO,
// a device, a socket) is refused as the runtime refuses a folder.
void requireRegular(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        raiseIoError(errno);
    if (!S_ISREG(st.st_mode))
        raiseIoError(EACCES);
}

// An open for writing refused because of what stands at the name: a link we
// do not follow, a FIFO nobody reads, a socket. Reported like a folder there.
[[noreturn]] void raiseOpenForWriteError(const QByteArray& native, int err)
{
    struct stat st;
    if (::lstat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        raiseIoError(EACCES);
    raiseIoError(err);
}

QByteArray folderOf(const QByteArray& native)
{
    const int slash = native.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : native.left(slash + 1);
}

// A crash mid-save leaves its temporary file behind. Ours are gone within a
// second, so one older than a minute is such a leftover (or the fixed name
// earlier versions used); another writer's fresh one is never touched.
void removeOldTemporaries(const QByteArray& native)
{
    const QByteArray folder = folderOf(native);
    const QByteArray prefix = native.mid(native.lastIndexOf('/') + 1) + ".tmp";
    DIR* d = ::opendir(folder.constData());
    if (!d)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const QByteArray name(e->d_name);
        if (!name.startsWith(prefix))
            continue;
        const QByteArray rest = name.mid(prefix.size());
        if (!rest.isEmpty() && !(rest.size() == 9 && rest.startsWith('.')))
            continue; // not a name we make
        struct stat st;
        if (::fstatat(dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if ((S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)) && now - st.st_mtime > 60)
            ::unlinkat(dirfd(d), e->d_name, 0); // a link goes, its target stays
    }
    ::closedir(d);
}

// The folder entry of a rename reaches the disk only when the folder is
// synced. Best effort: some file systems cannot sync a folder, and the new
// content is in place either way.
void syncFolder(const QByteArray& native)
{
    const int dfd = ::open(folderOf(native).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0)
        return;
    ::fsync(dfd);
    ::close(dfd);
}
} // namespace

QString atomicTempPrefix(const QString& path) { return path + QStringLiteral(".tmp."); }

bool readRecord(const QString& path, void* out, qint64 size)
{
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    Fd f{::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (f.fd < 0) {
        const int err = errno;
        struct stat st;
        // A dangling link names something that is not there (an unmounted
        // drive): it is no missing file to be created anew.
        if (err == ENOENT && ::lstat(native.constData(), &st) == 0)
            raiseIoError(ENOENT);
        errno = err;
        return false;
    }
    requireRegular(f.fd);
    const qint64 got = readAll(f.fd, static_cast<char*>(out), size);
    const int readErr = errno;
    if (got < 0)
        raiseIoError(readErr == EISDIR ? EACCES : readErr);
    if (got < size)
        raiseReadBeyondEof();
    return true;
}

void writeRecord(const QString& path, const void* data, qint64 size)
{
    const QByteArray native = QFile::encodeName(path);
    // No O_TRUNC: the same-sized picture is written over in place and the
    // file cut to size afterwards, which spares the file system freeing and
    // allocating every block at each level.
    constexpr int kFlags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    Fd f{::open(native.constData(), kFlags, 0644)};
    if (f.fd < 0)
        raiseOpenForWriteError(native, errno);
    struct stat st;
    if (::fstat(f.fd, &st) != 0)
        raiseIoError(errno);
    if (!S_ISREG(st.st_mode))
        raiseIoError(EACCES);
    if (st.st_nlink > 1) {
        // Another name shares this file, perhaps outside the game's folder:
        // writing in place would change it too. This name gets its own file.
        ::close(f.release());
        if (::unlink(native.constData()) != 0)
            raiseIoError(errno);
        f.fd = ::open(native.constData(), kFlags | O_EXCL, 0644);
        if (f.fd < 0)
            raiseOpenForWriteError(native, errno);
    }
    writeAll(f.fd, static_cast<const char*>(data), size);
    if (::ftruncate(f.fd, size) != 0)
        raiseIoError(errno);
    if (::close(f.release()) != 0)
        raiseIoError(errno);
}

void writeRecordAtomic(const QString& path, const void* data, qint64 size)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat old;
    bool hadFile = false;
    if (::lstat(native.constData(), &old) == 0) {
        // A link is not replaced: the player put it there (or someone did),
        // and a dangling one may be a drive not mounted yet. A folder, FIFO
        // or device there is no roster either.
        if (!S_ISREG(old.st_mode))
            raiseIoError(EACCES);
        hadFile = true;
    } else if (errno != ENOENT) {
        raiseIoError(errno);
    }

    // A unique name, created exclusively: two writers never share a
    // temporary file, and a link planted under such a name is never opened.
    const QByteArray prefix = QFile::encodeName(atomicTempPrefix(path));
    QByteArray tmp;
    Fd f;
    for (int attempt = 0; f.fd < 0; ++attempt) {
        tmp = prefix + QByteArray::number(QRandomGenerator::system()->generate() | 0x10000000u, 16);
        f.fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
        if (f.fd < 0 && (errno != EEXIST || attempt >= 100))
            raiseIoError(errno);
    }
    try {
        // The roster keeps the permissions its owner gave it (0600 stays 0600).
        if (hadFile && ::fchmod(f.fd, old.st_mode & 07777) != 0)
            raiseIoError(errno);
        writeAll(f.fd, static_cast<const char*>(data), size);
        if (::fsync(f.fd) != 0)
            raiseIoError(errno);
        if (::close(f.release()) != 0)
            raiseIoError(errno);
        if (::rename(tmp.constData(), native.constData()) != 0)
            raiseIoError(errno);
    } catch (...) {
        ::unlink(tmp.constData());
        throw;
    }
    syncFolder(native);
    removeOldTemporaries(native);
}

} // namespace platform
