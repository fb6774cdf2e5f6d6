#pragma once
// TProgressBar: a value shown against a maximum as a row of 8-pixel blocks.
// It takes no input; the screen writes Value.

#include "sim/geometry/vector.h"

struct TProgressBar {
    TVector Pos;      // top-left corner, pixels from the window's content origin
    int Blocks = 0;   // width in 8-pixel blocks; a full bar shows this many
    int Value = 0;    // the amount shown
    int MaxValue = 0; // the amount of a full bar
};

TProgressBar CreateProgressBar(int X, int Y, int Blocks, int Value, int MaxValue);

// The frame (8 * Blocks + 5 pixels wide, 17 high) and Floor(Value /
// MaxValue * Blocks) fill blocks. The fill is not limited to the frame: a
// value above the maximum runs past the right cap. A bar whose maximum is 0
// shows its empty frame.
void DrawProgressBar(TProgressBar& P, double OffX, double OffY);

// The number of fill blocks DrawProgressBar draws.
int FilledBlocks(const TProgressBar& P);
