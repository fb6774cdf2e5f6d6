#pragma once
// TButton: a push button sized from its caption, drawn as a nine-slice
// frame from ButtonImage. The screen reads Clicked after UpdateWindows.

#include <string>

#include "sim/geometry/segment.h"

struct TButton {
    TSegment Bounds;     // A top-left, B bottom-right, Delta size; pixels from the window's content origin
    std::string Caption; // Windows-1250, centred on the face
    bool Hover = false;   // the mouse was over the bounds at the last update
    bool Armed = false;   // pressed on the button, mouse button still held
    bool Clicked = false; // released over the button in the last update
};

// A button at (X, Y), 8 pixels per caption character plus 10 wide and 26
// high, enlarged (never shrunk) to MinWidth and MinHeight.
TButton CreateButton(const std::string& Caption, int X, int Y, int MinWidth, int MinHeight);

// Frame, face and caption, offset by (OffX, OffY) display pixels; the whole
// button sits one pixel lower while armed.
void DrawButton(TButton& B, double OffX, double OffY);

// The press protocol on the bounds offset by (OffX, OffY).
void UpdateButton(TButton& B, bool Active, double OffX, double OffY);
