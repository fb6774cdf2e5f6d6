#pragma once
// The names key-down events give to KeyName: digits and letters as
// themselves (the left Shift key gives the shifted digit or the capital),
// keypad digits, and "Bksp", "Space", "Del", "Right", "Left".
//
// A key that types a letter beyond ASCII which Windows-1250 has and the
// font draws (the Polish letters, from a Polish layout's AltGr or an input
// method) is named by that letter, one Windows-1250 byte, whatever the
// table says of its key. What a key types in ASCII does not matter: the
// table alone names it.

#include <SDL.h>

// The table's name for a key, or nullptr for a key without a name.
const char* KeyNameFor(SDLKey Symbol, SDLMod Modifiers);

// A key pressed with Ctrl, or with the left Alt, is a command, not typing.
// The right Alt is AltGr, which types the Polish letters, and a Ctrl beside
// it is the one AltGr brings along on some systems (a browser on Windows).
bool IsCommandChord(SDLMod Modifiers);

// The name a key-down event gives, or nullptr for a key without a name.
// Key.unicode is what the key typed (SDL_EnableUNICODE), 0 for nothing. A
// command chord types nothing: of its keys only "Bksp", "Del", "Left" and
// "Right" keep their names.
const char* KeyNameFor(const SDL_keysym& Key);
