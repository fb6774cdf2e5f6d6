#pragma once
// TToggleBox: what check boxes and radio boxes share. Both are a 13x13 box
// with a caption to its right, toggled by a click on the box (not the
// caption); they differ only in the sheet they are drawn from.

#include <SDL.h>
#include <string>

#include "sim/geometry/vector.h"

struct TToggleBox {
    TVector Pos;          // top-left corner of the box, pixels from the window's content origin
    std::string Caption;  // Windows-1250, drawn right of the box
    Uint32 Color = 0;     // caption colour, a display pixel value
    bool Hover = false;   // the mouse was over the box at the last update
    bool Armed = false;   // pressed on the box, mouse button still held
    bool Clicked = false; // released over the box in the last update
    bool Checked = false; // the box is ticked
};

TToggleBox CreateToggleBox(const std::string& Caption, int X, int Y, bool Checked, Uint32 Color);

// The box's cell from Sheet (by Hover, Armed and Checked), then its caption
// with the pen level with the box's top, 18 pixels to its right.
void DrawToggleBox(SDL_Surface* Sheet, const TToggleBox& Box, double OffX, double OffY);

// The press protocol on the 13x13 box; a click flips Checked.
void UpdateToggleBox(TToggleBox& Box, bool Active, double OffX, double OffY);
