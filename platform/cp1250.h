#pragma once
// Names are stored as single-byte Windows-1250 characters.
#include <QByteArray>
#include <QString>

namespace platform {
QByteArray toCp1250(const QString& text);
QString fromCp1250(const QByteArray& bytes);
// True when every character of `text` has a Windows-1250 byte.
bool fitsCp1250(const QString& text);
} // namespace platform
