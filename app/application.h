#pragma once
// The program's main block: start-up, the loop over screens, shutdown.

#include <SDL.h>

// Runs the screen named by ScreenState until one of them stores the quit
// state.
void RunScreenLoop();

// The whole run: log, image folder, display, screens, shutdown, starting
// in the mode StartFlags (0: a window, SDL_FULLSCREEN). Returns the exit
// code: 0 after a normal end, 1 when the log, the images or the display
// could not be opened.
int RunApplication(Uint32 StartFlags = 0);
