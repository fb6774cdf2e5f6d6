#pragma once
// The presses the help panel takes for itself. While it shows, a mouse
// button that goes down on it belongs to the panel until that button comes
// up again: the screen's reaction to single events never sees either event,
// and after the poll the frame's flags (MousePressed, MouseReleased,
// MouseHeld, PressVector) read as if they had not happened. A press on the
// panel's box asks to hide it; any other press on it does nothing. No
// window is updated for it, so no window's focus moves.
//
//   this poll's button events             flags the screen sees afterwards
//   down on the panel                     no press; held as before the poll
//   up of a button taken on the panel     no release
//   up taken, then down elsewhere         the press elsewhere only
//   none taken                            the poll's own, untouched
//
// With the panel hidden and no taken button down, nothing is taken, so
// every frame is the frame the screen would show without the panel.

#include <SDL.h>

#include "sim/geometry/vector.h"
#include "ui/window.h"

struct THelpPanelPress {
    Uint32 TakenButtons = 0; // bit per SDL button number: went down on the panel, not yet up
    // Of the poll under way:
    bool Took = false;        // some event of it was the panel's
    bool HideAsked = false;   // a press on the panel's box
    bool Pressed = false;     // a button went down elsewhere
    bool Released = false;    // a button not taken went up
    bool HeldSeen = false;    // a button event not taken arrived ...
    bool Held = false;        // ... and MouseHeld after the last one
    bool HeldBefore = false;  // MouseHeld and PressVector before the poll
    TVector PressBefore;
    TVector PressAfter;       // PressVector after the last press elsewhere
};

// Starts a poll: notes the flags as they stand.
void BeginHelpPanelPoll(THelpPanelPress& P);

// Whether the panel takes E, an event the poll has just handled (the
// pointer read for it). Panel is the panel shown, or nullptr while hidden.
bool TakeHelpPanelEvent(THelpPanelPress& P, const TWindow* Panel, const SDL_Event& E);

// Ends the poll: takes the panel's events out of the frame's flags. Returns
// whether a press on the box asked to hide the panel.
bool EndHelpPanelPoll(THelpPanelPress& P);
