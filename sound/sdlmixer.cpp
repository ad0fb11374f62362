#include "sound/sdlmixer.h"

#include <cerrno>
#include <cstdio>
#include <dlfcn.h>

namespace sound::sdl {

namespace {
bool tried = false;
bool ok = false;
const char* libraryName = kLibraryName;
Api table;

// Said once, on stderr: a player without the library hears nothing and
// otherwise has no way to learn why.
void reportMissing(const char* why)
{
    std::fprintf(stderr,
                 "%s: a hangkönyvtár nem tölthető be (%s), ezért a játék hang és zene nélkül megy tovább. "
                 "Debianon a libsdl2-mixer-2.0-0 csomag hozza.\n",
                 program_invocation_short_name, why ? why : libraryName);
}

bool load()
{
    void* lib = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        reportMissing(dlerror());
        return false;
    }
    // SDL's own functions come from SDL_mixer's dependency; dlsym on the
    // handle searches it too.
#define KOVRA_SDL_RESOLVE(name)                                                                                \
    table.name = reinterpret_cast<decltype(table.name)>(dlsym(lib, #name));                                   \
    if (!table.name) {                                                                                         \
        reportMissing(dlerror());                                                                              \
        return false;                                                                                          \
    }
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

void setLibraryNameForTesting(const char* name)
{
    libraryName = name;
    tried = false;
    ok = false;
}

} // namespace sound::sdl
