#pragma once
// The input state of one frame: every frame starts by emptying SDL's event
// queue into these globals (PollEvents). Widgets and screens read only the
// globals, never SDL's events.
//
//   what happened during the poll         MousePressed MouseReleased MouseHeld
//   button went down                      set          -             set
//   button went up                        -            set           clear
//   wheel turned (down and up at once)    set          set           clear
//
// A press of a named key sets KeyDown with the key's name in KeyName; a key
// without a name sets nothing, so a letter still held is not typed again.
// Any key release turns KeyName into " ", and a poll that ends with KeyName
// " " reports no key.

#include <string>

#include "sim/geometry/vector.h"

extern int MouseX;               // pointer x in display pixels minus OriginX
extern int MouseY;               // pointer y in display pixels minus OriginY
extern bool MouseHeld;           // a mouse button is down
extern bool MousePressed;        // a button went down during this frame's poll
extern bool MouseReleased;       // a button went up during this frame's poll
extern TVector PressVector;      // (MouseX, MouseY) at the last button press
extern TVector DragVector;       // (MouseX, MouseY) while held; set by the screens
extern std::string KeyName;      // last named key pressed, " " after a release
extern bool KeyDown;             // a named key went down during this frame's poll
extern bool PointerTouched;      // the last motion or button event came from a finger (pointer_device.h)

// Puts every global above back to its start: pointer at the Origin, no
// button or key down, no key name.
void ResetInputState();

// The pointer lies in (X1, Y1)-(X2, Y2), all edges inclusive. With
// ScreenCoords the rectangle is in display pixels, otherwise relative to
// the Origin like MouseX and MouseY.
bool MouseInRect(bool ScreenCoords, double X1, double Y1, double X2, double Y2);
