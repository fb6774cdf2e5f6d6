#pragma once
// The keys that command the program rather than a widget: the
// poll turns each press into a flag of CommandKeys for the screen loop, and
// no widget reads them. None of these keys has a name (key_names.h), and
// none sets KeyDown, so a command never repeats a held key into an edit.
//
//   key                  flag         what the screen loop does with it
//   F1                   Help         shows or hides the help panel
//   F3                   Statistics   shows or hides the statistics line
//   F5, Pause, F8        Pause        pauses or resumes the simulation
//   F6                   Step         one step while paused
//   +, =, keypad +       Faster       the next faster tempo (app/pace.h)
//   -, keypad -          Slower       the next slower tempo
//   F11                  FullScreen   switches window and full screen
//   F12, Print, F9       Screenshot   saves the frame as shown
//   Ctrl+S               SaveScene    saves the particle world as a scene
//   Ctrl+O               OpenScene    asks for a scene to open
//
// Ctrl+S and Ctrl+O count only without Alt: AltGr, which some systems
// report as Ctrl+Alt, types the Polish letters ś and ó on those keys.
// F8 and F9 are there for the browser, which keeps F5 (reload) and F12
// (its tools) for itself.

#include <SDL.h>

struct TCommandKeys {
    bool Help = false;
    bool Statistics = false;
    bool Pause = false;
    bool Step = false;
    bool Faster = false;
    bool Slower = false;
    bool FullScreen = false;
    bool Screenshot = false;
    bool SaveScene = false;
    bool OpenScene = false;
};

// The commands given during this frame's poll; cleared at its start.
extern TCommandKeys CommandKeys;

// Sets the flag of a command key pressed (with these modifiers) and returns true; false, and no
// flag set, for any other key.
bool NoteCommandKey(SDLKey Symbol, SDLMod Modifiers = KMOD_NONE);

// Whether Symbol is a command key.
bool IsCommandKey(SDLKey Symbol, SDLMod Modifiers = KMOD_NONE);
