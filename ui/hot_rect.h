#pragma once
// A widget's hot rectangle: the area in which the mouse counts as over it.
// Hit tests use the unrounded sums of a widget's position and its window's
// offset; only drawing rounds.

#include "input/input_state.h"
#include "sim/geometry/rounding.h"

struct THotRect {
    double X1, Y1; // top-left corner, display pixels
    double X2, Y2; // bottom-right corner, display pixels, inclusive
};

// Position + Offset + Extra, worked out in extended precision and stored as
// a double.
inline double ExtendedSum(double Position, double Offset, Extended Extra = 0)
{
    return static_cast<double>(Extended(Position) + Extended(Offset) + Extra);
}

// The mouse's display position lies in Hot, all four edges included.
inline bool MouseOver(const THotRect& Hot) { return MouseInRect(true, Hot.X1, Hot.Y1, Hot.X2, Hot.Y2); }
