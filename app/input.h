#pragma once
// PollEvents: every frame starts by emptying SDL's event queue into the
// input state (input/input_state.h).

#include <SDL.h>
#include <functional>

#include "input/input_state.h"

extern SDL_Event Event;          // the buffer SDL_PollEvent fills

// A screen's own reaction to one event, run inside the poll right after the
// common handling of that event.
using TEventReaction = std::function<void(const SDL_Event&)>;

// Empties SDL's event queue into the input state. Esc stores EscState in
// ScreenState, the window's close control stores the quit state, Alt+Return
// toggles full screen.
void PollEvents(Uint8 EscState, const TEventReaction& React = nullptr);
