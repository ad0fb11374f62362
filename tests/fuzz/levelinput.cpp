#include "fuzz/levelinput.h"

#include "game/levelrecord.h"

#include <QImage>
#include <QPainter>
#include <QtEndian>

namespace fuzzreplay {

namespace {
constexpr int kModes = 4;

QImage scene(bool withChanges)
{
    QImage img(level::kPictureWidth, level::kPictureHeight, QImage::Format_RGB888);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, level::kPictureHeight);
    sky.setColorAt(0, QColor(80, 130, 210));
    sky.setColorAt(1, QColor(230, 200, 120));
    p.fillRect(img.rect(), sky);
    p.setBrush(QColor(40, 110, 50));
    p.drawEllipse(QRect(40, 300, 270, 140));
    if (withChanges) {
        p.setBrush(Qt::red);
        for (int k = 0; k < 5; ++k)
            p.drawEllipse(QPoint(50 + 60 * k, 80 + 70 * k), 8, 8);
    }
    return img;
}

void overwrite(QByteArray& file, qint64 at, const QByteArray& patch)
{
    if (at >= file.size())
        return;
    const qint64 n = qMin<qint64>(patch.size(), file.size() - at);
    std::copy(patch.constBegin(), patch.constBegin() + n, file.begin() + at);
}
} // namespace

const QByteArray& validLevel()
{
    static const QByteArray level = [] {
        QVector<QPoint> points;
        for (int k = 0; k < 5; ++k)
            points << QPoint(50 + 60 * k, 80 + 70 * k);
        return level::encodeLevel(scene(false), scene(true), points, QColor(255, 128, 0));
    }();
    return level;
}

LevelInput levelFromInput(const QByteArray& input)
{
    if (input.isEmpty())
        return {};
    const auto mode = LevelMode(static_cast<unsigned char>(input[0]) % kModes);
    const QByteArray rest = input.mid(1);
    LevelInput out;
    switch (mode) {
    case LevelMode::Raw:
        out.file = rest;
        break;
    case LevelMode::Picture:
        out.file = validLevel();
        overwrite(out.file, 0, rest.left(level::kPictureBytes));
        break;
    case LevelMode::Trailer:
        out.file = validLevel();
        overwrite(out.file, 2 * level::kPictureBytes, rest.left(level::kTrailerBytes));
        out.script = rest.mid(level::kTrailerBytes);
        break;
    case LevelMode::Resize: {
        const QByteArray head = rest.left(5).leftJustified(5, '\0');
        const auto* h = reinterpret_cast<const uchar*>(head.constData());
        const qint64 offset = (h[0] | h[1] << 8 | h[2] << 16) % level::kRecordBytes;
        const qint64 length = level::kRecordBytes + qFromLittleEndian<qint16>(h + 3);
        out.file = validLevel().left(length);
        out.file.resize(length, '\0');
        overwrite(out.file, offset, rest.mid(5));
        break;
    }
    }
    return out;
}

QByteArray levelInput(LevelMode mode, const QByteArray& rest)
{
    return QByteArray(1, char(mode)) + rest;
}

} // namespace fuzzreplay
