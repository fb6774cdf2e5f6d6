#pragma once
// Drives widgets directly: the input globals of one frame as PollEvents
// leaves them, with the pointer given in display pixels.

#include <string>

#include "input/input_state.h"
#include "draw/surface.h"

inline void MouseFrame(int X, int Y, bool Pressed, bool Held, bool Released)
{
    MouseX = X - OriginX;
    MouseY = Y - OriginY;
    MousePressed = Pressed;
    MouseHeld = Held;
    MouseReleased = Released;
    KeyDown = false;
}
inline void Press(int X, int Y) { MouseFrame(X, Y, true, true, false); }
inline void Hold(int X, int Y) { MouseFrame(X, Y, false, true, false); }
inline void Release(int X, int Y) { MouseFrame(X, Y, false, false, true); }
inline void Rest(int X, int Y) { MouseFrame(X, Y, false, false, false); }

// A key goes down this frame; the mouse rests.
inline void Key(const std::string& Name)
{
    MousePressed = MouseHeld = MouseReleased = false;
    KeyName = Name;
    KeyDown = true;
}

inline void ResetInput()
{
    SetOrigin(400, 300);
    Rest(0, 0);
    KeyName.clear();
}
