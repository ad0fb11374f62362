#include "sound/audiodevice.h"

#include "platform/timer.h"
#include "sound/sdlmixer.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>

#include <cstdlib>

// Outside any namespace, as Qt requires: registers the embedded recordings,
// and names their object so the linker keeps it.
static void registerRecordings() { Q_INIT_RESOURCE(sounds); }

namespace sound::audio {

namespace {

bool opened = false;
bool unavailable = false;
bool exitHookSet = false;
QHash<QString, Mix_Chunk*> chunks; // lower-case name -> loaded recording
QMap<int, std::function<void()>> closingWatchers;
int nextWatcherId = 1;
int quietChecks = 0;

constexpr int kRate = 44100;
constexpr int kChunkFrames = 1024; // about 23 ms between a request and the sound
constexpr int kMusicVolume = 96;   // of 128: the music sits under the effects

bool tryOpen(const sdl::Api& mix)
{
    if (mix.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (mix.Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
        mix.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

QString resourceFor(const QString& name)
{
    registerRecordings();
    const QString wanted = name + QStringLiteral(".wav");
    const QDir dir(QStringLiteral(":/sounds"));
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

void checkSilence();

platform::Timer& silenceCheck()
{
    // Never deleted: it must outlive every window and the exit hook.
    static platform::Timer* t = [] {
        auto* timer = new platform::Timer(nullptr, kSilenceCheckMs);
        timer->onTimer = checkSilence;
        return timer;
    }();
    return *t;
}

void checkSilence()
{
    if (!opened || audible()) {
        quietChecks = 0;
        return;
    }
    if (++quietChecks >= 2)
        close();
}

} // namespace

bool ensureOpen()
{
    if (opened) {
        quietChecks = 0; // a new sound: the quiet time starts again after it
        return true;
    }
    if (unavailable)
        return false;
    const sdl::Api* mix = sdl::api();
    if (!mix) {
        unavailable = true;
        return false;
    }
    // Otherwise SDL turns SIGINT and SIGTERM into events nobody reads, and
    // the game no longer ends when asked to.
    mix->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    mix->Mix_Init(MIX_INIT_MP3);
    if (!tryOpen(*mix)) {
        mix->SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!tryOpen(*mix)) {
            unavailable = true;
            return false;
        }
    }
    mix->Mix_AllocateChannels(1);
    mix->Mix_VolumeMusic(kMusicVolume);
    opened = true;
    quietChecks = 0;
    silenceCheck().setEnabled(true);
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
    const auto watchers = closingWatchers; // a watcher may unwatch
    for (const auto& letGo : watchers)
        letGo();
    const sdl::Api* mix = sdl::api();
    mix->Mix_HaltChannel(-1);
    mix->Mix_HaltMusic();
    for (Mix_Chunk* c : std::as_const(chunks))
        if (c)
            mix->Mix_FreeChunk(c);
    chunks.clear();
    mix->Mix_CloseAudio();
    mix->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    opened = false;
    unavailable = false;
    silenceCheck().setEnabled(false);
}

bool isOpen() { return opened; }

bool libraryLoaded() { return sdl::loaded(); }

QString driverName()
{
    if (!opened)
        return {};
    const char* d = sdl::api()->SDL_GetCurrentAudioDriver();
    return d ? QString::fromUtf8(d) : QString();
}

Mix_Chunk* effect(const QString& name)
{
    const QString key = name.toLower();
    const auto it = chunks.constFind(key);
    if (it != chunks.constEnd())
        return *it;
    const sdl::Api* mix = sdl::api();
    Mix_Chunk* chunk = nullptr;
    const QString path = resourceFor(key);
    QFile f(path);
    if (mix && !path.isEmpty() && f.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = f.readAll();
        chunk = mix->Mix_LoadWAV_RW(mix->SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
    }
    chunks.insert(key, chunk);
    return chunk;
}

bool audible()
{
    if (!opened)
        return false;
    const sdl::Api* mix = sdl::api();
    return mix->Mix_Playing(-1) > 0 || (mix->Mix_PlayingMusic() && !mix->Mix_PausedMusic());
}

int watchClosing(std::function<void()> letGo)
{
    const int id = nextWatcherId++;
    closingWatchers.insert(id, std::move(letGo));
    return id;
}

void unwatchClosing(int id) { closingWatchers.remove(id); }

} // namespace sound::audio
