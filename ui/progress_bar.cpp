#include "ui/progress_bar.h"

#include <cstdint>

#include "draw/display.h"
#include "sim/geometry/rounding.h"
#include "ui/sheets.h"

TProgressBar CreateProgressBar(int X, int Y, int Blocks, int Value, int MaxValue)
{
    TProgressBar P;
    P.Pos = MakeVector(X, Y);
    P.Blocks = Blocks;
    P.Value = Value;
    P.MaxValue = MaxValue;
    return P;
}

int FilledBlocks(const TProgressBar& P)
{
    if (P.MaxValue == 0) return 0; // no amount makes a full bar: nothing to show
    return Floor(static_cast<Extended>(P.Value) / P.MaxValue * P.Blocks);
}

void DrawProgressBar(TProgressBar& P, double OffX, double OffY)
{
    const int64_t L = Round(Extended(P.Pos.X) + Extended(OffX));
    const int64_t T = Round(Extended(P.Pos.Y) + Extended(OffY));
    const int64_t W = 8 * int64_t{P.Blocks};

    DrawPiece(ProgressImage, ProgressLeftCap, L, T);
    DrawStretched(ProgressImage, ProgressMiddle, L + 4, T, W - 3, 1);
    DrawPiece(ProgressImage, ProgressRightCap, L + W + 1, T);
    const int Filled = FilledBlocks(P);
    for (int64_t K = 0; K < Filled; ++K) DrawPiece(ProgressImage, ProgressBlock, L + 2 + 8 * K, T);
}
