#pragma once
// The running screen. Screens hand control to each other only through this
// value, which the screen loop tests between screens.

#include <SDL.h>

enum : Uint8 {
    StateMenu = 0,
    StateQuit = 4,
    StateParticles = 6,
    StateTornado = 7,
    StateFire = 8,
};

extern Uint8 ScreenState;
