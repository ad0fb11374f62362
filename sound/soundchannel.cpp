#include "sound/soundchannel.h"

namespace sound {

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
}

void SoundChannel::stop()
{
    current_.clear();
    log << QStringLiteral("stop");
}

} // namespace sound
