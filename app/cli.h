#pragma once
// What the game does before its windows: the command line and the choice of
// window system.
#include <QString>

namespace app {

// True when the arguments ask for the help or the version text.
bool wantsHelp(int argc, char** argv);
bool wantsVersion(int argc, char** argv);
// True when the arguments ask for the player's own levels (--own-levels):
// the game then plays them as a set of their own, with their own roster.
bool wantsOwnLevels(int argc, char** argv);

// The text of `kovra2 --help`: usage and the folders the game reads and
// writes, as the current run would use them.
QString helpText();

// On a Wayland session with XWayland at hand, run through X11 unless the
// player chose a platform: window positions and the caption-button guard
// rely on X11 semantics. Call before the application object exists.
void preferX11();

} // namespace app
