#include "menusupport.h"

#include "menus/weblink.h"
#include "mp3.h"
#include "players/records.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace menustest {

void writeSettings(const QString& dir, bool music)
{
    players::SettingsRecord s;
    s.sound = false;
    s.music = music;
    QFile f(dir + QStringLiteral("settings.dat"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(players::encodeSettings(s));
}

void writeTitleMusic(const QString& dir)
{
    synth::Stereo pcm(22050); // half a second of a quiet A
    for (std::size_t i = 0; i < pcm.frames(); ++i)
        pcm.l[i] = pcm.r[i] = 0.1f * float(std::sin(2 * M_PI * 440.0 * double(i) / pcm.rate));
    const std::vector<std::uint8_t> mp3 = musicgen::encodeMp3(pcm, 64);
    QDir(dir).mkpath(QStringLiteral("music"));
    QFile f(dir + QStringLiteral("music/000.mp3"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(reinterpret_cast<const char*>(mp3.data()), qint64(mp3.size()));
}

UrlLog::UrlLog()
{
    menus::setUrlOpener([this](const QUrl& u) {
        opened << u;
        return canOpen;
    });
}

UrlLog::~UrlLog() { menus::setUrlOpener(nullptr); }

} // namespace menustest
