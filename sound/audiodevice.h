#pragma once
// The one SDL_mixer output shared by the sound channel and the music players.
// It is opened on first use, not at program start. Without a usable sound
// device SDL does not fall back by itself, so we retry with its silent
// "dummy" driver: the game then runs quietly instead of failing.
//
// An open device wakes its mixing thread for every buffer (about 43 times a
// second) even when it only mixes silence, and pausing it does not stop
// that. So a check every second looks for silence, and the second quiet
// check in a row with no sound asked for in between closes the device: one
// to two seconds after the last sound ends, depending on where it ends
// between two checks. The music players let go of their pieces and take
// them up again, at the position they had, when next asked to play.
#include <QString>
#include <functional>

struct Mix_Chunk;

namespace sound::audio {

// Opens the mixer if it is not open yet; false only when even the silent
// driver cannot be opened (then every sound request does nothing).
bool ensureOpen();
// Halts everything, frees the cached effects and closes the device; the next
// use opens it again (tests switch drivers this way; runs at exit too).
void close();
bool isOpen();
// Whether SDL_mixer has been loaded into the process yet (it is loaded on
// first use; the start window comes up without it).
bool libraryLoaded();
// The SDL driver in use ("dummy", "alsa", "disk"...), empty when closed.
QString driverName();

// The embedded recording for an effect name, looked up without regard to
// case and loaded once; nullptr when there is no such recording.
Mix_Chunk* effect(const QString& name);

// True while an effect or an unpaused piece of music is sounding.
bool audible();
// Interval of the silence check; the device closes at the second quiet one
// in a row (a sound asked for starts the count again).
constexpr int kSilenceCheckMs = 1000;
// Called just before the device closes, for silence or by close() (the music
// players register here to let go of their pieces). Returns an id for unwatch.
int watchClosing(std::function<void()> letGo);
void unwatchClosing(int id);

} // namespace sound::audio
