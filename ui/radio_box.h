#pragma once
// TRadioBox: a check box drawn from RadioImage. On its own it toggles like a
// check box; a radio group (ui/groups.h) makes its boxes one choice.

#include <SDL.h>
#include <string>

#include "sim/geometry/vector.h"

struct TRadioBox {
    TVector Pos;         // top-left corner of the box, pixels from the window's content origin
    std::string Caption; // Windows-1250, drawn right of the box
    Uint32 Color = 0;    // caption colour, a display pixel value
    bool Hover = false;   // the mouse was over the box at the last update
    bool Armed = false;   // pressed on the box, mouse button still held
    bool Clicked = false; // released over the box in the last update
    bool Checked = false; // the box is ticked
};

TRadioBox CreateRadioBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color);
void DrawRadioBox(TRadioBox& R, double OffX, double OffY);
void UpdateRadioBox(TRadioBox& R, bool Active, double OffX, double OffY);
