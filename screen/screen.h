#pragma once
// What a screen shares with the rest of the program: the screen state,
// through which screens hand control to each other (the screen loop tests it
// between frames), and the control window of the simulation screens.

#include <SDL.h>

#include "screen/control_window.h"

enum : Uint8 {
    StateMenu = 0,
    StateQuit = 4,
    StateParticles = 6,
    StateTornado = 7,
    StateFire = 8,
};

extern Uint8 ScreenState;

// The menu, as at start-up.
void ResetScreenState();
