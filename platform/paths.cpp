#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

QString contentFile(const QString& relative) { return gameFile(relative); }

QString levelFile(int n)
{
    return contentFile(QStringLiteral("DATA/%1.DAT").arg(n, 3, 10, QLatin1Char('0')));
}

QString writeDir() { return exeDir(); }

QString writeFile(const QString& name) { return writeDir() + name; }

} // namespace platform
