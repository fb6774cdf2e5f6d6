#pragma once
// Drives widgets directly: sets the input globals for one frame as
// PollEvents would leave them, with the pointer given in display pixels.

#include <string>

#include "app/input.h"
#include "draw/surface.h"

inline void PointerAt(int DisplayX, int DisplayY)
{
    MouseX = DisplayX - OriginX;
    MouseY = DisplayY - OriginY;
}

inline void MouseFrame(int DisplayX, int DisplayY, bool Pressed, bool Held, bool Released)
{
    PointerAt(DisplayX, DisplayY);
    MousePressed = Pressed;
    MouseHeld = Held;
    MouseReleased = Released;
    KeyDown = false;
}

// A button goes down at (X, Y) this frame.
inline void Press(int X, int Y) { MouseFrame(X, Y, true, true, false); }
// The button is still down, the pointer at (X, Y).
inline void Hold(int X, int Y) { MouseFrame(X, Y, false, true, false); }
// The button comes up at (X, Y) this frame.
inline void Release(int X, int Y) { MouseFrame(X, Y, false, false, true); }
// Nothing happens; the pointer rests at (X, Y).
inline void Rest(int X, int Y) { MouseFrame(X, Y, false, false, false); }

// A frame with the named key pressed and the mouse at rest where it was.
inline void Key(const std::string& Name)
{
    MousePressed = MouseHeld = MouseReleased = false;
    KeyName = Name;
    KeyDown = true;
}

// A fresh input state with the program's Origin.
inline void ResetInput()
{
    SetOrigin(400, 300);
    Rest(0, 0);
    KeyName.clear();
}
