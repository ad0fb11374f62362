#include "sound/musicplayer.h"

#include "platform/ioerror.h"
#include "sound/audiodevice.h"

#include "sound/sdlmixer.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sound {

namespace {
MusicPlayer* streamOwner = nullptr;
Mix_Music* asMusic(void* p) { return static_cast<Mix_Music*>(p); }
// Only reached with a piece loaded, so the library is there.
const sdl::Api& mix() { return *sdl::api(); }

// Opens the piece without waiting on a FIFO or a device in its place: only a
// plain file reaches the mixer. A name that cannot be opened at all is left
// to the mixer, so the player sees its own words for it.
Mix_Music* loadMusic(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return mix().Mix_LoadMUS(native.constData());
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        platform::raiseIoError(EACCES);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* fp = ::fdopen(fd, "rb");
    if (!fp) {
        ::close(fd);
        return mix().Mix_LoadMUS(native.constData());
    }
    // The mixer streams from the file while the piece plays and closes it
    // when the piece is freed.
    SDL_RWops* rw = mix().SDL_RWFromFP(fp, SDL_TRUE);
    if (!rw) {
        std::fclose(fp);
        return nullptr;
    }
    return mix().Mix_LoadMUS_RW(rw, 1);
}
} // namespace

MusicPlayer::MusicPlayer(bool autoRewind)
    : autoRewind_(autoRewind), closingWatch_(audio::watchClosing([this] { letGo(); }))
{
}

MusicPlayer::~MusicPlayer()
{
    audio::unwatchClosing(closingWatch_);
    freePiece();
}

void MusicPlayer::freePiece()
{
    if (ownsStream()) {
        mix().Mix_HaltMusic();
        streamOwner = nullptr;
    }
    if (impl_)
        mix().Mix_FreeMusic(asMusic(impl_));
    impl_ = nullptr;
}

void MusicPlayer::letGo()
{
    if (!impl_)
        return;
    syncWithStream();
    position_ = streamPosition();
    freePiece();
    if (mode_ == Playing)
        mode_ = Stopped;
    detached_ = true; // still open as far as the game knows
}

bool MusicPlayer::takeUpAgain()
{
    detached_ = false;
    if (!audio::ensureOpen())
        return false;
    try {
        impl_ = loadMusic(fileName_); // no more waiting on a FIFO now than at the first opening
    } catch (const platform::RuntimeError&) {
        impl_ = nullptr;
    }
    if (!impl_) { // gone since it was opened: silence, as for a failed play
        mode_ = NotOpen;
        return false;
    }
    return true;
}

void MusicPlayer::setFileName(const QString& path) { fileName_ = path; }

void MusicPlayer::open()
{
    log << QStringLiteral("open ") + fileName_;
    freePiece();
    detached_ = false;
    mode_ = NotOpen;
    position_ = 0;
    duration_ = -1;
    if (!audio::ensureOpen())
        return; // no audio at all: stay silent rather than pester the player
    Mix_Music* music = loadMusic(fileName_);
    if (!music)
        throw platform::RuntimeError(QString::fromUtf8(mix().Mix_GetError()));
    impl_ = music;
    const double seconds = mix().Mix_MusicDuration(music);
    duration_ = seconds >= 0 ? qint64(seconds * 1000.0) : -1;
    mode_ = Stopped;
}

void MusicPlayer::setStartPositionZero()
{
    startAtZero_ = true;
    log << QStringLiteral("from 0");
}

void MusicPlayer::play()
{
    log << QStringLiteral("play");
    const bool fromZero = startAtZero_;
    startAtZero_ = false; // used once and then forgotten
    syncWithStream();
    if (mode_ == NotOpen)
        return;
    if (fromZero) {
        startStream(0);
        return;
    }
    if (mode_ == Paused && ownsStream()) {
        mix().Mix_ResumeMusic();
        mode_ = Playing;
        return;
    }
    if (mode_ == Playing)
        return; // already playing from where it is
    if (duration_ >= 0 && position_ >= duration_) {
        if (!autoRewind_)
            return; // at the end without rewind: nothing to play
        position_ = 0;
    }
    startStream(position_);
}

void MusicPlayer::stop()
{
    log << QStringLiteral("stop");
    syncWithStream();
    if (mode_ == NotOpen)
        return;
    releaseStream();
    mode_ = Stopped;
}

void MusicPlayer::pause()
{
    log << QStringLiteral("pause");
    syncWithStream();
    if (mode_ == Playing) {
        position_ = streamPosition();
        mix().Mix_PauseMusic();
        mode_ = Paused;
    } else if (mode_ == Paused) {
        if (ownsStream()) {
            mix().Mix_ResumeMusic();
            mode_ = Playing;
        } else {
            startStream(position_); // the stream went to the other player
        }
    }
}

qint64 MusicPlayer::position() const
{
    syncWithStream();
    return mode_ == Playing ? streamPosition() : position_;
}

void MusicPlayer::seek(qint64 ms)
{
    log << QStringLiteral("seek %1").arg(ms);
    syncWithStream();
    if (mode_ == NotOpen)
        return;
    // Outside the piece the audio system refuses the seek; nothing changes.
    if (ms < 0 || (duration_ >= 0 && ms > duration_))
        return;
    releaseStream();
    position_ = ms;
    mode_ = Stopped;
}

MusicPlayer::Mode MusicPlayer::mode() const
{
    syncWithStream();
    return mode_;
}

void MusicPlayer::startStream(qint64 fromMs)
{
    if (detached_ && !takeUpAgain())
        return;
    if (!impl_)
        return;
    if (streamOwner && streamOwner != this)
        streamOwner->releaseStream();
    // Starting at the position in one call: no slice of the beginning slips out.
    if (mix().Mix_FadeInMusicPos(asMusic(impl_), 1, 0, double(fromMs) / 1000.0) != 0) {
        mode_ = Stopped;
        return;
    }
    streamOwner = this;
    position_ = fromMs;
    mode_ = Playing;
}

void MusicPlayer::releaseStream()
{
    if (!ownsStream())
        return;
    position_ = streamPosition();
    mix().Mix_HaltMusic();
    streamOwner = nullptr;
    if (mode_ == Playing)
        mode_ = Stopped; // a paused piece stays paused and resumes by playing
}

bool MusicPlayer::ownsStream() const { return impl_ && streamOwner == this; }

void MusicPlayer::syncWithStream() const
{
    if (mode_ == Playing && ownsStream() && !mix().Mix_PlayingMusic()) {
        streamOwner = nullptr;
        mode_ = Stopped;
        position_ = duration_ >= 0 ? duration_ : position_;
    }
}

qint64 MusicPlayer::streamPosition() const
{
    if (!ownsStream())
        return position_;
    const double s = mix().Mix_GetMusicPosition(asMusic(impl_));
    return s >= 0 ? qint64(s * 1000.0) : position_;
}

} // namespace sound
