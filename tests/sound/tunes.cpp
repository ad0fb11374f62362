#include "tunes.h"

#include "mp3.h"
#include "synth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace soundtest {

QByteArray tuneMp3(double seconds)
{
    synth::Stereo pcm(std::size_t(seconds * 32000), 32000);
    // A note every quarter second, so every part of the tune is audible.
    for (int i = 0; i * 0.25 < seconds; ++i) {
        synth::Note n;
        n.start = i * 0.25;
        n.length = 0.2;
        n.midi = 60 + (i * 5) % 12;
        n.gain = 0.3f;
        synth::addNote(pcm, n);
    }
    const auto mp3 = musicgen::encodeMp3(pcm, 64);
    return QByteArray(reinterpret_cast<const char*>(mp3.data()), qsizetype(mp3.size()));
}

bool writeTune(const QString& path, double seconds)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(tuneMp3(seconds)) > 0;
}

} // namespace soundtest
