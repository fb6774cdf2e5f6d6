#pragma once
// What the command keys (input/command_keys.h) add to every screen's
// frame, around the screen's own work:
//
//   BeginFrame          the frame's start, for the statistics
//   PollEvents
//   ApplyCommandKeys    F11 switches the mode; F1 and F3 show or hide the
//                       help panel and the statistics line; F5 and F6 pause
//                       and step: whether the simulation steps this frame
//   ClearScreen, the screen's own work
//   DrawFrameExtras     the help panel, the statistics line, each only
//                       while it shows, then the top strip (top_strip.h):
//                       the pause label and the notice
//   TakeAskedScreenshot F12: the frame as it stands, without the pointer
//   DrawCursor, SDL_Flip
//
// So a run in which none of these keys is pressed shows exactly the
// screens' own frames. The help panel and the statistics line stay shown or
// hidden from screen to screen; leaving a screen ends its pause.

#include <SDL.h>
#include <functional>
#include <string>

// Notes the start of a frame, before its poll.
void BeginFrame();

// Acts on the poll's command keys. Simulation: the running screen has a
// simulation to pause (the menu has none). Returns whether the simulation
// takes its step in this frame.
bool ApplyCommandKeys(bool Simulation);

// Draws whatever of the help panel (for the screen State names), the
// statistics line (with the counts Counts gives, Windows-1250) and the top
// strip's lines shows.
void DrawFrameExtras(Uint8 State, const std::function<std::string()>& Counts);

// Keeps a screenshot of the display when the poll asked for one.
void TakeAskedScreenshot();

// Pauses the running simulation from this frame's command keys on, as F5
// would: an opened scene starts paused.
void PauseSimulation();

// The running screen is left: its pause ends.
void EndPause();

// Nothing shown, no pause, no notice, no frames counted.
void ResetFrameExtras();
