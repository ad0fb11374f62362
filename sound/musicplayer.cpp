#include "sound/musicplayer.h"

#include "platform/ioerror.h"

#include <QFileInfo>

namespace sound {

MusicPlayer::MusicPlayer(bool autoRewind) : autoRewind_(autoRewind) {}
MusicPlayer::~MusicPlayer() = default;

void MusicPlayer::setFileName(const QString& path) { fileName_ = path; }

void MusicPlayer::open()
{
    log << QStringLiteral("open ") + fileName_;
    mode_ = NotOpen;
    position_ = 0;
    if (!QFileInfo(fileName_).isFile())
        throw platform::RuntimeError(QStringLiteral("Couldn't open '%1'").arg(fileName_));
    mode_ = Stopped;
}

void MusicPlayer::setStartPositionZero() { startAtZero_ = true; log << QStringLiteral("from 0"); }

void MusicPlayer::play()
{
    log << QStringLiteral("play");
    if (mode_ == NotOpen)
        return;
    if (startAtZero_)
        position_ = 0;
    startAtZero_ = false;
    mode_ = Playing;
}

void MusicPlayer::stop()
{
    log << QStringLiteral("stop");
    if (mode_ != NotOpen)
        mode_ = Stopped;
}

void MusicPlayer::pause()
{
    log << QStringLiteral("pause");
    if (mode_ == Playing)
        mode_ = Paused;
    else if (mode_ == Paused)
        mode_ = Playing;
}

qint64 MusicPlayer::position() const { return position_; }

void MusicPlayer::seek(qint64 ms)
{
    log << QStringLiteral("seek %1").arg(ms);
    if (mode_ == NotOpen)
        return;
    position_ = ms;
    mode_ = Stopped;
}

} // namespace sound
