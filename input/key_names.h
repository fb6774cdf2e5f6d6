#pragma once
// The names key-down events give to KeyName: digits and letters as
// themselves (the left Shift key gives the shifted digit or the capital),
// keypad digits, and "Bksp", "Space", "Del", "Right", "Left".

#include <SDL.h>

// The name a key-down event gives, or nullptr for a key without a name.
const char* KeyNameFor(SDLKey Symbol, SDLMod Modifiers);
