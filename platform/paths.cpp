#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
QString& exeDirOverride()
{
    static QString d;
    return d;
}
QString& locatedDir()
{
    static QString d;
    return d;
}

// Opens a folder one component at a time, so no length limit applies to the
// whole name. Relative names start at the current directory. -1 on failure.
int openFolder(const QByteArray& path)
{
    int fd = ::open(path.startsWith('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (const QByteArray& part : path.split('/')) {
        if (fd < 0 || part.isEmpty())
            continue;
        const int next = ::openat(fd, part.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
    }
    return fd;
}

// The folder as the rest of the game names files in it, ending in '/'. Plain
// when its bytes are UTF-8 text with room for a file name after them within
// PATH_MAX; otherwise held open for the life of the process and named as
// /proc/<pid>/fd/<n>/, which is short, plain ASCII and reaches the same
// folder for this process and the programs it starts (a browser).
QString usableFolder(const QByteArray& folder)
{
    const QString text = QFile::decodeName(folder);
    if (!folder.isEmpty() && QFile::encodeName(text) == folder && folder.size() + NAME_MAX + 2 < PATH_MAX)
        return text.endsWith(QLatin1Char('/')) ? text : text + QLatin1Char('/');
    const int fd = openFolder(folder);
    if (fd < 0)
        return {};
    return QStringLiteral("/proc/%1/fd/%2/").arg(::getpid()).arg(fd);
}

QByteArray folderPart(const QByteArray& file)
{
    const int slash = file.lastIndexOf('/');
    if (slash < 0)
        return QByteArray(".");
    return slash == 0 ? QByteArray("/") : file.left(slash);
}

// The executable's own name as the kernel gives it, any bytes, any length up
// to the kernel's limit; empty when it cannot.
QByteArray procSelfExe()
{
    for (qsizetype size = 256; size <= (1 << 20); size *= 2) {
        QByteArray buf(size, Qt::Uninitialized);
        const ssize_t n = ::readlink("/proc/self/exe", buf.data(), size_t(size));
        if (n < 0)
            return {};
        if (n < size) {
            buf.truncate(n);
            return buf;
        }
    }
    return {};
}

// The folder of `argv0`, provided the file there is the running executable.
QString folderFromArgv0(const char* argv0)
{
    if (!argv0 || !std::strchr(argv0, '/'))
        return {};
    const QByteArray path(argv0);
    const int fd = openFolder(folderPart(path));
    if (fd < 0)
        return {};
    struct stat named, running;
    const bool same = ::fstatat(fd, path.mid(path.lastIndexOf('/') + 1).constData(), &named, 0) == 0
                      && ::stat("/proc/self/exe", &running) == 0 && named.st_dev == running.st_dev
                      && named.st_ino == running.st_ino;
    if (!same) {
        ::close(fd);
        return {};
    }
    return QStringLiteral("/proc/%1/fd/%2/").arg(::getpid()).arg(fd);
}
} // namespace

bool locateExeDir(const char* argv0)
{
    QString dir;
    const QByteArray self = procSelfExe();
    if (self.startsWith('/'))
        dir = usableFolder(folderPart(self));
    if (dir.isEmpty())
        dir = folderFromArgv0(argv0);
    locatedDir() = dir;
    return !dir.isEmpty();
}

QString exeDir()
{
    if (!exeDirOverride().isEmpty())
        return exeDirOverride();
    if (locatedDir().isEmpty())
        locateExeDir(nullptr);
    return locatedDir();
}

void setExeDir(const QString& dir)
{
    exeDirOverride() = dir.isEmpty() || dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString resolveCaseInsensitive(const QString& dir, const QString& relative)
{
    const QString plain = dir + relative;
    if (QFileInfo::exists(plain))
        return plain;
    QString current = dir;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString match;
        if (QFileInfo::exists(current + part)) {
            match = part;
        } else {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    match = e;
                    break;
                }
        }
        if (match.isEmpty())
            return plain;
        current += match;
        if (i + 1 < parts.size())
            current += QLatin1Char('/');
    }
    return current;
}

QString gameFile(const QString& relative) { return resolveCaseInsensitive(exeDir(), relative); }

namespace {
bool writable(const QString& dir) { return ::access(QFile::encodeName(dir).constData(), W_OK) == 0; }

bool holdsLevels(const QString& dir) { return QFileInfo(resolveCaseInsensitive(dir, QStringLiteral("DATA"))).isDir(); }

QString withSlash(const QString& dir) { return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'); }

// Creates the missing folders of `dir` for the owner only, as the XDG rules
// ask; an existing folder keeps its permissions.
void makeOwnFolder(const QString& dir)
{
    if (QFileInfo(dir).isDir())
        return;
    QString current = dir.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (const QString& part : dir.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        current += part + QLatin1Char('/');
        if (!QFileInfo(current).exists() && !QDir().mkdir(current, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return; // reported when the first file cannot be written there
    }
}
} // namespace

bool portable() { return holdsLevels(exeDir()) && writable(exeDir()); }

QString contentDir()
{
    if (holdsLevels(exeDir()))
        return exeDir();
    return withSlash(QDir::cleanPath(exeDir() + QStringLiteral("../share/kovra2")));
}

QString contentFile(const QString& relative) { return resolveCaseInsensitive(contentDir(), relative); }

QString levelFile(int n)
{
    const QString relative = QStringLiteral("DATA/%1.DAT").arg(n, 3, 10, QLatin1Char('0'));
    // Looking for the player's own level creates no folder.
    const QString own = resolveCaseInsensitive(portable() ? exeDir() : playerDir(), relative);
    return QFileInfo::exists(own) ? own : contentFile(relative);
}

QString ownLevelsDir()
{
    return (portable() ? exeDir() : playerDir()) + QStringLiteral("SAJAT/");
}

QString playerDir()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!base.startsWith(QLatin1Char('/')))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return withSlash(QDir::cleanPath(base + QStringLiteral("/kovra2")));
}

QString writeDir()
{
    if (portable())
        return exeDir();
    const QString dir = playerDir();
    makeOwnFolder(dir);
    return dir;
}

QString writeFile(const QString& name) { return writeDir() + name; }

QString unwritableWriteDir()
{
    const QString dir = writeDir();
    return QFileInfo(dir).isDir() && writable(dir) ? QString() : dir;
}

} // namespace platform
