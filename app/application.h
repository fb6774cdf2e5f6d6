#pragma once
// The program's main block: start-up, the loop over screens, shutdown.

#include <SDL.h>

// Start-up once the log is open: the start line, the display and the images,
// the angle tables, the Origin and the menu as the first screen (the
// particle screen when a scene is to be opened, scene_commands.h). Returns
// false when no folder holds the images or the display could not be
// opened; the reason is in the log.
bool StartProgram();

// Shutdown: releases the running screen and the display, writes the end
// line in the log and resets the program's state.
void StopProgram();

// Every module's state as before start-up: no screen running, the menu
// named, no input, a window and the system's video mode next, the images
// looked for under the working directory, the Origin on the corner, the
// random generator unseeded.
void ResetProgramState();

// The whole run: log, start-up, screens, shutdown, starting in the mode
// StartFlags (0: a window, or SDL_FULLSCREEN), its frames paced to the
// program's clock or, unpaced, as fast as the machine draws them
// (frame_loop.h). Returns the exit code: 0 after a normal end, 1 when the
// log, the images or the display could not be opened, or a full-screen
// switch could open neither mode.
int RunApplication(Uint32 StartFlags = 0, bool Paced = true);
