#pragma once
// The loop over screens. Every screen is a state record and a frame
// function; the loop runs the screen ScreenState names one frame at a time:
//   BeginFrame, PollEvents, ApplyCommandKeys, ClearScreen, the screen's
//   frame, DrawFrameExtras, TakeAskedScreenshot, DrawCursor, SDL_Flip
// (app/frame_extras.h says what the command keys' steps do); the screen's
// frame draws once and steps its simulation as many times as the pace and
// the tempo give.
// A screen's state is created when the screen is entered and released once a
// frame has stored another screen state, so every visit starts afresh.

// Shows one frame of the screen ScreenState names, entering it first when
// it is not the one running; the frame covers Ticks of the pace's clock
// (app/pace.h), and the simulation takes the tempo's steps for them.
// Returns false once the quit state is stored.
bool RunScreenFrame(int Ticks = 1);

// Releases the running screen's state, if a screen runs.
void LeaveScreen();
