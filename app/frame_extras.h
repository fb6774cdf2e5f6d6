#pragma once
// What the command keys (input/command_keys.h) add to every screen's
// frame, around the screen's own work:
//
//   BeginFrame          the frame's start, for the statistics
//   PollEvents          the screen's reaction behind the help panel: a
//                       press on the shown panel is the panel's alone
//   ApplyCommandKeys    takes the panel's presses out of the frame's flags
//                       (a press on its box hides it); F11 switches the
//                       mode; F1 and F3 show or hide the help panel and
//                       the statistics line; + and - choose the tempo; F5
//                       and F6 pause and step: how many steps the
//                       simulation takes this frame
//   ClearScreen, the screen's own work
//   NoteStepsTaken      the steps the simulation took, for the statistics
//   DrawFrameExtras     the help panel, the statistics line, each only
//                       while it shows, then the top strip (top_strip.h):
//                       the pause label, why the world stands still (the
//                       screen says when), the tempo label and the notice
//   TakeAskedScreenshot F12: the frame as it stands, without the pointer;
//                       the notice names the file from the next frame on
//   DrawCursor, SDL_Flip
//
// So a run in which none of these keys is pressed shows exactly the
// screens' own frames. The help panel, the statistics line and the tempo
// stay from screen to screen; leaving a screen ends its pause.

#include <SDL.h>
#include <functional>
#include <string>

#include "app/input.h"

// Notes the start of a frame, before its poll.
void BeginFrame();

// React (may be empty) behind the help panel of the screen State names: the
// events the shown panel takes (screen/help_panel_press.h) never reach it.
TEventReaction BehindHelpPanel(Uint8 State, const TEventReaction& React);

// Acts on the poll's command keys. Simulation: the running screen has a
// simulation to pause (the menu has none). Ticks: the ticks of the pace's
// clock this frame covers (app/pace.h). Returns the steps the simulation
// takes in this frame: the tempo's for the ticks, none while paused, one
// for F6.
int ApplyCommandKeys(bool Simulation, int Ticks);

// Notes the steps the running screen's simulation took in this frame (the
// particle world takes none while its window has the focus).
void NoteStepsTaken(int Steps);

// Draws whatever of the help panel (for the screen State names), the
// statistics line (with the counts Counts gives, Windows-1250) and the top
// strip's lines shows. HeldByFocus: the screen's world stands still because
// its control window has the focus.
void DrawFrameExtras(Uint8 State, const std::function<std::string()>& Counts, bool HeldByFocus = false);

// Keeps a screenshot of the display when the poll asked for one.
void TakeAskedScreenshot();

// Pauses the running simulation from this frame's command keys on, as F5
// would: an opened scene starts paused.
void PauseSimulation();

// The running screen is left: its pause ends, and so does a fraction of a
// step a slow tempo owed it.
void EndPause();

// Nothing shown, no pause, the normal tempo, no notice, no frames counted.
void ResetFrameExtras();
