#pragma once
// The one sound-effect channel. Starting a sound stops the one still playing
// and starts the new one from its beginning; playback is asynchronous.
#include <QString>
#include <QStringList>

namespace sound {

class SoundChannel {
public:
    static SoundChannel& instance();

    // `name` is one of the twelve recordings, looked up without regard to case.
    void play(const QString& name, bool loop = false);
    void stop();
    // Name of the sound in the channel ("" when idle or stopped).
    QString current() const { return current_; }

    // Every request in order ("palya_kezd", "endgame (loop)", "stop"), for tests.
    QStringList log;

private:
    SoundChannel();
    QString current_;
};

} // namespace sound
