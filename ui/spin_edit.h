#pragma once
// TSpinEdit: a numeric edit with an up and a down arrow that change the
// value by dragging. Pressing an arrow moves the value by one; dragging the
// mouse away adds one more per pixel of straight-line distance from the
// press point, always counted from the value at the press.
// An arrow stays pressed until the mouse is up and away from its zone, or a
// press lands outside its zone.

#include "sim/geometry/vector.h"
#include "ui/edit.h"

struct TSpinEdit {
    TEdit Edit;               // the numeric text field
    int Value = 0;            // current value, MinValue .. MaxValue after each update
    int BaseValue = 0;        // Value when the current arrow press began
    int MaxValue = 0;         // upper bound
    int MinValue = 0;         // lower bound, applied after the upper one
    bool UpHover = false;     // the mouse is over the up arrow's zone
    bool UpPressed = false;   // the up arrow is held
    bool DownHover = false;   // the mouse is over the down arrow's zone
    bool DownPressed = false; // the down arrow is held
    TVector PressPoint;       // (MouseX, MouseY) at the last arrow press, Origin-relative pixels
};

// Note the order: MaxValue before MinValue. The edit is numeric and shows
// Value in decimal.
TSpinEdit CreateSpinEdit(int X, int Y, int MaxLength, int Value, int MaxValue, int MinValue, int SelStart,
                         int SelEnd, int Caret);

// The edit, then the two arrows right of its right cap.
void DrawSpinEdit(TSpinEdit& S, double OffX, double OffY);

// The edit's update, then the arrows, the bounds and the text. Each arrow
// reacts over the 16 x 12 pixels from its drawn top-left corner.
void UpdateSpinEdit(TSpinEdit& S, bool Active, double OffX, double OffY);
