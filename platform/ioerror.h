#pragma once
// The runtime's I/O errors and the application's standard error report.
#include <QString>
#include <functional>
#include <stdexcept>

namespace platform {

// An error that stops the handler it happened in; the event loop goes on.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& message);
    QString message() const { return QString::fromUtf8(what()); }
};

// "Read beyond end of file", "Disk full", "File access denied",
// "File not found" or "I/O error %d", chosen from an errno value.
QString ioErrorMessage(int err);
[[noreturn]] void raiseIoError(int err);
[[noreturn]] void raiseReadBeyondEof();

// Text of the error box: the message with a full stop added when its last
// character sorts after the full stop.
QString errorReportText(const QString& message);
// Shows the report: the windows' modal box titled "Kovra 2" with the error
// icon once they exist (platform/modal.cpp sets it), stderr before.
void reportError(const QString& message);
using ErrorReporter = void (*)(const QString& text);
void setErrorReporter(ErrorReporter show);

// Runs one event handler; a RuntimeError it raises is reported and stops it.
void guard(const std::function<void()>& handler);

} // namespace platform
