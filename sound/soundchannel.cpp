#include "sound/soundchannel.h"

#include "sound/audiodevice.h"

#include "sound/sdlmixer.h"

namespace sound {

namespace {
constexpr int kChannel = 0; // the mixer has exactly this one channel
}

SoundChannel& SoundChannel::instance()
{
    static SoundChannel channel;
    return channel;
}

SoundChannel::SoundChannel() = default;

void SoundChannel::play(const QString& name, bool loop)
{
    current_ = name.toLower();
    log << (loop ? current_ + QStringLiteral(" (loop)") : current_);
    if (!audio::ensureOpen())
        return;
    // Starting on a busy channel cuts its sound off where it is.
    if (Mix_Chunk* chunk = audio::effect(current_))
        sdl::api()->Mix_PlayChannel(kChannel, chunk, loop ? -1 : 0);
    else
        sdl::api()->Mix_HaltChannel(kChannel);
}

void SoundChannel::stop()
{
    current_.clear();
    log << QStringLiteral("stop");
    if (audio::isOpen())
        sdl::api()->Mix_HaltChannel(kChannel);
}

} // namespace sound
