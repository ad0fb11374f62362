#pragma once
// Start-up order: the start window is built first and is the main window.
// The other nine are built the first time something uses them (see
// windowholder.h) and live, like the start window, until the program ends.
namespace app {
// The program's start: builds the start window and shows it. Its show
// sequence (title music, settings) runs right after its first paint, so the
// player sees the window before the audio library is loaded.
void showStartWindow();
// All ten windows at once, in the start-up order (tests use it).
void createWindows();
void destroyWindows(); // in reverse order; tests call it so no window outlives them
} // namespace app
