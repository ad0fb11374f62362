#pragma once
// The one SDL_mixer output shared by the sound channel and the music players.
// It is opened on first use, not at program start. Without a usable sound
// device SDL does not fall back by itself, so we retry with its silent
// "dummy" driver: the game then runs quietly instead of failing.
#include <QString>

struct Mix_Chunk;

namespace sound::audio {

// Opens the mixer if it is not open yet; false only when even the silent
// driver cannot be opened (then every sound request does nothing).
bool ensureOpen();
// Halts everything, frees the cached effects and closes the device; the next
// use opens it again (tests switch drivers this way; runs at exit too).
void close();
bool isOpen();
// The SDL driver in use ("dummy", "alsa", "disk"...), empty when closed.
QString driverName();

// The embedded recording for an effect name, looked up without regard to
// case and loaded once; nullptr when there is no such recording.
Mix_Chunk* effect(const QString& name);

} // namespace sound::audio
