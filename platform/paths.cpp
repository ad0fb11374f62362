#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace platform {

namespace {
QString& exeDirOverride()
{
    static QString d;
    return d;
}
} // namespace

QString exeDir()
{
    if (!exeDirOverride().isEmpty())
        return exeDirOverride();
    static const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return dir;
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
