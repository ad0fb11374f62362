#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl+C, kill, logout) become a call on the
// event loop, where the game can close as the player would close it. A signal
// handler itself may only write to a pipe; the loop reads the other end.
#include <functional>

namespace platform {

// Installs the handlers. Call it first in main: a signal arriving before the
// event loop runs waits in the pipe instead of killing the game mid-start.
void installQuitSignals();

// The program's end has begun (a quit signal, or everything closed at once):
// windows closing now save and clean up but show, play and read nothing more.
void beginShutdown();
bool shuttingDown();

// Runs `handler` on the event loop for each signal caught (installs the
// handlers if that has not been done). Needs the application object.
void onQuitSignal(std::function<void(int signal)> handler);

} // namespace platform
