#pragma once
// The program from start to end: find the game's folder, take its lock, let
// signals close the game as its windows close, run the windows.
#include <functional>

namespace app {

class App;

// Call first in main, before the application object exists.
void prepareSignals();

// Runs the game; returns the process's exit code. `started` runs once the
// start window stands (tests drive the game from there).
int runGame(int argc, char** argv, const std::function<void(App&)>& started = {});

// Closes every window the way its close box would (the attempt's seconds
// saved, the scratch pictures deleted) and leaves the event loops with exit
// code 0. No box waits for an answer meanwhile. Runs once. `game` is null
// before the windows exist.
void closeAllWindows(App* game);
bool closingAllWindows(); // true once closeAllWindows has begun

// The box shown when the game's own folder cannot be found.
const char* noFolderText();
// The box shown when the own levels are asked for and there are none.
const char* noOwnLevelsText();

} // namespace app
