#pragma once
// Input: every frame starts by emptying SDL's event queue into these
// globals. Widgets and screens read only the globals, never SDL's events.
//
//   what happened during the poll         MousePressed MouseReleased MouseHeld
//   button went down                      set          -             set
//   button went up                        -            set           clear
//   wheel turned (down and up at once)    set          set           clear
//
// A key press sets KeyDown with the key's name in KeyName; any key release
// turns KeyName into " ", and a poll that ends with KeyName " " reports no
// key.
//
// Nothing the user does is lost to the one-frame view: a poll stops before a
// release of the left, middle or right button when one of them went down in
// the same poll, and before a key release or a further key press once a
// named key went down. That event and all after it stay in SDL's queue, in
// their order, for the next frame. So a quick click is pressed in one frame
// and released in the next, and fast typing gives one key per frame.

#include <SDL.h>
#include <functional>
#include <string>

#include "sim/geometry/vector.h"

extern SDL_Event Event;          // the buffer SDL_PollEvent fills
extern int MouseX;               // pointer x in display pixels minus OriginX
extern int MouseY;               // pointer y in display pixels minus OriginY
extern bool MouseHeld;           // a mouse button is down
extern bool MousePressed;        // a button went down during this frame's poll
extern bool MouseReleased;       // a button went up during this frame's poll
extern TVector PressVector;      // (MouseX, MouseY) at the last button press
extern TVector DragVector;       // (MouseX, MouseY) while held; set by the screens
extern std::string KeyName;      // last named key pressed, " " after a release
extern bool KeyDown;             // a key went down during this frame's poll

// A screen's own reaction to one event, run inside the poll right after the
// common handling of that event.
using TEventReaction = std::function<void(const SDL_Event&)>;

// Empties SDL's event queue into the globals above. Esc stores EscState in
// ScreenState, the window's close control stores the quit state, Alt+Return
// toggles full screen.
void PollEvents(Uint8 EscState, const TEventReaction& React = nullptr);

// The name a key-down event gives, or nullptr for a key without a name.
const char* KeyNameFor(SDLKey Symbol, SDLMod Modifiers);

// The pointer lies in (X1, Y1)-(X2, Y2), all edges inclusive. With
// ScreenCoords the rectangle is in display pixels, otherwise relative to
// the Origin like MouseX and MouseY.
bool MouseInRect(bool ScreenCoords, double X1, double Y1, double X2, double Y2);
