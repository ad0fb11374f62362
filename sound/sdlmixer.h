#pragma once
// SDL_mixer, loaded when the first sound or piece of music is asked for.
//
// SDL and SDL_mixer bring some forty shared libraries with them (sound
// servers, synthesisers, codecs); linked into the program they were all
// loaded and relocated before the start window could appear. Loaded here
// they cost nothing until the title music starts, after the window is up.
// The headers give the types; the calls go through the table below, whose
// members carry the library's own names, so SDL_mixer's macros (Mix_GetError)
// work on it unchanged.
#include <SDL.h>
#include <SDL_mixer.h>

#define KOVRA_SDL_FUNCTIONS(X)                                                                                 \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_setenv) X(SDL_SetHint) X(SDL_GetCurrentAudioDriver)        \
    X(SDL_GetError) X(SDL_RWFromConstMem) X(SDL_RWFromFP) X(Mix_LoadMUS_RW)                                                                      \
    X(Mix_Init) X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_AllocateChannels) X(Mix_VolumeMusic)                  \
    X(Mix_LoadWAV_RW) X(Mix_FreeChunk) X(Mix_PlayChannel) X(Mix_HaltChannel) X(Mix_Playing)               \
    X(Mix_LoadMUS) X(Mix_FreeMusic) X(Mix_MusicDuration) X(Mix_FadeInMusicPos) X(Mix_HaltMusic)                \
    X(Mix_PauseMusic) X(Mix_ResumeMusic) X(Mix_PausedMusic) X(Mix_PlayingMusic) X(Mix_GetMusicPosition)

namespace sound::sdl {

struct Api {
#define KOVRA_SDL_MEMBER(name) decltype(&::name) name = nullptr;
    KOVRA_SDL_FUNCTIONS(KOVRA_SDL_MEMBER)
#undef KOVRA_SDL_MEMBER
};

// The versioned name: the development symlink is not installed for players.
// The package's Depends must name the package that ships it (a test checks).
inline constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";

// The loaded library, or nullptr when it (or one of its functions) is
// missing: the game then plays silently, as without a sound device, having
// said why once on stderr.
const Api* api();
// Whether the library has been loaded in this process.
bool loaded();
// Tests: the next api() loads this name instead (one that is not there).
void setLibraryNameForTesting(const char* name);

} // namespace sound::sdl
