#include "platform/ioerror.h"


#include <cerrno>
#include <cstdio>

namespace platform {

RuntimeError::RuntimeError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString ioErrorMessage(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("File not found");
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(err);
    }
}

void raiseIoError(int err) { throw RuntimeError(ioErrorMessage(err)); }
void raiseReadBeyondEof() { throw RuntimeError(QStringLiteral("Read beyond end of file")); }

QString errorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

namespace {
void toStderr(const QString& text) { std::fprintf(stderr, "Kovra 2: %s\n", text.toLocal8Bit().constData()); }
ErrorReporter reporter = toStderr;
} // namespace

void setErrorReporter(ErrorReporter show) { reporter = show ? show : toStderr; }

void reportError(const QString& message) { reporter(errorReportText(message)); }

void guard(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& e) {
        reportError(e.message());
    }
}

} // namespace platform
