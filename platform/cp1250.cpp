#include "platform/cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QByteArray toCp1250(const QString& text)
{
    QStringEncoder enc("windows-1250");
    return enc.encode(text);
}

QString fromCp1250(const QByteArray& bytes)
{
    QStringDecoder dec("windows-1250");
    return dec.decode(bytes);
}

bool fitsCp1250(const QString& text)
{
    QStringEncoder enc("windows-1250");
    const QByteArray bytes = enc.encode(text);
    if (enc.hasError())
        return false;
    return fromCp1250(bytes) == text; // unmappable characters come back as '?'
}

} // namespace platform
