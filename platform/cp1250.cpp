#include "platform/cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <optional>

namespace platform {

QByteArray toCp1250(const QString& text)
{
    QStringEncoder enc("windows-1250");
    return enc.encode(text);
}

namespace {
// Every byte as the converter decodes it alone; empty when some byte does not
// come back as exactly one character (then the converter decodes each text).
std::optional<std::array<char16_t, 256>> byteTable()
{
    std::array<char16_t, 256> table{};
    QStringDecoder dec("windows-1250");
    for (int b = 0; b < 256; ++b) {
        const QString one = dec.decode(QByteArray(1, char(b)));
        if (one.size() != 1)
            return std::nullopt;
        table[size_t(b)] = one.at(0).unicode();
    }
    return table;
}
} // namespace

QString fromCp1250(const QByteArray& bytes)
{
    // Names are decoded for every level's caption: opening the converter
    // each time cost more than the rest of the caption.
    static const std::optional<std::array<char16_t, 256>> table = byteTable();
    if (!table) {
        QStringDecoder dec("windows-1250");
        return dec.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = (*table)[quint8(bytes[i])];
    return text;
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
