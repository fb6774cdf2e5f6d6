#include "input/input_state.h"

#include "draw/surface.h"
#include "input/command_keys.h"

int MouseX = 0;
int MouseY = 0;
bool MouseHeld = false;
bool MousePressed = false;
bool MouseReleased = false;
TVector PressVector;
TVector DragVector;
std::string KeyName;
bool KeyDown = false;
bool PointerTouched = false;

void ResetInputState()
{
    MouseX = MouseY = 0;
    MouseHeld = MousePressed = MouseReleased = false;
    PressVector = TVector{};
    DragVector = TVector{};
    KeyName.clear();
    KeyDown = false;
    PointerTouched = false;
    CommandKeys = {};
}

bool MouseInRect(bool ScreenCoords, double X1, double Y1, double X2, double Y2)
{
    const double X = ScreenCoords ? MouseX + OriginX : MouseX;
    const double Y = ScreenCoords ? MouseY + OriginY : MouseY;
    return X1 <= X && X <= X2 && Y1 <= Y && Y <= Y2;
}
