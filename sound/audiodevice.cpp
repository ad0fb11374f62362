#include "sound/audiodevice.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

namespace sound::audio {

namespace {

bool opened = false;
bool unavailable = false;
bool exitHookSet = false;
QHash<QString, Mix_Chunk*> chunks; // lower-case name -> loaded recording

constexpr int kRate = 44100;
constexpr int kChunkFrames = 1024; // about 23 ms between a request and the sound
constexpr int kMusicVolume = 96;   // of 128: the music sits under the effects

bool tryOpen()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); // the game ends itself on SIGINT and SIGTERM
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

QString resourceFor(const QString& name)
{
    const QString wanted = name + QStringLiteral(".wav");
    const QDir dir(QStringLiteral(":/sounds"));
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

} // namespace

bool ensureOpen()
{
    if (opened)
        return true;
    if (unavailable)
        return false;
    Mix_Init(MIX_INIT_MP3);
    if (!tryOpen()) {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!tryOpen()) {
            unavailable = true;
            return false;
        }
    }
    Mix_AllocateChannels(1);
    Mix_VolumeMusic(kMusicVolume);
    opened = true;
    if (!exitHookSet) {
        exitHookSet = true;
        std::atexit(close);
    }
    return true;
}

void close()
{
    if (!opened)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Mix_Chunk* c : std::as_const(chunks))
        if (c)
            Mix_FreeChunk(c);
    chunks.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    opened = false;
    unavailable = false;
}

bool isOpen() { return opened; }

QString driverName()
{
    if (!opened)
        return {};
    const char* d = SDL_GetCurrentAudioDriver();
    return d ? QString::fromUtf8(d) : QString();
}

Mix_Chunk* effect(const QString& name)
{
    const QString key = name.toLower();
    const auto it = chunks.constFind(key);
    if (it != chunks.constEnd())
        return *it;
    Mix_Chunk* chunk = nullptr;
    const QString path = resourceFor(key);
    QFile f(path);
    if (!path.isEmpty() && f.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = f.readAll();
        chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
    }
    chunks.insert(key, chunk);
    return chunk;
}

} // namespace sound::audio
