#pragma once
// PollEvents: every frame starts by emptying SDL's event queue into the
// input state (input/input_state.h).
//
// Nothing the user does is lost to the one-frame view: a poll stops before a
// release of the left, middle or right button when one of them went down in
// the same poll, and before a key release or a further key press once a
// named key went down, and before a second command key (command_keys.h),
// whose flag would read as one with the first. That event and all after it
// stay in SDL's queue, in their order, for the next frame. So a quick click is pressed in one frame
// and released in the next, and fast typing gives one key per frame.
//
// A press counts where it happened: the pointer is taken from each motion
// and button event's own coordinates, and a motion after a press of the
// same poll waits for the next poll, as a release does. So a pointer that
// jumps and presses within one frame (a tap, a pen, xdotool) is pressed
// where it went down, and the move after it comes a frame later.

#include <SDL.h>
#include <functional>

#include "input/input_state.h"

extern SDL_Event Event;          // the event the poll is handling, taken from SDL's queue with SDL_PeepEvents

// A screen's own reaction to one event, run inside the poll right after the
// common handling of that event.
using TEventReaction = std::function<void(const SDL_Event&)>;

// Empties SDL's event queue into the input state. Esc stores EscState in
// ScreenState, the window's close control stores the quit state, Alt+Return
// toggles full screen; the function keys of command_keys.h set their flags.
void PollEvents(Uint8 EscState, const TEventReaction& React = nullptr);
