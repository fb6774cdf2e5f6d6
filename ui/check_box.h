#pragma once
// TCheckBox: a 13x13 box from CheckImage with a caption to its right; a
// click on the box (not the caption) flips Checked.

#include <SDL.h>
#include <string>

#include "sim/geometry/vector.h"

struct TCheckBox {
    TVector Pos;         // top-left corner of the box, pixels from the window's content origin
    std::string Caption; // Windows-1250, drawn right of the box
    Uint32 Color = 0;    // caption colour, a display pixel value
    bool Hover = false;   // the mouse was over the box at the last update
    bool Armed = false;   // pressed on the box, mouse button still held
    bool Clicked = false; // released over the box in the last update
    bool Checked = false; // the box is ticked
};

TCheckBox CreateCheckBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color);

// The box's cell (by Hover, Armed and Checked) and the caption 18 pixels
// right of it, offset by (OffX, OffY) display pixels.
void DrawCheckBox(TCheckBox& C, double OffX, double OffY);

// The press protocol on the 13x13 box; a click flips Checked.
void UpdateCheckBox(TCheckBox& C, bool Active, double OffX, double OffY);
