#include "syscallspy.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <atomic>
#include <mutex>

namespace syscallspy {
namespace {

std::mutex lock;
std::atomic<bool> watching{false};
QByteArray folders[2]; // as given and canonical, without a trailing slash
std::vector<Call> calls;

QByteArray canonical(const char* path)
{
    char buf[PATH_MAX];
    return ::realpath(path, buf) ? QByteArray(buf) : QByteArray(path);
}

// The path relative to the watched folder, or empty when it lies elsewhere.
QByteArray relative(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    for (const QByteArray& folder : folders) {
        if (path == folder)
            return QByteArrayLiteral(".");
        if (path.startsWith(folder + '/'))
            return path.mid(folder.size() + 1);
    }
    return {};
}

void record(const char* name, const QByteArray& path, int flags = 0, const QByteArray& to = {})
{
    std::lock_guard<std::mutex> g(lock);
    const QByteArray rel = relative(path);
    if (!rel.isEmpty())
        calls.push_back({name, rel, to.isEmpty() ? QByteArray() : relative(to), flags});
}

QByteArray pathOfFd(int fd)
{
    char link[64], buf[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, buf, sizeof buf);
    return n > 0 ? QByteArray(buf, int(n)) : QByteArray();
}

template <typename F> F real(const char* name) { return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name)); }

} // namespace

void watch(const QByteArray& f)
{
    QByteArray given = f;
    while (given.size() > 1 && given.endsWith('/'))
        given.chop(1);
    const QByteArray c = canonical(given.constData());
    std::lock_guard<std::mutex> g(lock);
    folders[0] = given;
    folders[1] = c;
    calls.clear();
    watching = true;
}

std::vector<Call> stop()
{
    std::lock_guard<std::mutex> g(lock);
    watching = false;
    return std::move(calls);
}

} // namespace syscallspy

// The wrappers. Paths are logged as given: the saves name their files by
// absolute paths, so no working folder needs resolving.
extern "C" int open(const char* path, int flags, ...)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list ap;
        va_start(ap, flags);
        mode = va_arg(ap, mode_t);
        va_end(ap);
    }
    static const auto next = syscallspy::real<int (*)(const char*, int, ...)>("open");
    const int fd = next(path, flags, mode);
    const int err = errno; // the caller reads it after a failed open
    if (syscallspy::watching)
        syscallspy::record("open", QByteArray(path), flags);
    errno = err;
    return fd;
}

extern "C" int fsync(int fd)
{
    static const auto next = syscallspy::real<int (*)(int)>("fsync");
    if (syscallspy::watching)
        syscallspy::record("fsync", syscallspy::pathOfFd(fd));
    return next(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept
{
    static const auto next = syscallspy::real<int (*)(const char*, const char*)>("rename");
    if (syscallspy::watching)
        syscallspy::record("rename", QByteArray(from), 0, QByteArray(to));
    return next(from, to);
}
