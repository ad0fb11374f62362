#include "sound/sdlmixer.h"

#include <dlfcn.h>

namespace sound::sdl {

namespace {
bool tried = false;
bool ok = false;
Api table;

bool load()
{
    // The versioned name: the development symlink is not installed for players.
    void* lib = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        return false;
    // SDL's own functions come from SDL_mixer's dependency; dlsym on the
    // handle searches it too.
#define KOVRA_SDL_RESOLVE(name)                                                                                \
    table.name = reinterpret_cast<decltype(table.name)>(dlsym(lib, #name));                                   \
    if (!table.name)                                                                                           \
        return false;
    KOVRA_SDL_FUNCTIONS(KOVRA_SDL_RESOLVE)
#undef KOVRA_SDL_RESOLVE
    return true; // the library stays loaded until the program ends
}
} // namespace

const Api* api()
{
    if (!tried) {
        tried = true;
        ok = load();
    }
    return ok ? &table : nullptr;
}

bool loaded() { return tried && ok; }

} // namespace sound::sdl
